#include "platform/grid/datagrid.h"

#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/grid/bandedheader.h"
#include "platform/grid/griddelegate.h"
#include "platform/grid/gridfooter.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSettings>

DataGrid::DataGrid(QWidget* parent) : QTableView(parent)
{
    model_ = new GridModel(this);
    header_ = new BandedHeader(this);
    setHorizontalHeader(header_);
    setModel(model_);
    setItemDelegate(new GridDelegate(model_, this));
    footer_ = new GridFooter(header_, model_, this);
    footer_->hide();

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
        | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    setAlternatingRowColors(false);
    // Fixed row heights keep a list of a hundred thousand rows as quick as a short one.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
    header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    connect(header_, &QHeaderView::sectionClicked, this, &DataGrid::OnHeaderClicked);
    connect(header_, &QHeaderView::sectionResized, footer_, qOverload<>(&QWidget::update));
    connect(header_, &QHeaderView::sectionMoved, footer_, qOverload<>(&QWidget::update));
    connect(model_, &GridModel::footerChanged, footer_, qOverload<>(&QWidget::update));
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        chosen_.clear();
        if (GetQuery() != query_)
            LinkQuery();
    });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int first, int last) {
        QList<int> kept;
        for (int row : std::as_const(chosen_))
            if (row < first)
                kept << row;
            else if (row > last)
                kept << row - (last - first + 1);
        chosen_ = kept;
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& cur) { model_->SetCurrentCell(cur.row(), cur.column()); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& cur) { OnCurrentChanged(cur); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { OnSelectionChanged(); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.isValid())
            emit rowDoubleClicked(i.row());
    });
}

DataGrid::~DataGrid() = default;

void DataGrid::SetDataSource(DataSource* ds)
{
    model_->SetDataSource(ds);
    LinkQuery();
}

// The grid follows the cursor of whichever Query its DataSource carries.
void DataGrid::LinkQuery()
{
    for (const auto& l : std::as_const(queryLinks_))
        disconnect(l);
    queryLinks_.clear();
    query_ = model_->GetQuery();
    if (query_)
        queryLinks_ << connect(query_, &Query::currentChanged, this, [this] { SyncFromQuery(); });
    SyncFromQuery();
}

DataSource* DataGrid::GetDataSource() const
{
    return model_->GetDataSource();
}

Query* DataGrid::GetQuery() const
{
    return model_->GetQuery();
}

// ---- Columns ----

int DataGrid::AddColumn(const QString& field, const QString& caption, int width, Qt::Alignment alignment)
{
    GridColumn c;
    c.field = field;
    c.caption = caption;
    c.alignment = alignment;
    const int col = model_->AddColumn(c);
    designWidth_.resize(col + 1);
    designWidth_[col] = width;
    setColumnWidth(col, width);
    UpdateBands();
    if (autoWidth_)
        FitColumns();
    return col;
}

int DataGrid::ColumnCount() const
{
    return model_->ColumnCount();
}

