#pragma once
#include "platform/ui/form.h"

class DataGrid;
class KeyedCombo;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class Query;

// "兑换赠品": a member (or a customer without card) exchanges points for gift goods
// of one warehouse.
class TF_Dhzp : public Form {
    Q_OBJECT
public:
    explicit TF_Dhzp(QWidget* parent = nullptr);

    void FormActivate() override;
    bool FormCloseQuery() override;

    // Enter in thybh.
    void thybhEnter();
    void chkGkClick();
    // The gift list button.
    void btnZpClick();
    // Typing in tzpmc filters the gift list.
    void tzpmcChange();
    // Chooses the gift list's current row and adds it.
    void btnKhOKClick();
    void btnKhExitClick();
    void AddGift();
    void btnDelClick();
    void btnSlClick();
    void btnOk2Click();
    void btnExit2Click();
    void btnOkClick();
    void btnExitClick();

    QString Number() const;
    bool PeriodBlocked() const { return periodBlocked_; }

    Query& Q_Dhzp;
    Query& Q_GoodsCX;
    QLineEdit* gldjh = nullptr;
    QLineEdit* thybh = nullptr;
    QLabel* hy_bh = nullptr;
    QLabel* hy_name = nullptr;
    QLabel* hl_name = nullptr;
    QLabel* hy_jf = nullptr;
    QCheckBox* chkGk = nullptr;
    QLineEdit* tzpmc = nullptr;
    KeyedCombo* comCk = nullptr;
    DataGrid* cxGrid = nullptr;
    QWidget* pnlZp = nullptr;
    DataGrid* cxGridZp = nullptr;
    QWidget* pnlSl = nullptr;
    QLabel* g_name = nullptr;
    QLabel* dh_sl = nullptr;
    QLineEdit* txsl = nullptr;

private:
    void ClearMember();
    void OpenLines();
    void LookUpMember(const QString& key);

    QString chosenGift_;
    QString memberSn_;
    bool periodBlocked_ = false;
};
