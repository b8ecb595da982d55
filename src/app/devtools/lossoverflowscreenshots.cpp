// Screenshot of the loss and overflow window: a shoe shop writing off two pairs of
// trainers with scuffed soles.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/ui/screenshots.h"
#include "warehouse/bsby.h"

#include <QLabel>

namespace {

QWidget* buildBsby()
{
    Screenshots::Prepare();
    ExecSQL(QStringLiteral(
        "insert into jxc_goods (g_sn,g_name,g_jm,dw_name,gg_name,g_jj,g_sj,g_pjjj,g_scjj,g_kc,g_jy,g_sccs) values "
        "('30010001','帆布休闲鞋','FBXXX','双','低帮',85,199,84,85,24,0,'南屿'),"
        "('30010002','网面跑步鞋','WMPBX','双','轻量',150,329,148,150,12,0,'南屿')"));
    ExecSQL(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_zsl,kc_cbj,kc_xssl) values "
                           "('30010001','100001',24,24,84,0),('30010002','100001',12,12,148,0)"));
    LoadSystemSettings();
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

} // namespace

void RegisterLossOverflowScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Bsby"), buildBsby);
}
