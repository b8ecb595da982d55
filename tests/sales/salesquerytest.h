#pragma once
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/connection.h"
#include "platform/db/valuetext.h"
#include "posting/salesposting.h"
#include "support/accountset.h"
#include "support/text.h"
#include "support/tradefixtures.h"

// Approved sales documents of customer K1 ("客户一") in the default warehouse: goods
// G1 in stock (purchase price 50), the clock on 2024-05-10 10:20, documents
// approved on saving.
class SalesQueryTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        LoadSystemSettings();
        Clock::SetFixed(QDateTime(QDate(2024, 5, 10), QTime(10, 20)));
        fixture::AddCustomer(QStringLiteral("K1"), S("客户一"));
        fixture::GoodsSpec g { QStringLiteral("G1"), S("衬衫"), {}, {}, 50, 40 };
        g.salePrice = 100;
        fixture::AddGoods(g);
        fixture::SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("100001"), 100, 50, 100);
        ApproveOnSave = QStringLiteral("1");
        CostMethod = QStringLiteral("0");
        UseStockOut = QStringLiteral("0");
        ResultText.clear();
        SelectedSn.clear();
    }
    void TearDown() override
    {
        SelectedSn.clear();
        ResultText.clear();
        Clock::Release();
        AccountSetTest::TearDown();
    }

    void Sql(const QString& statement) { dm->ADOConn.Exec(statement); }
    double Number(const QString& sql) { return ValueNumber(Scalar(sql)); }

    // A delivery ("XS") or return ("XT") of G1 at price 100, approved and posted.
    void Approved(const QString& number, const QString& date, double qty, const QString& warehouse = "100001")
    {
        const bool ret = number.startsWith(QLatin1String("XT"));
        fixture::AddDocument({ ret ? fixture::Trade::SalesReturn : fixture::Trade::Sale, number, date,
            QStringLiteral("K1"), warehouse, QStringLiteral("100001"), 0, { { QStringLiteral("G1"), qty, 100 } } });
        const QString p = ret ? QStringLiteral("th_") : QStringLiteral("ls_");
        // Settled by what was paid, in full.
        Sql(QStringLiteral("update %1 set %2status=1,%2checker='admin',%2chkrq='%3',%2sfje=%2yfje where gl_djh='%4'")
                .arg(ret ? QStringLiteral("jxc_xsthd") : QStringLiteral("jxc_lsxsd"), p, date.left(10), number));
        if (ret)
            ApproveSalesReturn(number);
        else
            ApproveSalesDoc(number);
    }
};
