#pragma once
#include "platform/ui/form.h"

class DataGrid;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class Query;

// "商品套料选择": picks a goods that owns a material set and the number of sets.
// Kept in F_Spxs_Clsele; on "确定" it sets AuxTag to "ok" and leaves gsn, gname and
// tsl for the caller, whose kind (OpenMode "spxs", "bmly", "cgjh") rules which price
// column shows.
class TF_Spxs_Clsele : public Form {
    Q_OBJECT
public:
    explicit TF_Spxs_Clsele(QWidget* parent = nullptr);
    ~TF_Spxs_Clsele() override;

    void FormActivate() override;
    void FormClose();
    // The clicked goods becomes the choice and its materials are listed.
    void setPlxx();
    void tkeyChange();
    void btnOKClick();
    void btnCancelClick();

    Query& Q_Goods3;
    Query& Q_Plxx;
    DataGrid* cxGridGoods = nullptr;
    DataGrid* cxGridPl = nullptr;
    QLineEdit* tkey = nullptr;
    QLabel* gsn = nullptr;
    QLabel* gname = nullptr;
    QDoubleSpinBox* tsl = nullptr;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void LoadMaterials();
};

extern TF_Spxs_Clsele* F_Spxs_Clsele;
