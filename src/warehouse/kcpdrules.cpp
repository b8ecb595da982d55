#include "warehouse/kcpdrules.h"

#include "documents/docdrafts.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/sqltext.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"
#include "posting/stockposting.h"
#include "posting/tradereversal.h"
#include "warehouse/stockkind.h"

#include <QApplication>
#include <QDate>
#include <QProgressDialog>

using posting::First;
using posting::Params;

namespace {

// The start of the day after `day`: a range ending on a day takes all of it.
QString KcpdNextDay(const QString& day)
{
    return QDate::fromString(day, QStringLiteral("yyyy-MM-dd")).addDays(1).toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

QString StockTakeSaveRefusal(const QString& number, const QString& warehouse, const QString& day, bool hasLines)
{
    if (!hasLines)
        return QStringLiteral("单据中没有业务发生，不能保存！");
    const Params p { { QStringLiteral("ck"), warehouse }, { QStringLiteral("d"), KcpdNextDay(day) },
        { QStringLiteral("n"), number } };
    if (!First(QStringLiteral("select pd_rq from jxc_kcpd where ck_sn=:ck and pd_rq>=:d limit 1"), p)
             .toString()
             .isEmpty())
        return QStringLiteral("在【") + day + QStringLiteral("】日期之后已有盘点单，不能再次盘点！");
    if (!First(QStringLiteral("select gl_kdrq from jxc_goodslist where ck_sn=:ck and gl_kdrq>=:d and g_sn in "
                              "(select distinct g_sn from jxc_kcpdsp where gl_djh=:n) order by id limit 1"),
            p)
             .toString()
             .isEmpty())
        return QStringLiteral("在【") + day + QStringLiteral("】日期之后盘点的商品已发生业务，不能盘点！");
    return QString();
}

QString SaveStockTake(
    const QString& number, const QString& warehouse, const QString& day, const QString& handler, const QString& note)
{
    const StockKind& kind = StockTakeKind();
    Transaction t(posting::Db());
    const QString saved = RedrawForSave(kind.doc, number, day);
    const Params n { { QStringLiteral("n"), saved } };
    posting::InsertRow(QStringLiteral("jxc_kcpd"),
        { { QStringLiteral("gl_djh"), saved },
            { QStringLiteral("pd_sl"),
                posting::FirstNumber(QStringLiteral("select sum(pd_sl) from jxc_kcpdsp where gl_djh=:n"), n) },
            { QStringLiteral("kc_sl"),
                posting::FirstNumber(QStringLiteral("select sum(kc_sl) from jxc_kcpdsp where gl_djh=:n"), n) },
            { QStringLiteral("pd_status"), 0 },
            { QStringLiteral("pd_rq"), day + QLatin1Char(' ') + Clock::Now().toString(QStringLiteral("HH:mm")) },
            { QStringLiteral("pd_note"), SafeSqlText(note.trimmed()) }, { QStringLiteral("pd_checker"), QString() },
            { QStringLiteral("pd_chkrq"), QString() }, { QStringLiteral("ck_sn"), warehouse },
            { QStringLiteral("u_sn"), handler }, { QStringLiteral("a_name"), CurrentAdminName } });
    if (ApproveOnSaveSet()) {
        ApproveStockTake(saved);
    } else {
        const double lines
            = posting::FirstNumber(QStringLiteral("select count(*) from jxc_kcpdsp where gl_djh=:n and a_name=:a"),
                { { QStringLiteral("n"), saved }, { QStringLiteral("a"), CurrentAdminName } });
        WriteLog(kind.pendingSaveLog + saved + QStringLiteral("，共") + QString::number(qint64(lines))
            + QStringLiteral("种商品"));
    }
    t.Commit();
    return saved;
}

QString getPdMsg(const QString& number, const QString& savedAt, const QString& warehouse)
{
    const QString found = First(QStringLiteral("select gl_djh from jxc_goodslist where gl_djh<>'' and ck_sn=:ck and "
                                               "gl_kdrq>:rq and g_sn in (select distinct g_sn from jxc_kcpdsp where "
                                               "gl_djh=:n) order by id limit 1"),
        { { QStringLiteral("ck"), warehouse }, { QStringLiteral("rq"), savedAt },
            { QStringLiteral("n"),
                number } }).toString();
    if (found.isEmpty())
        return QString();
    return QStringLiteral("在【") + savedAt + QStringLiteral("】日期之后盘点的商品已发生业务，，")
        + QStringLiteral("\r\n\r\n") + QStringLiteral("单号为：【") + found + QStringLiteral("】，")
        + QStringLiteral("\r\n\r\n") + QStringLiteral("不能盘点，该盘点单 ") + number + QStringLiteral(" 已作废！");
}

QString ApproveStockTakes(const QList<PendingStockTake>& docs)
{
    QString refusals;
    for (const PendingStockTake& d : docs) {
        const QString refusal = getPdMsg(d.number, d.savedAt, d.warehouse);
        if (!refusal.isEmpty()) {
            refusals += refusal;
            continue;
        }
        Transaction t(posting::Db());
        ApproveStockTake(d.number);
        t.Commit();
    }
    return refusals;
}

void UpdateStockTakeTotals(const QString& number)
{
    posting::Run(QStringLiteral("update jxc_kcpd set pd_sl=coalesce((select sum(pd_sl) from jxc_kcpdsp where "
                                "gl_djh=:n),0),kc_sl=coalesce((select sum(kc_sl) from jxc_kcpdsp where gl_djh=:n),0) "
                                "where gl_djh=:n"),
        { { QStringLiteral("n"), number } });
}

StockTakeMark LatestApprovedStockTake()
{
    StockTakeMark m;
    const Params none;
    m.number = First(
        QStringLiteral("select gl_djh from jxc_kcpd where pd_status=1 order by pd_rq desc,id desc limit 1"), none)
                   .toString();
    if (!m.number.isEmpty())
        m.date = First(QStringLiteral("select pd_rq from jxc_kcpd where gl_djh=:n and pd_status=1"),
            { { QStringLiteral("n"), m.number } })
                     .toString();
    return m;
}

QStringList DocsAfterStockTake(const QString& date)
{
    Query q(&posting::Db());
    q.SetSQL(QStringLiteral("select distinct gl_djh from jxc_goodslist where gl_flag<>'pd' and gl_flag<>'qc' and "
                            "gl_kdrq>:d order by gl_djh"));
    q.SetParam(QStringLiteral("d"), date);
    q.Open();
    QStringList numbers;
    for (int i = 0; i < q.RecordCount(); ++i)
        numbers << q.TextAt(i, 0);
    return numbers;
}

bool StockTakeCancelsPrefix(const QString& number)
{
    static const QStringList prefixes = { QStringLiteral("CJ"), QStringLiteral("CT"), QStringLiteral("XS"),
        QStringLiteral("XT"), QStringLiteral("DB"), QStringLiteral("CF"), QStringLiteral("KB"), QStringLiteral("BS"),
        QStringLiteral("BY"), QStringLiteral("JH"), QStringLiteral("HH") };
    return prefixes.contains(number.left(2).toUpper());
}

int CancelDocsAfterStockTake(const QStringList& numbers, QWidget* parent)
{
    QProgressDialog progress(QStringLiteral("正在取消审核，请稍候..."), QString(), 0, int(numbers.size()), parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    int cancelled = 0;
    AuxTag = QStringLiteral("kcpd");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The tag and the cursor go back however the run ends.
    struct Restore {
        ~Restore()
        {
            AuxTag.clear();
            QApplication::restoreOverrideCursor();
        }
    } restore;
    Transaction t(posting::Db());
    for (int i = 0; i < numbers.size(); ++i) {
        progress.setValue(i);
        if (!StockTakeCancelsPrefix(numbers[i]))
            continue;
        UnapproveResult.clear();
        UnapproveDocument(numbers[i]);
        if (UnapproveResult == QLatin1String("ok"))
            ++cancelled;
    }
    t.Commit();
    progress.setValue(int(numbers.size()));
    return cancelled;
}

QString StockTakeCancelSummary(int total, int cancelled)
{
    return QStringLiteral("取消审核完成，共") + QString::number(total) + QStringLiteral("个单据，")
        + QStringLiteral("\r\n\r\n") + QStringLiteral("取消审核 ") + QString::number(cancelled)
        + QStringLiteral(" 个单据。");
}
