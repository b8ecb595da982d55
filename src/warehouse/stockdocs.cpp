#include "warehouse/stockdocs.h"

#include "documents/docdrafts.h"
#include "documents/docwindow.h"
#include "foundation/approvalhooks.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/ui/prompt.h"
#include "posting/costprice.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

using namespace posting;

namespace {

Params OwnDraft(const QString& number)
{
    return { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName } };
}

double TotalRounded(double amount)
{
    return IsTrue(RoundTotals) ? RoundUp(amount, TotalDecimals.toInt()) : amount;
}

} // namespace

void DeleteDraftLine(const StockKind& kind, qint64 lineId)
{
    const Params id { { QStringLiteral("id"), lineId } };
    Transaction t(Db());
    Run(QStringLiteral("delete from ") + kind.doc.lines + QStringLiteral(" where id=:id"), id);
    Run(QStringLiteral("delete from ") + kind.doc.detail + QStringLiteral(" where tid=:id"), id);
    t.Commit();
}

int DraftLineCount(const StockKind& kind, const QString& number)
{
    return int(FirstNumber(
        QStringLiteral("select count(*) from ") + kind.doc.lines + QStringLiteral(" where gl_djh=:n and a_name=:a"),
        OwnDraft(number)));
}

bool ApproveStockDocument(const StockKind& kind, const QString& number)
{
    const Params n { { QStringLiteral("n"), number } };
    const QString statusSql = QStringLiteral("select ") + kind.doc.statusColumn + QStringLiteral(" from ")
        + kind.doc.header + QStringLiteral(" where gl_djh=:n order by id desc limit 1");
    Transaction t(Db());
    const QVariant status = First(statusSql, n);
    if (!status.isValid() || status.toInt() == 1)
        return false;
    kind.doc.post(number);
    t.Commit();
    return true;
}

StockSaveResult SaveStockDocument(const StockKind& kind, const QString& number, const QString& day,
    const QString& handler, const QString& note, const QList<QPair<QString, QVariant>>& headerValues)
{
    StockSaveResult result;
    Transaction t(Db());
    result.number = RedrawForSave(kind.doc, number, day);
    Row header { { QStringLiteral("gl_djh"), result.number } };
    for (const auto& v : headerValues)
        header.append(v);
    header.append({ kind.doc.dateColumn, day + QLatin1Char(' ') + Clock::Now().toString(QStringLiteral("HH:mm")) });
    header.append({ QStringLiteral("u_sn"), handler });
    header.append({ kind.noteColumn, ToFullWidthText(note) });
    header.append({ QStringLiteral("a_name"), CurrentAdminName });
    header.append({ kind.doc.statusColumn, 0 });
    header.append({ kind.doc.checkerColumn, QString() });
    header.append({ kind.doc.checkDateColumn, QString() });
    InsertRow(kind.doc.header, header);
    if (ApproveOnSaveSet()) {
        const QString answer = CheckApproveAllowed(result.number, day);
        if (answer == QLatin1String("ok"))
            result.approved = ApproveStockDocument(kind, result.number);
        else
            result.refusal = answer;
    } else {
        WriteLog(kind.pendingSaveLog + result.number + QStringLiteral("，共")
            + QString::number(DraftLineCount(kind, result.number)) + QStringLiteral("种商品"));
    }
    t.Commit();
    return result;
}

ScannedBarcode LookUpBarcode(const QString& code, const QString& noRepeatLines, const QString& number)
{
    ScannedBarcode r;
    Query tm(&Db());
    OpenWithParams(tm, QStringLiteral("select g_sn,cm_sn,color_sn from jxc_tm where tm_tm=:c order by id limit 1"),
        { { QStringLiteral("c"), code } });
    if (tm.IsEmpty()) {
        r.refusal = QStringLiteral("没有找到与该条码匹配的商品，请检查！");
        return r;
    }
    r.found = true;
    r.goods = tm.AsString(QStringLiteral("g_sn"));
    r.size = tm.AsString(QStringLiteral("cm_sn"));
    r.color = tm.AsString(QStringLiteral("color_sn"));
    if (!noRepeatLines.isEmpty()
        && First(QStringLiteral("select g_sn from ") + noRepeatLines
                + QStringLiteral(" where g_sn=:g and gl_djh=:n limit 1"),
            { { QStringLiteral("g"), r.goods }, { QStringLiteral("n"), number } })
               .isValid())
        r.refusal = QStringLiteral("该商品已添加，不能重复添加，\r\n\r\n可以修改已添加商品的数量！");
    return r;
}

