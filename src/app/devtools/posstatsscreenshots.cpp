// The till's back-office day book for the developers' screenshot command: a few
// tickets of this month, a member sale, a return and a held sale among them.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/base/clock.h"
#include "platform/ui/screenshots.h"
#include "pos/poslsz.h"
#include "pos/possytj.h"
#include "pos/postc.h"
#include "pos/poswindows.h"
#include "pos/posxsph.h"
#include "pos/posxstj.h"

#include <QDateEdit>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>

namespace {

void sampleTickets()
{
    const QDate today = Clock::Today();
    const QString prefix = QStringLiteral("XS") + today.toString(QStringLiteral("yyMMdd"));
    struct Ticket {
        int n;
        int hour;
        double paid;
        double cash;
        double card;
        const char* goods;
        const char* note;
    };
    const Ticket tickets[] = {
        { 1, 9, 256, 256, 0, "20010001", "" },
        { 2, 10, 399, 0, 399, "20010002", "" },
        { 3, 11, -128, -128, 0, "20010001", "退货" },
        { 4, 14, 0, 0, 0, "20010003", "gd" },
        { 5, 16, 512, 300, 212, "20010003", "" },
    };
    ExecSQL(QStringLiteral("insert into jxc_hyxx (hy_sn,hy_bh,hy_name,hl_sn,hh_sn) values "
                           "('S1','VIP0008','陈晓','100001','100001')"));
    for (const Ticket& t : tickets) {
        const QString number = prefix + QStringLiteral("1%1").arg(t.n, 4, 10, QLatin1Char('0'));
        const QString time = today.toString(QStringLiteral("yyyy-MM-dd"))
            + QStringLiteral(" %1:12:05").arg(t.hour, 2, 10, QLatin1Char('0'));
        const double due = t.paid == 0 ? 168 : t.paid;
        F_DataModule->ADOConn.Exec(
            QStringLiteral("insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,ck_sn,pos_yfje,pos_sfje,"
                           "pos_xj,pos_yhk,a_name,u_sn,pos_note) values (:n,:h,:t,'100001',:d,"
                           ":p,:c,:b,'admin','100001',:note)"),
            { { QStringLiteral("n"), number }, { QStringLiteral("h"), t.n == 5 ? QStringLiteral("S1") : QString() },
                { QStringLiteral("t"), time }, { QStringLiteral("d"), due }, { QStringLiteral("p"), t.paid },
                { QStringLiteral("c"), t.cash }, { QStringLiteral("b"), t.card },
                { QStringLiteral("note"), QString::fromUtf8(t.note) } });
        F_DataModule->ADOConn.Exec(
            QStringLiteral("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,t_zp,"
                           "a_name,pos_dzl,pos_zhje,pos_cbj,pos_zcb) values (:n,:g,:p,:q,:z,'','admin',1,:z,60,60*:q)"),
            { { QStringLiteral("n"), number }, { QStringLiteral("g"), QString::fromLatin1(t.goods) },
                { QStringLiteral("p"), due < 0 ? -due : due }, { QStringLiteral("q"), due < 0 ? -1.0 : 1.0 },
                { QStringLiteral("z"), due } });
    }
}

void prepareTickets()
{
    static bool done = false;
    if (!done) {
        done = true;
        PrepareTillShop();
        DeclarePosDatasets();
        sampleTickets();
    }
}

QWidget* buildDayBook()
{
    prepareTickets();
    return new TF_Posxs_Lsz();
}

QWidget* buildTakings()
{
    prepareTickets();
    return new TF_Posxs_Sytj();
}

// The ledger rows the sample tickets posted, and a morning of sales by a second
// cashier, with the goods in two categories.
void prepareRankings()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    prepareTickets();
    ExecSQL(QStringLiteral("insert into jxc_goodsclass (gc_name,gc_pid,gc_cid,gc_sn,gc_jm,gc_key) values "
                           "('裤装',1,30,'1003','KZ',30)"));
    ExecSQL(QStringLiteral("update jxc_goods set gc_sn='1000' where g_sn in ('20010001','20010002')"));
    ExecSQL(QStringLiteral("update jxc_goods set gc_sn='1003' where g_sn='20010003'"));
    ExecSQL(QStringLiteral("insert into jxc_admin (a_sn,a_name,r_sn,a_pwd,a_pos,a_jy,a_jyt) values "
                           "('100009','lina','100001','',0,0,0)"));
    ExecSQL(QStringLiteral(
        "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,gl_sl,gl_zje,gl_lr,a_name,ck_sn,"
        "gl_fdmc) select case when a.pos_sl<0 then 'xt' else 'xs' end,a.gl_djh,b.pos_xsrq,a.g_sn,c.g_name,c.g_jm,"
        "a.pos_sl,a.pos_zje,a.pos_zje-a.pos_zcb,b.a_name,b.ck_sn,'99' from jxc_posxssp a,jxc_posxsd b,jxc_goods c "
        "where a.gl_djh=b.gl_djh and a.g_sn=c.g_sn and coalesce(b.pos_note,'')<>'gd'"));
    const QString day = Clock::Today().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 08:40:00");
    const struct {
        const char* goods;
        double qty;
        double amount;
        double profit;
    } sales[] = { { "20010001", 6, 594, 324 }, { "20010002", 3, 507, 273 }, { "20010003", 2, 298, 162 } };
    for (const auto& sale : sales)
        F_DataModule->ADOConn.Exec(QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,"
                                                  "gl_sl,gl_zje,gl_lr,a_name,ck_sn,gl_fdmc) select 'xs','LS1',:d,g_sn,"
                                                  "g_name,g_jm,:q,:z,:l,'lina','100001','99' from jxc_goods where "
                                                  "g_sn=:g"),
            { { QStringLiteral("d"), day }, { QStringLiteral("q"), sale.qty }, { QStringLiteral("z"), sale.amount },
                { QStringLiteral("l"), sale.profit }, { QStringLiteral("g"), QString::fromLatin1(sale.goods) } });
}

