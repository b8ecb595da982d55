#include "foundation/schema/tabledef.h"

// The stock ledger, stock per warehouse and per colour and size, monthly balances
// and first-in-first-out batches.

namespace {

const ColumnDef cols_goodslist[] = {
    { "gl_flag", "varchar (8)" },
    { "gl_djh", "varchar (16)" },
    { "gl_kdrq", "varchar (32)" },
    { "g_sn", "varchar (32)" },
    { "g_name", "nvarchar (128)" },
    { "g_jm", "varchar (32)" },
    { "dw_name", "nvarchar (64)" },
    { "gl_dj", "numeric(28,8)" },
    { "gl_cbj", "numeric(28,8)" },
    { "gl_zcb", "numeric(28,8)" },
    { "gl_dzl", "numeric(28,8)" },
    { "gl_sl", "numeric(28,8)" },
    { "gl_zje", "numeric(28,8)" },
    { "gl_je", "numeric(28,8)" },
    { "gl_tax", "numeric(28,8)" },
    { "gl_taxdj", "numeric(28,8)" },
    { "gl_taxje", "numeric(28,8)" },
    { "gl_lsj", "numeric(28,8)" },
    { "gl_lr", "numeric(28,8)" },
    { "gl_qxsl", "numeric(28,8)" },
    { "u_name", "nvarchar (32)" },
    { "gl_checker", "nvarchar (32)" },
    { "gl_chkrq", "varchar (16)" },
    { "gl_sqsl", "numeric(28,8)" },
    { "gl_sqje", "numeric(28,8)" },
    { "gl_pjjj", "numeric(28,8)" },
    { "gl_kc", "numeric(28,8)" },
    { "gl_kczje", "numeric(28,8)" },
    { "gl_note", "nvarchar (200)" },
    { "gl_bz", "nvarchar (64)" },
    { "a_name", "nvarchar (32)" },
    { "ck_sn", "varchar (8)" },
    { "ck_name", "nvarchar (64)" },
    { "ghs_sn", "varchar (8)" },
    { "ghs_name", "nvarchar (128)" },
    { "gg_name", "nvarchar (64)" },
    { "color_name", "nvarchar (64)" },
    { "gl_sysl", "numeric(28,8)" },
    { "id2", "int" },
    { "gl_djh2", "nvarchar (16)" },
    { "gl_fdmc", "varchar (64)" },
    { "gl_dqkc", "numeric(28,8)" },
    { "t_ph", "varchar (64)" },
    { "t_scrq", "varchar (16)" },
    { "g_xlh", "text" },
    { "tid", "int" },
};

const ColumnDef cols_goodslistmx[] = {
    { "gl_flag", "varchar (8)" },
    { "gl_djh", "varchar (16)" },
    { "gl_kdrq", "varchar (32)" },
    { "g_sn", "varchar (32)" },
    { "gl_dj", "numeric(28,8)" },
    { "gl_sl", "numeric(28,8)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "ck_sn", "varchar (8)" },
    { "ghs_sn", "varchar (8)" },
    { "u_name", "nvarchar (32)" },
    { "a_name", "nvarchar (32)" },
    { "tid", "int" },
};

const ColumnDef cols_kcsp[] = {
    { "kc_sl", "numeric(28,8)" },
    { "kc_cbj", "numeric(28,8)" },
    { "kc_zsl", "numeric(28,8)" },
    { "kc_xssl", "numeric(28,8)" },
    { "kc_zcb", "numeric(28,8)" },
    { "g_sn", "varchar (32)" },
    { "ck_sn", "varchar (8)" },
};

const ColumnDef cols_tkc[] = {
    { "g_sn", "varchar (32)" },
    { "t_jhrq", "varchar (32)" },
    { "t_ph", "varchar (64)" },
    { "t_scrq", "varchar (16)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "t_sl", "numeric(28,8)" },
    { "ck_sn", "varchar (8)" },
};

const ColumnDef cols_kcjs[] = {
    { "js_rq", "varchar (16)" },
    { "js_sl", "numeric(28,8)" },
    { "js_zje", "numeric(28,8)" },
    { "js_xssl", "numeric(28,8)" },
    { "js_xsje", "numeric(28,8)" },
    { "js_cgsl", "numeric(28,8)" },
    { "js_cgje", "numeric(28,8)" },
    { "js_xslr", "numeric(28,8)" },
    { "js_xscb", "numeric(28,8)" },
    { "ck_sn", "varchar (8)" },
};

const ColumnDef cols_rklist[] = {
    { "gl_flag", "varchar (8)" },
    { "gl_djh", "varchar (16)" },
    { "gl_kdrq", "varchar (32)" },
    { "ghs_name", "nvarchar (128)" },
    { "g_sn", "varchar (32)" },
    { "gl_dj", "numeric(28,8)" },
    { "gl_sl", "numeric(28,8)" },
    { "gl_zje", "numeric(28,8)" },
    { "gl_sysl", "numeric(28,8)" },
    { "gl_dqkc", "numeric(28,8)" },
    { "ck_sn", "varchar (8)" },
    { "id2", "int" },
};

const ColumnDef cols_cklist[] = {
    { "gl_flag", "varchar (8)" },
    { "gl_djh", "varchar (16)" },
    { "gl_kdrq", "varchar (32)" },
    { "ghs_name", "nvarchar (128)" },
    { "g_sn", "varchar (32)" },
    { "gl_sl", "numeric(28,8)" },
    { "gl_cbj", "numeric(28,8)" },
    { "gl_zcb", "numeric(28,8)" },
    { "gl_djh2", "varchar (16)" },
    { "gl_sysl", "numeric(28,8)" },
    { "ck_sn", "varchar (8)" },
    { "id2", "int" },
    { "rkid", "int" },
    { "ckid", "int" },
};

const ColumnDef cols_ckjth[] = {
    { "g_sn", "varchar (32)" },
    { "jt_sl", "numeric(28,8)" },
    { "ghs_name", "nvarchar (128)" },
    { "jt_flag", "varchar (1)" },
    { "jt_rq", "varchar (32)" },
};

const ColumnDef cols_jhgl[] = {
    { "kh_sn", "varchar (8)" },
    { "jh_rq", "varchar (32)" },
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "jh_dj", "numeric(28,8)" },
    { "jh_sl", "numeric(28,8)" },
    { "ck_sn", "varchar (8)" },
    { "u_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
    { "jh_note", "nvarchar (200)" },
    { "jh_flag", "varchar (2)" },
};

const ColumnDef cols_jhglmx[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "t_sl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "tid", "int" },
};

const TableDef ledgerTables[] = {
    { "jxc_goodslist", cols_goodslist, nullptr },
    { "jxc_goodslistmx", cols_goodslistmx, nullptr },
    { "jxc_kcsp", cols_kcsp, nullptr },
    { "jxc_tkc", cols_tkc, nullptr },
    { "jxc_kcjs", cols_kcjs, nullptr },
    { "jxc_rklist", cols_rklist, nullptr },
    { "jxc_cklist", cols_cklist, nullptr },
    { "jxc_ckjth", cols_ckjth, nullptr },
    { "jxc_jhgl", cols_jhgl, nullptr },
    { "jxc_jhglmx", cols_jhglmx, nullptr },
};
}

std::span<const TableDef> LedgerTables()
{
    return ledgerTables;
}
