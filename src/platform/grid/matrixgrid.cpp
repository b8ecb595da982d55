#include "platform/grid/matrixgrid.h"

#include "platform/db/valuetext.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QValidator>

namespace {

// Digits with at most one ".", as typed; a lone "." may be typed on the way to ".5"
// but is not a quantity.
class QuantityValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        static const QRegularExpression partial(QStringLiteral("^[0-9]*\\.?[0-9]*$"));
        if (!partial.match(input).hasMatch())
            return Invalid;
        return MatrixGrid::IsQuantity(input) || input.isEmpty() ? Acceptable : Intermediate;
    }
};

class MatrixDelegate : public QStyledItemDelegate {
public:
    explicit MatrixDelegate(MatrixGrid* grid) : QStyledItemDelegate(grid), grid_(grid) { }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* e = new QLineEdit(parent);
        e->setFrame(false);
        if (grid_->QuantityEditor()) {
            e->setMaxLength(grid_->MaxLength());
            e->setValidator(new QuantityValidator(e));
        }
        return e;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QLineEdit*>(editor)->setText(index.data(Qt::EditRole).toString());
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        grid_->CommitEdit(index.column(), index.row(), static_cast<QLineEdit*>(editor)->text());
    }

private:
    MatrixGrid* grid_;
};

}

MatrixGrid::MatrixGrid(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setDefaultSectionSize(64);
    horizontalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setMinimumSectionSize(8);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
        | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setItemDelegate(new MatrixDelegate(this));
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col, int prevRow, int prevCol) {
        if (styledCursor_) {
            if (prevRow >= 0 && prevCol >= 0 && prevRow < RowCount() && prevCol < ColCount())
                Restyle(prevCol, prevRow);
            if (row >= 0 && col >= 0)
                Restyle(col, row);
        }
        if (row < 0 || col < 0)
            return;
        emit cellSelected(col, row);
        if (follower_ && IsDataCell(col, row))
            follower_->setCurrentCell(row, col);
    });
}

void MatrixGrid::SetStyledCursor(bool on)
{
    styledCursor_ = on;
    setSelectionMode(on ? QAbstractItemView::NoSelection : QAbstractItemView::SingleSelection);
    RestyleAll();
}

void MatrixGrid::SetSize(int cols, int rows)
{
    building_ = true;
    setColumnCount(qMax(0, cols));
    setRowCount(qMax(0, rows));
    building_ = false;
    RestyleAll();
}

void MatrixGrid::SetFixed(int cols, int rows)
{
    fixedCols_ = qMax(0, cols);
    fixedRows_ = qMax(0, rows);
    RestyleAll();
}

bool MatrixGrid::IsFixed(int col, int row) const
{
    return col < fixedCols_ || row < fixedRows_;
}

bool MatrixGrid::IsDataCell(int col, int row) const
{
    if (col < fixedCols_ || row < fixedRows_ || col >= ColCount() || row >= RowCount())
        return false;
    if (totals_ && (col == ColCount() - 1 || row == RowCount() - 1))
        return false;
    return true;
}

QTableWidgetItem* MatrixGrid::EnsureItem(int col, int row)
{
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        setItem(row, col, it);
    }
    return it;
}

