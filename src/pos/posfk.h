#pragma once
#include "platform/ui/form.h"

#include <QString>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Report;
class TF_PosMainForm;

// ---- the rules of the payment, without a window ----

// The amount due of a till total: cut (never rounded) after `decimals` digits, the
// integer part for "0"; a total without a decimal point is taken whole.
QString PosDueText(const QString& total, const QString& decimals);

// The tenders a payment opens with: everything in cash, or from the member's stored
// value as far as his balance goes.
struct PosTenders {
    double cash = 0;
    double storedValue = 0;
    double bankCard = 0;
    double voucher = 0;
    double wechat = 0;
    double alipay = 0;
    double Sum() const { return cash + storedValue + bankCard + voucher + wechat + alipay; }
};
PosTenders OpeningTenders(double due, double balance);

// The refusal of a payment ("" when it may be saved), in the order the window checks.
QString CheckPosPayment(const PosTenders& t, double due, double rounding, double maxRounding, double change);

// A confirmed payment of the cart under `number` of operator `op`.
struct PosPayment {
    QString number;
    QString op;
    QString memberNo; // the member panel's card number, "" without a member
    QString salesman; // the salesman combo's key; "" or "-1" for none
    QString warehouse;
    double due = 0;
    double rounding = 0;
    PosTenders tenders;
    QString change;    // the change text shown
    QString shortNote; // the short-balance question when the cashier confirmed it
    QString note;
};
struct PosSaved {
    QString number;   // the number the sale was stored under
    QString memberSn; // "" without a member
};
// Stores the sale in one transaction: the POS document, the member's settlement, the
// approved retail document over the cart lines with its rounding, and its postings.
// A number held by another cashier's cart or a stored sale is redrawn first.
PosSaved SavePosPayment(const PosPayment& p);

// The sender of a member's SMS: "" when sent, else the failure. Set where the SMS
// window is registered; without one no SMS goes out.
using PosSmsSender = std::function<QString(const QString& text, const QString& mobile)>;
PosSmsSender& PosSmsSend();
// The member's SMS of a stored sale, when SMS is on and the member has a mobile;
// a failure is shown and logged and leaves the sale as it is.
void SendPosSaleSms(const QString& number, const QString& memberSn, double paid);

// ---- the window ----

// "付款": the cashier splits the amount due over six tenders, may round down within
// his limit and confirms. In: ActiveDocKind the member's balance ("0" without one).
class TF_Posxs_Fk : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Fk(QWidget* parent = nullptr);
    ~TF_Posxs_Fk() override;
    void FormActivate() override;

    // Tender edits: entering and typing.
    void tenderEnter(QLineEdit* edit);
    void tenderChange(QLineEdit* edit);
    void tmljeChange();
    void countZl();
    void chkXpToggle();
    void chkLhToggle();
    void btnOKClick();
    void btnCancelClick();

    // The sale on the till: number, operator, member, salesman, warehouse and the
    // till's total text (set before showing).
    PosPayment sale;
    QString total;
    // The one-shot save token of posFk.
    bool saveToken = false;
    // True after the sale was stored.
    bool saved = false;

    QLabel* yfje = nullptr;
    QLineEdit *tfkje = nullptr, *tczk = nullptr, *tyhk = nullptr, *tdjq = nullptr, *twxje = nullptr, *tzfbje = nullptr;
    QLineEdit* tmlje = nullptr;
    QLineEdit* tmlje2 = nullptr;
    QLabel* zhje = nullptr;
    QLabel* zlje = nullptr;
    QLineEdit* tnote = nullptr;
    QCheckBox* chkXp = nullptr;
    QLineEdit* txp = nullptr;
    QCheckBox* chkLh = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    std::unique_ptr<Report> report;

private:
    PosTenders readTenders() const;
    double due() const;
    void setValue(QLineEdit* edit, double v);

    QLineEdit* tenders_[6] = {};
    bool filling_ = false;
};

// The till's pay key: the colour-by-size stock check, the drawer, then the payment
// window; after a stored sale the SMS, the receipt and a new sale follow.
void posFk(TF_PosMainForm& till);
