#pragma once
#include "support/accountset.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "members/hygl.h"
#include "members/memberswindows.h"
#include "platform/report/printlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

// An account set with the member windows' datasets declared, and builders for the
// members, tickets and money rows a case is about.
class MembersTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        DeclareMembersDatasets();
        PrintLog::Clear();
    }
    void TearDown() override
    {
        window.reset();
        OpenMode.clear();
        PickerCaller.clear();
        ActiveDocKind.clear();
        AccountSetTest::TearDown();
    }
    struct Member {
        QString sn, card, name;
        QString level = QStringLiteral("100002");
        QString tele, mobile, birthday = QStringLiteral("1990-06-15");
        double points = 0, total = 0, stored = 0, accumulated = 0;
        bool usable = true;
        QString introducer, password;
    };
    void AddMember(const Member& m)
    {
        dm->ADOConn.Exec(
            QStringLiteral("insert into jxc_hyxx (hy_sn,hy_fsn,hy_bh,hy_name,hy_jm,hy_status,hl_sn,hh_sn,hy_mm,hy_jf,"
                           "hy_zjf,hy_zhje,hy_ye,hy_zje,hy_tele,hy_mobile,hy_sr,hy_jrrq,hy_sj,hy_qx,hy_address) "
                           "values (:sn,:f,:bh,:n,'',:st,:hl,'100001',:mm,:jf,:zjf,:zh,5,:zje,:t,:m,:sr,'2024-01-01',"
                           "0,0,'')"),
            { { "sn", m.sn }, { "f", m.introducer }, { "bh", m.card }, { "n", m.name }, { "st", m.usable ? 1 : 0 },
                { "hl", m.level }, { "mm", m.password }, { "jf", m.points }, { "zjf", m.accumulated },
                { "zh", m.stored }, { "zje", m.total }, { "t", m.tele }, { "m", m.mobile }, { "sr", m.birthday } });
    }
    void AddTicket(const QString& number, const QString& memberSn, const QString& when)
    {
        dm->ADOConn.Exec(QStringLiteral("insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,pos_yfje,pos_sfje) "
                                        "values (:d,:s,:w,10,10)"),
            { { "d", number }, { "s", memberSn }, { "w", when } });
    }
    void AddMoneyRow(const QString& number, const QString& memberSn, const QString& when)
    {
        dm->ADOConn.Exec(QStringLiteral("insert into jxc_hyxf (gl_djh,hy_sn,xf_rq,xf_je,xf_yhje,xf_zt) "
                                        "values (:d,:s,:w,100,10,'储值卡续费')"),
            { { "d", number }, { "s", memberSn }, { "w", when } });
    }
    // Lays the delivered template into the program folder.
    void DeliverTemplate(const QString& templateFile)
    {
        const QString source
            = QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../resources/report/" + templateFile);
        QDir().mkpath(Folder() + "report");
        QFile::remove(Folder() + "report/" + templateFile);
        ASSERT_TRUE(QFile::copy(source, Folder() + "report/" + templateFile));
    }
    // The member register, shown once (its activation runs the member search).
    void OpenRegister()
    {
        window = std::make_unique<TF_Hygl>();
        window->Activate();
    }
    std::unique_ptr<TF_Hygl> window;
    QStringList LogNotes() { return Column(QStringLiteral("select log_note from jxc_log order by id")); }
};
