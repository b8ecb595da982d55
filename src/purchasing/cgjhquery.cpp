// The query tab of the goods-in window: approved documents of a period in four views,
// cancelling approvals and handing a whole document over to another window.
#include "purchasing/cgjh.h"
#include "purchasing/linedialogs.h"
#include "purchasing/querygrids.h"

#include "documents/viewdocument.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "listing/queryviewbar.h"
#include "masterdata/detail.h"
#include "masterdata/keyfilter.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/prompt.h"
#include "posting/tradereversal.h"

#include <QAction>
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

void TF_Cgjh::BuildQueryTab()
{
    auto* box = new QVBoxLayout(cxTab3);
    queryBar3_ = BuildQueryViewBar(cxTab3, box,
        { "tdate1", "tdate2", "btnMenu", "供货商名称：", "tGhsname3", "btnSearch3", [this] { btnSearch3Click(); } });
    tdate1 = queryBar3_.from;
    tdate2 = queryBar3_.to;
    btnMenu = queryBar3_.presets;
    tGhsname3 = queryBar3_.partner;
    btnGhsSele = queryBar3_.partnerButton;
    lKey3 = queryBar3_.keyLabel;
    tKey3 = queryBar3_.key;
    btnSearch3 = queryBar3_.search;
    rDjb = queryBar3_.views[0];
    rHzb = queryBar3_.views[1];
    rMxb = queryBar3_.views[2];
    rYscm = queryBar3_.views[3];

    auto* bar = new QHBoxLayout;
    btn_Chakan3 = NamedButton(cxTab3, "btn_Chakan3", "查看单据", bar);
    btn_Prin3 = NamedButton(cxTab3, "btn_Prin3", "打印", bar);
    btn_Export3 = NamedButton(cxTab3, "btn_Export3", "导出", bar);
    btn_UnChk = NamedButton(cxTab3, "btn_UnChk", "取消审核", bar);
    btn_UnChkAll = NamedButton(cxTab3, "btn_UnChkAll", "全部取消", bar);
    btn_Zdth = NamedButton(cxTab3, "btn_Zdth", "整单退货", bar);
    btn_Zdly = NamedButton(cxTab3, "btn_Zdly", "整单领用", bar);
    btn_Zdxs = NamedButton(cxTab3, "btn_Zdxs", "整单销售", bar);
    bar->addStretch(1);
    btn_Exit = NamedButton(cxTab3, "btn_Exit", "退出", bar);
    box->addLayout(bar);

    views3 = new QStackedWidget(cxTab3);
    box->addWidget(views3, 1);

    // 单据表 with the ledger rows of the selected document.
    auto* docs = new QWidget;
    auto* docsBox = new QVBoxLayout(docs);
    docsBox->setContentsMargins(0, 0, 0, 0);
    cxGrid1View = NewQueryGrid(docs, "cxGrid1View", "D_GhsDJ");
    AddDocumentColumns(cxGrid1View, false);
    docsBox->addWidget(cxGrid1View, 1);
    auto* docLinesBar = new QHBoxLayout;
    ldjmsg = NamedLabel(docs, "", "ldjmsg");
    docLinesBar->addWidget(ldjmsg);
    docLinesBar->addStretch(1);
    linkMx3 = NamedButton(docs, "linkMx3", "查看详细数量", docLinesBar);
    linkMx3->setFlat(true);
    docsBox->addLayout(docLinesBar);
    cxGrid11View = NewQueryGrid(docs, "cxGrid11View", "D_Jhsp2");
    AddLedgerColumns(cxGrid11View);
    docsBox->addWidget(cxGrid11View, 1);
    views3->addWidget(docs);

    // 汇总表 with the goods-in rows of the selected goods.
    auto* sums = new QWidget;
    auto* sumsBox = new QVBoxLayout(sums);
    sumsBox->setContentsMargins(0, 0, 0, 0);
    cxGrid21View = NewQueryGrid(sums, "cxGrid21View", "D_GoodsHZ");
    AddGoodsSummaryColumns(cxGrid21View);
    sumsBox->addWidget(cxGrid21View, 1);
    gname = NamedLabel(sums, "", "gname");
    sumsBox->addWidget(gname);
    cxGrid22View = NewQueryGrid(sums, "cxGrid22View", "D_GoodsList");
    AddLedgerColumns(cxGrid22View);
    sumsBox->addWidget(cxGrid22View, 1);
    views3->addWidget(sums);

    // 明细表 and 颜色尺码.
    cxGrid35View = NewQueryGrid(nullptr, "cxGrid35View", "D_GoodsList");
    AddLedgerColumns(cxGrid35View);
    views3->addWidget(cxGrid35View);
    cxGrid6View = NewQueryGrid(nullptr, "cxGrid6View", "D_Sppc");
    AddGridColumns(*cxGrid6View,
        { { "gl_kdrq", "开单日期", "130" }, { "gl_djh", "单据号", "124" }, { "g_sn", "商品编号", "80" },
            { "g_name", "商品名称", "140" }, { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "60" },
            { "cm_name", "尺码", "50" }, { "glsl", "数量", "56" }, { "gl_dj", "单价", "64" }, { "zje", "总金额", "80" },
            { "dw_name", "单位", "50" }, { "gc_name", "商品类别", "80" }, { "ck_name", "仓库", "80" },
            { "u_name", "经办人", "70" }, { "ghs_name", "供货商名称", "140" }, { "gl_bz", "商品备注", "120" },
            { "gl_note", "单据备注", "120" } });
    SetQueryFooter(cxGrid6View, { "glsl" }, { "zje" });
    views3->addWidget(cxGrid6View);

    barPopupMenu4 = new QMenu(this);
    barPopupMenu4->addAction(QStringLiteral("查看单据(&Y)"), this, &TF_Cgjh::btn_Chakan3Click);
    btnRUnChk = barPopupMenu4->addAction(QStringLiteral("取消审核(&Z)"), this, &TF_Cgjh::btn_UnChkClick);
    connect(cxGrid1View, &DataGrid::rightClicked, this,
        [this](const QPoint& at) { PopupWhenRows(barPopupMenu4, *cxGrid1View, at); });

    connect(btnGhsSele, &QPushButton::clicked, this, &TF_Cgjh::btnGhsSeleClick);
    for (QRadioButton* r : { rDjb, rHzb, rMxb, rYscm })
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                QueryViewChanged();
        });
    connect(cxGrid1View, &DataGrid::currentRowChanged, this, [this] { setDjDetailList(); });
    connect(cxGrid21View, &DataGrid::currentRowChanged, this, [this] { setGoodsList(); });
    for (DataGrid* g : { cxGrid1View, cxGrid22View, cxGrid35View })
        connect(g, &DataGrid::rowDoubleClicked, this, [this] { btn_Chakan3Click(); });
    connect(linkMx3, &QPushButton::clicked, this, &TF_Cgjh::linkMx3Click);
    connect(btn_Chakan3, &QPushButton::clicked, this, &TF_Cgjh::btn_Chakan3Click);
    connect(btn_Prin3, &QPushButton::clicked, this, &TF_Cgjh::btn_Prin3Click);
    connect(btn_Export3, &QPushButton::clicked, this, &TF_Cgjh::btn_Export3Click);
    connect(btn_UnChk, &QPushButton::clicked, this, &TF_Cgjh::btn_UnChkClick);
    connect(btn_UnChkAll, &QPushButton::clicked, this, &TF_Cgjh::btn_UnChkAllClick);
    connect(btn_Zdth, &QPushButton::clicked, this, &TF_Cgjh::btn_ZdthClick);
    connect(btn_Zdly, &QPushButton::clicked, this, &TF_Cgjh::btn_ZdlyClick);
    connect(btn_Zdxs, &QPushButton::clicked, this, &TF_Cgjh::btn_ZdxsClick);
    connect(btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    for (QLineEdit* e : { tGhsname3, tKey3 })
        DiscardSearchPunctuation(e);
}

