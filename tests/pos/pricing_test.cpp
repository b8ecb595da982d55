#include "posfixture.h"

#include "platform/base/clock.h"
#include "pos/pospricing.h"

namespace {

struct PriceCase {
    const char* name;
    const char* goodsUpdate; // applied to G1
    const char* extra;       // another statement, or ""
    const char* memberNo;    // "" for none
    double levelDiscount;
    const char* memberDay; // IsMemberDay
    const char* now;
    double net; // price × rate
};

class PricingTest : public PosTest {
protected:
    double Net(const PriceCase& c)
    {
        ExecSQL(QStringLiteral("update jxc_goods set ") + QString::fromUtf8(c.goodsUpdate)
            + QStringLiteral(" where g_sn='G1'"));
        if (*c.extra)
            ExecSQL(QString::fromUtf8(c.extra));
        IsMemberDay = QString::fromUtf8(c.memberDay);
        MemberDayDiscount = QStringLiteral("0.85");
        Query goods(&dm->ADOConn);
        goods.SetSQL(QStringLiteral("select * from jxc_goods where g_sn='G1'"));
        goods.Open();
        PosBuyer buyer;
        buyer.memberNo = QString::fromUtf8(c.memberNo);
        buyer.levelDiscount = c.levelDiscount;
        buyer.memberDay = IsMemberDay == QLatin1String("1");
        buyer.memberDayDiscount = MemberDayDiscount.toDouble();
        const QDateTime now = QDateTime::fromString(QString::fromUtf8(c.now), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const PosPrice p = PricePosGoods(goods, buyer, now);
        return std::round(p.price * p.rate * 100) / 100;
    }
};

const char* const kSpecial = "g_tjsp=1,g_tjqx=1,g_ks='2024-03-01',g_js='2024-03-10',g_tj=70,g_hyj=75";
const char* const kNow = "2024-03-05 10:20:30";

const PriceCase kCases[] = {
    { "plain sale price", "g_sj=100", "", "", 1, "", kNow, 100 },
    { "goods discount", "g_dzll=0.8", "", "", 1, "", kNow, 80 },
    { "member level ignores the goods discount", "g_dzll=0.8", "", "0000", 0.9, "", kNow, 90 },
    { "member day rate for a member", "g_dzll=0.8", "", "0000", 0.9, "1", kNow, 85 },
    { "member day: no member pays the plain price", "g_dzll=0.8,g_tjsp=1,g_tjqx=0,g_tj=70", "", "", 1, "1", kNow, 100 },
    { "special price to a non-member", kSpecial, "", "", 1, "", kNow, 70 },
    { "member price to a member", kSpecial, "", "0000", 1, "", kNow, 75 },
    { "level-goods rate overrides special and member prices", kSpecial,
        "insert into jxc_dxdz (hl_sn,g_sn,hl_dxzk) values ('100001','G1',0.6)", "0000", 0.9, "", kNow, 60 },
    { "level-goods rate for buyers without a member", kSpecial,
        "insert into jxc_dxdz (hl_sn,g_sn,hl_dxzk) values ('','G1',0.6)", "", 1, "", kNow, 60 },
    { "a period ending on a date holds all that day", "g_tjsp=1,g_tjqx=1,g_ks='2024-03-01',g_js='2024-03-05',g_tj=70",
        "", "", 1, "", "2024-03-05 23:59:59", 70 },
    { "and has ended the next day", "g_tjsp=1,g_tjqx=1,g_ks='2024-03-01',g_js='2024-03-05',g_tj=70", "", "", 1, "",
        "2024-03-06 00:00:00", 100 },
    { "a period not begun yet", "g_tjsp=1,g_tjqx=1,g_ks='2024-03-06',g_js='2024-03-10',g_tj=70", "", "", 1, "", kNow,
        100 },
    { "a special price without a period", "g_tjsp=1,g_tjqx=0,g_tj=70", "", "", 1, "", kNow, 70 },
    { "a rate of 0 counts as no discount", "g_dzll=0", "", "", 1, "", kNow, 100 },
};

TEST_F(PricingTest, RulesInOrder)
{
    for (const PriceCase& c : kCases) {
        SCOPED_TRACE(c.name);
        ExecSQL(QStringLiteral("update jxc_goods set g_sj=100,g_dzll=1,g_tjsp=0,g_tjqx=0,g_tj=0,g_hyj=0,g_ks=null,"
                               "g_js=null where g_sn='G1'"));
        ExecSQL(QStringLiteral("delete from jxc_dxdz"));
        EXPECT_DOUBLE_EQ(Net(c), c.net);
    }
}

TEST_F(PricingTest, RetailCustomerPriceBySetting)
{
    ExecSQL(QStringLiteral("insert into jxc_khbj (kh_sn,g_sn,kb_bj) values ('100001','G1',95)"));
    const PriceCase plain { "", "g_sj=100", "", "", 1, "", kNow, 0 };
    EXPECT_DOUBLE_EQ(Net(plain), 100);
    Setting(QStringLiteral("cs_xsdj"), QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(Net(plain), 95);
}

TEST_F(PricingTest, TillPricesAtTheTestClock)
{
    // The till reads the clock: 2024-03-05 10:20:30 is inside a period that ends that day.
    ExecSQL(QStringLiteral("update jxc_goods set g_tjsp=1,g_tjqx=1,g_ks='2024-03-05',g_js='2024-03-05',g_tj=70 "
                           "where g_sn='G1'"));
    Open();
    Scan(QStringLiteral("G10101"));
    EXPECT_EQ(Lines(), QStringList { "G1|1|70|1|70|" });
}

}
