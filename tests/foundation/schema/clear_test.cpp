#include "platform/db/dberror.h"
#include "schemafixture.h"

#include <QHash>
#include <optional>

namespace {

// A built set with business on it: goods with stock, stock rows, a document, an
// extra size and barcode, a second operator and a changed setting.
class ClearTest : public SchemaTest {
protected:
    void SetUp() override
    {
        SchemaTest::SetUp();
        CreateAllTables(c);
        c.Exec("insert into jxc_goods (g_sn,g_name,g_kc,ghs_sn,g_sj) values ('G1','衬衫',5,'100002',99)");
        c.Exec("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj) values ('G1','100001',5,40)");
        c.Exec("insert into jxc_jhd (gl_djh,j_status) values ('CJ24030510001',1)");
        c.Exec("insert into jxc_jhsp (gl_djh,g_sn,jh_sl) values ('CJ24030510001','G1',5)");
        c.Exec("insert into jxc_cm (cm_sn,cm_name) values ('100010','XXXXXL')");
        c.Exec("insert into jxc_tm (g_sn,tm_tm) values ('G1','69000001')");
        c.Exec("insert into jxc_admin (a_sn,a_name,r_sn,a_pwd) values ('100002','bob','100002','ｘ')");
        c.Exec("update jxc_xtcs set cs_ts='提示',cs_employdate='2023-04-30'");
        c.Exec("update jxc_yhzh set yh_zje=300 where yh_sn='100001'");
    }
};

TEST_F(ClearTest, ClearingKeepsBaseDataAndRebuildsTheRest)
{
    QHash<QString, QStringList> kept;
    for (const QString& t : KeptTableNames())
        if (t != "jxc_goods")
            kept[t] = Rows(t);
    ASSERT_EQ(KeptTableNames().size(), 26);

    ClearBusinessData(c);

    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        EXPECT_EQ(Rows(it.key()), it.value()) << it.key().toStdString();
    // Goods keep their data, with no stock and the default supplier.
    EXPECT_EQ(Count("jxc_goods"), 2);
    EXPECT_EQ(Count("jxc_goods", "g_sn='G1' and g_name='衬衫' and g_kc=0 and ghs_sn='100001' and g_sj=99"), 1);
    EXPECT_EQ(Count("jxc_goods", "g_sn='00000000' and g_name='优惠商品' and g_kc=0 and ghs_sn='100001'"), 1);
    EXPECT_EQ(Count("jxc_kcsp", "g_sn='G1' and kc_sl=5"), 1);
    // Everything else is back to its seed rows.
    EXPECT_EQ(Count("jxc_jhd"), 0);
    EXPECT_EQ(Count("jxc_jhsp"), 0);
    EXPECT_EQ(Count("jxc_tm"), 0);
    EXPECT_EQ(Column("select cm_sn from jxc_cm order by id"),
        QStringList({ "100001", "100002", "100003", "100004", "100005", "100006", "100007", "100008", "100009" }));
    EXPECT_EQ(Count("jxc_yhzh", "yh_zje=0"), 6);
    EXPECT_EQ(Count("jxc_xjyh"), 6);
    EXPECT_EQ(Count("jxc_bbgl"), 120);
    EXPECT_EQ(Scalar("select cs_ts from jxc_xtcs"), "提示");
}

TEST_F(ClearTest, ClearingWithStockAlsoEmptiesTheStockTable)
{
    ClearBusinessDataAndStock(c);
    EXPECT_EQ(Count("jxc_kcsp"), 0);
    EXPECT_EQ(Count("jxc_goods", "g_sn='G1' and g_kc=0"), 1);
    EXPECT_EQ(Count("jxc_admin"), 2);
    EXPECT_EQ(Count("jxc_jhd"), 0);
}

TEST_F(ClearTest, DeletingAllDataLeavesOnlyAdminWithoutPassword)
{
    CreateAllTables(c);
    EXPECT_EQ(Rows("jxc_admin").size(), 1);
    EXPECT_EQ(Count("jxc_admin", "a_name='admin' and a_pwd='' and r_sn='100001' and a_jyt=0"), 1);
    EXPECT_EQ(Count("jxc_goods"), 1);
    EXPECT_EQ(Count("jxc_kcsp"), 0);
}

TEST_F(ClearTest, AFailedClearingLeavesTheSetAsItWas)
{
    c.Exec("drop table jxc_tx; create view jxc_tx as select 1 as id");
    EXPECT_THROW(ClearBusinessDataAndStock(c), DbError);
    EXPECT_EQ(Count("jxc_goods", "g_sn='G1' and g_kc=5 and ghs_sn='100002'"), 1);
    EXPECT_EQ(Count("jxc_jhd"), 1);
    EXPECT_EQ(Count("jxc_cm"), 10);
    EXPECT_EQ(Count("jxc_kcsp"), 1);
}

TEST_F(ClearTest, SingleTableRoutinesRestoreOnlyTheirTable)
{
    c.Exec("delete from jxc_bbgl where b_lx=1");
    c.Exec("update jxc_email set e_send=1,e_smtp='smtp.example.com'");

    CreateSettingsTable(c);
    CreateEmailTable(c);
    CreateReportListTable(c);
    EXPECT_EQ(Column("select '['||cs_employdate||']['||cs_ts||']' from jxc_xtcs"), QStringList({ "[][]" }));
    EXPECT_EQ(Count("jxc_email", "e_send=0 and e_smtp=''"), 1);
    EXPECT_EQ(Count("jxc_bbgl"), 120);
    EXPECT_EQ(Count("jxc_kcsp"), 1);

    CreateStockTable(c);
    EXPECT_EQ(Count("jxc_kcsp"), 0);
    EXPECT_EQ(Count("jxc_jhd"), 1);
    EXPECT_THROW(CreateTable(c, "jxc_nothing"), DbError);
}

using UpgradeTest = SchemaTest;

TEST_F(UpgradeTest, StampIsWrittenOnlyOverAnOlderOrMissingOne)
{
    CreateAllTables(c);
    const struct {
        std::optional<QString> stamp;
        QString after;
    } cases[] = {
        { QString("2023-04-30"), "2023-04-30" },
        { QString("2024-01-01"), "2024-01-01" },
        { QString("2023-05"), "2023-05" },
        { QString("2023-04-29"), "2023-04-30" },
        { QString("1900-01-01"), "2023-04-30" },
        { QString(""), "2023-04-30" },
        { std::nullopt, "2023-04-30" },
    };
    for (const auto& k : cases) {
        c.Exec(k.stamp ? "update jxc_xtcs set cs_employdate='" + *k.stamp + "'"
                       : QString("update jxc_xtcs set cs_employdate=null"));
        UpgradeSchema(c);
        EXPECT_EQ(Scalar("select cs_employdate from jxc_xtcs"), k.after) << k.stamp.value_or("<null>").toStdString();
    }
}

TEST_F(UpgradeTest, CompanyNoteIsAddedOnlyWhenTheStampIsOld)
{
    CreateAllTables(c);
    const auto dropNote = [this] {
        c.Exec("drop table jxc_company; create table jxc_company (id integer primary key autoincrement, "
               "c_sn varchar(8), c_name nvarchar(64))");
        c.Exec("insert into jxc_company (c_sn,c_name) values ('100001','店')");
    };
    const auto hasNote = [this] { return c.ColumnNames("jxc_company").contains("c_note"); };

    // A current stamp means nothing is probed.
    c.Exec("update jxc_xtcs set cs_employdate='2023-04-30'");
    dropNote();
    UpgradeSchema(c);
    EXPECT_FALSE(hasNote());

    c.Exec("update jxc_xtcs set cs_employdate='1900-01-01'");
    UpgradeSchema(c);
    EXPECT_TRUE(hasNote());
    EXPECT_EQ(Column("select c_name||'/'||count(c_note) from jxc_company group by c_name"), QStringList({ "店/0" }));
    // The next login finds the stamp and the column.
    UpgradeSchema(c);
    EXPECT_TRUE(hasNote());

    // Without a settings row there is nothing to stamp, but the column is still checked.
    dropNote();
    c.Exec("delete from jxc_xtcs");
    UpgradeSchema(c);
    EXPECT_EQ(Count("jxc_xtcs"), 0);
    EXPECT_TRUE(hasNote());
    // A set built here already has the column, so the stamp alone is written.
    CreateAllTables(c);
    UpgradeSchema(c);
    EXPECT_EQ(Scalar("select cs_employdate from jxc_xtcs"), "2023-04-30");
}

TEST_F(UpgradeTest, SmsGatewayColumnsAreAddedWhateverTheStamp)
{
    CreateAllTables(c);
    c.Exec("drop table jxc_smscs; create table jxc_smscs (id integer primary key autoincrement, "
           "sms_sign varchar(32), sms_user varchar(32))");
    c.Exec("insert into jxc_smscs (sms_sign,sms_user) values ('店','u1')");
    UpgradeSchema(c);
    const QStringList columns = c.ColumnNames("jxc_smscs");
    EXPECT_TRUE(columns.contains("sms_host") && columns.contains("sms_port"));
    EXPECT_EQ(Scalar("select sms_user||'/'||coalesce(sms_host,'-') from jxc_smscs"), "u1/-");
    // Found at the next login, nothing is added twice.
    UpgradeSchema(c);
    EXPECT_EQ(c.ColumnNames("jxc_smscs").size(), columns.size());
}

TEST_F(UpgradeTest, LookupIndexesMissingFromAnOlderSetAreBuiltWhateverTheStamp)
{
    CreateAllTables(c);
    const QString indexes = c.IsServer() ? "select count(*) from pg_indexes where schemaname=current_schema()"
                                         : "select count(*) from sqlite_master where type='index'";
    const QString all = Scalar(indexes);
    c.Exec("drop index ix_jxc_posxsd_xsrq; drop index ix_jxc_goodslist_walk; drop index ix_jxc_jhspmx_tid; "
           "drop index ix_jxc_jhd_gl_djh");
    c.Exec("update jxc_xtcs set cs_employdate='2023-04-30'");
    UpgradeSchema(c);
    EXPECT_EQ(Scalar(indexes), all);
    const QString walk = c.IsServer() ? "select indexdef from pg_indexes where indexname='ix_jxc_goodslist_walk'"
                                      : "select sql from sqlite_master where name='ix_jxc_goodslist_walk'";
    EXPECT_TRUE(Scalar(walk).contains("g_sn")) << Scalar(walk).toStdString();
    // Found at the next login, nothing is built twice.
    UpgradeSchema(c);
    EXPECT_EQ(Scalar(indexes), all);
    // An index no longer wanted is dropped from an older set.
    c.Exec("create index ix_jxc_goodslist_kind on jxc_goodslist (gl_flag,gl_kdrq)");
    UpgradeSchema(c);
    EXPECT_EQ(Scalar(indexes), all);
}

}
