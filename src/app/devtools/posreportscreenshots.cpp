// The till's shift hand-over and reprints for the developers' screenshot command: a
// morning shift of this day with sales, a return, a held sale, cash movements and a
// member top-up, and one earlier hand-over.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/base/clock.h"
#include "platform/ui/screenshots.h"
#include "pos/poscrk.h"
#include "pos/poshb.h"
#include "pos/poswindows.h"

namespace {

void sampleShift()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    PrepareTillShop();
    DeclarePosDatasets();
    const QDate today = Clock::Today();
    const QString day = today.toString(QStringLiteral("yyyy-MM-dd"));
    const QString prefix = QStringLiteral("XS") + today.toString(QStringLiteral("yyMMdd"));
    struct Ticket {
        int n;
        int hour;
        double due;
        double cash;
        double card;
        double weChat;
        const char* goods;
        const char* note;
    };
    const Ticket tickets[] = {
        { 1, 8, 256, 256, 0, 0, "20010001", "" },
        { 2, 9, 399, 0, 399, 0, "20010002", "" },
        { 3, 10, -128, -128, 0, 0, "20010001", "" },
        { 4, 10, 168, 0, 0, 0, "20010003", "gd" },
        { 5, 11, 512, 300, 0, 212, "20010003", "" },
    };
    for (const Ticket& t : tickets) {
        const QString number = prefix + QStringLiteral("2%1").arg(t.n, 4, 10, QLatin1Char('0'));
        const double paid = QString::fromLatin1(t.note).isEmpty() ? t.due : 0;
        F_DataModule->ADOConn.Exec(
            QStringLiteral("insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,ck_sn,pos_yfje,pos_sfje,pos_xj,pos_yhk,"
                           "pos_wxje,a_name,u_sn,pos_note) values (:n,'',:t,'100001',:d,:p,:c,:b,:w,'admin',"
                           "'100001',:note)"),
            { { QStringLiteral("n"), number },
                { QStringLiteral("t"), day + QStringLiteral(" %1:20:00").arg(t.hour, 2, 10, QLatin1Char('0')) },
                { QStringLiteral("d"), t.due }, { QStringLiteral("p"), paid }, { QStringLiteral("c"), t.cash },
                { QStringLiteral("b"), t.card }, { QStringLiteral("w"), t.weChat },
                { QStringLiteral("note"), QString::fromLatin1(t.note) } });
        F_DataModule->ADOConn.Exec(QStringLiteral("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,t_zp,"
                                                  "a_name,pos_dzl,pos_zhje) values (:n,:g,:p,:q,:z,'','admin',1,:z)"),
            { { QStringLiteral("n"), number }, { QStringLiteral("g"), QString::fromLatin1(t.goods) },
                { QStringLiteral("p"), t.due < 0 ? -t.due : t.due }, { QStringLiteral("q"), t.due < 0 ? -1.0 : 1.0 },
                { QStringLiteral("z"), t.due } });
    }
    StoreTillCashMovement(QStringLiteral("r"), 200, QStringLiteral("admin"));
    StoreTillCashMovement(QStringLiteral("c"), 50, QStringLiteral("admin"));
    StoreHandOver({ today.addDays(-1).toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 08:00:00"),
        today.addDays(-1).toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 20:00:00"), QStringLiteral("admin"),
        ShiftTotals { 860, 0, 120, 0, 300, 0, 0.5, 20, 1280, -40, 100, 60 }, 1280, QStringLiteral("晚班") });
    ShiftStartTime = day + QStringLiteral(" 07:50:00");
}

QWidget* buildHb()
{
    sampleShift();
    return new TF_Posxs_Hb();
}

QWidget* buildSyymx()
{
    sampleShift();
    return new TF_Posxs_Syymx();
}

QWidget* buildDyxp()
{
    sampleShift();
    return new TF_Posxs_Dyxp();
}

} // namespace

void RegisterPosReportScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Posxs_Hb"), buildHb);
    Screenshots::Register(QStringLiteral("TF_Posxs_Syymx"), buildSyymx);
    Screenshots::Register(QStringLiteral("TF_Posxs_Dyxp"), buildDyxp);
}
