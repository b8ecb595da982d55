#include "masterdata/inform.h"

#include "platform/ui/prompt.h"

void Inform(const QString& text)
{
    Prompt::Info(text, Prompt::kInfoCaption, Prompt::Icon::Information);
}
