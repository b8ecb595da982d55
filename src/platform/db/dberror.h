#pragma once
#include <QString>
#include <stdexcept>

// Every failure of the database layer. The text carries SQLite's message and
// the file the connection works on, so that a handler can tell which database failed.
class DbError : public std::runtime_error {
public:
    DbError(const QString& message, const QString& file = QString());
    QString message() const { return message_; }
    QString file() const { return file_; }

private:
    QString message_;
    QString file_;
};
