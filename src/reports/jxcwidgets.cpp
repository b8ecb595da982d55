#include "reports/jxcwidgets.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "reports/jxcfilters.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

QPushButton* ReportButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QCheckBox* ReportCheck(QWidget* parent, const char* name, const QString& caption)
{
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

void FillReportWarehouses(KeyedCombo& combo)
{
    const QString all = QStringLiteral("所有仓库");
    if (BindOperatorWarehouse != QLatin1String("1") || CurrentRoleSn == QLatin1String("100001"))
        FillCombo(combo, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"), all);
    else
        FillWarehouseCombo(combo, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"),
            QStringLiteral("where ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%'"), all);
    if (combo.count() > 0)
        combo.setCurrentIndex(0);
}

QString ChosenWarehouse(const KeyedCombo& combo)
{
    if (combo.currentIndex() < 0)
        return QString();
    const QString key = GetComboCode(combo, combo.currentIndex());
    return key == QLatin1String("-1") ? QString() : key;
}

void SetBandedQtyColumns(DataGrid& grid, const QStringList& fields)
{
    for (const QString& field : fields) {
        const int col = grid.ColumnByField(field);
        SetBandedQtyColumnFormat(GridColumnFormat(grid, col));
        SetBandedQtySummaryFormat(GridFooterFormat(grid, col));
    }
}

void SetBandedAmountColumns(DataGrid& grid, const QStringList& fields)
{
    for (const QString& field : fields) {
        const int col = grid.ColumnByField(field);
        SetBandedAmountColumnFormat(GridColumnFormat(grid, col));
        SetBandedAmountSummaryFormat(GridFooterFormat(grid, col));
    }
}

void FillOwnWarehouses(KeyedCombo& combo)
{
    FillWarehouseChoice(combo);
    if (combo.count() > 0 && GetComboCode(combo, 0) == QLatin1String("-1"))
        combo.removeItem(0);
    if (combo.count() > 0)
        combo.setCurrentIndex(0);
}

QString CurrentCategoryCode(const QString& dataset)
{
    Query& q = F_DataModule->Q(dataset);
    return q.Active() && !q.IsEmpty() ? q.AsString(QStringLiteral("gc_sn")) : QString();
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    for (QPushButton* b : buttons)
        row->addWidget(b);
    row->addStretch(1);
    return row;
}

void LedgerFilterBar::MakeFilterBar(QWidget* window, const QString& dateLabel, const std::function<void()>& search)
{
    tdate1 = MakeDateEdit(window, "tdate1");
    tdate2 = MakeDateEdit(window, "tdate2");
    btnMenu = MakePresetButton(window, tdate1, tdate2, search);
    tsplb = new QLineEdit(window);
    tsplb->setObjectName(QStringLiteral("tsplb"));
    tsplb->setMinimumWidth(90);
    tkey = new QLineEdit(window);
    tkey->setObjectName(QStringLiteral("tkey"));
    tkey->setMinimumWidth(120);
    InstallGoodsTextFilter(tkey);
    comCk = new KeyedCombo(window);
    comCk->setObjectName(QStringLiteral("comCk"));
    chkJq = ReportCheck(window, "chkJq", QStringLiteral("精确查询"));
    btnSearch1 = ReportButton(window, "btnSearch1", QStringLiteral("查询(F2)"));
    bar_ = new QHBoxLayout;
    const auto labelled = [&](const QString& label, QWidget* field, int stretch = 0) {
        bar_->addWidget(new QLabel(label, window));
        bar_->addWidget(field, stretch);
    };
    labelled(dateLabel, tdate1);
    labelled(QStringLiteral("至"), tdate2);
    bar_->addWidget(btnMenu);
    labelled(QStringLiteral("商品类别："), tsplb);
    labelled(QStringLiteral("商品相关信息："), tkey, 1);
    labelled(QStringLiteral("仓库："), comCk);
    bar_->addWidget(chkJq);
    bar_->addWidget(btnSearch1);
    QObject::connect(btnSearch1, &QPushButton::clicked, window, search);
}

void LedgerFilterBar::AddBeforeSearch(QWidget* widget) const
{
    bar_->insertWidget(bar_->indexOf(btnSearch1), widget);
}

void LedgerFilterBar::LayOut(QWidget* window, QHBoxLayout* tools, DataGrid* grid, const std::function<void()>& search)
{
    auto* root = new QVBoxLayout(window);
    root->addLayout(tools);
    root->addLayout(bar_);
    root->addWidget(grid, 1);
    categories = new CategoryPanel(window, QStringLiteral("Q_GClass6"), tsplb, search);
}

void LedgerFilterBar::ResetFilters()
{
    tsplb->clear();
    tkey->clear();
    chkJq->setChecked(false);
    SetPeriod(tdate1, tdate2, CurrentMonth(Clock::Today()));
    FillReportWarehouses(*comCk);
    categories->Prepare();
}

void LedgerFilterBar::ReadFilters(LedgerFilter& f) const
{
    f.from = tdate1->date();
    f.to = tdate2->date();
    f.warehouse = ChosenWarehouse(*comCk);
    f.category = CurrentCategoryCode(QStringLiteral("Q_GClass6"));
    f.key = tkey->text();
    f.exact = chkJq->isChecked();
}

bool SearchOrCloseKey(QDialog& window, int key, const std::function<void()>& search)
{
    if (key == Qt::Key_F2) {
        search();
        return true;
    }
    if (key == Qt::Key_Escape) {
        window.close();
        return true;
    }
    return false;
}

void AddLabelledRow(QBoxLayout& form, QWidget* parent, const QString& label, QWidget* field)
{
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(label, parent));
    line->addWidget(field, 1);
    form.addLayout(line);
}
