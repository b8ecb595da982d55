#include "platform/base/clock.h"
#include "platform/db/backend.h"
#include "platform/db/dberror.h"
#include "platform/db/serverdialect.h"
#include "platform/db/valuetext.h"

#include <QRegularExpression>
#include <libpq-fe.h>

namespace {

// Type ids of the server's built-in types that are read as numbers.
constexpr Oid kBool = 16, kInt8 = 20, kInt2 = 21, kInt4 = 23, kOid = 26, kFloat4 = 700, kFloat8 = 701, kNumeric = 1700,
              kBytea = 17;
constexpr int kCacheSize = 200;

void quietNotices(void*, const char*) { }

struct PrepResult {
    PGresult* r = nullptr;
    ~PrepResult() { PQclear(r); }
};

// Parameter values as the server reads them: texts, numbers in their shortest form.
class ParamValues {
public:
    ParamValues(const QStringList& names, const SqlParams& params)
    {
        data_.resize(names.size());
        ptrs_.resize(names.size());
        lengths_.resize(names.size());
        formats_.resize(names.size());
        for (int i = 0; i < names.size(); ++i) {
            auto it = params.find(names[i]);
            if (it == params.end())
                it = params.find(QLatin1Char(':') + names[i]);
            const QVariant v = it == params.end() ? QVariant() : *it;
            formats_[i] = 0;
            if (!v.isValid() || v.isNull()) {
                ptrs_[i] = nullptr;
                continue;
            }
            switch (v.typeId()) {
            case QMetaType::Bool:
                data_[i] = v.toBool() ? "1" : "0";
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                data_[i] = NumberText(v.toDouble()).toLatin1();
                break;
            case QMetaType::QByteArray:
                data_[i] = v.toByteArray();
                formats_[i] = 1;
                break;
            default:
                data_[i] = v.toString().toUtf8();
            }
            ptrs_[i] = data_[i].constData();
            lengths_[i] = int(data_[i].size());
        }
    }
    int count() const { return int(ptrs_.size()); }
    const char* const* values() const { return ptrs_.data(); }
    const int* lengths() const { return lengths_.data(); }
    const int* formats() const { return formats_.data(); }

private:
    std::vector<QByteArray> data_;
    std::vector<const char*> ptrs_;
    std::vector<int> lengths_;
    std::vector<int> formats_;
};

QVariant cellValue(const PGresult* r, int row, int col)
{
    if (PQgetisnull(r, row, col))
        return QVariant();
    const char* v = PQgetvalue(r, row, col);
    const int len = PQgetlength(r, row, col);
    switch (PQftype(r, col)) {
    case kBool:
        return QVariant(qlonglong(v[0] == 't' ? 1 : 0));
    case kInt2:
    case kInt4:
    case kInt8:
    case kOid:
        return QVariant(qlonglong(QByteArray::fromRawData(v, len).toLongLong()));
    case kFloat4:
    case kFloat8:
    case kNumeric:
        return QVariant(QByteArray::fromRawData(v, len).toDouble());
    case kBytea: {
        size_t n = 0;
        unsigned char* raw = PQunescapeBytea(reinterpret_cast<const unsigned char*>(v), &n);
        QByteArray b(reinterpret_cast<const char*>(raw), qsizetype(n));
        PQfreemem(raw);
        return QVariant(b);
    }
    default:
        return QVariant(QString::fromUtf8(v, len));
    }
}

class ServerBackend : public DbBackend {
public:
    ServerBackend(PGconn* conn, const QString& address) : conn_(conn), address_(address)
    {
        PQsetNoticeProcessor(conn_, quietNotices, nullptr);
    }
    ~ServerBackend() override { PQfinish(conn_); }

    QString Target() const override { return address_; }
    Connection::Kind GetKind() const override { return Connection::Kind::PostgreSQL; }

