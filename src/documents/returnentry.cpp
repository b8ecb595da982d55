#include "documents/returnentry.h"

#include "documents/docwindow.h"
#include "documents/entryparts.h"
#include "documents/entrytab.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/ui/form.h"
#include "platform/ui/keyedcombo.h"

#include <QBoxLayout>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void NewReturnBottom(QWidget* tab, QBoxLayout* box, const ReturnBottomText& text, const ReturnBottom& b)
{
    auto* grid = new QGridLayout;
    box->addLayout(grid);
    grid->addWidget(NamedLabel(tab, text.payable), 0, 0);
    b.payable = NamedEdit(tab, "tyfje", 32767);
    b.payable->setReadOnly(true);
    grid->addWidget(b.payable, 0, 1);
    grid->addWidget(NamedLabel(tab, text.paid), 0, 2);
    b.paid = NamedEdit(tab, text.paidName, 32767);
    grid->addWidget(b.paid, 0, 3);
    grid->addWidget(NamedLabel(tab, text.rest), 0, 4);
    grid->addWidget(NamedLabel(tab, "经办人："), 1, 0);
    b.handler = new KeyedCombo(tab);
    b.handler->setObjectName(QStringLiteral("comUser"));
    b.handlerButton = NamedButton(tab, "btnUser", "…");
    b.handlerButton->hide();
    grid->addLayout(FieldWithButton(b.handler, b.handlerButton), 1, 1);
    grid->addWidget(NamedLabel(tab, "备         注："), 1, 2);
    b.note = NamedEdit(tab, "tnote", 200);
    if (text.notePicker) {
        b.noteButton = NamedButton(tab, "btnDjbz", "…");
        b.noteButton->hide();
        grid->addLayout(FieldWithButton(b.note, b.noteButton), 1, 3, 1, 2);
    } else {
        grid->addWidget(b.note, 1, 3, 1, 2);
    }
    b.invoiceLabel = NamedLabel(tab, "发票号：", text.invoiceLabel);
    grid->addWidget(b.invoiceLabel, 2, 0);
    b.invoiceNo = NamedEdit(tab, "tfpno", 32);
    grid->addWidget(b.invoiceNo, 2, 1);
    b.invoiceAmount = NamedEdit(tab, "tfpje", 32767);
    grid->addWidget(b.invoiceAmount, 2, 2);
    b.save = NamedButton(tab, "btnOK", "保存(F5)");
    b.leave = NamedButton(tab, "btnCancel", "退出(Esc)");
    grid->addWidget(b.save, 2, 3);
    grid->addWidget(b.leave, 2, 4);
    b.accountPanel = NewAccountPanel(tab, text.accountPanel, b.account, b.accountClose);
    box->addWidget(b.accountPanel);
}

QGridLayout* NewReturnHead(QWidget* tab, QBoxLayout* box, const ReturnHeadText& text, QLineEdit*& partner,
    QPushButton*& choose, KeyedCombo*& warehouse, QDateEdit*& date)
{
    auto* head = new QGridLayout;
    box->addLayout(head);
    head->addWidget(NamedLabel(tab, text.partner), 0, 0);
    partner = NamedEdit(tab, text.partnerName, 32);
    partner->setToolTip(QStringLiteral("输入编号,名称,拼音简码,联系电话,联系地址进行查询"));
    choose = NamedButton(tab, "btnSeleGhs", "…");
    head->addLayout(FieldWithButton(partner, choose), 0, 1);
    head->addWidget(NamedLabel(tab, text.warehouse), 0, 2);
    warehouse = new KeyedCombo(tab);
    warehouse->setObjectName(QStringLiteral("comCk"));
    head->addWidget(warehouse, 0, 3);
    head->addWidget(NamedLabel(tab, text.date), 0, 4);
    date = NewDocDateEdit(tab, "dateCg");
    head->addWidget(date, 0, 5);
    return head;
}

void ShowReturnLineButtons(
    bool rows, QPushButton* modify, QPushButton* remove, QPushButton* print, QWidget* partner, QWidget* warehouse)
{
    modify->setVisible(rows);
    remove->setVisible(rows);
    print->setVisible(rows && !IsTrue(NoPrintBeforeSave));
    partner->setEnabled(!rows);
    warehouse->setEnabled(!rows);
}

QString ReturnPendingQuestion()
{
    return QStringLiteral("单据保存后处于“未审核”状态，是否确认保存？\r\n\r\n处于“未审核”状态的退货单，可以在“待审核"
                          "\r\n\r\n退货单”面板中，进行修改及审核操作！");
}

QString ChooseWholeReturn(const QString& openMode, const QString& queryWindow)
{
    OpenMode = openMode;
    WholeReturnDocNo.clear();
    FunctionWindows::Open(queryWindow, FunctionWindows::Lifetime::Freed);
    OpenMode.clear();
    const QString chosen = WholeReturnDocNo;
    WholeReturnDocNo.clear();
    return chosen;
}

bool CloseReturnEntry(const DocWindow& doc, const QString& number, const std::function<bool()>& hasLines,
    const std::function<void()>& save, const std::function<void()>& reload, QString& wholeReturnOf)
{
    const bool closing = doc.CloseQuery(hasLines(), number, save);
    if (closing) {
        reload();
        if (!hasLines())
            wholeReturnOf.clear();
    }
    return closing;
}
