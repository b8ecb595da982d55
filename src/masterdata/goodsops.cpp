#include "masterdata/goodsops.h"

#include "foundation/datamodule.h"
#include "masterdata/boundsql.h"
#include "platform/base/programfolder.h"
#include "platform/db/transaction.h"

#include <QFile>
#include <QHash>
#include <cmath>

namespace {

QString Ids(const QList<qint64>& ids)
{
    QStringList s;
    for (qint64 id : ids)
        s << QString::number(id);
    return s.isEmpty() ? QStringLiteral("0") : s.join(QLatin1Char(','));
}

}

QString GoodsBusinessDocNo(const QString& code)
{
    static const char* const probes[] = {
        "select gl_djh from jxc_jhsp where g_sn=:c order by id limit 1",
        "select gl_djh from jxc_lsxssp where g_sn=:c order by id limit 1",
        "select gl_djh from jxc_goodslist where gl_flag<>'qc' and g_sn=:c order by id limit 1",
    };
    for (const char* sql : probes) {
        const QString no = ScalarBound(QString::fromLatin1(sql), { { QStringLiteral("c"), code } });
        if (!no.isEmpty())
            return no;
    }
    return QString();
}

QString GoodsDeleteRefusal(const QString& code)
{
    if (code == kBuiltInGoods)
        return kGoodsBuiltInRefusal;
    const QString no = GoodsBusinessDocNo(code);
    if (!no.isEmpty())
        return QStringLiteral("该商品已发生过业务，单据号：") + no + QStringLiteral(" 不能删除！");
    return QString();
}

void DeleteGoods(const QStringList& codes)
{
    Transaction tr(F_DataModule->ADOConn);
    for (const QString& code : codes)
        for (const char* table : { "jxc_goods", "jxc_goodslist", "jxc_kcsp", "jxc_tkc", "jxc_tm" })
            ExecBound(QStringLiteral("delete from %1 where g_sn=:c").arg(QLatin1String(table)),
                { { QStringLiteral("c"), code } });
    tr.Commit();
    for (const QString& code : codes) {
        const QString picture = ProgramFolder::File(QStringLiteral("picture/") + code + QStringLiteral(".jpg"));
        if (QFile::exists(picture))
            QFile::remove(picture);
    }
}

void SetGoodsDisabled(qint64 id, bool disabled)
{
    if (disabled)
        ExecSQL(QStringLiteral("update jxc_goods set g_jy=1 where id=") + QString::number(id));
    else
        ExecSQL(QStringLiteral("update jxc_goods set g_jy=0 where g_sn<>'00000000' and id=") + QString::number(id));
}

void ToggleGoodsDisabled(const QList<qint64>& ids)
{
    Transaction tr(F_DataModule->ADOConn);
    for (qint64 id : ids) {
        const QString jy = QueryScalar(QStringLiteral("select g_jy from jxc_goods where id=") + QString::number(id));
        if (jy.isEmpty())
            continue;
        SetGoodsDisabled(id, jy != QLatin1String("True"));
    }
    tr.Commit();
}

void SetGoodsPresetCost(const QList<qint64>& ids, bool on)
{
    ExecSQL(QStringLiteral("update jxc_goods set g_gdcbj=") + (on ? QStringLiteral("1") : QStringLiteral("0"))
        + QStringLiteral(" where id in (") + Ids(ids) + QStringLiteral(")"));
}

void SetGoodsClass(const QList<qint64>& ids, const QString& classCode)
{
    Transaction tr(F_DataModule->ADOConn);
    const QString cid = ScalarBound(
        QStringLiteral("select gc_cid from jxc_goodsclass where gc_sn=:c"), { { QStringLiteral("c"), classCode } });
    ExecBound(QStringLiteral("update jxc_goods set gc_sn=:c,gc_cid=:n where id in (") + Ids(ids) + QStringLiteral(")"),
        { { QStringLiteral("c"), classCode },
            { QStringLiteral("n"), cid.isEmpty() ? QVariant() : QVariant(cid.toLongLong()) } });
    tr.Commit();
}

void SetGoodsMinimumStock(const QList<qint64>& ids, double minimum)
{
    // g_zdkc counts whole pieces.
    const qint64 whole = std::llround(minimum);
    ExecSQL(QStringLiteral("update jxc_goods set g_zdkc=") + QString::number(whole) + QStringLiteral(" where id in (")
        + Ids(ids) + QStringLiteral(")"));
}

void SetGoodsShortCode(qint64 id, const QString& shortCode)
{
    ExecBound(QStringLiteral("update jxc_goods set g_jm=:j where id=:id"),
        { { QStringLiteral("j"), shortCode }, { QStringLiteral("id"), id } });
}

QString WholesaleTargetColumn(const QString& caption)
{
    static const QHash<QString, QString> columns = {
        { QStringLiteral("一级批发价"), QStringLiteral("g_sj1") },
        { QStringLiteral("二级批发价"), QStringLiteral("g_sj2") },
        { QStringLiteral("三级批发价"), QStringLiteral("g_sj3") },
        { QStringLiteral("四级批发价"), QStringLiteral("g_sj4") },
        { QStringLiteral("五级批发价"), QStringLiteral("g_sj5") },
        { QStringLiteral("零售价"), QStringLiteral("g_lsj") },
        { QStringLiteral("预设售价"), QStringLiteral("g_sj") },
    };
    return columns.value(caption);
}

QString WholesaleSourceColumn(const QString& caption)
{
    static const QHash<QString, QString> columns = {
        { QStringLiteral("预设售价"), QStringLiteral("g_sj") },
        { QStringLiteral("一级批发价"), QStringLiteral("g_sj1") },
        { QStringLiteral("二级批发价"), QStringLiteral("g_sj2") },
        { QStringLiteral("三级批发价"), QStringLiteral("g_sj3") },
        { QStringLiteral("四级批发价"), QStringLiteral("g_sj4") },
        { QStringLiteral("五级批发价"), QStringLiteral("g_sj5") },
        { QStringLiteral("零售价"), QStringLiteral("g_lsj") },
        { QStringLiteral("预设进价"), QStringLiteral("g_jj") },
        { QStringLiteral("上次进价"), QStringLiteral("g_scjj") },
        { QStringLiteral("成本均价"), QStringLiteral("g_pjjj") },
    };
    return columns.value(caption);
}

void SetWholesalePrices(
    const QString& targetColumn, const QString& sourceColumn, double factor, bool allGoods, const QString& classCode)
{
    if (targetColumn.isEmpty() || sourceColumn.isEmpty())
        return;
    QString sql = QStringLiteral("update jxc_goods set ") + targetColumn + QLatin1Char('=') + sourceColumn
        + QStringLiteral("*:f ");
    SqlParams params { { QStringLiteral("f"), factor } };
    if (!allGoods) {
        sql += QStringLiteral(" where gc_sn=:c ");
        params.insert(QStringLiteral("c"), classCode);
    }
    ExecBound(sql, params);
}
