#include "platform/report/reportlayout.h"

#include "platform/base/displayformat.h"
#include "platform/base/programfolder.h"
#include "platform/db/valuetext.h"
#include "platform/report/reportexpression.h"
#include "platform/report/reportrenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <limits>

namespace {

// Texts are measured at the resolution PDFs are written at, so that the heights
// worked out here hold on paper too.
constexpr double kMeasureDpi = 1200;
constexpr double kEpsilon = 1e-6;
// Stands for the page count until the last page is known.
const QChar kTotalPagesMark(0xE000);

const QPaintDevice* MeasureDevice()
{
    static QImage device = [] {
        QImage img(1, 1, QImage::Format_RGB32);
        img.setDotsPerMeterX(qRound(kMeasureDpi / 0.0254));
        img.setDotsPerMeterY(qRound(kMeasureDpi / 0.0254));
        return img;
    }();
    return &device;
}

bool AsNumber(const QVariant& v, double& out)
{
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        out = v.toDouble();
        return true;
    case QMetaType::QString: {
        const QString s = v.toString().trimmed();
        if (s.isEmpty())
            return false;
        bool ok = false;
        out = QLocale::c().toDouble(s, &ok);
        return ok;
    }
    default:
        return false;
    }
}

struct Block {
    double height = 0;
    std::vector<PreparedItem> items;
};

struct Acc {
    double sum = 0;
    int count = 0;
};
using Accs = QHash<QString, Acc>;

QString SumKey(const QString& ds, const QString& field)
{
    return ds + QChar(0x1F) + field.toLower();
}

// One data section: a master band with the group headers before it and the group
// footers after it, outermost group first.
struct Section {
    const ReportBand* master = nullptr;
    std::vector<const ReportBand*> headers;
    std::vector<const ReportBand*> footers; // by group level; may hold nullptr
};

class Layout {
public:
    Layout(const ReportTemplate& t, const QHash<QString, QVariant>& vars,
        const QHash<QString, const ReportDataSource*>& ds)
        : pg_(t.page), vars_(vars), ds_(ds)
    {
    }

    PreparedReport Run()
    {
        if (pg_.bands.empty())
            return {};
        Classify();
        for (const auto& [name, src] : ds_.asKeyValueRange())
            cur_[name] = src && src->RowCount() > 0 ? 0 : -1;
        StartPage(true);
        for (const Section& s : sections_)
            RunSection(s);
        if (summary_)
            Place(Build(*summary_, Scope::Report));
        EndPage();
        const QString total = QString::number(out_.pages.size());
        for (PreparedPage& p : out_.pages)
            for (PreparedItem& it : p.items)
                if (it.text.contains(kTotalPagesMark))
                    it.text.replace(kTotalPagesMark, total);
        return std::move(out_);
    }

private:
    enum class Scope { Report, Page, Group };

    void Classify()
    {
        std::vector<const ReportBand*> pendingHeaders;
        Section* last = nullptr;
        for (const ReportBand& b : pg_.bands) {
            switch (b.type) {
            case ReportBandType::ReportTitle:
                title_ = title_ ? title_ : &b;
                break;
            case ReportBandType::PageHeader:
                pageHeader_ = pageHeader_ ? pageHeader_ : &b;
                break;
            case ReportBandType::ColumnHeader:
                columnHeader_ = columnHeader_ ? columnHeader_ : &b;
                break;
            case ReportBandType::PageFooter:
                pageFooter_ = pageFooter_ ? pageFooter_ : &b;
                break;
            case ReportBandType::ReportSummary:
                summary_ = summary_ ? summary_ : &b;
                break;
            case ReportBandType::GroupHeader:
                pendingHeaders.push_back(&b);
                break;
            case ReportBandType::MasterData:
                sections_.push_back({ &b, pendingHeaders, {} });
                sections_.back().footers.assign(pendingHeaders.size(), nullptr);
                pendingHeaders.clear();
                last = &sections_.back();
                break;
            case ReportBandType::GroupFooter:
                if (last)
                    AttachFooter(*last, b);
                break;
            case ReportBandType::Child:
                break;
            }
        }
    }

