#include "documents/colorsizeentry.h"

#include "documents/docwindow.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/grid/matrixgrid.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace posting;

namespace {

const QString kBuiltIn = QStringLiteral("100001");
const QColor kTotalsGreen(142, 216, 129);
const QColor kStockOrange(248, 182, 81);

bool Entered(const QString& text)
{
    return !text.isEmpty() && text != QLatin1String("0");
}

// Codes and names of a group's members in the order they were created; the
// built-in member when the group has none.
void GroupMembers(const QString& table, const QString& code, const QString& name, const QString& linkTable,
    const QString& groupColumn, const QString& group, QStringList& codes, QStringList& names)
{
    Query q(&Db());
    OpenWithParams(q,
        QStringLiteral("select a.") + code + QStringLiteral(",a.") + name + QStringLiteral(" from ") + table
            + QStringLiteral(" a,") + linkTable + QStringLiteral(" b where a.") + code + QStringLiteral("=b.") + code
            + QStringLiteral(" and b.") + groupColumn + QStringLiteral("=:g order by a.id"),
        { { QStringLiteral("g"), group } });
    for (q.First(); !q.Eof(); q.Next()) {
        codes << q.AsString(code);
        names << q.AsString(name);
    }
    if (!codes.isEmpty())
        return;
    codes << kBuiltIn;
    const QVariant builtIn = First(QStringLiteral("select ") + name + QStringLiteral(" from ") + table
            + QStringLiteral(" where ") + code + QStringLiteral("=:c"),
        { { QStringLiteral("c"), kBuiltIn } });
    names << builtIn.toString();
}

void StyleTotals(MatrixGrid* g, int col, int row, CellStyle& s)
{
    const bool lastCol = col == g->ColCount() - 1;
    const bool lastRow = row == g->RowCount() - 1;
    s.background = kTotalsGreen;
    s.bold = true;
    s.text = lastCol && lastRow ? QColor(Qt::red) : QColor(Qt::blue);
}

} // namespace

ColorSizeEntry::ColorSizeEntry(QWidget* parent)
{
    StringGridIn = new MatrixGrid(parent);
    StringGridIn->setObjectName(QStringLiteral("StringGridIn"));
    StringGridIn->SetQuantityEditor(true, 7);
    StringGridKc = new MatrixGrid(parent);
    StringGridKc->setObjectName(QStringLiteral("StringGridKc"));
    StringGridKc->SetReadOnly(true);
    StringGridIn->SetFollower(StringGridKc);

    MatrixGrid* in = StringGridIn;
    in->SetCellStyler([in](int col, int row, CellStyle& s) {
        if (col == 0 || row == 0)
            return;
        if (!in->IsDataCell(col, row)) {
            StyleTotals(in, col, row, s);
            return;
        }
        s.background = Qt::white;
        s.text = QApplication::palette().color(QPalette::WindowText);
        if (Entered(in->Cell(col, row))) {
            s.text = Qt::red;
            s.bold = true;
        }
    });
    MatrixGrid* kc = StringGridKc;
    StockCursorFollows.grid_ = kc;
    kc->SetStyledCursor(true);
    const CursorFlag* follows = &StockCursorFollows;
    kc->SetCellStyler([kc, follows](int col, int row, CellStyle& s) {
        if (col == 0 || row == 0)
            return;
        if (!kc->IsDataCell(col, row)) {
            StyleTotals(kc, col, row, s);
            return;
        }
        if (*follows && kc->IsCurrent(col, row)) {
            // The cell under the entry grid's cursor keeps the plain selection look.
            s.background = kc->palette().color(QPalette::Highlight);
            s.text = kc->palette().color(QPalette::HighlightedText);
            return;
        }
        if (Entered(kc->Cell(col, row))) {
            s.text = Qt::red;
            s.background = kStockOrange;
            s.bold = true;
        }
    });
    QObject::connect(StringGridIn, &MatrixGrid::cellSelected, StringGridIn, [this](int col, int row) {
        StringGridIn->setEditTriggers(StringGridIn->IsDataCell(col, row)
                ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                    | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                : QAbstractItemView::NoEditTriggers);
        if (StringGridIn->IsDataCell(col, row))
            StockCursorFollows = true;
    });
}

