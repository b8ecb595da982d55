#include "pos/poswindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "pos/poskey.h"
#include "pos/posmainform.h"

void DeclarePosDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Posxs"), QStringLiteral("Q_PosGoods") });
}

void RegisterPosWindows()
{
    DeclarePosDatasets();
    FunctionWindows::Register<TF_PosMainForm>(QStringLiteral("TF_PosMainForm"), F_PosMainForm);
    FunctionWindows::Register<TF_PosKey>(QStringLiteral("TF_PosKey"));
}
