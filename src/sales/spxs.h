#pragma once
#include "documents/docwindow.h"
#include "documents/entryparts.h"
#include "platform/ui/form.h"

#include <QString>

class DataGrid;
class KeyedCombo;
class QAction;
class QCheckBox;
class QDateTimeEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QWidget;
class Query;
class Report;

// "商品销售": entry of a sales delivery (tab 1); the pending deliveries (tab 2) and
// the delivery query (tab 3) have their places here. Lines are written under the
// window's number and the operator's name as they are entered; saving adds the
// header. Draft lines, redraws, totals, approval and closing are the shared
// document-window helper's (documents/docwindow.h), configured for "XS".
class TF_Spxs : public Form {
    Q_OBJECT
public:
    explicit TF_Spxs(QWidget* parent = nullptr);
    ~TF_Spxs() override;

    // ---- entry tab ----
    void FormActivate() override;
    bool FormCloseQuery() override;
    void FormKeyDown(int key);
    void FormResize();
    void initTab();
    void openGridViewData(const QString& number);
    void updateBottomJe();
    void setButtons();
    void tSptmKeyDown();
    void btnAddOldClick();
    void btnZpAddClick();
    void btnAddNewClick();
    void btnCgdImportClick();
    void btnModiClick();
    void btnDelClick();
    void tdzlKeyUp();
    void dateCgChange();
    void tkhKeyUp();
    void btnSeleGhsClick();
    void btnKhAddClick();
    void btnKhModiClick();
    void tssjeEnter();
    void btnUserClick();
    void btnDjbzClick();

    // ---- saving and approval ----
    void btnOKClick();
    // Approves a saved document; the operator's draft under the number keeps it when
    // duplicates are repaired (the pending tab passes the selected header's operator).
    void checkDj(const QString& number, const QString& headerOperator = QString());
    // The pending tab's approval of its selected document and of its whole list; the
    // tab hands the numbers (with dates and operators) it lists.
    void btnRCheckClick(const DocWindow::PendingDoc& selected);
    void btn_CheckClick(const QList<DocWindow::PendingDoc>& listed);

    // ---- printing ----
    // Prepares the document report: flag "1" from the window's fields (a document
    // under entry), "2" from the stored document.
    void setPrinPara(const QString& number, const QString& flag);
    void btnPrin_WClick();
    void btnPrin_XClick();
    // A stored document in the preview (the pending and query tabs' "查看单据").
    void ViewStoredDocument(const QString& number);
    // "连续打印": every listed document printed without dialogs; false when declined.
    bool PrintContinuously(const QStringList& numbers);
    // The list prints of the pending and query tabs: the list's template over its
    // query, narrowed by the grid's filter, with the period and title variables.
    void PrintList(const QString& templateFile, const QString& dataset, Query* list, const QString& filter,
        const QString& date1 = QString(), const QString& date2 = QString(), const QString& title = QString());

    bool EntryHasRows() const;
    QString DocNumber() const;
    QString DocDate() const;

    // Window state besides the controls.
    QString LastDocDate;
    QString SkipNextActivation = QStringLiteral("0");
    QString ContinuousPrinting = QStringLiteral("0");
    // The contract code of the document under entry; nothing in the program hands one
    // over yet, and it never travels through the shared result variables.
    QString contractSn;

    DocWindow doc;
    Query& Q_Lsxssp;
    Report* frxReport1 = nullptr;

    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    QWidget* cxTab3 = nullptr;

    QLabel* gldjh = nullptr;
    QLineEdit* tkh = nullptr;
    QPushButton* btnSeleGhs = nullptr;
    KeyedCombo* comCk = nullptr;
    QDateTimeEdit* dateCg = nullptr;
    QLineEdit* tyfje = nullptr;
    QLineEdit* tssje = nullptr;
    KeyedCombo* comJsfs = nullptr;
    KeyedCombo* comUser = nullptr;
    QPushButton* btnUser = nullptr;
    QLabel* LSN2 = nullptr;
    QLineEdit* tsn2 = nullptr;
    QLabel* lyf = nullptr;
    QLineEdit* tyf = nullptr;
    QLabel* lbzf = nullptr;
    QLineEdit* tbzf = nullptr;
    QLabel* lfpno = nullptr;
    QLineEdit* tfpno = nullptr;
    QLabel* lfpje = nullptr;
    QLineEdit* tfpje = nullptr;
    QLineEdit* tdzl = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnDjbz = nullptr;
    QCheckBox* chkYf = nullptr;
    QFrame* RzPanel_Yhzh = nullptr;
    KeyedCombo* comYhzh = nullptr;
    QPushButton* btnYhzhClose = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QGroupBox* RzGroupBox_Btns = nullptr;
    QPushButton* btnAddOld = nullptr;
    QPushButton* btnZpAdd = nullptr;
    QPushButton* btnAddNew = nullptr;
    QPushButton* btnCgdImport = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnPrin = nullptr;
    QMenu* btnPrinMenu = nullptr;
    QAction* btnPrin_W = nullptr;
    QAction* btnPrin_X = nullptr;
    DataGrid* cxGridView = nullptr;
    EntryGridMenu barPopupMenu;
    BarcodePanel* RzPanel_Tm = nullptr;
    QLineEdit* tSptm = nullptr;
    QAction* btnPanelAdd = nullptr;
    QAction* btnPanelModi = nullptr;
    PartnerChooser* RzPanelKh = nullptr;
    QPushButton* btnKhAdd = nullptr;
    QPushButton* btnKhModi = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildEntryTab();
    void ApplyRightsAndVisibility();
    void SetDocDate(const QDateTime& when);
    // Opens a picker or browser by name while it is registered (the gift and order
    // windows come with their own subsystems' work).
    void OpenRegistered(const QString& windowClass);
    // Whether ("xsgl", 1) lets the operator change lines: the button row, the barcode
    // panel and F2 follow it.
    bool lineRights_ = false;
};

extern TF_Spxs* F_Spxs;
