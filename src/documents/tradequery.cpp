#include "documents/tradequery.h"

#include "documents/docpayment.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "platform/db/query.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"

bool WholeReturnAllowed(const QString& number, const WholeReturnSource& source)
{
    const QString prefix = QLatin1String(source.prefix);
    if (!number.startsWith(prefix, Qt::CaseInsensitive)) {
        Prompt::Info(QStringLiteral("单据") + number + QStringLiteral("不能退货，只有“") + prefix
            + QStringLiteral("”开头的单据才能退货！"));
        return false;
    }
    const posting::Params n { { QStringLiteral("n"), number } };
    const QString header = QLatin1String(source.header);
    if (posting::First(QStringLiteral("select gl_djh from ") + header + QStringLiteral(" where gl_djh=:n and ")
                + QLatin1String(source.flagColumn) + QStringLiteral("=1"),
            n)
            .isValid()) {
        Prompt::Info(QStringLiteral("该单据已经进行过整单退货，不能重复退货！"));
        return false;
    }
    return posting::First(QStringLiteral("select gl_djh from ") + header + QStringLiteral(" where gl_djh=:n"), n)
        .isValid();
}

bool SettleCurrentDocument(Query& list, const QString& numberField, const QString& window, const QString& notNeeded)
{
    const QString number = list.AsString(numberField);
    if (!DocNeedsPayment(number, list.AsFloat(QStringLiteral("yfje")), list.AsFloat(QStringLiteral("sfje")),
            list.AsFloat(QStringLiteral("yhje")), list.AsFloat(QStringLiteral("hkje")))) {
        Prompt::Info(notNeeded);
        return false;
    }
    SelectedSn = number;
    ResultText.clear();
    FunctionWindows::Open(window, FunctionWindows::Lifetime::Freed);
    SelectedSn.clear();
    if (ResultText.isEmpty())
        return false;
    list.Requery();
    list.Locate(numberField, number);
    return true;
}
