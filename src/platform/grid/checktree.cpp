#include "platform/grid/checktree.h"

CheckTree::CheckTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
}

int CheckTree::AddGroup(const QString& caption)
{
    auto* g = new QTreeWidgetItem(this, { caption });
    g->setFlags(g->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    g->setCheckState(0, Qt::Unchecked);
    g->setExpanded(true);
    return topLevelItemCount() - 1;
}

int CheckTree::AddItem(int group, const QString& caption, const QVariant& data)
{
    QTreeWidgetItem* g = topLevelItem(group);
    if (!g)
        return -1;
    auto* i = new QTreeWidgetItem(g, { caption });
    i->setFlags(i->flags() | Qt::ItemIsUserCheckable);
    i->setData(0, Qt::UserRole, data);
    i->setCheckState(0, Qt::Unchecked);
    g->setExpanded(true);
    return g->childCount() - 1;
}

void CheckTree::ClearAll()
{
    clear();
}

int CheckTree::ItemCount(int group) const
{
    QTreeWidgetItem* g = topLevelItem(group);
    return g ? g->childCount() : 0;
}

QTreeWidgetItem* CheckTree::Item(int group, int item) const
{
    QTreeWidgetItem* g = topLevelItem(group);
    return g ? g->child(item) : nullptr;
}

QString CheckTree::ItemCaption(int group, int item) const
{
    QTreeWidgetItem* i = Item(group, item);
    return i ? i->text(0) : QString();
}

QVariant CheckTree::ItemData(int group, int item) const
{
    QTreeWidgetItem* i = Item(group, item);
    return i ? i->data(0, Qt::UserRole) : QVariant();
}

bool CheckTree::IsChecked(int group, int item) const
{
    QTreeWidgetItem* i = Item(group, item);
    return i && i->checkState(0) == Qt::Checked;
}

void CheckTree::SetChecked(int group, int item, bool on)
{
    if (QTreeWidgetItem* i = Item(group, item))
        i->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
}

Qt::CheckState CheckTree::GroupState(int group) const
{
    QTreeWidgetItem* g = topLevelItem(group);
    return g ? g->checkState(0) : Qt::Unchecked;
}

void CheckTree::SetGroupChecked(int group, bool on)
{
    if (QTreeWidgetItem* g = topLevelItem(group))
        g->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
}

QStringList CheckTree::CheckedCaptions() const
{
    QStringList out;
    for (int g = 0; g < GroupCount(); ++g)
        for (int i = 0; i < ItemCount(g); ++i)
            if (IsChecked(g, i))
                out << ItemCaption(g, i);
    return out;
}

QList<QVariant> CheckTree::CheckedData() const
{
    QList<QVariant> out;
    for (int g = 0; g < GroupCount(); ++g)
        for (int i = 0; i < ItemCount(g); ++i)
            if (IsChecked(g, i))
                out << ItemData(g, i);
    return out;
}