void TF_Cgjh::ApplyQueryRights()
{
    // The cancel buttons follow the right the cancel routine itself checks.
    const bool cancel = HasRight(QStringLiteral("cggl"), 10);
    btn_UnChk->setEnabled(cancel);
    btn_UnChkAll->setEnabled(cancel);
    btnRUnChk->setEnabled(cancel);
    const auto any = [](const char* module, std::initializer_list<int> positions) {
        for (int p : positions)
            if (HasRight(QLatin1String(module), p))
                return true;
        return false;
    };
    // A hand-over needs its target window, which another part of the program builds.
    btn_Zdth->setEnabled(any("cggl", { 4, 5, 6 }) && FunctionWindows::Available(QStringLiteral("TF_Cgth")));
    btn_Zdly->setEnabled(any("xsgl", { 7, 8, 9 }) && FunctionWindows::Available(QStringLiteral("TF_Bmly")));
    btn_Zdxs->setEnabled(any("xsgl", { 1, 2, 3 }) && FunctionWindows::Available(QStringLiteral("TF_Spxs")));
    SetPeriod(tdate1, tdate2, CurrentMonth(Clock::Today()));
}

void TF_Cgjh::QueryViewChanged()
{
    ShowQueryView(queryBar3_, views3, QueryViewIndex(queryBar3_));
    btnSearch3Click();
}

