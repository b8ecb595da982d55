// Screenshots of the purchase order window: an order being entered, pending orders
// and approved orders (one of them void) in the query.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/ui/screenshots.h"
#include "purchasing/cgd.h"
#include "purchasing/cgjh.h"
#include "purchasing/cgjhimportdd.h"
#include "purchasing/orders.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

namespace {

TF_Cgd* newOrderWindow()
{
    PreparePurchasingSamples();
    auto* w = new TF_Cgd();
    F_Cgd = w;
    return w;
}

// One order of the supplier with the sample lines, saved pending; answers its number.
QString savedOrder(TF_Cgd& w, const char* supplier)
{
    w.Activate();
    for (const char* code : { "T1WM", "T1WL", "T1NX", "C2WL" }) {
        w.tSptm->setText(QLatin1String(code));
        w.tSptmKeyDown();
    }
    const QString number = w.jsn->text();
    ExecSQL(QStringLiteral("insert into jxc_cgd (gl_djh,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,u_sn,j_note,a_name,"
                           "j_status,j_yhje,j_hkje,j_jsfs,j_kmmc,j_th,j_qk,gl_djh2) "
                           "select '%1','%2','100001','%3 09:30',sum(jh_zje),sum(jh_zje),'100001','秋季备货','%4',"
                           "0,0,0,0,'现金',0,0,'' from jxc_cgsp where gl_djh='%1'")
                .arg(number, QLatin1String(supplier), w.dateCg->date().toString(QStringLiteral("yyyy-MM-dd")),
                    CurrentAdminName));
    return number;
}

QWidget* buildCgd()
{
    TF_Cgd* w = newOrderWindow();
    w->Activate();
    for (const char* code : { "T1WM", "T1WL", "T1NX", "C2WL", "C2NM" }) {
        w->tSptm->setText(QLatin1String(code));
        w->tSptmKeyDown();
    }
    w->tnote->setText(QStringLiteral("秋季备货"));
    return w;
}

QWidget* buildCgdPending()
{
    TF_Cgd* w = newOrderWindow();
    savedOrder(*w, "200001");
    savedOrder(*w, "200002");
    QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab2); });
    return w;
}

QWidget* buildCgdQuery()
{
    TF_Cgd* w = newOrderWindow();
    ApproveOrder(savedOrder(*w, "200001"), CurrentAdminName);
    const QString voided = savedOrder(*w, "200002");
    ApproveOrder(voided, CurrentAdminName);
    SetOrderVoid(voided, true);
    QTimer::singleShot(0, w, [w] {
        w->chkZf->setChecked(true);
        w->cxPage->setCurrentWidget(w->cxTab3);
    });
    return w;
}

// The take-over dialog over a goods-in being entered, two approved orders on offer.
QWidget* buildCgjhImportDD()
{
    TF_Cgd* w = newOrderWindow();
    ApproveOrder(savedOrder(*w, "200001"), CurrentAdminName);
    ApproveOrder(savedOrder(*w, "200002"), CurrentAdminName);
    if (!F_Cgjh) {
        F_Cgjh = new TF_Cgjh();
        F_Cgjh->Activate();
    }
    return new TF_Cgjh_ImportDD();
}

} // namespace

void RegisterOrderScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Cgd"), buildCgd);
    Screenshots::Register(QStringLiteral("TF_Cgd-pending"), buildCgdPending);
    Screenshots::Register(QStringLiteral("TF_Cgd-query"), buildCgdQuery);
    Screenshots::Register(QStringLiteral("TF_Cgjh_ImportDD"), buildCgjhImportDD);
}
