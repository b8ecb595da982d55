#include "platform/db/query.h"

#include "platform/db/connection.h"
#include "platform/db/dberror.h"
#include "platform/db/rowfilter.h"
#include "platform/db/valuetext.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// One page of a statement: the same text with its rows limited, valid on both backends.
QString PagedSql(const QString& sql, int limit, int offset)
{
    QString text = sql.trimmed();
    while (text.endsWith(QLatin1Char(';')))
        text.chop(1);
    return text + QStringLiteral(" limit %1 offset %2").arg(limit).arg(offset);
}

// The statement without its closing order (outside brackets and quotes), for counts
// and sums over it, which need no order and run faster without one.
QString WithoutOrder(const QString& sql)
{
    int depth = 0;
    int cut = -1;
    QChar quote;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            --depth;
        } else if (depth == 0 && (c == QLatin1Char('o') || c == QLatin1Char('O')) && (i == 0 || sql[i - 1].isSpace())
            && sql.mid(i, 5).compare(QLatin1String("order"), Qt::CaseInsensitive) == 0) {
            int j = i + 5;
            while (j < sql.size() && sql[j].isSpace())
                ++j;
            if (j > i + 5 && sql.mid(j, 2).compare(QLatin1String("by"), Qt::CaseInsensitive) == 0)
                cut = i;
        }
    }
    return cut < 0 ? sql : sql.left(cut);
}

bool StoredNumber(const QVariant& v)
{
    const int t = v.typeId();
    return t == QMetaType::Double || t == QMetaType::LongLong || t == QMetaType::Int;
}

} // namespace

QStringList SelectColumn(Connection& c, const QString& sql, const QHash<QString, QVariant>& params)
{
    const ResultSet r = c.Fetch(sql, params);
    QStringList out;
    if (r.names.isEmpty())
        return out;
    out.reserve(int(r.rows.size()));
    for (const auto& row : r.rows)
        out << ValueText(row.value(0), r.bit.value(0));
    return out;
}

QString SelectScalar(Connection& c, const QString& sql, const QHash<QString, QVariant>& params, bool* found)
{
    const QStringList column = SelectColumn(c, sql, params);
    if (found)
        *found = !column.isEmpty();
    return column.value(0);
}

void OpenWithParams(Query& q, const QString& sql, const QHash<QString, QVariant>& params)
{
    q.SetSQL(sql);
    q.ClearParams();
    for (auto it = params.begin(); it != params.end(); ++it)
        q.SetParam(it.key(), it.value());
    try {
        q.Open();
    } catch (...) {
        q.ClearParams();
        throw;
    }
    q.ClearParams();
}

// ---- Field ----

QString Field::Name() const
{
    return q_->FieldName(col_);
}
QVariant Field::Value() const
{
    return q_->CurrentValue(col_);
}
QString Field::AsString() const
{
    return ValueText(q_->CurrentValue(col_), q_->IsBitColumn(col_));
}
double Field::AsFloat() const
{
    return ValueNumber(q_->CurrentValue(col_));
}
qint64 Field::AsInteger() const
{
    return qint64(std::llround(AsFloat()));
}
bool Field::IsNull() const
{
    return q_->CurrentValue(col_).isNull();
}
void Field::SetValue(const QVariant& v)
{
    q_->SetCurrentValue(col_, v);
}

bool Field::AsBoolean() const
{
    QVariant v = q_->CurrentValue(col_);
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::QString) {
        QString s = v.toString().trimmed();
        return s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || (s.toDouble() != 0);
    }
    return ValueNumber(v) != 0;
}

// ---- Query ----

Query::Query(Connection* connection, QObject* parent) : QObject(parent), conn_(connection) { }

Query::~Query() = default;

void Query::SetConnection(Connection* c)
{
    Close();
    conn_ = c;
}

void Query::SetSQL(const QString& sql)
{
    Close();
    sql_ = sql;
    sortCol_ = -1;
}

