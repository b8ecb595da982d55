#pragma once
#include "platform/ui/form.h"

#include <QDate>
#include <QString>

class DataGrid;
class KeyedCombo;
class NumberEdit;
class QDateEdit;
class QLabel;
class QPushButton;
class QToolButton;

// ---- cash put into or taken out of the till drawer other than by a sale ----

// "r" cash in ("RK" numbers), "c" cash out ("CK"); the two count separately.
QString CashMovementPrefix(const QString& kind);

// Stores a movement of the till: a number drawn again at this moment and the time
// of saving with it. Any amount is stored as entered, 0 included. Answers the number.
QString StoreTillCashMovement(const QString& kind, double amount, const QString& cashier);
// Stores a back-office movement under the number drawn when the dialog opened,
// dated today without a time.
void StoreCashMovement(const QString& number, const QString& kind, double amount, const QString& cashier);
// The back office's refusal of an amount, "" when it may be stored.
QString CashMovementRefusal(double amount);
// The back office's question before storing.
QString CashMovementQuestion(const QString& kind, const QString& number);

// Opens Q_Poscrk on the movements of the period (all of the end day) whose cashier
// contains `cashier` (every cashier when empty), newest first.
void QueryCashMovements(const QDate& from, const QDate& to, const QString& cashier);

// "入款" / "出款" at the till, after the supervisor's authorisation.
class TF_Posxs_RkCk : public Form {
    Q_OBJECT
public:
    TF_Posxs_RkCk(const QString& kind, QWidget* parent);
    void FormActivate() override;
    void btnOKClick();
    // Enter: the next control, then save at once.
    void EnterKey();

    QLabel* lsyy = nullptr;
    QLabel* ldjh = nullptr;
    NumberEdit* tje = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;
    // The number of the movement stored, "" before saving.
    QString Stored() const { return stored_; }

private:
    QString kind_;
    QString numberCaption_;
    QString stored_;
};

class TF_Posxs_Rk : public TF_Posxs_RkCk {
    Q_OBJECT
public:
    explicit TF_Posxs_Rk(QWidget* parent = nullptr);
};

class TF_Posxs_Ck : public TF_Posxs_RkCk {
    Q_OBJECT
public:
    explicit TF_Posxs_Ck(QWidget* parent = nullptr);
};

// "POS 出入款管理": the movements listed, entered for any cashier, printed, exported.
class TF_Posxs_Crk : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Crk(QWidget* parent = nullptr);
    ~TF_Posxs_Crk() override;
    void FormActivate() override;
    void btnSearchClick();
    void btnRkClick();
    void btnCkClick();
    void btnPrintClick();
    void btnExportClick();

    QDateEdit* tdate1 = nullptr;
    QDateEdit* tdate2 = nullptr;
    QToolButton* btnDate = nullptr;
    KeyedCombo* comAdmin = nullptr;
    QPushButton *btnSearch = nullptr, *btnRk = nullptr, *btnCk = nullptr, *btnPrint = nullptr, *btnExport = nullptr,
                *btnExit = nullptr;
    DataGrid* cxGrid = nullptr;

private:
    void addMovement(const QString& kind);
};

// The back-office entry of one movement; ActiveDocKind gives the kind.
class TF_Posxs_Crk_Add : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Crk_Add(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOKClick();

    QLabel* ldjh = nullptr;
    KeyedCombo* comAdmin = nullptr;
    NumberEdit* tje = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

private:
    QString kind_;
    QString number_;
};
