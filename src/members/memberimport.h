#pragma once
#include <QString>

class ImportRow;

// The member import's rules for one sheet row; the import mechanism of the master
// data (mapping, staged rows, the pass in one transaction) drives them.

struct MemberImportOptions {
    QString level;  // hl_sn
    QString method; // hh_sn
    bool autoNumber = true;
    bool uniqueNames = false;
};

// The card and member codes a pass gives out: drawn once, then carried on, since
// inside the one transaction each new member holds the highest code and drawing
// again would give the same numbers.
struct MemberNumbers {
    QString nextSn;
    QString nextCard;
};

// The code steps after this one, keeping its width ("0099" -> "0100").
QString NextMemberCode(const QString& code, int steps = 1);

// The staged row's text: "[card]name", the card being the one the member would get.
// firstCard is the first automatic card number, given to the first sheet row.
QString MemberPreviewText(const ImportRow& row, int sheetRow, bool autoNumber, const QString& firstCard);

// Checks and inserts one member: "" when written, else the failure text.
QString ImportMemberRow(const ImportRow& row, const MemberImportOptions& options, MemberNumbers& numbers);
// The note of a written member whose birthday, joining date or sex was empty.
QString MemberRowNote(const ImportRow& row);
