// Screenshot of the purchase return window: an approved goods-in of the purchasing
// samples taken over as a whole-document return.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/ui/screenshots.h"
#include "purchasing/cgjh.h"
#include "purchasing/cgth.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

namespace {

QWidget* buildCgth()
{
    PreparePurchasingSamples();
    auto* in = F_Cgjh ? F_Cgjh : new TF_Cgjh();
    F_Cgjh = in;
    in->Activate();
    for (const char* code : { "T1WM", "T1WL", "T1NX" }) {
        in->tSptm->setText(QLatin1String(code));
        in->tSptmKeyDown();
    }
    const QString number = in->jsn->text();
    ExecSQL(QStringLiteral("insert into jxc_jhd (gl_djh,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,u_sn,j_note,a_name,"
                           "j_status,j_yhje,j_hkje,j_jsfs,j_kmmc,j_th,j_crk,j_qk,j_yf,j_bzf,j_fpje) "
                           "select '%1','200001','100001','%2 09:30',sum(jh_zje),sum(jh_zje),'100001','春季到货','%3',"
                           "0,0,0,1,'现金',0,1,1,0,0,0 from jxc_jhsp where gl_djh='%1'")
                .arg(number, in->dateCg->date().toString(QStringLiteral("yyyy-MM-dd")), CurrentAdminName));
    in->checkDj(number);
    // Showing the return window takes the handed-over goods-in over.
    WholeReturnDocNo = number;
    auto* w = new TF_Cgth();
    F_Cgth = w;
    return w;
}

} // namespace

void RegisterReturnScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Cgth"), buildCgth);
}