void Query::SetParam(const QString& name, const QVariant& value)
{
    QString n = name.startsWith(':') ? name.mid(1) : name;
    params_.insert(n, value);
}

void Query::ClearParams()
{
    params_.clear();
}

void Query::SetBaseTable(const QString& table)
{
    baseTable_ = table;
    if (Active())
        ResolveWritableColumns();
}

QString Query::BaseTable() const
{
    if (!baseTable_.isEmpty())
        return baseTable_;
    static const QRegularExpression from(
        QStringLiteral("\\bfrom\\s+\\[?([A-Za-z_][A-Za-z0-9_]*)"), QRegularExpression::CaseInsensitiveOption);
    auto m = from.match(sql_);
    return m.hasMatch() ? m.captured(1) : QString();
}

void Query::OpenPaged(int rows)
{
    const int kept = pageRows_;
    pageRows_ = rows;
    try {
        Open();
    } catch (...) {
        pageRows_ = kept;
        throw;
    }
    pageRows_ = kept;
}

void Query::Open()
{
    if (!conn_)
        throw DbError(QStringLiteral("the query has no connection"));
    Close();
    complete_ = true;
    total_ = 0;
    pageParams_.clear();
    pageSums_.clear();
    ResultSet r = pageRows_ > 0 ? conn_->Fetch(PagedSql(sql_, pageRows_, 0), params_) : conn_->Fetch(sql_, params_);
    if (pageRows_ > 0 && int(r.rows.size()) >= pageRows_) {
        // A full first page: the rest waits until it is read.
        total_ = SelectScalar(*conn_,
            QStringLiteral("select count(*) from (") + WithoutOrder(sql_) + QStringLiteral(") as paged_rows"), params_)
                     .toInt();
        complete_ = total_ <= int(r.rows.size());
        pageParams_ = params_;
    }
    names_ = r.names;
    bit_ = r.bit;
    originTable_ = r.originTable;
    originColumn_ = r.originColumn;
    std::vector<Row> rows = std::move(r.rows);
    rows_ = std::move(rows);
    state_ = State::Browse;
    filter_.reset();
    if (!filterText_.isEmpty())
        filter_ = std::make_shared<RowFilter>(filterText_, names_);
    if (sortCol_ >= names_.size())
        sortCol_ = -1;
    ResolveWritableColumns();
    RebuildView();
    emit reset();
    SetCursor(view_.empty() ? -1 : 0);
}

void Query::FetchRows(int limit) const
{
    if (complete_)
        return;
    const int have = int(rows_.size());
    ResultSet r = conn_->Fetch(PagedSql(sql_, limit, have), pageParams_);
    for (auto& row : r.rows) {
        if (int(rows_.size()) >= total_)
            break;
        rows_.push_back(std::move(row));
    }
    // Rows deleted by others since the count leave empty rows until the next opening.
    if (int(r.rows.size()) < limit)
        while (int(rows_.size()) < total_)
            rows_.push_back(Row(names_.size()));
    if (int(rows_.size()) >= total_) {
        complete_ = true;
        pageParams_.clear();
        pageSums_.clear();
    }
}

void Query::FetchUpTo(int index) const
{
    if (complete_ || index < int(rows_.size()))
        return;
    // Growing pages keep reading a whole list in a handful of statements.
    const int have = int(rows_.size());
    const int want = std::max(index + 1 - have, std::max(pageRows_, have));
    FetchRows(std::min(want, total_ - have));
}

void Query::FetchAll() const
{
    if (!complete_)
        FetchRows(total_ - int(rows_.size()));
}

