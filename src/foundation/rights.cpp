#include "foundation/rights.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/sqltext.h"

namespace {

constexpr int kLogNoteLength = 200;

bool FlagAt(const QString& flags, int position)
{
    return position >= 1 && position <= flags.size() && flags[position - 1] == QLatin1Char('1');
}

// The first value of a statement's first column, and whether there was a row; on a
// statement of its own, so that a caller walking a shared query keeps its rows.
bool FirstValue(const QString& statement, QString* value)
{
    bool found = false;
    const QString text = SelectScalar(F_DataModule->ADOConn, statement, {}, &found);
    if (value)
        *value = text;
    return found;
}

} // namespace

bool HasRight(const QString& module, int position)
{
    if (BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != kAdministratorRole) {
        // Containment, as the warehouse lists its operators' codes in one text.
        if (!FirstValue(QStringLiteral("select ck_sn from jxc_ckxx where ck_asn like '%") + CurrentAdminSn
                    + QStringLiteral("%'"),
                nullptr))
            return false;
    }
    QString flags;
    FirstValue(QStringLiteral("select ") + module + QStringLiteral(" from jxc_role where r_sn='") + CurrentRoleSn
            + QStringLiteral("'"),
        &flags);
    return FlagAt(flags, position);
}

bool HasRightOf(const QString& module, int position, const QString& adminName)
{
    QString flags;
    FirstValue(QStringLiteral("select a.") + module
            + QStringLiteral(" from jxc_role a,jxc_admin b where a.r_sn=b.r_sn and b.a_name=") + SqlQuoted(adminName),
        &flags);
    return FlagAt(flags, position);
}

void WriteLog(const QString& note)
{
    QString cut = note.left(kLogNoteLength);
    // Never keep half of a character that takes two UTF-16 units.
    if (cut.size() == kLogNoteLength && cut.back().isHighSurrogate())
        cut.chop(1);
    const QDateTime now = Clock::Now();
    // A statement of its own, so that a caller's open select query is left alone.
    F_DataModule->ADOConn.Exec(QStringLiteral("insert into jxc_log (log_time,a_name,log_note) values (:t,:a,:n)"),
        { { QStringLiteral("t"), now.toString(ShortDateFormat) + QLatin1Char(' ') + now.toString(LongTimeFormat) },
            { QStringLiteral("a"), CurrentAdminName }, { QStringLiteral("n"), cut } });
}
