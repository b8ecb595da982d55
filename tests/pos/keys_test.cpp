#include "posfixture.h"

#include "foundation/keynames.h"
#include "pos/poskey.h"
#include "pos/poskeys.h"
#include "pos/xtsd.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

using KeysTest = PosTest;

TEST_F(KeysTest, BindingRefusesKeysInUseAndTheFixedOnes)
{
    TF_PosKey w;
    w.Activate();
    EXPECT_EQ(w.edits[0]->text(), "=");
    const int zp = TF_PosKey::Functions().indexOf("设为赠品");
    const struct {
        int key;
        const char* holder;
    } refused[] = { { 116, "付款结账" }, { 112, "帮助" }, { 46, "删除当前" }, { 123, "设为赠品" } };
    for (const auto& r : refused) {
        prompt.Clear();
        w.saveValue(zp, r.key);
        EXPECT_EQ(prompt.LastMessage(),
            QStringLiteral("该键已设置为 “") + QString::fromUtf8(r.holder)
                + QStringLiteral("” 的快捷键，\r\n\r\n请选择其它键！"));
    }
    EXPECT_EQ(getKeyValue("设为赠品"), 123);

    prompt.Clear();
    w.saveValue(zp, 36); // Home
    EXPECT_TRUE(prompt.Messages().isEmpty());
    EXPECT_EQ(getKeyValue("设为赠品"), 36);
    EXPECT_EQ(w.edits[zp]->text(), "Home");
    w.saveValue(zp, 65); // a letter has no name and binds nothing
    EXPECT_EQ(getKeyValue("设为赠品"), 36);
}

TEST_F(KeysTest, SeededTableAndKeyCodes)
{
    PosKeyTable keys;
    keys.Load();
    EXPECT_EQ(keys.Code("选择员工"), 0);
    EXPECT_EQ(keys.Code("选择仓库"), 0);
    EXPECT_EQ(keys.Code("付款结账"), 187);
    EXPECT_TRUE(keys.FunctionsOf(0).isEmpty());
    EXPECT_EQ(VirtualKeyOf(Qt::Key_F5), 116);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Delete), 46);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Equal), 187);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_PageDown), 34);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Plus, Qt::KeypadModifier), 107);
}

TEST_F(KeysTest, AKeyBoundToTwoFunctionsDoesBoth)
{
    ExecSQL("update jxc_gnb set gn_jz=46 where gn_name='设为赠品'");
    Open();
    Scan(QStringLiteral("G10101"));
    Scan(QStringLiteral("G10102"));
    EXPECT_TRUE(till->DispatchKey(46));
    // The current line is deleted, then the line now current becomes a gift.
    EXPECT_EQ(Lines(), QStringList { "G1|1|0|1|0|(赠品)" });
}

TEST_F(KeysTest, KeyPressesReachTheDispatchUnlessThePanelIsOpen)
{
    Open();
    Scan(QStringLiteral("G10101"));
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QCoreApplication::sendEvent(till->tbh, &del);
    EXPECT_TRUE(Lines().isEmpty());

    Scan(QStringLiteral("G10101"));
    till->DispatchKey(115);
    ASSERT_TRUE(till->RzPanel_Spsl->isVisibleTo(till.get()));
    // The panel takes the keys: Esc closes it, not the till; Delete deletes nothing.
    QCoreApplication::sendEvent(till->eNewSl, &del);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(till->eNewSl, &esc);
    EXPECT_FALSE(till->RzPanel_Spsl->isVisibleTo(till.get()));
    EXPECT_TRUE(prompt.Questions().isEmpty());
    EXPECT_EQ(Lines().size(), 1);
}

TEST_F(KeysTest, PayKeyRunsThePaymentOnceWithLines)
{
    int payments = 0;
    TF_PosMainForm::TillHooks().posFk = [&](TF_PosMainForm& t) {
        ++payments;
        t.DispatchKey(116); // a second press while paying does nothing
    };
    Open();
    till->DispatchKey(116);
    EXPECT_EQ(payments, 0);
    Scan(QStringLiteral("G10101"));
    till->DispatchKey(116);
    till->DispatchKey(187);
    EXPECT_EQ(payments, 2);
}

TEST_F(KeysTest, LockScreenOpensOnlyWithThePassword)
{
    ExecSQL(QStringLiteral("update jxc_admin set a_pwd='ab(1' where a_name='admin'"));
    TF_Xtsd lock;
    lock.show();
    lock.Activate();
    lock.reject(); // Esc
    EXPECT_TRUE(lock.isVisible());
    lock.tpwd->setText(QStringLiteral("ab1"));
    lock.btnUnlockClick();
    EXPECT_EQ(prompt.LastMessage(), "用户密码错误，请重新输入！");
    EXPECT_TRUE(lock.tpwd->text().isEmpty());
    EXPECT_TRUE(lock.isVisible());
    lock.tpwd->setText(QStringLiteral(" ab(1 "));
    lock.btnUnlockClick();
    EXPECT_FALSE(lock.isVisible());
    EXPECT_EQ(lock.result(), QDialog::Accepted);
}

}
