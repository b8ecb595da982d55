#include "admin/adminwindows.h"
#include "admin/nzjs.h"
#include "admin/settlement.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/grid/datagrid.h"
#include "support/accountset.h"
#include "support/tradefixtures.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <stdexcept>

namespace {

// A small account set around the cut-off 2023-12-31.
class SettlementTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        RegisterAdminWindows();
        LoadSystemSettings();
        fixture::AddWarehouse("W2", "二号仓");
        // The stock ledger: G1 in two warehouses, one row after the cut-off.
        Ledger("cj", "CJ23050100001", "2023-05-01 09:00", "100001", 10, 10, 100, 10);
        Ledger("xs", "XS23123100001", "2023-12-31 18:00", "100001", -3, 7, 70, 10);
        Ledger("xs", "XS24011000001", "2024-01-10 10:00", "100001", -1, 6, 60, 10);
        Ledger("cj", "CJ23060100001", "2023-06-01 09:00", "W2", 5, 5, 60, 12);
        // Goods-in: approved and pending before the cut-off, one after it.
        fixture::AddGoods({ "G1", "衬衫" });
        Doc("CJ23050100001", "2023-05-01 09:00", 1, 10);
        Doc("CJ23070100001", "2023-07-01 09:00", 0, 4);
        Doc("CJ24010500001", "2024-01-05 09:00", 1, 2);
        ExecSQL("insert into jxc_kcjs (js_rq,ck_sn,js_sl,js_zje,js_cgsl,js_cgje) values "
                "('2023-12','100001',7,70,0,0),('2024-01','100001',6,60,0,0)");
        // Partners: K1 at 0 on the cut-off day, K2 at 80; one row of K2 after it.
        Partner("K1", "2023-03-01", 100);
        Partner("K1", "2023-11-01", 0);
        Partner("K2", "2023-04-01", 50);
        Partner("K2", "2023-10-01", 80);
        Partner("K2", "2024-01-02", 90);
        // Cash: an account at 0 and a pending movement.
        Cash("零钱", "2023-02-01", 100, "1");
        Cash("零钱", "2023-09-01", 0, "1");
        Cash("零钱", "2023-12-01", 999, "0");
        ExecSQL("insert into jxc_log (log_time,a_name,log_note) values ('2023-06-01 10:00:00','admin','old'),"
                "('2024-01-01 08:00:00','admin','new')");
    }

    void Ledger(const QString& kind, const QString& number, const QString& date, const QString& warehouse, double qty,
        double stock, double value, double average)
    {
        dm->ADOConn.Exec(
            "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,ck_sn,gl_sl,gl_kc,gl_kczje,gl_pjjj,"
            "gl_dj,gl_zje,gl_je,gl_sqsl,gl_sqje,ghs_name) values (:k,:n,:d,'G1',:w,:q,:s,:v,:a,:a,:z,:z,1,1,'x')",
            { { "k", kind }, { "n", number }, { "d", date }, { "w", warehouse }, { "q", qty }, { "s", stock },
                { "v", value }, { "a", average }, { "z", qty * average } });
    }

    void Doc(const QString& number, const QString& date, int status, double qty)
    {
        fixture::AddDocument(
            { fixture::Trade::GoodsIn, number, date, "100001", "100001", "100001", status, { { "G1", qty, 10 } } });
        ExecSQL("update jxc_jhd set j_yfje=" + QString::number(qty * 10) + " where gl_djh='" + number + "'");
    }

    void Partner(const QString& sn, const QString& date, double balance)
    {
        dm->ADOConn.Exec("insert into jxc_ysyfk (gl_djh,k_rq,k_yfje,k_sfje,k_ljje,k_type,k_djlx,k_ghskh) "
                         "values ('XS',:d,1,0,:b,'kh','XS',:k)",
            { { "d", date }, { "b", balance }, { "k", sn } });
    }

    void Cash(const QString& account, const QString& date, double balance, const QString& approved)
    {
        dm->ADOConn.Exec("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,xj_ljje,xj_chk,xj_kmmc,ghs_name) "
                         "values (:d,'SK1','收款单',1,:b,:c,:a,'王五')",
            { { "d", date }, { "b", balance }, { "c", approved }, { "a", account } });
    }

    // Every row of the table as text, numbers in their shortest form.
    QStringList Dump(const QString& table, const QString& where = "1=1")
    {
        QStringList out;
        for (const auto& row : dm->ADOConn.Fetch("select * from " + table + " where " + where + " order by id").rows) {
            QStringList fields;
            for (const QVariant& v : row)
                fields << (v.typeId() == QMetaType::Double ? QString::number(v.toDouble(), 'g', 15) : v.toString());
            out << fields.join('|');
        }
        return out;
    }

    std::map<QString, QStringList> State()
    {
        std::map<QString, QStringList> s;
        for (const QString& t : { "jxc_goodslist", "jxc_ysyfk", "jxc_xjyh", "jxc_fpdjb", "jxc_jhd", "jxc_jhsp",
                 "jxc_kcjs", "jxc_nj", "jxc_log" })
            s[t] = Dump(t);
        return s;
    }

    // Runs the window's settlement with the questions answered Yes.
    void RunWindow(bool backup, int questions)
    {
        TF_Nzjs w;
        prompt.OnModal("TF_Nzjs", [&](QDialog* d) {
            auto& n = *static_cast<TF_Nzjs*>(d);
            EXPECT_EQ(n.dateCg->date(), QDate(2023, 12, 31));
            n.chkBackup->setChecked(backup);
            for (int i = 0; i < questions; ++i)
                prompt.Answer(Prompt::Answer::Yes);
            n.btn_OKClick();
            d->reject();
            return d->result();
        });
        w.ShowModal();
    }
};

