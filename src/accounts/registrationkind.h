#pragma once
#include <QString>

// The four kinds of one-line money documents of jxc_ysyfk_dj and what tells them
// apart: receivable ("YS") and payable ("YF") registrations, receipts ("SK") and
// payments ("FK"). The windows and the routines of each twin pair are written once
// and read their differences from here.
struct RegistrationKind {
    QString prefix;      // YS YF SK FK
    bool customers;      // customer side (kh) or supplier side (ghs)
    bool money;          // a receipt or payment, which goes through an account
    int approveRight;    // wlzk position of approval
    QString djtxt;       // k_djtxt of a new row
    QString noun;        // 应收款 应付款 收款 付款: in questions and refusals
    QString partnerNoun; // 客户 供货商
    QString addCaption, modiCaption;
    QString logAdd, logModi, logApprove, logCancel; // followed by the partner name
    QString askDelete;                              // the delete question of the window
    QString listTemplate;                           // report/<name>.fr3, dataset of that name
    QString docTemplate;                            // one document, dataset "ysyfkd"

    QString Side() const { return customers ? QStringLiteral("kh") : QStringLiteral("ghs"); }
    QString PartnerTable() const { return customers ? QStringLiteral("jxc_khxx") : QStringLiteral("jxc_ghsxx"); }
    QString PartnerCode() const { return customers ? QStringLiteral("kh_sn") : QStringLiteral("ghs_sn"); }
    QString PartnerName() const { return customers ? QStringLiteral("kh_name") : QStringLiteral("ghs_name"); }
    // The column the amount lives in: k_yfje for registrations, k_sfje for money.
    QString AmountColumn() const { return money ? QStringLiteral("k_sfje") : QStringLiteral("k_yfje"); }
    QString NoPartnerText() const { return QStringLiteral("请选择") + partnerNoun + QStringLiteral("！"); }
    QString ZeroAmountText() const { return noun + QStringLiteral("不能为0！"); }
    QString AskApprove() const { return QStringLiteral("您确定要审核该") + noun + QStringLiteral("信息吗！"); }
    QString AskCancel() const { return QStringLiteral("您确定要取消审核该") + noun + QStringLiteral("信息吗！"); }
};

const RegistrationKind& ReceivableKind(); // YS, TF_Yskdj
const RegistrationKind& PayableKind();    // YF, TF_Yfkdj
const RegistrationKind& ReceiptKind();    // SK, TF_Ysksk
const RegistrationKind& PaymentKind();    // FK, TF_Yfkfk
