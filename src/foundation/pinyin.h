#pragma once
#include <QByteArray>
#include <QString>

// Short codes ("简码") of names: the pinyin initials of their Chinese characters,
// other characters kept, letters upper-cased. 服装 gives "FZ".

// The short code of a text: each character U+4E00..U+9FA5 gives the initial of its
// primary reading; every other character is kept; a to z are upper-cased.
QString GetPyInitials(const QString& text);
// The short code of a name as the windows derive it: the name passes through the
// shop's 8-bit code page (GBK) first, so a character it cannot hold becomes '?'.
QString GetPyCode(const QString& name);
// The text in the shop's 8-bit code page (GBK), as files for other programs are
// written; a character the code page cannot hold becomes '?'.
QByteArray ToShopCodePage(const QString& text);
// The initials of all readings of one character, primary first ("cz" for 长); empty
// outside U+4E00..U+9FA5.
QString PyInitialsOf(char32_t codePoint);
