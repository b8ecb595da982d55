#include "production/prodparts.h"
#include "production/prodwindow.h"

#include "documents/docdrafts.h"
#include "documents/entryparts.h"
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
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"
#include "posting/printdata.h"
#include "posting/printvars.h"
#include "production/prodrules.h"
#include "warehouse/kcdbgrids.h"
#include "warehouse/stockdocs.h"

#include <QAction>
#include <QDate>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

using kcdb_detail::KcdbOpen;
using posting::Params;
using namespace prod_detail;

void ProdDocWindow::BuildQueryTab()
{
    auto* v = new QVBoxLayout(cxTab3);
    auto* row = new QHBoxLayout;
    row->addWidget(NamedLabel(cxTab3, "查询日期："));
    date1 = MakeDateEdit(cxTab3, "date1");
    row->addWidget(date1);
    row->addWidget(NamedLabel(cxTab3, "至"));
    date2 = MakeDateEdit(cxTab3, "date2");
    row->addWidget(date2);
    row->addWidget(new QLabel(kind.deptLabel, cxTab3));
    tDept2 = new QLineEdit(cxTab3);
    tDept2->setObjectName(QStringLiteral("tDept2"));
    row->addWidget(tDept2);
    QPushButton* pick = NamedButton(cxTab3, "btnBm2", "…", row);
    pick->setFixedWidth(30);
    lkey2 = NamedLabel(cxTab3, "单号信息：", "lkey2");
    row->addWidget(lkey2);
    tkey2 = new QLineEdit(cxTab3);
    tkey2->setObjectName(QStringLiteral("tkey2"));
    row->addWidget(tkey2);
    QPushButton* search = NamedButton(cxTab3, "btnSearch3", "查询(F2)", row);
    v->addLayout(row);
    auto* viewRow = new QHBoxLayout;
    QStringList names { QStringLiteral("单据表"), QStringLiteral("汇总表"), QStringLiteral("明细表") };
    if (kind.dept && kind.sign > 0)
        names << QStringLiteral("部门表");
    if (kind.sign > 0)
        names << QStringLiteral("颜色尺码");
    for (int i = 0; i < names.size(); ++i) {
        auto* r = new QRadioButton(names[i], cxTab3);
        r->setObjectName(QStringLiteral("rView%1").arg(i));
        views << r;
        viewRow->addWidget(r);
        connect(r, &QRadioButton::clicked, this, [this, i] { setQueryView(i); });
    }
    views[0]->setChecked(true);
    viewRow->addStretch(1);
    QPushButton* view = NamedButton(cxTab3, "btnView3", "查看单据", viewRow);
    btnPrin3 = NamedButton(cxTab3, "btnPrin3", "打印", viewRow);
    QPushButton* exportList = NamedButton(cxTab3, "btnExport3", "导出", viewRow);
    btnUnapprove = NamedButton(cxTab3, "btnUnapprove", "取消审核", viewRow);
    v->addLayout(viewRow);

    const bool dept = kind.dept;
    const char* date = dept ? (kind.sign > 0 ? "领用日期" : "退回日期") : (kind.sign > 0 ? "生产日期" : "返工日期");
    const char* qty = dept ? (kind.sign > 0 ? "领用数量" : "退回数量") : (kind.sign > 0 ? "生产数量" : "返工数量");
    const char* deptCol = dept ? (kind.sign > 0 ? "领用部门" : "退回部门") : (kind.sign > 0 ? "生产部门" : "返工部门");
    const QString prefix = dept ? QStringLiteral("D_Bmly") : QStringLiteral("D_Scrk");
    queryViews = new QStackedWidget(cxTab3);
    auto* djb = new QWidget;
    auto* dv = new QVBoxLayout(djb);
    cxGridDjbView
        = ProdGrid(djb, "cxGridDjbView", dept ? prefix + QStringLiteral("Djb") : prefix + QStringLiteral("11"),
            { { "gl_djh", "单据号", 120 }, { "rq", date, 120 }, { "zsl", qty, 70 },
                { "zje", dept ? "总成本" : (kind.sign > 0 ? "生产成本" : "返工成本"), 80 }, { "de_name", deptCol, 90 },
                { "ck_name", "仓库名称", 90 }, { "u_name", "经办人", 70 }, { "a_name", "操作员", 70 },
                { "note", "备注", 120 }, { "checker", "审核人", 70 }, { "chkrq", "审核日期", 90 } });
    dv->addWidget(cxGridDjbView, 1);
    cxGridDjb2View
        = ProdGrid(djb, "cxGridDjb2View", dept ? prefix + QStringLiteral("Djb2") : prefix + QStringLiteral("12"),
            { { "gl_djh", "单据号", 120 }, { "g_sn", "商品编号", 90 }, { "g_name", "商品名称", 140 },
                { "gg_name", "款型说明", 90 }, { "color_name", "颜色", 60 }, { "dw_name", "单位", 50 },
                { "dj", "单价", 70 }, { "sl", qty, 70 }, { "zje", "总成本", 80 }, { "bz", "备注", 120 } });
    dv->addWidget(cxGridDjb2View, 1);
    queryViews->addWidget(djb);
    auto* hzb = new QWidget;
    auto* hv = new QVBoxLayout(hzb);
    cxGridHzbView
        = ProdGrid(hzb, "cxGridHzbView", dept ? prefix + QStringLiteral("Hzb") : prefix + QStringLiteral("21"),
            { { "de_name", dept ? (kind.sign > 0 ? "领用单位" : "退回单位") : deptCol, 90 }, { "g_sn", "商品编号", 90 },
                { "g_name", "商品名称", 140 }, { "dw_name", "单位", 50 }, { "gg_name", "款型说明", 90 },
                { "color_name", "颜色", 60 }, { "zsl", "总数量", 70 }, { "zje", "总成本", 80 } });
    hv->addWidget(cxGridHzbView, 1);
    lHzb = NamedLabel(hzb, "单据详细信息：", "lHzb");
    hv->addWidget(lHzb);
    cxGridHzb2View
        = ProdGrid(hzb, "cxGridHzb2View", dept ? prefix + QStringLiteral("Hzb2") : prefix + QStringLiteral("22"),
            { { "gl_djh", "单据号", 120 }, { "rq", date, 120 }, { "de_name", deptCol, 90 }, { "sl", qty, 70 },
                { "dj", "单价", 70 }, { "zje", "总成本", 80 }, { "ck_name", "仓库", 90 }, { "u_name", "经办人", 70 },
                { "a_name", "操作员", 70 }, { "checker", "审核人", 70 }, { "chkrq", "审核日期", 90 },
                { "note", "备注", 120 } });
    hv->addWidget(cxGridHzb2View, 1);
    queryViews->addWidget(hzb);
    cxGridMxbView = ProdGrid(queryViews, "cxGridMxbView",
        dept ? prefix + QStringLiteral("Mxb") : prefix + QStringLiteral("3"),
        { { "gl_djh", "单据号", 120 }, { "rq", date, 120 }, { "g_sn", "商品编号", 90 }, { "g_name", "商品名称", 140 },
            { "dw_name", "单位", 50 }, { "gg_name", "款型说明", 90 }, { "color_name", "颜色", 60 },
            { "gl_dj", "单价", 70 }, { "gl_sl", "数量", 70 }, { "gl_zje", "总成本", 80 }, { "ghs_name", deptCol, 90 },
            { "ck_name", "仓库", 90 }, { "u_name", "经办人", 70 }, { "a_name", "操作员", 70 },
            { "gl_checker", "审核人", 70 }, { "gl_chkrq", "审核日期", 90 }, { "gl_bz", "备注", 120 } });
    queryViews->addWidget(cxGridMxbView);
    if (dept && kind.sign > 0) {
        cxGridBmbView = ProdGrid(queryViews, "cxGridBmbView", QStringLiteral("D_GhsDjFk"),
            { { "de_name", "领用单位", 120 }, { "zsl", "总数量", 80 }, { "zje", "总成本", 90 } });
        queryViews->addWidget(cxGridBmbView);
    }
    if (kind.sign > 0) {
        cxGridSppcView = ProdGrid(queryViews, "cxGridSppcView", QStringLiteral("D_Sppc"),
            { { "rq", "开单日期", 120 }, { "gl_djh", "单据号", 120 }, { "g_sn", "商品编号", 90 },
                { "g_name", "商品名称", 140 }, { "gg_name", "款型说明", 90 }, { "color_name", "颜色", 60 },
                { "cm_name", "尺码", 60 }, { "glsl", "数量", 70 }, { "gl_dj", "单价", 70 }, { "zje", "总金额", 80 },
                { "dw_name", "单位", 50 }, { "gc_name", "商品类别", 80 }, { "ck_name", "仓库", 90 },
                { "u_name", "经办人", 70 }, { "ghs_name", "供货商名称", 90 }, { "gl_bz", "商品备注", 100 },
                { "gl_note", "单据备注", 100 } });
        cxGridSppcView->SetFooterSum(cxGridSppcView->ColumnByField(QStringLiteral("glsl")));
        queryViews->addWidget(cxGridSppcView);
    }
    v->addWidget(queryViews, 1);
    auto* menu = new QMenu(this);
    menu->addAction(QStringLiteral("查看单据(&Y)"), this, &ProdDocWindow::btnView3Click);
    btnRUnapprove = menu->addAction(QStringLiteral("取消审核(&Z)"), this, &ProdDocWindow::btnUnapproveClick);
    connect(cxGridDjbView, &DataGrid::rightClicked, this, [menu](const QPoint& at) { menu->popup(at); });
    connect(pick, &QPushButton::clicked, this, [this] { btnDeptClick(2); });
    connect(search, &QPushButton::clicked, this, &ProdDocWindow::btnSearch3Click);
    connect(view, &QPushButton::clicked, this, &ProdDocWindow::btnView3Click);
    connect(btnPrin3, &QPushButton::clicked, this, &ProdDocWindow::btnPrin3Click);
    connect(exportList, &QPushButton::clicked, this, &ProdDocWindow::btnExport3Click);
    connect(btnUnapprove, &QPushButton::clicked, this, &ProdDocWindow::btnUnapproveClick);
    connect(cxGridDjbView, &DataGrid::currentRowChanged, this, [this] { setDjb2(); });
    connect(cxGridHzbView, &DataGrid::currentRowChanged, this, [this] { setHzb2(); });
    connect(cxGridDjbView, &DataGrid::rowDoubleClicked, this, [this] { btnView3Click(); });
    connect(cxGridMxbView, &DataGrid::rowDoubleClicked, this, [this] { btnView3Click(); });
}

