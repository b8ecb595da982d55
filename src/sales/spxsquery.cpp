// The query tab of the sales delivery window: approved deliveries of a period in four
// views, cancelling approvals and handing a whole delivery over to the return window.
#include "sales/spxs.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "listing/queryviewbar.h"
#include "masterdata/keyfilter.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"
#include "posting/tradereversal.h"

#include <QAction>
#include <QDateEdit>
#include <QFrame>
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

namespace {

// The customer condition of the document and summary views over a customer table
// aliased `alias`.
QString CustomerLike(const QString& alias, const QString& s)
{
    return QStringLiteral(" and (") + alias + QStringLiteral(".kh_name like '%") + s + QStringLiteral("%' or ") + alias
        + QStringLiteral(".kh_jm like '%") + s + QStringLiteral("%' or ") + alias + QStringLiteral(".kh_sn like '%") + s
        + QStringLiteral("%') ");
}

// The goods condition of the summary, detail and colour-by-size views.
QString GoodsLike(const QString& alias, const QString& k, bool withRemark)
{
    QString c = QStringLiteral(" and (") + alias + QStringLiteral(".g_sn like '%") + k + QStringLiteral("%' or ")
        + alias + QStringLiteral(".g_name like '%") + k + QStringLiteral("%' or ") + alias
        + QStringLiteral(".g_jm like '%") + k + QStringLiteral("%'");
    if (withRemark)
        c += QStringLiteral(" or ") + alias + QStringLiteral(".gl_bz like '%") + k + QStringLiteral("%'");
    return c + QStringLiteral(") ");
}

// The sales ledger rows' columns of the lower lists and the detail view.
void AddSalesLedgerColumns(DataGrid* grid)
{
    AddGridColumns(*grid,
        { { "gl_kdrq", "开单日期", "130" }, { "gl_djh", "单据号", "124" }, { "g_sn", "商品编号", "80" },
            { "g_name", "商品名称", "140" }, { "ghs_name", "客户名称", "140" }, { "gl_cbj", "成本价", "64" },
            { "gl_lsj", "零售价", "64" }, { "gl_dj", "单价", "64" }, { "gl_sl", "数量", "56" },
            { "gl_zcb", "总成本", "72" }, { "gl_je", "金额", "72" }, { "gl_tax", "税率", "48" },
            { "gl_taxdj", "含税单价", "64" }, { "gl_taxje", "税额", "64" }, { "gl_zje", "总金额", "80" },
            { "gl_lr", "毛利", "72" }, { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "80" },
            { "color_name", "颜色", "50" }, { "ck_name", "仓库", "80" }, { "gl_djh2", "订单编号", "110" },
            { "gl_bz", "商品备注", "120" }, { "gl_note", "单据备注", "120" }, { "gl_checker", "审核人", "70" },
            { "gl_chkrq", "审核日期", "90" }, { "u_name", "经办人", "70" } });
    SetQueryFooter(grid, { "gl_sl" }, { "gl_zcb", "gl_je", "gl_taxje", "gl_zje", "gl_lr" });
}

} // namespace

