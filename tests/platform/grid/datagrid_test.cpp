#include "platform/db/connection.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/sheet/sheetreader.h"
#include "support/platform/testdb.h"
#include "support/platform/uitest.h"

#include <QComboBox>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

namespace {

class DataGridTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        fresh.Open(c, Folder());
        c.Exec("create table jxc_goods (id integer primary key autoincrement, g_sn varchar(32) collate nocase, "
               "g_name nvarchar(64) collate nocase, g_kc real, g_sj real, g_jy bit not null default 0, "
               "dw_sn varchar(8) collate nocase);"
               "create table jxc_dw (id integer primary key autoincrement, dw_sn varchar(8), dw_name varchar(16));"
               "insert into jxc_dw (dw_sn,dw_name) values ('1','件'),('2','条');"
               "insert into jxc_goods (g_sn,g_name,g_kc,g_sj,g_jy,dw_sn) values "
               "('A01','Shirt',3,12.5,0,'1'),('B02','Jeans',4,99,1,'2'),('C03','SHIRT long',5,7.25,0,'1'),"
               "('D04','Coat',null,300,0,'9'),('E05','T-shirt',10,15,1,null);");
        q.SetConnection(&c);
        q.SetSQL("select * from jxc_goods order by id");
        q.Open();
        grid.SetDataSource(&ds);
        colSn = grid.AddColumn("g_sn", "商品编号", 80);
        colName = grid.AddColumn("g_name", "商品名称", 120);
        colKc = grid.AddColumn("g_kc", "当前库存", 70, Qt::AlignRight | Qt::AlignVCenter);
        colSj = grid.AddColumn("g_sj", "预设售价", 70, Qt::AlignRight | Qt::AlignVCenter);
        colJy = grid.AddColumn("g_jy", "禁用", 40);
        grid.resize(640, 300);
    }

    QString Db(const QString& sql) { return SelectScalar(c, sql); }

    QStringList Shown(int col)
    {
        QStringList out;
        for (int r = 0; r < grid.RowCount(); ++r)
            out << grid.Text(r, col);
        return out;
    }

    QPoint CellCentre(int row, int col) { return grid.visualRect(grid.model()->index(row, col)).center(); }

    TestDb::FreshDatabase fresh;
    Connection c;
    Query q;
    DataSource ds { &q };
    DataGrid grid;
    int colSn = -1, colName = -1, colKc = -1, colSj = -1, colJy = -1;
};

TEST_F(DataGridTest, FooterSumsAndCountsFollowTheFilter)
{
    grid.SetFooterVisible(true);
    grid.SetFooterCount(colSn, "记录数：");
    grid.SetFooterSum(colKc, "0.00");
    grid.SetFooterText(colName, "合计:");
    grid.SetFooterSum(colSj);
    EXPECT_EQ(grid.FooterText(colSn), "记录数：5");
    EXPECT_EQ(grid.FooterText(colKc), "22.00"); // the null stock counts as nothing
    EXPECT_EQ(grid.FooterText(colName), "合计:");
    EXPECT_EQ(grid.FooterText(colSj), "433.75");

    // OR of contains-conditions, without regard to case.
    grid.AddFilter("g_name", "%shirt%");
    grid.AddFilter("g_sn", "%d0%");
    EXPECT_EQ(grid.RowCount(), 5); // not active yet
    grid.SetFilterActive(true);
    EXPECT_EQ(Shown(colSn), QStringList({ "A01", "C03", "D04", "E05" }));
    EXPECT_EQ(grid.FooterText(colSn), "记录数：4");
    EXPECT_EQ(grid.FooterText(colKc), "18.00");
    EXPECT_EQ(grid.FooterText(colSj), "334.75");

    // The same conditions joined by AND.
    grid.SetFilterJoin(GridFilter::Join::And);
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_EQ(grid.FooterText(colSn), "记录数：0");
    EXPECT_EQ(grid.FooterText(colKc), "0.00");

    // The filter's text is one a dataset accepts, giving the rows the grid shows.
    grid.ClearFilter();
    EXPECT_EQ(grid.FilterText(), "");
    EXPECT_EQ(grid.RowCount(), 5);
    grid.AddFilter("g_name", "s%");
    grid.AddFilter("dw_sn", "2");
    grid.SetFilterActive(true);
    EXPECT_EQ(Shown(colSn), QStringList({ "A01", "B02", "C03" }));
    Query print(&c);
    print.SetSQL("select * from jxc_goods order by id");
    print.Open();
    print.SetFilter(grid.FilterText());
    print.SetFiltered(true);
    EXPECT_EQ(print.RecordCount(), grid.RowCount());

    // A null never matches, not even "%"; a pattern's quote survives the text.
    grid.ClearFilter();
    grid.AddFilter("dw_sn", "%");
    grid.AddFilter("g_name", "%o'k%");
    grid.SetFilterActive(true);
    EXPECT_EQ(grid.RowCount(), 4);
    print.SetFilter(grid.FilterText());
    EXPECT_EQ(print.RecordCount(), 4);

    // The incremental search of a picker panel over chosen fields.
    grid.SetSearchColumns({ "g_sn", "g_name" });
    grid.SetSearchText("T");
    EXPECT_EQ(Shown(colSn), QStringList({ "A01", "C03", "D04", "E05" }));
    grid.SetSearchText("");
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_FALSE(grid.FilterActive());
}

