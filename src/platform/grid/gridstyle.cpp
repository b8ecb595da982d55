#include "platform/grid/gridstyle.h"

namespace GridStyle {

CellStyle Red()
{
    CellStyle s;
    s.text = QColor(Qt::red);
    // Tahoma is rarely installed on Linux; the nearest sans faces stand in for it.
    QFont f;
    f.setFamilies({ QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC") });
    f.setPointSize(8);
    s.font = f;
    return s;
}

}
