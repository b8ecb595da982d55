#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/login.h"
#include "foundation/modipwd.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "foundation/sqltext.h"
#include "foundation/startup.h"
#include "platform/db/connection.h"
#include "platform/ui/keyedcombo.h"
#include "support/accountset.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QString deliveredSkin()
{
    return SourceResource(QStringLiteral("skinfiles/iMaginary.skinres"));
}

QStringList items(const QComboBox* c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}

// A fresh account set with nobody logged in; further sets are laid out on demand.
class LoginTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        SetProductConstants();
        ResetProgramEnding();
        OpenMode.clear();
        LoginKeepRunning.clear();
        for (QString* v :
            { &CurrentAdminName, &CurrentAdminSn, &CurrentRoleSn, &CurrentDbName, &CurrentAccountSetName })
            v->clear();
    }
    void TearDown() override
    {
        OpenMode.clear();
        ResetProgramEnding();
        AccountSetTest::TearDown();
    }

    // A second account set "乙帐套" (a copy of the delivered one) with operator 小王
    // (password "wang") and a disabled operator; plus a disabled set in the catalogue.
    void AddSecondSet()
    {
        ASSERT_TRUE(QFile::copy(Folder() + "data/jxc.mdb", Folder() + "data/jxc_100003.mdb"));
        Connection set2;
        set2.Open(Folder() + "data/jxc_100003.mdb");
        set2.Exec("insert into jxc_admin (a_sn,a_name,r_sn,a_pwd,a_jy,a_jyt) values ('100002','小王','100001','"
            + ToFullWidthText("wang") + "',0,0)");
        set2.Exec(
            "insert into jxc_admin (a_sn,a_name,r_sn,a_pwd,a_jy,a_jyt) values ('100003','停用员','100001','',1,1)");
        Connection cat;
        cat.Open(Folder() + "data/codeinfo.dll");
        // Codes below the default's: the default still comes first.
        cat.Exec("insert into jxc_xtzt (zt_sn,zt_name,zt_default,zt_forbid,zt_dbname) values "
                 "('100000','乙帐套',0,0,'jxc_100003.mdb'),('099999','停用帐套',0,1,'jxc_100004.mdb')");
    }

    void SetAdminPassword(const QString& typed)
    {
        dm->ADOConn.Exec("update jxc_admin set a_pwd=:p where a_name='admin'", { { "p", ToFullWidthText(typed) } });
    }

    QStringList LogRows(Connection& c)
    {
        return SelectColumn(c, "select a_name || ':' || log_note from jxc_log order by id");
    }

    // Shows the login modally and runs the script inside it.
    void ShowLogin(TF_Login& login, std::function<void(TF_Login&)> script)
    {
        prompt.OnModal("TF_Login", [&](QDialog* d) {
            script(*static_cast<TF_Login*>(d));
            return d->result();
        });
        login.ShowModal();
    }
};

TEST_F(LoginTest, AdminWithAnEmptyPasswordLogsInOnTheDeliveredSet)
{
    TF_Login login;
    ShowLogin(login, [&](TF_Login& l) {
        EXPECT_EQ(l.windowTitle(), "Vestora服装进销存管理系统 ---- 操作员登录");
        EXPECT_EQ(l.comZt->currentText(), "默认帐套");
        EXPECT_EQ(l.comAdmin->currentText(), "admin");
        EXPECT_EQ(l.lMsg->text(), "初始密码为空");
        l.tpwd2->setText("   ");
        l.btnOKClick();
        EXPECT_FALSE(l.isVisible());
    });
    EXPECT_EQ(login.result(), QDialog::Accepted);
    EXPECT_EQ(CurrentAdminName, "admin");
    EXPECT_EQ(CurrentAdminSn, "100001");
    EXPECT_EQ(CurrentRoleSn, "100001");
    EXPECT_EQ(CurrentDbName, SetName());
    EXPECT_EQ(CurrentAccountSetName, "默认帐套");
    EXPECT_EQ(LogRows(dm->ADOConn), QStringList { "admin:登录系统" });
    // The settings are loaded and the schema stamp written.
    EXPECT_EQ(FontSize, 10);
    EXPECT_EQ(QueryScalar("select cs_employdate from jxc_xtcs"), "2023-04-30");
    EXPECT_EQ(LoginKeepRunning, "1");
    EXPECT_FALSE(ProgramEnding());
    EXPECT_TRUE(prompt.Messages().isEmpty());
}

