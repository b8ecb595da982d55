// Screenshots of the sales delivery windows: a shop's goods with colours, sizes,
// stock and barcodes, a delivery being entered and its colour-by-size picker.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "listing/queryframe.h"
#include "platform/grid/matrixgrid.h"
#include "platform/ui/screenshots.h"
#include "sales/spxs.h"
#include "sales/spxsadd.h"
#include "sales/spxssele.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

namespace {

void prepareSalesSamples()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Screenshots::Prepare();
    ExecSQL(QStringLiteral("insert into jxc_color (color_sn,color_name) values ('300001','黑色'),('300002','米白'),"
                           "('300003','酒红')"));
    ExecSQL(QStringLiteral("insert into jxc_cm (cm_sn,cm_name) values ('300001','S'),('300002','M'),('300003','L')"));
    ExecSQL(QStringLiteral("insert into jxc_colorz (colorz_sn,colorz_name) values ('300001','秋冬色')"));
    ExecSQL(QStringLiteral("insert into jxc_cmz (cmz_sn,cmz_name) values ('300001','女装码')"));
    ExecSQL(QStringLiteral("insert into jxc_colorz2 (colorz_sn,color_sn) values ('300001','300001'),"
                           "('300001','300002'),('300001','300003')"));
    ExecSQL(QStringLiteral("insert into jxc_cmz2 (cmz_sn,cm_sn) values ('300001','300001'),('300001','300002'),"
                           "('300001','300003')"));
    ExecSQL(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,dw_name,gg_name,g_jj,g_pjjj,g_sj,g_lsj,g_dzll,"
                           "g_kc,colorz_sn,cmz_sn,g_sccs,g_sptm) values "
                           "('30010001','羊毛针织开衫','YMZZKS','件','宽松款',120,120,239,299,1,0,'300001','300001',"
                           "'暖阳','6930010001'),"
                           "('30010002','高腰阔腿裤','GYKTK','条','垂感',80,80,169,199,0.9,0,'300001','300001','暖阳',"
                           "'6930010002')"));
    ExecSQL(QStringLiteral("insert into jxc_tm (tm_tm,g_sn,cm_sn,color_sn) values "
                           "('6930010001','30010001','300002','300001'),('K1RM','30010001','300002','300003'),"
                           "('6930010002','30010002','300001','300002'),('K2BL','30010002','300003','300001')"));
    ExecSQL(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,cm_sn,color_sn,t_sl) values "
                           "('30010001','100001','300001','300001',6),('30010001','100001','300002','300001',9),"
                           "('30010001','100001','300002','300003',4),('30010001','100001','300003','300002',2),"
                           "('30010002','100001','300001','300002',7),('30010002','100001','300003','300001',5)"));
    ExecSQL(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl) values ('30010001','100001',21),"
                           "('30010002','100001',12)"));
    LoadSystemSettings();
    DefaultTaxRate = QStringLiteral("0");
}

QWidget* buildSpxs()
{
    prepareSalesSamples();
    auto* w = new TF_Spxs();
    F_Spxs = w;
    w->Activate();
    for (const char* code : { "6930010001", "6930010001", "K1RM", "6930010002", "K2BL" }) {
        w->tSptm->setText(QLatin1String(code));
        w->tSptmKeyDown();
    }
    w->tnote->setText(QStringLiteral("老客户秋装补货"));
    return w;
}

// The picker over a delivery being entered, quantities typed in three cells.
QWidget* buildSpxsSele()
{
    prepareSalesSamples();
    if (!F_Spxs) {
        F_Spxs = new TF_Spxs();
        F_Spxs->Activate();
    }
    OpenMode = QStringLiteral("spxs_new");
    ActiveDocKind = QStringLiteral("spxs");
    SelectedSn = QStringLiteral("30010001");
    auto* d = new TF_Spxs_Sele();
    QTimer::singleShot(0, d, [d] {
        d->StringGridIn->CommitEdit(1, 1, QStringLiteral("2"));
        d->StringGridIn->CommitEdit(2, 1, QStringLiteral("3"));
        d->StringGridIn->CommitEdit(2, 3, QStringLiteral("1"));
        d->cxPage->setCurrentWidget(d->cxTab2);
    });
    return d;
}

