#pragma once
#include "documents/dockind.h"

#include <QString>
#include <QStringList>
#include <functional>

// The plain description of one kind of stock document (transfer, loss and
// overflow, stock-take, department requisition and return, production goods-in
// and return). The stock-document windows, their colour-by-size entry dialogs,
// catalogue browsers and the date change are written once against it; each kind
// fills one description. The document-window mechanics see only its DocKind part.
struct StockKind {
    // Tables, number prefix, line column prefix ("db": db_sl, db_dj, db_zje), the
    // header's date, status, checker and check-date columns, the document's name in
    // log lines, the module column of the rights and the posting of an approval.
    DocKind doc;

    // Kind tags: the entry tab ("kcdb"), the pending tab ("kcdbsh") and the tag the
    // stored document prints with ("kcdb").
    QString tag;
    QString pendingTag;
    QString printTag;
    // The window's title ("库存调拨").
    QString title;
    // Header warehouse columns; the first is the one whose stock the lines take
    // (the transfer's out-warehouse).
    QStringList warehouseColumns;
    QString noteColumn;
    // Staff flag of the handler combo ("u_kc").
    QString staffFlag;
    // Rights positions inside the window (module doc.rightModule).
    int entryRight = 0;
    int unapproveRight = 0;

    // Texts of saving: no lines, the two confirmations, the pending save's log start.
    QString noLinesText;
    QString approveOnSaveQuestion;
    QString pendingQuestion;
    QString pendingSaveLog;

    // Templates ("report/" file names) and the dataset names they bind.
    std::function<QString()> docTemplate;
    QString pendingTemplate;
    QString pendingDataset;
    QStringList listTemplates; // 单据表, 汇总表, 明细表
    QStringList listDatasets;

    // Cancelling an approval (the posting engine's reversal of the kind).
    std::function<void(const QString& docNo)> unapprove;

    // Line column names from their stems ("sl" -> "db_sl").
    QString Col(const char* stem) const { return doc.Col(stem); }
};

// The header columns of a stock document named by its column stem ("db": db_status,
// db_checker, db_chkrq), which also starts its line columns, and its date column.
void FillStockDocColumns(DocKind& d, const QString& stem, const QString& dateColumn);

// "库存调拨": jxc_kcdbd / jxc_dbsp / jxc_dbspmx, prefix "DB".
const StockKind& TransferKind();

// "商品报损" (jxc_bsd / jxc_bssp / jxc_bsspmx, prefix "BS") and "商品报溢" (jxc_byd /
// jxc_bysp / jxc_byspmx, prefix "BY"): one window enters both.
const StockKind& LossKind();
const StockKind& OverflowKind();
// The kind of a loss or overflow number: "BY" numbers are overflows, all others losses.
const StockKind& LossOverflowKindOf(const QString& number);

// "库存盘点": jxc_kcpd / jxc_kcpdsp / jxc_kcpdspmx, prefix "PD".
const StockKind& StockTakeKind();

// Whether saving approves at once: only "0" and "False" switch it off.
bool ApproveOnSaveSet();
