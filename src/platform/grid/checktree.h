#pragma once
#include <QTreeWidget>
#include <QVariant>

// A tree of tick boxes: groups with their items under them. Ticking a group ticks or
// clears all its items ("select all"); a group shows itself ticked when all its
// items are and half-ticked when some are.
class CheckTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit CheckTree(QWidget* parent = nullptr);

    int AddGroup(const QString& caption);
    int AddItem(int group, const QString& caption, const QVariant& data = QVariant());
    void ClearAll();
    int GroupCount() const { return topLevelItemCount(); }
    int ItemCount(int group) const;
    QString ItemCaption(int group, int item) const;
    QVariant ItemData(int group, int item) const;

    bool IsChecked(int group, int item) const;
    void SetChecked(int group, int item, bool on);
    Qt::CheckState GroupState(int group) const;
    void SetGroupChecked(int group, bool on);
    // Captions of the ticked items, group by group in tree order.
    QStringList CheckedCaptions() const;
    QList<QVariant> CheckedData() const;

private:
    QTreeWidgetItem* Item(int group, int item) const;
};