TransferScanResult ScanTransferBarcode(const TransferScanInput& in)
{
    const StockKind& kind = TransferKind();
    TransferScanResult r;
    r.number = in.number;
    QString code = in.code.trimmed();
    const int comma = int(code.indexOf(QChar(0xFF0C)));
    if (comma >= 0)
        code = code.left(comma);
    r.code = code;
    if (code.isEmpty())
        return r;

    const ScannedBarcode scanned = LookUpBarcode(code, in.noRepeat ? QStringLiteral("jxc_dbsp") : QString(), r.number);
    if (!scanned.refusal.isEmpty()) {
        r.message = scanned.refusal;
        if (scanned.found)
            r.code.clear();
        return r;
    }
    const QString& goods = scanned.goods;
    const QString& size = scanned.size;
    const QString& color = scanned.color;
    if (!IsTrue(AllowZeroStockOut)
        && !First(QStringLiteral("select t_sl from jxc_tkc where g_sn=:g and cm_sn=:s and color_sn=:c and ck_sn=:ck "
                                 "and t_sl>0 limit 1"),
            { { QStringLiteral("g"), goods }, { QStringLiteral("s"), size }, { QStringLiteral("c"), color },
                { QStringLiteral("ck"), in.outWarehouse } })
                .isValid()) {
        r.message = QStringLiteral("库存数量出现负数，不能出库！");
        return r;
    }
    Query g(&Db());
    OpenWithParams(
        g, QStringLiteral("select g_jj,g_sj from jxc_goods where g_sn=:g"), { { QStringLiteral("g"), goods } });
    double price = g.AsFloat(QStringLiteral("g_jj"));
    if (TransferPriceMode != QLatin1String("2"))
        price = GetCostPrice(goods, in.outWarehouse, in.day);
    const double salePrice = g.AsFloat(QStringLiteral("g_sj"));
    const bool bySale = TransferPriceMode == QLatin1String("1");

    Transaction t(Db());
    r.number = RedrawIfHeld(kind.doc, r.number, in.day);
    qint64 lineId = 0;
    if (IsTrue(ScanAccumulates)) {
        Query own(&Db());
        OpenWithParams(own,
            QStringLiteral("select a.id,a.db_sl,a.db_dj,a.db_sj from jxc_dbsp a,jxc_goods b where a.g_sn=b.g_sn "
                           "and a.gl_djh=:n and a.g_sn=:g and b.g_sptm=:c and a.a_name=:a order by a.id desc limit 1"),
            { { QStringLiteral("n"), r.number }, { QStringLiteral("g"), goods }, { QStringLiteral("c"), code },
                { QStringLiteral("a"), CurrentAdminName } });
        if (!own.IsEmpty()) {
            lineId = own.AsInteger(QStringLiteral("id"));
            const double qty = own.AsFloat(QStringLiteral("db_sl")) + 1;
            const double unit = bySale ? own.AsFloat(QStringLiteral("db_sj")) : own.AsFloat(QStringLiteral("db_dj"));
            Run(QStringLiteral("update jxc_dbsp set db_sl=:q,db_zje=:z where id=:id"),
                { { QStringLiteral("q"), qty }, { QStringLiteral("z"), TotalRounded(Round8(unit * qty)) },
                    { QStringLiteral("id"), lineId } });
        }
    }
    if (lineId == 0)
        lineId = InsertRow(QStringLiteral("jxc_dbsp"),
            { { QStringLiteral("gl_djh"), r.number }, { QStringLiteral("g_sn"), goods }, { QStringLiteral("db_sl"), 1 },
                { QStringLiteral("db_dj"), price },
                { QStringLiteral("db_zje"), TotalRounded(bySale ? salePrice : price) },
                { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("db_sj"), salePrice } });
    Run(QStringLiteral("update jxc_dbsp set tid=id where id=:id"), { { QStringLiteral("id"), lineId } });
    InsertRow(QStringLiteral("jxc_dbspmx"),
        { { QStringLiteral("gl_djh"), r.number }, { QStringLiteral("g_sn"), goods }, { QStringLiteral("t_sl"), 1 },
            { QStringLiteral("cm_sn"), size }, { QStringLiteral("color_sn"), color },
            { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("tid"), lineId } });
    t.Commit();
    r.lineId = lineId;
    r.code.clear();
    return r;
}