void ProdDocWindow::BuildFourthTab()
{
    auto* v = new QVBoxLayout(cxTab4);
    auto* row = new QHBoxLayout;
    row->addWidget(NamedLabel(cxTab4, "开单日期："));
    date3 = MakeDateEdit(cxTab4, "date3");
    row->addWidget(date3);
    row->addWidget(NamedLabel(cxTab4, "至"));
    date4 = MakeDateEdit(cxTab4, "date4");
    row->addWidget(date4);
    const bool issue = kind.sign > 0;
    row->addWidget(NamedLabel(cxTab4, issue ? "单据号/商品信息/备注：" : "单据号/单据备注查询："));
    tkey4 = new QLineEdit(cxTab4);
    tkey4->setObjectName(QStringLiteral("tkey4"));
    row->addWidget(tkey4);
    row->addWidget(NamedLabel(cxTab4, "领用部门："));
    tDept4 = new QLineEdit(cxTab4);
    tDept4->setObjectName(QStringLiteral("tDept4"));
    row->addWidget(tDept4);
    QPushButton* pick = NamedButton(cxTab4, "btnBm4", "…", row);
    pick->setFixedWidth(30);
    tkey4->setMinimumWidth(120);
    tDept4->setMinimumWidth(100);
    QPushButton* search = NamedButton(cxTab4, "btnSearch4", "查询(F2)", row);
    row->addStretch(1);
    if (issue) {
        QPushButton* exportList = NamedButton(cxTab4, "btnExport4", "导出", row);
        QPushButton* view = NamedButton(cxTab4, "btnView4", "查看单据", row);
        QPushButton* prin = NamedButton(cxTab4, "btnPrin4", "打印", row);
        connect(exportList, &QPushButton::clicked, this, &ProdDocWindow::btnExport4Click);
        connect(view, &QPushButton::clicked, this, &ProdDocWindow::btnView4Click);
        connect(prin, &QPushButton::clicked, this, &ProdDocWindow::btnPrin4Click);
    } else {
        QPushButton* whole = NamedButton(cxTab4, "btn_Zdrk4", "整单退回", row);
        QPushButton* off = NamedButton(cxTab4, "btn_Qxck", "取消退回", row);
        QPushButton* exportList = NamedButton(cxTab4, "btnExport4", "导出", row);
        connect(whole, &QPushButton::clicked, this, &ProdDocWindow::btn_Zdrk4Click);
        connect(off, &QPushButton::clicked, this, &ProdDocWindow::btn_QxckClick);
        connect(exportList, &QPushButton::clicked, this, &ProdDocWindow::btnExport4Click);
    }
    v->addLayout(row);
    if (issue) {
        cxGrid4View = ProdGrid(cxTab4, "cxGrid4View", QStringLiteral("D_Bmlycx2"),
            { { "gl_djh", "单据号", 120 }, { "rq", "领用日期", 120 }, { "g_sn", "商品编号", 90 },
                { "g_name", "商品名称", 140 }, { "dw_name", "单位", 50 }, { "gg_name", "款型说明", 90 },
                { "ly_dj", "单价", 70 }, { "ly_sl", "领用数量", 70 }, { "ly_hhsl", "退回数量", 70 },
                { "ly_qxsl", "消耗数量", 70 }, { "ly_zje", "总金额", 80 }, { "u_name", "经办人", 70 },
                { "de_name", "领用部门", 90 }, { "ck_name", "仓库名称", 90 }, { "color_name", "颜色", 60 },
                { "t_ph", "说明", 100 }, { "gl_djh2", "领用单号", 120 }, { "a_name", "操作员", 70 },
                { "ly_checker", "审核人", 70 }, { "ly_chkrq", "审核日期", 90 }, { "ly_note", "单据备注", 120 } });
        v->addWidget(cxGrid4View, 1);
        connect(cxGrid4View, &DataGrid::rowDoubleClicked, this, [this] { btnView4Click(); });
    } else {
        cxGrid4View = ProdGrid(cxTab4, "cxGrid4View", QStringLiteral("D_Bmlycx1"),
            { { "gl_djh", "单据号", 120 }, { "rq", "领用日期", 120 }, { "zsl", "领用数量", 70 },
                { "hhsl", "已退回数量", 80 }, { "dtsl", "剩余数量", 70 }, { "ck_name", "仓库名称", 90 },
                { "de_name", "部门名称", 90 }, { "u_name", "经办人", 70 }, { "a_name", "操作员", 70 },
                { "ly_checker", "审核人", 70 }, { "ly_chkrq", "审核日期", 90 }, { "note", "备注", 120 } });
        v->addWidget(cxGrid4View, 1);
        v->addWidget(NamedLabel(cxTab4, "单据的详细信息："));
        cxGrid5View = ProdGrid(cxTab4, "cxGrid5View", QStringLiteral("D_Bmlycx2"),
            { { "gl_djh", "单据号", 120 }, { "g_sn", "商品编号", 90 }, { "g_name", "商品名称", 140 },
                { "dw_name", "单位", 50 }, { "gg_name", "款型说明", 90 }, { "color_name", "颜色", 60 },
                { "ly_sl", "领用数量", 70 }, { "ly_hhsl", "退回数量", 70 }, { "ly_dj", "单价", 70 },
                { "ly_zje", "总金额", 80 }, { "t_ph", "备注", 120 } });
        v->addWidget(cxGrid5View, 1);
        connect(cxGrid4View, &DataGrid::currentRowChanged, this, [this] { setDjcx(); });
    }
    connect(pick, &QPushButton::clicked, this, [this] { btnDeptClick(3); });
    connect(search, &QPushButton::clicked, this, &ProdDocWindow::btnSearch4Click);
}