ColorSizeEntry::CursorFlag& ColorSizeEntry::CursorFlag::operator=(bool on)
{
    if (on != on_) {
        on_ = on;
        if (grid_)
            grid_->RefreshStyles();
    }
    return *this;
}

void ColorSizeEntry::setGoodsSL(const QString& cmz, const QString& colorz, MatrixGrid* myGrid)
{
    Axes& axes = AxesOf(myGrid);
    axes = Axes();
    QStringList sizeNames;
    QStringList colorNames;
    GroupMembers(QStringLiteral("jxc_cm"), QStringLiteral("cm_sn"), QStringLiteral("cm_name"),
        QStringLiteral("jxc_cmz2"), QStringLiteral("cmz_sn"), cmz, axes.sizes, sizeNames);
    GroupMembers(QStringLiteral("jxc_color"), QStringLiteral("color_sn"), QStringLiteral("color_name"),
        QStringLiteral("jxc_colorz2"), QStringLiteral("colorz_sn"), colorz, axes.colors, colorNames);
    myGrid->Build(QStringLiteral("颜色/尺码"), sizeNames, colorNames, QStringLiteral("合计"));
}

void ColorSizeEntry::setGoodsSLValue(const QString& cksn, const QString& goodssn, const QString& rid,
    MatrixGrid* myGrid, const QString& flag, const QString& detailTable)
{
    Query q(&Db());
    if (flag == QLatin1String("1")) {
        OpenWithParams(q,
            // The stock of a colour and size is the sum of its rows (batches).
            QStringLiteral("select cm_sn,color_sn,sum(t_sl) as t_sl from jxc_tkc where g_sn=:g and ck_sn=:ck "
                           "group by cm_sn,color_sn"),
            { { QStringLiteral("g"), goodssn }, { QStringLiteral("ck"), cksn } });
    } else {
        const QString table = flag == QLatin1String("2") ? QStringLiteral("jxc_tempspxfmx") : detailTable;
        OpenWithParams(q,
            QStringLiteral("select cm_sn,color_sn,t_sl from ") + table + QStringLiteral(" where tid=:tid order by id"),
            { { QStringLiteral("tid"), rid.isEmpty() ? qint64(0) : rid.toLongLong() } });
    }
    const Axes& axes = AxesOf(myGrid);
    for (q.First(); !q.Eof(); q.Next()) {
        const int col = int(axes.sizes.indexOf(q.AsString(QStringLiteral("cm_sn"))));
        const int row = int(axes.colors.indexOf(q.AsString(QStringLiteral("color_sn"))));
        if (col < 0 || row < 0)
            continue;
        myGrid->SetCell(col + 1, row + 1, q.AsString(QStringLiteral("t_sl")));
        setGridSum(col + 1, row + 1, myGrid);
    }
}

void ColorSizeEntry::setGridSum(int iCol, int iRow, MatrixGrid* myGrid)
{
    myGrid->UpdateTotals(iCol, iRow);
}

double ColorSizeEntry::Quantity() const
{
    return StringGridIn->GrandTotal().toDouble();
}

QString ColorSizeEntry::StockText() const
{
    const QString t = StringGridKc->GrandTotal();
    return t.isEmpty() ? QStringLiteral("0") : t;
}

void ColorSizeEntry::HideEmptyStock(bool hide)
{
    StringGridKc->HideEmpty(hide, StringGridIn);
}

void ColorSizeEntry::RestoreHidden()
{
    if (chkHide)
        chkHide->setChecked(false);
    HideEmptyStock(false);
}

