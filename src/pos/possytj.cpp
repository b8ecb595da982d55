#include "pos/possytj.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/listoutput.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/sqltext.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "pos/posstats.h"
#include "posting/posprint.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

TF_Posxs_Sytj* F_Posxs_Sytj = nullptr;
TF_Posxs_Hy* F_Posxs_Hy = nullptr;

namespace {

const QString kEveryCashier = QStringLiteral("所有收银员");

// The kind chosen in the member statistics, kept across openings.
QString g_memberKind;

Query& statsQuery(const char* name)
{
    return F_DataModule->Q(QString::fromLatin1(name));
}

QString momentText(const QDateTime& t)
{
    return SqlQuoted(t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

QString likeText(const QString& text)
{
    return QStringLiteral(" like '%") + SafeSqlText(text) + QStringLiteral("%'");
}

struct StatsCol {
    const char* field;
    const char* caption;
    int width = 90;
};

DataGrid* statsGrid(QWidget* parent, const char* name, const char* source, std::initializer_list<StatsCol> columns)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->SetDataSource(&F_DataModule->D(QString::fromLatin1(source)));
    g->SetFooterVisible(true);
    for (const StatsCol& c : columns)
        g->AddColumn(QString::fromLatin1(c.field), QString::fromUtf8(c.caption), c.width);
    return g;
}

void amountColumns(DataGrid& g, std::initializer_list<const char*> fields, bool sums = true)
{
    for (const char* f : fields) {
        const int col = g.ColumnByField(QString::fromLatin1(f));
        SetAmountColumnFormat(GridColumnFormat(g, col));
        if (sums) {
            g.SetFooterSum(col);
            SetAmountSummaryFormat(GridFooterFormat(g, col));
        }
    }
}

void qtyColumn(DataGrid& g, const char* field)
{
    const int col = g.ColumnByField(QString::fromLatin1(field));
    SetQtyColumnFormat(GridColumnFormat(g, col));
    g.SetFooterSum(col);
    SetQtySummaryFormat(GridFooterFormat(g, col));
}

void showColumns(DataGrid& g, std::initializer_list<const char*> fields, bool on)
{
    for (const char* f : fields)
        g.SetColumnVisible(g.ColumnByField(QString::fromLatin1(f)), on);
}

const std::initializer_list<StatsCol> kTicketColumns = { { "gl_djh", "单据号", 130 }, { "pos_xsrq", "开单日期", 135 },
    { "pos_yfje", "应收金额" }, { "pos_sfje", "实收金额" }, { "pos_mlje", "抹零金额" }, { "pos_xj", "现金" },
    { "pos_czk", "储值卡" }, { "pos_yhk", "银行卡" }, { "pos_djq", "代金券" }, { "pos_wxje", "微信" },
    { "pos_zfbje", "支付宝" }, { "pos_zlje", "找零金额" } };

const std::initializer_list<const char*> kTicketAmounts = { "pos_yfje", "pos_sfje", "pos_mlje", "pos_xj", "pos_czk",
    "pos_yhk", "pos_djq", "pos_wxje", "pos_zfbje", "pos_zlje" };

QString memberConditions(const MemberSalesFilter& f, const QString& level)
{
    QString sql;
    if (!f.level.isEmpty() && f.level != QLatin1String("-1"))
        sql += QStringLiteral(" and ") + level + QStringLiteral(".hl_sn=") + SqlQuoted(f.level);
    if (!f.kind.isEmpty())
        sql += QStringLiteral(" and substr(a.gl_djh,1,2)=") + SqlQuoted(f.kind);
    return sql;
}

} // namespace

// ---- statements ----

QString CashierDetailSql(const QDateTime& start, const QDateTime& end, const QString& cashier)
{
    QString sql
        = QStringLiteral(
              "select a.*,b.hy_bh,b.hy_name from (select m.*,n.pos_xsrq,p.g_name,p.gg_name,p.g_bz,p.g_sccs,"
              "q.u_name,m.pos_zje-m.pos_zcb as lr,n.hy_sn from jxc_posxssp m join jxc_posxsd n on "
              "m.gl_djh=n.gl_djh join jxc_goods p on m.g_sn=p.g_sn join jxc_ckxx r on n.ck_sn=r.ck_sn left join "
              "jxc_user q on n.u_sn=q.u_sn where n.pos_xsrq>=")
        + momentText(start) + QStringLiteral(" and n.pos_xsrq<=") + momentText(end)
        + NotHeldCondition(QStringLiteral("n")) + WarehouseBindingCondition(QStringLiteral("r"));
    if (!cashier.isEmpty())
        sql += QStringLiteral(" and m.a_name=") + SqlQuoted(cashier);
    return sql + QStringLiteral(") a left outer join jxc_hyxx b on a.hy_sn=b.hy_sn order by a.gl_djh desc,a.id");
}

QString CashierSummarySql(const QDateTime& start, const QDateTime& end, const QString& cashier)
{
    return QStringLiteral("select a.a_name,max(b.a_sn) as sn,sum(a.pos_yfje) as yfje,sum(a.pos_sfje) as sfje from "
                          "jxc_posxsd a,jxc_admin b,jxc_ckxx c where a.a_name=b.a_name and a.ck_sn=c.ck_sn and "
                          "a.pos_xsrq>=")
        + momentText(start) + QStringLiteral(" and a.pos_xsrq<=") + momentText(end) + QStringLiteral(" and a.a_name")
        + likeText(cashier) + NotHeldCondition(QStringLiteral("a")) + WarehouseBindingCondition(QStringLiteral("c"))
        + QStringLiteral(" group by a.a_name order by a.a_name");
}

QString CashierTicketsSql(const QDateTime& start, const QDateTime& end, const QString& name)
{
    return QStringLiteral("select a.*,b.hy_bh,b.hy_name from jxc_posxsd a left outer join jxc_hyxx b on "
                          "a.hy_sn=b.hy_sn where a.pos_xsrq>=")
        + momentText(start) + QStringLiteral(" and a.pos_xsrq<=") + momentText(end) + QStringLiteral(" and a.a_name")
        + likeText(name) + NotHeldCondition(QStringLiteral("a")) + QStringLiteral(" order by a.pos_xsrq desc");
}

QString MemberTicketsSql(const MemberSalesFilter& f)
{
    const QString k = f.key.trimmed();
    return QStringLiteral("select a.*,b.hy_bh,b.hy_name,b.hy_zhje,c.hl_name,b.hy_mobile,case when "
                          "substr(a.gl_djh,1,2)='XT' then '销售退货单' else '商品销售单' end as dlx from jxc_posxsd "
                          "a,jxc_hyxx b,jxc_hyfl c,jxc_ckxx d where a.hy_sn=b.hy_sn and b.hl_sn=c.hl_sn and "
                          "a.ck_sn=d.ck_sn and ")
        + PeriodCondition(QStringLiteral("a.pos_xsrq"), f.from, f.to) + NotHeldCondition(QStringLiteral("a"))
        + WarehouseBindingCondition(QStringLiteral("d")) + memberConditions(f, QStringLiteral("b"))
        + QStringLiteral(" and (b.hy_bh") + likeText(k) + QStringLiteral(" or b.hy_name") + likeText(k)
        + QStringLiteral(" or b.hy_jm") + likeText(k) + QStringLiteral(" or b.hy_mobile") + likeText(k)
        + QStringLiteral(") order by a.pos_xsrq desc");
}

QString MemberTicketLinesSql(const QString& number)
{
    return QStringLiteral("select a.*,coalesce(b.g_name,'')||coalesce(a.t_zp,'') as g_name,b.gg_name,b.color_name "
                          "from jxc_posxssp a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=")
        + SqlQuoted(number) + QStringLiteral(" order by a.id");
}

QString MemberGoodsSql(const MemberSalesFilter& f)
{
    QString sql = QStringLiteral("select a.*,case when a.gl_zje<>0 then round(a.gl_lr*100/a.gl_zje,2) else 0 end as "
                                 "lrl,b.hy_bh,b.hy_name,c.hl_name,b.hy_mobile from jxc_goodslist a,jxc_posxsd d,"
                                 "jxc_hyxx b,jxc_hyfl c,jxc_ckxx f where a.gl_djh=d.gl_djh and d.hy_sn=b.hy_sn and "
                                 "b.hl_sn=c.hl_sn and d.ck_sn=f.ck_sn and ")
        + PeriodCondition(QStringLiteral("a.gl_kdrq"), f.from, f.to) + NotHeldCondition(QStringLiteral("d"))
        + WarehouseBindingCondition(QStringLiteral("f")) + memberConditions(f, QStringLiteral("c"));
    const QString k = f.key.trimmed();
    if (!k.isEmpty())
        sql += QStringLiteral(" and (b.hy_bh") + likeText(k) + QStringLiteral(" or b.hy_name") + likeText(k)
            + QStringLiteral(" or b.hy_jm") + likeText(k) + QStringLiteral(" or b.hy_mobile") + likeText(k)
            + QStringLiteral(" or a.g_sn") + likeText(k) + QStringLiteral(" or a.g_name") + likeText(k)
            + QLatin1Char(')');
    return sql + QStringLiteral(" order by a.gl_kdrq desc");
}

// ---- the cashiers' takings ----

TF_Posxs_Sytj::TF_Posxs_Sytj(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Sytj"));
    setWindowTitle(QStringLiteral("收银员收银统计"));
    resize(1040, 640);
    tdate1 = MakeDateEdit(this, "tdate1");
    tdate2 = MakeDateEdit(this, "tdate2");
    ttime1 = new QTimeEdit(this);
    ttime1->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    ttime2 = new QTimeEdit(this);
    ttime2->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    // The quick dates set the days only; the times stay.
    btnDate = MakePresetButton(this, tdate1, tdate2, [this] { btnSearchClick(); });
    comAdmin = new KeyedCombo(this);
    comAdmin->setObjectName(QStringLiteral("comAdmin"));
    comAdmin->setMinimumWidth(110);
    rbMx = new QRadioButton(QStringLiteral("明细表"), this);
    rbHz = new QRadioButton(QStringLiteral("汇总表"), this);
    btnSearch = new QPushButton(QStringLiteral("查询(F2)"), this);
    btnView = new QPushButton(QStringLiteral("查看单据"), this);
    btnPrin = new QPushButton(QStringLiteral("打印"), this);
    btnExport = new QPushButton(QStringLiteral("导出"), this);
    btnExit = new QPushButton(QStringLiteral("退出"), this);

    pnlDetail = new QWidget(this);
    cxGrid1View = statsGrid(pnlDetail, "cxGrid1View", "D_Nzjs",
        { { "pos_xsrq", "销售时间", 135 }, { "gl_djh", "单据号", 130 }, { "hy_bh", "会员卡号" },
            { "hy_name", "会员姓名" }, { "g_sn", "商品编号" }, { "g_name", "商品名称", 120 }, { "gg_name", "款型说明" },
            { "pos_dj", "单价" }, { "pos_cbj", "成本价" }, { "pos_dzl", "打折率" }, { "pos_sl", "数量" },
            { "pos_zje", "总金额" }, { "pos_zcb", "总成本" }, { "lr", "毛利" }, { "a_name", "收银员" },
            { "u_name", "导购" } });
    SetRecordCount(*cxGrid1View, 0);
    (new QVBoxLayout(pnlDetail))->addWidget(cxGrid1View);

    pnlSummary = new QWidget(this);
    cxGrid2View = statsGrid(pnlSummary, "cxGrid2View", "D_Possytj",
        { { "sn", "收银员编号" }, { "a_name", "收银员名称", 120 }, { "yfje", "应收金额" }, { "sfje", "实收金额" } });
    SetRecordCount(*cxGrid2View, 0);
    lsyy = new QLabel(pnlSummary);
    lsyy->setObjectName(QStringLiteral("lsyy"));
    std::initializer_list<StatsCol> tickets = kTicketColumns;
    cxGrid3View = statsGrid(pnlSummary, "cxGrid3View", "D_Possytj1", tickets);
    for (const StatsCol& c :
        std::initializer_list<StatsCol> { { "pos_note", "备注" }, { "hy_bh", "会员卡号" }, { "hy_name", "会员名称" } })
        cxGrid3View->AddColumn(QString::fromLatin1(c.field), QString::fromUtf8(c.caption), c.width);
    SetRecordCount(*cxGrid3View, 0);
    auto* summary = new QVBoxLayout(pnlSummary);
    summary->addWidget(cxGrid2View, 1);
    summary->addWidget(lsyy);
    summary->addWidget(cxGrid3View, 1);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("查询时间："), this));
    bar->addWidget(tdate1);
    bar->addWidget(ttime1);
    bar->addWidget(new QLabel(QStringLiteral("至："), this));
    bar->addWidget(tdate2);
    bar->addWidget(ttime2);
    bar->addWidget(btnDate);
    bar->addWidget(new QLabel(QStringLiteral("收银员："), this));
    bar->addWidget(comAdmin);
    bar->addWidget(rbMx);
    bar->addWidget(rbHz);
    bar->addWidget(btnSearch);
    bar->addStretch(1);
    auto* tools = new QHBoxLayout;
    for (QPushButton* b : { btnView, btnPrin, btnExport, btnExit })
        tools->addWidget(b);
    tools->addStretch(1);
    auto* box = new QVBoxLayout(this);
    box->addLayout(bar);
    box->addLayout(tools);
    box->addWidget(pnlDetail, 1);
    box->addWidget(pnlSummary, 1);

    connect(btnSearch, &QPushButton::clicked, this, [this] { btnSearchClick(); });
    connect(btnView, &QPushButton::clicked, this, [this] { btnViewClick(); });
    connect(btnPrin, &QPushButton::clicked, this, [this] { btnPrinClick(); });
    connect(btnExport, &QPushButton::clicked, this, [this] { btnExportClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
    connect(rbHz, &QRadioButton::toggled, this, [this](bool) {
        pnlSummary->setVisible(summaryMode());
        pnlDetail->setVisible(!summaryMode());
        btnSearchClick();
    });
    connect(cxGrid2View, &DataGrid::currentRowChanged, this, [this](int) { setTickets(); });
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this](int) { ViewPosTicket(statsQuery("Q_Nzjs")); });
    connect(cxGrid3View, &DataGrid::rowDoubleClicked, this, [this](int) { ViewPosTicket(statsQuery("Q_Possytj1")); });
    KeyPreview::InstallKey(this, Qt::Key_F2, [this] { btnSearchClick(); });
}

