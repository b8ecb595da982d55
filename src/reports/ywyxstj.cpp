#include "reports/ywyxstj.h"

#include "documents/viewdocument.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/lookups.h"
#include "foundation/settings.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "reports/ledgerstatswindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TF_Ywyxstj* F_Ywyxstj = nullptr;

namespace {

const QString kAllStaff = QStringLiteral("所有员工");

QList<StatColumn> documentColumns()
{
    using enum ShownWhen;
    using enum ColumnFormat;
    return { { "djh", "单据号", 110 }, { "rq", "日期", 110 }, { "uname", "业务员", 70 }, { "ckname", "仓库", 80 },
        { "fktype", "说明", 70 }, { "yfje", "应付金额", 80, Sale, Amount, true },
        { "sfje", "实付金额", 80, Sale, Amount, true }, { "lr", "毛利", 80, CostAndSale, Amount, true },
        { "aname", "操作员", 70 }, { "khname", "客户", 110 }, { "dnote", "备注", 120 } };
}

QList<StatColumn> documentLineColumns()
{
    using enum ShownWhen;
    using enum ColumnFormat;
    return { { "g_sn", "商品编号", 90 }, { "g_name", "商品名称", 120 }, { "dw_name", "单位", 50 },
        { "gg_name", "款型说明", 80 }, { "color_name", "颜色", 60, Colors }, { "gl_sl", "数量", 60, Always, Qty, true },
        { "gl_dj", "单价", 70, Sale, Amount }, { "gl_zje", "价税合计", 80, Sale, Amount, true },
        { "gl_je", "金额", 80, Tax, Amount, true }, { "gl_tax", "税率", 50, Tax },
        { "gl_taxdj", "含税单价", 70, Tax, Amount }, { "gl_taxje", "税额", 70, Tax, Amount, true },
        { "gl_cbj", "成本价", 70, Cost, Amount }, { "gl_zcb", "总成本", 80, Cost, Amount, true } };
}

QList<StatColumn> goodsSummaryColumns()
{
    using enum ShownWhen;
    using enum ColumnFormat;
    return { { "g_sn", "商品编号", 90 }, { "g_name", "商品名称", 120 }, { "u_name", "业务员", 70 },
        { "dw_name", "单位", 50 }, { "gg_name", "款型说明", 80 }, { "color_name", "颜色", 60, Colors },
        { "gl_sl", "数量", 60, Always, Qty, true }, { "gl_zje", "销售金额", 80, Sale, Amount, true },
        { "gl_je", "金额", 80, Tax, Amount, true }, { "gl_taxje", "税额", 70, Tax, Amount, true },
        { "gl_lr", "毛利", 80, CostAndSale, Amount, true }, { "g_kc", "当前库存", 70, Always, Qty },
        { "g_sccs", "产品产地", 80 }, { "g_bz", "商品备注", 100 } };
}

QList<StatColumn> salesLineColumns()
{
    using enum ShownWhen;
    using enum ColumnFormat;
    return { { "gl_djh", "单据号", 110 }, { "gl_kdrq", "日期", 110 }, { "ghs_name", "客户", 110 },
        { "u_name", "业务员", 70 }, { "g_sn", "商品编号", 90 }, { "g_name", "商品名称", 120 },
        { "gg_name", "款型说明", 80 }, { "color_name", "颜色", 60, Colors }, { "gl_sl", "数量", 60, Always, Qty, true },
        { "gl_dj", "单价", 70, Sale, Amount }, { "gl_zje", "价税合计", 80, Sale, Amount, true },
        { "gl_je", "金额", 80, Tax, Amount, true }, { "gl_tax", "税率", 50, Tax },
        { "gl_taxdj", "含税单价", 70, Tax, Amount }, { "gl_taxje", "税额", 70, Tax, Amount, true },
        { "gl_cbj", "成本价", 70, Cost, Amount }, { "gl_zcb", "总成本", 80, Cost, Amount, true },
        { "gl_lr", "毛利", 80, CostAndSale, Amount, true }, { "lrl", "毛利率", 60, CostAndSale, Percent },
        { "ck_name", "仓库", 80 } };
}

QList<StatColumn> commissionSummaryColumns()
{
    using enum ShownWhen;
    using enum ColumnFormat;
    return { { "g_sn", "业务员编号", 80 }, { "hz_txt1", "业务员名称", 80 }, { "hz_txt2", "提成类别", 150 },
        { "hz_kc", "销售金额", 80, Always, Amount, true }, { "hz_kczje", "可提成金额", 80, Always, Amount, true },
        { "hz_rksl", "销售毛利", 80, Always, Amount, true }, { "hz_rkzje", "可提成毛利", 80, Always, Amount, true },
        { "hz_cksl", "提成数量", 70, Always, Qty, true }, { "hz_ckzje", "提成金额", 80, Always, Amount, true },
        { "hz_glkc", "最低提成毛利", 80, Always, Amount }, { "hz_glkczje", "提成比例", 70 } };
}

QList<StatColumn> commissionDetailColumns()
{
    using enum ShownWhen;
    using enum ColumnFormat;
    return { { "u_sn", "业务员编号", 80 }, { "u_name", "业务员名称", 80 }, { "tcfs", "提成类别", 150 },
        { "gl_djh", "单据号", 110 }, { "gl_kdrq", "日期", 110 }, { "ghs_name", "客户", 110 },
        { "g_sn", "商品编号", 90 }, { "g_name", "商品名称", 120 }, { "gg_name", "款型说明", 80 },
        { "color_name", "颜色", 60, Colors }, { "gl_sl", "数量", 60, Always, Qty, true },
        { "gl_zje", "金额", 80, Always, Amount, true }, { "gl_lr", "提成毛利", 80, Cost, Amount, true },
        { "u_tc", "提成比例", 70 }, { "u_zdlr", "最低提成毛利", 80, Always, Amount },
        { "tcje", "提成金额", 80, Always, Amount, true } };
}

// The tab's tax columns follow the setting alone, whatever the price rights.
bool salesTabShown(ShownWhen when)
{
    return when == ShownWhen::Tax ? IsTrue(UseTaxPrice) : ShownByRights(when);
}

QHBoxLayout* rowOf(const QList<QWidget*>& widgets)
{
    auto* row = new QHBoxLayout;
    for (QWidget* w : widgets)
        row->addWidget(w);
    row->addStretch(1);
    return row;
}

QLabel* caption(QWidget* parent, const char* text)
{
    return new QLabel(QString::fromUtf8(text), parent);
}

} // namespace

