#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Named builders of windows for the developers' screenshot command: each makes a
// window ready to be rendered (the command owns and deletes it).
namespace Screenshots {
using Builder = std::function<QWidget*()>;
void Register(const QString& name, Builder builder);
QStringList Names();
Builder Find(const QString& name);
}
