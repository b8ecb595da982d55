#include "reporttest.h"

#include "platform/db/valuetext.h"
#include "platform/report/reportexpression.h"
#include "platform/report/reportsamples.h"
#include "platform/ui/displayformat.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

namespace {

double Sum(Query* q, const QString& field)
{
    double s = 0;
    for (int i = 0; i < q->RecordCount(); ++i)
        s += ValueNumber(q->ValueAt(i, q->FieldIndex(field)));
    return s;
}

const PreparedItem* Named(const PreparedPage& p, const QString& name)
{
    for (const PreparedItem& it : p.items)
        if (it.object->name == name)
            return &it;
    return nullptr;
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

} // namespace

// Samples go where VESTORA_REPORT_SAMPLES points, so that they can be looked at.
class SamplesTest : public ReportTest {
protected:
    QString Out(const QString& name)
    {
        const QString dir = qEnvironmentVariable("VESTORA_REPORT_SAMPLES", out_.path());
        QDir().mkpath(dir);
        return QDir(dir).filePath(name);
    }
    QTemporaryDir out_;
};

TEST_F(SamplesTest, DocumentSampleRendersWithItsTotalsAndChineseText)
{
    std::unique_ptr<Report> r(SampleDocumentReport(nullptr));
    ASSERT_FALSE(r->Template().Empty()) << DeliveredTemplate(QStringLiteral("cgjh.fr3")).toStdString();
    ASSERT_EQ(r->PageCount(), 1);
    const PreparedPage& p = r->Pages().pages[0];
    Query* lines = r->Dataset(QStringLiteral("frxDBDataset1"));
    EXPECT_EQ(Named(p, QStringLiteral("sumQty"))->text, NumberText(Sum(lines, QStringLiteral("t_sl"))));
    EXPECT_EQ(Named(p, QStringLiteral("sumAmount"))->text,
              FormatFloat(QStringLiteral("#,0.00"), Sum(lines, QStringLiteral("je"))));
    EXPECT_EQ(Named(p, QStringLiteral("words"))->text, QStringLiteral("金额大写：") + r->Variable(QStringLiteral("yf")).toString());
    EXPECT_EQ(Named(p, QStringLiteral("pageNo"))->text, QStringLiteral("第 1 页 / 共 1 页"));

    const QString pdf = Out(QStringLiteral("cgjh.pdf"));
    ASSERT_TRUE(r->ExportPdf(pdf)) << r->LastError().toStdString();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("NotoSansCJK")); // the CJK font is embedded

    const QStringList png = r->ExportPng(Out(QStringLiteral("cgjh.png")), 150);
    ASSERT_EQ(png.size(), 1);
    const QImage img(png[0]);
    EXPECT_GT(Ink(img, Named(p, QStringLiteral("title"))->rect, 150), 200);
    EXPECT_GT(Ink(img, Named(p, QStringLiteral("company"))->rect, 150), 200);
}

TEST_F(SamplesTest, ListSampleRunsOverTwoPages)
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
    EXPECT_EQ(r->ExportPng(Out(QStringLiteral("cgjhdjb.png")), 120).size(), 2);
    EXPECT_TRUE(r->ExportPdf(Out(QStringLiteral("cgjhdjb.pdf"))));
}

