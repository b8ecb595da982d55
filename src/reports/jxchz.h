#pragma once
#include "platform/ui/form.h"
#include "reports/jxcwidgets.h"

class CategoryPanel;
class DataGrid;
class KeyedCombo;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class Query;

// "进销存汇总": opening balance, movements in and out and closing balance per goods
// over a period, in amounts or at cost, with the difference that the check repairs.
class TF_Jxchz : public Form, public LedgerFilterBar {
    Q_OBJECT
public:
    explicit TF_Jxchz(QWidget* parent = nullptr);

    static Query& Rows();

    void FormActivate() override;
    void btnSearch1Click();
    void btn_JgtbClick();
    void btn_PrinClick();
    void btn_ExportClick();
    bool FormKeyDown(int key);
    // The band "差额" and "差额核对" follow the mode and the setting.
    void ShowDifference();

    QCheckBox* chkBq;
    QCheckBox* chkCbj;
    QPushButton* btn_Prin;
    QPushButton* btn_Export;
    QPushButton* btn_Jgtb;
    QPushButton* btn_Exit;
    DataGrid* cxGrid2View;
    int bandDifference = -1;

protected:
    void done(int result) override;

private:
    bool preparing_ = false;
};

extern TF_Jxchz* F_Jxchz;

// "进销存差额核对": repairs the ledger of the summary's goods from a date on.
class TF_Jxctj_Cehd : public Form {
    Q_OBJECT
public:
    explicit TF_Jxctj_Cehd(TF_Jxchz* summary);

    void FormActivate() override;
    void btnSaveClick();
    void btnExitClick();
    void updateglist(const QString& gsn, const QString& cksn, const QString& jsrq, const QString& chkflag);

    QLabel* tmsg;
    QDateEdit* tdate1;
    QComboBox* comFw;
    KeyedCombo* comCk;
    QCheckBox* chkJg;
    QCheckBox* chkZero;
    QPushButton* btnSave;
    QPushButton* btnExit;

private:
    TF_Jxchz* summary_;
};
