#pragma once
#include "platform/ui/form.h"

class DataGrid;
class KeyedCombo;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class Query;

// "导入采购订单": approved purchase orders, as documents or as lines, taken over into
// the goods-in being entered (F_Cgjh): a whole order replaces its lines, chosen lines
// are added. Void orders are never offered.
class TF_Cgjh_ImportDD : public Form {
    Q_OBJECT
public:
    explicit TF_Cgjh_ImportDD(QWidget* parent = nullptr);
    ~TF_Cgjh_ImportDD() override;

    void FormActivate() override;
    void btnSearchClick();
    // Loads the lines of the focused order.
    void setCgsp();
    void btnOKClick();
    // "添加选中商品(&Z)": the selected lines of the line view.
    void btnAddSelectedClick();
    void btnExportClick();

    Query& Q_Cgd3;
    Query& Q_Cgsp3;
    Query& Q_Zjjh;

    KeyedCombo* comCk = nullptr;
    QLineEdit* tKey = nullptr;
    QDateEdit* tdate1 = nullptr;
    QDateEdit* tdate2 = nullptr;
    QToolButton* btnMenu = nullptr;
    QCheckBox* chkWc = nullptr;
    QPushButton* btnSearch = nullptr;
    QRadioButton* rDjb = nullptr;
    QRadioButton* rMxb = nullptr;
    QStackedWidget* views = nullptr;
    DataGrid* cxGrid1View = nullptr;
    QLabel* lDjMsg = nullptr;
    DataGrid* cxGrid2View = nullptr;
    DataGrid* cxGrid3View = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExport = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;
};
