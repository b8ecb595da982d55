#include "foundation/flowpicture.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QResizeEvent>
#include <QtMath>
#include <algorithm>

namespace {
const QColor kArrow(0x6f, 0x8f, 0xb3);
const QColor kStationFill(0xec, 0xf4, 0xe6);
const QColor kStationLine(0x8d, 0xb0, 0x7a);
const QColor kStationText(0x35, 0x55, 0x2a);
const QColor kLaneFill(0xee, 0xf3, 0xf8);
const QColor kLaneLine(0xd3, 0xdd, 0xe8);
const QColor kTitle(0x35, 0x59, 0x7f);

constexpr double kTitleHeight = 36;
constexpr double kMargin = 14;

// Where the segment from the centre of r towards p leaves r.
QPointF exitPoint(const QRectF& r, const QPointF& p)
{
    const QPointF c = r.center();
    const double dx = p.x() - c.x();
    const double dy = p.y() - c.y();
    if (qFuzzyIsNull(dx) && qFuzzyIsNull(dy))
        return c;
    const double sx = qFuzzyIsNull(dx) ? 1e9 : (r.width() / 2) / std::abs(dx);
    const double sy = qFuzzyIsNull(dy) ? 1e9 : (r.height() / 2) / std::abs(dy);
    const double s = std::min(sx, sy);
    return c + QPointF(dx * s, dy * s);
}

void drawHead(QPainter& p, const QPointF& tip, const QPointF& from, double size)
{
    const QLineF l(tip, from);
    if (l.length() < 1)
        return;
    const double a = std::atan2(from.y() - tip.y(), from.x() - tip.x());
    const QPointF p1 = tip + QPointF(std::cos(a + 0.45) * size, std::sin(a + 0.45) * size);
    const QPointF p2 = tip + QPointF(std::cos(a - 0.45) * size, std::sin(a - 0.45) * size);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(p1);
    head.lineTo(p2);
    head.closeSubpath();
    p.fillPath(head, kArrow);
}
}

FlowPicture::FlowPicture(const QString& title, int columns, int rows, QWidget* parent)
    : QWidget(parent), title_(title), columns_(std::max(1, columns)), rows_(std::max(1, rows))
{
    setAttribute(Qt::WA_StyledBackground, true);
    setMinimumSize(560, 340);
}

QPushButton* FlowPicture::AddButton(
    const QString& name, const QString& caption, double column, double row, int variants, double rowSpan, bool station)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setProperty("station", station);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);
    boxes_.push_back({ name, caption, column, row, rowSpan, variants, b, true });
    Relayout();
    return b;
}

void FlowPicture::AddStation(
    const QString& id, const QString& caption, double column, double row, double rowSpan, int variants)
{
    boxes_.push_back({ id, caption, column, row, rowSpan, variants, nullptr, true });
    update();
}

void FlowPicture::AddArrow(const QString& from, const QString& to, int variants, bool twoWay)
{
    arrows_.push_back({ from, to, variants, twoWay });
    update();
}

void FlowPicture::AddLane(const QString& title, double column, double row, double columns, double rows, int variants,
    const QString& followBox)
{
    lanes_.push_back({ title, column, row, columns, rows, variants, followBox });
    update();
}

void FlowPicture::SetVariant(int variant)
{
    variant_ = variant;
    Relayout();
}

void FlowPicture::SetBoxShown(const QString& id, bool shown)
{
    for (Box& b : boxes_)
        if (b.id == id)
            b.shown = shown;
    Relayout();
}

const FlowPicture::Box* FlowPicture::FindBox(const QString& id) const
{
    for (const Box& b : boxes_)
        if (b.id == id)
            return &b;
    return nullptr;
}

bool FlowPicture::Visible(const Box& b) const
{
    return b.shown && (b.variants & variant_);
}

bool FlowPicture::BoxShown(const QString& id) const
{
    const Box* b = FindBox(id);
    return b && Visible(*b);
}

QRectF FlowPicture::CellRect(double column, double row, double columns, double rows) const
{
    const double top = kTitleHeight + kMargin;
    const double cw = (width() - 2 * kMargin) / columns_;
    const double ch = (height() - top - kMargin) / rows_;
    return QRectF(kMargin + column * cw, top + row * ch, columns * cw, rows * ch);
}

QRectF FlowPicture::Place(const Box& b) const
{
    const QRectF cell = CellRect(b.column, b.row, 1, b.rowSpan);
    const double one = CellRect(0, 0, 1, 1).height();
    const double w = std::min(cell.width() * 0.78, 190.0);
    // A box of one row keeps a button's proportions; a taller box fills its rows.
    double h = b.rowSpan > 1 ? cell.height() - one * 0.3 : std::min(one * 0.62, 64.0);
    h = std::max(h, 30.0);
    return QRectF(cell.center().x() - w / 2, cell.center().y() - h / 2, w, h);
}

