#include "foundation/schema/schema.h"

#include "foundation/schema/tabledef.h"
#include "platform/db/connection.h"
#include "platform/db/dberror.h"
#include "platform/db/jetfunctions.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"

#include <QHash>
#include <QRegularExpression>

namespace {

// clang-format off
// Build order. Nothing depends on it but where a failure would stop; the till's
// level-goods discount table, which the till reads and nothing else creates, comes last.
const char* const kBuildOrder[] = {
    "jxc_skin", "jxc_goodsclass", "jxc_goods", "jxc_color", "jxc_dw", "jxc_ggxh",
    "jxc_ckxx", "jxc_kcsp", "jxc_goodstmp", "jxc_ghsxx", "jxc_goodsprice", "jxc_import",
    "jxc_importchk", "jxc_importdata", "jxc_goodsremind", "jxc_ghstype", "jxc_zone", "jxc_ghsfk",
    "jxc_khxx", "jxc_khtype", "jxc_khfk", "jxc_user", "jxc_admin", "jxc_company",
    "jxc_goodslist", "jxc_djbz", "jxc_jhsp", "jxc_jhd", "jxc_tempspbd", "jxc_tempspxf",
    "jxc_wxfk", "jxc_tempyyfx", "jxc_xjyh", "jxc_shdj", "jxc_shsp", "jxc_ghsbj",
    "jxc_thd", "jxc_thsp", "jxc_log", "jxc_fkfs", "jxc_fkmx", "jxc_bbgl",
    "jxc_lsxssp", "jxc_lsxsd", "jxc_xsthsp", "jxc_xsthd", "jxc_khbj", "jxc_lsxssptemp",
    "jxc_hyfl", "jxc_hyxx", "jxc_hyjbxx", "jxc_posxsd", "jxc_posxssp", "jxc_jfsz",
    "jxc_jfdh", "jxc_posprint", "jxc_gnb", "jxc_posfont", "jxc_yhzh", "jxc_kcdbd",
    "jxc_dbsp", "jxc_cfd", "jxc_cfsp", "jxc_kbd", "jxc_kbsp", "jxc_yyfy",
    "jxc_cfsptmp", "jxc_bsd", "jxc_bssp", "jxc_byd", "jxc_bysp", "jxc_kcpd",
    "jxc_kcpdtemp", "jxc_ckjth", "jxc_kcjs", "jxc_htgl", "jxc_ftpcs", "jxc_khhtgl",
    "jxc_ghslx", "jxc_khlx", "jxc_ywyrz", "jxc_jhgl", "jxc_tx", "jxc_fylx",
    "jxc_zcmx", "jxc_gdzc", "jxc_gdzcbf", "jxc_gdzcbg", "jxc_gdzcjy", "jxc_gdzcwx",
    "jxc_gdzclb", "jxc_gdzccs", "jxc_gdzctmp", "jxc_backup", "jxc_fd", "jxc_lsfdxx",
    "jxc_nj", "jxc_tm", "jxc_txm", "jxc_tmdy", "jxc_tkc", "jxc_email",
    "jxc_numeric", "jxc_role", "jxc_mryt", "jxc_jbgl", "jxc_poshb", "jxc_xtcs",
    "jxc_txdisp", "jxc_ysyfk", "jxc_jxchz", "jxc_kcpdsp", "jxc_bqjl", "jxc_rksp",
    "jxc_rkd", "jxc_cksp", "jxc_ckd", "jxc_ysyfk_dj", "jxc_fpdjb", "jxc_goodstm",
    "jxc_goodsdw", "jxc_goodsdwtmp", "jxc_kdd", "jxc_kdgs", "jxc_tempspxf2", "jxc_poscs",
    "jxc_hyyh", "jxc_hyczzs", "jxc_hyxf", "jxc_dhd", "jxc_dhzp", "jxc_crk",
    "jxc_dept", "jxc_sms", "jxc_smshy", "jxc_smscs", "jxc_khjh", "jxc_khjhsp",
    "jxc_khjhsptmp", "jxc_xshhsp", "jxc_xshhd", "jxc_cgsp", "jxc_cgd", "jxc_xssp",
    "jxc_xsd", "jxc_cfkbmb", "jxc_hjxx", "jxc_rklist", "jxc_cklist", "jxc_scrkd",
    "jxc_scrksp", "jxc_bmlyd", "jxc_bmlysp", "jxc_plxx", "jxc_plxxtmp", "jxc_scjgd",
    "jxc_scjgdlb", "jxc_scjgdpl", "jxc_scjgdwsh", "jxc_scjgdwshlb", "jxc_scjgdwshpl", "jxc_scjgdpltmp",
    "jxc_jgrkd", "jxc_jgrksp", "jxc_wfjgd", "jxc_wfjgdpl", "jxc_wfshd", "jxc_wftzd",
    "jxc_wftzdpl", "jxc_plan", "jxc_planlb", "jxc_planpl", "jxc_wxcs", "jxc_wxsp",
    "jxc_wxd", "jxc_colorz", "jxc_cm", "jxc_cmz", "jxc_ppcs", "jxc_colorz2",
    "jxc_cmz2", "jxc_jhspmx", "jxc_shspmx", "jxc_thspmx", "jxc_lsxsspmx", "jxc_xsthspmx",
    "jxc_dbspmx", "jxc_byspmx", "jxc_bsspmx", "jxc_goodslistmx", "jxc_jhglmx", "jxc_tempspxfmx",
    "jxc_posxsspmx", "jxc_kbspmx", "jxc_cfspmx", "jxc_kcpdspmx", "jxc_rkspmx", "jxc_ckspmx",
    "jxc_cgspmx", "jxc_xsspmx", "jxc_scrkspmx", "jxc_bmlyspmx",
    "jxc_dxdz",
};

// Base data that survives data clearing.
const char* const kKeptTables[] = {
    "jxc_goodsclass", "jxc_goods", "jxc_color", "jxc_dw", "jxc_ggxh", "jxc_ckxx",
    "jxc_kcsp", "jxc_ghsxx", "jxc_ghstype", "jxc_zone", "jxc_khxx", "jxc_khtype",
    "jxc_user", "jxc_admin", "jxc_company", "jxc_hyfl", "jxc_hyxx", "jxc_hyjbxx",
    "jxc_posprint", "jxc_gnb", "jxc_posfont", "jxc_role", "jxc_mryt", "jxc_xtcs",
    "jxc_dept", "jxc_plxx",
};
// clang-format on

std::span<const TableDef> (*const kFamilies[])() = {
    GoodsTables,
    PartnerTables,
    DocumentTables,
    StockDocumentTables,
    ProcessingTables,
    LedgerTables,
    MoneyTables,
    MemberTables,
    SettingsTables,
    WorkTables,
};

const QHash<QString, const TableDef*>& Registry()
{
    static const QHash<QString, const TableDef*> registry = [] {
        QHash<QString, const TableDef*> r;
        for (auto family : kFamilies)
            for (const TableDef& t : family())
                r.insert(QString::fromLatin1(t.name), &t);
        return r;
    }();
    return registry;
}

const TableDef& Definition(const QString& table)
{
    const TableDef* t = FindTableDef(table);
    if (!t)
        throw DbError(QStringLiteral("no definition for table ") + table, QString(), DbError::Kind::Statement);
    return *t;
}

void Build(Connection& c, const TableDef& t)
{
    c.Exec(QStringLiteral("drop table if exists ") + QLatin1String(t.name));
    c.Exec(CreateTableText(t));
    CreateLookupIndexes(c, t);
    if (t.seed)
        t.seed(c);
}

bool Kept(const char* table)
{
    for (const char* k : kKeptTables)
        if (qstrcmp(k, table) == 0)
            return true;
    return false;
}

// Whether a statement can be run at all (its tables and columns exist).
bool Runs(Connection& c, const QString& sql)
{
    // In a savepoint of its own: on a server a failed statement spoils the whole
    // transaction around it unless it is rolled back to a savepoint.
    Transaction probe(c);
    try {
        SelectScalar(c, sql);
    } catch (const DbError&) {
        return false;
    }
    probe.Commit();
    return true;
}

}

