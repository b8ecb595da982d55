// The pending orders tab and the order query tab of the sales order window.
#include "sales/spdd.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/listoutput.h"
#include "listing/queryframe.h"
#include "masterdata/keyfilter.h"
#include "masterdata/pickersform.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "sales/spddgrids.h"
#include "sales/spddorder.h"

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
#include <QToolButton>
#include <QVBoxLayout>

namespace {

void OpenBound(Query& q, const QString& sql, const SqlParams& p)
{
    OpenWithParams(q, sql, p);
}

} // namespace

DataGrid* NewOrderListGrid(QWidget* parent, const char* name, const char* dataSource, const char* countField,
    std::initializer_list<std::array<const char*, 3>> columns)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QLatin1String(name));
    g->SetDataSource(&F_DataModule->D(QLatin1String(dataSource)));
    AddGridColumns(*g, columns);
    g->SetFooterVisible(true);
    g->SetFooterCount(g->ColumnByField(QLatin1String(countField)), QStringLiteral("记录数："));
    return g;
}

bool HasOrderRows(const Query& q)
{
    return q.Active() && q.RecordCount() > 0;
}

void OpenOrderLines(Query& q, const QString& number)
{
    OpenWithParams(q,
        QStringLiteral("select b.dw_name,a.*,a.ls_dj*a.ls_dzl as dj,b.g_name,b.gg_name,b.color_name,b.g_sccs,b.g_kc,"
                       "b.g_bz,a.ls_sl-a.ls_cksl as dsl from jxc_xssp a,jxc_goods b where a.g_sn=b.g_sn and "
                       "a.gl_djh=:n order by a.id"),
        { { QStringLiteral("n"), number } });
}