QList<ColorSizeEntry::Cell> ColorSizeEntry::EnteredCells() const
{
    QList<Cell> cells;
    for (int r = 1; r <= inAxes_.colors.size(); ++r)
        for (int c = 1; c <= inAxes_.sizes.size(); ++c) {
            const QString t = StringGridIn->Cell(c, r);
            if (Entered(t) && MatrixGrid::IsQuantity(t))
                cells.append({ inAxes_.sizes[c - 1], inAxes_.colors[r - 1], t.toDouble() });
        }
    return cells;
}

QString ColorSizeEntry::checkGridNum(const QString& zeroStock, const QString& overStock, Offender reported)
{
    // Row by row; an offending cell ends its row (the purchase return's ends the visit).
    QString found;
    for (int r = 1; r <= inAxes_.colors.size(); ++r)
        for (int c = 1; c <= inAxes_.sizes.size(); ++c) {
            const QString t = StringGridIn->Cell(c, r);
            if (!Entered(t))
                continue;
            const QString stock = StringGridKc->Cell(c, r);
            QString message;
            if (!Entered(stock))
                message = zeroStock;
            else if (t.toDouble() > stock.toDouble())
                message = overStock;
            if (!message.isEmpty()) {
                StringGridIn->setCurrentCell(r, c);
                if (reported == Offender::First)
                    return message;
                found = message;
                break;
            }
        }
    return found;
}

void ColorSizeDialogParts::BuildEntryTabs(QWidget* dialog, QBoxLayout* box)
{
    cxPage = new QTabWidget(dialog);
    cxTab1 = new QWidget;
    cxTab1->setObjectName(QStringLiteral("cxTab1"));
    cxTab2 = new QWidget;
    cxTab2->setObjectName(QStringLiteral("cxTab2"));
    cxPage->addTab(cxTab1, QStringLiteral("商品信息"));
    cxPage->addTab(cxTab2, QStringLiteral("库存详细信息"));
    box->addWidget(cxPage, 2);
    const GoodsInfo info = BuildGoodsInfo(cxTab1);
    gsn = info.gsn;
    gname = info.gname;
    ggname = info.ggname;
    dwname = info.dwname;
    gsccs = info.gsccs;
    gkc = info.gkc;
    gbz = info.gbz;
    StringGridIn = grid.StringGridIn;
    StringGridKc = grid.StringGridKc;
    chkHide = BuildStockTab(cxTab2, grid);
}

void ColorSizeDialogParts::ShowGoods(const Query& goods)
{
    ShowGoodsInfo({ gsn, gname, ggname, dwname, gsccs, gkc, gbz }, goods);
}

GoodsInfo BuildGoodsInfo(QWidget* tab)
{
    GoodsInfo g;
    auto* info = new QGridLayout(tab);
    int r = 0;
    auto infoRow = [&](const char* caption, QLabel*& field, const char* name) {
        info->addWidget(NamedLabel(tab, caption), r / 2, (r % 2) * 2);
        field = NamedLabel(tab, "", name);
        info->addWidget(field, r / 2, (r % 2) * 2 + 1);
        ++r;
    };
    infoRow("商品编号：", g.gsn, "gsn");
    infoRow("商品名称：", g.gname, "gname");
    infoRow("款型说明：", g.ggname, "ggname");
    infoRow("单        位：", g.dwname, "dwname");
    infoRow("品牌厂商：", g.gsccs, "gsccs");
    infoRow("当前库存：", g.gkc, "gkc");
    infoRow("备        注：", g.gbz, "gbz");
    return g;
}

void ShowGoodsInfo(const GoodsInfo& labels, const Query& goods)
{
    labels.gsn->setText(goods.AsString(QStringLiteral("g_sn")));
    labels.gname->setText(goods.AsString(QStringLiteral("g_name")));
    labels.ggname->setText(goods.AsString(QStringLiteral("gg_name")));
    labels.dwname->setText(goods.AsString(QStringLiteral("dw_name")));
    labels.gsccs->setText(goods.AsString(QStringLiteral("g_sccs")));
    labels.gbz->setText(goods.AsString(QStringLiteral("g_bz")));
}

