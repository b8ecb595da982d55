#pragma once
#include "platform/ui/form.h"

class DataGrid;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QWidget;
class Query;

// "发送短信": prepares and sends a message to chosen members; lists, deletes, exports
// and resends the logged messages.
class TF_Sms : public Form {
    Q_OBJECT
public:
    explicit TF_Sms(QWidget* parent = nullptr);
    void FormActivate() override;
    bool FormCloseQuery() override;
    void openGridViewData(const QString& number);
    // Tab 1.
    void btnAddHyClick();
    void btnPickOkClick();
    void btnPickExitClick();
    void tkeyChange();
    void btnDeleClick();
    void dateCgChange();
    void btnSendClick();
    // Tab 2.
    void btnSearchClick();
    void btnDele2Click();
    void btnDeleAllClick();
    void btnExportClick();
    void btnSmsCsClick();
    void btnResendClick();

    QTabWidget* cxTab = nullptr;
    QDateEdit* dateCg = nullptr;
    QLabel* jsn = nullptr;
    DataGrid* cxGrid1View = nullptr;
    QPlainTextEdit* tnote = nullptr;
    QWidget* RzPanelGhs = nullptr;
    QLineEdit* tkey = nullptr;
    DataGrid* cxGridHy = nullptr;
    QDateEdit* tdate11 = nullptr;
    QDateEdit* tdate12 = nullptr;
    QLineEdit* tkey1 = nullptr;
    DataGrid* cxGrid2View = nullptr;

    Query& Q_Sms;
    Query& Q_GoodsThxs;
    Query& Q_SmsList;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    bool sentOnClose_ = false;
};