void TF_Spxs::BuildQueryTab()
{
    auto* box = new QVBoxLayout(cxTab3);
    queryBar3_ = BuildQueryViewBar(cxTab3, box,
        { "tdate11", "tdate12", "btnMenu1", "客户名称：", "tKhName1", "btnSearch1", [this] { btnSearch1Click(); } });
    tdate11 = queryBar3_.from;
    tdate12 = queryBar3_.to;
    btnMenu1 = queryBar3_.presets;
    tKhName1 = queryBar3_.partner;
    btnGhsSele = queryBar3_.partnerButton;
    lKey3 = queryBar3_.keyLabel;
    tKey3 = queryBar3_.key;
    btnSearch1 = queryBar3_.search;
    rDjb = queryBar3_.views[0];
    rHzb = queryBar3_.views[1];
    rMxb = queryBar3_.views[2];
    rYscm = queryBar3_.views[3];

    auto* bar = new QHBoxLayout;
    btn_Chakan3 = NamedButton(cxTab3, "btn_Chakan3", "查看单据", bar);
    btn_Prin3 = NamedButton(cxTab3, "btn_Prin3", "打印", bar);
    btn_Lxdy3 = NamedButton(cxTab3, "btn_Lxdy3", "连续打印", bar);
    btn_Export3 = NamedButton(cxTab3, "btn_Export3", "导出", bar);
    btn_UnChk = NamedButton(cxTab3, "btn_UnChk", "取消审核", bar);
    btn_UnChkAll = NamedButton(cxTab3, "btn_UnChkAll", "全部取消", bar);
    btn_Zdth = NamedButton(cxTab3, "btn_Zdth", "整单退货", bar);
    bar->addStretch(1);
    btn_Exit3 = NamedButton(cxTab3, "btn_Exit", "退出", bar);
    box->addLayout(bar);

    views3 = new QStackedWidget(cxTab3);
    box->addWidget(views3, 1);

    // 单据表 with the ledger rows of the selected document.
    auto* docs = new QWidget;
    auto* docsBox = new QVBoxLayout(docs);
    docsBox->setContentsMargins(0, 0, 0, 0);
    cxGrid31View = NewQueryGrid(docs, "cxGrid31View", "D_KhDj");
    AddGridColumns(*cxGrid31View,
        { { "gl_djh", "单据号", "124" }, { "rq", "开单日期", "130" }, { "kh_name", "客户名称", "160" },
            { "ck_name", "仓库名称", "90" }, { "yfje", "应收金额", "80" }, { "sfje", "实收金额", "80" },
            { "wfje", "欠款金额", "80" }, { "hkje", "回款金额", "80" }, { "yhje", "优惠金额", "80" },
            { "ls_lr", "毛利", "80" }, { "ls_yf", "运费", "64" }, { "ls_bzf", "包装费", "64" },
            { "gtype", "单据类型", "70" }, { "checker", "审核人", "70" }, { "chkrq", "审核日期", "90" },
            { "u_name", "经办人", "70" }, { "a_name", "操作员", "70" }, { "gl_djh2", "原始单号", "100" },
            { "dnote", "备注", "160" } });
    SetQueryFooter(cxGrid31View, {}, { "yfje", "sfje", "wfje", "hkje", "yhje", "ls_lr", "ls_yf", "ls_bzf" });
    docsBox->addWidget(cxGrid31View, 1);
    auto* docLinesBar = new QHBoxLayout;
    khmsg = NamedLabel(docs, "", "khmsg");
    docLinesBar->addWidget(khmsg);
    docLinesBar->addStretch(1);
    linkMx3 = NamedButton(docs, "linkMx3", "查看详细数量", docLinesBar);
    linkMx3->setFlat(true);
    docsBox->addLayout(docLinesBar);
    cxGrid32View = NewQueryGrid(docs, "cxGrid32View", "D_Xssp3");
    AddSalesLedgerColumns(cxGrid32View);
    docsBox->addWidget(cxGrid32View, 1);
    views3->addWidget(docs);

    // 汇总表 with the sales rows of the selected goods beside it.
    auto* sums = new QWidget;
    auto* sumsBox = new QHBoxLayout(sums);
    sumsBox->setContentsMargins(0, 0, 0, 0);
    cxGrid33View = NewQueryGrid(sums, "cxGrid33View", "D_GXsHZ");
    AddGridColumns(*cxGrid33View,
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" }, { "gc_name", "商品类别", "80" },
            { "dw_name", "单位", "50" }, { "sl", "数量", "64" }, { "je", "金额", "80" }, { "taxje", "税额", "72" },
            { "zje", "总金额", "80" }, { "g_kc", "库存数量", "64" }, { "gg_name", "款型说明", "80" },
            { "color_name", "颜色", "60" }, { "g_sccs", "生产厂商", "100" }, { "g_bz", "备注", "120" } });
    SetQueryFooter(cxGrid33View, { "sl" }, { "je", "taxje", "zje" });
    sumsBox->addWidget(cxGrid33View, 1);
    auto* goodsRows = new QVBoxLayout;
    gname = NamedLabel(sums, "", "gname");
    goodsRows->addWidget(gname);
    cxGrid34View = NewQueryGrid(sums, "cxGrid34View", "D_GXsList");
    AddSalesLedgerColumns(cxGrid34View);
    goodsRows->addWidget(cxGrid34View, 1);
    sumsBox->addLayout(goodsRows, 1);
    views3->addWidget(sums);

    // 明细表 and 颜色尺码.
    cxGrid5View = NewQueryGrid(nullptr, "cxGrid5View", "D_GList2");
    AddSalesLedgerColumns(cxGrid5View);
    AddGridColumns(*cxGrid5View,
        { { "lrl", "毛利率", "56" }, { "gc_name", "商品类别", "80" }, { "kh_lxr", "联系人", "70" },
            { "kh_address", "联系地址", "140" }, { "kh_tele", "联系电话", "100" } });
    views3->addWidget(cxGrid5View);
    cxGrid6View = NewQueryGrid(nullptr, "cxGrid6View", "D_Sppc");
    AddGridColumns(*cxGrid6View,
        { { "gl_kdrq", "开单日期", "130" }, { "gl_djh", "单据号", "124" }, { "g_sn", "商品编号", "80" },
            { "g_name", "商品名称", "140" }, { "gc_name", "商品类别", "80" }, { "color_name", "颜色", "60" },
            { "cm_name", "尺码", "50" }, { "glsl", "数量", "56" }, { "gl_dj", "单价", "64" }, { "zje", "总金额", "80" },
            { "dw_name", "单位", "50" }, { "ck_name", "仓库", "80" }, { "u_name", "经办人", "70" },
            { "ghs_name", "客户名称", "140" }, { "gl_bz", "商品备注", "120" }, { "gl_note", "单据备注", "120" } });
    SetQueryFooter(cxGrid6View, { "glsl" }, { "zje" });
    views3->addWidget(cxGrid6View);

    barPopupMenu4 = new QMenu(this);
    barPopupMenu4->addAction(QStringLiteral("查看单据(&Y)"), this, &TF_Spxs::btn_Chakan3Click);
    btnRUnChk = barPopupMenu4->addAction(QStringLiteral("取消审核(&Z)"), this, &TF_Spxs::btn_UnChkClick);
    connect(cxGrid31View, &DataGrid::rightClicked, this,
        [this](const QPoint& at) { PopupWhenRows(barPopupMenu4, *cxGrid31View, at); });

    connect(btnGhsSele, &QPushButton::clicked, this, &TF_Spxs::btnGhsSeleClick);
    connect(rDjb, &QRadioButton::clicked, this, &TF_Spxs::rDjbClick);
    connect(rHzb, &QRadioButton::clicked, this, &TF_Spxs::rHzbClick);
    connect(rMxb, &QRadioButton::clicked, this, &TF_Spxs::rMxbClick);
    connect(rYscm, &QRadioButton::clicked, this, &TF_Spxs::rYscmClick);
    connect(cxGrid31View, &DataGrid::currentRowChanged, this, [this] { setDjDetailList(); });
    connect(cxGrid33View, &DataGrid::currentRowChanged, this, [this] { setGoodsList(); });
    for (DataGrid* g : { cxGrid31View, cxGrid32View })
        connect(g, &DataGrid::rowDoubleClicked, this, [this] { btn_Chakan3Click(); });
    connect(linkMx3, &QPushButton::clicked, this, &TF_Spxs::linkMx3Click);
    connect(btn_Chakan3, &QPushButton::clicked, this, &TF_Spxs::btn_Chakan3Click);
    connect(btn_Prin3, &QPushButton::clicked, this, &TF_Spxs::btn_Prin3Click);
    connect(btn_Lxdy3, &QPushButton::clicked, this, &TF_Spxs::btn_Lxdy3Click);
    connect(btn_Export3, &QPushButton::clicked, this, &TF_Spxs::btn_Export3Click);
    connect(btn_UnChk, &QPushButton::clicked, this, &TF_Spxs::btn_UnChkClick);
    connect(btn_UnChkAll, &QPushButton::clicked, this, &TF_Spxs::btn_UnChkAllClick);
    connect(btn_Zdth, &QPushButton::clicked, this, &TF_Spxs::btn_ZdthClick);
    connect(btn_Exit3, &QPushButton::clicked, this, &TF_Spxs::btn_ExitClick);
    for (QLineEdit* e : { tKhName1, tKey3 })
        DiscardSearchPunctuation(e);
}

