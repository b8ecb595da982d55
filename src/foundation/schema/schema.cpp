#include "foundation/schema/schema.h"

#include "platform/db/connection.h"
#include "platform/db/transaction.h"

// Placeholder until the table routines land: only the tables the start-up needs.
void CreateAllTables(Connection& c)
{
    Transaction t(c);
    c.Exec(QStringLiteral("drop table if exists jxc_log; create table jxc_log (id integer primary key autoincrement, "
                          "log_time varchar(50) collate nocase, a_name varchar(50) collate nocase, "
                          "log_note varchar(255) collate nocase)"));
    t.Commit();
}

void CreateCatalogue(Connection& c)
{
    Transaction t(c);
    c.Exec(QStringLiteral("drop table if exists jxc_xtzt; create table jxc_xtzt (id integer primary key autoincrement, "
                          "zt_sn varchar(50) collate nocase, zt_name varchar(50) collate nocase, zt_default bit not null default 0, "
                          "zt_forbid bit not null default 0, zt_note varchar(255) collate nocase, zt_dbname varchar(50) collate nocase, "
                          "zt_dbpwd varchar(50) collate nocase)"));
    t.Commit();
}
