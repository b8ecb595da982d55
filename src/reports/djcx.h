#pragma once
#include "platform/ui/form.h"

class DataGrid;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

// "单据查询": the approved stock documents of a period with the lines of the one
// selected, and its print preview. Created on first use and kept.
class TF_Djcx : public Form {
    Q_OBJECT
public:
    explicit TF_Djcx(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnSearch3Click();
    void setInitValue();
    void setDjDetail();
    void btnChakan2Click();
    void FormResize();

    QLineEdit* tname;
    QDateEdit* tdate1;
    QDateEdit* tdate2;
    QToolButton* btnMenu;
    QPushButton* btnSearch3;
    QPushButton* btnChakan2;
    QPushButton* btn_Exit3;
    DataGrid* cxGrid1View;
    QWidget* RzPanel_Bott;
    QLabel* xxnr;
    DataGrid* cxGrid2View;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void done(int result) override;
};

extern TF_Djcx* F_Djcx;
