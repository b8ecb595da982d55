// The pending and query tabs of the purchase order window, and its printing.
#include "purchasing/cgd.h"
#include "purchasing/linedialogs.h"
#include "purchasing/orders.h"
#include "purchasing/querygrids.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/moneywords.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "masterdata/keyfilter.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"
#include "posting/printdata.h"
#include "posting/printvars.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

namespace {

// The columns an order line shows in the pending and query tabs, after 单据号.
const std::initializer_list<std::array<const char*, 3>> kOrderLineHead
    = { { "gl_djh", "单据号", "124" }, { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" },
          { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" }, { "dw_name", "单位", "50" },
          { "jh_dj", "单价", "64" }, { "jh_dzl", "折扣", "48" }, { "dj", "折后价", "64" } };

const QString kLineSelect = QStringLiteral(
    "select b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_sccs,b.g_kc,b.g_bz,b.hj_name,a.*,a.jh_dj*a.jh_dzl as dj,"
    "a.jh_sl-a.jh_rksl as dsl from jxc_cgsp a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=:djh order by a.id");

void OpenOrderLines(Query& q, const QString& number)
{
    q.SetSQL(kLineSelect);
    q.SetParam(QStringLiteral("djh"), number);
    q.Open();
}

QString NumberOf(Query& q)
{
    return q.Active() && q.RecordCount() > 0 ? q.AsString(QStringLiteral("gl_djh")) : QString();
}

} // namespace

void TF_Cgd::BuildPendingTab()
{
    auto* box = new QVBoxLayout(cxTab2);
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("供货商名称："), cxTab2));
    tGhsName = NamedEdit(cxTab2, "tGhsName", 50);
    search->addWidget(tGhsName);
    btnSearchGhs = NamedButton(cxTab2, "btnSearchGhs", "…", search);
    btnSearchGhs->setMaximumWidth(28);
    search->addWidget(new QLabel(QStringLiteral("单据信息："), cxTab2));
    tchkKey = NamedEdit(cxTab2, "tchkKey", 50);
    search->addWidget(tchkKey);
    search->addWidget(new QLabel(QStringLiteral("日期排列："), cxTab2));
    comSort = new QComboBox(cxTab2);
    comSort->setObjectName(QStringLiteral("comSort"));
    comSort->addItems({ QStringLiteral("顺序"), QStringLiteral("倒序") });
    search->addWidget(comSort);
    btnSearch2 = NamedButton(cxTab2, "btnSearch2", "查询(F2)", search);
    search->addStretch(1);
    box->addLayout(search);

    auto* bar = new QHBoxLayout;
    btn_Check = NamedButton(cxTab2, "btn_Check", "审核全部", bar);
    btn_Dele = NamedButton(cxTab2, "btn_Dele", "删除单据", bar);
    btn_Date = NamedButton(cxTab2, "btn_Date", "修改", bar);
    btn_ChaKan = NamedButton(cxTab2, "btn_ChaKan", "查看单据", bar);
    btn_Export = NamedButton(cxTab2, "btn_Export", "导出", bar);
    bar->addStretch(1);
    btn_Exit2 = NamedButton(cxTab2, "btn_Exit2", "退出", bar);
    box->addLayout(bar);

    cxGrid2View = NewQueryGrid(cxTab2, "cxGrid2View", "D_Shdj");
    AddGridColumns(*cxGrid2View,
        { { "gl_djh", "单据号", "124" }, { "j_jhrq", "开单日期", "138" }, { "ghs_name", "供货商", "180" },
            { "ck_name", "仓库名称", "90" }, { "j_yfje", "应付金额", "80" }, { "j_sfje", "实付金额", "80" },
            { "a_name", "操作员", "70" }, { "u_name", "经办人", "70" }, { "gl_djh2", "原始单号", "100" },
            { "j_note", "备注", "160" } });
    SetQueryFooter(cxGrid2View, {}, { "j_yfje", "j_sfje" });
    box->addWidget(cxGrid2View, 1);

