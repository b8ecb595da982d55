// Screenshots of the member card windows: entry, top-up, SMS sender and card settings
// over a few sample members, methods and bonus rules.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "members/hygladd.h"
#include "members/hyksz.h"
#include "members/hyxf.h"
#include "members/memberswindows.h"
#include "members/smssend.h"
#include "platform/ui/screenshots.h"

#include <QLineEdit>
#include <QTimer>

namespace {

void sampleMemberCards()
{
    Screenshots::Prepare();
    DeclareMembersDatasets();
    ExecSQL(QStringLiteral("insert into jxc_hyyh (hh_sn,hh_name,hh_zl,hh_yh1,hh_yh2,hh_yh3,hh_zlname,hh_note) values "
                           "('100002','金卡九五',0,1.05,0,0,'存款优惠','实际款=所付存款*1.05'),"
                           "('100003','充值有礼',2,1,0,0,'充值赠送','充值赠送金额')"));
    ExecSQL(QStringLiteral(
        "insert into jxc_hyczzs (hs_sn,hs_czje,hs_zsje,hs_zsfs,hs_txt,hs_myje,hs_note) values "
        "('100001',500,100,0,'充值后立即全额赠送',0,'充值500元赠送100元'),"
        "('100002',1000,240,1,'充值后按月赠送',20,'充值1000元赠送240元，按月赠送，每月10日自动到账：20元')"));
    ExecSQL(QStringLiteral(
        "insert into jxc_hyxx (hy_sn,hy_fsn,hy_bh,hy_name,hy_jm,hy_status,hl_sn,hh_sn,hy_mm,hy_jf,hy_zjf,hy_zhje,"
        "hy_ye,hy_zje,hy_sex,hy_tele,hy_mobile,hy_sr,hy_jrrq,hy_sj,hy_qx,hy_address) values "
        "('100002','','8001','陈晓梅','CXM',1,'100002','100002','',320,860,500,0,2860,'女','','13905711234',"
        "'1988-06-12','2023-04-01',1,0,'杭州市西湖区文三路88号')"));
    ExecSQL(QStringLiteral("update jxc_goods set g_tssp=0"));
}

QWidget* buildMemberAdd()
{
    sampleMemberCards();
    auto* w = new TF_Hygl_Add();
    // Entries typed once the window shows (its activation empties them).
    QTimer::singleShot(0, w, [w] {
        w->hy_bh->setText(QStringLiteral("8002"));
        w->hy_name->setText(QStringLiteral("刘建国"));
        w->hy_zhje->setText(QStringLiteral("500"));
        w->hy_mobile->setText(QStringLiteral("13666668888"));
        w->hy_address->setText(QStringLiteral("杭州市拱墅区莫干山路12号"));
    });
    return w;
}

QWidget* buildMemberTopUp()
{
    sampleMemberCards();
    OpenMode = QStringLiteral("100002");
    auto* w = new TF_Hyxf();
    QTimer::singleShot(0, w, [w] {
        w->tje->setText(QStringLiteral("200"));
        w->tjeChange();
    });
    return w;
}

QWidget* buildSmsSender()
{
    sampleMemberCards();
    SmsHost = QStringLiteral("sms.example.com");
    SmsUser = QStringLiteral("shop01");
    return new TF_Sms_Send();
}

QWidget* buildCardSettings()
{
    sampleMemberCards();
    return new TF_Hyksz();
}

} // namespace

void RegisterMemberCardScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Hygl_Add"), buildMemberAdd);
    Screenshots::Register(QStringLiteral("TF_Hyxf"), buildMemberTopUp);
    Screenshots::Register(QStringLiteral("TF_Sms_Send"), buildSmsSender);
    Screenshots::Register(QStringLiteral("TF_Hyksz"), buildCardSettings);
}
