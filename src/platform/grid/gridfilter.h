#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

class Query;

// A grid's own row filter: LIKE conditions on fields joined all by OR or all by AND,
// compared without regard to case. Its text is a filter expression that a Query
// accepts as well, so that a printout can show exactly the rows the grid shows.
class GridFilter {
public:
    enum class Join { Or, And };

    void Clear();
    void SetJoin(Join j) { join_ = j; }
    Join GetJoin() const { return join_; }
    // field LIKE pattern; % and * match any run, _ and ? one character.
    void Add(const QString& field, const QString& pattern);
    bool IsEmpty() const { return conds_.isEmpty(); }
    int Count() const { return int(conds_.size()); }

    // "(g_name like '%A%') or (g_jm like '%A%')"; empty without conditions.
    QString Text() const;

    // Binds the conditions to the columns of a dataset. A condition on a field the
    // dataset lacks never matches.
    void Bind(const QStringList& fieldNames);
    // Whether a row of the dataset's view passes. A null value matches nothing.
    bool Matches(const Query& q, int row) const;

private:
    enum class Shape { Contains, Starts, Ends, Equals, General };
    struct Cond {
        QString field;
        QString pattern;
        Shape shape = Shape::General;
        QString core; // the pattern without its outer % for the simple shapes
        int col = -1;
    };
    static void Compile(Cond& c);
    static bool Test(const Cond& c, const QString& text);

    QVector<Cond> conds_;
    Join join_ = Join::Or;
};
