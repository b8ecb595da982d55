#include "posfixture.h"

#include "foundation/functionwindows.h"
#include "pos/posauth.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

class AuthTest : public PosTest {
protected:
    void SetUp() override
    {
        PosTest::SetUp();
        ExecSQL("insert into jxc_admin (a_sn,a_name,r_sn,a_pwd,a_pos,a_jy,a_jyt) values "
                "('100002','柜长','100002','ab(1',1,0,0),('100003','收银','100002','x',0,0,0)");
    }
};

TEST_F(AuthTest, OnlySupervisorsAreOfferedAndThePasswordMustMatch)
{
    TF_Posxs_Login w;
    w.Activate();
    QStringList offered;
    for (int i = 0; i < w.comAdmin->count(); ++i)
        offered << w.comAdmin->itemText(i);
    EXPECT_EQ(offered, (QStringList { "admin", "柜长" }));

    w.comAdmin->setCurrentIndex(1);
    w.tpwd->setText(QStringLiteral("ab（1"));
    w.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), "用户密码不正确，请重新输入！");
    EXPECT_TRUE(w.tpwd->text().isEmpty());
    EXPECT_TRUE(AuthSupervisorName.isEmpty());

    w.tpwd->setText(QStringLiteral(" ab(1 ")); // punctuation matches as typed
    w.btnOKClick();
    EXPECT_EQ(AuthSupervisorName, "柜长");
    EXPECT_EQ(AuthSupervisorRole, "100002");
}

TEST_F(AuthTest, CancelLeavesBothAnswersEmpty)
{
    AuthSupervisorName = QStringLiteral("stale");
    AuthSupervisorRole = QStringLiteral("stale");
    prompt.OnModal("TF_Posxs_Login", [](QDialog* d) {
        static_cast<TF_Posxs_Login*>(d)->btnCancelClick();
        return d->result();
    });
    EXPECT_FALSE(AskSupervisor(QStringLiteral("退货-柜长授权")));
    EXPECT_TRUE(AuthSupervisorName.isEmpty());
    EXPECT_TRUE(AuthSupervisorRole.isEmpty());
    EXPECT_EQ(prompt.History().last().caption, "退货-柜长授权");
}

TEST_F(AuthTest, AuthorisedMenuActionOpensItsWindowAndClearsTheAnswer)
{
    Open();
    prompt.OnModal("TF_Posxs_Login", [](QDialog* d) {
        auto* w = static_cast<TF_Posxs_Login*>(d);
        w->comAdmin->setCurrentIndex(1);
        w->tpwd->setText(QStringLiteral("ab(1"));
        w->btnOKClick();
        return d->result();
    });
    // The cash-in window comes later; a stand-in shows whether it is opened.
    QString seenSupervisor;
    FunctionWindows::Register(QStringLiteral("TF_Posxs_Rk"), { [] {
        auto* f = new Form;
        f->setWindowTitle(QStringLiteral("入款"));
        return f;
    } });
    prompt.OnModal("", [&](QDialog*) {
        seenSupervisor = AuthSupervisorName;
        return int(QDialog::Accepted);
    });
    till->N_RkClick();
    FunctionWindows::Unregister(QStringLiteral("TF_Posxs_Rk"));
    ASSERT_GE(prompt.History().size(), 2);
    EXPECT_EQ(prompt.History()[prompt.History().size() - 2].caption, "入款-柜长授权");
    EXPECT_EQ(prompt.History().last().caption, "入款");
    EXPECT_EQ(seenSupervisor, "柜长");
    EXPECT_TRUE(AuthSupervisorName.isEmpty());

    // A wrong password opens nothing.
    prompt.Clear();
    prompt.OnModal("TF_Posxs_Login", [](QDialog* d) {
        static_cast<TF_Posxs_Login*>(d)->btnCancelClick();
        return d->result();
    });
    till->N_CkClick();
    EXPECT_EQ(prompt.ModalNames(), QStringList { "TF_Posxs_Login" });
}

}
