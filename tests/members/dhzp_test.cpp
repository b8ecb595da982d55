#include "memberfixture.h"

#include "members/dhzp.h"
#include "members/dhzpops.h"
#include "platform/grid/datagrid.h"
#include "posting/movingaverage.h"
#include "support/tradefixtures.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

class DhzpTest : public MembersTest {
protected:
    void SetUp() override
    {
        MembersTest::SetUp();
        Gift("G1", "围巾", 40, 10, 6);
        Gift("G2", "钥匙扣", 0, 5, 0);
        Gift("G3", "雨伞", 0, 0.5, 3);
        const qint64 opening = fixture::AddLedgerRow({ .kind = "cj",
            .number = "CJ1",
            .date = "2024-03-01",
            .goods = "G1",
            .qty = 10,
            .amount = 60,
            .price = 6 });
        RecalcMovingAverageCost(QString::number(opening), "0");
        AddMember({ .sn = "100002", .card = "A001", .name = "张三", .points = 100 });
        AddMember({ .sn = "100003", .card = "A002", .name = "李四", .mobile = "13900001111", .points = 120 });
    }
    void TearDown() override
    {
        IcCardType.clear();
        w.reset();
        MembersTest::TearDown();
    }
    void Gift(const QString& sn, const QString& name, double points, double stock, double cost)
    {
        fixture::AddGoods({ .sn = sn, .name = name });
        dm->ADOConn.Exec("update jxc_goods set g_iszp=1,g_sy=1,g_zpjf=:p,g_kc=:k,g_jm=:sn where g_sn=:sn",
            { { "p", points }, { "k", stock }, { "sn", sn } });
        fixture::SetWarehouseStock(sn, "100001", stock, cost, stock);
    }
    void Open(const QString& card)
    {
        ActiveDocKind = card;
        w = std::make_unique<TF_Dhzp>();
        w->Activate();
    }
    void Pick(const QString& goods, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            w->tzpmc->clear();
            w->btnZpClick();
            for (int r = 0; r < w->cxGridZp->RowCount(); ++r)
                if (w->cxGridZp->Value(r, "g_sn").toString() == goods)
                    w->cxGridZp->SetCurrentRow(r);
            w->btnKhOKClick();
        }
    }
    void SetQuantity(int n)
    {
        w->btnSlClick();
        w->txsl->setText(QString::number(n));
        w->btnOk2Click();
    }
    std::unique_ptr<TF_Dhzp> w;
};

TEST_F(DhzpTest, WeeklyRuleBlocksASecondExchange)
{
    IcCardType = "2";
    ExecSQL("insert into jxc_dhd (gl_djh,hy_sn,dh_dhrq) values ('DH0','100002','2024-03-04 09:00:00')");
    Open("A001");
    EXPECT_EQ(
        prompt.LastMessage(), QStringLiteral("本周已经兑换过赠品，不能重复兑换，兑换日期【2024-03-04 09:00:00】"));
    Pick("G2");
    w->btnOkClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("当前会员在规则时间段内已经兑换过赠品，不能重复兑换！"));
    EXPECT_EQ(Count("jxc_dhd"), 1);
    // Last week's exchange does not count; a member is also found by his mobile.
    ExecSQL("update jxc_dhd set dh_dhrq='2024-02-28 09:00:00'");
    prompt.Clear();
    w->thybh->setText("13900001111");
    w->thybhEnter();
    EXPECT_EQ(w->hy_bh->text(), "A002");
    EXPECT_TRUE(prompt.Messages().isEmpty());
}

TEST_F(DhzpTest, PointsMustCoverTheGifts)
{
    struct Case {
        QString card;
        QString message;
        QString pointsLeft;
    };
    const Case cases[] = { { "A001", QStringLiteral("积分不足，不能兑换！"), "100" },
        { "A002", QStringLiteral("赠品兑换成功！"), "0" } };
    for (const Case& c : cases) {
        Open(c.card);
        Pick("G1");
        SetQuantity(3);
        EXPECT_EQ(w->Q_Dhzp.AsString("dh_jf"), "120");
        w->btnOkClick();
        EXPECT_EQ(prompt.LastMessage(), c.message);
        EXPECT_EQ(Scalar("select hy_jf from jxc_hyxx where hy_bh='" + c.card + "'"), c.pointsLeft);
        DropGiftLines(w->Number(), CurrentAdminName);
    }
}

