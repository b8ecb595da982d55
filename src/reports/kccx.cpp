#include "reports/kccx.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/gridlayout.h"
#include "foundation/keypreview.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/listoutput.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "reports/jxcmx.h"
#include "reports/jxcwidgets.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

TF_Kccx* F_Kccx = nullptr;

namespace {

const QString kAllCategories = QStringLiteral("所有类别");
const QString kCheckWindow = QStringLiteral("TF_kccx_Hd");
const QString kSingleItemWindow = QStringLiteral("TF_Kccx_Dphd");

DataGrid* stockGrid(QWidget* parent, const char* name, const QString& dataset)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->SetDataSource(&F_DataModule->D(dataset));
    g->SetFooterVisible(true);
    return g;
}

struct ColumnSpec {
    const char* field;
    const char* caption;
    int width;
    bool number;
    bool visible;
};

void addColumns(DataGrid& g, std::initializer_list<ColumnSpec> columns)
{
    for (const ColumnSpec& c : columns) {
        const int col = g.AddColumn(QString::fromLatin1(c.field), QString::fromUtf8(c.caption), c.width,
            c.number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
        g.SetColumnVisible(col, c.visible);
    }
}

QLineEdit* lineEdit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

KeyedCombo* keyedCombo(QWidget* parent, const char* name)
{
    auto* c = new KeyedCombo(parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

void addLabelled(QHBoxLayout* bar, QWidget* page, const QString& label, QWidget* field, int stretch = 0)
{
    bar->addWidget(new QLabel(label, page));
    bar->addWidget(field, stretch);
}

void setColumnShown(DataGrid& g, const char* field, bool shown)
{
    g.SetColumnVisible(g.ColumnByField(QString::fromLatin1(field)), shown);
}

} // namespace

TF_Kccx::TF_Kccx(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Kccx"));
    setWindowTitle(QStringLiteral("当前库存查询"));
    SetReactivateAfterModal(true);
    SetEscCloses(false);
    ApplyFontSize(FontSize);
    cxPage = new QTabWidget(this);
    cxPage->setObjectName(QStringLiteral("cxPage"));
    cxTab1 = new QWidget(cxPage);
    cxTab2 = new QWidget(cxPage);
    cxTab3 = new QWidget(cxPage);
    cxPage->addTab(cxTab1, QStringLiteral("库存变动情况"));
    cxPage->addTab(cxTab2, QStringLiteral("历史库存查询"));
    cxPage->addTab(cxTab3, QStringLiteral("库存明细"));

    // Page 1: the stock now.
    btn_All = ReportButton(cxTab1, "btn_All", QStringLiteral("全部"));
    btn_Cz = ReportButton(cxTab1, "btn_Cz", QStringLiteral("查找"));
    btn_Ckmx = ReportButton(cxTab1, "btn_Ckmx", QStringLiteral("查看明细"));
    btnKchd = ReportButton(cxTab1, "btnKchd", QStringLiteral("库存核对"));
    btn_Prin = ReportButton(cxTab1, "btn_Prin", QStringLiteral("打印"));
    btn_Export = ReportButton(cxTab1, "btn_Export", QStringLiteral("导出"));
    btn_Exit = ReportButton(cxTab1, "btn_Exit", QStringLiteral("退出"));
    QHBoxLayout* tools1 = ButtonRow({ btn_All, btn_Cz, btn_Ckmx, btnKchd, btn_Prin, btn_Export, btn_Exit });
    comCk = keyedCombo(cxTab1, "comCk");
    tsplb = lineEdit(cxTab1, "tsplb");
    tkey = lineEdit(cxTab1, "tkey");
    btnCx1 = ReportButton(cxTab1, "btnCx1", QStringLiteral("查询(F2)"));
    chk0 = ReportCheck(cxTab1, "chk0", QStringLiteral("不显示库存为零的商品"));
    chkJy = ReportCheck(cxTab1, "chkJy", QStringLiteral("显示禁用商品"));
    auto* bar1 = new QHBoxLayout;
    addLabelled(bar1, cxTab1, QStringLiteral("仓库："), comCk);
    addLabelled(bar1, cxTab1, QStringLiteral("商品类别："), tsplb);
    addLabelled(bar1, cxTab1, QStringLiteral("商品相关信息："), tkey, 1);
    bar1->addWidget(btnCx1);
    bar1->addWidget(chk0);
    bar1->addWidget(chkJy);
    cxGrid1View = stockGrid(cxTab1, "cxGrid1View", QStringLiteral("Q_Kccx1"));
    addColumns(*cxGrid1View,
        { { "g_sn", "商品编号", 80, false, true }, { "g_name", "商品名称", 120, false, true },
            { "gc_name", "商品类别", 70, false, true }, { "kcsl", "当前库存", 70, true, true },
            { "kczsl", "帐面库存", 70, true, true }, { "xssl", "销售总数", 70, true, true },
            { "g_scjj", "上次进价", 70, true, true }, { "cbjj", "平均成本", 70, true, true },
            { "kczje", "库存总值", 80, true, true }, { "g_sj", "预设售价", 70, true, true },
            { "xszje", "售价总值", 80, true, true }, { "dw_name", "单位", 40, false, true },
            { "gg_name", "款型说明", 70, false, true }, { "color_name", "颜色", 50, false, true },
            { "g_jy", "禁用", 40, false, true }, { "dw_name2", "单位2", 50, false, true },
            { "fzkc", "单位2库存", 70, true, true }, { "g_zhxs", "转换系数", 60, true, true },
            { "hj_name", "所在货架", 70, false, true }, { "g_bz", "备注", 100, false, true },
            { "id", "id", 40, false, false }, { "g_zdkc", "最低库存", 60, true, false },
            { "g_pjjj", "平均进价", 60, true, false }, { "g_sccs", "品牌厂商", 60, false, false },
            { "g_sptm", "条码", 60, false, false }, { "gc_sn", "类别编号", 60, false, false } });
    cxGrid1View->SetCheckColumn(cxGrid1View->ColumnByField(QStringLiteral("g_jy")), false);
    cxGrid1View->SetFooterText(0, QStringLiteral("合计："));
    cxGrid1View->SetFooterCount(1);
    for (const char* sum : { "kcsl", "xssl", "xszje", "kczje", "kczsl", "fzkc" })
        cxGrid1View->SetFooterSum(cxGrid1View->ColumnByField(QString::fromLatin1(sum)));
    cxGrid1View->setToolTip(QStringLiteral("红色代表当前库存小于最低库存"));
    cxGrid1View->SetCellStyler([this](int row, int, CellStyle& style) {
        const double stock = cxGrid1View->Value(row, QStringLiteral("kcsl")).toDouble();
        const double minimum = cxGrid1View->Value(row, QStringLiteral("g_zdkc")).toDouble();
        if (BelowMinimumStock(stock, minimum))
            style.text = QColor(245, 143, 152);
    });
    popupStock = new QMenu(this);
    mnuDetail = popupStock->addAction(QStringLiteral("查看该商品变动情况(&X)"));
    mnuCopyName = popupStock->addAction(QStringLiteral("复制商品名称(&Y)"));
    mnuCopyCode = popupStock->addAction(QStringLiteral("复制商品编号(&Z)"));
    mnuExport = popupStock->addAction(QStringLiteral("导出为Excel(&E)"));
    AddLayoutItem(popupStock, cxGrid1View, QStringLiteral("kccx"));
    auto* page1 = new QVBoxLayout(cxTab1);
    page1->addLayout(tools1);
    page1->addLayout(bar1);
    page1->addWidget(cxGrid1View, 1);

    // Page 2: the ledger's stock at the end of a past day.
    tdate1 = MakeDateEdit(cxTab2, "tdate1");
    comCk2 = keyedCombo(cxTab2, "comCk2");
    tsplb2 = lineEdit(cxTab2, "tsplb2");
    tName = lineEdit(cxTab2, "tName");
    btnSearch1 = ReportButton(cxTab2, "btnSearch1", QStringLiteral("查询(F2)"));
    btnExport1 = ReportButton(cxTab2, "btnExport1", QStringLiteral("导出"));
    btnExit1 = ReportButton(cxTab2, "btnExit1", QStringLiteral("退出"));
    auto* bar2 = new QHBoxLayout;
    addLabelled(bar2, cxTab2, QStringLiteral("截止时间："), tdate1);
    addLabelled(bar2, cxTab2, QStringLiteral("仓库："), comCk2);
    addLabelled(bar2, cxTab2, QStringLiteral("商品类别："), tsplb2);
    addLabelled(bar2, cxTab2, QStringLiteral("商品名称或编号："), tName, 1);
    for (QPushButton* b : { btnSearch1, btnExport1, btnExit1 })
        bar2->addWidget(b);
    cxGrid2View = stockGrid(cxTab2, "cxGrid2View", QStringLiteral("Q_Kccx2"));
    addColumns(*cxGrid2View,
        { { "g_sn", "商品编号", 80, false, true }, { "g_name", "商品名称", 120, false, true },
            { "gc_name", "商品类别", 70, false, true }, { "dw_name", "单位", 40, false, true },
            { "g_pjjj", "平均进价", 60, true, false }, { "kc_sl", "当前库存", 60, true, false },
            { "kc_zsl", "帐面库存", 60, true, false }, { "ck_sn", "仓库编号", 60, false, false },
            { "ck_name", "仓库", 60, false, false }, { "gg_name", "款型说明", 70, false, true },
            { "color_name", "颜色", 50, false, true }, { "gl_pjjj", "商品均价", 70, true, true },
            { "gl_kc", "库存数量", 70, true, true }, { "gl_kczje", "库存总值", 80, true, true } });
    SetRecordCount(*cxGrid2View, 0);
    cxGrid2View->SetFooterSum(cxGrid2View->ColumnByField(QStringLiteral("gl_kc")));
    cxGrid2View->SetFooterSum(cxGrid2View->ColumnByField(QStringLiteral("gl_kczje")));
    auto* page2 = new QVBoxLayout(cxTab2);
    page2->addLayout(bar2);
    page2->addWidget(cxGrid2View, 1);

    // Page 3: stock per warehouse, colour and size.
    tkey4 = lineEdit(cxTab3, "tkey4");
    tsplb4 = lineEdit(cxTab3, "tsplb4");
    comCk4 = keyedCombo(cxTab3, "comCk4");
    comColor = keyedCombo(cxTab3, "comColor");
    comCm = keyedCombo(cxTab3, "comCm");
    btnCx4 = ReportButton(cxTab3, "btnCx4", QStringLiteral("查询(F2)"));
    chk04 = ReportCheck(cxTab3, "chk04", QStringLiteral("不显示库存为零的商品"));
    chkTm = ReportCheck(cxTab3, "chkTm", QStringLiteral("显示条码信息"));
    cxButton1 = ReportButton(cxTab3, "cxButton1", QStringLiteral("单品核对"));
    btn_Export4 = ReportButton(cxTab3, "btn_Export4", QStringLiteral("导出"));
    btnExit4 = ReportButton(cxTab3, "btnExit4", QStringLiteral("退出"));
    auto* bar3 = new QHBoxLayout;
    addLabelled(bar3, cxTab3, QStringLiteral("商品相关信息："), tkey4, 1);
    addLabelled(bar3, cxTab3, QStringLiteral("商品类别："), tsplb4);
    addLabelled(bar3, cxTab3, QStringLiteral("仓库："), comCk4);
    addLabelled(bar3, cxTab3, QStringLiteral("颜色："), comColor);
    addLabelled(bar3, cxTab3, QStringLiteral("尺码："), comCm);
    bar3->addWidget(btnCx4);
    auto* tools3 = new QHBoxLayout;
    tools3->addWidget(chk04);
    tools3->addWidget(chkTm);
    tools3->addStretch(1);
    for (QPushButton* b : { cxButton1, btn_Export4, btnExit4 })
        tools3->addWidget(b);
    cxGrid4View = stockGrid(cxTab3, "cxGrid4View", QStringLiteral("Q_Kcmx"));
    addColumns(*cxGrid4View,
        { { "id", "id", 40, false, false }, { "g_sn", "商品编号", 80, false, true },
            { "t_ph", "批号", 60, false, false }, { "cm_sn", "尺码编号", 60, false, false },
            { "color_sn", "颜色编号", 60, false, false }, { "g_name", "商品名称", 120, false, true },
            { "dw_name", "单位", 40, false, true }, { "t_sl", "库存数量", 70, true, true },
            { "ck_sn", "仓库编号", 60, false, false }, { "g_jj", "预设进价", 70, true, true },
            { "color_name", "颜色", 60, false, true }, { "cm_name", "尺码", 60, false, true },
            { "tm_tm", "条码", 100, false, false }, { "g_sccs", "品牌厂商", 80, false, true },
            { "ck_name", "所在仓库", 70, false, true }, { "g_bz", "备注", 100, false, true } });
    SetRecordCount(*cxGrid4View, 1);
    cxGrid4View->SetFooterSum(cxGrid4View->ColumnByField(QStringLiteral("t_sl")));
    auto* page3 = new QVBoxLayout(cxTab3);
    page3->addLayout(bar3);
    page3->addLayout(tools3);
    page3->addWidget(cxGrid4View, 1);

    auto* root = new QVBoxLayout(this);
    root->addWidget(cxPage);
    categories1 = new CategoryPanel(cxTab1, QStringLiteral("Q_GClass5"), tsplb, [this] { btnCx1Click(); });
    categories2 = new CategoryPanel(cxTab2, QStringLiteral("Q_GClass5"), tsplb2, [this] { btnSearch1Click(); });
    categories4 = new CategoryPanel(cxTab3, QStringLiteral("Q_GClass5"), tsplb4, [this] { btnCx4Click(); });
    for (QLineEdit* e : { tsplb, tsplb2, tsplb4, tkey, tName })
        InstallGoodsTextFilter(e);
    resize(1100, 620);

    connect(btn_All, &QPushButton::clicked, this, [this] { btn_AllClick(); });
    connect(btn_Cz, &QPushButton::clicked, this, [this] { btn_CzClick(); });
    connect(btn_Ckmx, &QPushButton::clicked, this, [this] { btn_CkmxClick(); });
    connect(btnKchd, &QPushButton::clicked, this, [this] { btnKchdClick(); });
    connect(btn_Prin, &QPushButton::clicked, this, [this] { btn_PrinClick(); });
    connect(btn_Export, &QPushButton::clicked, this, [this] { btn_ExportClick(); });
    connect(btnCx1, &QPushButton::clicked, this, [this] { btnCx1Click(); });
    connect(tkey, &QLineEdit::returnPressed, this, [this] { btnCx1Click(); });
    connect(btnSearch1, &QPushButton::clicked, this, [this] { btnSearch1Click(); });
    connect(btnExport1, &QPushButton::clicked, this, [this] { btnExport1Click(); });
    connect(btnCx4, &QPushButton::clicked, this, [this] { btnCx4Click(); });
    connect(cxButton1, &QPushButton::clicked, this, [this] { cxButton1Click(); });
    connect(btn_Export4, &QPushButton::clicked, this, [this] { btn_Export4Click(); });
    for (QPushButton* b : { btn_Exit, btnExit1, btnExit4 })
        connect(b, &QPushButton::clicked, this, [this] { close(); });
    connect(comCk, &QComboBox::currentIndexChanged, this, [this] {
        if (!resetting_)
            btnCx1Click();
    });
    for (QCheckBox* c : { chk0, chkJy })
        connect(c, &QCheckBox::toggled, this, [this] {
            if (!resetting_)
                btnCx1Click();
        });
    connect(comCk2, &QComboBox::currentIndexChanged, this, [this] {
        if (!resetting_)
            btnSearch1Click();
    });
    connect(chkTm, &QCheckBox::clicked, this, [this] { chkTmClick(); });
    connect(cxPage, &QTabWidget::currentChanged, this, [this] {
        if (!resetting_)
            cxPageChange();
    });
    connect(mnuDetail, &QAction::triggered, this, [this] { btn_CkmxClick(); });
    connect(mnuCopyName, &QAction::triggered, this, [this] { CopyField(QStringLiteral("g_name")); });
    connect(mnuCopyCode, &QAction::triggered, this, [this] { CopyField(QStringLiteral("g_sn")); });
    connect(mnuExport, &QAction::triggered, this, [this] { btn_ExportClick(); });
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this] { btn_CkmxClick(); });
    connect(cxGrid1View, &DataGrid::rightClicked, this,
        [this](const QPoint& at) { PopupWhenRows(popupStock, *cxGrid1View, at); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

Query& TF_Kccx::Stock()
{
    return F_DataModule->Q(QStringLiteral("Q_Kccx1"));
}
Query& TF_Kccx::History()
{
    return F_DataModule->Q(QStringLiteral("Q_Kccx2"));
}
Query& TF_Kccx::Detail()
{
    return F_DataModule->Q(QStringLiteral("Q_Kcmx"));
}

void TF_Kccx::FormActivate()
{
    PictureName.clear();
    useFound_ = false;
    resetting_ = true;
    cxPage->setCurrentWidget(cxTab1);
    FillReportWarehouses(*comCk);
    FillOwnWarehouses(*comCk2);
    FillWarehouseChoice(*comCk4);
    // The check windows come with the stock repair; without them the buttons stay off.
    btnKchd->setEnabled(HasRight(QStringLiteral("kcgl"), 12) && FunctionWindows::Available(kCheckWindow));
    cxButton1->setEnabled(FunctionWindows::Available(kSingleItemWindow));
    for (QLineEdit* e : { tsplb, tsplb2, tsplb4 })
        e->setText(kAllCategories);
    for (QLineEdit* e : { tkey, tName, tkey4 })
        e->clear();
    FillCombo(*comColor, QStringLiteral("jxc_color"), QStringLiteral("color_name"), QStringLiteral("color_sn"),
        QStringLiteral("id"), QStringLiteral("所有颜色"));
    comColor->setCurrentIndex(0);
    FillCombo(*comCm, QStringLiteral("jxc_cm"), QStringLiteral("cm_name"), QStringLiteral("cm_sn"),
        QStringLiteral("id"), QStringLiteral("所有尺码"));
    comCm->setCurrentIndex(0);
    chk04->setChecked(false);
    chkTm->setChecked(false);
    setColumnShown(*cxGrid4View, "tm_tm", false);
    tdate1->setDate(Clock::Today());
    categories1->Prepare();
    categories2->hide();
    categories4->hide();
    LoadGridLayout(QStringLiteral("kccx"), cxGrid1View);
    btn_Ckmx->setEnabled(HasRight(QStringLiteral("tjgl"), 1));
    mnuDetail->setEnabled(btn_Ckmx->isEnabled());
    for (const char* f : { "g_scjj", "cbjj", "g_sj", "xszje", "kczje" })
        SetAmountColumnFormat(GridColumnFormat(*cxGrid1View, cxGrid1View->ColumnByField(QString::fromLatin1(f))));
    for (const char* f : { "gl_pjjj", "gl_kczje" })
        SetAmountColumnFormat(GridColumnFormat(*cxGrid2View, cxGrid2View->ColumnByField(QString::fromLatin1(f))));
    for (const char* f : { "kcsl", "xssl", "kczsl", "fzkc" })
        SetQtyColumnFormat(GridColumnFormat(*cxGrid1View, cxGrid1View->ColumnByField(QString::fromLatin1(f))));
    SetQtyColumnFormat(GridColumnFormat(*cxGrid2View, cxGrid2View->ColumnByField(QStringLiteral("gl_kc"))));
    for (const char* f : { "kcsl", "xssl", "kczsl", "fzkc" })
        SetQtySummaryFormat(GridFooterFormat(*cxGrid1View, cxGrid1View->ColumnByField(QString::fromLatin1(f))));
    for (const char* f : { "xszje", "kczje" })
        SetAmountSummaryFormat(GridFooterFormat(*cxGrid1View, cxGrid1View->ColumnByField(QString::fromLatin1(f))));
    SetQtySummaryFormat(GridFooterFormat(*cxGrid2View, cxGrid2View->ColumnByField(QStringLiteral("gl_kc"))));
    SetAmountSummaryFormat(GridFooterFormat(*cxGrid2View, cxGrid2View->ColumnByField(QStringLiteral("gl_kczje"))));
    const bool secondUnit = IsTrue(ShowSecondUnitStock);
    for (const char* f : { "dw_name2", "fzkc", "g_zhxs" })
        setColumnShown(*cxGrid1View, f, secondUnit);
    btnCx1Click();
    resetting_ = false;
    for (const char* f : { "g_scjj", "cbjj", "kczje" })
        setColumnShown(*cxGrid1View, f, ShowCostPrice);
    for (const char* f : { "gl_pjjj", "gl_kczje" })
        setColumnShown(*cxGrid2View, f, ShowCostPrice);
    for (const char* f : { "g_sj", "xszje" })
        setColumnShown(*cxGrid1View, f, ShowSalePrice);
    btn_Prin->setEnabled(ShowCostPrice && ShowSalePrice);
    setColumnShown(*cxGrid1View, "xssl", true);
    setColumnShown(*cxGrid1View, "kczsl", IsTrue(UseStockIn) || IsTrue(UseStockOut));
    setColumnShown(*cxGrid1View, "hj_name", IsTrue(UseShelves));
}

void TF_Kccx::done(int result)
{
    Stock().Close();
    History().Close();
    Detail().Close();
    Form::done(result);
}

void TF_Kccx::btnCx1Click()
{
    CurrentStockFilter f = useFound_ ? found_ : CurrentStockFilter {};
    f.fromFind = useFound_;
    f.warehouse = ChosenWarehouse(*comCk);
    f.category = tsplb->text() == kAllCategories ? QString() : CurrentCategoryCode(QStringLiteral("Q_GClass5"));
    f.key = tkey->text();
    f.hideZero = chk0->isChecked();
    f.showDisabled = chkJy->isChecked();
    OpenQuery(Stock(), CurrentStockStatement(f));
    PictureName.clear();
    useFound_ = false;
    resetting_ = false;
}

void TF_Kccx::btn_AllClick()
{
    resetting_ = true;
    if (comCk->count() > 0)
        comCk->setCurrentIndex(0);
    tsplb->setText(kAllCategories);
    tkey->clear();
    btnKchd->setEnabled(HasRight(QStringLiteral("kcgl"), 12) && FunctionWindows::Available(kCheckWindow));
    btnCx1Click();
    resetting_ = false;
}

void TF_Kccx::btn_CzClick()
{
    PictureName.clear();
    TF_Kccx_Cx find(this);
    find.ShowModal();
    // Coming back re-runs the activation, which clears PictureName: the dialog's
    // own answer stands for it.
    if (!find.answered)
        return;
    found_ = {};
    found_.supplierGiven = !find.tGhs->text().trimmed().isEmpty();
    found_.supplier = CurrentSupplierSn;
    found_.comparison = find.comKc->currentText();
    found_.qty = find.tkc->value();
    const int chosen = find.comCk->currentIndex();
    const QString warehouse = chosen >= 0 ? GetComboCode(*find.comCk, chosen) : QString();
    resetting_ = true;
    for (int i = 0; i < comCk->count(); ++i)
        if (GetComboCode(*comCk, i) == warehouse) {
            comCk->setCurrentIndex(i);
            break;
        }
    useFound_ = true;
    btnCx1Click();
}

void TF_Kccx::btn_PrinClick()
{
    Query& q = Stock();
    if (!btn_Prin->isEnabled() || !q.Active() || q.IsEmpty())
        return;
    PrintQueryReport(QStringLiteral("kccx.fr3"), QStringLiteral("frxDBDataset1"), q,
        { { QStringLiteral("ckName"), comCk->currentText() } });
}

void TF_Kccx::btn_ExportClick()
{
    ExportList(*cxGrid1View, ExportRows::OnlyWithRows, ExportTypes::XlsOnly);
}

void TF_Kccx::btn_CkmxClick()
{
    Query& q = Stock();
    if (!btn_Ckmx->isEnabled() || !q.Active() || q.IsEmpty())
        return;
    DetailGoodsSn = q.AsString(QStringLiteral("g_sn"));
    {
        TF_Jxcmx detail(this);
        detail.setWindowTitle(
            QStringLiteral("商品库存明细表(") + q.AsString(QStringLiteral("g_name")) + QLatin1Char(')'));
        detail.ShowModal();
    }
    DetailGoodsSn.clear();
    Query& categories = F_DataModule->Q(QStringLiteral("Q_GClass5"));
    if (!categories.Active())
        categories1->Prepare();
}

void TF_Kccx::btnKchdClick()
{
    if (btnKchd->isEnabled())
        FunctionWindows::Open(kCheckWindow, FunctionWindows::Lifetime::Freed);
}

void TF_Kccx::btnSearch1Click()
{
    OpenQuery(History(),
        HistoryStockStatement(
            ChosenWarehouse(*comCk2), tdate1->date(), CurrentCategoryCode(QStringLiteral("Q_GClass5")), tName->text()));
}

void TF_Kccx::btnExport1Click()
{
    ExportList(*cxGrid2View, ExportRows::OnlyWithRows, ExportTypes::XlsxOrXls);
}

void TF_Kccx::btnCx4Click()
{
    StockDetailFilter f;
    f.warehouse = ChosenWarehouse(*comCk4);
    f.size = ChosenWarehouse(*comCm);
    f.color = ChosenWarehouse(*comColor);
    f.category = CurrentCategoryCode(QStringLiteral("Q_GClass5"));
    f.key = tkey4->text();
    f.hideZero = chk04->isChecked();
    f.withBarcodes = chkTm->isChecked();
    OpenQuery(Detail(), StockDetailStatement(f));
}

void TF_Kccx::chkTmClick()
{
    setColumnShown(*cxGrid4View, "tm_tm", chkTm->isChecked());
    btnCx4Click();
}

void TF_Kccx::cxButton1Click()
{
    if (!cxButton1->isEnabled() || !Detail().Active() || Detail().IsEmpty())
        return;
    SourceDocNo = QStringLiteral("kccx");
    FunctionWindows::Open(kSingleItemWindow, FunctionWindows::Lifetime::Freed);
    SourceDocNo.clear();
}

void TF_Kccx::btn_Export4Click()
{
    ExportList(*cxGrid4View, ExportRows::OnlyWithRows, ExportTypes::XlsOnly);
}

void TF_Kccx::cxPageChange()
{
    if (cxPage->currentWidget() == cxTab2)
        btnSearch1Click();
    else if (cxPage->currentWidget() == cxTab3)
        btnCx4Click();
}

void TF_Kccx::CopyField(const QString& field)
{
    if (cxGrid1View->RowCount() == 0)
        return;
    QApplication::clipboard()->setText(cxGrid1View->Value(cxGrid1View->CurrentRow(), field).toString());
}

bool TF_Kccx::FormKeyDown(int key)
{
    if (key == Qt::Key_F2) {
        // F2 searches on the first page only.
        if (cxPage->currentWidget() == cxTab1)
            btnCx1Click();
        return true;
    }
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    return false;
}

// ---- the find dialog ----

TF_Kccx_Cx::TF_Kccx_Cx(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Kccx_Cx"));
    setWindowTitle(QStringLiteral("查找"));
    comCk = keyedCombo(this, "comCk");
    tGhs = lineEdit(this, "tGhs");
    comKc = new QComboBox(this);
    comKc->setObjectName(QStringLiteral("comKc"));
    comKc->addItems({ QString(), QStringLiteral("="), QStringLiteral(">="), QStringLiteral("<="), QStringLiteral("<>"),
        QStringLiteral(">"), QStringLiteral("<") });
    tkc = new QSpinBox(this);
    tkc->setObjectName(QStringLiteral("tkc"));
    tkc->setRange(-999999999, 999999999);
    btnOK = ReportButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = ReportButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* form = new QVBoxLayout(this);
    const auto row = [&](const QString& label, std::initializer_list<QWidget*> fields) {
        auto* line = new QHBoxLayout;
        line->addWidget(new QLabel(label, this));
        for (QWidget* w : fields)
            line->addWidget(w, 1);
        form->addLayout(line);
    };
    row(QStringLiteral("仓库名称："), { comCk });
    row(QStringLiteral("供货商："), { tGhs });
    row(QStringLiteral("库存量："), { comKc, tkc });
    form->addWidget(new QLabel(QStringLiteral("查询此供货商所供商品的供货情况"), this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    form->addLayout(buttons);
    suppliers = new PartnerPanel(this, PartnerPanel::Side::Suppliers, tGhs, CurrentSupplierSn, {});
    resize(420, 220);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        if (const auto use = suppliers->HandleKey(e->key()); use != PartnerPanel::KeyUse::PanelHidden)
            return use == PartnerPanel::KeyUse::Used;
        if (e->key() == Qt::Key_F5) {
            btnOKClick();
            return true;
        }
        return false;
    });
}

void TF_Kccx_Cx::FormActivate()
{
    ApplyFontSize(FontSize);
    CurrentSupplierSn.clear();
    tGhs->clear();
    tGhs->setFocus();
    suppliers->hide();
    FillWarehouseChoice(*comCk);
    OpenQuery(F_DataModule->Q(QStringLiteral("Q_Ghsxx")),
        QStringLiteral("select * from jxc_ghsxx where ghs_forbid=0  order by id"));
}

void TF_Kccx_Cx::btnOKClick()
{
    PictureName = QStringLiteral("1");
    answered = true;
    close();
}

void TF_Kccx_Cx::btnExitClick()
{
    close();
}

void TF_Kccx_Cx::done(int result)
{
    F_DataModule->Q(QStringLiteral("Q_Ghsxx")).Close();
    Form::done(result);
}
