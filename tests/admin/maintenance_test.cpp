#include "admin/adminwindows.h"
#include "admin/mryt.h"
#include "admin/xtwh.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/registration.h"
#include "platform/base/clock.h"
#include "support/accountset.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <functional>

namespace {

class MaintenanceTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        RegisterAdminWindows();
        RegisterMasterDataWindows();
        // The account-set list reads the catalogue.
        ConnectAccountSets();
        // Windows of the maintenance buttons that this build may not hold yet stand in
        // as empty windows of their class name.
        for (const char* w : { "TF_Bbsj", "TF_Nzjs", "TF_ViewLog", "TF_Sjql", "TF_Tmgl", "TF_Ztgl" })
            if (!FunctionWindows::Available(QString::fromLatin1(w))) {
                const QString name = QString::fromLatin1(w);
                FunctionWindows::Register(name, FunctionWindows::Entry { [name] {
                    auto* f = new Form();
                    f->setObjectName(name);
                    return f;
                } });
                standIns.append(name);
            }
        ExecSQL("insert into jxc_role (r_sn,r_name,qtcz) values ('100002','店员','0000000000000000000')");
        ExecSQL("insert into jxc_role (r_sn,r_name,qtcz) values ('100003','全权','11111111111111111111')");
    }
    void TearDown() override
    {
        for (const QString& name : standIns)
            FunctionWindows::Unregister(name);
        BindOperatorWarehouse = QStringLiteral("0");
        AccountSetTest::TearDown();
    }
    struct Button {
        std::function<void(TF_Xtwh&)> click;
        const char* window;
        const char* refusal; // "" for the administrator-only buttons
    };
    static std::vector<Button> Buttons()
    {
        return {
            { &TF_Xtwh::btn_Menu6_Btn9Click, "TF_Bbsj", "您没有权限进行报表设计！" },
            { &TF_Xtwh::btn_Menu6_BtnFClick, "TF_Nzjs", "" },
            { &TF_Xtwh::btn_Menu6_BtnGClick, "TF_ViewLog", "您没有权限进行查看日志！" },
            { &TF_Xtwh::btn_Menu6_BtnDClick, "TF_Sjql", "" },
            { &TF_Xtwh::btn_Menu6_BtnBClick, "TF_Tmgl", "您没有权限进行条码管理！" },
            { &TF_Xtwh::btn_Menu6_BtnCClick, "TF_Ztgl", "您没有权限进行帐套管理！" },
        };
    }
    // Clicks the button; the window it opened, or the message it showed.
    QString Click(const Button& b)
    {
        TF_Xtwh w;
        QString opened;
        prompt.Clear();
        prompt.OnModal(QString::fromLatin1(b.window), [&](QDialog* d) {
            opened = d->objectName();
            // Closed as the operator closes it, so that it puts back what it took.
            d->done(QDialog::Rejected);
            return 0;
        });
        b.click(w);
        QString result = opened;
        if (result.isEmpty() && !prompt.History().isEmpty()) {
            caption = prompt.History().last().caption;
            result = prompt.Messages().value(0);
        }
        // A refusal leaves the window's script unused.
        prompt.Clear();
        return result;
    }
    QStringList standIns;
    QString caption; // of the last refusal
};

TEST_F(MaintenanceTest, EachButtonOpensItsWindowOrRefuses)
{
    const QString administratorMessage = QStringLiteral("只有系统管理员才能使用此功能！");
    struct Role {
        const char* sn;
        bool rights;
        bool administrator;
    } roles[] = { { "100001", true, true }, { "100002", false, false }, { "100003", true, false } };
    for (const Role& role : roles) {
        CurrentRoleSn = QString::fromLatin1(role.sn);
        for (const Button& b : Buttons()) {
            SCOPED_TRACE(std::string(role.sn) + " " + b.window);
            const bool adminOnly = QString::fromUtf8(b.refusal).isEmpty();
            const bool allowed = adminOnly ? role.administrator : role.rights;
            const QString result = Click(b);
            if (allowed)
                EXPECT_EQ(result, QString::fromLatin1(b.window));
            else
                EXPECT_EQ(result, adminOnly ? administratorMessage : QString::fromUtf8(b.refusal));
        }
    }
    EXPECT_EQ(caption, QStringLiteral("系统提示"));
}

