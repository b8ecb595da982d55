#pragma once
#include "documents/docwindow.h"
#include "platform/ui/form.h"

#include <QString>

class DataGrid;
class KeyedCombo;
class QAction;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class Query;

// "采购退货": entry of a purchase return. Lines are written under the window's number
// and the operator's name as they are entered; saving adds the header with its
// amounts stored negative. A return may take over every line of a goods-in document
// ("整单退货"); the goods-in is then marked returned when the return is saved.
class TF_Cgth : public Form {
    Q_OBJECT
public:
    explicit TF_Cgth(QWidget* parent = nullptr);
    ~TF_Cgth() override;

    void FormCreate();
    void FormActivate() override;
    bool FormCloseQuery() override;
    void FormKeyDown(int key);
    void initTab();
    void openGridViewData(const QString& number);
    void setButtons();
    void updateBottomJe();
    void dateCgChange();
    void btnAddOldClick();
    void btnModiClick();
    void btnDelClick();
    void btnOKClick();
    // Approves a saved return; false when it stays pending.
    bool checkDj(const QString& number);
    void btnZdthClick();
    void btnSeleGhsClick();
    void tghsKeyUp();
    void btnGhsModiClick();
    void btnUserClick();
    void btnDjbzClick();
    void tsfjeEnter();

    bool EntryHasRows() const;
    // Takes every line of the goods-in over under the current number; the goods-in
    // stays with the draft and is marked returned when the return is saved.
    bool TakeOverWholeReturn(const QString& goodsInNo);

    // "1": the next activation or preparation of a document only resets the flag.
    static QString SkipNextInit;
    QString LastDocDate;
    // The goods-in document the draft took over as a whole, empty when none.
    QString wholeReturnOf;

    DocWindow doc;
    Query& Q_Thsp;

    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QLabel* jsn = nullptr;
    QLineEdit* tghs = nullptr;
    QPushButton* btnSeleGhs = nullptr;
    KeyedCombo* comCk = nullptr;
    QDateEdit* dateCg = nullptr;
    QGroupBox* RzGroupBox_Btns = nullptr;
    QPushButton* btnAddOld = nullptr;
    QPushButton* btnZdth = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnPrin = nullptr;
    DataGrid* cxGridView = nullptr;
    QLineEdit* tyfje = nullptr;
    QLineEdit* tsfje = nullptr;
    KeyedCombo* comUser = nullptr;
    QPushButton* btnUser = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnDjbz = nullptr;
    QLabel* lfpno = nullptr;
    QLineEdit* tfpno = nullptr;
    QLineEdit* tfpje = nullptr;
    QFrame* RzPanel_Yhzh = nullptr;
    KeyedCombo* comYhzh = nullptr;
    QPushButton* btnYhzhClose = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    SupplierPanel* RzPanelGhs = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildEntryTab();
    void ApplyRightsAndVisibility();
    void SetDocDate(const QDate& date);
    QString DocDate() const;
    bool lineRights_ = false;
};

extern TF_Cgth* F_Cgth;
