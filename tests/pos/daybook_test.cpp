#include "posfixture.h"

#include "platform/grid/datagrid.h"
#include "platform/report/printlog.h"
#include "platform/ui/keyedcombo.h"
#include "pos/poslsz.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

class DayBookTest : public PosTest {
protected:
    void SetUp() override
    {
        PosTest::SetUp();
        RegisterPosWindows();
        ExecSQL("insert into jxc_admin (a_sn,a_name,r_sn,a_pwd,a_pos,a_jy,a_jyt) values "
                "('100002','admin2','100002','',0,0,0)");
        ExecSQL(
            "insert into jxc_hyxx (hy_sn,hy_bh,hy_name,hl_sn,hh_sn) values ('H1','VIP01','王芳','100001','100001')");
    }
    void TearDown() override
    {
        ShowSalePrice = true;
        PosTest::TearDown();
    }
    // A ticket with one line of G1; tenders only when paid.
    void Ticket(const QString& number, const QString& time, double paid, const QString& cashier = "admin",
        const QString& staff = "100001", const QString& member = "", const QString& note = "")
    {
        dm->ADOConn.Exec(
            "insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,ck_sn,pos_yfje,pos_sfje,pos_xj,a_name,u_sn,pos_note) "
            "values (:n,:h,:t,'100001',:due,:paid,:paid,:a,:u,:note)",
            { { "n", number }, { "h", member }, { "t", time }, { "due", paid == 0 ? 80.0 : paid }, { "paid", paid },
                { "a", cashier }, { "u", staff }, { "note", note } });
        dm->ADOConn.Exec("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,t_zp,a_name,pos_dzl,pos_zhje) "
                         "values (:n,'G1',100,:q,:z,:zp,:a,1,:z)",
            { { "n", number }, { "q", paid < 0 ? -1.0 : 1.0 }, { "z", paid }, { "zp", QString() }, { "a", cashier } });
    }
    QStringList Numbers(Query& q) const
    {
        QStringList out;
        for (q.First(); !q.Eof(); q.Next())
            out << q.AsString("gl_djh");
        return out;
    }
    Query& Tickets() { return dm->Q("Q_Poslsz"); }
    Query& Lines() { return dm->Q("Q_Poslsz2"); }
};

TEST_F(DayBookTest, TicketsOfThePeriodWithReturnsHeldSalesAndMissingSalesmen)
{
    Ticket("XS1", "2024-03-01 09:00:00", 100, "admin", "100001", "H1");
    Ticket("XS2", "2024-03-05 23:59:40", -30);
    Ticket("XS3", "2024-03-02 10:00:00", 0, "admin", "100001", "", "gd");
    Ticket("XS4", "2024-03-03 10:00:00", 50, "admin2", "999");
    Ticket("XS5", "2024-02-29 23:59:59", 70);

    TF_Posxs_Lsz w;
    w.Activate();
    EXPECT_EQ(Numbers(Tickets()), (QStringList { "XS2", "XS4", "XS3", "XS1" }));
    ASSERT_TRUE(Tickets().Locate("gl_djh", "XS1"));
    EXPECT_EQ(Tickets().AsString("hy_bh"), "VIP01");
    ASSERT_TRUE(Tickets().Locate("gl_djh", "XS3"));
    EXPECT_DOUBLE_EQ(Tickets().AsFloat("pos_sfje"), 0);
    EXPECT_DOUBLE_EQ(Tickets().AsFloat("pos_xj"), 0);
    double sum = 0;
    for (Tickets().First(); !Tickets().Eof(); Tickets().Next())
        sum += Tickets().AsFloat("pos_sfje");
    EXPECT_DOUBLE_EQ(sum, 120);

    // A chosen cashier matches exactly: "admin" is not "admin2".
    w.comAdmin->setCurrentIndex(w.comAdmin->findText("admin"));
    w.btnSearch1Click();
    EXPECT_EQ(Numbers(Tickets()), (QStringList { "XS2", "XS3", "XS1" }));
}

TEST_F(DayBookTest, LinesSearchAndSalePriceRight)
{
    Ticket("XS101", "2024-03-01 09:00:00", 100, "admin", "100001", "H1");
    Ticket("XS102", "2024-03-02 09:00:00", 100);

    TF_Posxs_Lsz w;
    w.Activate();
    w.cxPage->setCurrentWidget(w.cxTab2);
    EXPECT_EQ(Numbers(Lines()), (QStringList { "XS102", "XS101" }));
    w.tkey->setText("S10");
    w.btnSearch2Click();
    EXPECT_EQ(Lines().RecordCount(), 2);
    w.tkey->setText("王芳");
    w.btnSearch2Click();
    EXPECT_EQ(Numbers(Lines()), QStringList { "XS101" });
    w.tkey->clear();
    QTest::keyClicks(w.tkey, "'");
    EXPECT_TRUE(w.tkey->text().isEmpty());

    ShowSalePrice = false;
    w.Activate();
    EXPECT_FALSE(w.cxGrid2View->ColumnVisible(w.cxGrid2View->ColumnByField("pos_zje")));
    EXPECT_FALSE(w.btnPrin2->isEnabled());
}

TEST_F(DayBookTest, PrintsTheTicketsWithThePeriod)
{
    const QDir source(
        QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath(QStringLiteral("../../resources/report")));
    QDir().mkpath(Folder() + QStringLiteral("report"));
    ASSERT_TRUE(QFile::copy(source.filePath("poslsz.fr3"), Folder() + QStringLiteral("report/poslsz.fr3")));
    TF_Posxs_Lsz w;
    w.Activate();
    PrintLog::Clear();
    w.btnPrin1Click();
    w.btnExport1Click();
    EXPECT_TRUE(PrintLog::Records().isEmpty()) << "nothing to print";

    Ticket("XS1", "2024-03-01 09:00:00", 100);
    w.btnSearch1Click();
    prompt.OnModal(QString(), [](QDialog*) { return 0; });
    w.btnPrin1Click();
    ASSERT_EQ(PrintLog::Records().size(), 1);
    const PrintRecord& r = PrintLog::Records()[0];
    EXPECT_EQ(r.variables.value("date1"), "2024-03-01");
    EXPECT_EQ(r.variables.value("date2"), "2024-03-05");
    EXPECT_EQ(r.datasets.value("frxDBDataset3").rows.size(), 1);
}

} // namespace