// ---------------------------------------------------------------- query tab

int ProdDocWindow::QueryView() const
{
    for (int i = 0; i < views.size(); ++i)
        if (views[i]->isChecked())
            return i;
    return 0;
}

void ProdDocWindow::setQueryView(int view)
{
    queryViews->setCurrentIndex(view);
    if (view == 0)
        lkey2->setText(kind.dept && kind.sign > 0 ? QStringLiteral("单号信息：") : QStringLiteral("单据编号信息："));
    else
        lkey2->setText(kind.dept && kind.sign > 0 ? QStringLiteral("商品信息：") : QStringLiteral("商品名称编号："));
    btnSearch3Click();
}

void ProdDocWindow::btnSearch3Click()
{
    const DocKind& d = kind.Doc();
    const QString c = d.linePrefix;
    const QString dept = tDept2->text().trimmed();
    Params p { { QStringLiteral("f"), kind.sign }, { QStringLiteral("k"), ProdLike(tkey2->text()) } };
    ProdPeriod(date1, date2, p);
    if (!dept.isEmpty())
        p.insert(QStringLiteral("de"), QStringLiteral("%") + dept + QStringLiteral("%"));
    const QString goodsLike = QStringLiteral(" and (%1.g_sn like :k or %1.g_name like :k or %1.g_jm like :k or "
                                             "%1.gg_name like :k)");
    const QString view = views[QueryView()]->text();
    if (view == QStringLiteral("颜色尺码")) {
        p.remove(QStringLiteral("f"));
        if (tkey2->text().trimmed().isEmpty())
            p.remove(QStringLiteral("k"));
        p.insert(QStringLiteral("gf"), kind.dept ? QStringLiteral("ly") : QStringLiteral("sc"));
        const QString binding = ProdBinding(QStringLiteral("d"), p);
        KcdbOpen(F_DataModule->Q(QStringLiteral("Q_Sppc")),
            QStringLiteral("select a.*,c.gc_name,e.g_name,e.gg_name,e.gl_taxdj,e.gl_cbj,e.dw_name,e.gl_note,e.gl_bz,"
                           "e.ghs_name,e.ck_name,e.gl_kdrq as rq,f.cm_name,g.color_name,a.gl_sl as glsl,"
                           "a.gl_sl*a.gl_dj*e.gl_dzl as zje from jxc_goodslistmx a inner join jxc_goodslist e on "
                           "a.gl_djh=e.gl_djh and a.g_sn=e.g_sn and a.tid=e.tid left join jxc_goods b on "
                           "a.g_sn=b.g_sn left join jxc_goodsclass c on b.gc_sn=c.gc_sn left join jxc_ckxx d on "
                           "a.ck_sn=d.ck_sn left join jxc_cm f on a.cm_sn=f.cm_sn left join jxc_color g on "
                           "a.color_sn=g.color_sn where a.gl_flag=:gf and a.gl_kdrq>=:d1 and a.gl_kdrq<:d2")
                + binding + (dept.isEmpty() ? QString() : QStringLiteral(" and e.ghs_name like :de"))
                + (p.contains(QStringLiteral("k"))
                        ? QStringLiteral(" and (b.g_sn like :k or b.g_name like :k or b.g_jm like :k)")
                        : QString())
                + QStringLiteral(" order by a.gl_djh,a.id"),
            p);
        return;
    }
    switch (QueryView()) {
    case 0: {
        const QString binding = ProdBinding(QStringLiteral("e"), p);
        KcdbOpen(Q_Djb,
            QStringLiteral("select a.*,a.%1_rq as rq,a.%1_note as note,a.%2 as zje,a.%1_checker as checker,"
                           "a.%1_chkrq as chkrq,c.de_name,e.ck_name,f.u_name,x.zsl from %3 a left join jxc_dept c on "
                           "a.de_sn=c.de_sn left join jxc_ckxx e on a.ck_sn=e.ck_sn left join jxc_user f on "
                           "a.u_sn=f.u_sn left join (select gl_djh,sum(%1_sl) as zsl from %4 group by gl_djh) x on "
                           "x.gl_djh=a.gl_djh where a.%1_status=1 and a.%1_flag=:f")
                    .arg(c, kind.dept ? QStringLiteral("ly_zje") : QStringLiteral("sc_sfje"), d.header, d.lines)
                + binding + QStringLiteral(" and a.%1_rq>=:d1 and a.%1_rq<:d2 and a.gl_djh like :k").arg(c)
                + (dept.isEmpty() ? QString() : QStringLiteral(" and c.de_name like :de"))
                + QStringLiteral(" order by a.gl_djh desc"),
            p);
        setDjb2();
        break;
    }
    case 1: {
        const QString binding = ProdBinding(QStringLiteral("p"), p);
        KcdbOpen(Q_Hzb,
            QStringLiteral("select g.g_sn,g.g_name,g.dw_name,g.gg_name,g.color_name,g.g_jm,c.de_name,b.de_sn,b.zsl,"
                           "b.zje from (select m.g_sn,n.de_sn,sum(m.%1_sl) as zsl,sum(m.%1_zje) as zje from %2 m "
                           "inner join %3 n on m.gl_djh=n.gl_djh left join jxc_ckxx p on n.ck_sn=p.ck_sn where "
                           "n.%1_flag=:f and n.%1_status=1")
                    .arg(c, d.lines, d.header)
                + binding
                + QStringLiteral(" and n.%1_rq>=:d1 and n.%1_rq<:d2 group by m.g_sn,n.de_sn) b left join jxc_goods g "
                                 "on g.g_sn=b.g_sn left join jxc_dept c on b.de_sn=c.de_sn where 1=1")
                      .arg(c)
                + goodsLike.arg(QStringLiteral("g"))
                      .replace(QStringLiteral("g.g_sn like"), QStringLiteral("b.g_sn like"))
                + (dept.isEmpty() ? QString() : QStringLiteral(" and c.de_name like :de"))
                + QStringLiteral(" order by b.de_sn,b.g_sn"),
            p);
        setHzb2();
        break;
    }
    case 2: {
        p.insert(QStringLiteral("gf"),
            kind.dept ? (kind.sign > 0 ? QStringLiteral("ly") : QStringLiteral("lt"))
                      : (kind.sign > 0 ? QStringLiteral("sc") : QStringLiteral("st")));
        p.remove(QStringLiteral("f"));
        const QString binding = ProdBinding(QStringLiteral("b"), p);
        KcdbOpen(Q_Mxb,
            QStringLiteral("select a.*,a.gl_kdrq as rq from jxc_goodslist a left join jxc_ckxx b on a.ck_sn=b.ck_sn "
                           "where a.gl_flag=:gf")
                + binding + QStringLiteral(" and a.gl_kdrq>=:d1 and a.gl_kdrq<:d2") + goodsLike.arg(QStringLiteral("a"))
                + (dept.isEmpty() ? QString() : QStringLiteral(" and a.ghs_name like :de"))
                + QStringLiteral(" order by a.id desc"),
            p);
        break;
    }
    default: {
        // 部门表 reads no keyword.
        p.remove(QStringLiteral("k"));
        p.remove(QStringLiteral("f"));
        const QString binding = ProdBinding(QStringLiteral("p"), p);
        KcdbOpen(F_DataModule->Q(QStringLiteral("Q_GhsDjFk")),
            QStringLiteral("select c.de_name,b.de_sn,b.zsl,b.zje from (select n.de_sn,sum(m.ly_sl) as zsl,"
                           "sum(m.ly_zje) as zje from jxc_bmlysp m inner join jxc_bmlyd n on m.gl_djh=n.gl_djh left "
                           "join jxc_ckxx p on n.ck_sn=p.ck_sn where n.ly_flag=1 and n.ly_status=1")
                + binding
                + QStringLiteral(" and n.ly_rq>=:d1 and n.ly_rq<:d2 group by n.de_sn) b left join jxc_dept c on "
                                 "b.de_sn=c.de_sn where 1=1")
                + (dept.isEmpty() ? QString() : QStringLiteral(" and c.de_name like :de"))
                + QStringLiteral(" order by b.de_sn"),
            p);
        break;
    }
    }
}

