#pragma once
#include <QStyledItemDelegate>

class GridModel;

// Editors of a DataGrid's cells: a drop-down over the lookup dataset for lookup
// columns, a line edit that takes numbers only for number cells, plain text otherwise.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    GridDelegate(GridModel* model, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    bool IsNumberCell(const QModelIndex& index) const;

    GridModel* model_;
};
