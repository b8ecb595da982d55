#pragma once
#include <QString>

class Report;

// The till receipt of a POS ticket with the receipt settings (titles, footers,
// paper width, preview): the 58 mm or 80 mm template from report/, the ticket's
// amounts, tender and member, and its lines on the print query. With preview on
// the operator prints from the preview; otherwise `copies` copies go to the
// template's printer without a dialog.
void PrintPosReceipt(Report& report, const QString& number, int copies);
// A POS ticket as a document (report/posxsd.fr3) in the preview.
void PrintPosDocument(Report& report, const QString& number);
