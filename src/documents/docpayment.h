#pragma once
#include <QDate>
#include <QString>

// Money settled later against one approved trade document: a payment ("FK") against
// a purchase goods-in ("CJ") or return ("CT"), a receipt ("SK") against a sales
// delivery ("XS") or return ("XT"). A registration naming the document, optionally
// approved at once, and the amount added to the document's settled-later column
// with a line in its note.

// What the document still owes: payable - paid at approval - settled later (negative
// for a return). The discount is not counted.
double ProposedDocPayment(const QString& docNo);

// Whether the document of a query row still wants settling, judged on amounts
// rounded to cents: a goods-in or delivery while paid + discount + settled later is
// below payable, a return while paid + settled later is above its (negative) payable.
bool DocNeedsPayment(const QString& docNo, double payable, double paid, double discount, double paidLater);

struct DocPayment {
    QString docNo;
    double amount = 0;
    QString handler; // u_sn
    QString account; // the account's name
    QString note;
    QDate date;
};

// Registers and, with ApproveOnSave, posts the payment or receipt, then updates the
// document, all in one transaction; answers the registration's number.
QString RecordDocPayment(const DocPayment& payment);
