// Sample data for the screenshots of the accounts windows: customers and suppliers
// with registrations, receipts and journal movements of the current month.
#include "accounts/cashaccounts.h"
#include "accounts/cashjournal.h"
#include "accounts/registrationops.h"
#include "accounts/registrationwindows.h"
#include "accounts/xjyh.h"
#include "accounts/yhzh.h"
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/ui/screenshots.h"

#include <QTabWidget>
#include <QTimer>

namespace {

QDate dayOfMonth(int day)
{
    const QDate today = Clock::Today();
    return QDate(today.year(), today.month(), qMin(day, today.day()));
}

void samplePartners()
{
    ExecSQL(QStringLiteral("update jxc_company set c_name='华彩服饰贸易有限公司',c_jc='华彩服饰'"));
    ExecSQL(
        QStringLiteral("insert into jxc_khxx (kh_sn,kh_name,kh_jm,kh_lxr,kh_tele,kh_address,kh_forbid,ck_sn,kt_sn,"
                       "kh_lwje) select '200001','杭州丽人服饰','HZLRFS','陈丽','13805710001','杭州市下城区',0,'-1',"
                       "min(kt_sn),0 from jxc_khtype"));
    ExecSQL(
        QStringLiteral("insert into jxc_khxx (kh_sn,kh_name,kh_jm,kh_lxr,kh_tele,kh_address,kh_forbid,ck_sn,kt_sn,"
                       "kh_lwje) select '200002','温州时尚女装店','WZSSNZD','周敏','13905770002','温州市鹿城区',0,'-1',"
                       "min(kt_sn),0 from jxc_khtype"));
    ExecSQL(QStringLiteral("insert into jxc_user (u_sn,u_name,u_jy,u_xs) values ('100002','王晓梅',0,1)"));
}

RegistrationEntry entry(const char* partner, const char* name, int day, double amount, const char* note)
{
    RegistrationEntry e;
    e.partnerSn = QString::fromUtf8(partner);
    e.partnerName = QString::fromUtf8(name);
    e.date = dayOfMonth(day);
    e.handlerSn = QStringLiteral("100002");
    e.amount = amount;
    e.account = QStringLiteral("现金");
    e.note = QString::fromUtf8(note);
    return e;
}

void sampleRegistrations()
{
    const QString a = AddRegistration(ReceivableKind(), entry("200001", "杭州丽人服饰", 1, 5800, "期初欠款"));
    AddRegistration(ReceivableKind(), entry("200002", "温州时尚女装店", 2, 3260.5, "代发快递费"));
    AddRegistration(ReceivableKind(), entry("200001", "杭州丽人服饰", 3, -120, "退回样衣抵扣"));
    ApproveRegistration(ReceivableKind(), a);
}

void sampleReceipts()
{
    sampleRegistrations();
    RegistrationEntry r = entry("200001", "杭州丽人服饰", 2, 2000, "转账收款");
    r.account = QStringLiteral("工行帐号");
    ApproveRegistration(ReceiptKind(), AddRegistration(ReceiptKind(), r));
    RegistrationEntry s = entry("200001", "杭州丽人服饰", 3, 995, "现金收款");
    s.rounding = 5;
    AddRegistration(ReceiptKind(), s);
}

void sampleJournal()
{
    samplePartners();
    // The accounts were opened before the month's movements.
    ExecSQL(QStringLiteral("update jxc_xjyh set xj_rq='")
        + dayOfMonth(1).addMonths(-1).toString(QStringLiteral("yyyy-MM-dd"))
        + QStringLiteral("' where xj_dlx='期初金额'"));
    ExecSQL(QStringLiteral("update jxc_xjyh set xj_je=3000 where xj_kmmc='现金' and xj_dlx='期初金额'"));
    RecalcCashAccounts(QString(), QDate(2000, 1, 1));
    sampleReceipts();
    const auto in = AddCashEntry(CashEntryKind::MoneyIn,
        { QStringLiteral("现金"), 1500, QStringLiteral("王晓梅"), dayOfMonth(1), QStringLiteral("股东借款") });
    ApproveCashEntry(in);
    AddCashEntry(CashEntryKind::MoneyOut,
        { QStringLiteral("现金"), 260, QStringLiteral("王晓梅"), dayOfMonth(2), QStringLiteral("购买办公用品") });
    const auto zz = AddTransfer(
        { QStringLiteral("现金"), 1000, QStringLiteral("王晓梅"), dayOfMonth(2), QStringLiteral("存入银行") },
        QStringLiteral("工行帐号"));
    ApproveCashEntry(zz);
    AddTransfer(
        { QStringLiteral("工行帐号"), 500, QStringLiteral("王晓梅"), dayOfMonth(3), QStringLiteral("充值微信") },
        QStringLiteral("微信"));
}

QWidget* buildRegistrations()
{
    Screenshots::Prepare();
    samplePartners();
    sampleRegistrations();
    return new TF_Yskdj();
}

QWidget* buildReceipts()
{
    Screenshots::Prepare();
    samplePartners();
    sampleReceipts();
    return new TF_Ysksk();
}

QWidget* buildJournal(bool pending)
{
    Screenshots::Prepare();
    sampleJournal();
    auto* w = new TF_Xjyh();
    // The window opens on its statistics page at each showing.
    if (pending)
        QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab1); });
    return w;
}

QWidget* buildAccounts()
{
    Screenshots::Prepare();
    AddCashAccount({ QStringLiteral("农行合计"), QStringLiteral("农行帐号"), QStringLiteral("门店收款专用"), 8000 },
        dayOfMonth(1));
    return new TF_Yhzh();
}

} // namespace

void RegisterAccountsScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Yskdj"), buildRegistrations);
    Screenshots::Register(QStringLiteral("TF_Ysksk"), buildReceipts);
    Screenshots::Register(QStringLiteral("TF_Xjyh"), [] { return buildJournal(false); });
    Screenshots::Register(QStringLiteral("TF_Xjyh-pending"), [] { return buildJournal(true); });
    Screenshots::Register(QStringLiteral("TF_Yhzh"), buildAccounts);
}
