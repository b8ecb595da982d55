#pragma once
#include "posting/postingdb.h"

#include <QList>
#include <QString>

// The statements behind the stock-take window's lists and the rules of its pending
// colour-by-size grid (no widgets). Operator texts reach the statements as bound
// values.

// Filters of the stock-take lists: keyword on the number (detail list: on the goods
// code, short code or name), goods text of the colour-by-size views, warehouse
// code ("-1" every warehouse), the operator whose warehouses bind the lists (empty:
// not bound), the date range of the query tab (whole days, "yyyy-MM-dd"; empty for
// the pending tab) and the pending view's mismatch filter.
struct KcpdFilter {
    QString keyword;
    QString goods;
    QString warehouse = QStringLiteral("-1");
    QString boundOperator;
    QString from;
    QString to;
    bool mismatch = false;
};

// Pending (status 0, number order) or approved (1, newest number first) stock-takes
// with the difference cysl and the warehouse name.
QString KcpdDocListSql(int status, const KcpdFilter& f, posting::Params& params);
// The lines of one stock-take (":n") with goods names and cysl, newest line first.
QString KcpdLinesSql();
// One row per line of approved stock-takes, newest number first.
QString KcpdDetailSql(const KcpdFilter& f, posting::Params& params);
// Colour-by-size rows of pending (0) or approved (1) stock-takes with the line's
// counted total pd_sl and price pd_dj; with the mismatch filter only the rows of
// goods whose counts of the document do not add up to the line's pd_sl.
QString KcpdSizeSql(int status, const KcpdFilter& f, posting::Params& params);

// The edited 数量 of a pending colour-by-size row: an empty text stores 0, a number
// is stored as it is, anything else is refused (false) and nothing is written. The
// line's counted total stays: the mismatch filter finds such goods.
bool SetStockTakeCount(qint64 rowId, const QString& text);

// Deletes the colour-by-size rows of pending stock-takes in one transaction;
// answers how many went.
int DeleteStockTakeSizeRows(const QList<qint64>& rowIds);

// 删除 of the entry tab: the goods goes from the draft's number with every
// operator's lines and colour-by-size rows of it, in one transaction.
void DeleteStockTakeGoods(const QString& number, const QString& goods);

// The confirmation and the closing message of "删除(&D)".
QString StockTakeSizeDeleteQuestion();
QString StockTakeSizeDeleteDone(int count);
