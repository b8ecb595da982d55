#include "pos/posxsph.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/listoutput.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/dbtree.h"
#include "platform/ui/keyedcombo.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include <algorithm>

TF_Posxs_Ph* F_Posxs_Ph = nullptr;

namespace {

const QString kPhAllCashiers = QStringLiteral("所有收银员");

const char* const kRankQueries[] = { "Q_Posxsph1", "Q_Posxsph2", "Q_Posxsph3" };
const char* const kRankSources[] = { "D_Posxsph1", "D_Posxsph2", "D_Posxsph3" };
const char* const kRankTemplates[] = { "posxsph1.fr3", "posxsph2.fr3", "posxsph3.fr3" };
const char* const kRankDatasets[] = { "frxDBDataset1", "frxDBDataset2", "posxsph3" };
const char* const kRankNames[] = { "gname", "a_name", "gcname" };

Query& rankQuery(int tab)
{
    return F_DataModule->Q(QLatin1String(kRankQueries[tab]));
}

// The four sums of a ranking over the ledger rows aliased `a`; the rate is 0 when the
// amount comes to 0 in cents, so floating remainders of sales and returns do not blow
// it up.
QString rankSums(const QString& a)
{
    const QString zje = QStringLiteral("sum(") + a + QStringLiteral(".gl_zje)");
    const QString lr = QStringLiteral("sum(") + a + QStringLiteral(".gl_lr)");
    return QStringLiteral("sum(") + a + QStringLiteral(".gl_sl) as sl,") + zje + QStringLiteral(" as zje,") + lr
        + QStringLiteral(" as lr,case when round(") + zje + QStringLiteral(",2)<>0 then round(") + lr
        + QStringLiteral("*100/") + zje + QStringLiteral(",2) else 0 end as lrl");
}

// The till's sales and returns of the period in the ledger rows `a`, warehouses `w`.
QString tillLedgerRows(const QString& a, const QString& w, const QDate& from, const QDate& to)
{
    return a + QStringLiteral(".ck_sn=") + w + QStringLiteral(".ck_sn and (") + a + QStringLiteral(".gl_flag='xs' or ")
        + a + QStringLiteral(".gl_flag='xt') and ") + a + QStringLiteral(".gl_fdmc='99' and ")
        + PeriodCondition(a + QStringLiteral(".gl_kdrq"), from, to) + WarehouseBindingCondition(w);
}

QString phDay(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

QString PosGoodsRankingSql(const QDate& from, const QDate& to, const QString& key)
{
    return QStringLiteral("select a.g_sn,max(a.g_name) as gname,") + rankSums(QStringLiteral("a"))
        + QStringLiteral(" from jxc_goodslist a,jxc_ckxx b where ")
        + tillLedgerRows(QStringLiteral("a"), QStringLiteral("b"), from, to) + QStringLiteral(" and ")
        + GoodsTextCondition(key, { QStringLiteral("a.g_sn"), QStringLiteral("a.g_name"), QStringLiteral("a.g_jm") })
        + QStringLiteral(" group by a.g_sn order by a.g_sn");
}

QString PosCashierRankingSql(const QDate& from, const QDate& to, const QString& cashier)
{
    return QStringLiteral("select a.*,b.a_sn from (select x.a_name,") + rankSums(QStringLiteral("x"))
        + QStringLiteral(" from jxc_goodslist x,jxc_ckxx y where ")
        + tillLedgerRows(QStringLiteral("x"), QStringLiteral("y"), from, to) + QStringLiteral(" and x.a_name like '%")
        + SafeSqlText(cashier)
        + QStringLiteral("%' group by x.a_name) a,jxc_admin b where a.a_name=b.a_name order by a.lrl desc,a.a_name");
}

QString PosCategoryRankingSql(const QDate& from, const QDate& to, const QString& code)
{
    return QStringLiteral("select * from (select b.gc_sn,max(b.gc_name) as gcname,") + rankSums(QStringLiteral("a"))
        + QStringLiteral(" from jxc_goodslist a,jxc_goodsclass b,jxc_goods c,jxc_ckxx d where a.g_sn=c.g_sn and "
                         "c.gc_sn=b.gc_sn and ")
        + tillLedgerRows(QStringLiteral("a"), QStringLiteral("d"), from, to) + QStringLiteral(" and b.gc_sn like '")
        + SafeSqlText(code) + QStringLiteral("%' group by b.gc_sn) t order by t.lrl desc,t.gc_sn");
}

QStringList RankingChartContents()
{
    return { QStringLiteral("总销售额"), QStringLiteral("销售数量"), QStringLiteral("销售毛利"),
        QStringLiteral("销售毛利率") };
}

QString RankingChartField(int content)
{
    static const char* const fields[] = { "zje", "sl", "lr", "lrl" };
    return QLatin1String(fields[std::clamp(content, 0, 3)]);
}

// ---- the window ----

TF_Posxs_Ph::TF_Posxs_Ph(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Ph"));
    setWindowTitle(QStringLiteral("POS 销售排行"));
    resize(1000, 640);
    cxPage = new QTabWidget(this);
    auto* box = new QVBoxLayout(this);
    box->addWidget(cxPage, 1);
    auto* note = new QLabel(QStringLiteral("说明：查询显示的总金额不包括优惠金额"), this);
    note->setObjectName(QStringLiteral("lnote"));
    lnote = note;
    box->addWidget(note);

    for (int t = 0; t < 3; ++t) {
        pages[t].tab = new QWidget(cxPage);
        pages[t].tab->setObjectName(QStringLiteral("cxTab%1").arg(t + 1));
    }
    tkey = new QLineEdit(pages[Goods].tab);
    tkey->setObjectName(QStringLiteral("tkey"));
    tkey->setMaxLength(32);
    InstallGoodsTextFilter(tkey);
    comAdmin = new KeyedCombo(pages[Cashiers].tab);
    comAdmin->setObjectName(QStringLiteral("comAdmin"));
    comAdmin->setMinimumWidth(110);
    tsplb = new QLineEdit(pages[Categories].tab);
    tsplb->setObjectName(QStringLiteral("tsplb"));

    buildPage(Goods, QStringLiteral("商品销售排行"), tkey, QStringLiteral("商品名称："),
        { { "g_sn", "商品编号" }, { "gname", "商品名称" } });
    buildPage(Cashiers, QStringLiteral("收银员销售排行"), comAdmin, QStringLiteral("收银员名称："),
        { { "a_sn", "操作员编号" }, { "a_name", "操作员姓名" } });
    buildPage(Categories, QStringLiteral("商品类别销售排行"), tsplb, QStringLiteral("类别名称："),
        { { "gc_sn", "类别编号" }, { "gcname", "类别名称" } });
    RzPanel_GClass = new CategoryPanel(
        pages[Categories].tab, QStringLiteral("Q_GClass5"), tsplb, [this] { btnSearchClick(Categories); });

    connect(cxPage, &QTabWidget::currentChanged, this, [this](int) { cxPageChange(); });
    KeyPreview::InstallKey(this, Qt::Key_F2, [this] { btnSearchClick(ActiveTab()); });
}

void TF_Posxs_Ph::buildPage(int t, const QString& caption, QWidget* filter, const QString& filterCaption,
    std::initializer_list<std::pair<const char*, const char*>> columns)
{
    Page& p = pages[t];
    cxPage->addTab(p.tab, caption);
    const QString n = QString::number(t + 1);
    p.tdate1 = MakeDateEdit(p.tab, qPrintable(QStringLiteral("tdate%1").arg(2 * t + 1)));
    p.tdate2 = MakeDateEdit(p.tab, qPrintable(QStringLiteral("tdate%1").arg(2 * t + 2)));
    p.btnDate = MakePresetButton(p.tab, p.tdate1, p.tdate2, [this, t] { btnSearchClick(t); });
    p.btnSearch = new QPushButton(QStringLiteral("查询(F2)"), p.tab);
    p.btnPrin = new QPushButton(QStringLiteral("打印"), p.tab);
    p.btnExport = new QPushButton(QStringLiteral("导出"), p.tab);
    p.btnExit = new QPushButton(QStringLiteral("退出"), p.tab);
    p.btnPrin->setObjectName(QStringLiteral("btnPrin") + n);

    p.cxView = new QTabWidget(p.tab);
    p.cxView->setTabPosition(QTabWidget::South);
    p.tableTab = new QWidget(p.cxView);
    p.chartTab = new QWidget(p.cxView);
    p.cxView->addTab(p.tableTab, QStringLiteral("表格显示"));
    p.cxView->addTab(p.chartTab, QStringLiteral("图形显示"));

    p.cxGridView = NewQueryGrid(p.tableTab, qPrintable(QStringLiteral("cxGrid%1View").arg(n)), kRankSources[t]);
    for (const auto& [field, title] : columns)
        p.cxGridView->AddColumn(QLatin1String(field), QString::fromUtf8(title), t == Goods ? 120 : 100);
    p.cxGridView->AddColumn(QStringLiteral("sl"), QStringLiteral("销售数量"), 90);
    p.cxGridView->AddColumn(QStringLiteral("zje"), QStringLiteral("总销售额"), 100);
    p.cxGridView->AddColumn(QStringLiteral("lr"), QStringLiteral("毛利"), 100);
    p.cxGridView->AddColumn(QStringLiteral("lrl"), QStringLiteral("毛利率(%)"), 80);
    SetQueryFooter(p.cxGridView, { "sl" }, { "zje", "lr" });
    (new QVBoxLayout(p.tableTab))->addWidget(p.cxGridView);

    p.comNr = new QComboBox(p.chartTab);
    p.comNr->setObjectName(QStringLiteral("comNr") + n);
    p.comNr->addItems(RankingChartContents());
    p.rbBar = new QRadioButton(QStringLiteral("柱状显示"), p.chartTab);
    p.rbPie = new QRadioButton(QStringLiteral("饼状显示"), p.chartTab);
    p.rbBar->setChecked(true);
    p.DBChart = new QChartView(p.chartTab);
    p.DBChart->setObjectName(QStringLiteral("DBChart") + n);
    p.DBChart->setRenderHint(QPainter::Antialiasing);
    auto* chartBar = new QHBoxLayout;
    chartBar->addWidget(new QLabel(QStringLiteral("显示内容："), p.chartTab));
    chartBar->addWidget(p.comNr);
    chartBar->addWidget(p.rbBar);
    chartBar->addWidget(p.rbPie);
    chartBar->addStretch(1);
    auto* chartBox = new QVBoxLayout(p.chartTab);
    chartBox->addLayout(chartBar);
    chartBox->addWidget(p.DBChart, 1);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("查询日期："), p.tab));
    bar->addWidget(p.tdate1);
    bar->addWidget(new QLabel(QStringLiteral("至"), p.tab));
    bar->addWidget(p.tdate2);
    bar->addWidget(p.btnDate);
    bar->addWidget(new QLabel(filterCaption, p.tab));
    bar->addWidget(filter, 1);
    bar->addWidget(p.btnSearch);
    auto* tools = new QHBoxLayout;
    for (QPushButton* b : { p.btnPrin, p.btnExport, p.btnExit })
        tools->addWidget(b);
    tools->addStretch(1);
    auto* pageBox = new QVBoxLayout(p.tab);
    pageBox->addLayout(bar);
    pageBox->addLayout(tools);
    pageBox->addWidget(p.cxView, 1);

