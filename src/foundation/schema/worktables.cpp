#include "foundation/schema/tabledef.h"

// Work tables of entry, import and statistics.

namespace {

const ColumnDef cols_tempspxf[] = {
    { "g_sn", "varchar (32)" },
    { "ts_dj", "numeric(28,8)" },
    { "ts_cbj", "numeric(28,8)" },
    { "ts_zcb", "numeric(28,8)" },
    { "ts_cbj2", "numeric(28,8)" },
    { "ts_sl", "numeric(28,8)" },
    { "id3", "int" },
    { "rid", "int" },
    { "tid", "int" },
    { "ts_je", "numeric(28,8)" },
    { "ts_tax", "numeric(28,8)" },
    { "ts_taxdj", "numeric(28,8)" },
    { "ts_taxje", "numeric(28,8)" },
    { "ts_lsj", "numeric(28,8)" },
    { "ts_zje", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "ts_dzl", "numeric(28,8)" },
    { "t_jhrq", "varchar (32)" },
    { "ts_note", "nvarchar (200)" },
    { "t_zp", "nvarchar (16)" },
    { "ghs_sn", "varchar (8)" },
    { "t_ph", "varchar (64)" },
    { "gl_djh2", "varchar (16)" },
    { "t_scrq", "varchar (16)" },
    { "hy_sn", "varchar (8)" },
    { "g_xlh", "text" },
};

const ColumnDef cols_tempspxf2[] = {
    { "g_sn", "varchar (32)" },
    { "ts_dj", "numeric(28,8)" },
    { "ts_cbj", "numeric(28,8)" },
    { "ts_zcb", "numeric(28,8)" },
    { "ts_cbj2", "numeric(28,8)" },
    { "ts_sl", "numeric(28,8)" },
    { "id3", "int" },
    { "rid", "int" },
    { "ts_je", "numeric(28,8)" },
    { "ts_tax", "numeric(28,8)" },
    { "ts_taxdj", "numeric(28,8)" },
    { "ts_taxje", "numeric(28,8)" },
    { "ts_lsj", "numeric(28,8)" },
    { "ts_zje", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "ts_dzl", "numeric(28,8)" },
    { "t_jhrq", "varchar (32)" },
    { "ts_zhdj", "numeric(28,8)" },
    { "ts_note", "nvarchar (200)" },
    { "t_zp", "nvarchar (16)" },
    { "ts_zsl", "numeric(28,8)" },
    { "g_tmbz", "nvarchar (32)" },
    { "dw_name", "nvarchar (64)" },
    { "g_sptm", "varchar (64)" },
    { "ghs_sn", "varchar (8)" },
    { "t_ph", "varchar (64)" },
    { "t_scrq", "varchar (16)" },
    { "t_yxq", "varchar (16)" },
    { "t_ddh", "nvarchar (32)" },
    { "idck", "int" },
    { "gl_djh2", "nvarchar (16)" },
    { "hy_sn", "varchar (8)" },
    { "g_xlh", "text" },
};

const ColumnDef cols_tempspxfmx[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "t_sl", "numeric(28,8)" },
    { "t_oldsl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "ck_sn", "varchar (8)" },
    { "tid", "int" },
};

const ColumnDef cols_lsxssptemp[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "ls_dj", "numeric(28,8)" },
    { "ls_sl", "numeric(28,8)" },
    { "ls_je", "numeric(28,8)" },
    { "ls_cbj", "numeric(28,8)" },
    { "ls_zcb", "numeric(28,8)" },
    { "ls_cbj2", "numeric(28,8)" },
    { "ls_tax", "numeric(28,8)" },
    { "ls_taxdj", "numeric(28,8)" },
    { "ls_taxje", "numeric(28,8)" },
    { "ls_lsj", "numeric(28,8)" },
    { "ls_zje", "numeric(28,8)" },
    { "ls_cksl", "numeric(28,8)" },
    { "ls_qxsl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "ls_dzl", "numeric(28,8)" },
    { "ls_bz", "nvarchar (64)" },
    { "id2", "int" },
    { "id3", "int" },
    { "ls_zhje", "numeric(28,8)" },
    { "ls_dhdj", "numeric(28,8)" },
    { "ls_dhbz", "int" },
    { "ls_flag", "varchar (8)" },
    { "ghs_sn", "varchar (8)" },
    { "gl_djh2", "nvarchar (16)" },
    { "ls_xsrq", "varchar (32)" },
    { "t_ph", "varchar (64)" },
    { "t_scrq", "varchar (16)" },
    { "g_xlh", "text" },
};

const ColumnDef cols_khjhsptmp[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "jh_dj", "numeric(28,8)" },
    { "jh_zje", "numeric(28,8)" },
    { "jh_sl", "numeric(28,8)" },
    { "jh_hhsl", "numeric(28,8)" },
    { "jh_xssl", "numeric(28,8)" },
    { "jh_sl2", "numeric(28,8)" },
    { "jh_yj", "numeric(28,8)" },
    { "jh_yj2", "numeric(28,8)" },
    { "jh_zj", "numeric(28,8)" },
    { "jh_ts", "numeric(28,8)" },
    { "jh_zzj", "numeric(28,8)" },
    { "jh_thyj", "numeric(28,8)" },
    { "gl_djh2", "nvarchar (16)" },
    { "jh_flag", "varchar (4)" },
    { "jh_kmmc", "nvarchar (32)" },
    { "t_ph", "varchar (64)" },
    { "t_mjph", "varchar (64)" },
    { "t_scrq", "varchar (16)" },
    { "t_yxq", "varchar (16)" },
    { "g_xlh", "text" },
    { "id2", "int" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_importchk[] = {
    { "i_fieldid", "nvarchar (32)" },
    { "i_excelfield", "nvarchar (64)" },
    { "i_sele", "bit" },
    { "i_image", "int" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_importdata[] = {
    { "id_exceldata", "nvarchar (128)" },
    { "id_status", "nvarchar (64)" },
    { "id_sele", "bit" },
    { "id_image", "int" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_goodstmp[] = {
    { "g_sn", "varchar (32)" },
    { "g_tmbz", "nvarchar (32)" },
    { "g_sptm", "varchar (64)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_goodsdwtmp[] = {
    { "g_sn", "varchar (32)" },
    { "dw_name", "nvarchar (64)" },
    { "g_sptm", "varchar (64)" },
    { "g_zhxs", "numeric(28,8)" },
    { "g_jj", "numeric(28,8)" },
    { "g_sj", "numeric(28,8)" },
    { "g_sj1", "numeric(28,8)" },
    { "g_sj2", "numeric(28,8)" },
    { "g_sj3", "numeric(28,8)" },
    { "g_sj4", "numeric(28,8)" },
    { "g_sj5", "numeric(28,8)" },
    { "g_lsj", "numeric(28,8)" },
    { "g_scjj", "numeric(28,8)" },
    { "g_cbj", "numeric(28,8)" },
    { "g_pjjj", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_plxxtmp[] = {
    { "g_sn", "varchar (32)" },
    { "pl_gsn", "varchar (32)" },
    { "ck_sn", "varchar (8)" },
    { "pl_sl", "numeric(28,8)" },
    { "pl_wh", "nvarchar (255)" },
    { "pl_note", "nvarchar (200)" },
    { "pl_dzl", "numeric(28,8)" },
    { "ck_name", "nvarchar (64)" },
    { "pl_msg", "nvarchar (32)" },
    { "pl_flag", "varchar (1)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_scjgdpltmp[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "pl_gsn", "varchar (32)" },
    { "pl_sl", "numeric(28,8)" },
    { "pl_dj", "numeric(28,8)" },
    { "pl_cb", "numeric(28,8)" },
    { "pl_zsl", "numeric(28,8)" },
    { "pl_zcb", "numeric(28,8)" },
    { "pl_wh", "nvarchar (255)" },
    { "pl_note", "nvarchar (200)" },
    { "pl_flag", "varchar (1)" },
    { "ck_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_jxchz[] = {
    { "g_sn", "varchar (32)" },
    { "ck_sn", "varchar (8)" },
    { "hz_txt1", "nvarchar (32)" },
    { "hz_txt2", "nvarchar (32)" },
    { "id2", "int" },
    { "hz_flag", "varchar (4)" },
    { "hz_kc", "numeric(28,8)" },
    { "hz_kczje", "numeric(28,8)" },
    { "hz_rksl", "numeric(28,8)" },
    { "hz_rkzje", "numeric(28,8)" },
    { "hz_cksl", "numeric(28,8)" },
    { "hz_ckzje", "numeric(28,8)" },
    { "hz_glkc", "numeric(28,8)" },
    { "hz_glkczje", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_tempspbd[] = {
    { "t_rq", "varchar (32)" },
    { "g_sn", "varchar (32)" },
    { "g_name", "nvarchar (128)" },
    { "t_cg", "numeric(28,8)" },
    { "t_ct", "numeric(28,8)" },
    { "t_cj", "numeric(28,8)" },
    { "t_xs", "numeric(28,8)" },
    { "t_xt", "numeric(28,8)" },
    { "t_xj", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_tempyyfx[] = {
    { "yy_rq", "varchar (32)" },
    { "yy_cgsl", "numeric(28,8)" },
    { "yy_cgje", "numeric(28,8)" },
    { "yy_xssl", "numeric(28,8)" },
    { "yy_xsje", "numeric(28,8)" },
    { "yy_xscb", "numeric(28,8)" },
    { "yy_xslr", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_kcpdtemp[] = {
    { "gl_djh", "varchar (16)" },
    { "pd_sl", "numeric(28,8)" },
    { "sp_sl", "numeric(28,8)" },
    { "ck_name", "varchar (32)" },
    { "pd_rq", "varchar (32)" },
    { "pd_status", "bit" },
    { "a_name", "nvarchar (32)" },
    { "tid", "int" },
};

const ColumnDef cols_cfsptmp[] = {
    { "g_sn", "varchar (32)" },
    { "g_name", "nvarchar (128)" },
    { "tmp_cksl", "numeric(28,8)" },
    { "tmp_ckje", "numeric(28,8)" },
    { "tmp_rksl", "numeric(28,8)" },
    { "tmp_rkje", "numeric(28,8)" },
    { "tmp_currkc", "numeric(28,8)" },
    { "tmp_kc", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
};

const TableDef workTables[] = {
    { "jxc_tempspxf", cols_tempspxf, nullptr },
    { "jxc_tempspxf2", cols_tempspxf2, nullptr },
    { "jxc_tempspxfmx", cols_tempspxfmx, nullptr },
    { "jxc_lsxssptemp", cols_lsxssptemp, nullptr },
    { "jxc_khjhsptmp", cols_khjhsptmp, nullptr },
    { "jxc_importchk", cols_importchk, nullptr },
    { "jxc_importdata", cols_importdata, nullptr },
    { "jxc_goodstmp", cols_goodstmp, nullptr },
    { "jxc_goodsdwtmp", cols_goodsdwtmp, nullptr },
    { "jxc_plxxtmp", cols_plxxtmp, nullptr },
    { "jxc_scjgdpltmp", cols_scjgdpltmp, nullptr },
    { "jxc_jxchz", cols_jxchz, nullptr },
    { "jxc_tempspbd", cols_tempspbd, nullptr },
    { "jxc_tempyyfx", cols_tempyyfx, nullptr },
    { "jxc_kcpdtemp", cols_kcpdtemp, nullptr },
    { "jxc_cfsptmp", cols_cfsptmp, nullptr },
};
}

std::span<const TableDef> WorkTables()
{
    return workTables;
}
