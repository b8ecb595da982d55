#pragma once
#include <QString>
#include <QStringList>

class DataGrid;
class KeyedCombo;
class QCheckBox;
class QPushButton;
class QWidget;

// Small pieces the stock report windows share.

QPushButton* ReportButton(QWidget* parent, const char* name, const QString& caption);
QCheckBox* ReportCheck(QWidget* parent, const char* name, const QString& caption);

// Every warehouse after "所有仓库" (-1); a bound operator who is no administrator
// sees only his warehouses, still after "所有仓库". The first item selected.
void FillReportWarehouses(KeyedCombo& combo);
// The warehouse chosen, empty for "所有仓库".
QString ChosenWarehouse(const KeyedCombo& combo);

// The banded views' display and footer formats of the settings.
void SetBandedQtyColumns(DataGrid& grid, const QStringList& fields);
void SetBandedAmountColumns(DataGrid& grid, const QStringList& fields);