void TF_Spdd::BuildPendingTab()
{
    auto* box = new QVBoxLayout(cxTab2);
    auto* sele = new QHBoxLayout;
    sele->addWidget(NamedLabel(cxTab2, "客户名称："));
    tGhsName = NamedEdit(cxTab2, "tGhsName", 64);
    sele->addWidget(tGhsName);
    btnSearchGhs = NamedButton(cxTab2, "btnSearchGhs", "…", sele);
    btnSearchGhs->setMaximumWidth(28);
    sele->addWidget(NamedLabel(cxTab2, "请输入单据相关信息进行查询："));
    tchkKey = NamedEdit(cxTab2, "tchkKey", 64);
    sele->addWidget(tchkKey);
    sele->addWidget(NamedLabel(cxTab2, "日期排列："));
    comSort = new QComboBox(cxTab2);
    comSort->setObjectName(QStringLiteral("comSort"));
    comSort->addItems({ QStringLiteral("顺序"), QStringLiteral("倒序") });
    sele->addWidget(comSort);
    btnSearch2 = NamedButton(cxTab2, "btnSearch2", "查询(F2)", sele);
    sele->addStretch(1);
    box->addLayout(sele);

    cxGrid2View = NewOrderListGrid(cxTab2, "cxGrid2View", "D_Shdj", "gl_djh",
        { { "gl_djh", "单据号", "110" }, { "ls_xsrq", "开单日期", "110" }, { "kh_name", "客户名称", "120" },
            { "ck_name", "仓库名称", "90" }, { "ls_yfje", "应收金额", "80" }, { "ls_sfje", "实收金额", "80" },
            { "ls_kmmc", "结算方式", "80" }, { "gl_djh2", "原始单号", "90" }, { "u_name", "经办人", "70" },
            { "a_name", "操作员", "70" }, { "ls_note", "备注", "140" } });
    box->addWidget(cxGrid2View, 1);

    auto* lineBar = new QHBoxLayout;
    lineBar->addWidget(NamedLabel(cxTab2, "客户名称："));
    ghsname = NamedLabel(cxTab2, "", "ghsname");
    lineBar->addWidget(ghsname);
    linkMx = NamedButton(cxTab2, "linkMx", "查看详细数量", lineBar);
    linkMx->setFlat(true);
    lineBar->addStretch(1);
    btnAdd = NamedButton(cxTab2, "btnAdd", "新增商品", lineBar);
    btnTab2Modi = NamedButton(cxTab2, "btnTab2Modi", "修改商品", lineBar);
    btnDele = NamedButton(cxTab2, "btnDele", "删除商品", lineBar);
    box->addLayout(lineBar);
    cxGrid3View = NewOrderListGrid(cxTab2, "cxGrid3View", "D_Shsp", "g_sn",
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "130" }, { "gg_name", "款型说明", "80" },
            { "color_name", "颜色", "50" }, { "dw_name", "单位", "50" }, { "ls_cbj", "成本价", "64" },
            { "ls_lsj", "零售价", "64" }, { "ls_dj", "单价", "64" }, { "ls_dzl", "打折率", "56" },
            { "ls_sl", "订单数量", "64" }, { "ls_zcb", "总成本", "72" }, { "ls_je", "金额", "72" },
            { "ls_tax", "税率", "48" }, { "ls_taxdj", "含税单价", "64" }, { "ls_taxje", "税额", "64" },
            { "ls_zje", "总金额", "80" }, { "ls_bz", "备注", "100" }, { "a_name", "操作员", "70" } });
    box->addWidget(cxGrid3View, 1);

    auto* btns = new QHBoxLayout;
    btn_ChaKan = NamedButton(cxTab2, "btn_ChaKan", "查看单据", btns);
    btn_Dele = NamedButton(cxTab2, "btn_Dele", "删除单据", btns);
    btn_Check = NamedButton(cxTab2, "btn_Check", "审核全部", btns);
    btn_Date = NamedButton(cxTab2, "btn_Date", "修改", btns);
    btn_Export = NamedButton(cxTab2, "btn_Export", "导出", btns);
    btn_Exit = NamedButton(cxTab2, "btn_Exit", "退出", btns);
    btns->addStretch(1);
    box->addLayout(btns);

    auto* menu = new QMenu(this);
    btnRCheck = menu->addAction(QStringLiteral("单据审核(&W)"), this, &TF_Spdd::btnRCheckClick);
    menu->addAction(QStringLiteral("查看单据(&X)"), this, &TF_Spdd::btn_ChaKanClick);
    menu->addAction(QStringLiteral("删除单据(&Y)"), this, &TF_Spdd::btn_DeleClick);
    menu->addAction(QStringLiteral("更改日期(&Z)"), this, &TF_Spdd::btn_DateClick);
    menu->addAction(QStringLiteral("导出Excel表(&E)"), this, &TF_Spdd::btn_ExportClick);
    connect(cxGrid2View, &DataGrid::rightClicked, this, [this, menu](const QPoint& at) {
        if (HasOrderRows(Q_Shdj))
            menu->popup(at);
    });
    auto* lineMenu = new QMenu(this);
    lineMenu->addAction(QStringLiteral("增加商品(&X)"), this, &TF_Spdd::btnAddClick);
    lineMenu->addAction(QStringLiteral("修改商品(&Y)"), this, &TF_Spdd::btnTab2ModiClick);
    lineMenu->addAction(QStringLiteral("删除商品(&Z)"), this, &TF_Spdd::btnDeleClick);
    connect(cxGrid3View, &DataGrid::rightClicked, this, [this, lineMenu](const QPoint& at) {
        for (QAction* a : lineMenu->actions())
            a->setEnabled(btnAdd->isEnabled());
        lineMenu->popup(at);
    });

    for (QLineEdit* e : { tGhsName, tchkKey })
        DiscardSearchPunctuation(e);
    RzPanel_Kh2 = new PartnerPanel(
        cxTab2, PartnerPanel::Side::Customers, tGhsName, pendingCustomer_, [this] { btnSearch2Click(); });
    RzPanel_Kh2->setObjectName(QStringLiteral("RzPanel_Kh2"));
    RzPanel_Kh2->setGeometry(80, 40, 640, 280);
    connect(btnSearchGhs, &QPushButton::clicked, RzPanel_Kh2, &PartnerPanel::Open);
    connect(btnSearch2, &QPushButton::clicked, this, &TF_Spdd::btnSearch2Click);
    connect(comSort, &QComboBox::currentIndexChanged, this, &TF_Spdd::btnSearch2Click);
    connect(cxGrid2View, &DataGrid::currentRowChanged, this, &TF_Spdd::setShspList);
    connect(cxGrid2View, &DataGrid::rowDoubleClicked, this, &TF_Spdd::btn_ChaKanClick);
    connect(cxGrid3View, &DataGrid::rowDoubleClicked, this, &TF_Spdd::btnTab2ModiClick);
    connect(btnAdd, &QPushButton::clicked, this, &TF_Spdd::btnAddClick);
    connect(btnTab2Modi, &QPushButton::clicked, this, &TF_Spdd::btnTab2ModiClick);
    connect(btnDele, &QPushButton::clicked, this, &TF_Spdd::btnDeleClick);
    connect(linkMx, &QPushButton::clicked, this, &TF_Spdd::linkMxClick);
    connect(btn_ChaKan, &QPushButton::clicked, this, &TF_Spdd::btn_ChaKanClick);
    connect(btn_Dele, &QPushButton::clicked, this, &TF_Spdd::btn_DeleClick);
    connect(btn_Check, &QPushButton::clicked, this, &TF_Spdd::btn_CheckClick);
    connect(btn_Date, &QPushButton::clicked, this, &TF_Spdd::btn_DateClick);
    connect(btn_Export, &QPushButton::clicked, this, &TF_Spdd::btn_ExportClick);
    connect(btn_Exit, &QPushButton::clicked, this, [this] { close(); });
}

