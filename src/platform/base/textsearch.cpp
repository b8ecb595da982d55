#include "platform/base/textsearch.h"

int PosAfterNth(const QString& sub, const QString& text, int n)
{
    if (sub.isEmpty() || n < 1)
        return 0;
    int found = 0;
    qsizetype position = 0;
    qsizetype from = 0;
    while (found < n) {
        const qsizetype at = text.indexOf(sub, from);
        if (at < 0)
            break;
        position = at + 1;
        ++found;
        from = at + 1;
    }
    return int(position);
}
