#include "documents/viewdocument.h"

#include "documents/prinsele.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/programfolder.h"
#include "platform/report/report.h"
#include "posting/printdata.h"
#include "posting/printvars.h"

namespace {

struct DocumentPrint {
    const char* prefix;
    QString* templateFile;  // the settings' template of the kind
    const char* varsKind;   // SetDocPrintVars
    const char* choiceKind; // TF_PrinSele's family, when the settings ask for the choice
    QString* chooseSetting;
};

const DocumentPrint kPrints[] = {
    { "XS", &SalesDocTemplate, "spxs", "spxs", &ChooseSalesPrintFormat },
    { "XT", &SalesReturnTemplate, "xsth", nullptr, nullptr },
    { "CJ", &PurchaseDocTemplate, "cgjh", "cgjh", &ChoosePurchasePrintFormat },
    { "CT", &PurchaseReturnTemplate, "cgth", nullptr, nullptr },
    { "DB", &TransferDocTemplate, "kcdb", nullptr, nullptr },
    { "SC", &ProductionInTemplate, "SC", nullptr, nullptr },
    { "ST", &ProductionReturnTemplate, "SC", nullptr, nullptr },
    { "LY", &DeptIssueTemplate, "LY", nullptr, nullptr },
    { "LT", &DeptReturnTemplate, "LY", nullptr, nullptr },
};

} // namespace

bool ViewDocument(const QString& number)
{
    const QString prefix = number.left(2).toUpper();
    for (const DocumentPrint& p : kPrints) {
        if (prefix != QLatin1String(p.prefix))
            continue;
        if (p.choiceKind && IsTrue(*p.chooseSetting))
            ChoosePrintTemplate(QString::fromLatin1(p.choiceKind));
        Report report;
        report.LoadFromFile(ProgramFolder::File(QStringLiteral("report/") + *p.templateFile));
        // Detail rows before the variables, as the stored forms expect.
        Query& rows = F_DataModule->Q_GoodsPrin;
        const QString sql = BuildColorSizePrintData(number, prefix);
        if (!sql.isEmpty())
            OpenQuery(rows, sql);
        report.SetDataset(QStringLiteral("frxDBDataset1"), &rows);
        SetDocPrintVars(report, number, QString::fromLatin1(p.varsKind));
        report.ShowReport();
        rows.Close();
        return true;
    }
    return false;
}
