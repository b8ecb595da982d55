#include "reporttest.h"

namespace {

const QString kEveryPart = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<report name=\"样单\">"
    "<variables><variable name=\"comName\" value=\"公司\"/><variable name=\"bTitle\" value=\"\"/></variables>"
    "<page paper=\"A5\" orientation=\"landscape\" marginLeft=\"8\" marginTop=\"6\" marginRight=\"8\" "
    "marginBottom=\"6\" "
    "columns=\"2\" columnGap=\"3\" printer=\"标签机\">"
    "<band type=\"ReportTitle\" height=\"20\">"
    "  <text name=\"a\" left=\"1\" top=\"2\" width=\"50\" height=\"6\" font=\"Noto Serif CJK SC\" size=\"14\" "
    "bold=\"1\" "
    "italic=\"1\" underline=\"1\" color=\"#ff0000\" align=\"center\" valign=\"bottom\" wrap=\"1\" format=\"#,0.00\" "
    "frame=\"left,bottom\" frameWidth=\"1.5\" frameColor=\"#0000ff\" fill=\"#eeeeee\" padding=\"1\" "
    "stretch=\"grow\">[comName]\n第二行</text>"
    "  <line left=\"0\" top=\"9\" width=\"100\" height=\"0\" lineWidth=\"2\" color=\"#333333\" stretch=\"band\"/>"
    "  <rect left=\"0\" top=\"10\" width=\"20\" height=\"5\" lineWidth=\"0.5\" fill=\"#cccccc\"/>"
    "  <picture left=\"30\" top=\"10\" width=\"10\" height=\"10\" file=\"picture/logo.png\" keepAspect=\"0\"/>"
    "  <barcode left=\"50\" top=\"10\" width=\"30\" height=\"10\" type=\"qr\" showText=\"0\">[t.\"tm_code\"]</barcode>"
    "</band>"
    "<band type=\"GroupHeader\" name=\"g1\" field=\"cls\" height=\"5\"/>"
    "<band type=\"MasterData\" name=\"m\" dataset=\"t\" height=\"6\" rowsPerPage=\"8\">"
    "  <picture left=\"0\" top=\"0\" width=\"5\" height=\"5\" field=\"t.&quot;pic&quot;\"/>"
    "  <band type=\"Child\" height=\"3\"><text left=\"0\" top=\"0\" width=\"9\" height=\"3\">x</text></band>"
    "</band>"
    "<band type=\"GroupFooter\" group=\"g1\" height=\"5\"/>"
    "<band type=\"ReportSummary\" height=\"5\"/>"
    "<band type=\"PageFooter\" height=\"5\"/>"
    "</page></report>");

} // namespace

TEST_F(ReportTest, TemplatesReadAndWriteEveryPart)
{
    ReportTemplate t;
    QString err;
    ASSERT_TRUE(t.FromXml(kEveryPart.toUtf8(), &err)) << err.toStdString();
    EXPECT_EQ(t.name, QStringLiteral("样单"));
    ASSERT_EQ(t.variables.size(), 2);
    EXPECT_EQ(t.variables[0].first, QStringLiteral("comName"));
    EXPECT_EQ(t.variables[0].second.toString(), QStringLiteral("公司"));
    EXPECT_DOUBLE_EQ(t.page.width, 210); // A5 turned
    EXPECT_DOUBLE_EQ(t.page.height, 148);
    EXPECT_EQ(t.page.columns, 2);
    EXPECT_EQ(t.page.printer, QStringLiteral("标签机"));
    ASSERT_EQ(t.page.bands.size(), 6u);
    const ReportObject& a = t.page.bands[0].objects.at(0);
    EXPECT_EQ(a.text, QStringLiteral("[comName]\n第二行"));
    EXPECT_TRUE(a.bold && a.italic && a.underline && a.wordWrap);
    EXPECT_TRUE(a.frameLeft && a.frameBottom && !a.frameTop && !a.frameRight);
    EXPECT_EQ(a.halign, Qt::AlignHCenter);
    EXPECT_EQ(a.stretch, ReportStretch::Grow);
    EXPECT_EQ(t.page.bands[0].objects.at(4).barcode, ReportBarcodeType::Qr);
    const ReportBand& m = t.page.bands[2];
    EXPECT_EQ(m.rowsPerPage, 8);
    EXPECT_EQ(m.objects.at(0).field, QStringLiteral("t.\"pic\""));
    ASSERT_EQ(m.children.size(), 1u);
    EXPECT_EQ(m.children[0].type, ReportBandType::Child);
    EXPECT_EQ(t.page.bands[1].groupField, QStringLiteral("cls"));
    EXPECT_EQ(t.page.bands[3].group, QStringLiteral("g1"));

    // What is written reads back the same, through a file as the designer will save it.
    Report r;
    Load(r, kEveryPart);
    const QString saved = Folder() + QStringLiteral("report/saved.fr3");
    ASSERT_TRUE(r.SaveToFile(saved));
    Report back;
    ASSERT_TRUE(back.LoadFromFile(saved));
    EXPECT_EQ(back.Template().ToXml(), t.ToXml());
}

TEST_F(ReportTest, UnreadableTemplatesLeaveAnEmptyReport)
{
    for (const QString& xml : { QStringLiteral("<report><page><band type=\"MasterData\""),
             QStringLiteral("<report><page><band type=\"Nonsense\" height=\"5\"/></page></report>"),
             QStringLiteral("<html/>") }) {
        SCOPED_TRACE(xml.toStdString());
        ReportTemplate t;
        QString err;
        EXPECT_FALSE(t.FromXml(xml.toUtf8(), &err));
        EXPECT_FALSE(err.isEmpty());
        EXPECT_TRUE(t.Empty());
    }
}
