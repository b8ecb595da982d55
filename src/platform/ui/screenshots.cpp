#include "platform/ui/screenshots.h"

#include <map>

namespace {
std::map<QString, Screenshots::Builder>& registry()
{
    static std::map<QString, Screenshots::Builder> r;
    return r;
}
}

namespace Screenshots {
void Register(const QString& name, Builder builder)
{
    registry()[name] = std::move(builder);
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
}
