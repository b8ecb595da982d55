#pragma once
#include <QString>

// Chinese literals in tests, written as UTF-8 source text.
inline QString S(const char* text)
{
    return QString::fromUtf8(text);
}
