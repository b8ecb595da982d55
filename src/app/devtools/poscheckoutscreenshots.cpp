// The till's payment, held-sales and return windows for the developers' screenshot
// command, on the till's sample shop with a member, a held sale and a paid sale.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/base/clock.h"
#include "platform/ui/screenshots.h"
#include "pos/posfk.h"
#include "pos/posjg.h"
#include "pos/posth.h"
#include "pos/poswindows.h"

#include <QLineEdit>

namespace {

QString paidSale;

void prepareCheckout()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    PrepareTillShop();
    DeclarePosDatasets();
    ExecSQL(
        QStringLiteral("insert into jxc_hyfl (hl_sn,hl_name,hl_zk,hl_jfxx,hl_jfsx) values ('PS','金卡会员',0.9,0,0)"));
    ExecSQL(QStringLiteral("insert into jxc_hyxx (hy_sn,hy_bh,hy_name,hy_jm,hy_status,hl_sn,hy_mm,hy_jf,hy_zjf,hy_zhje,"
                           "hy_ye,hy_zje,hy_mobile) values ('PS0001','VIP8801','陈静','CJ',1,'PS','',120,120,200,0,0,"
                           "'13912345678')"));
    const QString now = Clock::Now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // A held sale of the member.
    ExecSQL(
        QStringLiteral("insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,pos_yfje,pos_sfje,pos_note,a_name,u_sn,ck_sn) "
                       "values ('XS00000000901','PS0001','%1',248,0,'gd','admin','100001','100001')")
            .arg(now));
    ExecSQL(QStringLiteral("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,pos_dzl,pos_zhje,a_name,t_zp) "
                           "values ('XS00000000901','20010001',89,1,80.1,0.9,80.1,'admin',''),"
                           "('XS00000000901','20010003',139,1,125.1,0.9,125.1,'admin','')"));
    // A paid sale of three lines to take back.
    const char* lines[][3] = { { "20010001", "P1", "P2" }, { "20010002", "P2", "P1" }, { "20010003", "P3", "P1" } };
    const QString number = QStringLiteral("XS00000000902");
    for (const auto& l : lines) {
        const qint64 id = F_DataModule->ADOConn.Insert(
            QStringLiteral(
                "insert into jxc_lsxssp (gl_djh,g_sn,ls_dj,ls_dzl,ls_dhdj,ls_zje,ls_je,ls_zhje,ls_sl,ls_cksl,"
                "a_name,t_zp,ls_cbj,ls_zcb) select :n,g_sn,g_sj,1,g_sj,2*g_sj,2*g_sj,2*g_sj,2,2,'admin','',"
                "g_pjjj,2*g_pjjj from jxc_goods where g_sn=:g"),
            { { QStringLiteral("n"), number }, { QStringLiteral("g"), QLatin1String(l[0]) } });
        ExecSQL(QStringLiteral("update jxc_lsxssp set tid=id where id=%1").arg(id));
        ExecSQL(QStringLiteral("insert into jxc_lsxsspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) values "
                               "('%1','%2','%3','%4',2,'admin',%5)")
                    .arg(number, QLatin1String(l[0]), QLatin1String(l[2]), QLatin1String(l[1]))
                    .arg(id));
    }
    ExecSQL(
        QStringLiteral("insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,kh_sn,ck_sn,u_sn,a_name,pos_yfje,pos_sfje,"
                       "pos_xj,pos_zffs) values ('%1','PS0001','%2','100001','100001','100001','admin',774,774,774,5)")
            .arg(number, now));
    paidSale = number;
}

QWidget* buildFk()
{
    prepareCheckout();
    ActiveDocKind = QStringLiteral("200");
    auto* fk = new TF_Posxs_Fk();
    fk->total = QStringLiteral("356.40");
    fk->sale.memberNo = QStringLiteral("VIP8801");
    fk->sale.op = CurrentAdminName;
    return fk;
}

QWidget* buildJg()
{
    prepareCheckout();
    return new TF_Posxs_Jg();
}

// The return window is shown here, since its showing starts a fresh return, and the
// paid sale is taken afterwards.
QWidget* buildTh()
{
    prepareCheckout();
    auto* th = new TF_Posxs_Th();
    th->show();
    th->tdjh->setText(paidSale);
    th->tdjhEnter();
    return th;
}

} // namespace

void RegisterPosCheckoutScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Posxs_Fk"), buildFk);
    Screenshots::Register(QStringLiteral("TF_Posxs_Jg"), buildJg);
    Screenshots::Register(QStringLiteral("TF_Posxs_Th"), buildTh);
}