    static void AttachFooter(Section& s, const ReportBand& b)
    {
        const int n = int(s.headers.size());
        int level = -1;
        for (int i = 0; i < n && !b.group.isEmpty(); ++i)
            if (s.headers[i]->name == b.group)
                level = i;
        // Unnamed footers close the innermost group still open.
        for (int i = n - 1; i >= 0 && level < 0; --i)
            if (!s.footers[i])
                level = i;
        if (level >= 0)
            s.footers[level] = &b;
    }

    // ---- pages

    double PageHeight() const { return pg_.Endless() ? 0 : pg_.height; }

    void StartPage(bool first)
    {
        out_.pages.push_back({ pg_.width, PageHeight(), {} });
        ++pageNo_;
        y_ = pg_.marginTop;
        col_ = 0;
        pageRows_ = 0;
        pageAcc_.clear();
        limit_ = std::numeric_limits<double>::max();
        if (!pg_.Endless()) {
            const double footer = pageFooter_ ? pageFooter_->height : 0;
            limit_ = pg_.height - pg_.marginBottom - footer;
        }
        if (first && title_)
            PlaceAt(Build(*title_, Scope::Report), 0);
        if (pageHeader_)
            PlaceAt(Build(*pageHeader_, Scope::Report), 0);
        columnHeaderOnPage_ = false;
        if (inData_ && columnHeader_) {
            PlaceAt(Build(*columnHeader_, Scope::Report), 0);
            columnHeaderOnPage_ = true;
        }
        bodyTop_ = y_;
    }

    void EndPage()
    {
        PreparedPage& page = out_.pages.back();
        if (pageFooter_) {
            Block b = Build(*pageFooter_, Scope::Page);
            const double top = pg_.Endless() ? y_ : pg_.height - pg_.marginBottom - b.height;
            Append(page, b, pg_.marginLeft, top);
            y_ = top + b.height;
        }
        if (pg_.Endless())
            page.height = y_ + pg_.marginBottom;
    }

    void NewPage()
    {
        EndPage();
        StartPage(false);
    }

    bool Fits(double h) const { return y_ + h <= limit_ + kEpsilon; }

    static void Append(PreparedPage& page, Block& b, double x, double y)
    {
        for (PreparedItem& it : b.items) {
            it.rect.translate(x, y);
            page.items.push_back(std::move(it));
        }
    }

    void PlaceAt(Block b, double x)
    {
        Append(out_.pages.back(), b, pg_.marginLeft + x, y_);
        y_ += b.height;
    }

    // A band that does not fit starts a new page, unless the page holds nothing
    // else yet: a band taller than a page is printed as far as it goes.
    void Place(Block b)
    {
        col_ = 0;
        if (!Fits(b.height) && y_ > bodyTop_ + kEpsilon)
            NewPage();
        PlaceAt(std::move(b), 0);
    }

    // Master rows go across the label columns, then down.
    void PlaceRow(Block b)
    {
        if (pg_.columns <= 1) {
            Place(std::move(b));
            return;
        }
        if (col_ == 0) {
            if (!Fits(b.height) && y_ > bodyTop_ + kEpsilon)
                NewPage();
            rowTop_ = y_;
            rowHeight_ = 0;
        }
        const double x = col_ * (pg_.ColumnWidth() + pg_.columnGap);
        Append(out_.pages.back(), b, pg_.marginLeft + x, rowTop_);
        rowHeight_ = std::max(rowHeight_, b.height);
        y_ = rowTop_ + rowHeight_;
        if (++col_ >= pg_.columns)
            col_ = 0;
    }

    // ---- data