TF_Posxs_Sytj::~TF_Posxs_Sytj()
{
    for (const char* q : { "Q_Possytj", "Q_Possytj1", "Q_Nzjs" })
        statsQuery(q).Close();
}

bool TF_Posxs_Sytj::summaryMode() const
{
    return rbHz->isChecked();
}

void TF_Posxs_Sytj::FormActivate()
{
    ApplyFontSize(FontSize);
    const QDate today = Clock::Today();
    tdate1->setDate(QDate(today.year(), today.month(), 1));
    ttime1->setTime(QTime(0, 0, 0));
    tdate2->setDate(today);
    ttime2->setTime(QTime(23, 59, 59));
    lsyy->clear();
    FillAdminCombo(*comAdmin, kEveryCashier);
    comAdmin->setCurrentIndex(0);
    {
        const QSignalBlocker quiet(rbHz);
        rbMx->setChecked(true);
    }
    pnlDetail->setVisible(true);
    pnlSummary->setVisible(false);
    amountColumns(*cxGrid1View, { "pos_zje", "pos_zcb", "lr" });
    amountColumns(*cxGrid1View, { "pos_dj", "pos_cbj" }, false);
    qtyColumn(*cxGrid1View, "pos_sl");
    amountColumns(*cxGrid2View, { "yfje", "sfje" });
    amountColumns(*cxGrid3View, kTicketAmounts);
    showColumns(*cxGrid1View, { "pos_cbj", "pos_zcb", "lr" }, ShowCostPrice);
    showColumns(*cxGrid1View, { "pos_dj", "pos_zje" }, ShowSalePrice);
    showColumns(*cxGrid1View, { "pos_dzl" }, IsTrue(UseDiscount));
    btnSearchClick();
}

