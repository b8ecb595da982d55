#include "platform/grid/gridmodel.h"

#include "platform/base/displayformat.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"

#include <algorithm>
#include <numeric>

namespace {

bool IsNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool IsTicked(const QVariant& v)
{
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed();
        return s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || s.toDouble() != 0;
    }
    return ValueNumber(v) != 0;
}

}

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) { }

void GridModel::SetDataSource(DataSource* ds)
{
    beginResetModel();
    for (const auto& l : std::as_const(links_))
        disconnect(l);
    links_.clear();
    ds_ = ds;
    if (ds) {
        links_ << connect(ds, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
        links_ << connect(ds, &QAbstractItemModel::modelReset, this, [this] {
            ResolveFields();
            Rebuild();
            endResetModel();
            InvalidateFooter();
        });
        links_ << connect(ds, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { OnSourceInserted(first, last); });
        links_ << connect(ds, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { OnSourceRemoved(first, last); });
        links_ << connect(ds, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& a, const QModelIndex& b) { OnSourceChanged(a.row(), b.row()); });
        links_ << connect(ds, &QObject::destroyed, this, [this] {
            beginResetModel();
            links_.clear();
            map_.clear();
            rev_.clear();
            endResetModel();
            InvalidateFooter();
        });
    }
    ResolveFields();
    Rebuild();
    endResetModel();
    InvalidateFooter();
}

Query* GridModel::GetQuery() const
{
    return ds_ ? ds_->GetQuery() : nullptr;
}

int GridModel::AddColumn(const GridColumn& c)
{
    const int at = int(cols_.size());
    beginInsertColumns(QModelIndex(), at, at);
    cols_.push_back(c);
    Query* q = GetQuery();
    fieldIndex_.push_back(q ? q->FieldIndex(c.field) : -1);
    sums_.push_back(std::nullopt);
    endInsertColumns();
    emit footerChanged();
    return at;
}

void GridModel::RemoveColumns()
{
    if (cols_.isEmpty())
        return;
    beginRemoveColumns(QModelIndex(), 0, int(cols_.size()) - 1);
    cols_.clear();
    fieldIndex_.clear();
    sums_.clear();
    sortCol_ = -1;
    endRemoveColumns();
    emit footerChanged();
}

void GridModel::UpdateColumn(int col, const std::function<void(GridColumn&)>& change)
{
    if (col < 0 || col >= cols_.size())
        return;
    change(cols_[col]);
    Query* q = GetQuery();
    fieldIndex_[col] = q ? q->FieldIndex(cols_[col].field) : -1;
    sums_[col].reset();
    emit headerDataChanged(Qt::Horizontal, col, col);
    if (!map_.empty())
        emit dataChanged(index(0, col), index(int(map_.size()) - 1, col));
    emit footerChanged();
}

int GridModel::FieldIndex(int col) const
{
    return fieldIndex_.value(col, -1);
}

void GridModel::ResolveFields()
{
    Query* q = GetQuery();
    for (int i = 0; i < cols_.size(); ++i)
        fieldIndex_[i] = q ? q->FieldIndex(cols_[i].field) : -1;
}

void GridModel::Rebuild()
{
    map_.clear();
    Query* q = GetQuery();
    const int n = q ? q->RecordCount() : 0;
    map_.reserve(n);
    if (filterActive_ && !filter_.IsEmpty()) {
        q->FetchAll();
        filter_.Bind(q->FieldNames());
        for (int i = 0; i < n; ++i)
            if (filter_.Matches(*q, i))
                map_.push_back(i);
    } else {
        map_.resize(n);
        std::iota(map_.begin(), map_.end(), 0);
    }
    if (sortCol_ >= 0 && sortInMemory_)
        SortRows();
    RebuildReverse();
}