    void RunSection(const Section& s)
    {
        const QString dsName = s.master->dataset;
        const ReportDataSource* src = ds_.value(dsName);
        const int rows = src ? src->RowCount() : 0;
        const int levels = int(s.headers.size());
        std::vector<QString> keys(levels);
        groupAcc_.assign(levels, Accs());

        inData_ = true;
        if (columnHeader_ && !columnHeaderOnPage_) {
            Block b = Build(*columnHeader_, Scope::Report);
            if (!Fits(b.height) && y_ > bodyTop_ + kEpsilon)
                NewPage(); // the new page prints the column header itself
            else {
                PlaceAt(std::move(b), 0);
                columnHeaderOnPage_ = true;
            }
        }
        for (int r = 0; r < rows; ++r) {
            int changed = levels;
            for (int l = 0; l < levels; ++l) {
                const QString k = GroupKey(*src, *s.headers[l], r);
                if (changed == levels && (r == 0 || k != keys[l]))
                    changed = l;
                keys[l] = k;
            }
            if (r > 0)
                for (int l = levels - 1; l >= changed; --l)
                    PrintGroupBand(s.footers[l], l);
            cur_[dsName] = r;
            line_ = r + 1;
            for (int l = changed; l < levels; ++l) {
                groupAcc_[l].clear();
                PrintGroupBand(s.headers[l], l);
            }
            const int perPage = s.master->rowsPerPage;
            if (perPage > 0 && pageRows_ >= perPage)
                NewPage();
            Accumulate(dsName, *src, r, false);
            Block b = Build(*s.master, Scope::Report);
            PlaceRow(std::move(b));
            Accumulate(dsName, *src, r, true);
            ++pageRows_;
        }
        // Fill the last page up with empty rows.
        const int perPage = s.master->rowsPerPage;
        if (perPage > 0) {
            filler_ = true;
            cur_[dsName] = -1;
            for (int i = pageRows_; i < perPage; ++i) {
                PlaceRow(Build(*s.master, Scope::Report));
                ++pageRows_;
            }
            filler_ = false;
        }
        col_ = 0;
        cur_[dsName] = rows - 1;
        line_ = rows;
        if (rows > 0)
            for (int l = levels - 1; l >= 0; --l)
                PrintGroupBand(s.footers[l], l);
        inData_ = false;
    }

    void PrintGroupBand(const ReportBand* b, int level)
    {
        if (!b)
            return;
        group_ = level;
        Place(Build(*b, Scope::Group));
    }

    QString GroupKey(const ReportDataSource& src, const ReportBand& header, int row)
    {
        const int c = src.FieldIndex(header.groupField);
        return c < 0 ? QString() : src.Text(row, c);
    }

    void Accumulate(const QString& dsName, const ReportDataSource& src, int row, bool page)
    {
        auto add = [&](Accs& a) {
            a[SumKey(dsName, QString())].count += 1;
            for (const QString& f : SumFields(dsName)) {
                const int c = src.FieldIndex(f);
                if (c >= 0)
                    a[SumKey(dsName, f)].sum += ValueNumber(src.Value(row, c));
            }
        };
        if (page) {
            add(pageAcc_);
            return;
        }
        add(reportAcc_);
        for (Accs& g : groupAcc_)
            add(g);
    }

    // The fields that some SUM of the template adds up, per dataset.
    const QStringList& SumFields(const QString& dsName)
    {
        if (!sumFieldsReady_) {
            sumFieldsReady_ = true;
            std::function<void(const ReportBand&)> scan = [&](const ReportBand& b) {
                for (const ReportObject& o : b.objects)
                    for (const ReportSegment& s : Parsed(o))
                        if (s.kind == ReportSegment::Kind::Sum && !sumFields_[s.dataset].contains(s.field))
                            sumFields_[s.dataset].append(s.field);
                for (const ReportBand& c : b.children)
                    scan(c);
            };
            for (const ReportBand& b : pg_.bands)
                scan(b);
        }
        static const QStringList none;
        auto it = sumFields_.constFind(dsName);
        return it == sumFields_.constEnd() ? none : *it;
    }

