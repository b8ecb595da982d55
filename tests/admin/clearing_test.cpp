#include "admin/adminwindows.h"
#include "admin/sjql.h"
#include "foundation/globals.h"
#include "support/accountset.h"
#include "support/tradefixtures.h"

#include <QDir>
#include <QRadioButton>

namespace {

class ClearingTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        RegisterAdminWindows();
        fixture::AddGoods({ "G1", "衬衫", {}, {}, 10, 10 });
        fixture::AddCustomer("K2", "王五");
        fixture::AddStaff("S2", "小李");
        fixture::SetWarehouseStock("G1", "100001", 5, 10, 5);
        ExecSQL("update jxc_goods set g_kc=5 where g_sn='G1'");
        fixture::AddDocument({ fixture::Trade::GoodsIn, "CJ24030500001", "2024-03-05 09:00", "100001", "100001",
            "100001", 1, { { "G1", 5, 10 } } });
        ExecSQL("update jxc_admin set a_pwd='secret' where a_name='admin'");
        ExecSQL("insert into jxc_admin (a_sn,a_name,r_sn,a_pwd) values ('100002','张三','100001','')");
    }

    // Runs the window: choice 1 keeps the base data, 2 deletes everything.
    void Run(int choice)
    {
        TF_Sjql w;
        prompt.OnModal("TF_Sjql", [&](QDialog* d) {
            auto& s = *static_cast<TF_Sjql*>(d);
            EXPECT_TRUE(s.rSele21->isChecked());
            (choice == 1 ? s.rSele21 : s.rSele22)->setChecked(true);
            s.btnOK2Click();
            return d->result();
        });
        w.ShowModal();
    }

    QStringList Copies() const { return QDir(Folder()).entryList({ "*.DAT" }); }
};

TEST_F(ClearingTest, KeepingBaseDataWithoutACopyEmptiesDocumentsAndStock)
{
    prompt.Answer(Prompt::Answer::No);
    prompt.Answer(Prompt::Answer::Yes);
    Run(1);
    EXPECT_EQ(prompt.LastMessage(), "删除完成！");
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_EQ(Scalar("select g_kc from jxc_goods where g_sn='G1'"), "0");
    EXPECT_EQ(Count("jxc_khxx", "kh_sn='K2'"), 1);
    EXPECT_EQ(Count("jxc_user", "u_sn='S2'"), 1);
    EXPECT_EQ(Count("jxc_admin"), 2);
    EXPECT_EQ(Count("jxc_jhd"), 0);
    EXPECT_EQ(Count("jxc_kcsp", "kc_sl<>0"), 0);
}

TEST_F(ClearingTest, DeletingEverythingAfterACopyLeavesTheSeedRows)
{
    prompt.Answer(Prompt::Answer::Yes);
    prompt.Answer(Prompt::Answer::Yes);
    Run(2);
    ASSERT_EQ(Copies().size(), 1);
    EXPECT_EQ(prompt.Messages().first(), "备份成功！备份文件保存在" + QDir::toNativeSeparators(Folder() + Copies()[0]));
    EXPECT_EQ(Column("select a_name||'/'||coalesce(a_pwd,'') from jxc_admin"), QStringList({ "admin/" }));
    EXPECT_EQ(Count("jxc_goods", "g_sn='G1'"), 0);
    EXPECT_EQ(Count("jxc_khxx", "kh_sn='K2'"), 0);
}

TEST_F(ClearingTest, AFailedCopyStopsBeforeAnythingIsCleared)
{
    // A name no file system takes: the copy cannot be written.
    CurrentAccountSetName = QString(300, QChar(0x5e10));
    prompt.Answer(Prompt::Answer::Yes);
    Run(1);
    EXPECT_TRUE(prompt.LastMessage().startsWith("数据备份失败！\r\n\r\n")) << prompt.LastMessage().toStdString();
    EXPECT_EQ(prompt.Questions().size(), 1);
    EXPECT_EQ(Scalar("select g_kc from jxc_goods where g_sn='G1'"), "5");
    EXPECT_EQ(Count("jxc_jhd"), 1);
    EXPECT_TRUE(Copies().isEmpty());
}

TEST_F(ClearingTest, NoToTheSecondQuestionChangesNothing)
{
    prompt.Answer(Prompt::Answer::No);
    prompt.Answer(Prompt::Answer::No);
    Run(2);
    EXPECT_EQ(Count("jxc_jhd"), 1);
    EXPECT_EQ(Count("jxc_admin"), 2);
}

}
