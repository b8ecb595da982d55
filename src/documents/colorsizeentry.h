#pragma once
#include "documents/docdrafts.h"

#include <QList>
#include <QString>
#include <QStringList>

class MatrixGrid;
class QBoxLayout;
class QCheckBox;
class QLabel;
class QTabWidget;
class QWidget;
class Query;

// The colour-by-size entry of one goods line, shared by the purchase, sales,
// warehouse and department dialogs: an entry grid (sizes across, colours down) and
// a stock grid of the same shape that follows it. Each grid keeps the size code of
// every column and the colour code of every row from its build, so stored rows are
// matched and written by code, never looked up by the names shown.
class ColorSizeEntry {
public:
    // The codes of a built grid: column k (1-based data column) is sizes[k - 1],
    // row k colours[k - 1].
    struct Axes {
        QStringList sizes;
        QStringList colors;
    };
    // One entered cell, in row order and within a row from left to right.
    struct Cell {
        QString size;
        QString color;
        double qty = 0;
    };

    // Creates StringGridIn (editable quantities) and StringGridKc (read-only stock).
    explicit ColorSizeEntry(QWidget* parent);
    ColorSizeEntry(const ColorSizeEntry&) = delete;
    ColorSizeEntry& operator=(const ColorSizeEntry&) = delete;

    MatrixGrid* StringGridIn = nullptr;
    MatrixGrid* StringGridKc = nullptr;

    // Builds both grids' heads for the size and colour groups: sizes in jxc_cm.id
    // order, colours in jxc_color.id order. A group without members gets the
    // built-in size "100001" (均码) or colour "100001" (统一), so a goods can always
    // be entered. Empties every quantity and total of a previous opening.
    void setGoodsSL(const QString& cmz, const QString& colorz, MatrixGrid* myGrid);
    // Fills a grid's cells. flag "1": stock of the goods in warehouse cksn (the sum
    // of the rows of each colour and size); "2":
    // scratch rows (jxc_tempspxfmx) with tid = rid; "3": the rows of the document
    // kind's colour-by-size table (detailTable) with tid = rid. Rows of a colour or
    // size outside the goods' groups are skipped.
    void setGoodsSLValue(const QString& cksn, const QString& goodssn, const QString& rid, MatrixGrid* myGrid,
        const QString& flag, const QString& detailTable = QString());
    // Recomputes the totals of a column and a row and the grand total.
    void setGridSum(int iCol, int iRow, MatrixGrid* myGrid);
    // The entry grid's grand total as a number (N).
    double Quantity() const;
    // The stock grid's grand total as text, "0" when there is none.
    QString StockText() const;

    // Hides (true) or shows again the colours and sizes without stock in both grids.
    void HideEmptyStock(bool hide);
    // Closing a dialog: "隐藏0库存的颜色尺码" (built by BuildStockTab) is unticked and
    // every hidden colour and size shown again.
    void RestoreHidden();
    QCheckBox* chkHide = nullptr;

    // The entered cells (neither empty nor "0").
    QList<Cell> EnteredCells() const;
    // The stock check: the entered cells are visited row by row, each row from left
    // to right; a cell whose stock cell is empty or "0" answers zeroStock, one above
    // its stock overStock. With Offender::First the first such cell is reported;
    // with Offender::Last an offending cell ends its row and the last one found is
    // reported. The reported cell becomes the entry grid's current cell. Empty when
    // every cell is covered.
    enum class Offender { First, Last };
    QString checkGridNum(const QString& zeroStock, const QString& overStock, Offender reported = Offender::First);

    // Whether the stock grid's current cell keeps the selection look (set while the
    // operator works in the entry grid). Assigning it redraws that cell.
    class CursorFlag {
    public:
        CursorFlag() = default;
        CursorFlag(const CursorFlag&) = delete;
        CursorFlag& operator=(const CursorFlag&) = delete;
        CursorFlag& operator=(bool on);
        operator bool() const { return on_; }

