#pragma once
#include "platform/ui/form.h"

#include <QString>

class KeyedCombo;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "修改开单日期": header and date of the pending order selected in the sales order
// window's pending tab (the current row of Q_Shdj).
class TF_Spdd_Modi : public Form {
    Q_OBJECT
public:
    explicit TF_Spdd_Modi(QWidget* parent = nullptr);

    void FormActivate() override;
    void dateCgChange();
    void btnSaveClick();
    void btnExitClick();

    QString OldDocNo;
    QString OldDocDate;
    QString OldDocDateTime;

    QLabel* gldjh = nullptr;
    KeyedCombo* comKh = nullptr;
    KeyedCombo* comCk2 = nullptr;
    KeyedCombo* comUser = nullptr;
    QDateEdit* dateCg = nullptr;
    QLineEdit* tyfje = nullptr;
    QLineEdit* tsfje = nullptr;
    QLabel* lYhzh = nullptr;
    KeyedCombo* comYhzh = nullptr;
    KeyedCombo* comJsfs = nullptr;
    QLineEdit* tsn2 = nullptr;
    QPlainTextEdit* tnote = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};