void TF_Posxs_Sytj::btnSearchClick()
{
    const QDateTime start(tdate1->date(), ttime1->time());
    const QDateTime end(tdate2->date(), ttime2->time());
    const QString cashier = comAdmin->currentText() == kEveryCashier ? QString() : comAdmin->currentText();
    if (!summaryMode()) {
        OpenQuery(statsQuery("Q_Nzjs"), CashierDetailSql(start, end, cashier));
        return;
    }
    OpenQuery(statsQuery("Q_Possytj"), CashierSummarySql(start, end, cashier));
    setTickets();
}

void TF_Posxs_Sytj::setTickets()
{
    Query& summary = statsQuery("Q_Possytj");
    if (!summary.Active() || summary.IsEmpty()) {
        statsQuery("Q_Possytj1").Close();
        lsyy->clear();
        return;
    }
    const QString name = summary.AsString(QStringLiteral("a_name"));
    lsyy->setText(QStringLiteral("收银员收银明细：") + name);
    OpenQuery(statsQuery("Q_Possytj1"),
        CashierTicketsSql(QDateTime(tdate1->date(), ttime1->time()), QDateTime(tdate2->date(), ttime2->time()), name));
}

void TF_Posxs_Sytj::btnViewClick()
{
    ViewPosTicket(summaryMode() ? statsQuery("Q_Possytj1") : statsQuery("Q_Nzjs"));
}