    // ---- bands and objects

    const ReportExpression& Parsed(const ReportObject& o)
    {
        auto it = parsed_.find(&o);
        if (it == parsed_.end())
            it = parsed_.insert(&o, ParseReportText(o.text));
        return *it;
    }

    Block Build(const ReportBand& band, Scope scope)
    {
        scope_ = scope;
        Block b;
        b.height = band.height;
        for (const ReportObject& o : band.objects) {
            PreparedItem it;
            it.object = &o;
            it.rect = QRectF(o.left, o.top, o.width, o.height);
            switch (o.kind) {
            case ReportObjectKind::Text:
                it.text = Evaluate(o);
                if (o.stretch == ReportStretch::Grow) {
                    const double need = MeasureTextHeight(o, it.text);
                    if (need > it.rect.height())
                        it.rect.setHeight(need);
                }
                break;
            case ReportObjectKind::Barcode:
                it.text = Evaluate(o);
                break;
            case ReportObjectKind::Picture:
                it.image = Picture(o);
                break;
            case ReportObjectKind::Line:
            case ReportObjectKind::Rect:
                break;
            }
            b.height = std::max(b.height, it.rect.bottom());
            b.items.push_back(std::move(it));
        }
        for (PreparedItem& it : b.items)
            if (it.object->stretch == ReportStretch::Band && b.height > it.rect.bottom())
                it.rect.setBottom(b.height);
        for (const ReportBand& child : band.children) {
            Block c = Build(child, scope);
            for (PreparedItem& it : c.items) {
                it.rect.translate(0, b.height);
                b.items.push_back(std::move(it));
            }
            b.height += c.height;
        }
        return b;
    }

    QString Evaluate(const ReportObject& o)
    {
        QString out;
        for (const ReportSegment& s : Parsed(o)) {
            switch (s.kind) {
            case ReportSegment::Kind::Literal:
                out += s.text;
                break;
            case ReportSegment::Kind::Variable: {
                auto it = vars_.constFind(s.text);
                if (it != vars_.constEnd())
                    out += Formatted(*it, ValueText(*it), o.format);
                break;
            }
            case ReportSegment::Kind::Field:
                out += FieldText(s.dataset, s.field, o.format);
                break;
            case ReportSegment::Kind::Sum:
                if (!filler_) {
                    const double v = Aggregate(s.dataset, s.field).sum;
                    out += o.format.isEmpty() ? NumberText(v) : FormatFloat(o.format, v);
                }
                break;
            case ReportSegment::Kind::Count:
                if (!filler_)
                    out += QString::number(Aggregate(s.dataset, QString()).count);
                break;
            case ReportSegment::Kind::Page:
                out += QString::number(pageNo_);
                break;
            case ReportSegment::Kind::TotalPages:
                out += kTotalPagesMark;
                break;
            case ReportSegment::Kind::Line:
                if (!filler_ && line_ > 0)
                    out += QString::number(line_);
                break;
            }
        }
        return out;
    }

    static QString Formatted(const QVariant& v, const QString& text, const QString& format)
    {
        double d = 0;
        if (!format.isEmpty() && AsNumber(v, d))
            return FormatFloat(format, d);
        return text;
    }

    QString FieldText(const QString& dsName, const QString& field, const QString& format)
    {
        const ReportDataSource* src = ds_.value(dsName);
        const int row = cur_.value(dsName, -1);
        if (!src || row < 0 || row >= src->RowCount())
            return QString();
        const int c = src->FieldIndex(field);
        if (c < 0)
            return QString();
        return Formatted(src->Value(row, c), src->Text(row, c), format);
    }

