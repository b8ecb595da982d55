#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// What each position of a role's flag strings grants. A group is one module column
// of jxc_role; its labels are the rights at positions 1, 2, ... in order. Positions
// past a group's labels, and the columns no group names (rcgl, scjg, scjh), are
// granted by the administrator role's strings only.
struct RightGroup {
    QString column;  // module column of jxc_role ("cggl")
    QString caption; // the group's name in the role editor ("入库管理")
    QStringList labels;
};

// The six groups in the editor's order.
const std::vector<RightGroup>& RightGroups();
// The group of a module column; nullptr when the editor shows none.
const RightGroup* RightGroupOf(const QString& column);

// A flag string from ticks: '1' for each ticked right, '0' for each other.
QString FlagsFromTicks(const QList<bool>& ticks);
// The ticks of `count` rights read from a flag string; positions past its end are unticked.
QList<bool> TicksFromFlags(const QString& flags, int count);