void TF_Spdd::BuildQueryTab()
{
    auto* box = new QVBoxLayout(cxTab3);
    auto* sele = new QHBoxLayout;
    sele->addWidget(NamedLabel(cxTab3, "查询时间："));
    tdate31 = MakeDateEdit(cxTab3, "tdate31");
    sele->addWidget(tdate31);
    sele->addWidget(NamedLabel(cxTab3, "至"));
    tdate32 = MakeDateEdit(cxTab3, "tdate32");
    sele->addWidget(tdate32);
    sele->addWidget(MakePresetButton(cxTab3, tdate31, tdate32, [this] { btnSearch3Click(); }));
    sele->addWidget(NamedLabel(cxTab3, "收货仓库："));
    comCk3 = new KeyedCombo(cxTab3);
    comCk3->setObjectName(QStringLiteral("comCk3"));
    sele->addWidget(comCk3);
    sele->addWidget(NamedLabel(cxTab3, "单号/备注/客户信息："));
    tKey3 = NamedEdit(cxTab3, "tKey3", 64);
    DiscardSearchPunctuation(tKey3);
    sele->addWidget(tKey3);
    btnSearch3 = NamedButton(cxTab3, "btnSearch3", "查询(F2)", sele);
    rDjb = new QRadioButton(QStringLiteral("单据表"), cxTab3);
    rDjb->setObjectName(QStringLiteral("rDjb"));
    rDjb->setChecked(true);
    rMxb = new QRadioButton(QStringLiteral("明细表"), cxTab3);
    rMxb->setObjectName(QStringLiteral("rMxb"));
    chkZf = new QCheckBox(QStringLiteral("显示作废单据"), cxTab3);
    chkZf->setObjectName(QStringLiteral("chkZf"));
    for (QWidget* w : std::initializer_list<QWidget*> { rDjb, rMxb, chkZf })
        sele->addWidget(w);
    sele->addStretch(1);
    box->addLayout(sele);

    RzPanel_Djb = new QWidget(cxTab3);
    auto* djb = new QVBoxLayout(RzPanel_Djb);
    djb->setContentsMargins(0, 0, 0, 0);
    cxGrid31View = NewOrderListGrid(RzPanel_Djb, "cxGrid31View", "D_Cgd", "gl_djh",
        { { "gl_djh", "单据号", "110" }, { "ls_xsrq", "开单日期", "110" }, { "kh_name", "客户名称", "120" },
            { "ck_name", "仓库名称", "90" }, { "ls_yfje", "应收金额", "80" }, { "ls_sfje", "实收金额", "80" },
            { "ls_qk", "作废", "40" }, { "ls_checker", "审核人", "70" }, { "ls_chkrq", "审核日期", "80" },
            { "gl_djh2", "原始单号", "90" }, { "a_name", "操作员", "70" }, { "u_name", "经办人", "70" },
            { "ls_note", "备注", "140" } });
    djb->addWidget(cxGrid31View, 1);
    auto* info = new QHBoxLayout;
    info->addWidget(NamedLabel(RzPanel_Djb, "单据的详细信息："));
    LMsg = NamedLabel(RzPanel_Djb, "", "LMsg");
    info->addWidget(LMsg);
    linkMx3 = NamedButton(RzPanel_Djb, "linkMx3", "查看详细数量", info);
    linkMx3->setFlat(true);
    info->addStretch(1);
    djb->addLayout(info);
    cxGrid32View = NewOrderListGrid(RzPanel_Djb, "cxGrid32View", "D_Cgsp", "gl_djh",
        { { "gl_djh", "单据号", "110" }, { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "130" },
            { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" }, { "dw_name", "单位", "50" },
            { "ls_dj", "单价", "64" }, { "ls_dzl", "折扣", "48" }, { "dj", "折后价", "64" },
            { "ls_cksl", "销售数量", "64" }, { "ls_sl", "订单数量", "64" }, { "dsl", "剩余数量", "64" },
            { "ls_je", "金额", "72" }, { "ls_tax", "税率", "48" }, { "ls_taxdj", "含税单价", "64" },
            { "ls_taxje", "税金", "64" }, { "ls_zje", "总金额", "80" }, { "a_name", "操作员", "70" },
            { "ls_bz", "备注", "100" } });
    djb->addWidget(cxGrid32View, 1);
    box->addWidget(RzPanel_Djb, 1);

    RzPanel_Mxb = new QWidget(cxTab3);
    auto* mxb = new QVBoxLayout(RzPanel_Mxb);
    mxb->setContentsMargins(0, 0, 0, 0);
    cxGrid33View = NewOrderListGrid(RzPanel_Mxb, "cxGrid33View", "D_Cgsp2", "ls_xsrq",
        { { "ls_xsrq", "开单日期", "110" }, { "gl_djh", "单据号", "110" }, { "g_sn", "商品编号", "80" },
            { "g_name", "商品名称", "130" }, { "ls_dj", "单价", "64" }, { "ls_dzl", "折扣", "48" },
            { "ls_tax", "税率", "48" }, { "ls_taxdj", "含税单价", "64" }, { "ls_je", "金额", "72" },
            { "ls_taxje", "税额", "64" }, { "ls_cksl", "销售数量", "64" }, { "ls_sl", "订单数量", "64" },
            { "dsl", "剩余数量", "64" }, { "ls_zje", "总金额", "80" }, { "ls_qk", "作废", "40" },
            { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "80" }, { "kh_name", "客户名称", "120" },
            { "ck_name", "仓库名称", "90" }, { "u_name", "经办人", "70" }, { "ls_checker", "审核人", "70" },
            { "ls_chkrq", "审核日期", "80" }, { "ls_bz", "备注", "100" }, { "color_name", "颜色", "50" } });
    cxGrid33View->SetColumnVisible(cxGrid33View->ColumnByField(QStringLiteral("color_name")), false);
    mxb->addWidget(cxGrid33View, 1);
    box->addWidget(RzPanel_Mxb, 1);
    RzPanel_Mxb->hide();

    auto* btns = new QHBoxLayout;
    btn_Chakan3 = NamedButton(cxTab3, "btn_Chakan3", "查看单据", btns);
    btn_Export3 = NamedButton(cxTab3, "btn_Export3", "导出", btns);
    btn_UnChk = NamedButton(cxTab3, "btn_UnChk", "取消审核", btns);
    btn_Exit3 = NamedButton(cxTab3, "btn_Exit3", "退出", btns);
    btns->addStretch(1);
    box->addLayout(btns);

    barPopupMenu31 = new QMenu(this);
    btnRZf = barPopupMenu31->addAction(QStringLiteral("单据作废(&Z)"), this, &TF_Spdd::btnRZfClick);
    connect(cxGrid31View, &DataGrid::rightClicked, this, [this](const QPoint& at) {
        if (!HasOrderRows(Q_Cgd))
            return;
        btnRZf->setText(VoidCaption());
        barPopupMenu31->popup(at);
    });
    connect(btnSearch3, &QPushButton::clicked, this, &TF_Spdd::btnSearch3Click);
    for (QRadioButton* r : { rDjb, rMxb })
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (!on)
                return;
            RzPanel_Djb->setVisible(rDjb->isChecked());
            RzPanel_Mxb->setVisible(rMxb->isChecked());
            btnSearch3Click();
        });
    connect(cxGrid31View, &DataGrid::currentRowChanged, this, &TF_Spdd::setCgsp);
    connect(cxGrid31View, &DataGrid::rowDoubleClicked, this, &TF_Spdd::btn_Chakan3Click);
    connect(cxGrid33View, &DataGrid::rowDoubleClicked, this, &TF_Spdd::btn_Chakan3Click);
    connect(linkMx3, &QPushButton::clicked, this, &TF_Spdd::linkMx3Click);
    connect(btn_Chakan3, &QPushButton::clicked, this, &TF_Spdd::btn_Chakan3Click);
    connect(btn_Export3, &QPushButton::clicked, this, &TF_Spdd::btn_Export3Click);
    connect(btn_UnChk, &QPushButton::clicked, this, &TF_Spdd::btn_UnChkClick);
    connect(btn_Exit3, &QPushButton::clicked, this, [this] { close(); });
}