void GridModel::RebuildReverse()
{
    identity_ = true;
    for (int i = 0; i < int(map_.size()); ++i)
        if (map_[i] != i) {
            identity_ = false;
            break;
        }
    Query* q = GetQuery();
    const int n = q ? q->RecordCount() : 0;
    if (identity_ && int(map_.size()) == n) {
        rev_.clear();
        return;
    }
    identity_ = false;
    rev_.assign(n, -1);
    for (int i = 0; i < int(map_.size()); ++i)
        if (map_[i] >= 0 && map_[i] < n)
            rev_[map_[i]] = i;
}

void GridModel::SortRows()
{
    Query* q = GetQuery();
    const int fc = FieldIndex(sortCol_);
    if (!q || fc < 0)
        return;
    // Keys are taken once so that a large list sorts without re-reading values.
    struct Key {
        bool null = true;
        bool number = false;
        double d = 0;
        QString s;
    };
    q->FetchAll();
    const int n = q->RecordCount();
    std::vector<Key> keys(n);
    for (int r : map_) {
        const QVariant v = q->ValueAt(r, fc);
        Key& k = keys[r];
        k.null = v.isNull();
        k.number = IsNumber(v);
        if (k.number)
            k.d = v.toDouble();
        else if (!k.null)
            k.s = ValueText(v, q->IsBitColumn(fc));
    }
    const bool asc = sortOrder_ == Qt::AscendingOrder;
    std::stable_sort(map_.begin(), map_.end(), [&](int a, int b) {
        const Key& x = keys[a];
        const Key& y = keys[b];
        int cmp;
        if (x.null || y.null)
            cmp = x.null == y.null ? 0 : (x.null ? -1 : 1);
        else if (x.number && y.number)
            cmp = x.d < y.d ? -1 : (x.d > y.d ? 1 : 0);
        else
            cmp = (x.number ? NumberText(x.d) : x.s).localeAwareCompare(y.number ? NumberText(y.d) : y.s);
        return asc ? cmp < 0 : cmp > 0;
    });
}

void GridModel::Refresh()
{
    beginResetModel();
    Rebuild();
    endResetModel();
    InvalidateFooter();
}

void GridModel::SetFilterActive(bool on)
{
    filterActive_ = on;
    Refresh();
}

void GridModel::SetSort(int col, Qt::SortOrder order, bool inMemory)
{
    sortCol_ = col;
    sortOrder_ = order;
    sortInMemory_ = inMemory;
    if (inMemory)
        Refresh();
}

int GridModel::SourceRow(int row) const
{
    if (row < 0 || row >= int(map_.size()))
        return -1;
    return map_[row];
}

int GridModel::GridRow(int sourceRow) const
{
    if (sourceRow < 0)
        return -1;
    if (identity_)
        return sourceRow < int(map_.size()) ? sourceRow : -1;
    return sourceRow < int(rev_.size()) ? rev_[sourceRow] : -1;
}

QVariant GridModel::Value(int row, int col) const
{
    Query* q = GetQuery();
    const int src = SourceRow(row);
    const int fc = FieldIndex(col);
    if (!q || src < 0 || fc < 0)
        return QVariant();
    return q->ValueAt(src, fc);
}

QVariant GridModel::FieldValue(int row, const QString& field) const
{
    Query* q = GetQuery();
    const int src = SourceRow(row);
    if (!q || src < 0)
        return QVariant();
    const int fc = q->FieldIndex(field);
    return fc < 0 ? QVariant() : q->ValueAt(src, fc);
}

QString GridModel::DisplayText(int row, int col) const
{
    if (col < 0 || col >= cols_.size())
        return QString();
    const GridColumn& c = cols_[col];
    const QVariant v = Value(row, col);
    if (c.kind == GridColumn::Kind::Lookup)
        return LookupText(c, v);
    if (c.kind == GridColumn::Kind::Check)
        return IsTicked(v) ? QStringLiteral("True") : QStringLiteral("False");
    if (v.isNull())
        return QString();
    if (!c.format.isEmpty()) {
        bool numeric = IsNumber(v);
        if (!numeric && v.typeId() == QMetaType::QString)
            v.toString().trimmed().toDouble(&numeric);
        if (numeric)
            return FormatFloat(c.format, ValueNumber(v));
    }
    Query* q = GetQuery();
    return ValueText(v, q && q->IsBitColumn(FieldIndex(col)));
}

