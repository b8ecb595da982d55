#include "platform/ui/screenshots.h"

#include <map>

namespace {
std::map<QString, Screenshots::Builder>& registry()
{
    static std::map<QString, Screenshots::Builder> r;
    return r;
}

std::function<void()>& preparation()
{
    static std::function<void()> p;
    return p;
}
}

namespace Screenshots {
void Register(const QString& name, Builder builder)
{
    registry()[name] = std::move(builder);
}

void Unregister(const QString& name)
{
    registry().erase(name);
}

QStringList Names()
{
    QStringList out;
    for (const auto& [name, b] : registry())
        out << name;
    return out;
}

Builder Find(const QString& name)
{
    auto it = registry().find(name);
    return it == registry().end() ? Builder() : it->second;
}

void SetPreparation(std::function<void()> prepare)
{
    preparation() = std::move(prepare);
}

void Prepare()
{
    if (preparation())
        preparation()();
}
}
