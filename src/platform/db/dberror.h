#pragma once
#include <QString>
#include <stdexcept>

// Every failure of the database layer. Failures of the file itself (missing,
// unreadable, not a database, damaged) name the file in their text, so that the
// program-wide handler can tell that the account set cannot be used; failures of a
// statement do not.
class DbError : public std::runtime_error {
public:
    enum class Kind { File, Statement };
    DbError(const QString& message, const QString& file = QString(), Kind kind = Kind::File);
    Kind kind() const { return kind_; }
    QString message() const { return message_; }
    QString file() const { return file_; }

private:
    QString message_;
    QString file_;
    Kind kind_;
};