    connect(p.btnSearch, &QPushButton::clicked, this, [this, t] { btnSearchClick(t); });
    connect(p.btnPrin, &QPushButton::clicked, this, [this, t] { btnPrinClick(t); });
    connect(p.btnExport, &QPushButton::clicked, this, [this, t] { btnExportClick(t); });
    connect(p.btnExit, &QPushButton::clicked, this, [this] { close(); });
    connect(p.cxView, &QTabWidget::currentChanged, this, [this, t](int) {
        if (!activating_ && pages[t].cxView->currentWidget() == pages[t].chartTab)
            DrawChart(t);
    });
    connect(p.comNr, &QComboBox::currentIndexChanged, this, [this, t](int) {
        if (!activating_)
            DrawChart(t);
    });
    for (QRadioButton* r : { p.rbBar, p.rbPie })
        connect(r, &QRadioButton::clicked, this, [this, t] { DrawChart(t); });
}

TF_Posxs_Ph::~TF_Posxs_Ph()
{
    for (int t = 0; t < 3; ++t)
        rankQuery(t).Close();
}

int TF_Posxs_Ph::ActiveTab() const
{
    return std::max(0, cxPage->currentIndex());
}

void TF_Posxs_Ph::resetPage(int t)
{
    Page& p = pages[t];
    SetPeriod(p.tdate1, p.tdate2, CurrentMonth(Clock::Today()));
    p.comNr->setCurrentIndex(0);
    p.rbBar->setChecked(true);
    p.cxView->setCurrentWidget(p.tableTab);
}

