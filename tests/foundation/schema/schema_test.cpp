#include "platform/base/clock.h"
#include "platform/db/dberror.h"
#include "schemafixture.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

// Columns this system adds to documented tables because other statements write or
// read them: {table, column, declared type}.
const char* const kAddedColumns[][3] = {
    { "jxc_jhsp", "dw_name", "nvarchar" },
    { "jxc_thsp", "dw_name", "nvarchar" },
    { "jxc_dbsp", "dw_name", "nvarchar" },
    { "jxc_lsxssp", "ls_zsl", "real" },
    { "jxc_lsxssp", "dw_name", "nvarchar" },
    { "jxc_lsxssp", "g_sptm", "varchar" },
    { "jxc_lsxssp", "g_zhxs", "real" },
    { "jxc_lsxssp", "gl_djh3", "nvarchar" },
    { "jxc_lsxssp", "idck", "int" },
    { "jxc_lsxssp", "t_yxq", "varchar" },
    { "jxc_xssp", "dw_name", "nvarchar" },
    { "jxc_xssp", "g_sptm", "varchar" },
    { "jxc_xssp", "g_zhxs", "real" },
    { "jxc_xsthsp", "th_zsl", "real" },
    { "jxc_xsthsp", "dw_name", "nvarchar" },
    { "jxc_xsthsp", "g_sptm", "varchar" },
    { "jxc_xsthsp", "g_zhxs", "real" },
    { "jxc_xsthsp", "idck", "int" },
    { "jxc_posxssp", "t_yxq", "varchar" },
    { "jxc_posxssp", "t_ph", "varchar" },
    { "jxc_posxssp", "pos_zsl", "real" },
    { "jxc_posxssp", "dw_name", "nvarchar" },
    { "jxc_posxssp", "g_sptm", "varchar" },
    { "jxc_posxssp", "g_zhxs", "real" },
    { "jxc_posxssp", "gl_djh3", "nvarchar" },
    { "jxc_posxssp", "idck", "int" },
    { "jxc_smscs", "sms_host", "varchar" },
    { "jxc_smscs", "sms_port", "varchar" },
};

struct ColumnInfo {
    QString table, name, type, collation;
    bool notNull = false;
    QString defaultValue;
    int position = 0;
};

// The declared columns of SQLite tables, as the file keeps them.
std::vector<ColumnInfo> Columns(Connection& c, const QStringList& tables)
{
    std::vector<ColumnInfo> out;
    for (const QString& t : tables) {
        const QString create = SelectScalar(c, "select sql from sqlite_master where name=:t", { { "t", t } });
        const ResultSet r
            = c.Fetch("select cid,name,type,\"notnull\",dflt_value from pragma_table_info(:t)", { { "t", t } });
        for (const auto& row : r.rows) {
            ColumnInfo info;
            info.table = t;
            info.position = row[0].toInt();
            info.name = row[1].toString();
            info.type = row[2].toString().toLower();
            info.notNull = row[3].toInt() != 0;
            info.defaultValue = row[4].toString();
            const QRegularExpression declared("[(,]\\s*" + info.name + "\\s+([^,]*)");
            info.collation
                = declared.match(create).captured(1).contains("collate nocase", Qt::CaseInsensitive) ? "nocase" : "";
            out.push_back(info);
        }
    }
    return out;
}

QString BaseType(const QString& type)
{
    return type.section(QLatin1Char('('), 0, 0).trimmed();
}

TEST_F(SchemaTest, AnEmptyDatabaseGetsEveryTableKeyedByAnAutonumberId)
{
    SQLITE_FILE_ONLY();
    CreateAllTables(c);

    const QStringList tables = Tables();
    EXPECT_EQ(tables.size(), 203);
    EXPECT_TRUE(tables.contains("jxc_dxdz"));
    const QStringList built = SchemaTableNames();
    EXPECT_EQ(QSet<QString>(tables.begin(), tables.end()), QSet<QString>(built.begin(), built.end()));
    for (const ColumnInfo& col : Columns(c, tables)) {
        if (col.position != 0)
            continue;
        EXPECT_EQ(col.name, "id") << col.table.toStdString();
        EXPECT_EQ(col.type, "integer") << col.table.toStdString();
    }
    // Autoincrement: a deleted newest id is not handed out again.
    c.Exec("insert into jxc_dw (dw_sn) values ('x')");
    const qint64 id = c.LastInsertId();
    c.Exec("delete from jxc_dw where dw_sn='x'");
    c.Exec("insert into jxc_dw (dw_sn) values ('y')");
    EXPECT_GT(c.LastInsertId(), id);
}

