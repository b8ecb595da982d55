#include "foundation/schema/tabledef.h"

#include "foundation/schema/schema.h"

// Warehouses, suppliers, customers with their types and zones, staff, departments,
// the side tables of partners, shops and couriers.

namespace {

const ColumnDef cols_ckxx[] = {
    { "ck_sn", "varchar (8)" },
    { "ck_name", "nvarchar (64)" },
    { "ck_jm", "varchar (32)" },
    { "ck_fzr", "varchar (32)" },
    { "ck_aname", "nvarchar (200)" },
    { "ck_asn", "varchar (200)" },
    { "ck_tele", "varchar (32)" },
    { "ck_address", "nvarchar (64)" },
    { "ck_note", "nvarchar (200)" },
    { "ck_default", "bit" },
    { "ck_pos", "bit" },
};

const ColumnDef cols_ghsxx[] = {
    { "ghs_sn", "varchar (8)" },
    { "ghs_name", "nvarchar (128)" },
    { "ghs_jm", "varchar (128)" },
    { "ghs_lxr", "nvarchar (32)" },
    { "ghs_tele", "varchar (64)" },
    { "ghs_address", "nvarchar (128)" },
    { "ghs_note", "nvarchar (200)" },
    { "ghs_lwje", "numeric(28,8)" },
    { "ghs_default", "bit" },
    { "ghs_pl", "int" },
    { "ck_sn", "varchar (8)" },
    { "ck_name", "nvarchar (64)" },
    { "ghs_forbid", "bit" },
    { "gt_name", "nvarchar (32)" },
    { "z_name", "nvarchar (32)" },
};

const ColumnDef cols_ghstype[] = {
    { "gt_sn", "varchar (8)" },
    { "gt_name", "nvarchar (32)" },
    { "gt_default", "bit" },
};

const ColumnDef cols_khxx[] = {
    { "kh_sn", "varchar (8)" },
    { "kh_name", "nvarchar (128)" },
    { "kh_jm", "varchar (128)" },
    { "kh_lxr", "nvarchar (32)" },
    { "kh_tele", "varchar (64)" },
    { "kh_address", "nvarchar (128)" },
    { "kh_note", "nvarchar (200)" },
    { "kh_lwje", "numeric(28,8)" },
    { "kh_default", "bit" },
    { "kh_pl", "int" },
    { "ck_sn", "varchar (8)" },
    { "ck_name", "nvarchar (64)" },
    { "kh_forbid", "bit" },
    { "kh_uname", "nvarchar (200)" },
    { "kh_usn", "varchar (200)" },
    { "kt_sn", "varchar (8)" },
    { "kt_name", "nvarchar (32)" },
    { "z_name", "nvarchar (32)" },
};

const ColumnDef cols_khtype[] = {
    { "kt_sn", "varchar (8)" },
    { "kt_name", "nvarchar (32)" },
    { "kt_default", "bit" },
};

const ColumnDef cols_zone[] = {
    { "z_sn", "varchar (8)" },
    { "z_name", "nvarchar (32)" },
    { "z_jm", "varchar (32)" },
    { "z_default", "bit" },
};

const ColumnDef cols_ghsbj[] = {
    { "g_sn", "varchar (32)" },
    { "gb_bj", "numeric(28,8)" },
    { "ghs_sn", "varchar (8)" },
    { "gb_bjrq", "varchar (32)" },
    { "u_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
    { "gb_note", "nvarchar (200)" },
};

const ColumnDef cols_khbj[] = {
    { "g_sn", "varchar (32)" },
    { "kb_bj", "numeric(28,8)" },
    { "kh_sn", "varchar (8)" },
    { "kb_bjrq", "varchar (32)" },
    { "u_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
    { "kb_note", "nvarchar (200)" },
};

const ColumnDef cols_ghsfk[] = {
    { "gf_sn", "varchar (16)" },
    { "gf_fkrq", "varchar (32)" },
    { "gf_fkfs", "varchar (32)" },
    { "gf_fkje", "numeric(28,8)" },
    { "gf_note", "nvarchar (200)" },
    { "gl_djh", "varchar (16)" },
    { "gf_je", "numeric(28,8)" },
    { "u_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
    { "ghs_sn", "varchar (8)" },
};

const ColumnDef cols_khfk[] = {
    { "kf_sn", "varchar (16)" },
    { "kf_fkrq", "varchar (32)" },
    { "kf_fkfs", "varchar (32)" },
    { "kf_fkje", "numeric(28,8)" },
    { "kf_note", "nvarchar (200)" },
    { "gl_djh", "varchar (16)" },
    { "kf_je", "numeric(28,8)" },
    { "kf_fdmc", "varchar (32)" },
    { "u_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
    { "kh_sn", "varchar (8)" },
};

const ColumnDef cols_ghslx[] = {
    { "lx_rq", "varchar (32)" },
    { "lx_note", "text" },
    { "u_sn", "varchar (8)" },
    { "ghs_sn", "varchar (8)" },
};

const ColumnDef cols_khlx[] = {
    { "lx_rq", "varchar (32)" },
    { "lx_note", "text" },
    { "u_sn", "varchar (8)" },
    { "kh_sn", "varchar (8)" },
};

const ColumnDef cols_htgl[] = {
    { "gl_djh", "varchar (16)" },
    { "ht_sn", "varchar (8)" },
    { "ht_rq", "varchar (32)" },
    { "ht_name", "nvarchar (64)" },
    { "ht_jm", "varchar (32)" },
    { "ht_note", "text" },
    { "ht_path", "nvarchar (128)" },
    { "ht_fujian", "varchar (32)" },
    { "ht_fjname", "nvarchar (64)" },
    { "ht_type", "varchar (4)" },
    { "a_name", "nvarchar (32)" },
    { "u_sn", "varchar (8)" },
    { "ghs_sn", "varchar (8)" },
};

const ColumnDef cols_khhtgl[] = {
    { "ht_sn", "varchar (8)" },
    { "ht_rq", "varchar (32)" },
    { "ht_name", "nvarchar (64)" },
    { "ht_path", "nvarchar (128)" },
    { "ht_jm", "varchar (32)" },
    { "u_sn", "varchar (8)" },
    { "kh_sn", "varchar (8)" },
};

const ColumnDef cols_user[] = {
    { "u_sn", "varchar (8)" },
    { "u_name", "nvarchar (32)" },
    { "u_jm", "varchar (32)" },
    { "u_duty", "nvarchar (32)" },
    { "u_tele", "varchar (32)" },
    { "u_address", "nvarchar (128)" },
    { "u_note", "nvarchar (200)" },
    { "u_tc", "numeric(28,8)" },
    { "u_cgpl", "int" },
    { "u_xspl", "int" },
    { "u_cg", "bit" },
    { "u_xs", "bit" },
    { "u_kc", "bit" },
    { "u_jy", "bit" },
    { "u_tcfs", "int" },
    { "u_zdlr", "numeric(28,8)" },
    { "u_tctxt", "nvarchar (8)" },
    { "ck_sn", "varchar (8)" },
    { "ck_name", "nvarchar (64)" },
    { "u_fdmc", "varchar (64)" },
};

const ColumnDef cols_ywyrz[] = {
    { "rz_rq", "varchar (32)" },
    { "rz_note", "text" },
    { "u_sn", "varchar (8)" },
};

const ColumnDef cols_dept[] = {
    { "de_sn", "varchar (8)" },
    { "de_name", "nvarchar (64)" },
};

const ColumnDef cols_fd[] = {
    { "fd_sn", "varchar (8)" },
    { "fd_name", "varchar (64)" },
    { "fd_dcrq", "varchar (32)" },
};

const ColumnDef cols_lsfdxx[] = {
    { "fd_sn", "varchar (8) not null" },
    { "fd_name", "varchar (64)" },
    { "fd_lxr", "varchar (32)" },
    { "fd_tele", "varchar (32)" },
    { "fd_address", "varchar (128)" },
    { "fd_note", "nvarchar (200)" },
};

const ColumnDef cols_kdgs[] = {
    { "kg_sn", "varchar (8)" },
    { "kg_name", "nvarchar (64)" },
};

const ColumnDef cols_kdd[] = {
    { "kd_dh", "varchar (32)" },
    { "kg_sn", "varchar (8)" },
    { "kd_rq", "varchar (32)" },
    { "kd_zl", "numeric(28,8)" },
    { "kd_je", "numeric(28,8)" },
    { "kd_jjr", "nvarchar (32)" },
    { "kd_src", "nvarchar (32)" },
    { "kd_dwmc", "nvarchar (64)" },
    { "kd_address", "nvarchar (200)" },
    { "kd_tele", "varchar (32)" },
    { "kd_mobile", "varchar (32)" },
    { "kd_zip", "varchar (8)" },
    { "kd_sjr", "nvarchar (32)" },
    { "kd_dest", "nvarchar (32)" },
    { "kd_dwmc2", "nvarchar (64)" },
    { "kd_address2", "nvarchar (200)" },
    { "kd_tele2", "varchar (32)" },
    { "kd_mobile2", "varchar (32)" },
    { "kd_zip2", "varchar (8)" },
    { "kd_note", "nvarchar (200)" },
    { "gl_djh", "varchar (16)" },
    { "a_name", "nvarchar (32)" },
};

// The main warehouse, bound to operator "admin"; list columns end every entry with ",".
void SeedWarehouse(Connection& c)
{
    SeedRow(c, "jxc_ckxx")
        .Set("ck_sn", "100001")
        .Set("ck_name", "主仓库")
        .Set("ck_jm", "ZCK")
        .Set("ck_fzr", "小李")
        .Set("ck_aname", "admin,")
        .Set("ck_asn", "100001,")
        .Set("ck_default", 1)
        .Set("ck_pos", 1)
        .Set("ck_note", "各种商品")
        .Insert();
}

void SeedSupplier(Connection& c)
{
    SeedRow(c, "jxc_ghsxx")
        .Set("ghs_sn", "100001")
        .Set("ghs_name", "普通供货商")
        .Set("ghs_jm", "PTGHS")
        .Set("ghs_note", "普通供货商为一些零碎的,不固定的商品供货商")
        .Set("ghs_lwje", 0)
        .Set("ghs_default", 1)
        .Set("ghs_pl", 0)
        .Set("ghs_forbid", 0)
        .Set("ck_sn", "-1")
        .Set("ck_name", "所有仓库")
        .Fill("ghs_lxr,ghs_tele,ghs_address,gt_name,z_name", "")
        .Insert();
}

void SeedSupplierType(Connection& c)
{
    const char* const rows[][2] = { { "100001", "A级供货商" }, { "100002", "B级供货商" }, { "100003", "C级供货商" } };
    for (const auto& r : rows)
        InsertSeedRow(c, "jxc_ghstype", "gt_sn,gt_name,gt_default", { r[0], r[1], 0 });
}

void SeedCustomer(Connection& c)
{
    SeedRow(c, "jxc_khxx")
        .Set("kh_sn", "100001")
        .Set("kh_name", "普通客户")
        .Set("kh_jm", "PTKH")
        .Set("kh_address", "系统设置—设置—公司信息修改抬头")
        .Set("kh_lwje", 0)
        .Set("kh_default", 1)
        .Set("kh_pl", 0)
        .Set("kh_forbid", 0)
        .Set("kt_name", "零售客户")
        .Set("kt_sn", "1000")
        .Set("kh_uname", "默认员工,")
        .Set("kh_usn", "100001,")
        .Set("ck_sn", "-1")
        .Set("ck_name", "所有仓库")
        .Fill("kh_lxr,kh_tele,kh_note,z_name", "")
        .Insert();
}

void SeedCustomerType(Connection& c)
{
    const char* const rows[][2] = { { "1000", "零售客户" }, { "1001", "一级" }, { "1002", "二级" }, { "1003", "三级" },
        { "1004", "四级" }, { "1005", "五级" } };
    for (const auto& r : rows)
        InsertSeedRow(c, "jxc_khtype", "kt_sn,kt_name,kt_default", { r[0], r[1], 0 });
}

void SeedZone(Connection& c)
{
    const char* const rows[][3]
        = { { "100001", "省会地区", "SHDQ" }, { "100002", "地市区域", "DSDQ" }, { "100003", "其他区域", "QTDQ" } };
    for (const auto& r : rows)
        InsertSeedRow(c, "jxc_zone", "z_sn,z_name,z_jm,z_default", { r[0], r[1], r[2], 0 });
}

void SeedStaff(Connection& c)
{
    SeedRow(c, "jxc_user")
        .Set("u_sn", "100001")
        .Set("u_name", "默认员工")
        .Set("u_jm", "MRYG")
        .Fill("u_tc,u_cgpl,u_xspl", 0)
        .Fill("u_cg,u_xs,u_kc", 1)
        .Set("ck_sn", "-1")
        .Set("ck_name", "所有仓库")
        .Fill("u_jy,u_tcfs,u_zdlr", 0)
        .Set("u_tctxt", "按销售额提成")
        .Fill("u_duty,u_tele,u_address", "")
        .Insert();
}

void SeedDepartment(Connection& c)
{
    InsertSeedRow(c, "jxc_dept", "de_sn,de_name", { "100001", "默认部门" });
}

void SeedShop(Connection& c)
{
    InsertSeedRow(c, "jxc_fd", "fd_sn,fd_name,fd_dcrq", { "100001", SchemaBrandWord() + QStringLiteral("旗舰店"), "" });
}

void SeedCourier(Connection& c)
{
    const char* const names[] = { "EMS", "顺丰快递", "中通快递", "申通快递", "天天快递", "星晨急便", "圆通速递",
        "韵达快运", "宅急送", "中铁快运", "汇通快运", "信丰物流", "快捷快递", "德邦快递", "百世快运", "优速快递",
        "速腾快递", "远成快运", "韵达速递", "百世快递", "全速通国际快递", "汇升快递", "联合快递" };
    int sn = 1001;
    for (const char* name : names)
        InsertSeedRow(c, "jxc_kdgs", "kg_sn,kg_name", { QString::number(sn++), name });
}

const TableDef partnerTables[] = {
    { "jxc_ckxx", cols_ckxx, SeedWarehouse },
    { "jxc_ghsxx", cols_ghsxx, SeedSupplier },
    { "jxc_ghstype", cols_ghstype, SeedSupplierType },
    { "jxc_khxx", cols_khxx, SeedCustomer },
    { "jxc_khtype", cols_khtype, SeedCustomerType },
    { "jxc_zone", cols_zone, SeedZone },
    { "jxc_ghsbj", cols_ghsbj, nullptr },
    { "jxc_khbj", cols_khbj, nullptr },
    { "jxc_ghsfk", cols_ghsfk, nullptr },
    { "jxc_khfk", cols_khfk, nullptr },
    { "jxc_ghslx", cols_ghslx, nullptr },
    { "jxc_khlx", cols_khlx, nullptr },
    { "jxc_htgl", cols_htgl, nullptr },
    { "jxc_khhtgl", cols_khhtgl, nullptr },
    { "jxc_user", cols_user, SeedStaff },
    { "jxc_ywyrz", cols_ywyrz, nullptr },
    { "jxc_dept", cols_dept, SeedDepartment },
    { "jxc_fd", cols_fd, SeedShop },
    { "jxc_lsfdxx", cols_lsfdxx, nullptr },
    { "jxc_kdgs", cols_kdgs, SeedCourier },
    { "jxc_kdd", cols_kdd, nullptr },
};
}

std::span<const TableDef> PartnerTables()
{
    return partnerTables;
}