double Query::FieldSum(int col) const
{
    const auto numeric = [this](int c) {
        if (c < 0 || c >= names_.size() || names_.count(names_[c]) != 1)
            return false;
        for (const Row& row : rows_)
            if (!(row.value(c).isNull() || StoredNumber(row.value(c))))
                return false;
        return true;
    };
    if (!complete_ && numeric(col) && !(filtered_ && filter_)) {
        if (!pageSums_.contains(col)) {
            // The first sum counts the footer's others in the same pass; a field empty
            // on every fetched row is left to a pass of its own, since it may hold text.
            QList<int> columns { col };
            if (pageSums_.isEmpty())
                for (int c = 0; c < names_.size(); ++c)
                    if (c != col && numeric(c) && std::any_of(rows_.begin(), rows_.end(), [c](const Row& row) {
                            return !row.value(c).isNull();
                        }))
                        columns << c;
            QStringList sums;
            for (int c : columns)
                sums << QStringLiteral("sum(\"") + QString(names_[c]).replace(QLatin1Char('"'), QStringLiteral("\"\""))
                        + QStringLiteral("\")");
            const ResultSet r = conn_->Fetch(QStringLiteral("select ") + sums.join(QLatin1Char(','))
                    + QStringLiteral(" from (") + WithoutOrder(sql_) + QStringLiteral(") as paged_rows"),
                pageParams_);
            for (int i = 0; i < columns.size(); ++i)
                pageSums_.insert(columns[i], r.rows.empty() ? 0.0 : ValueNumber(r.rows.front().value(i)));
        }
        return pageSums_.value(col);
    }
    FetchAll();
    double total = 0;
    for (int r : view_)
        total += ValueNumber(rows_[r].value(col));
    return total;
}

void Query::ResolveWritableColumns()
{
    writable_ = QVector<bool>(names_.size(), false);
    const QString base = BaseTable();
    if (base.isEmpty())
        return;
    for (int i = 0; i < names_.size(); ++i)
        writable_[i] = !originColumn_[i].isEmpty() && originTable_[i].compare(base, Qt::CaseInsensitive) == 0;
}

void Query::Close()
{
    if (state_ == State::Inactive)
        return;
    state_ = State::Inactive;
    complete_ = true;
    total_ = 0;
    pageParams_.clear();
    pageSums_.clear();
    rows_.clear();
    view_.clear();
    names_.clear();
    cur_ = -1;
    eof_ = bof_ = true;
    emit reset();
}

void Query::Requery()
{
    qint64 id = (cur_ >= 0 && IdColumn() >= 0) ? IdAt(cur_) : -1;
    int pos = cur_;
    Open();
    if (id < 0 || !LocateId(id))
        SetCursor(view_.empty() ? -1 : qBound(0, pos, int(view_.size()) - 1));
}

void Query::ExecSQL()
{
    if (!conn_)
        throw DbError(QStringLiteral("the query has no connection"));
    Close();
    conn_->Exec(sql_, params_);
}

void Query::RebuildView()
{
    view_.clear();
    if ((filtered_ && filter_) || (sortCol_ >= 0 && sortCol_ < names_.size()))
        FetchAll();
    if (!complete_) {
        view_.resize(total_);
        std::iota(view_.begin(), view_.end(), 0);
        return;
    }
    view_.reserve(rows_.size());
    for (int i = 0; i < int(rows_.size()); ++i) {
        if (filtered_ && filter_) {
            const Row& r = rows_[i];
            if (!filter_->Matches([&r](int c) { return r.value(c); }))
                continue;
        }
        view_.push_back(i);
    }
    if (sortCol_ >= 0 && sortCol_ < names_.size()) {
        const int c = sortCol_;
        const bool asc = sortAsc_;
        std::stable_sort(view_.begin(), view_.end(), [&](int a, int b) {
            const QVariant& x = rows_[a][c];
            const QVariant& y = rows_[b][c];
            int cmp;
            if (x.isNull() || y.isNull())
                cmp = x.isNull() == y.isNull() ? 0 : (x.isNull() ? -1 : 1);
            else if ((x.typeId() == QMetaType::QString) || (y.typeId() == QMetaType::QString))
                cmp = ValueText(x).localeAwareCompare(ValueText(y));
            else
                cmp = x.toDouble() < y.toDouble() ? -1 : (x.toDouble() > y.toDouble() ? 1 : 0);
            return asc ? cmp < 0 : cmp > 0;
        });
    }
}

