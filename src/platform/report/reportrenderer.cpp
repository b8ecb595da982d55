#include "platform/report/reportrenderer.h"

#include "platform/report/barcode.h"

#include <QPainter>
#include <QPen>

namespace {

QPen LinePen(const ReportObject& o, double dpi)
{
    // Widths are in points; a hairline stays visible at every resolution.
    QPen pen(o.frameColor, std::max(1.0, o.frameWidth * dpi / 72.0));
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

void DrawText(QPainter& p, const PreparedItem& it, const QRectF& r, double k, double dpi)
{
    const ReportObject& o = *it.object;
    if (o.fill.isValid())
        p.fillRect(r, o.fill);
    if (!it.text.isEmpty()) {
        const double pad = o.padding * k;
        const QRectF inner = r.adjusted(pad, pad / 2, -pad, -pad / 2);
        int flags = int(o.halign | o.valign);
        if (o.wordWrap)
            flags |= Qt::TextWordWrap;
        p.save();
        p.setClipRect(r);
        p.setFont(ReportFont(o));
        p.setPen(o.color);
        p.drawText(inner, flags, it.text);
        p.restore();
    }
    if (o.HasFrame()) {
        p.setPen(LinePen(o, dpi));
        if (o.frameTop)
            p.drawLine(r.topLeft(), r.topRight());
        if (o.frameBottom)
            p.drawLine(r.bottomLeft(), r.bottomRight());
        if (o.frameLeft)
            p.drawLine(r.topLeft(), r.bottomLeft());
        if (o.frameRight)
            p.drawLine(r.topRight(), r.bottomRight());
    }
}

void DrawPicture(QPainter& p, const PreparedItem& it, const QRectF& r)
{
    if (it.image.isNull())
        return;
    QRectF target = r;
    if (it.object->keepAspect) {
        const QSizeF s = QSizeF(it.image.size()).scaled(r.size(), Qt::KeepAspectRatio);
        target = QRectF(
            r.left() + (r.width() - s.width()) / 2, r.top() + (r.height() - s.height()) / 2, s.width(), s.height());
    }
    p.drawImage(target, it.image);
}

} // namespace

QFont ReportFont(const ReportObject& o)
{
    QFont f(o.fontFamily.isEmpty() ? kReportDefaultFont : o.fontFamily);
    f.setPointSizeF(o.fontSize > 0 ? o.fontSize : 9);
    f.setBold(o.bold);
    f.setItalic(o.italic);
    f.setUnderline(o.underline);
    // Hinting would make widths depend on the device; a page must measure alike everywhere.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void RenderReportPage(QPainter& p, const PreparedPage& page)
{
    const double dpi = p.device() ? p.device()->logicalDpiX() : 96;
    const double k = dpi / 25.4;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (const PreparedItem& it : page.items) {
        const ReportObject& o = *it.object;
        const QRectF r(it.rect.left() * k, it.rect.top() * k, it.rect.width() * k, it.rect.height() * k);
        switch (o.kind) {
        case ReportObjectKind::Text:
            DrawText(p, it, r, k, dpi);
            break;
        case ReportObjectKind::Line:
            p.setPen(LinePen(o, dpi));
            p.drawLine(r.topLeft(), r.bottomRight());
            break;
        case ReportObjectKind::Rect:
            p.setPen(LinePen(o, dpi));
            p.setBrush(o.fill.isValid() ? QBrush(o.fill) : QBrush(Qt::NoBrush));
            p.drawRect(r);
            p.setBrush(Qt::NoBrush);
            break;
        case ReportObjectKind::Picture:
            DrawPicture(p, it, r);
            break;
        case ReportObjectKind::Barcode:
            DrawBarcode(p, r, o.barcode, it.text, o.showText, ReportFont(o));
            break;
        }
    }
    p.restore();
}

QImage RenderReportPageImage(const PreparedPage& page, double dpi)
{
    const double k = dpi / 25.4;
    QImage img(std::max(1, qRound(page.width * k)), std::max(1, qRound(page.height * k)), QImage::Format_RGB32);
    img.setDotsPerMeterX(qRound(dpi / 0.0254));
    img.setDotsPerMeterY(qRound(dpi / 0.0254));
    img.fill(Qt::white);
    QPainter p(&img);
    RenderReportPage(p, page);
    return img;
}
