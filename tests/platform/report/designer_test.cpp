#include "platform/report/reportdesigner.h"
#include "reporttest.h"

#include <QFile>
#include <QKeyEvent>

namespace {

// The designer on a copy of a delivered template in the test's folder.
class DesignerTest : public ReportTest {
protected:
    QString CopyOf(const QString& name)
    {
        const QString target = Folder() + name;
        QFile::remove(target);
        EXPECT_TRUE(QFile::copy(ResourceTemplate(name), target));
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }
    static QByteArray XmlOf(const QString& file)
    {
        ReportTemplate t;
        EXPECT_TRUE(t.Load(file));
        return t.ToXml();
    }
    // The first band holding a text object, and that object's index.
    static std::pair<ReportBandRef, int> FirstText(ReportDesigner& d, ReportObjectKind kind = ReportObjectKind::Text)
    {
        for (const ReportBandRef& ref : d.Bands()) {
            const ReportBand* b = d.Band(ref);
            for (int i = 0; i < int(b->objects.size()); ++i)
                if (b->objects[i].kind == kind)
                    return { ref, i };
        }
        return { ReportBandRef(), -1 };
    }
};

TEST_F(DesignerTest, SavingUntouchedKeepsTheTemplate)
{
    const QString file = CopyOf(QStringLiteral("cgjh.fr3"));
    const QByteArray before = XmlOf(file);
    ReportDesigner d;
    d.OpenFile(file);
    EXPECT_FALSE(d.Modified());
    ASSERT_TRUE(d.Save());
    EXPECT_EQ(XmlOf(file), before);
}

TEST_F(DesignerTest, EditsSurviveSaveAndReloadAndNothingElseChanges)
{
    const QString file = CopyOf(QStringLiteral("cgjh.fr3"));
    ReportDesigner d;
    d.OpenFile(file);
    ReportTemplate expected = d.Template();

    // Move and resize a text object and give it a variable.
    const auto [textBand, textIndex] = FirstText(d);
    ASSERT_GE(textIndex, 0);
    d.SelectObject(textBand, textIndex);
    ReportObject& exp = (textBand.child < 0 ? expected.page.bands[textBand.band]
                                            : expected.page.bands[textBand.band].children[textBand.child])
                            .objects[textIndex];
    d.MoveSelected(5, 3);
    d.ResizeSelected(4, 1);
    ReportObject edited = *d.SelectedObject();
    edited.text = QStringLiteral("[comName]");
    d.ApplyToSelected(edited);
    exp.left += 5;
    exp.top += 3;
    exp.width += 4;
    exp.height += 1;
    exp.text = QStringLiteral("[comName]");

    // A new text object in the page header.
    int header = -1;
    for (int i = 0; i < int(expected.page.bands.size()); ++i)
        if (expected.page.bands[i].type == ReportBandType::PageHeader)
            header = i;
    if (header < 0) {
        d.AddBand(ReportBandType::PageHeader);
        header = int(d.Template().page.bands.size()) - 1;
        expected.page.bands.push_back(d.Template().page.bands.back());
    }
    d.SelectBand({ header, -1 });
    const int added = d.AddObject(ReportObjectKind::Text);
    ASSERT_GE(added, 0);
    expected.page.bands[header].objects.push_back(d.Template().page.bands[header].objects[added]);

    // Delete a line, raise a band.
    const auto [lineBand, lineIndex] = FirstText(d, ReportObjectKind::Line);
    ASSERT_GE(lineIndex, 0);
    d.SelectObject(lineBand, lineIndex);
    d.DeleteSelected();
    auto& lines = (lineBand.child < 0 ? expected.page.bands[lineBand.band]
                                      : expected.page.bands[lineBand.band].children[lineBand.child])
                      .objects;
    lines.erase(lines.begin() + lineIndex);
    d.SetBandHeight({ 0, -1 }, d.Template().page.bands[0].height + 7.5);
    expected.page.bands[0].height += 7.5;

    EXPECT_TRUE(d.Modified());
    ASSERT_TRUE(d.Save());
    EXPECT_EQ(XmlOf(file), expected.ToXml());
}

TEST_F(DesignerTest, ArrowKeysMoveHalfAMillimetreAndFiveWithShift)
{
    ReportDesigner d;
    d.OpenFile(CopyOf(QStringLiteral("cgjh.fr3")));
    const auto [band, index] = FirstText(d);
    d.SelectObject(band, index);
    const double left = d.SelectedObject()->left, top = d.SelectedObject()->top;
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&d, &right);
    QCoreApplication::sendEvent(&d, &down);
    EXPECT_DOUBLE_EQ(d.SelectedObject()->left, left + 0.5);
    EXPECT_DOUBLE_EQ(d.SelectedObject()->top, top + 5);
    // Nothing moves past the band's top left corner.
    d.MoveSelected(-1000, -1000);
    EXPECT_EQ(d.SelectedObject()->left, 0);
    EXPECT_EQ(d.SelectedObject()->top, 0);
}

