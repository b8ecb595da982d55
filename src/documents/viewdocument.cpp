#include "documents/viewdocument.h"

#include "documents/prinsele.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/programfolder.h"
#include "platform/report/report.h"
#include "posting/printdata.h"
#include "posting/printvars.h"

#include <QStringList>

namespace {

// How the documents of a number prefix print: the settings' template or a named
// one (with a variant without costs for operators who may not see them), the
// header variables' kind, the detail rows' prefix and whether they open first,
// and the template choice that the settings may ask for.
struct DocumentPrint {
    const char* prefix;
    QString* templateSetting;
    const char* templateFile;
    const char* withoutCost;
    const char* varsKind;
    const char* dataPrefix;
    bool dataFirst;
    const char* choiceKind;
    QString* chooseSetting;
};

// The list and query windows: the settings' templates, detail rows first.
const DocumentPrint kPrints[] = {
    { "XS", &SalesDocTemplate, nullptr, nullptr, "spxs", "XS", true, "spxs", &ChooseSalesPrintFormat },
    { "XT", &SalesReturnTemplate, nullptr, nullptr, "xsth", "XT", true, nullptr, nullptr },
    { "CJ", &PurchaseDocTemplate, nullptr, nullptr, "cgjh", "CJ", true, "cgjh", &ChoosePurchasePrintFormat },
    { "CT", &PurchaseReturnTemplate, nullptr, nullptr, "cgth", "CT", true, nullptr, nullptr },
    { "DB", &TransferDocTemplate, nullptr, nullptr, "kcdb", "DB", true, nullptr, nullptr },
    { "SC", &ProductionInTemplate, nullptr, nullptr, "SC", "SC", true, nullptr, nullptr },
    { "ST", &ProductionReturnTemplate, nullptr, nullptr, "SC", "ST", true, nullptr, nullptr },
    { "LY", &DeptIssueTemplate, nullptr, nullptr, "LY", "LY", true, nullptr, nullptr },
    { "LT", &DeptReturnTemplate, nullptr, nullptr, "LY", "LT", true, nullptr, nullptr },
};

// The purchase-sales-stock detail's own table.
const DocumentPrint kLedgerPrints[] = {
    { "XS", &SalesDocTemplate, nullptr, nullptr, "spxs", "XS", false, "spxs", &ChooseSalesPrintFormat },
    { "XT", &SalesReturnTemplate, nullptr, nullptr, "xsth", "XT", false, nullptr, nullptr },
    { "XH", nullptr, "xshh.fr3", nullptr, "xshh", "XH", false, nullptr, nullptr },
    { "CJ", &PurchaseDocTemplate, nullptr, nullptr, "cgjh", "CJ", false, "cgjh", &ChoosePurchasePrintFormat },
    { "CT", nullptr, "cgth.fr3", "cgth2.fr3", "cgth", "CT", false, nullptr, nullptr },
    { "DB", &TransferDocTemplate, nullptr, nullptr, "kcdb", "DB", false, nullptr, nullptr },
    { "BS", nullptr, "bsby.fr3", "bsby2.fr3", "spbs", "BS", false, nullptr, nullptr },
    { "BY", nullptr, "bsby.fr3", "bsby2.fr3", "spby", "BY", false, nullptr, nullptr },
    { "CF", nullptr, "cfd.fr3", "cfd2.fr3", "spcf", "CF", false, nullptr, nullptr },
    { "KB", nullptr, "kbd.fr3", "kbd2.fr3", "spkb", "KB", false, nullptr, nullptr },
    { "PD", nullptr, "kcpdd.fr3", nullptr, "kcpd", "PD", true, nullptr, nullptr },
    { "JH", nullptr, "khjh.fr3", nullptr, "khjh", "khjh", true, nullptr, nullptr },
    { "HH", nullptr, "khjh.fr3", nullptr, "khjh", "khjh", true, nullptr, nullptr },
    { "SC", nullptr, "scrkd.fr3", "scrkd2.fr3", "SC", "SC", false, nullptr, nullptr },
    { "ST", nullptr, "sctkd.fr3", "sctkd2.fr3", "SC", "SC", false, nullptr, nullptr },
    { "LY", nullptr, "bmlyd.fr3", "bmlyd2.fr3", "LY", "LY", true, nullptr, nullptr },
    { "LT", nullptr, "bmthd.fr3", "bmthd2.fr3", "LY", "LY", true, nullptr, nullptr },
    { "LF", nullptr, "bmbfd.fr3", "bmbfd2.fr3", "LY", "LY", true, nullptr, nullptr },
};

// The document query lists processing and outsourcing documents as well.
const DocumentPrint kQueryOnlyPrints[] = {
    { "JG", nullptr, "cpjgd.fr3", "cpjgd2.fr3", "JG", "JG", false, nullptr, nullptr },
    { "WF", nullptr, "wfjgd.fr3", "wfjgd2.fr3", "WF", "WF", true, nullptr, nullptr },
};

// The output itself: the template, the detail rows on the print query and the
// header variables; dataFirst opens the rows before the variables are set. Printed
// straight to the printer (continuous printing) or previewed.
void outputDocument(const QString& templateFile, const QString& number, const QString& dataPrefix,
    const QString& varsKind, bool dataFirst, bool print)
{
    Report report;
    report.LoadFromFile(ProgramFolder::File(QStringLiteral("report/") + templateFile));
    Query& rows = F_DataModule->Q_GoodsPrin;
    const auto openRows = [&] {
        const QString sql = BuildColorSizePrintData(number, dataPrefix);
        if (!sql.isEmpty())
            OpenQuery(rows, sql);
    };
    if (dataFirst)
        openRows();
    report.SetDataset(QStringLiteral("frxDBDataset1"), &rows);
    SetDocPrintVars(report, number, varsKind);
    if (!dataFirst)
        openRows();
    if (print)
        report.Print();
    else
        report.ShowReport();
    rows.Close();
}

struct Output {
    bool print = false;
    bool offerChoice = true;
    QString templateFile; // replaces the table's template when given
};

template <size_t N> bool outputFrom(const DocumentPrint (&table)[N], const QString& number, const Output& how)
{
    const QString prefix = number.left(2).toUpper();
    for (const DocumentPrint& p : table) {
        if (prefix != QLatin1String(p.prefix))
            continue;
        if (how.offerChoice && p.choiceKind && IsTrue(*p.chooseSetting))
            ChoosePrintTemplate(QString::fromLatin1(p.choiceKind));
        // Read after the choice, which may change the setting.
        const QString file = !how.templateFile.isEmpty() ? how.templateFile
            : p.templateSetting                          ? *p.templateSetting
            : (p.withoutCost && !ShowCostPrice)          ? QString::fromLatin1(p.withoutCost)
                                                         : QString::fromLatin1(p.templateFile);
        outputDocument(
            file, number, QString::fromLatin1(p.dataPrefix), QString::fromLatin1(p.varsKind), p.dataFirst, how.print);
        return true;
    }
    return false;
}

} // namespace

bool ViewDocument(const QString& number, const QString& templateFile)
{
    return outputFrom(kPrints, number, { false, true, templateFile });
}

bool PrintDocument(const QString& number, bool offerChoice)
{
    return outputFrom(kPrints, number, { true, offerChoice, QString() });
}

bool ViewLedgerDocument(const QString& number)
{
    return outputFrom(kLedgerPrints, number, {});
}

bool ViewQueriedStockDocument(const QString& number)
{
    // Stock-takes and loans are never listed there.
    static const QStringList kNotListed
        = { QStringLiteral("PD"), QStringLiteral("JH"), QStringLiteral("HH"), QStringLiteral("XH") };
    if (kNotListed.contains(number.left(2).toUpper()))
        return false;
    return outputFrom(kLedgerPrints, number, {}) || outputFrom(kQueryOnlyPrints, number, {});
}
