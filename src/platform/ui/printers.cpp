#include "platform/ui/printers.h"

#include <QPrinterInfo>
#include <optional>

namespace {

std::optional<QStringList>& Fixed()
{
    static std::optional<QStringList> names;
    return names;
}

} // namespace

namespace Printers {

QStringList Installed()
{
    if (Fixed())
        return *Fixed();
    return QPrinterInfo::availablePrinterNames();
}

void SetInstalled(const QStringList& names)
{
    Fixed() = names;
}

void Reset()
{
    Fixed().reset();
}

} // namespace Printers
