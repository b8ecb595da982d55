#include "platform/grid/dbtree.h"

#include "platform/db/datasource.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"

#include <QColor>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSet>

namespace {
constexpr int KeyRole = Qt::UserRole;
constexpr int CaptionRole = Qt::UserRole + 1;

QIcon folderImage(bool branch)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (branch) {
        p.setBrush(QColor(0xE8, 0xB8, 0x4A));
        p.setPen(QColor(0x9A, 0x6E, 0x12));
        p.drawRect(1, 4, 14, 10);
        p.drawRect(1, 2, 6, 3);
    } else {
        p.setBrush(QColor(0xF4, 0xF4, 0xF4));
        p.setPen(QColor(0x5A, 0x7A, 0xA8));
        p.drawRect(3, 1, 10, 14);
        p.drawLine(5, 5, 11, 5);
        p.drawLine(5, 8, 11, 8);
        p.drawLine(5, 11, 9, 11);
    }
    return QIcon(pm);
}
}

DbTree::DbTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The current node stands out by its bold red text alone: the selection adds no
    // fill that would turn the text into the highlight colour.
    QPalette p = palette();
    for (const auto group : { QPalette::Active, QPalette::Inactive }) {
        p.setColor(group, QPalette::Highlight, p.color(group, QPalette::Base));
        p.setColor(group, QPalette::HighlightedText, Qt::red);
    }
    setPalette(p);
    connect(this, &QTreeWidget::currentItemChanged, this, &DbTree::OnCurrentItemChanged);
    connect(this, &QTreeWidget::itemChanged, this, &DbTree::OnItemChanged);
}

void DbTree::SetDataSource(
    DataSource* ds, const QString& keyField, const QString& parentField, const QString& captionField)
{
    for (const auto& l : std::as_const(links_))
        disconnect(l);
    links_.clear();
    ds_ = ds;
    query_ = ds ? ds->GetQuery() : nullptr;
    keyField_ = keyField;
    parentField_ = parentField;
    captionField_ = captionField;
    if (ds) {
        auto rebuild = [this] {
            if (!building_)
                Rebuild();
        };
        links_ << connect(ds, &QAbstractItemModel::modelReset, this, rebuild);
        links_ << connect(ds, &QAbstractItemModel::rowsInserted, this, rebuild);
        links_ << connect(ds, &QAbstractItemModel::rowsRemoved, this, rebuild);
        links_ << connect(ds, &QAbstractItemModel::dataChanged, this, rebuild);
    }
    if (query_)
        links_ << connect(query_, &Query::currentChanged, this, [this] { SyncFromQuery(); });
    Rebuild();
}

void DbTree::SetImages(const QIcon& branch, const QIcon& leaf)
{
    branch_ = branch;
    leaf_ = leaf;
    for (int i = 0; i < topLevelItemCount(); ++i)
        ApplyImages(topLevelItem(i));
}

void DbTree::UseFolderImages()
{
    static const QIcon branch = folderImage(true);
    static const QIcon leaf = folderImage(false);
    SetImages(branch, leaf);
}

void DbTree::ApplyImages(QTreeWidgetItem* item)
{
    const bool wasBuilding = building_;
    building_ = true;
    item->setIcon(0, item->childCount() > 0 ? branch_ : leaf_);
    building_ = wasBuilding;
    for (int i = 0; i < item->childCount(); ++i)
        ApplyImages(item->child(i));
}

void DbTree::Rebuild()
{
    // A requery closes the dataset before it opens again: what was open and current is
    // taken from the last tree that had nodes.
    if (topLevelItemCount() > 0) {
        expanded_.clear();
        for (QTreeWidgetItemIterator it(this); *it; ++it)
            if ((*it)->isExpanded())
                expanded_.insert((*it)->data(0, KeyRole).toString());
        lastKey_ = CurrentKey();
    }

    building_ = true;
    clear();
    if (query_ && query_->Active()) {
        const int kc = query_->FieldIndex(keyField_);
        const int pc = query_->FieldIndex(parentField_);
        const int cc = query_->FieldIndex(captionField_);
        if (kc >= 0 && pc >= 0 && cc >= 0) {
            const int n = query_->RecordCount();
            QVector<QTreeWidgetItem*> items(n);
            QHash<QString, QTreeWidgetItem*> byKey;
            for (int r = 0; r < n; ++r) {
                auto* item = new QTreeWidgetItem;
                const QString caption = query_->TextAt(r, cc);
                item->setText(0, caption);
                item->setData(0, KeyRole, query_->TextAt(r, kc));
                item->setData(0, CaptionRole, caption);
                items[r] = item;
                if (!byKey.contains(query_->TextAt(r, kc)))
                    byKey.insert(query_->TextAt(r, kc), item);
            }
            for (int r = 0; r < n; ++r) {
                QTreeWidgetItem* parent = byKey.value(query_->TextAt(r, pc));
                // A parent that is the node itself or lies below it would make a loop:
                // such a row becomes a top node instead.
                for (QTreeWidgetItem* p = parent; p; p = p->parent())
                    if (p == items[r]) {
                        parent = nullptr;
                        break;
                    }
                if (parent)
                    parent->addChild(items[r]);
            }
            for (int r = 0; r < n; ++r)
                if (!items[r]->parent())
                    addTopLevelItem(items[r]);
            for (int i = 0; i < topLevelItemCount(); ++i)
                ApplyImages(topLevelItem(i));
            for (QTreeWidgetItemIterator it(this); *it; ++it)
                if (expanded_.contains((*it)->data(0, KeyRole).toString()))
                    (*it)->setExpanded(true);
        }
    }
    building_ = false;
    QTreeWidgetItem* cur = NodeByKey(lastKey_);
    if (!cur && query_ && query_->RecNo() >= 0)
        cur = NodeByKey(query_->Value(keyField_));
    if (cur) {
        syncing_ = true;
        setCurrentItem(cur);
        syncing_ = false;
    }
}

