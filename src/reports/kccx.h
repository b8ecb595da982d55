#pragma once
#include "platform/ui/form.h"
#include "reports/kccxrules.h"

class CategoryPanel;
class DataGrid;
class KeyedCombo;
class PartnerPanel;
class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QTabWidget;
class Query;

// "当前库存查询": the stock per goods now (page 1), at the end of a past day in
// one warehouse (page 2) and per warehouse, colour and size (page 3).
class TF_Kccx : public Form {
    Q_OBJECT
public:
    explicit TF_Kccx(QWidget* parent = nullptr);

    static Query& Stock();
    static Query& History();
    static Query& Detail();

    void FormActivate() override;
    void btnCx1Click();
    void btn_AllClick();
    void btn_CzClick();
    void btn_PrinClick();
    void btn_ExportClick();
    void btn_CkmxClick();
    void btnKchdClick();
    void btnSearch1Click();
    void btnExport1Click();
    void btnCx4Click();
    void cxButton1Click();
    void btn_Export4Click();
    void chkTmClick();
    void cxPageChange();
    bool FormKeyDown(int key);

    QTabWidget* cxPage;
    QWidget* cxTab1;
    QWidget* cxTab2;
    QWidget* cxTab3;

    KeyedCombo* comCk;
    QLineEdit* tsplb;
    QLineEdit* tkey;
    QPushButton* btnCx1;
    QCheckBox* chk0;
    QCheckBox* chkJy;
    QPushButton* btn_All;
    QPushButton* btn_Exit;
    QPushButton* btn_Prin;
    QPushButton* btn_Cz;
    QPushButton* btn_Export;
    QPushButton* btn_Ckmx;
    QPushButton* btnKchd;
    DataGrid* cxGrid1View;
    QMenu* popupStock;
    QAction* mnuDetail;
    QAction* mnuCopyName;
    QAction* mnuCopyCode;
    QAction* mnuExport;

    QDateEdit* tdate1;
    KeyedCombo* comCk2;
    QLineEdit* tsplb2;
    QLineEdit* tName;
    QPushButton* btnSearch1;
    QPushButton* btnExit1;
    QPushButton* btnExport1;
    DataGrid* cxGrid2View;

    QLineEdit* tkey4;
    QLineEdit* tsplb4;
    KeyedCombo* comCk4;
    KeyedCombo* comColor;
    KeyedCombo* comCm;
    QPushButton* btnCx4;
    QCheckBox* chk04;
    QCheckBox* chkTm;
    QPushButton* cxButton1;
    QPushButton* btn_Export4;
    QPushButton* btnExit4;
    DataGrid* cxGrid4View;

    CategoryPanel* categories1;
    CategoryPanel* categories2;
    CategoryPanel* categories4;

protected:
    void done(int result) override;

private:
    void CopyField(const QString& field);
    bool resetting_ = false;
    // The find dialog's answer, used by the one search that follows it.
    CurrentStockFilter found_;
    bool useFound_ = false;
};

extern TF_Kccx* F_Kccx;

// "查找": the supplier, warehouse and stock comparison for the first page.
class TF_Kccx_Cx : public Form {
    Q_OBJECT
public:
    explicit TF_Kccx_Cx(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnOKClick();
    void btnExitClick();

    KeyedCombo* comCk;
    QLineEdit* tGhs;
    QComboBox* comKc;
    QSpinBox* tkc;
    QPushButton* btnOK;
    QPushButton* btnExit;
    PartnerPanel* suppliers;
    bool answered = false;

protected:
    void done(int result) override;
};
