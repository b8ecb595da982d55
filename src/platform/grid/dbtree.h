#pragma once
#include <QIcon>
#include <QPointer>
#include <QSet>
#include <QTreeWidget>
#include <QVariant>

class DataSource;
class Query;

// A tree over a Query's rows: each row is a node under the row whose key equals its
// parent field, in the dataset's order; a row whose parent is not in the dataset is
// a top node. The current node is the Query's current row and follows it. Branches
// and leaves take their own images; the current node is drawn bold in red.
class DbTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit DbTree(QWidget* parent = nullptr);

    void SetDataSource(
        DataSource* ds, const QString& keyField, const QString& parentField, const QString& captionField);
    Query* GetQuery() const { return query_; }
    void SetImages(const QIcon& branch, const QIcon& leaf);
    // The category images: a folder for a node with children, a sheet for one without.
    void UseFolderImages();

    QTreeWidgetItem* NodeByKey(const QVariant& key) const;
    QVariant KeyOf(const QTreeWidgetItem* node) const;
    QVariant CurrentKey() const;
    // Makes the node current (and its row the Query's current row).
    void SelectNode(QTreeWidgetItem* node);
    bool SelectKey(const QVariant& key);
    // The first node in tree order with that caption, or without children.
    QTreeWidgetItem* FindCaption(const QString& caption) const;
    QTreeWidgetItem* FirstLeaf() const;
    // Puts the current node's caption into in-place editing; an accepted new caption
    // is announced by nodeRenamed while its row is current.
    void RenameCurrent();
    // Builds the nodes again from the rows (done by itself when the rows change),
    // keeping expanded branches and the current node where they still exist.
    void Rebuild();

signals:
    void nodeRenamed(const QString& caption);
    void rightClicked(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void OnCurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void OnItemChanged(QTreeWidgetItem* item, int column);
    void SyncFromQuery();
    void Decorate(QTreeWidgetItem* item, bool current);
    void ApplyImages(QTreeWidgetItem* item);

    QPointer<DataSource> ds_;
    QPointer<Query> query_;
    QList<QMetaObject::Connection> links_;
    QString keyField_;
    QString parentField_;
    QString captionField_;
    QIcon branch_;
    QIcon leaf_;
    QSet<QString> expanded_;
    QVariant lastKey_;
    bool building_ = false;
    bool syncing_ = false;
};
