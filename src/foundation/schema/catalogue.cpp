#include "foundation/schema/schema.h"
#include "foundation/schema/tabledef.h"

#include "platform/db/connection.h"
#include "platform/db/transaction.h"

namespace {

// The catalogue lives in its own file; its column types are ours to choose: codes
// and file names as text, the default and disabled marks as yes/no.
const ColumnDef cols_xtzt[] = {
    { "zt_sn", "varchar (8)" },
    { "zt_name", "nvarchar (32)" },
    { "zt_default", "bit" },
    { "zt_forbid", "bit" },
    { "zt_note", "nvarchar (64)" },
    { "zt_dbname", "varchar (64)" },
    { "zt_dbpwd", "varchar (32)" },
};

const TableDef catalogue = { "jxc_xtzt", cols_xtzt };

}

void CreateCatalogue(Connection& c)
{
    Transaction t(c);
    c.Exec(QStringLiteral("drop table if exists jxc_xtzt"));
    c.Exec(CreateTableText(catalogue));
    // The delivered account set: built in, default, never disabled.
    InsertSeedRow(c, "jxc_xtzt", "zt_sn,zt_name,zt_default,zt_forbid,zt_note,zt_dbname,zt_dbpwd",
        { "100001", "默认帐套", 1, 0, "", "jxc.mdb", "" });
    t.Commit();
}
