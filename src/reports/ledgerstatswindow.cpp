#include "reports/ledgerstatswindow.h"

#include "documents/viewdocument.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/fieldformats.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "listing/gridformats.h"
#include "platform/base/clock.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

QPushButton* MakeStatsButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

DataGrid* MakeStatsGrid(QWidget* parent, const char* name, const QString& dataset, const QList<StatColumn>& columns)
{
    auto* g = new DataGrid(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->SetDataSource(&F_DataModule->D(dataset));
    g->SetFooterVisible(true);
    for (const StatColumn& c : columns) {
        const QString caption = QString::fromUtf8(c.caption);
        const int col = g->AddColumn(QString::fromLatin1(c.field), caption, c.width,
            c.format == ColumnFormat::Text ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
        if (caption.isEmpty() || c.shown == ShownWhen::Never)
            g->SetColumnVisible(col, false);
        if (c.sum)
            g->SetFooterSum(col);
    }
    g->SetAutoColumnWidth(true);
    return g;
}

void ApplyStatColumns(DataGrid& grid, const QList<StatColumn>& columns, const std::function<bool(ShownWhen)>& shown)
{
    for (const StatColumn& c : columns) {
        const int col = grid.ColumnByField(QString::fromLatin1(c.field));
        if (col < 0)
            continue;
        if (*c.caption)
            grid.SetColumnVisible(col, shown(c.shown));
        if (c.format == ColumnFormat::Amount) {
            SetAmountColumnFormat(GridColumnFormat(grid, col));
            if (c.sum)
                SetAmountSummaryFormat(GridFooterFormat(grid, col));
        } else if (c.format == ColumnFormat::Percent) {
            grid.SetColumnFormat(col, QStringLiteral("0.00"));
        } else if (c.format == ColumnFormat::Qty) {
            SetQtyColumnFormat(GridColumnFormat(grid, col));
            if (c.sum)
                SetQtySummaryFormat(GridFooterFormat(grid, col));
        }
    }
}

bool ShownByRights(ShownWhen when)
{
    switch (when) {
    case ShownWhen::Never:
        return false;
    case ShownWhen::Colors:
        return IsTrue(UseColors);
    case ShownWhen::Cost:
        return ShowCostPrice;
    case ShownWhen::Sale:
        return ShowSalePrice;
    case ShownWhen::CostAndSale:
        return ShowCostPrice && ShowSalePrice;
    default:
        return true;
    }
}

namespace {

bool shownNow(ShownWhen when, const LedgerStatsKind& kind)
{
    switch (when) {
    case ShownWhen::Prices:
        return kind.prices();
    case ShownWhen::Discount:
        return IsTrue(UseDiscount) && (kind.discountOnSale ? ShowSalePrice : ShowCostPrice);
    case ShownWhen::Tax:
        return IsTrueFor(UseTaxPrice, QString::fromLatin1(kind.taxScope));
    default:
        return ShownByRights(when);
    }
}

} // namespace

LedgerStatsWindow::LedgerStatsWindow(const LedgerStatsKind& kind, QWidget* parent) : Form(parent), kind_(kind)
{
    setObjectName(QString::fromLatin1(kind.objectName));
    setWindowTitle(QString::fromUtf8(kind.caption));
    // The period and the pickers start again after each dialog or preview.
    SetReactivateAfterModal(true);

    btn_ChaKan = MakeStatsButton(this, "btn_ChaKan", QStringLiteral("查看单据"));
    btn_GuoLv = new QToolButton(this);
    btn_GuoLv->setObjectName(QStringLiteral("btn_GuoLv"));
    btn_GuoLv->setText(QStringLiteral("数据过滤"));
    btn_GuoLv->setPopupMode(QToolButton::InstantPopup);
    PopupMenu_Filter = new QMenu(btn_GuoLv);
    PopupMenu_Filter->setObjectName(QStringLiteral("PopupMenu_Filter"));
    for (int i = 0; i < kind.filterItems.size(); ++i)
        connect(PopupMenu_Filter->addAction(QString::fromUtf8(kind.filterItems[i].first)), &QAction::triggered, this,
            [this, i] { FilterItemClick(i); });
    btn_GuoLv->setMenu(PopupMenu_Filter);
    btn_Export = MakeStatsButton(this, "btn_Export", QStringLiteral("导出"));
    btn_Prin = MakeStatsButton(this, "btn_Prin", QStringLiteral("打印"));
    btn_Exit = MakeStatsButton(this, "btn_Exit", QStringLiteral("退出"));
    tGhsName = new QLineEdit(this);
    tGhsName->setObjectName(QStringLiteral("tGhsName"));
    btnGhsSele = new QToolButton(this);
    btnGhsSele->setObjectName(QStringLiteral("btnGhsSele"));
    btnGhsSele->setText(QStringLiteral("..."));

    auto* tools = new QHBoxLayout;
    tools->addWidget(btn_ChaKan);
    tools->addWidget(btn_GuoLv);
    tools->addWidget(btn_Export);
    tools->addWidget(btn_Prin);
    tools->addWidget(btn_Exit);
    if (kind.handlerCombo) {
        comUser = new KeyedCombo(this);
        comUser->setObjectName(QStringLiteral("comUser"));
        tools->addWidget(new QLabel(QStringLiteral("经办人："), this));
        tools->addWidget(comUser);
    }
    tools->addWidget(new QLabel(QString::fromUtf8(kind.partnerLabel), this));
    tools->addWidget(tGhsName);
    tools->addWidget(btnGhsSele);
    if (kind.summarySql) {
        rDjb = new QRadioButton(QStringLiteral("单据表"), this);
        rDjb->setObjectName(QStringLiteral("rDjb"));
        rHzb = new QRadioButton(QStringLiteral("汇总表"), this);
        rHzb->setObjectName(QStringLiteral("rHzb"));
        tools->addWidget(rDjb);
        tools->addWidget(rHzb);
    }
    tools->addStretch(1);

    tdate1 = MakeDateEdit(this, "tdate1");
    tdate2 = MakeDateEdit(this, "tdate2");
    btnMenu = MakePresetButton(this, tdate1, tdate2, [this] { btnSearch2Click(); });
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("查询时间："), this));
    bar->addWidget(tdate1);
    bar->addWidget(new QLabel(QStringLiteral("至"), this));
    bar->addWidget(tdate2);
    bar->addWidget(btnMenu);
    if (kind.categoryDataset) {
        tsplb = new QLineEdit(this);
        tsplb->setObjectName(QStringLiteral("tsplb"));
        bar->addWidget(new QLabel(QStringLiteral("商品类别："), this));
        bar->addWidget(tsplb);
    }
    if (kind.warehouseCombo) {
        comCk = new KeyedCombo(this);
        comCk->setObjectName(QStringLiteral("comCk"));
        bar->addWidget(new QLabel(QStringLiteral("仓库："), this));
        bar->addWidget(comCk);
    }
    tKey = new QLineEdit(this);
    tKey->setObjectName(QStringLiteral("tKey"));
    InstallGoodsTextFilter(tKey);
    bar->addWidget(new QLabel(QString::fromUtf8(kind.goodsLabel), this));
    bar->addWidget(tKey, 1);
    btnSearch2 = MakeStatsButton(this, "btnSearch2", QStringLiteral("查询(F2)"));
    bar->addWidget(btnSearch2);

    views = new QStackedWidget(this);
    cxGrid1View = MakeStatsGrid(views, "cxGrid1View", QStringLiteral("Q_Rktj"), kind.columns);
    const int numberCol = cxGrid1View->ColumnByField(QStringLiteral("gl_djh"));
    if (kind.countInOneCell)
        SetRecordCount(*cxGrid1View, numberCol);
    else
        SetRecordCount(*cxGrid1View, numberCol, cxGrid1View->ColumnByField(QString::fromLatin1(kind.dateField)));
    views->addWidget(cxGrid1View);
    if (kind.summarySql) {
        cxGrid2View
            = MakeStatsGrid(views, "cxGrid2View", QString::fromLatin1(kind.summaryDataset), kind.summaryColumns);
        SetRecordCount(*cxGrid2View, 0);
        views->addWidget(cxGrid2View);
        connect(cxGrid2View, &DataGrid::rowDoubleClicked, this, [this] { btn_ChaKanClick(); });
    }
    barPopupMenu = new QMenu(this);
    AddCopyDocNoItem(barPopupMenu, cxGrid1View);

    auto* root = new QVBoxLayout(this);
    root->addLayout(tools);
    root->addLayout(bar);
    root->addWidget(views, 1);
    resize(1180, 620);

    partnerPanel = new PartnerPanel(this, kind.side, tGhsName, PickedPartner(), [this] { btnSearch2Click(); });
    if (kind.categoryDataset)
        categoryPanel
            = new CategoryPanel(this, QString::fromLatin1(kind.categoryDataset), tsplb, [this] { btnSearch2Click(); });

    connect(btn_ChaKan, &QPushButton::clicked, this, [this] { btn_ChaKanClick(); });
    connect(btn_Export, &QPushButton::clicked, this, [this] { btn_ExportClick(); });
    connect(btn_Prin, &QPushButton::clicked, this, [this] { btn_PrinClick(); });
    connect(btn_Exit, &QPushButton::clicked, this, [this] { close(); });
    connect(btnSearch2, &QPushButton::clicked, this, [this] { btnSearch2Click(); });
    connect(btnGhsSele, &QToolButton::clicked, partnerPanel, &PartnerPanel::Open);
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this] { btn_ChaKanClick(); });
    connect(cxGrid1View, &DataGrid::rightClicked, this,
        [this](const QPoint& at) { PopupWhenRows(barPopupMenu, *cxGrid1View, at); });
    for (QRadioButton* r : { rDjb, rHzb })
        if (r)
            connect(r, &QRadioButton::toggled, this, [this](bool on) {
                if (on && !activating_)
                    btnSearch2Click();
            });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