// ---- filter dialog ----

TF_Ywyxstj_Cx::TF_Ywyxstj_Cx(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Ywyxstj_Cx"));
    setWindowTitle(QStringLiteral("查询"));
    tKhName = new QLineEdit(this);
    tKhName->setObjectName(QStringLiteral("tKhName"));
    btnKhSele = new QToolButton(this);
    btnKhSele->setText(QStringLiteral("..."));
    comCk = new KeyedCombo(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    comDj = new QComboBox(this);
    comDj->setObjectName(QStringLiteral("comDj"));
    comDj->addItems({ QStringLiteral("所有单据"), QStringLiteral("销售单"), QStringLiteral("退货单") });
    btnOK = MakeStatsButton(this, "btnOK", QStringLiteral("确定(F5)"));
    btnExit = MakeStatsButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* box = new QVBoxLayout(this);
    box->addLayout(rowOf({ caption(this, "客户名称："), tKhName, btnKhSele }));
    box->addLayout(rowOf({ caption(this, "仓库名称："), comCk }));
    box->addLayout(rowOf({ caption(this, "单据类型："), comDj }));
    box->addLayout(rowOf({ btnOK, btnExit }));
    resize(420, 200);
    partnerPanel = new PartnerPanel(this, PartnerPanel::Side::Customers, tKhName, CurrentCustomerSn, nullptr);
    connect(btnKhSele, &QToolButton::clicked, partnerPanel, &PartnerPanel::Open);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { reject(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        if (const auto use = partnerPanel->HandleKey(e->key()); use != PartnerPanel::KeyUse::PanelHidden)
            return use == PartnerPanel::KeyUse::Used;
        if (e->key() == Qt::Key_F5) {
            btnOKClick();
            return true;
        }
        return false;
    });
}

void TF_Ywyxstj_Cx::FormActivate()
{
    ApplyFontSize(FontSize);
    partnerPanel->Reset();
    OpenCustomerList(QString());
    FillWarehouseChoice(*comCk);
}

QString TF_Ywyxstj_Cx::WarehouseText() const
{
    return comCk->currentText() == QStringLiteral("所有仓库") ? QString() : comCk->currentText();
}

QString TF_Ywyxstj_Cx::KindText() const
{
    return comDj->currentIndex() <= 0 ? QString() : comDj->currentText();
}

void TF_Ywyxstj_Cx::btnOKClick()
{
    SelectedLineId = QStringLiteral("1");
    accept();
}

void TF_Ywyxstj_Cx::done(int result)
{
    F_DataModule->Q(QStringLiteral("Q_Khxx")).Close();
    Form::done(result);
}

// ---- the window ----

TF_Ywyxstj::TF_Ywyxstj(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Ywyxstj"));
    setWindowTitle(QStringLiteral("业务员销售统计"));
    // Coming back from the filter dialog or a preview keeps what was just chosen.
    SetReactivateAfterModal(false);
    cxPage = new QTabWidget(this);
    cxTab1 = new QWidget(cxPage);
    cxTab2 = new QWidget(cxPage);
    cxPage->addTab(cxTab1, QStringLiteral("业务员销售明细"));
    cxPage->addTab(cxTab2, QStringLiteral("业务员业绩统计"));

    // Sales tab.
    btnSearch1 = MakeStatsButton(cxTab1, "btnSearch1", QStringLiteral("统计(F2)"));
    btn_Search1 = MakeStatsButton(cxTab1, "btn_Search1", QStringLiteral("查询"));
    btn_ChaKan = MakeStatsButton(cxTab1, "btn_ChaKan", QStringLiteral("查看单据"));
    btn_Prin = MakeStatsButton(cxTab1, "btn_Prin", QStringLiteral("打印"));
    btn_Export = MakeStatsButton(cxTab1, "btn_Export", QStringLiteral("导出"));
    btn_Exit = MakeStatsButton(cxTab1, "btn_Exit", QStringLiteral("退出"));
    tdate1 = MakeDateEdit(cxTab1, "tdate1");
    tdate2 = MakeDateEdit(cxTab1, "tdate2");
    btnMenu1 = MakePresetButton(cxTab1, tdate1, tdate2, [this] { btnSearch1Click(); });
    comUser = new KeyedCombo(cxTab1);
    comUser->setObjectName(QStringLiteral("comUser"));
    lKey = caption(cxTab1, "商品相关信息：");
    tkey = new QLineEdit(cxTab1);
    tkey->setObjectName(QStringLiteral("tkey"));
    cxPage2 = new QTabWidget(cxTab1);
    cxTab21 = new QWidget(cxPage2);
    cxTab22 = new QWidget(cxPage2);
    cxTab23 = new QWidget(cxPage2);
    cxPage2->addTab(cxTab21, QStringLiteral("销售单据表"));
    cxPage2->addTab(cxTab22, QStringLiteral("销售商品汇总"));
    cxPage2->addTab(cxTab23, QStringLiteral("销售商品明细"));
    cxGrid1View = MakeStatsGrid(cxTab21, "cxGrid1View", QStringLiteral("Q_Xstj"), documentColumns());
    lDj = new QLabel(cxTab21);
    pnlLines = new QFrame(cxTab21);
    cxGrid2View = MakeStatsGrid(pnlLines, "cxGrid2View", QStringLiteral("Q_Xstj1"), documentLineColumns());
    auto* linesBox = new QVBoxLayout(pnlLines);
    linesBox->addWidget(lDj);
    linesBox->addWidget(cxGrid2View, 1);
    auto* tab21 = new QVBoxLayout(cxTab21);
    tab21->addWidget(cxGrid1View, 1);
    tab21->addWidget(pnlLines);
    cxGrid3View = MakeStatsGrid(cxTab22, "cxGrid3View", QStringLiteral("Q_Xstj2"), goodsSummaryColumns());
    pnlGoods = new QFrame(cxTab22);
    spxsmx = new QLabel(pnlGoods);
    spxsmx->setObjectName(QStringLiteral("spxsmx"));
    cxGrid4View = MakeStatsGrid(pnlGoods, "cxGrid4View", QStringLiteral("Q_Xstj3"), salesLineColumns());
    auto* goodsBox = new QVBoxLayout(pnlGoods);
    goodsBox->addWidget(spxsmx);
    goodsBox->addWidget(cxGrid4View, 1);
    auto* tab22 = new QVBoxLayout(cxTab22);
    tab22->addWidget(cxGrid3View, 1);
    tab22->addWidget(pnlGoods);
    cxGrid5View = MakeStatsGrid(cxTab23, "cxGrid5View", QStringLiteral("Q_Xstj4"), salesLineColumns());
    auto* tab23 = new QVBoxLayout(cxTab23);
    tab23->addWidget(cxGrid5View, 1);
    for (DataGrid* g : { cxGrid1View, cxGrid2View, cxGrid3View, cxGrid4View, cxGrid5View })
        SetRecordCount(*g, 0);
    popupGoods = new QMenu(this);
    connect(popupGoods->addAction(QStringLiteral("导出为Excel(&E)")), &QAction::triggered, this,
        [this] { ExportList(*cxGrid4View, ExportRows::OnlyWithRows); });
    auto* page1 = new QVBoxLayout(cxTab1);
    page1->addLayout(rowOf({ btnSearch1, btn_Search1, btn_ChaKan, btn_Prin, btn_Export, btn_Exit }));
    page1->addLayout(rowOf({ caption(cxTab1, "查询时间："), tdate1, caption(cxTab1, "至"), tdate2, btnMenu1,
        caption(cxTab1, "业务员名称："), comUser, lKey, tkey }));
    page1->addWidget(cxPage2, 1);

    // Commission tab.
    btnSearch2 = MakeStatsButton(cxTab2, "btnSearch2", QStringLiteral("统计(F2)"));
    btn_Chakan2 = MakeStatsButton(cxTab2, "btn_Chakan2", QStringLiteral("查看单据"));
    btn_Prin2 = MakeStatsButton(cxTab2, "btn_Prin2", QStringLiteral("打印"));
    btn_Export2 = MakeStatsButton(cxTab2, "btn_Export2", QStringLiteral("导出"));
    btn_Exit2 = MakeStatsButton(cxTab2, "btn_Exit2", QStringLiteral("退出"));
    tdate3 = MakeDateEdit(cxTab2, "tdate3");
    tdate4 = MakeDateEdit(cxTab2, "tdate4");
    btnMenu2 = MakePresetButton(cxTab2, tdate3, tdate4, [this] { btnSearch2Click(); });
    comUser1 = new KeyedCombo(cxTab2);
    comUser1->setObjectName(QStringLiteral("comUser1"));
    comTcfs = new QComboBox(cxTab2);
    comTcfs->setObjectName(QStringLiteral("comTcfs"));
    comTcfs->addItems(
        { QStringLiteral("全部类别"), QStringLiteral("业务员按销售额提成"), QStringLiteral("业务员按毛利提成"),
            QStringLiteral("商品按件数提成"), QStringLiteral("商品按销售额提成"), QStringLiteral("商品按毛利提成") });
    rBg = new QRadioButton(QStringLiteral("汇总表"), cxTab2);
    rBg->setObjectName(QStringLiteral("rBg"));
    rBg->setChecked(true);
    rLr = new QRadioButton(QStringLiteral("明细表"), cxTab2);
    rLr->setObjectName(QStringLiteral("rLr"));
    chkZp = new QCheckBox(QStringLiteral("赠品不参与提成"), cxTab2);
    chkZp->setObjectName(QStringLiteral("chkZp"));
    commissionViews = new QStackedWidget(cxTab2);
    cxGrid6View = MakeStatsGrid(commissionViews, "cxGrid6View", QStringLiteral("Q_Xstj5"), commissionSummaryColumns());
    cxGrid6View->SetFooterCount(0, QStringLiteral("记录数:"));
    cxGrid6View->SetColumnFormat(
        cxGrid6View->ColumnByField(QStringLiteral("hz_glkczje")), QStringLiteral("0.0000;-0.0000"));
    cxGrid7View = MakeStatsGrid(commissionViews, "cxGrid7View", QStringLiteral("Q_Ckjth1"), commissionDetailColumns());
    SetRecordCount(*cxGrid7View, 0);
    cxGrid7View->SetColumnFormat(cxGrid7View->ColumnByField(QStringLiteral("u_tc")), QStringLiteral("0.0000;-0.0000"));
    // The summary's own pop-up exports the summary.
    popupCommission = new QMenu(this);
    connect(popupCommission->addAction(QStringLiteral("导出为Excel(&E)")), &QAction::triggered, this,
        [this] { ExportList(*cxGrid6View, ExportRows::OnlyWithRows); });
    connect(cxGrid6View, &DataGrid::rightClicked, this,
        [this](const QPoint& at) { PopupWhenRows(popupCommission, *cxGrid6View, at); });
    commissionViews->addWidget(cxGrid6View);
    commissionViews->addWidget(cxGrid7View);
    auto* page2 = new QVBoxLayout(cxTab2);
    page2->addLayout(rowOf({ btnSearch2, btn_Chakan2, btn_Prin2, btn_Export2, btn_Exit2 }));
    page2->addLayout(rowOf({ caption(cxTab2, "查询时间："), tdate3, caption(cxTab2, "至"), tdate4, btnMenu2,
        caption(cxTab2, "业务员名称："), comUser1, caption(cxTab2, "提成方式："), comTcfs, rBg, rLr, chkZp }));
    page2->addWidget(commissionViews, 1);

    auto* root = new QVBoxLayout(this);
    root->addWidget(cxPage);
    resize(1000, 640);

    connect(btnSearch1, &QPushButton::clicked, this, [this] { btnSearch1Click(); });
    connect(btn_Search1, &QPushButton::clicked, this, [this] { btn_Search1Click(); });
    connect(btn_ChaKan, &QPushButton::clicked, this, [this] { btn_ChaKanClick(); });
    connect(btn_Prin, &QPushButton::clicked, this, [this] { btn_PrinClick(); });
    connect(btn_Export, &QPushButton::clicked, this, [this] { btn_ExportClick(); });
    connect(btn_Exit, &QPushButton::clicked, this, [this] { close(); });
    connect(cxPage2, &QTabWidget::currentChanged, this, [this] {
        if (!opening_)
            cxPage2Change();
    });
    connect(cxGrid1View, &DataGrid::currentRowChanged, this, [this] { DocumentRowChanged(); });
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this] { btn_ChaKanClick(); });
    connect(cxGrid3View, &DataGrid::currentRowChanged, this, [this] { GoodsRowChanged(); });
    connect(cxGrid4View, &DataGrid::rightClicked, this,
        [this](const QPoint& at) { PopupWhenRows(popupGoods, *cxGrid4View, at); });
    connect(btnSearch2, &QPushButton::clicked, this, [this] { btnSearch2Click(); });
    connect(btn_Chakan2, &QPushButton::clicked, this, [this] { btn_Chakan2Click(); });
    connect(btn_Prin2, &QPushButton::clicked, this, [this] { btn_Prin2Click(); });
    connect(btn_Export2, &QPushButton::clicked, this, [this] { btn_Export2Click(); });
    connect(btn_Exit2, &QPushButton::clicked, this, [this] { close(); });
    for (QRadioButton* r : { rBg, rLr })
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on && !opening_)
                btnSearch2Click();
        });
    connect(chkZp, &QCheckBox::toggled, this, [this] {
        if (!opening_)
            btnSearch2Click();
    });
    connect(cxPage, &QTabWidget::currentChanged, this, [this] {
        if (!opening_ && cxPage->currentWidget() == cxTab2)
            cxTab2Show();
    });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

