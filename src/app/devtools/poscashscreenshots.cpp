// The till's cash movements for the developers' screenshot command: a few movements
// of this month in the back-office list.
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "platform/base/clock.h"
#include "platform/ui/screenshots.h"
#include "pos/poscrk.h"
#include "pos/poswindows.h"

namespace {

QWidget* buildCrk()
{
    static bool done = false;
    if (!done) {
        done = true;
        PrepareTillShop();
        DeclarePosDatasets();
        StoreTillCashMovement(QStringLiteral("r"), 500, QStringLiteral("admin"));
        StoreTillCashMovement(QStringLiteral("c"), 120, QStringLiteral("admin"));
        StoreCashMovement(
            QStringLiteral("RK") + Clock::Today().toString(QStringLiteral("yyMMdd")) + QStringLiteral("10002"),
            QStringLiteral("r"), 200, QStringLiteral("admin"));
    }
    return new TF_Posxs_Crk();
}

} // namespace

void RegisterPosCashScreenshots()
{
    Screenshots::Register(QStringLiteral("TF_Posxs_Crk"), buildCrk);
}
