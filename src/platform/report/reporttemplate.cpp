#include "platform/report/reporttemplate.h"

#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

struct Paper {
    const char* name;
    double width, height;
};
const Paper kPapers[] = {
    { "A4", 210, 297 },
    { "A5", 148, 210 },
    { "B5", 176, 250 },
    { "Roll58", 58, 0 },
    { "Roll80", 80, 0 },
};

const std::pair<ReportBandType, const char*> kBandNames[] = {
    { ReportBandType::ReportTitle, "ReportTitle" },
    { ReportBandType::PageHeader, "PageHeader" },
    { ReportBandType::ColumnHeader, "ColumnHeader" },
    { ReportBandType::MasterData, "MasterData" },
    { ReportBandType::GroupHeader, "GroupHeader" },
    { ReportBandType::GroupFooter, "GroupFooter" },
    { ReportBandType::ReportSummary, "ReportSummary" },
    { ReportBandType::PageFooter, "PageFooter" },
    { ReportBandType::Child, "Child" },
};

const std::pair<ReportBarcodeType, const char*> kBarcodeNames[] = {
    { ReportBarcodeType::Ean13, "ean13" },
    { ReportBarcodeType::Code128, "code128" },
    { ReportBarcodeType::Code39, "code39" },
    { ReportBarcodeType::Qr, "qr" },
};

QString Num(double v)
{
    return QString::number(v, 'g', 10);
}

bool Flag(const QXmlStreamAttributes& a, const char* name, bool dflt)
{
    const QString v = a.value(QLatin1String(name)).toString().trimmed().toLower();
    if (v.isEmpty())
        return dflt;
    return v == QLatin1String("1") || v == QLatin1String("true") || v == QLatin1String("yes");
}

double Number(const QXmlStreamAttributes& a, const char* name, double dflt)
{
    bool ok = false;
    double v = a.value(QLatin1String(name)).toString().toDouble(&ok);
    return ok ? v : dflt;
}

QString Text(const QXmlStreamAttributes& a, const char* name)
{
    return a.value(QLatin1String(name)).toString();
}

QColor Colour(const QXmlStreamAttributes& a, const char* name, const QColor& dflt)
{
    const QString v = Text(a, name);
    if (v.isEmpty())
        return dflt;
    QColor c = QColor::fromString(v);
    return c.isValid() ? c : dflt;
}

Qt::Alignment HAlign(const QString& v)
{
    if (v == QLatin1String("center"))
        return Qt::AlignHCenter;
    if (v == QLatin1String("right"))
        return Qt::AlignRight;
    if (v == QLatin1String("justify"))
        return Qt::AlignJustify;
    return Qt::AlignLeft;
}

QString HAlignName(Qt::Alignment a)
{
    if (a & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (a & Qt::AlignRight)
        return QStringLiteral("right");
    if (a & Qt::AlignJustify)
        return QStringLiteral("justify");
    return QStringLiteral("left");
}

Qt::Alignment VAlign(const QString& v)
{
    if (v == QLatin1String("top"))
        return Qt::AlignTop;
    if (v == QLatin1String("bottom"))
        return Qt::AlignBottom;
    return Qt::AlignVCenter;
}

QString VAlignName(Qt::Alignment a)
{
    if (a & Qt::AlignTop)
        return QStringLiteral("top");
    if (a & Qt::AlignBottom)
        return QStringLiteral("bottom");
    return QStringLiteral("center");
}

void ReadFrame(const QString& v, ReportObject& o)
{
    const QStringList parts = v.toLower().split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& raw : parts) {
        const QString p = raw.trimmed();
        const bool all = p == QLatin1String("all");
        o.frameLeft |= all || p == QLatin1String("left");
        o.frameTop |= all || p == QLatin1String("top");
        o.frameRight |= all || p == QLatin1String("right");
        o.frameBottom |= all || p == QLatin1String("bottom");
    }
}

QString FrameName(const ReportObject& o)
{
    if (o.frameLeft && o.frameTop && o.frameRight && o.frameBottom)
        return QStringLiteral("all");
    QStringList p;
    if (o.frameLeft)
        p << QStringLiteral("left");
    if (o.frameTop)
        p << QStringLiteral("top");
    if (o.frameRight)
        p << QStringLiteral("right");
    if (o.frameBottom)
        p << QStringLiteral("bottom");
    return p.join(QLatin1Char(','));
}

class Reader {
public:
    explicit Reader(const QByteArray& xml) : r_(xml) { }