void FlowPicture::Relayout()
{
    for (const Box& b : boxes_) {
        if (!b.button)
            continue;
        const bool show = Visible(b);
        b.button->setVisible(show);
        if (show)
            b.button->setGeometry(Place(b).toAlignedRect());
    }
    update();
}

QRectF FlowPicture::BoxRect(const QString& id) const
{
    const Box* b = FindBox(id);
    if (!b || !Visible(*b))
        return QRectF();
    return Place(*b);
}

void FlowPicture::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Relayout();
}

void FlowPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    QLinearGradient bg(0, 0, 0, height());
    bg.setColorAt(0, QColor(0xfb, 0xfc, 0xfd));
    bg.setColorAt(1, QColor(0xf0, 0xf4, 0xf8));
    p.fillRect(rect(), bg);

    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(font().pointSizeF() * 1.25);
    p.setFont(titleFont);
    p.setPen(kTitle);
    p.drawText(QRectF(kMargin, 4, width() - 2 * kMargin, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter, title_);
    p.setPen(QPen(kLaneLine, 1));
    p.drawLine(QPointF(kMargin, kTitleHeight + 2), QPointF(width() - kMargin, kTitleHeight + 2));

    QFont laneFont = font();
    for (const Lane& l : lanes_) {
        if (!(l.variants & variant_) || (!l.followBox.isEmpty() && !BoxShown(l.followBox)))
            continue;
        const QRectF r = CellRect(l.column, l.row, l.columns, l.rows).adjusted(4, 2, -4, -2);
        p.setPen(QPen(kLaneLine, 1));
        p.setBrush(kLaneFill);
        p.drawRoundedRect(r, 8, 8);
        p.setFont(laneFont);
        p.setPen(kTitle);
        p.drawText(r.adjusted(10, 4, -10, -4), Qt::AlignLeft | Qt::AlignTop, l.title);
    }

    const double one = CellRect(0, 0, 1, 1).width();
    const double headSize = std::clamp(one * 0.07, 7.0, 12.0);
    p.setPen(QPen(kArrow, std::clamp(one * 0.015, 1.6, 3.0), Qt::SolidLine, Qt::RoundCap));
    for (const Arrow& a : arrows_) {
        if (!(a.variants & variant_))
            continue;
        const Box* from = FindBox(a.from);
        const Box* to = FindBox(a.to);
        if (!from || !to || !Visible(*from) || !Visible(*to))
            continue;
        const QRectF fr = Place(*from);
        const QRectF tr = Place(*to);
        QPointF s, e;
        if (fr.top() < tr.bottom() && tr.top() < fr.bottom()) {
            // Side by side: a level arrow through the middle of the shared height.
            const double y = (std::max(fr.top(), tr.top()) + std::min(fr.bottom(), tr.bottom())) / 2;
            const bool right = tr.center().x() > fr.center().x();
            s = QPointF(right ? fr.right() : fr.left(), y);
            e = QPointF(right ? tr.left() : tr.right(), y);
        } else if (fr.left() < tr.right() && tr.left() < fr.right()) {
            const double x = (std::max(fr.left(), tr.left()) + std::min(fr.right(), tr.right())) / 2;
            const bool down = tr.center().y() > fr.center().y();
            s = QPointF(x, down ? fr.bottom() : fr.top());
            e = QPointF(x, down ? tr.top() : tr.bottom());
        } else {
            s = exitPoint(fr, tr.center());
            e = exitPoint(tr, fr.center());
        }
        // Leave a little air between the arrow and the boxes.
        QLineF line(s, e);
        if (line.length() > 12) {
            const QPointF d = (e - s) / line.length() * 4;
            s += d;
            e -= d;
        }
        p.drawLine(s, e - (e - s) / std::max(1.0, QLineF(s, e).length()) * headSize * 0.6);
        drawHead(p, e, s, headSize);
        if (a.twoWay)
            drawHead(p, s, e, headSize);
    }

    QFont stationFont = font();
    stationFont.setBold(true);
    p.setFont(stationFont);
    for (const Box& b : boxes_) {
        if (b.button || !Visible(b))
            continue;
        const QRectF r = Place(b);
        p.setPen(QPen(kStationLine, 1.2));
        p.setBrush(kStationFill);
        p.drawRoundedRect(r, 8, 8);
        p.setPen(kStationText);
        p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, b.caption);
    }
}