TEST_F(SchemaTest, DeclaredTypesMatchTheDocumentedCensus)
{
    SQLITE_FILE_ONLY();
    CreateAllTables(c);
    QStringList documented = Tables();
    documented.removeAll("jxc_dxdz");
    QSet<QString> added;
    for (const auto& a : kAddedColumns)
        added.insert(QString(a[0]) + '.' + a[1]);

    QHash<QString, int> census;
    QHash<QString, int> addedCensus;
    for (const ColumnInfo& col : Columns(c, documented)) {
        if (col.position == 0)
            continue;
        const QString base = BaseType(col.type);
        (added.contains(col.table + '.' + col.name) ? addedCensus : census)[base]++;
        const std::string where = (col.table + '.' + col.name).toStdString();
        if (base == "varchar" || base == "nvarchar" || base == "text")
            EXPECT_EQ(col.collation, "nocase") << where;
        if (base == "bit") {
            EXPECT_TRUE(col.notNull) << where;
            EXPECT_EQ(col.defaultValue, "0") << where;
        }
        // The one column declared not null besides the yes/no columns.
        if (base != "bit")
            EXPECT_EQ(col.notNull, col.table == "jxc_lsfdxx" && col.name == "fd_sn") << where;
    }
    EXPECT_EQ(census.value("varchar"), 871);
    EXPECT_EQ(census.value("nvarchar"), 558);
    EXPECT_EQ(census.value("real"), 645);
    EXPECT_EQ(census.value("int"), 252);
    EXPECT_EQ(census.value("integer"), 1);
    EXPECT_EQ(census.value("bit"), 145);
    EXPECT_EQ(census.value("text"), 30);
    EXPECT_EQ(census.size(), 7);

    QHash<QString, int> expectedAdded;
    for (const auto& a : kAddedColumns)
        expectedAdded[a[2]]++;
    EXPECT_EQ(addedCensus, expectedAdded);
}

TEST_F(SchemaTest, AddedColumnsServeTheStatementsThatUseThem)
{
    CreateAllTables(c);
    // A held line comes back into the cart with its unit columns.
    c.Exec("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,a_name,pos_dzl,t_zp,pos_lsj,pos_cbj,pos_zcb) "
           "values ('XS24030510001','G1',10,2,20,'admin',1,'',12,6,12)");
    c.Exec("insert into jxc_lsxssp (gl_djh,ls_dj,ls_sl,ls_zje,g_sn,a_name,ls_dzl,ls_zhje,t_zp,ls_je,ls_tax,ls_taxdj,"
           "ls_taxje,ls_lsj,ls_cksl,ls_cbj,ls_zcb,ls_dhdj,t_yxq,t_ph,t_scrq,ls_zsl,dw_name,g_sptm,g_zhxs,gl_djh2,idck) "
           "select gl_djh,pos_dj,pos_sl,pos_zje,g_sn,a_name,pos_dzl,pos_zje,t_zp,pos_zje,0,pos_dj,0,pos_lsj,pos_sl,"
           "pos_cbj,pos_zcb,pos_dj*pos_dzl,t_yxq,t_ph,t_scrq,pos_zsl,dw_name,g_sptm,g_zhxs,gl_djh3,idck "
           "from jxc_posxssp where gl_djh='XS24030510001' order by id");
    // Held lines and till lines count in the base unit unless they say otherwise.
    EXPECT_EQ(Scalar("select g_zhxs from jxc_posxssp"), "1");
    EXPECT_EQ(Scalar("select g_zhxs from jxc_lsxssp"), "1");
    c.Exec("insert into jxc_lsxssp (gl_djh,g_sn) values ('XS24030510002','G2')");
    EXPECT_EQ(Scalar("select g_zhxs from jxc_lsxssp where g_sn='G2'"), "1");

    // A whole sale returned line by line.
    c.Exec("insert into jxc_xsthsp (gl_djh,g_sn,th_dj,th_sl,th_dzl,th_zje,a_name,th_je,th_tax,th_taxdj,th_taxje,th_zsl,"
           "dw_name,g_sptm,th_lsj,th_cbj,th_zcb,g_zhxs,th_bz,id2,gl_djh2,idck) select 'XT24030510001',g_sn,ls_dj,ls_sl,"
           "ls_dzl,ls_zje,'admin',ls_je,ls_tax,ls_taxdj,ls_taxje,ls_zsl,dw_name,g_sptm,ls_lsj,ls_cbj,ls_zcb,g_zhxs,ls_"
           "bz,0,"
           "gl_djh,id2 from jxc_lsxssp where gl_djh='XS24030510001' order by id");
    EXPECT_EQ(Count("jxc_xsthsp"), 1);

    // The document query lists lines with their own unit.
    for (const char* table : { "jxc_jhsp", "jxc_thsp", "jxc_lsxssp", "jxc_xsthsp", "jxc_dbsp" })
        EXPECT_NO_THROW(Column(QString("select a.dw_name from %1 a,jxc_goods b where a.g_sn=b.g_sn").arg(table)))
            << table;
    // The till's level-goods discount lookup.
    EXPECT_EQ(Scalar("select hl_dxzk from jxc_dxdz where hl_sn='' and g_sn='G1'"), "");
}