TEST_F(DesignerTest, MissingFileOpensEmptyAndSavingCreatesIt)
{
    const QString file = Folder() + QStringLiteral("report/new.fr3");
    QDir().mkpath(Folder() + QStringLiteral("report"));
    ReportDesigner d;
    d.OpenFile(file);
    EXPECT_TRUE(d.Template().Empty());
    // Objects need a band to sit on.
    EXPECT_EQ(d.AddObject(ReportObjectKind::Text), -1);
    EXPECT_EQ(prompt.Messages().size(), 1);
    d.AddBand(ReportBandType::ReportTitle);
    ASSERT_EQ(d.AddObject(ReportObjectKind::Text), 0);
    ASSERT_TRUE(d.Save());
    ReportTemplate back;
    ASSERT_TRUE(back.Load(file));
    ASSERT_EQ(back.page.bands.size(), 1u);
    EXPECT_EQ(back.page.bands[0].objects.size(), 1u);
}

TEST_F(DesignerTest, EditedTemplatePrintsTheNewText)
{
    const QString file = CopyOf(QStringLiteral("cgjh.fr3"));
    {
        ReportDesigner d;
        d.OpenFile(file);
        int title = 0;
        for (int i = 0; i < int(d.Template().page.bands.size()); ++i)
            if (d.Template().page.bands[i].type == ReportBandType::ReportTitle)
                title = i;
        d.SelectBand({ title, -1 });
        d.AddObject(ReportObjectKind::Text);
        ReportObject o = *d.SelectedObject();
        o.text = QStringLiteral("[comName]");
        o.width = 60;
        d.ApplyToSelected(o);
        ASSERT_TRUE(d.Save());
    }
    Report r;
    ASSERT_TRUE(r.LoadFromFile(file));
    r.SetVariable(QStringLiteral("comName"), QStringLiteral("测试公司"));
    Query* rows = Goods(1);
    for (const ReportBand& b : r.Template().page.bands)
        if (!b.dataset.isEmpty())
            r.SetDataset(b.dataset, rows);
    ASSERT_GT(r.PageCount(), 0);
    bool found = false;
    for (const PreparedItem& item : r.Pages().pages[0].items)
        found = found || item.text == QStringLiteral("测试公司");
    EXPECT_TRUE(found);
}

TEST_F(DesignerTest, MouseHitsSelectObjectsHandlesAndBandEdges)
{
    ReportDesigner d;
    d.OpenFile(CopyOf(QStringLiteral("cgjh.fr3")));
    const auto [band, index] = FirstText(d);
    const ReportObject o = d.Band(band)->objects[index];
    ReportDesigner::Strip strip;
    for (const ReportDesigner::Strip& s : d.Strips())
        if (s.band == band)
            strip = s;
    const double x0 = d.Template().page.marginLeft;
    const ReportDesigner::Hit inside = d.HitTest(x0 + o.left + o.width / 2, strip.top + o.top + o.height / 2);
    EXPECT_EQ(inside.band, band);
    EXPECT_GE(inside.object, 0);
    d.SelectObject(band, index);
    const ReportDesigner::Hit handle = d.HitTest(x0 + o.left + o.width, strip.top + o.top + o.height);
    EXPECT_TRUE(handle.resizeHandle);
    const ReportDesigner::Hit edge = d.HitTest(x0 + 1, strip.top + strip.height);
    EXPECT_TRUE(edge.bandEdge);
    EXPECT_FALSE(d.DesignImage().isNull());
}

TEST_F(DesignerTest, ClosingWithChangesAsksToSave)
{
    const QString file = CopyOf(QStringLiteral("cgjh.fr3"));
    const QByteArray before = XmlOf(file);
    ReportDesigner d;
    d.OpenFile(file);
    d.SetBandHeight({ 0, -1 }, 99);
    prompt.Answer(Prompt::Answer::Cancel);
    EXPECT_FALSE(d.FormCloseQuery());
    prompt.Answer(Prompt::Answer::No);
    EXPECT_TRUE(d.FormCloseQuery());
    EXPECT_EQ(XmlOf(file), before);
    prompt.Answer(Prompt::Answer::Yes);
    EXPECT_TRUE(d.FormCloseQuery());
    EXPECT_NE(XmlOf(file), before);
}

} // namespace
