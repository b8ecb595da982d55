#include "sales/spddmodi.h"

#include "documents/docwindow.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "masterdata/pickersform.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/printvars.h"
#include "sales/spdd.h"
#include "sales/spddorder.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString OrderDay(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

// Selects the item of that text; without one the first item, or nothing.
void SelectOrderItem(KeyedCombo* combo, const QString& text, bool fallBack)
{
    const int i = combo->findText(text);
    combo->setCurrentIndex(i >= 0 ? i : (fallBack && combo->count() > 0 ? 0 : -1));
}

QString ComboKey(const KeyedCombo* c)
{
    return c->currentIndex() >= 0 ? GetComboCode(*c, c->currentIndex()) : QString();
}

} // namespace

TF_Spdd_Modi::TF_Spdd_Modi(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Spdd_Modi"));
    setWindowTitle(QStringLiteral("修改开单日期"));
    auto* form = new QFormLayout(this);
    gldjh = NamedLabel(this, "", "gldjh");
    form->addRow(QStringLiteral("单号："), gldjh);
    auto combo = [this](const char* name) {
        auto* c = new KeyedCombo(this);
        c->setObjectName(QLatin1String(name));
        return c;
    };
    comKh = combo("comKh");
    comCk2 = combo("comCk2");
    comUser = combo("comUser");
    form->addRow(QStringLiteral("客户名称："), comKh);
    form->addRow(QStringLiteral("出货仓库："), comCk2);
    form->addRow(QStringLiteral("经办人："), comUser);
    dateCg = new QDateEdit(this);
    dateCg->setObjectName(QStringLiteral("dateCg"));
    dateCg->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateCg->setCalendarPopup(true);
    form->addRow(QStringLiteral("开单日期："), dateCg);
    tyfje = NamedEdit(this, "tyfje", 32767);
    tyfje->setReadOnly(true);
    tsfje = NamedEdit(this, "tsfje", 32767);
    form->addRow(QStringLiteral("应收金额："), tyfje);
    form->addRow(QStringLiteral("实收金额："), tsfje);
    comYhzh = combo("comYhzh");
    lYhzh = NamedLabel(this, "收款账户：", "lYhzh");
    form->addRow(lYhzh, comYhzh);
    comJsfs = combo("comJsfs");
    form->addRow(QStringLiteral("结算方式："), comJsfs);
    tsn2 = NamedEdit(this, "tsn2", 32);
    form->addRow(QStringLiteral("原始单号："), tsn2);
    tnote = new QPlainTextEdit(this);
    tnote->setObjectName(QStringLiteral("tnote"));
    form->addRow(QStringLiteral("单据备注："), tnote);
    auto* row = new QHBoxLayout;
    btnSave = NamedButton(this, "btnSave", "保存(F5)", row);
    btnExit = NamedButton(this, "btnExit", "退出(Esc)", row);
    form->addRow(row);
    connect(dateCg, &QDateEdit::dateChanged, this, &TF_Spdd_Modi::dateCgChange);
    connect(btnSave, &QPushButton::clicked, this, &TF_Spdd_Modi::btnSaveClick);
    connect(btnExit, &QPushButton::clicked, this, &TF_Spdd_Modi::btnExitClick);
}