void TF_Spxs::ApplyQueryRights()
{
    // The cancel buttons follow the right the cancel routine itself checks.
    const bool cancel = HasRight(QStringLiteral("xsgl"), 11);
    btn_UnChk->setEnabled(cancel);
    btn_UnChkAll->setEnabled(cancel);
    btnRUnChk->setEnabled(cancel);
    // The return window comes with its own part of the program.
    btn_Zdth->setEnabled(FunctionWindows::Available(QStringLiteral("TF_Xsth")));
    btn_Prin3->setEnabled(ShowCostPrice);
}

void TF_Spxs::rDjbClick()
{
    ShowQueryView(queryBar3_, views3, 0);
    btnSearch1Click();
}

void TF_Spxs::rHzbClick()
{
    ShowQueryView(queryBar3_, views3, 1);
    btnSearch1Click();
}

void TF_Spxs::rMxbClick()
{
    ShowQueryView(queryBar3_, views3, 2);
    btnSearch1Click();
}

void TF_Spxs::rYscmClick()
{
    ShowQueryView(queryBar3_, views3, 3);
    btnSearch1Click();
}

void TF_Spxs::btnGhsSeleClick()
{
    chkKhAll->setChecked(false);
    KhFilter(*cxGrid4View, QString());
    ShowCustomerPanel(cxTab3);
}

