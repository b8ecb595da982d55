#pragma once
#include <QString>

// Moving a purchase document (goods-in "CJ", return "CT", order "CD") or a sales
// document (delivery "XS", return "XT") to another date: a new date means a new number, under which the header, its
// lines and their colour-by-size rows are written again with the header values the operator corrected on the way.
struct RedateValues {
    QString oldNo;
    // The number shown for the chosen date (the old one for the old date).
    QString newNo;
    QString oldDate;                     // "yyyy-MM-dd"
    QString storedDate;                  // the header's date column as stored, time included
    QString date;                        // the chosen date, "yyyy-MM-dd"
    QString partner, warehouse, handler; // codes: supplier or customer
    QString invoiceNo;
    double invoiceAmount = 0;
    double freight = 0;
    double packing = 0;
    // Shown positive for a return too; stored negative there.
    double payable = 0;
    double paid = 0;
    QString note;
    int settle = 0; // 0 settled by what was paid, 1 the rest on account
    QString account;
    QString externalNo;
    bool wePayFreight = false;
    QString contract;
};

struct DocKind;
// The kind of a document number that can be moved ("CJ", "CT", "CD", "XS", "XT").
const DocKind& RedateKindOf(const QString& docNo);

// The next free number of the date for the document's kind, drawn over its line table.
QString RedateNumberFor(const QString& docNo, const QString& date);

// Writes the document under its new number in one transaction. An approved document
// is cancelled under its old number first (keeping the payments registered against
// it, which then follow the new number, settled-later amount included) and posted
// again under the new one, with its approver and approval date; when the cancellation is refused or declined
// nothing changes. Answers the number the document carries afterwards, empty when
// nothing changed.
QString RedateDocument(RedateValues v, bool approved);
