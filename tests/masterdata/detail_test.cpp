#include "goodsfixture.h"

#include "foundation/globals.h"
#include "masterdata/colorsizeside.h"
#include "masterdata/detail.h"
#include "platform/grid/matrixgrid.h"

#include <QLabel>
#include <memory>

namespace {

class DetailTest : public GoodsTest {
protected:
    void SetUp() override
    {
        GoodsTest::SetUp();
        for (const char* s : { "S", "M", "L" })
            sizes << ColorSizeRules::AddItem(SizeSide(), s, "1");
        for (const char* c : { "红", "蓝" })
            colours << ColorSizeRules::AddItem(ColourSide(), c, "2");
        AddGoods("G1", "1000", 42, false, "衬衫");
    }
    void TearDown() override
    {
        AuxTag.clear();
        SelectedSn.clear();
        SelectedLineId.clear();
        GoodsTest::TearDown();
    }
    void Row(const QString& table, int tid, const QString& colour, const QString& size, const QString& qty)
    {
        ExecSQL(QStringLiteral("insert into %1 (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                               "values ('JH1','G1','%2','%3',%4,'admin',%5)")
                    .arg(table, size, colour, qty)
                    .arg(tid));
    }
    std::unique_ptr<TF_Detail> Open(const QString& table, int tid)
    {
        AuxTag = table;
        SelectedSn = "G1";
        SelectedLineId = QString::number(tid);
        auto w = std::make_unique<TF_Detail>();
        w->Activate();
        return w;
    }
    // The grid, row by row, cells joined by "|".
    static QStringList Rows(const MatrixGrid* g)
    {
        QStringList rows;
        for (int r = 0; r < g->RowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < g->ColCount(); ++c)
                cells << g->Cell(c, r);
            rows << cells.join('|');
        }
        return rows;
    }
    QStringList sizes, colours;
};

TEST_F(DetailTest, ThreeSizesByTwoColoursWithTotals)
{
    Row("jxc_jhspmx", 7, colours[1], sizes[2], "4");
    Row("jxc_jhspmx", 7, colours[0], sizes[0], "1");
    Row("jxc_jhspmx", 7, colours[0], sizes[1], "2");
    Row("jxc_jhspmx", 7, colours[1], sizes[0], "0");
    Row("jxc_jhspmx", 8, colours[1], sizes[1], "99"); // another line
    auto w = Open("jxc_jhspmx", 7);
    EXPECT_EQ(
        Rows(w->StringGridIn), (QStringList { "颜色/尺码|S|M|L|合计", "红|1|2||3", "蓝|0||4|4", "合计|1|2|4|7" }));
    EXPECT_EQ(w->lkc->text(), "42");
    EXPECT_EQ(w->lname->text(), "衬衫");

    CellStyle zero, qty, total, grand;
    w->StringGridInDrawCell(1, 2, zero);
    w->StringGridInDrawCell(2, 1, qty);
    w->StringGridInDrawCell(4, 1, total);
    w->StringGridInDrawCell(4, 3, grand);
    EXPECT_FALSE(zero.bold);
    EXPECT_FALSE(zero.background.isValid());
    EXPECT_TRUE(qty.bold);
    EXPECT_EQ(qty.text, QColor(0xFF, 0, 0));
    EXPECT_EQ(total.background, QColor(0x8E, 0xD8, 0x81));
    EXPECT_EQ(total.text, QColor(0, 0, 0xFF));
    EXPECT_EQ(grand.text, QColor(0xFF, 0, 0));
}

TEST_F(DetailTest, MissingColoursFractionsAndEmptyLines)
{
    Row("jxc_xsspmx", 3, colours[0], sizes[0], "1.5");
    Row("jxc_xsspmx", 3, colours[0], sizes[1], "2");
    Row("jxc_xsspmx", 3, "999999", sizes[2], "5"); // its colour was deleted
    auto w = Open("jxc_xsspmx", 3);
    EXPECT_EQ(Rows(w->StringGridIn), (QStringList { "颜色/尺码|S|M|合计", "红|1.5|2|3.5", "合计|1.5|2|3.5" }));

    auto empty = Open("jxc_xsspmx", 4);
    EXPECT_EQ(Rows(empty->StringGridIn), (QStringList { "颜色/尺码||||", "||||0", "||||0", "||||0", "|0|0|0|0" }));
}

TEST_F(DetailTest, OnlyTheDocumentsColourBySizeTablesAreRead)
{
    Row("jxc_jhspmx", 1, colours[0], sizes[0], "3");
    EXPECT_TRUE(TF_Detail::IsDetailTable("jxc_scrkspmx"));
    // A goods table (or anything spliced) is refused before it reaches a statement.
    for (const char* table : { "jxc_goods", "jxc_jhspmx b where 1=1; --" }) {
        auto w = Open(table, 1);
        EXPECT_EQ(w->StringGridIn->ColCount(), 5);
        EXPECT_EQ(w->StringGridIn->Cell(1, 0), "") << table;
    }
}

}
