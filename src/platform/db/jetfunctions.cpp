#include "platform/db/jetfunctions.h"

#include "platform/base/clock.h"
#include "platform/db/connection.h"
#include "platform/db/serverdialect.h"

#include <QDateTime>
#include <QString>
#include <cmath>
#include <sqlite3.h>

namespace {

QString argText(sqlite3_value* v)
{
    const unsigned char* t = sqlite3_value_text(v);
    return t ? QString::fromUtf8(reinterpret_cast<const char*>(t), sqlite3_value_bytes(v)) : QString();
}

void resultText(sqlite3_context* ctx, const QString& s)
{
    QByteArray b = s.toUtf8();
    sqlite3_result_text(ctx, b.constData(), int(b.size()), SQLITE_TRANSIENT);
}

bool anyNull(int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    return false;
}

void fnLeft(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    QString s = argText(argv[0]);
    int n = qMax(0, sqlite3_value_int(argv[1]));
    resultText(ctx, s.left(n));
}

void fnRight(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    QString s = argText(argv[0]);
    int n = qMax(0, sqlite3_value_int(argv[1]));
    resultText(ctx, s.right(n));
}

void fnMid(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    QString s = argText(argv[0]);
    int start = qMax(1, sqlite3_value_int(argv[1]));
    if (argc > 2)
        resultText(ctx, s.mid(start - 1, qMax(0, sqlite3_value_int(argv[2]))));
    else
        resultText(ctx, s.mid(start - 1));
}

void fnLen(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    sqlite3_result_int(ctx, int(argText(argv[0]).size()));
}

void fnIsNumeric(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return sqlite3_result_int(ctx, 1);
    case SQLITE_NULL:
        return sqlite3_result_int(ctx, 0);
    default: {
        QString s = argText(argv[0]).trimmed();
        bool ok = false;
        if (!s.isEmpty())
            s.toDouble(&ok);
        sqlite3_result_int(ctx, ok ? 1 : 0);
    }
    }
}

void fnDateDiff(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    QDateTime a = ParseDbDateTime(argText(argv[1]));
    QDateTime b = ParseDbDateTime(argText(argv[2]));
    bool ok = false;
    long long d = JetDateDiff(argText(argv[0]), a, b, &ok);
    if (!ok || !a.isValid() || !b.isValid())
        return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, d);
}

void fnDate(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultText(ctx, Clock::Today().toString(QStringLiteral("yyyy-MM-dd")));
}

