// Screenshots of the stock transfer: a knitwear shop moving jumpers and scarves from
// its main warehouse to a shop floor, with the stock per colour and size.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/grid/matrixgrid.h"
#include "platform/ui/screenshots.h"
#include "warehouse/kcdb.h"
#include "warehouse/stockadd.h"
#include "warehouse/stocksele.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

namespace {

void prepareTransferSamples()
{
    static bool ready = false;
    if (ready)
        return;
    ready = true;
    Screenshots::Prepare();
    ExecSQL(QStringLiteral("insert into jxc_ckxx (ck_sn,ck_name,ck_jm,ck_asn,ck_aname) values "
                           "('300002','门店一楼','MDYL','100001,','admin,')"));
    ExecSQL(QStringLiteral("insert into jxc_color (color_sn,color_name) values ('300001','燕麦'),('300002','酒红'),"
                           "('300003','墨绿')"));
    ExecSQL(QStringLiteral("insert into jxc_cm (cm_sn,cm_name) values ('300001','S'),('300002','M'),('300003','L')"));
    ExecSQL(QStringLiteral("insert into jxc_colorz (colorz_sn,colorz_name) values ('300001','秋冬色')"));
    ExecSQL(QStringLiteral("insert into jxc_cmz (cmz_sn,cmz_name) values ('300001','针织码')"));
    ExecSQL(QStringLiteral("insert into jxc_colorz2 (colorz_sn,color_sn) values ('300001','300001'),"
                           "('300001','300002'),('300001','300003')"));
    ExecSQL(QStringLiteral("insert into jxc_cmz2 (cmz_sn,cm_sn) values ('300001','300001'),('300001','300002'),"
                           "('300001','300003')"));
    ExecSQL(
        QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,dw_name,gg_name,g_jj,g_sj,g_pjjj,g_scjj,g_kc,"
                       "g_jy,colorz_sn,cmz_sn,g_sccs) values "
                       "('20020001','羊毛高领毛衣','YMGLMY','件','宽松',120,268,118,120,40,0,'300001','300001','北岭'),"
                       "('20020002','羊绒围巾','YRWJ','条','长款',60,139,58,60,30,0,'300001','300001','北岭')"));
    ExecSQL(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_zsl,kc_cbj,kc_xssl) values "
                           "('20020001','100001',40,40,118,0),('20020002','100001',30,30,58,0)"));
    ExecSQL(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,cm_sn,color_sn,t_sl) values "
                           "('20020001','100001','300001','300001',9),('20020001','100001','300002','300001',14),"
                           "('20020001','100001','300002','300002',7),('20020001','100001','300003','300003',10),"
                           "('20020002','100001','300002','300002',30)"));
    ExecSQL(QStringLiteral("insert into jxc_tm (tm_tm,g_sn,cm_sn,color_sn) values "
                           "('YM-S-OAT','20020001','300001','300001'),('YM-M-OAT','20020001','300002','300001'),"
                           "('YM-M-RED','20020001','300002','300002'),('YR-M-RED','20020002','300002','300002')"));
    LoadSystemSettings();
    ApproveOnSave = QStringLiteral("0");
}

TF_Kcdb* transferWindow()
{
    if (!F_Kcdb) {
        F_Kcdb = new TF_Kcdb();
        F_Kcdb->Activate();
    }
    return F_Kcdb;
}

QWidget* buildKcdb()
{
    prepareTransferSamples();
    auto* w = new TF_Kcdb();
    F_Kcdb = w;
    w->Activate();
    for (const char* code : { "YM-S-OAT", "YM-M-OAT", "YM-M-RED", "YR-M-RED" }) {
        w->tSptm->setText(QLatin1String(code));
        w->tSptmKeyUp();
    }
    w->tnote->setText(QStringLiteral("门店补货"));
    return w;
}

QWidget* buildKcdbSele()
{
    prepareTransferSamples();
    transferWindow();
    OpenMode = QStringLiteral("kcdb_add");
    ActiveDocKind = QStringLiteral("kcdb");
    SelectedSn = QStringLiteral("20020001");
    auto* d = new TF_Kcdb_Sele();
    QTimer::singleShot(0, d, [d] {
        d->StringGridIn->CommitEdit(1, 1, QStringLiteral("3"));
        d->StringGridIn->CommitEdit(2, 1, QStringLiteral("5"));
        d->StringGridIn->CommitEdit(3, 3, QStringLiteral("2"));
    });
    return d;
}

QWidget* buildKcdbAdd()
{
    prepareTransferSamples();
    transferWindow();
    ActiveDocKind = QStringLiteral("kcdb");
    auto* b = new TF_Kcdb_Add();
    QTimer::singleShot(0, b, [b] {
        ExecSQL(QStringLiteral("insert into jxc_tempspxf (g_sn,ts_dj,ts_sl,ts_zje,ts_dzl,ts_note,a_name) values "
                               "('20020001',118,6,708,268,'','%1'),('20020002',58,4,232,139,'','%1')")
                    .arg(CurrentAdminName));
        b->Q_Spxf.Requery();
    });
    return b;
}

} // namespace

void RegisterWarehouseScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Kcdb"), buildKcdb);
    Screenshots::Register(QStringLiteral("TF_Kcdb_Sele"), buildKcdbSele);
    Screenshots::Register(QStringLiteral("TF_Kcdb_Add"), buildKcdbAdd);
}
