#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

class Query;

// Barcodes of goods by colour and size (jxc_tm) and the label list (jxc_txm).

// The barcode of one colour and size: rule 1 goods barcode + colour segment + size
// segment, rule 2 goods barcode + size segment + colour segment.
QString ComposeBarcode(const QString& goodsBarcode, const QString& colourSegment, const QString& sizeSegment, int rule);

// One column of the segment grids: a colour (size) of the goods' group and its segment.
struct SegmentColumn {
    QString name;
    QString segment;
};

// The colours (sizes) of a group in creation order, each with the segment the goods'
// stored barcodes use for it, else the colour's (size's) own segment: saving them
// unchanged rebuilds the same barcodes.
QList<SegmentColumn> GoodsColourSegments(const QString& goodsSn, const QString& colourGroup);
QList<SegmentColumn> GoodsSizeSegments(const QString& goodsSn, const QString& sizeGroup);

// Replaces the goods' barcodes with one per colour and size column, segments cut to
// 8 characters (none when the goods barcode is empty), and stores the goods barcode
// when it differs from `barcodeAtOpening`. One transaction. True when g_sptm changed.
bool SaveGoodsBarcodes(const QString& goodsSn, const QString& goodsBarcode, int rule,
    const QList<SegmentColumn>& colours, const QList<SegmentColumn>& sizes, const QString& barcodeAtOpening);

// Rebuilds the barcodes of every goods row of `goods` (fields g_sn, cmz_sn, colorz_sn,
// g_tmtype, g_sptm) in one transaction; `progress` hears (done, total). A goods
// without barcode, or with a rule other than 1 or 2, keeps its rows.
void RegenerateBarcodes(Query& goods, const std::function<void(int, int)>& progress = {});

// One label row of the list: its barcode and how many labels to print.
using LabelCount = QPair<QString, int>;
// Refills jxc_txm with n rows per barcode (none for n <= 0) and opens `labels` on the
// label statement, one row per label in order, in one transaction: another operator's
// print cannot slip in between. Returns the number of labels.
int FillLabels(const QList<LabelCount>& rows, Query& labels);

// Opens `result` on the goods, colour and size of a barcode typed as is (bound).
void FindBarcode(const QString& barcode, Query& result);