QString GridModel::LookupText(const GridColumn& c, const QVariant& key) const
{
    Query* list = c.lookup;
    if (!list || !list->Active() || key.isNull())
        return QString();
    const int kc = list->FieldIndex(c.lookupKey);
    const int tc = list->FieldIndex(c.lookupText);
    if (kc < 0 || tc < 0)
        return QString();
    const QString want = ValueText(key);
    for (int r = 0; r < list->RecordCount(); ++r)
        if (list->TextAt(r, kc).compare(want, Qt::CaseInsensitive) == 0)
            return list->TextAt(r, tc);
    return QString();
}

void GridModel::InvalidateFooter()
{
    for (auto& s : sums_)
        s.reset();
    emit footerChanged();
}

double GridModel::FooterSum(int col) const
{
    if (col < 0 || col >= cols_.size())
        return 0;
    if (!sums_[col]) {
        double total = 0;
        Query* q = GetQuery();
        const int fc = FieldIndex(col);
        // A long list still being fetched is summed whole without fetching it.
        if (q && fc >= 0 && !q->Complete() && identity_ && int(map_.size()) == q->RecordCount())
            total = q->FieldSum(fc);
        else if (q && fc >= 0)
            for (int r : map_)
                total += ValueNumber(q->ValueAt(r, fc));
        sums_[col] = total;
    }
    return *sums_[col];
}

QString GridModel::FooterText(int col) const
{
    if (col < 0 || col >= cols_.size())
        return QString();
    const GridColumn& c = cols_[col];
    switch (c.footer) {
    case FooterKind::None:
        return QString();
    case FooterKind::Text:
        return c.footerText;
    case FooterKind::Count:
        return c.footerLabel + QString::number(map_.size());
    case FooterKind::Sum: {
        const double s = FooterSum(col);
        return c.footerLabel + (c.footerFormat.isEmpty() ? NumberText(s) : FormatFloat(c.footerFormat, s));
    }
    }
    return QString();
}

void GridModel::OnSourceInserted(int first, int last)
{
    const int count = last - first + 1;
    for (int& r : map_)
        if (r >= first)
            r += count;
    // New rows show at the end whatever the filter and order, as a freshly appended row does.
    const int at = int(map_.size());
    beginInsertRows(QModelIndex(), at, at + count - 1);
    for (int r = first; r <= last; ++r)
        map_.push_back(r);
    RebuildReverse();
    endInsertRows();
    InvalidateFooter();
}

void GridModel::OnSourceRemoved(int first, int last)
{
    const int count = last - first + 1;
    for (int src = last; src >= first; --src) {
        auto it = std::find(map_.begin(), map_.end(), src);
        if (it == map_.end())
            continue;
        const int row = int(it - map_.begin());
        beginRemoveRows(QModelIndex(), row, row);
        map_.erase(it);
        endRemoveRows();
    }
    for (int& r : map_)
        if (r > last)
            r -= count;
    RebuildReverse();
    InvalidateFooter();
}

