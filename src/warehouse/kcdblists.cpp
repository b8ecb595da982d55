// The transfer window's pending and query tabs and its advanced query.
#include "warehouse/kcdb.h"

#include "documents/docdrafts.h"
#include "foundation/approvalhooks.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/listoutput.h"
#include "listing/queryframe.h"
#include "masterdata/detail.h"
#include "masterdata/keyfilter.h"
#include "masterdata/pickerscallers.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"
#include "posting/printdata.h"
#include "posting/printvars.h"
#include "warehouse/kcdbgrids.h"
#include "warehouse/modidate.h"
#include "warehouse/stockdocs.h"
#include "warehouse/stocktabs.h"
#include "warehouse/stockviews.h"
#include <QAction>
#include <QDate>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

using namespace kcdb_detail;

namespace {

// Columns of the lines of a pending or approved transfer.
const std::initializer_list<std::array<const char*, 3>> kKcdbLineGridColumns
    = { { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "160" }, { "db_dj", "单价", "70" },
          { "db_sj", "售价", "70" }, { "db_sl", "数量", "60" }, { "db_zje", "总金额", "90" },
          { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "90" }, { "color_name", "颜色", "60" } };

// Columns of the colour-by-size views of both tabs.
const std::initializer_list<std::array<const char*, 3>> kKcdbSizeColumns = { { "db_dbrq", "开单日期", "110" },
    { "gl_djh", "单据号", "120" }, { "ck_name", "调出仓库", "80" }, { "ck_name2", "调入仓库", "80" },
    { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "140" }, { "gg_name", "款型说明", "80" },
    { "color_name", "颜色", "60" }, { "cm_name", "尺码", "60" }, { "t_sl", "数量", "60" }, { "dw_name", "单位", "50" },
    { "g_sccs", "品牌厂家", "90" }, { "a_name", "操作员", "70" } };

} // namespace

void TF_Kcdb::BuildPendingTab()
{
    cxGrid2View = KcdbGrid(cxTab2, "cxGrid2View", QStringLiteral("D_Kcdbsh"),
        { { "gl_djh", "单据号", "120" }, { "dcck", "调出仓库", "90" }, { "drck", "调入仓库", "90" },
            { "db_dbrq", "调拨日期", "120" }, { "u_name", "经办人", "70" }, { "a_name", "操作员", "70" },
            { "db_note", "备注", "160" } });
    cxGrid3View = KcdbGrid(cxTab2, "cxGrid3View", QStringLiteral("D_Kcdbsh2"), kKcdbLineGridColumns);
    cxGridPdStep2View = KcdbGrid(cxTab2, "cxGridPdStep2View", QStringLiteral("D_PdStep2"), kKcdbSizeColumns);
    BuildStockPendingTab(*this,
        { "“待审核”的库存调拨单只有变成“已审核”状态后，\n才能使库存量、账务等信息发生变化。“已审核”状态\n"
          "的单据不允许再修改，“待审核”的允许修改。",
            "单据相关信息：", "调出仓库：", "单据编号：" },
        &TF_Kcdb::btnSearch, &TF_Kcdb::btnSearchClick, "btnSearch");
    DiscardSearchPunctuation(tkey);
    connect(cxGrid2View, &DataGrid::currentRowChanged, this, [this] { setShspList(); });
    connect(cxGrid2View, &DataGrid::rowDoubleClicked, this, [this] { btnViewClick(); });
}

