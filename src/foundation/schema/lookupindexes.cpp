#include "foundation/schema/tabledef.h"

#include "platform/db/connection.h"
#include "platform/db/dberror.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"

#include <QSet>
#include <QStringList>

// Indexes for the lookups the postings repeat: the ledger walk of one goods in one
// warehouse, the running balances of one partner or account, the colour-by-size
// stock of one combination and the rows of one document line.
void CreateLookupIndexes(Connection& c, const TableDef& t, const QSet<QString>* present)
{
    const auto create = [&](const QString& index, const QString& columns) {
        const QString sql
            = QStringLiteral("create index if not exists %1 on %2 (%3)").arg(index, QLatin1String(t.name), columns);
        if (!present) {
            c.Exec(sql);
            return;
        }
        if (present->contains(index))
            return;
        // On an existing set another operator logging in at the same moment may build
        // the same index; his copy serves as well, so a refusal here stops no login.
        Transaction step(c);
        try {
            c.Exec(sql);
            step.Commit();
        } catch (const DbError&) {
            step.Rollback();
        }
    };
    const QLatin1String name(t.name);
    // Drawing the next document number looks up the day's largest number.
    for (const ColumnDef& col : t.columns)
        if (qstrcmp(col.name, "gl_djh") == 0)
            create(QStringLiteral("ix_%1_gl_djh").arg(name), QStringLiteral("gl_djh"));

    static const struct {
        const char* table;
        const char* name;
        const char* columns;
    } kIndexes[] = {
        { "jxc_goodslist", "ix_jxc_goodslist_walk", "g_sn,ck_sn,gl_kdrq,id" },
        { "jxc_ysyfk", "ix_jxc_ysyfk_balance", "k_type,k_ghskh,k_rq,id" },
        // The rows registered against a document, which every approval and cancel reads
        // and deletes by number (its own rows are found by the number index above).
        { "jxc_goodslist", "ix_jxc_goodslist_djh2", "gl_djh2" },
        { "jxc_ysyfk", "ix_jxc_ysyfk_djh2", "gl_djh2" },
        { "jxc_xjyh", "ix_jxc_xjyh_balance", "xj_kmmc,xj_rq,id" },
        { "jxc_fpdjb", "ix_jxc_fpdjb_balance", "fp_type,fp_ghskh,fp_rq,id" },
        { "jxc_tkc", "ix_jxc_tkc_combination", "g_sn,ck_sn,cm_sn,color_sn" },
        { "jxc_kcsp", "ix_jxc_kcsp_goods", "g_sn,ck_sn" },
        // The month totals sum a warehouse's quantity and value at every posting:
        // read from this index alone, without the rows or a sort.
        { "jxc_kcsp", "ix_jxc_kcsp_warehouse", "ck_sn,kc_sl,kc_cbj" },
        { "jxc_rklist", "ix_jxc_rklist_goods", "g_sn,ck_sn" },
        // The walk's starting average, the goods totals and the partners' mirrored balances.
        { "jxc_goods", "ix_jxc_goods_g_sn", "g_sn" },
        { "jxc_khxx", "ix_jxc_khxx_kh_sn", "kh_sn" },
        { "jxc_ghsxx", "ix_jxc_ghsxx_ghs_sn", "ghs_sn" },
        // Whether a goods was ever bought or sold (the ledger's walk index serves it
        // there), and the goods of a category when codes are renumbered.
        { "jxc_jhsp", "ix_jxc_jhsp_g_sn", "g_sn" },
        { "jxc_lsxssp", "ix_jxc_lsxssp_g_sn", "g_sn" },
        { "jxc_goods", "ix_jxc_goods_gc_sn", "gc_sn" },
        // A scanned barcode at the till and in the entry windows, and the goods'
        // own barcode rows when they are rebuilt.
        { "jxc_tm", "ix_jxc_tm_tm_tm", "tm_tm" },
        { "jxc_tm", "ix_jxc_tm_g_sn", "g_sn" },
        // The ledger rows of a period, by kind (the reports of a month). The date comes
        // first: an index led by the kind, with no statistics to tell SQLite how few kinds
        // there are, was taken over the number index for "this document's rows of a kind"
        // and read every row of the kind.
        { "jxc_goodslist", "ix_jxc_goodslist_period", "gl_kdrq,gl_flag" },
        // A customer's deliveries, whose goods the sales browsers list.
        { "jxc_lsxsd", "ix_jxc_lsxsd_kh_sn", "kh_sn" },
        // The goods' texts and category that the stock reports show on every ledger
        // row, read from the index alone; and the category's name.
        { "jxc_goods", "ix_jxc_goods_texts", "g_sn,gc_sn,g_name,dw_name,gg_name,color_name,g_sccs" },
        { "jxc_goodsclass", "ix_jxc_goodsclass_gc_sn", "gc_sn,gc_name" },
        // The till's cart lines of the sale number.
        { "jxc_lsxssp", "ix_jxc_lsxssp_gl_djh", "gl_djh" },
        // The tickets of a period or a shift, which the day book and the hand-over read.
        { "jxc_posxsd", "ix_jxc_posxsd_xsrq", "pos_xsrq" },
    };
    for (const auto& ix : kIndexes)
        if (qstrcmp(ix.table, t.name) == 0)
            create(QLatin1String(ix.name), QLatin1String(ix.columns));
    // Colour-by-size rows are found by the line they belong to.
    if (!name.endsWith(QLatin1String("mx")))
        return;
    for (const ColumnDef& col : t.columns)
        if (qstrcmp(col.name, "tid") == 0)
            create(QStringLiteral("ix_%1_tid").arg(name), QStringLiteral("tid"));
}

void CreateMissingLookupIndexes(Connection& c)
{
    // Indexes older sets may carry that are no longer wanted: the ledger's kind index
    // (see its replacement above) and two copies of the number indexes every table with
    // a document number gets.
    static const char* const kRetired[] = { "ix_jxc_goodslist_kind", "ix_jxc_goodslist_djh", "ix_jxc_ysyfk_djh" };
    const QString sql = c.IsServer()
        ? QStringLiteral("select indexname from pg_indexes where schemaname=current_schema()")
        : QStringLiteral("select name from sqlite_master where type='index'");
    QSet<QString> present;
    for (const QString& name : SelectColumn(c, sql))
        present.insert(name.toLower());
    for (const char* retired : kRetired)
        if (present.contains(QLatin1String(retired)))
            c.Exec(QStringLiteral("drop index if exists ") + QLatin1String(retired));
    for (const QString& table : c.TableNames())
        if (const TableDef* t = FindTableDef(table))
            CreateLookupIndexes(c, *t, &present);
}
