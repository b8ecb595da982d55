#include "masterdata/pickersclsele.h"

#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "listing/gridformats.h"
#include "masterdata/pickersform.h"
#include "platform/grid/datagrid.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TF_Spxs_Clsele* F_Spxs_Clsele = nullptr;

TF_Spxs_Clsele::TF_Spxs_Clsele(QWidget* parent)
    : Form(parent), Q_Goods3(F_DataModule->Q(QStringLiteral("Q_Goods3"))),
      Q_Plxx(F_DataModule->Q(QStringLiteral("Q_Plxx")))
{
    setObjectName(QStringLiteral("TF_Spxs_Clsele"));
    setWindowTitle(QStringLiteral("商品套料选择"));
    resize(820, 560);
    auto* box = new QVBoxLayout(this);
    auto* search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("输入商品编号或名称查询："), this));
    tkey = new QLineEdit(this);
    tkey->setObjectName(QStringLiteral("tkey"));
    search->addWidget(tkey, 1);
    search->addWidget(new QLabel(QStringLiteral("单击商品即可选中，双击确定选择"), this));
    box->addLayout(search);

    cxGridGoods = new DataGrid(this);
    cxGridGoods->setObjectName(QStringLiteral("cxGridGoods"));
    cxGridGoods->SetDataSource(&F_DataModule->D(QStringLiteral("D_Goods3")));
    const char* const goods[][3] = { { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "160" },
        { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "90" }, { "color_name", "颜色", "70" },
        { "g_jj", "进价", "80" }, { "g_sj", "预设售价", "80" } };
    for (const auto& c : goods)
        cxGridGoods->AddColumn(QString::fromLatin1(c[0]), QString::fromUtf8(c[1]), QString::fromLatin1(c[2]).toInt());
    for (const char* price : { "g_jj", "g_sj" })
        cxGridGoods->SetColumnFormat(
            cxGridGoods->ColumnByField(QString::fromLatin1(price)), QStringLiteral("￥,0.00;￥-,0.00"));
    cxGridGoods->SetFooterVisible(true);
    box->addWidget(cxGridGoods, 3);

    cxGridPl = new DataGrid(this);
    cxGridPl->setObjectName(QStringLiteral("cxGridPl"));
    cxGridPl->SetDataSource(&F_DataModule->D(QStringLiteral("D_Plxx")));
    const char* const materials[][3]
        = { { "pl_gsn", "配料编号", "90" }, { "g_name", "配料名称", "160" }, { "dw_name", "单位", "50" },
              { "gg_name", "款型说明", "90" }, { "pl_sl", "数量", "80" }, { "g_kc", "当前库存(总)", "90" } };
    for (const auto& c : materials)
        cxGridPl->AddColumn(QString::fromLatin1(c[0]), QString::fromUtf8(c[1]), QString::fromLatin1(c[2]).toInt());
    cxGridPl->SetFooterVisible(true);
    box->addWidget(cxGridPl, 2);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("商品："), this));
    gsn = new QLabel(this);
    gsn->setObjectName(QStringLiteral("gsn"));
    gname = new QLabel(this);
    gname->setObjectName(QStringLiteral("gname"));
    bottom->addWidget(gsn);
    bottom->addWidget(gname);
    bottom->addStretch(1);
    bottom->addWidget(new QLabel(QStringLiteral("出库套数："), this));
    tsl = new QDoubleSpinBox(this);
    tsl->setObjectName(QStringLiteral("tsl"));
    tsl->setDecimals(2);
    tsl->setRange(-99999.99, 999999.99);
    tsl->setButtonSymbols(QAbstractSpinBox::NoButtons);
    tsl->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    bottom->addWidget(tsl);
    AddButton(bottom, this, QStringLiteral("确定(F5)"), [this] { btnOKClick(); });
    AddButton(bottom, this, QStringLiteral("取消(Esc)"), [this] { btnCancelClick(); });
    box->addLayout(bottom);

    connect(tkey, &QLineEdit::textChanged, this, &TF_Spxs_Clsele::tkeyChange);
    connect(cxGridGoods, &QAbstractItemView::clicked, this, &TF_Spxs_Clsele::setPlxx);
    connect(cxGridGoods, &DataGrid::rowDoubleClicked, this, [this] {
        setPlxx();
        btnOKClick();
    });
    InstallDialogKeys(this, [this] { btnOKClick(); });
}