QTreeWidgetItem* DbTree::NodeByKey(const QVariant& key) const
{
    if (key.isNull())
        return nullptr;
    const QString want = ValueText(key);
    for (QTreeWidgetItemIterator it(const_cast<DbTree*>(this)); *it; ++it)
        if ((*it)->data(0, KeyRole).toString() == want)
            return *it;
    return nullptr;
}

QVariant DbTree::KeyOf(const QTreeWidgetItem* node) const
{
    return node ? node->data(0, KeyRole) : QVariant();
}

QVariant DbTree::CurrentKey() const
{
    return KeyOf(currentItem());
}

void DbTree::SelectNode(QTreeWidgetItem* node)
{
    if (node)
        setCurrentItem(node);
}

bool DbTree::SelectKey(const QVariant& key)
{
    QTreeWidgetItem* node = NodeByKey(key);
    SelectNode(node);
    return node != nullptr;
}

QTreeWidgetItem* DbTree::FindCaption(const QString& caption) const
{
    for (QTreeWidgetItemIterator it(const_cast<DbTree*>(this)); *it; ++it)
        if ((*it)->text(0) == caption)
            return *it;
    return nullptr;
}

QTreeWidgetItem* DbTree::FirstLeaf() const
{
    for (QTreeWidgetItemIterator it(const_cast<DbTree*>(this)); *it; ++it)
        if ((*it)->childCount() == 0)
            return *it;
    return nullptr;
}

void DbTree::RenameCurrent()
{
    QTreeWidgetItem* item = currentItem();
    if (!item)
        return;
    building_ = true;
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    building_ = false;
    editItem(item, 0);
}

void DbTree::OnItemChanged(QTreeWidgetItem* item, int column)
{
    if (building_ || column != 0)
        return;
    const QString text = item->text(0);
    if (text == item->data(0, CaptionRole).toString())
        return;
    building_ = true;
    item->setData(0, CaptionRole, text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    building_ = false;
    if (query_ && item == currentItem())
        query_->Locate(keyField_, item->data(0, KeyRole));
    // The window stores the name; the tree already shows it and is not rebuilt meanwhile.
    building_ = true;
    emit nodeRenamed(text);
    building_ = false;
}

void DbTree::Decorate(QTreeWidgetItem* item, bool current)
{
    if (!item)
        return;
    const bool wasBuilding = building_;
    building_ = true;
    QFont f = item->font(0);
    f.setBold(current);
    item->setFont(0, f);
    item->setForeground(0, current ? QBrush(Qt::red) : QBrush());
    building_ = wasBuilding;
}

void DbTree::OnCurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    if (building_)
        return;
    Decorate(previous, false);
    Decorate(current, true);
    if (syncing_ || building_ || !current || !query_)
        return;
    syncing_ = true;
    query_->Locate(keyField_, current->data(0, KeyRole));
    syncing_ = false;
}

void DbTree::SyncFromQuery()
{
    if (syncing_ || building_ || !query_ || query_->RecNo() < 0)
        return;
    QTreeWidgetItem* node = NodeByKey(query_->Value(keyField_));
    if (node && node != currentItem()) {
        syncing_ = true;
        setCurrentItem(node);
        syncing_ = false;
    }
}

void DbTree::mousePressEvent(QMouseEvent* e)
{
    // A right click makes the node under the cursor current before its menu opens.
    if (e->button() == Qt::RightButton)
        if (QTreeWidgetItem* item = itemAt(e->position().toPoint()))
            setCurrentItem(item);
    QTreeWidget::mousePressEvent(e);
}

void DbTree::mouseReleaseEvent(QMouseEvent* e)
{
    QTreeWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::RightButton)
        emit rightClicked(e->globalPosition().toPoint());
}
