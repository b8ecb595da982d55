#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

// A filter expression over a dataset's fields: conditions "field like 'a%'",
// "field = 'x'" (also <>, <, >, <=, >=, not like) joined by and/or, with brackets
// and not. Text comparisons ignore case; % and * match any run, _ and ? one character.
class RowFilter {
public:
    // Throws DbError when the expression cannot be read or names an unknown field.
    RowFilter(const QString& expression, const QStringList& fields);
    ~RowFilter();
    bool Matches(const std::function<QVariant(int)>& value) const;

    struct Node;

private:
    std::unique_ptr<Node> root_;
};

// LIKE matching with % / * and _ / ? wildcards, without regard to case.
bool LikeMatch(const QString& text, const QString& pattern);