int DataGrid::ColumnByField(const QString& field) const
{
    for (int c = 0; c < model_->ColumnCount(); ++c)
        if (model_->Column(c).field.compare(field, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

QString DataGrid::ColumnField(int col) const
{
    return (col >= 0 && col < ColumnCount()) ? model_->Column(col).field : QString();
}

QString DataGrid::ColumnCaption(int col) const
{
    return (col >= 0 && col < ColumnCount()) ? model_->Column(col).caption : QString();
}

void DataGrid::SetColumnCaption(int col, const QString& caption)
{
    model_->UpdateColumn(col, [&](GridColumn& c) { c.caption = caption; });
}

void DataGrid::SetColumnAlignment(int col, Qt::Alignment alignment)
{
    model_->UpdateColumn(col, [&](GridColumn& c) { c.alignment = alignment; });
}

void DataGrid::SetColumnVisible(int col, bool visible)
{
    if (col < 0 || col >= ColumnCount() || ColumnVisible(col) == visible)
        return;
    if (!visible) {
        if (!autoWidth_)
            designWidth_[col] = columnWidth(col);
        setColumnHidden(col, true);
    } else {
        setColumnHidden(col, false);
        if (!autoWidth_)
            setColumnWidth(col, designWidth_.value(col, 64));
    }
    if (autoWidth_)
        FitColumns();
    footer_->update();
}

bool DataGrid::ColumnVisible(int col) const
{
    return col >= 0 && col < ColumnCount() && !isColumnHidden(col);
}

void DataGrid::SetColumnFormat(int col, const QString& format)
{
    model_->UpdateColumn(col, [&](GridColumn& c) { c.format = format; });
}

QString DataGrid::ColumnFormat(int col) const
{
    return (col >= 0 && col < ColumnCount()) ? model_->Column(col).format : QString();
}

void DataGrid::SetColumnEditable(int col, bool editable)
{
    model_->UpdateColumn(col, [&](GridColumn& c) { c.editable = editable; });
}

void DataGrid::SetCheckColumn(int col, bool writeBack)
{
    model_->UpdateColumn(col, [&](GridColumn& c) {
        c.kind = GridColumn::Kind::Check;
        c.editable = true;
        c.writeBack = writeBack;
        c.alignment = Qt::AlignCenter;
    });
}

void DataGrid::SetImageColumn(int col, const QList<QIcon>& images)
{
    model_->UpdateColumn(col, [&](GridColumn& c) {
        c.kind = GridColumn::Kind::Image;
        c.images = images;
    });
}

void DataGrid::SetLookupColumn(int col, Query* list, const QString& keyField, const QString& textField)
{
    model_->UpdateColumn(col, [&](GridColumn& c) {
        c.kind = GridColumn::Kind::Lookup;
        c.lookup = list;
        c.lookupKey = keyField;
        c.lookupText = textField;
    });
}

QList<int> DataGrid::ColumnOrder() const
{
    QList<int> out;
    for (int v = 0; v < header_->count(); ++v)
        out << header_->logicalIndex(v);
    return out;
}

void DataGrid::MoveColumn(int col, int visualPosition)
{
    if (col < 0 || col >= ColumnCount())
        return;
    header_->moveSection(header_->visualIndex(col), qBound(0, visualPosition, ColumnCount() - 1));
}

// ---- Bands ----

int DataGrid::AddBand(const QString& caption)
{
    const int b = header_->AddBand(caption);
    UpdateBands();
    return b;
}

int DataGrid::BandCount() const
{
    return header_->BandCount();
}

QString DataGrid::BandCaption(int band) const
{
    return header_->BandCaption(band);
}

void DataGrid::SetBandCaption(int band, const QString& caption)
{
    header_->SetBandCaption(band, caption);
}

void DataGrid::SetColumnBand(int col, int band)
{
    model_->UpdateColumn(col, [&](GridColumn& c) { c.band = band; });
    UpdateBands();
}

void DataGrid::SetBandVisible(int band, bool visible)
{
    for (int c = 0; c < ColumnCount(); ++c)
        if (model_->Column(c).band == band)
            SetColumnVisible(c, visible);
}

void DataGrid::UpdateBands()
{
    QVector<int> of(ColumnCount(), -1);
    for (int c = 0; c < ColumnCount(); ++c)
        of[c] = model_->Column(c).band;
    header_->SetColumnBands(of);
}

// ---- Footer ----

void DataGrid::SetFooterVisible(bool on)
{
    footerOn_ = on;
    footer_->setVisible(on);
    if (!on) {
        const QMargins m = viewportMargins();
        setViewportMargins(m.left(), m.top(), m.right(), 0);
    }
    updateGeometries();
}

void DataGrid::SetFooterCount(int col, const QString& label)
{
    model_->UpdateColumn(col, [&](GridColumn& c) {
        c.footer = FooterKind::Count;
        c.footerLabel = label;
    });
}

void DataGrid::SetFooterSum(int col, const QString& format, const QString& label)
{
    model_->UpdateColumn(col, [&](GridColumn& c) {
        c.footer = FooterKind::Sum;
        c.footerFormat = format;
        c.footerLabel = label;
    });
}

void DataGrid::SetFooterFormat(int col, const QString& format)
{
    model_->UpdateColumn(col, [&](GridColumn& c) { c.footerFormat = format; });
}

void DataGrid::SetFooterText(int col, const QString& text)
{
    model_->UpdateColumn(col, [&](GridColumn& c) {
        c.footer = FooterKind::Text;
        c.footerText = text;
    });
}

void DataGrid::ClearFooter(int col)
{
    model_->UpdateColumn(col, [&](GridColumn& c) { c.footer = FooterKind::None; });
}

QString DataGrid::FooterText(int col) const
{
    return model_->FooterText(col);
}

double DataGrid::FooterSum(int col) const
{
    return model_->FooterSum(col);
}

// ---- Filter ----

void DataGrid::ClearFilter()
{
    const bool was = model_->FilterActive();
    model_->Filter().Clear();
    model_->Filter().SetJoin(GridFilter::Join::Or);
    if (was) {
        model_->SetFilterActive(false);
        SyncFromQuery();
    }
}

void DataGrid::SetFilterJoin(GridFilter::Join join)
{
    model_->Filter().SetJoin(join);
    if (model_->FilterActive()) {
        model_->Refresh();
        SyncFromQuery();
    }
}

void DataGrid::AddFilter(const QString& field, const QString& pattern)
{
    model_->Filter().Add(field, pattern);
    if (model_->FilterActive()) {
        model_->Refresh();
        SyncFromQuery();
    }
}

void DataGrid::SetFilterActive(bool on)
{
    model_->SetFilterActive(on);
    SyncFromQuery();
}

bool DataGrid::FilterActive() const
{
    return model_->FilterActive() && !model_->Filter().IsEmpty();
}

QString DataGrid::FilterText() const
{
    return FilterActive() ? model_->Filter().Text() : QString();
}

void DataGrid::SetSearchColumns(const QStringList& fields)
{
    searchFields_ = fields;
}

void DataGrid::SetSearchText(const QString& text)
{
    model_->Filter().Clear();
    model_->Filter().SetJoin(GridFilter::Join::Or);
    if (!text.isEmpty())
        for (const QString& f : std::as_const(searchFields_))
            model_->Filter().Add(f, QLatin1Char('%') + text + QLatin1Char('%'));
    model_->SetFilterActive(!text.isEmpty());
    SyncFromQuery();
}

// ---- Sorting ----

void DataGrid::SetSortHook(SortHook hook)
{
    sortHook_ = std::move(hook);
}

void DataGrid::OnHeaderClicked(int logical)
{
    if (QGuiApplication::keyboardModifiers() & Qt::ControlModifier) {
        if (SortColumn() == logical)
            ApplySort(-1, Qt::AscendingOrder);
        return;
    }
    const Qt::SortOrder order
        = (SortColumn() == logical && SortOrder() == Qt::AscendingOrder) ? Qt::DescendingOrder : Qt::AscendingOrder;
    ApplySort(logical, order);
}

void DataGrid::ApplySort(int col, Qt::SortOrder order)
{
    if (col >= ColumnCount())
        col = -1;
    header_->setSortIndicatorShown(col >= 0);
    if (col >= 0)
        header_->setSortIndicator(col, order);
    model_->SetSort(col, order, !sortHook_);
    if (sortHook_)
        sortHook_(col, order);
    else
        SyncFromQuery();
}

void DataGrid::SortByColumn(int col, Qt::SortOrder order)
{
    ApplySort(col, order);
}

void DataGrid::ClearSort()
{
    ApplySort(-1, Qt::AscendingOrder);
}

int DataGrid::SortColumn() const
{
    return model_->SortColumn();
}

Qt::SortOrder DataGrid::SortOrder() const
{
    return model_->SortOrder();
}

// ---- Rows ----

int DataGrid::RowCount() const
{
    return model_->RowCount();
}

int DataGrid::CurrentRow() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void DataGrid::SetCurrentRow(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    int col = currentIndex().isValid() ? currentIndex().column() : 0;
    while (col < ColumnCount() - 1 && isColumnHidden(col))
        ++col;
    const auto how = selectionMode() == QAbstractItemView::SingleSelection
        ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
        : QItemSelectionModel::NoUpdate;
    selectionModel()->setCurrentIndex(model_->index(row, qMax(0, col)), how);
}

QVariant DataGrid::Value(int row, const QString& field) const
{
    return model_->FieldValue(row, field);
}

QString DataGrid::Text(int row, int col) const
{
    return model_->DisplayText(row, col);
}

int DataGrid::SourceRow(int row) const
{
    return model_->SourceRow(row);
}

void DataGrid::SetMultiSelect(bool on)
{
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    chosen_.clear();
    OnSelectionChanged();
}

bool DataGrid::MultiSelect() const
{
    return selectionMode() != QAbstractItemView::SingleSelection;
}

QList<int> DataGrid::SelectedRows() const
{
    if (!MultiSelect()) {
        const int r = CurrentRow();
        return r >= 0 ? QList<int> { r } : QList<int> {};
    }
    return chosen_;
}

void DataGrid::OnSelectionChanged()
{
    // Kept in the order the rows were chosen: rows that stay selected keep their
    // place, newly selected ones go to the end.
    const QItemSelection sel = selectionModel()->selection();
    QSet<int> now;
    QList<int> added;
    for (const QItemSelectionRange& r : sel)
        for (int row = r.top(); row <= r.bottom(); ++row)
            if (!now.contains(row)) {
                now.insert(row);
                added << row;
            }
    QList<int> kept;
    QSet<int> keptSet;
    for (int row : std::as_const(chosen_))
        if (now.contains(row) && !keptSet.contains(row)) {
            kept << row;
            keptSet.insert(row);
        }
    std::sort(added.begin(), added.end());
    for (int row : std::as_const(added))
        if (!keptSet.contains(row))
            kept << row;
    chosen_ = kept;
}

void DataGrid::OnCurrentChanged(const QModelIndex& current)
{
    const int row = current.isValid() ? current.row() : -1;
    if (!syncing_ && query_ && row >= 0) {
        const int src = model_->SourceRow(row);
        if (src != query_->RecNo()) {
            syncing_ = true;
            query_->SetRecNo(src);
            syncing_ = false;
        }
    }
    emit currentRowChanged(row);
}

void DataGrid::SyncFromQuery()
{
    if (syncing_)
        return;
    syncing_ = true;
    if (query_ && RowCount() > 0) {
        int row = model_->GridRow(query_->RecNo());
        if (row < 0) {
            // The dataset's row is filtered out here: the grid's first row becomes current.
            row = 0;
            query_->SetRecNo(model_->SourceRow(0));
        }
        if (row != CurrentRow())
            SetCurrentRow(row);
    }
    syncing_ = false;
}

// ---- Look ----

void DataGrid::SetCellStyler(GridModel::CellStyler styler)
{
    model_->SetCellStyler(std::move(styler));
    viewport()->update();
}

void DataGrid::SetRowIndicator(bool on)
{
    model_->SetRowIndicator(on);
    verticalHeader()->setVisible(on);
}

void DataGrid::SetAutoColumnWidth(bool on)
{
    if (on && !autoWidth_)
        for (int c = 0; c < ColumnCount(); ++c)
            if (!isColumnHidden(c))
                designWidth_[c] = columnWidth(c);
    autoWidth_ = on;
    if (on)
        FitColumns();
}

void DataGrid::FitColumns()
{
    const int avail = viewport()->width();
    int total = 0;
    QList<int> shown;
    for (int c = 0; c < ColumnCount(); ++c)
        if (!isColumnHidden(c)) {
            shown << c;
            total += qMax(1, designWidth_.value(c, 64));
        }
    if (shown.isEmpty() || avail <= 0)
        return;
    int used = 0;
    for (int i = 0; i < shown.size(); ++i) {
        const int c = shown[i];
        int w = i + 1 == shown.size() ? avail - used : int(qint64(qMax(1, designWidth_.value(c, 64))) * avail / total);
        w = qMax(w, 8);
        used += w;
        setColumnWidth(c, w);
    }
}

// ---- Geometry and events ----

void DataGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (!footerOn_)
        return;
    // The footer sits between the rows and the horizontal scroll bar.
    const int h = footer_->RowHeight();
    const QMargins m = viewportMargins();
    if (m.bottom() != h)
        setViewportMargins(m.left(), m.top(), m.right(), h);
    PlaceFooter();
}

void DataGrid::PlaceFooter()
{
    const QRect vg = viewport()->geometry();
    footer_->setGeometry(vg.left(), vg.bottom() + 1, vg.width(), footer_->RowHeight());
    footer_->update();
}

void DataGrid::resizeEvent(QResizeEvent* e)
{
    QTableView::resizeEvent(e);
    if (autoWidth_)
        FitColumns();
}

void DataGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (dx != 0)
        footer_->update();
}

void DataGrid::keyPressEvent(QKeyEvent* e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && state() != QAbstractItemView::EditingState) {
        emit enterPressed(CurrentRow());
        e->accept();
        return;
    }
    QTableView::keyPressEvent(e);
}