void Query::SetCursor(int row, bool notify)
{
    const int n = int(view_.size());
    if (n == 0) {
        cur_ = -1;
        eof_ = bof_ = true;
    } else {
        cur_ = qBound(0, row, n - 1);
        eof_ = bof_ = false;
    }
    if (notify)
        emit currentChanged(cur_);
}

void Query::SetRecNo(int row)
{
    if (state_ == State::Edit || state_ == State::Insert)
        Post();
    SetCursor(row);
}

void Query::First()
{
    SetRecNo(0);
}

void Query::Last()
{
    SetRecNo(int(view_.size()) - 1);
}

void Query::Next()
{
    if (state_ == State::Edit || state_ == State::Insert)
        Post();
    if (view_.empty() || cur_ >= int(view_.size()) - 1) {
        eof_ = true;
        return;
    }
    SetCursor(cur_ + 1);
    bof_ = false;
}

void Query::Prior()
{
    if (state_ == State::Edit || state_ == State::Insert)
        Post();
    if (view_.empty() || cur_ <= 0) {
        bof_ = true;
        return;
    }
    SetCursor(cur_ - 1);
    eof_ = false;
}

bool Query::Locate(const QString& field, const QVariant& value, bool partial)
{
    const int c = RequireField(field);
    const bool textual = value.typeId() == QMetaType::QString;
    const QString want = ValueText(value);
    for (int i = 0; i < int(view_.size()); ++i) {
        FetchUpTo(view_[i]);
        const QVariant& v = rows_[view_[i]][c];
        bool hit;
        if (textual || v.typeId() == QMetaType::QString) {
            const QString have = ValueText(v, bit_.value(c));
            hit = partial ? have.startsWith(want, Qt::CaseInsensitive) : have.compare(want, Qt::CaseInsensitive) == 0;
            if (!hit && !textual)
                hit = ValueNumber(v) == ValueNumber(value) && !v.isNull();
        } else {
            hit = !v.isNull() && !value.isNull() && ValueNumber(v) == ValueNumber(value);
        }
        if (hit) {
            SetRecNo(i);
            return true;
        }
    }
    return false;
}

bool Query::LocateId(qint64 id)
{
    const int c = IdColumn();
    if (c < 0)
        return false;
    for (int i = 0; i < int(view_.size()); ++i) {
        FetchUpTo(view_[i]);
        if (rows_[view_[i]][c].toLongLong() == id) {
            SetRecNo(i);
            return true;
        }
    }
    return false;
}

int Query::FieldIndex(const QString& name) const
{
    for (int i = 0; i < names_.size(); ++i)
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    // "a.g_sn" names the field g_sn.
    int dot = name.lastIndexOf('.');
    if (dot >= 0)
        return FieldIndex(name.mid(dot + 1));
    return -1;
}

int Query::RequireField(const QString& name) const
{
    int c = FieldIndex(name);
    if (c < 0)
        throw DbError(QStringLiteral("field '%1' not found").arg(name));
    return c;
}

bool Query::IsBitColumn(int col) const
{
    return bit_.value(col, false);
}

Field Query::FieldByName(const QString& name)
{
    return Field(this, RequireField(name));
}

const Query::Row* Query::CurrentRow() const
{
    if (cur_ < 0 || cur_ >= int(view_.size()))
        return nullptr;
    FetchUpTo(view_[cur_]);
    return &rows_[view_[cur_]];
}

QVariant Query::CurrentValue(int col) const
{
    const Row* r = CurrentRow();
    return r ? r->value(col) : QVariant();
}

QVariant Query::Value(const QString& field) const
{
    return CurrentValue(RequireField(field));
}

QString Query::AsString(const QString& field) const
{
    int c = RequireField(field);
    return ValueText(CurrentValue(c), IsBitColumn(c));
}

double Query::AsFloat(const QString& field) const
{
    return ValueNumber(Value(field));
}

