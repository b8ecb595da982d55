// The sample reports that the screenshot command and the benchmarks show.
#include "app/devtools/reportsamples.h"
#include "platform/base/displayformat.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/report/preparedreport.h"
#include "platform/report/report.h"
#include "support/platform/uitest.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <memory>

namespace {

double Sum(Query* q, const QString& field)
{
    double s = 0;
    for (int i = 0; i < q->RecordCount(); ++i)
        s += ValueNumber(q->ValueAt(i, q->FieldIndex(field)));
    return s;
}

// Dark pixels inside an item's rectangle.
int Ink(const QImage& img, const QRectF& mm, double dpi)
{
    const double k = dpi / 25.4;
    int n = 0;
    for (int y = int(mm.top() * k); y < int(mm.bottom() * k); ++y)
        for (int x = int(mm.left() * k); x < int(mm.right() * k); ++x)
            n += qGray(img.pixel(x, y)) < 128;
    return n;
}

const PreparedItem* Named(const PreparedPage& p, const QString& name)
{
    for (const PreparedItem& it : p.items)
        if (it.object->name == name)
            return &it;
    return nullptr;
}

} // namespace

class ReportSamplesTest : public UiTest { };

TEST_F(ReportSamplesTest, DocumentSampleRendersWithItsTotalsAndChineseText)
{
    std::unique_ptr<Report> r(SampleDocumentReport(nullptr));
    ASSERT_FALSE(r->Template().Empty()) << DeliveredTemplate(QStringLiteral("cgjh.fr3")).toStdString();
    ASSERT_EQ(r->PageCount(), 1);
    const PreparedPage& p = r->Pages().pages[0];
    Query* lines = r->Dataset(QStringLiteral("frxDBDataset1"));
    EXPECT_EQ(Named(p, QStringLiteral("sumQty"))->text, NumberText(Sum(lines, QStringLiteral("t_sl"))));
    EXPECT_EQ(Named(p, QStringLiteral("sumAmount"))->text,
        FormatFloat(QStringLiteral("#,0.00"), Sum(lines, QStringLiteral("je"))));
    EXPECT_EQ(Named(p, QStringLiteral("words"))->text,
        QStringLiteral("金额大写：") + r->Variable(QStringLiteral("yf")).toString());
    EXPECT_EQ(Named(p, QStringLiteral("pageNo"))->text, QStringLiteral("第 1 页 / 共 1 页"));

    const QString pdf = SampleFile(QStringLiteral("cgjh.pdf"));
    ASSERT_TRUE(r->ExportPdf(pdf)) << r->LastError().toStdString();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("NotoSansCJK")); // the CJK font is embedded

    const QStringList png = r->ExportPng(SampleFile(QStringLiteral("cgjh.png")), 150);
    ASSERT_EQ(png.size(), 1);
    const QImage img(png[0]);
    EXPECT_GT(Ink(img, Named(p, QStringLiteral("title"))->rect, 150), 200);
    EXPECT_GT(Ink(img, Named(p, QStringLiteral("company"))->rect, 150), 200);
}

TEST_F(ReportSamplesTest, ListSampleRunsOverTwoPages)
{
    std::unique_ptr<Report> r(SampleListReport(nullptr));
    ASSERT_FALSE(r->Template().Empty());
    ASSERT_EQ(r->PageCount(), 2);
    const int rows = r->Dataset(QStringLiteral("cgjhdjb"))->RecordCount();
    int printed = 0;
    for (const PreparedPage& p : r->Pages().pages)
        for (const PreparedItem& it : p.items)
            printed += it.object->text == QLatin1String("[cgjhdjb.\"djh\"]");
    EXPECT_EQ(printed, rows);
    EXPECT_EQ(Named(r->Pages().pages[0], QStringLiteral("bTitle"))->text, QStringLiteral("供货商采购业务单据表"));
    EXPECT_EQ(r->ExportPng(SampleFile(QStringLiteral("cgjhdjb.png")), 120).size(), 2);
    EXPECT_TRUE(r->ExportPdf(SampleFile(QStringLiteral("cgjhdjb.pdf"))));
}