    RzPanel_Shsp = new QWidget(cxTab2);
    auto* lines = new QVBoxLayout(RzPanel_Shsp);
    lines->setContentsMargins(0, 0, 0, 0);
    auto* lineBar = new QHBoxLayout;
    lineBar->addWidget(new QLabel(QStringLiteral("供货商："), RzPanel_Shsp));
    ghsname = NamedLabel(RzPanel_Shsp, "", "ghsname");
    lineBar->addWidget(ghsname);
    lineBar->addStretch(1);
    btnAdd = NamedButton(RzPanel_Shsp, "btnAdd", "新增商品", lineBar);
    btnTab2Modi = NamedButton(RzPanel_Shsp, "btnTab2Modi", "修改商品", lineBar);
    btnDele = NamedButton(RzPanel_Shsp, "btnDele", "删除商品", lineBar);
    linkMx = NamedButton(RzPanel_Shsp, "linkMx", "查看详细数量", lineBar);
    linkMx->setFlat(true);
    lines->addLayout(lineBar);
    cxGrid3View = NewQueryGrid(RzPanel_Shsp, "cxGrid3View", "D_Shsp");
    AddGridColumns(*cxGrid3View, kOrderLineHead);
    AddGridColumns(*cxGrid3View,
        { { "jh_sl", "订单数量", "64" }, { "jh_je", "金额", "72" }, { "jh_tax", "税率", "48" },
            { "jh_taxdj", "含税单价", "64" }, { "jh_taxje", "税金", "64" }, { "jh_zje", "总金额", "80" },
            { "a_name", "操作员", "70" }, { "jh_bz", "备注", "120" } });
    SetQueryFooter(cxGrid3View, { "jh_sl" }, { "jh_je", "jh_taxje", "jh_zje" });
    lines->addWidget(cxGrid3View);
    box->addWidget(RzPanel_Shsp);

    RzPanel_Ghs2 = new SupplierPicker(cxTab2);
    RzPanel_Ghs2->setGeometry(60, 40, 600, 300);
    RzPanel_Ghs2->chosen = [this](const QString& name) {
        const QSignalBlocker quiet(tGhsName);
        tGhsName->setText(name);
        btnSearch2Click();
    };

    barPopupMenu2 = new QMenu(this);
    btnRChk = barPopupMenu2->addAction(QStringLiteral("单据审核(&V)"), this, &TF_Cgd::btnRChkClick);
    barPopupMenu2->addAction(QStringLiteral("查看单据(&W)"), this, &TF_Cgd::btn_ChaKanClick);
    barPopupMenu2->addAction(QStringLiteral("删除单据(&X)"), this, &TF_Cgd::btn_DeleClick);
    btnRDate = barPopupMenu2->addAction(QStringLiteral("更改日期(&Y)"), this, &TF_Cgd::btn_DateClick);
    barPopupMenu2->addAction(QStringLiteral("导出Excel表(&E)"), this, &TF_Cgd::btn_ExportClick);
    connect(cxGrid2View, &DataGrid::rightClicked, this,
        [this](const QPoint& at) { PopupWhenRows(barPopupMenu2, *cxGrid2View, at); });
    barPopupMenu3 = new QMenu(this);
    barPopupMenu3->addAction(QStringLiteral("增加商品(&X)"), this, &TF_Cgd::btnAddClick);
    barPopupMenu3->addAction(QStringLiteral("修改商品(&Y)"), this, &TF_Cgd::btnTab2ModiClick);
    barPopupMenu3->addAction(QStringLiteral("删除商品 (&Z)"), this, &TF_Cgd::btnDeleClick);
    connect(cxGrid3View, &DataGrid::rightClicked, this, [this](const QPoint& at) {
        for (QAction* a : barPopupMenu3->actions())
            a->setEnabled(btnAdd->isEnabled());
        barPopupMenu3->popup(at);
    });

