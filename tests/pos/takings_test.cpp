#include "posfixture.h"

#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "pos/possytj.h"

#include <QDateEdit>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimeEdit>

namespace {

class TakingsTest : public PosTest {
protected:
    void SetUp() override
    {
        PosTest::SetUp();
        RegisterPosWindows();
        ExecSQL("insert into jxc_admin (a_sn,a_name,r_sn,a_pwd,a_pos,a_jy,a_jyt) values "
                "('100002','admin2','100002','',0,0,0)");
        ExecSQL("insert into jxc_hyxx (hy_sn,hy_bh,hy_name,hy_jm,hy_mobile,hl_sn,hh_sn) values "
                "('H1','VIP01','王芳','WF','13800000000','100001','100001')");
    }
    void Ticket(const QString& number, const QString& time, double paid, const QString& cashier = "admin",
        const QString& member = "", const QString& note = "")
    {
        dm->ADOConn.Exec(
            "insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,ck_sn,pos_yfje,pos_sfje,pos_xj,a_name,u_sn,pos_note) "
            "values (:n,:h,:t,'100001',:p,:p,:p,:a,'100001',:note)",
            { { "n", number }, { "h", member }, { "t", time }, { "p", paid }, { "a", cashier }, { "note", note } });
        dm->ADOConn.Exec("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,pos_cbj,pos_zcb,t_zp,a_name,"
                         "pos_dzl,pos_zhje) values (:n,'G1',100,:q,:p,40,:c,'',:a,1,:p)",
            { { "n", number }, { "q", paid < 0 ? -1.0 : 1.0 }, { "p", paid }, { "c", paid < 0 ? -40.0 : 40.0 },
                { "a", cashier } });
    }
    QStringList Column(Query& q, const char* field) const
    {
        QStringList out;
        if (!q.Active())
            return out;
        for (q.First(); !q.Eof(); q.Next())
            out << q.AsString(field);
        return out;
    }
};

TEST_F(TakingsTest, CashierDetailAndSummary)
{
    Ticket("XS1", "2024-03-01 09:00:00", 100);
    Ticket("XS2", "2024-03-01 13:00:00", 150);
    Ticket("XS3", "2024-03-02 10:00:00", 70, "admin2");
    Ticket("XS4", "2024-03-02 11:00:00", 30, "ghost");
    Ticket("XS5", "2024-03-02 12:00:00", 0, "admin", "", "gd");

    TF_Posxs_Sytj w;
    w.Activate();
    Query& detail = dm->Q("Q_Nzjs");
    EXPECT_EQ(Column(detail, "gl_djh"), (QStringList { "XS4", "XS3", "XS2", "XS1" })) << "held sale left out";
    ASSERT_TRUE(detail.Locate("gl_djh", "XS2"));
    EXPECT_DOUBLE_EQ(detail.AsFloat("lr"), 110);

    w.ttime1->setTime(QTime(12, 0, 0));
    w.btnSearchClick();
    EXPECT_EQ(Column(detail, "gl_djh"), (QStringList { "XS4", "XS3", "XS2" }));

    // Summary: "admin" is contained in "admin2"; the cashier without an operator row
    // is not summed.
    w.ttime1->setTime(QTime(0, 0, 0));
    w.comAdmin->setCurrentIndex(w.comAdmin->findText("admin"));
    w.rbHz->setChecked(true);
    Query& summary = dm->Q("Q_Possytj");
    EXPECT_EQ(Column(summary, "a_name"), (QStringList { "admin", "admin2" }));
    ASSERT_TRUE(summary.Locate("a_name", "admin"));
    EXPECT_DOUBLE_EQ(summary.AsFloat("sfje"), 250);
    w.setTickets();
    EXPECT_EQ(w.lsyy->text(), "收银员收银明细：admin");
    EXPECT_EQ(Column(dm->Q("Q_Possytj1"), "gl_djh"), (QStringList { "XS3", "XS2", "XS1" }));
}

TEST_F(TakingsTest, MemberTicketsKindsAndGoods)
{
    Ticket("XS1", "2024-03-01 09:00:00", 100, "admin", "H1");
    Ticket("XT1", "2024-03-02 09:00:00", -100, "admin", "H1");
    Ticket("XS2", "2024-03-03 09:00:00", 80);
    dm->ADOConn.Exec("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,gl_dj,gl_sl,gl_zje,gl_lr,ck_sn) "
                     "values ('xs','XS1','2024-03-01 09:00',  'G1','衬衫',100,1,100,60,'100001'),"
                     "('xs','XS2','2024-03-03 09:00','G1','衬衫',80,1,80,40,'100001')",
        {});

    auto w = std::make_unique<TF_Posxs_Hy>();
    w->Activate();
    Query& tickets = dm->Q("Q_Hyxftj");
    EXPECT_EQ(Column(tickets, "gl_djh"), (QStringList { "XT1", "XS1" })) << "no ticket without a member";
    ASSERT_TRUE(tickets.Locate("gl_djh", "XT1"));
    EXPECT_EQ(tickets.AsString("dlx"), "销售退货单");
    EXPECT_DOUBLE_EQ(tickets.AsFloat("pos_sfje"), -100);

    w->setKind("XT");
    EXPECT_EQ(Column(tickets, "gl_djh"), QStringList { "XT1" });
    // The kind lasts across openings.
    w = std::make_unique<TF_Posxs_Hy>();
    w->Activate();
    EXPECT_EQ(Column(tickets, "gl_djh"), QStringList { "XT1" });
    w->setKind(QString());

    w->cxPage->setCurrentWidget(w->cxTab2);
    Query& goods = dm->Q("Q_Hyxftj2");
    EXPECT_EQ(Column(goods, "gl_djh"), QStringList { "XS1" });
    EXPECT_DOUBLE_EQ(goods.AsFloat("lrl"), 60);
}

} // namespace