void TF_Kcdb::BuildQueryTab()
{
    auto* v = new QVBoxLayout(cxTab3);
    auto* filters = new QHBoxLayout;
    filters->addWidget(NamedLabel(cxTab3, "查询日期："));
    date1 = MakeDateEdit(cxTab3, "date1");
    filters->addWidget(date1);
    filters->addWidget(NamedLabel(cxTab3, "至"));
    date2 = MakeDateEdit(cxTab3, "date2");
    filters->addWidget(date2);
    filters->addWidget(MakePresetButton(cxTab3, date1, date2, [this] { btnSearch2Click(); }));
    filters->addWidget(NamedLabel(cxTab3, "单据/调出仓库信息："));
    tkey2 = new QLineEdit(cxTab3);
    tkey2->setObjectName(QStringLiteral("tkey2"));
    DiscardSearchPunctuation(tkey2);
    filters->addWidget(tkey2);
    btnSearch2 = NamedButton(cxTab3, "btnSearch2", "查询(F2)", filters);
    AddStockQueryViewChoice(*this, filters);
    v->addLayout(filters);
    v->addLayout(BuildStockQueryButtons(*this, &TF_Kcdb::btnAdvanced, &TF_Kcdb::btnAdvancedClick, "btnAdvanced"));

    cxGridDjbView = KcdbGrid(cxTab3, "cxGridDjbView", QStringLiteral("D_Dbdjb"),
        { { "gl_djh", "单据号", "120" }, { "dcck", "调出仓库", "90" }, { "drck", "调入仓库", "90" },
            { "db_dbrq", "调拨日期", "120" }, { "db_checker", "审核人", "70" }, { "db_chkrq", "审核日期", "90" },
            { "u_name", "经办人", "70" }, { "a_name", "操作员", "70" }, { "db_note", "备注", "160" } });
    cxGridDjb1View = KcdbGrid(cxTab3, "cxGridDjb1View", QStringLiteral("D_Dbdjb1"), kKcdbLineGridColumns);
    cxGridHzbView = KcdbGrid(cxTab3, "cxGridHzbView", QStringLiteral("D_Dbhzb"),
        { { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "160" }, { "sl", "调拨数量", "70" },
            { "zje", "总金额", "90" }, { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "90" },
            { "color_name", "颜色", "60" }, { "g_bz", "备注", "120" } });
    cxGridHzb1View = KcdbGrid(cxTab3, "cxGridHzb1View", QStringLiteral("D_Dbhzb1"),
        { { "gl_djh", "调拨单号", "120" }, { "g_sn", "商品编号", "90" }, { "db_dj", "单价", "70" },
            { "db_sj", "售价", "70" }, { "db_sl", "调拨数量", "70" }, { "db_zje", "总金额", "90" },
            { "dcck", "调出仓库", "80" }, { "drck", "调入仓库", "80" }, { "db_dbrq", "调拨日期", "110" },
            { "db_checker", "审核人", "70" }, { "db_chkrq", "审核日期", "90" }, { "u_name", "经办人", "70" },
            { "a_name", "操作员", "70" }, { "db_note", "备注", "120" } });
    cxGridMxbView = KcdbGrid(cxTab3, "cxGridMxbView", QStringLiteral("D_Dbmxb"),
        { { "gl_djh", "调拨单号", "120" }, { "db_dbrq", "调拨日期", "110" }, { "g_sn", "商品编号", "90" },
            { "g_name", "商品名称", "140" }, { "gg_name", "款型说明", "80" }, { "dcck", "调出仓库", "80" },
            { "drck", "调入仓库", "80" }, { "db_dj", "单价", "70" }, { "db_sj", "售价", "70" },
            { "db_sl", "调拨数量", "70" }, { "db_zje", "总金额", "90" }, { "db_checker", "审核人", "70" },
            { "db_chkrq", "审核日期", "90" }, { "u_name", "经办人", "70" }, { "a_name", "操作员", "70" },
            { "db_note", "备注", "120" } });
    cxGridPdStep1View = KcdbGrid(cxTab3, "cxGridPdStep1View", QStringLiteral("D_PdStep1"), kKcdbSizeColumns);
    BuildStockQueryViews(*this, v, "单据详细信息：", "单据详细信息：");

    connect(btnSearch2, &QPushButton::clicked, this, &TF_Kcdb::btnSearch2Click);
    connect(cxGridDjbView, &DataGrid::currentRowChanged, this, [this] { setDbdjb2(); });
    connect(cxGridHzbView, &DataGrid::currentRowChanged, this, [this] { setDbhzb2(); });
    for (DataGrid* g : { cxGridDjbView, cxGridHzbView, cxGridMxbView })
        connect(g, &DataGrid::rowDoubleClicked, this, [this] { btnView2Click(); });
}

// ---------------------------------------------------------------- pending tab

