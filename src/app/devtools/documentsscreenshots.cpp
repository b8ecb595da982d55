// The documents' windows for the developers' screenshot command.
#include "app/devtools/samplescreenshots.h"
#include "documents/prinsele.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/ui/screenshots.h"

namespace {

QWidget* buildPrinSele(const char* family, const char* chosen)
{
    PrintTemplateKind = QLatin1String(family);
    SalesDocTemplate = QStringLiteral("spxs.fr3");
    PurchaseDocTemplate = QLatin1String(chosen);
    if (PrintTemplateKind == QLatin1String("spxs"))
        SalesDocTemplate = QLatin1String(chosen);
    return new TF_PrinSele; // showing it runs the activation step
}

} // namespace

void RegisterDocumentsScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_PrinSele"), [] { return buildPrinSele("spxs", "spxs4.fr3"); });
    Screenshots::Register(QStringLiteral("TF_PrinSele-cgjh"), [] { return buildPrinSele("cgjh", "cgjh.fr3"); });
}