// Two deliveries of one customer with their lines, pending (status 0) or approved.
void insertSampleDeliveries(int status)
{
    ExecSQL(QStringLiteral("insert into jxc_khxx (kh_sn,kh_name,kh_jm) values ('300001','锦绣服饰','JXFS')"));
    ExecSQL(QStringLiteral(
        "insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,u_sn,a_name,ls_xsrq,ls_status,ls_dhbz,ls_jsfs,ls_yfje,ls_sfje,"
        "ls_yhje,ls_hkje,ls_lr,ls_dzl,ls_note,ls_checker,ls_chkrq) select "
        "'XS2024051000001','300001','100001',min(u_sn),"
        "'admin','2024-05-10 09:12',%1,0,0,647,647,0,0,327,1,'秋装补货','%2','%3' from jxc_user union all "
        "select 'XS2024051000002','300001','100001',min(u_sn),'admin','2024-05-10 14:40',%1,0,1,338,0,0,0,178,1,'',"
        "'%2','%3' from jxc_user")
                .arg(status)
                .arg(status ? QStringLiteral("admin") : QString(), status ? QStringLiteral("2024-05-10") : QString()));
    ExecSQL(QStringLiteral("insert into jxc_lsxssp "
                           "(gl_djh,g_sn,a_name,ls_sl,ls_dj,ls_taxdj,ls_dzl,ls_je,ls_zje,ls_cbj,ls_zcb,t_zp) values "
                           "('XS2024051000001','30010001','admin',2,239,239,1,478,478,120,240,''),"
                           "('XS2024051000001','30010002','admin',1,169,169,1,169,169,80,80,''),"
                           "('XS2024051000002','30010002','admin',2,169,169,1,338,338,80,160,'')"));
    ExecSQL(QStringLiteral("update jxc_lsxssp set tid=id"));
}

// Two deliveries waiting for approval, the first one's lines below the list.
QWidget* buildSpxsPending()
{
    prepareSalesSamples();
    insertSampleDeliveries(0);
    auto* w = new TF_Spxs();
    F_Spxs = w;
    w->Activate();
    // Showing prepares the entry tab; the pending tab is turned to afterwards.
    QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab2); });
    return w;
}

// Two approved deliveries with their ledger rows, the first one's rows below.
QWidget* buildSpxsQuery()
{
    prepareSalesSamples();
    insertSampleDeliveries(1);
    ExecSQL(QStringLiteral(
        "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gg_name,gl_dj,gl_cbj,gl_zcb,gl_dzl,"
        "gl_sl,gl_je,gl_zje,gl_tax,gl_taxdj,gl_taxje,gl_lr,ck_sn,ck_name,ghs_sn,ghs_name,u_name,gl_checker,gl_chkrq,"
        "tid) select 'xs',a.gl_djh,h.ls_xsrq,a.g_sn,g.g_name,g.g_jm,g.dw_name,g.gg_name,a.ls_dj,a.ls_cbj,a.ls_zcb,1,"
        "a.ls_sl,a.ls_je,a.ls_zje,0,a.ls_dj,0,a.ls_zje-a.ls_zcb,'100001','总仓库','300001','锦绣服饰','','admin',"
        "'2024-05-10',a.id from jxc_lsxssp a,jxc_lsxsd h,jxc_goods g where a.gl_djh=h.gl_djh and a.g_sn=g.g_sn"));
    auto* w = new TF_Spxs();
    F_Spxs = w;
    w->Activate();
    QTimer::singleShot(0, w, [w] {
        w->cxPage->setCurrentWidget(w->cxTab3);
        SetPeriod(w->tdate11, w->tdate12, { QDate(2024, 5, 1), QDate(2024, 5, 31) });
        w->btnSearch1Click();
    });
    return w;
}

// The goods browser over the delivery being entered, two goods picked.
QWidget* buildSpxsAdd()
{
    prepareSalesSamples();
    if (!F_Spxs) {
        F_Spxs = new TF_Spxs();
        F_Spxs->Activate();
    }
    ActiveDocKind = QStringLiteral("spxs");
    auto* b = new TF_Spxs_Add();
    QTimer::singleShot(0, b, [b] {
        ExecSQL(QStringLiteral("insert into jxc_tempspxf (g_sn,ts_dj,ts_sl,ts_zje,ts_je,ts_tax,ts_taxdj,ts_taxje,"
                               "ts_dzl,ts_note,a_name,t_zp) values "
                               "('30010001',239,3,717,717,0,239,0,1,'','%1',''),"
                               "('30010002',169,2,338,338,0,169,0,1,'','%1','')")
                    .arg(CurrentAdminName));
        b->Q_Tempspxf.Requery();
    });
    return b;
}

} // namespace

void RegisterSalesScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Spxs"), buildSpxs);
    Screenshots::Register(QStringLiteral("TF_Spxs_Sele"), buildSpxsSele);
    Screenshots::Register(QStringLiteral("TF_Spxs-pending"), buildSpxsPending);
    Screenshots::Register(QStringLiteral("TF_Spxs-query"), buildSpxsQuery);
    Screenshots::Register(QStringLiteral("TF_Spxs_Add"), buildSpxsAdd);
}