void ProdDocWindow::setDjb2()
{
    if (!ProdAt(cxGridDjbView, Q_Djb)) {
        Q_Djb2.Close();
        return;
    }
    const DocKind& d = kind.Doc();
    KcdbOpen(Q_Djb2,
        QStringLiteral("select a.*,a.%1_sl as sl,a.%1_dj as dj,a.%1_zje as zje,a.%2 as bz,b.g_name,b.dw_name,"
                       "b.gg_name,b.color_name from %3 a left join jxc_goods b on a.g_sn=b.g_sn where a.gl_djh=:n "
                       "order by a.id")
            .arg(d.linePrefix, kind.dept ? QStringLiteral("t_ph") : QStringLiteral("sc_bz"), d.lines),
        { { QStringLiteral("n"), Q_Djb.AsString(QStringLiteral("gl_djh")) } });
}

void ProdDocWindow::setHzb2()
{
    if (!ProdAt(cxGridHzbView, Q_Hzb)) {
        Q_Hzb2.Close();
        lHzb->setText(QStringLiteral("单据详细信息："));
        return;
    }
    lHzb->setText(QStringLiteral("单据详细信息：") + Q_Hzb.AsString(QStringLiteral("de_name")) + QStringLiteral("--")
        + Q_Hzb.AsString(QStringLiteral("g_name")));
    const DocKind& d = kind.Doc();
    const QString c = d.linePrefix;
    Params p { { QStringLiteral("f"), kind.sign }, { QStringLiteral("g"), Q_Hzb.AsString(QStringLiteral("g_sn")) },
        { QStringLiteral("de"), Q_Hzb.AsString(QStringLiteral("de_sn")) } };
    ProdPeriod(date1, date2, p);
    const QString binding = ProdBinding(QStringLiteral("c"), p);
    // The requisition's lines include pending documents; the production kinds' do not.
    KcdbOpen(Q_Hzb2,
        QStringLiteral("select a.*,a.%1_sl as sl,a.%1_dj as dj,a.%1_zje as zje,b.%1_rq as rq,b.%1_note as note,"
                       "e.de_name,b.%1_checker as checker,b.%1_chkrq as chkrq,c.ck_name,d.u_name from %2 a inner join "
                       "%3 b on a.gl_djh=b.gl_djh left join jxc_ckxx c on b.ck_sn=c.ck_sn left join jxc_user d on "
                       "b.u_sn=d.u_sn left join jxc_dept e on b.de_sn=e.de_sn where b.%1_flag=:f and a.g_sn=:g")
                .arg(c, d.lines, d.header)
            + binding + (kind.dept ? QString() : QStringLiteral(" and b.sc_status=1"))
            + QStringLiteral(" and b.%1_rq>=:d1 and b.%1_rq<:d2 and b.de_sn=:de order by a.id").arg(c),
        p);
}

