#include "accounts/cashjournal.h"
#include "accounts/xjyh.h"
#include "accounts/xjyhentry.h"
#include "accountsfixture.h"
#include "platform/grid/datagrid.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace {

class XjyhWindowTest : public AccountsTest {
protected:
    void SetUp() override
    {
        AccountsTest::SetUp();
        fixture::AddStaff(QStringLiteral("U2"), S("张三"));
    }
    QString Entry(CashEntryKind kind, double amount)
    {
        return AddCashEntry(kind, { S("现金"), amount, S("张三"), QDate(2024, 3, 5), QStringLiteral("n") });
    }
    // Shows page 1 with its pending list.
    void PendingPage(TF_Xjyh& w)
    {
        w.Activate();
        w.cxPage->setCurrentWidget(w.cxTab1);
    }
};

TEST_F(XjyhWindowTest, ApproveOnSaveLeavesNothingPending)
{
    ApproveOnSave = QStringLiteral("1");
    TF_Xjyh w;
    PendingPage(w);
    prompt.OnModal(QStringLiteral("TF_Xjyh_Jk"), [](QDialog* dialog) {
        auto* d = static_cast<TF_Xjyh_Jk*>(dialog);
        d->tfyje->setText(QStringLiteral("30"));
        d->btnOKClick();
        return d->result();
    });
    w.btn_RukuanClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh"), QStringLiteral("gl_djh='XJ24030510001' and xj_chk='1'")), 1);
    EXPECT_EQ(Number(S("select xj_ljje from jxc_xjyh where gl_djh='XJ24030510001'")), 30);
    EXPECT_EQ(OpenMode, QString());
}

TEST_F(XjyhWindowTest, ModifyShowsTheMoneyOutPositiveAndRefusesTransfers)
{
    Entry(CashEntryKind::MoneyOut, 50);
    TF_Xjyh w;
    PendingPage(w);
    ASSERT_EQ(w.cxGrid2View->RowCount(), 1);
    QString shown;
    prompt.OnModal(QStringLiteral("TF_Xjyh_Ck"), [&shown](QDialog* dialog) {
        shown = static_cast<TF_Xjyh_Ck*>(dialog)->tfyje->text();
        return 0;
    });
    w.btn_ModiClick();
    EXPECT_EQ(ValueNumber(shown), 50);

    ExecSQL(S("update jxc_xjyh set gl_djh='XZ24030510001'"));
    TF_Xjyh::Pending().Requery();
    w.btn_ModiClick();
    EXPECT_EQ(prompt.LastMessage(), S("只能修改出款和入款信息！"));
}

TEST_F(XjyhWindowTest, CancelOnlyEntriesFromTheDetail)
{
    ExecSQL(S("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,xj_chk,xj_kmmc) values "
              "('2024-03-02 09:00','CJ1','采购进货',-5,'1','现金')"));
    TF_Xjyh w;
    w.Activate();
    ASSERT_TRUE(TF_Xjyh::Detail().Locate(QStringLiteral("gl_djh"), QStringLiteral("CJ1")));
    w.btn_UnChkClick();
    EXPECT_EQ(prompt.LastMessage(), S("只能取消审核出款、入款和转账信息！"));
}

TEST_F(XjyhWindowTest, VoucherOfAPendingMoneyOut)
{
    Entry(CashEntryKind::MoneyOut, 120);
    CompanyShortName = S("华彩");
    TF_Xjyh w;
    PendingPage(w);
    w.btn_ChaKanClick();
    ASSERT_NE(PrintLog::Last(), nullptr);
    const auto& v = PrintLog::Last()->variables;
    EXPECT_EQ(v.value(QStringLiteral("bTitle")), S("华彩付款单"));
    QStringList digits;
    for (const char* cell : { "qian", "bai", "shi", "yuan", "jiao", "fen" })
        digits << v.value(QString::fromLatin1(cell));
    EXPECT_EQ(digits,
        (QStringList { CurrencySign, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("0"),
            QStringLiteral("0") }));
    EXPECT_FALSE(v.value(QStringLiteral("sf")).isEmpty());
    CompanyShortName.clear();
}

} // namespace
