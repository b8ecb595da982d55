#include "platform/report/report.h"

#include "platform/db/dberror.h"
#include "platform/db/query.h"
#include "platform/db/rowfilter.h"
#include "platform/db/valuetext.h"
#include "platform/report/printlog.h"
#include "platform/report/reportlayout.h"
#include "platform/report/reportpreview.h"
#include "platform/report/reportrenderer.h"
#include "platform/ui/prompt.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

// A query under a dataset name, with the rows that pass the optional filter.
struct Report::Binding : ReportDataSource {
    QPointer<Query> query;
    QString filter;
    std::vector<int> rows;
    mutable QHash<QString, int> columns;
    QMetaObject::Connection conns[5];

    void Collect()
    {
        rows.clear();
        columns.clear();
        if (!query || !query->Active())
            return;
        const int n = query->RecordCount();
        std::unique_ptr<RowFilter> f;
        if (!filter.trimmed().isEmpty()) {
            try {
                f = std::make_unique<RowFilter>(filter, query->FieldNames());
            } catch (const DbError&) {
                f.reset(); // a filter the rows cannot take is dropped
            }
        }
        rows.reserve(n);
        for (int r = 0; r < n; ++r)
            if (!f || f->Matches([&](int c) { return query->ValueAt(r, c); }))
                rows.push_back(r);
    }

    int RowCount() const override { return int(rows.size()); }
    int FieldIndex(const QString& name) const override
    {
        auto it = columns.constFind(name);
        if (it != columns.constEnd())
            return *it;
        const int c = query ? query->FieldIndex(name) : -1;
        columns.insert(name, c);
        return c;
    }
    QVariant Value(int row, int col) const override { return query ? query->ValueAt(rows[row], col) : QVariant(); }
    QString Text(int row, int col) const override { return query ? query->TextAt(rows[row], col) : QString(); }
};