void fnNow(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultText(ctx, Clock::Now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

long long floorDiv(long long a, long long b)
{
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

} // namespace

QDateTime ParseDbDateTime(const QString& text)
{
    QString t = text.trimmed();
    t.replace('/', '-');
    static const char* forms[] = { "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm", "yyyy-MM-dd", "yyyy-M-d H:m:s",
        "yyyy-M-d H:m", "yyyy-M-d", "yyyy-MM-ddTHH:mm:ss" };
    for (const char* f : forms) {
        QDateTime d = QDateTime::fromString(t, QString::fromLatin1(f));
        if (d.isValid())
            return d;
    }
    if (t.size() > 19) {
        QDateTime d = QDateTime::fromString(t.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (d.isValid())
            return d;
    }
    return QDateTime();
}

long long JetDateDiff(const QString& interval, const QDateTime& a, const QDateTime& b, bool* ok)
{
    if (ok)
        *ok = true;
    const QString u = interval.trimmed().toLower();
    const QDate da = a.date(), db = b.date();
    if (u == QLatin1String("yyyy"))
        return db.year() - da.year();
    if (u == QLatin1String("q"))
        return (db.year() * 4LL + (db.month() - 1) / 3) - (da.year() * 4LL + (da.month() - 1) / 3);
    if (u == QLatin1String("m"))
        return (db.year() * 12LL + db.month()) - (da.year() * 12LL + da.month());
    if (u == QLatin1String("d") || u == QLatin1String("y"))
        return da.daysTo(db);
    if (u == QLatin1String("w"))
        return da.daysTo(db) / 7; // whole weeks, truncated toward zero
    if (u == QLatin1String("ww")) {
        // Calendar weeks: Sundays crossed, the week starting on Sunday.
        QDate sa = da.addDays(-(da.dayOfWeek() % 7));
        QDate sb = db.addDays(-(db.dayOfWeek() % 7));
        return sa.daysTo(sb) / 7;
    }
    const long long sa = a.toSecsSinceEpoch() + a.offsetFromUtc();
    const long long sb = b.toSecsSinceEpoch() + b.offsetFromUtc();
    if (u == QLatin1String("h"))
        return floorDiv(sb, 3600) - floorDiv(sa, 3600);
    if (u == QLatin1String("n"))
        return floorDiv(sb, 60) - floorDiv(sa, 60);
    if (u == QLatin1String("s"))
        return sb - sa;
    if (ok)
        *ok = false;
    return 0;
}

QString RewriteJetSql(const QString& sql)
{
    if (!sql.contains(QLatin1String("left"), Qt::CaseInsensitive)
        && !sql.contains(QLatin1String("right"), Qt::CaseInsensitive))
        return sql;
    QString out;
    out.reserve(sql.size() + 8);
    const int n = int(sql.size());
    auto isIdent = [](QChar c) { return c.isLetterOrNumber() || c == '_'; };
    int i = 0;
    while (i < n) {
        QChar c = sql[i];
        if (c == '\'' || c == '"' || c == '[') {
            // Copy quoted text and names untouched.
            QChar close = c == '[' ? QChar(']') : c;
            int j = i + 1;
            while (j < n) {
                if (sql[j] == close) {
                    if (close != ']' && j + 1 < n && sql[j + 1] == close) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out += sql.mid(i, j - i + 1);
            i = j + 1;
            continue;
        }
        if ((c == 'l' || c == 'L' || c == 'r' || c == 'R') && (i == 0 || !isIdent(sql[i - 1]))) {
            int len = 0;
            if (sql.mid(i, 4).compare(QLatin1String("left"), Qt::CaseInsensitive) == 0)
                len = 4;
            else if (sql.mid(i, 5).compare(QLatin1String("right"), Qt::CaseInsensitive) == 0)
                len = 5;
            if (len && (i + len >= n || !isIdent(sql[i + len]))) {
                int j = i + len;
                while (j < n && sql[j].isSpace())
                    ++j;
                if (j < n && sql[j] == '(') {
                    out += '"' + sql.mid(i, len).toLower() + '"';
                    i += len;
                    continue;
                }
            }
        }
        out += c;
        ++i;
    }
    return out;
}

void RegisterJetFunctions(sqlite3* db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "left", 2, flags, nullptr, fnLeft, nullptr, nullptr);
    sqlite3_create_function(db, "right", 2, flags, nullptr, fnRight, nullptr, nullptr);
    sqlite3_create_function(db, "mid", 2, flags, nullptr, fnMid, nullptr, nullptr);
    sqlite3_create_function(db, "mid", 3, flags, nullptr, fnMid, nullptr, nullptr);
    sqlite3_create_function(db, "len", 1, flags, nullptr, fnLen, nullptr, nullptr);
    sqlite3_create_function(db, "isnumeric", 1, flags, nullptr, fnIsNumeric, nullptr, nullptr);
    sqlite3_create_function(db, "datediff", 3, SQLITE_UTF8, nullptr, fnDateDiff, nullptr, nullptr);
    sqlite3_create_function(db, "date", 0, SQLITE_UTF8, nullptr, fnDate, nullptr, nullptr);
    sqlite3_create_function(db, "now", 0, SQLITE_UTF8, nullptr, fnNow, nullptr, nullptr);
}

void CreateServerFunctions(Connection& c)
{
    if (c.IsServer())
        c.Exec(ServerFunctionsSql());
}
