#include "foundation/schema/tabledef.h"

// Documents that move stock without a trading partner: transfers, losses, overflows,
// stock-takes, splits and bundles, stock vouchers, requisitions and production.

namespace {

const ColumnDef cols_kcdbd[] = {
    { "gl_djh", "varchar (16)" },
    { "ck_out", "varchar (8)" },
    { "ck_in", "varchar (8)" },
    { "db_dbrq", "varchar (32)" },
    { "db_status", "int" },
    { "db_checker", "nvarchar (32)" },
    { "db_chkrq", "varchar (16)" },
    { "u_sn", "varchar (8)" },
    { "db_note", "nvarchar (200)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_dbsp[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "db_sl", "numeric(28,8)" },
    { "db_dj", "numeric(28,8)" },
    { "db_sj", "numeric(28,8)" },
    { "db_zje", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "t_ph", "varchar (64)" },
    { "t_scrq", "varchar (16)" },
    { "g_xlh", "text" },
    { "tid", "int" },
    // Added: the document query lists the lines with their own unit.
    { "dw_name", "nvarchar (64)" },
};

const ColumnDef cols_dbspmx[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "t_sl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "tid", "int" },
};

const ColumnDef cols_bsd[] = {
    { "gl_djh", "varchar (16)" },
    { "ck_sn", "varchar (8)" },
    { "bs_bsrq", "varchar (32)" },
    { "bs_status", "int" },
    { "bs_checker", "nvarchar (32)" },
    { "bs_chkrq", "varchar (16)" },
    { "u_sn", "varchar (8)" },
    { "bs_note", "nvarchar (200)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_bssp[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "bs_sl", "numeric(28,8)" },
    { "bs_dj", "numeric(28,8)" },
    { "bs_zje", "numeric(28,8)" },
    { "bs_note", "nvarchar (200)" },
    { "a_name", "nvarchar (32)" },
    { "t_ph", "varchar (64)" },
    { "t_scrq", "varchar (16)" },
    { "g_xlh", "text" },
    { "tid", "int" },
};

const ColumnDef cols_bsspmx[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "t_sl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "tid", "int" },
};

const ColumnDef cols_byd[] = {
    { "gl_djh", "varchar (16)" },
    { "ck_sn", "varchar (8)" },
    { "by_byrq", "varchar (32)" },
    { "by_status", "int" },
    { "by_checker", "nvarchar (32)" },
    { "by_chkrq", "varchar (16)" },
    { "u_sn", "varchar (8)" },
    { "by_note", "nvarchar (200)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_bysp[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "by_sl", "numeric(28,8)" },
    { "by_dj", "numeric(28,8)" },
    { "by_zje", "numeric(28,8)" },
    { "by_note", "nvarchar (200)" },
    { "a_name", "nvarchar (32)" },
    { "t_ph", "varchar (64)" },
    { "t_scrq", "varchar (16)" },
    { "g_xlh", "text" },
    { "tid", "int" },
};

const ColumnDef cols_byspmx[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "t_sl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "tid", "int" },
};

const ColumnDef cols_kcpd[] = {
    { "gl_djh", "varchar (16)" },
    { "pd_sl", "numeric(28,8)" },
    { "kc_sl", "numeric(28,8)" },
    { "pd_rq", "varchar (32)" },
    { "pd_note", "nvarchar (200)" },
    { "pd_status", "int" },
    { "pd_checker", "nvarchar (32)" },
    { "pd_chkrq", "varchar (16)" },
    { "ck_sn", "varchar (8)" },
    { "u_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
    { "tid", "int" },
};

const ColumnDef cols_kcpdsp[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "pd_sl", "numeric(28,8)" },
    { "pd_dj", "numeric(28,8)" },
    { "pd_zje", "numeric(28,8)" },
    { "id2", "int" },
    { "kc_sl", "numeric(28,8)" },
    { "kc_zsl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "tid", "int" },
};

const ColumnDef cols_kcpdspmx[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "t_sl", "numeric(28,8)" },
    { "t_oldsl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "tid", "int" },
};

const ColumnDef cols_cfd[] = {
    { "gl_djh", "varchar (16)" },
    { "ck_sn", "varchar (8)" },
    { "cf_cfrq", "varchar (32)" },
    { "g_sn", "varchar (32)" },
    { "cf_cbj", "numeric(28,8)" },
    { "cf_sl", "numeric(28,8)" },
    { "cf_status", "int" },
    { "cf_checker", "nvarchar (32)" },
    { "cf_chkrq", "varchar (16)" },
    { "u_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
    { "cf_note", "nvarchar (200)" },
};

const ColumnDef cols_cfsp[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "cf_dj", "numeric(28,8)" },
    { "cf_sl", "numeric(28,8)" },
    { "cf_zje", "numeric(28,8)" },
    { "ck_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_cfspmx[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "t_sl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "ck_sn", "varchar (8)" },
    { "tid", "int" },
};

const ColumnDef cols_kbd[] = {
    { "gl_djh", "varchar (16)" },
    { "ck_sn", "varchar (8)" },
    { "kb_kbrq", "varchar (32)" },
    { "g_sn", "varchar (32)" },
    { "kb_cbj", "numeric(28,8)" },
    { "kb_sl", "numeric(28,8)" },
    { "kb_status", "int" },
    { "kb_checker", "nvarchar (32)" },
    { "kb_chkrq", "varchar (16)" },
    { "u_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
    { "kb_note", "nvarchar (200)" },
};

const ColumnDef cols_kbsp[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "kb_dj", "numeric(28,8)" },
    { "kb_sl", "numeric(28,8)" },
    { "kb_zje", "numeric(28,8)" },
    { "ck_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_kbspmx[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "t_sl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "ck_sn", "varchar (8)" },
    { "tid", "int" },
};

const ColumnDef cols_rkd[] = {
    { "gl_djh", "varchar (16)" },
    { "rk_rq", "varchar (32)" },
    { "rk_zsl", "numeric(28,8)" },
    { "ck_sn", "varchar (8)" },
    { "ghs_sn", "varchar (8)" },
    { "u_sn", "varchar (8)" },
    { "rk_note", "nvarchar (200)" },
    { "a_name", "nvarchar (32)" },
    { "rk_status", "int" },
    { "rk_checker", "nvarchar (32)" },
    { "rk_chkrq", "varchar (16)" },
};

const ColumnDef cols_rksp[] = {
    { "gl_djh", "varchar (16)" },
    { "rk_sl", "numeric(28,8)" },
    { "g_sn", "varchar (32)" },
    { "a_name", "nvarchar (32)" },
    { "gl_djh2", "varchar (16)" },
    { "id2", "int" },
    { "t_jhrq", "varchar (32)" },
    { "t_ph", "varchar (64)" },
    { "t_scrq", "varchar (16)" },
    { "g_xlh", "text" },
    { "tid", "int" },
};

const ColumnDef cols_rkspmx[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "t_sl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "tid", "int" },
};

const ColumnDef cols_ckd[] = {
    { "gl_djh", "varchar (16)" },
    { "ck_rq", "varchar (32)" },
    { "ck_zsl", "numeric(28,8)" },
    { "ck_sn", "varchar (8)" },
    { "kh_sn", "varchar (8)" },
    { "u_sn", "varchar (8)" },
    { "ck_note", "nvarchar (200)" },
    { "a_name", "nvarchar (32)" },
    { "ck_status", "int" },
    { "ck_checker", "nvarchar (32)" },
    { "ck_chkrq", "varchar (16)" },
};

const ColumnDef cols_cksp[] = {
    { "gl_djh", "varchar (16)" },
    { "ck_sl", "numeric(28,8)" },
    { "g_sn", "varchar (32)" },
    { "a_name", "nvarchar (32)" },
    { "gl_djh2", "nvarchar (16)" },
    { "id2", "int" },
    { "t_jhrq", "varchar (32)" },
    { "t_ph", "varchar (64)" },
    { "t_scrq", "varchar (16)" },
    { "g_xlh", "text" },
    { "tid", "int" },
};

const ColumnDef cols_ckspmx[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "t_sl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "tid", "int" },
};

const ColumnDef cols_bmlyd[] = {
    { "gl_djh", "varchar (16)" },
    { "ck_sn", "varchar (8)" },
    { "de_sn", "varchar (8)" },
    { "ly_rq", "varchar (32)" },
    { "ly_zje", "numeric(28,8)" },
    { "ly_status", "int" },
    { "ly_checker", "nvarchar (32)" },
    { "ly_chkrq", "varchar (16)" },
    { "u_sn", "varchar (8)" },
    { "ly_note", "nvarchar (200)" },
    { "ly_flag", "int" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_bmlysp[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "ly_sl", "numeric(28,8)" },
    { "ly_hhsl", "numeric(28,8)" },
    { "ly_qxsl", "numeric(28,8)" },
    { "ly_dj", "numeric(28,8)" },
    { "ly_zje", "numeric(28,8)" },
    { "ly_flag", "int" },
    { "id2", "int" },
    { "idck", "int" },
    { "gl_djh2", "nvarchar (16)" },
    { "a_name", "nvarchar (32)" },
    { "tid", "int" },
    { "t_ph", "nvarchar (64)" },
    { "t_scrq", "varchar (16)" },
    { "g_xlh", "text" },
};

const ColumnDef cols_bmlyspmx[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "t_sl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "tid", "int" },
};

const ColumnDef cols_scrkd[] = {
    { "gl_djh", "varchar (16)" },
    { "ghs_sn", "varchar (8)" },
    { "de_sn", "varchar (8)" },
    { "ck_sn", "varchar (8)" },
    { "sc_rq", "varchar (16)" },
    { "sc_flag", "int" },
    { "sc_yfje", "numeric(28,8)" },
    { "sc_sfje", "numeric(28,8)" },
    { "sc_status", "int" },
    { "sc_checker", "nvarchar (32)" },
    { "sc_chkrq", "varchar (16)" },
    { "u_sn", "varchar (8)" },
    { "sc_note", "nvarchar (200)" },
    { "a_name", "nvarchar (32)" },
    { "sc_sn2", "varchar (16)" },
    { "sc_yhje", "numeric(28,8)" },
};

const ColumnDef cols_scrksp[] = {
    { "gl_djh", "varchar (16)" },
    { "sc_dj", "numeric(28,8)" },
    { "sc_sl", "numeric(28,8)" },
    { "sc_zje", "numeric(28,8)" },
    { "sc_flag", "int" },
    { "sc_bz", "nvarchar (64)" },
    { "g_sn", "varchar (32)" },
    { "a_name", "nvarchar (32)" },
    { "t_ph", "varchar (64)" },
    { "t_scrq", "varchar (16)" },
    { "idck", "int" },
    { "tid", "int" },
    { "gl_djh2", "varchar (16)" },
    { "g_xlh", "text" },
};

const ColumnDef cols_scrkspmx[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "t_sl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "tid", "int" },
};

const TableDef stockDocumentTables[] = {
    { "jxc_kcdbd", cols_kcdbd, nullptr },
    { "jxc_dbsp", cols_dbsp, nullptr },
    { "jxc_dbspmx", cols_dbspmx, nullptr },
    { "jxc_bsd", cols_bsd, nullptr },
    { "jxc_bssp", cols_bssp, nullptr },
    { "jxc_bsspmx", cols_bsspmx, nullptr },
    { "jxc_byd", cols_byd, nullptr },
    { "jxc_bysp", cols_bysp, nullptr },
    { "jxc_byspmx", cols_byspmx, nullptr },
    { "jxc_kcpd", cols_kcpd, nullptr },
    { "jxc_kcpdsp", cols_kcpdsp, nullptr },
    { "jxc_kcpdspmx", cols_kcpdspmx, nullptr },
    { "jxc_cfd", cols_cfd, nullptr },
    { "jxc_cfsp", cols_cfsp, nullptr },
    { "jxc_cfspmx", cols_cfspmx, nullptr },
    { "jxc_kbd", cols_kbd, nullptr },
    { "jxc_kbsp", cols_kbsp, nullptr },
    { "jxc_kbspmx", cols_kbspmx, nullptr },
    { "jxc_rkd", cols_rkd, nullptr },
    { "jxc_rksp", cols_rksp, nullptr },
    { "jxc_rkspmx", cols_rkspmx, nullptr },
    { "jxc_ckd", cols_ckd, nullptr },
    { "jxc_cksp", cols_cksp, nullptr },
    { "jxc_ckspmx", cols_ckspmx, nullptr },
    { "jxc_bmlyd", cols_bmlyd, nullptr },
    { "jxc_bmlysp", cols_bmlysp, nullptr },
    { "jxc_bmlyspmx", cols_bmlyspmx, nullptr },
    { "jxc_scrkd", cols_scrkd, nullptr },
    { "jxc_scrksp", cols_scrksp, nullptr },
    { "jxc_scrkspmx", cols_scrkspmx, nullptr },
};
}

std::span<const TableDef> StockDocumentTables()
{
    return stockDocumentTables;
}
