#include "stockdocfixture.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "posting/colorsizestock.h"
#include "posting/movingaverage.h"
#include "posting/postingdb.h"
#include "posting/stockposting.h"
#include "posting/tradecommon.h"
#include "support/tradefixtures.h"

#include <QHash>
#include <QSet>

namespace stockfixture {

namespace {

    // What the approval of each kind does, as the stock windows post it.
    struct Kind {
        const char* prefix;
        const char *header, *col, *date, *lines, *detail;
        int direction;     // stock change = direction × ledger quantity
        bool goodsTotal;   // g_kc follows
        bool month;        // the month's balance follows row by row
        bool headerStock;  // stock of the header's warehouse
        int average;       // 0 none, 1 every goods, 2 goods of rows above 0
        bool money;        // a cost-difference row in jxc_yyfy
        bool detailLedger; // colour-by-size ledger rows in jxc_goodslistmx
        const char* flag;
    };
    const Kind kKinds[] = {
        { "DB", "jxc_kcdbd", "db", "db_dbrq", "jxc_dbsp", "jxc_dbspmx", 1, false, true, false, 0, false, false, "db" },
        { "PD", "jxc_kcpd", "pd", "pd_rq", "jxc_kcpdsp", "jxc_kcpdspmx", 1, true, true, false, 0, true, false, "pd" },
        { "CF", "jxc_cfd", "cf", "cf_cfrq", "jxc_cfsp", "jxc_cfspmx", 1, true, true, false, 2, true, false, "cf" },
        { "KB", "jxc_kbd", "kb", "kb_kbrq", "jxc_kbsp", "jxc_kbspmx", 1, true, true, false, 1, true, false, "kb" },
        { "BS", "jxc_bsd", "bs", "bs_bsrq", "jxc_bssp", "jxc_bsspmx", 1, true, true, false, 0, true, false, "bs" },
        { "BY", "jxc_byd", "by", "by_byrq", "jxc_bysp", "jxc_byspmx", 1, true, true, false, 0, true, false, "by" },
        { "JH", "jxc_khjh", "jh", "jh_rq", "jxc_khjhsp", "", -1, true, true, false, 0, false, false, "jh" },
        { "HH", "jxc_khjh", "jh", "jh_rq", "jxc_khjhsp", "", 1, true, true, false, 0, true, false, "hh" },
        { "SC", "jxc_scrkd", "sc", "sc_rq", "jxc_scrksp", "jxc_scrkspmx", 1, true, false, true, 1, false, true, "sc" },
        { "ST", "jxc_scrkd", "sc", "sc_rq", "jxc_scrksp", "jxc_scrkspmx", 1, true, false, false, 1, false, true, "st" },
        { "LY", "jxc_bmlyd", "ly", "ly_rq", "jxc_bmlysp", "jxc_bmlyspmx", -1, true, false, false, 0, true, true, "ly" },
        { "LT", "jxc_bmlyd", "ly", "ly_rq", "jxc_bmlysp", "jxc_bmlyspmx", -1, true, false, true, 0, true, true, "lt" },
        { "LF", "jxc_bmlyd", "ly", "ly_rq", "jxc_bmlysp", "jxc_bmlyspmx", -1, true, false, true, 0, true, true, "lt" },
    };

    const Kind& KindOf(const QString& number)
    {
        for (const Kind& k : kKinds)
            if (number.startsWith(QLatin1String(k.prefix)))
                return k;
        return kKinds[0];
    }

