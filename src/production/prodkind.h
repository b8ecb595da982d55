#pragma once
#include "warehouse/stockkind.h"

#include <QString>
#include <functional>

// One kind of department or production document: department requisition ("LY"),
// department return ("LT"), production goods-in ("SC") and production return
// ("ST"). The requisition and the return share jxc_bmlyd / jxc_bmlysp /
// jxc_bmlyspmx, the two production kinds jxc_scrkd / jxc_scrksp / jxc_scrkspmx;
// the header's flag column (1 or -1) and the number's prefix tell them apart. The
// four windows and the date change are written once against this description.
struct ProdKind {
    StockKind stock;
    // Department documents (jxc_bmlyd) or production documents (jxc_scrkd).
    bool dept = true;
    // 1 for the requisition and the goods-in, -1 for the two returns: the header's
    // flag and the sign of its total.
    int sign = 1;
    QString flagColumn;       // ly_flag, sc_flag
    QStringList totalColumns; // ly_zje; sc_yfje and sc_sfje
    // Window class and the dialogs it opens.
    QString windowName;
    QString addDialog;
    QString seleDialog;
    // Captions: the tabs, the department field and the save refusal without one.
    QString entryTab;
    QString pendingTab;
    QString queryTab;
    QString deptLabel;
    QString noDeptText;
    QString deleteLog;
    // The caller tag of the date change ("bmly" or "scrk").
    QString dateTag;
    // Whether the entry tab has the barcode panel.
    bool barcode = false;
    // The approval: the refusal text, or "" when it posted or had nothing to do.
    std::function<QString(const QString& number)> approve;

    const DocKind& Doc() const { return stock.doc; }
};

const ProdKind& DeptIssueKind();
const ProdKind& DeptReturnKind();
const ProdKind& ProductionInKind();
const ProdKind& ProductionReturnKind();
// The kind of a number by its prefix; nullptr for other numbers.
const ProdKind* ProdKindOf(const QString& number);