    DbError Error(const PGresult* r, const QString& context) const
    {
        QString msg = QString::fromUtf8(r ? PQresultErrorMessage(r) : PQerrorMessage(conn_)).trimmed();
        const QString state = QString::fromLatin1(r ? PQresultErrorField(r, PG_DIAG_SQLSTATE) : nullptr);
        // A lock not granted in time is refused as a busy file is.
        if (state == QLatin1String("55P03") || state == QLatin1String("40P01") || state == QLatin1String("40001"))
            msg = QStringLiteral("database is locked (") + msg + QLatin1Char(')');
        if (!context.isEmpty())
            msg += QStringLiteral(": ") + context;
        const bool lost = PQstatus(conn_) != CONNECTION_OK || state.startsWith(QLatin1String("08"))
            || state.startsWith(QLatin1String("57P")) || state == QLatin1String("3D000")
            || state.startsWith(QLatin1String("28")) || state == QLatin1String("53100");
        return DbError(msg, address_, lost ? DbError::Kind::File : DbError::Kind::Statement);
    }

    void Check(const PGresult* r, const QString& sql) const
    {
        const ExecStatusType s = r ? PQresultStatus(r) : PGRES_FATAL_ERROR;
        if (s != PGRES_COMMAND_OK && s != PGRES_TUPLES_OK && s != PGRES_EMPTY_QUERY)
            throw Error(r, sql);
    }

    // now() and date() read the program's clock, which tests may have fixed.
    void SyncClock(const QString& sql)
    {
        if (!sql.contains(QLatin1String("now("), Qt::CaseInsensitive)
            && !sql.contains(QLatin1String("date("), Qt::CaseInsensitive))
            return;
        const QByteArray now = Clock::Now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1();
        const char* values[] = { now.constData() };
        PrepResult r { PQexecParams(
            conn_, "select pg_catalog.set_config('vestora.now', $1, false)", 1, nullptr, values, nullptr, nullptr, 0) };
        Check(r.r, sql);
    }

    void ForgetSchema()
    {
        if (!prepared_.isEmpty()) {
            PrepResult r { PQexec(conn_, "deallocate all") };
            prepared_.clear();
        }
        columns_.clear();
        origins_.clear();
    }

    // Runs one statement with parameters; statements that are run again are kept
    // prepared on the server.
    PGresult* Run(const QString& sql, const SqlParams& params)
    {
        SyncClock(sql);
        if (IsSchemaStatement(sql)) {
            ForgetSchema();
            QStringList names;
            const QByteArray text = ServerStatement(sql, &names).toUtf8();
            ParamValues v(names, params);
            PGresult* r
                = PQexecParams(conn_, text.constData(), v.count(), nullptr, v.values(), v.lengths(), v.formats(), 0);
            return r;
        }
        auto it = prepared_.find(sql);
        if (it == prepared_.end()) {
            if (prepared_.size() >= kCacheSize)
                ForgetSchema();
            Prepared p;
            const QByteArray text = ServerStatement(sql, &p.params).toUtf8();
            p.name = "s" + QByteArray::number(++serial_);
            PrepResult r { PQprepare(conn_, p.name.constData(), text.constData(), 0, nullptr) };
            Check(r.r, sql);
            it = prepared_.insert(sql, p);
        }
        ParamValues v(it->params, params);
        return PQexecPrepared(conn_, it->name.constData(), v.count(), v.values(), v.lengths(), v.formats(), 0);
    }

    void Exec(const QString& sql) override
    {
        SyncClock(sql);
        if (IsSchemaStatement(sql))
            ForgetSchema();
        PrepResult r { PQexec(conn_, ServerStatement(sql).toUtf8().constData()) };
        Check(r.r, sql);
        changes_ = atoi(PQcmdTuples(r.r));
    }

    void Exec(const QString& sql, const SqlParams& params) override
    {
        const QString table = InsertTable(sql);
        if (!table.isEmpty() && HasId(table)) {
            Insert(sql, params);
            return;
        }
        PrepResult r { Run(sql, params) };
        Check(r.r, sql);
        changes_ = atoi(PQcmdTuples(r.r));
    }

    QString OriginTable(Oid table) { return Origin(table).name; }

    struct TableColumns {
        QString name;
        QStringList columns; // by attribute number - 1
    };