TF_Spxs_Clsele::~TF_Spxs_Clsele()
{
    if (F_Spxs_Clsele == this)
        F_Spxs_Clsele = nullptr;
}

void TF_Spxs_Clsele::hideEvent(QHideEvent* e)
{
    FormClose();
    Form::hideEvent(e);
}

void TF_Spxs_Clsele::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    gsn->clear();
    gname->clear();
    tsl->setValue(1);
    {
        const QSignalBlocker block(tkey);
        tkey->clear();
    }
    cxGridGoods->ClearFilter();
    const int cost = cxGridGoods->ColumnByField(QStringLiteral("g_jj"));
    const int sale = cxGridGoods->ColumnByField(QStringLiteral("g_sj"));
    cxGridGoods->SetColumnVisible(cost, true);
    cxGridGoods->SetColumnVisible(sale, true);
    if (OpenMode == QLatin1String("bmly") || OpenMode == QLatin1String("cgjh"))
        cxGridGoods->SetColumnVisible(sale, ShowSalePrice);
    else
        cxGridGoods->SetColumnVisible(cost, ShowCostPrice);
    OpenQuery(Q_Goods3,
        QStringLiteral("select distinct a.g_sn,b.g_name,b.gg_name,b.dw_name,b.color_name,b.g_sj,g_jj,"
                       "g_pjjj,b.g_jm from jxc_plxx a,jxc_goods b where a.g_sn=b.g_sn and b.g_jy=0 "
                       "order by a.g_sn"));
    cxGridGoods->SetFooterCount(cxGridGoods->ColumnByField(QStringLiteral("g_sn")), QStringLiteral("记录数："));
    Q_Plxx.Close();
    if (!Q_Goods3.IsEmpty()) {
        Q_Goods3.First();
        gsn->setText(Q_Goods3.AsString(QStringLiteral("g_sn")));
        gname->setText(Q_Goods3.AsString(QStringLiteral("g_name")));
        LoadMaterials();
    }
    for (const char* qty : { "pl_sl", "g_kc" }) {
        const int col = cxGridPl->ColumnByField(QString::fromLatin1(qty));
        SetQtyColumnFormat(GridColumnFormat(*cxGridPl, col));
    }
}

void TF_Spxs_Clsele::LoadMaterials()
{
    Q_Plxx.Close();
    Q_Plxx.ClearParams();
    Q_Plxx.SetSQL(QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.g_kc from jxc_plxx a,jxc_goods b "
                                 "where a.pl_gsn=b.g_sn and a.g_sn=:g order by a.id"));
    Q_Plxx.SetParam(QStringLiteral("g"), gsn->text());
    Q_Plxx.Open();
    cxGridPl->SetFooterCount(cxGridPl->ColumnByField(QStringLiteral("pl_gsn")), QStringLiteral("记录数："));
    QString qtyFormat;
    SetQtySummaryFormat([&qtyFormat](const QString& f) { qtyFormat = f; });
    for (const char* qty : { "pl_sl", "g_kc" })
        cxGridPl->SetFooterSum(cxGridPl->ColumnByField(QString::fromLatin1(qty)), qtyFormat);
}

void TF_Spxs_Clsele::FormClose()
{
    Q_Goods3.Close();
    Q_Plxx.Close();
}

void TF_Spxs_Clsele::setPlxx()
{
    if (!Q_Goods3.Active() || cxGridGoods->RowCount() == 0 || cxGridGoods->CurrentRow() < 0)
        return;
    gsn->setText(Q_Goods3.AsString(QStringLiteral("g_sn")));
    gname->setText(Q_Goods3.AsString(QStringLiteral("g_name")));
    LoadMaterials();
}

void TF_Spxs_Clsele::tkeyChange()
{
    FilterGridByText(*cxGridGoods, tkey->text().trimmed(),
        { QStringLiteral("g_name"), QStringLiteral("g_jm"), QStringLiteral("g_sn"), QStringLiteral("gg_name") });
}

void TF_Spxs_Clsele::btnOKClick()
{
    AuxTag = QStringLiteral("ok");
    close();
}

void TF_Spxs_Clsele::btnCancelClick()
{
    close();
}
