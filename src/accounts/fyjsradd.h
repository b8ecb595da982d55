#pragma once
#include "platform/ui/form.h"

class KeyedCombo;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QToolButton;
struct ExpenseEntry;

// The entry dialog of one expense ("费用信息", "FY") or income ("收入信息", "SR")
// record: OpenMode "fy_add" for a new one, "fy_modi" for the current pending row of
// Q_Fysr2. After a save it hands back OpenMode = the number and AuxTag = "ok"; after
// its print key ExpenseDocToPrint = the record's id (empty when nothing was saved).
class ExpenseEntryDialog : public Form {
    Q_OBJECT
public:
    ExpenseEntryDialog(bool income, QWidget* parent);
    ~ExpenseEntryDialog() override;

    bool Income() const { return income_; }
    // The tag of the department window ("fyjsr_add", "fyjsr_add1") and of the type list ("add", "add1").
    QString DeptTag() const;
    QString TypeTag() const;

    void FormActivate() override;
    void btnOKClick();
    void btnPrinClick();
    void btnTypeClick();
    // "添加新部门..." chosen in comDept: the department window, then back.
    void comDeptChange();
    bool FormKeyDown(int key);
    ExpenseEntry Entered() const;

    KeyedCombo* comFy;
    QToolButton* btnType;
    QLineEdit* tfyje;
    KeyedCombo* comUser;
    KeyedCombo* comYhzh;
    KeyedCombo* comDept;
    QDateEdit* dateCg;
    QLineEdit* tnote;
    QPushButton* btnOK;
    QPushButton* btnPrin;
    QPushButton* btnExit;

private:
    bool DeptChosen() const;
    bool income_;
};

class TF_Fyjsr_Add : public ExpenseEntryDialog {
    Q_OBJECT
public:
    explicit TF_Fyjsr_Add(QWidget* parent = nullptr) : ExpenseEntryDialog(false, parent) { }
};

class TF_Fyjsr_Add1 : public ExpenseEntryDialog {
    Q_OBJECT
public:
    explicit TF_Fyjsr_Add1(QWidget* parent = nullptr) : ExpenseEntryDialog(true, parent) { }
};
