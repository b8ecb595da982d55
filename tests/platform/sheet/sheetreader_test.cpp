#include "platform/sheet/celltext.h"
#include "platform/sheet/compoundfile.h"
#include "platform/sheet/sheetreader.h"
#include "support/platform/biffbuilder.h"
#include "zipfixture.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

TEST(CellText, NumbersReadAsPlainDecimals)
{
    const std::vector<std::pair<double, const char*>> cases = {
        { 6901234567890.0, "6901234567890" },
        { 12.0, "12" },
        { -3.25, "-3.25" },
        { 0.1 + 0.2, "0.3" },
        { 1e-7, "0.0000001" },
        { 1e20, "100000000000000000000" },
        { -0.0, "0" },
        { 123456.789, "123456.789" },
        { 2.0 / 3.0, "0.666666666666667" },
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(CellText::Number(value), QString::fromUtf8(text)) << value;
}

TEST(CellText, FormatsThatShowDatesAndTimes)
{
    using K = CellText::DateKind;
    const std::vector<std::pair<const char*, K>> cases = {
        { "yyyy-mm-dd", K::Date },
        { "yyyy\"年\"m\"月\"d\"日\"", K::Date },
        { "mmm-yy", K::Date },
        { "h:mm", K::Time },
        { "mm:ss", K::Time },
        { "[h]:mm:ss", K::Duration },
        { "[mm]:ss", K::Duration },
        { "m/d/yy h:mm", K::DateTime },
        { "General", K::None },
        { "0.00E+00", K::None },
        { "[Red]#,##0.00", K::None },
        { "0.00\"d\"", K::None },
        { "\\m0", K::None },
        { "@", K::None },
        { "0;[Red]yyyy", K::None },
    };
    for (const auto& [format, kind] : cases)
        EXPECT_EQ(CellText::KindOfFormat(QString::fromUtf8(format)), kind) << format;
    EXPECT_EQ(CellText::KindOfBuiltInFormat(14), K::Date);
    EXPECT_EQ(CellText::KindOfBuiltInFormat(22), K::DateTime);
    EXPECT_EQ(CellText::KindOfBuiltInFormat(2), K::None);
    EXPECT_EQ(CellText::KindOfBuiltInFormat(46), K::Duration);
}

TEST(CellText, DateSerials)
{
    using K = CellText::DateKind;
    EXPECT_EQ(CellText::Date(45356, K::Date, false), "2024-03-05");
    EXPECT_EQ(CellText::Date(45356.75, K::DateTime, false), "2024-03-05 18:00:00");
    EXPECT_EQ(CellText::Date(0.5, K::Time, false), "12:00:00");
    EXPECT_EQ(CellText::Date(43894, K::Date, true), "2024-03-05");
    // Either side of the leap day that the 1900 system wrongly counts.
    EXPECT_EQ(CellText::Date(59, K::Date, false), "1900-02-28");
    EXPECT_EQ(CellText::Date(61, K::Date, false), "1900-03-01");
    // Elapsed time keeps its days as hours.
    EXPECT_EQ(CellText::Date(918610 / 86400.0, K::Duration, false), "255:10:10");
    EXPECT_EQ(CellText::Date(0.01, K::Duration, false), "00:14:24");
}

// A workbook of the newer format holding every kind of cell. Its sheets are listed
// in the opposite order of their part names, so "first" must mean first by position.
QByteArray Part(const char* xml)
{
    return QByteArray(xml);
}

std::vector<std::pair<QString, QByteArray>> FixtureParts()
{
    return {
        { "[Content_Types].xml",
            Part("<?xml version=\"1.0\"?><Types "
                 "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>") },
        { "_rels/.rels",
            Part("<?xml version=\"1.0\"?><Relationships "
                 "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                 "<Relationship Id=\"rId1\" "
                 "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
                 "Target=\"xl/workbook.xml\"/>"
                 "</Relationships>") },
        { "xl/workbook.xml",
            Part(
                "<?xml version=\"1.0\"?><workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><workbookPr/><sheets>"
                "<sheet name=\"库存\" sheetId=\"2\" r:id=\"rId2\"/><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/>"
                "</sheets></workbook>") },
        { "xl/_rels/workbook.xml.rels",
            Part("<?xml version=\"1.0\"?><Relationships "
                 "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                 "<Relationship Id=\"rId1\" "
                 "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                 "Target=\"worksheets/sheet1.xml\"/>"
                 "<Relationship Id=\"rId2\" "
                 "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                 "Target=\"/xl/worksheets/sheet2.xml\"/>"
                 "<Relationship Id=\"rId3\" "
                 "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\" "
                 "Target=\"sharedStrings.xml\"/>"
                 "<Relationship Id=\"rId4\" "
                 "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
                 "Target=\"styles.xml\"/>"
                 "</Relationships>") },
        // The cell-style formats come first and must not be taken for the cell formats.
        { "xl/styles.xml",
            Part("<?xml version=\"1.0\"?><styleSheet "
                 "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                 "<numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"yyyy/m/d h:mm\"/></numFmts>"
                 "<cellStyleXfs count=\"1\"><xf numFmtId=\"14\"/></cellStyleXfs>"
                 "<cellXfs count=\"3\"><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/><xf numFmtId=\"164\"/></cellXfs>"
                 "</styleSheet>") },
        { "xl/sharedStrings.xml",
            Part("<?xml version=\"1.0\"?><sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                 "<si><t>商品编号</t></si>"
                 "<si><t>00123</t></si>"
                 "<si><r><rPr><b/></rPr><t>红色</t></r><r><t xml:space=\"preserve\">T恤 </t></r><rPh sb=\"0\" "
                 "eb=\"2\"><t>hongse</t></rPh></si>"
                 "<si><t>第一行_x000D_第二行</t></si>"
                 "</sst>") },
        { "xl/worksheets/sheet2.xml",
            Part("<?xml version=\"1.0\"?><worksheet "
                 "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
                 "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"C1\" t=\"inlineStr\"><is><t> 数量 </t></is></c>"
                 "<c r=\"D1\" t=\"s\"><v>0</v></c><c r=\"E1\" t=\"inlineStr\"><is><t>日期</t></is></c>"
                 "<c r=\"F1\" t=\"inlineStr\"><is><t>备注</t></is></c></row>"
                 "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>1</v></c><c r=\"B2\"><v>6901234567890</v></c><c "
                 "r=\"C2\"><v>12.5</v></c>"
                 "<c r=\"D2\" t=\"b\"><v>1</v></c><c r=\"E2\" s=\"1\"><v>45356</v></c><c r=\"F2\" "
                 "t=\"s\"><v>2</v></c></row>"
                 "<row r=\"3\"><c r=\"A3\" s=\"1\"/></row>"
                 "<row r=\"4\"><c><v>1</v></c><c t=\"e\"><v>#N/A</v></c><c t=\"str\"><f>A4&amp;\"x\"</f><v>1x</v></c>"
                 "<c t=\"b\"><v>0</v></c><c s=\"2\"><v>45356.75</v></c><c t=\"s\"><v>3</v></c></row>"
                 "<row r=\"6\"><c r=\"A6\" s=\"1\"/></row>"
                 "</sheetData></worksheet>") },
        { "xl/worksheets/sheet1.xml",
            Part("<?xml version=\"1.0\"?><worksheet "
                 "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
                 "<row r=\"3\"><c r=\"B3\" t=\"inlineStr\"><is><t>X</t></is></c></row>"
                 "</sheetData></worksheet>") },
    };
}

class SheetReaderTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(SheetReaderTest, XlsxFirstSheetByPositionAsTable)
{
    const QString path = Path("fixture.xlsx");
    ASSERT_TRUE(WriteZip(path, FixtureParts()));

    QStringList names;
    QString error;
    ASSERT_TRUE(SheetReader::SheetNames(path, &names, &error)) << error.toStdString();
    EXPECT_EQ(names, QStringList({ "库存", "Sheet1" }));

    SheetData sheet;
    ASSERT_TRUE(SheetReader::ReadSheet(path, 0, &sheet, &error)) << error.toStdString();
    EXPECT_EQ(sheet.name, "库存");
    // A blank heading and a repeated one are named by position; headings are trimmed.
    EXPECT_EQ(sheet.columns, QStringList({ "商品编号", "F2", "数量", "F4", "日期", "备注" }));
    // The blank third row stays a record; the formatted but empty sixth does not.
    ASSERT_EQ(sheet.RowCount(), 3);
    EXPECT_EQ(sheet.rows[0], QStringList({ "00123", "6901234567890", "12.5", "True", "2024-03-05", "红色T恤" }));
    EXPECT_EQ(sheet.rows[1], QStringList({ "", "", "", "", "", "" }));
    EXPECT_EQ(sheet.rows[2],
        QStringList({ "1", "#N/A", "1x", "False", "2024-03-05 18:00:00", QStringLiteral("第一行\r第二行") }));
    EXPECT_EQ(sheet.Text(0, "数量"), "12.5");
    EXPECT_EQ(sheet.Text(0, "f2"), "6901234567890");
    EXPECT_EQ(sheet.Text(0, "no such column"), "");
    EXPECT_EQ(sheet.Text(5, 0), "");

    // Blank rows above the headings are passed over; columns still count from A.
    ASSERT_TRUE(SheetReader::ReadSheet(path, 1, &sheet, &error));
    EXPECT_EQ(sheet.columns, QStringList({ "F1", "X" }));
    EXPECT_EQ(sheet.RowCount(), 0);
    EXPECT_FALSE(SheetReader::ReadSheet(path, 2, &sheet, &error));
}

TEST_F(SheetReaderTest, UnreadableFilesGiveAReasonNotACrash)
{
    ASSERT_TRUE(WriteBytes(Path("text.xlsx"), "商品编号,名称\r\n1,2\r\n"));
    ASSERT_TRUE(WriteBytes(Path("empty.xls"), QByteArray()));
    ASSERT_TRUE(WriteZip(Path("other.xlsx"), { { "readme.txt", "hello" } }));
    QFile whole(Path("whole.xlsx"));
    ASSERT_TRUE(WriteZip(whole.fileName(), FixtureParts()));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    ASSERT_TRUE(WriteBytes(Path("cut.xlsx"), whole.readAll().left(300)));
    auto broken = FixtureParts();
    broken[6].second = "<worksheet><sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></row>";
    ASSERT_TRUE(WriteZip(Path("badxml.xlsx"), broken));
    ASSERT_TRUE(
        WriteBytes(Path("garbage.xls"), QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(900, 'x')));
    ASSERT_TRUE(WriteBytes(Path("locked.xlsx"),
        BuildCompoundFile(
            { { "EncryptionInfo", QByteArray(200, '\x04') }, { "EncryptedPackage", QByteArray(5000, '\x7f') } })));
    BiffBuilder encrypted;
    encrypted.FilePass();
    encrypted.Sheet("S");
    encrypted.Number(0, 0, 1);
    ASSERT_TRUE(WriteBytes(Path("locked.xls"), BuildCompoundFile({ { "Workbook", encrypted.Stream() } })));
    // Excel 4.0 wrote its sheets as bare records, without the container.
    ASSERT_TRUE(WriteBytes(Path("excel4.xls"), QByteArray::fromHex("090406000000100000000a000000")));
    auto withDtd = FixtureParts();
    withDtd[6].second = "<?xml version=\"1.0\"?><!DOCTYPE worksheet [<!ENTITY a \"aaaaaaaa\"><!ENTITY b "
                        "\"&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]>"
                        "<worksheet><sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>&c;</t></is></c>"
                        "</row></sheetData></worksheet>";
    ASSERT_TRUE(WriteZip(Path("dtd.xlsx"), withDtd));
    auto badRels = FixtureParts();
    badRels[3].second = "<Relationships><Relationship Id=\"rId1\"";
    ASSERT_TRUE(WriteZip(Path("badrels.xlsx"), badRels));
    auto noRels = FixtureParts();
    noRels.erase(noRels.begin() + 3);
    ASSERT_TRUE(WriteZip(Path("norels.xlsx"), noRels));
    // A part that states it inflates to more than 256 MB is refused before it is read.
    ASSERT_TRUE(WriteZip(Path("huge.xlsx"), FixtureParts()));
    ASSERT_TRUE(StateEntrySize(Path("huge.xlsx"), "xl/worksheets/sheet2.xml", 300u * 1024 * 1024));
    ASSERT_TRUE(WriteBytes(Path("nodata.xls"), BuildCompoundFile({ { "WordDocument", QByteArray(100, 'w') } })));

    const std::vector<std::pair<const char*, const char*>> cases = {
        { "missing.xlsx", "文件不存在" },
        { "text.xlsx", "不是Excel文件" },
        { "empty.xls", "不是Excel文件" },
        { "other.xlsx", "不是Excel文件" },
        { "cut.xlsx", "文件已损坏" },
        { "badxml.xlsx", "文件已损坏" },
        { "garbage.xls", "文件已损坏" },
        { "locked.xlsx", "文件已加密" },
        { "locked.xls", "文件已加密" },
        { "nodata.xls", "不是Excel文件" },
        { "excel4.xls", "不支持Excel 4.0及更早的文件格式" },
        { "dtd.xlsx", "文件已损坏" },
        { "badrels.xlsx", "文件已损坏" },
        { "norels.xlsx", "文件已损坏" },
        { "huge.xlsx", "文件过大" },
    };
    for (const auto& [file, reason] : cases) {
        const QString expected = QStringLiteral("无法读取文件：") + QString::fromUtf8(file) + QStringLiteral("（")
            + QString::fromUtf8(reason) + QStringLiteral("）");
        SheetData sheet;
        QStringList names;
        QString error;
        const bool namesOk = SheetReader::SheetNames(Path(file), &names, &error);
        // Only a broken worksheet part lets the names be listed; reading the sheet still fails.
        if (QString::fromUtf8(file) != "badxml.xlsx" && QString::fromUtf8(file) != "dtd.xlsx"
            && QString::fromUtf8(file) != "huge.xlsx") {
            EXPECT_FALSE(namesOk) << file;
            EXPECT_EQ(error, expected) << file;
        }
        error.clear();
        EXPECT_FALSE(SheetReader::ReadSheet(Path(file), 0, &sheet, &error)) << file;
        EXPECT_EQ(error, expected) << file;
    }
}

}
