#pragma once
#include "platform/ui/form.h"

class DataGrid;
class KeyedCombo;
class QAction;
class QDateEdit;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class Query;

// "现金银行": the pending money-in, money-out and transfer entries (page 1) and the
// approved journal as detail and per-account summary (page 2).
class TF_Xjyh : public Form {
    Q_OBJECT
public:
    explicit TF_Xjyh(QWidget* parent = nullptr);

    static Query& Pending();
    static Query& Detail();
    static Query& Summary();

    void FormActivate() override;
    void btnSearch1Click();
    void btnSearch2Click();
    void cxPageChange();
    // Approves the entry's pending rows; the number is found in the journal.
    void checkDj(const QString& number);
    void btn_CheckClick();
    void btn_UnChkClick();
    void btn_DeleClick();
    void btn_ModiClick();
    void btn_RukuanClick();
    void btn_ChukClick();
    void btn_YhzzClick();
    void btn_QcjzClick();
    void btn_CxjsClick();
    void btn_ChaKanClick(); // the voucher of the current pending row (setPrinPara)
    void btn_PrinClick();
    void btn_Prin2Click();
    void btn_Export0Click();
    void btn_ExportClick();
    bool FormKeyDown(int key);

    QTabWidget* cxPage;
    QWidget* cxTab1;
    QWidget* cxTab2;
    QPushButton* btn_ChaKan;
    QPushButton* btn_Chuk;
    QPushButton* btn_Rukuan;
    QPushButton* btn_Yhzz;
    QPushButton* btn_Modi;
    QPushButton* btn_Dele;
    QPushButton* btn_Check;
    QPushButton* btn_Qcjz;
    QPushButton* btn_Export0;
    QPushButton* btn_Prin;
    QPushButton* btn_Exit;
    QDateEdit* tdate11;
    QDateEdit* tdate12;
    QToolButton* btnMenu1;
    KeyedCombo* comYhzh;
    QLineEdit* tKey1;
    QPushButton* btnSearch1;
    DataGrid* cxGrid2View;
    QMenu* popupPending;
    QAction* btnRChk;

    QPushButton* btn_Cxjs;
    QPushButton* btn_UnChk;
    QPushButton* btn_Export;
    QPushButton* btn_Prin2;
    QPushButton* btn_Exit2;
    QRadioButton* rMxb;
    QRadioButton* rHzb;
    QDateEdit* tdate21;
    QDateEdit* tdate22;
    QToolButton* btnMenu2;
    KeyedCombo* comYhzh2;
    QLineEdit* tKey2;
    QPushButton* btnSearch2;
    QStackedWidget* views;
    DataGrid* cxGrid3View; // detail
    DataGrid* cxGrid1View; // summary
    QMenu* popupDetail;
    QAction* btnRUnChk;

protected:
    void done(int result) override;

private:
    void NewEntry(QDialog& dialog);
    void SetAmountFormats();
    bool activating_ = false;
};

extern TF_Xjyh* F_Xjyh;
