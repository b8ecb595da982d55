#pragma once
#include <QDate>
#include <QString>
#include <functional>

// The receivable and payable accounts: what each customer owes and paid, or what the
// shop owes and paid each supplier, over a period, read from the partner ledger
// jxc_ysyfk (running balance k_ljje) and, for the detail view, from the stock ledger.
// The two sides are one set of routines configured by their side.

struct PartnerAccountSide {
    bool customers;
    QString side;          // k_type: kh ghs
    QString partnerTable;  // jxc_khxx jxc_ghsxx
    QString partnerCode;   // kh_sn ghs_sn
    QString partnerName;   // kh_name ghs_name
    QString forbidColumn;  // kh_forbid ghs_forbid
    QString goodsOut;      // gl_flag of the goods lines that raise the balance: xs cj
    QString goodsBack;     // and of those that lower it: xt ct
    QString goodsOutText;  // 商品销售 采购进货
    QString goodsBackText; // 顾客退货 采购退货
    QString dueNoun;       // 应收 应付: 期初应收, 上期应收, 应收款, 期末应收
    QString moneyNoun;     // 收款 付款
    QString duePrefix;     // YS YF: registrations in the detail view
    QString moneyPrefix;   // SK FK
    QString layout;        // yskgl yfkgl
    QString docTemplate, summaryTemplate, detailTemplate; // yskmxb yskglhzb yskglmxb ...
    QString allPartners;                                  // 所有客户 所有供货商
    QString zeroHidden;                                   // 期末应收为零的客户不显示 ...
    QString notDocument;                                  // the refusal outside the document view
    QString wrongKind;                                    // the refusal of a number that cannot be settled here
    QString notOwing;                                     // the refusal of a settled document
    QString settleWindow;                                 // TF_Yskgl_Sk TF_Yfkgl_Fk
    QString settleButton;                                 // 销售收款 采购付款
    QString outPrefix, backPrefix;                        // XS XT, CJ CT: the documents that can be settled

    QString Label(const char* head) const { return QString::fromUtf8(head) + dueNoun; }
};
const PartnerAccountSide& ReceivableSide();
const PartnerAccountSide& PayableSide();

struct PartnerAccountFilter {
    QDate from, to;
    QString partner;     // the picked partner's code; empty: every partner
    QString handlerSn;   // "-1": every handler
    QString handlerName; // the handler's name, for the goods lines
    QString key;         // number or remark, as typed
    bool zeroHidden = false;
    bool allPartners = false;

    bool AllHandlers() const { return handlerSn.isEmpty() || handlerSn == QLatin1String("-1"); }
};

// Each statement stages what it needs in the operator's scratch rows first, so the
// statement is meant to be opened right after it is built.
// The document view: per partner its opening line, its movements and the balance
// after each, ordered by partner, date, kind and id.
QString PartnerDocumentStatement(const PartnerAccountSide& s, const PartnerAccountFilter& f);
// The summary: per partner opening, period due, period paid and closing amounts.
QString PartnerSummaryStatement(const PartnerAccountSide& s, const PartnerAccountFilter& f);
// The detail: opening line, registrations and money, goods lines, closing line.
QString PartnerDetailStatement(const PartnerAccountSide& s, const PartnerAccountFilter& f);

// The refusal of settling one document from a row of the document view; empty when
// the settlement dialog may open. dueAmount and paidAmount are the row's k_yfje and
// k_sfje.
QString SettleRefusal(
    const PartnerAccountSide& s, bool documentView, const QString& number, double dueAmount, double paidAmount);

// Whether "查看单据" shows the document behind the number.
bool CanViewPartnerDocument(const PartnerAccountSide& s, const QString& number);

// The partners to recompute: every one when code is empty; rewrites their running
// balances from the date on in one transaction. Answers how many were recomputed.
int RecalcPartnerAccounts(
    const PartnerAccountSide& s, const QString& code, const QDate& from, const std::function<void(int)>& progress = {});
int PartnerCount(const PartnerAccountSide& s, const QString& code);
