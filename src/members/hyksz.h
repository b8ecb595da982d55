#pragma once
#include "members/pointsops.h"
#include "platform/ui/form.h"

class DataGrid;
class KeyedCombo;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTabWidget;
class Query;

// "会员卡设置": discount methods, member levels, points rules and special-points goods.
class TF_Hyksz : public Form {
    Q_OBJECT
public:
    explicit TF_Hyksz(QWidget* parent = nullptr);
    void FormActivate() override;
    // Methods.
    void btnAdd1Click();
    void btnModi1Click();
    void btnDele1Click();
    // Levels.
    void btnAdd2Click();
    void btnModi2Click();
    void btnDele2Click();
    // Points.
    void btnSave1Click();
    PointsSettings Entered() const;
    void comSRChange();
    // Special-points page.
    void TabChanged(int index);
    void OpenGoodsLists();
    void tnameChange();
    void tKeyChange();
    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();

    QTabWidget* cxTab = nullptr;
    DataGrid* cxGridYh = nullptr;
    DataGrid* cxGridFl = nullptr;
    QComboBox* comJfgz = nullptr;
    QLineEdit* tmfje = nullptr;
    QLineEdit* tdbjf = nullptr;
    QDateEdit* tdate1 = nullptr;
    QDateEdit* tdate2 = nullptr;
    QCheckBox* chkYelj = nullptr;
    QComboBox* comSR = nullptr;
    QLineEdit* tqhts = nullptr;
    QLineEdit* tjfbs = nullptr;
    QComboBox* comHyr = nullptr;
    QComboBox* comMy1 = nullptr;
    QComboBox* comMy2 = nullptr;
    QDateEdit* thyr1 = nullptr;
    QDateEdit* thyr2 = nullptr;
    QLineEdit* tzk = nullptr;
    QComboBox* comZpdh = nullptr;
    KeyedCombo* tname = nullptr; // the goods category ("" all)
    QLineEdit* tKey = nullptr;
    DataGrid* cxGridGoods = nullptr;
    DataGrid* cxGridTssp = nullptr;

    Query& Q_Hyyh;
    Query& Q_Hyfl;
    Query& Q_Goods1;
    Query& Q_Tssp;

protected:
    void hideEvent(QHideEvent* e) override;
};

// "特殊商品积分": points per unit for the current goods of the list it works on.
class SpecialPointsDialog : public Form {
    Q_OBJECT
public:
    SpecialPointsDialog(const QString& objectName, bool adding, QWidget* parent);
    void FormActivate() override;
    void chkClassClick();
    void btnOKClick();

    QLabel* g_sn = nullptr;
    QLabel* g_name = nullptr;
    QLabel* dw_name = nullptr;
    QLabel* color_name = nullptr;
    QLabel* g_bz = nullptr;
    QLabel* gg_name = nullptr;
    QLabel* g_sccs = nullptr;
    QLabel* g_kc = nullptr;
    QLineEdit* tjf = nullptr;
    QCheckBox* chkClass = nullptr;

private:
    bool adding_;
};

class TF_Hyksz_Add : public SpecialPointsDialog {
    Q_OBJECT
public:
    explicit TF_Hyksz_Add(QWidget* parent = nullptr);
};

class TF_Hyksz_Modi : public SpecialPointsDialog {
    Q_OBJECT
public:
    explicit TF_Hyksz_Modi(QWidget* parent = nullptr);
};
