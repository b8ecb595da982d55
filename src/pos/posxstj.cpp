#include "pos/posxstj.h"

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
#include "platform/db/sqltext.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "pos/posstats.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TF_Posxs_Tj* F_Posxs_Tj = nullptr;

namespace {

const QString kTjAllCashiers = QStringLiteral("所有收银员");

Query& goodsSales()
{
    return F_DataModule->Q(QStringLiteral("Q_Postj"));
}

Query& goodsLines()
{
    return F_DataModule->Q(QStringLiteral("Q_Postjmx"));
}

QString tjDay(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

QString PosGoodsSalesSql(const QDate& from, const QDate& to, const QString& key)
{
    return QStringLiteral("select a.g_sn,max(c.g_name) as gname,sum(a.pos_sl) as sl,sum(a.pos_zje) as zje from "
                          "jxc_posxssp a,jxc_posxsd b,jxc_goods c,jxc_ckxx f where a.gl_djh=b.gl_djh and "
                          "a.g_sn=c.g_sn and b.ck_sn=f.ck_sn and ")
        + PeriodCondition(QStringLiteral("b.pos_xsrq"), from, to) + NotHeldCondition(QStringLiteral("b"))
        + WarehouseBindingCondition(QStringLiteral("f")) + QStringLiteral(" and ")
        + GoodsTextCondition(key, { QStringLiteral("c.g_name"), QStringLiteral("c.g_jm"), QStringLiteral("c.g_sn") })
        + QStringLiteral(" group by a.g_sn order by a.g_sn");
}

QString PosGoodsLinesSql(const QDate& from, const QDate& to, const QString& goods, const QString& cashier)
{
    return QStringLiteral("select a.*,b.pos_xsrq from jxc_posxssp a,jxc_posxsd b,jxc_ckxx c where "
                          "a.gl_djh=b.gl_djh and b.ck_sn=c.ck_sn and ")
        + PeriodCondition(QStringLiteral("b.pos_xsrq"), from, to) + NotHeldCondition(QStringLiteral("b"))
        + QStringLiteral(" and a.a_name like '%") + SafeSqlText(cashier) + QStringLiteral("%' and a.g_sn=")
        + SqlQuoted(goods) + WarehouseBindingCondition(QStringLiteral("c"))
        + QStringLiteral(" order by b.pos_xsrq desc,a.id");
}

// ---- per goods ----

TF_Posxs_Tj::TF_Posxs_Tj(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Tj"));
    setWindowTitle(QStringLiteral("POS 商品销售统计"));
    resize(900, 600);
    tdate1 = MakeDateEdit(this, "tdate1");
    tdate2 = MakeDateEdit(this, "tdate2");
    btnDate = MakePresetButton(this, tdate1, tdate2, [this] { btnSearchClick(); });
    tkey = new QLineEdit(this);
    tkey->setObjectName(QStringLiteral("tkey"));
    InstallGoodsTextFilter(tkey);
    btnSearch = new QPushButton(QStringLiteral("查询(F2)"), this);
    btnView = new QPushButton(QStringLiteral("查看明细"), this);
    btnPrin = new QPushButton(QStringLiteral("打印"), this);
    btnExport = new QPushButton(QStringLiteral("导出"), this);
    btnExit = new QPushButton(QStringLiteral("退出"), this);
    cxGrid1View = NewQueryGrid(this, "cxGrid1View", "D_Postj");
    cxGrid1View->AddColumn(QStringLiteral("g_sn"), QStringLiteral("商品编号"), 110);
    cxGrid1View->AddColumn(QStringLiteral("gname"), QStringLiteral("商品名称"), 200);
    cxGrid1View->AddColumn(QStringLiteral("sl"), QStringLiteral("数量"), 90);
    cxGrid1View->AddColumn(QStringLiteral("zje"), QStringLiteral("金额"), 110);
    SetQueryFooter(cxGrid1View, { "sl" }, { "zje" });

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("销售日期："), this));
    bar->addWidget(tdate1);
    bar->addWidget(new QLabel(QStringLiteral("至"), this));
    bar->addWidget(tdate2);
    bar->addWidget(btnDate);
    bar->addWidget(new QLabel(QStringLiteral("商品信息："), this));
    bar->addWidget(tkey, 1);
    bar->addWidget(btnSearch);
    auto* tools = new QHBoxLayout;
    for (QPushButton* b : { btnView, btnPrin, btnExport, btnExit })
        tools->addWidget(b);
    tools->addStretch(1);
    auto* box = new QVBoxLayout(this);
    box->addLayout(bar);
    box->addLayout(tools);
    box->addWidget(cxGrid1View, 1);