QString TF_Kcdb::BindingCondition(const QString& outAlias, const QString& inAlias) const
{
    // A bound operator sees the transfers out of or into his warehouses.
    if (StockBoundOperator().isEmpty())
        return QString();
    const QString code = SafeSqlText(CurrentAdminSn);
    return QStringLiteral(" and (") + outAlias + QStringLiteral(".ck_asn like '%") + code + QStringLiteral("%' or ")
        + inAlias + QStringLiteral(".ck_asn like '%") + code + QStringLiteral("%') ");
}

void TF_Kcdb::btnSearchClick()
{
    const QString key = SafeSqlText(tkey->text().trimmed());
    const QString goods = SafeSqlText(tgname->text().trimmed());
    const QString warehouse = comCk2->currentIndex() < 0 ? QStringLiteral("-1") : comCk2->Code(comCk2->currentIndex());
    const QString like = QStringLiteral(" like '%") + key + QStringLiteral("%'");
    if (rDjb->isChecked()) {
        QString sql = QStringLiteral("select a.*,b.ck_name as drck,c.ck_name as dcck,d.u_name from jxc_kcdbd a "
                                     "left join jxc_ckxx b on a.ck_in=b.ck_sn left join jxc_ckxx c on a.ck_out=c.ck_sn "
                                     "left join jxc_user d on a.u_sn=d.u_sn where a.db_status=0 ")
            + BindingCondition(QStringLiteral("c"), QStringLiteral("b"));
        if (warehouse != QLatin1String("-1"))
            sql += QStringLiteral(" and a.ck_out='") + SafeSqlText(warehouse) + QStringLiteral("' ");
        sql += QStringLiteral(" and (a.gl_djh") + like + QStringLiteral(" or a.db_note") + like
            + QStringLiteral(" or a.ck_out") + like + QStringLiteral(" or a.ck_in") + like
            + QStringLiteral(" or b.ck_jm") + like + QStringLiteral(" or b.ck_name") + like
            + QStringLiteral(" or c.ck_jm") + like + QStringLiteral(" or c.ck_name") + like
            + QStringLiteral(") order by a.gl_djh");
        KcdbOpen(Q_Kcdbsh, sql);
        setShspList();
        return;
    }
    QString sql = QStringLiteral(
                      "select distinct a.*,c.db_dbrq,d.g_name,d.g_jm,d.gg_name,d.dw_name,d.g_sccs,e.ck_name,f.ck_name "
                      "as ck_name2,"
                      "g.cm_name,h.color_name,a.t_sl*b.db_dj as zje from jxc_dbspmx a inner join jxc_dbsp b on "
                      "a.g_sn=b.g_sn and "
                      "a.tid=b.tid inner join jxc_kcdbd c on a.gl_djh=c.gl_djh left join jxc_goods d on a.g_sn=d.g_sn "
                      "left join jxc_ckxx e on c.ck_out=e.ck_sn left join jxc_ckxx f on c.ck_in=f.ck_sn "
                      "left join jxc_cm g on a.cm_sn=g.cm_sn left join jxc_color h on a.color_sn=h.color_sn where "
                      "c.db_status=0 ")
        + WarehouseBindingCondition(QStringLiteral("e"));
    if (warehouse != QLatin1String("-1"))
        sql += QStringLiteral(" and c.ck_out='") + SafeSqlText(warehouse) + QStringLiteral("' ");
    if (!key.isEmpty())
        sql += QStringLiteral(" and a.gl_djh") + like + QStringLiteral(" ");
    sql += QStringLiteral(" and (d.g_sn like '%") + goods + QStringLiteral("%' or d.g_name like '%") + goods
        + QStringLiteral("%' or d.g_jm like '%") + goods
        + QStringLiteral("%') order by a.gl_djh,a.g_sn,a.cm_sn,a.color_sn,a.t_sl,a.id");
    KcdbOpen(Q_PdStep2, sql);
}

void TF_Kcdb::rDjbClick()
{
    const bool list = rDjb->isChecked();
    pendingViews->setCurrentIndex(list ? 0 : 1);
    lgname->setVisible(!list);
    tgname->setVisible(!list);
    btnSearchClick();
}

QString TF_Kcdb::SelectedPendingNo() const
{
    return GridRowNumber(Q_Kcdbsh, cxGrid2View);
}

