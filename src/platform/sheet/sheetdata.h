#pragma once
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

// One worksheet read as a table: the first row that holds anything names the
// columns, the rows below it are the records. Every cell is trimmed text; an empty
// cell is the empty text.
class SheetData
{
public:
    QString name;
    QStringList columns;
    std::vector<QStringList> rows; // each as long as columns

    int RowCount() const { return static_cast<int>(rows.size()); }
    int ColumnCount() const { return static_cast<int>(columns.size()); }
    // The position of a column by its name, without regard to case; -1 when absent.
    int ColumnIndex(const QString& column) const;
    // A cell by position or by column name; the empty text outside the table.
    QString Text(int row, int column) const;
    QString Text(int row, const QString& column) const;
};

// Collects the cells of a worksheet in any order and makes the table of them.
class SheetBuilder
{
public:
    // Limits of the newest spreadsheet format; cells beyond them are refused.
    static constexpr int MaxRows = 1048576;
    static constexpr int MaxColumns = 16384;

    // Keeps a cell's trimmed text; empty texts are not kept. False when the cell lies
    // outside the limits above.
    bool Set(int row, int column, const QString& text);
    // The table. Blank rows between records stay as empty records (an importer counts
    // them); blank rows after the last record do not. Headings that are blank or repeat
    // an earlier one are named "F" + the column's position counted from 1.
    // False with a reason when the table would be unreasonably large.
    bool Build(const QString& name, SheetData* out, QString* error) const;

private:
    std::map<int, std::map<int, QString>> cells_;
};
