#include "posting/moneyposting.h"

#include "foundation/combos.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/balances.h"
#include "posting/postingdb.h"
#include "posting/spread.h"
#include "posting/tradecommon.h"

using namespace posting;
using namespace posting::trade;

namespace {

struct Side {
    const char* partnerTable;
    const char* partnerCode;
    const char* partnerName;
    const char* side;
    const char* roundingPrefix;
    const char* roundingAccount;
    const char* roundingText;
    const char* roundingNote;
    const char* ledgerKind;
    bool profitIsAmount;
    const char* cashKind;
    int cashSign;
    const char* logText;
};

const Side kReceipt { "jxc_khxx", "kh_sn", "kh_name", "kh", "YS", "应收款", "增加应收款(抹零)", "收款单抹零登记：",
    "xs", true, "收款单", 1, "审核收款，客户：" };
const Side kPayment { "jxc_ghsxx", "ghs_sn", "ghs_name", "ghs", "YF", "应付款", "增加应付款(抹零)", "付款单抹零登记：",
    "cj", false, "付款单", -1, "审核付款，供货商：" };

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

void Approve(const Side& s, const QString& docNo)
{
    Transaction t(Db());
    const QString today = Today();
    const Fields r = ReadHeader(QStringLiteral("select a.*,b.u_name,c.") + U(s.partnerName)
            + QStringLiteral(" as partner_name from jxc_ysyfk_dj a inner join jxc_user b on a.u_sn=b.u_sn inner join ")
            + U(s.partnerTable) + QStringLiteral(" c on a.k_ghskh=c.") + U(s.partnerCode)
            + QStringLiteral(" where a.gl_djh=:djh order by a.id limit 1"),
        docNo);
    const QString partner = r.Text(QStringLiteral("k_ghskh"));
    const QString partnerName = r.Text(QStringLiteral("partner_name"));
    const QString date = r.Text(QStringLiteral("k_rq"));
    const QString side = U(s.side);
    const double paid = r.Number(QStringLiteral("k_sfje"));
    const double rounding = r.Number(QStringLiteral("k_mlje"));
    const double provisional = Round8(ValueNumber(GetLedgerBalanceAt(partner, side, QStringLiteral("0"), date)) - paid);

    Row copy;
    for (const char* c : { "k_ghskh", "a_name", "u_sn", "k_fkfs", "k_sfje", "k_yhje", "k_qcje", "k_yfje", "k_type",
             "k_djlx", "k_djtxt", "k_note", "k_flag", "gl_djh2", "k_rq" }) {
        const QString column = QString::fromLatin1(c);
        copy.append({ column, r.Value(column) });
    }
    copy.append({ QStringLiteral("gl_djh"), docNo });
    copy.append({ QStringLiteral("k_ljje"), provisional });
    InsertRow(QStringLiteral("jxc_ysyfk"), copy);

    if (CentsDiffer(rounding, 0)) {
        const QString number
            = NextDocNo(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh"), U(s.roundingPrefix), date);
        const QString note = U(s.roundingNote) + docNo;
        // The opening amount is the registration's and counts once, on its copy.
        const qint64 id = InsertRow(QStringLiteral("jxc_ysyfk"),
            { { QStringLiteral("gl_djh"), number }, { QStringLiteral("k_ghskh"), partner },
                { QStringLiteral("a_name"), r.Text(QStringLiteral("a_name")) },
                { QStringLiteral("u_sn"), r.Text(QStringLiteral("u_sn")) },
                { QStringLiteral("k_fkfs"), U(s.roundingAccount) }, { QStringLiteral("k_sfje"), 0 },
                { QStringLiteral("k_yhje"), 0 }, { QStringLiteral("k_qcje"), 0 },
                { QStringLiteral("k_ljje"), provisional }, { QStringLiteral("k_yfje"), Round8(-rounding) },
                { QStringLiteral("k_type"), side }, { QStringLiteral("k_djlx"), U(s.roundingPrefix) },
                { QStringLiteral("k_djtxt"), U(s.roundingText) }, { QStringLiteral("k_note"), note },
                { QStringLiteral("k_flag"), 1 }, { QStringLiteral("gl_djh2"), docNo },
                { QStringLiteral("k_rq"), date } });
        InsertRow(QStringLiteral("jxc_goodslist"),
            { { QStringLiteral("gl_flag"), U(s.ledgerKind) }, { QStringLiteral("gl_djh"), number },
                { QStringLiteral("gl_kdrq"), date }, { QStringLiteral("g_sn"), QStringLiteral("00000000") },
                { QStringLiteral("g_name"), QStringLiteral("优惠商品") },
                { QStringLiteral("g_jm"), QStringLiteral("YHSP") }, { QStringLiteral("dw_name"), QString() },
                { QStringLiteral("gl_dj"), 0 }, { QStringLiteral("gl_sl"), 0 },
                { QStringLiteral("gl_zje"), Round8(-rounding) },
                { QStringLiteral("gl_lr"), s.profitIsAmount ? Round8(-rounding) : 0.0 },
                { QStringLiteral("gl_dzl"), 1 }, { QStringLiteral("u_name"), r.Text(QStringLiteral("u_name")) },
                { QStringLiteral("a_name"), r.Text(QStringLiteral("a_name")) },
                { QStringLiteral("ck_sn"), DefaultWarehouseSn() },
                { QStringLiteral("ck_name"), DefaultWarehouseName() }, { QStringLiteral("ghs_sn"), partner },
                { QStringLiteral("ghs_name"), partnerName }, { QStringLiteral("gg_name"), QString() },
                { QStringLiteral("color_name"), QString() }, { QStringLiteral("gl_sysl"), 0 },
                { QStringLiteral("gl_fdmc"), QString() }, { QStringLiteral("gl_dqkc"), 0 },
                { QStringLiteral("gl_kc"), 0 }, { QStringLiteral("gl_pjjj"), 0 }, { QStringLiteral("gl_kczje"), 0 },
                { QStringLiteral("gl_checker"), r.Text(QStringLiteral("a_name")) },
                { QStringLiteral("gl_chkrq"), today }, { QStringLiteral("gl_sqsl"), 0 },
                { QStringLiteral("gl_sqje"), 0 }, { QStringLiteral("gl_bz"), QString() },
                { QStringLiteral("gl_note"), note }, { QStringLiteral("gl_tax"), 0 }, { QStringLiteral("gl_taxdj"), 0 },
                { QStringLiteral("gl_taxje"), 0 }, { QStringLiteral("gl_je"), Round8(-rounding) },
                { QStringLiteral("gl_lsj"), 0 }, { QStringLiteral("gl_cbj"), 0 }, { QStringLiteral("gl_zcb"), 0 },
                { QStringLiteral("id2"), id }, { QStringLiteral("gl_djh2"), docNo },
                { QStringLiteral("gl_qxsl"), 0 } });
    }
    RecalcLedgerBalance(partner, side, date);
    Run(QStringLiteral("update jxc_ysyfk_dj set k_check=1,k_checker=:who,k_chkrq=:today where gl_djh=:djh"),
        { { QStringLiteral("who"), CurrentAdminName }, { QStringLiteral("today"), today },
            { QStringLiteral("djh"), docNo } });

    const QString account = r.Text(QStringLiteral("k_fkfs"));
    MoneyEntry e { docNo, date, r.Text(QStringLiteral("u_sn")), r.Text(QStringLiteral("u_name")), partner, partnerName,
        QString(), account, r.Text(QStringLiteral("k_note")) };
    Row cash = CashRow(e, U(s.cashKind), s.cashSign * paid);
    for (auto& c : cash)
        if (c.first == QLatin1String("a_name"))
            c.second = r.Text(QStringLiteral("a_name"));
    InsertRow(QStringLiteral("jxc_xjyh"), cash);
    WriteLog(U(s.logText) + partnerName + QStringLiteral("，金额：") + NumberText(paid));
    RecalcCashBalance(account, date);
    t.Commit();
}

} // namespace

void ApproveReceiptDoc(const QString& docNo)
{
    Approve(kReceipt, docNo);
}

void ApprovePaymentDoc(const QString& docNo)
{
    Approve(kPayment, docNo);
}
