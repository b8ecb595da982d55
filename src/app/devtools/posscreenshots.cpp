// The till's windows for the developers' screenshot command: a shop with a few goods
// in colours and sizes and stock in the till's warehouse.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/ui/screenshots.h"
#include "pos/posmainform.h"
#include "pos/poswindows.h"
#include "pos/posxssele.h"

void PrepareTillShop()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Screenshots::Prepare();
    DeclarePosDatasets();
    ExecSQL(
        QStringLiteral("insert into jxc_color (color_sn,color_name) values ('P1','白色'),('P2','黑色'),('P3','藏青')"));
    ExecSQL(QStringLiteral("insert into jxc_cm (cm_sn,cm_name) values ('P1','S'),('P2','M'),('P3','L'),('P4','XL')"));
    ExecSQL(QStringLiteral("insert into jxc_colorz (colorz_sn,colorz_name) values ('PZ','常用色')"));
    ExecSQL(QStringLiteral("insert into jxc_cmz (cmz_sn,cmz_name) values ('PZ','上衣码')"));
    ExecSQL(QStringLiteral("insert into jxc_colorz2 (colorz_sn,color_sn) values ('PZ','P1'),('PZ','P2'),('PZ','P3')"));
    ExecSQL(
        QStringLiteral("insert into jxc_cmz2 (cmz_sn,cm_sn) values ('PZ','P1'),('PZ','P2'),('PZ','P3'),('PZ','P4')"));
    ExecSQL(QStringLiteral(
        "insert into jxc_goods (g_sn,g_name,g_jm,dw_name,gg_name,g_sj,g_lsj,g_jj,g_pjjj,g_dzll,g_jy,g_kc,colorz_sn,"
        "cmz_sn,g_sptm) values "
        "('20010001','纯棉圆领T恤','CMYLTX','件','春夏款',89,99,45,45,1,0,30,'PZ','PZ','6902000000011'),"
        "('20010002','牛津纺衬衫','NJFCS','件','修身',159,169,78,78,1,0,24,'PZ','PZ','6902000000028'),"
        "('20010003','休闲直筒裤','XXZTK','条','直筒',139,149,68,68,1,0,18,'PZ','PZ','6902000000035')"));
    const char* goods[] = { "20010001", "20010002", "20010003" };
    const int stock[3][4] = { { 2, 5, 3, 0 }, { 1, 0, 4, 2 }, { 0, 3, 0, 1 } };
    for (const char* g : goods) {
        ExecSQL(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_zsl,kc_cbj) values ('%1','100001',20,20,40)")
                    .arg(QLatin1String(g)));
        for (int c = 0; c < 3; ++c)
            for (int z = 0; z < 4; ++z) {
                const QString colour = QStringLiteral("P%1").arg(c + 1);
                const QString size = QStringLiteral("P%1").arg(z + 1);
                ExecSQL(
                    QStringLiteral("insert into jxc_tm (g_sn,cm_sn,color_sn,tm_tm) values ('%1','%2','%3','%1%3%2')")
                        .arg(QLatin1String(g), size, colour));
                ExecSQL(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,cm_sn,color_sn,t_sl) values "
                                       "('%1','100001','%2','%3',%4)")
                            .arg(QLatin1String(g), size, colour)
                            .arg(stock[c][z]));
            }
    }
    ExecSQL(QStringLiteral("update jxc_company set c_jc='海岸服饰'"));
    LoadSystemSettings();
}

namespace {

// The till after three scans: the window is shown here, since its showing starts a
// fresh sale, and the cart is filled afterwards.
QWidget* buildTill()
{
    PrepareTillShop();
    F_PosMainForm = new TF_PosMainForm();
    F_PosMainForm->resize(1100, 720);
    F_PosMainForm->show();
    for (const char* code : { "20010001P1P2", "20010002P2P1", "20010001P1P2", "20010003P1P3" })
        F_PosMainForm->setFilterGoods(QLatin1String(code));
    return F_PosMainForm;
}

QWidget* buildSele()
{
    PrepareTillShop();
    SelectedSn = QStringLiteral("20010002");
    OpenMode = QStringLiteral("100001");
    return new TF_Posxs_Sele();
}

} // namespace

void RegisterPosScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_PosMainForm"), buildTill);
    Screenshots::Register(QStringLiteral("TF_Posxs_Sele"), buildSele);
}