TEST_F(SchemaTest, SeedRowCountsAndEveryOtherTableEmpty)
{
    CreateAllTables(c);
    const QHash<QString, int> seeded = {
        { "jxc_goods", 1 },
        { "jxc_goodsclass", 2 },
        { "jxc_color", 9 },
        { "jxc_colorz", 1 },
        { "jxc_colorz2", 1 },
        { "jxc_cm", 9 },
        { "jxc_cmz", 1 },
        { "jxc_cmz2", 1 },
        { "jxc_dw", 4 },
        { "jxc_ggxh", 3 },
        { "jxc_ppcs", 7 },
        { "jxc_hjxx", 1 },
        { "jxc_tmdy", 1 },
        { "jxc_ckxx", 1 },
        { "jxc_ghsxx", 1 },
        { "jxc_ghstype", 3 },
        { "jxc_khxx", 1 },
        { "jxc_khtype", 6 },
        { "jxc_zone", 3 },
        { "jxc_user", 1 },
        { "jxc_dept", 1 },
        { "jxc_fd", 1 },
        { "jxc_kdgs", 23 },
        { "jxc_xjyh", 6 },
        { "jxc_yhzh", 6 },
        { "jxc_fkfs", 2 },
        { "jxc_fylx", 5 },
        { "jxc_gdzclb", 1 },
        { "jxc_gdzccs", 5 },
        { "jxc_hyxx", 1 },
        { "jxc_hyfl", 2 },
        { "jxc_hyyh", 1 },
        { "jxc_jfsz", 1 },
        { "jxc_poscs", 1 },
        { "jxc_posprint", 1 },
        { "jxc_posfont", 1 },
        { "jxc_gnb", 12 },
        { "jxc_xtcs", 1 },
        { "jxc_company", 1 },
        { "jxc_email", 1 },
        { "jxc_admin", 1 },
        { "jxc_role", 1 },
        { "jxc_skin", 1 },
        { "jxc_bbgl", 120 },
        { "jxc_mryt", 16 },
        { "jxc_txdisp", 1 },
        { "jxc_import", 58 },
    };
    for (const QString& t : Tables())
        EXPECT_EQ(Count(t), seeded.value(t, 0)) << t.toStdString();
}