void TF_Cgjh::btnGhsSeleClick()
{
    ShowSupplierPicker(cxTab3, QString());
}

void TF_Cgjh::btnSearch3Click()
{
    ldjmsg->clear();
    RzPanel_Ghs2->hide();
    cxGrid1View->ClearFilter();
    cxGrid1View->SetFilterActive(false);
    const QString s = SafeSqlText(tGhsname3->text().trimmed());
    const QString k = SafeSqlText(tKey3->text().trimmed());
    const QDate from = tdate1->date();
    const QDate to = tdate2->date();
    const bool showing = cxPage->currentWidget() == cxTab3;
    if (rDjb->isChecked()) {
        QString sql = QStringLiteral(
            "select a.gl_djh as djh,a.ghs_sn,a.ck_sn,a.j_jhrq as rq,a.j_yfje as yfje,a.j_sfje as sfje,"
            "(a.j_yfje-a.j_sfje-a.j_yhje-a.j_hkje) as wfje,a.j_yhje as yhje,'采购进货' as gtype,a.u_sn,"
            "a.j_note as dnote,a.a_name,a.gl_djh2,a.j_th,b.ghs_name,b.ghs_jm,c.u_name,d.ck_name,'1' as dsort,"
            "a.j_checker as checker,a.j_chkrq as chkrq,a.j_hkje as hkje,a.j_yf,a.j_bzf,a.j_yffs,a.ht_sn "
            "from jxc_jhd a,jxc_ghsxx b,jxc_user c,jxc_ckxx d where a.ghs_sn=b.ghs_sn and a.u_sn=c.u_sn "
            "and a.ck_sn=d.ck_sn and a.j_status=1 and ");
        sql += PeriodCondition(QStringLiteral("a.j_jhrq"), from, to) + WarehouseBindingCondition(QStringLiteral("d"));
        if (!s.isEmpty())
            sql += QStringLiteral(" and (b.ghs_sn like '%") + s + QStringLiteral("%' or b.ghs_name like '%") + s
                + QStringLiteral("%' or b.ghs_jm like '%") + s + QStringLiteral("%') ");
        if (!k.isEmpty())
            sql += QStringLiteral(" and (a.gl_djh like '%") + k + QStringLiteral("%' or a.gl_djh2 like '%") + k
                + QStringLiteral("%' or a.j_note like '%") + k + QStringLiteral("%') ");
        OpenQuery(Q_GhsDJ, sql + QStringLiteral(" order by a.j_jhrq desc,a.gl_djh desc"));
        setDjDetailList();
        if (showing)
            cxGrid1View->setFocus();
        return;
    }
    if (rHzb->isChecked()) {
        QString sql = QStringLiteral(
            "select a.g_sn,a.g_name,a.dw_name,a.g_kc,a.gg_name,a.color_name,a.g_sccs,a.g_bz,b.sl,b.zje,b.je,b.taxje,"
            "g.gc_name from jxc_goods a,jxc_goodsclass g,(select c.g_sn,sum(c.gl_sl) as sl,sum(c.gl_zje) as zje,"
            "sum(c.gl_je) as je,sum(c.gl_taxje) as taxje from jxc_goodslist c,jxc_ghsxx d,jxc_ckxx e "
            "where c.ghs_sn=d.ghs_sn and c.ck_sn=e.ck_sn and c.gl_flag='cj' and ");
        sql += PeriodCondition(QStringLiteral("c.gl_kdrq"), from, to) + WarehouseBindingCondition(QStringLiteral("e"));
        if (!s.isEmpty())
            sql += QStringLiteral(" and (d.ghs_sn like '%") + s + QStringLiteral("%' or d.ghs_name like '%") + s
                + QStringLiteral("%' or d.ghs_jm like '%") + s + QStringLiteral("%') ");
        if (!k.isEmpty())
            sql += QStringLiteral(" and (c.g_sn like '%") + k + QStringLiteral("%' or c.g_name like '%") + k
                + QStringLiteral("%' or c.g_jm like '%") + k + QStringLiteral("%' or c.gl_bz like '%") + k
                + QStringLiteral("%') ");
        OpenQuery(Q_GoodsHZ,
            sql + QStringLiteral(" group by c.g_sn) b where a.g_sn=b.g_sn and a.gc_sn=g.gc_sn order by a.id"));
        setGoodsList();
        if (showing)
            cxGrid21View->setFocus();
        return;
    }
    if (rMxb->isChecked()) {
        QString sql
            = QStringLiteral("select a.*,c.gc_name from jxc_goodslist a,jxc_goods b,jxc_goodsclass c,jxc_ckxx d "
                             "where a.g_sn=b.g_sn and b.gc_sn=c.gc_sn and a.ck_sn=d.ck_sn and a.gl_flag='cj' "
                             "and a.gl_djh<>'' and ");
        sql += PeriodCondition(QStringLiteral("a.gl_kdrq"), from, to) + WarehouseBindingCondition(QStringLiteral("d"));
        if (!s.isEmpty())
            sql += QStringLiteral(" and (a.ghs_sn like '%") + s + QStringLiteral("%' or a.ghs_name like '%") + s
                + QStringLiteral("%') ");
        if (!k.isEmpty())
            sql += QStringLiteral(" and (a.g_sn like '%") + k + QStringLiteral("%' or a.g_name like '%") + k
                + QStringLiteral("%' or a.g_jm like '%") + k + QStringLiteral("%' or a.gl_bz like '%") + k
                + QStringLiteral("%') ");
        OpenQuery(Q_GoodsList, sql + QStringLiteral(" order by a.gl_kdrq,a.gl_djh,a.id"));
        return;
    }
    QString sql = QStringLiteral(
        "select distinct a.*,c.gc_name,e.g_name,e.gg_name,e.gl_taxdj,e.gl_cbj,e.dw_name,e.gl_note,e.gl_bz,e.ghs_name,"
        "e.ck_name,f.cm_name,g.color_name,a.gl_sl as glsl,a.gl_sl*a.gl_dj*e.gl_dzl as zje "
        "from jxc_goodslistmx a,jxc_goods b,jxc_goodsclass c,jxc_ckxx d,jxc_goodslist e,jxc_cm f,jxc_color g "
        "where a.g_sn=b.g_sn and b.gc_sn=c.gc_sn and a.ck_sn=d.ck_sn and a.gl_djh=e.gl_djh and a.g_sn=e.g_sn "
        "and a.cm_sn=f.cm_sn and a.color_sn=g.color_sn and a.tid=e.tid and a.gl_flag='cj' and a.gl_djh<>'' and ");
    sql += PeriodCondition(QStringLiteral("a.gl_kdrq"), from, to) + WarehouseBindingCondition(QStringLiteral("d"));
    if (!s.isEmpty())
        sql += QStringLiteral(" and (e.ghs_sn like '%") + s + QStringLiteral("%' or e.ghs_name like '%") + s
            + QStringLiteral("%') ");
    if (!k.isEmpty())
        sql += QStringLiteral(" and (b.g_sn like '%") + k + QStringLiteral("%' or b.g_name like '%") + k
            + QStringLiteral("%' or b.g_jm like '%") + k + QStringLiteral("%') ");
    OpenQuery(Q_Sppc, sql + QStringLiteral(" order by a.gl_djh,a.id"));
}

