#include "platform/grid/datagrid.h"

#include "platform/base/displayformat.h"
#include "platform/db/query.h"
#include "platform/sheet/sheetwriter.h"

#include <QHeaderView>

bool DataGrid::ExportTo(const QString& path, QString* error) const
{
    SheetTable t;
    t.formatNumber = [](const QString& format, double value) { return FormatFloat(format, value); };
    QList<int> cols;
    for (int c : ColumnOrder())
        if (!isColumnHidden(c))
            cols << c;
    for (int c : std::as_const(cols)) {
        const GridColumn& gc = model_->Column(c);
        t.captions << gc.caption;
        t.formats << (gc.kind == GridColumn::Kind::Text ? gc.format : QString());
    }
    // Yes/no fields go out as the grid shows them, not as 1 and 0.
    Query* q = model_->GetQuery();
    QVector<bool> asShown;
    for (int c : std::as_const(cols)) {
        const GridColumn& gc = model_->Column(c);
        const bool bit = q && q->IsBitColumn(model_->FieldIndex(c));
        asShown << ((gc.kind != GridColumn::Kind::Text && gc.kind != GridColumn::Kind::Image) || bit);
    }
    const int n = model_->RowCount();
    t.rows.reserve(n);
    for (int r = 0; r < n; ++r) {
        QVector<QVariant> row;
        row.reserve(cols.size());
        for (int i = 0; i < cols.size(); ++i)
            row << (asShown[i] ? QVariant(model_->DisplayText(r, cols[i])) : model_->Value(r, cols[i]));
        t.rows << row;
    }
    QString why;
    const bool ok = path.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive) ? WriteXls(path, t, &why)
                                                                              : WriteXlsx(path, t, &why);
    if (!ok && error)
        *error = why;
    return ok;
}
