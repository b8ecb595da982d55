// The query tab of the sales return window: approved returns as documents, as a
// summary per goods and as ledger detail.
#include "sales/xsth.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "masterdata/keyfilter.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/prompt.h"
#include "posting/printvars.h"
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
#include <QToolButton>
#include <QVBoxLayout>

namespace {

DataGrid* XsthQueryGrid(QWidget* parent, const char* name, const char* dataset,
    std::initializer_list<std::array<const char*, 3>> columns, std::initializer_list<const char*> qty,
    std::initializer_list<const char*> amounts)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QLatin1String(name));
    g->SetDataSource(&F_DataModule->D(QLatin1String(dataset)));
    AddGridColumns(*g, columns);
    g->SetFooterVisible(true);
    g->SetFooterCount(0, QStringLiteral("记录数："));
    SumGridColumns(*g, qty, false);
    SumGridColumns(*g, amounts, true);
    return g;
}

} // namespace

void TF_Xsth::BuildQueryTab()
{
    auto* box = new QVBoxLayout(cxTab3);
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("开单日期："), cxTab3));
    tdate1 = MakeDateEdit(cxTab3, "tdate1");
    search->addWidget(tdate1);
    search->addWidget(new QLabel(QStringLiteral("至"), cxTab3));
    tdate2 = MakeDateEdit(cxTab3, "tdate2");
    search->addWidget(tdate2);
    btnMenu = MakePresetButton(cxTab3, tdate1, tdate2, [this] { btnSearch3Click(); });
    btnMenu->setObjectName(QStringLiteral("btnMenu"));
    search->addWidget(btnMenu);
    search->addWidget(new QLabel(QStringLiteral("客户/单据号："), cxTab3));
    tchkKey3 = new QLineEdit(cxTab3);
    tchkKey3->setObjectName(QStringLiteral("tchkKey3"));
    search->addWidget(tchkKey3);
    btnSearch3 = NamedButton(cxTab3, "btnSearch3", "查询(F2)", search);
    rDjb = new QRadioButton(QStringLiteral("单据表"), cxTab3);
    rDjb->setObjectName(QStringLiteral("rDjb"));
    rHzb = new QRadioButton(QStringLiteral("汇总表"), cxTab3);
    rHzb->setObjectName(QStringLiteral("rHzb"));
    rMxb = new QRadioButton(QStringLiteral("明细表"), cxTab3);
    rMxb->setObjectName(QStringLiteral("rMxb"));
    rDjb->setChecked(true);
    for (QRadioButton* r : { rDjb, rHzb, rMxb })
        search->addWidget(r);
    search->addStretch(1);
    box->addLayout(search);
    auto* bar = new QHBoxLayout;
    btn_ChaKan3 = NamedButton(cxTab3, "btn_ChaKan3", "查看单据", bar);
    btn_UnChk = NamedButton(cxTab3, "btn_UnChk", "取消审核", bar);
    btn_Prin3 = NamedButton(cxTab3, "btn_Prin3", "打印", bar);
    btn_Export3 = NamedButton(cxTab3, "btn_Export3", "导出", bar);
    cxButton2 = NamedButton(cxTab3, "cxButton2", "退出", bar);
    bar->addStretch(1);
    box->addLayout(bar);

    auto* views = new QStackedWidget(cxTab3);
    pageDjb = new QWidget;
    auto* djb = new QVBoxLayout(pageDjb);
    cxGrid31View = XsthQueryGrid(pageDjb, "cxGrid31View", "D_Xsthd",
        { { "gl_djh", "单据号", "124" }, { "rq", "开单日期", "130" }, { "kh_name", "客户名称", "140" },
            { "ck_name", "仓库名称", "90" }, { "yfje", "应收金额", "80" }, { "sfje", "实收金额", "80" },
            { "wfje", "欠款金额", "80" }, { "yhje", "优惠金额", "72" }, { "ls_lr", "毛利", "72" },
            { "ls_yf", "运费", "64" }, { "ls_bzf", "包装费", "64" }, { "checker", "审核人", "70" },
            { "chkrq", "审核日期", "90" }, { "u_name", "经办人", "70" }, { "a_name", "操作员", "70" },
            { "gl_djh2", "原始单号", "110" }, { "dnote", "备注", "120" } },
        {}, { "yfje", "sfje", "wfje", "yhje", "ls_lr", "ls_yf", "ls_bzf" });
    djb->addWidget(cxGrid31View, 1);
    auto* djbBar = new QHBoxLayout;
    gname = NamedLabel(pageDjb, "", "gname");
    djbBar->addWidget(gname);
    djbBar->addStretch(1);
    linkMx3 = NamedButton(pageDjb, "linkMx3", "查看详细数量", djbBar);
    linkMx3->setFlat(true);
    djb->addLayout(djbBar);
    cxGrid32View = XsthQueryGrid(pageDjb, "cxGrid32View", "D_Xsth2",
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" }, { "gg_name", "款型说明", "80" },
            { "color_name", "颜色", "50" }, { "dw_name", "单位", "50" }, { "gl_cbj", "成本价", "64" },
            { "gl_lsj", "零售价", "64" }, { "gl_dj", "单价", "64" }, { "gl_dzl", "打折率", "48" },
            { "gl_sl", "数量", "56" }, { "gl_zcb", "总成本", "72" }, { "gl_je", "金额", "72" },
            { "gl_tax", "税率", "48" }, { "gl_taxdj", "含税单价", "64" }, { "gl_taxje", "税额", "64" },
            { "gl_zje", "总金额", "80" }, { "gl_bz", "备注", "120" }, { "a_name", "操作员", "70" } },
        { "gl_sl" }, { "gl_zcb", "gl_je", "gl_taxje", "gl_zje" });
    djb->addWidget(cxGrid32View);
    views->addWidget(pageDjb);

    pageHzb = new QWidget;
    auto* hzb = new QVBoxLayout(pageHzb);
    cxGrid33View = XsthQueryGrid(pageHzb, "cxGrid33View", "D_GoodsKhHZ",
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" }, { "gc_name", "商品类别", "90" },
            { "dw_name", "单位", "50" }, { "sl", "数量", "56" }, { "je", "金额", "72" }, { "taxje", "税额", "64" },
            { "zje", "总金额", "80" }, { "g_kc", "库存数量", "64" }, { "gg_name", "款型说明", "80" },
            { "color_name", "颜色", "50" }, { "g_sccs", "生产厂商", "90" }, { "g_bz", "备注", "120" } },
        { "sl" }, { "je", "taxje", "zje" });
    hzb->addWidget(cxGrid33View, 1);
    gname2 = NamedLabel(pageHzb, "", "gname2");
    hzb->addWidget(gname2);
    cxGrid34View = XsthQueryGrid(pageHzb, "cxGrid34View", "D_GoodsXsth",
        { { "ghs_name", "客户名称", "140" }, { "gl_djh", "单据号", "124" }, { "gl_kdrq", "开单日期", "130" },
            { "gl_dj", "单价", "64" }, { "gl_sl", "数量", "56" }, { "gl_je", "金额", "72" }, { "gl_tax", "税率", "48" },
            { "gl_taxdj", "含税单价", "64" }, { "gl_taxje", "税额", "64" }, { "gl_zje", "总金额", "80" },
            { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" },
            { "gc_name", "商品类别", "90" } },
        { "gl_sl" }, { "gl_je", "gl_taxje", "gl_zje" });
    hzb->addWidget(cxGrid34View);
    views->addWidget(pageHzb);

    cxGrid35View = XsthQueryGrid(cxTab3, "cxGrid35View", "D_GoodsList",
        { { "gl_kdrq", "销售日期", "130" }, { "gl_djh", "单据号", "124" }, { "g_sn", "商品编号", "80" },
            { "g_name", "商品名称", "140" }, { "dw_name", "单位", "50" }, { "gl_dj", "单价", "64" },
            { "gl_taxdj", "含税单价", "64" }, { "sl", "数量", "56" }, { "je", "金额", "72" },
            { "gl_tax", "税率", "48" }, { "taxje", "税额", "64" }, { "zje", "总金额", "80" },
            { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" }, { "ghs_name", "客户名称", "140" },
            { "ck_name", "仓库名称", "90" }, { "u_name", "经办人", "70" }, { "gl_checker", "审核人", "70" },
            { "gl_chkrq", "审核日期", "90" }, { "gl_bz", "备注", "120" } },
        { "sl" }, { "je", "taxje", "zje" });
    views->addWidget(cxGrid35View);
    box->addWidget(views, 1);

    barPopupMenu3 = new QMenu(this);
    barPopupMenu3->addAction(QStringLiteral("查看单据(&Y)"), this, &TF_Xsth::btn_ChaKan3Click);
    btnRUnChk = barPopupMenu3->addAction(QStringLiteral("取消审核(&Z)"), this, &TF_Xsth::btn_UnChkClick);
    connect(cxGrid31View, &DataGrid::rightClicked, this, [this](const QPoint& at) {
        if (Q_Xsthd.Active() && Q_Xsthd.RecordCount() > 0)
            barPopupMenu3->popup(at);
    });
    connect(cxGrid31View, &DataGrid::currentRowChanged, this, [this] { setDjDetailList(); });
    connect(cxGrid31View, &DataGrid::rowDoubleClicked, this, [this] { btn_ChaKan3Click(); });
    connect(cxGrid33View, &DataGrid::currentRowChanged, this, [this] { setGoodsList(); });
    connect(btnSearch3, &QPushButton::clicked, this, &TF_Xsth::btnSearch3Click);
    for (QRadioButton* r : { rDjb, rHzb, rMxb })
        connect(r, &QRadioButton::clicked, this, [this, views] {
            views->setCurrentIndex(rHzb->isChecked() ? 1 : rMxb->isChecked() ? 2 : 0);
            QueryViewChanged();
        });
    connect(rDjb, &QRadioButton::toggled, views, [views](bool on) {
        if (on)
            views->setCurrentIndex(0);
    });
    connect(linkMx3, &QPushButton::clicked, this, &TF_Xsth::linkMx3Click);
    connect(btn_ChaKan3, &QPushButton::clicked, this, &TF_Xsth::btn_ChaKan3Click);
    connect(btn_UnChk, &QPushButton::clicked, this, &TF_Xsth::btn_UnChkClick);
    connect(btn_Prin3, &QPushButton::clicked, this, &TF_Xsth::btn_Prin3Click);
    connect(btn_Export3, &QPushButton::clicked, this, &TF_Xsth::btn_Export3Click);
    connect(cxButton2, &QPushButton::clicked, this, &QWidget::close);
    connect(tchkKey3, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (t.isEmpty())
            btnSearch3Click();
    });
    DiscardSearchPunctuation(tchkKey3);
}

