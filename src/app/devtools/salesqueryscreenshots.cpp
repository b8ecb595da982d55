// Screenshots of the sales and returns query and its receipt dialog: three approved
// deliveries of a shop's customers over a week, one partly paid, and a return.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/ui/screenshots.h"
#include "posting/salesposting.h"
#include "sales/xsdjcx.h"
#include "sales/yskglsk.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QRadioButton>
#include <QTimer>

namespace {

void PrepareSalesQuerySamples()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Screenshots::Prepare();
    LoadSystemSettings();
    UseDocPayment = QStringLiteral("1");
    ExecSQL(QStringLiteral("insert into jxc_goodsclass (gc_sn,gc_name) values ('SQ01','女装')"));
    ExecSQL(QStringLiteral("insert into jxc_khxx (kh_sn,kh_name,kh_jm,kh_tele) values "
                           "('SQ0001','锦绣服饰','JXFS','0571-8866001'),('SQ0002','悦己女装','YJNZ','0571-8866002')"));
    ExecSQL(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,dw_name,gg_name,gc_sn,g_jj,g_pjjj,g_sj,g_lsj,"
                           "g_kc) values ('SQ010001','羊毛针织开衫','YMZZKS','件','宽松款','SQ01',120,120,239,299,40),"
                           "('SQ010002','高腰阔腿裤','GYKTK','条','垂感','SQ01',80,80,169,199,40)"));
    ExecSQL(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl) values ('SQ010001','100001',40),"
                           "('SQ010002','100001',40)"));
    const QDate today = Clock::Today();
    struct Doc {
        const char* number; // the serial after the prefix and the day
        const char* customer;
        int daysAgo;
        int qty1, qty2;
        double paid;
    };
    const Doc docs[] = { { "1001", "SQ0001", 6, 3, 2, 1055 }, { "1002", "SQ0002", 4, 5, 0, 600 },
        { "1003", "SQ0001", 1, 2, 4, 1154 } };
    for (const Doc& d : docs) {
        const QDate day = today.addDays(-d.daysAgo);
        const QString number = QStringLiteral("XS") + day.toString(QStringLiteral("yyMMdd")) + QLatin1String(d.number);
        const double total = d.qty1 * 239 + d.qty2 * 169;
        ExecSQL(QStringLiteral("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,u_sn,a_name,ls_xsrq,ls_status,ls_jsfs,"
                               "ls_yfje,ls_sfje,ls_yhje,ls_hkje,ls_dzl,ls_note,ls_checker,ls_chkrq) select '%1','%2',"
                               "'100001',min(u_sn),'admin','%3 10:30',1,1,%4,%5,0,0,1,'','admin','%3' from jxc_user")
                    .arg(number, QLatin1String(d.customer), day.toString(QStringLiteral("yyyy-MM-dd")))
                    .arg(total)
                    .arg(d.paid));
        ExecSQL(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,a_name,ls_sl,ls_dj,ls_taxdj,ls_dzl,ls_je,ls_zje,"
                               "ls_cbj,ls_zcb,t_zp) values ('%1','SQ010001','admin',%2,239,239,1,%3,%3,120,%4,'')")
                    .arg(number)
                    .arg(d.qty1)
                    .arg(d.qty1 * 239)
                    .arg(d.qty1 * 120));
        if (d.qty2 > 0)
            ExecSQL(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,a_name,ls_sl,ls_dj,ls_taxdj,ls_dzl,ls_je,"
                                   "ls_zje,ls_cbj,ls_zcb,t_zp) values ('%1','SQ010002','admin',%2,169,169,1,%3,%3,80,"
                                   "%4,'')")
                        .arg(number)
                        .arg(d.qty2)
                        .arg(d.qty2 * 169)
                        .arg(d.qty2 * 80));
        ExecSQL(QStringLiteral("update jxc_lsxssp set tid=id where gl_djh='%1'").arg(number));
        ApproveSalesDoc(number);
    }
}

QWidget* buildXsdjcx()
{
    PrepareSalesQuerySamples();
    return new TF_Xsdjcx();
}

QWidget* buildXsdjcxChart()
{
    PrepareSalesQuerySamples();
    auto* w = new TF_Xsdjcx();
    QTimer::singleShot(0, w, [w] {
        w->tdate1->setDate(Clock::Today().addDays(-7));
        w->comNr->setCurrentIndex(0);
        w->rTjt->setChecked(true);
    });
    return w;
}

QWidget* buildYskglSk()
{
    PrepareSalesQuerySamples();
    SelectedSn
        = QStringLiteral("XS") + Clock::Today().addDays(-4).toString(QStringLiteral("yyMMdd")) + QStringLiteral("1002");
    return new TF_Yskgl_Sk();
}

} // namespace

void RegisterSalesQueryScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Xsdjcx"), buildXsdjcx);
    Screenshots::Register(QStringLiteral("TF_Xsdjcx-chart"), buildXsdjcxChart);
    Screenshots::Register(QStringLiteral("TF_Yskgl_Sk"), buildYskglSk);
}