QCheckBox* BuildStockTab(QWidget* tab, ColorSizeEntry& entry)
{
    auto* stock = new QVBoxLayout(tab);
    entry.StringGridKc->setParent(tab);
    stock->addWidget(entry.StringGridKc, 1);
    auto* chkHide = new QCheckBox(QStringLiteral("隐藏0库存的颜色尺码"), tab);
    chkHide->setObjectName(QStringLiteral("chkHide"));
    stock->addWidget(chkHide);
    entry.chkHide = chkHide;
    QObject::connect(chkHide, &QCheckBox::clicked, chkHide, [&entry](bool on) { entry.HideEmptyStock(on); });
    return chkHide;
}

void ShowGoodsPicture(const QString& goodsSn)
{
    PictureName = goodsSn + QStringLiteral(".jpg");
    FunctionWindows::Open(QStringLiteral("TF_Spxxgl_Pic2"), FunctionWindows::Lifetime::Freed);
    PictureName.clear();
}

void saveGridValueMx(const QString& lineTable, const QString& detailTable, const QString& docNo, const QString& goodsSn,
    qint64 lineId, const QList<ColorSizeEntry::Cell>& cells)
{
    const Params id { { QStringLiteral("id"), lineId } };
    Run(QStringLiteral("delete from ") + detailTable + QStringLiteral(" where tid=:id"), id);
    Run(QStringLiteral("update ") + lineTable + QStringLiteral(" set tid=:id where id=:id"), id);
    for (const ColorSizeEntry::Cell& c : cells) {
        Row row { { QStringLiteral("g_sn"), goodsSn }, { QStringLiteral("t_sl"), c.qty },
            { QStringLiteral("cm_sn"), c.size }, { QStringLiteral("color_sn"), c.color },
            { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("tid"), lineId } };
        if (!docNo.isNull())
            row.prepend({ QStringLiteral("gl_djh"), docNo });
        InsertRow(detailTable, row);
    }
}

const EntryLineColumns& ScratchLineColumns()
{
    static const EntryLineColumns c { QStringLiteral("jxc_tempspxf"), QStringLiteral("ts"), QString() };
    return c;
}

namespace {

Row LineRow(const EntryLineColumns& columns, const LineValues& v, const QString& remark)
{
    auto col = [&](const char* stem) { return columns.prefix + QLatin1Char('_') + QLatin1String(stem); };
    Row row { { col("dj"), v.price }, { col("sl"), v.qty }, { col("zje"), v.total }, { col("je"), v.amount },
        { col("tax"), v.tax }, { col("taxdj"), v.taxPrice }, { col("taxje"), v.taxAmount }, { col("dzl"), v.discount },
        { columns.prefix == QLatin1String("ts") ? col("note") : col("bz"), remark } };
    if (!columns.stockQtyColumn.isEmpty())
        row.append({ columns.stockQtyColumn, v.stockQty });
    return row;
}

} // namespace

qint64 InsertEntryLine(const EntryLineColumns& columns, const LineValues& v, const QString& remark,
    const QList<QPair<QString, QVariant>>& extra)
{
    Row row = extra;
    row.append(LineRow(columns, v, remark));
    return InsertRow(columns.table, row);
}

void UpdateEntryLine(const EntryLineColumns& columns, qint64 id, const LineValues& v, const QString& remark,
    bool setOperator, const QList<QPair<QString, QVariant>>& extra)
{
    Row row = LineRow(columns, v, remark);
    row.append(extra);
    if (setOperator)
        row.append({ QStringLiteral("a_name"), CurrentAdminName });
    QString sql = QStringLiteral("update ") + columns.table + QStringLiteral(" set ");
    Params p { { QStringLiteral("id"), id } };
    for (int i = 0; i < row.size(); ++i) {
        const QString param = QStringLiteral("p") + QString::number(i);
        sql += (i ? QStringLiteral(",") : QString()) + row[i].first + QStringLiteral("=:") + param;
        p.insert(param, row[i].second);
    }
    Run(sql + QStringLiteral(" where id=:id"), p);
}