TEST_F(SettlementTest, SettlingCollapsesEveryLedgerUpToTheCutOff)
{
    const QStringList laterStock = Dump("jxc_goodslist", "gl_kdrq>='2024'");
    const QStringList laterPartners = Dump("jxc_ysyfk", "k_rq>='2024'");
    RunWindow(true, 2);
    EXPECT_EQ(prompt.LastMessage(), "结算完成！");
    ASSERT_EQ(QDir(Folder()).entryList({ "*.DAT" }).size(), 1);
    EXPECT_TRUE(QDir(Folder()).entryList({ "*.DAT" })[0].startsWith("默认帐套(数据结算)24_03_05"));

    EXPECT_EQ(Dump("jxc_goodslist", "gl_kdrq>='2024'"), laterStock);
    EXPECT_EQ(Dump("jxc_ysyfk", "k_rq>='2024'"), laterPartners);
    // A goods in two warehouses keeps one carried row in each, with its balance.
    EXPECT_EQ(Column("select ck_sn||'|'||gl_flag||'|'||gl_djh||'|'||gl_kdrq||'|'||ghs_name||'|'||gl_note from "
                     "jxc_goodslist where gl_kdrq<'2024' order by ck_sn"),
        QStringList({ "100001|qc||2023-12-31 23:59:00|数据结算结转|数据结算结转",
            "W2|qc||2023-12-31 23:59:00|数据结算结转|数据结算结转" }));
    EXPECT_EQ(Scalar("select gl_sl from jxc_goodslist where gl_kdrq<'2024' and ck_sn='100001'").toDouble(), 7);
    EXPECT_EQ(Scalar("select gl_zje from jxc_goodslist where gl_kdrq<'2024' and ck_sn='W2'").toDouble(), 60);
    // A customer at 0 loses his rows; one with a balance keeps it as a carried row.
    EXPECT_EQ(Count("jxc_ysyfk", "k_ghskh='K1'"), 0);
    EXPECT_EQ(Column("select k_rq||'|'||coalesce(k_djtxt,'') from jxc_ysyfk where k_ghskh='K2' order by id"),
        QStringList({ "2023-12-31 23:59:00|数据结算结转", "2024-01-02|" }));
    EXPECT_EQ(Scalar("select k_yfje from jxc_ysyfk where k_ghskh='K2' and k_rq<'2024'").toDouble(), 80);
    // A cash account at 0 keeps its carried row; the pending movement is gone.
    EXPECT_EQ(Column("select xj_rq||'|'||xj_dlx||'|'||coalesce(ghs_name,'') from jxc_xjyh where xj_kmmc='零钱'"),
        QStringList({ "2023-12-31 23:59:00|数据结算结转|" }));
    EXPECT_EQ(Scalar("select xj_je from jxc_xjyh where xj_kmmc='零钱'").toDouble(), 0);
    // Documents: the pending goods-in is gone and counted nowhere; the later one stays.
    EXPECT_EQ(Column("select gl_djh from jxc_jhd"), QStringList({ "CJ24010500001" }));
    EXPECT_EQ(Column("select gl_djh from jxc_jhsp"), QStringList({ "CJ24010500001" }));
    EXPECT_EQ(Column("select nj_xm||'|'||nj_year||'|'||nj_jsrq||'|'||nj_ds from jxc_nj order by id"),
        QStringList({ "采购进货单|2023-12-31|2024-03-05|1" }));
    EXPECT_EQ(Scalar("select nj_sl from jxc_nj").toDouble(), 10);
    EXPECT_EQ(Scalar("select nj_je from jxc_nj").toDouble(), 100);
    // The month of the cut-off goes, the next stays; so do the logs.
    EXPECT_EQ(Column("select js_rq from jxc_kcjs where ck_sn='100001' order by js_rq"), QStringList({ "2024-01" }));
    EXPECT_EQ(Column("select log_note from jxc_log order by id"), QStringList({ "new" }));
}

TEST_F(SettlementTest, ASecondRunAtTheSameDateAsksAndChangesNothing)
{
    RunWindow(false, 2);
    const auto before = State();
    prompt.Clear();
    RunWindow(false, 2);
    EXPECT_EQ(prompt.Questions().value(0), "2023-12-31日期已经结算过了，还要重新结算吗？");
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(QDir(Folder()).entryList({ "*.DAT" }).isEmpty());
}

TEST_F(SettlementTest, AFailingStepLeavesEveryTableAsItWas)
{
    const auto before = State();
    EXPECT_THROW(SettlePeriod(QDate(2023, 12, 31),
                     [](int step, const QString&) {
                         if (step == 9)
                             throw std::runtime_error("injected");
                     }),
        std::runtime_error);
    EXPECT_EQ(State(), before);
}

TEST_F(SettlementTest, AFailedSafetyCopyStopsTheSettlement)
{
    const auto before = State();
    CurrentAccountSetName = QString(300, QChar(0x5e10));
    RunWindow(true, 1);
    EXPECT_TRUE(prompt.LastMessage().startsWith("数据备份失败！\r\n\r\n"));
    EXPECT_EQ(State(), before);
}

}
