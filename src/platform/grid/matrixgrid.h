#pragma once
#include "platform/grid/gridmodel.h"

#include <QPointer>
#include <QTableWidget>
#include <functional>

// A string grid addressed as (column, row) with fixed header cells: the colour-by-size
// grid of the document pickers (sizes across, colours down, a totals row and column
// kept up to date as quantities are typed) and the plain small editable grids.
// Cells hold text; the fixed row and column and the totals are never edited.
class MatrixGrid : public QTableWidget {
    Q_OBJECT
public:
    using CellStyler = std::function<void(int col, int row, CellStyle& style)>;

    explicit MatrixGrid(QWidget* parent = nullptr);

    void SetSize(int cols, int rows);
    int ColCount() const { return columnCount(); }
    int RowCount() const { return rowCount(); }
    // Number of header columns at the left and header rows at the top (0 or more).
    void SetFixed(int cols, int rows);
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    // Empties every cell of a row.
    void ClearRow(int row);

    // The colour-by-size shape: the corner caption, one column per column heading and
    // one row per row heading, then a totals column and a totals row captioned total.
    void Build(
        const QString& corner, const QStringList& columnHeads, const QStringList& rowHeads, const QString& total);
    // The last row and column hold totals (Build switches this on).
    void SetTotals(bool on);
    bool Totals() const { return totals_; }
    bool IsDataCell(int col, int row) const;
    // Recomputes the total of a column, of a row and the grand total: sums of the
    // non-empty cells read as numbers, written in their shortest decimal form. A total
    // never computed stays empty.
    void UpdateTotals(int col, int row);
    QString GrandTotal() const;

    // Quantity entry: only digits and one "." are taken, at most maxLength characters;
    // an entry that is not a number (a lone ".") is refused. Off: free text.
    void SetQuantityEditor(bool on, int maxLength = 7);
    // Whether a cell text is a quantity as entry accepts it (empty is not).
    static bool IsQuantity(const QString& text);
    void SetReadOnly(bool on);
    bool ReadOnly() const { return readOnly_; }

    void SetCellStyler(CellStyler s);
    // Hides the data rows and columns whose cells, totals included, are all empty or
    // "0", here and in another grid of the same shape; false shows them all again.
    void HideEmpty(bool hide, MatrixGrid* alsoIn = nullptr);
    // Another grid whose current cell follows this one's data cells.
    void SetFollower(MatrixGrid* other) { follower_ = other; }
    // A grid that shows no selection of its own: its current cell is drawn by the
    // cell styler (IsCurrent), and a build puts it on the first data cell.
    void SetStyledCursor(bool on);
    bool IsCurrent(int col, int row) const { return col == currentColumn() && row == currentRow(); }
    // Runs the cell styler again over every cell (after a change it reads).
    void RefreshStyles() { RestyleAll(); }

    // Used by the cell editor.
    bool QuantityEditor() const { return quantity_; }
    int MaxLength() const { return maxLength_; }
    void CommitEdit(int col, int row, const QString& text);

signals:
    // The operator changed a cell (totals already updated).
    void cellEdited(int col, int row);
    void cellSelected(int col, int row);

private:
    void Restyle(int col, int row);
    void RestyleAll();
    bool IsFixed(int col, int row) const;
    QTableWidgetItem* EnsureItem(int col, int row);

    int fixedCols_ = 1;
    int fixedRows_ = 1;
    bool totals_ = false;
    bool quantity_ = true;
    int maxLength_ = 7;
    bool readOnly_ = false;
    bool building_ = false;
    bool styledCursor_ = false;
    CellStyler styler_;
    QPointer<MatrixGrid> follower_;
};
