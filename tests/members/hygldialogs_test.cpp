#include "memberfixture.h"

#include "foundation/pinyin.h"
#include "foundation/sqltext.h"
#include "members/hyfl.h"
#include "members/hygl.h"
#include "members/hygldialogs.h"
#include "platform/grid/datagrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <memory>

namespace {

class MemberDialogsTest : public MembersTest {
protected:
    void SetUp() override
    {
        MembersTest::SetUp();
        AddMember({ .sn = "100002",
            .card = "A001",
            .name = "张三",
            .mobile = "13900001111",
            .birthday = "1990-03-05",
            .points = 3,
            .total = 300,
            .accumulated = 3,
            .password = ToFullWidthText("a,b") });
        AddMember({ .sn = "100003",
            .card = "A002",
            .name = "李四",
            .tele = "0571-1",
            .mobile = "13800002222",
            .points = 60,
            .total = 50,
            .accumulated = 60 });
        OpenRegister();
    }
    void Focus(const QString& card) { window->Q_Hyxx.Locate("hy_bh", card); }
    template <class Dialog> void Run(std::function<void(Dialog*)> script, void (TF_Hygl::*open)())
    {
        prompt.OnModal(Dialog::staticMetaObject.className(), [script](QDialog* d) {
            script(static_cast<Dialog*>(d));
            return 1;
        });
        (window.get()->*open)();
    }
    QStringList Listed(const AdvancedMemberQuery& q)
    {
        MemberFilter f;
        f.extra = AdvancedConditions(q);
        return Column(MemberSearchSql(f).replace("a.*,", "a.hy_bh,"));
    }
};

TEST_F(MemberDialogsTest, CardChange)
{
    Focus("A001");
    auto change = [this](const QString& card, const QString& pwd, const QString& old) {
        Run<TF_Hygl_Hk>(
            [=](TF_Hygl_Hk* d) {
                EXPECT_EQ(d->hy_name->text(), QStringLiteral("张三"));
                d->tbh->setText(card);
                d->tmm->setText(pwd);
                d->tmm1->setText(pwd);
                d->toldmm->setText(old);
                d->btnOkClick();
            },
            &TF_Hygl::btnHkClick);
        return prompt.LastMessage();
    };
    EXPECT_EQ(change("C9", "1", "wrong"), QStringLiteral("旧卡密码不正确！"));
    EXPECT_EQ(change("A002", "1", "a,b"), QStringLiteral("会员卡号不能重复！"));
    EXPECT_EQ(change(" ", "1", "a,b"), QStringLiteral("会员编号必须填写！"));
    EXPECT_EQ(Count("jxc_hyxx", "hy_bh='A001'"), 1);
    // The old password "a,b" is compared in its stored form, punctuation and all.
    EXPECT_EQ(change("C9", "x'1", " a,b "), QStringLiteral("换卡成功！"));
    EXPECT_EQ(Scalar("select hy_mm from jxc_hyxx where hy_sn='100002'"), ToFullWidthText("x'1"));
    EXPECT_EQ(Scalar("select hy_bh from jxc_hyxx where hy_sn='100002'"), "C9");
}

TEST_F(MemberDialogsTest, PasswordPointsAndSpending)
{
    Focus("A002");
    Run<TF_Hygl_Pwd>(
        [](TF_Hygl_Pwd* d) {
            d->hy_mm->setText("1");
            d->hy_mm1->setText("2");
            d->btnOkClick();
            EXPECT_EQ(d->isVisible(), true);
            d->hy_mm1->setText("1");
            d->btnOkClick();
        },
        &TF_Hygl::btnPwdClick);
    EXPECT_EQ(prompt.Messages(), (QStringList { "两次密码输入不一致！", "密码修改成功" }));
    EXPECT_EQ(Scalar("select hy_mm from jxc_hyxx where hy_sn='100003'"), ToFullWidthText("1"));

    Focus("A001");
    Run<TF_Hygl_Jf>(
        [](TF_Hygl_Jf* d) {
            d->tjf->setText("-5");
            d->btnOkClick();
        },
        &TF_Hygl::btnJfClick);
    EXPECT_EQ(Scalar("select hy_jf from jxc_hyxx where hy_sn='100002'"), "-2");
    EXPECT_EQ(Scalar("select hl_sn from jxc_hyxx where hy_sn='100002'"), "100001");
    EXPECT_EQ(LogNotes().last(), QStringLiteral("修改会员积分‘A001，张三’，原积分：3，增加积分：-5"));
    EXPECT_EQ(window->Q_Hyxx.AsString("hy_bh"), "A001");

    Run<TF_Hygl_Je>(
        [](TF_Hygl_Je* d) {
            d->tjf->setText("12.5");
            d->btnOkClick();
        },
        &TF_Hygl::btnJeClick);
    EXPECT_EQ(Scalar("select hy_zje from jxc_hyxx where hy_sn='100002'"), "312.5");
    EXPECT_EQ(LogNotes().last(), QStringLiteral("修改会员消费金额‘A001，张三’，原消费金额?300，增加消费金额：12.5"));
    const int logs = LogNotes().size();
    Run<TF_Hygl_Je>(
        [](TF_Hygl_Je* d) {
            d->tjf->setText("0");
            d->btnOkClick();
        },
        &TF_Hygl::btnJeClick);
    EXPECT_EQ(LogNotes().size(), logs);
}

TEST_F(MemberDialogsTest, MobileExportWritesTheShopCodePage)
{
    const QString file = Folder() + "mobiles";
    auto exportAs = [&](void (*choose)(TF_Hygl_Mobile*)) {
        QFile::remove(file + ".txt");
        prompt.AnswerFile(file);
        Run<TF_Hygl_Mobile>(
            [choose](TF_Hygl_Mobile* d) {
                choose(d);
                d->btnOkClick();
            },
            &TF_Hygl::btnMobileClick);
        QFile f(file + ".txt");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray all = exportAs([](TF_Hygl_Mobile*) {});
    EXPECT_EQ(all, ToShopCodePage(QStringLiteral("A001 张三 13900001111\r\nA002 李四 13800002222\r\n\r\n")));
    EXPECT_EQ(all.mid(5, 4), QByteArray("\xd5\xc5\xc8\xfd")); // 张三 in GBK
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("导出成功！"));
    // Born today (03-05) matches "-MM-dd" anywhere in the birthday.
    EXPECT_EQ(exportAs([](TF_Hygl_Mobile* d) { d->rSr->setChecked(true); }),
        ToShopCodePage(QStringLiteral("A001 张三 13900001111\r\n\r\n")));
    EXPECT_EQ(exportAs([](TF_Hygl_Mobile* d) {
        d->rJf->setChecked(true);
        d->tjf->setText("60");
    }),
        ToShopCodePage(QStringLiteral("A002 李四 13800002222\r\n\r\n")));
    // No rows: no file, and still "导出成功！".
    ExecSQL("update jxc_hyxx set hy_jf=1");
    EXPECT_TRUE(exportAs([](TF_Hygl_Mobile* d) { d->rWjf->setChecked(true); }).isEmpty());
    EXPECT_FALSE(QFile::exists(file + ".txt"));
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("导出成功！"));
}