QString ChangeStockDocDate(
    const StockKind& kind, const QString& oldNumber, const QString& newNumber, const QString& day, const QString& note)
{
    Transaction t(Db());
    QString number = newNumber;
    if (number != oldNumber && DocNoExists(kind.doc.lines, QStringLiteral("gl_djh"), number))
        number = NextDocNo(kind.doc.lines, QStringLiteral("gl_djh"), kind.doc.prefix, day);
    const Params old { { QStringLiteral("o"), oldNumber } };
    // The header keeps its time of day; a date without one stays a bare day.
    const QString stored = First(QStringLiteral("select ") + kind.doc.dateColumn + QStringLiteral(" from ")
            + kind.doc.header + QStringLiteral(" where gl_djh=:o order by id limit 1"),
        old)
                               .toString();
    const QString time = stored.mid(10).trimmed();
    const QString date = time.isEmpty() ? day : day + QLatin1Char(' ') + time;
    Run(QStringLiteral("update ") + kind.doc.header + QStringLiteral(" set gl_djh=:n,") + kind.doc.dateColumn
            + QStringLiteral("=:d,") + kind.noteColumn + QStringLiteral("=:note where gl_djh=:o"),
        { { QStringLiteral("n"), number }, { QStringLiteral("d"), date },
            { QStringLiteral("note"), ToFullWidthText(note.trimmed()).left(200) },
            { QStringLiteral("o"), oldNumber } });
    for (const QString& table : { kind.doc.lines, kind.doc.detail })
        Run(QStringLiteral("update ") + table + QStringLiteral(" set gl_djh=:n where gl_djh=:o"),
            { { QStringLiteral("n"), number }, { QStringLiteral("o"), oldNumber } });
    t.Commit();
    return number;
}

int CopyPicksToTransfer(const QString& number)
{
    Query picks(&Db());
    OpenWithParams(picks,
        QStringLiteral("select id,g_sn,ts_sl,ts_dj,ts_zje,ts_dzl,a_name from jxc_tempspxf where a_name=:a order by id"),
        { { QStringLiteral("a"), CurrentAdminName } });
    int copied = 0;
    for (picks.First(); !picks.Eof(); picks.Next()) {
        const qint64 pickId = picks.AsInteger(QStringLiteral("id"));
        const qint64 lineId = InsertRow(QStringLiteral("jxc_dbsp"),
            { { QStringLiteral("gl_djh"), number }, { QStringLiteral("db_sl"), picks.Value(QStringLiteral("ts_sl")) },
                { QStringLiteral("g_sn"), picks.Value(QStringLiteral("g_sn")) },
                { QStringLiteral("a_name"), picks.Value(QStringLiteral("a_name")) },
                { QStringLiteral("db_dj"), picks.Value(QStringLiteral("ts_dj")) },
                { QStringLiteral("db_zje"), picks.Value(QStringLiteral("ts_zje")) },
                { QStringLiteral("db_sj"), picks.Value(QStringLiteral("ts_dzl")) } });
        ++copied;
        Run(QStringLiteral("insert into jxc_dbspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select :n,g_sn,cm_sn,"
                           "color_sn,t_sl,a_name,:line from jxc_tempspxfmx where tid=:pick order by id"),
            { { QStringLiteral("n"), number }, { QStringLiteral("line"), lineId },
                { QStringLiteral("pick"), pickId } });
        Run(QStringLiteral("update jxc_dbsp set tid=id where id=:id"), { { QStringLiteral("id"), lineId } });
    }
    return copied;
}

bool ApproveStockPendingList(
    Query& list, const QString& dateColumn, const std::function<void(const QString& number)>& approve)
{
    if (Prompt::YesNo(QStringLiteral("您的操作将审核当前列表中所有未审核的单据，确认吗？\r\n\r\n（如需审核某个单据，"
                                     "请按右键！）"))
        != Prompt::Answer::Yes)
        return false;
    for (const DocWindow::PendingDoc& d : DocWindow::PendingRows(list, dateColumn)) {
        const QString answer = CheckApproveAllowed(d.number, d.date.left(10));
        if (answer != QLatin1String("ok")) {
            Prompt::Info(answer);
            continue;
        }
        approve(d.number);
    }
    return true;
}