    connect(cxGrid2View, &DataGrid::currentRowChanged, this, [this] { setShspList(); });
    connect(cxGrid2View, &DataGrid::rowDoubleClicked, this, [this] { btn_ChaKanClick(); });
    connect(cxGrid3View, &DataGrid::rowDoubleClicked, this, [this] { btnTab2ModiClick(); });
    connect(btnSearch2, &QPushButton::clicked, this, &TF_Cgd::btnSearch2Click);
    connect(comSort, &QComboBox::currentIndexChanged, this, &TF_Cgd::btnSearch2Click);
    connect(btn_Check, &QPushButton::clicked, this, &TF_Cgd::btn_CheckClick);
    connect(btn_Dele, &QPushButton::clicked, this, &TF_Cgd::btn_DeleClick);
    connect(btn_Date, &QPushButton::clicked, this, &TF_Cgd::btn_DateClick);
    connect(btn_ChaKan, &QPushButton::clicked, this, &TF_Cgd::btn_ChaKanClick);
    connect(btn_Export, &QPushButton::clicked, this, &TF_Cgd::btn_ExportClick);
    connect(btn_Exit2, &QPushButton::clicked, this, &TF_Cgd::btn_ExitClick);
    connect(btnAdd, &QPushButton::clicked, this, &TF_Cgd::btnAddClick);
    connect(btnTab2Modi, &QPushButton::clicked, this, &TF_Cgd::btnTab2ModiClick);
    connect(btnDele, &QPushButton::clicked, this, &TF_Cgd::btnDeleClick);
    connect(linkMx, &QPushButton::clicked, this, &TF_Cgd::linkMxClick);
    connect(btnSearchGhs, &QPushButton::clicked, this, &TF_Cgd::btnSearchGhsClick);
    connect(tGhsName, &QLineEdit::textEdited, this, &TF_Cgd::tGhsNameChange);
    for (QLineEdit* e : { tGhsName, tchkKey })
        DiscardSearchPunctuation(e);
}

