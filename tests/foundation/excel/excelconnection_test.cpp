#include "foundation/datamodule.h"
#include "platform/db/dberror.h"
#include "platform/sheet/sheetwriter.h"
#include "support/accountset.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class ExcelConnectionTest : public AccountSetTest, public ::testing::WithParamInterface<const char*> {
protected:
    // A workbook with a blank heading, an empty cell and a number column.
    QString Workbook(const QString& name, const QString& firstCode)
    {
        SheetTable table;
        table.captions = { "商品编号", "商品名称", "", "数量" };
        table.rows = { { firstCode, "衬衫", QVariant(), "5" }, { 6901234567890LL, QVariant(), "x", 3 } };
        const QString path = Folder() + name + QLatin1String(GetParam());
        QString error;
        const bool written = QLatin1String(GetParam()) == QLatin1String(".xls") ? WriteXls(path, table, &error)
                                                                                : WriteXlsx(path, table, &error);
        EXPECT_TRUE(written) << error.toStdString();
        return path;
    }
};

TEST_P(ExcelConnectionTest, FirstSheetReadsAsATable)
{
    ConnectExcel(Workbook("goods", "A1"));
    const QStringList names = ExcelSheetNames();
    ASSERT_EQ(names, QStringList({ "Sheet1" }));
    Query& q = dm->Q_Excel;

    // The mapping step opens the sheet without rows to learn its columns.
    OpenQuery(q, "select * from [" + names.first() + "] where 1>2");
    EXPECT_EQ(q.RecordCount(), 0);
    EXPECT_EQ(q.FieldNames(), QStringList({ "商品编号", "商品名称", "F3", "数量" }));

    OpenQuery(q, "select * from [" + names.first() + "] ");
    ASSERT_EQ(q.RecordCount(), 2);
    q.First();
    EXPECT_EQ(q.FieldByName("商品编号").AsString(), "A1");
    EXPECT_EQ(q.FieldByName("商品名称").AsString(), "衬衫");
    EXPECT_TRUE(q.FieldAt(2).IsNull());
    EXPECT_EQ(q.FieldAt(3).AsString(), "5");
    q.Next();
    EXPECT_EQ(q.FieldAt(0).AsString(), "6901234567890");
    EXPECT_TRUE(q.FieldByName("商品名称").IsNull());
    EXPECT_EQ(q.FieldByName("F3").AsString(), "x");
    EXPECT_DOUBLE_EQ(q.FieldByName("数量").AsFloat(), 3);

    CloseExcel();
    EXPECT_FALSE(dm->XLSConn.Connected());

    // A second workbook replaces the first.
    ConnectExcel(Workbook("other", "B7"));
    OpenQuery(q, "select * from [" + ExcelSheetNames().first() + "] ");
    q.First();
    EXPECT_EQ(q.FieldByName("商品编号").AsString(), "B7");
}

TEST_P(ExcelConnectionTest, UnreadableFileRaisesItsReason)
{
    const QString path = Folder() + "notes" + QLatin1String(GetParam());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("商品编号,商品名称\n");
    f.close();

    ConnectExcel(path);
    const QString expected = QStringLiteral("无法读取文件：notes") + QLatin1String(GetParam()) + "（不是Excel文件）";
    try {
        ExcelSheetNames();
        ADD_FAILURE() << "listing the sheets of a text file succeeded";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), expected);
    }
    try {
        OpenQuery(dm->Q_Excel, "select * from [Sheet1] ");
        ADD_FAILURE() << "opening a text file as a sheet succeeded";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), expected);
    }
    EXPECT_FALSE(dm->XLSConn.Connected());
    EXPECT_FALSE(dm->Q_Excel.Active());
}

INSTANTIATE_TEST_SUITE_P(Formats, ExcelConnectionTest, ::testing::Values(".xlsx", ".xls"),
    [](const auto& info) { return std::string(info.param + 1); });

}
