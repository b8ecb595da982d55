#pragma once
#include "posting/postingdb.h"

#include <QString>
#include <initializer_list>

class DataGrid;
class QDateEdit;
class QWidget;
class Query;

// The pieces the department and production windows' tabs share (prodwindow.cpp,
// prodqueries.cpp).
namespace prod_detail {

struct ProdCol {
    const char* field;
    const char* caption;
    int width;
};
// A grid on a dataset: columns, the record count and the sums of quantities and amounts.
DataGrid* ProdGrid(QWidget* parent, const char* name, const QString& source, std::initializer_list<ProdCol> columns);
// Whether the operator sees only the warehouses bound to him.
bool ProdBound();
// The operator's warehouses only, on the warehouse table of the alias.
QString ProdBinding(const QString& alias, posting::Params& p);
// A period of whole days: from the first day to the start of the day after the last.
void ProdPeriod(const QDateEdit* from, const QDateEdit* to, posting::Params& p);
// A search text for "like", cleaned.
QString ProdLike(const QString& text);
bool HasRows(const Query& q);
// The row of a grid as the dataset's current row; false on an empty grid.
bool ProdAt(DataGrid* g, Query& q);

} // namespace prod_detail
