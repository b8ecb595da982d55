#include "platform/db/transaction.h"

#include "platform/db/connection.h"

Transaction::Transaction(Connection& c) : c_(c), level_(c.Depth())
{
    if (level_ == 0)
        c_.Exec(QStringLiteral("begin immediate"));
    else
        c_.Exec(QStringLiteral("savepoint sp%1").arg(level_));
    ++c_.Depth();
}

Transaction::~Transaction()
{
    if (active_) {
        try {
            Rollback();
        } catch (...) {
            // Nothing sensible is left to do while unwinding.
        }
    }
}

void Transaction::Commit()
{
    if (!active_)
        return;
    active_ = false;
    --c_.Depth();
    if (level_ == 0)
        c_.Exec(QStringLiteral("commit"));
    else
        c_.Exec(QStringLiteral("release sp%1").arg(level_));
}

void Transaction::Rollback()
{
    if (!active_)
        return;
    active_ = false;
    --c_.Depth();
    if (!c_.Connected())
        return;
    if (level_ == 0)
        c_.Exec(QStringLiteral("rollback"));
    else
        c_.Exec(QStringLiteral("rollback to sp%1; release sp%1").arg(level_));
}