void TF_Xsth::QueryViewChanged()
{
    btnSearch3Click();
}

QString TF_Xsth::QueryBound(const char* alias) const
{
    if (BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001"))
        return QStringLiteral(" and ") + QLatin1String(alias) + QStringLiteral(".ck_asn like '%")
            + SafeSqlText(CurrentAdminSn) + QStringLiteral("%' ");
    return QString();
}

void TF_Xsth::btnSearch3Click()
{
    const QString k = SafeSqlText(tchkKey3->text().trimmed());
    const QDate d1 = tdate1->date();
    const QDate d2 = tdate2->date();
    if (rHzb->isChecked()) {
        QString sql = QStringLiteral(
            "select a.g_sn,a.g_name,a.dw_name,a.g_kc,a.gg_name,a.color_name,a.g_sccs,a.g_bz,b.sl,b.zje,b.je,b.taxje,"
            "g.gc_name from jxc_goods a,jxc_goodsclass g,(select c.g_sn,sum(c.gl_sl) as sl,sum(c.gl_zje) as zje,"
            "sum(c.gl_je) as je,sum(c.gl_taxje) as taxje from jxc_goodslist c,jxc_khxx d,jxc_ckxx e where "
            "c.ghs_sn=d.kh_sn and c.ck_sn=e.ck_sn and c.gl_flag='xt' and ");
        sql += PeriodCondition(QStringLiteral("c.gl_kdrq"), d1, d2) + QLatin1Char(' ') + QueryBound("e");
        if (!k.isEmpty())
            sql += QStringLiteral(" and (d.kh_name like '%") + k + QStringLiteral("%' or d.kh_jm like '%") + k
                + QStringLiteral("%' or d.kh_sn like '%") + k + QStringLiteral("%')");
        sql += QStringLiteral(" group by c.g_sn) b where a.g_sn=b.g_sn and a.gc_sn=g.gc_sn order by a.id");
        OpenQuery(Q_GoodsKhHZ, sql);
        setGoodsList();
        if (cxPage->currentWidget() == cxTab3)
            cxGrid33View->setFocus();
        return;
    }
    if (rMxb->isChecked()) {
        QString sql = QStringLiteral(
            "select a.*,(-1*a.gl_sl) as sl,(-1*a.gl_zje) as zje,(-1*a.gl_je) as je,(-1*a.gl_taxje) as taxje "
            "from jxc_goodslist a,jxc_ckxx b where a.gl_flag='xt' and a.ck_sn=b.ck_sn and ");
        sql += PeriodCondition(QStringLiteral("a.gl_kdrq"), d1, d2);
        sql += QStringLiteral(" and (a.gl_djh like '%") + k + QStringLiteral("%' or a.ghs_name like '%") + k
            + QStringLiteral("%')") + QueryBound("b") + QStringLiteral(" order by a.id");
        OpenQuery(Q_GoodsList, sql);
        if (cxPage->currentWidget() == cxTab3)
            cxGrid35View->setFocus();
        return;
    }
    QString sql = QStringLiteral(
        "select a.gl_djh,a.kh_sn,a.ck_sn,a.th_xsrq as rq,a.th_yfje as yfje,a.th_sfje as sfje,"
        "(a.th_yfje-a.th_sfje-a.th_hkje) as wfje,0 as yhje,'顾客退货' as gtype,a.u_sn,a.th_note as dnote,a.a_name,"
        "'' as gl_djh2,'' as ls_th,b.kh_name,b.kh_jm,b.kh_tele,c.u_name,d.ck_name,'2' as dsort,"
        "a.th_checker as checker,a.th_chkrq as chkrq,a.th_hkje as hkje,0 as ls_yf,0 as ls_bzf,'' as ls_yffs,"
        "a.th_lr as ls_lr from jxc_xsthd a,jxc_khxx b,jxc_user c,jxc_ckxx d where a.kh_sn=b.kh_sn and a.u_sn=c.u_sn "
        "and a.ck_sn=d.ck_sn and a.th_status=1 and ");
    sql += PeriodCondition(QStringLiteral("a.th_xsrq"), d1, d2) + QLatin1Char(' ') + QueryBound("d");
    sql += QStringLiteral(" and (b.kh_sn like '%") + k + QStringLiteral("%' or b.kh_name like '%") + k
        + QStringLiteral("%' or b.kh_jm like '%") + k + QStringLiteral("%') order by a.th_xsrq desc,a.gl_djh desc");
    OpenQuery(Q_Xsthd, sql);
    setDjDetailList();
    if (cxPage->currentWidget() == cxTab3)
        cxGrid31View->setFocus();
}

void TF_Xsth::setDjDetailList()
{
    Q_Xsth2.Close();
    gname->clear();
    if (!Q_Xsthd.Active() || Q_Xsthd.RecordCount() == 0)
        return;
    const QString number = Q_Xsthd.AsString(QStringLiteral("gl_djh"));
    gname->setText(number + QStringLiteral("  ") + Q_Xsthd.AsString(QStringLiteral("kh_name")));
    Q_Xsth2.SetSQL(QStringLiteral("select a.*,a.gl_dj*a.gl_dzl as sj from jxc_goodslist a,jxc_goods b "
                                  "where a.g_sn=b.g_sn and a.gl_djh=:djh order by a.id"));
    Q_Xsth2.SetParam(QStringLiteral("djh"), number);
    Q_Xsth2.Open();
}

void TF_Xsth::setGoodsList()
{
    Q_GoodsXsth.Close();
    gname2->clear();
    if (!Q_GoodsKhHZ.Active() || Q_GoodsKhHZ.RecordCount() == 0)
        return;
    gname2->setText(Q_GoodsKhHZ.AsString(QStringLiteral("g_name")));
    const QString k = SafeSqlText(tchkKey3->text().trimmed());
    QString sql = QStringLiteral(
        "select a.*,d.gc_name from jxc_goodslist a,jxc_khxx b,jxc_goods c,jxc_goodsclass d,jxc_ckxx e where "
        "a.ghs_sn=b.kh_sn and a.g_sn=c.g_sn and c.gc_sn=d.gc_sn and a.ck_sn=e.ck_sn and a.gl_flag='xt' and "
        "a.g_sn='");
    sql += SafeSqlText(Q_GoodsKhHZ.AsString(QStringLiteral("g_sn"))) + QStringLiteral("' and ")
        + PeriodCondition(QStringLiteral("a.gl_kdrq"), tdate1->date(), tdate2->date()) + QueryBound("e")
        + QStringLiteral(" and (b.kh_name like '%") + k + QStringLiteral("%' or b.kh_jm like '%") + k
        + QStringLiteral("%' or b.kh_sn like '%") + k + QStringLiteral("%') order by a.gl_djh,a.id");
    OpenQuery(Q_GoodsXsth, sql);
}

void TF_Xsth::linkMx3Click()
{
    ShowDetailQuantities(Q_Xsth2);
}

void TF_Xsth::btn_ChaKan3Click()
{
    // The row's customer shows on the report; the program-wide customer is left alone.
    QString number;
    if (rHzb->isChecked()) {
        if (Q_GoodsXsth.Active() && Q_GoodsXsth.RecordCount() > 0)
            number = Q_GoodsXsth.AsString(QStringLiteral("gl_djh"));
    } else if (rMxb->isChecked()) {
        if (Q_GoodsList.Active() && Q_GoodsList.RecordCount() > 0)
            number = Q_GoodsList.AsString(QStringLiteral("gl_djh"));
    } else if (Q_Xsthd.Active() && Q_Xsthd.RecordCount() > 0) {
        number = Q_Xsthd.AsString(QStringLiteral("gl_djh"));
    }
    ViewStoredDocument(number);
}

void TF_Xsth::btn_UnChkClick()
{
    if (!rDjb->isChecked()) {
        Prompt::Info(QStringLiteral("批量取消只能在单据表进行！\r\n\r\n（如需取消审核某个单据，请按右键！）"));
        return;
    }
    if (!Q_Xsthd.Active() || Q_Xsthd.RecordCount() == 0 || !btn_UnChk->isEnabled())
        return;
    const int row = cxGrid31View->CurrentRow();
    if (row >= 0)
        Q_Xsthd.SetRecNo(cxGrid31View->SourceRow(row));
    UnapproveResult.clear();
    UnapproveSalesReturn(Q_Xsthd.AsString(QStringLiteral("gl_djh")));
    if (UnapproveResult == QLatin1String("ok")) {
        Q_Xsthd.Requery();
        setDjDetailList();
    }
}

void TF_Xsth::btn_Prin3Click()
{
    if (!btn_Prin3->isEnabled())
        return;
    Query* list = &Q_Xsthd;
    QString file = QStringLiteral("xsthdjb");
    if (rHzb->isChecked()) {
        list = &Q_GoodsKhHZ;
        file = QStringLiteral("xsthhzb");
    } else if (rMxb->isChecked()) {
        list = &Q_GoodsList;
        file = QStringLiteral("xsthmxb");
    }
    if (!list->Active() || list->RecordCount() == 0)
        return;
    Report report;
    report.LoadFromFile(ProgramFolder::File(QStringLiteral("report/") + file + QStringLiteral(".fr3")));
    report.SetDataset(file, list);
    SetCompanyPrintVars(report);
    report.SetVariable(QStringLiteral("date1"), tdate1->date().toString(QStringLiteral("yyyy-MM-dd")));
    report.SetVariable(QStringLiteral("date2"), tdate2->date().toString(QStringLiteral("yyyy-MM-dd")));
    report.ShowReport();
}

void TF_Xsth::btn_Export3Click()
{
    ExportList(rHzb->isChecked() ? *cxGrid33View
            : rMxb->isChecked()  ? *cxGrid35View
                                 : *cxGrid31View,
        ExportRows::OnlyWithRows);
}