TEST_F(LoginTest, AWrongPasswordChangesNothingAndTheWindowStays)
{
    SetAdminPassword("secret");
    CurrentAdminName = "before";
    CurrentDbName = SetName();
    OpenMode = "hb";
    TF_Login login;
    ShowLogin(login, [&](TF_Login& l) {
        EXPECT_EQ(l.lMsg->text(), "");
        for (const QString& wrong : { QString(""), QString("secreT"), QString("' or '1'='1") }) {
            l.tpwd2->setText(wrong);
            l.btnOKClick();
            EXPECT_TRUE(l.isVisible()) << wrong.toStdString();
            EXPECT_EQ(l.tpwd2->text(), "");
            EXPECT_TRUE(l.btnOK->isEnabled());
        }
        l.btnCancelClick();
    });
    EXPECT_EQ(prompt.Messages(), QStringList(3, "用户密码不正确，请重新输入！"));
    for (const auto& shown : prompt.History())
        if (shown.kind == "message")
            EXPECT_EQ(shown.caption, "系统提示");
    EXPECT_EQ(CurrentAdminName, "before");
    EXPECT_TRUE(CurrentRoleSn.isEmpty());
    EXPECT_EQ(Count("jxc_log"), 0);
    EXPECT_FALSE(ProgramEnding());
}

TEST_F(LoginTest, APasswordIsComparedInItsStoredForm)
{
    // Punctuation that the stored form maps to full width, an apostrophe among it.
    SetAdminPassword("p@ss$1'~,!");
    TF_Login login;
    ShowLogin(login, [&](TF_Login& l) {
        l.tpwd2->setText("  p@ss$1'~,!  ");
        l.btnOKClick();
    });
    EXPECT_EQ(login.result(), QDialog::Accepted);
    EXPECT_EQ(CurrentAdminName, "admin");
    EXPECT_TRUE(prompt.Messages().isEmpty());
}

TEST_F(LoginTest, OnlyUsableSetsAndOperatorsAreListedAndASecondLoginReplacesTheFirst)
{
    AddSecondSet();
    // Logged in on the delivered set; a new login from the main window moves to the second set.
    CurrentAdminName = "admin";
    CurrentAdminSn = "100001";
    CurrentRoleSn = "100001";
    CurrentDbName = SetName();
    CurrentAccountSetName = "默认帐套";
    OpenMode = "hb";
    TF_Login login;
    ShowLogin(login, [&](TF_Login& l) {
        EXPECT_EQ(items(l.comZt), (QStringList { "默认帐套", "乙帐套" }));
        EXPECT_EQ(items(l.comAdmin), QStringList { "admin" });
        l.comZt->setCurrentIndex(1);
        EXPECT_TRUE(dm->ADOConn.FileName().endsWith("jxc_100003.mdb"));
        EXPECT_EQ(items(l.comAdmin), (QStringList { "admin", "小王" }));
        l.comAdmin->setCurrentIndex(1);
        EXPECT_EQ(l.lMsg->text(), "");
        l.tpwd2->setText("wang");
        l.btnOKClick();
    });
    EXPECT_EQ(CurrentAdminName, "小王");
    EXPECT_EQ(CurrentAdminSn, "100002");
    EXPECT_EQ(CurrentDbName, "jxc_100003.mdb");
    EXPECT_EQ(CurrentAccountSetName, "乙帐套");
    Connection set2;
    set2.Open(Folder() + "data/jxc_100003.mdb");
    EXPECT_EQ(LogRows(set2), QStringList { "小王:登录系统" });
    EXPECT_EQ(Count("jxc_log"), 1); // the data module is on the second set now
}

TEST_F(LoginTest, CancellingTheFirstLoginEndsTheProgram)
{
    for (bool closeBox : { false, true }) {
        ResetProgramEnding();
        TF_Login login;
        ShowLogin(login, [&](TF_Login& l) {
            if (closeBox)
                l.close();
            else
                l.btnCancelClick();
        });
        EXPECT_TRUE(ProgramEnding()) << closeBox;
        EXPECT_TRUE(CurrentAdminName.isEmpty());
    }
    EXPECT_TRUE(prompt.Questions().isEmpty()); // no exit question
}

