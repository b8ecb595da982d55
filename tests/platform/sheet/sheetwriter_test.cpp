#include "platform/sheet/sheetreader.h"
#include "platform/sheet/sheetwriter.h"
#include "zipfixture.h"

#include <QDate>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using Writer = bool (*)(const QString&, const SheetTable&, QString*);

struct Format {
    const char* name;
    Writer write;
    const char* extension;
};

class SheetWriterTest : public ::testing::TestWithParam<Format> {
protected:
    QString Path(const QString& name) const { return dir.filePath(name) + QLatin1String(GetParam().extension); }

    SheetData WriteAndRead(const SheetTable& table)
    {
        const QString path = Path("table");
        QString error;
        EXPECT_TRUE(GetParam().write(path, table, &error)) << error.toStdString();
        SheetData sheet;
        EXPECT_TRUE(SheetReader::ReadSheet(path, 0, &sheet, &error)) << error.toStdString();
        return sheet;
    }

    QTemporaryDir dir;
};

TEST_P(SheetWriterTest, RoundTripCellForCell)
{
    const QString longText = QString(QStringLiteral("长文本long")).repeated(700); // 4,200 characters
    SheetTable table;
    table.captions = { "商品编号", "商品名称", "数量", "单价", "备注", "日期", "启用" };
    table.formats = { "", "", "", "0.00" };
    table.formatNumber = [](const QString& format, double value) {
        return format == QLatin1String("0.00") ? QString::number(value, 'f', 2) : QStringLiteral("?");
    };
    table.rows = {
        { "00123", "红色T恤", 3, 12.5, QVariant(), QDate(2024, 3, 5), true },
        { 6901234567890LL, longText, -2.75, 0.1 + 0.2, "  ", QVariant(), false },
        { QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant() },
        { "末行", QString(40000, QChar(u'字')), std::nan(""), QVariant(), "备注" },
    };
    const SheetData sheet = WriteAndRead(table);
    const int maxText = 32767;
    EXPECT_EQ(sheet.name, "Sheet1");
    EXPECT_EQ(sheet.columns, table.captions);
    ASSERT_EQ(sheet.RowCount(), 4);
    // Formatted numbers are the text the format gives; other numbers stay numbers.
    EXPECT_EQ(sheet.rows[0], QStringList({ "00123", "红色T恤", "3", "12.50", "", "2024-03-05", "True" }));
    EXPECT_EQ(sheet.rows[1], QStringList({ "6901234567890", longText, "-2.75", "0.30", "", "", "False" }));
    EXPECT_EQ(sheet.rows[2], QStringList({ "", "", "", "", "", "", "" }));
    // Texts are cut to what the format holds; infinity and not-a-number show nothing.
    EXPECT_EQ(sheet.rows[3], QStringList({ "末行", QString(maxText, QChar(u'字')), "", "", "备注", "", "" }));
}

TEST_P(SheetWriterTest, FailuresLeaveTheTargetAlone)
{
    QString error;
    SheetTable table;
    table.captions = { "A" };
    table.rows = { { 1 } };
    EXPECT_FALSE(GetParam().write(dir.filePath("missing/folder/x") + GetParam().extension, table, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("无法写入文件：x") + GetParam().extension)) << error.toStdString();

    // Too many rows for the format: refused before anything is written.
    const QString path = Path("existing");
    ASSERT_TRUE(WriteBytes(path, "old"));
    const int limit = QLatin1String(GetParam().extension) == QLatin1String(".xls") ? 65536 : 1048576;
    table.rows = QVector<QVector<QVariant>>(limit, { 1 });
    error.clear();
    EXPECT_FALSE(GetParam().write(path, table, &error));
    EXPECT_TRUE(error.contains(QString::number(limit))) << error.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "old");
}

TEST(XlsWriter, LongStringTableOverManyRecordsAndSectors)
{
    // Enough distinct long texts of varied length to split strings at every kind of
    // place over the continuation records of the string table, and to spread the
    // file over more than 109 allocation sectors.
    SheetTable table;
    table.captions = { "序号", "内容" };
    const int rows = 700;
    for (int i = 0; i < rows; ++i)
        table.rows.push_back({ i, QString::number(i) + QString(4000 + i * 37 % 3990, QChar(0x4E00 + i % 500)) });
    QTemporaryDir dir;
    const QString path = dir.filePath("long.xls");
    QString error;
    ASSERT_TRUE(WriteXls(path, table, &error)) << error.toStdString();
    ASSERT_GT(QFileInfo(path).size(), 109LL * 128 * 512);
    SheetData sheet;
    ASSERT_TRUE(SheetReader::ReadSheet(path, 0, &sheet, &error)) << error.toStdString();
    ASSERT_EQ(sheet.RowCount(), rows);
    for (int i = 0; i < rows; ++i) {
        ASSERT_EQ(sheet.Text(i, 0), QString::number(i));
        ASSERT_EQ(sheet.Text(i, 1), table.rows[i][1].toString()) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, SheetWriterTest,
    ::testing::Values(Format { "xlsx", &WriteXlsx, ".xlsx" }, Format { "xls", &WriteXls, ".xls" }),
    [](const auto& info) { return std::string(info.param.name); });

}
