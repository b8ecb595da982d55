#include "topupfixture.h"

#include "members/hyksz.h"
#include "members/hyyh.h"
#include "members/methodops.h"
#include "members/pointsops.h"
#include "members/topupops.h"

#include "platform/grid/datagrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class CardRulesTest : public TopUpTest { };

TEST_F(CardRulesTest, MethodRefusals)
{
    AddMethod(QStringLiteral("200001"), 0, 1.1);
    struct Case {
        const char* name;
        int kind;
        double factor, spending, cash;
        qint64 own;
        const char* message;
    } cases[] = {
        { " ", 0, 1, 0, 0, 0, "优惠名称必须填写！" },
        { "新", 0, 0, 0, 0, 0, "实际存款=所存金额的系数必须大于0！" },
        { "新", 1, 1, 100, 0, 0, "累计消费 和 转换现金必须大于0！" },
        { "方式200001", 0, 1, 0, 0, 0, "优惠编号或名称已经存在，不能重复添加！" },
        { "不优惠", 0, 1, 0, 0, 99, "优惠名称已经存在，不能重复！" },
        { "新", 1, 1, 100, 5, 0, "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(MethodRefusal({ QString::fromUtf8(c.name), c.kind, c.factor, c.spending, c.cash }, c.own),
            QString::fromUtf8(c.message))
            << c.message;
    EXPECT_EQ(MethodDeleteRefusal(QStringLiteral("100001")), QStringLiteral("该优惠选项是系统默认，不能删除！"));
    AddMemberOn(QStringLiteral("300001"), QStringLiteral("200001"));
    EXPECT_EQ(MethodDeleteRefusal(QStringLiteral("200001")), QStringLiteral("该优惠选项已存在会员信息，不能删除！"));
}

TEST_F(CardRulesTest, SavedMethodsCarryTheirKindsNotes)
{
    SaveMethod({ QStringLiteral("金卡(A)"), 0, 1.05 }, 0);
    SaveMethod({ QStringLiteral("返现"), 1, 9, 100, 5 }, 0);
    SaveMethod({ QStringLiteral("赠送"), 2, 3 }, 0);
    EXPECT_EQ(Rows(QStringLiteral("select hh_name,hh_zl,hh_yh1,hh_yh2,hh_yh3,hh_zlname,hh_note from jxc_hyyh "
                                  "where hh_sn<>'100001' order by id")),
        (QStringList { QStringLiteral("金卡(A) 0 1.05 0 0 存款优惠 实际款=所付存款*1.05"),
            QStringLiteral("返现 1 1 100 5 消费金额转现金 累计消费 100 元，转换现金 5 元"),
            QStringLiteral("赠送 2 1 0 0 充值赠送 充值赠送金额") }));
    EXPECT_TRUE(BonusMethodExists());
}

TEST_F(CardRulesTest, SecondBonusMethodCannotBeSavedButOpensTheRules)
{
    AddMethod(QStringLiteral("200003"), 2, 1);
    TF_Hyyh_Add w;
    w.Activate();
    w.tname->setText(QStringLiteral("再来"));
    w.comZl->setCurrentIndex(2);
    w.comZlChange();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("充值赠送只能增加一次！"));
    EXPECT_FALSE(w.btnSave->isEnabled());
    QTest::keyClick(&w, Qt::Key_F5);
    EXPECT_EQ(Count(QStringLiteral("jxc_hyyh")), 2);
    PictureName.clear();
    w.btnCzzsClick();
    EXPECT_EQ(PictureName, QStringLiteral("zs"));
    EXPECT_EQ(Count(QStringLiteral("jxc_hyyh")), 2);
    PictureName.clear();
}

TEST_F(CardRulesTest, DefaultMethodCannotBeChanged)
{
    TF_Hyksz w;
    w.Activate();
    ASSERT_TRUE(w.Q_Hyyh.Locate(QStringLiteral("hh_sn"), QStringLiteral("100001")));
    w.btnModi1Click();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("该优惠选项是系统默认，不能修改！"));
    ASSERT_TRUE(w.Q_Hyfl.Locate(QStringLiteral("hl_sn"), QStringLiteral("100001")));
    w.btnDele2Click();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("该会员等级是系统默认，不能删除！"));
    AddMemberOn(QStringLiteral("300001"), QStringLiteral("100001"));
    EXPECT_EQ(LevelDeleteRefusal(QStringLiteral("100002")), QStringLiteral("该等级已存在会员信息，不能删除！"));
}

