#include "platform/db/datasource.h"

#include "platform/db/dberror.h"
#include "platform/db/query.h"

DataSource::DataSource(Query* query, QObject* parent) : QAbstractTableModel(parent)
{
    SetQuery(query);
}

void DataSource::SetQuery(Query* q)
{
    beginResetModel();
    for (const auto& l : std::as_const(links_))
        disconnect(l);
    links_.clear();
    q_ = q;
    if (q_) {
        links_ << connect(q_, &Query::reset, this, [this] {
            beginResetModel();
            endResetModel();
        });
        links_ << connect(q_, &Query::rowChanged, this, [this](int row) {
            if (row >= 0)
                emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        });
        links_ << connect(q_, &Query::rowInserted, this, [this](int row) {
            beginInsertRows(QModelIndex(), row, row);
            endInsertRows();
        });
        links_ << connect(q_, &Query::rowRemoved, this, [this](int row) {
            beginRemoveRows(QModelIndex(), row, row);
            endRemoveRows();
        });
        links_ << connect(q_, &QObject::destroyed, this, [this] {
            beginResetModel();
            q_ = nullptr;
            links_.clear();
            endResetModel();
        });
    }
    endResetModel();
}

int DataSource::rowCount(const QModelIndex& parent) const
{
    return (parent.isValid() || !q_) ? 0 : q_->RecordCount();
}

int DataSource::columnCount(const QModelIndex& parent) const
{
    return (parent.isValid() || !q_) ? 0 : q_->FieldCount();
}

QVariant DataSource::data(const QModelIndex& index, int role) const
{
    if (!q_ || !index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole)
        return q_->TextAt(index.row(), index.column());
    if (role == Qt::EditRole || role == Qt::UserRole)
        return q_->ValueAt(index.row(), index.column());
    return QVariant();
}

bool DataSource::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!q_ || !index.isValid() || role != Qt::EditRole || readOnly_ || q_->ReadOnly())
        return false;
    q_->SetRecNo(index.row());
    q_->FieldAt(index.column()).SetValue(value);
    q_->Post();
    return true;
}

Qt::ItemFlags DataSource::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (q_ && !readOnly_ && !q_->ReadOnly())
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant DataSource::headerData(int section, Qt::Orientation o, int role) const
{
    if (role == Qt::DisplayRole && o == Qt::Horizontal && q_)
        return q_->FieldName(section);
    return QAbstractTableModel::headerData(section, o, role);
}
