#pragma once
#include "documents/colorsizeentry.h"
#include "documents/dockind.h"
#include "platform/ui/form.h"
#include "platform/ui/numberedit.h"

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class Query;

// "商品信息(采购进货)": one goods line of a goods-in document entered colour by colour
// and size by size, with its price, discount, tax and remark. By OpenMode it writes a
// new draft line ("cgjh_new"), the draft line of Q_Jhsp ("cgjh"), a new or the
// current picked line of the goods browser ("cgjh_add", "cgjh_modi") or the current
// line of a pending document ("cgjh_modish"). It reaches its document window through
// the kind's DocHost. Preparation runs once per showing, so closing the picture
// viewer keeps what was typed.
class TF_Cgjh_Sele : public Form, public ColorSizeDialogParts {
    Q_OBJECT
public:
    explicit TF_Cgjh_Sele(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnOKClick();
    void btnCancelClick();
    void btnPicClick();
    void chkHideClick();
    void FormClose();

    // Change rules of the line fields.
    void tgpjjjChange(); // P or N changed
    void ttaxPropertiesChange();
    void setZje();
    void tdzlPropertiesChange();
    void ttaxdjKeyUp();
    void tzjeKeyUp();
    // The return dialog's tax-inclusive price: typed, it sets the unit price.
    void ttaxdjPropertiesChange();

    QLabel* gscjj = nullptr;
    NumberEdit* tgpjjj = nullptr;
    NumberEdit* tsl = nullptr;
    QLabel* lZje = nullptr;
    NumberEdit* tzje = nullptr;
    QLabel* LDzl = nullptr;
    QLineEdit* tdzl = nullptr;
    QLabel* LTax = nullptr;
    QLineEdit* ttax = nullptr;
    QLabel* LPercent = nullptr;
    QLabel* LTaxPrice = nullptr;
    NumberEdit* ttaxdj = nullptr;
    QLineEdit* tnote = nullptr;
    QLabel* ldazhe = nullptr;
    QPushButton* btnPic = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    // The order dialog's differences.
    struct Variant {
        const DocKind* kind;
        QString caption; // "采购进货"
        bool order = false;
        bool ret = false;
    };
    TF_Cgjh_Sele(const Variant& variant, QWidget* parent);
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Build();
    void SetNumber(QLineEdit* e, double v);
    static double Number(const QLineEdit* e);
    void QuantityChanged();
    EntryLineColumns DocColumns() const;
    // The mode in the goods-in dialog's terms ("cgth_add" is "cgjh_add").
    QString Mode() const;
    QString DraftLines() const;
    // A return's tax-inclusive price follows its price and tax unrounded.
    void ReturnTaxPrice();

    Variant variant_;
    QString goodsSn_;
};

// The purchase-order dialog: order lines (jxc_cgsp, "CD"), no picture, and a typed
// tax-inclusive price that the next change of price or quantity recomputes.
class TF_Cgd_Sele : public TF_Cgjh_Sele {
    Q_OBJECT
public:
    explicit TF_Cgd_Sele(QWidget* parent = nullptr);
};

// "商品信息(采购退货)": one purchase-return line, its returned quantities kept within
// the warehouse stock unless zero-stock returns are allowed.
class TF_Cgth_Sele : public TF_Cgjh_Sele {
    Q_OBJECT
public:
    explicit TF_Cgth_Sele(QWidget* parent = nullptr);
};