void TF_Spdd::cxPageChange()
{
    if (cxPage->currentWidget() == cxTab2)
        btnSearch2Click();
    else if (cxPage->currentWidget() == cxTab3)
        btnSearch3Click();
}

// ---- pending tab ----

QString TF_Spdd::SelectedPendingNo() const
{
    return HasOrderRows(Q_Shdj) ? Q_Shdj.AsString(QStringLiteral("gl_djh")) : QString();
}

void TF_Spdd::btnSearch2Click()
{
    OrderListFilter f;
    f.customer = tGhsName->text();
    f.key = tchkKey->text();
    f.descending = comSort->currentIndex() == 1;
    if (BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001"))
        f.restrictToAdminSn = CurrentAdminSn;
    SqlParams p;
    OpenBound(Q_Shdj, PendingOrdersSql(f, p), p);
    setShspList();
}

void TF_Spdd::ReopenPending(const QString& number)
{
    Q_Shdj.Requery();
    if (!number.isEmpty())
        Q_Shdj.Locate(QStringLiteral("gl_djh"), number);
    setShspList();
}

void TF_Spdd::setShspList()
{
    ghsname->clear();
    if (!HasOrderRows(Q_Shdj)) {
        for (QPushButton* b : { btnAdd, btnTab2Modi, btnDele })
            b->setEnabled(false);
        Q_Shsp.Close();
        return;
    }
    ghsname->setText(Q_Shdj.AsString(QStringLiteral("kh_name")));
    OpenOrderLines(Q_Shsp, SelectedPendingNo());
    const bool lines = Q_Shsp.RecordCount() > 0;
    btnTab2Modi->setEnabled(lines);
    btnDele->setEnabled(lines);
    btnAdd->setEnabled(true);
}

void TF_Spdd::updateCheckShdjYfje()
{
    RefreshPendingAmounts(doc.Kind(), SelectedPendingNo(), IsTrue(SalesCollectDefault), Q_Shdj);
}

void TF_Spdd::btnAddClick()
{
    if (!HasOrderRows(Q_Shdj) || !FunctionWindows::Available(QStringLiteral("TF_Spdd_Add")))
        return;
    ActiveDocKind = QStringLiteral("spxssh");
    FunctionWindows::Open(QStringLiteral("TF_Spdd_Add"), FunctionWindows::Lifetime::Freed);
    ActiveDocKind = QStringLiteral("spxs");
}

void TF_Spdd::btnTab2ModiClick()
{
    if (!HasOrderRows(Q_Shsp))
        return;
    const qint64 id = Q_Shsp.AsInteger(QStringLiteral("id"));
    OpenMode = QStringLiteral("spxs_modish");
    ActiveDocKind = QStringLiteral("spxssh");
    SelectedSn = Q_Shsp.AsString(QStringLiteral("g_sn"));
    FunctionWindows::Open(QStringLiteral("TF_Spdd_Sele"), FunctionWindows::Lifetime::Freed);
    if (Q_Shsp.Active())
        Q_Shsp.LocateId(id);
    ActiveDocKind = QStringLiteral("spxs");
    OpenMode.clear();
    SelectedSn.clear();
}

void TF_Spdd::btnDeleClick()
{
    if (!HasOrderRows(Q_Shsp))
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) == Prompt::Answer::No)
        return;
    const QString number = SelectedPendingNo();
    if (DeletePendingSalesOrderLine(number, Q_Shsp.AsInteger(QStringLiteral("id")))) {
        ReopenPending(QString());
        return;
    }
    updateCheckShdjYfje();
    setShspList();
}

