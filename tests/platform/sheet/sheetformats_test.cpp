// The same workbooks written in both formats must read as the same tables.
#include "platform/sheet/compoundfile.h"
#include "platform/sheet/sheetreader.h"
#include "support/platform/biffbuilder.h"
#include "zipfixture.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

// A workbook of the newer format with the given sheets ("worksheet" or "chartsheet"
// parts), number formats and cell formats, and shared strings.
struct XlsxBook {
    struct Sheet {
        QString name;
        QByteArray rows; // the <row> elements; empty for a chart sheet
        bool chart = false;
    };
    std::vector<Sheet> sheets;
    QByteArray numFmts;
    QByteArray cellXfs = "<xf numFmtId=\"0\"/>";
    QStringList strings;

    std::vector<std::pair<QString, QByteArray>> Parts() const
    {
        const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
        QByteArray list, rels, sst;
        std::vector<std::pair<QString, QByteArray>> parts;
        for (size_t i = 0; i < sheets.size(); ++i) {
            const QByteArray n = QByteArray::number(static_cast<int>(i) + 1);
            const QByteArray kind = sheets[i].chart ? "chartsheet" : "worksheet";
            list += "<sheet name=\"" + sheets[i].name.toUtf8() + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
            rels += "<Relationship Id=\"rId" + n + "\" Type=\"" + rel + kind + "\" Target=\"" + kind + "s/sheet" + n
                + ".xml\"/>";
            parts.push_back({ "xl/" + kind + "s/sheet" + n + ".xml",
                sheets[i].chart
                    ? QByteArray("<chartsheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"/>")
                    : "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
                        + sheets[i].rows + "</sheetData></worksheet>" });
        }
        rels += "<Relationship Id=\"rS\" Type=\"" + rel + "sharedStrings\" Target=\"sharedStrings.xml\"/>";
        rels += "<Relationship Id=\"rT\" Type=\"" + rel + "styles\" Target=\"styles.xml\"/>";
        for (const QString& s : strings)
            sst += "<si><t>" + s.toHtmlEscaped().toUtf8() + "</t></si>";
        parts.push_back({ "_rels/.rels",
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
            "Id=\"rId1\" Type=\""
                + rel + "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>" });
        parts.push_back({ "xl/workbook.xml",
            "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" xmlns:r=\"" + rel.chopped(1)
                + "\"><sheets>" + list + "</sheets></workbook>" });
        parts.push_back({ "xl/_rels/workbook.xml.rels",
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" + rels
                + "</Relationships>" });
        parts.push_back({ "xl/sharedStrings.xml",
            "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" + sst + "</sst>" });
        parts.push_back({ "xl/styles.xml",
            "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><numFmts>" + numFmts
                + "</numFmts><cellXfs>" + cellXfs + "</cellXfs></styleSheet>" });
        return parts;
    }
};

struct Case {
    const char* what;
    std::function<QByteArray()> xls; // the workbook stream
    std::function<XlsxBook()> xlsx;
    QStringList names;
    QStringList columns;
    std::vector<QStringList> rows;
};

QString LongText()
{
    QString text;
    for (int i = 0; i < 60000; ++i)
        text += QChar(i % 3 == 0 ? u'货' : u'a' + i % 26);
    return text;
}

std::vector<Case> Cases()
{
    std::vector<Case> cases;

    cases.push_back({ "formula cells give their cached results, a heading of formulas is the heading",
        [] {
            BiffBuilder b;
            b.Sheet("价目");
            b.FormulaText(0, 0, "商品", true);
            b.FormulaText(0, 1, "金额");
            b.FormulaText(0, 2, "有货");
            b.FormulaText(0, 3, "比率");
            b.FormulaNumber(1, 1, 20);
            b.FormulaText(1, 0, "T恤", true);
            b.FormulaBool(1, 2, true);
            b.FormulaError(1, 3, 0x07);
            b.BoolErr(2, 2, 0, false);
            b.BoolErr(2, 3, 0x0F, true);
            b.Text(2, 0, "裤子", 2);
            b.Rk(2, 1, (35 << 2) | 2);
            b.MulRk(3, 0, { (7 << 2) | 2 | 1, 0x3FF00000 });
            return b.Stream();
        },
        [] {
            XlsxBook x;
            x.sheets.push_back({ "价目",
                "<row r=\"1\"><c r=\"A1\" t=\"str\"><f>\"商品\"</f><v>商品</v></c><c r=\"B1\" "
                "t=\"str\"><f>\"金额\"</f><v>金额</v></c>"
                "<c r=\"C1\" t=\"str\"><f>\"有货\"</f><v>有货</v></c><c r=\"D1\" "
                "t=\"str\"><f>\"比率\"</f><v>比率</v></c></row>"
                "<row r=\"2\"><c r=\"A2\" t=\"str\"><f>\"T恤\"</f><v>T恤</v></c><c r=\"B2\"><f>B2*C2</f><v>20</v></c>"
                "<c r=\"C2\" t=\"b\"><f>TRUE()</f><v>1</v></c><c r=\"D2\" t=\"e\"><f>1/0</f><v>#DIV/0!</v></c></row>"
                "<row r=\"3\"><c r=\"A3\" t=\"s\"><v>0</v></c><c r=\"B3\"><v>35</v></c><c r=\"C3\" t=\"b\"><v>0</v></c>"
                "<c r=\"D3\" t=\"e\"><v>#VALUE!</v></c></row>"
                "<row r=\"4\"><c r=\"A4\"><v>0.07</v></c><c r=\"B4\"><v>1</v></c></row>" });
            x.strings = { "裤子" };
            return x;
        },
        { "价目" }, { "商品", "金额", "有货", "比率" },
        { { "T恤", "20", "True", "#DIV/0!" }, { "裤子", "35", "False", "#VALUE!" }, { "0.07", "1", "", "" } } });

    cases.push_back({ "a chart sheet first: the first worksheet is read; embedded charts and comments are passed over",
        [] {
            BiffBuilder b;
            b.Sheet("图表", 2);
            b.Raw(0x1002, QByteArray(16, '\0'));
            b.Sheet("宏", 1);
            b.Sheet("库存");
            b.Text(0, 0, "编号");
            b.EmbeddedChart();
            b.Raw(0x001C, QByteArray::fromHex("0000000000000100000000")); // a comment
            b.Raw(0x01B6, QByteArray(18, '\0'));
            b.Raw(0x003C, QByteArray("\0note", 5));
            // Far outside the one cell that the sheet declares.
            b.Number(300, 200, 5);
            b.Sheet("Sheet2");
            return b.Stream();
        },
        [] {
            XlsxBook x;
            x.sheets.push_back({ "图表", {}, true });
            x.sheets.push_back({ "库存",
                "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>编号</t></is></c></row>"
                "<row r=\"301\"><c r=\"GS301\"><v>5</v></c></row>" });
            x.sheets.push_back({ "Sheet2", "" });
            return x;
        },
        { "库存", "Sheet2" }, {}, {} });
    {
        // The second case's table: 201 columns, 300 records, one value in the last.
        Case& c = cases.back();
        c.columns << "编号";
        for (int i = 2; i <= 201; ++i)
            c.columns << "F" + QString::number(i);
        QStringList blank;
        for (int i = 0; i < 201; ++i)
            blank << QString();
        c.rows.assign(300, blank);
        c.rows.back()[200] = "5";
    }

    cases.push_back({ "dates, times and durations by custom and built-in formats",
        [] {
            BiffBuilder b;
            b.Format(164, "[h]:mm:ss");
            b.Format(165, "yyyy/m/d");
            const quint16 duration = b.Xf(164), date = b.Xf(165), time56 = b.Xf(56), month57 = b.Xf(57);
            const quint16 builtIn14 = b.Xf(14);
            b.Sheet("日期");
            b.Text(0, 0, "时长");
            b.Text(0, 1, "日期");
            b.Text(0, 2, "时间");
            b.Text(0, 3, "年月");
            b.Text(0, 4, "公式日期");
            b.Number(1, 0, 918610 / 86400.0, duration);
            b.Number(1, 1, 45356, date);
            b.Number(1, 2, 0.75, time56);
            b.Number(1, 3, 45356, month57);
            b.FormulaNumber(1, 4, 45357, builtIn14);
            return b.Stream();
        },
        [] {
            XlsxBook x;
            x.numFmts = "<numFmt numFmtId=\"164\" formatCode=\"[h]:mm:ss\"/><numFmt numFmtId=\"165\" "
                        "formatCode=\"yyyy/m/d\"/>";
            x.cellXfs = "<xf numFmtId=\"0\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/><xf numFmtId=\"56\"/>"
                        "<xf numFmtId=\"57\"/><xf numFmtId=\"14\"/>";
            x.sheets.push_back({ "日期",
                "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>时长</t></is></c><c r=\"B1\" "
                "t=\"inlineStr\"><is><t>日期</t></is></c>"
                "<c r=\"C1\" t=\"inlineStr\"><is><t>时间</t></is></c><c r=\"D1\" "
                "t=\"inlineStr\"><is><t>年月</t></is></c>"
                "<c r=\"E1\" t=\"inlineStr\"><is><t>公式日期</t></is></c></row>"
                "<row r=\"2\"><c r=\"A2\" s=\"1\"><v>"
                    + QByteArray::number(918610 / 86400.0, 'g', 17)
                    + "</v></c><c r=\"B2\" s=\"2\"><v>45356</v></c>"
                      "<c r=\"C2\" s=\"3\"><v>0.75</v></c><c r=\"D2\" s=\"4\"><v>45356</v></c>"
                      "<c r=\"E2\" s=\"5\"><f>B2+1</f><v>45357</v></c></row>" });
            return x;
        },
        { "日期" }, { "时长", "日期", "时间", "年月", "公式日期" },
        { { "255:10:10", "2024-03-05", "18:00:00", "2024-03-05", "2024-03-06" } } });

    cases.push_back({ "a 60,000-character text over many string-table records is read whole",
        [] {
            BiffBuilder b;
            b.Sheet("S");
            b.Text(0, 0, "备注");
            b.Text(1, 0, LongText());
            b.Text(2, 0, QStringLiteral("é") + QString(9000, 'x')); // one-byte characters continued
            return b.Stream();
        },
        [] {
            XlsxBook x;
            x.strings = { "备注", LongText(), QStringLiteral("é") + QString(9000, 'x') };
            x.sheets.push_back({ "S",
                "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row><row r=\"2\"><c r=\"A2\" "
                "t=\"s\"><v>1</v></c></row><row r=\"3\"><c r=\"A3\" t=\"s\"><v>2</v></c></row>" });
            return x;
        },
        { "S" }, { "备注" }, { { LongText() }, { QStringLiteral("é") + QString(9000, 'x') } } });
    return cases;
}

// A compound document whose one stream, under 4096 bytes, lives in the mini stream:
// the header, the allocation table, the directory, the mini table, then the mini
// stream itself in the root entry's sectors.
QByteArray SmallCompoundFile(const QString& name, const QByteArray& stream)
{
    auto put32 = [](QByteArray& b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    const int miniSectors = static_cast<int>((stream.size() + 63) / 64);
    const int dataSectors = (miniSectors * 64 + 511) / 512;
    QByteArray header(512, '\0');
    header.replace(0, 8, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    qToLittleEndian<quint16>(0x3E, header.data() + 24);
    qToLittleEndian<quint16>(3, header.data() + 26);
    qToLittleEndian<quint16>(0xFFFE, header.data() + 28);
    qToLittleEndian<quint16>(9, header.data() + 30);
    qToLittleEndian<quint16>(6, header.data() + 32);
    put32(header, 44, 1);
    put32(header, 48, 1);
    put32(header, 56, 4096);
    put32(header, 60, 2);
    put32(header, 64, 1);
    put32(header, 68, 0xFFFFFFFE);
    for (int i = 0; i < 109; ++i)
        put32(header, 76 + i * 4, i == 0 ? 0 : 0xFFFFFFFF);
    QByteArray fat(512, '\xFF');
    put32(fat, 0, 0xFFFFFFFD);
    put32(fat, 4, 0xFFFFFFFE);
    put32(fat, 8, 0xFFFFFFFE);
    for (int i = 0; i < dataSectors; ++i)
        put32(fat, (3 + i) * 4, i + 1 < dataSectors ? 4 + i : 0xFFFFFFFE);
    QByteArray directory(512, '\0');
    auto entry = [&](int at, const QString& entryName, quint8 type, quint32 child, quint32 start, quint32 size) {
        for (int i = 0; i < entryName.size(); ++i)
            qToLittleEndian<quint16>(entryName.at(i).unicode(), directory.data() + at + i * 2);
        qToLittleEndian<quint16>(static_cast<quint16>((entryName.size() + 1) * 2), directory.data() + at + 64);
        directory[at + 66] = static_cast<char>(type);
        put32(directory, at + 68, 0xFFFFFFFF);
        put32(directory, at + 72, 0xFFFFFFFF);
        put32(directory, at + 76, child);
        put32(directory, at + 116, start);
        put32(directory, at + 120, size);
    };
    entry(0, "Root Entry", 5, 1, 3, static_cast<quint32>(miniSectors * 64));
    entry(128, name, 2, 0xFFFFFFFF, 0, static_cast<quint32>(stream.size()));
    QByteArray miniFat(512, '\xFF');
    for (int i = 0; i < miniSectors; ++i)
        put32(miniFat, i * 4, i + 1 < miniSectors ? i + 1 : 0xFFFFFFFE);
    QByteArray data = stream;
    data.resize(dataSectors * 512, '\0');
    return header + fat + directory + miniFat + data;
}

class SheetFormatsTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(SheetFormatsTest, BothFormatsReadTheSameTable)
{
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteBytes(Path("case.xls"), BuildCompoundFile({ { "Workbook", c.xls() } })));
        ASSERT_TRUE(WriteZip(Path("case.xlsx"), c.xlsx().Parts()));
        for (const QString file : { "case.xls", "case.xlsx" }) {
            SCOPED_TRACE(file.toStdString());
            QStringList names;
            QString error;
            ASSERT_TRUE(SheetReader::SheetNames(Path(file), &names, &error)) << error.toStdString();
            EXPECT_EQ(names, c.names);
            SheetData sheet;
            ASSERT_TRUE(SheetReader::ReadSheet(Path(file), 0, &sheet, &error)) << error.toStdString();
            EXPECT_EQ(sheet.name, c.names.first());
            EXPECT_EQ(sheet.columns, c.columns);
            ASSERT_EQ(sheet.rows.size(), c.rows.size());
            for (size_t r = 0; r < c.rows.size(); ++r)
                EXPECT_EQ(sheet.rows[r], c.rows[r]) << "row " << r;
        }
    }
}

TEST_F(SheetFormatsTest, OlderVersionsAndStreamNames)
{
    // The older version keeps 8-bit texts in the workbook's code page, in a stream named "Book".
    BiffBuilder old(5, 936);
    old.Format(164, "[h]:mm:ss");
    const quint16 duration = old.Xf(164);
    old.Sheet("进货单");
    old.Text(0, 0, "商品名称");
    old.Text(0, 1, "用时");
    old.Text(1, 0, "红色T恤");
    old.Number(1, 1, 1.5, duration);
    old.FormulaText(2, 0, "合计");
    ASSERT_TRUE(WriteBytes(Path("old.xls"), BuildCompoundFile({ { "Book", old.Stream() } })));

    BiffBuilder current;
    current.Sheet("Sheet1");
    current.Text(0, 0, "编号");
    current.Rk(1, 0, 0x405EC000); // 123 as the high half of a double
    ASSERT_TRUE(WriteBytes(Path("capitals.xls"), BuildCompoundFile({ { "WORKBOOK", current.Stream() } })));
    // A stream under 4096 bytes lives in the container's mini stream.
    ASSERT_LT(current.Stream().size(), 4096);
    ASSERT_TRUE(WriteBytes(Path("small.xls"), SmallCompoundFile("Workbook", current.Stream())));

    SheetData sheet;
    QString error;
    ASSERT_TRUE(SheetReader::ReadSheet(Path("old.xls"), 0, &sheet, &error)) << error.toStdString();
    EXPECT_EQ(sheet.name, "进货单");
    EXPECT_EQ(sheet.columns, QStringList({ "商品名称", "用时" }));
    ASSERT_EQ(sheet.RowCount(), 2);
    EXPECT_EQ(sheet.rows[0], QStringList({ "红色T恤", "36:00:00" }));
    EXPECT_EQ(sheet.rows[1], QStringList({ "合计", "" }));
    for (const char* file : { "capitals.xls", "small.xls" }) {
        ASSERT_TRUE(SheetReader::ReadSheet(Path(file), 0, &sheet, &error)) << file << error.toStdString();
        EXPECT_EQ(sheet.columns, QStringList({ "编号" })) << file;
        ASSERT_EQ(sheet.RowCount(), 1) << file;
        EXPECT_EQ(sheet.rows[0], QStringList({ "123" })) << file;
    }
}

// The reasons a reader gives, after "无法读取文件：name（".
const QStringList Reasons = { "文件已损坏", "不是Excel文件", "文件已加密", "工作表不存在", "工作表过大", "文件过大",
    "不支持Excel 4.0及更早的文件格式" };

// Reads a file, which must end within a second with a table or one of the reasons.
void ExpectReadEndsWell(const QString& path, const std::string& what)
{
    QElapsedTimer clock;
    clock.start();
    SheetData sheet;
    QString error;
    if (!SheetReader::ReadSheet(path, 0, &sheet, &error)) {
        const int open = error.indexOf(QStringLiteral("（"));
        const QString reason = error.mid(open + 1).chopped(1);
        EXPECT_TRUE(open > 0 && Reasons.contains(reason)) << what << ": " << error.toStdString();
    }
    EXPECT_LT(clock.elapsed(), 1000) << what;
}

TEST_F(SheetFormatsTest, DamagedFilesEndInAReasonNeverACrashOrAHang)
{
    std::mt19937 random(20240517);
    auto pick = [&](qsizetype n) {
        return static_cast<qsizetype>(random() % static_cast<quint32>(std::max<qsizetype>(n, 1)));
    };

    // The .xls: the first case's workbook, damaged in its records, its sectors and anywhere.
    const Case base = Cases().front();
    const QByteArray stream = base.xls();
    const QByteArray file = BuildCompoundFile({ { "Workbook", stream } });
    // Where each record header of the stream begins, and the container's allocation table.
    std::vector<qsizetype> records;
    for (qsizetype at = 0; at + 4 <= stream.size(); at += 4 + qFromLittleEndian<quint16>(stream.constData() + at + 2))
        records.push_back(at);
    const qsizetype fatAt = 512 * (1 + qFromLittleEndian<quint32>(file.constData() + 76));
    for (int i = 0; i < 2500; ++i) {
        QByteArray bytes = file;
        switch (i % 5) {
        case 0: // flipped bytes anywhere
            for (int k = 0; k < 1 + i % 7; ++k)
                bytes[pick(bytes.size())] = static_cast<char>(random());
            break;
        case 1: { // a record length cut or stretched
            const qsizetype at = 512 + records[static_cast<size_t>(pick(static_cast<qsizetype>(records.size())))];
            qToLittleEndian(static_cast<quint16>(random() % 9000), bytes.data() + at + 2);
            break;
        }
        case 2: { // a sector chain that points elsewhere, loops or runs off the file
            const quint32 values[] = { 0, 1, 2, 7, 0xFFFFFFFE, 0xFFFFFFFD, 100000, static_cast<quint32>(random()) };
            qToLittleEndian(values[random() % 8], bytes.data() + fatAt + 4 * pick(24));
            break;
        }
        case 3: // a record's body overwritten
            for (int k = 0; k < 8; ++k)
                bytes[512 + records[static_cast<size_t>(pick(static_cast<qsizetype>(records.size())))] + 4 + k % 6]
                    = static_cast<char>(random());
            break;
        case 4: // cut short
            bytes.truncate(pick(bytes.size()));
            break;
        }
        ASSERT_TRUE(WriteBytes(Path("m.xls"), bytes));
        ExpectReadEndsWell(Path("m.xls"), "xls mutation " + std::to_string(i));
        if (HasFailure())
            return;
    }

    // The .xlsx: its parts damaged before they are packed, or the package itself.
    const auto parts = base.xlsx().Parts();
    QByteArray packed;
    ASSERT_TRUE(WriteZip(Path("base.xlsx"), parts));
    {
        QFile f(Path("base.xlsx"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        packed = f.readAll();
    }
    for (int i = 0; i < 1000; ++i) {
        auto damaged = parts;
        QByteArray& part = damaged[static_cast<size_t>(pick(static_cast<qsizetype>(damaged.size())))].second;
        switch (i % 4) {
        case 0:
            for (int k = 0; k < 1 + i % 5; ++k)
                part[pick(part.size())] = "<>\"=/&;x1 \xff"[random() % 11];
            break;
        case 1:
            part.truncate(pick(part.size()));
            break;
        case 2: { // entities nested a few levels deep, each ten times the one below
            QByteArray dtd = "<!DOCTYPE x [<!ENTITY e0 \"lol\">";
            for (int level = 1; level < 12; ++level)
                dtd += "<!ENTITY e" + QByteArray::number(level) + " \""
                    + QByteArray("&e" + QByteArray::number(level - 1) + ";").repeated(10) + "\">";
            part = dtd + "]>" + part.replace("<v>", "<v>&e11;");
            break;
        }
        case 3: {
            QByteArray bytes = packed;
            for (int k = 0; k < 1 + i % 5; ++k)
                bytes[pick(bytes.size())] = static_cast<char>(random());
            ASSERT_TRUE(WriteBytes(Path("m.xlsx"), bytes));
            ExpectReadEndsWell(Path("m.xlsx"), "xlsx mutation " + std::to_string(i));
            continue;
        }
        }
        ASSERT_TRUE(WriteZip(Path("m.xlsx"), damaged));
        ExpectReadEndsWell(Path("m.xlsx"), "xlsx mutation " + std::to_string(i));
        if (HasFailure())
            return;
    }
}

}
