// Screenshots of the purchase query windows and their dialogs: three goods-in of
// the purchasing samples, two approved (one partly paid) and one pending.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/ui/screenshots.h"
#include "purchasing/cgjh.h"
#include "purchasing/jthcx.h"
#include "purchasing/modidate.h"
#include "purchasing/yfkglfk.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

namespace {

// The numbers of the approved documents and of the pending one.
struct QuerySamples {
    QStringList approved;
    QString pending;
};

const QuerySamples& PrepareQuerySamples()
{
    static QuerySamples samples;
    if (!samples.pending.isEmpty())
        return samples;
    PreparePurchasingSamples();
    auto* w = F_Cgjh ? F_Cgjh : new TF_Cgjh();
    F_Cgjh = w;
    const char* const suppliers[] = { "200001", "200002", "200001" };
    const char* const paid[] = { "sum(jh_zje)", "100", "sum(jh_zje)" };
    for (int i = 0; i < 3; ++i) {
        w->Activate();
        for (const char* code : { "T1WM", "T1WL", "T1NX", "C2WL" }) {
            w->tSptm->setText(QLatin1String(code));
            w->tSptmKeyDown();
        }
        const QString number = w->jsn->text();
        ExecSQL(QStringLiteral("insert into jxc_jhd (gl_djh,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,u_sn,j_note,a_name,"
                               "j_status,j_yhje,j_hkje,j_jsfs,j_kmmc,j_th,j_crk,j_qk,j_yf,j_bzf,j_fpje) "
                               "select '%1','%2','100001','%3 09:30',sum(jh_zje),%4,'100001','春季到货','%5',"
                               "0,0,0,1,'现金',0,1,1,0,0,0 from jxc_jhsp where gl_djh='%1'")
                    .arg(number, QLatin1String(suppliers[i]), w->dateCg->date().toString(QStringLiteral("yyyy-MM-dd")),
                        QLatin1String(paid[i]), CurrentAdminName));
        if (i < 2) {
            w->checkDj(number);
            samples.approved << number;
        } else {
            samples.pending = number;
        }
    }
    return samples;
}

QWidget* buildCgjhQuery()
{
    PrepareQuerySamples();
    auto* w = new TF_Cgjh();
    F_Cgjh = w;
    QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab3); });
    return w;
}

QWidget* buildJthcx()
{
    PrepareQuerySamples();
    return new TF_Jthcx();
}

QWidget* buildYfkglFk()
{
    SelectedSn = PrepareQuerySamples().approved.value(1);
    return new TF_Yfkgl_Fk();
}

QWidget* buildModiDateJh()
{
    DateEditCaller = QStringLiteral("cgjh");
    DateEditDocNo = PrepareQuerySamples().pending;
    return new TF_ModiDateJh();
}

} // namespace

void RegisterPurchaseQueryScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Cgjh-query"), buildCgjhQuery);
    Screenshots::Register(QStringLiteral("TF_Jthcx"), buildJthcx);
    Screenshots::Register(QStringLiteral("TF_Yfkgl_Fk"), buildYfkglFk);
    Screenshots::Register(QStringLiteral("TF_ModiDateJh"), buildModiDateJh);
}
