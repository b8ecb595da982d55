#pragma once
#include "platform/sheet/sheetwriter.h"

#include <QString>
#include <QVariant>
#include <QVector>
#include <gtest/gtest.h>

// A sales line sheet (code, name, price, discount, quantity, batch) written as
// .xls or .xlsx by the path's ending; answers the path.
inline QString WriteSalesSheet(const QString& path, const QVector<QVector<QVariant>>& rows)
{
    SheetTable table;
    for (const char* caption : { "商品编号", "商品名称", "单价", "折扣", "数量", "批号" })
        table.captions << QString::fromUtf8(caption);
    table.rows = rows;
    QString error;
    const bool ok
        = path.endsWith(QLatin1String(".xls")) ? WriteXls(path, table, &error) : WriteXlsx(path, table, &error);
    EXPECT_TRUE(ok) << error.toStdString();
    return path;
}