void TF_Kcdb::setShspList()
{
    const QString number = SelectedPendingNo();
    const bool rows = !number.isEmpty();
    for (QWidget* w : std::initializer_list<QWidget*> { btnAdd2, btnModi2, btnDel2 })
        w->setEnabled(rows);
    ldjh->setText(number);
    if (!rows) {
        Q_Kcdbsh2.Close();
        return;
    }
    AtGridRow(Q_Kcdbsh, cxGrid2View);
    KcdbOpen(Q_Kcdbsh2, kKcdbLines, { { QStringLiteral("n"), number } });
}

void TF_Kcdb::ReopenPending(const QString& number)
{
    RequeryOnNumber(Q_Kcdbsh, cxGrid2View, number);
    setShspList();
}

void TF_Kcdb::btnViewClick()
{
    if (!OnStockDocList(rDjb))
        return;
    const QString number = SelectedPendingNo();
    if (!number.isEmpty())
        ShowStored(number);
}

void TF_Kcdb::btnDeleClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !OnStockDocList(rDjb))
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除“待审核”单据吗！")) != Prompt::Answer::Yes)
        return;
    DeletePendingDocument(kind.doc, number);
    ReopenPending(QString());
}

void TF_Kcdb::btnPrin2Click()
{
    if (SelectedPendingNo().isEmpty() || !OnStockDocList(rDjb))
        return;
    PrintGridList(kind.pendingTemplate, kind.pendingDataset, *cxGrid2View);
}

void TF_Kcdb::checkDj(const QString& number)
{
    ApproveStockDocument(kind, number);
}

void TF_Kcdb::btnRChkClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btnRChk->isEnabled())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要审核当前选中的单据吗！")) != Prompt::Answer::Yes)
        return;
    const QString answer = CheckApproveAllowed(number, Q_Kcdbsh.AsString(kind.doc.dateColumn).left(10));
    if (answer != QLatin1String("ok"))
        Prompt::Info(answer);
    else
        checkDj(number);
    ReopenPending(QString());
}

void TF_Kcdb::btnCheckAllClick()
{
    if (!OnStockDocList(rDjb) || !Q_Kcdbsh.Active() || Q_Kcdbsh.IsEmpty())
        return;
    if (ApproveStockPendingList(Q_Kcdbsh, kind.doc.dateColumn, [this](const QString& n) { checkDj(n); }))
        ReopenPending(QString());
}

void TF_Kcdb::btnExportClick()
{
    ExportShownGrid(rDjb->isChecked() ? cxGrid2View : cxGridPdStep2View);
}

void TF_Kcdb::btnDateClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btnDate->isEnabled() || !OnStockDocList(rDjb))
        return;
    AtGridRow(Q_Kcdbsh, cxGrid2View);
    const QString moved = ChangePendingStockDate(
        this, kind, number, Q_Kcdbsh.AsString(kind.doc.dateColumn), Q_Kcdbsh.AsString(kind.noteColumn));
    if (!moved.isEmpty())
        ReopenPending(moved);
}

void TF_Kcdb::btnAdd2Click()
{
    if (SelectedPendingNo().isEmpty())
        return;
    const QString lineNo = SelectedPendingNo();
    AddPendingStockLines(QStringLiteral("TF_Kcdb_Add"), kind);
    ReopenPending(lineNo);
}

void TF_Kcdb::btnModi2Click()
{
    ModifyPendingStockLine(
        Q_Kcdbsh2, cxGrid3View, QStringLiteral("TF_Kcdb_Sele"), QStringLiteral("modish"), kind.pendingTag, kind.tag);
}

void TF_Kcdb::btnDel2Click()
{
    // The last line takes its document with it.
    if (DeletePendingStockLine(Q_Kcdbsh2, cxGrid3View, kind.doc, SelectedPendingNo()))
        ReopenPending(QString());
}

void TF_Kcdb::linkMxClick()
{
    ShowStockLineDetail(Q_Kcdbsh2, cxGrid3View, kind.doc.detail);
}

// ---------------------------------------------------------------- query tab

void TF_Kcdb::cxPageChange()
{
    if (cxPage->currentWidget() == cxTab2) {
        btnSearchClick();
        return;
    }
    if (cxPage->currentWidget() != cxTab3)
        return;
    SetPeriod(date1, date2, CurrentMonth(Clock::Today()));
    if (!rDjb2->isChecked()) {
        rDjb2->setChecked(true);
        setQueryView(0);
        return;
    }
    btnSearch2Click();
}

