#pragma once
#include "platform/ui/form.h"

#include <QString>

class DataGrid;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class Query;

// "导入销售订单": approved, not void sales orders taken over into the sales delivery
// being entered in F_Spxs, either whole (replacing its lines and filling its header)
// or as chosen lines added to it.
class TF_Spxs_ImportDD : public Form {
    Q_OBJECT
public:
    explicit TF_Spxs_ImportDD(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnSearch1Click();
    // The lines of the order current in the order list.
    void LoadOrderLines();
    void rDjbClick();
    void rMxbClick();
    void btn_OK3Click();
    // "添加选中商品(&Z)": the chosen rows of the order-lines view, in the order chosen.
    void AddSelectedLines();
    void btn_ExportClick();

    Query& Q_Cgd;
    Query& Q_Cgsp2;
    Query& Q_Zjjh;

    QLineEdit* tchkKey = nullptr;
    QDateEdit* tdate11 = nullptr;
    QDateEdit* tdate12 = nullptr;
    QPushButton* btnSearch1 = nullptr;
    QCheckBox* chkDr = nullptr;
    QRadioButton* rDjb = nullptr;
    QRadioButton* rMxb = nullptr;
    QWidget* RzPanel_Djb = nullptr;
    QWidget* RzPanel_Mxb = nullptr;
    DataGrid* cxGrid1View = nullptr;
    QLabel* ghsname = nullptr;
    DataGrid* cxGrid11View = nullptr;
    DataGrid* cxGrid21View = nullptr;
    QPushButton* btn_OK3 = nullptr;
    QPushButton* btn_Export = nullptr;
    QPushButton* btn_Exit = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // The delivery header from the order (customer, warehouse, handler, settlement
    // mode, account, remark).
    void TakeHeader(const QString& orderNo);
};