void TF_Posxs_Sytj::btnPrinClick()
{
    Query& rows = summaryMode() ? statsQuery("Q_Possytj") : statsQuery("Q_Nzjs");
    if (!rows.Active() || rows.IsEmpty())
        return;
    if (summaryMode())
        PrintQueryReport(QStringLiteral("possytj1.fr3"), QStringLiteral("frxDBDataset2"), rows);
    else
        PrintQueryReport(QStringLiteral("possytj2.fr3"), QStringLiteral("frxDBDataset3"), rows);
}

void TF_Posxs_Sytj::btnExportClick()
{
    ExportList(summaryMode() ? *cxGrid2View : *cxGrid1View, ExportRows::OnlyWithRows, ExportTypes::XlsxOrXls);
}

// ---- the members' consumption ----

TF_Posxs_Hy::TF_Posxs_Hy(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Hy"));
    setWindowTitle(QStringLiteral("会员消费统计"));
    resize(1040, 640);
    cxPage = new QTabWidget(this);
    cxTab1 = new QWidget(cxPage);
    cxTab2 = new QWidget(cxPage);
    cxPage->addTab(cxTab1, QStringLiteral("销售单据表"));
    cxPage->addTab(cxTab2, QStringLiteral("销售商品汇总"));
    tdate1 = MakeDateEdit(this, "tdate1");
    tdate2 = MakeDateEdit(this, "tdate2");
    btnDate = MakePresetButton(this, tdate1, tdate2, [this] { btnSearchClick(); });
    comLevel = new KeyedCombo(this);
    comLevel->setObjectName(QStringLiteral("comLevel"));
    tkey = new QLineEdit(this);
    tkey->setObjectName(QStringLiteral("tkey"));
    InstallGoodsTextFilter(tkey);
    btnSearch = new QPushButton(QStringLiteral("查询(F2)"), this);
    btnView = new QPushButton(QStringLiteral("查看单据"), this);
    btnExport = new QPushButton(QStringLiteral("导出"), this);
    btnExit = new QPushButton(QStringLiteral("退出"), this);
    btnFilter = new QToolButton(this);
    btnFilter->setText(QStringLiteral("数据过滤"));
    btnFilter->setPopupMode(QToolButton::InstantPopup);
    mnuKind = new QMenu(btnFilter);
    mnuKind->addAction(QStringLiteral("所有单据(&X)"), this, [this] { setKind(QString()); });
    mnuKind->addAction(QStringLiteral("商品销售单(&Y)"), this, [this] { setKind(QStringLiteral("XS")); });
    mnuKind->addAction(QStringLiteral("销售退货单(&Z)"), this, [this] { setKind(QStringLiteral("XT")); });
    btnFilter->setMenu(mnuKind);

    std::initializer_list<StatsCol> tickets = kTicketColumns;
    cxGrid1View = statsGrid(cxTab1, "cxGrid1View", "D_Hyxftj", tickets);
    for (const StatsCol& c :
        std::initializer_list<StatsCol> { { "dlx", "单据类型" }, { "hy_bh", "会员编号" }, { "hy_name", "会员名称" },
            { "hy_mobile", "手机" }, { "hl_name", "会员级别" }, { "pos_bcjf", "本次积分" }, { "a_name", "操作员" } })
        cxGrid1View->AddColumn(QString::fromLatin1(c.field), QString::fromUtf8(c.caption), c.width);
    cxGrid1View->SetFooterCount(0, QStringLiteral("单据数："));
    pnlLines = new QWidget(cxTab1);
    lxx = new QLabel(pnlLines);
    cxGrid2View = statsGrid(pnlLines, "cxGrid2View", "D_Hyxftj1",
        { { "g_sn", "商品编号" }, { "g_name", "商品名称", 140 }, { "gg_name", "款型说明" }, { "pos_dj", "单价" },
            { "pos_dzl", "打折率" }, { "pos_sl", "数量" }, { "pos_zje", "总金额" } });
    cxGrid2View->SetFooterText(0, QStringLiteral("商品数："));
    cxGrid2View->SetFooterCount(1);
    auto* lines = new QVBoxLayout(pnlLines);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->addWidget(lxx);
    lines->addWidget(cxGrid2View, 1);
    auto* page1 = new QVBoxLayout(cxTab1);
    page1->addWidget(cxGrid1View, 1);
    page1->addWidget(pnlLines);

    cxGrid3View = statsGrid(cxTab2, "cxGrid3View", "D_Hyxftj2",
        { { "gl_djh", "单据号", 130 }, { "gl_kdrq", "开单日期", 135 }, { "g_sn", "商品编号" },
            { "g_name", "商品名称", 120 }, { "gg_name", "款型说明" }, { "dw_name", "单位" }, { "gl_dj", "销售单价" },
            { "gl_sl", "销售数量" }, { "gl_zje", "总金额" }, { "gl_lr", "毛利" }, { "lrl", "毛利率(%)" },
            { "hy_bh", "会员编号" }, { "hy_name", "会员名称" }, { "hy_mobile", "手机" }, { "hl_name", "会员类别" },
            { "u_name", "经办人" }, { "a_name", "操作员" }, { "ck_name", "仓库名称" } });
    SetRecordCount(*cxGrid3View, 0);
    (new QVBoxLayout(cxTab2))->addWidget(cxGrid3View);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("查询日期："), this));
    bar->addWidget(tdate1);
    bar->addWidget(new QLabel(QStringLiteral("至"), this));
    bar->addWidget(tdate2);
    bar->addWidget(btnDate);
    bar->addWidget(new QLabel(QStringLiteral("会员级别："), this));
    bar->addWidget(comLevel);
    bar->addWidget(new QLabel(QStringLiteral("会员编号/名称/手机："), this));
    bar->addWidget(tkey, 1);
    bar->addWidget(btnSearch);
    auto* tools = new QHBoxLayout;
    tools->addWidget(btnView);
    tools->addWidget(btnFilter);
    tools->addWidget(btnExport);
    tools->addWidget(btnExit);
    tools->addStretch(1);
    auto* box = new QVBoxLayout(this);
    box->addLayout(bar);
    box->addLayout(tools);
    box->addWidget(cxPage, 1);

    connect(btnSearch, &QPushButton::clicked, this, [this] { btnSearchClick(); });
    connect(btnView, &QPushButton::clicked, this, [this] { btnViewClick(); });
    connect(btnExport, &QPushButton::clicked, this, [this] { btnExportClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
    connect(cxPage, &QTabWidget::currentChanged, this, [this](int) { btnSearchClick(); });
    connect(cxGrid1View, &DataGrid::currentRowChanged, this, [this](int) { setLines(); });
    KeyPreview::InstallKey(this, Qt::Key_F2, [this] { btnSearchClick(); });
}

TF_Posxs_Hy::~TF_Posxs_Hy()
{
    for (const char* q : { "Q_Hyxftj", "Q_Hyxftj1", "Q_Hyxftj2" })
        statsQuery(q).Close();
}

void TF_Posxs_Hy::FormActivate()
{
    activating_ = true;
    ApplyFontSize(FontSize);
    cxPage->setCurrentWidget(cxTab1);
    FillCombo(*comLevel, QStringLiteral("jxc_hyfl"), QStringLiteral("hl_name"), QStringLiteral("hl_sn"),
        QStringLiteral("id"), QStringLiteral("所有级别"));
    comLevel->setCurrentIndex(0);
    tkey->clear();
    SetPeriod(tdate1, tdate2, CurrentMonth(Clock::Today()));
    amountColumns(*cxGrid1View, kTicketAmounts);
    const int points = cxGrid1View->ColumnByField(QStringLiteral("pos_bcjf"));
    cxGrid1View->SetColumnFormat(points, QStringLiteral("0"));
    cxGrid1View->SetFooterSum(points, QStringLiteral("0"));
    amountColumns(*cxGrid2View, { "pos_zje" });
    amountColumns(*cxGrid2View, { "pos_dj" }, false);
    qtyColumn(*cxGrid2View, "pos_sl");
    amountColumns(*cxGrid3View, { "gl_zje", "gl_lr" });
    amountColumns(*cxGrid3View, { "gl_dj" }, false);
    qtyColumn(*cxGrid3View, "gl_sl");
    showColumns(*cxGrid2View, { "pos_dj", "pos_dzl", "pos_zje" }, ShowSalePrice);
    showColumns(*cxGrid3View, { "gl_dj", "gl_zje" }, ShowSalePrice);
    showColumns(*cxGrid3View, { "gl_lr", "lrl" }, ShowSalePrice && ShowCostPrice);
    btnView->setEnabled(ShowSalePrice);
    activating_ = false;
    btnSearchClick();
}

MemberSalesFilter TF_Posxs_Hy::filter() const
{
    MemberSalesFilter f;
    f.from = tdate1->date();
    f.to = tdate2->date();
    f.level = comLevel->currentIndex() < 0 ? QString() : comLevel->Code(comLevel->currentIndex());
    f.kind = g_memberKind;
    f.key = tkey->text();
    return f;
}

void TF_Posxs_Hy::setKind(const QString& kind)
{
    g_memberKind = kind;
    btnSearchClick();
}

void TF_Posxs_Hy::btnSearchClick()
{
    if (activating_)
        return;
    if (cxPage->currentWidget() == cxTab2) {
        OpenQuery(statsQuery("Q_Hyxftj2"), MemberGoodsSql(filter()));
        return;
    }
    OpenQuery(statsQuery("Q_Hyxftj"), MemberTicketsSql(filter()));
    setLines();
}

void TF_Posxs_Hy::setLines()
{
    Query& tickets = statsQuery("Q_Hyxftj");
    if (!tickets.Active() || tickets.IsEmpty()) {
        statsQuery("Q_Hyxftj1").Close();
        lxx->setText(QStringLiteral("单据的详细信息："));
        return;
    }
    const QString number = tickets.AsString(QStringLiteral("gl_djh"));
    lxx->setText(
        QStringLiteral("单据的详细信息：") + number + QStringLiteral("  ") + tickets.AsString(QStringLiteral("dlx")));
    OpenQuery(statsQuery("Q_Hyxftj1"), MemberTicketLinesSql(number));
}

void TF_Posxs_Hy::btnViewClick()
{
    if (!btnView->isEnabled())
        return;
    ViewPosTicket(cxPage->currentWidget() == cxTab2 ? statsQuery("Q_Hyxftj2") : statsQuery("Q_Hyxftj"));
}

void TF_Posxs_Hy::btnExportClick()
{
    ExportList(cxPage->currentWidget() == cxTab2 ? *cxGrid3View : *cxGrid1View, ExportRows::OnlyWithRows,
        ExportTypes::XlsOnly);
}

void TF_Posxs_Hy::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    const int h = height();
    const int panel = h <= 650 ? 205 : (h - 260) / 2 - 30;
    pnlLines->setFixedHeight(panel);
    cxGrid2View->setFixedHeight(qMax(0, panel - 36));
}
