#include "foundation/gridlayout.h"
#include "platform/base/programfolder.h"
#include "platform/grid/datagrid.h"
#include "support/platform/uitest.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

namespace {

class GridLayoutTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        GridLayoutConfirmed.clear();
    }

    // The goods list as designed: code, name, unit, stock.
    static void Design(DataGrid& g, const QStringList& fields)
    {
        for (const QString& f : fields)
            g.AddColumn(f, "列" + f, 80);
    }

    static QStringList Order(const DataGrid& g)
    {
        QStringList out;
        for (int c : g.ColumnOrder())
            out << g.ColumnField(c);
        return out;
    }
};

TEST_F(GridLayoutTest, LayoutRoundTripKeepsOrderWidthsAndVisibilityWithColumnsAddedOrGoneSince)
{
    DataGrid saved;
    Design(saved, { "g_sn", "g_name", "dw_name", "g_kc" });
    saved.MoveColumn(saved.ColumnByField("g_kc"), 0);
    saved.setColumnWidth(saved.ColumnByField("g_name"), 150);
    saved.SetColumnVisible(saved.ColumnByField("dw_name"), false);
    GridLayoutConfirmed = "1";
    SaveGridLayout("spxxgl", &saved);
    EXPECT_TRUE(QFile::exists(ProgramFolder::File("Layout/spxxgl.ini")));
    EXPECT_EQ(prompt.LastMessage(), "布局调整成功！");
    EXPECT_EQ(GridLayoutConfirmed, "");

    // Since then the list gained "g_sj" and lost "g_kc".
    DataGrid later;
    Design(later, { "g_sn", "g_name", "g_sj", "dw_name" });
    later.SetAutoColumnWidth(true);
    const int fitted = later.columnWidth(later.ColumnByField("g_sj"));
    GridLayoutConfirmed = "1";
    LoadGridLayout("spxxgl", &later);
    EXPECT_EQ(GridLayoutConfirmed, "");
    EXPECT_FALSE(later.AutoColumnWidth());
    EXPECT_EQ(Order(later), QStringList({ "g_kc", "g_sn", "g_name", "dw_name", "g_sj" }));
    const int kc = later.ColumnByField("g_kc");
    ASSERT_GE(kc, 0); // named by the file, so it is made
    EXPECT_EQ(later.ColumnCaption(kc), "列g_kc");
    EXPECT_TRUE(later.ColumnVisible(kc));
    EXPECT_EQ(later.columnWidth(later.ColumnByField("g_name")), 150);
    EXPECT_FALSE(later.ColumnVisible(later.ColumnByField("dw_name")));
    EXPECT_TRUE(later.ColumnVisible(later.ColumnByField("g_sj")));
    EXPECT_EQ(later.columnWidth(later.ColumnByField("g_sj")), fitted);

    // Saving again replaces the file: a column shown again comes back with its width.
    later.SetColumnVisible(later.ColumnByField("dw_name"), true);
    SaveGridLayout("spxxgl", &later);
    DataGrid third;
    Design(third, { "g_sn", "g_name", "dw_name", "g_sj", "g_kc" });
    third.SetColumnVisible(third.ColumnByField("dw_name"), false);
    LoadGridLayout("spxxgl", &third);
    EXPECT_TRUE(third.ColumnVisible(third.ColumnByField("dw_name")));
    EXPECT_EQ(third.columnWidth(third.ColumnByField("dw_name")), 80);
    EXPECT_EQ(third.ColumnCount(), 5);
}

TEST_F(GridLayoutTest, MissingFileLeavesTheGridAsDesigned)
{
    DataGrid g;
    Design(g, { "a", "b" });
    g.SetAutoColumnWidth(true);
    GridLayoutConfirmed = "1";
    LoadGridLayout("kccx", &g);
    EXPECT_EQ(GridLayoutConfirmed, "");
    EXPECT_TRUE(g.AutoColumnWidth());
    EXPECT_EQ(Order(g), QStringList({ "a", "b" }));
}

TEST_F(GridLayoutTest, UnwritableLayoutFileIsAnErrorNotASuccess)
{
    QFile blocker(ProgramFolder::File("Layout"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    DataGrid g;
    Design(g, { "a" });
    GridLayoutConfirmed = "1";
    EXPECT_THROW(SaveGridLayout("xjyh", &g), std::exception);
    EXPECT_TRUE(prompt.Messages().isEmpty());
    EXPECT_EQ(GridLayoutConfirmed, "1");
}

TEST_F(GridLayoutTest, HintConfirmedOrCancelledAndAutoWidthOffEitherWay)
{
    DataGrid g;
    Design(g, { "a", "b" });
    g.SetAutoColumnWidth(true);
    GridLayoutConfirmed = "1";
    prompt.OnModal("TF_GridMsg", [](QDialog* d) {
        auto* w = static_cast<TF_GridMsg*>(d);
        EXPECT_EQ(GridLayoutConfirmed, ""); // every showing starts unconfirmed
        EXPECT_EQ(w->windowTitle(), "列表信息界面布局调整操作提示");
        w->btnCancelClick();
        return w->result();
    });
    ShowGridLayoutHint(&g);
    EXPECT_EQ(GridLayoutConfirmed, "");
    EXPECT_FALSE(g.AutoColumnWidth());

    g.SetAutoColumnWidth(true);
    prompt.OnModal("TF_GridMsg", [](QDialog* d) {
        QTest::keyClick(static_cast<TF_GridMsg*>(d)->btnCancel, Qt::Key_F5);
        return d->result();
    });
    ShowGridLayoutHint(&g);
    EXPECT_EQ(GridLayoutConfirmed, "1");
    EXPECT_FALSE(g.AutoColumnWidth());
    EXPECT_TRUE(prompt.AllAnswersUsed());
}

} // namespace