TEST_F(DhzpTest, GiftRefusalsAndRepeatedPicks)
{
    Open("A001");
    Pick("G3");
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("该赠品数量不足，不能兑换！"));
    Pick("G1", 2);
    EXPECT_EQ(w->cxGrid->RowCount(), 1);
    EXPECT_EQ(w->Q_Dhzp.AsString("dh_sl"), "2");
    EXPECT_EQ(w->Q_Dhzp.AsString("dh_jf"), "80");
    w->btnSlClick();
    w->txsl->setText("0");
    w->btnOk2Click();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("数量必须大于0！"));

    // An ordinary customer takes 0-point gifts only.
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDelClick();
    EXPECT_EQ(w->cxGrid->RowCount(), 0);
    w->chkGk->setChecked(true);
    w->chkGkClick();
    EXPECT_FALSE(w->thybh->isEnabled());
    Pick("G1");
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("普通顾客只能兑换积分为0的商品！"));
    Pick("G2");
    w->btnOkClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("赠品兑换成功！"));
    EXPECT_EQ(Scalar("select hy_sn from jxc_dhd"), "100001");
    // Gifts that cost nothing write no expense.
    EXPECT_EQ(Count("jxc_yyfy"), 0);
    EXPECT_EQ(Scalar("select ghs_name from jxc_goodslist where gl_flag='dh'"), QStringLiteral("无卡客户"));
}

TEST_F(DhzpTest, SavingPostsStockPointsCostAndKeepsTheAverage)
{
    // Another operator's lines under the same number are left alone.
    Open("A002");
    const QString number = w->Number();
    ExecSQL(
        "insert into jxc_dhzp (gl_djh,g_sn,dh_zpjf,dh_sl,dh_jf,a_name) values ('" + number + "','G2',0,4,0,'other')");
    Pick("G1", 3);
    EXPECT_NE(w->Number(), number); // redrawn: the other operator holds the number
    const QString saved = w->Number();
    w->btnOkClick();
    ASSERT_EQ(prompt.LastMessage(), QStringLiteral("赠品兑换成功！"));
    EXPECT_NE(w->Number(), saved);
    EXPECT_EQ(Scalar("select hy_sn||'|'||cast(dh_sl as integer)||'|'||cast(dh_jf as integer)||'|'||ck_sn||'|'||dh_note "
                     "from jxc_dhd where gl_djh='"
                  + saved + "'"),
        QStringLiteral("100003|3|120|100001|兑换"));
    EXPECT_EQ(Scalar("select hy_jf from jxc_hyxx where hy_sn='100003'"), "0");
    EXPECT_EQ(
        Scalar("select cast(kc_sl as integer)||'|'||cast(kc_zsl as integer) from jxc_kcsp where g_sn='G1'"), "7|7");
    EXPECT_EQ(Scalar("select g_kc from jxc_goods where g_sn='G1'"), "7");
    EXPECT_EQ(Scalar("select fy_je from jxc_yyfy where gl_djh='" + saved + "'"), "-18");
    EXPECT_EQ(Scalar("select fy_note from jxc_yyfy"), QStringLiteral("兑换赠品数量 3 的成本费用"));
    EXPECT_EQ(Scalar("select ghs_sn||'|'||ghs_name||'|'||cast(gl_sl as integer)||'|'||cast(gl_je as integer)||'|'||"
                     "cast(gl_dj as integer) from jxc_goodslist where gl_flag='dh'"),
        QStringLiteral("100003|李四|3|18|6"));
    // The average stays: value 60 - 18 over 7 pieces.
    EXPECT_EQ(Scalar("select cast(gl_pjjj as integer)||'|'||cast(gl_kc as integer)||'|'||cast(gl_kczje as integer) "
                     "from jxc_goodslist where gl_flag='dh'"),
        "6|7|42");
    EXPECT_EQ(LogNotes().last(), QStringLiteral("增加赠品兑换单") + saved + QStringLiteral("，共1种商品"));
    EXPECT_EQ(Count("jxc_dhzp", "a_name='other'"), 1);
}

TEST_F(DhzpTest, ClosingWithLinesAsks)
{
    Open("A001");
    Pick("G2");
    prompt.Answer(Prompt::Answer::Cancel);
    EXPECT_FALSE(w->FormCloseQuery());
    prompt.Answer(Prompt::Answer::No);
    EXPECT_TRUE(w->FormCloseQuery());
    EXPECT_EQ(Count("jxc_dhzp"), 0);
    EXPECT_EQ(prompt.Questions().last(), QStringLiteral("当前单据还未保存，是否保存？"));
}

} // namespace