void TF_Cgd::BuildQueryTab()
{
    auto* box = new QVBoxLayout(cxTab3);
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("查询时间："), cxTab3));
    tdate31 = MakeDateEdit(cxTab3, "tdate31");
    tdate32 = MakeDateEdit(cxTab3, "tdate32");
    search->addWidget(tdate31);
    search->addWidget(new QLabel(QStringLiteral("至"), cxTab3));
    search->addWidget(tdate32);
    btnMenu3 = MakePresetButton(cxTab3, tdate31, tdate32, [this] { btnSearch3Click(); });
    search->addWidget(btnMenu3);
    search->addWidget(new QLabel(QStringLiteral("仓库："), cxTab3));
    comCk3 = new KeyedCombo(cxTab3);
    comCk3->setObjectName(QStringLiteral("comCk3"));
    search->addWidget(comCk3);
    search->addWidget(new QLabel(QStringLiteral("单据号/供货商/备注："), cxTab3));
    tKey3 = NamedEdit(cxTab3, "tKey3", 50);
    tKey3->setMinimumWidth(120);
    search->addWidget(tKey3);
    chkZf = new QCheckBox(QStringLiteral("显示作废单据"), cxTab3);
    chkZf->setObjectName(QStringLiteral("chkZf"));
    search->addWidget(chkZf);
    btnSearch3 = NamedButton(cxTab3, "btnSearch3", "查询(F2)", search);
    rDjb = new QRadioButton(QStringLiteral("单据表"), cxTab3);
    rMxb = new QRadioButton(QStringLiteral("明细表"), cxTab3);
    rDjb->setObjectName(QStringLiteral("rDjb"));
    rMxb->setObjectName(QStringLiteral("rMxb"));
    rDjb->setChecked(true);
    search->addWidget(rDjb);
    search->addWidget(rMxb);
    search->addStretch(1);
    box->addLayout(search);

    auto* bar = new QHBoxLayout;
    btn_Chakan3 = NamedButton(cxTab3, "btn_Chakan3", "查看单据", bar);
    btn_Export3 = NamedButton(cxTab3, "btn_Export3", "导出", bar);
    btn_UnChk = NamedButton(cxTab3, "btn_UnChk", "取消审核", bar);
    bar->addStretch(1);
    btn_Exit = NamedButton(cxTab3, "btn_Exit", "退出", bar);
    box->addLayout(bar);

    views3 = new QStackedWidget(cxTab3);
    box->addWidget(views3, 1);
    auto* docs = new QWidget;
    auto* docsBox = new QVBoxLayout(docs);
    docsBox->setContentsMargins(0, 0, 0, 0);
    cxGrid31View = NewQueryGrid(docs, "cxGrid31View", "D_Cgd");
    AddGridColumns(*cxGrid31View,
        { { "gl_djh", "单据号", "124" }, { "j_jhrq", "开单日期", "138" }, { "ghs_name", "供货商", "180" },
            { "ck_name", "仓库名称", "90" }, { "j_yfje", "应付金额", "80" }, { "j_sfje", "实付金额", "80" },
            { "j_checker", "审核人", "70" }, { "j_chkrq", "审核日期", "90" }, { "gl_djh2", "原始单号", "100" },
            { "a_name", "操作员", "70" }, { "u_name", "经办人", "70" }, { "j_qk", "作废", "40" },
            { "j_note", "备注", "160" } });
    SetQueryFooter(cxGrid31View, {}, { "j_yfje", "j_sfje" });
    docsBox->addWidget(cxGrid31View, 1);
    auto* lineBar = new QHBoxLayout;
    LMsg = NamedLabel(docs, "", "LMsg");
    lineBar->addWidget(LMsg);
    lineBar->addStretch(1);
    linkMx3 = NamedButton(docs, "linkMx3", "查看详细数量", lineBar);
    linkMx3->setFlat(true);
    docsBox->addLayout(lineBar);
    cxGrid32View = NewQueryGrid(docs, "cxGrid32View", "D_Cgsp");
    AddGridColumns(*cxGrid32View, kOrderLineHead);
    AddGridColumns(*cxGrid32View,
        { { "jh_rksl", "采购数量", "64" }, { "jh_sl", "订单数量", "64" }, { "dsl", "剩余数量", "64" },
            { "jh_je", "金额", "72" }, { "jh_tax", "税率", "48" }, { "jh_taxdj", "含税单价", "64" },
            { "jh_taxje", "税金", "64" }, { "jh_zje", "总金额", "80" }, { "a_name", "操作员", "70" },
            { "jh_bz", "备注", "120" } });
    SetQueryFooter(cxGrid32View, { "jh_rksl", "jh_sl", "dsl" }, { "jh_je", "jh_taxje", "jh_zje" });
    docsBox->addWidget(cxGrid32View);
    views3->addWidget(docs);
    cxGrid33View = NewQueryGrid(nullptr, "cxGrid33View", "D_Cgsp2");
    AddGridColumns(*cxGrid33View,
        { { "j_jhrq", "开单日期", "130" }, { "gl_djh", "单据号", "124" }, { "g_sn", "商品编号", "80" },
            { "g_name", "商品名称", "140" }, { "jh_dj", "单价", "64" }, { "jh_dzl", "折扣", "48" },
            { "jh_tax", "税率", "48" }, { "jh_taxdj", "含税单价", "64" }, { "jh_je", "金额", "72" },
            { "jh_taxje", "税额", "64" }, { "jh_rksl", "采购数量", "64" }, { "jh_sl", "订单数量", "64" },
            { "dsl", "剩余数量", "64" }, { "jh_zje", "总金额", "80" }, { "j_qk", "作废", "40" },
            { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "80" }, { "ghs_name", "供货商名称", "140" },
            { "ck_name", "仓库名称", "90" }, { "u_name", "经办人", "70" }, { "j_checker", "审核人", "70" },
            { "j_chkrq", "审核日期", "90" }, { "j_note", "备注", "120" } });
    SetQueryFooter(cxGrid33View, { "jh_rksl", "jh_sl", "dsl" }, { "jh_je", "jh_taxje", "jh_zje" });
    views3->addWidget(cxGrid33View);

    barPopupMenu4 = new QMenu(this);
    btnRZf = barPopupMenu4->addAction(QStringLiteral("单据作废(&Z)"), this, &TF_Cgd::btnRZfClick);
    connect(cxGrid31View, &DataGrid::rightClicked, this, [this](const QPoint& at) {
        if (SelectedOrderNo().isEmpty())
            return;
        btnRZf->setText(Q_Cgd.AsInteger(QStringLiteral("j_qk")) == 1 ? QStringLiteral("取消作废(&Z)")
                                                                     : QStringLiteral("单据作废(&Z)"));
        barPopupMenu4->popup(at);
    });
    connect(cxGrid31View, &DataGrid::currentRowChanged, this, [this] { setCgsp(); });
    connect(cxGrid31View, &DataGrid::rowDoubleClicked, this, [this] { btn_Chakan3Click(); });
    connect(cxGrid33View, &DataGrid::rowDoubleClicked, this, [this] { btn_Chakan3Click(); });
    for (QRadioButton* r : { rDjb, rMxb })
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (!on)
                return;
            views3->setCurrentIndex(rMxb->isChecked() ? 1 : 0);
            btnSearch3Click();
        });
    connect(btnSearch3, &QPushButton::clicked, this, &TF_Cgd::btnSearch3Click);
    connect(btn_Chakan3, &QPushButton::clicked, this, &TF_Cgd::btn_Chakan3Click);
    connect(btn_Export3, &QPushButton::clicked, this, &TF_Cgd::btn_Export3Click);
    connect(btn_UnChk, &QPushButton::clicked, this, &TF_Cgd::btn_UnChkClick);
    connect(btn_Exit, &QPushButton::clicked, this, &TF_Cgd::btn_ExitClick);
    connect(linkMx3, &QPushButton::clicked, this, &TF_Cgd::linkMx3Click);
    DiscardSearchPunctuation(tKey3);
}

