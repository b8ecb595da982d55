#pragma once
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "reports/reportswindows.h"
#include "support/accountset.h"
#include "support/text.h"
#include "support/tradefixtures.h"

#include <map>

// An account set with the settings loaded, the report datasets declared, a second
// warehouse W2 and the clock at 2024-03-15 10:00.
class ReportsTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        LoadSystemSettings();
        DeclareReportsDatasets();
        Clock::SetFixed(QDateTime(QDate(2024, 3, 15), QTime(10, 0)));
        fixture::AddWarehouse(QStringLiteral("W2"), S("二号仓"));
    }
    void TearDown() override
    {
        BindOperatorWarehouse = QStringLiteral("0");
        CurrentRoleSn = QStringLiteral("100001");
        ShowCostPrice = true;
        ShowSalePrice = true;
        DetailGoodsSn.clear();
        Clock::Release();
        AccountSetTest::TearDown();
    }

    void Sql(const QString& statement) { dm->ADOConn.Exec(statement); }

    // A goods of the default category (or the given one).
    void Goods(const QString& sn, const QString& category = QStringLiteral("1000"))
    {
        fixture::AddGoods({ sn, S("商品") + sn });
        Sql(QStringLiteral("update jxc_goods set gc_sn='%1' where g_sn='%2'").arg(category, sn));
    }

    // A ledger row with its running balance after it.
    qint64 Ledger(const QString& kind, const QString& date, const QString& goods, double qty, double amount,
        double stock = 0, double value = 0, const QString& warehouse = QStringLiteral("100001"), double cost = 0,
        const QString& number = QStringLiteral("X1"))
    {
        fixture::LedgerSpec r;
        r.kind = kind;
        r.number = number;
        r.date = date;
        r.goods = goods;
        r.warehouse = warehouse;
        r.qty = qty;
        r.amount = amount;
        r.cost = cost;
        const qint64 id = fixture::AddLedgerRow(r);
        Sql(QStringLiteral("update jxc_goodslist set gl_kc=%1,gl_kczje=%2,ck_name=(select ck_name from jxc_ckxx c "
                           "where c.ck_sn=jxc_goodslist.ck_sn) where id=%3")
                .arg(stock)
                .arg(value)
                .arg(id));
        return id;
    }

    // The rows of a statement keyed by a text column, each a map of its columns.
    using Row = std::map<QString, QVariant>;
    std::map<QString, Row> Keyed(const QString& sql, const QString& key)
    {
        Query q(&dm->ADOConn);
        q.SetSQL(sql);
        q.Open();
        std::map<QString, Row> out;
        for (q.First(); !q.Eof(); q.Next()) {
            Row r;
            for (int c = 0; c < q.FieldCount(); ++c)
                r[q.FieldName(c)] = q.ValueAt(q.RecNo(), c);
            out[q.AsString(key)] = r;
        }
        return out;
    }
    static double N(const Row& r, const char* field)
    {
        const auto it = r.find(QString::fromLatin1(field));
        return it == r.end() ? -99999 : ValueNumber(it->second);
    }
};