TF_Ywyxstj::~TF_Ywyxstj()
{
    delete filterDialog;
}

Query& TF_Ywyxstj::Q(const char* name)
{
    return F_DataModule->Q(QString::fromLatin1(name));
}

SalesmanChoice TF_Ywyxstj::SalesChoice() const
{
    SalesmanChoice c;
    c.from = tdate1->date();
    c.to = tdate2->date();
    if (comUser->currentText() != kAllStaff)
        c.staffName = comUser->currentText();
    c.customer = CurrentCustomerSn;
    c.warehouse = warehouseFilter;
    c.kind = kindFilter;
    c.text = tkey->text();
    return c;
}

CommissionChoice TF_Ywyxstj::CommissionChoiceNow() const
{
    CommissionChoice c;
    c.from = tdate3->date();
    c.to = tdate4->date();
    if (comUser1->currentIndex() >= 0)
        c.staff = GetComboCode(*comUser1, comUser1->currentIndex());
    c.category = CommissionCategory(qMax(0, comTcfs->currentIndex()));
    c.giftsOut = chkZp->isChecked();
    return c;
}

void TF_Ywyxstj::FormActivate()
{
    ApplyFontSize(FontSize);
    opening_ = true;
    CurrentCustomerSn.clear();
    lDj->clear();
    const Period month = CurrentMonth(Clock::Today());
    SetPeriod(tdate1, tdate2, month);
    SetPeriod(tdate3, tdate4, month);
    FillStaffCombo(*comUser, QStringLiteral("u_xs"), kAllStaff);
    comUser->setCurrentIndex(0);
    cxPage->setCurrentWidget(cxTab1);
    cxPage2->setCurrentWidget(cxTab21);
    tkey->clear();
    lKey->hide();
    tkey->hide();
    opening_ = false;
    btnSearch1Click();
    SetColumnRights();
    FormResize();
}

