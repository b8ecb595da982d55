#pragma once
#include <QString>

class Query;

// What the pending tabs of the purchase windows do alike with the current line of
// their lines list.

// Opens the colour-by-size dialog on the current pending line ("修改商品") and puts
// the list back on it afterwards; nothing on an empty list.
void ModifyPendingLine(Query& lines, const QString& dialog);
// Shows the colour-by-size quantities of the current line ("查看详细数量") from the
// detail table; nothing on an empty list or a line without its link.
void ShowLineDetail(Query& lines, const QString& detailTable);