void ProdDocWindow::btnView3Click()
{
    QString number;
    switch (QueryView()) {
    case 0:
        if (ProdAt(cxGridDjbView, Q_Djb))
            number = Q_Djb.AsString(QStringLiteral("gl_djh"));
        break;
    case 1:
        if (ProdAt(cxGridHzb2View, Q_Hzb2))
            number = Q_Hzb2.AsString(QStringLiteral("gl_djh"));
        break;
    case 2:
        if (ProdAt(cxGridMxbView, Q_Mxb))
            number = Q_Mxb.AsString(QStringLiteral("gl_djh"));
        break;
    default:
        break;
    }
    if (!number.isEmpty())
        ShowStored(number);
}

void ProdDocWindow::btnUnapproveClick()
{
    if (!btnUnapprove->isEnabled())
        return;
    if (QueryView() != 0) {
        Prompt::Info(QStringLiteral("批量取消只能在单据表进行！")
            + (kind.dept ? QString() : QStringLiteral("\r\n\r\n（如需取消审核某个单据，请按右键！）")));
        return;
    }
    if (!ProdAt(cxGridDjbView, Q_Djb))
        return;
    UnapproveResult.clear();
    kind.stock.unapprove(Q_Djb.AsString(QStringLiteral("gl_djh")));
    if (UnapproveResult == QLatin1String("ok"))
        btnSearch3Click();
}

