#pragma once
#include <QDate>
#include <QString>

// The statements of the statement and statistics windows over the stock ledger
// (jxc_goodslist): partner statements, goods movement, gross profit and delivery
// cost. Plain functions of the window's choices, so they can be checked without
// a window.

struct LedgerChoice {
    QDate from;
    QDate to;
    QString category;  // gc_sn of the tree's current node; empty covers every category
    QString partner;   // the confirmed key: "d" + de_sn for a department, empty for none
    QString goodsText; // as typed; trimmed and made safe here
    QString warehouse; // ck_sn of the warehouse combo; empty or "-1" for all
    QString handler;   // the handler's name (出库统计 only); empty for all
};

// A picked key names a department when it starts with "d"; its code follows.
bool IsDepartmentKey(const QString& key);
QString DepartmentCode(const QString& key);

// 发货对帐单 (customers and departments) and 收货对帐单 (suppliers and departments).
enum class StatementSide { Delivery, Receiving };
QString PartnerStatementSql(StatementSide side, const LedgerChoice& c);

// 入库统计表, 退货统计表, 出库统计表, 退库统计表.
enum class MovementKind { GoodsIn, GoodsBack, GoodsOut, ReturnToStock };
QString MovementStatisticsSql(MovementKind kind, const LedgerChoice& c);

// 销售毛利统计表: the lines and the sum per goods and customer. The category
// includes every category below it.
QString GrossProfitLinesSql(const LedgerChoice& c);
QString GrossProfitSummarySql(const LedgerChoice& c);

// 发货成本统计: the lines and the sum per goods and receiving party. The category
// is matched exactly, sub-categories aside.
QString DeliveryCostLinesSql(const LedgerChoice& c);
QString DeliveryCostSummarySql(const LedgerChoice& c);