TEST_F(CardRulesTest, RulesAreUniqueByAmountAndNoted)
{
    SaveRule({ 500, 100, 20, 1 }, 0);
    SaveRule({ 300, 60, 15, 0 }, 0);
    EXPECT_EQ(Rows(QStringLiteral("select hs_czje,hs_myje,hs_zsfs,hs_txt,hs_note from jxc_hyczzs order by id")),
        (QStringList { QStringLiteral("500 20 1 充值后按月赠送 充值500元赠送100元，按月赠送，每月10日自动到账：20元"),
            QStringLiteral("300 0 0 充值后立即全额赠送 充值300元赠送60元") }));
    const qint64 first = Scalar(QStringLiteral("select min(id) from jxc_hyczzs")).toLongLong();
    EXPECT_EQ(RuleRefusal({ 500.001, 1, 0, 0 }, 0), QStringLiteral("充值金额已经存在，请重新输入！"));
    EXPECT_EQ(RuleRefusal({ 300, 1, 0, 0 }, first), QStringLiteral("充值金额不能重复，请重新输入！"));
    EXPECT_EQ(RuleRefusal({ 500, 1, 0, 0 }, first), QString());
    EXPECT_EQ(RuleRefusal({ -1, 1, 0, 0 }, 0), QStringLiteral("充值金额 赠送金额不能为负数！"));
}

TEST_F(CardRulesTest, PointsSettingsRefusalsAndStoredForms)
{
    PointsSettings s = ReadPointsSettings();
    s.memberDay = 1;
    s.discount = 0.9;
    s.monthFrom = QStringLiteral("05");
    s.monthTo = QStringLiteral("03");
    EXPECT_EQ(PointsSettingsRefusal(s), QStringLiteral("每月的会员日截止日期不能小于起始日期！"));
    s.monthTo = QStringLiteral("05");
    EXPECT_EQ(PointsSettingsRefusal(s), QString());
    s.discount = 1.5;
    EXPECT_EQ(PointsSettingsRefusal(s), QStringLiteral("折扣必须是0--1之间的数字！"));
    s.memberDay = 2;
    s.discount = 0.9;
    s.dayFrom = QDate(2024, 3, 9);
    s.dayTo = QDate(2024, 3, 8);
    EXPECT_EQ(PointsSettingsRefusal(s), QStringLiteral("单次会员日截止日期不能小于起始日期！"));

    s = ReadPointsSettings();
    s.rule = 0;
    s.perPoint = 2.5;
    s.memberDay = 1;
    s.discount = 0;
    s.multiple = 0;
    s.multipleFrom = QDate(2024, 1, 1);
    SavePointsSettings(s);
    EXPECT_EQ(Rows(QStringLiteral("select jf_jfgz,jf_mfje,jf_hyr,jf_hyrzk,coalesce(jf_dbrq1,''),"
                                  "coalesce(jf_hyrmy1,'') from jxc_jfsz")),
        QStringList { QStringLiteral("0 2.5 0 0  ") });
    EXPECT_EQ(AmountPerPoint, QStringLiteral("2.5"));
    EXPECT_EQ(TopUpPoints(100), 40);
}

TEST_F(CardRulesTest, CategoryWideSpecialPointsReachDisabledGoods)
{
    dm->ADOConn.Exec(QStringLiteral("insert into jxc_goods (g_sn,g_name,gc_sn,g_jy,g_tssp,g_tsjf) values "
                                    "('G1','a','1001',0,0,0),('G2','b','1001',1,0,0),('G3','c','1002',0,0,0)"));
    SetSpecialPoints(QStringLiteral("G1"), 3, true);
    EXPECT_EQ(Rows(QStringLiteral("select g_sn,g_tssp,g_tsjf from jxc_goods where g_sn in ('G1','G2','G3') "
                                  "order by g_sn")),
        (QStringList { "G1 1 3", "G2 1 3", "G3 0 0" }));
    ClearSpecialPoints(QStringLiteral("G2"));
    EXPECT_EQ(Count(QStringLiteral("jxc_goods"), QStringLiteral("g_tssp<>0 and g_sn in ('G1','G2')")), 1);
}

TEST_F(CardRulesTest, GoodsKeyFiltersTheSpecialPointsList)
{
    dm->ADOConn.Exec(QStringLiteral("insert into jxc_goods (g_sn,g_name,gc_sn,g_jy,g_tssp,g_tsjf) values "
                                    "('G1','红衬衫','1001',0,0,0),('G2','蓝裤子','1001',0,0,0)"));
    TF_Hyksz w;
    w.Activate();
    w.cxTab->setCurrentIndex(1);
    const int all = w.cxGridGoods->RowCount();
    w.tKey->setText(QStringLiteral("衬衫"));
    EXPECT_EQ(w.cxGridGoods->RowCount(), 1);
    EXPECT_GT(all, 1);
}

} // namespace