TEST_F(LoginTest, ACancelledNewLoginKeepsWorkingOnTheSetInUse)
{
    SQLITE_FILE_ONLY();
    AddSecondSet();
    CurrentAdminName = "admin";
    CurrentDbName = SetName();
    CurrentAccountSetName = "默认帐套";
    OpenMode = "hb";
    TF_Login login;
    ShowLogin(login, [&](TF_Login& l) {
        l.comZt->setCurrentIndex(1); // connects the second set at once
        l.btnCancelClick();
    });
    EXPECT_FALSE(ProgramEnding());
    EXPECT_EQ(CurrentAdminName, "admin");
    EXPECT_EQ(CurrentDbName, SetName());
    EXPECT_TRUE(dm->ADOConn.Connected());
    EXPECT_EQ(QFileInfo(dm->ADOConn.FileName()), QFileInfo(Folder() + "data/jxc.mdb"));
}

TEST_F(LoginTest, EnterAndF5ConfirmAndEscCancels)
{
    OpenMode = "hb";
    for (int key : { int(Qt::Key_Return), int(Qt::Key_F5) }) {
        CurrentAdminName.clear();
        TF_Login login;
        ShowLogin(login, [&](TF_Login& l) { QTest::keyClick(l.tpwd2, Qt::Key(key)); });
        EXPECT_EQ(CurrentAdminName, "admin") << key;
    }
    TF_Login login;
    CurrentAdminName = "kept";
    ShowLogin(login, [&](TF_Login& l) { QTest::keyClick(l.comAdmin, Qt::Key_Escape); });
    EXPECT_EQ(login.result(), QDialog::Rejected);
    EXPECT_EQ(CurrentAdminName, "kept");
    EXPECT_FALSE(ProgramEnding());
}

TEST_F(LoginTest, ABusyDatabaseIsReportedAndF5CanBePressedAgain)
{
    // A file held by another program; the server's lock wait is a test of the database layer.
    SQLITE_FILE_ONLY();
    // Another program holds a write transaction for longer than the busy timeout.
    Connection other;
    other.Open(Folder() + "data/jxc.mdb");
    other.Exec("begin immediate");
    TF_Login login;
    ShowLogin(login, [&](TF_Login& l) {
        dm->ADOConn.Exec("pragma busy_timeout=50");
        l.btnOKClick();
        EXPECT_TRUE(l.isVisible());
        EXPECT_TRUE(l.btnOK->isEnabled());
        EXPECT_EQ(prompt.Messages(), QStringList { "数据库正忙，请稍后再试！" });
        EXPECT_TRUE(CurrentAdminName.isEmpty());
        EXPECT_TRUE(CurrentDbName.isEmpty());
        other.Exec("rollback");
        QTest::keyClick(l.tpwd2, Qt::Key_F5);
        EXPECT_FALSE(l.isVisible());
    });
    EXPECT_EQ(login.result(), QDialog::Accepted);
    EXPECT_EQ(CurrentAdminName, "admin");
    EXPECT_EQ(LogRows(dm->ADOConn), QStringList { "admin:登录系统" });
}

TEST_F(LoginTest, AnyOtherErrorAfterTheCheckGoesToTheHandlerAndGivesTheButtonBack)
{
    CurrentAdminName = "before";
    TF_Login login;
    ShowLogin(login, [&](TF_Login& l) {
        ExecSQL("drop table jxc_log");
        EXPECT_THROW(l.btnOKClick(), std::exception);
        EXPECT_TRUE(l.isVisible());
        EXPECT_TRUE(l.btnOK->isEnabled());
        EXPECT_EQ(CurrentAdminName, "before");
        l.btnCancelClick();
    });
    EXPECT_TRUE(prompt.Messages().isEmpty());
}