int TF_Kcdb::QueryView() const
{
    return rHzb2->isChecked() ? 1 : rMxb2->isChecked() ? 2 : rYscm2->isChecked() ? 3 : 0;
}

void TF_Kcdb::setQueryView(int view)
{
    queryViews->setCurrentIndex(view);
    lgname2->setVisible(view == 3);
    tgname2->setVisible(view == 3);
    QueryOutWarehouseSn.clear();
    QueryInWarehouseSn.clear();
    QueryHandlerSn.clear();
    btnSearch2Click();
}

QString TF_Kcdb::QueryConditions(bool keyword) const
{
    QString sql = QStringLiteral(" and ") + PeriodCondition(QStringLiteral("a.db_dbrq"), date1->date(), date2->date());
    if (!QueryOutWarehouseSn.isEmpty())
        sql += QStringLiteral(" and a.ck_out='") + SafeSqlText(QueryOutWarehouseSn) + QStringLiteral("'");
    if (!QueryInWarehouseSn.isEmpty())
        sql += QStringLiteral(" and a.ck_in='") + SafeSqlText(QueryInWarehouseSn) + QStringLiteral("'");
    if (!QueryHandlerSn.isEmpty())
        sql += QStringLiteral(" and a.u_sn='") + SafeSqlText(QueryHandlerSn) + QStringLiteral("'");
    if (keyword) {
        const QString like = QStringLiteral(" like '%") + SafeSqlText(tkey2->text().trimmed()) + QStringLiteral("%'");
        sql += QStringLiteral(" and (a.gl_djh") + like + QStringLiteral(" or a.ck_out") + like
            + QStringLiteral(" or c.ck_name") + like + QStringLiteral(")");
    }
    return sql + BindingCondition(QStringLiteral("c"), QStringLiteral("b"));
}

void TF_Kcdb::btnSearch2Click()
{
    const QString heads = QStringLiteral(
        "from jxc_kcdbd a left join jxc_ckxx b on a.ck_in=b.ck_sn left join jxc_ckxx c on a.ck_out=c.ck_sn "
        "left join jxc_user d on a.u_sn=d.u_sn ");
    switch (QueryView()) {
    case 0:
        KcdbOpen(Q_Dbdjb,
            QStringLiteral("select a.*,b.ck_name as drck,c.ck_name as dcck,d.u_name ") + heads
                + QStringLiteral("where a.db_status=1") + QueryConditions(true)
                + QStringLiteral(" order by a.gl_djh desc"));
        setDbdjb2();
        break;
    case 1:
        KcdbOpen(Q_Dbhzb,
            QStringLiteral("select x.g_sn,max(g.g_name) as g_name,max(g.dw_name) as dw_name,max(g.gg_name) as gg_name,"
                           "max(g.color_name) as color_name,max(g.g_sccs) as g_sccs,max(g.g_bz) as g_bz,"
                           "sum(x.db_sl) as sl,sum(x.db_zje) as zje from jxc_dbsp x inner join jxc_kcdbd a on "
                           "x.gl_djh=a.gl_djh left join jxc_ckxx b on a.ck_in=b.ck_sn left join jxc_ckxx c on "
                           "a.ck_out=c.ck_sn left join jxc_goods g on x.g_sn=g.g_sn where a.db_status=1")
                + QueryConditions(true) + QStringLiteral(" group by x.g_sn order by x.g_sn"));
        setDbhzb2();
        break;
    case 2:
        KcdbOpen(Q_Dbmxb,
            QStringLiteral("select x.*,a.db_dbrq,a.db_checker,a.db_chkrq,a.db_note,a.u_sn,b.ck_name as drck,"
                           "c.ck_name as dcck,d.u_name,g.g_name,g.gg_name from jxc_kcdbd a inner join jxc_dbsp x on "
                           "x.gl_djh=a.gl_djh left join jxc_ckxx b on a.ck_in=b.ck_sn left join jxc_ckxx c on "
                           "a.ck_out=c.ck_sn left join jxc_user d on a.u_sn=d.u_sn left join jxc_goods g on "
                           "x.g_sn=g.g_sn where a.db_status=1")
                + QueryConditions(true) + QStringLiteral(" order by a.id desc,x.id"));
        break;
    default: {
        const QString key = SafeSqlText(tkey2->text().trimmed());
        const QString goods = SafeSqlText(tgname2->text().trimmed());
        KcdbOpen(Q_PdStep1,
            QStringLiteral("select distinct a.*,c.db_dbrq,d.g_name,d.g_jm,d.gg_name,d.dw_name,d.g_sccs,e.ck_name,"
                           "f.ck_name as ck_name2,g.cm_name,h.color_name,a.t_sl*b.db_dj as zje from jxc_dbspmx a "
                           "inner join jxc_dbsp b on a.g_sn=b.g_sn and a.tid=b.tid inner join jxc_kcdbd c on "
                           "a.gl_djh=c.gl_djh left join jxc_goods d on a.g_sn=d.g_sn left join jxc_ckxx e on "
                           "c.ck_out=e.ck_sn left join jxc_ckxx f on c.ck_in=f.ck_sn left join jxc_cm g on "
                           "a.cm_sn=g.cm_sn left join jxc_color h on a.color_sn=h.color_sn where c.db_status=1 ")
                + WarehouseBindingCondition(QStringLiteral("e")) + QStringLiteral(" and (a.gl_djh like '%") + key
                + QStringLiteral("%' or c.ck_out like '%") + key + QStringLiteral("%' or e.ck_name like '%") + key
                + QStringLiteral("%') and (d.g_sn like '%") + goods + QStringLiteral("%' or d.g_name like '%") + goods
                + QStringLiteral("%' or d.g_jm like '%") + goods
                + QStringLiteral("%') order by a.gl_djh,a.g_sn,a.cm_sn,a.color_sn,a.t_sl,a.id"));
        break;
    }
    }
}

