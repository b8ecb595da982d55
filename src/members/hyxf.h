#pragma once
#include "members/topupops.h"
#include "platform/ui/form.h"

class QCheckBox;
class QLabel;
class QLineEdit;

// "收费窗口": takes the tenders for an amount due. With ActiveDocKind holding a new
// member's code it records that member's opening deposit itself (saveValue).
class TF_Hygl_Sf : public Form {
    Q_OBJECT
public:
    explicit TF_Hygl_Sf(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSaveClick();
    void btnExitClick();
    // Recomputes the change from the tenders.
    void TenderChanged();
    void saveValue();
    void prinXf(const QString& number);
    // The callers' set-up: the amount due (also the cash preset) and whether the
    // receipt choice is offered.
    void Prepare(double due, bool offerReceipt);
    Tenders CurrentTenders() const;

    QLabel* yfje = nullptr;
    QLineEdit* tfkje = nullptr;
    QLineEdit* tyhk = nullptr;
    QLineEdit* twx = nullptr;
    QLineEdit* tzfb = nullptr;
    QLabel* zlje = nullptr;
    QLineEdit* tnote = nullptr;
    QCheckBox* chkXp = nullptr;
    QLineEdit* txp = nullptr;
    QLabel* Lxp = nullptr;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    bool guard_ = false;
};

extern TF_Hygl_Sf* F_Hygl_Sf;

// "储值续费": tops up one member (OpenMode holds the code) through the charge window.
class TF_Hyxf : public Form {
    Q_OBJECT
public:
    explicit TF_Hyxf(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSaveClick();
    void tjeChange();
    void prinXf(const QString& number);

    QLabel* hy_bh = nullptr;
    QLabel* hy_name = nullptr;
    QLabel* hh_name = nullptr;
    QLabel* hy_ye = nullptr;
    QLineEdit* tje = nullptr;
    QLineEdit* tsjje = nullptr;
    QLineEdit* tnote = nullptr;
    QCheckBox* chkXp = nullptr;

private:
    QString memberSn_;
    QString methodSn_;
    MemberMethod method_;
};

// The receipt of a top-up number (report/hyxf.fr3), printed without a dialog.
void PrintTopUpReceipt(const QString& number, int copies);