TEST_F(DataGridTest, APagedDatasetShowsEveryRowAndSumsWithoutFetchingThem)
{
    grid.SetFooterVisible(true);
    grid.SetFooterCount(colSn, "记录数：");
    grid.SetFooterSum(colSj);
    q.SetPageRows(2);
    q.Open();
    EXPECT_EQ(grid.FooterText(colSn), "记录数：5");
    EXPECT_EQ(grid.FooterText(colSj), "433.75");
    EXPECT_FALSE(q.Complete());
    EXPECT_EQ(grid.Text(4, colSn), "E05");

    q.Open();
    grid.AddFilter("g_name", "%shirt%");
    grid.SetFilterActive(true);
    EXPECT_EQ(Shown(colSn), QStringList({ "A01", "C03", "E05" }));
    EXPECT_EQ(grid.FooterText(colSj), "34.75");
    grid.ClearFilter();

    q.Open();
    grid.SortByColumn(colSj, Qt::DescendingOrder);
    EXPECT_EQ(Shown(colSn), QStringList({ "D04", "B02", "E05", "A01", "C03" }));
}

TEST_F(DataGridTest, FilterAndFooterFollowTheDatasetWhenItChanges)
{
    grid.SetFooterCount(colSn);
    grid.SetFooterSum(colKc);
    grid.AddFilter("g_name", "%shirt%");
    grid.SetFilterActive(true);
    EXPECT_EQ(grid.FooterText(colKc), "18");

    // Reopening applies the filter to the new rows.
    c.Exec("insert into jxc_goods (g_sn,g_name,g_kc) values ('F06','Nightshirt',2)");
    q.Requery();
    EXPECT_EQ(grid.FooterText(colSn), "4");
    EXPECT_EQ(grid.FooterText(colKc), "20");

    // A row appended through the dataset shows at the end; a deleted one goes.
    q.Append();
    q.SetValue("g_sn", "G07");
    q.SetValue("g_name", "Scarf");
    q.SetValue("g_kc", 1);
    q.Post();
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Text(4, colSn), "G07");
    EXPECT_EQ(grid.FooterText(colKc), "21");
    grid.SetCurrentRow(0);
    EXPECT_EQ(q.AsString("g_sn"), "A01");
    q.Delete();
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Text(0, colSn), "C03");
    EXPECT_EQ(grid.FooterText(colKc), "18");
    EXPECT_EQ(Db("select count(*) from jxc_goods where g_sn='A01'"), "0");
}