    bool Read(ReportTemplate& t)
    {
        if (!r_.readNextStartElement() || r_.name() != QLatin1String("report")) {
            r_.raiseError(QStringLiteral("not a report template"));
            return false;
        }
        t.name = Text(r_.attributes(), "name");
        while (r_.readNextStartElement()) {
            if (r_.name() == QLatin1String("variables"))
                ReadVariables(t);
            else if (r_.name() == QLatin1String("page"))
                ReadPage(t.page);
            else
                r_.skipCurrentElement();
        }
        return !r_.hasError();
    }

    QString Error() const { return QStringLiteral("%1 (line %2)").arg(r_.errorString()).arg(r_.lineNumber()); }

private:
    void ReadVariables(ReportTemplate& t)
    {
        while (r_.readNextStartElement()) {
            if (r_.name() == QLatin1String("variable")) {
                const auto a = r_.attributes();
                t.variables.append({ Text(a, "name"), Text(a, "value") });
            }
            r_.skipCurrentElement();
        }
    }

    void ReadPage(ReportPage& p)
    {
        const auto a = r_.attributes();
        p.SetPaper(a.hasAttribute(QLatin1String("paper")) ? Text(a, "paper") : QStringLiteral("A4"),
            Text(a, "orientation") == QLatin1String("landscape"));
        p.width = Number(a, "width", p.width);
        p.height = Number(a, "height", p.height);
        p.marginLeft = Number(a, "marginLeft", p.marginLeft);
        p.marginTop = Number(a, "marginTop", p.marginTop);
        p.marginRight = Number(a, "marginRight", p.marginRight);
        p.marginBottom = Number(a, "marginBottom", p.marginBottom);
        p.columns = std::max(1, int(Number(a, "columns", 1)));
        p.columnGap = Number(a, "columnGap", 0);
        p.printer = Text(a, "printer");
        while (r_.readNextStartElement()) {
            if (r_.name() == QLatin1String("band")) {
                p.bands.emplace_back();
                ReadBand(p.bands.back());
            } else {
                r_.skipCurrentElement();
            }
        }
    }

    void ReadBand(ReportBand& b)
    {
        const auto a = r_.attributes();
        const QString type = Text(a, "type");
        bool known = false;
        for (const auto& [t, n] : kBandNames)
            if (type == QLatin1String(n)) {
                b.type = t;
                known = true;
            }
        if (!known)
            r_.raiseError(QStringLiteral("unknown band type '%1'").arg(type));
        b.name = Text(a, "name");
        b.height = Number(a, "height", 0);
        b.dataset = Text(a, "dataset");
        b.rowsPerPage = std::max(0, int(Number(a, "rowsPerPage", 0)));
        b.groupField = Text(a, "field");
        b.group = Text(a, "group");
        while (r_.readNextStartElement()) {
            const auto n = r_.name();
            if (n == QLatin1String("band")) {
                b.children.emplace_back();
                ReadBand(b.children.back());
                b.children.back().type = ReportBandType::Child;
            } else if (n == QLatin1String("text") || n == QLatin1String("line") || n == QLatin1String("rect")
                || n == QLatin1String("picture") || n == QLatin1String("barcode")) {
                b.objects.emplace_back();
                ReadObject(b.objects.back());
            } else {
                r_.skipCurrentElement();
            }
        }
    }

    void ReadObject(ReportObject& o)
    {
        const auto a = r_.attributes();
        const auto n = r_.name();
        o.name = Text(a, "name");
        o.left = Number(a, "left", 0);
        o.top = Number(a, "top", 0);
        o.width = Number(a, "width", 0);
        o.height = Number(a, "height", 0);
        o.fontFamily = Text(a, "font");
        o.fontSize = Number(a, "size", o.fontSize);
        o.bold = Flag(a, "bold", false);
        o.italic = Flag(a, "italic", false);
        o.underline = Flag(a, "underline", false);
        o.color = Colour(a, "color", Qt::black);
        o.halign = HAlign(Text(a, "align"));
        o.valign = VAlign(Text(a, "valign"));
        o.wordWrap = Flag(a, "wrap", false);
        o.format = Text(a, "format");
        ReadFrame(Text(a, "frame"), o);
        o.frameWidth = Number(a, "frameWidth", o.frameWidth);
        o.frameColor = Colour(a, "frameColor", Qt::black);
        o.fill = Colour(a, "fill", QColor());
        o.padding = Number(a, "padding", o.padding);
        const QString st = Text(a, "stretch");
        o.stretch = st == QLatin1String("grow") ? ReportStretch::Grow
            : st == QLatin1String("band")       ? ReportStretch::Band
                                                : ReportStretch::None;
        if (n == QLatin1String("line") || n == QLatin1String("rect")) {
            o.kind = n == QLatin1String("line") ? ReportObjectKind::Line : ReportObjectKind::Rect;
            o.frameWidth = Number(a, "lineWidth", o.frameWidth);
            o.frameColor = Colour(a, "color", Qt::black);
            r_.skipCurrentElement();
        } else if (n == QLatin1String("picture")) {
            o.kind = ReportObjectKind::Picture;
            o.text = Text(a, "file");
            o.field = Text(a, "field");
            o.keepAspect = Flag(a, "keepAspect", true);
            r_.skipCurrentElement();
        } else if (n == QLatin1String("barcode")) {
            o.kind = ReportObjectKind::Barcode;
            const QString type = Text(a, "type").toLower();
            for (const auto& [t, name] : kBarcodeNames)
                if (type == QLatin1String(name))
                    o.barcode = t;
            o.showText = Flag(a, "showText", true);
            o.text = r_.readElementText();
        } else {
            o.kind = ReportObjectKind::Text;
            o.text = r_.readElementText();
        }
    }