    private:
        friend class ColorSizeEntry;
        bool on_ = false;
        MatrixGrid* grid_ = nullptr;
    };
    CursorFlag StockCursorFollows;

    const Axes& InAxes() const { return inAxes_; }

private:
    Axes& AxesOf(MatrixGrid* grid) { return grid == StringGridIn ? inAxes_ : kcAxes_; }
    Axes inAxes_;
    Axes kcAxes_;
};

// What every colour-by-size dialog shows around its grids: the tab "商品信息" with
// the goods labels and the tab "库存详细信息" with the stock grid and the box that
// hides colours and sizes without stock. A dialog derives from it beside Form, so
// the controls keep their names on the dialog.
class ColorSizeDialogParts {
public:
    explicit ColorSizeDialogParts(QWidget* dialog) : grid(dialog) { }

    ColorSizeEntry grid;
    MatrixGrid* StringGridIn = nullptr;
    MatrixGrid* StringGridKc = nullptr;
    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    QLabel* gsn = nullptr;
    QLabel* gname = nullptr;
    QLabel* ggname = nullptr;
    QLabel* dwname = nullptr;
    QLabel* gsccs = nullptr;
    QLabel* gkc = nullptr;
    QLabel* gbz = nullptr;
    QCheckBox* chkHide = nullptr;

protected:
    // Adds the two tabs to the dialog's layout.
    void BuildEntryTabs(QWidget* dialog, QBoxLayout* box);
    // The goods row's code, name, style, unit, maker and remark in the labels.
    void ShowGoods(const Query& goods);
};

// The goods labels of a colour-by-size dialog's "商品信息" tab.
struct GoodsInfo {
    QLabel* gsn = nullptr;
    QLabel* gname = nullptr;
    QLabel* ggname = nullptr;
    QLabel* dwname = nullptr;
    QLabel* gsccs = nullptr;
    QLabel* gkc = nullptr;
    QLabel* gbz = nullptr;
};
// Lays the labels out on the tab, two to a row: 商品编号, 商品名称, 款型说明, 单位,
// 品牌厂商, 当前库存, 备注.
GoodsInfo BuildGoodsInfo(QWidget* tab);
// Shows the goods row's code, name, style, unit, brand and remark.
void ShowGoodsInfo(const GoodsInfo& labels, const Query& goods);
// The "库存详细信息" tab: the entry's stock grid and "隐藏0库存的颜色尺码" below it, whose
// ticking hides and shows the colours and sizes without stock.
QCheckBox* BuildStockTab(QWidget* tab, ColorSizeEntry& entry);
// "查看图片(F4)": the goods' picture (goods code + ".jpg") in the picture window.
void ShowGoodsPicture(const QString& goodsSn);

// Replaces the colour-by-size rows of a line: its old rows (tid = lineId) go, the
// line's own tid becomes its id, and one row per cell is written with bound values.
// docNo is empty for the scratch table, which has no number.
void saveGridValueMx(const QString& lineTable, const QString& detailTable, const QString& docNo, const QString& goodsSn,
    qint64 lineId, const QList<ColorSizeEntry::Cell>& cells);

// The line columns of a dialog's OK: unit price, quantity, amounts, tax, discount and
// remark under the line prefix ("jh", "th", "ts": the scratch line's remark is
// ts_note); the received quantity only where stockQtyColumn is given.
struct EntryLineColumns {
    QString table;
    QString prefix;
    QString stockQtyColumn;
};
const EntryLineColumns& ScratchLineColumns();
// Inserts a line with the values (and the extra columns given) and answers its id.
qint64 InsertEntryLine(const EntryLineColumns& columns, const LineValues& v, const QString& remark,
    const QList<QPair<QString, QVariant>>& extra);
// Rewrites the values of a line in place (and the extra columns given); setOperator
// also sets a_name.
void UpdateEntryLine(const EntryLineColumns& columns, qint64 id, const LineValues& v, const QString& remark,
    bool setOperator, const QList<QPair<QString, QVariant>>& extra = {});
