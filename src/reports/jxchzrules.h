#pragma once
#include "reports/jxcfilters.h"

#include <QDate>
#include <QString>
#include <functional>

// The purchase-sales-stock summary: opening balance, movements in and out and
// closing balance per goods over a period, built in the operator's scratch rows.

// The category limits the final list only.
struct SummaryFilter : LedgerFilter {
    bool periodOnly = false; // 统计本期: only what moved in the period
    bool costMode = false;   // 按成本价统计
};

// Rewrites the operator's rows of jxc_jxchz (one per goods) and answers the statement
// of the per-goods result: g_sn, gl_kc, gl_kczje, rksl,
// rkzje, cksl, ckzje, glkc, glkczje, in the cost mode cesl and ceje, and the goods'
// descriptive columns.
QString BuildStockSummary(const SummaryFilter& f);

// Whether the difference check repairs a goods: the discount goods never; with
// "差额为0也要核对" every one; else when the value difference, rounded to cents,
// lies outside [-1, 1].
bool NeedsDifferenceRepair(const QString& goods, double difference, bool evenWithoutDifference);

// updateglist: drops the carried-forward and synchronisation opening rows of the
// goods in the warehouse from the date on, then re-walks its ledger (running stock,
// value, average and outgoing costs) from its first row at or after that date;
// flag "1" also re-prices the source documents' lines.
void UpdateGoodsLedger(const QString& goods, const QString& warehouse, const QDate& from, const QString& flag);

struct DifferenceRepairItem {
    QString goods;
    double difference = 0; // ceje of the summary row
};
// The difference check over warehouses and goods, warehouse by warehouse, as one
// transaction; `step` is told after each warehouse. Answers how many repairs ran.
int RepairSummaryDifferences(const QStringList& warehouses, const QList<DifferenceRepairItem>& goods, const QDate& from,
    const QString& flag, bool evenWithoutDifference, const std::function<void(int)>& step = {});