void ProdDocWindow::btnPrin3Click()
{
    const int view = QueryView();
    DataGrid* grids[] = { cxGridDjbView, cxGridHzbView, cxGridMxbView, cxGridBmbView };
    // The colour-by-size view has no template.
    if (view > 3 || !grids[view] || grids[view]->RowCount() == 0 || views[view]->text() == QStringLiteral("颜色尺码"))
        return;
    const ReportVariables vars { { QStringLiteral("date1"), date1->date().toString(QStringLiteral("yyyy-MM-dd")) },
        { QStringLiteral("date2"), date2->date().toString(QStringLiteral("yyyy-MM-dd")) } };
    const QString file = view < 3 ? kind.stock.listTemplates.value(view) : QStringLiteral("bmlyhzbbm.fr3");
    const QString dataset = view < 3 ? kind.stock.listDatasets.value(view) : QStringLiteral("bmlyhzbbm");
    PrintGridList(ProgramFolder::File(QStringLiteral("report/") + file), dataset, *grids[view], vars);
}

void ProdDocWindow::btnExport3Click()
{
    const int view = QueryView();
    DataGrid* grids[] = { cxGridDjbView, cxGridHzbView, cxGridMxbView, cxGridBmbView };
    // The colour-by-size view is not written.
    if (view > 3 || !grids[view] || grids[view]->RowCount() == 0 || views[view]->text() == QStringLiteral("颜色尺码"))
        return;
    // The requisition's query writes the older format only.
    ExportGridList(*grids[view], kind.dept && kind.sign > 0);
}

