#pragma once
#include "members/memberops.h"
#include "platform/ui/form.h"

class KeyedCombo;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QRadioButton;

// The member dialogs of the register work on the current row of Q_Hyxx: at activation
// they remember its id and show its data; after a change they reopen the list.
class MemberRowDialog : public Form {
    Q_OBJECT
public:
    explicit MemberRowDialog(const QString& objectName, const QString& caption, QWidget* parent);
    void FormActivate() override;
    virtual void btnOkClick() = 0;

    QLabel* hy_bh = nullptr;
    QLabel* hy_name = nullptr;
    QLabel* hh_name = nullptr;
    QLabel* hl_name = nullptr;
    QLabel* hy_jf = nullptr;
    QLabel* hy_zje = nullptr;
    QLabel* hy_zhje = nullptr;

protected:
    // The label rows the dialog shows, then the entries it adds, then the buttons.
    void Build(const QStringList& shown, const std::function<void(class QFormLayout*)>& entries);
    // Reopens the register's list, positioned on the member's card number.
    void ReopenOn(const QString& card);
    qint64 id_ = 0;
};

// "会员换卡".
class TF_Hygl_Hk : public MemberRowDialog {
    Q_OBJECT
public:
    explicit TF_Hygl_Hk(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOkClick() override;
    QLineEdit* tbh = nullptr;
    QLineEdit* tmm = nullptr;
    QLineEdit* tmm1 = nullptr;
    QLineEdit* toldmm = nullptr;
};

// "修改会员密码".
class TF_Hygl_Pwd : public MemberRowDialog {
    Q_OBJECT
public:
    explicit TF_Hygl_Pwd(QWidget* parent = nullptr);
    void btnOkClick() override;
    QLineEdit* hy_mm = nullptr;
    QLineEdit* hy_mm1 = nullptr;
};

// "修改会员积分": adds to the points; the level follows.
class TF_Hygl_Jf : public MemberRowDialog {
    Q_OBJECT
public:
    explicit TF_Hygl_Jf(QWidget* parent = nullptr);
    void btnOkClick() override;
    QLineEdit* tjf = nullptr;
};

// The total-spending adjustment (its caption, too, reads "修改会员积分").
class TF_Hygl_Je : public MemberRowDialog {
    Q_OBJECT
public:
    explicit TF_Hygl_Je(QWidget* parent = nullptr);
    void btnOkClick() override;
    QLineEdit* tjf = nullptr;
};

// "导出手机号".
class TF_Hygl_Mobile : public Form {
    Q_OBJECT
public:
    explicit TF_Hygl_Mobile(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOkClick();
    void ChoiceChanged();
    QRadioButton* rAll = nullptr;
    QRadioButton* rJf = nullptr;
    QRadioButton* rWjf = nullptr;
    QRadioButton* rSr = nullptr;
    QLineEdit* tjf = nullptr;
};

// "高级查询": conditions the register adds to its member search.
class TF_Hygl_Gjcx : public Form {
    Q_OBJECT
public:
    explicit TF_Hygl_Gjcx(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOkClick();
    void btnCancelClick();
    // The ticked boxes' conditions.
    AdvancedMemberQuery Conditions() const;

    QCheckBox* chkHyyh = nullptr;
    KeyedCombo* comHyyh = nullptr;
    QCheckBox* chkJf = nullptr;
    QComboBox* comJf = nullptr;
    QLineEdit* tjf = nullptr;
    QCheckBox* chkXf = nullptr;
    QComboBox* comXf = nullptr;
    QLineEdit* txf = nullptr;
    QCheckBox* chkJe = nullptr;
    QComboBox* comJe = nullptr;
    QLineEdit* tje = nullptr;
    QCheckBox* chkSr = nullptr;
    QDateEdit* tSr1 = nullptr;
    QDateEdit* tSr2 = nullptr;
    QCheckBox* chkJr = nullptr;
    QDateEdit* tJr1 = nullptr;
    QDateEdit* tJr2 = nullptr;
    QCheckBox* chkSx = nullptr;
    QDateEdit* tSx1 = nullptr;
    QDateEdit* tSx2 = nullptr;
    QCheckBox* chkZjhm = nullptr;
    QLineEdit* tZjhm = nullptr;
    QCheckBox* chkAddress = nullptr;
    QLineEdit* tAddress = nullptr;
};
