#include "reports/jxcwidgets.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

void LedgerFilterBar::AddBeforeSearch(QWidget* widget) const
{
    layout->insertWidget(layout->indexOf(btnSearch1), widget);
}

LedgerFilterBar MakeLedgerFilterBar(QWidget* window, const QString& dateLabel, const std::function<void()>& search)
{
    LedgerFilterBar b;
    b.tdate1 = MakeDateEdit(window, "tdate1");
    b.tdate2 = MakeDateEdit(window, "tdate2");
    b.btnMenu = MakePresetButton(window, b.tdate1, b.tdate2, search);
    b.tsplb = new QLineEdit(window);
    b.tsplb->setObjectName(QStringLiteral("tsplb"));
    b.tsplb->setMinimumWidth(90);
    b.tkey = new QLineEdit(window);
    b.tkey->setObjectName(QStringLiteral("tkey"));
    b.tkey->setMinimumWidth(120);
    InstallGoodsTextFilter(b.tkey);
    b.comCk = new KeyedCombo(window);
    b.comCk->setObjectName(QStringLiteral("comCk"));
    b.chkJq = ReportCheck(window, "chkJq", QStringLiteral("精确查询"));
    b.btnSearch1 = ReportButton(window, "btnSearch1", QStringLiteral("查询(F2)"));
    b.layout = new QHBoxLayout;
    const auto labelled = [&](const QString& label, QWidget* field, int stretch = 0) {
        b.layout->addWidget(new QLabel(label, window));
        b.layout->addWidget(field, stretch);
    };
    labelled(dateLabel, b.tdate1);
    labelled(QStringLiteral("至"), b.tdate2);
    b.layout->addWidget(b.btnMenu);
    labelled(QStringLiteral("商品类别："), b.tsplb);
    labelled(QStringLiteral("商品相关信息："), b.tkey, 1);
    labelled(QStringLiteral("仓库："), b.comCk);
    b.layout->addWidget(b.chkJq);
    b.layout->addWidget(b.btnSearch1);
    QObject::connect(b.btnSearch1, &QPushButton::clicked, window, search);
    return b;
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
