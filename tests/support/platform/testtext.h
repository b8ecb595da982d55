#pragma once
#include <QString>
#include <ostream>

// Lets GoogleTest show QString values as text in its failure messages.
void PrintTo(const QString& s, std::ostream* os);

// A delivered file in the source tree's resources/ ("skinfiles/iMaginary.skinres").
QString SourceResource(const QString& relativePath);
