// Screenshots of the purchasing windows: a small clothing supplier's goods with
// their colours, sizes and barcodes, a goods-in being entered and two saved
// documents waiting for approval.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/grid/matrixgrid.h"
#include "platform/ui/screenshots.h"
#include "purchasing/cgjh.h"
#include "purchasing/cgjhadd.h"
#include "purchasing/cgjhsele.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

void PreparePurchasingSamples()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Screenshots::Prepare();
    ExecSQL(QStringLiteral("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_jm,ghs_lxr,ghs_tele,ghs_address,ghs_lwje,"
                           "ghs_forbid,ghs_default,gt_name) values "
                           "('200001','海岸服饰有限公司','HAFS','周立','0571-86012345','杭州市四季青服装市场',0,0,1,'"
                           "服装厂'),"
                           "('200002','晴川制衣厂','QCZY','林晴','020-83456789','广州市白马服装城',0,0,0,'服装厂')"));
    ExecSQL(QStringLiteral(
        "insert into jxc_color (color_sn,color_name) values ('200001','白色'),('200002','藏青'),('200003','浅灰')"));
    ExecSQL(QStringLiteral("insert into jxc_cm (cm_sn,cm_name) values ('200001','M'),('200002','L'),('200003','XL'),"
                           "('200004','XXL')"));
    ExecSQL(QStringLiteral("insert into jxc_colorz (colorz_sn,colorz_name) values ('200001','基础色')"));
    ExecSQL(QStringLiteral("insert into jxc_cmz (cmz_sn,cmz_name) values ('200001','上衣码')"));
    ExecSQL(
        QStringLiteral("insert into jxc_colorz2 (colorz_sn,color_sn) values ('200001','200001'),('200001','200002'),"
                       "('200001','200003')"));
    ExecSQL(QStringLiteral("insert into jxc_cmz2 (cmz_sn,cm_sn) values ('200001','200001'),('200001','200002'),"
                           "('200001','200003'),('200001','200004')"));
    ExecSQL(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,cm_sn,color_sn,t_sl) values "
                           "('10010001','100001','200001','200001',12),('10010001','100001','200002','200001',8),"
                           "('10010001','100001','200003','200002',5),('10010001','100001','200002','200003',3)"));
    ExecSQL(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,dw_name,gg_name,g_jj,g_pjjj,g_scjj,g_kc,g_jy,"
                           "colorz_sn,cmz_sn,g_sccs) values "
                           "('10010001','纯棉圆领T恤','CMYLTX','件','春夏款',45,45,45,0,0,'200001','200001','海岸'),"
                           "('10010002','牛津纺衬衫','NJFCS','件','修身',78,78,78,0,0,'200001','200001','海岸')"));
    ExecSQL(QStringLiteral("insert into jxc_tm (tm_tm,g_sn,cm_sn,color_sn) values "
                           "('T1WM','10010001','200001','200001'),('T1WL','10010001','200002','200001'),"
                           "('T1NX','10010001','200003','200002'),('C2WL','10010002','200002','200001'),"
                           "('C2NM','10010002','200001','200002')"));
    LoadSystemSettings();
}

namespace {

// A goods-in being entered: five scans, as the barcode panel takes them.
void scanSampleLines(TF_Cgjh& w)
{
    for (const char* code : { "T1WM", "T1WL", "T1NX", "C2WL", "C2NM" }) {
        w.tSptm->setText(QLatin1String(code));
        w.tSptmKeyDown();
    }
}

QWidget* buildCgjh()
{
    PreparePurchasingSamples();
    auto* w = new TF_Cgjh();
    F_Cgjh = w;
    w->Activate();
    scanSampleLines(*w);
    w->tnote->setText(QStringLiteral("春季到货"));
    // Showing prepares the document again; the lines stay under its number.
    return w;
}

QWidget* buildCgjhPending()
{
    PreparePurchasingSamples();
    auto* w = new TF_Cgjh();
    F_Cgjh = w;
    const char* const suppliers[] = { "200001", "200002" };
    for (const char* supplier : suppliers) {
        w->Activate();
        scanSampleLines(*w);
        // Saved as the window saves a pending document, without its question.
        ExecSQL(QStringLiteral("insert into jxc_jhd (gl_djh,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,u_sn,j_note,a_name,"
                               "j_status,j_yhje,j_hkje,j_jsfs,j_kmmc,j_th,j_crk,j_qk,j_yf,j_bzf,j_fpje) "
                               "select '%1','%2','100001','%3 09:30',sum(jh_zje),sum(jh_zje),'100001','春季到货','%4',"
                               "0,0,0,0,'现金',0,1,1,0,0,0 from jxc_jhsp where gl_djh='%1'")
                    .arg(w->jsn->text(), QLatin1String(supplier),
                        w->dateCg->date().toString(QStringLiteral("yyyy-MM-dd")), CurrentAdminName));
    }
    QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab2); });
    return w;
}

// The line dialog over a goods-in being entered, quantities typed in three cells.
QWidget* buildCgjhSele()
{
    PreparePurchasingSamples();
    if (!F_Cgjh) {
        F_Cgjh = new TF_Cgjh();
        F_Cgjh->Activate();
    }
    OpenMode = QStringLiteral("cgjh_new");
    ActiveDocKind = QStringLiteral("cgjh");
    SelectedSn = QStringLiteral("10010001");
    auto* d = new TF_Cgjh_Sele();
    QTimer::singleShot(0, d, [d] {
        d->StringGridIn->CommitEdit(1, 1, QStringLiteral("6"));
        d->StringGridIn->CommitEdit(2, 1, QStringLiteral("4"));
        d->StringGridIn->CommitEdit(3, 2, QStringLiteral("2"));
        d->cxPage->setCurrentWidget(d->cxTab2);
    });
    return d;
}

// The goods browser with two picked lines.
QWidget* buildCgjhAdd()
{
    PreparePurchasingSamples();
    if (!F_Cgjh) {
        F_Cgjh = new TF_Cgjh();
        F_Cgjh->Activate();
    }
    ActiveDocKind = QStringLiteral("cgjh");
    auto* b = new TF_Cgjh_Add();
    QTimer::singleShot(0, b, [b] {
        ExecSQL(QStringLiteral("insert into jxc_tempspxf (g_sn,ts_dj,ts_sl,ts_zje,ts_je,ts_tax,ts_taxdj,ts_taxje,"
                               "ts_dzl,ts_note,a_name) values "
                               "('10010001',45,10,450,450,0,45,0,1,'','%1'),('10010002',78,5,390,390,0,78,0,1,'','%1')")
                    .arg(CurrentAdminName));
        b->Q_Tempspxf.Requery();
    });
    return b;
}

} // namespace

void RegisterPurchasingScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Cgjh"), buildCgjh);
    Screenshots::Register(QStringLiteral("TF_Cgjh-pending"), buildCgjhPending);
    Screenshots::Register(QStringLiteral("TF_Cgjh_Sele"), buildCgjhSele);
    Screenshots::Register(QStringLiteral("TF_Cgjh_Add"), buildCgjhAdd);
}