    const TableColumns& Origin(Oid table)
    {
        auto it = origins_.find(table);
        if (it != origins_.end())
            return *it;
        TableColumns t;
        const QByteArray id = QByteArray::number(table);
        const char* values[] = { id.constData() };
        PrepResult r { PQexecParams(conn_,
            "select c.relname, a.attnum, a.attname from pg_catalog.pg_class c "
            "join pg_catalog.pg_attribute a on a.attrelid = c.oid "
            "where c.oid = $1::oid and a.attnum > 0 order by a.attnum",
            1, nullptr, values, nullptr, nullptr, 0) };
        if (PQresultStatus(r.r) == PGRES_TUPLES_OK) {
            for (int row = 0; row < PQntuples(r.r); ++row) {
                t.name = QString::fromUtf8(PQgetvalue(r.r, row, 0));
                const int num = atoi(PQgetvalue(r.r, row, 1));
                while (t.columns.size() < num)
                    t.columns << QString();
                t.columns[num - 1] = QString::fromUtf8(PQgetvalue(r.r, row, 2));
            }
        }
        return *origins_.insert(table, t);
    }

    ResultSet Fetch(const QString& sql, const SqlParams& params) override
    {
        PrepResult r { Run(sql, params) };
        Check(r.r, sql);
        return Read(r.r);
    }

    ResultSet Read(const PGresult* r)
    {
        ResultSet out;
        const int cols = PQnfields(r);
        for (int i = 0; i < cols; ++i) {
            out.names << QString::fromUtf8(PQfname(r, i));
            // Yes/no columns are the only smallint columns of an account set.
            out.bit << (PQftype(r, i) == kInt2);
            const Oid table = PQftable(r, i);
            const int col = PQftablecol(r, i);
            if (table != InvalidOid && col > 0) {
                const TableColumns& t = Origin(table);
                out.originTable << t.name;
                out.originColumn << t.columns.value(col - 1);
            } else {
                out.originTable << QString();
                out.originColumn << QString();
            }
        }
        const int rows = PQntuples(r);
        out.rows.reserve(rows);
        for (int row = 0; row < rows; ++row) {
            QVector<QVariant> values(cols);
            for (int i = 0; i < cols; ++i)
                values[i] = cellValue(r, row, i);
            out.rows.push_back(std::move(values));
        }
        changes_ = rows;
        return out;
    }

    // The table of an "insert into T ..." statement without a returning clause.
    static QString InsertTable(const QString& sql)
    {
        static const QRegularExpression insert(QStringLiteral(R"(^\s*insert\s+into\s+"?([A-Za-z_][A-Za-z0-9_]*))"),
            QRegularExpression::CaseInsensitiveOption);
        const auto m = insert.match(sql);
        if (!m.hasMatch() || sql.contains(QLatin1String("returning"), Qt::CaseInsensitive) || sql.contains(';'))
            return QString();
        return m.captured(1).toLower();
    }

    bool HasId(const QString& table)
    {
        auto it = columns_.find(table);
        if (it == columns_.end())
            it = columns_.insert(table, ColumnNames(table));
        return it->contains(QLatin1String("id"));
    }

    qint64 Insert(const QString& sql, const SqlParams& params) override
    {
        const QString table = InsertTable(sql);
        if (table.isEmpty() || !HasId(table)) {
            PrepResult r { Run(sql, params) };
            Check(r.r, sql);
            changes_ = atoi(PQcmdTuples(r.r));
            return lastId_;
        }
        PrepResult r { Run(sql + QStringLiteral(" returning id"), params) };
        Check(r.r, sql);
        const int rows = PQntuples(r.r);
        changes_ = rows;
        if (rows > 0)
            lastId_ = QByteArray(PQgetvalue(r.r, rows - 1, 0)).toLongLong();
        return lastId_;
    }

    qint64 LastInsertId() override { return lastId_; }
    int Changes() const override { return changes_; }

    QStringList Column(const char* sql, const QString& arg)
    {
        const QByteArray a = arg.toLower().toUtf8();
        const char* values[] = { a.constData() };
        PrepResult r { PQexecParams(conn_, sql, arg.isNull() ? 0 : 1, nullptr, values, nullptr, nullptr, 0) };
        Check(r.r, QString::fromUtf8(sql));
        QStringList out;
        for (int row = 0; row < PQntuples(r.r); ++row)
            out << QString::fromUtf8(PQgetvalue(r.r, row, 0));
        return out;
    }

