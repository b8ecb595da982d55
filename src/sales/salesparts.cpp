#include "sales/salesparts.h"

#include "documents/docdrafts.h"
#include "documents/dockind.h"
#include "documents/docwindow.h"
#include "documents/entryparts.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/pickersform.h"
#include "platform/db/valuetext.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

void BuildSalesEntryHead(QWidget* tab, QGridLayout* head, const char* dateCaption, const SalesEntryHead& c)
{
    head->addWidget(NamedLabel(tab, "客户名称："), 0, 0);
    auto* khRow = new QHBoxLayout;
    c.tkh = NamedEdit(tab, "tkh", 32);
    c.tkh->setToolTip(QStringLiteral("输入编号,名称,拼音简码,联系电话,联系地址进行查询"));
    c.btnSeleGhs = NamedButton(tab, "btnSeleGhs", "…");
    c.btnSeleGhs->setMaximumWidth(28);
    khRow->addWidget(c.tkh, 1);
    khRow->addWidget(c.btnSeleGhs);
    head->addLayout(khRow, 0, 1);
    head->addWidget(NamedLabel(tab, "出货仓库："), 0, 2);
    c.comCk = new KeyedCombo(tab);
    c.comCk->setObjectName(QStringLiteral("comCk"));
    head->addWidget(c.comCk, 0, 3);
    head->addWidget(NamedLabel(tab, dateCaption), 0, 4);
    c.dateCg = new QDateTimeEdit(tab);
    c.dateCg->setObjectName(QStringLiteral("dateCg"));
    c.dateCg->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    c.dateCg->setCalendarPopup(true);
    head->addWidget(c.dateCg, 0, 5);
    head->addWidget(NamedLabel(tab, "单号"), 0, 6);
    c.gldjh = NamedLabel(tab, "", "gldjh");
    c.gldjh->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    head->addWidget(c.gldjh, 0, 7);

    head->addWidget(NamedLabel(tab, "应收金额："), 1, 0);
    c.tyfje = NamedEdit(tab, "tyfje", 32767);
    c.tyfje->setReadOnly(true);
    head->addWidget(c.tyfje, 1, 1);
    head->addWidget(NamedLabel(tab, "实收金额："), 1, 2);
    c.tssje = NamedEdit(tab, "tssje", 32767);
    head->addWidget(c.tssje, 1, 3);
    c.comJsfs = new KeyedCombo(tab);
    c.comJsfs->setObjectName(QStringLiteral("comJsfs"));
    head->addWidget(c.comJsfs, 1, 4, 1, 2);
    head->addWidget(NamedLabel(tab, "经办人："), 1, 6);
    auto* userRow = new QHBoxLayout;
    c.comUser = new KeyedCombo(tab);
    c.comUser->setObjectName(QStringLiteral("comUser"));
    c.btnUser = NamedButton(tab, "btnUser", "…");
    c.btnUser->setMaximumWidth(28);
    c.btnUser->hide();
    userRow->addWidget(c.comUser, 1);
    userRow->addWidget(c.btnUser);
    head->addLayout(userRow, 1, 7);
}

void ShowSalesLineButtons(const SalesLineButtons& b, bool rows)
{
    b.btnModi->setVisible(rows);
    b.btnDel->setVisible(rows);
    b.btnPrin->setVisible(rows && !IsTrue(NoPrintBeforeSave));
    b.comCk->setEnabled(!rows);
    if (!rows) {
        b.btnSeleGhs->setEnabled(true);
        b.tkh->setEnabled(true);
    }
}

void ShowSalesDraftDue(const DocKind& kind, const QString& number, QLineEdit* tyfje, QLineEdit* tssje)
{
    tyfje->setText(NumberText(DraftPayable(kind, number)));
    if (SalesCollectDefault == QLatin1String("0"))
        tssje->setText(tyfje->text());
}

SalesScanResult ScanAtEntry(const DocKind& kind, QLineEdit* tSptm, const QString& number, const QString& date,
    const KeyedCombo* comCk, bool refuseRepeat)
{
    SalesScan scan;
    scan.code = tSptm->text();
    scan.number = number;
    scan.date = date;
    scan.warehouse = comCk->currentIndex() >= 0 ? comCk->Code(comCk->currentIndex()) : QString();
    scan.customer = CurrentCustomerSn;
    scan.refuseRepeat = refuseRepeat;
    scan.kind = &kind;
    const SalesScanResult r = ScanSalesBarcode(scan);
    if (!r.message.isEmpty()) {
        Prompt::Info(r.message);
        if (r.clearCode)
            tSptm->clear();
    }
    return r;
}

QFrame* NewCustomerListPanel(
    QWidget* tab, DataGrid*& cxGrid4View, QCheckBox*& chkKhAll, QPushButton*& btnOK2, QPushButton*& btnExit2)
{
    auto* panel = new QFrame(tab);
    panel->setObjectName(QStringLiteral("RzPanel_Kh2"));
    panel->setFrameShape(QFrame::Box);
    panel->setAutoFillBackground(true);
    panel->setGeometry(60, 40, 640, 300);
    auto* khBox = new QVBoxLayout(panel);
    cxGrid4View = new DataGrid(panel);
    cxGrid4View->setObjectName(QStringLiteral("cxGrid4View"));
    cxGrid4View->SetDataSource(&F_DataModule->D(QStringLiteral("D_Khxx")));
    CustomerSide().columns(*cxGrid4View);
    khBox->addWidget(cxGrid4View, 1);
    auto* khBar = new QHBoxLayout;
    chkKhAll = new QCheckBox(QStringLiteral("查询全部客户"), panel);
    chkKhAll->setObjectName(QStringLiteral("chkKhAll"));
    khBar->addWidget(chkKhAll);
    khBar->addStretch(1);
    btnOK2 = NamedButton(panel, "btnOK2", "确定(F5)", khBar);
    btnExit2 = NamedButton(panel, "btnExit2", "退出(Esc)", khBar);
    khBox->addLayout(khBar);
    panel->hide();
    return panel;
}

QPushButton* NewSalesInOutButton(QWidget* parent, QBoxLayout* row, QAction*& btnImport, QAction*& btnExport,
    const std::function<void()>& onImport, const std::function<void()>& onExport)
{
    return NewInOutButton(parent, row, QStringLiteral("从Excel导入商品销售单(&E)"),
        QStringLiteral("导出商品销售单到Excel(&X)"), btnImport, btnExport, onImport, onExport);
}
