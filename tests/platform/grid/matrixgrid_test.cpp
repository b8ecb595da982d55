#include "platform/grid/matrixgrid.h"
#include "support/platform/uitest.h"

#include <QLineEdit>
#include <QTest>

namespace {

class MatrixGridTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        in.Build("颜色/尺码", { "S", "M", "L" }, { "红", "蓝" }, "合计");
        stock.Build("颜色/尺码", { "S", "M", "L" }, { "红", "蓝" }, "合计");
        stock.SetReadOnly(true);
        in.SetFollower(&stock);
        in.resize(400, 200);
        in.show();
    }

    // Types into a cell through its editor as the operator does, then Enter; false when
    // the editor refused to close on what was typed (it is then cancelled).
    bool Type(int col, int row, const QString& keys)
    {
        in.setCurrentCell(row, col);
        in.editItem(in.item(row, col));
        auto* editor = in.findChild<QLineEdit*>();
        if (!editor)
            return false;
        editor->clear();
        QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor commits through a queued call and is deleted later.
        QCoreApplication::processEvents();
        const bool closed = !editor->isVisible();
        if (!closed)
            QTest::keyClick(editor, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return closed;
    }

    MatrixGrid in;
    MatrixGrid stock;
};

TEST_F(MatrixGridTest, TotalsFollowEveryEntry)
{
    EXPECT_EQ(in.ColCount(), 5);
    EXPECT_EQ(in.RowCount(), 4);
    EXPECT_EQ(in.Cell(0, 0), "颜色/尺码");
    EXPECT_EQ(in.Cell(4, 0), "合计");
    EXPECT_EQ(in.Cell(0, 3), "合计");
    EXPECT_EQ(in.GrandTotal(), ""); // never computed

    Type(1, 1, "5");
    Type(2, 2, "3");
    Type(2, 1, "2.5");
    EXPECT_EQ(in.Cell(4, 1), "7.5");
    EXPECT_EQ(in.Cell(4, 2), "3");
    EXPECT_EQ(in.Cell(1, 3), "5");
    EXPECT_EQ(in.Cell(2, 3), "5.5");
    EXPECT_EQ(in.Cell(3, 3), ""); // a column nobody touched
    EXPECT_EQ(in.GrandTotal(), "10.5");
    Type(1, 1, "");
    EXPECT_EQ(in.Cell(4, 1), "2.5");
    EXPECT_EQ(in.Cell(1, 3), "0");
    EXPECT_EQ(in.GrandTotal(), "5.5");

    // Headers and totals are never edited; the follower's cursor tracks data cells.
    EXPECT_FALSE(in.item(3, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(in.item(1, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(in.item(1, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(stock.item(1, 1)->flags() & Qt::ItemIsEditable);
    in.setCurrentCell(2, 3);
    EXPECT_EQ(stock.currentRow(), 2);
    EXPECT_EQ(stock.currentColumn(), 3);
}

TEST_F(MatrixGridTest, EditorTakesDigitsAndAPointUpToSevenCharacters)
{
    Type(1, 1, "1a2b3");
    EXPECT_EQ(in.Cell(1, 1), "123");
    Type(2, 1, "123456789");
    EXPECT_EQ(in.Cell(2, 1), "1234567");
    Type(3, 1, "1.2.5");
    EXPECT_EQ(in.Cell(3, 1), "1.25");
    EXPECT_EQ(in.Cell(4, 1), "1234691.25");

    // A lone "." is no quantity: Enter does not take it, nor does leaving the cell,
    // and the cell keeps what it held.
    EXPECT_FALSE(Type(1, 2, "."));
    EXPECT_EQ(in.Cell(1, 2), "");
    EXPECT_FALSE(Type(1, 1, "."));
    EXPECT_EQ(in.Cell(1, 1), "123");
    in.CommitEdit(1, 1, ".");
    EXPECT_EQ(in.Cell(1, 1), "123");
    EXPECT_EQ(in.Cell(1, 3), "123");
    EXPECT_TRUE(Type(1, 2, ".5"));
    EXPECT_EQ(in.Cell(1, 2), ".5");
    EXPECT_EQ(in.Cell(1, 3), "123.5");

    for (const QString ok : { "0", "12", "1.5", ".5", "5." })
        EXPECT_TRUE(MatrixGrid::IsQuantity(ok)) << ok.toStdString();
    for (const QString bad : { "", ".", "1.2.3", "-1", "1e3", "a" })
        EXPECT_FALSE(MatrixGrid::IsQuantity(bad)) << bad.toStdString();
}

TEST_F(MatrixGridTest, EmptyRowsAndColumnsHideInBothGrids)
{
    stock.SetCell(1, 1, "4");
    stock.UpdateTotals(1, 1);
    stock.SetCell(3, 1, "0");
    stock.UpdateTotals(3, 1);
    stock.HideEmpty(true, &in);
    EXPECT_FALSE(stock.isRowHidden(1));
    EXPECT_TRUE(stock.isRowHidden(2));
    EXPECT_TRUE(in.isRowHidden(2));
    EXPECT_FALSE(in.isColumnHidden(1));
    EXPECT_TRUE(in.isColumnHidden(2));
    EXPECT_TRUE(in.isColumnHidden(3)); // holds only "0"
    EXPECT_FALSE(in.isRowHidden(3));   // totals never hide
    EXPECT_FALSE(in.isColumnHidden(4));
    stock.HideEmpty(false, &in);
    EXPECT_FALSE(in.isRowHidden(2));
    EXPECT_FALSE(stock.isColumnHidden(3));
}

TEST_F(MatrixGridTest, AStyledCursorIsDrawnByTheStylerAndFollowsTheEntryGrid)
{
    stock.SetCellStyler([this](int col, int row, CellStyle& s) {
        if (stock.IsDataCell(col, row) && stock.IsCurrent(col, row))
            s.background = Qt::cyan;
    });
    stock.SetStyledCursor(true);
    auto background = [this](int col, int row) { return stock.item(row, col)->background().color(); };
    // A build puts the cursor on the first data cell.
    stock.Build("颜色/尺码", { "S", "M", "L" }, { "红", "蓝" }, "合计");
    EXPECT_TRUE(stock.IsCurrent(1, 1));
    EXPECT_EQ(background(1, 1), QColor(Qt::cyan));

    in.setCurrentCell(2, 3);
    EXPECT_EQ(background(3, 2), QColor(Qt::cyan));
    EXPECT_NE(background(1, 1), QColor(Qt::cyan)) << "the cell left behind is drawn plain again";
    EXPECT_TRUE(stock.selectedItems().isEmpty()) << "no selection of its own";
    in.setCurrentCell(2, 4); // the totals column: the stock cursor stays
    EXPECT_TRUE(stock.IsCurrent(3, 2));
}

TEST_F(MatrixGridTest, PlainTwoRowGridTakesFreeTextAndColoursCells)
{
    MatrixGrid g;
    g.SetFixed(0, 1);
    g.SetQuantityEditor(false);
    g.SetSize(3, 2);
    g.SetCell(0, 0, "红");
    g.SetCell(0, 1, "R1");
    g.CommitEdit(1, 1, "BLUE-SEGMENT");
    EXPECT_EQ(g.Cell(1, 1), "BLUE-SEGMENT");
    g.CommitEdit(1, 0, "changed");
    EXPECT_EQ(g.Cell(1, 0), ""); // the heading row is fixed
    EXPECT_FALSE(g.Totals());

    g.SetCellStyler([&](int col, int row, CellStyle& s) {
        if (row > 0 && !g.Cell(col, row).isEmpty() && g.Cell(col, row) != "0") {
            s.text = Qt::red;
            s.bold = true;
        }
    });
    EXPECT_EQ(g.item(1, 0)->foreground().color(), QColor(Qt::red));
    EXPECT_TRUE(g.item(1, 0)->font().bold());
    EXPECT_FALSE(g.item(1, 2)->font().bold());
    g.SetCell(2, 1, "7");
    EXPECT_TRUE(g.item(1, 2)->font().bold());
}

} // namespace
