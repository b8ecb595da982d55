#include "listing/queryframe.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/gridlayout.h"
#include "foundation/lookups.h"
#include "foundation/operatorscope.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/dbtree.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

// ---- period ----

Period PresetPeriod(DatePreset preset, const QDate& today)
{
    const QDate monthStart(today.year(), today.month(), 1);
    const QDate previousMonthStart = monthStart.addMonths(-1);
    switch (preset) {
    case DatePreset::Today:
        return { today, today };
    case DatePreset::Yesterday:
        return { today.addDays(-1), today.addDays(-1) };
    case DatePreset::DayBefore:
        return { today.addDays(-2), today.addDays(-2) };
    case DatePreset::LastSevenDays:
        return { today.addDays(-7), today };
    case DatePreset::LastMonth:
        return { previousMonthStart, today };
    case DatePreset::ThisMonth:
        return { monthStart, today };
    case DatePreset::PreviousMonth:
        return { previousMonthStart, monthStart.addDays(-1) };
    case DatePreset::AllTime:
        break;
    }
    return { QDate(2000, 1, 1), QDate(9999, 12, 31) };
}

Period CurrentMonth(const QDate& today)
{
    return PresetPeriod(DatePreset::ThisMonth, today);
}

QString PeriodEndCondition(const QString& column, const QDate& to)
{
    const QDate next = to.addDays(1);
    // Past the last representable day the bound is a text above every date of it.
    const QString end = next.isValid() && next.year() <= 9999 ? next.toString(QStringLiteral("yyyy-MM-dd"))
                                                              : QStringLiteral("9999-12-32");
    return column + QStringLiteral("<'") + end + QLatin1Char('\'');
}

QString PeriodCondition(const QString& column, const QDate& from, const QDate& to)
{
    return column + QStringLiteral(">='") + from.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("' and ")
        + PeriodEndCondition(column, to);
}

QDateEdit* MakeDateEdit(QWidget* parent, const char* name)
{
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    edit->setMinimumDate(QDate(1900, 1, 1));
    edit->setMaximumDate(QDate(9999, 12, 31));
    return edit;
}

void SetPeriod(QDateEdit* from, QDateEdit* to, const Period& period)
{
    from->setDate(period.from);
    to->setDate(period.to);
}

void ApplyPreset(DatePreset preset, QDateEdit* from, QDateEdit* to, const std::function<void()>& search)
{
    SetPeriod(from, to, PresetPeriod(preset, Clock::Today()));
    if (search)
        search();
}

QToolButton* MakePresetButton(QWidget* parent, QDateEdit* from, QDateEdit* to, const std::function<void()>& search)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("btnMenu"));
    button->setText(QStringLiteral("▼"));
    auto* menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("PopupMenu_Date"));
    struct Item {
        const char* name;
        const char* caption;
        DatePreset preset;
        bool separatorAfter;
    };
    static const Item kItems[] = {
        { "btnT1", "今天(&T)", DatePreset::Today, false },
        { "btnU1", "昨天(&U)", DatePreset::Yesterday, false },
        { "btnV1", "前天(&V)", DatePreset::DayBefore, true },
        { "btnW1", "最近七天(&W)", DatePreset::LastSevenDays, false },
        { "btnX1", "最近一月(&X)", DatePreset::LastMonth, true },
        { "btnY1", "本月(&Y)", DatePreset::ThisMonth, false },
        { "btnZ1", "上月(&Z)", DatePreset::PreviousMonth, false },
        { "btnAllTime", "所有时间(&A)", DatePreset::AllTime, false },
    };
    for (const Item& item : kItems) {
        QAction* a = menu->addAction(QString::fromUtf8(item.caption));
        a->setObjectName(QString::fromLatin1(item.name));
        const DatePreset preset = item.preset;
        QObject::connect(a, &QAction::triggered, button, [=] { ApplyPreset(preset, from, to, search); });
        if (item.separatorAfter)
            menu->addSeparator();
    }
    QObject::connect(
        button, &QToolButton::clicked, button, [button, menu] { menu->popup(button->mapToGlobal(QPoint(0, 26))); });
    return button;
}

// ---- partner picker ----