    Acc Aggregate(const QString& ds, const QString& field)
    {
        const QString key = SumKey(ds, field);
        switch (scope_) {
        case Scope::Page:
            return pageAcc_.value(key);
        case Scope::Group:
            if (group_ >= 0 && group_ < int(groupAcc_.size()))
                return groupAcc_[group_].value(key);
            return Acc();
        case Scope::Report:
            break;
        }
        return reportAcc_.value(key);
    }

    QImage Picture(const ReportObject& o)
    {
        if (!o.field.isEmpty()) {
            if (filler_)
                return QImage();
            const ReportExpression e = ParseReportText(QLatin1Char('[') + o.field + QLatin1Char(']'));
            if (e.size() != 1 || e[0].kind != ReportSegment::Kind::Field)
                return QImage();
            const ReportDataSource* src = ds_.value(e[0].dataset);
            const int row = cur_.value(e[0].dataset, -1);
            const int c = src ? src->FieldIndex(e[0].field) : -1;
            if (c < 0 || row < 0)
                return QImage();
            const QVariant v = src->Value(row, c);
            if (v.typeId() == QMetaType::QByteArray)
                return QImage::fromData(v.toByteArray());
            return PictureFile(v.toString());
        }
        return PictureFile(o.text);
    }

    QImage PictureFile(const QString& name)
    {
        if (name.trimmed().isEmpty())
            return QImage();
        QString path = name.trimmed();
        if (QFileInfo(path).isRelative())
            path = ProgramFolder::File(path);
        auto it = pictures_.constFind(path);
        if (it != pictures_.constEnd())
            return *it;
        QImage img(path);
        pictures_.insert(path, img);
        return img;
    }

    const ReportPage& pg_;
    const QHash<QString, QVariant>& vars_;
    const QHash<QString, const ReportDataSource*>& ds_;

    const ReportBand* title_ = nullptr;
    const ReportBand* pageHeader_ = nullptr;
    const ReportBand* columnHeader_ = nullptr;
    const ReportBand* pageFooter_ = nullptr;
    const ReportBand* summary_ = nullptr;
    std::vector<Section> sections_;

    PreparedReport out_;
    int pageNo_ = 0;
    double y_ = 0, limit_ = 0, bodyTop_ = 0;
    int col_ = 0;
    double rowTop_ = 0, rowHeight_ = 0;
    int pageRows_ = 0;
    bool inData_ = false;
    bool columnHeaderOnPage_ = false;
    bool filler_ = false;
    int line_ = 0;
    QHash<QString, int> cur_;

    Scope scope_ = Scope::Report;
    int group_ = -1;
    Accs reportAcc_, pageAcc_;
    std::vector<Accs> groupAcc_;
    bool sumFieldsReady_ = false;
    QHash<QString, QStringList> sumFields_;

    QHash<const ReportObject*, ReportExpression> parsed_;
    QHash<QString, QImage> pictures_;
};

} // namespace

double MeasureTextHeight(const ReportObject& o, const QString& text)
{
    const double k = kMeasureDpi / 25.4;
    const QFontMetricsF fm(ReportFont(o), MeasureDevice());
    const double width = std::max(0.0, o.width - 2 * o.padding) * k;
    int flags = int(o.halign);
    if (o.wordWrap)
        flags |= Qt::TextWordWrap;
    const QRectF r = fm.boundingRect(QRectF(0, 0, width, 1e9), flags, text.isEmpty() ? QStringLiteral(" ") : text);
    const QRectF one = fm.boundingRect(QRectF(0, 0, width, 1e9), flags, QStringLiteral(" "));
    // The designed height holds one line; every further line adds its height.
    return o.height + std::max(0.0, r.height() - one.height()) / k;
}

PreparedReport LayoutReport(const ReportTemplate& tmpl, const QHash<QString, QVariant>& variables,
    const QHash<QString, const ReportDataSource*>& datasets)
{
    return Layout(tmpl, variables, datasets).Run();
}
