// Sample data for the screenshots of the administration windows: a company, a few
// operators and a role, on the account set the screenshot command prepared.
#include "admin/admin.h"
#include "admin/backupwindow.h"
#include "admin/bbsj.h"
#include "admin/nzjs.h"
#include "admin/qcjz.h"
#include "admin/role.h"
#include "admin/sjtx.h"
#include "admin/viewlog.h"
#include "admin/xtcs.h"
#include "admin/ztgl.h"
#include "app/devtools/deliveredfile.h"
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/report/reportdesigner.h"
#include "platform/ui/screenshots.h"

#include <QTabWidget>
#include <QTimer>

namespace {

void sampleCompany()
{
    ExecSQL(
        QStringLiteral("update jxc_company set c_name='华彩服饰贸易有限公司',c_jc='华彩服饰',c_tele='0571-88886666',"
                       "c_lxr='王经理',c_address='杭州市四季青服装市场二楼208号'"));
}

QWidget* buildSettings(int page)
{
    Screenshots::Prepare();
    sampleCompany();
    auto* w = new TF_Xtcs();
    // The window shows its first page at each showing.
    if (page > 0)
        QTimer::singleShot(0, w, [w, page] { w->PageControl1->setCurrentIndex(page); });
    return w;
}

QWidget* buildOperators()
{
    Screenshots::Prepare();
    ExecSQL(QStringLiteral("insert into jxc_role (r_sn,r_name,cggl,xsgl,kcgl,wlzk,tjgl,rcgl,qtcz) values "
                           "('100002','店长','11111111111111111111','1111111111111111111111','1111111111111',"
                           "'111111111111111','11111111','','11111111111111111111')"));
    ExecSQL(QStringLiteral("insert into jxc_admin (a_sn,a_name,r_sn,a_zreoje,a_pwd,a_pos,a_jy,a_jyt) values "
                           "('100002','张店长','100002',5,'',1,0,0),('100003','收银李','100002',1,'',0,0,0),"
                           "('100004','临时工','100002',0,'',0,1,1)"));
    return new TF_Admin();
}

QWidget* buildRole()
{
    Screenshots::Prepare();
    ExecSQL(QStringLiteral("insert into jxc_role (r_sn,r_name,cggl,xsgl,kcgl,wlzk,tjgl,rcgl,qtcz) values "
                           "('100002','收银员','10010000000000000000','1101000000000000000011','1000000000100',"
                           "'000000000000000','00000000','','00000000000000000001')"));
    OpenQuery(F_DataModule->Q(QStringLiteral("Q_Role")), QStringLiteral("select * from jxc_role where r_sn='100002'"));
    OpenMode = QStringLiteral("modi");
    return new TF_Role_Add();
}

QWidget* buildDesigner()
{
    auto* d = new ReportDesigner();
    d->OpenFile(DeliveredFile(QStringLiteral("report/cgjh.fr3")));
    // A text object selected, so the property panel shows.
    for (const ReportBandRef& ref : d->Bands())
        if (!d->Band(ref)->objects.empty()) {
            d->SelectObject(ref, 0);
            break;
        }
    return d;
}

QWidget* buildAccountSets()
{
    Screenshots::Prepare();
    ConnectAccountSets();
    F_DataModule->ADOConnZT.Exec(
        QStringLiteral("insert into jxc_xtzt (zt_sn,zt_name,zt_default,zt_forbid,zt_note,zt_dbname,zt_dbpwd) values "
                       "('100002','华彩服饰总店',0,0,'四季青总店','jxc_100002.mdb','pvk419'),"
                       "('100003','华彩服饰二分店',0,0,'下沙分店','jxc_100003.mdb','pvk419'),"
                       "('100004','2023年旧帐',0,1,'已停用','jxc_100004.mdb','pvk419')"));
    CloseAccountSets();
    return new TF_Ztgl();
}

QWidget* buildBackup()
{
    Screenshots::Prepare();
    ExecSQL(QStringLiteral("insert into jxc_backup (back_auto,back_sj,back_days,back_path,back_exit) values (1,4,7,'")
        + ProgramFolder::Path() + QStringLiteral("数据备份/',1)"));
    return new TF_Backup();
}

QWidget* buildSettlement()
{
    Screenshots::Prepare();
    ExecSQL(QStringLiteral("insert into jxc_nj (nj_jsrq,nj_year,nj_xm,nj_ds,nj_sl,nj_je) values "
                           "('2024-01-03','2023-12-31','采购进货单',126,8640,412380.5),"
                           "('2024-01-03','2023-12-31','采购退货单',9,215,-10320),"
                           "('2024-01-03','2023-12-31','商品销售单',1874,10233,968420.8),"
                           "('2024-01-03','2023-12-31','销售退货单',41,96,-9120),"
                           "('2024-01-03','2023-12-31','库存盘点单',4,2210,2236),"
                           "('2024-01-03','2023-12-31','费用及收入--费用',58,0,36200)"));
    LoadSystemSettings();
    return new TF_Nzjs();
}

// A shop with three goods, one of them set up with colours and sizes, one with business.
void sampleOpeningStock()
{
    Screenshots::Prepare();
    ExecSQL(QStringLiteral("insert into jxc_goodsclass (gc_name,gc_pid,gc_cid,gc_sn,gc_jm,gc_key) values "
                           "('上衣',1,3,'1001','SY',3),('裤子',1,4,'1002','KZ',4)"));
    ExecSQL(QStringLiteral("insert into jxc_color (color_sn,color_name) values ('201','黑色'),('202','白色'),"
                           "('203','藏青')"));
    ExecSQL(
        QStringLiteral("insert into jxc_cm (cm_sn,cm_name) values ('301','S'),('302','M'),('303','L'),('304','XL')"));
    ExecSQL(QStringLiteral("insert into jxc_colorz (colorz_sn,colorz_name) values ('C01','常用颜色')"));
    ExecSQL(QStringLiteral("insert into jxc_cmz (cmz_sn,cmz_name) values ('M01','常用尺码')"));
    ExecSQL(QStringLiteral("insert into jxc_colorz2 (colorz_sn,color_sn) values ('C01','201'),('C01','202'),"
                           "('C01','203')"));
    ExecSQL(QStringLiteral("insert into jxc_cmz2 (cmz_sn,cm_sn) values ('M01','301'),('M01','302'),('M01','303'),"
                           "('M01','304')"));
    ExecSQL(QStringLiteral("insert into jxc_goods "
                           "(g_sn,g_name,g_jm,gc_sn,dw_name,gg_name,g_sccs,g_jj,g_kc,colorz_sn,cmz_sn,g_jy) values "
                           "('10010001','纯棉圆领T恤','CMYLTX','1001','件','春夏款','海岸',45,12,'C01','M01',0),"
                           "('10010002','牛津纺衬衫','NJFCS','1001','件','修身','海岸',78,20,'C01','M01',0),"
                           "('10020001','休闲直筒裤','XXZTK','1002','条','直筒','远山',68,0,'C01','M01',0),"
                           "('10020002','工装束脚裤','GZSJK','1002','条','宽松','远山',72,0,'C01','M01',0)"));
    const QString w = QueryScalar(QStringLiteral("select ck_sn from jxc_ckxx order by id limit 1"));
    ExecSQL(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_zsl,kc_cbj,kc_xssl,kc_zcb) values "
                           "('10010001','")
        + w + QStringLiteral("',12,12,45,0,540),('10010002','") + w + QStringLiteral("',20,20,78,0,1560)"));
    ExecSQL(QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,ck_sn,gl_sl) values "
                           "('xs','XS24030100001','2024-03-01 10:00','10010002','")
        + w + QStringLiteral("',-1)"));
    ExecSQL(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,t_sl,cm_sn,color_sn) values ('10010001','") + w
        + QStringLiteral("',2,'302','201'),('10010001','") + w + QStringLiteral("',4,'303','201'),('10010001','") + w
        + QStringLiteral("',6,'302','202')"));
    LoadSystemSettings();
}

