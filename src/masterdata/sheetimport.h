#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

class DataGrid;
class Query;
class QWidget;

// One sheet row during a pass: its cells by the field id that their column feeds.
class ImportRow {
public:
    // The cell of the column feeding the field; "" when no column feeds it.
    QString Cell(const QString& fieldId) const { return cells_.value(fieldId); }
    QString Trimmed(const QString& fieldId) const { return Cell(fieldId).trimmed(); }
    bool Mapped(const QString& fieldId) const { return cells_.contains(fieldId); }
    QHash<QString, QString> cells_;
};

// The counts of one pass.
struct ImportCounts {
    int total = 0;
    int imported = 0;
    int cancelled = 0;
    int Failed() const { return total - cancelled - imported; }
};

// "导入完毕 ..." as the named-column imports report it; withCancelled adds the
// cancelled count (the positional imports have none).
QString ImportSummaryText(int total, int imported, int failed, int cancelled, bool withCancelled);
// A number cell: empty, or a decimal number. Empty reads as 0.
bool IsNumberCell(const QString& text);
double NumberCell(const QString& text);

// Adds a name to a small list table (units, brands, zones, types) unless it is there:
// code column prefix + "_sn" takes GetNextSn, name column prefix + "_name"; extra
// gives further columns and their values.
void AddListEntryOnce(
    const QString& table, const QString& prefix, const QString& name, const QHash<QString, QVariant>& extra = {});

inline const QString kImportSuccess = QStringLiteral("导入成功");
inline const QString kNotAWorkbook = QStringLiteral("您没有安装Excel或导入文件不是Excel，不能进行导入操作！");
inline const QString kNothingToImport = QStringLiteral("模板中没有数据，不能进行导入操作！");
inline const QString kWorkbookFilter = QStringLiteral("(*.xlsx)|*.xlsx|(*.xls)|*.xls");

// The workbook path and sheet a window read last; kept for the program run.
struct WorkbookChoice {
    QString path;
    QString sheet;
};
WorkbookChoice& RememberedWorkbook(const QString& windowClass);

// Lets the operator choose a workbook and names its first sheet, remembering both
// for the window; false (with the message shown) when it cannot be read, and false
// quietly when the dialog is cancelled.
bool ChooseWorkbook(const QString& windowClass, QString* sheet);
// The same for a workbook already chosen.
bool ConnectWorkbook(const QString& windowClass, const QString& path, QString* sheet);

// Opens a sample spreadsheet of the program folder's "模板文件/".
void OpenSampleFile(const QString& sampleName);

// Runs work in one transaction with a progress dialog and a busy cursor; a database
// error rolls it all back and is shown. False when it failed.
bool RunImportPass(QWidget* parent, int steps, const std::function<void(const std::function<void()>& step)>& work);

// The spreadsheet import wizard's mechanism: the mapping of sheet columns to the
// target table's fields (jxc_importchk), the staged rows (jxc_importdata), both kept
// per operator, and the pass that checks and writes each selected row. Each import
// window owns one and configures it.
class SheetImport {
public:
    struct Config {
        QString windowClass; // remembers the workbook per window
        QString table;       // jxc_import's i_tablename
        QString namingField; // a row is staged when this field's cell is filled
        QString rowsPrefix;  // the rows group caption before "（共N条记录）"
        QString listDataset; // reopened after a pass ("" for none)
        QString sampleName;  // under "模板文件/", without ".xlsx"
        // A sheet row that was not staged counts as failed in the pass; without this
        // the pass steps over it uncounted.
        bool countsUnstagedRows = true;
    };
    explicit SheetImport(Config config);

    // The staged row's text; the naming cell by default.
    std::function<QString(const ImportRow&, int sheetRow)> displayText;
    // Ends the pass before this row (neither it nor later rows are counted).
    std::function<bool(const ImportRow&)> endsPass;
    std::function<void()> beforePass;
    // Checks and writes one selected row: "" when written, else the failure text.
    std::function<QString(const ImportRow&)> importRow;
    // A written row's note, shown with the note icon in place of "导入成功"; none by
    // default.
    std::function<QString(const ImportRow&)> successNote;

    const Config& Settings() const { return config_; }

    // Entering the mapping step: this operator's mapping emptied.
    void ClearMapping();
    // 打开文件: adds the columns of a chosen workbook to the mapping. False when
    // nothing was opened.
    bool btnOpenClick();
    // The same for a workbook already chosen.
    bool OpenWorkbook(const QString& path);
    // Whether a ticked mapping row feeds the field.
    bool MapsField(const QString& fieldId) const;
    // The mapping group caption after the last opening.
    QString MappingCaption() const;
    // Leaving the mapping step: stages the rows whose naming cell is filled.
    int setcxGrid4Value(bool selectAll);
    QString RowsCaption() const;
    // 全选.
    void chkAllClick(bool on);
    // 导入: false when refused or rolled back.
    bool btnImportClick(QWidget* parent);
    // Whether the staged row of this sheet row is selected.
    bool getRecSele(int sheetRow) const;
    // Puts the outcome into the staged row of this sheet row.
    void updateImportData(int sheetRow, const QString& text, int status);
    void urlExcelClick() const;
    void FormClose();

    // The last pass's counts.
    ImportCounts counts;

    // The three views.
    static Query& Q_Import();
    static Query& Q_Importchk();
    static Query& Q_ImportData();

    // The mapping and rows grids, configured on the views.
    static void SetUpMappingGrid(DataGrid& grid);
    static void SetUpRowsGrid(DataGrid& grid, const QString& textCaption);

private:
    void OpenMapping();
    void OpenRows();
    // Field id -> sheet column header, later rows winning. Only ticked rows count, so an
    // unticked column feeds nothing in every import window.
    QHash<QString, QString> ReadMapping() const;
    ImportRow RowAt(const Query& sheet, int row, const QHash<QString, int>& columns) const;

    Config config_;
    int columnCount_ = 0;
    int stagedCount_ = 0;
    // The staged row's id for each sheet row (0 for a row that was not staged).
    std::vector<qint64> stagedIds_;
    QHash<qint64, bool> selected_;
};
