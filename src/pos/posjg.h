#pragma once
#include "platform/ui/form.h"

#include <QString>

class DataGrid;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TF_PosMainForm;

// ---- holding and resuming, without a window ----

struct PosHold {
    QString number;
    QString op;
    QString memberNo; // the member panel's card number
    QString salesman;
    QString warehouse;
    QString total; // the till's total
};
// Parks the operator's cart under its number as a held POS document (note "gd")
// with its lines and colour-by-size rows, and empties the cart. One transaction.
void HoldPosSale(const PosHold& h);
// Puts the held sale back into the cart of operator `op` under its own number: the
// lines and their colour-by-size rows become the resuming cashier's, and the held
// document goes. Answers the held sale's member code ("" without one). One transaction.
QString ResumeHeldSale(const QString& number, const QString& op);
// Deletes a held sale: header, lines and colour-by-size rows. A paid sale is left alone.
void DeleteHeldSale(const QString& number);

// "解挂": the held sales of every cashier by date and member, their lines; print,
// delete, or resume one into the till.
class TF_Posxs_Jg : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Jg(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSearchClick();
    void cxGrid1Click();
    void btnDeleteClick();
    void btnJgClick();
    void N_HzbClick();
    void N_MxbClick();

    // The till the resumed sale goes to.
    TF_PosMainForm* till = nullptr;

    QDateEdit* tdate1 = nullptr;
    QDateEdit* tdate2 = nullptr;
    QToolButton* btnDate = nullptr;
    QLineEdit* tkey = nullptr;
    QPushButton *btnSearch = nullptr, *btnJg = nullptr, *btnDelete = nullptr, *btnPrint = nullptr, *btnExit = nullptr;
    DataGrid* cxGrid1 = nullptr;
    DataGrid* cxGrid2 = nullptr;
    QLabel* lDetail = nullptr;

private:
    QString current() const;
};

// The till's hold key (with a non-empty cart) and resume key.
void posGD(TF_PosMainForm& till);
void posJG(TF_PosMainForm& till);
