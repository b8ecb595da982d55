// Printing and spreadsheet exports of the goods-in window.
#include "purchasing/cgjh.h"
#include "purchasing/querygrids.h"

#include "documents/prinsele.h"
#include "documents/viewdocument.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/moneywords.h"
#include "foundation/settings.h"
#include "listing/listoutput.h"
#include "listing/longrun.h"
#include "listing/queryframe.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/balances.h"
#include "posting/printdata.h"
#include "posting/printvars.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QString TF_Cgjh::BatchPrinting;

namespace {

double PrintEditNumber(const QLineEdit* e)
{
    return e->text().trimmed().toDouble();
}

// Loads the goods-in template and binds the print rows of one document to it.
void LoadDocument(Report& report, Query& rows, const QString& number)
{
    report.LoadFromFile(ProgramFolder::File(QStringLiteral("report/") + PurchaseDocTemplate));
    OpenQuery(rows, BuildColorSizePrintData(number, QStringLiteral("CJ")));
    report.SetDataset(QStringLiteral("frxDBDataset1"), &rows);
}

} // namespace

void TF_Cgjh::setPrinPara(const QString& number, const QString& flag)
{
    if (IsTrue(ChoosePurchasePrintFormat) && BatchPrinting != QLatin1String("1"))
        ChoosePrintTemplate(QStringLiteral("cgjh"));
    Report& r = *frxReport1;
    LoadDocument(r, Q_GoodsPrin, number);
    if (flag != QLatin1String("1")) {
        SetDocPrintVars(r, number, QStringLiteral("cgjh"));
        return;
    }
    r.ClearVariables();
    const QHash<QString, QString> ghs = FirstRowTexts(
        QStringLiteral("select ghs_lxr,ghs_tele,ghs_address from jxc_ghsxx where ghs_sn=:n"), CurrentSupplierSn);
    const double payable = PrintEditNumber(tyfje);
    const double paid = PrintEditNumber(tsfje);
    const QString balance = GetLedgerBalance(CurrentSupplierSn, QStringLiteral("ghs"));
    const QList<QPair<QString, QString>> vars {
        { QStringLiteral("comName"), CompanyName },
        { QStringLiteral("comTele"), CompanyTele },
        { QStringLiteral("comLxr"), CompanyContact },
        { QStringLiteral("comNote"), CompanyNote },
        { QStringLiteral("comAddress"), CompanyAddress },
        { QStringLiteral("ghsName"), tghs->text().trimmed() },
        { QStringLiteral("ghsLxr"), ghs.value(QStringLiteral("ghs_lxr")) },
        { QStringLiteral("ghsTele"), ghs.value(QStringLiteral("ghs_tele")) },
        { QStringLiteral("ghsAddress"), ghs.value(QStringLiteral("ghs_address")) },
        { QStringLiteral("ckName"), comCk->currentText() },
        { QStringLiteral("jhDate"), DocDate() },
        { QStringLiteral("Note"), tnote->text() },
        { QStringLiteral("khqk"), balance },
        { QStringLiteral("aName"), CurrentAdminName },
        { QStringLiteral("gldjh2"), tsn2->text().trimmed() },
        { QStringLiteral("uName"), comUser->currentText() },
        { QStringLiteral("Kmmc"), comYhzh->currentText() },
        { QStringLiteral("yunfei"), tyf->text() },
        { QStringLiteral("baozfei"), tbzf->text() },
        { QStringLiteral("fpno"), tfpno->text().trimmed() },
        { QStringLiteral("checker"), QString() },
        { QStringLiteral("chkrq"), QString() },
        { QStringLiteral("xxyh"), QString() },
        { QStringLiteral("xxyf"), tyfje->text() },
        { QStringLiteral("xxsf"), tsfje->text() },
        { QStringLiteral("ljqkje"), PrintNumber(balance.toDouble() + payable - paid) },
        { QStringLiteral("yf"), AmountInWords(QString::number(payable, 'f', 2)) },
        { QStringLiteral("sf"), AmountInWords(QString::number(paid, 'f', 2)) },
    };
    for (const auto& v : vars)
        r.SetVariable(v.first, v.second);
}

void TF_Cgjh::btnPrin_WClick()
{
    if (!EntryHasRows())
        return;
    PrintOptions options;
    if (!ChoosePrinter(options))
        return;
    setPrinPara(jsn->text(), QStringLiteral("1"));
    frxReport1->Print(options);
    Q_GoodsPrin.Close();
    ShowLineButtons(true);
}

void TF_Cgjh::btnPrin_XClick()
{
    if (!EntryHasRows())
        return;
    setPrinPara(jsn->text(), QStringLiteral("1"));
    frxReport1->ShowReport();
    Q_GoodsPrin.Close();
}

void TF_Cgjh::btn_ChaKanClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty())
        return;
    setPrinPara(number, QStringLiteral("2"));
    frxReport1->ShowReport();
    Q_GoodsPrin.Close();
}

void TF_Cgjh::btn_LxdyClick()
{
    if (!Q_Shdj.Active() || Q_Shdj.IsEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您的操作将打印当前查询中的所有单据，\r\n\r\n将直接打印不做预览，确认打印吗?"))
        == Prompt::Answer::No)
        return;
    const QStringList numbers = ColumnTexts(Q_Shdj, QStringLiteral("gl_djh"));
    BatchPrinting = QStringLiteral("1");
    struct Done {
        ~Done() { TF_Cgjh::BatchPrinting.clear(); }
    } done;
    Report& r = *frxReport1;
    r.LoadFromFile(ProgramFolder::File(QStringLiteral("report/") + PurchaseDocTemplate));
    RunWithProgress(this, QStringLiteral("正在打印单据，请稍候..."), int(numbers.size()),
        [&](const std::function<void(int)>& step) {
            for (int i = 0; i < numbers.size(); ++i) {
                OpenQuery(Q_GoodsPrin, BuildColorSizePrintData(numbers[i], QStringLiteral("CJ")));
                r.SetDataset(QStringLiteral("frxDBDataset1"), &Q_GoodsPrin);
                SetDocPrintVars(r, numbers[i], QStringLiteral("cgjh"));
                r.Print();
                step(i + 1);
            }
        });
    Q_GoodsPrin.Close();
}

void TF_Cgjh::btn_PrinClick()
{
    if (!Q_Shdj.Active() || Q_Shdj.IsEmpty())
        return;
    PrintQueryReport(QStringLiteral("cgjhdsh.fr3"), QStringLiteral("cgjhdsh"), Q_Shdj);
}

void TF_Cgjh::btn_ExportClick()
{
    ExportList(*cxGrid2View, ExportRows::OnlyWithRows);
}

void TF_Cgjh::btnExportClick()
{
    ExportList(*cxGridView, ExportRows::Always, ExportTypes::XlsOnly);
}

void TF_Cgjh::btnImportClick()
{
    FunctionWindows::Open(QStringLiteral("TF_Cgjh_Import"), FunctionWindows::Lifetime::Freed);
    openGridViewData(jsn->text());
    if (EntryHasRows())
        ShowLineButtons(true);
    updateBottomJe();
}
