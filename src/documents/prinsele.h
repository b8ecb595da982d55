#pragma once
#include "platform/ui/form.h"

class QLabel;
class QPushButton;
class QRadioButton;

// "选择打印单据样式": the operator picks the printed form of a sales delivery
// ("spxs") or a purchase goods-in ("cgjh"), as PrintTemplateKind says. A click on a
// form takes effect at once in SalesDocTemplate or PurchaseDocTemplate, however the
// dialog is closed. Callers create it, show it modally and free it.
class TF_PrinSele : public Form {
    Q_OBJECT
public:
    explicit TF_PrinSele(QWidget* parent = nullptr);

    void FormActivate() override;
    void rPrin1Click();
    void rPrin2Click();
    void rPrin3Click();
    void btnOKClick();
    void btnCancelClick();
    // F5 and Esc close; true when the key was taken.
    bool FormKeyDown(int key);

    QLabel* lPrompt;
    QRadioButton* rPrin1;
    QRadioButton* rPrin2;
    QRadioButton* rPrin3;
    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    void Choose(int index);
};

extern TF_PrinSele* F_PrinSele;

// Shows the dialog for one choice of the kind ("spxs", "cgjh") and clears
// PrintTemplateKind afterwards.
void ChoosePrintTemplate(const QString& kind);
