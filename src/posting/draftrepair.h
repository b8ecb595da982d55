#pragma once
#include <QString>

// Drafts that several operators saved under one number, and the contract
// attachments a document points to.

// Leaves one pending draft under `docNo` and gives every other operator's draft
// (header, lines, colour-by-size rows) a fresh number of its own date. The draft of
// `approvingOperator` keeps the number; without one, the draft with the smallest
// header id does. When the number is already approved, every remaining draft moves
// and the approver's own pending copies go. Kinds: "CJ", "CT", "XS", "XT", "CD", "XD";
// others change nothing.
void FixDuplicateDocNo(const QString& docNo, const QString& prefix, const QString& approvingOperator);

// Links the attachment record to the document's partner and number.
void LinkContract(const QString& contractSn, const QString& partnerSn, const QString& docNo);
// Removes the attachment record and its file; a file kept on the remote server is
// never touched, and a file that cannot be deleted is left.
void DeleteContract(const QString& contractSn);
