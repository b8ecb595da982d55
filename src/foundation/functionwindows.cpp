#include "foundation/functionwindows.h"

#include "platform/ui/form.h"
#include "platform/ui/screenshots.h"

#include <map>

namespace {
std::map<QString, FunctionWindows::Entry>& registry()
{
    static std::map<QString, FunctionWindows::Entry> r;
    return r;
}

// Kept windows without a global of their own.
std::map<QString, std::unique_ptr<Form>>& keeping()
{
    static std::map<QString, std::unique_ptr<Form>> k;
    return k;
}
}

namespace FunctionWindows {

void Register(const QString& windowClass, Entry entry)
{
    Screenshots::Register(windowClass, [create = entry.create, sample = entry.sample]() -> QWidget* {
        Screenshots::Prepare();
        return sample ? sample() : create();
    });
    registry()[windowClass] = std::move(entry);
}

void RegisterView(const QString& windowClass, const QString& view, std::function<void(Form&)> show)
{
    Screenshots::Register(windowClass + QLatin1Char('-') + view, [windowClass, show]() -> QWidget* {
        auto it = registry().find(windowClass);
        if (it == registry().end() || !it->second.create)
            return nullptr;
        Screenshots::Prepare();
        Form* w = it->second.create();
        show(*w);
        return w;
    });
}

void Unregister(const QString& windowClass)
{
    registry().erase(windowClass);
    keeping().erase(windowClass);
    const QString prefix = windowClass + QLatin1Char('-');
    for (const QString& name : Screenshots::Names())
        if (name == windowClass || name.startsWith(prefix))
            Screenshots::Unregister(name);
}

bool Available(const QString& windowClass)
{
    auto it = registry().find(windowClass);
    return it != registry().end() && it->second.create;
}

bool Open(const QString& windowClass, Lifetime lifetime)
{
    if (!Available(windowClass))
        return false;
    // Copied: the window may register or unregister others while it shows.
    const Entry e = registry()[windowClass];
    if (lifetime == Lifetime::Freed) {
        std::unique_ptr<Form> w(e.create());
        w->ShowModal();
        return true;
    }
    Form* w = nullptr;
    if (e.getGlobal) {
        w = e.getGlobal();
        if (!w) {
            w = e.create();
            e.setGlobal(w);
        }
    } else {
        std::unique_ptr<Form>& k = keeping()[windowClass];
        if (!k)
            k.reset(e.create());
        w = k.get();
    }
    w->ShowModal();
    return true;
}

Form* KeptInstance(const QString& windowClass)
{
    auto r = registry().find(windowClass);
    if (r != registry().end() && r->second.getGlobal)
        return r->second.getGlobal();
    auto k = keeping().find(windowClass);
    return k == keeping().end() ? nullptr : k->second.get();
}

void FreeKept()
{
    keeping().clear();
}

}
