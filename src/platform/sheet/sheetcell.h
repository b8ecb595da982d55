#pragma once
#include <QString>
#include <vector>

// One cell as the writers put it into a file.
struct SheetCell {
    enum class Kind { Empty, Number, Text };
    Kind kind = Kind::Empty;
    double number = 0;
    QString text;
};

// A table ready for writing: the first row holds the captions (written bold), the
// widths are in characters.
struct PreparedSheet {
    std::vector<std::vector<SheetCell>> rows;
    std::vector<double> widths;
};
