#include "foundation/combos.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/settings.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/datasource.h"
#include "platform/grid/datagrid.h"
#include "platform/grid/dbtree.h"
#include "platform/ui/keyedcombo.h"
#include "support/accountset.h"
#include "support/tradefixtures.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace {

QString S(const char* text)
{
    return QString::fromUtf8(text);
}

QString D(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

TEST(PeriodPresets, FollowTheCalendar)
{
    struct Case {
        DatePreset preset;
        QDate today;
        const char* from;
        const char* to;
    } cases[] = {
        { DatePreset::Today, QDate(2024, 3, 31), "2024-03-31", "2024-03-31" },
        { DatePreset::Yesterday, QDate(2024, 3, 1), "2024-02-29", "2024-02-29" },
        { DatePreset::DayBefore, QDate(2024, 3, 1), "2024-02-28", "2024-02-28" },
        { DatePreset::LastSevenDays, QDate(2024, 3, 31), "2024-03-24", "2024-03-31" },
        { DatePreset::LastMonth, QDate(2024, 3, 31), "2024-02-01", "2024-03-31" },
        { DatePreset::ThisMonth, QDate(2024, 3, 31), "2024-03-01", "2024-03-31" },
        { DatePreset::PreviousMonth, QDate(2024, 1, 15), "2023-12-01", "2023-12-31" },
        { DatePreset::PreviousMonth, QDate(2024, 3, 31), "2024-02-01", "2024-02-29" },
        { DatePreset::AllTime, QDate(2024, 3, 31), "2000-01-01", "9999-12-31" },
    };
    for (const Case& c : cases) {
        const Period p = PresetPeriod(c.preset, c.today);
        EXPECT_EQ(D(p.from), QString::fromLatin1(c.from)) << int(c.preset);
        EXPECT_EQ(D(p.to), QString::fromLatin1(c.to)) << int(c.preset);
    }
    const Period week = PresetPeriod(DatePreset::LastSevenDays, QDate(2024, 3, 31));
    EXPECT_EQ(week.from.daysTo(week.to) + 1, 8);
}

TEST(GoodsText, RefusedCharactersAndSafeCondition)
{
    for (QChar c : QStringLiteral("!\"%&',=?@[\\]^"))
        EXPECT_TRUE(IsRefusedGoodsChar(c)) << QString(c).toStdString();
    for (QChar c : QStringLiteral("a1-*#$()/ 衬"))
        EXPECT_FALSE(IsRefusedGoodsChar(c)) << QString(c).toStdString();
    EXPECT_EQ(GoodsTextCondition(S(" a(b "), { QStringLiteral("g_sn"), QStringLiteral("g_name") }),
        S("(g_sn like '%a（b%' or g_name like '%a（b%')"));
    EXPECT_EQ(GoodsTextCondition(QString(), { QStringLiteral("g_sn") }), QStringLiteral("(g_sn like '%%')"));
}

class QueryFrameTest : public AccountSetTest {
protected:
    QStringList Numbers(const QDate& from, const QDate& to)
    {
        return Column(QStringLiteral("select gl_djh from jxc_xjyh where gl_djh<>'' and ")
            + PeriodCondition(QStringLiteral("xj_rq"), from, to) + QStringLiteral(" order by gl_djh"));
    }
};

TEST_F(QueryFrameTest, PeriodEndsAtTheStartOfTheNextDay)
{
    ExecSQL(QStringLiteral("insert into jxc_xjyh (xj_rq,gl_djh,xj_je) values ('1999-12-31 10:00','A',1),"
                           "('2024-03-01','B',1),('2024-03-31 23:59','C',1),('2024-03-31 23:59:30','D',1),"
                           "('2024-04-01 00:00','E',1)"));
    EXPECT_EQ(Numbers(QDate(2024, 3, 1), QDate(2024, 3, 31)),
        (QStringList { QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D") }));
    const Period all = PresetPeriod(DatePreset::AllTime, QDate(2024, 3, 31));
    EXPECT_EQ(Numbers(all.from, all.to).size(), 4); // not the row before 2000
    EXPECT_TRUE(Numbers(QDate(2024, 4, 2), QDate(2024, 4, 1)).isEmpty());
}

TEST_F(QueryFrameTest, PartnerPanelKeepsTheConfirmedCode)
{
    fixture::AddCustomer(QStringLiteral("K1"), S("甲服饰"));
    fixture::AddCustomer(QStringLiteral("K2"), S("乙商行"));
    ExecSQL(QStringLiteral("update jxc_khxx set kt_sn=(select min(kt_sn) from jxc_khtype)"));
    OpenCustomerList(QStringLiteral("0"));
    QWidget window;
    auto* edit = new QLineEdit(&window);
    int searches = 0;
    CurrentCustomerSn.clear();
    PartnerPanel panel(&window, PartnerPanel::Side::Customers, edit, CurrentCustomerSn, [&] { ++searches; });

    edit->setText(S("乙"));
    panel.EditKeyUp();
    EXPECT_TRUE(panel.isVisibleTo(&window));
    ASSERT_EQ(panel.Grid()->RowCount(), 1);
    panel.Grid()->SetCurrentRow(0);
    panel.Confirm();
    EXPECT_EQ(CurrentCustomerSn, QStringLiteral("K2"));
    EXPECT_EQ(edit->text(), S("乙商行"));
    EXPECT_EQ(searches, 1);
    EXPECT_FALSE(panel.isVisibleTo(&window));

    edit->setText(S("甲服"));
    EXPECT_EQ(panel.SearchCode(), QStringLiteral("K2"));
    edit->setText(QStringLiteral("  "));
    EXPECT_EQ(panel.SearchCode(), QString());

    panel.Open();
    // While the panel shows, F2 does not search but still reaches the edit.
    EXPECT_EQ(panel.HandleKey(Qt::Key_F2), PartnerPanel::KeyUse::LeftToControl);
    EXPECT_EQ(panel.HandleKey(Qt::Key_Escape), PartnerPanel::KeyUse::Used);
    EXPECT_EQ(panel.HandleKey(Qt::Key_Escape), PartnerPanel::KeyUse::PanelHidden);
    CurrentCustomerSn.clear();
}

TEST_F(QueryFrameTest, CategoryPanelSearchesTheCurrentNode)
{
    DeclareDatasets({ QStringLiteral("Q_GClassA") });
    QWidget window;
    auto* edit = new QLineEdit(&window);
    int searches = 0;
    CategoryPanel panel(&window, QStringLiteral("Q_GClassA"), edit, [&] { ++searches; });
    panel.Prepare();
    EXPECT_EQ(panel.Condition(QStringLiteral("c")), QStringLiteral("c.gc_sn like '%'"));

    ASSERT_TRUE(panel.Tree()->SelectKey(2));
    panel.Exit(); // the edit keeps its text, the search takes the tree's node
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(panel.Condition(QStringLiteral("c")), QStringLiteral("c.gc_sn like '1000%'"));
    EXPECT_EQ(searches, 0);
    panel.Confirm();
    EXPECT_EQ(edit->text(), S("默认类别"));
    EXPECT_EQ(searches, 1);
}

TEST_F(QueryFrameTest, WarehouseChoiceAndBinding)
{
    fixture::AddWarehouse(QStringLiteral("W2"), S("二号仓"));
    ExecSQL(QStringLiteral("update jxc_ckxx set ck_asn='100009,' where ck_sn='W2'"));
    KeyedCombo combo;
    FillWarehouseChoice(combo);
    EXPECT_EQ(combo.itemText(0), S("所有仓库"));
    EXPECT_EQ(WarehouseChoiceCondition(combo, QStringLiteral("a")), QString());
    EXPECT_EQ(WarehouseBindingCondition(QStringLiteral("b")), QString());

    BindOperatorWarehouse = QStringLiteral("1");
    const QString role = CurrentRoleSn;
    const QString sn = CurrentAdminSn;
    CurrentRoleSn = QStringLiteral("100002");
    CurrentAdminSn = QStringLiteral("100009");
    FillWarehouseChoice(combo);
    EXPECT_EQ(combo.count(), 1);
    EXPECT_EQ(WarehouseChoiceCondition(combo, QStringLiteral("a")), QStringLiteral(" and a.ck_sn='W2'"));
    EXPECT_EQ(WarehouseBindingCondition(QStringLiteral("b")), QStringLiteral(" and b.ck_asn like '%100009%'"));
    BindOperatorWarehouse = QStringLiteral("0");
    CurrentRoleSn = role;
    CurrentAdminSn = sn;
}

TEST_F(QueryFrameTest, DataFilterCountAndCopy)
{
    ExecSQL(QStringLiteral("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je) values ('2024-03-01','XS1','a',1),"
                           "('2024-03-02','CJ1','b',2),('2024-03-03','XS2','c',3)"));
    Query q(&dm->ADOConn);
    DataSource ds(&q);
    OpenQuery(q, QStringLiteral("select * from jxc_xjyh where gl_djh<>'' order by id"));
    DataGrid grid;
    grid.SetDataSource(&ds);
    const int no = grid.AddColumn(QStringLiteral("gl_djh"), QStringLiteral("no"));
    grid.SetFooterVisible(true);
    SetRecordCount(grid, no);

    ApplyDataFilter(grid, QStringLiteral("gl_djh"), { QStringLiteral("XS%") });
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.FooterText(no), S("记录数：2"));
    ApplyDataFilter(grid, QStringLiteral("gl_djh"), { QStringLiteral("XS%"), QStringLiteral("CJ%") });
    EXPECT_EQ(grid.RowCount(), 3);
    ApplyDataFilter(grid, QStringLiteral("gl_djh"), {});
    EXPECT_EQ(grid.RowCount(), 3);

    grid.SetCurrentRow(1);
    CopyDocNo(grid);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("CJ1"));
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    OpenQuery(q, QStringLiteral("select * from jxc_xjyh where 1>2"));
    CopyDocNo(grid);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));
}

} // namespace
