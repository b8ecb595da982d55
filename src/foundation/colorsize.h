#pragma once
#include <QString>

// Colour and size codes by name, and the barcodes of a goods' colour and size
// combinations.

// cm_sn of the first size with this name, empty when there is none.
QString SizeSnByName(const QString& name);
// color_sn of the first colour with this name, empty when there is none.
QString ColorSnByName(const QString& name);

// Rebuilds the goods' jxc_tm rows, one per colour of its colour group and size of
// its size group: rule "1" composes goods barcode + colour segment + size segment,
// rule "2" goods barcode + size segment + colour segment. A goods without barcode
// keeps its rows. The rebuild is one unit of work: a failure leaves the old rows.
// Any other rule is refused (std::invalid_argument) before anything is deleted.
void MakeGoodsBarcodes(const QString& goodsSn, const QString& sizeGroup, const QString& colourGroup,
    const QString& rule, const QString& goodsBarcode);

// Copies the goods' first additional unit (by id) into its second unit; without
// one, the base unit with factor 1.
void UpdateGoodsSecondUnit(const QString& goodsSn);
