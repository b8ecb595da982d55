#pragma once
#include "documents/docdrafts.h"
#include "documents/dockind.h"

#include <QFrame>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <initializer_list>

class DataGrid;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class Query;
class QWidget;

// The shared mechanics of the document windows (goods-in, purchase return, order,
// sales, stock, department and production documents), configured by the kind's
// plain description (dockind.h). A window owns one DocWindow and keeps its own
// class, controls and handler names; its handlers call the helper for what all
// document windows do alike:
//
//   - the operator's draft lines: discarding them on closing (CloseQuery), deleting
//     one colour-by-size row with its line recomputed (docdrafts.h DeleteDetailRow);
//   - number redraws that always move the operator's lines along (docdrafts.h:
//     RedrawIfHeld on a scan and before a dialog, a browser, an import or a take-over
//     writes lines; RedrawForDate on a date change; RedrawForSave on saving);
//   - the line arithmetic of the colour-by-size dialogs (docdrafts.h LineArithmetic);
//   - the totals of the draft (DraftPayable, the window's updateBottomJe) and of a
//     pending document (UpdatePendingAmounts, the window's updateCheckShdjYfje);
//   - approval of one document or of a whole pending list (Approve, ApproveAll):
//     each document in its own transaction, with the approval hook and a progress
//     display for the list;
//   - the partner panels: the chooser beside the supplier or customer field
//     (PartnerChooser configured by SupplierSide or CustomerSide: RzPanelGhs on the
//     data module's Q_Ghsxx, RzPanelKh on Q_Khxx) and the supplier picker of the
//     list tabs (SupplierPicker, RzPanel_Ghs2).
//
// The windows' text fields drop search punctuation as it is typed through
// DiscardSearchPunctuation of the master data (masterdata/keyfilter.h), which the
// windows' subsystems stand on.
//
// Wiring a window (the goods-in window, purchasing/cgjh.cpp, is the full example):
//   DocWindow doc { GoodsInKind() };            // a new kind adds its description to dockind.cpp
//   bool FormCloseQuery() override { return doc.CloseQuery(hasRows, jsn, [this] { btnOKClick(); }); }
//   void checkDj(no)      { doc.Approve(no, operatorOfTheSelectedHeader); }
//   void updateBottomJe() { tyfje := DraftPayable(doc.Kind(), jsn); }
//   saving                { Transaction; no := RedrawForSave(...); header; ...; Commit; }
// What the colour-by-size dialogs and goods browsers need of the document window
// they work for: its number, date and warehouse, and its reload routines. A window
// hands it to its DocWindow (SetHost); the dialogs find it by the kind's number
// prefix, so they work with any window of that kind, also before it exists (tests).
struct DocHost {
    std::function<QString()> number;
    std::function<void(const QString&)> showNumber;
    std::function<QString()> date; // "yyyy-MM-dd"
    std::function<QString()> warehouse;
    // The entry tab's lines reloaded under the number and its totals brought up to date.
    std::function<void()> reloadDraft;
    // The pending document's lines reloaded and its header amounts brought up to date.
    std::function<void()> reloadPending;
    // The pending tab's lines reloaded for its current document, amounts untouched
    // (after the date-change dialog moved the document).
    std::function<void()> reloadPendingLines;
    // What the stock documents' dialogs read besides: a column of the pending header
    // selected on the pending tab (empty when none), the ids of the draft line and
    // of the pending line selected (0 when none) and the document type of a window
    // that enters two kinds ("BS" or "BY"). Unset where a window has none.
    std::function<QString(const QString& column)> pendingHeader;
    std::function<qint64()> draftLine;
    std::function<qint64()> pendingLine;
    std::function<QString()> docType;
    // The whole-document discount rate of the document under entry; not set: none (1).
    std::function<double()> discount;
};
// The host of the window of a kind ("CJ"), nullptr when none is open.
DocHost* FindDocHost(const QString& prefix);
void SetDocHost(const QString& prefix, DocHost* host);

