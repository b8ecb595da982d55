#pragma once
#include "platform/ui/form.h"

#include <QString>

class KeyedCombo;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
struct ProdKind;

// "修改开单日期" of the department and production documents: edits the pending
// document selected in the caller's pending list (DateEditDocNo "bmly" or "scrk"):
// its date, and with it its number, its warehouse, department, handler and note.
// Unlike the stock documents' dialog it writes the change itself and refreshes the
// window that owns the number's prefix.
class TF_ModiDateLy : public Form {
    Q_OBJECT
public:
    explicit TF_ModiDateLy(QWidget* parent = nullptr);

    void FormActivate() override;
    void dateCgChange();
    void btnOKClick();
    void btnExitClick();

    QLabel* gldjh = nullptr;
    KeyedCombo* comCk = nullptr;
    KeyedCombo* comUser = nullptr;
    KeyedCombo* comDept = nullptr;
    QLineEdit* tnote = nullptr;
    QDateEdit* dateCg = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    const ProdKind* kind_ = nullptr;
    QString startNumber_;
    QString startDay_;
    QString startDate_;
};
