#pragma once
#include "platform/ui/form.h"
#include "purchasing/redate.h"

class KeyedCombo;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// "修改开单日期" of a purchase goods-in or return (DateEditDocNo; DateEditCaller tells
// a pending tab "cgjh" from the query "jthcx", where the document is approved).
// Choosing a date shows the number it would take; saving moves the document there
// with the header values shown and refreshes the window that opened the dialog.
class TF_ModiDateJh : public Form {
    Q_OBJECT
public:
    explicit TF_ModiDateJh(QWidget* parent = nullptr);

    void FormActivate() override;
    void dateCgChange();
    void btnSaveClick();
    void btnExitClick();

    QLabel* gldjh;
    KeyedCombo* comGhs;
    KeyedCombo* comCk2;
    KeyedCombo* comUser;
    QDateEdit* dateCg;
    QLineEdit* tyfje;
    QLineEdit* tsfje;
    QLabel* lYhzh;
    KeyedCombo* comYhzh;
    QLabel* lJsfs;
    KeyedCombo* comJsfs;
    QLabel* lsn2;
    QLineEdit* tsn2;
    QLineEdit* tnote;
    QLabel* lyf;
    QLineEdit* tyf;
    QLabel* lbzf;
    QLineEdit* tbzf;
    QCheckBox* chkYf;
    QLabel* lfpno;
    QLineEdit* tfpno;
    QLabel* lfpje;
    QLineEdit* tfpje;
    QPushButton* btnSave;
    QPushButton* btnExit;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    // The choices of both dialogs: settle modes, accounts, warehouses, suppliers, handlers.
    void FillChoices();
    // Selects the item named, the first one when the name is not in the list.
    static void SelectName(KeyedCombo* combo, const QString& name, bool fallBack = true);
    // The values of the dialog for the move; false (with its message) without a handler.
    bool GatherValues(RedateValues& v) const;
    void SetDocDate(const QDate& date);

    QString oldNo_;
    QString oldDate_;
    QString storedDate_;
    QString contract_;
};

// The same for a pending purchase order: the current row of the order window's
// pending list (Q_Shdj).
class TF_Cgd_Modi : public TF_ModiDateJh {
    Q_OBJECT
public:
    explicit TF_Cgd_Modi(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSaveClick();
};

// Opens TF_ModiDateJh on a document for a caller ("cgjh" or "jthcx"), the hand-over
// values set around the showing.
void OpenDateChange(const QString& caller, const QString& number);
