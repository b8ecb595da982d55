#include "pos/postc.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "reports/commission.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TF_Posxs_Tc* F_Posxs_Tc = nullptr;

namespace {

Query& commissionRows()
{
    return F_DataModule->Q(QStringLiteral("Q_Xstj5"));
}

} // namespace

void ComputeTillCommission(const QDate& from, const QDate& to, const QString& staff, int kind)
{
    CommissionChoice c;
    c.from = from;
    c.to = to;
    c.staff = staff;
    c.category = static_cast<CommissionCategory>(qBound(0, kind, 5));
    c.tillProfit = true;
    ComputeCommissionSummary(c, CurrentAdminName);
    OpenQuery(commissionRows(), CommissionSummarySql(CurrentAdminName));
}

TF_Posxs_Tc::TF_Posxs_Tc(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Tc"));
    setWindowTitle(QStringLiteral("POS销售提成"));
    resize(980, 560);
    tdate1 = MakeDateEdit(this, "tdate1");
    tdate2 = MakeDateEdit(this, "tdate2");
    btnDate = MakePresetButton(this, tdate1, tdate2, [this] { btnSearchClick(); });
    comUser = new KeyedCombo(this);
    comUser->setObjectName(QStringLiteral("comUser"));
    comUser->setMinimumWidth(120);
    comTcfs = new QComboBox(this);
    comTcfs->setObjectName(QStringLiteral("comTcfs"));
    comTcfs->addItems(
        { QStringLiteral("全部类别"), QStringLiteral("业务员按销售额提成"), QStringLiteral("业务员按毛利提成"),
            QStringLiteral("商品按件数提成"), QStringLiteral("商品按销售额提成"), QStringLiteral("商品按毛利提成") });
    btnSearch = new QPushButton(QStringLiteral("统计(F2)"), this);
    btnExport = new QPushButton(QStringLiteral("导出"), this);
    btnExit = new QPushButton(QStringLiteral("退出"), this);
    cxGrid = new DataGrid(this);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->SetDataSource(&F_DataModule->D(QStringLiteral("D_Xstj5")));
    cxGrid->SetFooterVisible(true);
    const char* const columns[][2] = { { "g_sn", "业务员编号" }, { "hz_txt1", "业务员姓名" }, { "hz_txt2", "统计类别" },
        { "hz_kc", "销售金额" }, { "hz_kczje", "可提成金额" }, { "hz_rksl", "销售毛利" }, { "hz_rkzje", "可提成毛利" },
        { "hz_cksl", "提成数量" }, { "hz_glkczje", "提成比例" }, { "hz_ckzje", "提成金额" } };
    for (const auto& c : columns)
        cxGrid->AddColumn(QLatin1String(c[0]), QString::fromUtf8(c[1]), qstrcmp(c[0], "hz_txt2") == 0 ? 160 : 90);
    for (const char* hidden : { "hz_rksl", "hz_rkzje" })
        cxGrid->SetColumnVisible(cxGrid->ColumnByField(QLatin1String(hidden)), false);
    cxGrid->SetColumnFormat(cxGrid->ColumnByField(QStringLiteral("hz_glkczje")), QStringLiteral("0.0000;-0.0000"));
    cxGrid->SetFooterCount(0, QStringLiteral("记录数:"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("查询日期："), this));
    bar->addWidget(tdate1);
    bar->addWidget(new QLabel(QStringLiteral("至"), this));
    bar->addWidget(tdate2);
    bar->addWidget(btnDate);
    bar->addWidget(new QLabel(QStringLiteral("业务员名称："), this));
    bar->addWidget(comUser);
    bar->addWidget(comTcfs);
    bar->addWidget(btnSearch);
    bar->addWidget(btnExport);
    bar->addWidget(btnExit);
    bar->addStretch(1);
    auto* box = new QVBoxLayout(this);
    box->addLayout(bar);
    box->addWidget(cxGrid, 1);

    connect(btnSearch, &QPushButton::clicked, this, [this] { btnSearchClick(); });
    connect(btnExport, &QPushButton::clicked, this, [this] { btnExportClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
    KeyPreview::InstallKey(this, Qt::Key_F2, [this] { btnSearchClick(); });
}

TF_Posxs_Tc::~TF_Posxs_Tc()
{
    commissionRows().Close();
}

void TF_Posxs_Tc::FormActivate()
{
    ApplyFontSize(FontSize);
    SetPeriod(tdate1, tdate2, CurrentMonth(Clock::Today()));
    FillStaffCombo(*comUser, QStringLiteral("u_xs"), QStringLiteral("所有员工"));
    comUser->setCurrentIndex(0);
    for (const char* field : { "hz_kc", "hz_kczje", "hz_ckzje" }) {
        const int col = cxGrid->ColumnByField(QLatin1String(field));
        SetAmountColumnFormat(GridColumnFormat(*cxGrid, col));
        cxGrid->SetFooterSum(col);
        SetAmountSummaryFormat(GridFooterFormat(*cxGrid, col));
    }
    const int qty = cxGrid->ColumnByField(QStringLiteral("hz_cksl"));
    SetQtyColumnFormat(GridColumnFormat(*cxGrid, qty));
    cxGrid->SetFooterSum(qty);
    SetQtySummaryFormat(GridFooterFormat(*cxGrid, qty));
    btnSearchClick();
}

void TF_Posxs_Tc::btnSearchClick()
{
    const int i = comUser->currentIndex();
    const QString staff = (i < 0 || comUser->currentText() == QLatin1String("所有员工") || comUser->Code(i).isEmpty())
        ? QStringLiteral("-1")
        : comUser->Code(i);
    ComputeTillCommission(tdate1->date(), tdate2->date(), staff, comTcfs->currentIndex());
}

void TF_Posxs_Tc::btnExportClick()
{
    ExportList(*cxGrid, ExportRows::Always, ExportTypes::XlsxOrXls);
}