QWidget* buildGoodsSales()
{
    prepareTickets();
    return new TF_Posxs_Tj();
}

QWidget* buildGoodsLines()
{
    prepareTickets();
    SelectedSn = QStringLiteral("20010001");
    auto* w = new TF_Posxs_Tjmx();
    const QDate today = Clock::Today();
    w->tdate1->setDate(QDate(today.year(), today.month(), 1));
    w->tdate2->setDate(today);
    w->lgname->setText(QStringLiteral("纯棉圆领T恤"));
    return w;
}

QWidget* buildRanking()
{
    prepareRankings();
    return new TF_Posxs_Ph();
}

QWidget* buildRankingChart()
{
    prepareRankings();
    auto* w = new TF_Posxs_Ph();
    QTimer::singleShot(0, w, [w] {
        TF_Posxs_Ph::Page& p = w->pages[TF_Posxs_Ph::Goods];
        p.cxView->setCurrentWidget(p.chartTab);
    });
    return w;
}

QWidget* buildMemberSales()
{
    prepareTickets();
    return new TF_Posxs_Hy();
}

// Two salesmen: one paid on what was collected, one on the margin, and a goods
// with a commission per piece.
void sampleCommission()
{
    const QString day = Clock::Today().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 10:30");
    ExecSQL(QStringLiteral("insert into jxc_user (u_sn,u_name,u_jy,u_xs,u_tcfs,u_tc,u_zdlr) values "
                           "('S01','李娜',0,1,0,3,0),('S02','周航',0,1,1,8,0)"));
    ExecSQL(QStringLiteral("update jxc_goods set g_tclb=1,g_tc=5 where g_sn='20010003'"));
    const struct {
        const char* number;
        double due;
        double paid;
    } sales[] = { { "XS9001", 2680, 2680 }, { "XS9002", 1560, 900 } };
    for (const auto& sale : sales) {
        F_DataModule->ADOConn.Exec(QStringLiteral("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,"
                                                  "u_sn,ls_status) values (:n,'100001','100001',:d,:y,:s,'S01',1)"),
            { { QStringLiteral("n"), QString::fromLatin1(sale.number) }, { QStringLiteral("d"), day },
                { QStringLiteral("y"), sale.due }, { QStringLiteral("s"), sale.paid } });
        F_DataModule->ADOConn.Exec(QStringLiteral("insert into jxc_ysyfk (gl_djh,k_rq,k_yfje,k_sfje,k_type,k_djlx,"
                                                  "u_sn,k_ghskh) values (:n,:d,:y,:s,'kh','XS','S01','100001')"),
            { { QStringLiteral("n"), QString::fromLatin1(sale.number) }, { QStringLiteral("d"), day },
                { QStringLiteral("y"), sale.due }, { QStringLiteral("s"), sale.paid } });
    }
    const struct {
        const char* goods;
        double qty;
        double price;
        double cost;
    } lines[] = { { "20010001", 6, 199, 88 }, { "20010002", 4, 259, 120 }, { "20010003", 12, 69, 30 } };
    for (const auto& l : lines)
        F_DataModule->ADOConn.Exec(QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,gl_dj,"
                                                  "gl_cbj,gl_dzl,gl_sl,gl_zje,gl_lr,u_name,ck_sn) select 'xs','XS9003',"
                                                  ":d,g_sn,g_name,:p,:c,1,:q,:z,:l,'周航','100001' from jxc_goods "
                                                  "where g_sn=:g"),
            { { QStringLiteral("d"), day }, { QStringLiteral("p"), l.price }, { QStringLiteral("c"), l.cost },
                { QStringLiteral("q"), l.qty }, { QStringLiteral("z"), l.qty * l.price },
                { QStringLiteral("l"), l.qty * (l.price - l.cost) },
                { QStringLiteral("g"), QString::fromLatin1(l.goods) } });
}

QWidget* buildCommission()
{
    static bool done = false;
    if (!done) {
        done = true;
        PrepareTillShop();
        DeclarePosDatasets();
        sampleCommission();
    }
    return new TF_Posxs_Tc();
}

} // namespace

void RegisterPosStatsScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Posxs_Lsz"), buildDayBook);
    Screenshots::Register(QStringLiteral("TF_Posxs_Tc"), buildCommission);
    Screenshots::Register(QStringLiteral("TF_Posxs_Sytj"), buildTakings);
    Screenshots::Register(QStringLiteral("TF_Posxs_Hy"), buildMemberSales);
    Screenshots::Register(QStringLiteral("TF_Posxs_Tj"), buildGoodsSales);
    Screenshots::Register(QStringLiteral("TF_Posxs_Tjmx"), buildGoodsLines);
    Screenshots::Register(QStringLiteral("TF_Posxs_Ph"), buildRanking);
    Screenshots::Register(QStringLiteral("TF_Posxs_Ph-chart"), buildRankingChart);
}
