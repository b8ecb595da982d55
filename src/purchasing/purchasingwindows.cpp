#include "purchasing/purchasingwindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "platform/ui/form.h"
#include "purchasing/cgd.h"
#include "purchasing/cgjh.h"
#include "purchasing/cgjhadd.h"
#include "purchasing/cgjhimport.h"
#include "purchasing/cgjhimportdd.h"
#include "purchasing/cgjhsele.h"
#include "purchasing/cgth.h"
#include "purchasing/jthcx.h"
#include "purchasing/modidate.h"
#include "purchasing/yfkglfk.h"

#include <QTabWidget>
#include <QTimer>

namespace {

// The pending and query views of a document window: showing prepares the entry tab;
// the other tab is turned to afterwards.
template <class W> void RegisterTabViews(const QString& name)
{
    for (const auto& view : { std::pair { QStringLiteral("pending"), 1 }, std::pair { QStringLiteral("query"), 2 } })
        FunctionWindows::RegisterView(name, view.first, [tab = view.second](Form& f) {
            auto* w = static_cast<W*>(&f);
            QTimer::singleShot(0, w, [w, tab] { w->cxPage->setCurrentIndex(tab); });
        });
}

} // namespace

void DeclarePurchasingDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Jhsp"), QStringLiteral("Q_Shdj"), QStringLiteral("Q_Shsp"),
        QStringLiteral("Q_PdStep2"), QStringLiteral("Q_Tempspxf"), QStringLiteral("Q_Thsp"),
        QStringLiteral("Q_GoodsJh"), QStringLiteral("Q_Goods2"), QStringLiteral("ADOQueryGoodsClass2"),
        QStringLiteral("Q_GhsDJ"), QStringLiteral("Q_Jhsp2"), QStringLiteral("Q_GoodsHZ"),
        QStringLiteral("Q_GoodsList"), QStringLiteral("Q_Sppc"), QStringLiteral("Q_Jhd"), QStringLiteral("Q_GClass5"),
        QStringLiteral("Q_Cgd"), QStringLiteral("Q_Cgsp"), QStringLiteral("Q_Cgsp2"), QStringLiteral("Q_Cgd3"),
        QStringLiteral("Q_Cgsp3"), QStringLiteral("Q_Zjjh"), QStringLiteral("Q_Thd"), QStringLiteral("Q_Thsp2"),
        QStringLiteral("Q_GoodsListTh"), QStringLiteral("Q_JhImport") });
}

void RegisterPurchasingWindows()
{
    DeclarePurchasingDatasets();
    FunctionWindows::Register<TF_Cgjh>(QStringLiteral("TF_Cgjh"), F_Cgjh);
    FunctionWindows::Register<TF_Cgth>(QStringLiteral("TF_Cgth"), F_Cgth);
    FunctionWindows::Register<TF_Cgd>(QStringLiteral("TF_Cgd"), F_Cgd);
    FunctionWindows::Register<TF_Cgjh_Sele>(QStringLiteral("TF_Cgjh_Sele"));
    FunctionWindows::Register<TF_Cgjh_Add>(QStringLiteral("TF_Cgjh_Add"));
    FunctionWindows::Register<TF_Cgd_Add>(QStringLiteral("TF_Cgd_Add"));
    FunctionWindows::Register<TF_Cgth_Add>(QStringLiteral("TF_Cgth_Add"));
    FunctionWindows::Register<TF_Cgd_Sele>(QStringLiteral("TF_Cgd_Sele"));
    FunctionWindows::Register<TF_Cgth_Sele>(QStringLiteral("TF_Cgth_Sele"));
    FunctionWindows::Register<TF_Jthcx>(QStringLiteral("TF_Jthcx"));
    FunctionWindows::Register<TF_Cgth_Zdth_Search>(QStringLiteral("TF_Cgth_Zdth_Search"));
    FunctionWindows::Register<TF_Yfkgl_Fk>(QStringLiteral("TF_Yfkgl_Fk"));
    FunctionWindows::Register<TF_ModiDateJh>(QStringLiteral("TF_ModiDateJh"));
    FunctionWindows::Register<TF_Cgd_Modi>(QStringLiteral("TF_Cgd_Modi"));
    FunctionWindows::Register<TF_Cgjh_ImportDD>(QStringLiteral("TF_Cgjh_ImportDD"));
    FunctionWindows::Register<TF_Cgjh_Import>(QStringLiteral("TF_Cgjh_Import"));
    FunctionWindows::Register<TF_Cgd_Import>(QStringLiteral("TF_Cgd_Import"));
    RegisterTabViews<TF_Cgjh>(QStringLiteral("TF_Cgjh"));
    RegisterTabViews<TF_Cgd>(QStringLiteral("TF_Cgd"));
    RegisterTabViews<TF_Cgth>(QStringLiteral("TF_Cgth"));
}