void TF_Ywyxstj::SetColumnRights()
{
    ApplyStatColumns(*cxGrid1View, documentColumns(), salesTabShown);
    ApplyStatColumns(*cxGrid2View, documentLineColumns(), salesTabShown);
    ApplyStatColumns(*cxGrid3View, goodsSummaryColumns(), salesTabShown);
    ApplyStatColumns(*cxGrid4View, salesLineColumns(), salesTabShown);
    ApplyStatColumns(*cxGrid5View, salesLineColumns(), salesTabShown);
    ApplyStatColumns(*cxGrid6View, commissionSummaryColumns(), salesTabShown);
    ApplyStatColumns(*cxGrid7View, commissionDetailColumns(), salesTabShown);
    btn_Prin->setEnabled(ShowCostPrice && ShowSalePrice);
}

void TF_Ywyxstj::FormResize()
{
    const int h = LowerPanelHeight(height());
    for (QFrame* panel : { pnlLines, pnlGoods })
        panel->setFixedHeight(h);
    cxGrid2View->setFixedHeight(h - 36);
    cxGrid4View->setFixedHeight(h - 36);
}

void TF_Ywyxstj::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    FormResize();
}

bool TF_Ywyxstj::FormKeyDown(int key)
{
    if (key != Qt::Key_F2)
        return false;
    // F2 runs the statistics of the tab in front.
    if (cxPage->currentWidget() == cxTab2)
        btnSearch2Click();
    else
        btnSearch1Click();
    return true;
}

