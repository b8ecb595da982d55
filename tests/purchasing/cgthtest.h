#pragma once
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/connection.h"
#include "purchasing/cgth.h"
#include "purchasing/purchasingwindows.h"
#include "support/accountset.h"
#include "support/tradefixtures.h"

#include <memory>

inline QString T(const char* text)
{
    return QString::fromUtf8(text);
}

// The return window on goods G1 (colours R, B; sizes S, M) in the default
// warehouse, supplier S1, the clock on 2024-05-10 10:20 and returns left pending.
class CgthTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        RegisterPurchasingWindows();
        LoadSystemSettings();
        Clock::SetFixed(QDateTime(QDate(2024, 5, 10), QTime(10, 20)));
        fixture::AddSupplier(QStringLiteral("S1"), T("供应一"));
        fixture::AddGoods(
            { QStringLiteral("G1"), T("衬衫"), { T("R:红"), T("B:蓝") }, { T("S:小码"), T("M:中码") }, 10, 10 });
        ApproveOnSave = QStringLiteral("0");
        PurchasePayDefault = QStringLiteral("0");
        RoundTotals = QStringLiteral("0");
        AllowZeroStockOut = QStringLiteral("0");
        UseCashBank = QStringLiteral("0");
    }
    // The window, shown; after the fixture's own data is in place.
    void Open()
    {
        w = std::make_unique<TF_Cgth>();
        F_Cgth = w.get();
        w->Activate();
    }
    void TearDown() override
    {
        w.reset();
        WholeReturnDocNo.clear();
        OpenMode.clear();
        Clock::Release();
        AccountSetTest::TearDown();
    }
    void Sql(const QString& statement) { dm->ADOConn.Exec(statement); }

    std::unique_ptr<TF_Cgth> w;
};
