#include "foundation/colorsize.h"

#include "foundation/datamodule.h"
#include "platform/db/query.h"
#include "platform/db/sqltext.h"
#include "platform/db/transaction.h"

#include <stdexcept>
#include <vector>

namespace {
struct Segment {
    QString sn;
    QString tm;
};

std::vector<Segment> ReadSegments(const QString& sql, const QString& snColumn, const QString& tmColumn)
{
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(sql);
    q.Open();
    std::vector<Segment> out;
    for (q.First(); !q.Eof(); q.Next())
        out.push_back({ q.AsString(snColumn), q.AsString(tmColumn) });
    return out;
}
} // namespace

QString SizeSnByName(const QString& name)
{
    return QueryScalar(QStringLiteral("select cm_sn from jxc_cm where cm_name=") + SqlQuoted(name));
}

QString ColorSnByName(const QString& name)
{
    return QueryScalar(QStringLiteral("select color_sn from jxc_color where color_name=") + SqlQuoted(name));
}

void MakeGoodsBarcodes(const QString& goodsSn, const QString& sizeGroup, const QString& colourGroup,
    const QString& rule, const QString& goodsBarcode)
{
    if (goodsBarcode.isEmpty())
        return;
    const bool colourFirst = rule == QLatin1String("1");
    if (!colourFirst && rule != QLatin1String("2"))
        throw std::invalid_argument(("barcode rule '" + rule + "' is neither 1 nor 2").toStdString());

    Connection& c = F_DataModule->ADOConn;
    Transaction work(c);
    c.Exec(QStringLiteral("delete from jxc_tm where g_sn=:g"), { { QStringLiteral(":g"), goodsSn } });
    const std::vector<Segment> colours
        = ReadSegments(QStringLiteral("select a.* from jxc_color a,jxc_colorz2 b where a.color_sn=b.color_sn and "
                                      " b.colorz_sn=")
                + SqlQuoted(colourGroup) + QStringLiteral(" order by a.id"),
            QStringLiteral("color_sn"), QStringLiteral("color_tm"));
    const std::vector<Segment> sizes
        = ReadSegments(QStringLiteral("select a.* from jxc_cm a,jxc_cmz2 b where a.cm_sn=b.cm_sn and "
                                      " b.cmz_sn=")
                + SqlQuoted(sizeGroup) + QStringLiteral(" order by a.id"),
            QStringLiteral("cm_sn"), QStringLiteral("cm_tm"));
    // Rebuilding the barcodes of a whole shop runs this for every goods: one prepared
    // statement bound by position per goods.
    Statement insert = c.Prepare(QStringLiteral("insert into jxc_tm (g_sn,tm_sl,tm_dy,cm_sn,color_sn,tm_tm,g_sptm,"
                                                "cm_tm,color_tm) values (?,1,1,?,?,?,?,?,?)"));
    for (const Segment& colour : colours) {
        for (const Segment& size : sizes) {
            const QString barcode
                = colourFirst ? goodsBarcode + colour.tm + size.tm : goodsBarcode + size.tm + colour.tm;
            insert.Bind(1, goodsSn);
            insert.Bind(2, size.sn);
            insert.Bind(3, colour.sn);
            insert.Bind(4, barcode);
            insert.Bind(5, goodsBarcode);
            insert.Bind(6, size.tm);
            insert.Bind(7, colour.tm);
            insert.Run();
            insert.Reset();
        }
    }
    work.Commit();
}

void UpdateGoodsSecondUnit(const QString& goodsSn)
{
    bool found = false;
    try {
        Query q(&F_DataModule->ADOConn);
        q.SetSQL(QStringLiteral("select g_zhxs,dw_name from jxc_goodsdw where g_zhxs>0 and g_sn=") + SqlQuoted(goodsSn)
            + QStringLiteral(" order by id limit 1"));
        q.Open();
        if (!q.IsEmpty()) {
            found = true;
            QString factor = q.AsString(QStringLiteral("g_zhxs"));
            if (factor.isEmpty())
                factor = QStringLiteral("1");
            ExecSQL(QStringLiteral("update jxc_goods set g_zhxs=") + factor + QStringLiteral(",dw_name2=")
                + SqlQuoted(q.AsString(QStringLiteral("dw_name"))) + QStringLiteral(" where g_sn=")
                + SqlQuoted(goodsSn));
        }
    } catch (const std::exception&) {
        // The unit is a convenience for entry windows; a failure here must not stop the save.
    }
    if (!found)
        ExecSQL(QStringLiteral("update jxc_goods set dw_name2=dw_name,g_zhxs=1 where g_sn=") + SqlQuoted(goodsSn));
}
