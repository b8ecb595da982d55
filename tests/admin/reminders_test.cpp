#include "admin/adminwindows.h"
#include "admin/reminders.h"
#include "admin/sjtx.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "listing/queryframe.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/report/reportpreview.h"
#include "support/accountset.h"
#include "support/tradefixtures.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

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

// The reminder window and the stock-alarm query over the same rows.
class ReminderWindowTest : public ReceivablesReminderTest {
protected:
    void SetUp() override
    {
        ReceivablesReminderTest::SetUp();
        RegisterAdminWindows();
        fixture::AddGoods({ QStringLiteral("10010001"), QStringLiteral("圆领T恤") });
        fixture::AddGoods({ QStringLiteral("10010002"), QStringLiteral("牛仔裤") });
        ExecSQL("update jxc_goods set g_kc=5,g_zdkc=10 where g_sn='10010001'");
        ExecSQL("update jxc_goods set g_kc=-2,g_zdkc=0 where g_sn='10010002'");
    }
    void TearDown() override
    {
        CurrentRoleSn = QStringLiteral("100001");
        CurrentCustomerSn.clear();
        ReceivablesReminderTest::TearDown();
    }
    static QStringList Customers(const DataGrid& grid)
    {
        QStringList l;
        for (int r = 0; r < grid.RowCount(); ++r)
            l << grid.Value(r, "k_ghskh").toString();
        return l;
    }
};

TEST_F(ReminderWindowTest, ActivationCountsTheStockAlarmsAndShowsReceivablesByRight)
{
    TF_Sjtx w;
    w.FormActivate();
    EXPECT_EQ(w.cxPage->currentWidget(), w.cxTab3);
    EXPECT_EQ(w.cxGrid3View->RowCount(), 2);
    EXPECT_EQ(w.kctx->text(), QStringLiteral("2 条"));
    EXPECT_TRUE(w.qktx->text().isEmpty());
    EXPECT_TRUE(w.cxPage->isTabVisible(w.cxPage->indexOf(w.cxTab1)));
    // The count stays what activation found while the stock query runs again.
    w.tkey->setText(QStringLiteral("牛仔"));
    w.btnSearch3Click();
    EXPECT_EQ(w.cxGrid3View->RowCount(), 1);
    EXPECT_EQ(w.kctx->text(), QStringLiteral("2 条"));

    ExecSQL("update jxc_goods set g_zdkc=-5");
    CurrentRoleSn = QStringLiteral("100002"); // no right to the receivables
    TF_Sjtx again;
    again.FormActivate();
    EXPECT_EQ(again.kctx->text(), QStringLiteral("0 条"));
    EXPECT_EQ(again.cxGrid3View->RowCount(), 0);
    EXPECT_FALSE(again.cxPage->isTabVisible(again.cxPage->indexOf(again.cxTab1)));
}

TEST_F(ReminderWindowTest, TheCustomerPanelOpensOnTypingOnlyInTheAlarmQuery)
{
    TF_Sjtx reminder;
    reminder.FormActivate();
    reminder.cxPage->setCurrentWidget(reminder.cxTab1);
    EXPECT_EQ(Customers(*reminder.cxGrid1View), (QStringList { "K002", "K003" }));
    EXPECT_EQ(reminder.qktx->text(), QStringLiteral("2 条"));
    QTest::keyClick(reminder.tKhName, Qt::Key_K);
    EXPECT_FALSE(reminder.RzPanel_Kh->isVisibleTo(&reminder));

    // The alarm's panel lists the customers with their type.
    ExecSQL("update jxc_khxx set kt_sn=(select min(kt_sn) from jxc_khtype)");
    TF_Kcbj alarm;
    alarm.FormActivate();
    alarm.cxPage->setCurrentWidget(alarm.cxTab1);
    EXPECT_EQ(Customers(*alarm.cxGrid1View), (QStringList { "K002", "K003", "K005" }));
    EXPECT_FALSE(alarm.cxGrid1View->ColumnVisible(alarm.cxGrid1View->ColumnByField("u_name")));
    alarm.chkKhAll->setChecked(true);
    QTest::keyClicks(alarm.tKhName, QStringLiteral("k003"));
    EXPECT_FALSE(alarm.chkKhAll->isChecked());
    ASSERT_TRUE(alarm.RzPanel_Kh->isVisibleTo(&alarm));
    ASSERT_EQ(alarm.RzPanel_Kh->Grid()->RowCount(), 1); // found by its code
    alarm.RzPanel_Kh->Grid()->SetCurrentRow(0);
    EXPECT_TRUE(alarm.FormKeyDown(Qt::Key_F5));
    EXPECT_EQ(CurrentCustomerSn, QStringLiteral("K003"));
    EXPECT_EQ(Customers(*alarm.cxGrid1View), QStringList { "K003" });
    EXPECT_EQ(alarm.qktx->text(), QStringLiteral("1 条"));

    alarm.chkKhAll->click();
    EXPECT_TRUE(alarm.tKhName->text().isEmpty());
    EXPECT_EQ(alarm.cxGrid1View->RowCount(), 3);
}

TEST_F(ReminderWindowTest, OnlyTheReminderPrintsTheStockAlarms)
{
    const QString source = QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../resources/report/sjtxkc.fr3");
    QDir().mkpath(Folder() + "report");
    QFile::remove(Folder() + "report/sjtxkc.fr3");
    ASSERT_TRUE(QFile::copy(source, Folder() + "report/sjtxkc.fr3"));
    QStringList printed;
    prompt.OnModal("ReportPreview", [&](QDialog* d) {
        Report* r = static_cast<ReportPreview*>(d)->GetReport();
        for (const PreparedPage& p : r->Pages().pages)
            for (const PreparedItem& i : p.items)
                printed << i.text;
        return 0;
    });
    TF_Kcbj alarm;
    alarm.FormActivate();
    alarm.btnPrintClick();
    EXPECT_TRUE(printed.isEmpty());
    EXPECT_FALSE(alarm.btnPrint3->isVisibleTo(&alarm));

    TF_Sjtx w;
    w.FormActivate();
    w.btnPrintClick();
    EXPECT_TRUE(printed.contains(QStringLiteral("10010002")));
    EXPECT_TRUE(printed.contains(QStringLiteral("仓库：所有仓库")));
}

} // namespace
