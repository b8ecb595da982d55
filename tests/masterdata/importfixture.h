#pragma once
#include "support/accountset.h"

#include "foundation/globals.h"
#include "platform/sheet/sheetwriter.h"

#include <QFile>

// Import tests: spreadsheets written into the program folder and chosen through the
// scripted file dialog.
class ImportTest : public AccountSetTest {
protected:
    QString Sheet(const QString& name, const QStringList& headers, const QList<QStringList>& rows)
    {
        SheetTable table;
        table.captions = headers;
        for (const QStringList& r : rows) {
            QVector<QVariant> cells;
            for (const QString& c : r)
                cells << (c.isEmpty() ? QVariant() : QVariant(c));
            table.rows << cells;
        }
        const QString path = Folder() + name;
        QString error;
        EXPECT_TRUE(WriteXlsx(path, table, &error)) << error.toStdString();
        return path;
    }
    QString Scalar(const QString& sql) { return QueryScalar(sql); }
    QStringList Column(const QString& sql) { return SelectColumn(dm->ADOConn, sql); }
};
