#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// Plain routines behind the goods list and its bulk dialogs, on goods codes and
// row ids. Each that writes more than one row runs in one transaction.

inline const QString kBuiltInGoods = QStringLiteral("00000000");
inline const QString kGoodsBuiltInRefusal = QStringLiteral("该商品为系统内置商品，不能删除！");

// The number of the first document that used the goods: a goods-in line, else a
// sales line, else a posted stock movement other than opening stock; "" when none.
QString GoodsBusinessDocNo(const QString& code);
// Why the goods may not be deleted, as the list says it; "" when it may.
QString GoodsDeleteRefusal(const QString& code);
// Deletes the goods with their opening stock, stock, colour-and-size stock and
// barcodes in one transaction; their pictures are removed once it is committed.
void DeleteGoods(const QStringList& codes);

// Disables an enabled goods and enables a disabled one, in the order given; the
// built-in goods is never enabled.
void ToggleGoodsDisabled(const QList<qint64>& ids);
void SetGoodsDisabled(qint64 id, bool disabled);
// Whether the preset purchase price serves as the sales cost price.
void SetGoodsPresetCost(const QList<qint64>& ids, bool on);
// Moves the goods into the category with that code (its number follows).
void SetGoodsClass(const QList<qint64>& ids, const QString& classCode);
// Minimum stock in whole pieces.
void SetGoodsMinimumStock(const QList<qint64>& ids, double minimum);
void SetGoodsShortCode(qint64 id, const QString& shortCode);

// Price columns of the wholesale-price dialog, by their captions.
QString WholesaleTargetColumn(const QString& caption);
QString WholesaleSourceColumn(const QString& caption);
// target = source × factor for every goods row (disabled and built-in goods too), or
// for the goods of one category (its own goods only, not those of sub-categories).
void SetWholesalePrices(
    const QString& targetColumn, const QString& sourceColumn, double factor, bool allGoods, const QString& classCode);
