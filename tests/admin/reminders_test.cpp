#include "admin/reminders.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "support/accountset.h"
#include "support/tradefixtures.h"

namespace {

class RemindersTest : public AccountSetTest {
protected:
    void TearDown() override
    {
        BindPartnersWarehouse = QStringLiteral("0");
        AccountSetTest::TearDown();
    }
    // "field:field" for each row the statement gives, in its order.
    static QStringList Rows(const QString& sql, const QString& key, const QString& value)
    {
        Query q(&F_DataModule->ADOConn);
        q.SetSQL(sql);
        q.Open();
        QStringList rows;
        for (q.First(); !q.Eof(); q.Next())
            rows << q.AsString(key) + ":" + QString::number(q.AsFloat(value));
        return rows;
    }
};

TEST_F(RemindersTest, LowStockListsGoodsBelowTheirMinimumInTotalOrPerWarehouse)
{
    struct Goods {
        const char* sn;
        const char* name;
        double stock;
        double minimum;
        int disabled;
    } goods[] = {
        { "10010001", "圆领T恤", 5, 10, 0 },
        { "10010002", "牛仔裤", -2, 0, 0 },                                  // negative stock is below a minimum of 0
        { "10010003", "衬衫", 20, 10, 0 }, { "10010004", "风衣", 1, 10, 1 }, // disabled
    };
    for (const Goods& g : goods) {
        fixture::AddGoods({ QString::fromUtf8(g.sn), QString::fromUtf8(g.name) });
        ExecSQL(QStringLiteral("update jxc_goods set g_kc=%1,g_zdkc=%2,g_jy=%3 where g_sn='%4'")
                    .arg(g.stock)
                    .arg(g.minimum)
                    .arg(g.disabled)
                    .arg(QString::fromUtf8(g.sn)));
    }
    fixture::AddWarehouse("01", "一号仓");
    fixture::SetWarehouseStock("10010001", "01", 3, 10, 3);
    fixture::SetWarehouseStock("10010003", "01", 12, 10, 12);
    fixture::SetWarehouseStock("10010004", "01", 0, 10, 0);

    EXPECT_EQ(Rows(LowStockStatement("-1", ""), "g_sn", "kc"), (QStringList { "10010002:-2", "10010001:5" }));
    EXPECT_EQ(Rows(LowStockStatement("-1", " T恤 "), "g_sn", "kc"), QStringList { "10010001:5" });
    // The jeans hold no stock row in the warehouse, so they are not listed there.
    EXPECT_EQ(Rows(LowStockStatement("01", ""), "g_sn", "kc"), QStringList { "10010001:3" });
    EXPECT_TRUE(Rows(LowStockStatement("01", "'衬衫"), "g_sn", "kc").isEmpty());
}

class ReceivablesReminderTest : public RemindersTest {
protected:
    void SetUp() override
    {
        RemindersTest::SetUp();
        fixture::AddStaff("0001", "王芳");
        for (const char* c : { "K001", "K002", "K003", "K004", "K005" })
            fixture::AddCustomer(c, QStringLiteral("客户") + c);
        ExecSQL("update jxc_khxx set kh_forbid=1 where kh_sn='K004'");
        struct Row {
            const char* customer;
            const char* date;
            double balance;
            const char* staff;
        } rows[] = {
            { "K001", "2024-03-01", 100, "0001" }, { "K001", "2024-03-05", 0, "0001" }, // settled by the latest row
            { "K002", "2024-03-05", 50, "0001" }, { "K002", "2024-03-05", 80, "0001" }, // same day, higher id decides
            { "K002", "2024-03-01", 20, "0001" },                                       // entered later, dated earlier
            { "K003", "2024-03-01", 0, "0001" }, { "K003", "2024-03-02", 30, "0001" },
            { "K004", "2024-03-02", 30, "0001" }, // disabled customer
            { "K005", "2024-03-02", 40, "9999" }, // handler without a staff row
        };
        for (const Row& r : rows)
            ExecSQL(QStringLiteral("insert into jxc_ysyfk (k_ghskh,k_rq,k_ljje,k_type,u_sn) values "
                                   "('%1','%2',%3,'kh','%4')")
                        .arg(QString::fromUtf8(r.customer), QString::fromUtf8(r.date))
                        .arg(r.balance)
                        .arg(QString::fromUtf8(r.staff)));
        // A supplier's row of the same code is not a receivable.
        ExecSQL("insert into jxc_ysyfk (k_ghskh,k_rq,k_ljje,k_type,u_sn) values ('K001','2024-03-09',9,'gys','0001')");
    }
};

TEST_F(ReceivablesReminderTest, ListsEachCustomersLatestRowWhenItsBalanceIsNotZero)
{
    EXPECT_EQ(Rows(ReceivablesStatement(ReceivablesView::Reminder, "", ""), "k_ghskh", "k_ljje"),
        (QStringList { "K002:80", "K003:30" }));
    // The alarm has no staff join, so the handler without a staff row is listed.
    EXPECT_EQ(Rows(ReceivablesStatement(ReceivablesView::Alarm, "", ""), "k_ghskh", "k_ljje"),
        (QStringList { "K002:80", "K003:30", "K005:40" }));
}

TEST_F(ReceivablesReminderTest, FiltersByTheLastConfirmedCustomerUnlessTheNameIsBlankOrAll)
{
    struct Case {
        const char* name;
        const char* code;
        QStringList expected;
    } cases[] = {
        { "客户K003", "K003", { "K003:30" } },
        { "客户K0", "K002", { "K002:80" } }, // typed but not confirmed: the last code holds
        { "  ", "K002", { "K002:80", "K003:30" } },
        { "全部客户", "K002", { "K002:80", "K003:30" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            Rows(ReceivablesStatement(ReceivablesView::Reminder, QString::fromUtf8(c.name), QString::fromUtf8(c.code)),
                "k_ghskh", "k_ljje"),
            c.expected);
    }
}

TEST_F(ReceivablesReminderTest, BoundOperatorSeesHisWarehousesCustomersAndThoseOfAll)
{
    fixture::AddWarehouse("01", "一号仓");
    fixture::AddWarehouse("02", "二号仓");
    ExecSQL("update jxc_ckxx set ck_asn='A01' where ck_sn='01'");
    ExecSQL("update jxc_khxx set ck_sn='02' where kh_sn='K002'");
    ExecSQL("update jxc_khxx set ck_sn='-1' where kh_sn='K003'");
    BindPartnersWarehouse = QStringLiteral("1");
    CurrentRoleSn = QStringLiteral("100002");
    CurrentAdminSn = QStringLiteral("A01");
    EXPECT_EQ(
        Rows(ReceivablesStatement(ReceivablesView::Reminder, "", ""), "k_ghskh", "k_ljje"), QStringList { "K003:30" });
    CurrentRoleSn = QStringLiteral("100001");
    EXPECT_EQ(Rows(ReceivablesStatement(ReceivablesView::Reminder, "", ""), "k_ghskh", "k_ljje"),
        (QStringList { "K002:80", "K003:30" }));
}

} // namespace
