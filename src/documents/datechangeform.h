#pragma once
#include "documents/redate.h"
#include "platform/ui/form.h"

class KeyedCombo;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// "修改开单日期" of a saved purchase or sales document (DateEditDocNo; DateEditCaller
// tells a pending tab "cgjh" from a query "jthcx", where the document is approved).
// Choosing a date shows the number it would take; saving moves the document there
// (redate.h) with the header values shown and refreshes the window that opened the
// dialog. The purchase and sales dialogs differ in their partner and captions.
class DateChangeForm : public Form {
    Q_OBJECT
public:
    struct Texts {
        const char* objectName;
        const char* partner;   // label of the partner combo
        const char* warehouse; // label of the warehouse combo
        const char* payable;
        const char* paid;
        const char* account;
        bool sales;
    };
    DateChangeForm(const Texts& texts, QWidget* parent);

    void FormActivate() override;
    void dateCgChange();
    virtual void btnSaveClick();
    void btnExitClick();

    QLabel* gldjh;
    KeyedCombo* comPartner;
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
    // The choices: settle modes, accounts, warehouses, partners, handlers.
    void FillChoices();
    // Selects the item named, the first one when the name is not in the list.
    static void SelectName(KeyedCombo* combo, const QString& name, bool fallBack = true);
    // The values of the dialog for the move; false (with its message) without a handler.
    bool GatherValues(RedateValues& v) const;
    void SetDocDate(const QDate& date);
    // Moves the document and refreshes the opener; false when nothing changed.
    bool Save(bool approved);
    // The opener's lists after a move to `number`: a query's document list, or a
    // pending list with its window's entry tab.
    virtual void RefreshQuery(const QString& number) = 0;
    void RefreshPending(const QString& number) const;

    QString oldNo_;
    QString oldDate_;
    QString storedDate_;
    QString contract_;

private:
    Texts texts_;
};
