#pragma once
#include "foundation/schema/schema.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "support/platform/dbprobe.h"
#include "support/platform/testdb.h"

#include "support/platform/uitest.h"
#include <QRegularExpression>

// A fresh, empty database file in the test's folder, with the clock fixed at
// 2024-03-05 10:20:30.
class SchemaTest : public UiTest, protected DbProbe {
protected:
    SchemaTest() : DbProbe([this]() -> Connection& { return c; }) { }
    void SetUp() override
    {
        UiTest::SetUp();
        fresh.Open(c, Folder());
    }

    // Every row of a table, every column, as one text per row.
    QStringList Rows(const QString& table)
    {
        Query q(&c);
        q.SetSQL(QStringLiteral("select * from ") + table + QStringLiteral(" order by id"));
        q.Open();
        QStringList out;
        for (int r = 0; r < q.RecordCount(); ++r) {
            QStringList cells;
            for (int col = 0; col < q.FieldCount(); ++col)
                cells << (q.ValueAt(r, col).isNull() ? QStringLiteral("<null>") : q.TextAt(r, col));
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }
    QStringList Tables() { return c.TableNames().filter(QRegularExpression(QStringLiteral("^jxc_"))); }

    TestDb::FreshDatabase fresh;
    Connection c;
};
