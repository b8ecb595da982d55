#include "posfixture.h"

#include "foundation/lifecycle.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QLabel>

namespace {

using MainFormTest = PosTest;

TEST_F(MainFormTest, OpeningStartsASale)
{
    ExecSQL("update jxc_company set c_jc='小店'");
    Open();
    EXPECT_EQ(till->SaleNumber(), "XS24030510001");
    EXPECT_EQ(till->gldjh->text(), "XS24030510001");
    EXPECT_EQ(till->pos_Name->text(), "admin");
    EXPECT_EQ(till->compName->text(), "小店");
    EXPECT_EQ(till->comCk->currentText(), "主仓库");
    EXPECT_EQ(till->stState->text(), "待销售状态");
    EXPECT_EQ(till->keyNames[0]->text(), "F5 =");
    EXPECT_EQ(till->Keys().Code("付款结账"), 187);
    EXPECT_TRUE(till->Cart().Active());
    // Without free price editing the cart shows neither discount nor discounted price.
    EXPECT_FALSE(till->cxGrid2->ColumnVisible(3));
    EXPECT_FALSE(till->cxGrid2->ColumnVisible(4));
    Setting(QStringLiteral("cs_posdj"), QStringLiteral("1"));
    till->Activate();
    EXPECT_TRUE(till->cxGrid2->ColumnVisible(3));
    EXPECT_TRUE(till->cxGrid2->ColumnVisible(4));
}

TEST_F(MainFormTest, WithoutTheTillRightTheProgramEnds)
{
    ExecSQL(QStringLiteral("insert into jxc_role (r_sn,r_name,xsgl) values ('100009','营业','%1')")
                .arg(QString(20, '1') + "0" + QString(20, '1')));
    CurrentRoleSn = QStringLiteral("100009");
    Open();
    EXPECT_EQ(prompt.LastMessage(), "您没有使用POS系统的权限，系统将退出！");
    EXPECT_TRUE(ProgramEnding());
    EXPECT_FALSE(till->Cart().Active());
}

TEST_F(MainFormTest, WithoutAWarehouseTheSaleStops)
{
    ExecSQL("delete from jxc_ckxx");
    Open();
    EXPECT_EQ(prompt.LastMessage(), "请添加仓库信息！");
    EXPECT_EQ(till->Keys().Code("付款结账"), 0);
    EXPECT_FALSE(till->Cart().Active());
}

TEST_F(MainFormTest, ShiftStartsAfterTheColleaguesLastSale)
{
    auto sale = [&](const char* op, const char* when) {
        ExecSQL(QStringLiteral("insert into jxc_posxsd (gl_djh,a_name,pos_xsrq) values ('X','%1','%2')")
                    .arg(QString::fromUtf8(op), QString::fromUtf8(when)));
    };
    Open();
    EXPECT_EQ(ShiftStartTime, "2024-03-05 10:20:30"); // no sale today
    sale("admin", "2024-03-04 18:00:00");
    sale("admin", "2024-03-05 08:00:00");
    till->Activate();
    EXPECT_EQ(ShiftStartTime, "2024-03-05 08:00:00");
    sale("小王", "2024-03-05 09:00:00");
    sale("admin", "2024-03-05 09:30:00");
    sale("admin", "2024-03-05 10:00:00");
    till->Activate();
    EXPECT_EQ(ShiftStartTime, "2024-03-05 09:30:00");
}

TEST_F(MainFormTest, ClosingWithLinesAsksTwice)
{
    Open();
    Scan(QStringLiteral("G10101"));
    prompt.Answer(Prompt::Answer::Cancel);
    EXPECT_FALSE(till->FormCloseQuery());
    EXPECT_EQ(Lines().size(), 1);
    EXPECT_EQ(prompt.Questions(), QStringList { "所选商品还未保存，是否保存？" });

    prompt.Answer(Prompt::Answer::No);
    prompt.Answer(Prompt::Answer::Yes);
    EXPECT_TRUE(till->FormCloseQuery());
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_EQ(Count("jxc_lsxsspmx", "a_name='admin'"), 0);
    EXPECT_EQ(Scalar("select log_note from jxc_log order by id desc limit 1"), "退出POS系统");
}

TEST_F(MainFormTest, MemberPanelAndFontChoice)
{
    Open();
    Scan(QStringLiteral("G10101"));
    till->btnHideMemberClick();
    EXPECT_EQ(prompt.LastMessage(), "正在销售商品，不能隐藏会员信息！");
    till->N_HbClick();
    EXPECT_EQ(prompt.LastMessage(), "系统处于销售状态，不能换班！");
    till->N_HyczClick();
    EXPECT_EQ(prompt.LastMessage(), "请先选中会员，然后才能充值！");

    prompt.AnswerFont(std::nullopt);
    till->N_FontClick();
    EXPECT_EQ(Scalar("select font_size from jxc_posfont"), "14");
    prompt.AnswerFont(18);
    till->N_FontClick();
    EXPECT_EQ(Scalar("select font_size from jxc_posfont"), "18");
    EXPECT_EQ(till->cxGrid2->font().pointSize(), 18);
}

}
