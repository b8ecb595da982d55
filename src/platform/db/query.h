#pragma once
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>
#include <vector>

class Connection;
class Query;
class RowFilter;

// The first column of every row of a statement, as text.
QStringList SelectColumn(Connection& c, const QString& sql, const QHash<QString, QVariant>& params = {});
// The first value of a statement as text; "" when there is no row (and *found false).
QString SelectScalar(
    Connection& c, const QString& sql, const QHash<QString, QVariant>& params = {}, bool* found = nullptr);
// Opens a query on a statement with these parameters only; they are cleared again
// afterwards, so that no later use of a shared query binds them by mistake.
void OpenWithParams(Query& q, const QString& sql, const QHash<QString, QVariant>& params);

// One field of a Query's current row.
class Field {
public:
    Field(Query* q, int column) : q_(q), col_(column) { }
    QString Name() const;
    QVariant Value() const;
    QString AsString() const;
    double AsFloat() const;
    qint64 AsInteger() const;
    bool AsBoolean() const;
    bool IsNull() const;
    void SetValue(const QVariant& v);
    int Index() const { return col_; }

private:
    Query* q_;
    int col_;
};

// The dataset the windows work with: a statement whose whole result is fetched on
// opening (so RecordCount is exact), a cursor over the rows, and edits written back
// row by row to one base table by its id column, also when the statement joins others.
class Query : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit Query(Connection* connection = nullptr, QObject* parent = nullptr);
    ~Query() override;

    void SetConnection(Connection* c);
    Connection* GetConnection() const { return conn_; }

    // Closes the query and replaces its statement; nothing is opened.
    void SetSQL(const QString& sql);
    QString SQL() const { return sql_; }
    // Named parameters of the statement (":name"); they survive SetSQL until cleared.
    void SetParam(const QString& name, const QVariant& value);
    void ClearParams();
    // The table that edits are written to; by default the first table after "from".
    void SetBaseTable(const QString& table);
    QString BaseTable() const;
    void SetReadOnly(bool ro) { readOnly_ = ro; }
    bool ReadOnly() const { return readOnly_; }
    // Long lists: with a page size above 0, Open() fetches the first page and counts
    // the rows (RecordCount stays exact); the others are fetched as they are read, and
    // all of them before a filter, a sort or an edit. The statement needs an order
    // without ties (pages are fetched by offset) and no limit of its own. Applies
    // from the next Open().
    void SetPageRows(int rows) { pageRows_ = rows; }
    // Open() a page at a time for this opening only: a dataset that several lists share
    // keeps its own page size.
    void OpenPaged(int rows);
    int PageRows() const { return pageRows_; }
    // Whether every row of the statement has been fetched.
    bool Complete() const { return complete_; }
    void FetchAll() const;
    // The sum of a field over the rows in view; counted by the database while rows
    // are still to be fetched, so that a footer does not fetch them all (the first
    // such sum counts every numeric field in the same pass, for the footer's others).
    double FieldSum(int col) const;

    void Open();
    void Close();
    // Opens again with the last statement, keeping the cursor on the same id where it can.
    void Requery();
    // Runs the statement without a result (insert, update, delete, schema).
    void ExecSQL();
    bool Active() const { return state_ != State::Inactive; }
    State GetState() const { return state_; }

    // The cursor over the rows that pass the filter, in their current order.
    int RecordCount() const { return int(view_.size()); }
    bool IsEmpty() const { return view_.empty(); }
    int RecNo() const { return cur_; }
    void SetRecNo(int row);
    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    // Moves to the first row whose field equals the value (texts without regard to case);
    // partial matches a text's beginning.
    bool Locate(const QString& field, const QVariant& value, bool partial = false);
    bool LocateId(qint64 id);

    int FieldCount() const { return int(names_.size()); }
    QString FieldName(int col) const { return names_.value(col); }
    QStringList FieldNames() const { return names_; }
    int FieldIndex(const QString& name) const;
    bool HasField(const QString& name) const { return FieldIndex(name) >= 0; }
    bool IsBitColumn(int col) const;
    Field FieldByName(const QString& name);
    Field FieldAt(int col) { return Field(this, col); }

    // The current row.
    QVariant Value(const QString& field) const;
    QString AsString(const QString& field) const;
    double AsFloat(const QString& field) const;
    qint64 AsInteger(const QString& field) const;
    void SetValue(const QString& field, const QVariant& value);
    // Any row of the view, by position.
    QVariant ValueAt(int row, int col) const;
    QString TextAt(int row, int col) const;
    qint64 IdAt(int row) const;

    // Editing the current row; Post writes it to the base table.
    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();

    // A filter of conditions (field like 'x%', field = 'x', <, >, <>, <=, >=) joined
    // by and/or with brackets; text comparisons ignore case.
    void SetFilter(const QString& expression);
    QString Filter() const { return filterText_; }
    void SetFiltered(bool on);
    bool Filtered() const { return filtered_; }
    // Orders the rows in memory by one field.
    void SortBy(const QString& field, bool ascending = true);

    // Internal access used by Field.
    QVariant CurrentValue(int col) const;
    void SetCurrentValue(int col, const QVariant& v);

signals:
    void reset();
    void rowChanged(int row);
    void rowInserted(int row);
    void rowRemoved(int row);
    void currentChanged(int row);

private:
    using Row = QVector<QVariant>;
    void RebuildView();
    void SetCursor(int row, bool notify = true);
    int RequireField(const QString& name) const;
    int IdColumn() const;
    void ResolveWritableColumns();
    void CheckWritable() const;
    const Row* CurrentRow() const;
    void FetchUpTo(int index) const;
    void FetchRows(int limit) const;

    Connection* conn_ = nullptr;
    QString sql_;
    QHash<QString, QVariant> params_;
    QString baseTable_;
    bool readOnly_ = false;

    State state_ = State::Inactive;
    QStringList names_;
    QVector<bool> bit_;
    QVector<QString> originTable_;
    QVector<QString> originColumn_;
    QVector<bool> writable_;
    // Fetched rows; while !complete_ the statement has total_ rows, of which the
    // first rows_.size() are here.
    mutable std::vector<Row> rows_;
    std::vector<int> view_;
    int pageRows_ = 0;
    int total_ = 0;
    mutable bool complete_ = true;
    mutable QHash<QString, QVariant> pageParams_;
    // The database's sums of the numeric fields while rows are still to be fetched.
    mutable QHash<int, double> pageSums_;
    int cur_ = -1;
    bool eof_ = true;
    bool bof_ = true;

    Row saved_;
    QVector<bool> dirty_;

    QString filterText_;
    bool filtered_ = false;
    std::shared_ptr<RowFilter> filter_;
    int sortCol_ = -1;
    bool sortAsc_ = true;
};
