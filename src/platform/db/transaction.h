#pragma once
#include <QString>

class Connection;

// A unit of work: begun on construction, committed by Commit(), rolled back when
// it leaves scope uncommitted (an exception, an early return). Nested units use
// savepoints, so an inner failure can be undone without losing the outer work.
class Transaction {
public:
    explicit Transaction(Connection& c);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();
    void Rollback();
    bool Active() const { return active_; }

private:
    Connection& c_;
    int level_;
    bool active_ = true;
};