void TF_Cgjh::setDjDetailList()
{
    OpenDocumentLedger(Q_GhsDJ, Q_Jhsp2, ldjmsg, QStringLiteral(" "));
}

void TF_Cgjh::setGoodsList()
{
    Q_GoodsList.Close();
    gname->clear();
    if (!Q_GoodsHZ.Active() || Q_GoodsHZ.IsEmpty())
        return;
    gname->setText(Q_GoodsHZ.AsString(QStringLiteral("g_name")));
    const QString s = SafeSqlText(tGhsname3->text().trimmed());
    QString sql = QStringLiteral("select a.* from jxc_goodslist a,jxc_ghsxx b,jxc_ckxx c where a.ghs_sn=b.ghs_sn "
                                 "and a.ck_sn=c.ck_sn and a.gl_flag='cj' ")
        + WarehouseBindingCondition(QStringLiteral("c")) + QStringLiteral(" and a.g_sn=:g and (b.ghs_sn like '%") + s
        + QStringLiteral("%' or b.ghs_name like '%") + s + QStringLiteral("%') and ")
        + PeriodCondition(QStringLiteral("a.gl_kdrq"), tdate1->date(), tdate2->date())
        + QStringLiteral(" order by a.id");
    Q_GoodsList.SetSQL(sql);
    Q_GoodsList.SetParam(QStringLiteral("g"), Q_GoodsHZ.AsString(QStringLiteral("g_sn")));
    Q_GoodsList.Open();
}