    QXmlStreamReader r_;
};

void WriteObject(QXmlStreamWriter& w, const ReportObject& o)
{
    const ReportObject d;
    auto geometry = [&] {
        if (!o.name.isEmpty())
            w.writeAttribute(QStringLiteral("name"), o.name);
        w.writeAttribute(QStringLiteral("left"), Num(o.left));
        w.writeAttribute(QStringLiteral("top"), Num(o.top));
        w.writeAttribute(QStringLiteral("width"), Num(o.width));
        w.writeAttribute(QStringLiteral("height"), Num(o.height));
    };
    auto font = [&] {
        if (!o.fontFamily.isEmpty())
            w.writeAttribute(QStringLiteral("font"), o.fontFamily);
        if (o.fontSize != d.fontSize)
            w.writeAttribute(QStringLiteral("size"), Num(o.fontSize));
        if (o.bold)
            w.writeAttribute(QStringLiteral("bold"), QStringLiteral("1"));
        if (o.italic)
            w.writeAttribute(QStringLiteral("italic"), QStringLiteral("1"));
        if (o.underline)
            w.writeAttribute(QStringLiteral("underline"), QStringLiteral("1"));
        if (o.color != d.color)
            w.writeAttribute(QStringLiteral("color"), o.color.name());
    };
    switch (o.kind) {
    case ReportObjectKind::Line:
    case ReportObjectKind::Rect:
        w.writeStartElement(o.kind == ReportObjectKind::Line ? QStringLiteral("line") : QStringLiteral("rect"));
        geometry();
        w.writeAttribute(QStringLiteral("lineWidth"), Num(o.frameWidth));
        if (o.frameColor != d.frameColor)
            w.writeAttribute(QStringLiteral("color"), o.frameColor.name());
        if (o.fill.isValid())
            w.writeAttribute(QStringLiteral("fill"), o.fill.name());
        if (o.stretch == ReportStretch::Band)
            w.writeAttribute(QStringLiteral("stretch"), QStringLiteral("band"));
        w.writeEndElement();
        return;
    case ReportObjectKind::Picture:
        w.writeStartElement(QStringLiteral("picture"));
        geometry();
        if (!o.text.isEmpty())
            w.writeAttribute(QStringLiteral("file"), o.text);
        if (!o.field.isEmpty())
            w.writeAttribute(QStringLiteral("field"), o.field);
        if (!o.keepAspect)
            w.writeAttribute(QStringLiteral("keepAspect"), QStringLiteral("0"));
        w.writeEndElement();
        return;
    case ReportObjectKind::Barcode:
        w.writeStartElement(QStringLiteral("barcode"));
        geometry();
        for (const auto& [t, name] : kBarcodeNames)
            if (t == o.barcode)
                w.writeAttribute(QStringLiteral("type"), QLatin1String(name));
        if (!o.showText)
            w.writeAttribute(QStringLiteral("showText"), QStringLiteral("0"));
        font();
        w.writeCharacters(o.text);
        w.writeEndElement();
        return;
    case ReportObjectKind::Text:
        break;
    }
    w.writeStartElement(QStringLiteral("text"));
    geometry();
    font();
    if (o.halign != d.halign)
        w.writeAttribute(QStringLiteral("align"), HAlignName(o.halign));
    if (o.valign != d.valign)
        w.writeAttribute(QStringLiteral("valign"), VAlignName(o.valign));
    if (o.wordWrap)
        w.writeAttribute(QStringLiteral("wrap"), QStringLiteral("1"));
    if (!o.format.isEmpty())
        w.writeAttribute(QStringLiteral("format"), o.format);
    if (o.HasFrame()) {
        w.writeAttribute(QStringLiteral("frame"), FrameName(o));
        if (o.frameWidth != d.frameWidth)
            w.writeAttribute(QStringLiteral("frameWidth"), Num(o.frameWidth));
        if (o.frameColor != d.frameColor)
            w.writeAttribute(QStringLiteral("frameColor"), o.frameColor.name());
    }
    if (o.fill.isValid())
        w.writeAttribute(QStringLiteral("fill"), o.fill.name());
    if (o.padding != d.padding)
        w.writeAttribute(QStringLiteral("padding"), Num(o.padding));
    if (o.stretch != ReportStretch::None)
        w.writeAttribute(QStringLiteral("stretch"),
            o.stretch == ReportStretch::Grow ? QStringLiteral("grow") : QStringLiteral("band"));
    w.writeCharacters(o.text);
    w.writeEndElement();
}

