#include "cgjhtest.h"

#include "documents/docwindow.h"
#include "foundation/functionwindows.h"
#include "platform/sheet/sheetwriter.h"
#include "purchasing/cgjhimport.h"
#include "purchasing/purchasingwindows.h"

#include <QPushButton>

namespace {

using Cells = QVector<QVariant>;

// The import on the goods-in window of CgjhTest; barcode 6901234567890 is G1 red/small
// too. The staged rows come from sheets written here.
class CgjhImportTest : public CgjhTest {
protected:
    void SetUp() override
    {
        CgjhTest::SetUp();
        RegisterPurchasingWindows();
        Sql(QStringLiteral("insert into jxc_tm (g_sn,tm_tm,cm_sn,color_sn) values ('G1','6901234567890','S','R')"));
    }
    QString Sheet(const QString& name, const QVector<Cells>& rows)
    {
        SheetTable table;
        table.captions = { U8("数量"), U8("商品条码") };
        table.rows = rows;
        const QString path = Folder() + name;
        QString error;
        EXPECT_TRUE(WriteXlsx(path, table, &error)) << error.toStdString();
        return path;
    }
    void Read(TF_Cgjh_Import& import, const QString& path)
    {
        prompt.AnswerFile(path);
        import.btnOpenClick();
    }
    QStringList Staged()
    {
        return Rows(QStringLiteral("select t_ph,cast(ts_dzl as integer),ts_note,g_sn from jxc_tempspxf "
                                   "where a_name='admin' order by id"));
    }
};

TEST_F(CgjhImportTest, TenRowsThreeRefusedAreStagedImportedAndSummed)
{
    const qint64 kept = Line(No(), QStringLiteral("admin"), 10, 0, 1, { 1 });
    TF_Cgjh_Import import;
    import.Activate();
    EXPECT_FALSE(import.btnNext->isEnabled());
    // A first sheet is replaced by the second; only the second counts.
    Read(import, Sheet(QStringLiteral("first.xlsx"), { { QStringLiteral("1"), QStringLiteral("G1'RS") } }));
    EXPECT_EQ(Staged(), QStringList { U8("G1'RS 2 商品条形码不正确 ") }) << "an apostrophe is only a wrong barcode";

    Read(import,
        Sheet(QStringLiteral("ten.xlsx"),
            { { QStringLiteral("2"), QStringLiteral("G1RS") }, { QStringLiteral("1.5"), QStringLiteral("G1BM") },
                { QVariant(), QStringLiteral("NOPE") }, { QStringLiteral("0"), QStringLiteral("G1RS") },
                { QStringLiteral("-2"), QStringLiteral("G1RS") }, { 3.0, 6901234567890.0 },
                { QStringLiteral("1"), QStringLiteral("G1RM") }, { QStringLiteral("1"), QStringLiteral("G1BS") },
                { QStringLiteral("1"), QStringLiteral("G1RS") }, { QStringLiteral("4"), QStringLiteral("G1RS") } }));
    ASSERT_TRUE(import.btnNext->isEnabled());
    const QStringList staged = Staged();
    ASSERT_EQ(staged.size(), 10);
    EXPECT_EQ(staged[1], U8("G1BM 0 可顺利导入 G1"));
    EXPECT_EQ(staged[2], U8("NOPE 2 商品条形码不正确 ")) << "the barcode message replaces the quantity's";
    EXPECT_EQ(staged[3], U8("G1RS 2 数量不能为零或负数 G1"));
    EXPECT_EQ(staged[4], U8("G1RS 2 数量不能为零或负数 G1"));
    EXPECT_EQ(staged[5], U8("6901234567890 0 可顺利导入 G1")) << "a barcode stored as a number";
    import.btnNextClick();
    EXPECT_EQ(F_DataModule->Q(QStringLiteral("Q_JhImport")).RecordCount(), 10);

    prompt.Clear();
    import.btnImportClick();
    EXPECT_EQ(prompt.Messages(), QStringList { U8("导入完毕\r\n\r\n共10条记录\r\n\r\n成功导入7条\r\n\r\n失败3条") });
    EXPECT_EQ(
        Rows(QStringLiteral("select t_ph,jh_sl,jh_dj,jh_taxdj,jh_tax,jh_dzl,jh_rksl,round(jh_zje,4) from jxc_jhsp "
                            "where gl_djh='%1' and id<>%2 order by id")
                 .arg(No())
                 .arg(kept)),
        (QStringList { "G1RS 2 12.345 12.345 0 1 2 24.69", "G1BM 1.5 12.345 12.345 0 1 1.5 18.5175",
            "6901234567890 3 12.345 12.345 0 1 3 37.035", "G1RM 1 12.345 12.345 0 1 1 12.345",
            "G1BS 1 12.345 12.345 0 1 1 12.345", "G1RS 1 12.345 12.345 0 1 1 12.345",
            "G1RS 4 12.345 12.345 0 1 4 49.38" }));
    // Each new line has exactly the colour-by-size row of its barcode; the earlier line keeps its one.
    EXPECT_EQ(Rows(QStringLiteral("select a.t_ph,b.color_sn,b.cm_sn,b.t_sl from jxc_jhsp a,jxc_jhspmx b "
                                  "where b.tid=a.id and a.gl_djh='%1' and a.id<>%2 order by a.id,b.id")
                       .arg(No())
                       .arg(kept)),
        (QStringList { "G1RS R S 2", "G1BM B M 1.5", "6901234567890 R S 3", "G1RM R M 1", "G1BS B S 1", "G1RS R S 1",
            "G1RS R S 4" }));
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from jxc_jhspmx where tid=%1").arg(kept)), QStringLiteral("1"));
    EXPECT_TRUE(Staged().isEmpty());
    EXPECT_EQ(w->Q_Jhsp.RecordCount(), 8) << "the window shows the imported lines";
}

TEST_F(CgjhImportTest, NothingReadNothingImportedAndRoundingOfTheStagedAmount)
{
    TF_Cgjh_Import import;
    import.Activate();
    prompt.Clear();
    import.btnImportClick();
    EXPECT_EQ(prompt.Messages(), QStringList { U8("模板中没有数据，不能进行导入操作！") });
    EXPECT_EQ(Scalar(QStringLiteral("select count(*) from jxc_jhsp")), QStringLiteral("0"));

    Sql(QStringLiteral("update jxc_goods set g_jj=1.005 where g_sn='G1'"));
    struct Case {
        const char* round;
        const char* total;
    };
    for (const Case c : { Case { "1", "1.01" }, Case { "0", "1.005" } }) {
        RoundTotals = QLatin1String(c.round);
        Read(import, Sheet(QStringLiteral("one.xlsx"), { { QStringLiteral("1"), QStringLiteral("G1RS") } }));
        EXPECT_EQ(
            Scalar(QStringLiteral("select ts_zje from jxc_tempspxf where a_name='admin'")), QLatin1String(c.total))
            << c.round;
    }
}

TEST_F(CgjhImportTest, OrderImportRedrawsAHeldNumberAndReceivesNothingUnderStockIn)
{
    UseStockIn = QStringLiteral("1");
    QString number = QStringLiteral("CD24051010001");
    DocHost host;
    host.number = [&number] { return number; };
    host.showNumber = [&number](const QString& n) { number = n; };
    host.date = [] { return QStringLiteral("2024-05-10"); };
    int reloads = 0;
    host.reloadDraft = [&reloads] { ++reloads; };
    SetDocHost(QStringLiteral("CD"), &host);
    // Another operator drafts under the number; the operator has a line there too.
    Sql(QStringLiteral("insert into jxc_cgsp (gl_djh,g_sn,a_name,jh_sl) values ('%1','G1','other',1),"
                       "('%1','G1','admin',2)")
            .arg(number));

    auto import = std::make_unique<TF_Cgd_Import>();
    import->Activate();
    Read(*import, Sheet(QStringLiteral("order.xlsx"), { { QStringLiteral("5"), QStringLiteral("G1BM") } }));
    import->btnImportClick();
    SetDocHost(QStringLiteral("CD"), nullptr);
    EXPECT_NE(number, QStringLiteral("CD24051010001"));
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(
        Rows(QStringLiteral("select a_name,jh_sl,jh_rksl from jxc_cgsp where gl_djh='%1' order by id").arg(number)),
        (QStringList { "admin 2 ", "admin 5 0" }))
        << "the operator's line moved along; the new one received nothing";
    EXPECT_EQ(
        Scalar(QStringLiteral("select count(*) from jxc_cgspmx where gl_djh='%1'").arg(number)), QStringLiteral("1"));
    EXPECT_EQ(
        Scalar(QStringLiteral("select a_name from jxc_cgsp where gl_djh='CD24051010001'")), QStringLiteral("other"));
}

} // namespace