void TF_Spxs::btnSearch1Click()
{
    cxGrid31View->ClearFilter();
    cxGrid31View->SetFilterActive(false);
    const QString s = SafeSqlText(tKhName1->text().trimmed());
    const QString k = SafeSqlText(tKey3->text().trimmed());
    const QDate from = tdate11->date();
    const QDate to = tdate12->date();
    if (rDjb->isChecked()) {
        QString sql = QStringLiteral(
            "select a.gl_djh,a.kh_sn,a.ck_sn,a.ls_xsrq as rq,a.ls_yfje as yfje,a.ls_sfje as sfje,"
            "(a.ls_yfje-a.ls_sfje-a.ls_yhje-a.ls_hkje) as wfje,a.ls_hkje as hkje,a.ls_yhje as yhje,a.ls_lr,"
            "a.ls_yf,a.ls_bzf,'商品销售' as gtype,a.ls_checker as checker,a.ls_chkrq as chkrq,a.a_name,a.gl_djh2,"
            "a.ls_note as dnote,a.ls_th,b.kh_name,c.u_name,d.ck_name from jxc_lsxsd a,jxc_khxx b,jxc_user c,"
            "jxc_ckxx d where a.kh_sn=b.kh_sn and a.u_sn=c.u_sn and a.ck_sn=d.ck_sn and a.ls_status=1 and ");
        sql += PeriodCondition(QStringLiteral("a.ls_xsrq"), from, to) + WarehouseBindingCondition(QStringLiteral("d"));
        if (!s.isEmpty())
            sql += CustomerLike(QStringLiteral("b"), s);
        if (!k.isEmpty())
            sql += QStringLiteral(" and (a.gl_djh like '%") + k + QStringLiteral("%' or a.gl_djh2 like '%") + k
                + QStringLiteral("%' or a.ls_note like '%") + k + QStringLiteral("%') ");
        OpenQuery(Q_KhDj, sql + QStringLiteral(" order by a.ls_xsrq desc,a.gl_djh desc"));
        setDjDetailList();
        if (cxPage->currentWidget() == cxTab3)
            cxGrid31View->setFocus();
        return;
    }
    if (rHzb->isChecked()) {
        QString sql = QStringLiteral(
            "select a.g_sn,a.g_name,a.dw_name,a.g_kc,a.gg_name,a.color_name,a.g_sccs,a.g_bz,b.sl,b.zje,b.je,b.taxje,"
            "g.gc_name from jxc_goods a,jxc_goodsclass g,(select c.g_sn,sum(c.gl_sl) as sl,sum(c.gl_zje) as zje,"
            "sum(c.gl_je) as je,sum(c.gl_taxje) as taxje from jxc_goodslist c,jxc_khxx d,jxc_ckxx e "
            "where c.ghs_sn=d.kh_sn and c.ck_sn=e.ck_sn and c.gl_flag='xs' and ");
        sql += PeriodCondition(QStringLiteral("c.gl_kdrq"), from, to) + WarehouseBindingCondition(QStringLiteral("e"));
        if (!s.isEmpty())
            sql += CustomerLike(QStringLiteral("d"), s);
        if (!k.isEmpty())
            sql += GoodsLike(QStringLiteral("c"), k, true);
        OpenQuery(
            Q_GXsHZ, sql + QStringLiteral(" group by c.g_sn) b where a.g_sn=b.g_sn and a.gc_sn=g.gc_sn order by a.id"));
        setGoodsList();
        return;
    }
    if (rMxb->isChecked()) {
        QString sql = QStringLiteral(
            "select a.*,a.gl_lr as lr,case when a.gl_je=0 then 0 else a.gl_lr*100.00/a.gl_zje end as lrl,c.gc_name,"
            "e.kh_lxr,e.kh_address,e.kh_tele from jxc_goodslist a,jxc_goods b,jxc_goodsclass c,jxc_ckxx d,"
            "jxc_khxx e where a.g_sn=b.g_sn and b.gc_sn=c.gc_sn and a.ck_sn=d.ck_sn and a.ghs_sn=e.kh_sn "
            "and a.gl_flag='xs' and ");
        sql += PeriodCondition(QStringLiteral("a.gl_kdrq"), from, to) + WarehouseBindingCondition(QStringLiteral("d"));
        if (!s.isEmpty())
            sql += CustomerLike(QStringLiteral("e"), s);
        if (!k.isEmpty())
            sql += GoodsLike(QStringLiteral("a"), k, true);
        OpenQuery(Q_GList2, sql + QStringLiteral(" order by a.id"));
        return;
    }
    QString sql = QStringLiteral(
        "select a.*,c.gc_name,e.g_name,e.gg_name,e.dw_name,e.gl_note,e.gl_bz,e.ghs_name,e.ck_name,e.u_name,f.cm_name,"
        "g.color_name,a.gl_sl as glsl,a.gl_sl*a.gl_dj*e.gl_dzl as zje "
        "from jxc_goodslistmx a,jxc_goods b,jxc_goodsclass c,jxc_ckxx d,jxc_goodslist e,jxc_cm f,jxc_color g "
        "where a.g_sn=b.g_sn and b.gc_sn=c.gc_sn and a.ck_sn=d.ck_sn and a.gl_djh=e.gl_djh and a.g_sn=e.g_sn "
        "and a.cm_sn=f.cm_sn and a.color_sn=g.color_sn and a.tid=e.tid and a.gl_flag='xs' and e.gl_flag='xs' "
        "and a.gl_djh<>'' and ");
    sql += PeriodCondition(QStringLiteral("a.gl_kdrq"), from, to) + WarehouseBindingCondition(QStringLiteral("d"));
    if (!s.isEmpty())
        sql += QStringLiteral(" and (e.ghs_sn like '%") + s + QStringLiteral("%' or e.ghs_name like '%") + s
            + QStringLiteral("%') ");
    if (!k.isEmpty())
        sql += GoodsLike(QStringLiteral("b"), k, false);
    OpenQuery(Q_Sppc, sql + QStringLiteral(" order by a.gl_djh,a.id"));
}

