#pragma once
#include "platform/ui/form.h"

class DbTree;
class QComboBox;
class QLabel;
class QPushButton;
class Query;

// "商品类别移动": places the list's current category, with its branch, under or
// beside the category chosen in the dialog's own tree.
class TF_Spxxgl_Move : public Form {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Move(QWidget* parent = nullptr);

    void FormActivate() override;
    // A node of the dialog's tree becomes the target.
    void selectNode();
    void btnOKClick();
    void btnCancelClick();

    Query& Q_GoodsClass;
    QLabel* lgcname = nullptr;
    QComboBox* comLb = nullptr;
    QLabel* leibie = nullptr;
    DbTree* tree = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    qint64 movedId = 0;
    qint64 targetId = 0;

protected:
    void hideEvent(QHideEvent* e) override;
};
