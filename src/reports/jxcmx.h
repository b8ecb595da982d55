#pragma once
#include "platform/ui/form.h"
#include "reports/jxcwidgets.h"

class CategoryPanel;
class DataGrid;
class KeyedCombo;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QToolButton;
class Query;

// "进销存明细": the stock-ledger rows of a period one by one, with the document
// behind each row to print or to cancel, and the opening entries.
class TF_Jxcmx : public Form, public LedgerFilterBar {
    Q_OBJECT
public:
    explicit TF_Jxcmx(QWidget* parent = nullptr);

    static Query& Rows();

    void FormActivate() override;
    void btnSearch1Click();
    void btnChakan2Click();
    void btn_UnChkClick();
    void btn_PrinClick();
    void btn_ExportClick();
    // chkQcjz, chkZero: chkZero shows with the opening entries only.
    void chkQcjzClick();
    bool FormKeyDown(int key);

    QCheckBox* chkQcjz;
    QCheckBox* chkZero;
    QPushButton* btnChakan2;
    QPushButton* btn_UnChk;
    QPushButton* btn_Prin;
    QPushButton* btn_Export;
    QPushButton* btn_Exit;
    DataGrid* cxGrid1View;

protected:
    void done(int result) override;

private:
    bool preparing_ = false;
    QString lastStatement_;
};

extern TF_Jxcmx* F_Jxcmx;
