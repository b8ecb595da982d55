// Screenshots of the sales order window and the order take-over: a shop's goods
// in colours and sizes, an order being entered and approved orders to take over.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/ui/screenshots.h"
#include "sales/spdd.h"
#include "sales/spxs.h"
#include "sales/spxsimportdd.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

namespace {

void prepareOrderSamples()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Screenshots::Prepare();
    ExecSQL(QStringLiteral("insert into jxc_color (color_sn,color_name) values ('350001','藏青'),('350002','燕麦')"));
    ExecSQL(QStringLiteral("insert into jxc_cm (cm_sn,cm_name) values ('350001','M'),('350002','L')"));
    ExecSQL(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,dw_name,gg_name,g_jj,g_pjjj,g_sj,g_lsj,g_dzll,"
                           "g_kc,g_sccs,g_sptm) values ('35010001','双面呢大衣','SMNDY','件','中长款',360,360,699,899,"
                           "1,0,'北岸','6935010001'),('35010002','羊绒围巾','YRWJ','条','',90,90,199,259,1,0,'北岸',"
                           "'6935010002')"));
    ExecSQL(QStringLiteral("insert into jxc_tm (tm_tm,g_sn,cm_sn,color_sn) values "
                           "('6935010001','35010001','350001','350001'),('D1YL','35010001','350002','350002'),"
                           "('6935010002','35010002','350001','350002')"));
    ExecSQL(QStringLiteral("insert into jxc_khxx (kh_sn,kh_name,kh_jm) values ('350001','云裳服饰','YSFS')"));
    // Dated today, so that the lists' default period shows it.
    const QString today = Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
    ExecSQL(QStringLiteral(
        "insert into jxc_xsd (gl_djh,kh_sn,ck_sn,u_sn,a_name,ls_xsrq,ls_status,ls_qk,ls_dhbz,ls_jsfs,ls_yfje,"
        "ls_sfje,ls_checker,ls_chkrq,ls_note) select 'XD2024051000001','350001','100001',min(u_sn),'admin',"
        "'%1 09:30',1,0,0,1,2495,0,'admin','%1','冬装首单' from jxc_user")
                .arg(today));
    ExecSQL(QStringLiteral("insert into jxc_xssp (gl_djh,g_sn,a_name,ls_sl,ls_cksl,ls_dj,ls_taxdj,ls_dzl,ls_je,ls_zje,"
                           "ls_cbj,ls_zcb,t_zp) values "
                           "('XD2024051000001','35010001','admin',3,0,699,699,1,2097,2097,360,1080,''),"
                           "('XD2024051000001','35010002','admin',2,0,199,199,1,398,398,90,180,'')"));
    ExecSQL(QStringLiteral("update jxc_xssp set tid=id,id2=id"));
    ExecSQL(QStringLiteral("insert into jxc_xsspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select gl_djh,g_sn,"
                           "'350001','350001',ls_sl,a_name,id from jxc_xssp where gl_djh='XD2024051000001'"));
    LoadSystemSettings();
    DefaultTaxRate = QStringLiteral("0");
    AllowZeroStockOut = QStringLiteral("1");
}

TF_Spdd* newOrderWindow()
{
    prepareOrderSamples();
    auto* w = new TF_Spdd();
    F_Spdd = w;
    w->Activate();
    return w;
}

QWidget* buildSpdd()
{
    TF_Spdd* w = newOrderWindow();
    for (const char* code : { "6935010001", "D1YL", "6935010002" }) {
        w->tSptm->setText(QLatin1String(code));
        w->tSptmKeyDown();
    }
    w->tnote->setText(QStringLiteral("年前到货"));
    return w;
}

QWidget* buildSpddQuery()
{
    TF_Spdd* w = newOrderWindow();
    QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab3); });
    return w;
}

QWidget* buildImportDD()
{
    prepareOrderSamples();
    if (!F_Spxs) {
        F_Spxs = new TF_Spxs();
        F_Spxs->Activate();
    }
    return new TF_Spxs_ImportDD();
}

} // namespace

void RegisterSalesOrderScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Spdd"), buildSpdd);
    Screenshots::Register(QStringLiteral("TF_Spdd-query"), buildSpddQuery);
    Screenshots::Register(QStringLiteral("TF_Spxs_ImportDD"), buildImportDD);
}
