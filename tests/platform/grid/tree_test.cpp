#include "platform/db/connection.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/grid/checktree.h"
#include "platform/grid/dbtree.h"
#include "support/platform/testdb.h"
#include "support/platform/uitest.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

class DbTreeTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        fresh.Open(c, Folder());
        c.Exec("create table jxc_goodsclass (id integer primary key autoincrement, gc_sn varchar(32), "
               "gc_name varchar(64), gc_key integer, gc_pid integer);"
               "insert into jxc_goodsclass (gc_sn,gc_name,gc_key,gc_pid) values "
               "('','所有类别',1,0),('1000','默认类别',2,1),('1001','上衣',3,1),('1001100','衬衫',4,3),"
               "('9','orphan',7,99),('8','loop a',8,9),('9b','loop b',9,8);");
        q.SetConnection(&c);
        q.SetSQL("select * from jxc_goodsclass order by gc_key");
        q.Open();
        tree.SetDataSource(&ds, "gc_key", "gc_pid", "gc_name");
    }

    TestDb::FreshDatabase fresh;
    Connection c;
    Query q;
    DataSource ds { &q };
    DbTree tree;
};

TEST_F(DbTreeTest, NodesHangUnderTheirParentsAndTheCurrentNodeIsTheCurrentRow)
{
    QPixmap p0(4, 4), p1(4, 4);
    p0.fill(Qt::green);
    p1.fill(Qt::yellow);
    const QIcon branch(p0), leaf(p1);
    tree.SetImages(branch, leaf);

    // The root and the parentless row are top nodes; the two rows naming each other
    // do not vanish in a loop.
    QStringList tops;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        tops << tree.topLevelItem(i)->text(0);
    EXPECT_TRUE(tops.contains("所有类别"));
    EXPECT_TRUE(tops.contains("orphan"));
    EXPECT_NE(tree.FindCaption("loop a"), nullptr);
    EXPECT_NE(tree.FindCaption("loop b"), nullptr);
    QTreeWidgetItem* shirts = tree.FindCaption("衬衫");
    ASSERT_NE(shirts, nullptr);
    EXPECT_EQ(shirts->parent()->text(0), "上衣");
    EXPECT_EQ(shirts->parent()->parent()->text(0), "所有类别");
    EXPECT_EQ(shirts->icon(0).cacheKey(), leaf.cacheKey());
    EXPECT_EQ(shirts->parent()->icon(0).cacheKey(), branch.cacheKey());
    EXPECT_EQ(tree.FirstLeaf()->text(0), "默认类别");

    // Choosing a node moves the dataset; moving the dataset chooses the node.
    tree.SelectNode(shirts);
    EXPECT_EQ(q.AsString("gc_sn"), "1001100");
    EXPECT_TRUE(shirts->font(0).bold());
    EXPECT_EQ(shirts->foreground(0).color(), QColor(Qt::red));
    ASSERT_TRUE(q.Locate("gc_sn", "1000"));
    EXPECT_EQ(tree.currentItem()->text(0), "默认类别");
    EXPECT_FALSE(shirts->font(0).bold());

    // Drawn, the current node shows red text and no highlight fill.
    tree.resize(300, 200);
    tree.show();
    tree.expandAll();
    QCoreApplication::processEvents();
    tree.SelectNode(shirts);
    const QRect rect = tree.visualItemRect(shirts);
    const QImage drawn = tree.viewport()->grab().toImage();
    int red = 0;
    int highlight = 0;
    const QColor fill = QApplication::palette().color(QPalette::Highlight);
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor px = drawn.pixelColor(x, y);
            red += px.red() > 200 && px.green() < 90 && px.blue() < 90;
            highlight += px == fill;
        }
    EXPECT_GT(red, 5);
    EXPECT_EQ(highlight, 0);
    ASSERT_TRUE(q.Locate("gc_sn", "1000"));

    // New rows show after a requery; the current node and open branches stay.
    tree.FindCaption("上衣")->setExpanded(true);
    c.Exec("insert into jxc_goodsclass (gc_sn,gc_name,gc_key,gc_pid) values ('1001101','T恤',10,3)");
    q.Requery();
    ASSERT_NE(tree.FindCaption("T恤"), nullptr);
    EXPECT_EQ(tree.FindCaption("T恤")->parent()->text(0), "上衣");
    EXPECT_TRUE(tree.FindCaption("上衣")->isExpanded());
    EXPECT_EQ(tree.CurrentKey().toString(), "2");
}

TEST_F(DbTreeTest, RenamingInPlaceAnnouncesTheNewCaptionWithItsRowCurrent)
{
    tree.show();
    QString stored;
    QObject::connect(&tree, &DbTree::nodeRenamed, [&](const QString& caption) {
        stored = caption;
        // The window stores the name in the current row, as the tree expects.
        q.SetValue("gc_name", caption);
        q.Post();
    });
    ASSERT_TRUE(tree.SelectKey(3));
    tree.RenameCurrent();
    auto* editor = tree.findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("外套");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(stored, "外套");
    EXPECT_EQ(q.AsString("gc_key"), "3");
    EXPECT_EQ(tree.currentItem()->text(0), "外套");
    Query check(&c);
    check.SetSQL("select gc_name from jxc_goodsclass where gc_key=3");
    check.Open();
    EXPECT_EQ(check.AsString("gc_name"), "外套");
}

using CheckTreeTest = UiTest;

TEST_F(CheckTreeTest, AGroupTicksAllItsItemsAndShowsTheirState)
{
    CheckTree t;
    const int g = t.AddGroup("选择操作员");
    t.AddItem(g, "admin", "100001");
    t.AddItem(g, "张三", "100002");
    t.AddItem(g, "李四", "100003");
    t.SetChecked(g, 2, true);
    EXPECT_EQ(t.GroupState(g), Qt::PartiallyChecked);
    EXPECT_EQ(t.CheckedCaptions(), QStringList({ "李四" }));
    t.SetGroupChecked(g, true);
    EXPECT_EQ(t.CheckedCaptions(), QStringList({ "admin", "张三", "李四" }));
    EXPECT_EQ(t.CheckedData(), QList<QVariant>({ "100001", "100002", "100003" }));
    t.SetChecked(g, 0, false);
    EXPECT_EQ(t.GroupState(g), Qt::PartiallyChecked);
    t.SetGroupChecked(g, false);
    EXPECT_TRUE(t.CheckedCaptions().isEmpty());
    EXPECT_EQ(t.GroupState(g), Qt::Unchecked);
}

} // namespace