TEST_F(SchemaTest, SeedValuesOfTheBuiltInRows)
{
    CreateAllTables(c);
    // Built-in codes.
    EXPECT_EQ(Rows("jxc_goodsclass"), QStringList({ "1||所有类别|SYLB|1|0|1", "2|1000|默认类别|MRLB|2|1|2" }));
    EXPECT_EQ(Scalar("select g_sn||g_name||g_jy||gc_cid||ghs_sn from jxc_goods"), "00000000优惠商品12100001");
    EXPECT_EQ(
        Column("select ck_name||ck_aname||ck_asn||ck_default from jxc_ckxx"), QStringList({ "主仓库admin,100001,1" }));
    EXPECT_EQ(Column("select kh_usn||kh_uname||kt_sn||ck_sn from jxc_khxx"), QStringList({ "100001,默认员工,1000-1" }));
    EXPECT_EQ(Column("select colorz_sn||color_sn from jxc_colorz2"), QStringList({ "100001100001" }));
    EXPECT_EQ(Column("select cmz_sn||cm_sn from jxc_cmz2"), QStringList({ "100001100001" }));
    EXPECT_EQ(Scalar("select hy_bh||hy_name||hl_sn||hh_sn from jxc_hyxx"), "0000无卡客户100001100001");
    // The operator "admin" without a password, in the administrator role with every right.
    EXPECT_EQ(Rows("jxc_admin"), QStringList({ "1|100001|admin|100001|0|True||False|0|<null>|<null>|<null>|<null>" }));
    const QString all(60, '1');
    EXPECT_EQ(Column("select cggl||xsgl||scjg||scjh||kcgl||wlzk||tjgl||rcgl||qtcz from jxc_role where r_sn='100001'"),
        QStringList({ all.repeated(9) }));
    // Empty seeds are empty texts; columns a seed does not name stay null.
    EXPECT_EQ(Scalar("select count(*) from jxc_ghsxx where ghs_lxr='' and gt_name='' and ghs_jm='PTGHS'"), "1");
    EXPECT_EQ(
        Scalar("select count(*) from jxc_company where c_lxr is null and c_address is null and c_note is null"), "1");
    // The settings row: no stamp yet, so the first login writes it.
    EXPECT_EQ(Column("select '['||cs_employdate||']'||cs_hbfh||cs_cgdj||cs_cs031||cs_xjyh from jxc_xtcs"),
        QStringList({ "[]￥221" }));
    EXPECT_EQ(Rows("jxc_txdisp"), QStringList({ "1|1|0" }));
}

TEST_F(SchemaTest, CashAccountsWithTheirOpeningRowsDatedTheBuildDay)
{
    CreateAllTables(c);
    EXPECT_EQ(Column("select yh_type||'/'||yh_name from jxc_yhzh order by id"),
        QStringList({ "现金 /现金", "工行合计 /工行帐号", "建行合计 /建行帐号", "微信 /微信", "支付宝 /支付宝",
            "对账账户 /对账账户" }));
    EXPECT_EQ(Column("select xj_kmmc||'/'||xj_note from jxc_xjyh order by id"),
        QStringList({ "现金/现金期初数", "工行帐号/工行期初数", "建行帐号/建行期初数", "微信/微信期初数",
            "支付宝/支付宝期初数", "对账账户/对账账户期初数" }));
    EXPECT_EQ(Count("jxc_xjyh",
                  "xj_rq='2024-03-05' and xj_dlx='期初金额' and xj_je=0 and xj_ljje=0 and xj_chk='1' "
                  "and a_name='admin' and gl_djh=''"),
        6);
}

TEST_F(SchemaTest, TillKeysAndBrandedTexts)
{
    CreateAllTables(c);
    EXPECT_EQ(Column("select gn_name||'='||gn_jz from jxc_gnb order by id"),
        QStringList({ "付款结账=187", "修改折扣=118", "修改数量=115", "删除当前=46", "删除全部=34", "选择会员=113",
            "打开钱箱=117", "挂单=119", "解挂=120", "锁定屏幕=121", "浏览图片=122", "设为赠品=123" }));
    EXPECT_EQ(
        Column("select pp_bt1||'/'||pp_bt2||'/'||pp_jz1||'/'||pp_jz2||'/'||pp_khs||pp_fs||pp_bzxx from jxc_posprint "
               "where pp_kd is null"),
        QStringList({ "Vestora旗舰店/欢迎惠顾/欢迎使用Vestora进销存/管理软件 Vestora是专家/211" }));
    EXPECT_EQ(Scalar("select fd_name from jxc_fd"), "Vestora旗舰店");
    EXPECT_EQ(Scalar("select tm_title||'/'||tm_foot||'/'||tm_code from jxc_tmdy"),
        "Vestora软件标题/Vestora软件脚注/1234567890");
    EXPECT_EQ(Scalar("select pos_jzqz||pos_jsqz||pos_dkqx||pos_jews from jxc_poscs"), "242512");
}

