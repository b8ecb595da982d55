#include "admin/adminwindows.h"
#include "admin/ztgl.h"
#include "foundation/globals.h"
#include "foundation/schema/schema.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "support/accountset.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

namespace {

class AccountSetsTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        RegisterAdminWindows();
    }

    QStringList Catalogue()
    {
        Connection c;
        c.Open(Folder() + "data/codeinfo.dll");
        return SelectColumn(c,
            "select zt_sn||'/'||zt_name||'/'||zt_default||'/'||zt_forbid||'/'||zt_dbname "
            "from jxc_xtzt order by id");
    }

    // Runs the list with a script while it shows; the list closes afterwards.
    void WithList(std::function<void(TF_Ztgl&)> script)
    {
        TF_Ztgl list;
        prompt.OnModal("TF_Ztgl", [&](QDialog* d) {
            script(*static_cast<TF_Ztgl*>(d));
            d->reject();
            return d->result();
        });
        list.ShowModal();
    }

    void AddSet(TF_Ztgl& list, const QString& name, bool isDefault)
    {
        prompt.OnModal("TF_Ztgl_Add", [&](QDialog* d) {
            auto& a = *static_cast<TF_Ztgl_Add*>(d);
            a.fields.tname->setText(name);
            a.fields.tnote->setText("it's new");
            a.fields.chkDefault->setChecked(isDefault);
            a.saveValue();
            return d->result();
        });
        list.btn_AddClick();
    }

    // The list's current row moved to the set of that code.
    void Select(const QString& sn) { ASSERT_TRUE(dm->QueryXtzt.Locate("zt_sn", sn)); }
};

TEST_F(AccountSetsTest, ANewSetGetsTheNextCodeAFreshFileAndTheSetInUseComesBack)
{
    WithList([&](TF_Ztgl& list) {
        // No account set is open while the list shows.
        EXPECT_FALSE(dm->ADOConn.Connected());
        AddSet(list, "分店", false);
        EXPECT_EQ(list.cxGrid_XtztView->RowCount(), 2);
    });
    EXPECT_EQ(Catalogue(), QStringList({ "100001/默认帐套/1/0/" + SetName(), "100002/分店/0/0/jxc_100002.mdb" }));
    EXPECT_FALSE(dm->ADOConnZT.Connected());
    ASSERT_TRUE(QFile::exists(Folder() + "data/jxc_100002.mdb"));
    Connection made;
    made.Open(Folder() + "data/jxc_100002.mdb");
    for (const QString& t : SchemaTableNames())
        EXPECT_TRUE(made.TableExists(t)) << t.toStdString();
    EXPECT_EQ(SelectScalar(made, "select a_name from jxc_admin"), "admin");
    // Back on the set in use, with its own rows.
    ASSERT_TRUE(dm->ADOConn.Connected());
    ExecSQL("insert into jxc_log (log_note) values ('here')");
    EXPECT_EQ(SelectScalar(made, "select count(*) from jxc_log where log_note='here'"), "0");
}

TEST_F(AccountSetsTest, OneSetStaysDefault)
{
    ConnectAccountSets();
    QString code;
    ASSERT_EQ(CreateAccountSet({ "总店", "it's", true, false }, &code), "");
    EXPECT_EQ(Catalogue(), QStringList({ "100001/默认帐套/0/0/" + SetName(), "100002/总店/1/0/jxc_100002.mdb" }));
    EXPECT_EQ(QueryScalarZT("select zt_note from jxc_xtzt where zt_sn='100002'"), "it‘s");
    const qint64 id = QueryScalarZT("select id from jxc_xtzt where zt_sn='100002'").toLongLong();
    // Taking the flag from the only default gives it back to the built-in set.
    ASSERT_EQ(ModifyAccountSet(id, { "总店", "", false, true }), "");
    EXPECT_EQ(Catalogue(), QStringList({ "100001/默认帐套/1/0/" + SetName(), "100002/总店/0/1/jxc_100002.mdb" }));
    EXPECT_EQ(ModifyAccountSet(id, { "  ", "", false, false }), "帐套名称必须填写！");
    EXPECT_EQ(CreateAccountSet({ "", "", false, false }), "帐套名称必须填写！");
    CloseAccountSets();
}

TEST_F(AccountSetsTest, DeletingRefusesTheDefaultTheBuiltInAndTheSetInUse)
{
    EXPECT_EQ(AccountSetDeleteRefusal("100002", true, "jxc_100002.mdb"), "默认帐套不能删除！");
    EXPECT_EQ(AccountSetDeleteRefusal("100001", false, SetName()), "系统内置帐套不能删除！");
    EXPECT_EQ(AccountSetDeleteRefusal("100003", false, SetName()), "该帐套为当前正在使用帐套，不能删除！");

    WithList([&](TF_Ztgl& list) {
        AddSet(list, "旧店", false);
        Select("100002");
        prompt.Answer(Prompt::Answer::Yes);
        list.btn_DeleClick();
        // The built-in set is the set in use: restoring it is done elsewhere.
        Select("100001");
        list.mnuRestoreClick();
    });
    EXPECT_EQ(Catalogue(), QStringList({ "100001/默认帐套/1/0/" + SetName() }));
    EXPECT_FALSE(QFile::exists(Folder() + "data/jxc_100002.mdb"));
    EXPECT_TRUE(prompt.LastMessage().contains("打开“备份恢复数据”窗口进行恢复操作！"));
    EXPECT_FALSE(prompt.ModalNames().contains("TF_Ztgl_Restore"));
}

TEST_F(AccountSetsTest, AnotherSetIsBackedUpAndRestoredFromItsFile)
{
    QDir().mkpath(Folder() + "copies");
    WithList([&](TF_Ztgl& list) {
        AddSet(list, "分店:一\\号", false);
        Select("100002");
        {
            Connection set;
            set.Open(Folder() + "data/jxc_100002.mdb");
            set.Exec("insert into jxc_goods (g_sn,g_name) values ('G1','衬衫')");
        }
        prompt.AnswerFile(Folder() + "copies");
        prompt.OnModal("TF_Ztgl_BackUp", [&](QDialog* d) {
            auto& b = *static_cast<TF_Ztgl_BackUp*>(d);
            b.btnOKClick(); // no folder yet
            b.btnPathClick();
            b.btnOKClick();
            return d->result();
        });
        list.mnuBackupClick();
        EXPECT_EQ(prompt.Messages().mid(0, 2), QStringList({ "备份路径必须填写！", "备份完成！" }));
        const QStringList copies = QDir(Folder() + "copies").entryList({ "*.DAT" });
        ASSERT_EQ(copies, QStringList({ "分店_一_号24_03_05_10_20_30.DAT" }));
        {
            Connection set;
            set.Open(Folder() + "data/jxc_100002.mdb");
            set.Exec("delete from jxc_goods where g_sn='G1'");
        }
        prompt.OnModal("TF_Ztgl_Restore", [&](QDialog* d) {
            auto& r = *static_cast<TF_Ztgl_Restore*>(d);
            r.fields.tPath->setText(Folder() + "copies/" + copies[0]);
            r.btnOKClick();
            return d->result();
        });
        list.mnuRestoreClick();
        EXPECT_EQ(prompt.LastMessage(), "恢复完成！");
    });
    Connection set;
    set.Open(Folder() + "data/jxc_100002.mdb");
    EXPECT_EQ(SelectScalar(set, "select g_name from jxc_goods where g_sn='G1'"), "衬衫");
    // The replaced database was kept.
    EXPECT_EQ(QDir(Folder() + "数据备份").entryList({ "*.DAT" }).size(), 1);
}

}