QWidget* buildOpeningStock()
{
    sampleOpeningStock();
    return new TF_Qcjz();
}

QWidget* buildOpeningStockEntry()
{
    sampleOpeningStock();
    auto* d = new TF_Qcjz_Add();
    d->btnFlag = QStringLiteral("2");
    d->oldSl = QStringLiteral("12");
    d->OldCbj = QStringLiteral("45");
    d->goodsSn = QStringLiteral("10010001");
    d->goodsName = QStringLiteral("纯棉圆领T恤");
    d->unitName = QStringLiteral("件");
    d->warehouseSn = QueryScalar(QStringLiteral("select ck_sn from jxc_ckxx order by id limit 1"));
    d->warehouseName = QueryScalar(QStringLiteral("select ck_name from jxc_ckxx order by id limit 1"));
    d->sizeGroup = QStringLiteral("M01");
    d->colorGroup = QStringLiteral("C01");
    d->startCost = QStringLiteral("45");
    d->startQty = QStringLiteral("12");
    return d;
}

QWidget* buildLog()
{
    Screenshots::Prepare();
    const QString today = Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
    const char* lines[][3] = {
        { "08:31:05", "王芳", "登录系统" },
        { "09:12:40", "王芳", "审核销售单：XS20240301001" },
        { "10:05:18", "李强", "登录系统" },
        { "10:47:02", "李强", "增加进货单：JH20240301002" },
        { "14:26:55", "王芳", "修改商品资料：纯棉圆领T恤" },
        { "17:58:11", "李强", "退出系统" },
    };
    for (const auto& l : lines)
        ExecSQL(QStringLiteral("insert into jxc_log (log_time,a_name,log_note) values ('%1 %2','%3','%4')")
                    .arg(today, QString::fromUtf8(l[0]), QString::fromUtf8(l[1]), QString::fromUtf8(l[2])));
    return new TF_ViewLog();
}