    connect(btnSearch, &QPushButton::clicked, this, [this] { btnSearchClick(); });
    connect(btnView, &QPushButton::clicked, this, [this] { btnViewClick(); });
    connect(btnPrin, &QPushButton::clicked, this, [this] { btnPrinClick(); });
    connect(btnExport, &QPushButton::clicked, this, [this] { btnExportClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this](int) { btnViewClick(); });
    KeyPreview::InstallKey(this, Qt::Key_F2, [this] { btnSearchClick(); });
}

TF_Posxs_Tj::~TF_Posxs_Tj()
{
    goodsSales().Close();
}

void TF_Posxs_Tj::FormActivate()
{
    ApplyFontSize(FontSize);
    SetPeriod(tdate1, tdate2, CurrentMonth(Clock::Today()));
    tkey->clear();
    btnSearchClick();
    SumGridColumns(*cxGrid1View, { "sl" }, false);
    SumGridColumns(*cxGrid1View, { "zje" }, true);
    cxGrid1View->SetColumnVisible(cxGrid1View->ColumnByField(QStringLiteral("zje")), ShowSalePrice);
    btnPrin->setEnabled(ShowSalePrice);
}

void TF_Posxs_Tj::btnSearchClick()
{
    OpenQuery(goodsSales(), PosGoodsSalesSql(tdate1->date(), tdate2->date(), tkey->text()));
}

void TF_Posxs_Tj::btnViewClick()
{
    if (!goodsSales().Active() || goodsSales().IsEmpty())
        return;
    SelectedSn = goodsSales().AsString(QStringLiteral("g_sn"));
    TF_Posxs_Tjmx detail(this);
    detail.tdate1->setDate(tdate1->date());
    detail.tdate2->setDate(tdate2->date());
    detail.lgname->setText(goodsSales().AsString(QStringLiteral("gname")));
    detail.ShowModal();
}

void TF_Posxs_Tj::btnPrinClick()
{
    if (!btnPrin->isEnabled() || !goodsSales().Active() || goodsSales().IsEmpty())
        return;
    PrintQueryReport(QStringLiteral("postj.fr3"), QStringLiteral("frxDBDataset1"), goodsSales(),
        { { QStringLiteral("date1"), tjDay(tdate1->date()) }, { QStringLiteral("date2"), tjDay(tdate2->date()) } });
}

void TF_Posxs_Tj::btnExportClick()
{
    ExportList(*cxGrid1View, ExportRows::OnlyWithRows, ExportTypes::XlsxOrXls);
}

// ---- one goods' lines ----