    QString L(const char* s)
    {
        return QString::fromUtf8(s);
    }

} // namespace

QList<qint64> PostStockDoc(const StockDoc& doc)
{
    const Kind& k = KindOf(doc.number);
    const QString col = L(k.col);
    const QString month = doc.date.left(7);
    const bool transfer = QLatin1String(k.prefix) == QLatin1String("DB");
    const bool take = QLatin1String(k.prefix) == QLatin1String("PD");
    // The kinds whose approval exists are posted by it.
    using Approval = void (*)(const QString&);
    const QHash<QString, Approval> approvals { { QStringLiteral("DB"), &ApproveTransfer },
        { QStringLiteral("BS"), &ApproveLoss }, { QStringLiteral("BY"), &ApproveOverflow },
        { QStringLiteral("PD"), &ApproveStockTake },
        { QStringLiteral("LY"), [](const QString& no) { ApproveDeptIssue(no); } },
        { QStringLiteral("LT"), [](const QString& no) { ApproveDeptReturn(no); } },
        { QStringLiteral("SC"), [](const QString& no) { ApproveProductionIn(no); } },
        { QStringLiteral("ST"), [](const QString& no) { ApproveProductionReturn(no); } } };
    const Approval approve = approvals.value(QLatin1String(k.prefix));

    posting::Params head { { QStringLiteral("djh"), doc.number }, { QStringLiteral("d"), doc.date },
        { QStringLiteral("ck"), doc.warehouse }, { QStringLiteral("a"), CurrentAdminName },
        { QStringLiteral("st"), approve ? 0 : 1 } };
    if (transfer)
        head.insert(QStringLiteral("ck2"), doc.receiving);
    posting::Run(QStringLiteral("insert into ") + L(k.header) + QStringLiteral(" (gl_djh,") + L(k.date)
            + QStringLiteral(",") + (transfer ? QStringLiteral("ck_out,ck_in") : QStringLiteral("ck_sn"))
            + QStringLiteral(",u_sn,") + col + QStringLiteral("_status,") + col + QStringLiteral("_checker,") + col
            + QStringLiteral("_chkrq) values (:djh,:d,:ck,") + (transfer ? QStringLiteral(":ck2,") : QString())
            + QStringLiteral("'100001',:st,:a,:d)"),
        head);

    QList<qint64> ids;
    QList<qint64> ledger;
    QSet<QString> averaged;
    double total = 0;
    for (const StockLine& l : doc.lines) {
        const QString warehouse = l.warehouse.isEmpty() ? doc.warehouse : l.warehouse;
        const posting::Params stockKey { { QStringLiteral("g"), l.goods }, { QStringLiteral("ck"), warehouse } };
        const double book
            = posting::FirstNumber(QStringLiteral("select kc_sl from jxc_kcsp where g_sn=:g and ck_sn=:ck"), stockKey);
        const double bookTotal
            = posting::FirstNumber(QStringLiteral("select kc_zsl from jxc_kcsp where g_sn=:g and ck_sn=:ck"), stockKey);
        posting::Run(QStringLiteral("insert into ") + L(k.lines) + QStringLiteral(" (gl_djh,g_sn,") + col
                + QStringLiteral("_sl,") + col + QStringLiteral("_dj,") + col
                + QStringLiteral("_zje,a_name) values (:djh,:g,:sl,:dj,:je,:a)"),
            { { QStringLiteral("djh"), doc.number }, { QStringLiteral("g"), l.goods },
                { QStringLiteral("sl"), take ? l.qty : qAbs(l.qty) }, { QStringLiteral("dj"), l.price },
                { QStringLiteral("je"), (take ? l.qty - book : qAbs(l.qty)) * l.price },
                { QStringLiteral("a"), CurrentAdminName } });
        const qint64 id = posting::Db().LastInsertId();
        ids << id;
        const posting::Params line { { QStringLiteral("id"), id } };
        const bool lineTid = QLatin1String(k.lines) != QLatin1String("jxc_cfsp")
            && QLatin1String(k.lines) != QLatin1String("jxc_kbsp")
            && QLatin1String(k.lines) != QLatin1String("jxc_khjhsp");
        if (lineTid)
            posting::Run(QStringLiteral("update ") + L(k.lines) + QStringLiteral(" set tid=id where id=:id"), line);
        if (l.sourceLine && QLatin1String(k.lines) == QLatin1String("jxc_bmlysp"))
            posting::Run(QStringLiteral("update jxc_bmlysp set id2=:s where id=:id"),
                { { QStringLiteral("id"), id }, { QStringLiteral("s"), l.sourceLine } });
        if (take)
            posting::Run(QStringLiteral("update jxc_kcpdsp set id2=id,kc_sl=:b,kc_zsl=:bz where id=:id"),
                { { QStringLiteral("id"), id }, { QStringLiteral("b"), book }, { QStringLiteral("bz"), bookTotal } });
        if (QLatin1String(k.lines) == QLatin1String("jxc_cfsp") || QLatin1String(k.lines) == QLatin1String("jxc_kbsp"))
            posting::Run(QStringLiteral("update ") + L(k.lines) + QStringLiteral(" set ck_sn=:ck where id=:id"),
                { { QStringLiteral("id"), id }, { QStringLiteral("ck"), warehouse } });
        for (const SizeRow& r : l.rows) {
            const bool perRow = QLatin1String(k.detail) == QLatin1String("jxc_cfspmx")
                || QLatin1String(k.detail) == QLatin1String("jxc_kbspmx");
            const double old = posting::FirstNumber(
                QStringLiteral("select t_sl from jxc_tkc where g_sn=:g and ck_sn=:ck and color_sn=:co and cm_sn=:cm"),
                { { QStringLiteral("g"), l.goods }, { QStringLiteral("ck"), warehouse },
                    { QStringLiteral("co"), r.color }, { QStringLiteral("cm"), r.size } });
            posting::Run(QStringLiteral("insert into ") + L(k.detail)
                    + QStringLiteral(" (gl_djh,g_sn,color_sn,cm_sn,t_sl,tid) values (:djh,:g,:co,:cm,:q,:tid)"),
                { { QStringLiteral("djh"), doc.number }, { QStringLiteral("g"), l.goods },
                    { QStringLiteral("co"), r.color }, { QStringLiteral("cm"), r.size }, { QStringLiteral("q"), r.qty },
                    { QStringLiteral("tid"), id } });
            const qint64 rowId = posting::Db().LastInsertId();
            if (perRow)
                posting::Run(QStringLiteral("update ") + L(k.detail) + QStringLiteral(" set ck_sn=:ck where id=:id"),
                    { { QStringLiteral("id"), rowId }, { QStringLiteral("ck"), warehouse } });
            if (take)
                posting::Run(QStringLiteral("update jxc_kcpdspmx set t_oldsl=:o where id=:id"),
                    { { QStringLiteral("id"), rowId }, { QStringLiteral("o"), old } });
        }
        if (approve)
            continue;

        // The ledger rows: a transfer's in and out rows, a stock-take's difference.
        struct Move {
            QString warehouse;
            double qty;
        };
        QList<Move> moves;
        if (transfer)
            moves = { { doc.receiving, l.qty }, { doc.warehouse, -l.qty } };
        else if (take)
            moves = { { warehouse, l.qty - book } };
        else
            moves = { { warehouse, l.qty } };
        if (take && l.qty == book)
            moves.clear();
        for (const Move& m : moves) {
            const double amount = m.qty * l.price;
            const qint64 row = fixture::AddLedgerRow({ QLatin1String(k.flag), doc.number, doc.date, l.goods,
                m.warehouse, m.qty, amount, l.price, 0, l.sourceLine ? l.sourceLine : id });
            ledger << row;
            total += amount;
            if (!l.loanMove.isEmpty())
                posting::Run(QStringLiteral("update jxc_goodslist set gl_fdmc=:f where id=:id"),
                    { { QStringLiteral("id"), row }, { QStringLiteral("f"), l.loanMove } });
            const QString stockWarehouse = k.headerStock ? doc.warehouse : m.warehouse;
            const posting::Params change { { QStringLiteral("g"), l.goods }, { QStringLiteral("ck"), stockWarehouse },
                { QStringLiteral("q"), k.direction * m.qty } };
            if (take)
                posting::Run(QStringLiteral("update jxc_kcsp set kc_sl=:q,kc_zsl=:q where g_sn=:g and ck_sn=:ck"),
                    { { QStringLiteral("g"), l.goods }, { QStringLiteral("ck"), stockWarehouse },
                        { QStringLiteral("q"), l.qty } });
            else
                posting::Run(
                    QStringLiteral("update jxc_kcsp set kc_sl=kc_sl+:q,kc_zsl=kc_zsl+:q where g_sn=:g and ck_sn=:ck"),
                    change);
            if (k.goodsTotal)
                posting::Run(QStringLiteral("update jxc_goods set g_kc=g_kc+:q where g_sn=:g"), change);
            if (k.month)
                posting::Run(
                    QStringLiteral("update jxc_kcjs set js_sl=js_sl+:q,js_zje=js_zje+:je where js_rq=:m and ck_sn=:ck"),
                    { { QStringLiteral("q"), k.direction * m.qty }, { QStringLiteral("je"), k.direction * amount },
                        { QStringLiteral("m"), month }, { QStringLiteral("ck"), stockWarehouse } });
            if (k.average == 1 || (k.average == 2 && m.qty > 0))
                averaged.insert(l.goods);
            if (QLatin1String(k.prefix) == QLatin1String("HH")) {
                const QString counter
                    = l.loanMove == QLatin1String("xs") ? QStringLiteral("jh_xssl") : QStringLiteral("jh_hhsl");
                posting::Run(QStringLiteral("update jxc_khjhsp set ") + counter + QStringLiteral("=") + counter
                        + QStringLiteral("+:q where id=:id"),
                    { { QStringLiteral("id"), l.sourceLine }, { QStringLiteral("q"), m.qty } });
            }
            if (QLatin1String(k.prefix) == QLatin1String("LT"))
                posting::Run(QStringLiteral("update jxc_bmlysp set ly_hhsl=ly_hhsl-:q where id=:id"),
                    { { QStringLiteral("id"), l.sourceLine }, { QStringLiteral("q"), m.qty } });
        }
    }
    if (approve) {
        approve(doc.number);
        return ids;
    }
    RecalcMovingAverageCostOfDoc(doc.number, QStringLiteral("0"));
    for (const QString& g : averaged)
        posting::trade::SetGoodsAverage(g, doc.lines.last().price);
    if (k.money && total != 0)
        posting::Run(QStringLiteral("insert into jxc_yyfy (gl_djh,fy_rq,fy_lx,fy_je,u_sn,fy_note,fy_sc,fy_flag) "
                                    "values (:djh,:d,'费用',:je,'100001',:n,'费用','1')"),
            { { QStringLiteral("djh"), doc.number }, { QStringLiteral("d"), doc.date },
                { QStringLiteral("je"), -total }, { QStringLiteral("n"), doc.number + QStringLiteral("成本差额") } });
    if (k.detailLedger)
        CopyDetailToGoodsListMx(L(k.detail), doc.number);

    const QString detail = L(k.detail);
    const QString p = QLatin1String(k.prefix);
    if (p == QLatin1String("SC") || p == QLatin1String("ST") || p == QLatin1String("LT") || p == QLatin1String("LF"))
        posting::trade::UpdateMonth(doc.warehouse, doc.date);
    if (transfer) {
        AddColorSizeStock(detail, doc.number, doc.receiving);
        SubColorSizeStock(detail, doc.number, doc.warehouse);
    } else if (take) {
        SetStockTakeSizeColorStock(detail, doc.number, doc.warehouse);
    } else if (p == QLatin1String("CF")) {
        AddColorSizeStockPerRow(detail, doc.number);
    } else if (p == QLatin1String("KB")) {
        SubColorSizeStockPerRow(detail, doc.number);
    } else if (p == QLatin1String("BY") || p == QLatin1String("SC") || p == QLatin1String("LT")
        || p == QLatin1String("LF")) {
        AddColorSizeStock(detail, doc.number, doc.warehouse);
    } else if (!detail.isEmpty()) {
        SubColorSizeStock(detail, doc.number, doc.warehouse);
    }
    if (p == QLatin1String("LY"))
        posting::trade::UpdateMonth(doc.warehouse, doc.date);
    return ids;
}

} // namespace stockfixture
