#include "foundation/schema/tabledef.h"

#include "platform/base/clock.h"

// Receivables and payables, cash and bank, invoices, expenses and income, fixed assets.

namespace {

const ColumnDef cols_ysyfk[] = {
    { "gl_djh", "varchar (16)" },
    { "k_rq", "varchar (32)" },
    { "k_fkfs", "varchar (32)" },
    { "k_yfje", "numeric(28,8)" },
    { "k_sfje", "numeric(28,8)" },
    { "k_qcje", "numeric(28,8)" },
    { "k_yhje", "numeric(28,8)" },
    { "k_ljje", "numeric(28,8)" },
    { "k_flag", "int" },
    { "k_type", "varchar (4)" },
    { "k_djlx", "varchar (4)" },
    { "k_djtxt", "nvarchar (16)" },
    { "gl_djh2", "nvarchar (16)" },
    { "k_note", "nvarchar (200)" },
    { "u_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
    { "k_ghskh", "varchar (8)" },
};

const ColumnDef cols_ysyfk_dj[] = {
    { "gl_djh", "varchar (16)" },
    { "k_rq", "varchar (32)" },
    { "k_fkfs", "varchar (32)" },
    { "k_yfje", "numeric(28,8)" },
    { "k_sfje", "numeric(28,8)" },
    { "k_qcje", "numeric(28,8)" },
    { "k_yhje", "numeric(28,8)" },
    { "k_ljje", "numeric(28,8)" },
    { "k_mlje", "numeric(28,8)" },
    { "k_flag", "int" },
    { "k_type", "varchar (4)" },
    { "k_djlx", "varchar (4)" },
    { "k_djtxt", "nvarchar (16)" },
    { "gl_djh2", "nvarchar (16)" },
    { "k_note", "nvarchar (200)" },
    { "k_check", "bit" },
    { "k_checker", "nvarchar (32)" },
    { "k_chkrq", "varchar (16)" },
    { "u_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
    { "k_ghskh", "varchar (8)" },
};

const ColumnDef cols_xjyh[] = {
    { "xj_rq", "varchar (32)" },
    { "gl_djh", "varchar (16)" },
    { "xj_dlx", "nvarchar (32)" },
    { "xj_je", "numeric(28,8)" },
    { "xj_ljje", "numeric(28,8)" },
    { "xj_chk", "varchar (1)" },
    { "u_name", "nvarchar (32)" },
    { "ghs_name", "nvarchar (128)" },
    { "ghs_sn", "varchar (8)" },
    { "ck_name", "nvarchar (64)" },
    { "xj_kmmc", "nvarchar (32)" },
    { "xj_note", "nvarchar (200)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_yhzh[] = {
    { "yh_sn", "varchar (8)" },
    { "yh_type", "varchar (32)" },
    { "yh_name", "nvarchar (32)" },
    { "yh_zje", "numeric(28,8)" },
    { "yh_note", "nvarchar (200)" },
};

const ColumnDef cols_fkfs[] = {
    { "fk_sn", "varchar (8)" },
    { "fk_name", "nvarchar (32)" },
};

const ColumnDef cols_fkmx[] = {
    { "fk_sn", "varchar (16)" },
    { "gl_djh", "varchar (16)" },
    { "fk_je", "numeric(28,8)" },
    { "fk_lx", "bit" },
};

const ColumnDef cols_fpdjb[] = {
    { "gl_djh", "varchar (16)" },
    { "fp_rq", "varchar (32)" },
    { "fp_no", "varchar (32)" },
    { "fp_yfje", "numeric(28,8)" },
    { "fp_sfje", "numeric(28,8)" },
    { "fp_kpje", "numeric(28,8)" },
    { "fp_qcje", "numeric(28,8)" },
    { "fp_ljje", "numeric(28,8)" },
    { "fp_flag", "int" },
    { "fp_type", "varchar (4)" },
    { "fp_djlx", "varchar (4)" },
    { "fp_djtxt", "nvarchar (16)" },
    { "fp_note", "nvarchar (200)" },
    { "fp_ghskh", "varchar (8)" },
    { "fp_check", "bit" },
    { "fp_checker", "nvarchar (32)" },
    { "fp_chkrq", "varchar (16)" },
    { "fp_kprq", "varchar (32)" },
    { "u_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_yyfy[] = {
    { "fy_rq", "varchar (32)" },
    { "gl_djh", "varchar (16)" },
    { "fy_lx", "nvarchar (64)" },
    { "fy_je", "numeric(28,8)" },
    { "fy_flag", "varchar (1)" },
    { "u_sn", "varchar (8)" },
    { "de_sn", "varchar (8)" },
    { "fy_kmmc", "nvarchar (32)" },
    { "fy_chk", "varchar (1)" },
    { "fy_note", "nvarchar (200)" },
    { "a_name", "nvarchar (32)" },
    { "fy_sc", "nvarchar (16)" },
};

const ColumnDef cols_fylx[] = {
    { "fy_lx", "nvarchar (64)" },
    { "fy_fx", "int" },
    { "fy_note", "nvarchar (200)" },
};

const ColumnDef cols_gdzc[] = {
    { "zc_sn", "varchar (8)" },
    { "zc_bh", "nvarchar (32)" },
    { "zc_mc", "nvarchar (64)" },
    { "zc_ggxh", "nvarchar (32)" },
    { "zc_lx", "nvarchar (32)" },
    { "zc_ms", "nvarchar (200)" },
    { "zc_sccs", "nvarchar (64)" },
    { "zc_bm", "nvarchar (32)" },
    { "zc_cfdd", "nvarchar (64)" },
    { "zc_bgr", "nvarchar (32)" },
    { "zc_zt", "nvarchar (16)" },
    { "zc_syr", "nvarchar (32)" },
    { "zc_zsl", "numeric(28,8)" },
    { "zc_sl", "numeric(28,8)" },
    { "zc_jcsl", "numeric(28,8)" },
    { "zc_bfsl", "numeric(28,8)" },
    { "zc_dj", "numeric(28,8)" },
    { "zc_je", "numeric(28,8)" },
    { "zc_dw", "nvarchar (32)" },
    { "zc_czlv", "numeric(28,8)" },
    { "zc_czje", "numeric(28,8)" },
    { "zc_zjfs", "nvarchar (32)" },
    { "zc_rq", "varchar (16)" },
    { "zc_djrq", "varchar (16)" },
    { "zc_syrq", "varchar (16)" },
    { "zc_zjys", "varchar (2)" },
    { "zc_zjtxt", "nvarchar (16)" },
    { "zc_tm", "nvarchar (32)" },
    { "zc_synx", "int" },
    { "zc_ns", "int" },
    { "zc_ys", "int" },
    { "zc_byjz", "numeric(28,8)" },
    { "zc_ljzj", "numeric(28,8)" },
    { "zc_byzj", "numeric(28,8)" },
    { "zc_bf", "bit" },
    { "zc_bz", "nvarchar (200)" },
    { "zc_note", "nvarchar (200)" },
    { "zc_fj", "nvarchar (32)" },
    { "zc_fjname", "nvarchar (128)" },
    { "u_name", "nvarchar (32)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_gdzcbf[] = {
    { "gl_djh", "varchar (16)" },
    { "zc_bh", "nvarchar (32)" },
    { "bf_rq", "varchar (16)" },
    { "bf_fs", "nvarchar (32)" },
    { "bf_sl", "numeric(28,8)" },
    { "bf_yy", "nvarchar (200)" },
    { "bf_bz", "nvarchar (32)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_gdzcbg[] = {
    { "gl_djh", "varchar (16)" },
    { "zc_bh", "nvarchar (32)" },
    { "bg_rq", "varchar (16)" },
    { "bg_yy", "nvarchar (200)" },
    { "bg_qzt", "nvarchar (32)" },
    { "bg_hzt", "nvarchar (32)" },
    { "bg_qbgr", "nvarchar (32)" },
    { "bg_hbgr", "nvarchar (32)" },
    { "bg_qsyr", "nvarchar (32)" },
    { "bg_hsyr", "nvarchar (32)" },
    { "bg_qbm", "nvarchar (32)" },
    { "bg_hbm", "nvarchar (32)" },
    { "bg_qje", "numeric(28,8)" },
    { "bg_hje", "numeric(28,8)" },
    { "bg_qcfdd", "nvarchar (32)" },
    { "bg_hcfdd", "nvarchar (32)" },
    { "bg_qsl", "numeric(28,8)" },
    { "bg_hsl", "numeric(28,8)" },
    { "bg_qtxx", "nvarchar (200)" },
    { "bg_note", "nvarchar (200)" },
    { "bg_shr", "nvarchar (32)" },
    { "bg_status", "int" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_gdzcjy[] = {
    { "gl_djh", "varchar (16)" },
    { "zc_bh", "nvarchar (32)" },
    { "jy_cbm", "nvarchar (32)" },
    { "jy_cbgr", "nvarchar (32)" },
    { "jy_syr", "nvarchar (32)" },
    { "jy_bm", "nvarchar (32)" },
    { "jy_rq", "varchar (32)" },
    { "jy_nghrq", "varchar (32)" },
    { "jy_sl", "numeric(28,8)" },
    { "jy_ghrq", "varchar (32)" },
    { "jy_shr", "nvarchar (32)" },
    { "jy_note", "nvarchar (200)" },
    { "jy_bz", "nvarchar (200)" },
    { "jy_gh", "nvarchar (1)" },
    { "jy_ghtxt", "nvarchar (4)" },
    { "jy_status", "int" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_gdzcwx[] = {
    { "gl_djh", "varchar (16)" },
    { "zc_bh", "nvarchar (32)" },
    { "wx_sxrq", "varchar (16)" },
    { "wx_gzms", "nvarchar (200)" },
    { "wx_wxrq", "varchar (16)" },
    { "wx_xlms", "nvarchar (200)" },
    { "wx_sl", "numeric(28,8)" },
    { "wx_je", "numeric(28,8)" },
    { "wx_note", "nvarchar (200)" },
    { "wx_sqr", "nvarchar (32)" },
    { "wx_ztxt", "nvarchar (32)" },
    { "wx_zt", "nvarchar (1)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_gdzclb[] = {
    { "lb_sn", "varchar (8)" },
    { "lb_name", "nvarchar (32)" },
};

const ColumnDef cols_gdzccs[] = {
    { "gs_sn", "varchar (8)" },
    { "gs_name", "nvarchar (32)" },
    { "gs_flag", "varchar (4)" },
};

const ColumnDef cols_gdzctmp[] = {
    { "zc_sn", "nvarchar (8)" },
    { "zc_bh", "nvarchar (32)" },
    { "zc_mc", "nvarchar (64)" },
    { "zc_ggxh", "nvarchar (32)" },
    { "zc_lx", "nvarchar (32)" },
    { "zc_ms", "nvarchar (200)" },
    { "zc_sccs", "nvarchar (64)" },
    { "zc_bm", "nvarchar (32)" },
    { "zc_cfdd", "nvarchar (64)" },
    { "zc_bgr", "nvarchar (32)" },
    { "zc_zt", "nvarchar (16)" },
    { "zc_syr", "nvarchar (32)" },
    { "zc_zsl", "numeric(28,8)" },
    { "zc_sl", "numeric(28,8)" },
    { "zc_jcsl", "numeric(28,8)" },
    { "zc_bfsl", "numeric(28,8)" },
    { "zc_dj", "numeric(28,8)" },
    { "zc_je", "numeric(28,8)" },
    { "zc_dw", "nvarchar (32)" },
    { "zc_czlv", "numeric(28,8)" },
    { "zc_czje", "numeric(28,8)" },
    { "zc_zjfs", "nvarchar (32)" },
    { "zc_rq", "varchar (16)" },
    { "zc_djrq", "varchar (16)" },
    { "zc_syrq", "varchar (16)" },
    { "zc_zjys", "varchar (2)" },
    { "zc_zjtxt", "nvarchar (16)" },
    { "zc_synx", "int" },
    { "zc_tm", "nvarchar (32)" },
    { "zc_bf", "bit" },
    { "zc_bz", "nvarchar (200)" },
    { "zc_note", "nvarchar (200)" },
    { "zc_fj", "nvarchar (32)" },
    { "zc_fjname", "nvarchar (128)" },
    { "zc_flag", "nvarchar (2)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_zcmx[] = {
    { "zc_rq", "varchar (32)" },
    { "zc_je", "numeric(28,8)" },
    { "zc_lx", "nvarchar (32)" },
    { "zc_note", "nvarchar (200)" },
    { "u_name", "nvarchar (32)" },
    { "a_name", "nvarchar (32)" },
};

// One approved opening row per seeded account, dated the day the set is built.
void SeedCashJournal(Connection& c)
{
    const char* const rows[][2]
        = { { "现金", "现金期初数" }, { "工行帐号", "工行期初数" }, { "建行帐号", "建行期初数" },
              { "微信", "微信期初数" }, { "支付宝", "支付宝期初数" }, { "对账账户", "对账账户期初数" } };
    const QString today = Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
    for (const auto& r : rows)
        SeedRow(c, "jxc_xjyh")
            .Set("gl_djh", "")
            .Set("xj_rq", today)
            .Set("xj_dlx", "期初金额")
            .Fill("u_name,ghs_sn,ghs_name,ck_name", "")
            .Set("xj_je", 0)
            .Set("a_name", "admin")
            .Set("xj_ljje", 0)
            .Set("xj_chk", "1")
            .Set("xj_kmmc", r[0])
            .Set("xj_note", r[1])
            .Insert();
}

// The account types end with a blank, the account names do not.
void SeedAccount(Connection& c)
{
    const char* const rows[][3] = {
        { "100001", "现金 ", "现金" },
        { "100002", "工行合计 ", "工行帐号" },
        { "100003", "建行合计 ", "建行帐号" },
        { "100004", "微信 ", "微信" },
        { "100005", "支付宝 ", "支付宝" },
        { "100006", "对账账户 ", "对账账户" },
    };
    for (const auto& r : rows)
        InsertSeedRow(c, "jxc_yhzh", "yh_sn,yh_type,yh_name,yh_zje,yh_note", { r[0], r[1], r[2], 0, "" });
}

void SeedPaymentMethod(Connection& c)
{
    InsertSeedRow(c, "jxc_fkfs", "fk_sn,fk_name", { "100001", "现金" });
    InsertSeedRow(c, "jxc_fkfs", "fk_sn,fk_name", { "100002", "银行转帐" });
}

void SeedExpenseType(Connection& c)
{
    const char* cols = "fy_lx,fy_fx,fy_note";
    InsertSeedRow(c, "jxc_fylx", cols, { "费用", 0, "费用支出" });
    InsertSeedRow(c, "jxc_fylx", cols, { "运费", 0, "运费支出" });
    InsertSeedRow(c, "jxc_fylx", cols, { "包装费", 0, "包装费支出" });
    InsertSeedRow(c, "jxc_fylx", cols, { "应付工资", 0, "人员工资支出" });
    InsertSeedRow(c, "jxc_fylx", cols, { "收入", 1, "收入类型" });
}

void SeedAssetCategory(Connection& c)
{
    InsertSeedRow(c, "jxc_gdzclb", "lb_sn,lb_name", { "100001", "默认类别" });
}

void SeedAssetOption(Connection& c)
{
    const char* const rows[][3] = { { "100001", "默认部门", "1" }, { "100002", "默认保管人", "2" },
        { "100003", "默认使用人", "3" }, { "100004", "台", "4" }, { "100005", "默认审核人", "5" } };
    for (const auto& r : rows)
        InsertSeedRow(c, "jxc_gdzccs", "gs_sn,gs_name,gs_flag", { r[0], r[1], r[2] });
}

const TableDef moneyTables[] = {
    { "jxc_ysyfk", cols_ysyfk, nullptr },
    { "jxc_ysyfk_dj", cols_ysyfk_dj, nullptr },
    { "jxc_xjyh", cols_xjyh, SeedCashJournal },
    { "jxc_yhzh", cols_yhzh, SeedAccount },
    { "jxc_fkfs", cols_fkfs, SeedPaymentMethod },
    { "jxc_fkmx", cols_fkmx, nullptr },
    { "jxc_fpdjb", cols_fpdjb, nullptr },
    { "jxc_yyfy", cols_yyfy, nullptr },
    { "jxc_fylx", cols_fylx, SeedExpenseType },
    { "jxc_gdzc", cols_gdzc, nullptr },
    { "jxc_gdzcbf", cols_gdzcbf, nullptr },
    { "jxc_gdzcbg", cols_gdzcbg, nullptr },
    { "jxc_gdzcjy", cols_gdzcjy, nullptr },
    { "jxc_gdzcwx", cols_gdzcwx, nullptr },
    { "jxc_gdzclb", cols_gdzclb, SeedAssetCategory },
    { "jxc_gdzccs", cols_gdzccs, SeedAssetOption },
    { "jxc_gdzctmp", cols_gdzctmp, nullptr },
    { "jxc_zcmx", cols_zcmx, nullptr },
};
}

std::span<const TableDef> MoneyTables()
{
    return moneyTables;
}
