// Printing of the sales delivery window: the document under entry, stored
// documents, continuous printing and the list prints.
#include "sales/spxs.h"

#include "listing/longrun.h"

#include "documents/prinsele.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/balances.h"
#include "posting/postingdb.h"
#include "posting/printdata.h"
#include "posting/printvars.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Keeps activations quiet while a print runs (its progress window takes the focus
// and gives it back) and leaves nothing behind once it is over, so a cancelled
// printer dialog never skips a later new document.
class QuietWhilePrinting {
public:
    explicit QuietWhilePrinting(QString& flag) : flag_(flag) { flag_ = QStringLiteral("1"); }
    ~QuietWhilePrinting() { flag_ = QStringLiteral("0"); }
    QuietWhilePrinting(const QuietWhilePrinting&) = delete;
    QuietWhilePrinting& operator=(const QuietWhilePrinting&) = delete;

private:
    QString& flag_;
};

double PrintField(const QLineEdit* e)
{
    return e->text().trimmed().toDouble();
}

} // namespace

void TF_Spxs::setPrinPara(const QString& number, const QString& flag)
{
    if (IsTrue(ChooseSalesPrintFormat))
        ChoosePrintTemplate(QStringLiteral("spxs"));
    const double je = posting::FirstNumber(
        QStringLiteral("select sum(ls_je) as je from jxc_lsxssp where gl_djh=:n"), { { QStringLiteral("n"), number } });
    Query& rows = F_DataModule->Q_GoodsPrin;
    const QString sql = BuildColorSizePrintData(number, QStringLiteral("XS"));
    if (!sql.isEmpty())
        OpenQuery(rows, sql);
    frxReport1->LoadFromFile(ProgramFolder::File(QStringLiteral("report/") + SalesDocTemplate));
    frxReport1->SetDataset(QStringLiteral("frxDBDataset1"), &rows);
    if (flag != QLatin1String("1")) {
        SetDocPrintVars(*frxReport1, number, QStringLiteral("spxs"));
        return;
    }
    Report& r = *frxReport1;
    r.ClearVariables();
    SetCompanyPrintVars(r);
    SetCustomerPrintVars(r, CurrentCustomerSn);
    r.SetVariable(QStringLiteral("khName"), tkh->text().trimmed());
    QString balance = GetLedgerBalance(CurrentCustomerSn, QStringLiteral("kh"));
    if (balance.isEmpty())
        balance = QStringLiteral("0");
    const double due = PrintField(tyfje);
    const double paid = PrintField(tssje);
    const QList<QPair<const char*, QString>> vars {
        { "ckName", comCk->currentText() },
        { "khqk", balance },
        { "jhDate",
            dateCg->dateTime().toString(
                IsTrue(PrintDocTime) ? QStringLiteral("yyyy-MM-dd HH:mm:ss") : QStringLiteral("yyyy-MM-dd")) },
        { "Note", tnote->text() },
        { "aName", CurrentAdminName },
        { "gldjh2", tsn2->text().trimmed() },
        { "uName", comUser->currentText() },
        { "Kmmc", comYhzh->currentText() },
        { "yunfei", tyf->text() },
        { "baozfei", tbzf->text() },
        { "fpje", tfpje->text() },
        { "fpno", tfpno->text().trimmed() },
        { "checker", QString() },
        { "chkrq", QString() },
        { "xxyh", QString() },
        { "xxyf", tyfje->text() },
        { "xxsf", tssje->text() },
        { "yf", PrintAmountWords(due) },
        { "sf", PrintAmountWords(paid) },
        { "yf2", PrintAmountWords(je) },
        // The customer's balance once this document is on account.
        { "ljqkje", PrintNumber(balance.toDouble() + due - paid) },
    };
    for (const auto& [name, value] : vars)
        r.SetVariable(QLatin1String(name), value);
}

void TF_Spxs::btnPrin_WClick()
{
    if (!EntryHasRows())
        return;
    PrintOptions options;
    const QuietWhilePrinting quiet(SkipNextActivation);
    if (!ChoosePrinter(options))
        return;
    setPrinPara(DocNumber(), QStringLiteral("1"));
    frxReport1->Print(options);
    F_DataModule->Q_GoodsPrin.Close();
    btnModi->setVisible(true);
    btnDel->setVisible(true);
    btnPrin->setVisible(!IsTrue(NoPrintBeforeSave));
}

void TF_Spxs::btnPrin_XClick()
{
    if (!EntryHasRows())
        return;
    const QuietWhilePrinting quiet(SkipNextActivation);
    setPrinPara(DocNumber(), QStringLiteral("1"));
    frxReport1->ShowReport();
    F_DataModule->Q_GoodsPrin.Close();
}

void TF_Spxs::ViewStoredDocument(const QString& number, bool evenEmpty)
{
    if (number.isEmpty() && !evenEmpty)
        return;
    const QuietWhilePrinting quiet(SkipNextActivation);
    setPrinPara(number, QStringLiteral("2"));
    frxReport1->ShowReport();
    F_DataModule->Q_GoodsPrin.Close();
}

bool TF_Spxs::PrintContinuously(const QStringList& numbers)
{
    if (numbers.isEmpty())
        return false;
    if (Prompt::YesNo(QStringLiteral("您的操作将打印当前查询中的所有单据，\r\n\r\n将直接打印不做预览，确认打印吗？"))
        == Prompt::Answer::No)
        return false;
    const QuietWhilePrinting quiet(ContinuousPrinting);
    Query& rows = F_DataModule->Q_GoodsPrin;
    frxReport1->LoadFromFile(ProgramFolder::File(QStringLiteral("report/") + SalesDocTemplate));
    RunWithProgress(this, QStringLiteral("连续打印"), int(numbers.size()), [&](const std::function<void(int)>& step) {
        int done = 0;
        for (const QString& number : numbers) {
            const QString sql = BuildColorSizePrintData(number, QStringLiteral("XS"));
            if (!sql.isEmpty())
                OpenQuery(rows, sql);
            frxReport1->SetDataset(QStringLiteral("frxDBDataset1"), &rows);
            SetDocPrintVars(*frxReport1, number, QStringLiteral("spxs"));
            frxReport1->Print();
            step(++done);
        }
    });
    rows.Close();
    return true;
}

void TF_Spxs::PrintList(const QString& templateFile, const QString& dataset, Query* list, const QString& filter,
    const QString& date1, const QString& date2, const QString& title)
{
    if (!list || !list->Active() || list->RecordCount() == 0)
        return;
    Report report;
    report.LoadFromFile(ProgramFolder::File(QStringLiteral("report/") + templateFile));
    report.SetDataset(dataset, list, filter);
    SetCompanyPrintVars(report);
    if (!date1.isEmpty())
        report.SetVariable(QStringLiteral("date1"), date1);
    if (!date2.isEmpty())
        report.SetVariable(QStringLiteral("date2"), date2);
    if (!title.isEmpty())
        report.SetVariable(QStringLiteral("bTitle"), title);
    report.ShowReport();
}
