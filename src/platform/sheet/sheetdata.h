#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// One worksheet read as a table: the first row that holds anything names the
// columns, the rows below it are the records. Every cell is trimmed text; an empty
// cell is the empty text.
class SheetData {
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

// Collects the cells of a worksheet in any order and makes the table of them. The
// cells are kept row by row in the table's own form, so that a large sheet is held
// once and its texts are moved, not copied, into the table.
class SheetBuilder {
public:
    // Limits of the newest spreadsheet format; cells beyond them are refused.
    static constexpr int MaxRows = 1048576;
    static constexpr int MaxColumns = 16384;

    // Keeps a cell's trimmed text; an empty text empties the cell. False when the cell
    // lies outside the limits above.
    bool Set(int row, int column, const QString& text);
    // The table, taking the cells (the builder is empty afterwards). Blank rows between
    // records stay as empty records (an importer counts them); blank rows after the last
    // record do not. Headings that are blank or repeat an earlier one are named "F" +
    // the column's position counted from 1. False with a reason when the table would
    // be unreasonably large.
    bool Build(const QString& name, SheetData* out, QString* error);

private:
    // A crafted file may place one cell far down and one far right; a table beyond
    // this many cells would need more memory than any real sheet of an import.
    static constexpr qint64 MaxCells = 50'000'000;

    std::vector<QStringList> rows_;
    qint64 slots_ = 0; // cells held, empty ones included
    qsizetype widest_ = 0;
    bool tooLarge_ = false;
};