Query& LedgerStatsWindow::Lines()
{
    return F_DataModule->Q(QStringLiteral("Q_Rktj"));
}

Query* LedgerStatsWindow::Summary() const
{
    return kind_.summaryDataset ? &F_DataModule->Q(QString::fromLatin1(kind_.summaryDataset)) : nullptr;
}

QString& LedgerStatsWindow::PickedPartner() const
{
    return kind_.side == PartnerPanel::Side::Customers ? CurrentCustomerSn : CurrentSupplierSn;
}

LedgerChoice LedgerStatsWindow::Choice() const
{
    LedgerChoice c;
    c.from = tdate1->date();
    c.to = tdate2->date();
    if (categoryPanel
        && !(kind_.categoryMatch == CategoryMatch::WithChildrenWhenNamed && tsplb->text().trimmed().isEmpty()))
        c.category = categoryPanel->Code();
    c.partner = partnerPanel->SearchCode();
    c.goodsText = tKey->text();
    if (comCk && comCk->currentIndex() >= 0)
        c.warehouse = GetComboCode(*comCk, comCk->currentIndex());
    if (comUser && comUser->currentIndex() >= 0 && comUser->currentText() != QStringLiteral("所有经办人"))
        c.handler = comUser->currentText();
    return c;
}

bool LedgerStatsWindow::SummaryShown() const
{
    return rHzb && rHzb->isChecked();
}