TEST_F(MemberDialogsTest, AdvancedConditionsNarrowTheSearch)
{
    ExecSQL("update jxc_hyxx set hy_address='杭州西湖',hy_zjhm='330102',hy_dqrq='2024-03-07',hy_zhje=9 "
            "where hy_sn='100003'");
    const QStringList both { "A002", "A001" };
    EXPECT_EQ(Listed({}), both);
    struct Case {
        AdvancedMemberQuery q;
        QStringList expected;
    };
    AdvancedMemberQuery points, spending, balance, birth, join, expiry, id, address, method;
    points.pointsOp = ">", points.points = "10";
    spending.spendingOp = "<", spending.spending = "100";
    balance.balanceOp = "=", balance.balance = "9";
    birth.birthFrom = QDate(1990, 1, 1), birth.birthTo = QDate(1990, 12, 31);
    ExecSQL("update jxc_hyxx set hy_sr='1980-01-01' where hy_sn='100003'");
    join.joinFrom = QDate(2024, 2, 1), join.joinTo = QDate(2024, 3, 5);
    expiry.expiryFrom = QDate(2024, 3, 5), expiry.expiryTo = QDate(2024, 3, 8);
    id.idNumber = "3301";
    address.address = "西湖";
    method.method = "100002";
    const Case cases[]
        = { { points, { "A002" } }, { spending, { "A002" } }, { balance, { "A002" } }, { birth, { "A001" } },
              { join, {} }, { expiry, { "A002" } }, { id, { "A002" } }, { address, { "A002" } }, { method, {} } };
    for (const Case& c : cases)
        EXPECT_EQ(Listed(c.q), c.expected) << AdvancedConditions(c.q).toStdString();

    // Through the dialog: "确定" applies its conditions, a later F2 search drops them.
    prompt.OnModal("TF_Hygl_Gjcx", [](QDialog* d) {
        auto* g = static_cast<TF_Hygl_Gjcx*>(d);
        EXPECT_FALSE(g->tAddress->isEnabled());
        g->chkAddress->setChecked(true);
        g->tAddress->setText("西湖");
        g->btnOkClick();
        return 1;
    });
    window->btn_GjcxClick();
    EXPECT_EQ(window->cxGrid1View->RowCount(), 1);
    EXPECT_EQ(OpenMode, QString());
    window->btnSearch2Click();
    EXPECT_EQ(window->cxGrid1View->RowCount(), 2);
}

TEST_F(MemberDialogsTest, LevelDialogs)
{
    Query& levels = dm->Q("Q_Hyfl");
    OpenQuery(levels, "select * from jxc_hyfl order by id");
    TF_Hyfl_Add add;
    add.Activate();
    add.btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("分类名称必须填写！"));
    add.tname->setText("金卡");
    add.tzk->clear();
    add.btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("折扣必须填写！"));
    add.Activate();
    add.tname->setText(" 金卡 ");
    add.btnSaveClick();
    EXPECT_EQ(Scalar("select hl_sn||'|'||hl_name||'|'||cast(hl_zk as text)||'|'||cast(hl_jfxx as text)||'|'||"
                     "cast(hl_jfsx as text) from jxc_hyfl where hl_name='金卡'")
                  .remove(".0"),
        "100003|金卡|1|1|1");
    // Overlapping ranges are stored as entered.
    levels.Locate("hl_name", "金卡");
    TF_Hyfl_Modi modi;
    modi.Activate();
    EXPECT_EQ(modi.tname->text(), "金卡");
    modi.tzk->setText("0.8");
    modi.tjfxx->setText("500");
    modi.tjfsx->setText("2000");
    modi.btnSaveClick();
    EXPECT_EQ(Scalar("select hl_sn from jxc_hyfl where hl_jfxx=500 and hl_jfsx=2000 and hl_zk=0.8"), "100003");
    EXPECT_EQ(Count("jxc_hyfl"), 3);
}

} // namespace
