#include "platform/grid/gridfooter.h"

#include "platform/grid/gridmodel.h"
#include "platform/grid/gridstyle.h"

#include <QHeaderView>
#include <QPainter>

GridFooter::GridFooter(QHeaderView* header, GridModel* model, QWidget* parent)
    : QWidget(parent), header_(header), model_(model)
{
    setFont(GridStyle::Red().font.value_or(font()));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

int GridFooter::RowHeight() const
{
    return fontMetrics().height() + 8;
}

void GridFooter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const CellStyle red = GridStyle::Red();
    const int x0 = header_->geometry().left() - geometry().left();
    for (int v = 0; v < header_->count(); ++v) {
        const int col = header_->logicalIndex(v);
        if (header_->isSectionHidden(col))
            continue;
        QRect r(x0 + header_->sectionViewportPosition(col), 0, header_->sectionSize(col), height());
        if (r.right() < 0 || r.left() > width())
            continue;
        r.adjust(1, 2, -1, -2);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const QString text = model_->FooterText(col);
        if (text.isEmpty())
            continue;
        p.setPen(red.text);
        Qt::Alignment a = model_->Column(col).alignment;
        a = (a & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
        p.drawText(r.adjusted(3, 0, -3, 0), int(a), text);
    }
}