void TF_Posxs_Ph::FormActivate()
{
    activating_ = true;
    ApplyFontSize(FontSize);
    RzPanel_GClass->hide();
    {
        const QSignalBlocker quiet(cxPage);
        cxPage->setCurrentIndex(Goods);
    }
    resetPage(Goods);
    FillAdminCombo(*comAdmin, kPhAllCashiers);
    comAdmin->setCurrentIndex(0);
    tkey->clear();
    RzPanel_GClass->Prepare();
    if (QTreeWidgetItem* root = RzPanel_GClass->Tree()->currentItem())
        tsplb->setText(root->text(0));
    // Amounts and profit are shown to those who may see sale and cost prices; the
    // printed rankings carry the profit, so they need both.
    const bool profit = ShowSalePrice && ShowCostPrice;
    for (Page& p : pages) {
        SumGridColumns(*p.cxGridView, { "sl" }, false);
        SumGridColumns(*p.cxGridView, { "zje", "lr" }, true);
        p.cxGridView->SetColumnVisible(p.cxGridView->ColumnByField(QStringLiteral("zje")), ShowSalePrice);
        for (const char* f : { "lr", "lrl" })
            p.cxGridView->SetColumnVisible(p.cxGridView->ColumnByField(QLatin1String(f)), profit);
        p.btnPrin->setEnabled(profit);
    }
    btnSearchClick(Goods);
    activating_ = false;
}

