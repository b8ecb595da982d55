#pragma once
#include <QString>

// Asked before a goods document is approved and before an approval is cancelled;
// "ok" lets it go ahead, any other answer is the refusal to show.
QString CheckApproveAllowed(const QString& docNo, const QString& docDate);
QString CheckUnapproveAllowed(const QString& docNo);
