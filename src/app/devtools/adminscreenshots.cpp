// Sample data for the screenshots of the administration windows: a company, a few
// operators and a role, on the account set the screenshot command prepared.
#include "admin/admin.h"
#include "admin/bbsj.h"
#include "admin/role.h"
#include "admin/xtcs.h"
#include "app/devtools/deliveredfile.h"
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
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

} // namespace

void RegisterAdminScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Xtcs"), [] { return buildSettings(0); });
    Screenshots::Register(QStringLiteral("TF_Xtcs-parameters"), [] { return buildSettings(1); });
    Screenshots::Register(QStringLiteral("TF_Admin"), buildOperators);
    Screenshots::Register(QStringLiteral("TF_Role_Add"), buildRole);
    Screenshots::Register(QStringLiteral("ReportDesigner"), buildDesigner);
}
