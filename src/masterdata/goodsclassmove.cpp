#include "masterdata/goodsclassmove.h"

#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "masterdata/boundsql.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"

namespace {

struct ClassRow {
    qint64 id = 0;
    QString sn;
    QString name;
    qint64 key = 0;
    qint64 pid = 0;
};

ClassRow ReadClass(qint64 id)
{
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(
        QStringLiteral("select id,gc_sn,gc_name,gc_key,gc_pid from jxc_goodsclass where id=") + QString::number(id));
    q.Open();
    ClassRow r;
    if (q.IsEmpty())
        return r;
    r.id = id;
    r.sn = q.AsString(QStringLiteral("gc_sn"));
    r.name = q.AsString(QStringLiteral("gc_name"));
    r.key = q.AsInteger(QStringLiteral("gc_key"));
    r.pid = q.AsInteger(QStringLiteral("gc_pid"));
    return r;
}

QString N(qint64 v)
{
    return QString::number(v);
}

// Shifts the keys of a run of categories by one, each category's direct
// sub-categories following it. The order frees each target key before it is taken.
void ShiftKeys(const QString& range, bool ascending, int d)
{
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select id,gc_key from jxc_goodsclass where ") + range
        + (ascending ? QStringLiteral(" order by gc_key,gc_pid") : QStringLiteral(" order by gc_key desc,gc_pid")));
    q.Open();
    for (q.First(); !q.Eof(); q.Next()) {
        const qint64 key = q.AsInteger(QStringLiteral("gc_key"));
        ExecSQL(QStringLiteral("update jxc_goodsclass set gc_key=") + N(key + d) + QStringLiteral(" where id=")
            + N(q.AsInteger(QStringLiteral("id"))));
        ExecSQL(QStringLiteral("update jxc_goodsclass set gc_pid=") + N(key + d) + QStringLiteral(" where gc_pid=")
            + N(key));
    }
}

}

void SetClassSN(const QString& from, const QString& to)
{
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select id,gc_sn from jxc_goodsclass where gc_sn like :p order by id"));
    q.SetParam(QStringLiteral("p"), from + QLatin1Char('%'));
    q.Open();
    for (q.First(); !q.Eof(); q.Next()) {
        const QString old = q.AsString(QStringLiteral("gc_sn"));
        QString renamed = old;
        renamed.replace(renamed.indexOf(from), from.size(), to);
        ExecBound(QStringLiteral("update jxc_goodsclass set gc_sn=:n where id=:id"),
            { { QStringLiteral("n"), renamed }, { QStringLiteral("id"), q.AsInteger(QStringLiteral("id")) } });
        ExecBound(QStringLiteral("update jxc_goods set gc_sn=:n where gc_sn=:o"),
            { { QStringLiteral("n"), renamed }, { QStringLiteral("o"), old } });
    }
}

QString MoveGoodsClass(qint64 movedId, qint64 targetId, ClassMovePosition position)
{
    const ClassRow s = ReadClass(movedId);
    const ClassRow t = ReadClass(targetId);
    if (t.sn == s.sn)
        return kMoveSameClass;
    if (t.sn.isEmpty() && position != ClassMovePosition::Below)
        return kMoveNextToRoot;
    // A category cannot become its own ancestor: the branch would leave the tree.
    if (!s.sn.isEmpty() && t.sn.startsWith(s.sn))
        return kMoveIntoOwnBranch;

    Transaction tr(F_DataModule->ADOConn);
    if (position == ClassMovePosition::Below) {
        const QString deep = ScalarBound(
            QStringLiteral("select gc_name from jxc_goodsclass where len(gc_sn)+:n>15 and gc_sn like :p limit 1"),
            { { QStringLiteral("n"), t.sn.size() }, { QStringLiteral("p"), s.sn + QLatin1Char('%') } });
        if (!deep.isEmpty())
            return QStringLiteral("类别‘") + deep + QStringLiteral("’ 层数移动之后超过底层，不能移动到下级类别！");
        ExecSQL(
            QStringLiteral("update jxc_goodsclass set gc_pid=") + N(t.key) + QStringLiteral(" where id=") + N(s.id));
        SetClassSN(s.sn, GetNextClassSn(N(s.key)));
        tr.Commit();
        return QString();
    }

    if (t.pid != s.pid)
        ExecSQL(
            QStringLiteral("update jxc_goodsclass set gc_pid=") + N(t.pid) + QStringLiteral(" where id=") + N(s.id));
    // S stands aside under -9999 while the keys between it and T shift.
    ExecSQL(QStringLiteral("update jxc_goodsclass set gc_key=-9999 where id=") + N(s.id));
    ExecSQL(QStringLiteral("update jxc_goodsclass set gc_pid=-9999 where gc_pid=") + N(s.key));

    const bool next = position == ClassMovePosition::NextSibling;
    qint64 b = 0;
    if (s.key < t.key) {
        const QString upper = next ? QStringLiteral(" and gc_key<=") : QStringLiteral(" and gc_key<");
        ShiftKeys(QStringLiteral("gc_key>") + N(s.key) + upper + N(t.key), true, -1);
        b = next ? t.key : t.key - 1;
    } else {
        const QString lower = next ? QStringLiteral("gc_key>") : QStringLiteral("gc_key>=");
        ShiftKeys(lower + N(t.key) + QStringLiteral(" and gc_key<") + N(s.key), false, +1);
        b = next ? t.key + 1 : t.key;
    }
    ExecSQL(QStringLiteral("update jxc_goodsclass set gc_key=") + N(b) + QStringLiteral(" where id=") + N(s.id));
    ExecSQL(QStringLiteral("update jxc_goodsclass set gc_pid=") + N(b) + QStringLiteral(" where gc_pid=-9999"));
    if (t.pid == s.pid) {
        const QString pid = QueryScalar(QStringLiteral("select gc_pid from jxc_goodsclass where id=") + N(s.id));
        ExecSQL(QStringLiteral("update jxc_goodsclass set gc_pid=") + pid + QStringLiteral(" where id=") + N(t.id));
    }
    SetClassSN(s.sn, GetNextClassSn(N(b)));
    tr.Commit();
    return QString();
}