TEST_F(MaintenanceTest, AnOperatorBoundToNoWarehouseIsRefusedEverything)
{
    BindOperatorWarehouse = QStringLiteral("1");
    CurrentRoleSn = QStringLiteral("100003");
    CurrentAdminSn = QStringLiteral("999999");
    for (const Button& b : Buttons()) {
        SCOPED_TRACE(b.window);
        const bool adminOnly = QString::fromUtf8(b.refusal).isEmpty();
        EXPECT_EQ(
            Click(b), adminOnly ? QStringLiteral("只有系统管理员才能使用此功能！") : QString::fromUtf8(b.refusal));
    }
}

// The daily tip over the sixteen seeded tips.
class DailyTipTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        ids = Column("select id from jxc_mryt order by id");
        ASSERT_EQ(ids.size(), 16);
    }
    void TearDown() override
    {
        Clock::Release();
        AccountSetTest::TearDown();
    }
    // A start of the program on that day: the tip it shows.
    QString StartOn(const QDate& day)
    {
        Clock::SetFixed(QDateTime(day, QTime(9, 0)));
        TF_Mryt w;
        w.Activate();
        return TF_Mryt::CurrentTipId();
    }
    QString Tip(const QString& id) { return QueryScalar("select mr_ts from jxc_mryt where id=" + id); }
    QStringList ids;
};

TEST_F(DailyTipTest, StartsAlternateBetweenTheSecondAndThirdTipAndFlagTheShownOne)
{
    const QStringList shown = { StartOn(QDate(2024, 3, 1)), StartOn(QDate(2024, 3, 2)), StartOn(QDate(2024, 3, 3)),
        StartOn(QDate(2024, 3, 4)) };
    EXPECT_EQ(shown, (QStringList { ids[1], ids[2], ids[1], ids[2] }));
    EXPECT_EQ(QueryScalar("select count(*) from jxc_mryt where mr_state='1'"), "1");
    EXPECT_EQ(QueryScalar("select mr_rq from jxc_mryt where id=" + ids[2]), "2024-03-04");
}

TEST_F(DailyTipTest, PagingWrapsAroundAndShowsTheTip)
{
    Clock::SetFixed(QDateTime(QDate(2024, 3, 1), QTime(9, 0)));
    TF_Mryt w;
    w.Activate();
    w.btnPriorClick();
    EXPECT_EQ(TF_Mryt::CurrentTipId(), ids[0]);
    w.btnPriorClick();
    EXPECT_EQ(TF_Mryt::CurrentTipId(), ids[15]);
    EXPECT_EQ(w.lMsg->text(), Tip(ids[15]));
    w.btnNextClick();
    EXPECT_EQ(TF_Mryt::CurrentTipId(), ids[0]);
    EXPECT_EQ(QueryScalar("select mr_state from jxc_mryt where id=" + ids[0]), "1");
}

TEST_F(DailyTipTest, OnlyExitAndEscStoreTheCheckBox)
{
    {
        TF_Mryt w;
        w.Activate();
        EXPECT_TRUE(w.chkDisp->isChecked());
        w.chkDisp->setChecked(false);
        w.close(); // the close box
    }
    EXPECT_EQ(QueryScalar("select t_mryt from jxc_txdisp"), "1");
    {
        TF_Mryt w;
        w.Activate();
        w.chkDisp->setChecked(false);
        w.btnExitClick();
    }
    EXPECT_EQ(QueryScalar("select t_mryt from jxc_txdisp"), "0");
    {
        TF_Mryt w;
        w.Activate();
        EXPECT_FALSE(w.chkDisp->isChecked());
        w.chkDisp->setChecked(true);
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &esc);
    }
    EXPECT_EQ(QueryScalar("select t_mryt from jxc_txdisp"), "1");
}

} // namespace
