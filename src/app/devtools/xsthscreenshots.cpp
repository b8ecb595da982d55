// Screenshots of the sales return window and its goods browser: two goods in
// colours and sizes, a return being entered and a pick in the browser.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/ui/screenshots.h"
#include "sales/xsth.h"
#include "sales/xsthadd.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

void prepareReturnSamples()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Screenshots::Prepare();
    ExecSQL(QStringLiteral("insert into jxc_color (color_sn,color_name) values ('340001','藏青'),('340002','卡其')"));
    ExecSQL(QStringLiteral("insert into jxc_cm (cm_sn,cm_name) values ('340001','M'),('340002','L')"));
    ExecSQL(QStringLiteral("insert into jxc_colorz (colorz_sn,colorz_name) values ('340001','风衣色')"));
    ExecSQL(QStringLiteral("insert into jxc_cmz (cmz_sn,cmz_name) values ('340001','男装码')"));
    ExecSQL(QStringLiteral("insert into jxc_colorz2 (colorz_sn,color_sn) values ('340001','340001'),"
                           "('340001','340002')"));
    ExecSQL(QStringLiteral("insert into jxc_cmz2 (cmz_sn,cm_sn) values ('340001','340001'),('340001','340002')"));
    ExecSQL(
        QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,dw_name,gg_name,g_jj,g_pjjj,g_sj,g_lsj,g_dzll,"
                       "g_kc,colorz_sn,cmz_sn,g_sccs,g_jy) values "
                       "('34010001','双排扣风衣','SPKFY','件','修身款',260,260,499,599,1,8,'340001','340001','北岸',0),"
                       "('34010002','休闲西裤','XXXK','条','直筒',90,90,189,219,1,5,'340001','340001','北岸',0)"));
    ExecSQL(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl) values ('34010001','100001',8),"
                           "('34010002','100001',5)"));
    LoadSystemSettings();
    ReturnOnlyCustomerGoods = QStringLiteral("0");
}

// A return line of the operator under the number with its colour-by-size rows.
void returnLine(const QString& number, const QString& goods, double price, const QList<QStringList>& rows)
{
    double qty = 0;
    for (const QStringList& r : rows)
        qty += r.value(2).toDouble();
    ExecSQL(QStringLiteral("insert into jxc_xsthsp (gl_djh,g_sn,th_dj,th_sl,th_dzl,th_tax,th_taxdj,th_je,th_zje,"
                           "th_lsj,th_cbj,th_zcb,a_name) values ('%1','%2',%3,%4,1,0,%3,%5,%5,%3,0,0,'%6')")
                .arg(number, goods, QString::number(price), QString::number(qty), QString::number(price * qty),
                    CurrentAdminName));
    ExecSQL(QStringLiteral("update jxc_xsthsp set tid=id where tid is null or tid=0"));
    for (const QStringList& r : rows)
        ExecSQL(QStringLiteral("insert into jxc_xsthspmx (gl_djh,g_sn,color_sn,cm_sn,t_sl,a_name,tid) select "
                               "gl_djh,g_sn,'%1','%2',%3,a_name,id from jxc_xsthsp where gl_djh='%4' and g_sn='%5'")
                    .arg(r.value(0), r.value(1), r.value(2), number, goods));
}

QWidget* buildXsth()
{
    prepareReturnSamples();
    auto* w = new TF_Xsth();
    w->Activate();
    const QString number = w->gldjh->text();
    returnLine(number, QStringLiteral("34010001"), 499,
        { { QStringLiteral("340001"), QStringLiteral("340001"), QStringLiteral("1") },
            { QStringLiteral("340002"), QStringLiteral("340002"), QStringLiteral("1") } });
    returnLine(number, QStringLiteral("34010002"), 189,
        { { QStringLiteral("340001"), QStringLiteral("340002"), QStringLiteral("2") } });
    w->openGridViewData(number);
    w->updateBottomJe();
    QTimer::singleShot(0, w, [w] { w->tnote->setText(QStringLiteral("尺码不合退回")); });
    return w;
}

QWidget* buildXsthAdd()
{
    prepareReturnSamples();
    if (!F_Xsth) {
        auto* host = new TF_Xsth();
        host->Activate();
    }
    ActiveDocKind = QStringLiteral("xsth");
    auto* b = new TF_Xsth_Add();
    // Showing the browser empties the picks: the sample pick comes after.
    QTimer::singleShot(0, b, [b] {
        ExecSQL(QStringLiteral("insert into jxc_tempspxf (g_sn,ts_dj,ts_sl,ts_zje,ts_dzl,ts_je,ts_tax,ts_taxdj,"
                               "ts_taxje,a_name) values ('34010001',499,1,499,1,499,0,499,0,'%1')")
                    .arg(CurrentAdminName));
        b->Q_Tempspxf.Requery();
    });
    return b;
}

} // namespace

void RegisterXsthScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Xsth"), buildXsth);
    Screenshots::Register(QStringLiteral("TF_Xsth_Add"), buildXsthAdd);
}