void LedgerStatsWindow::FormActivate()
{
    ApplyFontSize(FontSize);
    activating_ = true;
    SetPeriod(tdate1, tdate2, CurrentMonth(Clock::Today()));
    partnerPanel->Reset();
    if (categoryPanel) {
        categoryPanel->Prepare();
        if (kind_.categoryStartText)
            tsplb->setText(QString::fromUtf8(kind_.categoryStartText));
    }
    if (rDjb)
        rDjb->setChecked(true);
    if (kind_.departments)
        OpenPartnersWithDepartments(kind_.side);
    else
        OpenQuery(F_DataModule->Q(QStringLiteral("Q_Khxx")),
            QStringLiteral("select kh_sn,kh_name,kh_tele,kh_address,kh_lxr,kh_jm from jxc_khxx where kh_forbid=0 "
                           "order by kh_sn"));
    if (comCk)
        FillWarehouseChoice(*comCk);
    if (comUser) {
        FillComboWhere(*comUser, QStringLiteral("jxc_user"), QStringLiteral("u_name"), QStringLiteral("u_sn"),
            QStringLiteral("id"), QStringLiteral("where u_jy=0"), QStringLiteral("所有经办人"));
        comUser->setCurrentIndex(comUser->count() - 1);
    }
    activating_ = false;
    btnSearch2Click();
    ApplyRights();
}

