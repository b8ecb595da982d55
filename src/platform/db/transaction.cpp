#include "platform/db/transaction.h"

#include "platform/db/backend.h"

Transaction::Transaction(Connection& c, Nesting nesting)
    : c_(c), level_(c.Depth()), joined_(nesting == Nesting::Join && level_ > 0)
{
    if (joined_)
        return;
    if (level_ == 0)
        c_.Exec(c_.Require().BeginText());
    else
        c_.Exec(QStringLiteral("savepoint sp%1").arg(level_));
    ++c_.depth_;
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
    if (joined_)
        return;
    --c_.depth_;
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
    if (joined_)
        return;
    --c_.depth_;
    if (!c_.Connected())
        return;
    if (level_ == 0)
        c_.Exec(QStringLiteral("rollback"));
    else
        c_.Exec(QStringLiteral("rollback to sp%1; release sp%1").arg(level_));
}