void TF_Spxs::setDjDetailList()
{
    Q_Xssp3.Close();
    khmsg->clear();
    if (!Q_KhDj.Active() || Q_KhDj.IsEmpty())
        return;
    const QString number = Q_KhDj.AsString(QStringLiteral("gl_djh"));
    khmsg->setText(number + QLatin1Char(' ') + Q_KhDj.AsString(QStringLiteral("kh_name")));
    Q_Xssp3.SetSQL(QStringLiteral("select a.*,a.gl_dj*a.gl_dzl as sj from jxc_goodslist a,jxc_goods b "
                                  "where a.g_sn=b.g_sn and a.gl_djh=:djh order by a.id"));
    Q_Xssp3.SetParam(QStringLiteral("djh"), number);
    Q_Xssp3.Open();
}

void TF_Spxs::setGoodsList()
{
    Q_GXsList.Close();
    gname->clear();
    if (!Q_GXsHZ.Active() || Q_GXsHZ.IsEmpty())
        return;
    gname->setText(Q_GXsHZ.AsString(QStringLiteral("g_name")));
    const QString s = SafeSqlText(tKhName1->text().trimmed());
    const QString sql = QStringLiteral("select a.* from jxc_goodslist a,jxc_khxx b,jxc_ckxx c where a.ghs_sn=b.kh_sn "
                                       "and a.ck_sn=c.ck_sn and a.gl_flag='xs' and a.g_sn=:g ")
        + WarehouseBindingCondition(QStringLiteral("c")) + CustomerLike(QStringLiteral("b"), s)
        + QStringLiteral(" and ") + PeriodCondition(QStringLiteral("a.gl_kdrq"), tdate11->date(), tdate12->date())
        + QStringLiteral(" order by a.gl_djh,a.id");
    Q_GXsList.SetSQL(sql);
    Q_GXsList.SetParam(QStringLiteral("g"), Q_GXsHZ.AsString(QStringLiteral("g_sn")));
    Q_GXsList.Open();
}

