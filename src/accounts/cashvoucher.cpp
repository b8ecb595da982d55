#include "accounts/cashvoucher.h"

#include "accounts/cashjournal.h"
#include "foundation/moneywords.h"
#include "foundation/settings.h"
#include "platform/base/programfolder.h"
#include "platform/report/report.h"

void PrintCashVoucher(const CashVoucher& v)
{
    Report report;
    report.LoadFromFile(ProgramFolder::File(QStringLiteral("report/") + v.templateFile + QStringLiteral(".fr3")));
    if (v.withCompany) {
        report.SetVariable(QStringLiteral("comName"), CompanyName);
        report.SetVariable(QStringLiteral("comTele"), CompanyTele);
        report.SetVariable(QStringLiteral("comLxr"), CompanyContact);
        report.SetVariable(QStringLiteral("comNote"), CompanyNote);
        report.SetVariable(QStringLiteral("comAddress"), CompanyAddress);
    }
    report.SetVariable(QStringLiteral("bTitle"), v.title);
    report.SetVariable(QStringLiteral("aname"), v.operatorName);
    report.SetVariable(QStringLiteral("uname"), v.handler);
    report.SetVariable(QStringLiteral("fymc"), v.item);
    report.SetVariable(QStringLiteral("fkfs"), v.account);
    report.SetVariable(QStringLiteral("pnote"), v.note);
    report.SetVariable(QStringLiteral("rq"), v.date);
    report.SetVariable(QStringLiteral("gldjh"), v.number);
    report.SetVariable(QStringLiteral("sf"), AmountInWords(QString::number(v.amount, 'f', 2)));
    const QMap<QString, QString> cells = VoucherDigits(v.amount, CurrencySign);
    for (auto it = cells.cbegin(); it != cells.cend(); ++it)
        report.SetVariable(it.key(), it.value());
    report.ShowReport();
}