void TF_Cgd::cxPageChange()
{
    RzPanel_Ghs2->hide();
    if (cxPage->currentWidget() == cxTab2)
        btnSearch2Click();
    else if (cxPage->currentWidget() == cxTab3)
        btnSearch3Click();
}

void TF_Cgd::btnSearch2Click()
{
    OpenQuery(Q_Shdj,
        PendingPurchaseListSql(QStringLiteral("jxc_cgd"), SupplierSearchText(tGhsName->text()),
            tchkKey->text().trimmed(), comSort->currentIndex() == 1));
    setShspList();
    if (cxPage->currentWidget() == cxTab2)
        cxGrid2View->setFocus();
}

QString TF_Cgd::SelectedPendingNo() const
{
    return NumberOf(Q_Shdj);
}

QString TF_Cgd::SelectedOrderNo() const
{
    return NumberOf(Q_Cgd);
}

void TF_Cgd::setShspList()
{
    Q_Shsp.Close();
    const QString number = SelectedPendingNo();
    for (QPushButton* b : { btnAdd, btnTab2Modi, btnDele })
        b->setEnabled(!number.isEmpty());
    ghsname->setText(number.isEmpty() ? QString() : Q_Shdj.AsString(QStringLiteral("ghs_name")));
    if (!number.isEmpty())
        OpenOrderLines(Q_Shsp, number);
}

void TF_Cgd::ReopenPending(const QString& number)
{
    Q_Shdj.Requery();
    if (!number.isEmpty())
        Q_Shdj.Locate(QStringLiteral("gl_djh"), number);
    setShspList();
}

void TF_Cgd::btn_CheckClick()
{
    if (SelectedPendingNo().isEmpty() || !btn_Check->isEnabled())
        return;
    if (Prompt::YesNo(QStringLiteral(
            "您的操作将审核当前列表中所有未审核的单据，确认吗？\r\n\r\n（如需审核某个单据，请按右键！）"))
        == Prompt::Answer::No)
        return;
    for (const DocWindow::PendingDoc& d : DocWindow::PendingRows(Q_Shdj, QStringLiteral("j_jhrq")))
        ApproveOrder(d.number, d.operatorName);
    ReopenPending(QString());
}

void TF_Cgd::btnRChkClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btnRChk->isEnabled())
        return;
    if (Prompt::YesNo(QStringLiteral("您确认审核当前单据吗？")) == Prompt::Answer::No)
        return;
    ApproveOrder(number, Q_Shdj.AsString(QStringLiteral("a_name")));
    ReopenPending(QString());
}

