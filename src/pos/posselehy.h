#pragma once
#include "platform/ui/form.h"

#include <QString>

class QLineEdit;
class QPushButton;
class TF_PosMainForm;

// A member put on the till: what its member panel shows.
struct PosMember {
    QString sn;
    QString no; // hy_bh
    QString name;
    QString points;  // hy_jf
    QString level;   // hl_name
    QString levelSn; // hl_sn
    QString rate;    // hl_zk
    QString balance; // hy_zhje plus a top-up instalment due at this sale
};

// Finds the enabled member by card number, telephone, mobile, short code or name
// with his password (compared in its stored form). Answers the refusal, or "" with
// the member in *m.
QString FindPosMember(const QString& text, const QString& password, PosMember* m);
// The top-up bonus instalment the member's next sale will credit: a monthly one not
// credited this month, else a daily one not credited today; 0 when none.
double PendingInstalment(const QString& memberSn);
// Re-prices the operator's cart lines under the number for the member (nullptr:
// no member): the member-day or level rate on every line, or plain prices without a
// member; then, except on a member day, each goods of the non-gift lines by the till's
// pricing rules. Gift lines keep price 0. One transaction.
void RepriceCart(const QString& number, const QString& op, const PosMember* m);

// "选择会员": the member for the till by card number, telephone or name and his
// password; an empty member takes the member off. Answers in ActiveDocKind the
// balance shown, empty without a member.
class TF_Posxs_SeleHy : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_SeleHy(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOKClick();
    void btnCancelClick();

    // The till whose member panel and cart the choice changes.
    TF_PosMainForm* till = nullptr;

    QLineEdit* thybh = nullptr;
    QLineEdit* tpwd = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};

// The till's member key.
void posHy(TF_PosMainForm& till);
