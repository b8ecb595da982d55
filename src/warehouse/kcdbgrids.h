#pragma once
#include "posting/postingdb.h"

#include <QString>
#include <array>
#include <functional>
#include <initializer_list>

class DataGrid;
class Report;
class Query;
class QWidget;

// The stock-document windows' grid and list helpers (transfer, loss and overflow).
namespace kcdb_detail {
// A grid on a dataset with its columns, the record count and the quantity and amount sums.
DataGrid* KcdbGrid(QWidget* parent, const char* name, const QString& source,
    std::initializer_list<std::array<const char*, 3>> columns);
// Shows the price columns the price mode asks for.
void KcdbPriceColumns(DataGrid* g);
// Opens the list on the statement with its bound values.
void KcdbOpen(Query& q, const QString& sql, const posting::Params& params = {});
// The lines of one document (":n") with the goods' names.
extern const QString kKcdbLines;
extern const QString kKcdbLineColumns;
}
