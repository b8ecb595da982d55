#include "accounts/expenses.h"
#include "accountsfixture.h"
#include "platform/report/printlog.h"

namespace {

class ExpensesTest : public AccountsTest {
protected:
    ExpenseEntry Entry(bool income, double amount, const QString& account = S("现金"))
    {
        ExpenseEntry e;
        e.income = income;
        e.type = income ? S("收入") : S("费用");
        e.amount = amount;
        e.handlerSn = QStringLiteral("100001");
        e.deptSn = QStringLiteral("100001");
        e.account = account;
        e.date = QDate(2024, 3, 5);
        e.note = QStringLiteral(" n ");
        return e;
    }
    double Journal(const QString& number, const QString& field)
    {
        return Number(QStringLiteral("select ") + field + QStringLiteral(" from jxc_xjyh where gl_djh='") + number
            + QStringLiteral("'"));
    }
    ExpenseFilter March() const { return { QDate(2024, 3, 1), QDate(2024, 3, 31), QString(), QString(), QString() }; }
};

TEST_F(ExpensesTest, TypeRefusals)
{
    ExecSQL(S("insert into jxc_yyfy (gl_djh,fy_lx,fy_je,fy_chk,fy_flag) values ('CJ1','运费',-3,'1','1')"));
    EXPECT_EQ(ExpenseTypeDeleteRefusal(S("费用")), S("系统内置类型，不能删除！"));
    EXPECT_EQ(ExpenseTypeDeleteRefusal(S("收入")), S("系统内置类型，不能删除！"));
    EXPECT_EQ(ExpenseTypeDeleteRefusal(S("运费")), S("该项目类型已发生业务，不能删除！"));
    EXPECT_EQ(ExpenseTypeDeleteRefusal(S("包装费")), QString());
    // The protection goes by name: the built-in type renamed and unused may go.
    ExecSQL(S("update jxc_fylx set fy_lx='杂费' where fy_lx='费用'"));
    EXPECT_EQ(ExpenseTypeDeleteRefusal(S("杂费")), QString());
    // A name of the other direction is taken too; a row keeps its own name.
    EXPECT_EQ(ExpenseTypeNameRefusal(S(" 收入 "), -1), S("类型已经存在，不能加入！"));
    const qint64 income = Number(S("select id from jxc_fylx where fy_lx='收入'"));
    EXPECT_EQ(ExpenseTypeNameRefusal(S("收入"), income), QString());
}

TEST_F(ExpensesTest, EntryChecksInOrder)
{
    ExpenseEntry e = Entry(false, 0);
    e.type.clear();
    EXPECT_EQ(ExpenseEntryRefusal(e, false, false), S("金额必须填写！"));
    e.amount = 0.001;
    EXPECT_EQ(ExpenseEntryRefusal(e, false, false), S("金额必须填写！"));
    e.amount = -5;
    EXPECT_EQ(ExpenseEntryRefusal(e, false, false), S("请选择费用类型！"));
    e.income = true;
    EXPECT_EQ(ExpenseEntryRefusal(e, false, false), S("请选择收入类型！"));
    e.type = S("收入");
    EXPECT_EQ(ExpenseEntryRefusal(e, false, false), S("请选择经办人！"));
    EXPECT_EQ(ExpenseEntryRefusal(e, true, false), S("请选择部门！"));
    EXPECT_EQ(ExpenseEntryRefusal(e, true, true), QString());
}

TEST_F(ExpensesTest, SaveSignsNumbersAndModifyKeepsNumberAndTime)
{
    const QString fy = AddExpense(Entry(false, -5));
    const QString sr = AddExpense(Entry(true, -7));
    EXPECT_EQ(fy, QStringLiteral("FY24030510001"));
    EXPECT_EQ(sr, QStringLiteral("SR24030510001"));
    EXPECT_EQ(Number(QStringLiteral("select fy_je from jxc_yyfy where gl_djh='") + fy + QStringLiteral("'")), 5);
    EXPECT_EQ(Number(QStringLiteral("select fy_je from jxc_yyfy where gl_djh='") + sr + QStringLiteral("'")), -7);
    EXPECT_EQ(Scalar(QStringLiteral("select fy_rq||'|'||fy_chk||'|'||fy_flag||'|'||fy_sc||'|'||fy_note||'|'||a_name "
                                    "from jxc_yyfy where gl_djh='")
                  + fy + QStringLiteral("'")),
        S("2024-03-05 10:20|0|1|费用|n|admin"));

    Clock::SetFixed(QDateTime(QDate(2024, 3, 6), QTime(15, 45)));
    ExpenseEntry moved = Entry(false, 12);
    moved.date = QDate(2024, 3, 9);
    ModifyExpense(fy, moved);
    EXPECT_EQ(Scalar(QStringLiteral("select gl_djh||'|'||fy_rq from jxc_yyfy where fy_flag='1'")),
        QStringLiteral("FY24030510001|2024-03-09 10:20"));
    EXPECT_EQ(Number(QStringLiteral("select fy_je from jxc_yyfy where gl_djh='") + fy + QStringLiteral("'")), -12);
}

TEST_F(ExpensesTest, ApproveWritesTheJournalAndCancelRestoresIt)
{
    const QString number = AddExpense(Entry(false, 30));
    const fixture::Snapshot before = fixture::TakeSnapshot();
    ASSERT_TRUE(ApproveExpense(number));
    EXPECT_FALSE(ApproveExpense(number)); // twice writes nothing more
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh"), QStringLiteral("gl_djh='") + number + QStringLiteral("'")), 1);
    EXPECT_EQ(Scalar(QStringLiteral("select xj_dlx||'|'||xj_rq||'|'||xj_chk||'|'||ghs_name||'|'||u_name from jxc_xjyh "
                                    "where gl_djh='")
                  + number + QStringLiteral("'")),
        S("费用付款|2024-03-05 10:20|1|默认部门|默认员工"));
    EXPECT_EQ(Journal(number, QStringLiteral("xj_je")), -30);
    const double opening = Number(S("select coalesce(sum(xj_je),0) from jxc_xjyh where xj_kmmc='现金' and xj_chk='1' "
                                    "and gl_djh<>'")
        + number + QStringLiteral("'"));
    EXPECT_NEAR(Journal(number, QStringLiteral("xj_ljje")), opening - 30, 0.001);
    ASSERT_TRUE(CancelExpense(number));
    EXPECT_FALSE(CancelExpense(number));
    const fixture::Snapshot after = fixture::TakeSnapshot();
    EXPECT_TRUE(before == after) << fixture::Difference(before, after).toStdString();
    EXPECT_EQ(Scalar(QStringLiteral("select fy_chk from jxc_yyfy where gl_djh='") + number + QStringLiteral("'")),
        QStringLiteral("0"));
}

TEST_F(ExpensesTest, RecordWithoutAccountTouchesNoJournal)
{
    const QString number = AddExpense(Entry(true, 8, NoAccountText()));
    ASSERT_TRUE(ApproveExpense(number));
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh"), QStringLiteral("gl_djh='") + number + QStringLiteral("'")), 0);
    // A journal row of the same number that is not the record's stays on cancel.
    ExecSQL(
        QStringLiteral("insert into jxc_xjyh (gl_djh,xj_je,xj_chk,xj_kmmc) values ('") + number + S("',1,'1','现金')"));
    ASSERT_TRUE(CancelExpense(number));
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh"), QStringLiteral("gl_djh='") + number + QStringLiteral("'")), 1);
}

TEST_F(ExpensesTest, RecordsOfOtherPostingsAreLeftAlone)
{
    ExecSQL(S("insert into jxc_yyfy (gl_djh,fy_rq,fy_lx,fy_je,fy_chk,fy_flag,fy_kmmc,u_sn,de_sn) values "
              "('CJ24030510001','2024-03-05 09:00','运费',-3,'1','1','现金','100001','100001')"));
    ExecSQL(S("insert into jxc_xjyh (gl_djh,xj_rq,xj_je,xj_chk,xj_kmmc) values "
              "('CJ24030510001','2024-03-05 09:00',-100,'1','现金')"));
    EXPECT_FALSE(CancelExpense(QStringLiteral("CJ24030510001")));
    EXPECT_FALSE(DeleteExpense(QStringLiteral("CJ24030510001")));
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh"), QStringLiteral("gl_djh='CJ24030510001'")), 1);
    EXPECT_EQ(Count(QStringLiteral("jxc_yyfy"), QStringLiteral("fy_chk='1'")), 1);
    // An approved own record is not deleted either.
    const QString own = AddExpense(Entry(false, 4));
    ApproveExpense(own);
    EXPECT_FALSE(DeleteExpense(own));
    CancelExpense(own);
    EXPECT_TRUE(DeleteExpense(own));
    EXPECT_EQ(Count(QStringLiteral("jxc_yyfy"), QStringLiteral("gl_djh='") + own + QStringLiteral("'")), 0);
}

TEST_F(ExpensesTest, ListsAndSummary)
{
    ExecSQL(S("insert into jxc_yyfy (gl_djh,fy_rq,fy_lx,fy_je,fy_chk,fy_flag,u_sn,de_sn,fy_kmmc,fy_note) values "
              "('FY1','2024-03-02 09:00','包装费',-30,'1','1','100001','100001','现金',''),"
              "('SR1','2024-03-31 23:59','包装费',10,'1','2','100001','100001','现金','last'),"
              "('FY2','2024-04-01 00:00','包装费',-50,'1','1','100001','100001','现金',''),"
              "('FY3','2024-03-03 09:00','旧类型',-9,'1','1','100001','100001','现金',''),"
              "('FY4','2024-03-03 09:00','费用',-1,'0','1','100001','100001','现金','')"));
    EXPECT_EQ(Column(DetailExpenseStatement(March()).replace(QStringLiteral("a.*"), QStringLiteral("a.gl_djh"))),
        (QStringList { QStringLiteral("FY3"), QStringLiteral("SR1"), QStringLiteral("FY1") }));
    EXPECT_EQ(Column(SummaryExpenseStatement(March()).replace(QStringLiteral("select a.fy_lx,a.fy_note,b.fyje"),
                  QStringLiteral("select a.fy_lx||'|'||cast(b.fyje as integer)"))),
        QStringList { S("包装费|-20") });
    EXPECT_EQ(Column(PendingExpenseStatement(March()).replace(QStringLiteral("a.*"), QStringLiteral("a.gl_djh"))),
        QStringList { QStringLiteral("FY4") });
    ExpenseFilter f = March();
    f.text = QStringLiteral("默认员工");
    EXPECT_EQ(Column(DetailExpenseStatement(f).replace(QStringLiteral("a.*"), QStringLiteral("a.gl_djh"))).size(), 3);
    f.text = QStringLiteral("last");
    f.type = S("包装费");
    EXPECT_EQ(Column(DetailExpenseStatement(f).replace(QStringLiteral("a.*"), QStringLiteral("a.gl_djh"))),
        QStringList { QStringLiteral("SR1") });
}

TEST_F(ExpensesTest, VoucherTitleAndDigits)
{
    CurrencySign = S("￥");
    struct Case {
        bool income;
        double entered;
        const char* title;
        QMap<QString, QString> cells;
    } cases[] = {
        { false, 0.5, "付款单", { { "fen", "0" }, { "jiao", "5" }, { "yuan", "" }, { "shi", "" } } },
        { true, 1234567890, "收款单", { { "fen", "0" }, { "yuan", "0" }, { "yi", "2" }, { "shiyi", "1" } } },
        { false, -5, "付款单", { { "yuan", "5" }, { "shi", "-" }, { "bai", "￥" }, { "qian", "" } } },
    };
    for (const Case& c : cases) {
        const QString number = AddExpense(Entry(c.income, c.entered));
        PrintExpenseVoucher(
            Scalar(QStringLiteral("select id from jxc_yyfy where gl_djh='") + number + QStringLiteral("'")));
        const PrintRecord* r = PrintLog::Last();
        ASSERT_TRUE(r);
        EXPECT_TRUE(r->templateFile.endsWith(QStringLiteral("fyd.fr3")));
        EXPECT_EQ(r->variables.value(QStringLiteral("bTitle")), S(c.title)) << c.entered;
        EXPECT_EQ(r->variables.value(QStringLiteral("gldjh")), number);
        for (auto it = c.cells.cbegin(); it != c.cells.cend(); ++it)
            EXPECT_EQ(r->variables.value(it.key()), it.value()) << c.entered << " " << it.key().toStdString();
    }
    // The title follows the kind text, not the flag.
    ExecSQL(S("update jxc_yyfy set fy_sc='收入' where fy_flag='1'"));
    PrintExpenseVoucher(Scalar(QStringLiteral("select min(id) from jxc_yyfy")));
    EXPECT_EQ(PrintLog::Last()->variables.value(QStringLiteral("bTitle")), S("收款单"));
}

} // namespace