// ---------------------------------------------------------------- fourth tab

void ProdDocWindow::btnSearch4Click()
{
    if (!cxTab4)
        return;
    const QString dept = tDept4->text().trimmed();
    Params p { { QStringLiteral("k"), ProdLike(tkey4->text()) } };
    ProdPeriod(date3, date4, p);
    if (!dept.isEmpty())
        p.insert(QStringLiteral("de"), QStringLiteral("%") + dept + QStringLiteral("%"));
    const QString binding = ProdBinding(QStringLiteral("e"), p);
    const QString deptCond = dept.isEmpty() ? QString() : QStringLiteral(" and c.de_name like :de");
    if (kind.sign > 0) {
        KcdbOpen(F_DataModule->Q(QStringLiteral("Q_Bmlycx2")),
            QStringLiteral(
                "select a.ly_rq as rq,a.ly_checker,a.ly_chkrq,a.ly_note,c.de_name,e.ck_name,f.u_name,"
                "b.gl_djh,b.g_sn,b.ly_sl,b.ly_hhsl,b.ly_qxsl,b.ly_dj,b.ly_zje,b.gl_djh2,b.a_name,b.t_ph,b.id,"
                "a.id as rid,d.g_name,d.dw_name,d.color_name,d.gg_name from jxc_bmlyd a inner join "
                "jxc_bmlysp b on a.gl_djh=b.gl_djh left join jxc_dept c on a.de_sn=c.de_sn left join "
                "jxc_goods d on b.g_sn=d.g_sn left join jxc_ckxx e on a.ck_sn=e.ck_sn left join jxc_user f "
                "on a.u_sn=f.u_sn where a.ly_flag=1 and a.ly_status=1 and a.ly_rq>=:d1 and a.ly_rq<:d2 and "
                "(a.gl_djh like :k or a.ly_note like :k or d.g_sn like :k or d.g_jm like :k or d.g_name "
                "like :k)")
                + binding + deptCond + QStringLiteral(" order by a.ly_rq desc,b.gl_djh desc,b.id"),
            p);
        return;
    }
    KcdbOpen(F_DataModule->Q(QStringLiteral("Q_Bmlycx1")),
        QStringLiteral("select a.*,a.ly_rq as rq,a.ly_note as note,c.de_name,d.zsl,d.hhsl,d.zsl-d.hhsl as dtsl,"
                       "e.ck_name,f.u_name from jxc_bmlyd a inner join (select n.gl_djh,sum(m.ly_sl) as zsl,"
                       "sum(m.ly_hhsl) as hhsl from jxc_bmlysp m inner join jxc_bmlyd n on m.gl_djh=n.gl_djh where "
                       "n.ly_status=1 and n.ly_flag=1 and m.ly_sl>m.ly_hhsl+m.ly_qxsl group by n.gl_djh) d on "
                       "a.gl_djh=d.gl_djh left join jxc_dept c on a.de_sn=c.de_sn left join jxc_ckxx e on "
                       "a.ck_sn=e.ck_sn left join jxc_user f on a.u_sn=f.u_sn where a.ly_rq>=:d1 and a.ly_rq<:d2 and "
                       "(a.gl_djh like :k or a.ly_note like :k)")
            + binding + deptCond + QStringLiteral(" order by a.id desc"),
        p);
    setDjcx();
}

