#include "warehouse/kcpdimport.h"

#include "documents/docdrafts.h"
#include "foundation/globals.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/postingdb.h"
#include "warehouse/stockkind.h"

#include <cmath>

using posting::Params;

int StageStockTakeRows(const std::vector<QStringList>& rows)
{
    Transaction t(posting::Db());
    const Params op { { QStringLiteral("a"), CurrentAdminName } };
    posting::Run(QStringLiteral("delete from jxc_tempspxf where a_name=:a"), op);
    int failed = 0;
    for (const QStringList& row : rows) {
        const QString qtyText = row.value(0).trimmed();
        const QString barcode = row.value(1).trimmed();
        QString status = QStringLiteral("0");
        QString note = QStringLiteral("可顺利导入");
        bool isNumber = false;
        const double qty = qtyText.toDouble(&isNumber);
        isNumber = isNumber && std::isfinite(qty);
        if (qtyText.isEmpty()) {
            note = QStringLiteral("数量不能为空");
            status = QStringLiteral("2");
        } else if (!isNumber) {
            note = QStringLiteral("数量格式不正确");
            status = QStringLiteral("2");
        } else if (qty <= 0) {
            note = QStringLiteral("数量不能为零或负数");
            status = QStringLiteral("2");
        }
        const Params tm { { QStringLiteral("t"), barcode } };
        if (!posting::First(QStringLiteral("select tm_tm from jxc_tm where tm_tm=:t limit 1"), tm).isValid()) {
            note = QStringLiteral("商品条形码不正确");
            status = QStringLiteral("2");
        }
        QVariant goods = QString();
        QVariant price;
        Query g(&posting::Db());
        OpenWithParams(g,
            QStringLiteral("select a.g_sn,a.g_sj from jxc_goods a inner join jxc_tm b on a.g_sn=b.g_sn where "
                           "b.tm_tm=:t order by b.id limit 1"),
            tm);
        if (!g.IsEmpty()) {
            goods = g.AsString(QStringLiteral("g_sn"));
            price = g.AsFloat(QStringLiteral("g_sj"));
        }
        if (status == QLatin1String("2"))
            ++failed;
        const QVariant quantity = isNumber ? QVariant(qty) : QVariant();
        const QVariant amount
            = isNumber && price.isValid() ? QVariant(qty * price.toDouble()) : QVariant(QMetaType(QMetaType::Double));
        posting::Run(QStringLiteral("insert into jxc_tempspxf (g_sn,ts_dj,ts_sl,ts_zje,ts_dzl,ts_note,ghs_sn,a_name,"
                                    "t_ph) values (:sn,:dj,:sl,:zje,1,:note,:st,:a,:ph)"),
            { { QStringLiteral("sn"), goods },
                { QStringLiteral("dj"), price.isValid() ? price : QVariant(QMetaType(QMetaType::Double)) },
                { QStringLiteral("sl"), isNumber ? quantity : QVariant(QMetaType(QMetaType::Double)) },
                { QStringLiteral("zje"), amount }, { QStringLiteral("note"), note }, { QStringLiteral("st"), status },
                { QStringLiteral("a"), CurrentAdminName }, { QStringLiteral("ph"), barcode } });
    }
    t.Commit();
    return failed;
}

QString ImportStockTakeLines(const QString& number, const QString& day, const QString& warehouse)
{
    Transaction t(posting::Db());
    const QString n = RedrawIfHeld(StockTakeKind().doc, number, day);
    const Params p { { QStringLiteral("n"), n }, { QStringLiteral("a"), CurrentAdminName },
        { QStringLiteral("ck"), warehouse } };
    posting::Run(QStringLiteral("delete from jxc_kcpdspmx where gl_djh=:n and a_name=:a"), p);
    posting::Run(QStringLiteral("delete from jxc_kcpdsp where gl_djh=:n and a_name=:a"), p);
    // The book quantity of a colour and size is the sum of its stock rows.
    posting::Run(QStringLiteral("insert into jxc_kcpdspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,t_oldsl,a_name,tid) "
                                "select :n,b.g_sn,b.cm_sn,b.color_sn,c.ts_sl,d.t_sl,c.a_name,-9 from jxc_tempspxf c "
                                "inner join jxc_tm b on c.t_ph=b.tm_tm and c.g_sn=b.g_sn inner join (select g_sn,cm_sn,"
                                "color_sn,sum(t_sl) as t_sl from jxc_tkc where ck_sn=:ck group by g_sn,cm_sn,color_sn) "
                                "d on c.g_sn=d.g_sn and b.cm_sn=d.cm_sn and b.color_sn=d.color_sn where c.a_name=:a "
                                "and c.ghs_sn='0' order by c.id"),
        p);
    posting::Run(QStringLiteral("insert into jxc_kcpdsp (gl_djh,pd_sl,kc_sl,g_sn,a_name,pd_dj,pd_zje,tid,kc_zsl) "
                                "select :n,c.pdsl,a.kc_sl,a.g_sn,:a,a.kc_cbj,0,-9,a.kc_zsl from (select g_sn,sum(t_sl) "
                                "as pdsl from jxc_kcpdspmx where gl_djh=:n and a_name=:a and tid=-9 group by g_sn) c "
                                "inner join jxc_kcsp a on c.g_sn=a.g_sn where a.ck_sn=:ck order by a.g_sn"),
        p);
    posting::Run(QStringLiteral("update jxc_kcpdsp set pd_zje=(pd_sl-kc_sl)*pd_dj,tid=id where gl_djh=:n and "
                                "a_name=:a and tid=-9"),
        p);
    posting::Run(QStringLiteral("update jxc_kcpdspmx set tid=(select max(s.tid) from jxc_kcpdsp s where "
                                "s.gl_djh=jxc_kcpdspmx.gl_djh and s.g_sn=jxc_kcpdspmx.g_sn and s.a_name=:a) where "
                                "gl_djh=:n and a_name=:a and tid=-9 and exists (select 1 from jxc_kcpdsp s where "
                                "s.gl_djh=jxc_kcpdspmx.gl_djh and s.g_sn=jxc_kcpdspmx.g_sn and s.a_name=:a)"),
        p);
    // Rows whose goods got no line (no stock row in the warehouse) go.
    posting::Run(QStringLiteral("delete from jxc_kcpdspmx where gl_djh=:n and a_name=:a and tid=-9"), p);
    posting::Run(QStringLiteral("delete from jxc_tempspxf where a_name=:a"), p);
    t.Commit();
    return n;
}

QString StockTakeImportSummary(int rows, int failed)
{
    return QStringLiteral("导入完毕\r\n\r\n共") + QString::number(rows) + QStringLiteral("条记录")
        + QStringLiteral("\r\n\r\n") + QStringLiteral("成功导入") + QString::number(rows - failed)
        + QStringLiteral("条") + QStringLiteral("\r\n\r\n") + QStringLiteral("失败") + QString::number(failed)
        + QStringLiteral("条");
}
