#include "warehouse/stockviews.h"

#include "documents/docdrafts.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/listoutput.h"
#include "masterdata/detail.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/printdata.h"
#include "posting/printvars.h"
#include "warehouse/modidate.h"
#include "warehouse/stockdocs.h"

#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

bool AtGridRow(Query& q, const DataGrid* grid)
{
    if (!q.Active() || q.IsEmpty())
        return false;
    const int row = grid->CurrentRow();
    if (row >= 0)
        q.SetRecNo(grid->SourceRow(row));
    return true;
}

QString GridRowNumber(const Query& q, const DataGrid* grid)
{
    if (!q.Active() || q.IsEmpty())
        return QString();
    const int row = grid->CurrentRow();
    const int source = row >= 0 ? grid->SourceRow(row) : 0;
    return q.TextAt(source >= 0 ? source : 0, q.FieldIndex(QStringLiteral("gl_djh")));
}

void RequeryOnNumber(Query& q, DataGrid* grid, const QString& number)
{
    q.Requery();
    if (!number.isEmpty() && q.Locate(QStringLiteral("gl_djh"), number))
        grid->SetCurrentRow(q.RecNo());
}

bool OnStockDocList(const QRadioButton* docList, const QString& refusal)
{
    if (docList->isChecked())
        return true;
    Prompt::Info(refusal);
    return false;
}

void ExportShownGrid(const DataGrid* grid)
{
    if (grid->RowCount() > 0)
        ExportGridList(*grid, true);
}

void AddPendingStockLines(const QString& browser, const StockKind& kind)
{
    ActiveDocKind = kind.pendingTag;
    FunctionWindows::Open(browser, FunctionWindows::Lifetime::Freed);
    ActiveDocKind = kind.tag;
}

void PickStockHandler(const QString& tag)
{
    PickerCaller = tag;
    FunctionWindows::Open(QStringLiteral("TF_User2"), FunctionWindows::Lifetime::Freed);
    PickerCaller.clear();
}

void ConfirmEntryDateChange(QDateEdit* date, QString& answer)
{
    if (answer == QLatin1String("1") || answer == QLatin1String("2"))
        return;
    if (ConfirmEntryDay(date->date().toString(QStringLiteral("yyyy-MM-dd")))) {
        if (date->date() > Clock::Today())
            answer = QStringLiteral("2");
        return;
    }
    const QSignalBlocker block(date);
    date->setDate(Clock::Today());
    answer = QStringLiteral("1");
}

void ShowStockLineDetail(Query& lines, const DataGrid* grid, const QString& detailTable)
{
    if (AtGridRow(lines, grid))
        ShowLineDetail(lines, detailTable);
}

bool DeleteStockDraftLine(Query& lines, const DataGrid* grid, const StockKind& kind)
{
    if (!lines.Active() || lines.IsEmpty())
        return false;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) != Prompt::Answer::Yes)
        return false;
    AtGridRow(lines, grid);
    DeleteDraftLine(kind, lines.AsInteger(QStringLiteral("id")));
    return true;
}

void OpenStockLineDialog(const QString& dialog, const QString& openMode, const QString& goods)
{
    OpenMode = openMode;
    SelectedSn = goods;
    FunctionWindows::Open(dialog, FunctionWindows::Lifetime::Freed);
    OpenMode.clear();
    SelectedSn.clear();
}

void ModifyPendingStockLine(Query& lines, DataGrid* grid, const QString& dialog, const QString& openMode,
    const QString& pendingTag, const QString& tag)
{
    if (!AtGridRow(lines, grid))
        return;
    const qint64 id = lines.AsInteger(QStringLiteral("id"));
    ActiveDocKind = pendingTag;
    OpenStockLineDialog(dialog, openMode, lines.AsString(QStringLiteral("g_sn")));
    ActiveDocKind = tag;
    lines.Requery();
    if (lines.LocateId(id))
        grid->SetCurrentRow(lines.RecNo());
}

bool DeletePendingStockLine(Query& lines, const DataGrid* grid, const DocKind& kind, const QString& number)
{
    if (!AtGridRow(lines, grid))
        return false;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) != Prompt::Answer::Yes)
        return false;
    if (DeletePendingLine(kind, number, lines.AsInteger(QStringLiteral("id"))))
        return true;
    lines.Requery();
    return false;
}

QString ChangePendingStockDate(
    QWidget* parent, const StockKind& kind, const QString& number, const QString& dateText, const QString& note)
{
    DateEditDocNo.clear();
    TF_ModiDate dialog(parent);
    dialog.Fill(number, QDate::fromString(dateText.left(10), QStringLiteral("yyyy-MM-dd")), note);
    dialog.ShowModal();
    QString moved;
    if (!DateEditDocNo.isEmpty())
        moved = ChangeStockDocDate(kind, number, dialog.gldjh->text(),
            dialog.dateCg->date().toString(QStringLiteral("yyyy-MM-dd")), dialog.tnote->toPlainText());
    DateEditDocNo.clear();
    return moved;
}

bool LoadStockDocPrint(Report& report, const StockKind& kind, const QString& number, bool stored)
{
    report.LoadFromFile(ProgramFolder::File(QStringLiteral("report/") + kind.docTemplate()));
    Query& rows = F_DataModule->Q_GoodsPrin;
    const QString sql = BuildColorSizePrintData(number, kind.doc.prefix);
    if (!sql.isEmpty())
        OpenQuery(rows, sql);
    report.SetDataset(QStringLiteral("frxDBDataset1"), &rows);
    if (!stored)
        return true;
    SetDocPrintVars(report, number, kind.printTag);
    return false;
}

void RunDocumentPrint(bool preview, QString& returningFromPrint, const std::function<void(Report&)>& fill)
{
    Report report;
    if (preview) {
        fill(report);
        report.ShowReport();
    } else {
        returningFromPrint = QStringLiteral("1");
        PrintOptions options;
        if (!ChoosePrinter(options))
            return;
        fill(report);
        report.Print(options);
    }
    F_DataModule->Q_GoodsPrin.Close();
}

bool ConfirmEntryDay(const QString& day)
{
    const QString today = Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
    if (day <= today)
        return true;
    return Prompt::YesNo(QStringLiteral("您选择的日期：") + day + QStringLiteral("，\r\n\r\n大于计算机的当前日期：")
               + today + QStringLiteral("，\r\n\r\n确认继续吗？"))
        != Prompt::Answer::No;
}

QString StockBoundOperator()
{
    return BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001") ? CurrentAdminSn
                                                                                                   : QString();
}

void FillStockWarehouseCombos(KeyedCombo& entry, std::initializer_list<KeyedCombo*> filters)
{
    const QString table = QStringLiteral("jxc_ckxx");
    if (!StockBoundOperator().isEmpty()) {
        const QString own = QStringLiteral("where ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%'");
        FillComboWhere(entry, table, QStringLiteral("ck_name"), QStringLiteral("ck_sn"), QStringLiteral("id"), own);
        for (KeyedCombo* c : filters)
            FillComboWhere(*c, table, QStringLiteral("ck_name"), QStringLiteral("ck_sn"), QStringLiteral("id"), own);
    } else {
        FillCombo(entry, table, QStringLiteral("ck_name"), QStringLiteral("ck_sn"), QStringLiteral("id"));
        for (KeyedCombo* c : filters)
            FillCombo(*c, table, QStringLiteral("ck_name"), QStringLiteral("ck_sn"), QStringLiteral("id"),
                QStringLiteral("所有仓库"));
    }
    for (KeyedCombo* c : filters)
        c->setCurrentIndex(c->count() > 0 ? 0 : -1);
}
