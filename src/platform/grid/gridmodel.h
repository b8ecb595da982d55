#pragma once
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/grid/gridfilter.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QList>
#include <QPointer>
#include <QVector>
#include <functional>
#include <optional>
#include <vector>

// How a footer cell of a column is filled.
enum class FooterKind { None, Count, Sum, Text };

// Colours and weight of a cell, a footer or a header; unset parts keep the look of the grid.
struct CellStyle {
    QColor text;
    QColor background;
    std::optional<QFont> font;
    bool bold = false;
};

// One column of a grid, bound to a field of the dataset by name.
struct GridColumn {
    enum class Kind { Text, Check, Image, Lookup };

    QString field;
    QString caption;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // Display format of numbers (FormatFloat); empty shows values as they are.
    QString format;
    Kind kind = Kind::Text;
    bool editable = false;
    // Check columns: post the row as soon as the tick changes; otherwise the row is
    // posted when the cursor leaves it.
    bool writeBack = true;
    // Image columns: the image whose position is the value.
    QList<QIcon> images;
    // Lookup columns: the value is a key of another dataset, shown by its text field.
    QPointer<Query> lookup;
    QString lookupKey;
    QString lookupText;
    int band = -1;
    FooterKind footer = FooterKind::None;
    QString footerLabel;
    QString footerFormat;
    QString footerText;
};

// The model behind a DataGrid: its columns over a DataSource's Query, with the
// grid's own filter and in-memory order applied as a map from grid rows to the
// dataset's rows, and the footer values over the rows that show.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using CellStyler = std::function<void(int row, int column, CellStyle& style)>;

    explicit GridModel(QObject* parent = nullptr);

    void SetDataSource(DataSource* ds);
    DataSource* GetDataSource() const { return ds_; }
    Query* GetQuery() const;

    // Columns.
    int AddColumn(const GridColumn& c);
    void RemoveColumns();
    int ColumnCount() const { return int(cols_.size()); }
    const GridColumn& Column(int col) const { return cols_[col]; }
    // Changes a column; the grid redraws it.
    void UpdateColumn(int col, const std::function<void(GridColumn&)>& change);
    int FieldIndex(int col) const;

    // Rows that show, and where they are in the dataset.
    int RowCount() const { return int(map_.size()); }
    int SourceRow(int row) const;
    int GridRow(int sourceRow) const;
    QVariant Value(int row, int col) const;
    QVariant FieldValue(int row, const QString& field) const;
    QString DisplayText(int row, int col) const;

    // The grid's filter.
    GridFilter& Filter() { return filter_; }
    const GridFilter& Filter() const { return filter_; }
    void SetFilterActive(bool on);
    bool FilterActive() const { return filterActive_; }
    // Applies a changed filter or order to the rows.
    void Refresh();

    // In-memory order by one column (-1: the dataset's order).
    void SetSort(int col, Qt::SortOrder order, bool inMemory);
    int SortColumn() const { return sortCol_; }
    Qt::SortOrder SortOrder() const { return sortOrder_; }

    QString FooterText(int col) const;
    double FooterSum(int col) const;

    void SetCellStyler(CellStyler s) { styler_ = std::move(s); }
    void SetRowIndicator(bool on);
    bool RowIndicator() const { return rowIndicator_; }
    void SetCurrentCell(int row, int col);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

signals:
    void footerChanged();

private:
    void ResolveFields();
    void Rebuild();
    void RebuildReverse();
    void SortRows();
    void InvalidateFooter();
    void OnSourceInserted(int first, int last);
    void OnSourceRemoved(int first, int last);
    void OnSourceChanged(int first, int last);
    void WriteValue(int row, int col, const QVariant& value, bool post);
    QString LookupText(const GridColumn& c, const QVariant& key) const;

    QPointer<DataSource> ds_;
    QList<QMetaObject::Connection> links_;
    QVector<GridColumn> cols_;
    QVector<int> fieldIndex_;
    std::vector<int> map_;
    std::vector<int> rev_;
    bool identity_ = true;
    GridFilter filter_;
    bool filterActive_ = false;
    int sortCol_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    bool sortInMemory_ = true;
    mutable QVector<std::optional<double>> sums_;
    CellStyler styler_;
    bool rowIndicator_ = false;
    int curRow_ = -1;
    int curCol_ = -1;
};