void ProdDocWindow::setDjcx()
{
    if (!cxGrid5View)
        return;
    Query& list = F_DataModule->Q(QStringLiteral("Q_Bmlycx1"));
    Query& lines = F_DataModule->Q(QStringLiteral("Q_Bmlycx2"));
    if (!ProdAt(cxGrid4View, list)) {
        lines.Close();
        return;
    }
    KcdbOpen(lines,
        QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name from jxc_bmlysp a left join jxc_goods b "
                       "on a.g_sn=b.g_sn where a.ly_sl>a.ly_hhsl+a.ly_qxsl and a.gl_djh=:n order by a.id"),
        { { QStringLiteral("n"), list.AsString(QStringLiteral("gl_djh")) } });
}

void ProdDocWindow::btn_Zdrk4Click()
{
    Query& list = F_DataModule->Q(QStringLiteral("Q_Bmlycx1"));
    if (!ProdAt(cxGrid4View, list))
        return;
    const QString number = WholeReturn(gldjh->text(), Day(), list.AsString(QStringLiteral("gl_djh")));
    gldjh->setText(number);
    CurrentDeptSn = list.AsString(QStringLiteral("de_sn"));
    tBmmc->setText(list.AsString(QStringLiteral("de_name")));
    const int ck = comCk->findText(list.AsString(QStringLiteral("ck_name")));
    if (ck >= 0)
        comCk->setCurrentIndex(ck);
    const int u = comUser->findText(list.AsString(QStringLiteral("u_name")));
    if (u >= 0)
        comUser->setCurrentIndex(u);
    openGridViewData(number);
    setButtons();
    cxPage->setCurrentWidget(cxTab1);
}

void ProdDocWindow::btn_QxckClick()
{
    Query& list = F_DataModule->Q(QStringLiteral("Q_Bmlycx1"));
    if (!ProdAt(cxGrid4View, list))
        return;
    if (Prompt::YesNo(
            QStringLiteral("您的操作将取消当前单据所有未退回的商品，\r\n\r\n将当前单据未退回的商品作为消耗品处理，"
                           "\r\n\r\n无需退回，确认吗？"))
        != Prompt::Answer::Yes)
        return;
    WriteOffRest(list.AsString(QStringLiteral("gl_djh")));
    btnSearch4Click();
}

void ProdDocWindow::btnView4Click()
{
    Query& q = F_DataModule->Q(QStringLiteral("Q_Bmlycx2"));
    if (ProdAt(cxGrid4View, q))
        ShowStored(q.AsString(QStringLiteral("gl_djh")));
}

void ProdDocWindow::btnPrin4Click()
{
    if (cxGrid4View->RowCount() == 0)
        return;
    PrintGridList(ProgramFolder::File(QStringLiteral("report/bmlycx.fr3")), QStringLiteral("bmlycx"), *cxGrid4View,
        { { QStringLiteral("date1"), date3->date().toString(QStringLiteral("yyyy-MM-dd")) },
            { QStringLiteral("date2"), date4->date().toString(QStringLiteral("yyyy-MM-dd")) } });
}

void ProdDocWindow::btnExport4Click()
{
    if (cxGrid4View->RowCount() > 0)
        ExportGridList(*cxGrid4View);
}
