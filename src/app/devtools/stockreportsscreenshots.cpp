// Sample data for the screenshots of the stock reports: goods of two categories in
// two warehouses, opening stock of last month and this month's goods-in, sales and
// transfers, with the running balances the postings would have written.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/sqltext.h"
#include "platform/ui/screenshots.h"
#include "reports/djcx.h"
#include "reports/jxchz.h"
#include "reports/jxcmx.h"
#include "reports/kccx.h"
#include "reports/stockcheckwindows.h"

#include <QMap>
#include <QPair>

namespace {

QString dayOfMonth(int day, int hour)
{
    const QDate today = Clock::Today();
    const QDate d(today.year(), today.month(), qMin(day, today.day()));
    return d.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" %1:00").arg(hour, 2, 10, QLatin1Char('0'));
}

struct SampleGoods {
    const char* sn;
    const char* name;
    const char* style;
    const char* color;
    double cost;
    double price;
    double minimum;
};

const SampleGoods kGoods[] = {
    { "10010001", "女士修身风衣", "FY-2301", "卡其", 168, 398, 5 },
    { "10010002", "羊毛混纺大衣", "DY-2302", "驼色", 320, 799, 3 },
    { "10010003", "针织开衫", "KS-2303", "米白", 65, 169, 10 },
    { "10020001", "男士休闲裤", "XK-2304", "藏青", 88, 219, 8 },
    { "10020002", "纯棉衬衫", "CS-2305", "白色", 52, 139, 12 },
    { "10020003", "牛仔夹克", "JK-2306", "浅蓝", 120, 299, 4 },
};

// Running stock and value per goods and warehouse while the rows are written.
QMap<QPair<QString, QString>, QPair<double, double>> running;
QMap<QPair<QString, QString>, double> sold;

void ledger(const char* kind, const QString& number, const QString& date, const SampleGoods& g,
    const QString& warehouse, double qty, double price, const QString& partner, double drift = 0)
{
    auto& [stock, value] = running[{ QString::fromLatin1(g.sn), warehouse }];
    const bool out = qstrcmp(kind, "xs") == 0;
    const double cost = stock != 0 ? value / stock : g.cost;
    const double change = out ? -qty : qty;
    const double amount = qty * price;
    const double costValue = out ? qty * cost : amount;
    stock += change;
    if (out)
        sold[{ QString::fromLatin1(g.sn), warehouse }] += qty;
    value += out ? -costValue : costValue;
    ExecSQL(QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gg_name,"
                           "color_name,ck_sn,ck_name,gl_sl,gl_dj,gl_je,gl_zje,gl_cbj,gl_zcb,gl_kc,gl_kczje,gl_pjjj,"
                           "gl_sqsl,gl_sqje,ghs_name,a_name,gl_checker,gl_chkrq) select '%1','%2','%3',g_sn,g_name,"
                           "g_jm,dw_name,gg_name,color_name,ck_sn,ck_name,%4,%5,%6,%6,%7,%8,%9,%10,%11,%12,%13,%14,"
                           "'admin','admin','%3' from jxc_goods,jxc_ckxx where g_sn='%15' and ck_sn='%16'")
                .arg(QLatin1String(kind), number, date)
                .arg(out ? qty : change)
                .arg(price)
                .arg(amount)
                .arg(cost)
                .arg(out ? costValue : 0)
                .arg(stock)
                .arg(value + drift)
                .arg(stock != 0 ? value / stock : cost)
                .arg(stock - change)
                .arg(value - (out ? -costValue : costValue))
                .arg(SqlQuoted(partner), QString::fromLatin1(g.sn), warehouse));
}

void sampleStock()
{
    ExecSQL(QStringLiteral("update jxc_company set c_name='华彩服饰贸易有限公司',c_jc='华彩服饰'"));
    ExecSQL(QStringLiteral("insert into jxc_goodsclass (gc_name,gc_pid,gc_cid,gc_sn,gc_jm,gc_key) "
                           "values ('女装',1,3,'1001','NZ',3)"));
    ExecSQL(QStringLiteral("insert into jxc_goodsclass (gc_name,gc_pid,gc_cid,gc_sn,gc_jm,gc_key) "
                           "values ('男装',1,4,'1002','NZ',4)"));
    ExecSQL(QStringLiteral("insert into jxc_ckxx (ck_sn,ck_name,ck_asn,ck_aname) values ('100002','门店仓','','')"));
    for (const SampleGoods& g : kGoods)
        ExecSQL(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,gc_sn,dw_name,gg_name,color_name,g_scjj,"
                               "g_pjjj,g_jj,g_sj,g_zdkc,g_zhxs,dw_name2,g_jy,ghs_sn,g_sccs,g_sptm,g_kc) values "
                               "('%1','%2','%1','%3','件','%4','%5',%6,%6,%6,%7,%8,1,'件',0,'100001','华彩','',0)")
                    .arg(QString::fromLatin1(g.sn), QString::fromUtf8(g.name), QString::fromLatin1(g.sn).left(4),
                        QString::fromUtf8(g.style), QString::fromUtf8(g.color))
                    .arg(g.cost)
                    .arg(g.price)
                    .arg(g.minimum));
    running.clear();
    sold.clear();
    const QDate today = Clock::Today();
    const QString lastMonth = QDate(today.year(), today.month(), 1).addDays(-5).toString(QStringLiteral("yyyy-MM-dd"))
        + QStringLiteral(" 09:00");
    const QString main = QStringLiteral("100001");
    const QString shop = QStringLiteral("100002");
    int n = 0;
    for (const SampleGoods& g : kGoods) {
        ++n;
        ledger("qc", QString(), lastMonth, g, main, 10 + n * 3, g.cost, QStringLiteral("期初建账"));
        ledger(
            "cj", QStringLiteral("CJ%1").arg(n), dayOfMonth(1, 10), g, main, 20, g.cost, QStringLiteral("海岸制衣厂"));
        ledger("db", QStringLiteral("DB%1").arg(n), dayOfMonth(2, 11), g, main, -8, g.cost, QString());
        ledger("db", QStringLiteral("DB%1").arg(n), dayOfMonth(2, 11), g, shop, 8, g.cost, QString());
        // One goods' stored balance drifted, so the summary shows a difference.
        ledger("xs", QStringLiteral("XS%1").arg(n), dayOfMonth(3, 15), g, shop, 3 + n, g.price,
            QStringLiteral("杭州丽人服饰"), n == 2 ? 12.5 : 0);
        ledger("xs", QStringLiteral("XS%1").arg(n + 10), dayOfMonth(3, 16), g, main, n * 5, g.price,
            QStringLiteral("温州时尚女装店"));
    }
    for (auto it = running.cbegin(); it != running.cend(); ++it)
        ExecSQL(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_zsl,kc_xssl,kc_cbj,kc_zcb) "
                               "values ('%1','%2',%3,%3,%6,%4,%5)")
                    .arg(it.key().first, it.key().second)
                    .arg(it.value().first)
                    .arg(it.value().first != 0 ? it.value().second / it.value().first : 0)
                    .arg(it.value().second)
                    .arg(sold.value(it.key())));
}

