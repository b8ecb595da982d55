#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class Connection;

// What tests read back from a database: a statement's first column, its first value,
// the rows of a table that meet a condition.
class DbProbe {
public:
    explicit DbProbe(std::function<Connection&()> database) : database_(std::move(database)) { }

    QStringList Column(const QString& sql) const;
    QString Scalar(const QString& sql) const;
    int Count(const QString& table, const QString& where = QString()) const;
    // Each row of a statement, its columns as text joined by blanks.
    QStringList Rows(const QString& sql) const;

private:
    std::function<Connection&()> database_;
};
