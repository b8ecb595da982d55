#pragma once
#include "platform/ui/form.h"

class QLineEdit;

// "增加会员等级" (appends to Q_Hyfl) and "修改会员等级" (edits its current row): one
// dialog, two classes, as the card settings' level list opens them.
class MemberLevelDialog : public Form {
    Q_OBJECT
public:
    MemberLevelDialog(const QString& objectName, const QString& caption, bool adding, QWidget* parent);
    void FormActivate() override;
    void btnSaveClick();

    QLineEdit* tname = nullptr;
    QLineEdit* tzk = nullptr;
    QLineEdit* tjfxx = nullptr;
    QLineEdit* tjfsx = nullptr;

private:
    bool adding_;
};

class TF_Hyfl_Add : public MemberLevelDialog {
    Q_OBJECT
public:
    explicit TF_Hyfl_Add(QWidget* parent = nullptr);
};

class TF_Hyfl_Modi : public MemberLevelDialog {
    Q_OBJECT
public:
    explicit TF_Hyfl_Modi(QWidget* parent = nullptr);
};
