#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "listing/gridformats.h"
#include "listing/listoutput.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/sqltext.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "pos/poshb.h"
#include "posting/posprint.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace {

Query& cashierGoods()
{
    return F_DataModule->Q(QStringLiteral("Q_PosxsSyy"));
}

Query& reprintTickets()
{
    return F_DataModule->Q(QStringLiteral("Q_PosDyxp"));
}

Query& reprintLines()
{
    return F_DataModule->Q(QStringLiteral("Q_PosDyxp2"));
}

DataGrid* reprintGrid(QWidget* parent, const char* name, const QString& source,
    std::initializer_list<std::pair<const char*, const char*>> columns)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->SetDataSource(&F_DataModule->D(source));
    g->SetFooterVisible(true);
    for (const auto& [field, caption] : columns) {
        const bool wide = qstrcmp(field, "pos_xsrq") == 0 || qstrcmp(field, "gl_djh") == 0
            || qstrcmp(field, "g_name") == 0 || qstrcmp(field, "gname") == 0;
        g->AddColumn(QString::fromLatin1(field), QString::fromUtf8(caption), wide ? 150 : 85);
    }
    SetRecordCount(*g, 0);
    return g;
}

void sumColumn(DataGrid& g, const char* field, bool amount)
{
    const int col = g.ColumnByField(QString::fromLatin1(field));
    if (amount) {
        SetAmountColumnFormat(GridColumnFormat(g, col));
        g.SetFooterSum(col);
        SetAmountSummaryFormat(GridFooterFormat(g, col));
    } else {
        SetQtyColumnFormat(GridColumnFormat(g, col));
        g.SetFooterSum(col);
        SetQtySummaryFormat(GridFooterFormat(g, col));
    }
}

QString dayText(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

// F2 searches, `printKey` prints, Esc closes.
void installListKeys(Form* w, int printKey, std::function<void()> search, std::function<void()> print)
{
    KeyPreview::Install(w, [w, printKey, search, print](QKeyEvent* e) {
        if (e->key() == Qt::Key_F2)
            search();
        else if (e->key() == printKey)
            print();
        else if (e->key() == Qt::Key_Escape)
            w->close();
        else
            return false;
        return true;
    });
}

} // namespace

QString CashierGoodsSql(const QString& cashier, const QDate& from, const QDate& to)
{
    return QStringLiteral("select a.g_sn,sum(a.pos_sl) as sl,sum(a.pos_zje) as zje,max(c.g_name) as gname "
                          "from jxc_posxssp a,jxc_posxsd b,jxc_goods c where a.gl_djh=b.gl_djh and a.g_sn=c.g_sn "
                          "and coalesce(b.pos_note,'')<>'gd' and a.a_name=")
        + SqlQuoted(cashier) + QStringLiteral(" and ") + PeriodCondition(QStringLiteral("b.pos_xsrq"), from, to)
        + QStringLiteral(" group by a.g_sn order by a.g_sn desc");
}

QString ReprintTicketsSql(const QDate& from, const QDate& to)
{
    return QStringLiteral("select a.*,b.hy_name,b.hy_bh from jxc_posxsd a left outer join jxc_hyxx b "
                          "on a.hy_sn=b.hy_sn where ")
        + PeriodCondition(QStringLiteral("a.pos_xsrq"), from, to) + QStringLiteral(" order by a.id desc");
}

QString ReprintLinesSql(const QString& number)
{
    return QStringLiteral("select a.*,coalesce(b.g_name,'')||coalesce(a.t_zp,'') as g_name,a.pos_dj*a.pos_dzl as dhdj "
                          "from jxc_posxssp a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=")
        + SqlQuoted(number) + QStringLiteral(" order by a.id");
}

// ---- the cashier's goods ----