qint64 Query::AsInteger(const QString& field) const
{
    return qint64(std::llround(AsFloat(field)));
}

QVariant Query::ValueAt(int row, int col) const
{
    if (row < 0 || row >= int(view_.size()))
        return QVariant();
    FetchUpTo(view_[row]);
    return rows_[view_[row]].value(col);
}

QString Query::TextAt(int row, int col) const
{
    return ValueText(ValueAt(row, col), IsBitColumn(col));
}

qint64 Query::IdAt(int row) const
{
    int c = IdColumn();
    return c < 0 ? -1 : ValueAt(row, c).toLongLong();
}

int Query::IdColumn() const
{
    const QString base = BaseTable();
    int fallback = -1;
    for (int i = 0; i < names_.size(); ++i) {
        bool isId = originColumn_.value(i).compare(QLatin1String("id"), Qt::CaseInsensitive) == 0;
        if (isId && originTable_.value(i).compare(base, Qt::CaseInsensitive) == 0)
            return i;
        if (fallback < 0 && names_[i].compare(QLatin1String("id"), Qt::CaseInsensitive) == 0)
            fallback = i;
    }
    return fallback;
}

void Query::CheckWritable() const
{
    if (state_ == State::Inactive)
        throw DbError(QStringLiteral("the dataset is closed"));
    if (readOnly_)
        throw DbError(QStringLiteral("the dataset is read-only"));
    if (BaseTable().isEmpty())
        throw DbError(QStringLiteral("the dataset has no table to write to"));
}

void Query::SetCurrentValue(int col, const QVariant& v)
{
    if (col < 0 || col >= names_.size())
        throw DbError(QStringLiteral("no such field"));
    if (state_ == State::Browse)
        Edit();
    if (state_ != State::Edit && state_ != State::Insert)
        throw DbError(QStringLiteral("the dataset is not being edited"));
    QVariant value = v;
    if (value.typeId() == QMetaType::Bool)
        value = qlonglong(value.toBool() ? 1 : 0);
    else if (value.typeId() == QMetaType::Int)
        value = qlonglong(value.toInt());
    rows_[view_[cur_]][col] = value;
    dirty_[col] = true;
    emit rowChanged(cur_);
}

void Query::SetValue(const QString& field, const QVariant& value)
{
    SetCurrentValue(RequireField(field), value);
}

void Query::Append()
{
    CheckWritable();
    FetchAll();
    if (state_ == State::Edit || state_ == State::Insert)
        Post();
    rows_.push_back(Row(names_.size()));
    view_.push_back(int(rows_.size()) - 1);
    dirty_ = QVector<bool>(names_.size(), false);
    state_ = State::Insert;
    const int row = int(view_.size()) - 1;
    emit rowInserted(row);
    SetCursor(row);
}

void Query::Edit()
{
    CheckWritable();
    FetchAll();
    if (state_ == State::Edit || state_ == State::Insert)
        return;
    if (cur_ < 0)
        throw DbError(QStringLiteral("there is no row to edit"));
    saved_ = rows_[view_[cur_]];
    dirty_ = QVector<bool>(names_.size(), false);
    state_ = State::Edit;
}