// Goods under their minimum stock and customers who owe, for the reminder window.
QWidget* buildReminders(bool receivables)
{
    Screenshots::Prepare();
    const char* goods[][5] = {
        { "10010001", "纯棉圆领T恤", "件", "白色", "3" },
        { "10010002", "修身牛仔裤", "条", "深蓝", "-2" },
        { "10010003", "羊毛开衫", "件", "米色", "5" },
        { "10010004", "印花连衣裙", "件", "粉色", "1" },
    };
    for (const auto& g : goods)
        ExecSQL(QStringLiteral("insert into jxc_goods (g_sn,g_name,dw_name,gg_name,color_name,g_kc,g_zdkc,g_jy) "
                               "values ('%1','%2','%3','2024春季款','%4',%5,10,0)")
                    .arg(QString::fromUtf8(g[0]), QString::fromUtf8(g[1]), QString::fromUtf8(g[2]),
                        QString::fromUtf8(g[3]), QString::fromUtf8(g[4])));
    ExecSQL(QStringLiteral("insert into jxc_user (u_sn,u_name) values ('0001','王芳')"));
    const char* owed[][5] = {
        { "K001", "杭州丽人服饰", "XS20241203001", "2024-12-03", "3680" },
        { "K002", "宁波时尚之家", "XS20241205004", "2024-12-05", "1250.5" },
        { "K003", "绍兴锦绣商行", "XS20241208002", "2024-12-08", "8920" },
    };
    for (const auto& o : owed) {
        ExecSQL(QStringLiteral("insert into jxc_khxx (kh_sn,kh_name,kh_forbid) values ('%1','%2',0)")
                    .arg(QString::fromUtf8(o[0]), QString::fromUtf8(o[1])));
        ExecSQL(QStringLiteral("insert into jxc_ysyfk (k_ghskh,gl_djh,k_rq,k_ljje,k_type,u_sn,k_fkfs,k_djtxt) "
                               "values ('%1','%2','%3',%4,'kh','0001','现金','销售单')")
                    .arg(QString::fromUtf8(o[0]), QString::fromUtf8(o[2]), QString::fromUtf8(o[3]),
                        QString::fromUtf8(o[4])));
    }
    auto* w = new TF_Sjtx();
    if (receivables)
        QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab1); });
    return w;
}

} // namespace

void RegisterAdminScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Xtcs"), [] { return buildSettings(0); });
    Screenshots::Register(QStringLiteral("TF_Xtcs-parameters"), [] { return buildSettings(1); });
    Screenshots::Register(QStringLiteral("TF_Admin"), buildOperators);
    Screenshots::Register(QStringLiteral("TF_Role_Add"), buildRole);
    Screenshots::Register(QStringLiteral("ReportDesigner"), buildDesigner);
    Screenshots::Register(QStringLiteral("TF_Ztgl"), buildAccountSets);
    Screenshots::Register(QStringLiteral("TF_Backup"), buildBackup);
    Screenshots::Register(QStringLiteral("TF_Nzjs"), buildSettlement);
    Screenshots::Register(QStringLiteral("TF_Qcjz"), buildOpeningStock);
    Screenshots::Register(QStringLiteral("TF_Qcjz_Add"), buildOpeningStockEntry);
    Screenshots::Register(QStringLiteral("TF_ViewLog"), buildLog);
    Screenshots::Register(QStringLiteral("TF_Sjtx"), [] { return buildReminders(false); });
    Screenshots::Register(QStringLiteral("TF_Sjtx-receivables"), [] { return buildReminders(true); });
}