void TF_Spxs::linkMx3Click()
{
    if (!Q_Xssp3.Active() || Q_Xssp3.IsEmpty() || Q_Xssp3.AsString(QStringLiteral("tid")).isEmpty())
        return;
    AuxTag = QStringLiteral("jxc_lsxsspmx");
    SelectedSn = Q_Xssp3.AsString(QStringLiteral("g_sn"));
    SelectedLineId = Q_Xssp3.AsString(QStringLiteral("tid"));
    FunctionWindows::Open(QStringLiteral("TF_Detail"), FunctionWindows::Lifetime::Freed);
    AuxTag.clear();
    SelectedSn.clear();
    SelectedLineId.clear();
}

QString TF_Spxs::QueryDocNo() const
{
    const auto current = [](Query& q, const char* field) {
        return q.Active() && !q.IsEmpty() ? q.AsString(QLatin1String(field)) : QString();
    };
    if (rDjb->isChecked())
        return current(Q_KhDj, "gl_djh");
    if (rHzb->isChecked())
        return current(Q_GXsList, "gl_djh");
    if (rMxb->isChecked())
        return current(Q_GList2, "gl_djh");
    return QString();
}

void TF_Spxs::btn_Chakan3Click()
{
    // The colour-by-size view names no document: the preview shows an empty one.
    ViewStoredDocument(QueryDocNo(), rYscm->isChecked());
}

void TF_Spxs::btn_UnChkClick()
{
    if (btn_UnChk->isEnabled()
        && DocWindow::UnapproveFromList(Q_KhDj, QStringLiteral("gl_djh"), rDjb->isChecked(), false, this)) {
        Q_KhDj.Requery();
        setDjDetailList();
    }
}

void TF_Spxs::btn_UnChkAllClick()
{
    if (btn_UnChk->isEnabled()
        && DocWindow::UnapproveFromList(Q_KhDj, QStringLiteral("gl_djh"), rDjb->isChecked(), true, this)) {
        Q_KhDj.Requery();
        setDjDetailList();
    }
}

void TF_Spxs::btn_ZdthClick()
{
    if (!btn_Zdth->isEnabled())
        return;
    if (!rDjb->isChecked()) {
        Prompt::Info(QStringLiteral("整单退货只能在单据表进行！"));
        return;
    }
    if (!Q_KhDj.Active() || Q_KhDj.IsEmpty())
        return;
    // A delivery returned as a whole once is not handed over again.
    if (Q_KhDj.AsInteger(QStringLiteral("ls_th")) == 1) {
        Prompt::Info(QStringLiteral("该单据已经进行过整单退货，不能重复退货！"));
        return;
    }
    WholeReturnDocNo = Q_KhDj.AsString(QStringLiteral("gl_djh"));
    close();
}

void TF_Spxs::btn_Export3Click()
{
    DataGrid* grid = rDjb->isChecked() ? cxGrid31View
        : rHzb->isChecked()            ? cxGrid33View
        : rMxb->isChecked()            ? cxGrid5View
                                       : nullptr;
    if (grid)
        ExportList(*grid, ExportRows::OnlyWithRows);
}

void TF_Spxs::btn_Prin3Click()
{
    if (!btn_Prin3->isEnabled())
        return;
    const QString d1 = tdate11->date().toString(QStringLiteral("yyyy-MM-dd"));
    const QString d2 = tdate12->date().toString(QStringLiteral("yyyy-MM-dd"));
    if (rDjb->isChecked()) {
        const QString customer = tKhName1->text().trimmed();
        PrintList(QStringLiteral("spxsdjb.fr3"), QStringLiteral("spxsdjb"), &Q_KhDj, cxGrid31View->FilterText(), d1, d2,
            (customer.isEmpty() ? QStringLiteral("所有客户") : customer) + QStringLiteral("销售单据"));
        cxGrid31View->SetFilterActive(false);
    } else if (rHzb->isChecked()) {
        PrintList(QStringLiteral("spxshzb.fr3"), QStringLiteral("spxshzb"), &Q_GXsHZ, QString(), d1, d2);
    } else if (rMxb->isChecked()) {
        PrintList(QStringLiteral("spxsmxb.fr3"), QStringLiteral("spxsmxb"), &Q_GList2, QString(), d1, d2);
    }
}

void TF_Spxs::btn_Lxdy3Click()
{
    if (!rDjb->isChecked()) {
        Prompt::Info(QStringLiteral("连续打印只能在“单据表”进行。"));
        return;
    }
    if (Q_KhDj.Active())
        PrintContinuously(ColumnTexts(Q_KhDj, QStringLiteral("gl_djh")));
}
