#include "reporttest.h"

#include "platform/report/printlog.h"
#include "platform/report/reportpreview.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// A4, 53 rows a page (see the pagination test), sent to the till's printer.
QString ListTemplate(const QString& printer)
{
    return Tpl(
        QStringLiteral(
            "<band type=\"ReportTitle\" height=\"10\">"
            "  <text name=\"title\" left=\"0\" top=\"0\" width=\"190\" height=\"8\">[comName]采购单据</text></band>"
            "<band type=\"MasterData\" dataset=\"t\" height=\"5\">"
            "  <text name=\"row\" left=\"0\" top=\"0\" width=\"50\" height=\"5\">[t.\"g_name\"]</text></band>"),
        QStringLiteral("paper=\"A4\" printer=\"%1\"").arg(printer));
}

QByteArray ReadFile(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int PdfPages(const QString& file)
{
    const QString pdf = QString::fromLatin1(ReadFile(file));
    return int(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

} // namespace

TEST_F(ReportTest, PrintingRecordsTemplateValuesRowsCopiesAndPrinter)
{
    struct Case {
        QString templatePrinter, askedPrinter;
        int copies;
        QString printer;
    };
    const Case cases[] = {
        { QStringLiteral("收银打印机"), QString(), 1, QStringLiteral("收银打印机") },
        { QStringLiteral("收银打印机"), QStringLiteral("LPT2"), 3, QStringLiteral("LPT2") },
        { QString(), QString(), 2, QString() }, // the default printer
    };
    Query* q = Goods(60);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.copies);
        PrintLog::Clear();
        Report r;
        Load(r, ListTemplate(c.templatePrinter));
        r.SetVariable(QStringLiteral("comName"), QStringLiteral("O'Neil服装"));
        r.SetDataset(QStringLiteral("t"), q);
        PrintOptions o;
        o.printer = c.askedPrinter;
        o.copies = c.copies;
        ASSERT_TRUE(r.Print(o)) << r.LastError().toStdString();

        ASSERT_EQ(PrintLog::Records().size(), 1);
        const PrintRecord& rec = *PrintLog::Last();
        EXPECT_EQ(rec.action, QStringLiteral("print"));
        EXPECT_EQ(rec.templateFile, Folder() + QStringLiteral("report/t.fr3"));
        EXPECT_EQ(rec.variables.value(QStringLiteral("comName")), QStringLiteral("O'Neil服装"));
        const PrintedRows rows = rec.datasets.value(QStringLiteral("t"));
        ASSERT_EQ(rows.rows.size(), 60);
        EXPECT_EQ(rows.Text(59, QStringLiteral("g_name")), QStringLiteral("G60"));
        EXPECT_EQ(rec.pages, 2);
        EXPECT_EQ(rec.copies, c.copies);
        EXPECT_EQ(rec.printer, c.printer);
        // Offscreen the paper is a PDF holding every copy.
        EXPECT_TRUE(rec.outputFile.startsWith(Folder() + QStringLiteral("printed/")));
        EXPECT_EQ(PdfPages(rec.outputFile), 2 * c.copies);
    }
}

TEST_F(ReportTest, NoCopiesOrACancelledPrinterDialogPrintNothing)
{
    Report r;
    Load(r, ListTemplate(QString()));
    r.SetDataset(QStringLiteral("t"), Goods(3));
    PrintOptions none;
    none.copies = 0;
    EXPECT_FALSE(r.Print(none));

    PrintOptions ask;
    ask.showDialog = true;
    prompt.OnModal(QStringLiteral("QPrintDialog"), [](QDialog*) { return int(QDialog::Rejected); });
    EXPECT_FALSE(r.Print(ask));
    EXPECT_TRUE(PrintLog::Records().isEmpty());

    prompt.OnModal(QStringLiteral("QPrintDialog"), [](QDialog*) { return int(QDialog::Accepted); });
    EXPECT_TRUE(r.Print(ask));
    ASSERT_EQ(PrintLog::Count(QStringLiteral("print")), 1);
    EXPECT_EQ(PrintLog::Last()->copies, 1);
    EXPECT_TRUE(prompt.AllAnswersUsed());
}

TEST_F(ReportTest, PreviewTurnsPagesZoomsPrintsAndExports)
{
    Report r;
    Load(r, ListTemplate(QString()));
    r.SetDataset(QStringLiteral("t"), Goods(120));
    const QString pdf = Folder() + QStringLiteral("out.pdf");
    const QString png = Folder() + QStringLiteral("out.png");
    prompt.AnswerFile(pdf);
    prompt.AnswerFile(png);
    prompt.OnModal(QStringLiteral("QPrintDialog"), [](QDialog*) { return int(QDialog::Accepted); });
    prompt.OnModal(QStringLiteral("ReportPreview"), [&](QDialog* d) {
        auto* p = qobject_cast<ReportPreview*>(d);
        EXPECT_NE(p, nullptr);
        if (!p)
            return int(QDialog::Rejected);
        EXPECT_EQ(p->PageText(), QStringLiteral("第 1 / 3 页"));
        for (int i = 0; i < 5; ++i)
            p->NextPage();
        EXPECT_EQ(p->PageText(), QStringLiteral("第 3 / 3 页"));
        p->PriorPage();
        EXPECT_EQ(p->CurrentPage(), 1);
        p->FirstPage();
        EXPECT_EQ(p->CurrentPage(), 0);

        p->SetZoom(1.0);
        EXPECT_EQ(p->PageImage().width(), qRound(210 / 25.4 * 96));
        p->ZoomIn();
        EXPECT_GT(p->Zoom(), 1.0);
        EXPECT_GT(p->PageImage().width(), qRound(210 / 25.4 * 96));
        p->ZoomOut();
        p->ZoomOut();
        EXPECT_LT(p->Zoom(), 1.0);

        EXPECT_TRUE(p->btnExportPdfClick());
        EXPECT_TRUE(p->btnExportPngClick());
        EXPECT_TRUE(p->btnPrintClick());
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(r.ShowReport(), int(QDialog::Rejected));
    EXPECT_TRUE(prompt.AllAnswersUsed());

    EXPECT_EQ(PdfPages(pdf), 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(QImage(Folder() + QStringLiteral("out_%1.png").arg(i)).isNull()) << i;
    ASSERT_EQ(PrintLog::Records().size(), 2);
    EXPECT_EQ(PrintLog::Records()[0].action, QStringLiteral("preview"));
    EXPECT_EQ(PrintLog::Records()[0].pages, 3);
    EXPECT_EQ(PrintLog::Records()[1].action, QStringLiteral("print"));
}
