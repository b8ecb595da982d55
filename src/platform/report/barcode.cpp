#include "platform/report/barcode.h"

#include <QPainter>
#include <memory>
#include <zint.h>

namespace {

struct SymbolDeleter {
    void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};
using Symbol = std::unique_ptr<zint_symbol, SymbolDeleter>;

Symbol Encode(ReportBarcodeType type, const QByteArray& utf8, bool showText, float height)
{
    Symbol s(ZBarcode_Create());
    if (!s)
        return nullptr;
    s->symbology = ZintSymbology(type);
    s->input_mode = UNICODE_MODE;
    s->show_hrt = showText ? 1 : 0;
    if (height > 0)
        s->height = height;
    const int rc = ZBarcode_Encode(s.get(), reinterpret_cast<const unsigned char*>(utf8.constData()), int(utf8.size()));
    if (rc >= ZINT_ERROR)
        return nullptr;
    if (ZBarcode_Buffer_Vector(s.get(), 0) >= ZINT_ERROR || !s->vector)
        return nullptr;
    return s;
}

void Draw(QPainter& p, const zint_symbol& s, const QPointF& origin, double scale, const QFont& font)
{
    const zint_vector& v = *s.vector;
    p.save();
    p.setPen(Qt::NoPen);
    for (const zint_vector_rect* r = v.rectangles; r; r = r->next) {
        // Colour 8 is white: the light modules some symbols draw over dark ones.
        p.setBrush(r->colour == 8 ? Qt::white : Qt::black);
        p.drawRect(QRectF(origin.x() + r->x * scale, origin.y() + r->y * scale, r->width * scale, r->height * scale));
    }
    p.setBrush(Qt::black);
    for (const zint_vector_hexagon* h = v.hexagons; h; h = h->next) {
        const double d = h->diameter * scale;
        p.drawEllipse(QPointF(origin.x() + h->x * scale, origin.y() + h->y * scale), d / 2, d / 2);
    }
    for (const zint_vector_circle* c = v.circles; c; c = c->next) {
        const double d = c->diameter * scale;
        p.setBrush(c->colour ? Qt::white : Qt::black);
        p.drawEllipse(QPointF(origin.x() + c->x * scale, origin.y() + c->y * scale), d / 2, d / 2);
    }
    p.setPen(Qt::black);
    const double dpi = p.device() ? p.device()->logicalDpiY() : 96;
    for (const zint_vector_string* t = v.strings; t; t = t->next) {
        QFont f = font;
        // zint gives the size in its own units; points follow from the device resolution.
        f.setPointSizeF(std::max(1.0, t->fsize * scale * 72.0 / dpi));
        p.setFont(f);
        const QString text = QString::fromUtf8(reinterpret_cast<const char*>(t->text), t->length);
        const QFontMetricsF fm(f, p.device());
        const double w = fm.horizontalAdvance(text);
        double x = origin.x() + t->x * scale;
        if (t->halign == 0)
            x -= w / 2;
        else if (t->halign == 2)
            x -= w;
        p.drawText(QPointF(x, origin.y() + t->y * scale), text);
    }
    p.restore();
}

} // namespace

int ZintSymbology(ReportBarcodeType type)
{
    switch (type) {
    case ReportBarcodeType::Ean13:
        return BARCODE_EANX;
    case ReportBarcodeType::Code39:
        return BARCODE_CODE39;
    case ReportBarcodeType::Qr:
        return BARCODE_QRCODE;
    case ReportBarcodeType::Code128:
        break;
    }
    return BARCODE_CODE128;
}

bool DrawBarcode(
    QPainter& p, const QRectF& rect, ReportBarcodeType type, const QString& data, bool showText, const QFont& font)
{
    const QByteArray utf8 = data.trimmed().toUtf8();
    if (utf8.isEmpty() || rect.width() <= 0 || rect.height() <= 0)
        return false;
    if (type == ReportBarcodeType::Qr) {
        Symbol s = Encode(type, utf8, false, 0);
        if (!s)
            return false;
        const double scale = std::min(rect.width() / s->vector->width, rect.height() / s->vector->height);
        const QPointF origin(rect.left() + (rect.width() - s->vector->width * scale) / 2,
            rect.top() + (rect.height() - s->vector->height * scale) / 2);
        Draw(p, *s, origin, scale, font);
        return true;
    }
    // Linear codes: first learn the width and the room the text takes below the
    // bars, then encode again with bars as tall as the rectangle leaves them.
    Symbol probe = Encode(type, utf8, showText, 0);
    if (!probe)
        return false;
    const double scale = rect.width() / probe->vector->width;
    const double barUnits = 2.0 * probe->height; // vector units are half an X-dimension
    const double textUnits = std::max(0.0, double(probe->vector->height) - barUnits);
    double bars = rect.height() / scale - textUnits;
    bool text = showText;
    if (bars < textUnits) {
        // Too low for text and bars: bars only.
        text = false;
        bars = rect.height() / scale;
    }
    Symbol s = Encode(type, utf8, text, float(bars / 2.0));
    if (!s)
        return false;
    const double fit = std::min(scale, rect.height() / s->vector->height);
    Draw(p, *s, QPointF(rect.left() + (rect.width() - s->vector->width * fit) / 2, rect.top()), fit, font);
    return true;
}
