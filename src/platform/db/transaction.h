#pragma once
#include <QString>

class Connection;

// A unit of work: begun on construction, committed by Commit(), rolled back when
// it leaves scope uncommitted (an exception, an early return). Nested units use
// savepoints, so an inner failure can be undone without losing the outer work.
class Transaction {
public:
    // Join: inside a caller's unit, no savepoint of its own; its Commit and Rollback
    // leave the work to the caller, so a failure fails the caller's whole unit. For
    // small steps that a long run repeats thousands of times. Alone, it is a unit.
    enum class Nesting { Savepoint, Join };
    explicit Transaction(Connection& c, Nesting nesting = Nesting::Savepoint);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();
    void Rollback();
    bool Active() const { return active_; }

private:
    Connection& c_;
    int level_;
    bool joined_;
    bool active_ = true;
};
