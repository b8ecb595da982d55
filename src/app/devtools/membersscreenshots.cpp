// Screenshots of the member windows: a few members with purchases, top-ups and gift
// goods on the account set the screenshot command prepared.
#include "app/devtools/deliveredfile.h"
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "members/dhzp.h"
#include "members/hygl.h"
#include "members/hyglimport.h"
#include "members/memberswindows.h"
#include "members/posprinset.h"
#include "platform/ui/screenshots.h"

#include <QTimer>

namespace {

void sampleMembers()
{
    Screenshots::Prepare();
    DeclareMembersDatasets();
    ExecSQL(QStringLiteral(
        "insert into jxc_hyxx (hy_sn,hy_fsn,hy_bh,hy_name,hy_jm,hy_status,hl_sn,hh_sn,hy_mm,hy_jf,hy_zjf,hy_zhje,"
        "hy_ye,hy_zje,hy_sex,hy_tele,hy_mobile,hy_sr,hy_jrrq,hy_dqrq,hy_sj,hy_qx,hy_address) values "
        "('100002','','8001','陈晓梅','CXM',1,'100002','100001','',320,860,500,0,2860,'女','','13905711234',"
        "'1988-06-12','2023-04-01','2100-12-31',1,0,'杭州市西湖区文三路88号'),"
        "('100003','','8002','刘建国','LJG',1,'100002','100001','',45,45,0,0,458,'男','0571-86001122',"
        "'13666668888','1979-11-03','2023-09-15','2100-12-31',1,0,'杭州市拱墅区莫干山路12号'),"
        "('100004','100002','8003','王婷','WT',0,'100001','100001','',0,0,120,0,0,'女','','18857123456',"
        "'1995-02-20','2024-01-08','2100-12-31',0,0,'')"));
    ExecSQL(QStringLiteral(
        "insert into jxc_goods (g_sn,g_name,g_jm,dw_name,gg_name,color_name,g_kc,g_iszp,g_sy,g_zpjf) values "
        "('90000001','保温杯','BWB','个','350ml','',20,1,1,100),('90000002','环保袋','HBD','个','','',50,1,1,0),"
        "('90000003','羊毛围巾','YMWJ','条','','',8,1,1,300)"));
    ExecSQL(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_zsl,kc_cbj,kc_xssl,kc_zcb) values "
                           "('90000001','100001',20,20,18,0,360),('90000002','100001',50,50,3,0,150),"
                           "('90000003','100001',8,8,45,0,360)"));
}

QWidget* buildRegister()
{
    sampleMembers();
    return new TF_Hygl();
}

QWidget* buildGiftExchange()
{
    sampleMembers();
    ActiveDocKind = QStringLiteral("8001");
    // Two gifts already picked, under the number the window will draw.
    const QString number = NextDocNoToday(QStringLiteral("jxc_dhd"), QStringLiteral("gl_djh"), QStringLiteral("DH"));
    F_DataModule->ADOConn.Exec(QStringLiteral("insert into jxc_dhzp (gl_djh,g_sn,dh_zpjf,dh_sl,dh_jf,a_name) values "
                                              "(:n,'90000001',100,2,200,:a),(:n,'90000002',0,1,0,:a)"),
        { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName } });
    return new TF_Dhzp();
}

QWidget* buildImport()
{
    sampleMembers();
    auto* w = new TF_Hygl_Import();
    // The mapping panel with the delivered sample file opened, once the window shows.
    QTimer::singleShot(0, w, [w] {
        w->btnNext1Click();
        w->OpenFile(DeliveredFile(QStringLiteral("模板文件/会员信息模板.xlsx")));
    });
    return w;
}

QWidget* buildReceiptSettings()
{
    sampleMembers();
    return new TF_PosPrinSet();
}

} // namespace

void RegisterMembersScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Hygl"), buildRegister);
    Screenshots::Register(QStringLiteral("TF_Dhzp"), buildGiftExchange);
    Screenshots::Register(QStringLiteral("TF_PosPrinSet"), buildReceiptSettings);
    Screenshots::Register(QStringLiteral("TF_Hygl_Import"), buildImport);
}
