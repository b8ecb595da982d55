// Screenshots of the department and production windows: a knitwear workshop that
// hands finished cardigans into stock, sends faulty ones back for rework, and whose
// shop floor draws display garments and returns some of them.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/ui/screenshots.h"
#include "production/prodwindow.h"

#include <QDateEdit>
#include <QTabWidget>
#include <QTimer>

namespace {

void PrepareWorkshop()
{
    Screenshots::Prepare();
    ExecSQL(QStringLiteral(
        "insert into jxc_goods (g_sn,g_name,g_jm,dw_name,gg_name,g_jj,g_sj,g_pjjj,g_scjj,g_kc,g_jy,g_sccs) values "
        "('50020001','羊毛开衫','YMKS','件','V领',120,299,118,120,40,0,'本厂'),"
        "('50020002','针织背心','ZZBX','件','圆领',60,149,58,60,30,0,'本厂')"));
    ExecSQL(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_zsl,kc_cbj,kc_xssl) values "
                           "('50020001','100001',40,40,118,0),('50020002','100001',30,30,58,0)"));
    ExecSQL(QStringLiteral("insert into jxc_dept (de_sn,de_name) values ('200001','陈列部'),('200002','针织车间')"));
    LoadSystemSettings();
    F_DataModule->Q(QStringLiteral("Q_Dept2")).Close();
}

// Two lines of a draft under the window's number, each with one colour-by-size row.
template <class W> W* WithDraft(W*& global, const char* lines, const char* detail, const char* columns)
{
    auto* w = new W();
    global = w;
    w->Activate();
    const QString number = w->gldjh->text();
    ExecSQL(QStringLiteral("insert into %1 (gl_djh,g_sn,%2,a_name) values ('%3','50020001',3,118,354,'%4'),"
                           "('%3','50020002',2,58,116,'%4')")
                .arg(QLatin1String(lines), QLatin1String(columns), number, CurrentAdminName));
    ExecSQL(QStringLiteral("update %1 set tid=id where gl_djh='%2'").arg(QLatin1String(lines), number));
    ExecSQL(QStringLiteral("insert into %1 (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select gl_djh,g_sn,'100001',"
                           "'100001',%2,a_name,id from %3 where gl_djh='%4'")
                .arg(QLatin1String(detail), QString(QLatin1String(columns)).section(QLatin1Char(','), 0, 0),
                    QLatin1String(lines), number));
    w->openGridViewData(number);
    w->setButtons();
    return w;
}

QWidget* buildBmly()
{
    PrepareWorkshop();
    return WithDraft(F_Bmly, "jxc_bmlysp", "jxc_bmlyspmx", "ly_sl,ly_dj,ly_zje");
}

QWidget* buildBmth()
{
    PrepareWorkshop();
    ExecSQL(QStringLiteral("insert into jxc_bmlyd (gl_djh,ck_sn,de_sn,u_sn,ly_rq,ly_zje,ly_status,ly_flag,a_name,"
                           "ly_checker,ly_chkrq,ly_note) values ('LY2605020001','100001','200001','100001',"
                           "'2026-05-02 10:15',470,1,1,'%1','%1','2026-05-02','春季橱窗陈列')")
                .arg(CurrentAdminName));
    ExecSQL(QStringLiteral("insert into jxc_bmlysp (gl_djh,g_sn,ly_sl,ly_hhsl,ly_qxsl,ly_dj,ly_zje,ly_flag,a_name) "
                           "values ('LY2605020001','50020001',3,1,0,118,354,1,'%1'),"
                           "('LY2605020001','50020002',2,0,0,58,116,1,'%1')")
                .arg(CurrentAdminName));
    ExecSQL(QStringLiteral("update jxc_bmlysp set tid=id,id2=id"));
    auto* w = new TF_Bmth();
    F_Bmth = w;
    w->Activate();
    // Showing prepares the entry tab; the list of requisitions to return is turned to afterwards.
    QTimer::singleShot(0, w, [w] {
        w->date3->setDate(QDate(2026, 1, 1));
        w->date4->setDate(QDate(2026, 12, 31));
        w->cxPage->setCurrentWidget(w->cxTab4);
    });
    return w;
}

QWidget* buildScrk()
{
    PrepareWorkshop();
    return WithDraft(F_Scrk, "jxc_scrksp", "jxc_scrkspmx", "sc_sl,sc_dj,sc_zje");
}

QWidget* buildSctk()
{
    PrepareWorkshop();
    return WithDraft(F_Sctk, "jxc_scrksp", "jxc_scrkspmx", "sc_sl,sc_dj,sc_zje");
}

} // namespace

void RegisterProductionScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Bmly"), buildBmly);
    Screenshots::Register(QStringLiteral("TF_Bmth"), buildBmth);
    Screenshots::Register(QStringLiteral("TF_Scrk"), buildScrk);
    Screenshots::Register(QStringLiteral("TF_Sctk"), buildSctk);
}
