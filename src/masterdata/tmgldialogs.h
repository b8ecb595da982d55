#pragma once
#include "platform/ui/form.h"

class MatrixGrid;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "条码设置": the barcode of the goods focused in F_Tmgl, its rule and its colour and
// size segments typed by hand.
class TF_Tmgl_Set : public Form {
    Q_OBJECT
public:
    explicit TF_Tmgl_Set(QWidget* parent = nullptr);
    ~TF_Tmgl_Set() override;
    void FormActivate() override;
    void btnOKClick();
    void btnCancelClick();

    QLabel* lsn = nullptr;
    QLabel* lname = nullptr;
    QLineEdit* tsptm = nullptr;
    QComboBox* comTmtype = nullptr;
    MatrixGrid* StringGridColor = nullptr;
    MatrixGrid* StringGridCm = nullptr;

private:
    QString code_;
    QString barcodeAtOpening_;
};

// "输入打印条码数量": answers the number in SelectedSn.
class TF_Tmgl_Add : public Form {
    Q_OBJECT
public:
    explicit TF_Tmgl_Add(QWidget* parent = nullptr);
    ~TF_Tmgl_Add() override;
    void btnOKClick();
    void btnCancelClick();

    QLabel* lgoods = nullptr;
    QLineEdit* tsl = nullptr;
};

// "条码测试": finds the goods, colour and size of a scanned barcode.
class TF_Tmgl_Cs : public Form {
    Q_OBJECT
public:
    explicit TF_Tmgl_Cs(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOKClick();

    QLineEdit* tkey = nullptr;
    QLabel *lsn = nullptr, *lname = nullptr, *lgg = nullptr, *ldw = nullptr, *lcolor = nullptr, *lcolortm = nullptr,
           *lcm = nullptr, *lcmtm = nullptr;
};

extern TF_Tmgl_Set* F_Tmgl_Set;
extern TF_Tmgl_Add* F_Tmgl_Add;
