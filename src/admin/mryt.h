#pragma once
#include "platform/ui/form.h"

class QCheckBox;
class QLabel;
class QPushButton;

// The daily tip: one usage tip at start, paged with "上一贴" and "下一贴".
class TF_Mryt : public Form {
    Q_OBJECT
public:
    explicit TF_Mryt(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnPriorClick();
    void btnNextClick();
    // Stores the check box and closes (Esc does the same; the close box does not store).
    void btnExitClick();

    // The id of the tip on show; "0" at each activation.
    static QString CurrentTipId();

    QLabel* lMsg;
    QCheckBox* chkDisp;
    QPushButton* btnPrior;
    QPushButton* btnNext;
    QPushButton* btnExit;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // Shows the tip of that id, flags it as shown today and stores the check box.
    void ShowTip(const QString& id, const QString& text);
    // The first tip of the statement, shown; false when it gives none.
    bool ShowFirstOf(const QString& statement);
    void StoreCheckBox();
};

// The contact window: the program's name and version, and how to reach its supplier.
class TF_Lxwm : public Form {
    Q_OBJECT
public:
    explicit TF_Lxwm(QWidget* parent = nullptr);

    QLabel* lProduct;
    QPushButton* btnClose;
};