DataGrid* TF_Ywyxstj::ActiveSalesGrid() const
{
    if (cxPage2->currentWidget() == cxTab21)
        return cxGrid1View;
    if (cxPage2->currentWidget() == cxTab22)
        return cxGrid3View;
    return cxGrid5View;
}

void TF_Ywyxstj::btnSearch1Click()
{
    const SalesmanChoice c = SalesChoice();
    if (cxPage2->currentWidget() == cxTab21) {
        OpenQuery(Q("Q_Xstj"), SalesmanDocumentsSql(c));
        DocumentRowChanged();
    } else if (cxPage2->currentWidget() == cxTab22) {
        OpenQuery(Q("Q_Xstj2"), SalesmanGoodsSummarySql(c));
        GoodsRowChanged();
    } else {
        OpenQuery(Q("Q_Xstj4"), SalesmanGoodsLinesSql(c));
    }
}

void TF_Ywyxstj::cxPage2Change()
{
    const bool lines = cxPage2->currentWidget() == cxTab23;
    lKey->setVisible(lines);
    tkey->setVisible(lines);
    btnSearch1Click();
}

void TF_Ywyxstj::DocumentRowChanged()
{
    const int row = cxGrid1View->CurrentRow();
    if (cxGrid1View->RowCount() == 0 || row < 0) {
        Q("Q_Xstj1").Close();
        lDj->clear();
        return;
    }
    const auto text
        = [this, row](const char* field) { return cxGrid1View->Value(row, QString::fromLatin1(field)).toString(); };
    lDj->setText(text("djh") + QStringLiteral("  ") + text("uname") + QStringLiteral("  ") + text("khname"));
    OpenQuery(Q("Q_Xstj1"), SalesmanDocumentLinesSql(text("djh")));
}

