#include "masterdata/tmglops.h"

#include "foundation/colorsize.h"
#include "foundation/datamodule.h"
#include "masterdata/boundsql.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"

namespace {

QString P(const char* n)
{
    return QString::fromLatin1(n);
}

QList<SegmentColumn> Segments(const QString& goodsSn, const QString& group, const QString& itemTable,
    const QString& memberTable, const QString& sn, const QString& groupSn, const QString& name, const QString& tm)
{
    Query q(&F_DataModule->ADOConn);
    // The goods' own segment of each item, where it has barcodes with it.
    q.SetSQL(QStringLiteral("select a.%3,coalesce((select t.%4 from jxc_tm t where t.g_sn=:s and t.%5=a.%5 "
                            "order by t.id limit 1),a.%4) as seg from %1 a,%2 b where a.%5=b.%5 and b.%6=:g "
                            "order by a.id")
                 .arg(itemTable, memberTable, name, tm, sn, groupSn));
    q.SetParam(P("s"), goodsSn);
    q.SetParam(P("g"), group);
    q.Open();
    QList<SegmentColumn> out;
    for (q.First(); !q.Eof(); q.Next())
        out.append({ q.AsString(name), q.AsString(P("seg")) });
    return out;
}

}

QString ComposeBarcode(const QString& goodsBarcode, const QString& colourSegment, const QString& sizeSegment, int rule)
{
    return rule == 2 ? goodsBarcode + sizeSegment + colourSegment : goodsBarcode + colourSegment + sizeSegment;
}

QList<SegmentColumn> GoodsColourSegments(const QString& goodsSn, const QString& colourGroup)
{
    return Segments(goodsSn, colourGroup, P("jxc_color"), P("jxc_colorz2"), P("color_sn"), P("colorz_sn"),
        P("color_name"), P("color_tm"));
}

QList<SegmentColumn> GoodsSizeSegments(const QString& goodsSn, const QString& sizeGroup)
{
    return Segments(goodsSn, sizeGroup, P("jxc_cm"), P("jxc_cmz2"), P("cm_sn"), P("cmz_sn"), P("cm_name"), P("cm_tm"));
}

bool SaveGoodsBarcodes(const QString& goodsSn, const QString& goodsBarcode, int rule,
    const QList<SegmentColumn>& colours, const QList<SegmentColumn>& sizes, const QString& barcodeAtOpening)
{
    Transaction tr(F_DataModule->ADOConn);
    ExecBound(QStringLiteral("delete from jxc_tm where g_sn=:g"), { { P("g"), goodsSn } });
    if (!goodsBarcode.isEmpty()) {
        const QString insert
            = QStringLiteral("insert into jxc_tm (g_sn,tm_sl,tm_dy,cm_sn,color_sn,tm_tm,g_sptm,cm_tm,color_tm) "
                             "values (:g,1,1,:cm,:color,:tm,:b,:cmtm,:colortm)");
        for (const SegmentColumn& colour : colours) {
            const QString colourSn = ColorSnByName(colour.name);
            const QString colourSeg = colour.segment.left(8);
            for (const SegmentColumn& size : sizes) {
                const QString sizeSeg = size.segment.left(8);
                ExecBound(insert,
                    { { P("g"), goodsSn }, { P("cm"), SizeSnByName(size.name) }, { P("color"), colourSn },
                        { P("tm"), ComposeBarcode(goodsBarcode, colourSeg, sizeSeg, rule) }, { P("b"), goodsBarcode },
                        { P("cmtm"), sizeSeg }, { P("colortm"), colourSeg } });
            }
        }
    }
    const bool changed = goodsBarcode != barcodeAtOpening;
    if (changed)
        ExecBound(QStringLiteral("update jxc_goods set g_sptm=:b where g_sn=:g"),
            { { P("b"), goodsBarcode }, { P("g"), goodsSn } });
    tr.Commit();
    return changed;
}

void RegenerateBarcodes(Query& goods, const std::function<void(int, int)>& progress)
{
    Transaction tr(F_DataModule->ADOConn);
    const int total = goods.RecordCount();
    int done = 0;
    for (goods.First(); !goods.Eof(); goods.Next()) {
        const QString rule = goods.AsString(P("g_tmtype"));
        // The foundation's rule refuses other rules; such goods keep what they have.
        if (rule == QLatin1String("1") || rule == QLatin1String("2"))
            MakeGoodsBarcodes(goods.AsString(P("g_sn")), goods.AsString(P("cmz_sn")), goods.AsString(P("colorz_sn")),
                rule, goods.AsString(P("g_sptm")));
        if (progress)
            progress(++done, total);
    }
    tr.Commit();
}

int FillLabels(const QList<LabelCount>& rows, Query& labels)
{
    Transaction tr(F_DataModule->ADOConn);
    ExecSQL(QStringLiteral("delete from jxc_txm"));
    int n = 0;
    for (const LabelCount& r : rows)
        for (int i = 0; i < r.second; ++i, ++n)
            ExecBound(QStringLiteral("insert into jxc_txm (tm_code) values (:c)"), { { P("c"), r.first } });
    labels.Close();
    labels.ClearParams();
    // The joins run in the order written (SQLite keeps the order of a cross join): from
    // the few labels to their barcodes by index. Left to itself the planner would walk
    // every barcode of the shop.
    labels.SetSQL(QStringLiteral(
        "select a.*,b.g_sn,b.g_name,b.gg_name,b.g_bz,b.g_sccs,c.cm_name,d.color_name,b.g_sj,b.g_lsj,c.cm_tm,d.color_tm "
        "from jxc_txm a cross join jxc_tm e cross join jxc_goods b cross join jxc_cm c cross join jxc_color d "
        "where a.tm_code=e.tm_tm and e.g_sn=b.g_sn and e.cm_sn=c.cm_sn and e.color_sn=d.color_sn order by a.id"));
    labels.Open();
    tr.Commit();
    return n;
}

void FindBarcode(const QString& barcode, Query& result)
{
    result.Close();
    result.ClearParams();
    result.SetSQL(QStringLiteral("select a.g_sn,a.g_name,b.color_name,b.color_tm,c.cm_name,c.cm_tm,d.tm_tm,"
                                 "a.dw_name,a.gg_name from jxc_goods a,jxc_color b,jxc_cm c,jxc_tm d "
                                 "where a.g_sn=d.g_sn and b.color_sn=d.color_sn and c.cm_sn=d.cm_sn "
                                 "and d.tm_tm=:b"));
    result.SetParam(P("b"), barcode);
    result.Open();
}
