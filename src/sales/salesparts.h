#pragma once

#include "sales/salesdraft.h"

#include <QString>
#include <functional>

struct DocKind;
class KeyedCombo;
class QDateTimeEdit;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class DataGrid;
class QAction;
class QBoxLayout;
class QCheckBox;
class QFrame;
class QWidget;

// The controls of the first two header rows that the sales delivery and sales order
// entry tabs share: customer with its chooser button, warehouse, date and number;
// due and paid amounts, settlement mode and handler with its picker button. The
// builder fills the window's own members.
struct SalesEntryHead {
    QLineEdit*& tkh;
    QPushButton*& btnSeleGhs;
    KeyedCombo*& comCk;
    QDateTimeEdit*& dateCg;
    QLabel*& gldjh;
    QLineEdit*& tyfje;
    QLineEdit*& tssje;
    KeyedCombo*& comJsfs;
    KeyedCombo*& comUser;
    QPushButton*& btnUser;
};
// Lays the two rows out on `head` (rows 0 and 1) of the tab; dateCaption is the
// date's label ("出货日期：", "开单日期：").
void BuildSalesEntryHead(QWidget* tab, QGridLayout* head, const char* dateCaption, const SalesEntryHead& c);

// The line buttons and header fields that follow whether the draft has lines:
// modify, delete and print shown with lines (print not while NoPrintBeforeSave);
// the warehouse fixed while there are lines, the customer free again without.
struct SalesLineButtons {
    QPushButton* btnModi;
    QPushButton* btnDel;
    QPushButton* btnPrin;
    KeyedCombo* comCk;
    QPushButton* btnSeleGhs;
    QLineEdit* tkh;
};
void ShowSalesLineButtons(const SalesLineButtons& b, bool rows);
// The draft's due amount in tyfje, and in tssje too while the paid amount follows it
// (SalesCollectDefault "0").
void ShowSalesDraftDue(const DocKind& kind, const QString& number, QLineEdit* tyfje, QLineEdit* tssje);
// The code of the barcode field scanned into the kind's draft under the number, for
// the current customer and the warehouse of comCk; a refusal is shown (and the field
// emptied where the scan says). Answers the scan's result.
SalesScanResult ScanAtEntry(const DocKind& kind, QLineEdit* tSptm, const QString& number, const QString& date,
    const KeyedCombo* comCk, bool refuseRepeat);

// The customer list panel that the pending tabs lay over their list (RzPanel_Kh2):
// the customers on the data module's D_Khxx, "查询全部客户", "确定(F5)" and "退出(Esc)";
// hidden at first. The builder fills the window's own members.
QFrame* NewCustomerListPanel(
    QWidget* tab, DataGrid*& cxGrid4View, QCheckBox*& chkKhAll, QPushButton*& btnOK2, QPushButton*& btnExit2);

// "导入导出" of the sales delivery and order entry tabs: "从Excel导入商品销售单(&E)" and
// "导出商品销售单到Excel(&X)".
QPushButton* NewSalesInOutButton(QWidget* parent, QBoxLayout* row, QAction*& btnImport, QAction*& btnExport,
    const std::function<void()>& onImport, const std::function<void()>& onExport);