TEST_F(DataGridTest, CurrentRowAndDatasetCursorMoveTogether)
{
    grid.show();
    QSignalSpy moved(&grid, &DataGrid::currentRowChanged);
    ASSERT_TRUE(q.Locate("g_sn", "C03"));
    EXPECT_EQ(grid.CurrentRow(), 2);
    QTest::keyClick(grid.viewport(), Qt::Key_Down);
    EXPECT_EQ(q.AsString("g_sn"), "D04");
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(1, colName));
    EXPECT_EQ(q.AsString("g_sn"), "B02");
    EXPECT_GE(moved.count(), 3);
    EXPECT_EQ(moved.last().at(0).toInt(), 1);

    // With a filter the grid's rows map onto the dataset's.
    grid.AddFilter("g_jy", "True");
    grid.SetFilterActive(true);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.CurrentRow(), 0); // B02 still shows and stays current
    EXPECT_EQ(grid.Value(1, "g_sn").toString(), "E05");
    grid.SetCurrentRow(1);
    EXPECT_EQ(q.AsString("g_sn"), "E05");
    // Moving the dataset to a row the grid hides makes the grid's first row current.
    q.First();
    EXPECT_EQ(grid.CurrentRow(), 0);
    EXPECT_EQ(q.AsString("g_sn"), "B02");
}

TEST_F(DataGridTest, SortHookReceivesTheColumnAndOrderAndRowsStayAsQueried)
{
    grid.show();
    QList<QPair<int, Qt::SortOrder>> calls;
    grid.SetSortHook([&](int col, Qt::SortOrder order) { calls.append({ col, order }); });
    QHeaderView* h = grid.horizontalHeader();
    const QPoint onKc(h->sectionViewportPosition(colKc) + 10, h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, onKc);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, onKc);
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[0], qMakePair(colKc, Qt::AscendingOrder));
    EXPECT_EQ(calls[1], qMakePair(colKc, Qt::DescendingOrder));
    EXPECT_EQ(Shown(colSn), QStringList({ "A01", "B02", "C03", "D04", "E05" }));
    grid.ClearSort();
    ASSERT_EQ(calls.size(), 3);
    EXPECT_EQ(calls[2].first, -1);
}

TEST_F(DataGridTest, SortsInMemoryWithoutAHookKeepingTheCurrentRecord)
{
    grid.show();
    ASSERT_TRUE(q.Locate("g_sn", "B02"));
    grid.SortByColumn(colKc, Qt::DescendingOrder);
    EXPECT_EQ(Shown(colSn), QStringList({ "E05", "C03", "B02", "A01", "D04" })); // null last when descending
    EXPECT_EQ(grid.CurrentRow(), 2);
    EXPECT_EQ(q.AsString("g_sn"), "B02");
    grid.SortByColumn(colName, Qt::AscendingOrder);
    EXPECT_EQ(Shown(colName).first(), "Coat");
    // A requery keeps the order; removing it restores the dataset's.
    q.Requery();
    EXPECT_EQ(Shown(colName).first(), "Coat");
    grid.ClearSort();
    EXPECT_EQ(Shown(colSn), QStringList({ "A01", "B02", "C03", "D04", "E05" }));
}

TEST_F(DataGridTest, MultiSelectionComesBackInTheOrderChosen)
{
    grid.show();
    grid.SetMultiSelect(true);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(3, colName));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(0, colName));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(2, colName));
    EXPECT_EQ(grid.SelectedRows(), QList<int>({ 3, 0, 2 }));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(0, colName));
    EXPECT_EQ(grid.SelectedRows(), QList<int>({ 3, 2 }));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(0, colName));
    EXPECT_EQ(grid.SelectedRows(), QList<int>({ 3, 2, 0 }));
    // Deleting a chosen row keeps the order of the others, renumbered.
    q.SetRecNo(2);
    q.Delete();
    EXPECT_EQ(grid.SelectedRows(), QList<int>({ 2, 0 }));
    // A plain click starts again.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(1, colName));
    EXPECT_EQ(grid.SelectedRows(), QList<int>({ 1 }));

    grid.SetMultiSelect(false);
    grid.SetCurrentRow(3);
    EXPECT_EQ(grid.SelectedRows(), QList<int>({ 3 }));
}

