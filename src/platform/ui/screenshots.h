#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Named builders of windows for the developers' screenshot command: each makes a
// window ready to be rendered (the command owns and deletes it). A window is named
// by its class ("TF_Login"); a second view of it by class and view ("TF_Cgjh-query").
namespace Screenshots {
using Builder = std::function<QWidget*()>;
void Register(const QString& name, Builder builder);
void Unregister(const QString& name);
QStringList Names();
Builder Find(const QString& name);

// What every business window needs before it can be built (an account set, the data
// module, a logged-in operator): set by the screenshot command, run by the builders
// of registered windows. Nothing is done while none is set.
void SetPreparation(std::function<void()> prepare);
void Prepare();
}