void TF_Spdd::linkMxClick()
{
    if (!HasOrderRows(Q_Shsp) || Q_Shsp.AsString(QStringLiteral("tid")).isEmpty())
        return;
    AuxTag = QStringLiteral("jxc_xsspmx");
    SelectedSn = Q_Shsp.AsString(QStringLiteral("g_sn"));
    SelectedLineId = Q_Shsp.AsString(QStringLiteral("tid"));
    FunctionWindows::Open(QStringLiteral("TF_Detail"), FunctionWindows::Lifetime::Freed);
}

void TF_Spdd::btn_DeleClick()
{
    if (!HasOrderRows(Q_Shdj) || Prompt::YesNo(QStringLiteral("您确定要删除“待审核”单据吗！")) == Prompt::Answer::No)
        return;
    DeletePendingDocument(doc.Kind(), SelectedPendingNo());
    ReopenPending(QString());
}

void TF_Spdd::btn_CheckClick()
{
    if (!HasOrderRows(Q_Shdj) || !btn_Check->isEnabled())
        return;
    if (Prompt::YesNo(QStringLiteral(
            "您的操作将审核当前列表中所有未审核的单据，确认吗？\r\n\r\n（如需审核某个单据，请按右键！）"))
        == Prompt::Answer::No)
        return;
    QStringList numbers;
    for (int r = 0; r < Q_Shdj.RecordCount(); ++r)
        numbers << Q_Shdj.TextAt(r, Q_Shdj.FieldIndex(QStringLiteral("gl_djh")));
    for (const QString& n : numbers)
        checkDj(n);
    ReopenPending(QString());
}

