#pragma once
#include "platform/ui/form.h"

class DataGrid;
class QComboBox;
class QPushButton;

// The report list (jxc_bbgl) by group; a template of it opens in the report designer.
class TF_Bbsj : public Form {
    Q_OBJECT
public:
    explicit TF_Bbsj(QWidget* parent = nullptr);

    void FormActivate() override;
    void FormClose();
    // Lists the reports of the group chosen in comLx.
    void setBbList();
    void btnDesignClick();
    void btnReadClick();
    void btnExitClick();

    // The statement of setBbList for a position of comLx (0 "所有类型" .. 6 "系统设置").
    static QString ListStatement(int position);

    QComboBox* comLx;
    QPushButton* btnDesign;
    QPushButton* btnRead;
    QPushButton* btnExit;
    DataGrid* cxGridView;

protected:
    void done(int result) override;
};