void DataGrid::mouseReleaseEvent(QMouseEvent* e)
{
    QTableView::mouseReleaseEvent(e);
    if (e->button() == Qt::RightButton)
        emit rightClicked(e->globalPosition().toPoint());
}

// ---- Layout storage ----

void DataGrid::SaveLayout(QSettings& s) const
{
    const QList<int> order = ColumnOrder();
    s.remove(QStringLiteral("Columns"));
    s.beginWriteArray(QStringLiteral("Columns"), int(order.size()));
    for (int i = 0; i < order.size(); ++i) {
        const int c = order[i];
        s.setArrayIndex(i);
        s.setValue(QStringLiteral("Field"), ColumnField(c));
        s.setValue(QStringLiteral("Caption"), ColumnCaption(c));
        s.setValue(QStringLiteral("Width"), isColumnHidden(c) ? designWidth_.value(c, 64) : columnWidth(c));
        s.setValue(QStringLiteral("Visible"), !isColumnHidden(c));
    }
    s.endArray();
}

void DataGrid::RestoreLayout(QSettings& s)
{
    QVector<bool> used(ColumnCount(), false);
    QList<int> order;
    const int n = s.beginReadArray(QStringLiteral("Columns"));
    for (int i = 0; i < n; ++i) {
        s.setArrayIndex(i);
        const QString field = s.value(QStringLiteral("Field")).toString();
        if (field.isEmpty())
            continue;
        const int width = qMax(8, s.value(QStringLiteral("Width"), 64).toInt());
        const bool visible = s.value(QStringLiteral("Visible"), true).toBool();
        int col = -1;
        for (int c = 0; c < used.size(); ++c)
            if (!used[c] && ColumnField(c).compare(field, Qt::CaseInsensitive) == 0) {
                col = c;
                break;
            }
        if (col < 0) {
            col = AddColumn(field, s.value(QStringLiteral("Caption"), field).toString(), width);
            used.resize(ColumnCount());
        }
        used[col] = true;
        SetColumnVisible(col, visible);
        designWidth_[col] = width;
        if (visible)
            setColumnWidth(col, width);
        order << col;
    }
    s.endArray();
    // Stored columns take the front in their stored order; the others follow as they were.
    for (int c : ColumnOrder())
        if (!order.contains(c))
            order << c;
    for (int pos = 0; pos < order.size(); ++pos)
        MoveColumn(order[pos], pos);
    footer_->update();
}