void TF_Kcdb::setDbdjb2()
{
    if (!AtGridRow(Q_Dbdjb, cxGridDjbView)) {
        Q_Dbdjb1.Close();
        ldjh2->clear();
        return;
    }
    const QString number = Q_Dbdjb.AsString(QStringLiteral("gl_djh"));
    ldjh2->setText(number);
    KcdbOpen(Q_Dbdjb1, kKcdbLines, { { QStringLiteral("n"), number } });
}

void TF_Kcdb::setDbhzb2()
{
    if (!AtGridRow(Q_Dbhzb, cxGridHzbView)) {
        Q_Dbhzb1.Close();
        lgname3->clear();
        return;
    }
    lgname3->setText(Q_Dbhzb.AsString(QStringLiteral("g_name")));
    KcdbOpen(Q_Dbhzb1,
        QStringLiteral("select a.*,x.g_sn,x.db_sl,x.db_dj,x.db_zje,x.db_sj,b.ck_name as drck,c.ck_name as dcck,"
                       "d.u_name from jxc_kcdbd a inner join jxc_dbsp x on x.gl_djh=a.gl_djh left join jxc_ckxx b on "
                       "a.ck_in=b.ck_sn left join jxc_ckxx c on a.ck_out=c.ck_sn left join jxc_user d on "
                       "a.u_sn=d.u_sn where a.db_status=1 and x.g_sn=:g")
            + QueryConditions(false) + QStringLiteral(" order by a.id desc"),
        { { QStringLiteral("g"), Q_Dbhzb.AsString(QStringLiteral("g_sn")) } });
}

void TF_Kcdb::btnView2Click()
{
    QString number;
    switch (QueryView()) {
    case 0:
        if (AtGridRow(Q_Dbdjb, cxGridDjbView))
            number = Q_Dbdjb.AsString(QStringLiteral("gl_djh"));
        break;
    case 1:
        if (AtGridRow(Q_Dbhzb1, cxGridHzb1View))
            number = Q_Dbhzb1.AsString(QStringLiteral("gl_djh"));
        break;
    case 2:
        if (AtGridRow(Q_Dbmxb, cxGridMxbView))
            number = Q_Dbmxb.AsString(QStringLiteral("gl_djh"));
        break;
    default:
        break;
    }
    if (!number.isEmpty())
        ShowStored(number);
}