void TF_Spdd_Modi::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Query& shdj = F_DataModule->Q(QStringLiteral("Q_Shdj"));
    if (!shdj.Active() || shdj.RecordCount() == 0)
        return;
    OldDocNo = shdj.AsString(QStringLiteral("gl_djh"));
    gldjh->setText(OldDocNo);
    FillSettleModes(*comJsfs, QStringLiteral("xs"));
    FillCombo(
        *comYhzh, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QStringLiteral("yh_sn"), QStringLiteral("id"));
    tnote->setPlainText(shdj.AsString(QStringLiteral("ls_note")));
    tyfje->setText(PrintNumber(shdj.AsFloat(QStringLiteral("ls_yfje"))));
    tsfje->setText(PrintNumber(shdj.AsFloat(QStringLiteral("ls_sfje"))));
    tsn2->setText(shdj.AsString(QStringLiteral("gl_djh2")));
    FillOperatorWarehouses(*comCk2);
    SelectOrderItem(comCk2, shdj.AsString(QStringLiteral("ck_name")), true);
    FillComboWhere(*comKh, QStringLiteral("jxc_khxx"), QStringLiteral("kh_name"), QStringLiteral("kh_sn"),
        QStringLiteral("id"), QStringLiteral("where kh_forbid=0"));
    SelectOrderItem(comKh, shdj.AsString(QStringLiteral("kh_name")), true);
    FillStaffCombo(*comUser, QStringLiteral("u_xs"));
    SelectOrderItem(comUser, shdj.AsString(QStringLiteral("u_name")), false);
    comJsfs->setCurrentIndex(shdj.AsString(QStringLiteral("ls_jsfs")).toInt());
    SelectOrderItem(comYhzh, shdj.AsString(QStringLiteral("ls_kmmc")), false);
    OldDocDateTime = shdj.AsString(QStringLiteral("ls_xsrq"));
    OldDocDate = OldDocDateTime.left(10);
    {
        const QSignalBlocker quiet(dateCg);
        dateCg->setDate(QDate::fromString(OldDocDate, QStringLiteral("yyyy-MM-dd")));
    }
    const bool cash = IsTrue(UseCashBank);
    lYhzh->setVisible(cash);
    comYhzh->setVisible(cash);
    tyfje->setVisible(ShowSalePrice);
    tsfje->setVisible(ShowSalePrice);
}

void TF_Spdd_Modi::dateCgChange()
{
    const QString d = OrderDay(dateCg->date());
    if (d == OldDocDate) {
        gldjh->setText(OldDocNo);
        return;
    }
    const QString today = OrderDay(Clock::Today());
    if (d > today
        && Prompt::YesNo(QStringLiteral("您选择的日期：") + d + QStringLiteral("，") + QStringLiteral("\r\n\r\n")
               + QStringLiteral("大于计算机的当前日期：") + today + QStringLiteral("，") + QStringLiteral("\r\n\r\n")
               + QStringLiteral("确认继续吗？"))
            == Prompt::Answer::No) {
        const QSignalBlocker quiet(dateCg);
        dateCg->setDate(QDate::fromString(OldDocDate, QStringLiteral("yyyy-MM-dd")));
        gldjh->setText(OldDocNo);
        return;
    }
    gldjh->setText(NextDocNo(QStringLiteral("jxc_xssp"), QStringLiteral("gl_djh"), QStringLiteral("XD"), d));
}

void TF_Spdd_Modi::btnSaveClick()
{
    if (OldDocNo.isEmpty())
        return;
    SalesOrderChange c;
    c.oldNo = OldDocNo;
    c.oldDate = OldDocDate;
    c.storedDate = OldDocDateTime;
    c.newNo = gldjh->text();
    c.date = OrderDay(dateCg->date());
    c.customer = ComboKey(comKh);
    c.warehouse = ComboKey(comCk2);
    c.handler = comUser->currentText().isEmpty() ? QString() : ComboKey(comUser);
    c.due = tyfje->text().toDouble();
    c.paid = tsfje->text().toDouble();
    c.settle = comJsfs->currentIndex() == 1 ? 1 : 0;
    c.account = comYhzh->currentText();
    c.note = tnote->toPlainText();
    c.externalNo = tsn2->text();
    const QString refusal = OrderChangeRefusal(c);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    const QString number = ChangeSalesOrder(c);
    gldjh->setText(number);
    if (F_Spdd) {
        Query& shdj = F_Spdd->Q_Shdj;
        shdj.Requery();
        shdj.Locate(QStringLiteral("gl_djh"), number);
        F_Spdd->setShspList();
        // The entry tab's draft number moves only while it has no lines.
        if (!F_Spdd->EntryHasRows()) {
            F_Spdd->gldjh->setText(NextDocNo(
                QStringLiteral("jxc_xsd"), QStringLiteral("gl_djh"), QStringLiteral("XD"), F_Spdd->DocDate()));
            F_Spdd->openGridViewData(F_Spdd->DocNumber());
        }
    }
    close();
}

void TF_Spdd_Modi::btnExitClick()
{
    close();
}

void TF_Spdd_Modi::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F5) {
        btnSaveClick();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        btnExitClick();
        return;
    }
    Form::keyPressEvent(e);
}