TEST_F(DataGridTest, CheckColumnWritesBackAtOnceOrWhenTheRowIsLeft)
{
    grid.show();
    grid.SetCheckColumn(colJy, true);
    const QModelIndex a = grid.model()->index(0, colJy);
    EXPECT_EQ(a.data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_TRUE(a.flags() & Qt::ItemIsUserCheckable);
    ASSERT_TRUE(grid.model()->setData(a, Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(Db("select g_jy+0 from jxc_goods where g_sn='A01'"), "1");
    EXPECT_EQ(a.data(Qt::CheckStateRole).toInt(), Qt::Checked);

    grid.SetCheckColumn(colJy, false);
    const QModelIndex b = grid.model()->index(1, colJy);
    ASSERT_TRUE(grid.model()->setData(b, Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_EQ(b.data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(Db("select g_jy+0 from jxc_goods where g_sn='B02'"), "1"); // not yet written
    grid.SetCurrentRow(3);
    EXPECT_EQ(Db("select g_jy+0 from jxc_goods where g_sn='B02'"), "0");

    // Other columns stay read-only unless made editable; an editable number cell writes back.
    const QModelIndex kc = grid.model()->index(2, colKc);
    EXPECT_FALSE(kc.flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid.model()->setData(kc, 8.0));
    grid.SetColumnEditable(colKc, true);
    ASSERT_TRUE(grid.model()->setData(kc, 8.5));
    EXPECT_EQ(Db("select g_kc from jxc_goods where g_sn='C03'"), "8.5");
    // A read-only dataset offers nothing to edit.
    ds.SetReadOnly(true);
    EXPECT_FALSE(kc.flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(a.flags() & Qt::ItemIsUserCheckable);
}

TEST_F(DataGridTest, CellsShowFormatsLookupsImagesAndStyles)
{
    grid.SetColumnFormat(colSj, "￥,0.00;-￥,0.00");
    EXPECT_EQ(grid.Text(3, colSj), "￥300.00");
    EXPECT_EQ(grid.Text(3, colKc), ""); // null stays empty
    EXPECT_EQ(grid.Text(1, colJy), "True");

    Query units(&c);
    units.SetSQL("select * from jxc_dw order by id");
    units.Open();
    const int colDw = grid.AddColumn("dw_sn", "单位");
    grid.SetLookupColumn(colDw, &units, "dw_sn", "dw_name");
    EXPECT_EQ(Shown(colDw), QStringList({ "件", "条", "件", "", "" }));

    QPixmap red(4, 4), blue(4, 4);
    red.fill(Qt::red);
    blue.fill(Qt::blue);
    const QIcon off(red), on(blue);
    grid.SetImageColumn(colJy, { off, on });
    auto image = [&](int row) { return grid.model()->index(row, colJy).data(Qt::DecorationRole).value<QIcon>(); };
    EXPECT_EQ(image(0).cacheKey(), off.cacheKey());
    EXPECT_EQ(image(1).cacheKey(), on.cacheKey());

    grid.SetCellStyler([&](int row, int col, CellStyle& s) {
        if (grid.Value(row, "g_jy").toInt() == 1)
            s.text = Qt::gray;
        if (col == colKc)
            s.bold = true;
    });
    EXPECT_EQ(grid.model()->index(1, colName).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::gray));
    EXPECT_FALSE(grid.model()->index(0, colName).data(Qt::ForegroundRole).isValid());
    EXPECT_TRUE(grid.model()->index(0, colKc).data(Qt::FontRole).value<QFont>().bold());
}

TEST_F(DataGridTest, RowIndicatorNumbersRowsAndMarksTheCurrentCellsHeaders)
{
    grid.show();
    grid.SetRowIndicator(true);
    EXPECT_TRUE(grid.verticalHeader()->isVisible());
    QAbstractItemModel* m = grid.model();
    EXPECT_EQ(m->headerData(0, Qt::Vertical).toInt(), 1);
    EXPECT_EQ(m->headerData(4, Qt::Vertical).toInt(), 5);
    grid.setCurrentIndex(m->index(3, colName));
    EXPECT_EQ(m->headerData(3, Qt::Vertical, Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_FALSE(m->headerData(2, Qt::Vertical, Qt::ForegroundRole).isValid());
    EXPECT_EQ(m->headerData(colName, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_FALSE(m->headerData(colSn, Qt::Horizontal, Qt::ForegroundRole).isValid());
}

TEST_F(DataGridTest, AutoColumnWidthFitsTheGridKeepingProportions)
{
    grid.show();
    grid.SetColumnVisible(colJy, false); // designed 80, 120, 70, 70 shown
    grid.SetAutoColumnWidth(true);
    const int avail = grid.viewport()->width();
    int total = 0;
    for (int col : { colSn, colName, colKc, colSj })
        total += grid.columnWidth(col);
    EXPECT_EQ(total, avail);
    EXPECT_NEAR(double(grid.columnWidth(colName)) / grid.columnWidth(colSn), 1.5, 0.05);
    grid.resize(900, 300);
    QCoreApplication::processEvents();
    EXPECT_GT(grid.columnWidth(colName), 120 * avail / 340);
    // Switched off, the widths stay where they are and the columns may be dragged.
    const int before = grid.columnWidth(colName);
    grid.SetAutoColumnWidth(false);
    grid.resize(500, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.columnWidth(colName), before);
}

TEST_F(DataGridTest, LookupCellOffersTheOtherDatasetAndStoresItsKey)
{
    Query units(&c);
    units.SetSQL("select * from jxc_dw order by id");
    units.Open();
    const int colDw = grid.AddColumn("dw_sn", "单位");
    grid.SetLookupColumn(colDw, &units, "dw_sn", "dw_name");
    grid.SetColumnEditable(colDw, true);
    const QModelIndex cell = grid.model()->index(0, colDw);
    QStyleOptionViewItem option;
    std::unique_ptr<QWidget> editor(grid.itemDelegate()->createEditor(grid.viewport(), option, cell));
    auto* box = qobject_cast<QComboBox*>(editor.get());
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->count(), 2);
    grid.itemDelegate()->setEditorData(box, cell);
    EXPECT_EQ(box->currentText(), "件");
    box->setCurrentIndex(1);
    grid.itemDelegate()->setModelData(box, grid.model(), cell);
    EXPECT_EQ(Db("select dw_sn from jxc_goods where g_sn='A01'"), "2");
    EXPECT_EQ(grid.Text(0, colDw), "条");
}

TEST_F(DataGridTest, EnterDoubleClickAndRightClickAreSignalled)
{
    grid.show();
    QSignalSpy enter(&grid, &DataGrid::enterPressed);
    QSignalSpy twice(&grid, &DataGrid::rowDoubleClicked);
    QSignalSpy menu(&grid, &DataGrid::rightClicked);
    grid.SetCurrentRow(2);
    QTest::keyClick(grid.viewport(), Qt::Key_Return);
    ASSERT_EQ(enter.count(), 1);
    EXPECT_EQ(enter[0][0].toInt(), 2);
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, CellCentre(1, colName));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(1, colName));
    ASSERT_EQ(twice.count(), 1);
    EXPECT_EQ(twice[0][0].toInt(), 1);
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, CellCentre(4, colName));
    EXPECT_EQ(menu.count(), 1);
}

TEST_F(DataGridTest, ExportWritesTheVisibleColumnsOfTheRowsShownAsTheyShow)
{
    grid.SetColumnFormat(colSj, "0.00");
    grid.SetColumnVisible(colKc, false);
    grid.MoveColumn(colName, 0);
    grid.AddFilter("g_name", "%shirt%");
    grid.SetFilterActive(true);
    for (const QString ext : { "xlsx", "xls" }) {
        const QString path = Folder() + "out." + ext;
        QString error;
        ASSERT_TRUE(grid.ExportTo(path, &error)) << error.toStdString();
        SheetData sheet;
        ASSERT_TRUE(SheetReader::ReadSheet(path, 0, &sheet, &error)) << error.toStdString();
        EXPECT_EQ(sheet.columns, QStringList({ "商品名称", "商品编号", "预设售价", "禁用" })) << ext.toStdString();
        ASSERT_EQ(sheet.RowCount(), 3);
        EXPECT_EQ(sheet.Text(0, "商品编号"), "A01");
        EXPECT_EQ(sheet.Text(1, "预设售价"), "7.25");
        EXPECT_EQ(sheet.Text(2, "预设售价"), "15.00");
        EXPECT_EQ(sheet.Text(2, "禁用"), "True");
    }
    QString error;
    EXPECT_FALSE(grid.ExportTo(Folder() + "no/such/folder/out.xlsx", &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
