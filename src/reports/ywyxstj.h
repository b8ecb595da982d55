#pragma once
#include "platform/ui/form.h"
#include "reports/commission.h"
#include "reports/salesmanstats.h"

class DataGrid;
class KeyedCombo;
class PartnerPanel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class Query;

// 查询: narrows the salesman sales tab by customer, warehouse and document kind.
class TF_Ywyxstj_Cx : public Form {
    Q_OBJECT
public:
    explicit TF_Ywyxstj_Cx(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnOKClick();
    // The chosen warehouse's name, empty for 所有仓库; the kind, empty for 所有单据.
    QString WarehouseText() const;
    QString KindText() const;

    QLineEdit* tKhName;
    QToolButton* btnKhSele;
    PartnerPanel* partnerPanel;
    KeyedCombo* comCk;
    QComboBox* comDj;
    QPushButton* btnOK;
    QPushButton* btnExit;

protected:
    void done(int result) override;
};

// 业务员销售统计: sales by salesman (documents, goods summary, goods lines) and the
// salesmen's commission (summary and detail).
class TF_Ywyxstj : public Form {
    Q_OBJECT
public:
    explicit TF_Ywyxstj(QWidget* parent = nullptr);
    ~TF_Ywyxstj() override;

    static Query& Q(const char* name);
    SalesmanChoice SalesChoice() const;
    CommissionChoice CommissionChoiceNow() const;

    void FormActivate() override;
    void FormResize();
    bool FormKeyDown(int key);
    // The sales tab.
    void btnSearch1Click();
    void btn_Search1Click();
    void btn_ChaKanClick();
    void btn_PrinClick();
    void btn_ExportClick();
    void cxPage2Change();
    void DocumentRowChanged();
    void GoodsRowChanged();
    // The commission tab.
    void cxTab2Show();
    void btnSearch2Click();
    void btn_Prin2Click();
    void btn_Export2Click();
    void btn_Chakan2Click();

    QTabWidget* cxPage;
    QWidget* cxTab1;
    QWidget* cxTab2;
    QPushButton* btnSearch1;
    QPushButton* btn_Search1;
    QPushButton* btn_ChaKan;
    QPushButton* btn_Prin;
    QPushButton* btn_Export;
    QPushButton* btn_Exit;
    QDateEdit* tdate1;
    QDateEdit* tdate2;
    QToolButton* btnMenu1;
    KeyedCombo* comUser;
    QLabel* lKey;
    QLineEdit* tkey;
    QTabWidget* cxPage2;
    QWidget* cxTab21;
    QWidget* cxTab22;
    QWidget* cxTab23;
    DataGrid* cxGrid1View; // documents
    QLabel* lDj;           // the selected document
    QFrame* pnlLines;
    DataGrid* cxGrid2View; // the document's lines
    DataGrid* cxGrid3View; // goods summary
    QLabel* spxsmx;
    QFrame* pnlGoods;
    DataGrid* cxGrid4View; // the goods' sales
    QMenu* popupGoods;
    DataGrid* cxGrid5View; // goods lines

    QPushButton* btnSearch2;
    QPushButton* btn_Chakan2;
    QPushButton* btn_Prin2;
    QPushButton* btn_Export2;
    QPushButton* btn_Exit2;
    QDateEdit* tdate3;
    QDateEdit* tdate4;
    QToolButton* btnMenu2;
    KeyedCombo* comUser1;
    QComboBox* comTcfs;
    QRadioButton* rBg;
    QRadioButton* rLr;
    QCheckBox* chkZp;
    QStackedWidget* commissionViews;
    DataGrid* cxGrid6View; // commission summary
    DataGrid* cxGrid7View; // commission detail
    QMenu* popupCommission;

    // The filters last confirmed in TF_Ywyxstj_Cx.
    QString warehouseFilter;
    QString kindFilter;
    TF_Ywyxstj_Cx* filterDialog = nullptr;

protected:
    void done(int result) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void SetColumnRights();
    DataGrid* ActiveSalesGrid() const;
    bool opening_ = false;
};

extern TF_Ywyxstj* F_Ywyxstj;
