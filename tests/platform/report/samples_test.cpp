#include "reporttest.h"

#include "platform/base/displayformat.h"
#include "platform/db/valuetext.h"
#include "platform/report/reportexpression.h"

#include <QDir>
#include <QFile>
#include <functional>

class SamplesTest : public ReportTest { };

// Every delivered template reads, and names only variables it declares and
// datasets its data bands run over.
TEST_F(SamplesTest, DeliveredTemplatesDeclareWhatTheyUse)
{
    const QDir dir(QFileInfo(ResourceTemplate(QStringLiteral("x"))).absolutePath());
    const QStringList files = dir.entryList({ QStringLiteral("*.fr3") }, QDir::Files);
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
        // A receipt of variables only (the shift hand-over) runs over no dataset.
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
    db.Exec(
        QStringLiteral("create table l(id integer primary key, tm_code text, g_name text, color_name text, "
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
    EXPECT_EQ(codes,
        (QStringList {
            QStringLiteral("69300001010101"), QStringLiteral("69300001010102"), QStringLiteral("69300001020101") }));
    EXPECT_EQ(labels.ExportPng(SampleFile(QStringLiteral("txm.png")), 300).size(), 2);

    db.Exec(QStringLiteral("create table s(id integer primary key, gl_djh text, g_name text, pos_sl real, pos_dj real, "
                           "pos_zje real);"
                           "with recursive n(i) as (select 1 union all select i+1 from n where i<10) "
                           "insert into s(gl_djh,g_name,pos_sl,pos_dj,pos_zje) select 'XS2024030500'||i, "
                           "'商品'||i, i%3+1, 19.9, (i%3+1)*19.9 from n"));
    double height[2] = { 0, 0 };
    for (const QString& file : { QStringLiteral("posxp.fr3"), QStringLiteral("posxp58.fr3") }) {
        SCOPED_TRACE(file.toStdString());
        for (int lines : { 3, 10 }) {
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
                EXPECT_EQ(receipt.ExportPng(SampleFile(file + QStringLiteral(".png")), 203).size(), 1);
            }
        }
        EXPECT_DOUBLE_EQ(height[1] - height[0], 7 * 4.5);
    }
}
