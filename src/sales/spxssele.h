#pragma once
#include "documents/colorsizeentry.h"
#include "documents/dockind.h"
#include "platform/ui/form.h"
#include "sales/price.h"

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// "商品信息(商品销售)": one line of a sales delivery entered colour by colour and size
// by size, with its price, discount, tax and cost. By OpenMode it appends a line to
// the document under entry ("spxs_new"), changes the line behind the current row of
// Q_Lsxssp ("spxs") or of the pending document's Q_Shsp ("spxs_modish"), or appends
// or changes a picked line of the goods browser ("spxs_add", "spxs_modi"). It reaches
// its document window (number, date, warehouse, document discount, reloads) through
// the kind's DocHost, so it works before that window exists.
class TF_Spxs_Sele : public Form, public ColorSizeDialogParts {
    Q_OBJECT
public:
    explicit TF_Spxs_Sele(QWidget* parent = nullptr);
    ~TF_Spxs_Sele() override;

    void FormActivate() override;
    void btnOKClick();
    void btnCancelClick();
    void btnPicClick();
    void btnSpsjClick();
    void chkHideClick();
    void FormClose();
    // The stock check of the OK action: the refusal text, empty when the entry passes.
    QString checkGridNum();

    // Recalculation while the operator edits.
    void tgsjPropertiesChange();
    void tdzlPropertiesChange();
    void tslPropertiesChange();
    void ttaxPropertiesChange();
    void setLabelCaption();
    void setZje();
    void ttaxdjKeyUp();
    void tzjeKeyUp();

    // "1" while activation fills the dialog, "2" while the OK action derives the price
    // from a typed total, "0" otherwise.
    QString RecalcMode = QStringLiteral("0");
    // "1" after a typed tax price, cost or total, until the price next changes.
    QString KeyedEntry;
    QString PickWarehouseSn;
    double DocDiscountRate = 1;

    QLineEdit* tgsj = nullptr;
    QPushButton* btnSpsj = nullptr;
    QLabel* Ldzl = nullptr;
    QLineEdit* tdzl = nullptr;
    QLineEdit* tsl = nullptr;
    QLabel* lzje = nullptr;
    QLineEdit* tzje = nullptr;
    QLabel* LTax = nullptr;
    QLineEdit* ttax = nullptr;
    QLabel* LPercent = nullptr;
    QLabel* LTaxPrice = nullptr;
    QLineEdit* ttaxdj = nullptr;
    QLabel* LLsj = nullptr;
    QLineEdit* tlsj = nullptr;
    QLineEdit* tnote = nullptr;
    QLabel* lcbj = nullptr;
    QLineEdit* tcbj = nullptr;
    QPushButton* btnPic = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    // The order dialog's differences.
    struct Variant {
        const DocKind* kind;
        const char* objectName;
        const char* priceTag; // AuxTag of the price-level window
        bool order;
        bool gift = false;
    };
    TF_Spxs_Sele(const Variant& variant, QWidget* parent);
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Build();
    void LoadLine();
    void SetNumber(QLineEdit* e, double v);
    static double Number(const QLineEdit* e);
    // Writes the line and its colour-by-size rows by OpenMode; false when the mode
    // has no line to work on.
    bool WriteLine(double cost);
    // The t_zp of a new line: "(赠品)" in the gift dialog.
    QString GiftFlag() const;

    Variant variant_;
    QString goodsSn_;
    QString customer_;
    PricePicker pricePicker_;
};

// The sales order's dialog: order lines (jxc_xssp, "XD"), no picture, the line's own
// discount always loaded, its tax price always rounded.
class TF_Spdd_Sele : public TF_Spxs_Sele {
    Q_OBJECT
public:
    explicit TF_Spdd_Sele(QWidget* parent = nullptr);
};

// "商品信息(商品销售)" for gift lines ("(赠品)"): quantities and a note only; the line
// gets price 0, rate 1, amounts 0 and the goods' cost. The quantity is the entry
// grid's total and cannot be typed over, so the line and its rows always agree.
class TF_Spxs_Sele2 : public TF_Spxs_Sele {
    Q_OBJECT
public:
    explicit TF_Spxs_Sele2(QWidget* parent = nullptr);
};

extern TF_Spxs_Sele* F_Spxs_Sele;
extern TF_Spdd_Sele* F_Spdd_Sele;
