#pragma once
#include "platform/grid/gridfilter.h"
#include "platform/grid/gridmodel.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTableView>
#include <functional>

class BandedHeader;
class DataSource;
class GridFooter;
class Query;
class QSettings;

// The grid of the program: a table over a Query (through its DataSource) with
// columns bound to fields, optional bands over groups of columns, a footer of counts,
// sums and texts in red, a filter of LIKE conditions, sorting in memory or through
// the window, single or multiple selection, and export to spreadsheet files.
//
// Rows are numbered as the grid shows them (after its filter and order); the
// current row always follows the Query's cursor and moves it.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    // Receives the newly sorted column and its order; column -1 when no column is
    // sorted any more.
    using SortHook = std::function<void(int column, Qt::SortOrder order)>;

    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    void SetDataSource(DataSource* ds);
    DataSource* GetDataSource() const;
    Query* GetQuery() const;
    GridModel* Model() const { return model_; }

    // Columns, numbered in the order they were added.
    int AddColumn(const QString& field, const QString& caption, int width = 64,
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    int ColumnCount() const;
    // The first column bound to the field, -1 when none is.
    int ColumnByField(const QString& field) const;
    QString ColumnField(int col) const;
    QString ColumnCaption(int col) const;
    void SetColumnCaption(int col, const QString& caption);
    void SetColumnAlignment(int col, Qt::Alignment alignment);
    void SetColumnVisible(int col, bool visible);
    bool ColumnVisible(int col) const;
    void SetColumnFormat(int col, const QString& format);
    QString ColumnFormat(int col) const;
    void SetColumnEditable(int col, bool editable);
    // A tick box on the field; writeBack posts the row at each change.
    void SetCheckColumn(int col, bool writeBack);
    // Shows the image at the position given by the value.
    void SetImageColumn(int col, const QList<QIcon>& images);
    // Shows for the key in the field the text of the matching row of another dataset,
    // and offers that dataset's rows when the cell is edited.
    void SetLookupColumn(int col, Query* list, const QString& keyField, const QString& textField);
    // Columns in the order they show, visible or not.
    QList<int> ColumnOrder() const;
    void MoveColumn(int col, int visualPosition);

    // Bands over groups of columns.
    int AddBand(const QString& caption);
    int BandCount() const;
    QString BandCaption(int band) const;
    void SetBandCaption(int band, const QString& caption);
    void SetColumnBand(int col, int band);
    // Hides or shows a band together with its columns.
    void SetBandVisible(int band, bool visible);

    // The footer row, drawn in red.
    void SetFooterVisible(bool on);
    bool FooterVisible() const { return footerOn_; }
    // label + the number of rows shown.
    void SetFooterCount(int col, const QString& label = QString());
    // label + the sum of the column over the rows shown, in the format (FormatFloat).
    void SetFooterSum(int col, const QString& format = QString(), const QString& label = QString());
    void SetFooterFormat(int col, const QString& format);
    void SetFooterText(int col, const QString& text);
    void ClearFooter(int col);
    QString FooterText(int col) const;
    double FooterSum(int col) const;

    // The filter: conditions "field like pattern" joined all by OR or all by AND,
    // without regard to case. Set, then activate.
    void ClearFilter();
    void SetFilterJoin(GridFilter::Join join);
    void AddFilter(const QString& field, const QString& pattern);
    void SetFilterActive(bool on);
    bool FilterActive() const;
    // The filter as a dataset filter expression; empty while it is not active.
    QString FilterText() const;
    // Incremental search of the picker panels: rows whose chosen fields contain the
    // text; an empty text shows every row.
    void SetSearchColumns(const QStringList& fields);
    void SetSearchText(const QString& text);

    // Sorting by a click on a column header (a second click reverses it, Ctrl+click
    // removes it). Without a hook the rows are ordered in memory; with one the grid
    // only shows the order and the window re-queries.
    void SetSortHook(SortHook hook);
    void SortByColumn(int col, Qt::SortOrder order);
    void ClearSort();
    int SortColumn() const;
    Qt::SortOrder SortOrder() const;

    // Rows.
    int RowCount() const;
    int CurrentRow() const;
    void SetCurrentRow(int row);
    QVariant Value(int row, const QString& field) const;
    QString Text(int row, int col) const;
    // The row of the dataset's view behind a grid row.
    int SourceRow(int row) const;
    void SetMultiSelect(bool on);
    bool MultiSelect() const;
    // Selected rows in the order they were chosen; without multiple selection the
    // current row.
    QList<int> SelectedRows() const;

    // Look.
    void SetCellStyler(GridModel::CellStyler styler);
    // Numbers the rows in a column at the left; the current row's number and the
    // current column's caption show in red.
    void SetRowIndicator(bool on);
    // Fits the columns to the grid's width, keeping their proportions.
    void SetAutoColumnWidth(bool on);
    bool AutoColumnWidth() const { return autoWidth_; }

    // Writes every row the grid shows, its visible columns in their order with their
    // captions and display formats, to an .xlsx file, or .xls when the name ends so.
    // False with the reason when the file could not be written.
    bool ExportTo(const QString& path, QString* error = nullptr) const;

    // Column layout: order, widths and visibility; columns that the stored layout
    // names and the grid lacks are added, columns it lacks stay as they are.
    void SaveLayout(QSettings& s) const;
    void RestoreLayout(QSettings& s);

signals:
    void currentRowChanged(int row);
    void rowDoubleClicked(int row);
    void enterPressed(int row);
    void rightClicked(const QPoint& globalPos);

protected:
    void updateGeometries() override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void OnHeaderClicked(int logical);
    void ApplySort(int col, Qt::SortOrder order);
    void SyncFromQuery();
    void LinkQuery();
    void AfterRefresh();
    void OnCurrentChanged(const QModelIndex& current);
    void OnSelectionChanged();
    void UpdateBands();
    void FitColumns();
    void PlaceFooter();

    GridModel* model_;
    BandedHeader* header_;
    GridFooter* footer_;
    QPointer<Query> query_;
    QList<QMetaObject::Connection> queryLinks_;
    SortHook sortHook_;
    QStringList searchFields_;
    bool footerOn_ = false;
    bool autoWidth_ = false;
    bool syncing_ = false;
    QVector<int> designWidth_;
    QList<int> chosen_;
};
