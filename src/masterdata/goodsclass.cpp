#include "masterdata/goodsclass.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/goodsclass.h"
#include "masterdata/boundsql.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"

#include <QStringList>

qint64 NextGoodsClassKey(qint64 largestKey)
{
    const qint64 key = largestKey + 1;
    // A multiple of ten above ten is never left on a category.
    return key > 10 && key % 10 == 0 ? key + 1 : key;
}

QString CreateGoodsClass(Query& goodsClass)
{
    if (!goodsClass.Active() || goodsClass.RecNo() < 0)
        return QString();
    if (goodsClass.AsString(QStringLiteral("gc_sn")).size() >= 16)
        return kClassTooDeep;
    const QString parentKey = goodsClass.AsString(QStringLiteral("gc_key"));
    Transaction tr(F_DataModule->ADOConn);
    try {
        const qint64 key
            = NextGoodsClassKey(QueryScalar(QStringLiteral("select max(gc_key) from jxc_goodsclass")).toLongLong());
        goodsClass.Append();
        goodsClass.SetValue(QStringLiteral("gc_key"), key);
        goodsClass.SetValue(QStringLiteral("gc_pid"), parentKey.toLongLong());
        goodsClass.SetValue(QStringLiteral("gc_name"), kClassNewName);
        CompleteGoodsClassRow(goodsClass);
        tr.Commit();
    } catch (...) {
        // The dataset may hold a row the rollback took away.
        goodsClass.Cancel();
        tr.Rollback();
        goodsClass.Requery();
        throw;
    }
    return QString();
}

QString GoodsClassDeleteRefusal(const QString& parentKey, const QString& code)
{
    if (parentKey == QLatin1String("0") || code == QLatin1String("1000"))
        return kClassBuiltIn;
    if (!ScalarBound(QStringLiteral("select g_sn from jxc_goods where gc_sn like :p limit 1"),
            { { QStringLiteral("p"), code + QLatin1Char('%') } })
             .isEmpty())
        return kClassHasGoods;
    return QString();
}

void DeleteGoodsClassBranch(const QString& key)
{
    Transaction tr(F_DataModule->ADOConn);
    QStringList level { key };
    while (!level.isEmpty()) {
        const QString keys = level.join(QLatin1Char(','));
        QStringList below = SelectColumn(F_DataModule->ADOConn,
            QStringLiteral("select gc_key from jxc_goodsclass where gc_pid in (") + keys + QStringLiteral(")"));
        ExecSQL(QStringLiteral("delete from jxc_goodsclass where gc_key in (") + keys + QStringLiteral(")"));
        level = below;
    }
    tr.Commit();
}

QString FindGoodsClassName(const QString& text)
{
    return ScalarBound(QStringLiteral("select gc_name from jxc_goodsclass where (gc_jm like :t or gc_name like :t) "
                                      "and gc_pid<>0 order by id limit 1"),
        { { QStringLiteral("t"), text + QLatin1Char('%') } });
}
