#pragma once
#include "platform/ui/form.h"

#include <QString>
#include <QStringList>
#include <vector>

class DataGrid;
class QComboBox;
class QGroupBox;
class QPushButton;
class QStackedWidget;

// The goods imports whose sheets are read by column position: second units, one price
// level, shelf locations. Each sheet row leaves one status line among the operator's
// scratch lines: code "0" importable, "1" importable with a warning, "2" refused.
enum class PositionalKind { SecondUnits, Prices, Shelves };

struct PositionalCounts {
    int total = 0;
    int imported = 0;
    int failed = 0;
};

// The sheet's data rows, each padded to `columns` cells (missing cells read as empty).
using PositionalRows = std::vector<QStringList>;

// Lets the operator choose a workbook (remembered for the window class) and reads
// the first sheet's data rows by position; false when nothing was read (the
// dialog cancelled, or the file refused with its message shown).
bool ReadPositionalSheet(const QString& windowClass, int columns, PositionalRows* rows);

// The second-unit check pass: status lines in jxc_tempspxf2, new unit names added to
// the unit list. Returns the failed count.
int CheckSecondUnitRows(const PositionalRows& rows);
// Imports the operator's status lines of code "0"; the goods' second unit of the same
// name is replaced.
void ImportSecondUnitLines();
// Sets one goods column (price level or shelf location) from the rows, with their
// status lines in jxc_tempspxf. Returns the imported count.
int ImportGoodsColumnRows(PositionalKind kind, const QString& column, const PositionalRows& rows);
// The price levels offered and the goods column of each.
QStringList PriceLevelNames();
QString PriceLevelColumn(const QString& level);

class PositionalImportForm : public Form {
    Q_OBJECT
public:
    PositionalImportForm(PositionalKind kind, QWidget* parent);
    ~PositionalImportForm() override;
    void FormActivate() override;

    // 下一步(&N): the status grid.
    void btnNextClick();
    // 上一步(&P).
    void btnPriorClick();
    // 打开文件(F2), second units: the check pass.
    void btnOpenClick();
    // 导入(F5) / 打开并导入(F5).
    void btnImportClick();
    void urlExcelClick();
    void FormClose();

    PositionalKind kind;
    QStackedWidget* pages = nullptr;
    QGroupBox* gbFirst = nullptr;
    QGroupBox* gbGrid = nullptr;
    DataGrid* cxGrid1 = nullptr;
    QComboBox* cbbDj = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnImport = nullptr;
    // The counts of the last sheet, kept per window for the program run.
    PositionalCounts& counts;

private:
    // Chooses and reads the sheet; false when nothing was read.
    bool ReadSheet(PositionalRows* rows);
    void OpenStatusGrid();
};

class TF_Spxxgl_ImportFzdw : public PositionalImportForm {
    Q_OBJECT
public:
    explicit TF_Spxxgl_ImportFzdw(QWidget* parent = nullptr) : PositionalImportForm(PositionalKind::SecondUnits, parent)
    {
    }
};

class TF_Spxxgl_ImportDj : public PositionalImportForm {
    Q_OBJECT
public:
    explicit TF_Spxxgl_ImportDj(QWidget* parent = nullptr) : PositionalImportForm(PositionalKind::Prices, parent) { }
};

class TF_Spxxgl_ImportKw : public PositionalImportForm {
    Q_OBJECT
public:
    explicit TF_Spxxgl_ImportKw(QWidget* parent = nullptr) : PositionalImportForm(PositionalKind::Shelves, parent) { }
};