void TF_Ywyxstj::GoodsRowChanged()
{
    const int row = cxGrid3View->CurrentRow();
    if (cxGrid3View->RowCount() == 0 || row < 0) {
        Q("Q_Xstj3").Close();
        spxsmx->clear();
        return;
    }
    spxsmx->setText(cxGrid3View->Value(row, QStringLiteral("g_name")).toString());
    OpenQuery(
        Q("Q_Xstj3"), SalesmanGoodsSalesSql(SalesChoice(), cxGrid3View->Value(row, QStringLiteral("g_sn")).toString()));
}

void TF_Ywyxstj::btn_Search1Click()
{
    if (cxPage2->currentWidget() == cxTab22)
        return;
    SelectedLineId.clear();
    if (!filterDialog)
        filterDialog = new TF_Ywyxstj_Cx(this);
    filterDialog->ShowModal();
    if (SelectedLineId.isEmpty())
        return;
    warehouseFilter = filterDialog->WarehouseText();
    kindFilter = filterDialog->KindText();
    delete filterDialog;
    filterDialog = nullptr;
    btnSearch1Click();
}

void TF_Ywyxstj::btn_ChaKanClick()
{
    QString number;
    const auto current = [](const DataGrid* g, const char* field) {
        const int row = g->CurrentRow();
        return g->RowCount() > 0 && row >= 0 ? g->Value(row, QString::fromLatin1(field)).toString() : QString();
    };
    if (cxPage2->currentWidget() == cxTab21)
        number = current(cxGrid1View, "djh");
    else if (cxPage2->currentWidget() == cxTab22)
        number = current(cxGrid4View, "gl_djh");
    else
        number = current(cxGrid5View, "gl_djh");
    const QString prefix = number.left(2).toUpper();
    if (prefix == QLatin1String("XS") || prefix == QLatin1String("XT"))
        ViewDocument(number);
}

