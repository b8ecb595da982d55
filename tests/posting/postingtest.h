#pragma once
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "support/accountset.h"
#include "support/text.h"
#include "support/tradefixtures.h"

// A UTF-8 literal as text.
// An account set with the settings loaded, the clock at 2024-05-10 10:20:30 and
// two warehouses, goods "G1" in red and blue, sizes S and M.
class PostingTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        LoadSystemSettings();
        Clock::SetFixed(QDateTime(QDate(2024, 5, 10), QTime(10, 20, 30)));
        fixture::AddWarehouse(QStringLiteral("W2"), QStringLiteral("二号仓"));
        fixture::AddGoods(
            { QStringLiteral("G1"), QStringLiteral("衬衫"), { QStringLiteral("R:红"), QStringLiteral("B:蓝") },
                { QStringLiteral("S:小码"), QStringLiteral("M:中码") } });
    }
    void TearDown() override
    {
        Clock::Release();
        AccountSetTest::TearDown();
    }

    void Sql(const QString& statement) { dm->ADOConn.Exec(statement); }
    double Number(const QString& sql) { return ValueNumber(QueryScalar(sql)); }
    QString Text(const QString& sql) { return QueryScalar(sql); }
    // One row's columns as numbers.
    std::vector<double> Numbers(const QString& sql)
    {
        Query q(&dm->ADOConn);
        q.SetSQL(sql);
        q.Open();
        std::vector<double> out;
        for (int c = 0; c < q.FieldCount() && !q.IsEmpty(); ++c)
            out.push_back(ValueNumber(q.ValueAt(0, c)));
        return out;
    }
};