TF_Posxs_Syymx::TF_Posxs_Syymx(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Syymx"));
    setWindowTitle(QStringLiteral("打印当前收银员明细"));
    resize(760, 520);
    tdate1 = MakeDateEdit(this, "tdate1");
    tdate2 = MakeDateEdit(this, "tdate2");
    btnSearch = new QPushButton(QStringLiteral("查询(F2)"), this);
    btnPrint = new QPushButton(QStringLiteral("打印明细(F3)"), this);
    btnExport = new QPushButton(QStringLiteral("导出Excel(F4)"), this);
    btnExit = new QPushButton(QStringLiteral("退出(Esc)"), this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("开始时间："), this));
    bar->addWidget(tdate1);
    bar->addWidget(new QLabel(QStringLiteral("截止时间："), this));
    bar->addWidget(tdate2);
    for (QPushButton* b : { btnSearch, btnPrint, btnExport, btnExit })
        bar->addWidget(b);
    bar->addStretch(1);
    cxGrid = reprintGrid(this, "cxGrid", QStringLiteral("D_PosxsSyy"),
        { { "g_sn", "商品编号" }, { "gname", "商品名称" }, { "sl", "商品数量" }, { "zje", "商品金额" } });
    sumColumn(*cxGrid, "sl", false);
    sumColumn(*cxGrid, "zje", true);
    cxGrid->SetFooterCount(0, QStringLiteral("品种："));
    auto* box = new QVBoxLayout(this);
    box->addLayout(bar);
    box->addWidget(cxGrid, 1);
    box->addWidget(new QLabel(QStringLiteral("说明：查询的商品总金额不包括抹零金额"), this));
    connect(btnSearch, &QPushButton::clicked, this, [this] { btnSearchClick(); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
    connect(btnExport, &QPushButton::clicked, this, [this] { btnExportClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
    installListKeys(
        this, Qt::Key_F3, [this] { btnSearchClick(); }, [this] { btnPrintClick(); });
}

TF_Posxs_Syymx::~TF_Posxs_Syymx()
{
    cashierGoods().Close();
}

void TF_Posxs_Syymx::FormActivate()
{
    ApplyFontSize(FontSize);
    setWindowTitle(QStringLiteral("打印当前收银员“") + CurrentAdminName + QStringLiteral("”明细"));
    tdate1->setDate(Clock::Today());
    tdate2->setDate(Clock::Today());
    btnSearchClick();
}

void TF_Posxs_Syymx::btnSearchClick()
{
    OpenQuery(cashierGoods(), CashierGoodsSql(CurrentAdminName, tdate1->date(), tdate2->date()));
}

void TF_Posxs_Syymx::btnPrintClick()
{
    if (!cashierGoods().Active() || cashierGoods().IsEmpty())
        return;
    const bool narrow = QueryScalar(QStringLiteral("select pp_kd from jxc_posprint")) == QLatin1String("0");
    PrintQueryReport(narrow ? QStringLiteral("possyymx58.fr3") : QStringLiteral("possyymx.fr3"),
        QStringLiteral("frxDBDataset1"), cashierGoods(),
        { { QStringLiteral("title"), QStringLiteral("当前收银员“") + CurrentAdminName + QStringLiteral("”明细") },
            { QStringLiteral("date1"), dayText(tdate1->date()) },
            { QStringLiteral("date2"), dayText(tdate2->date()) } });
}

void TF_Posxs_Syymx::btnExportClick()
{
    ExportList(*cxGrid, ExportRows::OnlyWithRows, ExportTypes::XlsxOrXls);
}

// ---- receipts printed again ----

TF_Posxs_Dyxp::TF_Posxs_Dyxp(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Dyxp"));
    setWindowTitle(QStringLiteral("补打当天小票"));
    resize(900, 620);
    tdate1 = MakeDateEdit(this, "tdate1");
    tdate2 = MakeDateEdit(this, "tdate2");
    btnSearch = new QPushButton(QStringLiteral("查询(F2)"), this);
    btnPrint = new QPushButton(QStringLiteral("打印F5"), this);
    btnExit = new QPushButton(QStringLiteral("退出Esc"), this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("查询日期："), this));
    bar->addWidget(tdate1);
    bar->addWidget(new QLabel(QStringLiteral("至"), this));
    bar->addWidget(tdate2);
    for (QPushButton* b : { btnSearch, btnPrint, btnExit })
        bar->addWidget(b);
    bar->addStretch(1);
    cxGrid1 = reprintGrid(this, "cxGrid1", QStringLiteral("D_PosDyxp"),
        { { "gl_djh", "销售单号" }, { "pos_xsrq", "销售时间" }, { "hy_bh", "会员编号" }, { "hy_name", "会员姓名" },
            { "pos_yfje", "应付金额" }, { "a_name", "操作员" } });
    sumColumn(*cxGrid1, "pos_yfje", true);
    lLines = new QLabel(this);
    cxGrid2 = reprintGrid(this, "cxGrid2", QStringLiteral("D_PosDyxp2"),
        { { "g_sn", "商品编号" }, { "g_name", "商品名称" }, { "pos_dj", "单价" }, { "pos_dzl", "折扣" },
            { "dhdj", "折后单价" }, { "pos_sl", "数量" }, { "pos_zje", "金额" } });
    sumColumn(*cxGrid2, "pos_sl", false);
    sumColumn(*cxGrid2, "pos_zje", true);
    for (const char* field : { "pos_dj", "dhdj" })
        SetAmountColumnFormat(GridColumnFormat(*cxGrid2, cxGrid2->ColumnByField(QString::fromLatin1(field))));
    auto* box = new QVBoxLayout(this);
    box->addLayout(bar);
    box->addWidget(cxGrid1, 3);
    box->addWidget(lLines);
    box->addWidget(cxGrid2, 2);
    connect(btnSearch, &QPushButton::clicked, this, [this] { btnSearchClick(); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
    connect(cxGrid1, &DataGrid::currentRowChanged, this, [this](int) { ticketChanged(); });
    connect(cxGrid1, &DataGrid::rowDoubleClicked, this, [this](int) { btnPrintClick(); });
    installListKeys(
        this, Qt::Key_F5, [this] { btnSearchClick(); }, [this] { btnPrintClick(); });
}

TF_Posxs_Dyxp::~TF_Posxs_Dyxp()
{
    reprintLines().Close();
    reprintTickets().Close();
}

void TF_Posxs_Dyxp::FormActivate()
{
    ApplyFontSize(FontSize);
    tdate1->setDate(Clock::Today());
    tdate2->setDate(Clock::Today());
    btnSearchClick();
}

void TF_Posxs_Dyxp::btnSearchClick()
{
    OpenQuery(reprintTickets(), ReprintTicketsSql(tdate1->date(), tdate2->date()));
    ticketChanged();
}

void TF_Posxs_Dyxp::ticketChanged()
{
    Query& t = reprintTickets();
    if (!t.Active() || t.IsEmpty()) {
        reprintLines().Close();
        lLines->clear();
        return;
    }
    const QString number = t.AsString(QStringLiteral("gl_djh"));
    lLines->setText(QStringLiteral("单据 ") + number + QStringLiteral(" 的详细信息"));
    OpenQuery(reprintLines(), ReprintLinesSql(number));
}

void TF_Posxs_Dyxp::btnPrintClick()
{
    Query& t = reprintTickets();
    if (!t.Active() || t.IsEmpty())
        return;
    Report report;
    PrintPosReceipt(report, t.AsString(QStringLiteral("gl_djh")), 1);
}