void LedgerStatsWindow::ApplyRights()
{
    const auto shown = [this](ShownWhen when) { return shownNow(when, kind_); };
    ApplyStatColumns(*cxGrid1View, kind_.columns, shown);
    if (cxGrid2View)
        ApplyStatColumns(*cxGrid2View, kind_.summaryColumns, shown);
    btn_Prin->setEnabled(kind_.prices());
}

void LedgerStatsWindow::btnSearch2Click()
{
    partnerPanel->hide();
    if (tGhsName->text().trimmed().isEmpty())
        PickedPartner().clear();
    ApplyDataFilter(*cxGrid1View, QStringLiteral("gl_flag"), {});
    const LedgerChoice choice = Choice();
    if (SummaryShown()) {
        views->setCurrentWidget(cxGrid2View);
        OpenQuery(*Summary(), kind_.summarySql(choice));
    } else {
        views->setCurrentWidget(cxGrid1View);
        OpenQuery(Lines(), kind_.linesSql(choice));
    }
}

void LedgerStatsWindow::FilterItemClick(int index)
{
    if (SummaryShown() || index < 0 || index >= kind_.filterItems.size())
        return;
    const QString flag = QString::fromLatin1(kind_.filterItems[index].second);
    ApplyDataFilter(*cxGrid1View, QStringLiteral("gl_flag"),
        flag.isEmpty() ? QStringList() : QStringList { QLatin1Char('%') + flag + QLatin1Char('%') });
}

void LedgerStatsWindow::btn_ChaKanClick()
{
    if (SummaryShown() || cxGrid1View->RowCount() == 0 || cxGrid1View->CurrentRow() < 0)
        return;
    const QString number = cxGrid1View->Value(cxGrid1View->CurrentRow(), QStringLiteral("gl_djh")).toString();
    const QString prefix = number.left(2).toUpper();
    for (const auto& [p, file] : kind_.viewTemplates)
        if (prefix == QLatin1String(p)) {
            ViewDocument(number, QString::fromLatin1(file));
            return;
        }
}

ReportVariables LedgerStatsWindow::PrintVariables(bool) const
{
    return {};
}

void LedgerStatsWindow::btn_PrinClick()
{
    if (!btn_Prin->isEnabled())
        return;
    const bool summary = SummaryShown();
    Query* rows = summary ? Summary() : &Lines();
    if (!rows->Active())
        return;
    PrintSearchedList(QString::fromLatin1(summary ? kind_.printSummary : kind_.printLines), *rows, tdate1->date(),
        tdate2->date(), PrintVariables(summary));
}

void LedgerStatsWindow::btn_ExportClick()
{
    ExportList(SummaryShown() ? *cxGrid2View : *cxGrid1View, ExportRows::OnlyWithRows, kind_.exportTypes);
}

void LedgerStatsWindow::btnCopyClick()
{
    CopyDocNo(*cxGrid1View);
}

bool LedgerStatsWindow::FormKeyDown(int key)
{
    if (key == Qt::Key_F2) {
        btnSearch2Click();
        return true;
    }
    return false;
}

void LedgerStatsWindow::done(int result)
{
    if (!kind_.closeQueriesOnExit) {
        Form::done(result);
        return;
    }
    Lines().Close();
    F_DataModule->Q(kind_.side == PartnerPanel::Side::Customers ? QStringLiteral("Q_Khxx") : QStringLiteral("Q_Ghsxx"))
        .Close();
    if (Summary())
        Summary()->Close();
    if (kind_.categoryDataset)
        F_DataModule->Q(QString::fromLatin1(kind_.categoryDataset)).Close();
    Form::done(result);
}
