#include "posfixture.h"

#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "pos/postc.h"

#include <QComboBox>

namespace {

class TillCommissionTest : public PosTest {
protected:
    void SetUp() override
    {
        PosTest::SetUp();
        RegisterPosWindows();
        for (const char* sn : { "U1", "U2" }) {
            fixture::AddStaff(sn, QStringLiteral("业务") + sn);
            ExecSQL(QStringLiteral("update jxc_user set u_tcfs=0,u_tc=5,u_xs=1 where u_sn='%1'").arg(sn));
        }
        ExecSQL("update jxc_goods set g_tclb=1,g_tc=2 where g_sn='G1'");
        // U1's goods: 10 sold, 3 returned; U2's sale: 1000 due, 600 received.
        for (const auto& [flag, qty] : { std::pair { "xs", 10.0 }, std::pair { "xt", -3.0 } })
            dm->ADOConn.Exec("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,gl_dj,gl_cbj,gl_sl,gl_zje,"
                             "gl_lr,u_name,ck_sn) values (:f,'X1','2024-03-02 10:00','G1','衬衫',100,40,:q,:z,:l,"
                             "'业务U1','100001')",
                { { "f", flag }, { "q", qty }, { "z", qty * 100 }, { "l", qty * 60 } });
        ExecSQL("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,u_sn,ls_status) values "
                "('XS9','100001','100001','2024-03-03 10:00',1000,600,'U2',1)");
        ExecSQL("insert into jxc_ysyfk (gl_djh,k_rq,k_yfje,k_sfje,k_type,k_djlx,u_sn,k_ghskh) values "
                "('XS9','2024-03-03 10:00',1000,600,'kh','XS','U2','100001')");
    }
    QStringList Rows(const QString& op = "admin")
    {
        Query q(&dm->ADOConn);
        q.SetSQL("select * from jxc_jxchz where a_name=:op order by g_sn,hz_flag");
        q.SetParam("op", op);
        q.Open();
        QStringList out;
        for (q.First(); !q.Eof(); q.Next())
            out << q.AsString("g_sn") + ' ' + q.AsString("hz_flag") + ' ' + NumberText(q.AsFloat("hz_kczje")) + ' '
                    + NumberText(q.AsFloat("hz_cksl")) + ' ' + NumberText(q.AsFloat("hz_ckzje"));
        return out;
    }
};

TEST_F(TillCommissionTest, KindsStaffAndOtherOperatorsRows)
{
    // Another operator's rows survive every computation of ours.
    ExecSQL("insert into jxc_jxchz (g_sn,hz_flag,a_name) values ('U9','101','other'),('U9','1001','other')");
    TF_Posxs_Tc w;
    w.Activate();
    EXPECT_EQ(Rows(), (QStringList { "U1 3001 0 7 14", "U2 1001 600 0 30", "U2 1002 -400 0 -20" }));
    EXPECT_EQ(dm->Q("Q_Xstj5").RecordCount(), 3);

    w.comTcfs->setCurrentIndex(3);
    w.btnSearchClick();
    EXPECT_EQ(Rows(), QStringList { "U1 3001 0 7 14" });

    w.comTcfs->setCurrentIndex(0);
    w.comUser->setCurrentIndex(w.comUser->findText("业务U2"));
    w.btnSearchClick();
    EXPECT_EQ(Rows(), (QStringList { "U2 1001 600 0 30", "U2 1002 -400 0 -20" }));
    EXPECT_EQ(Rows("other").size(), 2);
}

} // namespace