QWidget* buildStockQuery()
{
    Screenshots::Prepare();
    sampleStock();
    return new TF_Kccx();
}

QWidget* buildSummary()
{
    Screenshots::Prepare();
    sampleStock();
    ShowSummaryDiff = QStringLiteral("True");
    ShowCostPrice = true;
    return new TF_Jxchz();
}

QWidget* buildDetail()
{
    Screenshots::Prepare();
    sampleStock();
    return new TF_Jxcmx();
}

// Every pair with one colour and size row of its whole stock; two pairs' stock
// then drifted from their ledger balance.
void sampleStockDrift()
{
    ExecSQL(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,color_sn,cm_sn,t_sl) select g_sn,ck_sn,'100001','100001',"
                           "kc_sl from jxc_kcsp"));
    ExecSQL(QStringLiteral("update jxc_kcsp set kc_sl=kc_sl+2,kc_zsl=kc_zsl+2 where g_sn in ('10010002','10020003') "
                           "and ck_sn='100001'"));
    ExecSQL(QStringLiteral("update jxc_tkc set t_sl=t_sl+2 where g_sn in ('10010002','10020003') and ck_sn='100001'"));
}

// Approved goods-in, sales and transfers behind the ledger rows of the month.
void sampleDocuments()
{
    ExecSQL(QStringLiteral("insert into jxc_jhd (gl_djh,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,u_sn,j_note,a_name,gl_djh2,"
                           "j_status) select gl_djh,(select min(ghs_sn) from jxc_ghsxx),ck_sn,gl_kdrq,gl_zje,gl_zje,"
                           "'100001','','admin','',1 from jxc_goodslist where gl_flag='cj'"));
    ExecSQL(QStringLiteral("insert into jxc_jhsp (gl_djh,g_sn,jh_sl,jh_dj,jh_zje,dw_name) select gl_djh,g_sn,gl_sl,"
                           "gl_dj,gl_zje,'' from jxc_goodslist where gl_flag='cj'"));
    ExecSQL(QStringLiteral("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,u_sn,ls_note,a_name,"
                           "gl_djh2,ls_status) select gl_djh,(select min(kh_sn) from jxc_khxx),ck_sn,gl_kdrq,gl_zje,"
                           "gl_zje,'100001','','admin','',1 from jxc_goodslist where gl_flag='xs'"));
    ExecSQL(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,ls_sl,ls_dj,ls_zje,dw_name) select gl_djh,g_sn,gl_sl,"
                           "gl_dj,gl_zje,'' from jxc_goodslist where gl_flag='xs'"));
    ExecSQL(QStringLiteral("insert into jxc_kcdbd (gl_djh,ck_out,ck_in,db_dbrq,db_status,u_sn,db_note,a_name) select "
                           "gl_djh,ck_sn,'100002',gl_kdrq,1,'100001','','admin' from jxc_goodslist where "
                           "gl_flag='db' and gl_sl<0"));
    ExecSQL(QStringLiteral("insert into jxc_dbsp (gl_djh,g_sn,db_sl,dw_name) select gl_djh,g_sn,gl_sl,'' from "
                           "jxc_goodslist where gl_flag='db' and gl_sl>0"));
}

QWidget* buildCheckList()
{
    Screenshots::Prepare();
    sampleStock();
    sampleStockDrift();
    return new TF_kccx_Hd();
}

QWidget* buildStockSync()
{
    Screenshots::Prepare();
    return new TF_Kccx_Tb();
}

QWidget* buildDocumentQuery()
{
    Screenshots::Prepare();
    sampleStock();
    sampleDocuments();
    return new TF_Djcx();
}

} // namespace

void RegisterStockReportsScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Kccx"), buildStockQuery);
    Screenshots::Register(QStringLiteral("TF_Jxchz"), buildSummary);
    Screenshots::Register(QStringLiteral("TF_Jxcmx"), buildDetail);
    Screenshots::Register(QStringLiteral("TF_kccx_Hd"), buildCheckList);
    Screenshots::Register(QStringLiteral("TF_Kccx_Tb"), buildStockSync);
    Screenshots::Register(QStringLiteral("TF_Djcx"), buildDocumentQuery);
}