void TF_Kcdb::btnAdvancedClick()
{
    if (QueryView() == 3)
        return;
    SelectedLineId.clear();
    TF_Kcdb_Cx dialog(this);
    dialog.ShowModal();
    if (SelectedLineId.isEmpty())
        return;
    SelectedLineId.clear();
    QueryOutWarehouseSn = ChosenFilterCode(*dialog.comCkOut);
    QueryInWarehouseSn = ChosenFilterCode(*dialog.comCkIn);
    QueryHandlerSn = ChosenFilterCode(*dialog.comUser);
    btnSearch2Click();
}

void TF_Kcdb::btnUnapproveClick()
{
    if (QueryView() != 0) {
        Prompt::Info(QStringLiteral("取消审核操作只能在“单据表”进行。"));
        return;
    }
    if (!Q_Dbdjb.Active() || Q_Dbdjb.IsEmpty())
        return;
    UnapproveResult.clear();
    kind.unapprove(Q_Dbdjb.AsString(QStringLiteral("gl_djh")));
    if (UnapproveResult == QLatin1String("ok")) {
        Q_Dbdjb.Requery();
        setDbdjb2();
    }
}

void TF_Kcdb::btnPrin3Click()
{
    const int view = QueryView();
    if (view == 3)
        return;
    const DataGrid* grids[] = { cxGridDjbView, cxGridHzbView, cxGridMxbView };
    PrintGridList(kind.listTemplates[view], kind.listDatasets[view], *grids[view],
        { { QStringLiteral("date1"), date1->date().toString(QStringLiteral("yyyy-MM-dd")) },
            { QStringLiteral("date2"), date2->date().toString(QStringLiteral("yyyy-MM-dd")) } });
}

void TF_Kcdb::btnExport2Click()
{
    const DataGrid* grids[] = { cxGridDjbView, cxGridHzbView, cxGridMxbView, cxGridPdStep1View };
    ExportShownGrid(grids[QueryView()]);
}

void TF_Kcdb::linkMx2Click()
{
    ShowStockLineDetail(Q_Dbdjb1, cxGridDjb1View, kind.doc.detail);
}

// ---------------------------------------------------------------- advanced query

TF_Kcdb_Cx::TF_Kcdb_Cx(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Kcdb_Cx"));
    setWindowTitle(QStringLiteral("库存调拨高级查询"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(NamedLabel(this, "调出仓库："), 0, 0);
    comCkOut = new KeyedCombo(this);
    comCkOut->setObjectName(QStringLiteral("comCkOut"));
    grid->addWidget(comCkOut, 0, 1);
    grid->addWidget(NamedLabel(this, "调入仓库："), 1, 0);
    comCkIn = new KeyedCombo(this);
    comCkIn->setObjectName(QStringLiteral("comCkIn"));
    grid->addWidget(comCkIn, 1, 1);
    grid->addWidget(NamedLabel(this, "经 办 人："), 2, 0);
    comUser = new KeyedCombo(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    grid->addWidget(comUser, 2, 1);
    auto* bar = new QHBoxLayout;
    btnOK = NamedButton(this, "btnOK", "确定(F5)", bar);
    btnExit = NamedButton(this, "btnExit", "退出(Esc)", bar);
    grid->addLayout(bar, 3, 0, 1, 2);
    connect(btnOK, &QPushButton::clicked, this, &TF_Kcdb_Cx::btnOKClick);
    connect(btnExit, &QPushButton::clicked, this, &TF_Kcdb_Cx::btnExitClick);
}

void TF_Kcdb_Cx::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    FillWarehouseChoice(*comCkOut);
    FillWarehouseChoice(*comCkIn);
    FillStaffCombo(*comUser, QStringLiteral("u_kc"), QStringLiteral("所有经办人"));
    for (KeyedCombo* c : { comCkOut, comCkIn, comUser })
        c->setCurrentIndex(c->count() > 0 ? 0 : -1);
}

void TF_Kcdb_Cx::btnOKClick()
{
    SelectedLineId = QStringLiteral("1");
    close();
}

void TF_Kcdb_Cx::btnExitClick()
{
    close();
}

void TF_Kcdb_Cx::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F5) {
        btnOKClick();
        return;
    }
    Form::keyPressEvent(e);
}