TEST_F(LoginTest, AMissingOrDamagedCatalogueIsReportedOnceAndEndsTheProgram)
{
    const QString catalogue = Folder() + "data/codeinfo.dll";
    const QString message = "帐套列表文件不可识别：" + QDir::toNativeSeparators(catalogue) + "\r\n\r\n系统将退出！";
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + 13) % 251);
    for (const QByteArray& content : { QByteArray(), noise }) {
        SCOPED_TRACE(content.size());
        QFile::remove(catalogue);
        if (!content.isEmpty()) {
            QFile f(catalogue);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        prompt.Clear();
        ResetProgramEnding();
        TF_Login login;
        ShowLogin(login, [&](TF_Login& l) {
            EXPECT_EQ(l.comZt->count(), 0);
            return;
        });
        EXPECT_EQ(prompt.Messages(), QStringList { message });
        EXPECT_TRUE(ProgramEnding());
        EXPECT_EQ(ProgramExitCode(), 1);
        QFile f(catalogue);
        if (content.isEmpty()) {
            EXPECT_FALSE(f.exists());
        } else {
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll(), content);
        }
    }
}

TEST_F(LoginTest, TheWindowKeepsItsSizeWhateverAsksItToGrow)
{
    TF_Login login;
    ShowLogin(login, [&](TF_Login& l) {
        l.layout()->activate();
        const QSize size = l.size();
        EXPECT_EQ(size, l.sizeHint());
        EXPECT_GE(size.width(), 420);
        // What a window system, or a showing interrupted by an error, may ask of it.
        l.resize(640, 480);
        l.adjustSize();
        EXPECT_EQ(l.size(), size);
        EXPECT_EQ(l.findChild<QLabel*>("loginBanner")->height(), 64);
        l.btnCancelClick();
    });
}

// ---- password change ----

class PwdModiTest : public LoginTest {
protected:
    void SetUp() override
    {
        LoginTest::SetUp();
        CurrentAdminName = "admin";
        FontSize = 10;
    }
    QString StoredPassword() { return QueryScalar("select a_pwd from jxc_admin where a_name='admin'"); }

    // Runs a change with the three fields as typed; returns the message shown.
    QString Change(const QString& old, const QString& new1, const QString& new2, bool* closed = nullptr)
    {
        prompt.Clear();
        TF_PwdModi w;
        prompt.OnModal("TF_PwdModi", [&](QDialog* d) {
            auto& p = *static_cast<TF_PwdModi*>(d);
            EXPECT_EQ(p.aname->text(), "admin");
            p.tOldPwd->setText(old);
            p.tnewpwd->setText(new1);
            p.tnewpwd2->setText(new2);
            p.btnOKClick();
            if (closed)
                *closed = !p.isVisible();
            return 0;
        });
        w.ShowModal();
        return prompt.LastMessage();
    }
};

TEST_F(PwdModiTest, ChangesAreCheckedAndStoredInTheMappedForm)
{
    struct Case {
        const char* stored; // typed form of the password before
        const char* old;
        const char* new1;
        const char* new2;
        const char* message;
        const char* storedAfter; // typed form after
    };
    const Case cases[] = {
        { "", "  ", "abc", "abd", "两次密码输入不一致，不能修改密码！", "" },
        { "", "x", "abc", "abc", "当前密码错误，不能修改密码！", "" },
        // No password yet: the current field is left blank; surrounding blanks do not count.
        { "", "  ", " abc ", "abc", "密码修改成功！", "abc" },
        // The current password is found in its mapped form (￥ and ～).
        { "a$~", "a$~", "n$w", "n$w", "密码修改成功！", "n$w" },
        // The stored column holds 32 characters.
        { "", "", "123456789012345678901234567890123", "123456789012345678901234567890123",
            "新密码不能超过32个字符，不能修改密码！", "" },
        { "", "", "12345678901234567890123456789012", "12345678901234567890123456789012", "密码修改成功！",
            "12345678901234567890123456789012" },
    };
    for (const Case& c : cases) {
        SetAdminPassword(c.stored);
        bool closed = false;
        EXPECT_EQ(Change(c.old, c.new1, c.new2, &closed), c.message) << c.new1;
        EXPECT_EQ(prompt.History().last().caption, "系统提示");
        EXPECT_EQ(StoredPassword(), ToFullWidthText(c.storedAfter)) << c.new1;
        EXPECT_EQ(closed, QString(c.message) == "密码修改成功！") << c.new1;
    }
    EXPECT_EQ(ToFullWidthText("n$w"), "n￥w");
    EXPECT_EQ(Count("jxc_log"), 0);
}