// Every delivered template reads, and names only variables it declares and
// datasets its data bands run over.
TEST_F(SamplesTest, DeliveredTemplatesDeclareWhatTheyUse)
{
    const QDir dir(QFileInfo(ResourceTemplate(QStringLiteral("x"))).absolutePath());
    const QStringList files = dir.entryList({QStringLiteral("*.fr3")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        ReportTemplate t;
        QString err;
        ASSERT_TRUE(t.Load(dir.filePath(file), &err)) << err.toStdString();
        QStringList vars, datasets;
        for (const auto& v : t.variables)
            vars << v.first;
        std::function<void(const ReportBand&)> collect = [&](const ReportBand& b) {
            if (!b.dataset.isEmpty())
                datasets << b.dataset;
            for (const ReportBand& c : b.children)
                collect(c);
        };
        for (const ReportBand& b : t.page.bands)
            collect(b);
        ASSERT_FALSE(datasets.isEmpty());
        std::function<void(const ReportBand&)> check = [&](const ReportBand& b) {
            for (const ReportObject& o : b.objects)
                for (const ReportSegment& s : ParseReportText(o.text)) {
                    if (s.kind == ReportSegment::Kind::Variable) {
                        EXPECT_TRUE(vars.contains(s.text)) << s.text.toStdString();
                    }
                    if (!s.dataset.isEmpty()) {
                        EXPECT_TRUE(datasets.contains(s.dataset)) << s.dataset.toStdString();
                    }
                }
            for (const ReportBand& c : b.children)
                check(c);
        };
        for (const ReportBand& b : t.page.bands)
            check(b);
    }
}

TEST_F(SamplesTest, LabelsGoTwoAcrossAndReceiptsGrowWithTheirLines)
{
    db.Exec(QStringLiteral("create table l(id integer primary key, tm_code text, g_name text, color_name text, "
                           "cm_name text, g_sj real);"
                           "insert into l(tm_code,g_name,color_name,cm_name,g_sj) values "
                           "('69300001010101','纯棉圆领T恤','白色','M',59),('69300001010102','纯棉圆领T恤','白色','L',59),"
                           "('69300001020101','修身牛仔裤','蓝色','30',129)"));
    Report labels;
    ASSERT_TRUE(labels.LoadFromFile(ResourceTemplate(QStringLiteral("txm.fr3"))));
    labels.SetDataset(QStringLiteral("frxDBDataset1"), Open(QStringLiteral("select * from l order by id")));
    ASSERT_EQ(labels.PageCount(), 2);
    QStringList codes;
    for (const PreparedPage& p : labels.Pages().pages)
        for (const PreparedItem& it : p.items)
            if (it.object->kind == ReportObjectKind::Barcode)
                codes << it.text;
    EXPECT_EQ(codes, (QStringList{QStringLiteral("69300001010101"), QStringLiteral("69300001010102"),
                                  QStringLiteral("69300001020101")}));
    EXPECT_EQ(labels.ExportPng(Out(QStringLiteral("txm.png")), 300).size(), 2);

    db.Exec(QStringLiteral("create table s(id integer primary key, gl_djh text, g_name text, pos_sl real, pos_dj real, "
                           "pos_zje real);"
                           "with recursive n(i) as (select 1 union all select i+1 from n where i<10) "
                           "insert into s(gl_djh,g_name,pos_sl,pos_dj,pos_zje) select 'XS2024030500'||i, "
                           "'商品'||i, i%3+1, 19.9, (i%3+1)*19.9 from n"));
    double height[2] = {0, 0};
    for (const QString& file : {QStringLiteral("posxp.fr3"), QStringLiteral("posxp58.fr3")}) {
        SCOPED_TRACE(file.toStdString());
        for (int lines : {3, 10}) {
            Report receipt;
            ASSERT_TRUE(receipt.LoadFromFile(ResourceTemplate(file)));
            receipt.SetVariable(QStringLiteral("bt1"), QStringLiteral("衣尚旗舰店"));
            receipt.SetVariable(QStringLiteral("zffs"), QStringLiteral("现金结账"));
            receipt.SetDataset(QStringLiteral("frxDBDataset1"),
                               Open(QStringLiteral("select * from s where id<=%1 order by id").arg(lines)));
            ASSERT_EQ(receipt.PageCount(), 1);
            height[lines == 10] = receipt.Pages().pages[0].height;
            EXPECT_DOUBLE_EQ(receipt.Pages().pages[0].width, file == QLatin1String("posxp.fr3") ? 80 : 58);
            if (lines == 10) {
                EXPECT_EQ(receipt.ExportPng(Out(file + QStringLiteral(".png")), 203).size(), 1);
            }
        }
        EXPECT_DOUBLE_EQ(height[1] - height[0], 7 * 4.5);
    }
}
