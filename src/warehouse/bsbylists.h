#pragma once
#include "posting/postingdb.h"
#include "warehouse/stockkind.h"

#include <QString>
#include <initializer_list>

// The statements behind the loss and overflow window's lists (no widgets). Every
// operator text reaches them as a bound value.

// The pending tab's filters: keyword on number or remark (empty matches all), the
// warehouse code ("-1" for every warehouse) and the operator whose warehouses bind
// the list (empty when the operator is not bound).
struct BsbyPendingFilter {
    QString keyword;
    QString warehouse = QStringLiteral("-1");
    QString boundOperator;
};

// Pending losses and overflows in one list ordered by number, so every "BS"
// document comes before every "BY" one; djlx names the kind.
QString BsbyPendingSql(const BsbyPendingFilter& f, posting::Params& params);

// The query tab's filters: the date range (whole days, "yyyy-MM-dd"), keyword, the
// advanced query's warehouse and handler (empty: all) and the loss summary's
// stock-take flag ("1" only stock-take losses, "0" none of them).
struct BsbyQueryFilter {
    QString from;
    QString to;
    QString keyword;
    QString warehouse;
    QString handler;
    QString stockTakeOnly = QStringLiteral("0");
    QString boundOperator;
};

// Approved documents of the kind, newest number first.
QString BsbyDocListSql(const StockKind& kind, const BsbyQueryFilter& f, posting::Params& params);
// Approved quantities of the kind per goods.
QString BsbySummarySql(const StockKind& kind, const BsbyQueryFilter& f, posting::Params& params);
// The lines of one document (":n") of the kind with goods and class names.
QString BsbyLinesSql(const StockKind& kind);

// The documents of one approved goods of the summary (":g"), newest first, with
// the query tab's dates, filters and keyword (number or line remark).
QString BsbySummaryDocsSql(const StockKind& kind, const BsbyQueryFilter& f, posting::Params& params);
// One row per approved line, newest number first; keyword on number, line remark,
// warehouse code or name.
QString BsbyDetailSql(const StockKind& kind, const BsbyQueryFilter& f, posting::Params& params);

// The colour-by-size rows of pending (status 0) or approved (1) documents of the
// kinds, ordered by number, goods, size, colour. The pending view filters its
// keyword on the number and by warehouse ("-1" all); the query view on the
// number, warehouse code or name. `goods` matches code, name or short code.
struct BsbySizeFilter {
    int status = 0;
    QString keyword;
    bool keywordOnWarehouse = false;
    QString goods;
    QString warehouse = QStringLiteral("-1");
    QString boundOperator;
};
QString BsbySizeSql(std::initializer_list<const StockKind*> kinds, const BsbySizeFilter& f, posting::Params& params);

// Approves a pending loss ("BS") or overflow ("BY") by its number's kind; an
// approved number is left as it is. Answers true when it approved.
bool ApproveLossOrOverflow(const QString& number);
