#include "sales/saleswindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "sales/price.h"
#include "sales/spxs.h"
#include "sales/spxsadd.h"
#include "sales/spxssele.h"

#include <QTabWidget>
#include <QTimer>

void DeclareSalesDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Lsxssp"), QStringLiteral("Q_Shdj"), QStringLiteral("Q_Shsp"),
        QStringLiteral("Q_Shspmx"), QStringLiteral("Q_Tempspxf"), QStringLiteral("Q_KhDj"), QStringLiteral("Q_Xssp3"),
        QStringLiteral("Q_GXsHZ"), QStringLiteral("Q_GXsList"), QStringLiteral("Q_GList2"), QStringLiteral("Q_Sppc"),
        QStringLiteral("Q_GoodsXs"), QStringLiteral("Q_Goods2"), QStringLiteral("Q_GCSpxs"), QStringLiteral("Q_Dhxsd"),
        QStringLiteral("Q_Dhxssp") });
}

void RegisterSalesWindows()
{
    DeclareSalesDatasets();
    FunctionWindows::Register<TF_Spxs>(QStringLiteral("TF_Spxs"), F_Spxs);
    FunctionWindows::Register<TF_Spxs_Sele>(QStringLiteral("TF_Spxs_Sele"));
    FunctionWindows::Register<TF_Spdd_Sele>(QStringLiteral("TF_Spdd_Sele"));
    FunctionWindows::Register<TF_Spxs_Sele2>(QStringLiteral("TF_Spxs_Sele2"));
    FunctionWindows::Register<TF_Price>(QStringLiteral("TF_Price"));
    FunctionWindows::Register<TF_Spxs_Add>(QStringLiteral("TF_Spxs_Add"), F_Spxs_Add);
    FunctionWindows::Register<TF_Spdd_Add>(QStringLiteral("TF_Spdd_Add"));
    FunctionWindows::Register<TF_Spxs_Add2>(QStringLiteral("TF_Spxs_Add2"));
    // Showing prepares the entry tab; the other tab is turned to afterwards.
    for (const auto& view : { std::pair { QStringLiteral("pending"), 1 }, std::pair { QStringLiteral("query"), 2 } })
        FunctionWindows::RegisterView(QStringLiteral("TF_Spxs"), view.first, [tab = view.second](Form& f) {
            auto* w = static_cast<TF_Spxs*>(&f);
            QTimer::singleShot(0, w, [w, tab] { w->cxPage->setCurrentIndex(tab); });
        });
}