TEST_F(SchemaTest, ReportListTipsAndImportMapping)
{
    CreateAllTables(c);
    // Six groups, each coded from its first code upward in list order.
    EXPECT_EQ(Column("select b_lx||' '||b_lxmc||' '||count(*)||' '||min(b_sn)||' '||max(b_sn) from jxc_bbgl "
                     "group by b_lx,b_lxmc order by b_lx"),
        QStringList({ "0 进货管理 29 100001 100029", "1 销售管理 33 200001 200033", "2 库存管理 17 300001 300017",
            "3 往来账款 22 400001 400022", "4 统计报表 13 500001 500013", "6 系统设置 6 700001 700006" }));
    EXPECT_EQ(Count("jxc_bbgl",
                  "cast(b_sn as integer)-(select min(cast(b_sn as integer)) from jxc_bbgl b "
                  "where b.b_lx=jxc_bbgl.b_lx) <> (select count(*) from jxc_bbgl b "
                  "where b.b_lx=jxc_bbgl.b_lx and b.id<jxc_bbgl.id)"),
        0);
    EXPECT_EQ(Scalar("select b_name||' '||b_file from jxc_bbgl where b_sn='200004'"), "销售单(尺码合并) spxs3.fr3");
    EXPECT_EQ(Scalar("select b_name||' '||b_file from jxc_bbgl where b_sn='700006'"), "商品标价签 goodsprice.fr3");

    EXPECT_EQ(Count("jxc_mryt", "mr_state='0' and mr_rq='2011-1-1'"), 16);
    const QStringList tips = Column("select mr_ts from jxc_mryt order by id");
    EXPECT_TRUE(tips[0].startsWith("同一个操作员不可以同时在不同的机器上登录"));
    EXPECT_EQ(tips[10], "系统对商品成本价，采用加权平均算法! ");
    EXPECT_TRUE(tips[13].startsWith("在\"进销存统计\"功能中"));
    EXPECT_TRUE(tips[15].endsWith("确保某些信息的保密与安全。 "));

    EXPECT_EQ(Column("select i_tablename||' '||count(*) from jxc_import group by i_tablename order by min(id)"),
        QStringList({ "jxc_goods 20", "jxc_ghsxx 8", "jxc_khxx 8", "jxc_hyxx 16", "jxc_dbsp 6" }));
    EXPECT_EQ(Column("select i_fieldid||'='||i_fieldname from jxc_import where id in (1,20,21,58) order by id"),
        QStringList({ "g_sn=商品编号", "hj_name=所在货架", "ghs_name=供货商名称", "db_sl=数量" }));
}

TEST_F(SchemaTest, BuildingAgainGivesTheSameRowsWithTheNewDayOnTheOpeningRows)
{
    CreateAllTables(c);
    QHash<QString, QStringList> first;
    for (const QString& t : Tables())
        first[t] = Rows(t);
    c.Exec("insert into jxc_goods (g_sn) values ('G1')");

    Clock::SetFixed(QDateTime(QDate(2024, 3, 6), QTime(8, 0)));
    CreateAllTables(c);
    for (const QString& t : Tables()) {
        if (t == "jxc_xjyh")
            continue;
        EXPECT_EQ(Rows(t), first[t]) << t.toStdString();
    }
    EXPECT_EQ(Count("jxc_xjyh", "xj_rq='2024-03-06'"), 6);
    EXPECT_EQ(Count("jxc_xjyh"), 6);
}

TEST_F(SchemaTest, AFailedBuildLeavesTheSetAsItWas)
{
    CreateAllTables(c);
    c.Exec("insert into jxc_goods (g_sn,g_kc) values ('G1',5)");
    c.Exec("insert into jxc_jhd (gl_djh) values ('CJ24030510001')");
    // A view under a table's name late in the order makes its drop fail.
    c.Exec("drop table jxc_tx; create view jxc_tx as select 1 as id");

    EXPECT_THROW(CreateAllTables(c), DbError);
    EXPECT_EQ(Count("jxc_goods", "g_sn='G1' and g_kc=5"), 1);
    EXPECT_EQ(Count("jxc_jhd"), 1);
    EXPECT_EQ(Count("jxc_xjyh"), 6);
}

TEST_F(SchemaTest, CatalogueHoldsTheDeliveredSet)
{
    CreateCatalogue(c);
    CreateCatalogue(c);
    EXPECT_EQ(Rows("jxc_xtzt"), QStringList({ "1|100001|默认帐套|True|False||jxc.mdb|" }));
    EXPECT_EQ(Count("jxc_xtzt", "zt_forbid=0 and zt_default<>0"), 1);
}

}
