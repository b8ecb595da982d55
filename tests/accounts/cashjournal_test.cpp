#include "accounts/cashjournal.h"
#include "accountsfixture.h"

namespace {

class CashJournalTest : public AccountsTest {
protected:
    CashEntry Entry(const char* account, double amount, const QString& note = QString())
    {
        return { S(account), amount, S("张三"), QDate(2024, 3, 5), note };
    }
    // Opening amounts through the opening rows, balances recomputed.
    void Opening(const char* account, double amount)
    {
        ExecSQL(
            QStringLiteral("update jxc_xjyh set xj_rq='2024-01-01',xj_je=%1 where xj_kmmc='%2' and xj_dlx='期初金额'")
                .arg(amount)
                .arg(S(account)));
        RecalcCashAccounts(QString(), QDate(2000, 1, 1));
    }
    QStringList Rows(const QString& number)
    {
        const QString where = QStringLiteral(" from jxc_xjyh where gl_djh='%1' order by id").arg(number);
        const QStringList names = Column(QStringLiteral("select xj_kmmc || ' ' || xj_chk") + where);
        const QStringList amounts = Column(QStringLiteral("select xj_je") + where);
        QStringList rows;
        for (int i = 0; i < names.size(); ++i)
            rows << names.at(i) + QLatin1Char(' ') + amounts.value(i);
        return rows;
    }
    double Balance(const char* account) { return ValueNumber(GetCashBalance(S(account))); }
    QString GetCashBalance(const QString& account)
    {
        return Scalar(QStringLiteral("select xj_ljje from jxc_xjyh where xj_chk='1' and xj_kmmc='%1' "
                                     "order by xj_rq desc,id desc limit 1")
                          .arg(account));
    }
};

TEST_F(CashJournalTest, EntriesNumbersSignsAndDates)
{
    const QString in = AddCashEntry(CashEntryKind::MoneyIn, Entry("现金", 30, QStringLiteral(" a,b ")));
    EXPECT_EQ(in, QStringLiteral("XJ24030510001"));
    EXPECT_EQ(Scalar(QStringLiteral(
                  "select xj_rq || '|' || xj_note || '|' || xj_dlx from jxc_xjyh where gl_djh='XJ24030510001'")),
        S("2024-03-05 10:20|a，b|现金银行收款"));
    const QString out = AddCashEntry(CashEntryKind::MoneyOut, Entry("现金", 50));
    EXPECT_EQ(Number(QStringLiteral("select xj_je from jxc_xjyh where gl_djh='%1'").arg(out)), -50);
    EXPECT_EQ(ShownCashAmount(out, -50), 50);
    const QString back = AddCashEntry(CashEntryKind::MoneyOut, Entry("现金", -50));
    EXPECT_EQ(back, QStringLiteral("XC24030510002"));
    EXPECT_EQ(Number(QStringLiteral("select xj_je from jxc_xjyh where gl_djh='%1'").arg(back)), 50);

    // A new date keeps the time of day and the number.
    const qint64 id = Scalar(QStringLiteral("select id from jxc_xjyh where gl_djh='%1'").arg(in)).toLongLong();
    ExecSQL(QStringLiteral("update jxc_xjyh set xj_rq='2024-03-05 08:15' where id=%1").arg(id));
    CashEntry moved = Entry("微信", 40);
    moved.date = QDate(2024, 3, 9);
    ModifyCashEntry(CashEntryKind::MoneyIn, id, moved);
    EXPECT_EQ(
        Scalar(QStringLiteral("select gl_djh || ' ' || xj_rq || ' ' || xj_kmmc from jxc_xjyh where id=%1").arg(id)),
        S("XJ24030510001 2024-03-09 08:15 微信"));
}

TEST_F(CashJournalTest, TransferChecksAndRows)
{
    Opening("现金", 100);
    struct Case {
        const char* from;
        const char* to;
        double amount;
        const char* refusal;
    } cases[] = {
        { "现金", "微信", 100, "" },
        { "现金", "微信", 100.01, "转出的金额不能大于出款账户中的金额！" },
        { "现金", "现金", 10, "出款、入款不能为同一个账户！" },
        { "现金", "微信", 0, "金额必须大于0！" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(TransferRefusal(S(c.from), S(c.to), c.amount), S(c.refusal)) << c.amount;
    // A pending money-in does not raise the balance a transfer may take.
    AddCashEntry(CashEntryKind::MoneyIn, Entry("现金", 10));
    EXPECT_FALSE(TransferRefusal(S("现金"), S("微信"), 100.01).isEmpty());

    const QString no = AddTransfer(Entry("现金", 60, QStringLiteral(" x,y")), S("微信"));
    EXPECT_EQ(no, QStringLiteral("XZ24030510001"));
    EXPECT_EQ(Column(QStringLiteral("select xj_note from jxc_xjyh where gl_djh='%1' order by id").arg(no)),
        (QStringList { S("x，y"), QStringLiteral(" x,y") }));
    EXPECT_EQ(Rows(no), (QStringList { S("现金 0 -60"), S("微信 0 60") }));

    ApproveCashEntry(no);
    EXPECT_EQ(Rows(no), (QStringList { S("现金 1 -60"), S("微信 1 60") }));
    EXPECT_EQ(Balance("现金"), 40);
    EXPECT_EQ(Balance("微信"), 60);
    EXPECT_EQ(CancelCashEntryRefusal(no), QString());
    CancelCashEntry(no);
    EXPECT_EQ(Rows(no), (QStringList { S("现金 0 -60"), S("微信 0 60") }));
    EXPECT_EQ(Balance("现金"), 100);
    EXPECT_EQ(Balance("微信"), 0);
    DeleteCashEntry(no);
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh"), QStringLiteral("gl_djh='%1'").arg(no)), 0);
}

TEST_F(CashJournalTest, OnlyEntriesAreCancelled)
{
    ExecSQL(S("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,xj_chk,xj_kmmc) values "
              "('2024-03-02 09:00','CJ1','采购进货',-5,'1','现金')"));
    EXPECT_EQ(CancelCashEntryRefusal(QStringLiteral("CJ1")), S("只能取消审核出款、入款和转账信息！"));
    EXPECT_EQ(CancelCashEntryRefusal(QString()), S("只能取消审核出款、入款和转账信息！"));
    CancelCashEntry(QStringLiteral("CJ1"));
    EXPECT_EQ(Scalar(QStringLiteral("select xj_chk from jxc_xjyh where gl_djh='CJ1'")), QStringLiteral("1"));
}

TEST_F(CashJournalTest, SummaryBalanceIsTheOneAtThePeriodEnd)
{
    Opening("现金", 100);
    for (const auto& [date, amount, note] :
        { std::tuple { "2024-03-02 09:00", 10, "租金" }, std::tuple { "2024-03-03 09:00", 20, "货款" },
            std::tuple { "2024-03-31 23:59:30", 5, "货款" }, std::tuple { "2024-04-02 09:00", 7, "货款" } })
        ExecSQL(QStringLiteral("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,xj_chk,xj_kmmc,xj_note) values "
                               "('%1','XJ','现金银行收款',%2,'1','%3','%4')")
                    .arg(QString::fromLatin1(date))
                    .arg(amount)
                    .arg(S("现金"), S(note)));
    RecalcCashAccounts(S("现金"), QDate(2000, 1, 1));
    Query q(&dm->ADOConn);
    OpenQuery(q, SummaryCashStatement(QDate(2024, 3, 1), QDate(2024, 3, 31), QString(), S("货款")));
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.AsString(QStringLiteral("xj_kmmc")), S("现金"));
    EXPECT_EQ(q.AsFloat(QStringLiteral("sfje")), 25);
    EXPECT_EQ(q.AsFloat(QStringLiteral("ljje")), 135);
    OpenQuery(q, DetailCashStatement(QDate(2024, 1, 1), QDate(2024, 3, 31), S("现金"), QString()));
    EXPECT_EQ(q.RecordCount(), 4); // the opening row comes first
    EXPECT_EQ(q.AsString(QStringLiteral("xj_dlx")), S("期初金额"));
}

TEST(VoucherDigits, FollowThePlaces)
{
    struct Case {
        double amount;
        const char* cells; // fen jiao yuan shi bai qian wan shiwan
    } cases[] = {
        { 1234.5, "0 5 4 3 2 1 ￥ _" },
        { 0.5, "0 5 _ _ _ _ _ _" },
        { 120, "0 0 0 2 1 ￥ _ _" },
        { -35, "0 0 5 3 - ￥ _ _" },
    };
    for (const Case& c : cases) {
        const QMap<QString, QString> d = VoucherDigits(c.amount, S("￥"));
        QStringList got;
        for (const char* cell : { "fen", "jiao", "yuan", "shi", "bai", "qian", "wan", "shiwan" }) {
            const QString v = d.value(QString::fromLatin1(cell));
            got << (v.isEmpty() ? QStringLiteral("_") : v);
        }
        EXPECT_EQ(got.join(QLatin1Char(' ')), S(c.cells)) << c.amount;
    }
    const QMap<QString, QString> big = VoucherDigits(123456789012.0, QStringLiteral("$"));
    // Places beyond "shiyi" are not printed.
    EXPECT_EQ(big.value(QStringLiteral("yi")), QStringLiteral("4"));
    EXPECT_EQ(big.value(QStringLiteral("shiyi")), QStringLiteral("3"));
}

} // namespace
