#pragma once
#include "platform/ui/form.h"

class DataGrid;
class KeyedCombo;
class QLineEdit;
class QPushButton;
class Query;

// The type combo comFy of the dialog that opened the type list under its tag ("add",
// "add1"); closing the list refills it. A destroyed combo drops out by itself.
void RegisterExpenseTypeCombo(const QString& tag, KeyedCombo* comFy);
// Lists the types of the tag's direction in the combo and selects the first.
void RefillExpenseTypeCombo(const QString& tag);
void FillExpenseTypes(KeyedCombo& combo, bool income);

// "类型": the expense or income types of the calling dialog's direction (PickerCaller
// "add" expenses, "add1" income). Closing refills the caller's type combo.
class TF_Fylx : public Form {
    Q_OBJECT
public:
    explicit TF_Fylx(QWidget* parent = nullptr);

    static Query& Types();
    // The direction the list shows and adds: 1 when opened from the income dialog.
    static int Direction();

    void FormActivate() override;
    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void FormClose();

    DataGrid* cxGrid1View;
    QPushButton* btnAdd;
    QPushButton* btnModi;
    QPushButton* btnDele;
    QPushButton* btnExit;

protected:
    void done(int result) override;

private:
    void RunSele(const QString& mode);
};

// "类型设置": adds a type (ResultText "add") or changes the current one ("modi").
class TF_Fylx_Sele : public Form {
    Q_OBJECT
public:
    explicit TF_Fylx_Sele(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnOKClick();

    QLineEdit* tname;
    QLineEdit* tnote;
    QPushButton* btnOK;
    QPushButton* btnExit;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};
