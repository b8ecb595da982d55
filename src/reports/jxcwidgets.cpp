#include "reports/jxcwidgets.h"

#include "foundation/combos.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/gridformats.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QCheckBox>
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