class DocWindow {
public:
    explicit DocWindow(const DocKind& kind) : kind_(kind) { }
    ~DocWindow();
    DocWindow(const DocWindow&) = delete;
    DocWindow& operator=(const DocWindow&) = delete;
    const DocKind& Kind() const { return kind_; }
    // Offers the window to the dialogs and browsers of its kind until it goes.
    void SetHost(DocHost host);

    // Closing with unsaved lines: "当前单据还未保存，是否保存？" with Yes, No and Cancel.
    // Yes saves (the window closes whatever the save did), No discards the operator's
    // lines under the number, Cancel keeps the window open (false).
    bool CloseQuery(bool hasLines, const QString& number, const std::function<void()>& save) const;

    // Approves one document; the approving operator's draft keeps the number.
    bool Approve(const QString& number, const QString& approvingOperator) const;

    // The first refusal of a save, in the windows' order: no lines, no partner (the
    // kind's own message), no handler, no warehouse. Empty when the save may go on.
    static QString SaveRefusal(bool hasLines, const QString& partnerText, const QString& noPartner,
        const QComboBox& handler, const QComboBox& warehouse);

    // A change of the document date ("yyyy-MM-dd"): a date after today asks first, and
    // No answers false (the window puts lastDate back). A date other than lastDate
    // becomes lastDate and redraws `number`, moving the operator's lines along; a
    // failing redraw leaves the number as it was and the date changed.
    bool DateChange(const QString& date, QString& lastDate, QString& number) const;

    // One row of a pending list to approve.
    struct PendingDoc {
        QString number;
        QString date;
        QString operatorName;
    };
    // The rows of a pending list in their order (number, date and operator columns).
    static QList<PendingDoc> PendingRows(Query& list, const QString& dateColumn);
    // Approves the documents one after another, each in its own transaction, with a
    // progress display; a document that the approval hook refuses is skipped with
    // the hook's text. Answers how many were approved.
    int ApproveAll(const QList<PendingDoc>& docs, QWidget* parent) const;

    // Cancels the approval of every listed document ("全部取消" of the query tabs):
    // asks first (No stops, false), then runs each number's cancel routine in turn
    // with AuxTag "kcpd" (the routine asks nothing of its own) and a progress
    // display, and reports how many of the listed ones were cancelled. A document
    // the routine refuses keeps its approval; the others stay cancelled.
    static bool UnapproveAll(const QStringList& numbers, QWidget* parent);
    // "取消审核" (all: "全部取消") of a query tab over its document list: refused
    // outside the document view; cancels the selected document, or every listed one.
    // True when the list may have changed and wants reloading.
    static bool UnapproveFromList(
        Query& list, const QString& numberField, bool documentView, bool all, QWidget* parent);

private:
    const DocKind& kind_;
    DocHost host_;
    bool hosting_ = false;
};

// The keys that a document window handles itself before its controls (F2, F5, F8,
// F9 and Esc), handed to its FormKeyDown.
bool DocWindowKey(QKeyEvent* e, const std::function<void(int)>& formKeyDown);

// Keeps a window's save button disabled from the point of no return of a save; a
// save that fails before it is done gives the button back.
class SaveButtonGuard {
public:
    explicit SaveButtonGuard(QPushButton* button);
    ~SaveButtonGuard();
    SaveButtonGuard(const SaveButtonGuard&) = delete;
    SaveButtonGuard& operator=(const SaveButtonGuard&) = delete;
    void Done() { done_ = true; }

private:
    QPushButton* button_;
    bool done_ = false;
};

// The supplier list's OR filter on name, short code, code, telephone and address;
// an empty text shows every supplier.
void GhsFilter(DataGrid& grid, const QString& text);
// The customer list's OR filter on name, short code, code, telephone, contact and address.
void KhFilter(DataGrid& grid, const QString& text);
// The grid of the supplier panels: 编号, 供货商名称, 联系人, 联系电话, 联系地址, 供货商类型.
DataGrid* NewSupplierGrid(QWidget* parent, const QString& objectName);

