#include "reporttest.h"

#include "platform/base/displayformat.h"
#include "platform/db/valuetext.h"
#include "platform/report/printlog.h"

#include <QBuffer>
#include <QDir>

namespace {

const QString kRowsWithSummary = QStringLiteral(
    "<band type=\"PageHeader\" height=\"10\">"
    "  <text name=\"head\" left=\"0\" top=\"0\" width=\"190\" height=\"8\">第[Page#]页/共[TotalPages#]页</text>"
    "</band>"
    "<band type=\"MasterData\" dataset=\"t\" height=\"5\">"
    "  <text name=\"row\" left=\"0\" top=\"0\" width=\"50\" height=\"5\">[t.\"g_name\"]</text>"
    "</band>"
    "<band type=\"ReportSummary\" height=\"10\">"
    "  <text name=\"total\" left=\"0\" top=\"0\" width=\"50\" height=\"5\">[SUM(t.\"qty\")]</text>"
    "  <text name=\"count\" left=\"50\" top=\"0\" width=\"50\" height=\"5\">[COUNT(t)]</text>"
    "</band>");

QStringList Names(int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QStringLiteral("G%1").arg(i);
    return out;
}

} // namespace

// A4 less 10 mm margins and a 10 mm page header leaves 267 mm: 53 rows of 5 mm.
TEST_F(ReportTest, RowsBreakIntoPagesAndTheSummaryFollowsTheLastRow)
{
    struct Case {
        int rows;
        std::vector<int> perPage;
    };
    const Case cases[] = {
        { 120, { 53, 53, 14 } },
        { 106, { 53, 53, 0 } }, // two full pages: the summary goes to a page of its own
        { 0, { 0 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        Report r;
        Load(r, Tpl(kRowsWithSummary));
        r.SetDataset(QStringLiteral("t"), Goods(c.rows));
        const int pages = int(c.perPage.size());
        ASSERT_EQ(r.PageCount(), pages);
        QStringList printed;
        for (int i = 0; i < pages; ++i) {
            const PreparedPage& p = r.Pages().pages[i];
            EXPECT_EQ(Texts(p, QStringLiteral("head")),
                QStringList { QStringLiteral("第%1页/共%2页").arg(i + 1).arg(pages) });
            EXPECT_EQ(Texts(p, QStringLiteral("row")).size(), c.perPage[i]);
            printed << Texts(p, QStringLiteral("row"));
            EXPECT_EQ(Items(p, QStringLiteral("total")).size(), i + 1 == pages ? 1u : 0u);
        }
        EXPECT_EQ(printed, Names(1, c.rows));
        const PreparedPage& last = r.Pages().pages.back();
        EXPECT_EQ(Texts(last, QStringLiteral("total")),
            QStringList { NumberText(Scalar(QStringLiteral("select coalesce(sum(qty),0) from t"))) });
        EXPECT_EQ(Texts(last, QStringLiteral("count")), QStringList { QString::number(c.rows) });
        // Nothing runs into the bottom margin.
        for (const PreparedPage& p : r.Pages().pages)
            for (const PreparedItem& it : p.items)
                EXPECT_LE(it.rect.bottom(), 297 - 10 + 1e-6);
    }
}

TEST_F(ReportTest, FixedRowsPerPageFillTheLastPageWithEmptyRows)
{
    const QString bands = QStringLiteral(
        "<band type=\"ColumnHeader\" height=\"6\"><text name=\"hdr\" left=\"0\" top=\"0\" width=\"60\" "
        "height=\"6\">商品</text></band>"
        "<band type=\"MasterData\" dataset=\"t\" height=\"6\" rowsPerPage=\"10\">"
        "  <text name=\"no\" left=\"0\" top=\"0\" width=\"10\" height=\"6\" frame=\"all\">[Line#]</text>"
        "  <text name=\"row\" left=\"10\" top=\"0\" width=\"50\" height=\"6\" frame=\"all\">[t.\"g_name\"]</text>"
        "</band>"
        "<band type=\"ReportSummary\" height=\"6\">"
        "  <text name=\"count\" left=\"0\" top=\"0\" width=\"30\" height=\"6\">[COUNT(t)]</text>"
        "  <text name=\"total\" left=\"30\" top=\"0\" width=\"30\" height=\"6\">[SUM(t.\"qty\")]</text>"
        "</band>");
    struct Case {
        int rows, pages;
    };
    for (const Case& c : { Case { 12, 2 }, Case { 10, 1 }, Case { 0, 1 } }) {
        SCOPED_TRACE(c.rows);
        Report r;
        Load(r, Tpl(bands));
        r.SetDataset(QStringLiteral("t"), Goods(c.rows));
        ASSERT_EQ(r.PageCount(), c.pages);
        QStringList expected = Names(1, c.rows);
        QStringList numbers;
        for (int i = 1; i <= c.rows; ++i)
            numbers << QString::number(i);
        while (expected.size() < c.pages * 10) {
            expected << QString();
            numbers << QString();
        }
        EXPECT_EQ(AllTexts(r, QStringLiteral("row")), expected);
        EXPECT_EQ(AllTexts(r, QStringLiteral("no")), numbers);
        for (const PreparedPage& p : r.Pages().pages) {
            EXPECT_EQ(Items(p, QStringLiteral("row")).size(), 10u);
            EXPECT_EQ(Items(p, QStringLiteral("hdr")).size(), 1u);
        }
        // Empty rows count for nothing.
        EXPECT_EQ(AllTexts(r, QStringLiteral("count")), QStringList { QString::number(c.rows) });
        EXPECT_EQ(AllTexts(r, QStringLiteral("total")),
            QStringList { NumberText(Scalar(QStringLiteral("select coalesce(sum(qty),0) from t"))) });
    }
}

TEST_F(ReportTest, VariablesAndFieldsPrintAsTheyStand)
{
    const QString bands = QStringLiteral(
        "<band type=\"ReportTitle\" height=\"40\">"
        "  <text name=\"ghs\" left=\"0\" top=\"0\" width=\"90\" height=\"5\">供货商：[ghsName]</text>"
        "  <text name=\"com\" left=\"0\" top=\"5\" width=\"90\" height=\"5\">[comName]</text>"
        "  <text name=\"tele\" left=\"0\" top=\"10\" width=\"90\" height=\"5\">[comTele]</text>"
        "  <text name=\"due\" left=\"0\" top=\"15\" width=\"90\" height=\"5\" format=\"#,0.00\">[xxyf]</text>"
        "  <text name=\"paid\" left=\"0\" top=\"20\" width=\"90\" height=\"5\" format=\"#,0.00\">[xxsf]</text>"
        "  <text name=\"note\" left=\"0\" top=\"25\" width=\"90\" height=\"5\" format=\"#,0.00\">[Note]</text>"
        "  <text name=\"missing\" left=\"0\" top=\"30\" width=\"90\" height=\"5\">&lt;[nothere]&gt; [ ] x[</text>"
        "</band>"
        "<band type=\"MasterData\" dataset=\"t\" height=\"5\">"
        "  <text name=\"row\" left=\"0\" top=\"0\" width=\"90\" height=\"5\">[t.\"g_name\"]/[t.\"qty\"]</text>"
        "</band>");
    const QString vars = QStringLiteral("<variable name=\"comName\" value=\"默认公司\"/>"
                                        "<variable name=\"comTele\" value=\"0571-1234\"/>");
    Report r;
    Load(r, Tpl(bands, QStringLiteral("paper=\"A4\""), vars));
    db.Exec(QStringLiteral("create table t(id integer primary key, g_name text, qty real)"));
    db.Exec(QStringLiteral("insert into t(g_name,qty) values (:n, 2.5)"),
        { { QStringLiteral("n"), QStringLiteral("It's [x]") } });
    r.SetDataset(QStringLiteral("t"), Open(QStringLiteral("select * from t")));
    const QString odd = QStringLiteral("O'Neil's \"[comName]\" 服装");
    r.SetVariable(QStringLiteral("ghsName"), odd);
    r.SetVariable(QStringLiteral("xxyf"), 1234.5);
    r.SetVariable(QStringLiteral("xxsf"), QStringLiteral("86"));
    r.SetVariable(QStringLiteral("Note"), QStringLiteral("先付'50'"));

    const PreparedPage& p = r.Pages().pages.at(0);
    EXPECT_EQ(Texts(p, QStringLiteral("ghs")), QStringList { QStringLiteral("供货商：") + odd });
    EXPECT_EQ(Texts(p, QStringLiteral("com")), QStringList { QStringLiteral("默认公司") });
    EXPECT_EQ(Texts(p, QStringLiteral("tele")), QStringList { QStringLiteral("0571-1234") });
    EXPECT_EQ(Texts(p, QStringLiteral("due")), QStringList { FormatFloat(QStringLiteral("#,0.00"), 1234.5) });
    EXPECT_EQ(Texts(p, QStringLiteral("paid")), QStringList { FormatFloat(QStringLiteral("#,0.00"), 86) });
    EXPECT_EQ(Texts(p, QStringLiteral("note")), QStringList { QStringLiteral("先付'50'") });
    EXPECT_EQ(Texts(p, QStringLiteral("missing")), QStringList { QStringLiteral("<> [ ] x[") });
    EXPECT_EQ(Texts(p, QStringLiteral("row")), QStringList { QStringLiteral("It's [x]/2.5") });

    // Emptying the list drops the template's own values too.
    r.ClearVariables();
    r.SetVariable(QStringLiteral("comName"), QStringLiteral("新公司"));
    EXPECT_EQ(r.VariableNames(), QStringList { QStringLiteral("comName") });
    const PreparedPage& q = r.Pages().pages.at(0);
    EXPECT_EQ(Texts(q, QStringLiteral("com")), QStringList { QStringLiteral("新公司") });
    EXPECT_EQ(Texts(q, QStringLiteral("tele")), QStringList { QString() });
    EXPECT_EQ(Texts(q, QStringLiteral("ghs")), QStringList { QStringLiteral("供货商：") });
}

// Group sums close each group; page footer sums add up the rows of their own page.
TEST_F(ReportTest, GroupAndPageSumsCoverTheirOwnRows)
{
    const QString bands = QStringLiteral(
        "<band type=\"GroupHeader\" name=\"g\" field=\"cls\" height=\"5\">"
        "  <text name=\"gh\" left=\"0\" top=\"0\" width=\"40\" height=\"5\">[t.\"cls\"]</text></band>"
        "<band type=\"MasterData\" dataset=\"t\" height=\"5\">"
        "  <text name=\"row\" left=\"0\" top=\"0\" width=\"40\" height=\"5\">[t.\"g_name\"]</text></band>"
        "<band type=\"GroupFooter\" group=\"g\" height=\"5\">"
        "  <text name=\"gsum\" left=\"0\" top=\"0\" width=\"40\" height=\"5\">[SUM(t.\"qty\")]</text>"
        "  <text name=\"gcount\" left=\"40\" top=\"0\" width=\"40\" height=\"5\">[COUNT(t)]</text></band>"
        "<band type=\"PageFooter\" height=\"6\">"
        "  <text name=\"psum\" left=\"0\" top=\"0\" width=\"40\" height=\"5\">[SUM(t.\"qty\")]</text></band>"
        "<band type=\"ReportSummary\" height=\"5\">"
        "  <text name=\"total\" left=\"0\" top=\"0\" width=\"40\" height=\"5\">[SUM(t.\"qty\")]</text></band>");
    Report r;
    Load(r,
        Tpl(bands,
            QStringLiteral("paper=\"Custom\" width=\"100\" height=\"60\" marginLeft=\"5\" "
                           "marginTop=\"5\" marginRight=\"5\" marginBottom=\"5\"")));
    Query* q = Goods(17);
    r.SetDataset(QStringLiteral("t"), q);
    QHash<QString, double> qty;
    for (int i = 0; i < q->RecordCount(); ++i)
        qty.insert(q->TextAt(i, q->FieldIndex(QStringLiteral("g_name"))),
            q->ValueAt(i, q->FieldIndex(QStringLiteral("qty"))).toDouble());

    ASSERT_GT(r.PageCount(), 2);
    EXPECT_EQ(AllTexts(r, QStringLiteral("gh")), (QStringList { QStringLiteral("A"), QStringLiteral("B") }));
    EXPECT_EQ(AllTexts(r, QStringLiteral("gsum")),
        (QStringList { NumberText(Scalar(QStringLiteral("select sum(qty) from t where cls='A'"))),
            NumberText(Scalar(QStringLiteral("select sum(qty) from t where cls='B'"))) }));
    EXPECT_EQ(AllTexts(r, QStringLiteral("gcount")), (QStringList { QStringLiteral("8"), QStringLiteral("9") }));
    EXPECT_EQ(AllTexts(r, QStringLiteral("total")),
        QStringList { NumberText(Scalar(QStringLiteral("select sum(qty) from t"))) });
    for (const PreparedPage& p : r.Pages().pages) {
        double sum = 0;
        for (const QString& name : Texts(p, QStringLiteral("row")))
            sum += qty.value(name);
        EXPECT_EQ(Texts(p, QStringLiteral("psum")), QStringList { NumberText(sum) });
        // The page footer sits on the bottom margin.
        EXPECT_NEAR(Items(p, QStringLiteral("psum")).at(0)->rect.top(), 60 - 5 - 6, 1e-6);
    }
    // The second group's header comes right before its first row, on the same page.
    int adjacent = 0;
    for (const PreparedPage& p : r.Pages().pages)
        for (const PreparedItem* row : Items(p, QStringLiteral("row"))) {
            if (row->text != QLatin1String("G9"))
                continue;
            for (const PreparedItem* h : Items(p, QStringLiteral("gh")))
                adjacent += h->text == QLatin1String("B") && std::abs(h->rect.bottom() - row->rect.top()) < 1e-6;
        }
    EXPECT_EQ(adjacent, 1);
}

// A wrapped text grows its band; cells that reach the band's bottom grow with it,
// and the child band follows below.
TEST_F(ReportTest, StretchedTextGrowsTheBandAndItsChild)
{
    const QString bands = QStringLiteral(
        "<band type=\"MasterData\" dataset=\"t\" height=\"6\">"
        "  <text name=\"name\" left=\"0\" top=\"0\" width=\"20\" height=\"6\" wrap=\"1\" stretch=\"grow\" "
        "frame=\"all\">[t.\"g_name\"]</text>"
        "  <text name=\"cell\" left=\"20\" top=\"0\" width=\"30\" height=\"6\" stretch=\"band\" "
        "frame=\"all\">[t.\"qty\"]</text>"
        "  <band type=\"Child\" height=\"4\">"
        "    <text name=\"child\" left=\"0\" top=\"0\" width=\"50\" height=\"4\">子[t.\"g_name\"]</text>"
        "  </band>"
        "</band>");
    Report r;
    Load(r, Tpl(bands));
    db.Exec(QStringLiteral("create table t(id integer primary key, g_name text, qty real)"));
    const QString longName = QStringLiteral("很长的商品名称需要换行显示好几行文字的纯棉短袖T恤衫");
    db.Exec(
        QStringLiteral("insert into t(g_name,qty) values ('短',1),('") + longName + QStringLiteral("',2),('尾',3)"));
    r.SetDataset(QStringLiteral("t"), Open(QStringLiteral("select * from t order by id")));
    ASSERT_EQ(r.PageCount(), 1);
    const PreparedPage& p = r.Pages().pages[0];
    const auto names = Items(p, QStringLiteral("name"));
    const auto cells = Items(p, QStringLiteral("cell"));
    const auto children = Items(p, QStringLiteral("child"));
    ASSERT_EQ(names.size(), 3u);
    ASSERT_EQ(children.size(), 3u);
    EXPECT_DOUBLE_EQ(names[0]->rect.height(), 6);
    EXPECT_GT(names[1]->rect.height(), 12); // three lines or more in 19 mm
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(cells[i]->rect.height(), names[i]->rect.height());
        EXPECT_DOUBLE_EQ(children[i]->rect.top(), names[i]->rect.bottom());
        EXPECT_EQ(children[i]->text, QStringLiteral("子") + names[i]->text);
    }
    EXPECT_DOUBLE_EQ(names[2]->rect.top(), children[1]->rect.bottom());
}

TEST_F(ReportTest, LabelColumnsFillAcrossThenDown)
{
    const QString bands = QStringLiteral(
        "<band type=\"MasterData\" dataset=\"t\" height=\"20\">"
        "  <text name=\"lab\" left=\"1\" top=\"1\" width=\"26\" height=\"8\">[t.\"g_name\"]</text></band>");
    Report r;
    Load(r,
        Tpl(bands,
            QStringLiteral("paper=\"Custom\" width=\"100\" height=\"100\" marginLeft=\"5\" marginTop=\"5\" "
                           "marginRight=\"5\" marginBottom=\"5\" columns=\"3\" columnGap=\"2\"")));
    r.SetDataset(QStringLiteral("t"), Goods(14));
    // 90 mm of height takes four rows of 20 mm labels: 12 labels a page.
    ASSERT_EQ(r.PageCount(), 2);
    const double colWidth = (90 - 2 * 2) / 3.0;
    for (int page = 0; page < 2; ++page) {
        const auto labels = Items(r.Pages().pages[page], QStringLiteral("lab"));
        ASSERT_EQ(labels.size(), page == 0 ? 12u : 2u);
        for (int i = 0; i < int(labels.size()); ++i) {
            SCOPED_TRACE(labels[i]->text.toStdString());
            EXPECT_EQ(labels[i]->text, QStringLiteral("G%1").arg(page * 12 + i + 1));
            EXPECT_NEAR(labels[i]->rect.left(), 5 + 1 + (i % 3) * (colWidth + 2), 1e-6);
            EXPECT_NEAR(labels[i]->rect.top(), 5 + 1 + (i / 3) * 20, 1e-6);
        }
    }
}

TEST_F(ReportTest, ReceiptRollIsOnePageAsLongAsItsContent)
{
    const QString bands = QStringLiteral(
        "<band type=\"ReportTitle\" height=\"10\"><text name=\"t\" left=\"0\" top=\"0\" width=\"54\" "
        "height=\"8\">小票</text></band>"
        "<band type=\"MasterData\" dataset=\"t\" height=\"5\">"
        "  <text name=\"row\" left=\"0\" top=\"0\" width=\"54\" height=\"5\">[t.\"g_name\"]</text></band>"
        "<band type=\"PageFooter\" height=\"8\"><text name=\"end\" left=\"0\" top=\"0\" width=\"54\" "
        "height=\"8\">谢谢惠顾</text></band>");
    for (int rows : { 7, 150 }) {
        Report r;
        Load(r,
            Tpl(bands,
                QStringLiteral("paper=\"Roll58\" marginLeft=\"2\" marginTop=\"2\" marginRight=\"2\" "
                               "marginBottom=\"2\"")));
        r.SetDataset(QStringLiteral("t"), Goods(rows));
        ASSERT_EQ(r.PageCount(), 1);
        const PreparedPage& p = r.Pages().pages[0];
        EXPECT_DOUBLE_EQ(p.width, 58);
        EXPECT_DOUBLE_EQ(p.height, 2 + 10 + rows * 5 + 8 + 2);
        EXPECT_DOUBLE_EQ(Items(p, QStringLiteral("end")).at(0)->rect.top(), 2 + 10 + rows * 5);
    }
}

TEST_F(ReportTest, GridFilterNarrowsThePrintedRows)
{
    Query* q = Goods(30);
    struct Case {
        QString filter;
        QStringList rows;
    };
    const Case cases[] = {
        { QStringLiteral("g_name like 'G1%'"), QStringList { QStringLiteral("G1") } + Names(10, 19) },
        { QStringLiteral("cls = 'B' and qty > 5"), {} },
        { QStringLiteral("g_name likes ((("), Names(1, 30) }, // unreadable: all rows
        { QString(), Names(1, 30) },
    };
    QStringList wanted;
    for (int i = 0; i < q->RecordCount(); ++i)
        if (q->TextAt(i, q->FieldIndex(QStringLiteral("cls"))) == QLatin1String("B")
            && q->ValueAt(i, q->FieldIndex(QStringLiteral("qty"))).toDouble() > 5)
            wanted << q->TextAt(i, q->FieldIndex(QStringLiteral("g_name")));
    ASSERT_FALSE(wanted.isEmpty());
    for (Case c : cases) {
        SCOPED_TRACE(c.filter.toStdString());
        if (c.filter.startsWith(QLatin1String("cls")))
            c.rows = wanted;
        Report r;
        Load(r, Tpl(kRowsWithSummary));
        r.SetDataset(QStringLiteral("t"), q, c.filter);
        EXPECT_EQ(AllTexts(r, QStringLiteral("row")), c.rows);
        EXPECT_EQ(AllTexts(r, QStringLiteral("count")), QStringList { QString::number(c.rows.size()) });
        EXPECT_EQ(q->RecordCount(), 30); // the query itself stays unfiltered
    }
}

TEST_F(ReportTest, NewRowsOrValuesMakeThePagesAgain)
{
    Report r;
    Load(r, Tpl(kRowsWithSummary));
    Query* q = Goods(3);
    r.SetDataset(QStringLiteral("t"), q);
    EXPECT_EQ(AllTexts(r, QStringLiteral("count")), QStringList { QStringLiteral("3") });
    q->SetSQL(QStringLiteral("select * from t where id<=2"));
    q->Open();
    EXPECT_EQ(AllTexts(r, QStringLiteral("count")), QStringList { QStringLiteral("2") });
    q->Close();
    EXPECT_EQ(AllTexts(r, QStringLiteral("count")), QStringList { QStringLiteral("0") });
}

TEST_F(ReportTest, MissingTemplateGivesAnEmptyReport)
{
    Report r;
    EXPECT_FALSE(r.LoadFromFile(Folder() + QStringLiteral("report/nothere.fr3")));
    EXPECT_TRUE(r.Template().Empty());
    r.SetVariable(QStringLiteral("comName"), QStringLiteral("x"));
    r.SetDataset(QStringLiteral("t"), Goods(5));
    EXPECT_EQ(r.PageCount(), 0);
    EXPECT_FALSE(r.Print());
    EXPECT_FALSE(r.ExportPdf(Folder() + QStringLiteral("x.pdf")));
    EXPECT_TRUE(PrintLog::Records().isEmpty());
    // A template that loaded before is gone too.
    Load(r, Tpl(kRowsWithSummary));
    EXPECT_GT(r.PageCount(), 0);
    EXPECT_FALSE(r.LoadFromFile(Folder() + QStringLiteral("report/nothere.fr3")));
    EXPECT_EQ(r.PageCount(), 0);
}

// Pictures come from a file of the program folder or from a field holding the
// image itself or a file name.
TEST_F(ReportTest, PicturesComeFromFilesAndFields)
{
    QDir(Folder()).mkpath(QStringLiteral("picture"));
    auto solid = [](QColor c) {
        QImage img(20, 10, QImage::Format_RGB32);
        img.fill(c);
        return img;
    };
    ASSERT_TRUE(solid(Qt::red).save(Folder() + QStringLiteral("picture/red.png")));
    QByteArray blue;
    {
        QBuffer buf(&blue);
        buf.open(QIODevice::WriteOnly);
        solid(Qt::blue).save(&buf, "PNG");
    }
    db.Exec(QStringLiteral("create table t(id integer primary key, pic)"));
    db.Exec(QStringLiteral("insert into t(pic) values (:p)"), { { QStringLiteral("p"), blue } });
    db.Exec(QStringLiteral("insert into t(pic) values (:p)"),
        { { QStringLiteral("p"), QStringLiteral("picture/red.png") } });
    db.Exec(QStringLiteral("insert into t(pic) values ('')"));

    Report r;
    Load(r,
        Tpl(QStringLiteral(
            "<band type=\"ReportTitle\" height=\"20\">"
            "  <picture name=\"logo\" left=\"0\" top=\"0\" width=\"20\" height=\"20\" file=\"picture/red.png\" "
            "keepAspect=\"0\"/></band>"
            "<band type=\"MasterData\" dataset=\"t\" height=\"20\">"
            "  <picture name=\"pic\" left=\"0\" top=\"0\" width=\"20\" height=\"20\" field=\"t.&quot;pic&quot;\" "
            "keepAspect=\"0\"/></band>")));
    r.SetDataset(QStringLiteral("t"), Open(QStringLiteral("select * from t order by id")));
    const QImage page = r.RenderPage(0, 100);
    const auto centre = [&](const PreparedItem* it) {
        const double k = 100 / 25.4;
        return QColor(page.pixel(int(it->rect.center().x() * k), int(it->rect.center().y() * k)));
    };
    const PreparedPage& p = r.Pages().pages[0];
    EXPECT_EQ(centre(Items(p, QStringLiteral("logo")).at(0)), QColor(Qt::red));
    const auto pics = Items(p, QStringLiteral("pic"));
    ASSERT_EQ(pics.size(), 3u);
    EXPECT_EQ(centre(pics[0]), QColor(Qt::blue));
    EXPECT_EQ(centre(pics[1]), QColor(Qt::red));
    EXPECT_EQ(centre(pics[2]), QColor(Qt::white));
}