void TF_Cgjh::linkMx3Click()
{
    ShowLineDetail(Q_Jhsp2, QStringLiteral("jxc_jhspmx"));
}

QString TF_Cgjh::QueryDocNo() const
{
    const auto current = [](Query& q, const char* field) {
        return q.Active() && !q.IsEmpty() ? q.AsString(QLatin1String(field)) : QString();
    };
    if (rDjb->isChecked())
        return current(Q_GhsDJ, "djh");
    if (rHzb->isChecked() || rMxb->isChecked())
        return current(Q_GoodsList, "gl_djh");
    return current(Q_Sppc, "gl_djh");
}

void TF_Cgjh::btn_Chakan3Click()
{
    const QString number = QueryDocNo();
    if (number.isEmpty())
        return;
    setPrinPara(number, QStringLiteral("2"));
    frxReport1->ShowReport();
    Q_GoodsPrin.Close();
}

void TF_Cgjh::btn_UnChkClick()
{
    if (btn_UnChk->isEnabled()
        && DocWindow::UnapproveFromList(Q_GhsDJ, QStringLiteral("djh"), rDjb->isChecked(), false, this)) {
        Q_GhsDJ.Requery();
        setDjDetailList();
    }
}

void TF_Cgjh::btn_UnChkAllClick()
{
    if (btn_UnChk->isEnabled()
        && DocWindow::UnapproveFromList(Q_GhsDJ, QStringLiteral("djh"), rDjb->isChecked(), true, this)) {
        Q_GhsDJ.Requery();
        setDjDetailList();
    }
}

void TF_Cgjh::HandOver(QString& variable, const QString& refusal)
{
    if (!rDjb->isChecked()) {
        Prompt::Info(refusal);
        return;
    }
    if (!Q_GhsDJ.Active() || Q_GhsDJ.IsEmpty())
        return;
    variable = Q_GhsDJ.AsString(QStringLiteral("djh"));
    close();
}

void TF_Cgjh::btn_ZdthClick()
{
    if (btn_Zdth->isEnabled())
        HandOver(WholeReturnDocNo, QStringLiteral("整单退货只能在单据表进行！"));
}

void TF_Cgjh::btn_ZdlyClick()
{
    if (btn_Zdly->isEnabled())
        HandOver(SourceDocNo, QStringLiteral("整单领用只能在单据表进行！"));
}

void TF_Cgjh::btn_ZdxsClick()
{
    if (btn_Zdxs->isEnabled())
        HandOver(ResultText, QStringLiteral("整单销售只能在单据表进行！"));
}

void TF_Cgjh::btn_Prin3Click()
{
    if (rDjb->isChecked()) {
        if (Q_GhsDJ.Active() && !Q_GhsDJ.IsEmpty())
            PrintGridList(QStringLiteral("cgjhdjb.fr3"), QStringLiteral("cgjhdjb"), *cxGrid1View,
                { { QStringLiteral("bTitle"), QStringLiteral("供货商采购业务单据表") },
                    { QStringLiteral("date1"), tdate1->date().toString(QStringLiteral("yyyy-MM-dd")) },
                    { QStringLiteral("date2"), tdate2->date().toString(QStringLiteral("yyyy-MM-dd")) } });
        return;
    }
    if (rHzb->isChecked())
        PrintSearchedList(QStringLiteral("cgjhhzb"), Q_GoodsHZ, tdate1->date(), tdate2->date());
    else if (rMxb->isChecked())
        PrintSearchedList(QStringLiteral("cgjhmxb"), Q_GoodsList, tdate1->date(), tdate2->date());
}

void TF_Cgjh::btn_Export3Click()
{
    DataGrid* grid = rDjb->isChecked() ? cxGrid1View
        : rHzb->isChecked()            ? cxGrid21View
        : rMxb->isChecked()            ? cxGrid35View
                                       : nullptr;
    if (grid)
        ExportList(*grid, ExportRows::OnlyWithRows);
}