namespace {

// Wide pages go to the device as landscape, so printers turn the paper, not the drawing.
void SetDevicePage(QPagedPaintDevice& d, const PreparedPage& page)
{
    const bool wide = page.width > page.height;
    const QSizeF size = wide ? QSizeF(page.height, page.width) : QSizeF(page.width, page.height);
    QPageLayout layout(QPageSize(size, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
        wide ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    d.setPageLayout(layout);
}

bool PaintPages(QPagedPaintDevice& device, QPainter& p, const PreparedReport& r, int rounds)
{
    bool first = true;
    for (int round = 0; round < rounds; ++round)
        for (const PreparedPage& page : r.pages) {
            if (!first) {
                SetDevicePage(device, page);
                if (!device.newPage())
                    return false;
            }
            first = false;
            RenderReportPage(p, page);
        }
    return true;
}

QString NextPrintFile()
{
    static int serial = 0;
    QDir dir(PrintLog::OutputFolder());
    dir.mkpath(QStringLiteral("."));
    QString name;
    do {
        name = dir.filePath(QStringLiteral("print-%1.pdf").arg(++serial, 4, 10, QLatin1Char('0')));
    } while (QFileInfo::exists(name));
    return name;
}

} // namespace

bool ChoosePrinter(PrintOptions& options)
{
    QPrinter printer;
    if (!options.printer.isEmpty())
        printer.setPrinterName(options.printer);
    printer.setCopyCount(std::max(1, options.copies));
    QPrintDialog dialog(&printer);
    if (Prompt::ShowModal(&dialog) != QDialog::Accepted)
        return false;
    options.printer = printer.printerName();
    options.copies = printer.copyCount();
    return true;
}

Report::Report(QObject* parent) : QObject(parent) { }

Report::~Report()
{
    ClearDatasets();
}

bool Report::LoadFromFile(const QString& file)
{
    file_ = file;
    Invalidate();
    QString err;
    const bool ok = tmpl_.Load(file, &err);
    error_ = ok ? QString() : err;
    return ok;
}

bool Report::SaveToFile(const QString& file)
{
    QString err;
    if (!tmpl_.Save(file, &err)) {
        error_ = err;
        return false;
    }
    file_ = file;
    return true;
}

void Report::Clear()
{
    tmpl_ = ReportTemplate();
    file_.clear();
    Invalidate();
}

ReportTemplate& Report::Template()
{
    Invalidate();
    return tmpl_;
}

void Report::SetVariable(const QString& name, const QVariant& value)
{
    Invalidate();
    for (auto& v : tmpl_.variables)
        if (v.first == name) {
            v.second = value;
            return;
        }
    tmpl_.variables.append({ name, value });
}

QVariant Report::Variable(const QString& name) const
{
    for (const auto& v : tmpl_.variables)
        if (v.first == name)
            return v.second;
    return QVariant();
}

bool Report::HasVariable(const QString& name) const
{
    for (const auto& v : tmpl_.variables)
        if (v.first == name)
            return true;
    return false;
}

QStringList Report::VariableNames() const
{
    QStringList names;
    for (const auto& v : tmpl_.variables)
        names << v.first;
    return names;
}

void Report::ClearVariables()
{
    Invalidate();
    tmpl_.variables.clear();
}

void Report::SetDataset(const QString& name, Query* query, const QString& filter)
{
    RemoveDataset(name);
    if (!query)
        return;
    auto b = std::make_shared<Binding>();
    b->query = query;
    b->filter = filter;
    // New rows in a bound query make the prepared pages stale.
    auto stale = [this] { Invalidate(); };
    b->conns[0] = connect(query, &Query::reset, this, stale);
    b->conns[1] = connect(query, &Query::rowChanged, this, stale);
    b->conns[2] = connect(query, &Query::rowInserted, this, stale);
    b->conns[3] = connect(query, &Query::rowRemoved, this, stale);
    b->conns[4] = connect(query, &QObject::destroyed, this, stale);
    datasets_.insert(name, b);
}

void Report::RemoveDataset(const QString& name)
{
    auto it = datasets_.find(name);
    if (it == datasets_.end())
        return;
    for (auto& c : (*it)->conns)
        disconnect(c);
    datasets_.erase(it);
    Invalidate();
}

void Report::ClearDatasets()
{
    const QStringList names = datasets_.keys();
    for (const QString& n : names)
        RemoveDataset(n);
}

Query* Report::Dataset(const QString& name) const
{
    auto it = datasets_.constFind(name);
    return it == datasets_.constEnd() ? nullptr : (*it)->query.data();
}

void Report::PrepareReport()
{
    QHash<QString, QVariant> vars;
    for (const auto& v : tmpl_.variables)
        vars.insert(v.first, v.second);
    QHash<QString, const ReportDataSource*> sources;
    for (auto it = datasets_.begin(); it != datasets_.end(); ++it) {
        (*it)->Collect();
        sources.insert(it.key(), it->get());
    }
    pages_ = LayoutReport(tmpl_, vars, sources);
    prepared_ = true;
}

void Report::EnsurePrepared()
{
    if (!prepared_)
        PrepareReport();
}

int Report::PageCount()
{
    EnsurePrepared();
    return int(pages_.pages.size());
}

const PreparedReport& Report::Pages()
{
    EnsurePrepared();
    return pages_;
}

QImage Report::RenderPage(int index, int dpi)
{
    EnsurePrepared();
    if (index < 0 || index >= int(pages_.pages.size()))
        return QImage();
    return RenderReportPageImage(pages_.pages[index], dpi);
}

void Report::Record(const QString& action, int copies, const QString& printer, const QString& output)
{
    PrintRecord r;
    r.action = action;
    r.templateFile = file_;
    for (const auto& v : tmpl_.variables)
        r.variables.insert(v.first, ValueText(v.second));
    for (auto it = datasets_.constBegin(); it != datasets_.constEnd(); ++it) {
        const Binding& b = **it;
        PrintedRows rows;
        if (b.query) {
            rows.fields = b.query->FieldNames();
            for (int row : b.rows) {
                QStringList line;
                line.reserve(rows.fields.size());
                for (int c = 0; c < rows.fields.size(); ++c)
                    line << b.query->TextAt(row, c);
                rows.rows << line;
            }
        }
        r.datasets.insert(it.key(), rows);
    }
    r.pages = int(pages_.pages.size());
    r.copies = copies;
    r.printer = printer;
    r.outputFile = output;
    PrintLog::Add(std::move(r));
}

int Report::ShowReport()
{
    EnsurePrepared();
    Record(QStringLiteral("preview"), 0, QString(), QString());
    ReportPreview preview(this);
    return Prompt::ShowModal(&preview);
}

bool Report::Print(const PrintOptions& options)
{
    error_.clear();
    QString printer = options.printer.isEmpty() ? tmpl_.page.printer : options.printer;
    int copies = options.copies;
    if (options.showDialog) {
        PrintOptions chosen = options;
        chosen.printer = printer;
        if (!ChoosePrinter(chosen))
            return false;
        printer = chosen.printer;
        copies = chosen.copies;
    }
    if (copies < 1)
        return false;
    EnsurePrepared();
    if (pages_.pages.empty()) {
        error_ = QStringLiteral("报表没有可打印的页");
        return false;
    }
    if (PrintLog::PrintsToFiles()) {
        const QString file = NextPrintFile();
        if (!WritePdf(file, copies))
            return false;
        Record(QStringLiteral("print"), copies, printer, file);
        return true;
    }

    QPrinter device(QPrinter::HighResolution);
    if (!printer.isEmpty())
        device.setPrinterName(printer);
    if (!device.isValid()) {
        error_ = QStringLiteral("找不到打印机：") + printer;
        return false;
    }
    device.setFullPage(true);
    device.setDocName(tmpl_.name.isEmpty() ? QFileInfo(file_).completeBaseName() : tmpl_.name);
    SetDevicePage(device, pages_.pages.front());
    // Where the driver cannot make copies itself, the pages are sent that many times.
    int rounds = 1;
    if (device.supportsMultipleCopies())
        device.setCopyCount(copies);
    else
        rounds = copies;
    QPainter p;
    if (!p.begin(&device)) {
        error_ = QStringLiteral("无法连接打印机：") + device.printerName();
        return false;
    }
    const bool ok = PaintPages(device, p, pages_, rounds);
    p.end();
    if (!ok) {
        error_ = QStringLiteral("打印中断：") + device.printerName();
        return false;
    }
    Record(QStringLiteral("print"), copies, printer, QString());
    return true;
}

bool Report::WritePdf(const QString& file, int copies)
{
    QPdfWriter writer(file);
    writer.setCreator(QStringLiteral("Vestora"));
    writer.setTitle(tmpl_.name);
    SetDevicePage(writer, pages_.pages.front());
    QPainter p;
    if (!p.begin(&writer)) {
        error_ = QStringLiteral("无法写入文件：") + file;
        return false;
    }
    const bool ok = PaintPages(writer, p, pages_, copies);
    p.end();
    if (!ok || QFileInfo(file).size() == 0) {
        error_ = QStringLiteral("无法写入文件：") + file;
        return false;
    }
    return true;
}

bool Report::ExportPdf(const QString& file)
{
    error_.clear();
    EnsurePrepared();
    if (pages_.pages.empty()) {
        error_ = QStringLiteral("报表没有可导出的页");
        return false;
    }
    return WritePdf(file, 1);
}

QStringList Report::ExportPng(const QString& file, int dpi)
{
    error_.clear();
    EnsurePrepared();
    QStringList written;
    const int n = int(pages_.pages.size());
    if (n == 0)
        error_ = QStringLiteral("报表没有可导出的页");
    const QFileInfo fi(file);
    for (int i = 0; i < n; ++i) {
        QString name = file;
        if (n > 1)
            name = fi.dir().filePath(fi.completeBaseName() + QStringLiteral("_%1.").arg(i + 1) + fi.suffix());
        if (!RenderReportPageImage(pages_.pages[i], dpi).save(name, "PNG")) {
            error_ = QStringLiteral("无法写入文件：") + name;
            return written;
        }
        written << name;
    }
    return written;
}
