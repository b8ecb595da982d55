#pragma once
#include <QString>
#include <array>
#include <functional>
#include <optional>

// The goods record as the add and modify windows enter it, and the plain rules
// behind their "保存(F5)": the checks, the insert, the update with the rename
// cascade. No widget is involved; the windows fill a GoodsEntry from their controls.

// Texts as the operator typed them (trimmed where the windows trim them); the
// routines apply the sanitisers the record needs.
struct GoodsEntry {
    QString className; // shown category name, for the emptiness check
    QString classSn;   // chosen category
    QString classCid;
    QString sn;
    QString name;
    QString barcode;
    int barcodeOrder = 1; // 1 goods + colour + size, 2 goods + size + colour
    QString unit;         // text of ComDw
    QString colourGroupName;
    QString sizeGroupName;
    QString colourGroupSn;
    QString sizeGroupSn;
    QString brand;
    QString shelf;
    QString style;
    QString remark;
    double purchasePrice = 0;             // g_jj
    double salePrice = 0;                 // g_sj
    std::array<double, 5> levelPrices {}; // g_sj1 .. g_sj5
    double retailPrice = 0;
    int minStock = 0;
    bool gift = false;
    bool presetCost = false;
    bool alertSameName = false;
    int commissionKind = 0; // 0 none, 1 per item, 2 by amount, 3 by gross profit
    double commission = 0;
};

// The item of the unit combo that opens the unit list.
inline const QString kNewUnitItem = QStringLiteral("增加新单位...");

// The first of the six emptiness refusals, "" when every required field is filled.
QString GoodsEntryRefusal(const GoodsEntry& e);

// Asks the operator a Yes/No question; true for Yes.
using GoodsQuestion = std::function<bool(const QString& text)>;

// The outcome of a save: saved, or the refusal shown ("" when a question was answered No).
struct GoodsSaveResult {
    bool saved = false;
    QString refusal;
};

// Saves a new goods: the code, barcode and name checks, then in one transaction the
// code check again, the insert and the colour-by-size barcodes.
GoodsSaveResult InsertGoods(const GoodsEntry& e, const GoodsQuestion& ask);

// The goods' values before the modify (the cascade renames from them).
struct GoodsBefore {
    qint64 id = 0;
    QString sn;
    QString name;
    QString unit;
    QString style;
    QString colourGroupName;
};

// Whether the goods' code is locked: it has goods-in lines or warehouse stock.
bool GoodsCodeLocked(const QString& sn);

// Saves a modified goods: the checks, then in one transaction the update, the log
// line, the barcodes, the second unit, the rename cascade and, with
// `sameCommissionForClass`, the category's commission. After the commit a changed
// code takes the goods' picture along.
GoodsSaveResult UpdateGoods(
    const GoodsBefore& before, const GoodsEntry& e, bool sameCommissionForClass, const GoodsQuestion& ask);

// The goods barcode that automatic barcodes give a code ("" when they leave the
// field alone): method "0" the code, "1" the stem + the code.
std::optional<QString> AutoBarcode(const QString& code, const QString& stem);