    bool TableExists(const QString& table) override
    {
        return !Column("select 1 from pg_catalog.pg_class c join pg_catalog.pg_namespace n on n.oid = c.relnamespace "
                       "where n.nspname = current_schema() and c.relname = $1 and c.relkind in ('r','v','p','m')",
            table)
                    .isEmpty();
    }

    QStringList TableNames() override
    {
        return Column("select c.relname::text from pg_catalog.pg_class c join pg_catalog.pg_namespace n "
                      "on n.oid = c.relnamespace where n.nspname = current_schema() and c.relkind in ('r','p') "
                      "order by 1",
            QString());
    }

    QStringList ColumnNames(const QString& table) override
    {
        return Column("select column_name::text from information_schema.columns where table_schema = "
                      "current_schema() and table_name = $1 order by ordinal_position",
            table);
    }

    std::unique_ptr<StatementImpl> Prepare(const QString& sql) override;

    QString BeginText() const override { return QStringLiteral("begin"); }
    void SetLockTimeout(int ms) override { Exec(QStringLiteral("set lock_timeout = %1").arg(ms)); }

private:
    struct Prepared {
        QByteArray name;
        QStringList params;
    };
    PGconn* conn_;
    QString address_;
    QHash<QString, Prepared> prepared_;
    QHash<QString, QStringList> columns_;
    QHash<Oid, TableColumns> origins_;
    qint64 serial_ = 0;
    qint64 lastId_ = 0;
    int changes_ = 0;
};

// A held statement on the server: bound here, run as a whole at its first step.
class ServerStatement : public StatementImpl {
public:
    ServerStatement(ServerBackend& b, const QString& sql) : b_(b), sql_(sql) { }
    void Bind(int position, const QVariant& value) override { params_.insert(QString::number(position), value); }
    void Bind(const SqlParams& params) override
    {
        for (auto it = params.begin(); it != params.end(); ++it)
            params_.insert(it.key().startsWith(':') ? it.key().mid(1) : it.key(), it.value());
    }
    bool Next() override
    {
        if (!ran_) {
            result_ = b_.Fetch(sql_, params_);
            ran_ = true;
            row_ = -1;
        }
        return ++row_ < int(result_.rows.size());
    }
    QVariant Value(int col) const override
    {
        return row_ >= 0 && row_ < int(result_.rows.size()) ? result_.rows[row_].value(col) : QVariant();
    }
    int ColumnCount() const override { return int(result_.names.size()); }
    void Reset() override
    {
        ran_ = false;
        result_ = ResultSet();
    }

private:
    ServerBackend& b_;
    QString sql_;
    SqlParams params_;
    ResultSet result_;
    bool ran_ = false;
    int row_ = -1;
};

std::unique_ptr<StatementImpl> ServerBackend::Prepare(const QString& sql)
{
    return std::make_unique<ServerStatement>(*this, sql);
}

} // namespace

std::unique_ptr<DbBackend> OpenServerBackend(const QString& address, const QString& password, const QString& shown)
{
    const QByteArray db = address.toUtf8();
    const QByteArray pwd = password.toUtf8();
    // Jet functions come before the built-in ones; a lock is waited for as long as a
    // busy file is.
    const char* keys[]
        = { "dbname", "password", "options", "client_encoding", "connect_timeout", "application_name", nullptr };
    const char* values[] = { db.constData(), password.isEmpty() ? nullptr : pwd.constData(),
        "-c search_path=public,jet,pg_catalog -c lock_timeout=10000 -c DateStyle=ISO", "UTF8", "10", "vestora",
        nullptr };
    if (password.isEmpty()) {
        keys[1] = "application_name";
        values[1] = "vestora";
    }
    PGconn* conn = PQconnectdbParams(keys, values, 1);
    if (!conn || PQstatus(conn) != CONNECTION_OK) {
        const QString why = conn ? QString::fromUtf8(PQerrorMessage(conn)).trimmed() : QStringLiteral("out of memory");
        PQfinish(conn);
        throw DbError(why, shown, DbError::Kind::File);
    }
    return std::make_unique<ServerBackend>(conn, shown);
}