void Query::Post()
{
    if (state_ != State::Edit && state_ != State::Insert)
        return;
    const QString base = BaseTable();
    Row& row = rows_[view_[cur_]];
    QStringList cols;
    QHash<QString, QVariant> params;
    for (int i = 0; i < names_.size(); ++i) {
        if (!dirty_[i] || !writable_.value(i))
            continue;
        if (originColumn_[i].compare(QLatin1String("id"), Qt::CaseInsensitive) == 0)
            continue;
        cols << originColumn_[i];
        params.insert(QStringLiteral("p%1").arg(i), row[i]);
    }
    const int idCol = IdColumn();
    if (state_ == State::Insert) {
        QStringList holders;
        for (int i = 0; i < names_.size(); ++i)
            if (params.contains(QStringLiteral("p%1").arg(i)))
                holders << QStringLiteral(":p%1").arg(i);
        QString sql = cols.isEmpty()
            ? QStringLiteral("insert into %1 default values").arg(base)
            : QStringLiteral("insert into %1 (%2) values (%3)").arg(base, cols.join(','), holders.join(','));
        const qint64 id = conn_->Insert(sql, params);
        // Read the stored row back so that defaults show as the database holds them.
        const ResultSet stored
            = conn_->Fetch(QStringLiteral("select * from %1 where id=:id").arg(base), { { QStringLiteral("id"), id } });
        if (!stored.rows.empty()) {
            for (int k = 0; k < stored.names.size(); ++k)
                for (int i = 0; i < names_.size(); ++i)
                    if (writable_.value(i) && originColumn_[i].compare(stored.names[k], Qt::CaseInsensitive) == 0)
                        row[i] = stored.rows.front().value(k);
        }
        if (idCol >= 0)
            row[idCol] = id;
    } else if (!cols.isEmpty()) {
        if (idCol < 0 || row[idCol].isNull())
            throw DbError(QStringLiteral("the row has no id to be written back by"));
        QStringList sets;
        int k = 0;
        for (int i = 0; i < names_.size(); ++i)
            if (params.contains(QStringLiteral("p%1").arg(i)))
                sets << QStringLiteral("%1=:p%2").arg(cols[k++]).arg(i);
        params.insert(QStringLiteral("rowid_"), saved_.value(idCol));
        conn_->Exec(QStringLiteral("update %1 set %2 where id=:rowid_").arg(base, sets.join(',')), params);
    }
    state_ = State::Browse;
    emit rowChanged(cur_);
}

void Query::Cancel()
{
    if (state_ == State::Insert) {
        const int row = cur_;
        // An appended row is always the last of rows_, so no other position moves.
        rows_.erase(rows_.begin() + view_[row]);
        view_.erase(view_.begin() + row);
        state_ = State::Browse;
        emit rowRemoved(row);
        SetCursor(row);
    } else if (state_ == State::Edit) {
        rows_[view_[cur_]] = saved_;
        state_ = State::Browse;
        emit rowChanged(cur_);
    }
}

void Query::Delete()
{
    CheckWritable();
    if (state_ == State::Insert) {
        Cancel();
        return;
    }
    if (state_ == State::Edit)
        Cancel();
    if (cur_ < 0)
        throw DbError(QStringLiteral("there is no row to delete"));
    FetchAll();
    const int idCol = IdColumn();
    if (idCol < 0)
        throw DbError(QStringLiteral("the row has no id to be deleted by"));
    const int row = cur_;
    const int index = view_[row];
    conn_->Exec(QStringLiteral("delete from %1 where id=:id").arg(BaseTable()),
        { { QStringLiteral("id"), rows_[index][idCol] } });
    rows_.erase(rows_.begin() + index);
    view_.erase(view_.begin() + row);
    for (int& v : view_)
        if (v > index)
            --v;
    emit rowRemoved(row);
    SetCursor(row);
}

void Query::SetFilter(const QString& expression)
{
    filterText_ = expression.trimmed();
    filter_.reset();
    if (!filterText_.isEmpty() && !names_.isEmpty())
        filter_ = std::make_shared<RowFilter>(filterText_, names_);
    if (Active() && filtered_) {
        RebuildView();
        emit reset();
        SetCursor(0);
    }
}

void Query::SetFiltered(bool on)
{
    if (on == filtered_ && (!on || filter_))
        return;
    filtered_ = on;
    if (on && !filter_ && !filterText_.isEmpty() && !names_.isEmpty())
        filter_ = std::make_shared<RowFilter>(filterText_, names_);
    if (Active()) {
        RebuildView();
        emit reset();
        SetCursor(0);
    }
}

void Query::SortBy(const QString& field, bool ascending)
{
    sortCol_ = RequireField(field);
    sortAsc_ = ascending;
    RebuildView();
    emit reset();
    SetCursor(0);
}
