#include "postingtest.h"

#include "foundation/moneywords.h"
#include "foundation/sqltext.h"
#include "platform/report/printlog.h"
#include "platform/report/report.h"
#include "posting/posprint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

using namespace fixture;

namespace {

// The delivered templates copied into the test's program folder.
class PosPrintTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        const QDir source(QFileInfo(QStringLiteral(__FILE__))
                              .absoluteDir()
                              .absoluteFilePath(QStringLiteral("../../resources/report")));
        QDir().mkpath(Folder() + QStringLiteral("report"));
        for (const char* file : { "posxp.fr3", "posxp58.fr3", "posxsd.fr3" })
            ASSERT_TRUE(QFile::copy(
                source.filePath(QLatin1String(file)), Folder() + QStringLiteral("report/") + QLatin1String(file)));
        PrintLog::Clear();
        AddCustomer(S("K1"), S("散客"));
        Sql(S("update jxc_posprint set pp_kd=1,pp_bzxx=0,pp_bt1='衣尚旗舰店',pp_jz1='谢谢惠顾'"));
        Sql(S("insert into jxc_hyxx (hy_sn,hy_bh,hy_name,hy_jf,hy_zjf,hy_zhje,hy_mobile) "
              "values ('H1','VIP001','李四',120,300,88.5,'13800000000')"));
    }
    // A ticket with one line of G1: 86 due and paid, 14 change by default.
    void Ticket(const QString& number, const QString& member = QString(), double cash = 100, double wechat = 0)
    {
        Sql(QStringLiteral(
            "insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,kh_sn,ck_sn,u_sn,a_name,pos_yfje,pos_sfje,"
            "pos_zlje,pos_mlje,pos_xj,pos_czk,pos_yhk,pos_djq,pos_wxje,pos_zfbje,pos_bcjf,pos_zjf,pos_note) "
            "values ('%1','%2','2024-05-10 10:20:30','K1','100001','100001','admin',86,86,14,0,%3,0,0,0,%4,0,"
            "8,100,'it''s a gift')")
                .arg(number, member)
                .arg(cash)
                .arg(wechat));
        Sql(QStringLiteral("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_dzl,pos_zje,t_zp) "
                           "values ('%1','G1',100,1,0.86,86,'(赠)')")
                .arg(number));
    }
    QString Var(const char* name) const { return report.Variable(QLatin1String(name)).toString(); }

    Report report;
};

TEST_F(PosPrintTest, ReceiptAmountsTenderAndMember)
{
    Ticket(S("XS001"), S("H1"));
    PrintPosReceipt(report, S("XS001"), 1);
    EXPECT_EQ(Var("sfje"), S("100"));
    EXPECT_EQ(Var("zlje"), S("14"));
    EXPECT_EQ(Var("zffs"), S("现金结账"));
    EXPECT_EQ(Var("fkje"), S("100"));
    EXPECT_EQ(Var("bt1"), S("衣尚旗舰店"));
    EXPECT_EQ(Var("jz1"), S("谢谢惠顾"));
    EXPECT_EQ(Var("Note"), S("it's a gift"));
    EXPECT_EQ(Var("zjf"), S("108"));
    EXPECT_EQ(Var("hyjf"), S("120")); // the receipt shows the member's current points
    EXPECT_EQ(Var("hyname"), S("李四"));
    ASSERT_NE(PrintLog::Last(), nullptr);
    const PrintedRows& lines = PrintLog::Last()->datasets.value(S("frxDBDataset1"));
    ASSERT_EQ(lines.rows.size(), 1);
    EXPECT_EQ(lines.Text(0, S("g_name")), S("衬衫(赠)"));

    Ticket(S("XS002"), QString(), 50, 36);
    PrintPosReceipt(report, S("XS002"), 1);
    EXPECT_EQ(Var("zffs"), S("联合结账"));
    for (const char* name : { "bcjf", "zjf", "hybh", "hyye", "hyjf", "hytele", "hymobile", "hyname" })
        EXPECT_EQ(Var(name), QString()) << name;

    Ticket(S("XT001"));
    Sql(S("update jxc_posxsd set pos_zlje=0 where gl_djh='XT001'"));
    PrintPosReceipt(report, S("XT001"), 1);
    EXPECT_EQ(Var("sfje"), S("86"));
    EXPECT_EQ(Var("zlje"), QString());
}

TEST_F(PosPrintTest, PaperWidthPicksTheTemplate)
{
    Ticket(S("XS001"));
    struct Case {
        const char* setup;
        const char* file;
    };
    for (const Case& c : { Case { "update jxc_posprint set pp_kd=0", "posxp58.fr3" },
             Case { "update jxc_posprint set pp_kd=1", "posxp.fr3" },
             Case { "delete from jxc_posprint", "posxp.fr3" } }) {
        Sql(S(c.setup));
        PrintPosReceipt(report, S("XS001"), 1);
        EXPECT_EQ(QFileInfo(report.FileName()).fileName(), S(c.file)) << c.setup;
    }
    // Without settings the titles are empty and the receipt prints without preview.
    EXPECT_EQ(Var("bt1"), QString());
    EXPECT_EQ(PrintLog::Count(S("preview")), 0);
}

TEST_F(PosPrintTest, PreviewOrCopiesWithoutDialog)
{
    Ticket(S("XS001"));
    Sql(S("update jxc_posprint set pp_bzxx=1"));
    prompt.OnModal(QString(), [](QDialog*) { return 0; });
    PrintPosReceipt(report, S("XS001"), 3);
    EXPECT_EQ(PrintLog::Count(S("preview")), 1);
    EXPECT_EQ(PrintLog::Count(S("print")), 0);

    PrintLog::Clear();
    Sql(S("update jxc_posprint set pp_bzxx=0"));
    PrintPosReceipt(report, S("XS001"), 2);
    EXPECT_EQ(PrintLog::Count(S("print")), 2);
    EXPECT_EQ(PrintLog::Count(S("preview")), 0);
    EXPECT_EQ(PrintLog::Last()->printer, QString());
    EXPECT_FALSE(dm->Q_GoodsPrin.Active());
}

TEST_F(PosPrintTest, DocumentOfAReturnTicket)
{
    Ticket(S("XT001"), S("H1"));
    prompt.OnModal(QString(), [](QDialog*) { return 0; });
    PrintPosDocument(report, S("XT001"));
    EXPECT_EQ(Var("sTitle"), S("POS退货单"));
    EXPECT_EQ(Var("yf"), AmountInWords(S("86")));
    EXPECT_EQ(Var("sf"), AmountInWords(S("86")));
    EXPECT_EQ(Var("hyjf"), S("300")); // the document shows the member's total points
    ASSERT_EQ(PrintLog::Count(S("preview")), 1);
    const PrintRecord* rec = PrintLog::Last();
    EXPECT_EQ(QFileInfo(rec->templateFile).fileName(), S("posxsd.fr3"));
    const PrintedRows& lines = rec->datasets.value(S("frxDBDataset1"));
    ASSERT_EQ(lines.rows.size(), 1);
    EXPECT_DOUBLE_EQ(lines.Text(0, S("zhdj")).toDouble(), 86);
    EXPECT_EQ(lines.Text(0, S("pos_xsrq")), S("2024-05-10 10:20:30"));
    EXPECT_EQ(rec->pages, 1);

    // The prepared page renders to a PNG (to look at when the layout changes).
    const QStringList png = report.ExportPng(Folder() + QStringLiteral("posxsd.png"));
    ASSERT_EQ(png.size(), 1);
    const QImage page(png.front());
    EXPECT_GT(page.height(), page.width()); // A4 upright
}

} // namespace
