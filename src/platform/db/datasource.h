#pragma once
#include <QAbstractTableModel>

class Query;

// A Qt table model over a Query: grids and bound controls read and edit the
// query's rows through it and follow its changes.
class DataSource : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSource(Query* query = nullptr, QObject* parent = nullptr);
    void SetQuery(Query* q);
    Query* GetQuery() const { return q_; }
    void SetReadOnly(bool ro) { readOnly_ = ro; }
    bool ReadOnly() const { return readOnly_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

private:
    Query* q_ = nullptr;
    bool readOnly_ = false;
    QList<QMetaObject::Connection> links_;
};