void TF_Ywyxstj::btn_PrinClick()
{
    if (!btn_Prin->isEnabled() || ActiveSalesGrid()->RowCount() == 0)
        return;
    const QString staff = comUser->currentText();
    if (cxPage2->currentWidget() == cxTab21) {
        // The printed documents go by salesman.
        Query& docs = Q("Q_Xstj");
        OpenQuery(docs,
            QStringLiteral("select * from (") + SalesmanDocumentsSql(SalesChoice())
                + QStringLiteral(") t order by uname asc"));
        PrintSearchedList(QStringLiteral("ywyxsdjb"), docs, tdate1->date(), tdate2->date(),
            { { QStringLiteral("title"), staff + QStringLiteral("销售明细单据表") } });
    } else if (cxPage2->currentWidget() == cxTab22) {
        PrintSearchedList(QStringLiteral("ywyxshzb"), Q("Q_Xstj2"), tdate1->date(), tdate2->date(),
            { { QStringLiteral("title"), staff + QStringLiteral("商品销售汇总表") } });
    } else {
        PrintSearchedList(QStringLiteral("ywyxsmxb"), Q("Q_Xstj4"), tdate1->date(), tdate2->date(),
            { { QStringLiteral("title"), staff + QStringLiteral("商品销售明细表") } });
    }
}

