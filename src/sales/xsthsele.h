#pragma once
#include "documents/colorsizeentry.h"
#include "platform/ui/form.h"
#include "sales/price.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// "商品信息(销售退货)": one line of a sales return entered colour by colour and size
// by size, with its price, discount and tax. A return brings goods back, so nothing
// is checked against stock and no price or cost is questioned. By OpenMode it
// changes the line behind the current row of Q_Xsth ("xsth") or of the pending
// return's Q_Shsp ("xsth_modish"), or appends or changes a picked line of the return
// browser ("xsth_add", "xsth_modi"). It reaches the return window through the
// kind's DocHost.
class TF_Xsth_Sele : public Form, public ColorSizeDialogParts {
    Q_OBJECT
public:
    explicit TF_Xsth_Sele(QWidget* parent = nullptr);
    ~TF_Xsth_Sele() override;

    void FormActivate() override;
    void btnOKClick();
    void btnCancelClick();
    void btnSpsjClick();
    void chkHideClick();
    void FormClose();
    // Recalculation while the operator edits (unrounded).
    void tgsjPropertiesChange();
    void tdzlPropertiesChange();
    void tslPropertiesChange();
    void ttaxPropertiesChange();
    void ttaxdjKeyUp();

    QString PickWarehouseSn;
    QString PickDocDate;

    QLineEdit* tsl = nullptr;
    QLineEdit* tgsj = nullptr;
    QPushButton* btnSpsj = nullptr;
    QLabel* LDzl = nullptr;
    QLineEdit* tdzl = nullptr;
    QLabel* LTax = nullptr;
    QLineEdit* ttax = nullptr;
    QLabel* LPercent = nullptr;
    QLabel* LTaxPrice = nullptr;
    QLineEdit* ttaxdj = nullptr;
    QLabel* LLsj = nullptr;
    QLineEdit* tlsj = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Build();
    void LoadLine();
    void SetTaxPrice();
    bool WriteLine();
    static double Number(const QLineEdit* e);
    void SetNumber(QLineEdit* e, double v);

    QString goodsSn_;
    QString customer_;
    PricePicker pricePicker_;
};

extern TF_Xsth_Sele* F_Xsth_Sele;
