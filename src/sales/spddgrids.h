#pragma once
#include <QString>
#include <array>
#include <initializer_list>

class DataGrid;
class Query;
class QWidget;

// What the sales order window and the order take-over build their lists with.

// A list grid on a data-module data source ("D_Cgd"), its rows counted under one column.
DataGrid* NewOrderListGrid(QWidget* parent, const char* name, const char* dataSource, const char* countField,
    std::initializer_list<std::array<const char*, 3>> columns);
bool HasOrderRows(const Query& q);
// The lines of one order with the goods' names and unit, the price after discount
// (dj) and the quantity still to deliver (dsl).
void OpenOrderLines(Query& q, const QString& number);
