#include "spddtest.h"

#include "platform/report/report.h"
#include "posting/balances.h"
#include "posting/printvars.h"

#include <QPushButton>

namespace {

using SpddEntry = SpddTest;

TEST_F(SpddEntry, SaveApprovesOrLeavesPendingAsTheSettingSays)
{
    struct Case {
        const char* setting;
        const char* question;
        int status;
        bool logged;
    };
    const Case cases[] = { { "", "单据保存后将直接审核", 1, false }, { "0", "单据保存后处于“未审核”状态", 0, true } };
    for (const Case& c : cases) {
        ApproveOnSave = QLatin1String(c.setting);
        prompt.Clear();
        const int logs = Count(QStringLiteral("jxc_log"));
        const QString number = SaveTwo();
        EXPECT_TRUE(prompt.Questions().value(0).startsWith(U8d(c.question))) << c.setting;
        EXPECT_EQ(Number(QStringLiteral("select ls_status from jxc_xsd where gl_djh='%1'").arg(number)), c.status);
        EXPECT_EQ(Count(QStringLiteral("jxc_log")) - logs, c.logged ? 1 : 0);
        if (c.logged)
            EXPECT_EQ(Scalar(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
                U8d("增加未审核销售订单%1，共2种商品").arg(number));
        EXPECT_EQ(Count(QStringLiteral("jxc_goodslist")), 0) << "an order posts nothing";
    }
}

TEST_F(SpddEntry, StoredReceivableFollowsSettlementAndDiscountLineMode)
{
    struct Case {
        int mode;
        const char* discountLine;
        double stored;
    };
    // Two pieces at 100 make 200 receivable; 150 received.
    const Case cases[] = { { 0, "0", 150 }, { 0, "1", 200 }, { 1, "0", 200 } };
    for (const Case& c : cases) {
        DiscountLineMode = QLatin1String(c.discountLine);
        const QString number = SaveTwo(150, c.mode);
        EXPECT_EQ(Rows(QStringLiteral("select ls_yfje,ls_sfje,ls_jsfs from jxc_xsd where gl_djh='%1'").arg(number)),
            QStringList { QStringLiteral("%1 150 %2").arg(c.stored).arg(c.mode) })
            << c.mode << c.discountLine;
    }
}

TEST_F(SpddEntry, ASaveAfterAnotherOperatorsLinesRedrawsAndMovesOnlyOwnRows)
{
    Scan(QStringLiteral("G1RS"));
    const QString drawn = No();
    // Another operator drafted under the same number meanwhile.
    Sql(QStringLiteral(
        "insert into jxc_xssp (gl_djh,g_sn,ls_sl,ls_dj,ls_zje,a_name) values ('%1','G1',1,100,100,'other')")
            .arg(drawn));
    Sql(QStringLiteral("insert into jxc_xsspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) values "
                       "('%1','G1','S','R',1,'other',0)")
            .arg(drawn));
    w->tkh->setText(U8d("客户一"));
    CurrentCustomerSn = QStringLiteral("K1");
    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    const QString saved = Scalar(QStringLiteral("select gl_djh from jxc_xsd"));
    EXPECT_NE(saved, drawn);
    EXPECT_EQ(Count(QStringLiteral("jxc_xssp"), QStringLiteral("gl_djh='%1' and a_name='admin'").arg(saved)), 1);
    EXPECT_EQ(Count(QStringLiteral("jxc_xsspmx"), QStringLiteral("gl_djh='%1' and a_name='admin'").arg(saved)), 1);
    EXPECT_EQ(Count(QStringLiteral("jxc_xssp"), QStringLiteral("gl_djh='%1'").arg(drawn)), 1)
        << "the other's line stays";
    EXPECT_EQ(Count(QStringLiteral("jxc_xsspmx"), QStringLiteral("gl_djh='%1'").arg(drawn)), 1);
}

TEST_F(SpddEntry, ApprovalResetsTheLineCountersAndRepairsDuplicates)
{
    const QString number = SaveTwo();
    Sql(QStringLiteral("update jxc_xssp set ls_cksl=2,ls_dhbz=1,ls_qxsl=3,id2=0"));
    // Another operator's pending order under the same number, with its own line.
    Sql(QStringLiteral("insert into jxc_xsd (gl_djh,kh_sn,ck_sn,u_sn,ls_xsrq,ls_status,a_name,ls_qk) values "
                       "('%1','K1','%2','100001','2024-05-09 09:00',0,'other',0)")
            .arg(number, Warehouse()));
    Sql(QStringLiteral(
        "insert into jxc_xssp (gl_djh,g_sn,ls_sl,ls_dj,ls_zje,a_name) values ('%1','G1',7,100,700,'other')")
            .arg(number));
    ASSERT_TRUE(ApproveSalesOrder(number, QStringLiteral("admin")));
    EXPECT_EQ(Rows(QStringLiteral("select ls_cksl,ls_dhbz,ls_qxsl,id2-id from jxc_xssp where gl_djh='%1'").arg(number)),
        (QStringList { QStringLiteral("0 0 0 0"), QStringLiteral("0 0 0 0") }));
    EXPECT_EQ(Rows(QStringLiteral("select ls_status,ls_checker,ls_chkrq from jxc_xsd where gl_djh='%1'").arg(number)),
        QStringList { QStringLiteral("1 admin 2024-05-10") });
    const QString moved = Scalar(QStringLiteral("select gl_djh from jxc_xsd where a_name='other'"));
    EXPECT_NE(moved, number);
    EXPECT_EQ(Rows(QStringLiteral("select ls_sl,a_name from jxc_xssp where gl_djh='%1'").arg(moved)),
        QStringList { QStringLiteral("7 other") });
    EXPECT_FALSE(ApproveSalesOrder(number, QStringLiteral("admin"))) << "approved once only";
}

TEST_F(SpddEntry, AfterASaveTheNextOrderStartsEmpty)
{
    w->tsn2->setText(QStringLiteral("EXT-1"));
    w->tnote->setText(U8d("加急"));
    const QString number = SaveTwo();
    EXPECT_EQ(
        Scalar(QStringLiteral("select gl_djh2 from jxc_xsd where gl_djh='%1'").arg(number)), QStringLiteral("EXT-1"));
    EXPECT_NE(No(), number);
    EXPECT_TRUE(w->tsn2->text().isEmpty());
    EXPECT_TRUE(w->tnote->text().isEmpty());
    EXPECT_FALSE(w->EntryHasRows());

    // An automatic print neither keeps the window from starting the next order.
    AutoPrintSalesDoc = QStringLiteral("1");
    const QString printed = SaveTwo();
    EXPECT_NE(No(), printed);
    EXPECT_EQ(w->SkipNextActivation, QStringLiteral("0"));
}

TEST_F(SpddEntry, TheOrderPrintTakesItsVariablesFromTheWindowOrTheStoredOrder)
{
    Scan(QStringLiteral("G1RS"));
    w->tkh->setText(U8d("客户一"));
    CurrentCustomerSn = QStringLiteral("K1");
    w->setPrinPara(No(), QStringLiteral("1"));
    QString balance = GetLedgerBalance(QStringLiteral("K1"), QStringLiteral("kh"));
    if (balance.isEmpty())
        balance = QStringLiteral("0");
    EXPECT_EQ(w->frxReport1->Variable(QStringLiteral("khqk")).toString(), balance);
    EXPECT_EQ(w->frxReport1->Variable(QStringLiteral("ljqkje")).toString(), balance);
    EXPECT_EQ(w->frxReport1->Variable(QStringLiteral("khName")).toString(), U8d("客户一"));
    EXPECT_EQ(w->frxReport1->Variable(QStringLiteral("xxyf")).toString(), QStringLiteral("100"));
    EXPECT_EQ(w->frxReport1->Variable(QStringLiteral("yf")).toString(), PrintAmountWords(100));
    EXPECT_GT(F_DataModule->Q_GoodsPrin.RecordCount(), 0);

    ShowSalePrice = false;
    w->setPrinPara(No(), QStringLiteral("1"));
    EXPECT_TRUE(w->frxReport1->FileName().endsWith(QStringLiteral("report/xsd2.fr3")));
    ShowSalePrice = true;
}

} // namespace
