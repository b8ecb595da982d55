#pragma once
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// Packs named streams into a compound document (version 3, 512-byte sectors), the
// container of the older spreadsheet format. Streams shorter than 4096 bytes are
// padded with zeros to that length so that every stream lives in the main
// allocation table and no mini stream is needed; readers of the workbook stream
// stop at its end-of-file records and ignore the padding.
QByteArray BuildCompoundFile(const std::vector<std::pair<QString, QByteArray>>& streams);