void TF_Cgd::btn_DeleClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除“待审核”单据吗！")) == Prompt::Answer::Yes) {
        DeletePendingDocument(doc.Kind(), number);
        ReopenPending(QString());
    }
    btnSearch2Click();
}

void TF_Cgd::btnAddClick()
{
    if (SelectedPendingNo().isEmpty())
        return;
    ActiveDocKind = QStringLiteral("cgjhsh");
    FunctionWindows::Open(QStringLiteral("TF_Cgd_Add"), FunctionWindows::Lifetime::Freed);
    ActiveDocKind = QStringLiteral("cgjh");
}

void TF_Cgd::btnTab2ModiClick()
{
    ModifyPendingLine(Q_Shsp, QStringLiteral("TF_Cgd_Sele"));
}

void TF_Cgd::btnDeleClick()
{
    if (!Q_Shsp.Active() || Q_Shsp.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) == Prompt::Answer::No)
        return;
    if (DeletePendingOrderLine(SelectedPendingNo(), Q_Shsp.AsInteger(QStringLiteral("id")))) {
        ReopenPending(QString());
        return;
    }
    Q_Shsp.Requery();
    updateCheckShdjYfje();
}

void TF_Cgd::updateCheckShdjYfje()
{
    RefreshPendingAmounts(doc.Kind(), SelectedPendingNo(), IsTrue(PurchasePayDefault), Q_Shdj);
}

void TF_Cgd::btn_DateClick()
{
    if (SelectedPendingNo().isEmpty() || !btn_Date->isEnabled())
        return;
    FunctionWindows::Open(QStringLiteral("TF_Cgd_Modi"), FunctionWindows::Lifetime::Freed);
}

void TF_Cgd::linkMxClick()
{
    ShowLineDetail(Q_Shsp, QStringLiteral("jxc_cgspmx"));
}

void TF_Cgd::linkMx3Click()
{
    ShowLineDetail(Q_Cgsp, QStringLiteral("jxc_cgspmx"));
}

void TF_Cgd::btnSearchGhsClick()
{
    RzPanel_Ghs2->ShowFiltered(QString());
}

void TF_Cgd::tGhsNameChange()
{
    RzPanel_Ghs2->ShowFiltered(tGhsName->text());
}

void TF_Cgd::btn_ExportClick()
{
    ExportList(*cxGrid2View, ExportRows::OnlyWithRows);
}