void TF_Posxs_Ph::cxPageChange()
{
    const int t = ActiveTab();
    if (t == Goods)
        return;
    activating_ = true;
    resetPage(t);
    activating_ = false;
    btnSearchClick(t);
}

void TF_Posxs_Ph::btnSearchClick(int t)
{
    const Page& p = pages[t];
    QString sql;
    if (t == Goods)
        sql = PosGoodsRankingSql(p.tdate1->date(), p.tdate2->date(), tkey->text());
    else if (t == Cashiers)
        sql = PosCashierRankingSql(p.tdate1->date(), p.tdate2->date(),
            comAdmin->currentText() == kPhAllCashiers ? QString() : comAdmin->currentText());
    else
        sql = PosCategoryRankingSql(p.tdate1->date(), p.tdate2->date(), RzPanel_GClass->Code());
    OpenQuery(rankQuery(t), sql);
}

void TF_Posxs_Ph::btnPrinClick(int t)
{
    const Page& p = pages[t];
    Query& rows = rankQuery(t);
    if (!p.btnPrin->isEnabled() || !rows.Active() || rows.IsEmpty())
        return;
    PrintQueryReport(QLatin1String(kRankTemplates[t]), QLatin1String(kRankDatasets[t]), rows,
        { { QStringLiteral("date1"), phDay(p.tdate1->date()) }, { QStringLiteral("date2"), phDay(p.tdate2->date()) } });
}

void TF_Posxs_Ph::btnExportClick(int t)
{
    ExportList(*pages[t].cxGridView, ExportRows::OnlyWithRows, ExportTypes::XlsxOrXls);
}

void TF_Posxs_Ph::DrawChart(int t)
{
    Page& p = pages[t];
    Query& rows = rankQuery(t);
    QStringList names;
    QList<double> values;
    if (rows.Active()) {
        const int nameField = rows.FieldIndex(QLatin1String(kRankNames[t]));
        const int valueField = rows.FieldIndex(RankingChartField(p.comNr->currentIndex()));
        for (int r = 0; r < rows.RecordCount(); ++r) {
            names << rows.TextAt(r, nameField);
            values << rows.TextAt(r, valueField).toDouble();
        }
    }
    QChart* old = p.DBChart->chart();
    p.DBChart->setChart(MakeRankingChart(
        names, values, p.comNr->currentText(), p.rbPie->isChecked() ? RankingChartKind::Pie : RankingChartKind::Bars));
    delete old;
}
