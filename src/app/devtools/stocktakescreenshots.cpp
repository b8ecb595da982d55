// Screenshots of the stock-take window: a children's wear shop counting its
// knitted cardigans at the end of the month.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/ui/screenshots.h"
#include "warehouse/kcpd.h"
#include "warehouse/kcpdimportdlg.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

namespace {

// One goods in two colours and sizes; a pending count (PD240531001) whose blue M
// row was corrected in place, so that the line's total no longer matches, and an
// approved one of the month before.
void prepareKcpdSamples()
{
    Screenshots::Prepare();
    ExecSQL(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,dw_name,gg_name,g_jj,g_sj,g_pjjj,g_scjj,g_kc,g_jy,"
                           "g_sccs) values ('51020001','儿童针织开衫','ETZZKS','件','圆领',58,139,57,58,40,0,'暖岛')"));
    ExecSQL(QStringLiteral("insert into jxc_color (color_sn,color_name) values ('K1','米白'),('K2','雾蓝')"));
    ExecSQL(QStringLiteral("insert into jxc_cm (cm_sn,cm_name) values ('K90','90'),('K100','100')"));
    ExecSQL(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_zsl,kc_cbj,kc_xssl) values "
                           "('51020001','100001',40,40,57,0)"));
    ExecSQL(QStringLiteral("insert into jxc_kcpd (gl_djh,ck_sn,pd_rq,pd_sl,kc_sl,pd_note,pd_status,pd_checker,"
                           "pd_chkrq,u_sn,a_name) values ('PD240531001','100001','2024-05-31 18:05',38,40,'月末盘点',"
                           "0,'','','100001','%1'),('PD240430001','100001','2024-04-30 18:20',40,41,'四月盘点',1,"
                           "'%1','2024-04-30','100001','%1')")
                .arg(CurrentAdminName));
    ExecSQL(QStringLiteral("insert into jxc_kcpdsp (gl_djh,g_sn,pd_sl,kc_sl,kc_zsl,pd_dj,pd_zje,a_name,tid,id2) values "
                           "('PD240531001','51020001',38,40,40,57,-114,'%1',1,0),"
                           "('PD240430001','51020001',40,41,41,57,-57,'%1',2,2)")
                .arg(CurrentAdminName));
    ExecSQL(QStringLiteral("insert into jxc_kcpdspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,t_oldsl,a_name,tid) values "
                           "('PD240531001','51020001','K90','K1',12,12,'%1',1),"
                           "('PD240531001','51020001','K100','K1',9,10,'%1',1),"
                           "('PD240531001','51020001','K90','K2',10,10,'%1',1),"
                           "('PD240531001','51020001','K100','K2',6,8,'%1',1),"
                           "('PD240430001','51020001','K90','K1',20,20,'%1',2),"
                           "('PD240430001','51020001','K100','K2',20,21,'%1',2)")
                .arg(CurrentAdminName));
    LoadSystemSettings();
}

// The pending tab in its colour-by-size view, only the goods whose counts and total differ.
QWidget* buildKcpd()
{
    prepareKcpdSamples();
    auto* w = new TF_Kcpd();
    F_Kcpd = w;
    QTimer::singleShot(0, w, [w] {
        w->cxPage->setCurrentWidget(w->cxTab2);
        w->rYscm->setChecked(true);
        w->rDjbClick();
        w->chkCy->setChecked(true);
        w->btnSearch2Click();
    });
    return w;
}

QWidget* buildKcpdQuery()
{
    prepareKcpdSamples();
    auto* w = new TF_Kcpd();
    F_Kcpd = w;
    QTimer::singleShot(0, w, [w] {
        w->date1->setDate(QDate(2024, 4, 1));
        w->cxPage->setCurrentWidget(w->cxTab3);
    });
    return w;
}

// Step two of the count import: three counted barcodes, one with a typo in the
// quantity and one unknown barcode.
QWidget* buildKcpdImport()
{
    prepareKcpdSamples();
    ExecSQL(QStringLiteral("insert into jxc_tm (tm_tm,g_sn,cm_sn,color_sn) values ('6902001000901','51020001','K90',"
                           "'K1'),('6902001001001','51020001','K100','K1')"));
    auto* w = new TF_Kcpd_Import();
    QTimer::singleShot(0, w, [w] {
        w->ReadRows({ { QStringLiteral("12"), QStringLiteral("6902001000901") },
            { QStringLiteral("9"), QStringLiteral("6902001001001") },
            { QStringLiteral("1O"), QStringLiteral("6902001001001") },
            { QStringLiteral("4"), QStringLiteral("6902001009999") } });
        w->btnNext3Click();
    });
    return w;
}

} // namespace

void RegisterStockTakeScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Kcpd"), buildKcpd);
    Screenshots::Register(QStringLiteral("TF_Kcpd-query"), buildKcpdQuery);
    Screenshots::Register(QStringLiteral("TF_Kcpd_Import"), buildKcpdImport);
}
