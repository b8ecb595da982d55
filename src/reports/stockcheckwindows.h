#pragma once
#include "platform/ui/form.h"

class DataGrid;
class KeyedCombo;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;

// "库存核对": the goods, warehouses, colours and sizes whose stock differs from the
// ledger balance, with the repairs. Created at each opening.
class TF_kccx_Hd : public Form {
    Q_OBJECT
public:
    explicit TF_kccx_Hd(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnSearch1Click();
    void btnExportClick();
    void btnKchdClick();
    void btn_CxjsClick();
    void btnDphdClick();

    QLineEdit* tKey;
    KeyedCombo* comCk;
    QPushButton* btnSearch1;
    QPushButton* btnExit;
    QPushButton* btnExport;
    QPushButton* btnKchd;
    QPushButton* btn_Cxjs;
    QPushButton* btnDphd;
    DataGrid* cxGrid1View;
};

// "库存同步": copies one stock figure onto another for every listed goods and
// warehouse. Opened from the check list, whose rows it works on.
class TF_Kccx_Tb : public Form {
    Q_OBJECT
public:
    explicit TF_Kccx_Tb(TF_kccx_Hd* checkList = nullptr, QWidget* parent = nullptr);

    void FormActivate() override;
    void btnSaveClick();

    QComboBox* comKctb;
    QPushButton* btnSave;
    QPushButton* btnExit;

private:
    TF_kccx_Hd* checkList_;
};

// "库存核对-单品核对": sets the stock of one colour and size, from the check list
// (SourceDocNo "kccx_hd") or from the stock query's colour and size page ("kccx").
class TF_Kccx_Dphd : public Form {
    Q_OBJECT
public:
    explicit TF_Kccx_Dphd(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnOKClick();

    QLineEdit* tGoods;
    QLineEdit* tName;
    QLineEdit* tStyle;
    QLineEdit* tUnit;
    QLineEdit* tMaker;
    QLineEdit* tColor;
    QLineEdit* tSize;
    QLineEdit* tStock;
    QDoubleSpinBox* tsl;
    QPushButton* btnOK;
    QPushButton* btnExit;

private:
    QString source_;
    QString warehouse_;
    qint64 rowId_ = 0;
};