// What a partner panel shows: its list (a data-module dataset), columns, filter, key
// and name fields, how the list is reopened in an order ("0" code order, "1"
// reversed) and the object names of its controls.
struct ChooserSide {
    const char* objectName;
    const char* searchCaption;
    const char* dataset;
    const char* gridName;
    const char* snField;
    const char* nameField;
    std::function<void(DataGrid&, const QString&)> filter;
    std::function<void(const QString& orderFlag)> reopen;
    std::function<void(DataGrid&)> columns;
    const char* addName;
    const char* modiName;
    const char* okName;
    const char* exitName;
};
const ChooserSide& SupplierSide();
// The customers of the sales windows (Q_Khxx): 编号, 客户名称, 联系人, 联系电话, 联系地址,
// 客户类型, 所属地区.
const ChooserSide& CustomerSide();

// The chooser beside a document's partner field: search text, partner list, order
// combo and the add, modify, choose and leave buttons. Choosing hands the current
// partner to `chosen` and hides the panel.
class PartnerChooser : public QFrame {
    Q_OBJECT
public:
    PartnerChooser(QWidget* parent, const ChooserSide& side);

    // Shows the panel with the list filtered by the text (all when empty).
    void ShowFiltered(const QString& text);
    void Filter(const QString& text);
    void comSxChange();
    void Choose();
    void Leave();
    // The keys of the window while the chooser is shown: F8 add, F9 modify, F5 choose,
    // F2 to the search field, Esc leave; every other key is swallowed too.
    void KeyDown(int key, const std::function<void()>& add, const std::function<void()>& modify);

    std::function<void(const QString& sn, const QString& name)> chosen;

    QLineEdit* tkey = nullptr;
    DataGrid* grid = nullptr;
    QComboBox* comSx = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

private:
    const ChooserSide& side_;
};

// "查找供货商(F2)：" beside a document's supplier field.
class SupplierPanel : public PartnerChooser {
    Q_OBJECT
public:
    explicit SupplierPanel(QWidget* parent);

    void ghsFilter(const QString& text) { Filter(text); }
    void btnGhsOKClick() { Choose(); }
    void btnGhsExitClick() { Leave(); }

    DataGrid* cxGridGhsView = nullptr;
    QPushButton* btnGhsAdd = nullptr;
    QPushButton* btnGhsModi = nullptr;
    QPushButton* btnGhsOK = nullptr;
    QPushButton* btnGhsExit = nullptr;
};

// The supplier picker of the list tabs, with "查询全部供货商".
class SupplierPicker : public QFrame {
    Q_OBJECT
public:
    explicit SupplierPicker(QWidget* parent);

    void ShowFiltered(const QString& text);
    void btnGhs2OKClick();
    void btnGhs2ExitClick();

    // The chosen supplier's name; "查询全部供货商" hands "全部供货商".
    std::function<void(const QString& name)> chosen;

    DataGrid* cxGrid4View = nullptr;
    QCheckBox* chkGhsAll = nullptr;
    QPushButton* btnGhs2OK = nullptr;
    QPushButton* btnGhs2Exit = nullptr;
};

// Pieces the document windows build their tabs with: a push button with its object
// name (added to the row when one is given) and grid columns as field, caption, width.
QPushButton* NamedButton(QWidget* parent, const char* name, const char* caption, QBoxLayout* row = nullptr);
QLabel* NamedLabel(QWidget* parent, const char* caption, const char* name = nullptr);
void AddGridColumns(DataGrid& grid, std::initializer_list<std::array<const char*, 3>> columns);

// The supplier texts of the list tabs' search fields that stand for no supplier.
QString SupplierSearchText(const QString& typed);
