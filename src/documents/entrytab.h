#pragma once
#include "documents/docwindow.h"
#include "documents/entryparts.h"

#include <QLabel>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>

class KeyedCombo;
class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QDate;
class QDateEdit;
class QHBoxLayout;
class QTabWidget;
class QWidget;
class Query;

// What the entry tabs of the document windows do alike around their header fields:
// the three pages, the number label, the date edit and the warehouse and account
// combos. A window keeps its controls under its own names and hands them over.

// The window's pages ("cxPage" with "cxTab1" entry, "cxTab2" pending and "cxTab3"
// query), filling the window.
struct DocPages {
    QTabWidget* page = nullptr;
    QWidget* entry = nullptr;
    QWidget* pending = nullptr;
    QWidget* query = nullptr;
};
DocPages NewDocPages(QWidget* window, const char* entry, const char* pending, const char* query);

// The document number in red bold beside its caption.
QLabel* NewDocNumberLabel(QWidget* parent, const char* name);

// The document date of the entry tab, shown "yyyy-MM-dd" with a calendar.
QDateEdit* NewDocDateEdit(QWidget* parent, const char* name);

// The entry tab's button group ("RzGroupBox_Btns"): the buttons given, in order, then
// "打印" (btnPrin) with "打印单据(&W)" and "预览单据(&X)" in its menu, then a stretch.
struct EntryButton {
    QPushButton** button;
    const char* name;
    const char* caption;
};
QGroupBox* NewEntryButtonGroup(QWidget* tab, std::initializer_list<EntryButton> buttons, QPushButton*& btnPrin,
    QAction*& btnPrin_W, QAction*& btnPrin_X, const std::function<void()>& print, const std::function<void()>& preview);

// The supplier chooser over the entry tab: choosing puts the supplier's name into
// the field and its code into CurrentSupplierSn.
SupplierPanel* NewSupplierChooser(QWidget* tab, QLineEdit* field);

// A field with its side button ("…") to its right.
QHBoxLayout* FieldWithButton(QWidget* field, QPushButton* button);

// The document date of the entry tab: set without running the window's date change,
// and read as "yyyy-MM-dd".
void SetDocDateQuietly(QDateEdit* edit, const QDate& date);
QString DocDateText(const QDateEdit* edit);

// The host of an entry tab whose number is shown in `number`, its date in `date`
// and its warehouse in `warehouse`.
DocHost EntryDocHost(QLabel* number, QDateEdit* date, KeyedCombo* warehouse, std::function<void()> reloadDraft,
    std::function<void()> reloadPending, std::function<void()> reloadPendingLines);

// The same for a window with the usual entry controls and reload routines (jsn,
// dateCg, comCk; openGridViewData and updateBottomJe for the draft, setShspList and
// updateCheckShdjYfje for the pending document).
template <class Window> DocHost EntryDocHost(Window* w)
{
    return EntryDocHost(
        w->jsn, w->dateCg, w->comCk,
        [w] {
            w->openGridViewData(w->jsn->text());
            w->updateBottomJe();
        },
        [w] {
            w->setShspList();
            w->updateCheckShdjYfje();
        },
        [w] { w->setShspList(); });
}

// A change of the entry tab's date edit: a refused change puts lastDate back into
// the edit (false); otherwise the label shows the number the lines moved to (true,
// the window reloads them).
bool EntryDateChanged(const DocWindow& doc, QDateEdit* date, QLabel* number, QString& lastDate);

// The operator's default warehouse chosen (else the first one) and the first cash account.
void ChooseDefaultWarehouse(KeyedCombo& warehouse, KeyedCombo& account);
// The cash accounts (jxc_yhzh) with the first one chosen.
void FillCashAccounts(KeyedCombo& account);

// The lines of the entry grid (the goods-in, order and return windows).
// The operator's lines under the number, one row per colour-by-size row, with the
// goods' own columns first (the line's unit column is empty for entered lines and
// would hide the goods' unit) and the discounted price and amounts computed.
void OpenDraftLines(Query& lines, const DocKind& kind, const QString& number);
// "修改": the colour-by-size dialog on the current draft line, OpenMode as given.
// False, and nothing opened, when the list is empty.
bool ModifyDraftLine(Query& lines, const QString& openMode, const QString& dialog);
// "删除": asks, then deletes the current colour-by-size row of a draft line (the
// line with its last row). False when the list is empty or the answer is No.
bool DeleteDraftRow(const DocKind& kind, Query& lines);

// The entry tab's combos at activation: the staff with that flag as handlers, the
// operator's warehouses and the cash accounts, each with its first entry chosen.
void FillEntryCombos(KeyedCombo& handler, const QString& staffFlag, KeyedCombo& warehouse, KeyedCombo& account);
// The line rights on the entry tab: its button group, the grid menu's add and
// barcode items and the barcode panel, whose field takes the focus when allowed.
void ApplyEntryLineRights(bool allowed, QGroupBox* buttons, const EntryGridMenu& menu, BarcodePanel* panel);

// Opens a picker window for the caller named (PickerCaller), which goes again after.
void OpenPickerFor(const QString& caller, const QString& window);

// Shows the first refusal of a save (DocWindow::SaveRefusal) and answers true; false
// when the save may go on.
bool SaveRefused(bool hasLines, const QString& partnerText, const QString& noPartner, const QComboBox& handler,
    const QComboBox& warehouse);

// The question before a save: `pendingQuestion` when saving leaves the document
// waiting for approval (ApproveOnSave off), `directQuestion` when it approves at
// once. Empty on No; otherwise whether the saved document stays pending.
std::optional<bool> AskSaveMode(const QString& pendingQuestion, const QString& directQuestion);

// The keys of the goods-in and order windows while a supplier panel is shown: the
// chooser's own keys, or F5 and Esc of the list tabs' picker (other keys are
// swallowed). False when neither panel is shown.
bool SupplierPanelsKey(int key, SupplierPanel* chooser, SupplierPicker* picker, const std::function<void()>& add,
    const std::function<void()>& modify);
// The keys of a document window's pages: F2 searches the pending tab (or the query
// tab, where it has a search) or adds goods on the entry tab, F9 adds new goods, F5
// saves and Esc closes. The adding keys need the line rights.
struct EntryPageKeys {
    QTabWidget* pages;
    bool lineRights;
    std::function<void()> searchPending, searchQuery, addOld, addNew, save, leave;
};
void EntryPagesKey(int key, const EntryPageKeys& keys);

// Whether a top-level window of that object name is shown.
bool TopWindowShown(const QString& objectName);