void TF_Spdd::btnRCheckClick()
{
    if (!HasOrderRows(Q_Shdj) || !btnRCheck->isEnabled())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定审核选中的单据吗？")) == Prompt::Answer::No)
        return;
    checkDj(SelectedPendingNo());
    ReopenPending(QString());
}

void TF_Spdd::btn_ChaKanClick()
{
    ViewStored(SelectedPendingNo());
}

void TF_Spdd::btn_ExportClick()
{
    if (HasOrderRows(Q_Shdj))
        ExportGridList(*cxGrid2View);
}

void TF_Spdd::btn_DateClick()
{
    if (!HasOrderRows(Q_Shdj) || !btn_Date->isEnabled())
        return;
    FunctionWindows::Open(QStringLiteral("TF_Spdd_Modi"), FunctionWindows::Lifetime::Freed);
}

// ---- query tab ----

void TF_Spdd::btnSearch3Click()
{
    OrderListFilter f;
    f.d1 = tdate31->date().toString(QStringLiteral("yyyy-MM-dd"));
    f.d2 = tdate32->date().toString(QStringLiteral("yyyy-MM-dd"));
    f.warehouse = comCk3->currentIndex() >= 0 ? comCk3->Code(comCk3->currentIndex()) : QString();
    f.key = tKey3->text();
    f.showVoid = chkZf->isChecked();
    SqlParams p;
    if (rMxb->isChecked()) {
        OpenBound(Q_Cgsp2, ApprovedOrderLinesSql(f, p), p);
        return;
    }
    OpenBound(Q_Cgd, ApprovedOrdersSql(f, p), p);
    setCgsp();
}

