// Sample data for the screenshots of the partner accounts and the expense windows:
// customers and a supplier with ledger movements, and expense and income records of
// the current month.
#include "accounts/expenses.h"
#include "accounts/fyjsr.h"
#include "accounts/registrationops.h"
#include "accounts/yskgl.h"
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "platform/base/clock.h"
#include "platform/ui/screenshots.h"

namespace {

QDate sampleDay(int day)
{
    const QDate today = Clock::Today();
    return QDate(today.year(), today.month(), qMin(day, today.day()));
}

void sampleLedgerPartners()
{
    ExecSQL(QStringLiteral("update jxc_company set c_name='华彩服饰贸易有限公司',c_jc='华彩服饰'"));
    for (const auto& [sn, name, tele] : { std::tuple { "300001", "杭州丽人服饰", "13805710001" },
             std::tuple { "300002", "温州时尚女装店", "13905770002" }, std::tuple { "300003", "宁波潮衣坊", "" } })
        ExecSQL(QStringLiteral("insert into jxc_khxx (kh_sn,kh_name,kh_jm,kh_tele,kh_address,kh_forbid,ck_sn,kt_sn,"
                               "kh_lwje) select '%1','%2','','%3','',0,'-1',min(kt_sn),0 from jxc_khtype")
                    .arg(QString::fromUtf8(sn), QString::fromUtf8(name), QString::fromUtf8(tele)));
    ExecSQL(QStringLiteral("insert into jxc_user (u_sn,u_name,u_jy,u_xs) values ('100002','王晓梅',0,1)"));
}

void sampleLedger()
{
    sampleLedgerPartners();
    struct Move {
        const char* partner;
        int day; // 0: last month
        double amount;
        bool receipt;
        const char* note;
    } moves[] = { { "300001", 0, 5800, false, "上月欠款" }, { "300001", 2, 2000, true, "转账收款" },
        { "300001", 3, 1260, false, "补货" }, { "300002", 0, 3260.5, false, "代发快递费" },
        { "300002", 2, 3260.5, true, "结清" }, { "300003", 1, 880, false, "样衣费" } };
    for (const Move& m : moves) {
        RegistrationEntry e;
        e.partnerSn = QString::fromUtf8(m.partner);
        e.partnerName = e.partnerSn;
        e.date = m.day == 0 ? sampleDay(1).addDays(-10) : sampleDay(m.day);
        e.handlerSn = QStringLiteral("100002");
        e.amount = m.amount;
        e.account = QStringLiteral("现金");
        e.note = QString::fromUtf8(m.note);
        const RegistrationKind& kind = m.receipt ? ReceiptKind() : ReceivableKind();
        ApproveRegistration(kind, AddRegistration(kind, e));
    }
}

void sampleExpenses()
{
    ExecSQL(QStringLiteral("update jxc_company set c_name='华彩服饰贸易有限公司',c_jc='华彩服饰'"));
    struct Record {
        bool income;
        const char* type;
        double amount;
        int day;
        const char* account;
        const char* note;
    } records[]
        = { { false, "费用", 260, 1, "现金", "购买办公用品" }, { false, "应付工资", 4800, 2, "工行帐号", "二月工资" },
              { true, "收入", 300, 2, "现金", "旧货架出售" }, { false, "包装费", 85.5, 3, "不记入账户", "包装袋" } };
    for (const Record& r : records) {
        ExpenseEntry e;
        e.income = r.income;
        e.type = QString::fromUtf8(r.type);
        e.amount = r.amount;
        e.handlerSn = QStringLiteral("100001");
        e.deptSn = QStringLiteral("100001");
        e.account = QString::fromUtf8(r.account);
        e.date = sampleDay(r.day);
        e.note = QString::fromUtf8(r.note);
        ApproveExpense(AddExpense(e));
    }
}

} // namespace

void RegisterExpenseScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Yskgl"), [] {
        Screenshots::Prepare();
        sampleLedger();
        return static_cast<QWidget*>(new TF_Yskgl());
    });
    Screenshots::Register(QStringLiteral("TF_Yfkgl_Js"), [] {
        Screenshots::Prepare();
        return static_cast<QWidget*>(new TF_Yfkgl_Js(QString(), QString(), sampleDay(1)));
    });
    Screenshots::Register(QStringLiteral("TF_Fyjsr"), [] {
        Screenshots::Prepare();
        sampleExpenses();
        return static_cast<QWidget*>(new TF_Fyjsr());
    });
}
