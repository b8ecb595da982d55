#include "posting/movingaverage.h"

#include "foundation/settings.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/postingdb.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

using namespace posting;

namespace {

bool OneOf(const QString& kind, std::initializer_list<const char*> kinds)
{
    for (const char* k : kinds)
        if (kind.compare(QLatin1String(k), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool StockInKind(const QString& k)
{
    return OneOf(k,
        { "cj", "sc", "pd", "ct", "st", "db", "bh", "cf", "kb", "bs", "by", "jg", "pl", "bf", "wp", "ws", "wt", "qc",
            "hh" });
}

bool IssueKind(const QString& k)
{
    return OneOf(k, { "xt", "lt", "xs", "ly", "dh", "jh" });
}

bool ReaveragingKind(const QString& k, double s)
{
    return OneOf(k, { "cj", "ct", "jg", "sc", "st", "qc", "db", "kb", "ws", "pd" })
        || (s > 0 && OneOf(k, { "bh", "cf" }));
}

bool ResetKind(const QString& k, double s)
{
    return OneOf(k, { "cj", "ct", "jg", "sc", "st", "kb", "ws", "pd" }) || (s > 0 && OneOf(k, { "db", "bh", "cf" }));
}

bool CostReducedKind(const QString& k)
{
    return OneOf(k, { "xt", "xs", "ly", "lt" });
}

// A gift exchange leaves at the cost it carries in gl_je, so the average stays.
bool CarriedCostKind(const QString& k)
{
    return OneOf(k, { "dh" });
}

struct StartRow {
    QString docNo, goods, warehouse, date;
};

// A full recalculation walks every (goods, warehouse) of the shop, a few rows each:
// the per-walk reads run as prepared statements bound by position.
bool ReadStart(const QString& rowId, StartRow& s)
{
    Statement q = Db().Prepare(QStringLiteral("select gl_djh,g_sn,ck_sn,gl_kdrq from jxc_goodslist where id=?"));
    q.Bind(1, rowId.toLongLong());
    if (!q.Next())
        return false;
    s = { ValueText(q.Value(0)), ValueText(q.Value(1)), ValueText(q.Value(2)), ValueText(q.Value(3)) };
    q.Reset();
    return true;
}

struct Balance {
    double qty = 0, value = 0, average = 0;
};

// The balance after the last row before the date, or nothing at the goods' average.
Balance Opening(const StartRow& s)
{
    Statement q = Db().Prepare(QStringLiteral("select gl_kc,gl_pjjj,gl_kczje from jxc_goodslist where g_sn=? "
                                              "and ck_sn=? and gl_kdrq<? order by gl_kdrq desc,id desc limit 1"));
    q.Bind(1, s.goods);
    q.Bind(2, s.warehouse);
    q.Bind(3, s.date);
    Balance b;
    if (q.Next()) {
        b.qty = ValueNumber(q.Value(0));
        b.average = ValueNumber(q.Value(1));
        b.value = ValueNumber(q.Value(2));
        q.Reset();
    } else {
        q.Reset();
        Statement g = Db().Prepare(QStringLiteral("select g_pjjj from jxc_goods where g_sn=?"));
        g.Bind(1, s.goods);
        if (g.Next())
            b.average = ValueNumber(g.Value(0));
        g.Reset();
    }
    return b;
}

// The ledger rows of the start row's (goods, warehouse) from its date, in walk
// order, without those of the start row's document when asked.
QString PairRowsSql(const QString& columns, bool leaveOutDoc)
{
    return QStringLiteral("select ") + columns
        + QStringLiteral(" from jxc_goodslist a where a.g_sn=:g and a.ck_sn=:ck and a.gl_kdrq>=:t")
        + (leaveOutDoc ? QStringLiteral(" and a.gl_djh<>:djh") : QString())
        + QStringLiteral(" order by a.gl_kdrq,a.id");
}

Params PairRowsParams(const StartRow& s, bool leaveOutDoc)
{
    Params p { { QStringLiteral("g"), s.goods }, { QStringLiteral("ck"), s.warehouse },
        { QStringLiteral("t"), s.date } };
    if (leaveOutDoc)
        p.insert(QStringLiteral("djh"), s.docNo);
    return p;
}

void OpenRowsFrom(Query& q, const StartRow& s, const QString& columns, bool leaveOutDoc)
{
    OpenWithParams(q, PairRowsSql(columns, leaveOutDoc), PairRowsParams(s, leaveOutDoc));
}

struct Walk {
    StartRow start;
    Balance opening;
};

// The start row and the balance before its date; false when the row is gone.
bool BeginWalk(const QString& rowId, Walk& w)
{
    if (!ReadStart(rowId, w.start))
        return false;
    w.opening = Opening(w.start);
    return true;
}

// The running columns of one ledger row, written once per row of every walk.
class RunningWriter {
public:
    RunningWriter()
        : st_(Db().Prepare(
            QStringLiteral("update jxc_goodslist set gl_sqsl=?,gl_sqje=?,gl_pjjj=?,gl_kc=?,gl_kczje=? where id=?")))
    {
    }
    void Write(qint64 id, double beforeQty, double beforeValue, double average, double qty, double value)
    {
        st_.Bind(1, Round8(beforeQty));
        st_.Bind(2, Round8(beforeValue));
        st_.Bind(3, Round8(average));
        st_.Bind(4, Round8(qty));
        st_.Bind(5, Round8(value));
        st_.Bind(6, id);
        st_.Run();
    }

private:
    Statement st_;
};

// The final average and value of a walk, into the warehouse stock row.
class WarehouseCostWriter {
public:
    WarehouseCostWriter()
        : st_(Db().Prepare(QStringLiteral("update jxc_kcsp set kc_cbj=?,kc_zcb=? where ck_sn=? and g_sn=?")))
    {
    }
    void Write(const QString& goods, const QString& warehouse, double average, double value)
    {
        st_.Bind(1, Round8(average));
        st_.Bind(2, Round8(value));
        st_.Bind(3, warehouse);
        st_.Bind(4, goods);
        st_.Run();
    }

private:
    Statement st_;
};

// One ledger row as the walk reads it.
struct WalkedRow {
    qint64 id = 0;
    QString kind;
    double qty = 0, amount = 0, price = 0, cost = 0;
};

// The running quantity, value and average of one (goods, warehouse), carried row
// by row in (gl_kdrq, id) order.
class AverageWalk {
public:
    explicit AverageWalk(const Balance& opening)
        : Q(opening.qty), V(opening.value), A(opening.average), qd_(QtyDecimals), ad_(AmountDecimals),
          vd_(ValueDecimals())
    {
    }

    void Step(const WalkedRow& row, RunningWriter& out)
    {
        const QString& k = row.kind;
        const double s = row.qty, je = row.amount, dj = row.price, zcb = row.cost;
        const double beforeQ = Q, beforeV = V;

        double Qb = Q, s1 = s, Vb = V, je1 = je;
        if (StockInKind(k)) {
            if ((s > 0 && Q < 0) || (s < 0 && Q > 0)) {
                Qb = std::abs(Qb);
                s1 = std::abs(s1);
                je1 = std::abs(je1);
                Vb = std::abs(Vb);
            }
            Q += s;
            Qb += s1;
            Vb += je1;
        } else if (IssueKind(k)) {
            Q -= s;
        }
        if (ReaveragingKind(k, s) && Q != 0 && Qb != 0) {
            Q = RoundUp(Q, qd_);
            if (Q != 0)
                A = std::abs(Vb / Qb);
        }
        if (ResetKind(k, s) && Q == 0 && Qb != 0)
            A = std::abs(dj);
        A = RoundUp(A, ad_);
        Q = RoundUp(Q, qd_);
        if (CostReducedKind(k))
            V -= zcb;
        else if (CarriedCostKind(k))
            V -= je;
        else
            V += je;
        if (Q > 0 && V >= 0) {
            A = std::abs(V / Q);
        } else if (Q != 0) {
            // A stock-in row counts a second time here; stored rows rely on it.
            Qb = std::abs(Qb) + std::abs(s1);
            Vb = std::abs(Vb) + std::abs(je1);
            if (Qb != 0)
                A = std::abs(Vb / Qb);
            V = A * Q;
        }
        if (Q == 0)
            V = 0;
        V = RoundUp(V, vd_);
        out.Write(row.id, beforeQ, beforeV, A, Q, V);
    }

    double Q, V, A;

private:
    int qd_, ad_, vd_;
};

using Rows = std::vector<QVector<QVariant>>;

// The walked columns, in the order every read of the walks gives them.
const QString kWalkColumns = QStringLiteral("a.id,a.gl_flag,a.gl_sl,a.gl_je,a.gl_dj,a.gl_zcb,a.g_sn,a.ck_sn");

// Walks rows [begin, end) of one (goods, warehouse), read in (gl_kdrq, id) order,
// from the balance before `start.date`, and stores the final cost of the pair.
void WalkPair(const StartRow& start, const Rows& rows, size_t begin, size_t end, RunningWriter& running,
    WarehouseCostWriter& cost)
{
    AverageWalk walk(Opening(start));
    for (size_t i = begin; i < end; ++i) {
        const QVector<QVariant>& r = rows[i];
        walk.Step({ r[0].toLongLong(), ValueText(r[1]), ValueNumber(r[2]), ValueNumber(r[3]), ValueNumber(r[4]),
                      ValueNumber(r[5]) },
            running);
    }
    cost.Write(start.goods, start.warehouse, walk.A, walk.V);
}

QString PairKey(const QString& goods, const QString& warehouse)
{
    return goods.toCaseFolded() + QChar(0x1f) + warehouse.toCaseFolded();
}

// Where each pair's rows lie in rows read in (g_sn, ck_sn, gl_kdrq, id) order.
struct PairRange {
    size_t begin = 0, end = 0;
};
QString RowPairKey(const QVector<QVariant>& row)
{
    return PairKey(ValueText(row[6]), ValueText(row[7]));
}

// The end of the run of rows of the pair whose first row is `begin`.
size_t PairRunEnd(const Rows& rows, size_t begin)
{
    const QString key = RowPairKey(rows[begin]);
    size_t end = begin + 1;
    while (end < rows.size() && RowPairKey(rows[end]) == key)
        ++end;
    return end;
}

QHash<QString, PairRange> PairRanges(const Rows& rows)
{
    QHash<QString, PairRange> out;
    for (size_t r = 0; r < rows.size();) {
        const size_t end = PairRunEnd(rows, r);
        out.insert(RowPairKey(rows[r]), { r, end });
        r = end;
    }
    return out;
}

} // namespace

void RecalcMovingAverageCost(const QString& rowId, const QString& flag)
{
    StartRow start;
    if (!ReadStart(rowId, start))
        return;
    // Inside a caller's unit a failed walk fails that whole unit, so no savepoint
    // per walk: a recalculation runs thousands of them.
    Transaction t(Db(), Transaction::Nesting::Join);
    const bool leaveOutDoc = flag == QLatin1String("1");
    const ResultSet rows = Db().Fetch(PairRowsSql(kWalkColumns, leaveOutDoc), PairRowsParams(start, leaveOutDoc));
    RunningWriter running;
    WarehouseCostWriter cost;
    WalkPair(start, rows.rows, 0, rows.rows.size(), running, cost);
    t.Commit();
}

void RecalcMovingAverageCostOfDoc(const QString& docNo, const QString& flag, bool withDiscountGoods)
{
    Transaction t(Db(), Transaction::Nesting::Join);
    const Params doc { { QStringLiteral("djh"), docNo } };
    // Each (goods, warehouse) of the document from its earliest row: a walk from
    // there covers every later row. One read gives the rows of every pair.
    const QString pairs = QStringLiteral("select g_sn,ck_sn,min(gl_kdrq) as t from jxc_goodslist where gl_djh=:djh")
        + (withDiscountGoods ? QString() : QStringLiteral(" and g_sn<>'00000000'"))
        + QStringLiteral(" group by g_sn,ck_sn");
    const ResultSet starts = Db().Fetch(pairs + QStringLiteral(" order by g_sn,ck_sn"), doc);
    if (starts.rows.empty())
        return;
    const ResultSet rows = Db().Fetch(QStringLiteral("select ") + kWalkColumns + QStringLiteral(" from (")
            + pairs
            // The document's pairs lead: one seek each into the ledger's walk index.
            + QStringLiteral(") d cross join jxc_goodslist a where a.g_sn=d.g_sn and a.ck_sn=d.ck_sn "
                             "and a.gl_kdrq>=d.t")
            + (flag == QLatin1String("1") ? QStringLiteral(" and a.gl_djh<>:djh") : QString())
            + QStringLiteral(" order by a.g_sn,a.ck_sn,a.gl_kdrq,a.id"),
        doc);
    const QHash<QString, PairRange> ranges = PairRanges(rows.rows);
    RunningWriter running;
    WarehouseCostWriter cost;
    for (const auto& s : starts.rows) {
        const StartRow start { docNo, ValueText(s[0]), ValueText(s[1]), ValueText(s[2]) };
        const PairRange range = ranges.value(PairKey(start.goods, start.warehouse));
        WalkPair(start, rows.rows, range.begin, range.end, running, cost);
    }
    t.Commit();
}

namespace {

// Walks the ledger rows of a run of goods, read whole before anything is written
// (a table changed under an open read is read in no defined order), pair by pair.
void WalkChunk(const QString& first, const QString& last, const QString& date, const QString& warehouse,
    const QSet<QString>& pairs, RunningWriter& running, WarehouseCostWriter& cost)
{
    SqlParams p { { QStringLiteral("a"), first }, { QStringLiteral("b"), last }, { QStringLiteral("d"), date } };
    QString sql = QStringLiteral("select ") + kWalkColumns
        + QStringLiteral(",a.gl_kdrq from jxc_goodslist a where a.g_sn>=:a and a.g_sn<=:b and a.gl_kdrq>=:d");
    if (!warehouse.isEmpty()) {
        sql += QStringLiteral(" and a.ck_sn=:ck");
        p.insert(QStringLiteral("ck"), warehouse);
    }
    const ResultSet rows = Db().Fetch(sql + QStringLiteral(" order by a.g_sn,a.ck_sn,a.gl_kdrq,a.id"), p);
    for (size_t r = 0; r < rows.rows.size();) {
        const QVector<QVariant>& head = rows.rows[r];
        const StartRow start { QString(), ValueText(head[6]), ValueText(head[7]), ValueText(head[8]) };
        const size_t end = PairRunEnd(rows.rows, r);
        if (pairs.contains(RowPairKey(head)))
            WalkPair(start, rows.rows, r, end, running, cost);
        r = end;
    }
}

} // namespace

void RecalcMovingAverageCostFrom(const QString& date, const QString& warehouse)
{
    Transaction t(Db());
    SqlParams p;
    QString sql = QStringLiteral("select g_sn,ck_sn from jxc_kcsp where g_sn<>'00000000'");
    if (!warehouse.isEmpty()) {
        sql += QStringLiteral(" and ck_sn=:ck");
        p.insert(QStringLiteral("ck"), warehouse);
    }
    const ResultSet stock = Db().Fetch(sql + QStringLiteral(" order by g_sn,ck_sn"), p);
    QSet<QString> pairs;
    QStringList goods; // in the database's order, once each
    for (const auto& row : stock.rows) {
        const QString g = ValueText(row[0]);
        pairs.insert(PairKey(g, ValueText(row[1])));
        if (goods.isEmpty() || goods.last().compare(g, Qt::CaseInsensitive) != 0)
            goods << g;
    }
    RunningWriter running;
    WarehouseCostWriter cost;
    // A few hundred goods a read: a few thousand rows held at a time.
    constexpr int kChunk = 256;
    for (int i = 0; i < goods.size(); i += kChunk)
        WalkChunk(goods[i], goods[std::min<int>(i + kChunk, goods.size()) - 1], date, warehouse, pairs, running, cost);
    t.Commit();
}

namespace {

// The repair walk carries a row's new cost into the line of its own document.
void RepriceSourceLines(
    const QString& k, bool fixedCost, const QString& docNo, const QString& goods, double cost, double value)
{
    const Params p { { QStringLiteral("a"), Round8(cost) }, { QStringLiteral("v"), Round8(value) },
        { QStringLiteral("djh"), docNo }, { QStringLiteral("g"), goods } };
    const Params doc { { QStringLiteral("djh"), docNo } };
    if (OneOf(k, { "xs" }) && !fixedCost) {
        Run(QStringLiteral("update jxc_lsxssp set ls_cbj=:a,ls_cbj2=:a,ls_zcb=:v where gl_djh=:djh and g_sn=:g"), p);
        Run(QStringLiteral("update jxc_lsxsd set ls_lr=coalesce((select sum(s.ls_je-s.ls_zcb) from jxc_lsxssp s "
                           "where s.gl_djh=:djh),0) where gl_djh=:djh"),
            doc);
    } else if (OneOf(k, { "xt" }) && !fixedCost) {
        Run(QStringLiteral("update jxc_xsthsp set th_cbj=:a,th_zcb=:v where gl_djh=:djh and g_sn=:g"), p);
        Run(QStringLiteral("update jxc_xsthd set th_lr=coalesce((select sum(s.th_zcb-s.th_je) from jxc_xsthsp s "
                           "where s.gl_djh=:djh),0) where gl_djh=:djh"),
            doc);
    } else if (OneOf(k, { "ly", "lt" })) {
        Run(QStringLiteral("update jxc_bmlysp set ly_dj=:a,ly_zje=:v where gl_djh=:djh and g_sn=:g"), p);
    } else if (OneOf(k, { "bs" })) {
        Run(QStringLiteral("update jxc_bssp set bs_dj=:a,bs_zje=:v where gl_djh=:djh and g_sn=:g"), p);
    } else if (OneOf(k, { "by" })) {
        Run(QStringLiteral("update jxc_bysp set by_dj=:a,by_zje=:v where gl_djh=:djh and g_sn=:g"), p);
    } else if (OneOf(k, { "pd" })) {
        Run(QStringLiteral("update jxc_kcpdsp set pd_dj=:a,pd_zje=:v where gl_djh=:djh and g_sn=:g"), p);
    } else if (OneOf(k, { "pl" })) {
        Run(QStringLiteral("update jxc_scjgdpl set pl_dj=:a,pl_zcb=:v where gl_djh=:djh and pl_gsn=:g"), p);
    } else if (OneOf(k, { "wp" })) {
        Run(QStringLiteral("update jxc_wfjgdpl set pl_dj=:a,pl_zcb=:v where gl_djh=:djh and pl_gsn=:g"), p);
    }
}

} // namespace

void RecalcMovingAverageCostAll(const QString& rowId, const QString& flag)
{
    Walk w;
    if (!BeginWalk(rowId, w))
        return;
    const StartRow& start = w.start;
    const int qd = QtyDecimals, ad = AmountDecimals, vd = ValueDecimals();
    Transaction t(Db(), Transaction::Nesting::Join);
    const bool fixedCost = FirstNumber(QStringLiteral("select g_gdcbj from jxc_goods where g_sn=:g"),
                               { { QStringLiteral("g"), start.goods } })
        != 0;
    const bool intoDocuments = flag == QLatin1String("1");
    double Q = w.opening.qty, V = w.opening.value, A = w.opening.average;
    double A0 = A;
    RunningWriter running;
    Query rows(&Db());
    OpenRowsFrom(rows, start, QStringLiteral("id,gl_flag,gl_sl,gl_je,gl_zcb,gl_djh"), false);
    for (int r = 0; r < rows.RecordCount(); ++r) {
        const qint64 id = rows.IdAt(r);
        const QString k = rows.TextAt(r, 1);
        double s = ValueNumber(rows.ValueAt(r, 2));
        double je = ValueNumber(rows.ValueAt(r, 3));
        const double zcb = ValueNumber(rows.ValueAt(r, 4));
        const QString docNo = rows.TextAt(r, 5);
        const double beforeQ = Q, beforeV = V;

        double Qb = Q, s1 = s, Vb = V, je1 = je;
        if (OneOf(k, { "xt", "lt", "xs", "ly", "dh" }))
            s = -s;
        if (CostReducedKind(k))
            je = s * A0; // outgoing rows leave at the previous average
        if (CarriedCostKind(k))
            je = -je;
        if (fixedCost && OneOf(k, { "xs", "xt" }))
            je = -zcb;
        Q += s;
        V += je;
        if ((s > 0 && Q < 0) || (s < 0 && Q > 0)) {
            Qb = std::abs(Q);
            s1 = std::abs(s);
            je1 = std::abs(je);
            Vb = std::abs(V);
        }
        Q = RoundUp(Q, qd);
        if (Q > 0 && V >= 0) {
            A = std::abs(V / Q);
        } else if (Q != 0) {
            Qb = std::abs(Qb) + std::abs(s1);
            Vb = std::abs(Vb) + std::abs(je1);
            if (Qb != 0)
                A = std::abs(Vb / Qb);
            V = A * Q;
        }
        A = RoundUp(A, ad);
        je = s * A0;
        if ((OneOf(k, { "xs", "xt" }) && !fixedCost) || OneOf(k, { "ly", "lt" }))
            je = -s * A0;
        V = Q == 0 ? 0 : RoundUp(V, vd);
        je = RoundUp(je, vd);
        running.Write(id, beforeQ, beforeV, A, Q, V);
        if (OneOf(k, { "xs", "xt" }) && !fixedCost) {
            Run(QStringLiteral("update jxc_goodslist set gl_cbj=:a,gl_zcb=:v,gl_lr=gl_je-:v where id=:id"),
                { { QStringLiteral("a"), Round8(A0) }, { QStringLiteral("v"), Round8(je) },
                    { QStringLiteral("id"), id } });
        } else if (OneOf(k, { "ly", "lt", "bs", "by", "pd", "bh", "cf", "kb", "pl", "wp", "wt" })) {
            Run(QStringLiteral("update jxc_goodslist set gl_dj=:a,gl_je=:v,gl_zje=:v where id=:id"),
                { { QStringLiteral("a"), Round8(A0) }, { QStringLiteral("v"), Round8(je) },
                    { QStringLiteral("id"), id } });
        }
        if (intoDocuments)
            RepriceSourceLines(k, fixedCost, docNo, start.goods, A0, je);
        A0 = A;
    }
    WarehouseCostWriter().Write(start.goods, start.warehouse, A, V);
    t.Commit();
}
