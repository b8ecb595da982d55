#include "purchasing/linedialogs.h"

#include "documents/docdrafts.h"

#include "foundation/functionwindows.h"
#include "foundation/globals.h"
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

void ShowLineDetail(Query& lines, const QString& detailTable)
{
    if (!lines.Active() || lines.IsEmpty() || lines.AsString(QStringLiteral("tid")).isEmpty())
        return;
    AuxTag = detailTable;
    SelectedSn = lines.AsString(QStringLiteral("g_sn"));
    SelectedLineId = lines.AsString(QStringLiteral("tid"));
    FunctionWindows::Open(QStringLiteral("TF_Detail"), FunctionWindows::Lifetime::Freed);
    AuxTag.clear();
    SelectedSn.clear();
    SelectedLineId.clear();
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