QString MatrixGrid::Cell(int col, int row) const
{
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void MatrixGrid::SetCell(int col, int row, const QString& text)
{
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        return;
    EnsureItem(col, row)->setText(text);
    Restyle(col, row);
}

void MatrixGrid::ClearRow(int row)
{
    for (int c = 0; c < ColCount(); ++c)
        SetCell(c, row, QString());
}

void MatrixGrid::Build(
    const QString& corner, const QStringList& columnHeads, const QStringList& rowHeads, const QString& total)
{
    building_ = true;
    clearContents();
    fixedCols_ = 1;
    fixedRows_ = 1;
    totals_ = true;
    setColumnCount(int(columnHeads.size()) + 2);
    setRowCount(int(rowHeads.size()) + 2);
    for (int c = 0; c < ColCount(); ++c)
        setColumnHidden(c, false);
    for (int r = 0; r < RowCount(); ++r)
        setRowHidden(r, false);
    building_ = false;
    SetCell(0, 0, corner);
    for (int i = 0; i < columnHeads.size(); ++i)
        SetCell(i + 1, 0, columnHeads[i]);
    SetCell(ColCount() - 1, 0, total);
    for (int i = 0; i < rowHeads.size(); ++i)
        SetCell(0, i + 1, rowHeads[i]);
    SetCell(0, RowCount() - 1, total);
    if (styledCursor_ && IsDataCell(fixedCols_, fixedRows_))
        setCurrentCell(fixedRows_, fixedCols_);
    RestyleAll();
}

void MatrixGrid::SetTotals(bool on)
{
    totals_ = on;
    RestyleAll();
}

void MatrixGrid::UpdateTotals(int col, int row)
{
    if (!totals_ || ColCount() < fixedCols_ + 2 || RowCount() < fixedRows_ + 2)
        return;
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    auto sum = [](const QList<QString>& texts) {
        double s = 0;
        for (const QString& t : texts)
            if (!t.isEmpty())
                s += t.toDouble();
        return s;
    };
    if (col >= fixedCols_ && col < lastCol) {
        QList<QString> cells;
        for (int r = fixedRows_; r < lastRow; ++r)
            cells << Cell(col, r);
        SetCell(col, lastRow, NumberText(sum(cells)));
    }
    if (row >= fixedRows_ && row < lastRow) {
        QList<QString> cells;
        for (int c = fixedCols_; c < lastCol; ++c)
            cells << Cell(c, row);
        SetCell(lastCol, row, NumberText(sum(cells)));
    }
    QList<QString> rowTotals;
    for (int r = fixedRows_; r < lastRow; ++r)
        rowTotals << Cell(lastCol, r);
    SetCell(lastCol, lastRow, NumberText(sum(rowTotals)));
}

QString MatrixGrid::GrandTotal() const
{
    return totals_ ? Cell(ColCount() - 1, RowCount() - 1) : QString();
}

void MatrixGrid::SetQuantityEditor(bool on, int maxLength)
{
    quantity_ = on;
    maxLength_ = maxLength;
}

bool MatrixGrid::IsQuantity(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    return number.match(text).hasMatch();
}

void MatrixGrid::SetReadOnly(bool on)
{
    readOnly_ = on;
    RestyleAll();
}

void MatrixGrid::CommitEdit(int col, int row, const QString& text)
{
    if (readOnly_ || IsFixed(col, row) || (totals_ && !IsDataCell(col, row)))
        return;
    QString t = text;
    if (quantity_) {
        t = t.trimmed();
        if (t.size() > maxLength_)
            t.truncate(maxLength_);
        if (!t.isEmpty() && !IsQuantity(t))
            return;
    }
    if (t == Cell(col, row))
        return;
    SetCell(col, row, t);
    UpdateTotals(col, row);
    emit cellEdited(col, row);
}

void MatrixGrid::SetCellStyler(CellStyler s)
{
    styler_ = std::move(s);
    RestyleAll();
}

void MatrixGrid::RestyleAll()
{
    if (building_)
        return;
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            Restyle(c, r);
}

void MatrixGrid::Restyle(int col, int row)
{
    if (building_)
        return;
    QTableWidgetItem* it = EnsureItem(col, row);
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const bool editable = !readOnly_ && !IsFixed(col, row) && (!totals_ || IsDataCell(col, row));
    if (editable)
        f |= Qt::ItemIsEditable;
    it->setFlags(f);
    CellStyle s;
    if (IsFixed(col, row))
        s.background = palette().color(QPalette::Button);
    if (styler_)
        styler_(col, row, s);
    it->setForeground(s.text.isValid() ? QBrush(s.text) : QBrush());
    it->setBackground(s.background.isValid() ? QBrush(s.background) : QBrush());
    QFont font = s.font.value_or(this->font());
    font.setBold(s.bold);
    it->setFont(font);
}

void MatrixGrid::HideEmpty(bool hide, MatrixGrid* alsoIn)
{
    auto setRow = [&](int r, bool hidden) {
        setRowHidden(r, hidden);
        if (alsoIn && r < alsoIn->RowCount())
            alsoIn->setRowHidden(r, hidden);
    };
    auto setCol = [&](int c, bool hidden) {
        setColumnHidden(c, hidden);
        if (alsoIn && c < alsoIn->ColCount())
            alsoIn->setColumnHidden(c, hidden);
    };
    auto blank = [](const QString& t) { return t.isEmpty() || t == QLatin1String("0"); };
    const int lastRow = totals_ ? RowCount() - 1 : RowCount();
    const int lastCol = totals_ ? ColCount() - 1 : ColCount();
    for (int r = fixedRows_; r < lastRow; ++r) {
        bool empty = true;
        for (int c = fixedCols_; c < ColCount() && empty; ++c)
            empty = blank(Cell(c, r));
        setRow(r, hide && empty);
    }
    for (int c = fixedCols_; c < lastCol; ++c) {
        bool empty = true;
        for (int r = fixedRows_; r < RowCount() && empty; ++r)
            empty = blank(Cell(c, r));
        setCol(c, hide && empty);
    }
}
