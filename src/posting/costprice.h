#pragma once
#include <QString>

// Unit costs of outgoing lines, and first-in-first-out batches: goods-in and sales
// returns create receipt batches (jxc_rklist), sales and purchase returns consume
// them oldest first and record what they took (jxc_cklist), and a document's
// consumption is given back before its records are deleted.

// The moving-average cost of goods in a warehouse at a date ("yyyy-MM-dd" counts up
// to the present time of that day), rounded to AmountDecimals; fixed-cost goods
// answer their preset purchase price.
double GetCostPrice(const QString& goodsSn, const QString& warehouseSn, const QString& date);
// The cost just before ledger row `rowId` dated `dateTime`, for re-pricing that row.
double GetCostPriceAt(
    const QString& goodsSn, const QString& warehouseSn, const QString& dateTime, const QString& rowId);

// Takes `qty` of the goods from the open batches of the warehouse, then of any
// warehouse, and records each take under the document. For a sale ("xs") the
// line whose id2 is `lineId` gets the batches' cost.
void ConsumeFifoBatches(const QString& docNo, const QString& goodsSn, const QString& warehouseSn, const QString& date,
    const QString& lineId, const QString& kind, double qty);
// A purchase return taken from goods-in `sourceDocNo`: that document's batches
// first, then as ConsumeFifoBatches with kind "ct".
void ConsumeFifoBatchesOfDoc(const QString& docNo, const QString& goodsSn, const QString& warehouseSn,
    const QString& date, const QString& lineId, const QString& sourceDocNo, double qty);
// Prices the sales-return lines of the goods at the last purchase price up to the date.
void GetLastPurchasePrice(const QString& docNo, const QString& goodsSn, const QString& warehouseSn, const QString& date,
    const QString& lineId, const QString& kind, double qty);

// One batch per line of an approved goods-in with a quantity above 0 (the discount
// goods "00000000" left out), identified by the line's id.
void CreateGoodsInBatches(const QString& docNo);
// What the document's consumption records took goes back to its batches, then the
// records are deleted, so that posting again or cancelling never consumes twice.
void GiveBackFifoConsumption(const QString& docNo);
