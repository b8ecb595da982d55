// Sample data for the screenshots of the statement and statistics windows: a few
// customers, a department and salesmen with sales, returns and requisitions of the
// current month posted on the stock ledger and the receivables.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "platform/base/clock.h"
#include "platform/ui/screenshots.h"
#include "reports/fhdzd.h"
#include "reports/rktj.h"
#include "reports/xsmltj.h"
#include "reports/ywyxstj.h"

#include <QTabWidget>
#include <QTimer>

namespace {

QString statsDay(int day, const char* time)
{
    const QDate today = Clock::Today();
    return QDate(today.year(), today.month(), qMin(day, today.day())).toString(QStringLiteral("yyyy-MM-dd"))
        + QLatin1Char(' ') + QString::fromLatin1(time);
}

struct SampleLine {
    const char* kind;
    const char* number;
    int day;
    const char* goods;
    const char* goodsName;
    const char* partner;
    const char* partnerName;
    double qty;
    double price;
    double cost;
    const char* handler;
};

void sampleStatistics()
{
    ExecSQL(QStringLiteral("update jxc_company set c_name='华彩服饰贸易有限公司',c_jc='华彩服饰'"));
    ExecSQL(QStringLiteral(
        "insert into jxc_khxx (kh_sn,kh_name,kh_jm,kh_lxr,kh_tele,kh_address,kh_forbid,ck_sn,kt_sn,kh_lwje) "
        "select '200001','杭州丽人服饰','HZLRFS','陈丽','13805710001','杭州市下城区',0,'-1',min(kt_sn),0 from "
        "jxc_khtype"));
    ExecSQL(QStringLiteral(
        "insert into jxc_khxx (kh_sn,kh_name,kh_jm,kh_lxr,kh_tele,kh_address,kh_forbid,ck_sn,kt_sn,kh_lwje) "
        "select '200002','温州时尚女装店','WZSSNZD','周敏','13905770002','温州市鹿城区',0,'-1',min(kt_sn),0 from "
        "jxc_khtype"));
    ExecSQL(QStringLiteral("insert into jxc_dept (de_sn,de_name) values ('01','直营门店')"));
    ExecSQL(QStringLiteral("insert into jxc_user (u_sn,u_name,u_jy,u_xs,u_tcfs,u_tc,u_zdlr) values "
                           "('100002','王晓梅',0,1,0,3,0),('100003','李俊',0,1,1,10,5)"));
    ExecSQL(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,gc_sn,dw_name,gg_name,g_tclb,g_tc,g_kc) values "
                           "('LYQ001','真丝连衣裙','ZSLYQ','1000','件','修身款',0,0,35),"
                           "('NZK002','牛仔阔腿裤','NZKTK','1000','条','高腰',2,2,60),"
                           "('WY003','羊绒针织衫','YRZZS','1000','件','宽松',1,8,18)"));
    const SampleLine lines[] = {
        { "xs", "XS2024030001", 2, "LYQ001", "真丝连衣裙", "200001", "杭州丽人服饰", 10, 268, 150, "王晓梅" },
        { "xs", "XS2024030001", 2, "NZK002", "牛仔阔腿裤", "200001", "杭州丽人服饰", 20, 99, 55, "王晓梅" },
        { "xs", "XS2024030002", 3, "WY003", "羊绒针织衫", "200002", "温州时尚女装店", 6, 420, 260, "李俊" },
        { "xs", "XS2024030002", 3, "LYQ001", "真丝连衣裙", "200002", "温州时尚女装店", 5, 275, 150, "李俊" },
        { "xt", "XT2024030001", 4, "NZK002", "牛仔阔腿裤", "200001", "杭州丽人服饰", -2, 99, 55, "王晓梅" },
        { "ly", "LY2024030001", 4, "LYQ001", "真丝连衣裙", "01", "直营门店", 3, 150, 150, "李俊" },
    };
    for (const SampleLine& l : lines) {
        const double amount = l.qty * l.price;
        ExecSQL(
            QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gg_name,gl_dj,"
                           "gl_cbj,gl_zcb,gl_dzl,gl_sl,gl_zje,gl_je,gl_taxje,gl_lr,u_name,ck_sn,ck_name,ghs_sn,"
                           "ghs_name) select '%1','%2','%3','%4','%5',g_jm,dw_name,gg_name,%6,%7,%8,1,%9,%10,%10,0,"
                           "%11,'%12',ck_sn,ck_name,'%13','%14' from jxc_goods,jxc_ckxx where g_sn='%4' and "
                           "ck_sn=(select min(ck_sn) from jxc_ckxx)")
                .arg(QString::fromLatin1(l.kind), QString::fromLatin1(l.number), statsDay(l.day, "10:30"),
                    QString::fromLatin1(l.goods), QString::fromUtf8(l.goodsName))
                .arg(l.price)
                .arg(l.cost)
                .arg(l.cost * l.qty)
                .arg(l.qty)
                .arg(amount)
                .arg(amount - l.cost * l.qty)
                .arg(QString::fromUtf8(l.handler), QString::fromLatin1(l.partner), QString::fromUtf8(l.partnerName)));
    }
    ExecSQL(QStringLiteral("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,ls_yhje,ls_hkje,u_sn,"
                           "ls_status) select 'XS2024030001','200001',min(ck_sn),'")
        + statsDay(2, "10:30") + QStringLiteral("',4660,3000,0,0,'100002',1 from jxc_ckxx"));
    ExecSQL(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,ls_zje,t_zp) values "
                           "('XS2024030001','LYQ001',2680,''),('XS2024030001','NZK002',1980,'')"));
    ExecSQL(QStringLiteral("insert into jxc_ysyfk (gl_djh,k_rq,k_yfje,k_sfje,k_type,k_djlx,u_sn,k_ghskh) values "
                           "('XS2024030001','")
        + statsDay(2, "10:30") + QStringLiteral("',4660,3000,'kh','XS','100002','200001')"));
}

template <class W> QWidget* buildStatistics()
{
    Screenshots::Prepare();
    sampleStatistics();
    return new W();
}

QWidget* buildSalesmanCommission()
{
    Screenshots::Prepare();
    sampleStatistics();
    auto* w = new TF_Ywyxstj();
    // The window opens on its sales tab at each showing.
    QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab2); });
    return w;
}

} // namespace

void RegisterStatisticsScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Fhdzd"), buildStatistics<TF_Fhdzd>);
    Screenshots::Register(QStringLiteral("TF_Cktj"), buildStatistics<TF_Cktj>);
    Screenshots::Register(QStringLiteral("TF_Xsmltj"), buildStatistics<TF_Xsmltj>);
    Screenshots::Register(QStringLiteral("TF_Ywyxstj"), buildSalesmanCommission);
}