namespace {

QPushButton* frameButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

PartnerPanel::PartnerPanel(QWidget* parent, Side side, QLineEdit* edit, QString& code, std::function<void()> search)
    : QFrame(parent), side_(side), edit_(edit), code_(code), search_(std::move(search))
{
    const bool customers = side == Side::Customers;
    setObjectName(customers ? QStringLiteral("RzPanelKh") : QStringLiteral("RzPanel_Ghs"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    grid_ = new DataGrid(this);
    grid_->setObjectName(QStringLiteral("cxGridKh"));
    grid_->SetDataSource(&F_DataModule->D(customers ? QStringLiteral("Q_Khxx") : QStringLiteral("Q_Ghsxx")));
    const QString p = customers ? QStringLiteral("kh_") : QStringLiteral("ghs_");
    grid_->AddColumn(p + QStringLiteral("sn"), QStringLiteral("编号"), 70);
    grid_->AddColumn(
        p + QStringLiteral("name"), customers ? QStringLiteral("客户名称") : QStringLiteral("供货商名称"), 160);
    grid_->AddColumn(p + QStringLiteral("lxr"), QStringLiteral("联系人"), 70);
    grid_->AddColumn(p + QStringLiteral("tele"), QStringLiteral("联系电话"), 90);
    grid_->AddColumn(p + QStringLiteral("address"), QStringLiteral("联系地址"), 160);
    QStringList searchColumns { p + QStringLiteral("name"), p + QStringLiteral("jm") };
    if (!customers)
        searchColumns << QStringLiteral("ghs_sn");
    grid_->SetSearchColumns(searchColumns);
    btnOK = frameButton(this, "btnKhOK", QStringLiteral("确定(F5)"));
    btnExit = frameButton(this, "btnKhExit", QStringLiteral("退出(Esc)"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    auto* box = new QVBoxLayout(this);
    box->addWidget(grid_, 1);
    box->addLayout(buttons);
    resize(560, 260);
    hide();

    connect(btnOK, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { Exit(); });
    connect(grid_, &DataGrid::rowDoubleClicked, this, [this] { Confirm(); });
    // Any key released in the edit opens the panel, arrows included.
    edit_->installEventFilter(this);
}

void PartnerPanel::Open()
{
    grid_->SetSearchText(QString());
    if (edit_) {
        const QPoint at = edit_->mapTo(parentWidget(), QPoint(0, edit_->height()));
        move(at);
    }
    show();
    raise();
}

void PartnerPanel::EditKeyUp()
{
    Open();
    grid_->SetSearchText(edit_->text().trimmed());
}

void PartnerPanel::Confirm()
{
    const int row = grid_->CurrentRow();
    if (row < 0 || grid_->RowCount() == 0) {
        hide();
        return;
    }
    const QString p = side_ == Side::Customers ? QStringLiteral("kh_") : QStringLiteral("ghs_");
    code_ = grid_->Value(row, p + QStringLiteral("sn")).toString();
    edit_->setText(grid_->Value(row, p + QStringLiteral("name")).toString());
    hide();
    if (search_)
        search_();
}

void PartnerPanel::Exit()
{
    hide();
}

void PartnerPanel::Reset()
{
    edit_->clear();
    code_.clear();
    hide();
}

QString PartnerPanel::SearchCode() const
{
    return edit_->text().trimmed().isEmpty() ? QString() : code_;
}

PartnerPanel::KeyUse PartnerPanel::HandleKey(int key)
{
    if (isHidden())
        return KeyUse::PanelHidden;
    if (key == Qt::Key_Escape)
        Exit();
    else if (key == Qt::Key_F5)
        Confirm();
    else
        return KeyUse::LeftToControl;
    return KeyUse::Used;
}

void PartnerPanel::SetOpensOnTyping(bool on)
{
    if (on)
        edit_->installEventFilter(this);
    else
        edit_->removeEventFilter(this);
}

bool PartnerPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::KeyRelease)
        EditKeyUp();
    return QFrame::eventFilter(watched, event);
}

void OpenPartnersWithDepartments(PartnerPanel::Side side)
{
    const bool customers = side == PartnerPanel::Side::Customers;
    const QString p = customers ? QStringLiteral("kh_") : QStringLiteral("ghs_");
    const QString table = customers ? QStringLiteral("jxc_khxx") : QStringLiteral("jxc_ghsxx");
    QString partners = QStringLiteral("select ") + p + QStringLiteral("sn,") + p + QStringLiteral("name,") + p
        + QStringLiteral("jm,") + p + QStringLiteral("lxr,") + p + QStringLiteral("tele,") + p
        + QStringLiteral("address,id as ord,0 as grp from ") + table + QStringLiteral(" where ") + p
        + QStringLiteral("forbid=0");
    if (OperatorBound())
        partners += QStringLiteral(" and ") + WarehouseRestriction(QStringLiteral("ck_sn"));
    const QString depts = QStringLiteral("select 'd' || de_sn,de_name,'','','','',id,1 from jxc_dept");
    OpenQuery(F_DataModule->Q(customers ? QStringLiteral("Q_Khxx") : QStringLiteral("Q_Ghsxx")),
        QStringLiteral("select * from (") + partners + QStringLiteral(" union all ") + depts
            + QStringLiteral(") t order by grp,ord"));
}

// ---- category picker ----

CategoryPanel::CategoryPanel(QWidget* parent, const QString& dataset, QLineEdit* edit, std::function<void()> search)
    : QFrame(parent), dataset_(dataset), edit_(edit), search_(std::move(search))
{
    setObjectName(QStringLiteral("RzPanel_GClass"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    tree_ = new DbTree(this);
    tree_->setObjectName(QStringLiteral("DBTreeView"));
    tree_->SetDataSource(
        &F_DataModule->D(dataset), QStringLiteral("gc_key"), QStringLiteral("gc_pid"), QStringLiteral("gc_name"));
    btnOk2 = frameButton(this, "btnOk2", QStringLiteral("确定"));
    btnExit2 = frameButton(this, "btnExit2", QStringLiteral("退出"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk2);
    buttons->addWidget(btnExit2);
    auto* box = new QVBoxLayout(this);
    box->addWidget(tree_, 1);
    box->addLayout(buttons);
    resize(260, 320);
    hide();
    edit_->setReadOnly(true);
    edit_->installEventFilter(this);
    connect(btnOk2, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(btnExit2, &QPushButton::clicked, this, [this] { Exit(); });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { Confirm(); });
}

void CategoryPanel::Prepare()
{
    hide();
    OpenQuery(F_DataModule->Q(dataset_), QStringLiteral("select * from jxc_goodsclass order by gc_key"));
    if (QTreeWidgetItem* leaf = tree_->FirstLeaf())
        tree_->SelectNode(leaf);
    if (tree_->topLevelItemCount() > 0)
        tree_->SelectNode(tree_->topLevelItem(0));
}

void CategoryPanel::Open()
{
    move(edit_->mapTo(parentWidget(), QPoint(0, edit_->height())));
    show();
    raise();
}

void CategoryPanel::Confirm()
{
    if (QTreeWidgetItem* node = tree_->currentItem())
        edit_->setText(node->text(0));
    hide();
    if (search_)
        search_();
}

void CategoryPanel::Exit()
{
    hide();
}

QString CategoryPanel::Code() const
{
    Query& q = F_DataModule->Q(dataset_);
    return q.Active() && !q.IsEmpty() ? q.AsString(QStringLiteral("gc_sn")) : QString();
}

QString CategoryPanel::Condition(const QString& alias) const
{
    return alias + QStringLiteral(".gc_sn like '") + SafeSqlText(Code()) + QStringLiteral("%'");
}

bool CategoryPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::MouseButtonPress)
        Open();
    return QFrame::eventFilter(watched, event);
}

// ---- goods text, warehouse ----

bool IsRefusedGoodsChar(QChar c)
{
    const ushort u = c.unicode();
    return u == 33 || u == 34 || (u >= 37 && u <= 39) || u == 44 || u == 61 || u == 63 || u == 64
        || (u >= 91 && u <= 94);
}

namespace {

class GoodsTextFilter : public QObject {
public:
    explicit GoodsTextFilter(QObject* parent) : QObject(parent) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            if (text.size() == 1 && IsRefusedGoodsChar(text.at(0)))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void InstallGoodsTextFilter(QLineEdit* edit)
{
    edit->installEventFilter(new GoodsTextFilter(edit));
}

QString GoodsTextCondition(const QString& text, const QStringList& columns)
{
    const QString pattern = QStringLiteral(" like '%") + SafeSqlText(text.trimmed()) + QStringLiteral("%'");
    QStringList parts;
    for (const QString& c : columns)
        parts << c + pattern;
    return QLatin1Char('(') + parts.join(QStringLiteral(" or ")) + QLatin1Char(')');
}

void FillWarehouseChoice(KeyedCombo& combo)
{
    if (BindOperatorWarehouse != QLatin1String("1") || CurrentRoleSn == QLatin1String("100001"))
        FillCombo(combo, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"), QStringLiteral("所有仓库"));
    else
        FillComboWhere(combo, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"),
            QStringLiteral("where ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%'"));
    if (combo.count() > 0)
        combo.setCurrentIndex(0);
}

QString WarehouseChoiceCondition(const KeyedCombo& combo, const QString& alias)
{
    if (combo.currentIndex() < 0)
        return QString();
    const QString key = GetComboCode(combo, combo.currentIndex());
    if (key == QLatin1String("-1"))
        return QString();
    return QStringLiteral(" and ") + alias + QStringLiteral(".ck_sn='") + SafeSqlText(key) + QLatin1Char('\'');
}

QString WarehouseBindingCondition(const QString& alias)
{
    if (BindOperatorWarehouse != QLatin1String("1") || CurrentRoleSn == QLatin1String("100001"))
        return QString();
    return QStringLiteral(" and ") + alias + QStringLiteral(".ck_asn like '%") + SafeSqlText(CurrentAdminSn)
        + QStringLiteral("%'");
}

// ---- grid ----

void ApplyDataFilter(DataGrid& grid, const QString& field, const QStringList& patterns)
{
    grid.SetFilterJoin(GridFilter::Join::Or);
    grid.ClearFilter();
    for (const QString& p : patterns)
        grid.AddFilter(field, p);
    grid.SetFilterActive(!patterns.isEmpty());
}

void SetRecordCount(DataGrid& grid, int column)
{
    grid.SetFooterCount(column, QStringLiteral("记录数："));
}

void SetRecordCount(DataGrid& grid, int labelColumn, int countColumn)
{
    grid.SetFooterText(labelColumn, QStringLiteral("记录数："));
    grid.SetFooterCount(countColumn);
}

void CopyDocNo(const DataGrid& grid)
{
    if (grid.RowCount() == 0 || grid.CurrentRow() < 0)
        return;
    QApplication::clipboard()->setText(grid.Value(grid.CurrentRow(), QStringLiteral("gl_djh")).toString());
}

QAction* AddCopyDocNoItem(QMenu* menu, DataGrid* grid)
{
    QAction* a = menu->addAction(QStringLiteral("复制单据号(&Z)"));
    a->setObjectName(QStringLiteral("btnCopy"));
    QObject::connect(a, &QAction::triggered, menu, [grid] { CopyDocNo(*grid); });
    return a;
}

namespace {
QString layoutCaption()
{
    return GridLayoutConfirmed == QLatin1String("1") ? QStringLiteral("保存当前列表布局(&B)")
                                                     : QStringLiteral("定义列表布局(&B)");
}
} // namespace

QAction* AddLayoutItem(QMenu* menu, DataGrid* grid, const QString& layoutName)
{
    QAction* a = menu->addAction(layoutCaption());
    a->setObjectName(QStringLiteral("btnLayout"));
    QObject::connect(menu, &QMenu::aboutToShow, a, [a] { a->setText(layoutCaption()); });
    QObject::connect(a, &QAction::triggered, menu, [grid, layoutName] { LayoutItemClick(grid, layoutName); });
    return a;
}

void LayoutItemClick(DataGrid* grid, const QString& layoutName)
{
    if (GridLayoutConfirmed == QLatin1String("1"))
        SaveGridLayout(layoutName, grid);
    else
        ShowGridLayoutHint(grid);
}

void PopupWhenRows(QMenu* menu, const DataGrid& grid, const QPoint& at)
{
    if (grid.RowCount() > 0)
        menu->popup(at);
}

// ---- output ----

bool ExportList(const DataGrid& grid, ExportRows rows, ExportTypes types)
{
    if (rows == ExportRows::OnlyWithRows && grid.RowCount() == 0)
        return false;
    return ExportGridList(grid, types == ExportTypes::XlsOnly);
}

void PrintSearchedList(
    const QString& name, Query& rows, const QDate& from, const QDate& to, const ReportVariables& extra)
{
    ReportVariables vars { { QStringLiteral("date1"), from.toString(QStringLiteral("yyyy-MM-dd")) },
        { QStringLiteral("date2"), to.toString(QStringLiteral("yyyy-MM-dd")) } };
    vars += extra;
    PrintQueryReport(name + QStringLiteral(".fr3"), name, rows, vars);
}
