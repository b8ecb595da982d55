// Screenshot of the loss and overflow window: a shoe shop writing off two pairs of
// trainers with scuffed soles.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/ui/screenshots.h"
#include "warehouse/bsby.h"

#include <QLabel>
#include <QTabWidget>
#include <QTimer>

namespace {

void prepareBsbySamples()
{
    Screenshots::Prepare();
    ExecSQL(QStringLiteral(
        "insert into jxc_goods (g_sn,g_name,g_jm,dw_name,gg_name,g_jj,g_sj,g_pjjj,g_scjj,g_kc,g_jy,g_sccs) values "
        "('30010001','帆布休闲鞋','FBXXX','双','低帮',85,199,84,85,24,0,'南屿'),"
        "('30010002','网面跑步鞋','WMPBX','双','轻量',150,329,148,150,12,0,'南屿')"));
    ExecSQL(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_zsl,kc_cbj,kc_xssl) values "
                           "('30010001','100001',24,24,84,0),('30010002','100001',12,12,148,0)"));
    LoadSystemSettings();
}

QWidget* buildBsby()
{
    prepareBsbySamples();
    auto* w = new TF_Bsby();
    F_Bsby = w;
    w->Activate();
    const QString number = w->gldjh->text();
    ExecSQL(QStringLiteral("insert into jxc_bssp (gl_djh,g_sn,bs_sl,bs_dj,bs_zje,bs_note,a_name) values "
                           "('%1','30010001',2,84,168,'鞋底磨损','%2'),('%1','30010002',1,148,148,'鞋面开胶','%2')")
                .arg(number, CurrentAdminName));
    w->openGridViewData(number);
    return w;
}

// The pending tab with a loss and an overflow found at the spring stock count.
QWidget* buildBsbyPending()
{
    prepareBsbySamples();
    ExecSQL(
        QStringLiteral("insert into jxc_bsd (gl_djh,ck_sn,bs_bsrq,bs_status,bs_checker,bs_chkrq,u_sn,bs_note,a_name) "
                       "values ('BS240510001','100001','2024-05-10 09:12',0,'','','100001','鞋底磨损','%1')")
            .arg(CurrentAdminName));
    ExecSQL(
        QStringLiteral("insert into jxc_byd (gl_djh,ck_sn,by_byrq,by_status,by_checker,by_chkrq,u_sn,by_note,a_name) "
                       "values ('BY240510001','100001','2024-05-10 16:40',0,'','','100001','仓库角落找到','%1')")
            .arg(CurrentAdminName));
    ExecSQL(QStringLiteral("insert into jxc_bssp (gl_djh,g_sn,bs_sl,bs_dj,bs_zje,bs_note,a_name) values "
                           "('BS240510001','30010001',2,84,168,'鞋底磨损','%1'),"
                           "('BS240510001','30010002',1,148,148,'鞋面开胶','%1')")
                .arg(CurrentAdminName));
    ExecSQL(QStringLiteral("insert into jxc_bysp (gl_djh,g_sn,by_sl,by_dj,by_zje,by_note,a_name) values "
                           "('BY240510001','30010002',1,148,148,'','%1')")
                .arg(CurrentAdminName));
    auto* w = new TF_Bsby();
    F_Bsby = w;
    // Showing starts on the entry tab; the pending tab is turned to afterwards.
    QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab2); });
    return w;
}

} // namespace

void RegisterLossOverflowScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Bsby"), buildBsby);
    Screenshots::Register(QStringLiteral("TF_Bsby-pending"), buildBsbyPending);
}