void WriteBand(QXmlStreamWriter& w, const ReportBand& b)
{
    w.writeStartElement(QStringLiteral("band"));
    w.writeAttribute(QStringLiteral("type"), ReportBandTypeName(b.type));
    if (!b.name.isEmpty())
        w.writeAttribute(QStringLiteral("name"), b.name);
    w.writeAttribute(QStringLiteral("height"), Num(b.height));
    if (!b.dataset.isEmpty())
        w.writeAttribute(QStringLiteral("dataset"), b.dataset);
    if (b.rowsPerPage > 0)
        w.writeAttribute(QStringLiteral("rowsPerPage"), QString::number(b.rowsPerPage));
    if (!b.groupField.isEmpty())
        w.writeAttribute(QStringLiteral("field"), b.groupField);
    if (!b.group.isEmpty())
        w.writeAttribute(QStringLiteral("group"), b.group);
    for (const ReportObject& o : b.objects)
        WriteObject(w, o);
    for (const ReportBand& c : b.children)
        WriteBand(w, c);
    w.writeEndElement();
}

} // namespace

QString ReportBandTypeName(ReportBandType t)
{
    for (const auto& [type, n] : kBandNames)
        if (type == t)
            return QLatin1String(n);
    return QString();
}

double ReportPage::ColumnWidth() const
{
    const int n = std::max(1, columns);
    return (PrintableWidth() - columnGap * (n - 1)) / n;
}

void ReportPage::SetPaper(const QString& name, bool landscapeOn)
{
    paper = name;
    landscape = landscapeOn;
    for (const Paper& p : kPapers) {
        if (name.compare(QLatin1String(p.name), Qt::CaseInsensitive) != 0)
            continue;
        paper = QLatin1String(p.name);
        // A roll has no length to turn.
        if (landscapeOn && p.height > 0) {
            width = p.height;
            height = p.width;
        } else {
            width = p.width;
            height = p.height;
        }
        return;
    }
}

bool ReportTemplate::FromXml(const QByteArray& xml, QString* error)
{
    *this = ReportTemplate();
    Reader reader(xml);
    if (!reader.Read(*this)) {
        if (error)
            *error = reader.Error();
        *this = ReportTemplate();
        return false;
    }
    return true;
}

QByteArray ReportTemplate::ToXml() const
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(2);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("report"));
    if (!name.isEmpty())
        w.writeAttribute(QStringLiteral("name"), name);
    if (!variables.isEmpty()) {
        w.writeStartElement(QStringLiteral("variables"));
        for (const auto& [n, v] : variables) {
            w.writeStartElement(QStringLiteral("variable"));
            w.writeAttribute(QStringLiteral("name"), n);
            w.writeAttribute(QStringLiteral("value"), v.toString());
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeStartElement(QStringLiteral("page"));
    w.writeAttribute(QStringLiteral("paper"), page.paper);
    if (page.landscape)
        w.writeAttribute(QStringLiteral("orientation"), QStringLiteral("landscape"));
    w.writeAttribute(QStringLiteral("width"), Num(page.width));
    w.writeAttribute(QStringLiteral("height"), Num(page.height));
    w.writeAttribute(QStringLiteral("marginLeft"), Num(page.marginLeft));
    w.writeAttribute(QStringLiteral("marginTop"), Num(page.marginTop));
    w.writeAttribute(QStringLiteral("marginRight"), Num(page.marginRight));
    w.writeAttribute(QStringLiteral("marginBottom"), Num(page.marginBottom));
    if (page.columns > 1) {
        w.writeAttribute(QStringLiteral("columns"), QString::number(page.columns));
        w.writeAttribute(QStringLiteral("columnGap"), Num(page.columnGap));
    }
    if (!page.printer.isEmpty())
        w.writeAttribute(QStringLiteral("printer"), page.printer);
    for (const ReportBand& b : page.bands)
        WriteBand(w, b);
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

bool ReportTemplate::Load(const QString& file, QString* error)
{
    *this = ReportTemplate();
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return FromXml(f.readAll(), error);
}

bool ReportTemplate::Save(const QString& file, QString* error) const
{
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(ToXml()) < 0 || !f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}
