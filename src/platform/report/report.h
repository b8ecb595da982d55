#pragma once
#include "platform/report/preparedreport.h"
#include "platform/report/reporttemplate.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class Query;

struct PrintOptions {
    // Empty: the printer the template names, else the default printer.
    QString printer;
    int copies = 1;
    // Shows the printer dialog first; cancelling it prints nothing.
    bool showDialog = false;
};

// The printer dialog (windows show it before they print): the operator's printer
// and number of copies go into the options. False when the dialog is cancelled.
bool ChoosePrinter(PrintOptions& options);

// A report: a template from report/, the variables and datasets the caller sets,
// and the pages made from them, shown in the preview, printed, or exported to
// PDF and PNG. Variables are plain values (text, numbers): a value prints as it
// stands, apostrophes and brackets included.
class Report : public QObject {
    Q_OBJECT
public:
    explicit Report(QObject* parent = nullptr);
    ~Report() override;

    // Reads the template. A missing or unreadable file leaves an empty report
    // (no pages) and returns false; it raises no error.
    bool LoadFromFile(const QString& file);
    bool SaveToFile(const QString& file);
    // An empty report.
    void Clear();
    QString FileName() const { return file_; }
    ReportTemplate& Template();
    const ReportTemplate& Template() const { return tmpl_; }

    // Sets a variable by name; a name the template lacks is added.
    void SetVariable(const QString& name, const QVariant& value);
    QVariant Variable(const QString& name) const;
    bool HasVariable(const QString& name) const;
    QStringList VariableNames() const;
    // Empties the variable list, the template's own defaults included.
    void ClearVariables();

    // Binds a dataset name of the template to a query. A filter expression (a grid's
    // filter) narrows the printed rows; one that cannot be read prints them all.
    void SetDataset(const QString& name, Query* query, const QString& filter = QString());
    void RemoveDataset(const QString& name);
    void ClearDatasets();
    Query* Dataset(const QString& name) const;

    // Fills the pages. Showing, printing and exporting prepare first when anything
    // changed since (template, variables, datasets or their rows).
    void PrepareReport();
    int PageCount();
    const PreparedReport& Pages();
    // One page as an image at a whole number of dots per inch.
    QImage RenderPage(int index, int dpi = 150);

    // The preview window, modal; the operator may print and export from it.
    int ShowReport();
    // Prints without the preview. Offscreen the pages go to a PDF file instead
    // (PrintLog::OutputFolder). False when nothing was printed.
    bool Print(const PrintOptions& options = PrintOptions());
    bool ExportPdf(const QString& file);
    // Writes every page as a PNG: the file itself for a one-page report, otherwise
    // the name with "_1", "_2" ... before the extension. Returns the files written.
    QStringList ExportPng(const QString& file, int dpi = 150);
    QString LastError() const { return error_; }

private:
    struct Binding;
    void Invalidate() { prepared_ = false; }
    void EnsurePrepared();
    bool WritePdf(const QString& file, int copies);
    void Record(const QString& action, int copies, const QString& printer, const QString& output);

    QString file_;
    ReportTemplate tmpl_;
    QHash<QString, std::shared_ptr<Binding>> datasets_;
    PreparedReport pages_;
    bool prepared_ = false;
    QString error_;
};