TF_Posxs_Tjmx::TF_Posxs_Tjmx(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Tjmx"));
    setWindowTitle(QStringLiteral("商品销售明细"));
    resize(900, 560);
    lgname = new QLabel(this);
    lgname->setObjectName(QStringLiteral("lgname"));
    tdate1 = MakeDateEdit(this, "tdate1");
    tdate2 = MakeDateEdit(this, "tdate2");
    btnDate = MakePresetButton(this, tdate1, tdate2, [this] { btnSearchClick(); });
    comAdmin = new KeyedCombo(this);
    comAdmin->setObjectName(QStringLiteral("comAdmin"));
    comAdmin->setMinimumWidth(110);
    btnSearch = new QPushButton(QStringLiteral("查询(F2)"), this);
    btnView = new QPushButton(QStringLiteral("查看单据"), this);
    btnExport = new QPushButton(QStringLiteral("导出"), this);
    btnExit = new QPushButton(QStringLiteral("退出"), this);
    cxGrid1View = NewQueryGrid(this, "cxGrid1View", "D_Postjmx");
    struct Col {
        const char* field;
        const char* caption;
        int width;
    };
    for (const Col& c : { Col { "pos_xsrq", "开单日期", 135 }, Col { "gl_djh", "单据号", 130 },
             Col { "pos_dj", "单价", 80 }, Col { "pos_dzl", "打折率", 70 }, Col { "pos_sl", "数量", 80 },
             Col { "pos_zje", "总金额", 100 }, Col { "a_name", "收银员", 90 } })
        cxGrid1View->AddColumn(QLatin1String(c.field), QString::fromUtf8(c.caption), c.width);
    cxGrid1View->SetFooterVisible(true);
    cxGrid1View->SetFooterCount(0, QStringLiteral("单据数："));

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("商品名称："), this));
    top->addWidget(lgname, 1);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("查询时间："), this));
    bar->addWidget(tdate1);
    bar->addWidget(new QLabel(QStringLiteral("至"), this));
    bar->addWidget(tdate2);
    bar->addWidget(btnDate);
    bar->addWidget(new QLabel(QStringLiteral("收银员："), this));
    bar->addWidget(comAdmin);
    bar->addWidget(btnSearch);
    bar->addStretch(1);
    auto* tools = new QHBoxLayout;
    for (QPushButton* b : { btnView, btnExport, btnExit })
        tools->addWidget(b);
    tools->addStretch(1);
    auto* box = new QVBoxLayout(this);
    box->addLayout(top);
    box->addLayout(bar);
    box->addLayout(tools);
    box->addWidget(cxGrid1View, 1);

    connect(btnSearch, &QPushButton::clicked, this, [this] { btnSearchClick(); });
    connect(btnView, &QPushButton::clicked, this, [this] { btnViewClick(); });
    connect(btnExport, &QPushButton::clicked, this, [this] { btnExportClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this](int) { btnViewClick(); });
    KeyPreview::InstallKey(this, Qt::Key_F2, [this] { btnSearchClick(); });
}

TF_Posxs_Tjmx::~TF_Posxs_Tjmx()
{
    goodsLines().Close();
}

void TF_Posxs_Tjmx::FormActivate()
{
    ApplyFontSize(FontSize);
    FillAdminCombo(*comAdmin, kTjAllCashiers);
    comAdmin->setCurrentIndex(0);
    btnSearchClick();
    SumGridColumns(*cxGrid1View, { "pos_sl" }, false);
    SumGridColumns(*cxGrid1View, { "pos_zje" }, true);
    SetLineGridFormats(*cxGrid1View, { "pos_dj" }, "pos_sl");
    for (const char* field : { "pos_dj", "pos_dzl", "pos_zje" })
        cxGrid1View->SetColumnVisible(cxGrid1View->ColumnByField(QLatin1String(field)), ShowSalePrice);
}

void TF_Posxs_Tjmx::btnSearchClick()
{
    const QString cashier = comAdmin->currentText() == kTjAllCashiers ? QString() : comAdmin->currentText();
    OpenQuery(goodsLines(), PosGoodsLinesSql(tdate1->date(), tdate2->date(), SelectedSn, cashier));
}

void TF_Posxs_Tjmx::btnViewClick()
{
    ViewPosTicket(goodsLines());
}

void TF_Posxs_Tjmx::btnExportClick()
{
    ExportList(*cxGrid1View, ExportRows::OnlyWithRows, ExportTypes::XlsxOrXls);
}