QString ColumnDeclaration(const QString& type)
{
    static const QRegularExpression re(
        QStringLiteral(
            R"(^\s*(numeric\s*\(\s*28\s*,\s*8\s*\)|bit|(n?varchar)\s*\(\s*(\d+)\s*\)|text|integer|int)(?!\w)\s*(.*)$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(type);
    if (!m.hasMatch())
        throw DbError(QStringLiteral("unknown column type ") + type, QString(), DbError::Kind::Statement);
    const QString base = m.captured(1).toLower();
    const QString rest = m.captured(4).trimmed();
    QString decl;
    if (base.startsWith(QLatin1String("numeric")))
        decl = QStringLiteral("real");
    else if (base == QLatin1String("bit"))
        decl = QStringLiteral("bit not null default 0");
    else if (!m.captured(2).isEmpty())
        decl = m.captured(2).toLower() + QLatin1Char('(') + m.captured(3) + QLatin1Char(')');
    else
        decl = base;
    if (!rest.isEmpty())
        decl += QLatin1Char(' ') + rest;
    if (!m.captured(2).isEmpty() || base == QLatin1String("text"))
        decl += QStringLiteral(" collate nocase");
    return decl;
}

QString CreateTableText(const TableDef& t)
{
    QString sql = QStringLiteral("create table ") + QLatin1String(t.name)
        + QStringLiteral(" (id integer primary key autoincrement");
    for (const ColumnDef& col : t.columns)
        sql += QStringLiteral(", ") + QLatin1String(col.name) + QLatin1Char(' ')
            + ColumnDeclaration(QString::fromLatin1(col.type));
    sql += QLatin1Char(')');
    return sql;
}

void InsertSeedRow(Connection& c, const char* table, const char* columns, const QVariantList& values)
{
    const QStringList names = QString::fromLatin1(columns).split(QLatin1Char(','));
    if (names.size() != values.size())
        throw DbError(QStringLiteral("seed row of %1 names %2 columns but has %3 values")
                          .arg(QLatin1String(table))
                          .arg(names.size())
                          .arg(values.size()),
            QString(), DbError::Kind::Statement);
    QString marks;
    QHash<QString, QVariant> params;
    for (int i = 0; i < values.size(); ++i) {
        const QString key = QStringLiteral("v%1").arg(i);
        marks += (i ? QStringLiteral(",:") : QStringLiteral(":")) + key;
        params.insert(key, values[i]);
    }
    c.Exec(QStringLiteral("insert into %1 (%2) values (%3)").arg(QLatin1String(table), QLatin1String(columns), marks),
        params);
}

SeedRow& SeedRow::Set(const char* column, const QVariant& value)
{
    if (!columns_.isEmpty())
        columns_ += ',';
    columns_ += column;
    values_ << value;
    return *this;
}

SeedRow& SeedRow::Fill(const char* columns, const QVariant& value)
{
    for (const QByteArray& col : QByteArray(columns).split(','))
        Set(col.trimmed().constData(), value);
    return *this;
}

void SeedRow::Insert()
{
    InsertSeedRow(c_, table_, columns_.constData(), values_);
}

const TableDef* FindTableDef(const QString& table)
{
    return Registry().value(table.toLower(), nullptr);
}

void CreateTable(Connection& c, const QString& table)
{
    const TableDef& def = Definition(table);
    Transaction t(c);
    Build(c, def);
    t.Commit();
}

void CreateAllTables(Connection& c)
{
    Transaction t(c);
    CreateServerFunctions(c);
    for (const char* name : kBuildOrder)
        Build(c, Definition(QLatin1String(name)));
    t.Commit();
}

void CreateSettingsTable(Connection& c)
{
    CreateTable(c, QStringLiteral("jxc_xtcs"));
}

void CreateEmailTable(Connection& c)
{
    CreateTable(c, QStringLiteral("jxc_email"));
}

void CreateReportListTable(Connection& c)
{
    CreateTable(c, QStringLiteral("jxc_bbgl"));
}

void CreateStockTable(Connection& c)
{
    CreateTable(c, QStringLiteral("jxc_kcsp"));
}

void ClearBusinessData(Connection& c)
{
    Transaction t(c);
    c.Exec(QStringLiteral("update jxc_goods set g_kc=0,ghs_sn='100001'"));
    for (const char* name : kBuildOrder)
        if (!Kept(name))
            Build(c, Definition(QLatin1String(name)));
    t.Commit();
}

void ClearBusinessDataAndStock(Connection& c)
{
    Transaction t(c);
    ClearBusinessData(c);
    CreateStockTable(c);
    t.Commit();
}

void UpgradeSchema(Connection& c)
{
    Transaction t(c);
    // Columns added after the stamp last moved: a set of any stamp may lack them, so
    // they are looked for at every login (one catalogue read).
    static const struct {
        const char* table;
        const char* column;
        const char* type;
    } kLateColumns[] = { { "jxc_smscs", "sms_host", "varchar (64)" }, { "jxc_smscs", "sms_port", "varchar (8)" } };
    QHash<QString, QStringList> present;
    for (const auto& late : kLateColumns) {
        const QString table = QLatin1String(late.table);
        if (!c.TableExists(table))
            continue;
        if (!present.contains(table))
            present.insert(table, c.ColumnNames(table));
        if (!present[table].contains(QLatin1String(late.column), Qt::CaseInsensitive))
            c.Exec(QStringLiteral("alter table ") + table + QStringLiteral(" add column ") + QLatin1String(late.column)
                + QLatin1Char(' ') + ColumnDeclaration(QLatin1String(late.type)));
    }
    // Indexes added after a set was made speed up its lookups as well; only missing
    // ones are built (one catalogue read otherwise).
    CreateMissingLookupIndexes(c);
    // Text order is date order for "yyyy-MM-dd"; an empty or missing stamp is older.
    if (SelectScalar(c, QStringLiteral("select cs_employdate from jxc_xtcs")) >= SchemaStamp()) {
        t.Commit();
        return;
    }
    c.Exec(QStringLiteral("update jxc_xtcs set cs_employdate='") + SchemaStamp() + QLatin1Char('\''));
    // Sets made before the company note existed lack the column.
    if (!Runs(c, QStringLiteral("select c_note from jxc_company")))
        c.Exec(QStringLiteral("alter table jxc_company add column c_note ")
            + ColumnDeclaration(QStringLiteral("nvarchar (200)")));
    t.Commit();
}

QStringList SchemaTableNames()
{
    QStringList names;
    for (const char* name : kBuildOrder)
        names << QLatin1String(name);
    return names;
}

QStringList KeptTableNames()
{
    QStringList names;
    for (const char* name : kKeptTables)
        names << QLatin1String(name);
    return names;
}

QString SchemaStamp()
{
    return QStringLiteral("2023-04-30");
}

QString SchemaBrandWord()
{
    return QStringLiteral("Vestora");
}
