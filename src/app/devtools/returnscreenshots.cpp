// Screenshot of the purchase return window: an approved goods-in of the purchasing
// samples taken over as a whole-document return.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "listing/queryframe.h"
#include "platform/ui/screenshots.h"
#include "purchasing/cgjh.h"
#include "purchasing/cgjhimport.h"
#include "purchasing/cgth.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

namespace {

// An approved goods-in of the purchasing samples; answers its number.
QString approvedGoodsIn()
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
    return number;
}

QWidget* buildCgth()
{
    const QString number = approvedGoodsIn();
    // Showing the return window takes the handed-over goods-in over.
    WholeReturnDocNo = number;
    auto* w = new TF_Cgth();
    F_Cgth = w;
    return w;
}

// Two saved returns of the goods-in's lines, the second approved; the window opens
// on the tab given.
QWidget* buildCgthList(int tab)
{
    const QString in = approvedGoodsIn();
    const QString day = QueryScalar(
        QStringLiteral("select substr(j_jhrq,1,10) from jxc_jhd where gl_djh='") + in + QStringLiteral("'"));
    for (const QString& no : { QStringLiteral("CT%1001"), QStringLiteral("CT%1002") }) {
        const QString number = no.arg(QString(day).remove(QLatin1Char('-')).mid(2));
        ExecSQL(QStringLiteral("insert into jxc_thsp (gl_djh,g_sn,th_dj,th_sl,th_dzl,th_je,th_tax,th_taxdj,th_taxje,"
                               "th_zje,a_name,gl_djh2) select '%1',g_sn,jh_dj,1,1,jh_dj,0,jh_dj,0,jh_dj,a_name,'%2' "
                               "from jxc_jhsp where gl_djh='%2'")
                    .arg(number, in));
        ExecSQL(QStringLiteral("update jxc_thsp set tid=id where gl_djh='%1'").arg(number));
        ExecSQL(QStringLiteral("insert into jxc_thspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select gl_djh,"
                               "g_sn,(select min(cm_sn) from jxc_jhspmx m where m.tid=(select min(id) from jxc_jhsp j "
                               "where j.gl_djh='%2' and j.g_sn=t.g_sn)),(select min(color_sn) from jxc_jhspmx m "
                               "where m.tid=(select min(id) from jxc_jhsp j where j.gl_djh='%2' and j.g_sn=t.g_sn)),"
                               "1,a_name,id from jxc_thsp t where gl_djh='%1'")
                    .arg(number, in));
        ExecSQL(QStringLiteral("insert into jxc_thd (gl_djh,ghs_sn,ck_sn,th_thrq,th_yfje,th_sfje,th_hkje,u_sn,"
                               "th_note,th_status,th_jsfs,th_kmmc,a_name,th_qk,th_fpje) select '%1',ghs_sn,ck_sn,"
                               "'%2 15:00',-(select sum(th_zje) from jxc_thsp where gl_djh='%1'),-(select sum(th_zje) "
                               "from jxc_thsp where gl_djh='%1'),0,u_sn,'质量问题退回',0,1,'现金',a_name,0,0 "
                               "from jxc_jhd where gl_djh='%3'")
                    .arg(number, day, in));
    }
    auto* w = new TF_Cgth();
    F_Cgth = w;
    w->checkDj(QStringLiteral("CT%1002").arg(QString(day).remove(QLatin1Char('-')).mid(2)));
    QTimer::singleShot(0, w, [w, tab] {
        w->cxPage->setCurrentIndex(tab);
        if (tab == 2)
            SetPeriod(w->tdate1, w->tdate2, { QDate(2000, 1, 1), QDate(2099, 12, 31) });
        if (tab == 2)
            w->btnSearch2Click();
    });
    return w;
}

// The import's review step over a sheet of sample barcodes, two rows refused.
QWidget* buildCgjhImport()
{
    PreparePurchasingSamples();
    auto* in = F_Cgjh ? F_Cgjh : new TF_Cgjh();
    F_Cgjh = in;
    in->Activate();
    const PositionalRows rows { { QStringLiteral("12"), QStringLiteral("T1WM") },
        { QStringLiteral("6"), QStringLiteral("T1WL") }, { QStringLiteral("0"), QStringLiteral("T1NX") },
        { QStringLiteral("4"), QStringLiteral("C2WL") }, { QStringLiteral("2"), QStringLiteral("690000000000") } };
    auto* w = new TF_Cgjh_Import();
    QTimer::singleShot(0, w, [w, rows] {
        w->rowCount = int(rows.size());
        w->failedCount = StagePurchaseImportRows(rows);
        w->btnNext->setEnabled(true);
        w->btnNextClick();
    });
    return w;
}

} // namespace

void RegisterReturnScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Cgth"), buildCgth);
    Screenshots::Register(QStringLiteral("TF_Cgjh_Import"), buildCgjhImport);
    Screenshots::Register(QStringLiteral("TF_Cgth-pending"), [] { return buildCgthList(1); });
    Screenshots::Register(QStringLiteral("TF_Cgth-query"), [] { return buildCgthList(2); });
}