void GridModel::OnSourceChanged(int first, int last)
{
    if (cols_.isEmpty())
        return;
    for (int src = first; src <= last; ++src) {
        const int row = GridRow(src);
        if (row >= 0)
            emit dataChanged(index(row, 0), index(row, int(cols_.size()) - 1));
    }
    InvalidateFooter();
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(map_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(cols_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= cols_.size())
        return QVariant();
    const int row = index.row();
    const int col = index.column();
    const GridColumn& c = cols_[col];
    switch (role) {
    case Qt::DisplayRole:
        if (c.kind == GridColumn::Kind::Check || c.kind == GridColumn::Kind::Image)
            return QVariant();
        return DisplayText(row, col);
    case Qt::EditRole:
        return Value(row, col);
    case Qt::CheckStateRole:
        if (c.kind != GridColumn::Kind::Check)
            return QVariant();
        return IsTicked(Value(row, col)) ? Qt::Checked : Qt::Unchecked;
    case Qt::DecorationRole:
        if (c.kind != GridColumn::Kind::Image)
            return QVariant();
        {
            const QVariant v = Value(row, col);
            if (v.isNull())
                return QVariant();
            const int i = int(ValueNumber(v));
            return (i >= 0 && i < c.images.size()) ? QVariant(c.images[i]) : QVariant();
        }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(c.alignment);
    case Qt::ForegroundRole:
    case Qt::BackgroundRole:
    case Qt::FontRole: {
        if (!styler_)
            return QVariant();
        CellStyle s;
        styler_(row, col, s);
        if (role == Qt::ForegroundRole)
            return s.text.isValid() ? QVariant(s.text) : QVariant();
        if (role == Qt::BackgroundRole)
            return s.background.isValid() ? QVariant(s.background) : QVariant();
        if (!s.font && !s.bold)
            return QVariant();
        QFont f = s.font.value_or(QFont());
        if (s.bold)
            f.setBold(true);
        return f;
    }
    default:
        return QVariant();
    }
}

void GridModel::WriteValue(int row, int col, const QVariant& value, bool post)
{
    Query* q = GetQuery();
    const int src = SourceRow(row);
    const int fc = FieldIndex(col);
    if (!q || src < 0 || fc < 0)
        return;
    q->SetRecNo(src);
    q->FieldAt(fc).SetValue(value);
    if (post)
        q->Post();
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
        return false;
    const GridColumn& c = cols_[index.column()];
    if (role == Qt::CheckStateRole && c.kind == GridColumn::Kind::Check) {
        const bool on = value.toInt() == Qt::Checked;
        WriteValue(index.row(), index.column(), qlonglong(on ? 1 : 0), c.writeBack);
        return true;
    }
    if (role != Qt::EditRole || c.kind == GridColumn::Kind::Check || c.kind == GridColumn::Kind::Image)
        return false;
    QVariant v = value;
    if (v.typeId() == QMetaType::QString && v.toString().isEmpty())
        v = QVariant();
    WriteValue(index.row(), index.column(), v, true);
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.column() >= cols_.size())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const GridColumn& c = cols_[index.column()];
    const bool writable = c.editable && ds_ && !ds_->ReadOnly() && GetQuery() && !GetQuery()->ReadOnly();
    if (!writable)
        return f;
    if (c.kind == GridColumn::Kind::Check)
        f |= Qt::ItemIsUserCheckable;
    else if (c.kind != GridColumn::Kind::Image)
        f |= Qt::ItemIsEditable;
    return f;
}

void GridModel::SetRowIndicator(bool on)
{
    rowIndicator_ = on;
    emit headerDataChanged(Qt::Vertical, 0, qMax(0, int(map_.size()) - 1));
}

void GridModel::SetCurrentCell(int row, int col)
{
    const int oldRow = curRow_;
    const int oldCol = curCol_;
    curRow_ = row;
    curCol_ = col;
    if (!rowIndicator_)
        return;
    for (int r : { oldRow, row })
        if (r >= 0 && r < int(map_.size()))
            emit headerDataChanged(Qt::Vertical, r, r);
    for (int c : { oldCol, col })
        if (c >= 0 && c < cols_.size())
            emit headerDataChanged(Qt::Horizontal, c, c);
}

QVariant GridModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal) {
        if (section < 0 || section >= cols_.size())
            return QVariant();
        if (role == Qt::DisplayRole)
            return cols_[section].caption;
        if (role == Qt::ForegroundRole && rowIndicator_ && section == curCol_)
            return QColor(Qt::red);
        return QVariant();
    }
    if (role == Qt::DisplayRole)
        return rowIndicator_ ? QVariant(section + 1) : QVariant();
    if (role == Qt::ForegroundRole && rowIndicator_ && section == curRow_)
        return QColor(Qt::red);
    return QVariant();
}