void TF_Cgd::btnSearch3Click()
{
    // The period runs to the start of the day after the end day, so the whole end day counts.
    const QString from = tdate31->date().toString(QStringLiteral("yyyy-MM-dd"));
    const QString to = tdate32->date().addDays(1).toString(QStringLiteral("yyyy-MM-dd"));
    const QString k = SafeSqlText(tKey3->text().trimmed());
    const QString voidCondition = chkZf->isChecked() ? QString() : QStringLiteral(" and f.j_qk=0 ");
    if (rMxb->isChecked()) {
        QString sql
            = QStringLiteral(
                  "select a.*,b.ghs_name,c.ck_name,d.u_name,f.j_jhrq,f.j_kmmc,f.j_checker,f.j_chkrq,e.g_name,e.dw_name,"
                  "e.gg_name,e.color_name,e.g_sccs,f.j_note,a.jh_sl-a.jh_rksl as dsl,f.j_qk from jxc_cgsp a,jxc_ghsxx "
                  "b,"
                  "jxc_ckxx c,jxc_user d,jxc_goods e,jxc_cgd f where a.gl_djh=f.gl_djh and f.ghs_sn=b.ghs_sn and "
                  "f.ck_sn=c.ck_sn and f.u_sn=d.u_sn and a.g_sn=e.g_sn and f.j_status=1 and f.j_jhrq>='")
            + from + QStringLiteral("' and f.j_jhrq<'") + to + QStringLiteral("' ")
            + WarehouseChoiceCondition(*comCk3, QStringLiteral("c")) + voidCondition;
        if (!k.isEmpty())
            sql += QStringLiteral(" and (a.gl_djh like '%") + k + QStringLiteral("%' or f.j_note like '%") + k
                + QStringLiteral("%' or b.ghs_sn like '%") + k + QStringLiteral("%' or b.ghs_name like '%") + k
                + QStringLiteral("%' or b.ghs_jm like '%") + k + QStringLiteral("%' or a.jh_bz like '%") + k
                + QStringLiteral("%' or e.g_name like '%") + k + QStringLiteral("%' or e.g_jm like '%") + k
                + QStringLiteral("%' or a.g_sn like '%") + k + QStringLiteral("%' or e.gg_name like '%") + k
                + QStringLiteral("%') ");
        OpenQuery(Q_Cgsp2, sql + QStringLiteral(" order by a.gl_djh desc,a.id desc"));
        return;
    }
    QString sql = QStringLiteral(
                      "select f.*,c.ck_name,d.u_name,b.ghs_name from jxc_cgd f,jxc_ghsxx b,jxc_ckxx c,jxc_user d where "
                      "f.ck_sn=c.ck_sn and f.u_sn=d.u_sn and f.ghs_sn=b.ghs_sn and f.j_status=1 and f.j_jhrq>='")
        + from + QStringLiteral("' and f.j_jhrq<'") + to + QStringLiteral("' ")
        + WarehouseChoiceCondition(*comCk3, QStringLiteral("f")) + voidCondition;
    if (!k.isEmpty())
        sql += QStringLiteral(" and (f.gl_djh like '%") + k + QStringLiteral("%' or f.j_note like '%") + k
            + QStringLiteral("%' or b.ghs_name like '%") + k + QStringLiteral("%' or b.ghs_jm like '%") + k
            + QStringLiteral("%' or b.ghs_sn like '%") + k + QStringLiteral("%') ");
    OpenQuery(Q_Cgd, sql + QStringLiteral(" order by f.id desc"));
    setCgsp();
    if (cxPage->currentWidget() == cxTab3)
        cxGrid31View->setFocus();
}

void TF_Cgd::setCgsp()
{
    Q_Cgsp.Close();
    const QString number = SelectedOrderNo();
    LMsg->setText(number.isEmpty() ? QString() : Q_Cgd.AsString(QStringLiteral("ghs_name")));
    if (!number.isEmpty())
        OpenOrderLines(Q_Cgsp, number);
}

