#include "purchasing/linedialogs.h"

#include "documents/docdrafts.h"

#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/sqltext.h"
#include "listing/queryframe.h"
#include "platform/db/query.h"
#include "platform/ui/prompt.h"

void ModifyPendingLine(Query& lines, const QString& dialog)
{
    if (!lines.Active() || lines.IsEmpty())
        return;
    const qint64 id = lines.AsInteger(QStringLiteral("id"));
    OpenMode = QStringLiteral("cgjh_modish");
    ActiveDocKind = QStringLiteral("cgjhsh");
    SelectedSn = lines.AsString(QStringLiteral("g_sn"));
    FunctionWindows::Open(dialog, FunctionWindows::Lifetime::Freed);
    lines.LocateId(id);
    ActiveDocKind = QStringLiteral("cgjh");
    OpenMode.clear();
    SelectedSn.clear();
}

void ModifyDraftLine(Query& lines, const QString& openMode, const QString& dialog)
{
    if (!lines.Active() || lines.IsEmpty())
        return;
    OpenMode = openMode;
    SelectedSn = lines.AsString(QStringLiteral("g_sn"));
    FunctionWindows::Open(dialog, FunctionWindows::Lifetime::Freed);
    OpenMode.clear();
    SelectedSn.clear();
}

void AddNewGoodsLine(const QString& dialog)
{
    SelectedSn.clear();
    FunctionWindows::Open(QStringLiteral("TF_Spxxgl_Add"), FunctionWindows::Lifetime::Freed);
    if (!SelectedSn.isEmpty()) {
        OpenMode = QStringLiteral("cgjh_new");
        FunctionWindows::Open(dialog, FunctionWindows::Lifetime::Freed);
    }
    OpenMode.clear();
    SelectedSn.clear();
}

bool DeleteDraftRow(const DocKind& kind, Query& lines)
{
    if (!lines.Active() || lines.IsEmpty())
        return false;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) == Prompt::Answer::No)
        return false;
    DeleteDetailRow(kind, lines.AsInteger(QStringLiteral("eid")), lines.AsInteger(QStringLiteral("id")));
    return true;
}

void OpenPurchaseDraftLines(Query& lines, const DocKind& kind, const QString& number)
{
    lines.SetSQL(QStringLiteral(
        "select a.g_name,a.g_jm,a.dw_name,a.gg_name,d.color_name,a.g_sccs,a.g_kc,a.g_bz,c.cm_name,b.*,"
        "b.jh_dj*b.jh_dzl as dj,e.t_sl,e.t_sl*b.jh_dj*b.jh_dzl as je,"
        "e.t_sl*b.jh_dj*b.jh_tax/100.00*b.jh_dzl as taxje,e.t_sl*b.jh_taxdj*b.jh_dzl as zje,"
        "e.id as eid from jxc_goods a,%1 b,jxc_cm c,jxc_color d,%2 e "
        "where a.g_sn=b.g_sn and b.id=e.tid and a.g_sn=e.g_sn and c.cm_sn=e.cm_sn and d.color_sn=e.color_sn "
        "and b.gl_djh=:djh and b.a_name=:aname order by b.id,e.id")
                     .arg(kind.lines, kind.detail));
    lines.SetBaseTable(kind.lines);
    lines.SetParam(QStringLiteral("djh"), number);
    lines.SetParam(QStringLiteral("aname"), CurrentAdminName);
    lines.Open();
}

QString PendingPurchaseListSql(const QString& headerTable, const QString& supplier, const QString& key, bool descending)
{
    const QString s = SafeSqlText(supplier);
    const QString k = SafeSqlText(key);
    return QStringLiteral("select a.*,a.j_yfje-a.j_sfje-a.j_yhje as wfje,b.ghs_name,c.ck_name,d.u_name from ")
        + headerTable
        + QStringLiteral(" a,jxc_ghsxx b,jxc_ckxx c,jxc_user d where a.ghs_sn=b.ghs_sn and a.ck_sn=c.ck_sn "
                         "and a.u_sn=d.u_sn and a.j_status=0 ")
        + WarehouseBindingCondition(QStringLiteral("c")) + QStringLiteral(" and (b.ghs_name like '%") + s
        + QStringLiteral("%' or b.ghs_jm like '%") + s + QStringLiteral("%' or b.ghs_sn like '%") + s
        + QStringLiteral("%') and (a.gl_djh like '%") + k + QStringLiteral("%' or c.ck_name like '%") + k
        + QStringLiteral("%' or c.ck_sn like '%") + k + QStringLiteral("%' or a.j_note like '%") + k
        + QStringLiteral("%')")
        + (descending ? QStringLiteral(" order by a.j_jhrq desc,a.gl_djh desc,a.id desc")
                      : QStringLiteral(" order by a.j_jhrq,a.gl_djh,a.id"));
}
