#include "posfixture.h"

#include "platform/grid/datagrid.h"
#include "platform/report/printlog.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/numberedit.h"
#include "pos/poscrk.h"
#include "pos/poshb.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTimeEdit>

namespace {

class HandOverTest : public PosTest {
protected:
    void SetUp() override
    {
        PosTest::SetUp();
        RegisterPosWindows();
        ShiftStartTime = QStringLiteral("2024-03-05 08:00:00");
    }
    void TearDown() override
    {
        ShiftStartTime.clear();
        AuxTag.clear();
        PosTest::TearDown();
    }
    void Ticket(const QString& number, const QString& time, double due, double cash, double card,
        const QString& cashier = "admin", const QString& note = "")
    {
        dm->ADOConn.Exec("insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,ck_sn,pos_yfje,pos_sfje,pos_xj,pos_czk,"
                         "a_name,u_sn,pos_note) values (:n,'',:t,'100001',:due,:paid,:x,:c,:a,'100001',:note)",
            { { "n", number }, { "t", time }, { "due", due }, { "paid", cash + card }, { "x", cash }, { "c", card },
                { "a", cashier }, { "note", note } });
        dm->ADOConn.Exec("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,t_zp,a_name,pos_dzl,pos_zhje) "
                         "values (:n,'G1',100,:q,:z,:zp,:a,1,:z)",
            { { "n", number }, { "q", due < 0 ? -1.0 : 1.0 }, { "z", due }, { "zp", due == 0 ? "(赠)" : "" },
                { "a", cashier } });
    }
    void Movement(const QString& kind, double amount, const QString& when, const QString& cashier = "admin")
    {
        dm->ADOConn.Exec("insert into jxc_crk (gl_djh,crk_rq,crk_je,crk_flag,crk_note,a_name) values "
                         "(:n,:d,:je,:k,'',:a)",
            { { "n", kind + when }, { "d", when }, { "je", amount }, { "k", kind }, { "a", cashier } });
    }
    // The shift of the table: sale 150 (100 cash, 50 card), return 30, in 20, out 10,
    // top-up 200, a waiting held sale, and what lies outside the shift or the cashier.
    void ScriptedShift()
    {
        Ticket("XS1", "2024-03-05 09:00:00", 150, 100, 50);
        Ticket("XT1", "2024-03-05 09:30:00", -30, -30, 0);
        Ticket("XS2", "2024-03-05 10:00:00", 80, 0, 0, "admin", "gd");
        Ticket("XS3", "2024-03-05 07:59:59", 999, 999, 0);
        Ticket("XS4", "2024-03-05 09:10:00", 500, 500, 0, "admin2");
        Movement("r", 20, "2024-03-05 09:40:00");
        Movement("c", 10, "2024-03-05 09:45:00");
        Movement("r", 500, "2024-03-05 09:46:00", "admin2");
        dm->ADOConn.Exec("insert into jxc_hyxf (hy_sn,a_name,xf_rq,xf_je,xf_xj,xf_xyk,xf_wxje,xf_zfbje,xf_zlje) "
                         "values ('H1','admin','2024-03-05 09:50:00',200,150,50,0,0,0)");
    }
    void CopyTemplates(std::initializer_list<const char*> names)
    {
        const QDir source(QFileInfo(QStringLiteral(__FILE__))
                              .absoluteDir()
                              .absoluteFilePath(QStringLiteral("../../resources/report")));
        QDir().mkpath(Folder() + QStringLiteral("report"));
        for (const char* n : names)
            ASSERT_TRUE(QFile::copy(source.filePath(n), Folder() + QStringLiteral("report/") + n)) << n;
    }
    QHash<QString, QString> StoredRow(const QString& where = "1=1")
    {
        Query q(&dm->ADOConn);
        q.SetSQL("select * from jxc_poshb where " + where + " order by id desc");
        q.Open();
        QHash<QString, QString> out;
        if (q.IsEmpty())
            return out;
        for (const char* c : { "jb_begintime", "jb_endtime", "a_name", "jb_note" })
            out.insert(c, q.AsString(c));
        for (const char* c : { "jb_xjje", "jb_czkje", "jb_xsje", "jb_thje", "jb_rkje", "jb_ckje", "jb_xjje2",
                 "jb_yhkje2", "jb_xfje", "jb_yjje", "jb_sjje" })
            out.insert(c, NumberText(std::round(q.AsFloat(c) * 100) / 100));
        return out;
    }
    int StoredCount() { return QueryScalar("select count(*) from jxc_poshb").toInt(); }
};

TEST_F(HandOverTest, ShiftTotalsAndTheStoredHandOver)
{
    ScriptedShift();
    TF_Posxs_Hb w;
    w.Activate();
    EXPECT_EQ(w.tdate1->date(), QDate(2024, 3, 5));
    EXPECT_EQ(w.ttime1->time(), QTime(8, 0, 0));
    EXPECT_EQ(w.ttime2->time(), QTime(10, 20, 30));
    const std::pair<QLabel*, const char*> expected[] = { { w.ljb_xsje, "150" }, { w.ljb_thje, "-30" },
        { w.ljb_xjje, "100" }, { w.ljb_czkje, "50" }, { w.ljb_rkje, "20" }, { w.ljb_ckje, "10" }, { w.ljb_xfje, "200" },
        { w.ljb_xjje2, "150" }, { w.ljb_yhkje2, "50" }, { w.ljb_yhkje, "0" }, { w.ljb_yjje, "330" } };
    for (const auto& [label, text] : expected)
        EXPECT_EQ(label->text(), text);
    EXPECT_DOUBLE_EQ(w.tsjje->Value(), 330);

    // No: nothing stored, the till stays.
    prompt.Answer(Prompt::Answer::No);
    w.btnOKClick();
    EXPECT_EQ(StoredCount(), 0);
    EXPECT_TRUE(AuxTag.isEmpty());

    w.tsjje->SetValue(325.5);
    w.tnote->setText("  差4.5元 ");
    prompt.Answer(Prompt::Answer::Yes);
    PrintLog::Clear();
    w.btnOKClick();
    EXPECT_EQ(prompt.History().last().text, "您确认要换班吗？");
    EXPECT_EQ(AuxTag, "1");
    EXPECT_TRUE(PrintLog::Records().isEmpty()) << "the receipt is printed only when ticked";
    const auto row = StoredRow();
    EXPECT_EQ(row.value("jb_begintime"), "2024-03-05 08:00:00");
    EXPECT_EQ(row.value("jb_endtime"), "2024-03-05 10:20:30");
    EXPECT_EQ(row.value("a_name"), "admin");
    EXPECT_EQ(row.value("jb_xsje"), "150");
    EXPECT_EQ(row.value("jb_thje"), "-30");
    EXPECT_EQ(row.value("jb_czkje"), "50");
    EXPECT_EQ(row.value("jb_xfje"), "200");
    EXPECT_EQ(row.value("jb_yjje"), "330");
    EXPECT_EQ(row.value("jb_sjje"), "325.5");
    EXPECT_EQ(row.value("jb_note"), "差4.5元");
}

TEST_F(HandOverTest, StoresWhatIsShownUntilRecountedAndZerosForAnEmptyShift)
{
    TF_Posxs_Hb w;
    w.Activate();
    EXPECT_EQ(w.ljb_yjje->text(), "0");
    ScriptedShift();
    // The span changes and a sale arrives, but without F3 the zeros shown are stored.
    w.ttime1->setTime(QTime(9, 20, 0));
    prompt.Answer(Prompt::Answer::Yes);
    w.btnOKClick();
    auto row = StoredRow();
    for (const char* c : { "jb_xsje", "jb_thje", "jb_rkje", "jb_xfje", "jb_yjje", "jb_sjje" })
        EXPECT_EQ(row.value(c), "0") << c;
    EXPECT_EQ(row.value("jb_begintime"), "2024-03-05 09:20:00");

    // F3 over the new span: the sale at 09:00 is before it.
    w.btnTjClick();
    EXPECT_EQ(w.ljb_xsje->text(), "0");
    EXPECT_EQ(w.ljb_thje->text(), "-30");
    EXPECT_EQ(w.ljb_yjje->text(), "180");
}

TEST_F(HandOverTest, TillRefusesWithLinesAndClosesAfterAHandOver)
{
    TF_PosMainForm& t = Open();
    Scan("G10101");
    ASSERT_FALSE(t.CartEmpty());
    bool allowed = false;
    TF_Posxs_Hb* seen = nullptr;
    prompt.OnModal("TF_Posxs_Hb", [&](QDialog* d) {
        EXPECT_TRUE(allowed) << "no hand-over while the cart holds lines";
        seen = qobject_cast<TF_Posxs_Hb*>(d);
        prompt.Answer(Prompt::Answer::Yes);
        seen->btnOKClick();
        return seen->result();
    });
    t.N_HbClick();
    EXPECT_EQ(prompt.History().last().text, "系统处于销售状态，不能换班！");
    prompt.Answer(Prompt::Answer::Yes);
    t.deleteAll();
    ASSERT_TRUE(t.CartEmpty());

    allowed = true;
    const QString start = ShiftStartTime;
    t.N_HbClick();
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(StoredRow().value("jb_begintime"), start);
    EXPECT_TRUE(AuxTag.isEmpty());
    EXPECT_EQ(ShiftStartTime, "2024-03-05 10:20:30");
}

TEST_F(HandOverTest, ReceiptPrintsTheRowJustStoredOnTheChosenPaper)
{
    CopyTemplates({ "jbxp.fr3", "jbxp58.fr3" });
    ScriptedShift();
    ExecSQL("update jxc_posprint set pp_kd=0,pp_bzxx=0");
    TF_Posxs_Hb w;
    w.Activate();
    w.chkPrint->setChecked(true);
    prompt.Answer(Prompt::Answer::Yes);
    PrintLog::Clear();
    w.btnOKClick();
    ASSERT_EQ(PrintLog::Records().size(), 1);
    const PrintRecord& r = PrintLog::Records()[0];
    EXPECT_EQ(r.action, "print");
    EXPECT_TRUE(r.templateFile.endsWith("jbxp58.fr3"));
    EXPECT_EQ(r.variables.value("aname"), "admin");
    EXPECT_EQ(r.variables.value("yjje"), "330");
    EXPECT_EQ(r.variables.value("thje"), "-30");
    EXPECT_EQ(r.variables.value("stime"), "2024-03-05 08:00:00");

    // An older row printed again after a newer one: its own values, 80 mm.
    const qint64 older = QueryScalar("select id from jxc_poshb").toLongLong();
    StoreHandOver({ "2024-03-05 11:00:00", "2024-03-05 12:00:00", "admin2", ShiftTotals {}, 7, "" });
    ExecSQL("update jxc_posprint set pp_kd=1");
    PrintLog::Clear();
    Report report;
    PrintHandOverReceipt(report, older);
    ASSERT_EQ(PrintLog::Records().size(), 1);
    EXPECT_TRUE(PrintLog::Records()[0].templateFile.endsWith("jbxp.fr3"));
    EXPECT_EQ(PrintLog::Records()[0].variables.value("aname"), "admin");
}

TEST_F(HandOverTest, HistoryByStartDayAndOperator)
{
    ExecSQL("insert into jxc_admin (a_sn,a_name,r_sn,a_pwd,a_pos,a_jy,a_jyt) values "
            "('100002','admin2','100002','',0,0,0)");
    StoreHandOver({ "2024-03-05 23:59:30", "2024-03-06 08:00:00", "admin", ShiftTotals {}, 0, "" });
    StoreHandOver({ "2024-03-02 08:00:00", "2024-03-02 20:00:00", "admin2", ShiftTotals {}, 0, "" });
    StoreHandOver({ "2024-02-29 08:00:00", "2024-02-29 20:00:00", "admin", ShiftTotals {}, 0, "" });

    TF_Posxs_Hb w;
    w.Activate();
    EXPECT_EQ(w.comAdmin->itemText(0), "所有操作员");
    EXPECT_EQ(w.comAdmin->currentText(), "admin");
    w.cxPage->setCurrentWidget(w.cxTab2);
    ASSERT_EQ(w.cxGrid->RowCount(), 1);
    w.comAdmin->setCurrentIndex(0);
    w.btnSearchClick();
    EXPECT_EQ(w.cxGrid->RowCount(), 2) << "the end day whole, February left out";

    // Any other role sees only himself.
    CurrentRoleSn = "100002";
    CurrentAdminSn = "100002";
    CurrentAdminName = "admin2";
    TF_Posxs_Hb other;
    other.Activate();
    ASSERT_EQ(other.comAdmin->count(), 1);
    other.btnSearchClick();
    EXPECT_EQ(other.cxGrid->RowCount(), 1);
}

TEST_F(HandOverTest, CashierGoodsAndReprints)
{
    CopyTemplates({ "possyymx.fr3", "possyymx58.fr3", "posxp.fr3", "posxp58.fr3" });
    Ticket("XS1", "2024-03-05 09:00:00", 100, 100, 0);
    Ticket("XT1", "2024-03-05 23:59:40", -100, -100, 0);
    Ticket("XS2", "2024-03-05 10:00:00", 80, 0, 0, "admin", "gd");
    Ticket("XS3", "2024-03-05 11:00:00", 100, 100, 0, "admin2");
    Ticket("XS5", "2024-03-05 11:30:00", 0, 0, 0);

    TF_Posxs_Syymx goods;
    goods.Activate();
    ASSERT_EQ(goods.cxGrid->RowCount(), 1);
    Query& q = dm->Q("Q_PosxsSyy");
    EXPECT_DOUBLE_EQ(q.AsFloat("sl"), 1) << "sold, returned, a gift piece; the held sale left out";
    EXPECT_DOUBLE_EQ(q.AsFloat("zje"), 0);
    ExecSQL("update jxc_posprint set pp_kd=0");
    PrintLog::Clear();
    prompt.OnModal(QString(), [](QDialog*) { return 0; });
    goods.btnPrintClick();
    ASSERT_EQ(PrintLog::Records().size(), 1);
    EXPECT_TRUE(PrintLog::Records()[0].templateFile.endsWith("possyymx58.fr3"));
    EXPECT_EQ(PrintLog::Records()[0].variables.value("title"), "当前收银员“admin”明细");

    // Every cashier's tickets, held sales too, newest first; the gift tag follows the name.
    TF_Posxs_Dyxp reprint;
    reprint.Activate();
    EXPECT_EQ(reprint.cxGrid1->RowCount(), 5);
    EXPECT_EQ(dm->Q("Q_PosDyxp").AsString("gl_djh"), "XS5");
    EXPECT_EQ(reprint.lLines->text(), "单据 XS5 的详细信息");
    EXPECT_EQ(dm->Q("Q_PosDyxp2").AsString("g_name"), "衬衫(赠)");
    reprint.cxGrid1->SetCurrentRow(4);
    EXPECT_EQ(reprint.lLines->text(), "单据 XS1 的详细信息");
    EXPECT_DOUBLE_EQ(dm->Q("Q_PosDyxp2").AsFloat("dhdj"), 100);
    ExecSQL("update jxc_posprint set pp_kd=1,pp_bzxx=0");
    PrintLog::Clear();
    reprint.btnPrintClick();
    ASSERT_EQ(PrintLog::Records().size(), 1);
    EXPECT_TRUE(PrintLog::Records()[0].templateFile.endsWith("posxp.fr3"));

    // An empty period closes the lines.
    reprint.tdate1->setDate(QDate(2024, 3, 6));
    reprint.tdate2->setDate(QDate(2024, 3, 6));
    reprint.btnSearchClick();
    EXPECT_FALSE(dm->Q("Q_PosDyxp2").Active());
}

} // namespace