void TF_Ywyxstj::btn_ExportClick()
{
    if (cxPage->currentWidget() == cxTab2) {
        btn_Export2Click();
        return;
    }
    ExportList(*ActiveSalesGrid());
}

void TF_Ywyxstj::cxTab2Show()
{
    opening_ = true;
    FillStaffCombo(*comUser1, QStringLiteral("u_xs"), kAllStaff);
    comUser1->setCurrentIndex(0);
    rBg->setChecked(true);
    opening_ = false;
    btnSearch2Click();
}

void TF_Ywyxstj::btnSearch2Click()
{
    const CommissionChoice c = CommissionChoiceNow();
    if (rBg->isChecked()) {
        commissionViews->setCurrentWidget(cxGrid6View);
        ComputeCommissionSummary(c, CurrentAdminName);
        OpenQuery(Q("Q_Xstj5"), CommissionSummarySql(CurrentAdminName));
    } else {
        commissionViews->setCurrentWidget(cxGrid7View);
        OpenQuery(Q("Q_Ckjth1"), CommissionDetailSql(c));
    }
}

void TF_Ywyxstj::btn_Prin2Click()
{
    const bool summary = rBg->isChecked();
    DataGrid* grid = summary ? cxGrid6View : cxGrid7View;
    if (grid->RowCount() == 0)
        return;
    PrintSearchedList(summary ? QStringLiteral("ywyxstc") : QStringLiteral("ywylrtc"),
        summary ? Q("Q_Xstj5") : Q("Q_Ckjth1"), tdate3->date(), tdate4->date());
}

void TF_Ywyxstj::btn_Export2Click()
{
    ExportList(rBg->isChecked() ? *cxGrid6View : *cxGrid7View);
}

void TF_Ywyxstj::btn_Chakan2Click()
{
    cxPage->setCurrentWidget(cxTab1);
    cxPage2->setCurrentWidget(cxTab21);
}

void TF_Ywyxstj::done(int result)
{
    for (const char* name : { "Q_Xstj", "Q_Xstj1", "Q_Xstj2", "Q_Xstj3", "Q_Xstj4", "Q_Xstj5", "Q_Ckjth1" })
        Q(name).Close();
    Form::done(result);
}
