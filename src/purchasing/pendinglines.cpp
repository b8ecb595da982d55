#include "purchasing/pendinglines.h"

#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "platform/db/query.h"

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