TEST_F(PwdModiTest, TheNewPasswordLogsIn)
{
    ASSERT_EQ(Change("", "k3y$", "k3y$"), "密码修改成功！");
    OpenMode = "hb";
    CurrentAdminName.clear();
    TF_Login login;
    ShowLogin(login, [&](TF_Login& l) {
        EXPECT_EQ(l.lMsg->text(), "");
        l.tpwd2->setText("k3y$");
        l.btnOKClick();
    });
    EXPECT_EQ(CurrentAdminName, "admin");
}

TEST_F(PwdModiTest, NewPasswordFieldsDropRefusedCharacters)
{
    TF_PwdModi w;
    w.show();
    QTest::keyClicks(w.tnewpwd, "a,b=c!d\"e%f&g'h?i[j\\k]l^m@n");
    QTest::keyClicks(w.tnewpwd2, "x,y");
    QTest::keyClicks(w.tOldPwd, "o,=p");
    EXPECT_EQ(w.tnewpwd->text(), "abcdefghijklmn");
    EXPECT_EQ(w.tnewpwd2->text(), "xy");
    EXPECT_EQ(w.tOldPwd->text(), "o,=p");
    // F5 changes, Esc closes.
    QTest::keyClick(w.tOldPwd, Qt::Key_F5);
    EXPECT_EQ(prompt.LastMessage(), "两次密码输入不一致，不能修改密码！");
    QTest::keyClick(w.tnewpwd, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
}

// ---- skin ----

class SkinTest : public AccountSetTest {
protected:
    void TearDown() override
    {
        qApp->setStyleSheet(QString());
        AccountSetTest::TearDown();
    }
    void LayOutSkin()
    {
        QDir().mkpath(Folder() + "skinfiles");
        ASSERT_TRUE(QFile::copy(deliveredSkin(), Folder() + "skinfiles/iMaginary.skinres"));
    }
    QString Delivered()
    {
        QFile f(deliveredSkin());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QString::fromUtf8(f.readAll());
    }
};

TEST_F(SkinTest, TheDeliveredSkinIsLoadedAndAMissingSkinFallsBackToIt)
{
    LayOutSkin();
    dm->ADOConn.Exec("insert into jxc_skin (skin_name,a_name) values ('Blue','小王')");
    TF_Skin skin;
    skin.ChangeSkin("iMaginary");
    EXPECT_EQ(qApp->styleSheet(), Delivered());
    EXPECT_EQ(Count("jxc_skin", "skin_name<>'iMaginary'"), 1);

    qApp->setStyleSheet(QString());
    skin.ChangeSkin("Blue");
    EXPECT_EQ(qApp->styleSheet(), Delivered());
    EXPECT_EQ(Count("jxc_skin", "skin_name<>'iMaginary'"), 0);
}

TEST_F(SkinTest, WithoutTheDeliveredSkinTheSkinCannotLoad)
{
    TF_Skin skin;
    EXPECT_THROW(skin.ChangeSkin("iMaginary"), std::exception);
}

TEST_F(SkinTest, TheLoginShowsItsChineseTextInAFontThatHasIt)
{
    LayOutSkin();
    TF_Skin skin;
    skin.ChangeSkin("iMaginary");
    SetProductConstants();
    TF_Login login;
    login.show();
    QApplication::processEvents();
    for (QLabel* label : login.findChildren<QLabel*>()) {
        const QFontMetrics fm(label->font());
        for (QChar ch : label->text())
            EXPECT_TRUE(fm.inFont(ch)) << label->objectName().toStdString() << " " << QString(ch).toStdString();
    }
    // For review: the window as rendered, under the build folder.
    const QString out = QCoreApplication::applicationDirPath() + "/screenshots/login.png";
    QDir().mkpath(QFileInfo(out).path());
    EXPECT_TRUE(login.grab().save(out));
    login.done(QDialog::Rejected);
    ResetProgramEnding();
}

} // namespace