void TF_Spdd::setCgsp()
{
    if (!HasOrderRows(Q_Cgd)) {
        Q_Cgsp.Close();
        LMsg->clear();
        return;
    }
    LMsg->setText(Q_Cgd.AsString(QStringLiteral("kh_name")));
    OpenOrderLines(Q_Cgsp, Q_Cgd.AsString(QStringLiteral("gl_djh")));
}

QString TF_Spdd::VoidCaption() const
{
    return HasOrderRows(Q_Cgd) && IsTrue(Q_Cgd.AsString(QStringLiteral("ls_qk"))) ? QStringLiteral("取消作废(&Z)")
                                                                                  : QStringLiteral("单据作废(&Z)");
}

void TF_Spdd::btnRZfClick()
{
    if (!HasOrderRows(Q_Cgd))
        return;
    const bool isVoid = IsTrue(Q_Cgd.AsString(QStringLiteral("ls_qk")));
    const QString question = isVoid ? QStringLiteral("您的操作将取消该单据的作废状态，确认吗？")
                                    : QStringLiteral("单据作废后不能继续导入到商品销售单，确认吗？");
    if (Prompt::YesNo(question) == Prompt::Answer::No)
        return;
    SetSalesOrderVoid(Q_Cgd.AsString(QStringLiteral("gl_djh")), !isVoid);
    Q_Cgd.Requery();
}

void TF_Spdd::btn_UnChkClick()
{
    if (!btn_UnChk->isEnabled())
        return;
    if (rMxb->isChecked()) {
        Prompt::Info(QStringLiteral("取消审核操作只能在“单据表”进行。"));
        return;
    }
    if (!HasOrderRows(Q_Cgd)
        || Prompt::YesNo(QStringLiteral("您的操作将取消审核当前的单据，确认吗？")) == Prompt::Answer::No)
        return;
    CancelSalesOrderApproval(Q_Cgd.AsString(QStringLiteral("gl_djh")));
    Q_Cgd.Requery();
    setCgsp();
}

void TF_Spdd::btn_Chakan3Click()
{
    Query& q = rMxb->isChecked() ? Q_Cgsp2 : Q_Cgd;
    if (HasOrderRows(q))
        ViewStored(q.AsString(QStringLiteral("gl_djh")));
}

void TF_Spdd::btn_Export3Click()
{
    if (rMxb->isChecked()) {
        if (HasOrderRows(Q_Cgsp2))
            ExportGridList(*cxGrid33View);
    } else if (HasOrderRows(Q_Cgd)) {
        ExportGridList(*cxGrid31View);
    }
}

void TF_Spdd::linkMx3Click()
{
    if (!HasOrderRows(Q_Cgsp) || Q_Cgsp.AsString(QStringLiteral("tid")).isEmpty())
        return;
    AuxTag = QStringLiteral("jxc_xsspmx");
    SelectedSn = Q_Cgsp.AsString(QStringLiteral("g_sn"));
    SelectedLineId = Q_Cgsp.AsString(QStringLiteral("tid"));
    FunctionWindows::Open(QStringLiteral("TF_Detail"), FunctionWindows::Lifetime::Freed);
}
