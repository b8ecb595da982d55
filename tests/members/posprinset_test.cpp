#include "memberfixture.h"

#include "members/posprinset.h"
#include "platform/report/report.h"
#include "platform/ui/printers.h"
#include "posting/posprint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

class PosPrinSetTest : public MembersTest {
protected:
    void TearDown() override
    {
        Printers::Reset();
        MembersTest::TearDown();
    }
    QString Printed(const QString& width)
    {
        TF_PosPrinSet w;
        w.Activate();
        w.comKd->setCurrentText(width);
        w.btnSaveClick();
        ExecSQL("update jxc_posprint set pp_bzxx=1");
        Report report;
        PrintPosReceipt(report, "XS1", 1);
        return PrintLog::Last() ? PrintLog::Last()->templateFile : QString();
    }
};

TEST_F(PosPrinSetTest, LoadsAndReplacesTheSettingsRow)
{
    Printers::SetInstalled({ "前台", "后台" });
    ExecSQL("update jxc_posprint set pp_dyj=1,pp_fs='3',pp_dkqx=1");
    PickerCaller = "posxs";
    TF_PosPrinSet w;
    w.Activate();
    EXPECT_TRUE(w.pp_zjdy->isEnabled());
    EXPECT_EQ(w.comDyj->currentText(), "后台");
    EXPECT_EQ(w.pp_fs->text(), "3");
    EXPECT_EQ(w.pp_khs->text(), "2");
    EXPECT_TRUE(w.pp_bzxx->isChecked());
    w.pp_khs->clear();
    w.pp_bt1->setText(" 新标题 ");
    w.btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("保存成功！"));
    EXPECT_EQ(Count("jxc_posprint"), 1);
    EXPECT_EQ(Scalar("select pp_khs||'|'||pp_bt1||'|'||pp_fs||'|'||cast(pp_dyj as text) from jxc_posprint"),
        QStringLiteral("5|新标题|3|1"));
    EXPECT_EQ(Scalar("select pp_dkqx from jxc_posprint"), "True");
    PickerCaller.clear();
    TF_PosPrinSet again;
    again.Activate();
    EXPECT_FALSE(again.pp_zjdy->isEnabled());
}

TEST_F(PosPrinSetTest, PaperWidthChoosesTheReceiptTemplate)
{
    DeliverTemplate("posxp.fr3");
    DeliverTemplate("posxp58.fr3");
    ExecSQL("insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,pos_yfje,pos_sfje) values ('XS1','100001',"
            "'2024-03-05 10:00:00',10,10)");
    EXPECT_TRUE(Printed("58mm").endsWith("posxp58.fr3"));
    EXPECT_EQ(Scalar("select pp_kd from jxc_posprint"), "0");
    EXPECT_TRUE(Printed("80mm").endsWith("/posxp.fr3"));
    EXPECT_EQ(Scalar("select pp_kd from jxc_posprint"), "1");
}

} // namespace