void TF_Cgd::btn_UnChkClick()
{
    if (!btn_UnChk->isEnabled())
        return;
    if (!rDjb->isChecked()) {
        Prompt::Info(QStringLiteral("取消审核操作只能在“单据表”进行。"));
        return;
    }
    const QString number = SelectedOrderNo();
    if (number.isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您的操作将取消审核当前的单据，确认吗？")) == Prompt::Answer::No)
        return;
    CancelOrderApproval(number);
    btnSearch3Click();
}

void TF_Cgd::btnRZfClick()
{
    const QString number = SelectedOrderNo();
    if (number.isEmpty())
        return;
    const bool isVoid = Q_Cgd.AsInteger(QStringLiteral("j_qk")) == 1;
    const QString question = isVoid ? QStringLiteral("您的操作将取消该单据的作废状态，确认吗？")
                                    : QStringLiteral("单据作废后不能继续导入到采购进货，确认吗？");
    if (Prompt::YesNo(question) == Prompt::Answer::No)
        return;
    SetOrderVoid(number, !isVoid);
    btnSearch3Click();
}

void TF_Cgd::btn_Chakan3Click()
{
    Preview(rMxb->isChecked() ? NumberOf(Q_Cgsp2) : SelectedOrderNo());
}

void TF_Cgd::btn_Export3Click()
{
    ExportList(rMxb->isChecked() ? *cxGrid33View : *cxGrid31View, ExportRows::OnlyWithRows);
}

void TF_Cgd::btn_ExitClick()
{
    close();
}

void TF_Cgd::btn_ChaKanClick()
{
    Preview(SelectedPendingNo());
}

void TF_Cgd::Preview(const QString& number)
{
    if (number.isEmpty())
        return;
    setPrinPara(number, QStringLiteral("2"));
    frxReport1->ShowReport();
    Q_GoodsPrin.Close();
}

void TF_Cgd::setPrinPara(const QString& number, const QString& flag)
{
    Report& r = *frxReport1;
    r.LoadFromFile(ProgramFolder::File(
        QStringLiteral("report/") + (ShowCostPrice ? QStringLiteral("cgd.fr3") : QStringLiteral("cgd2.fr3"))));
    OpenQuery(Q_GoodsPrin, BuildColorSizePrintData(number, QStringLiteral("CD")));
    r.SetDataset(QStringLiteral("frxDBDataset1"), &Q_GoodsPrin);
    if (flag != QLatin1String("1")) {
        SetDocPrintVars(r, number, QStringLiteral("cgd"));
        return;
    }
    r.ClearVariables();
    const QHash<QString, QString> ghs = FirstRowTexts(
        QStringLiteral("select ghs_sn,ghs_lxr,ghs_tele,ghs_address from jxc_ghsxx where ghs_sn=:n"), CurrentSupplierSn);
    const QString payable = tyfje->text().trimmed();
    const QString paid = tsfje->text().trimmed();
    const QList<QPair<QString, QString>> vars {
        { QStringLiteral("comName"), CompanyName },
        { QStringLiteral("comTele"), CompanyTele },
        { QStringLiteral("comLxr"), CompanyContact },
        { QStringLiteral("comNote"), CompanyNote },
        { QStringLiteral("comAddress"), CompanyAddress },
        { QStringLiteral("ghsName"), tghs->text().trimmed() },
        { QStringLiteral("ghsBh"), ghs.value(QStringLiteral("ghs_sn")) },
        { QStringLiteral("ghsLxr"), ghs.value(QStringLiteral("ghs_lxr")) },
        { QStringLiteral("ghsTele"), ghs.value(QStringLiteral("ghs_tele")) },
        { QStringLiteral("ghsAddress"), ghs.value(QStringLiteral("ghs_address")) },
        { QStringLiteral("ckName"), comCk->currentText() },
        { QStringLiteral("jhDate"), dateCg->date().toString(QStringLiteral("yyyy-MM-dd")) },
        { QStringLiteral("Note"), tnote->text() },
        { QStringLiteral("uName"), comUser->currentText() },
        { QStringLiteral("uTele"),
            posting::First(QStringLiteral("select u_tele from jxc_user where u_name=:n"),
                { { QStringLiteral("n"), comUser->currentText() } })
                .toString() },
        { QStringLiteral("Kmmc"), comYhzh->currentText() },
        { QStringLiteral("gldjh2"), tsn2->text().trimmed() },
        { QStringLiteral("checker"), QString() },
        { QStringLiteral("chkrq"), QString() },
        { QStringLiteral("xxyf"), payable },
        { QStringLiteral("xxsf"), paid },
        { QStringLiteral("yf"), AmountInWords(QString::number(payable.toDouble(), 'f', 2)) },
        { QStringLiteral("sf"), AmountInWords(QString::number(paid.toDouble(), 'f', 2)) },
    };
    for (const auto& v : vars)
        r.SetVariable(v.first, v.second);
}

void TF_Cgd::btnPrin_WClick()
{
    if (!EntryHasRows())
        return;
    SkipNextInit = QStringLiteral("1");
    PrintOptions options;
    if (!ChoosePrinter(options))
        return;
    setPrinPara(jsn->text(), QStringLiteral("1"));
    frxReport1->Print(options);
    Q_GoodsPrin.Close();
    ShowLineButtons(true);
}

void TF_Cgd::btnPrin_XClick()
{
    if (!EntryHasRows())
        return;
    setPrinPara(jsn->text(), QStringLiteral("1"));
    frxReport1->ShowReport();
    Q_GoodsPrin.Close();
}

void TF_Cgd::btnExportClick()
{
    ExportList(*cxGridView, ExportRows::Always, ExportTypes::XlsOnly);
}
