#include "foundation/schema/tabledef.h"

#include "foundation/schema/schema.h"

// Goods and their attributes: categories, prices, colours, sizes and their groups,
// units, brands, shelves, barcodes, second units and material lists.

namespace {

const ColumnDef cols_goods[] = {
    { "g_sn", "varchar (32)" },
    { "g_name", "nvarchar (128)" },
    { "g_jm", "varchar (32)" },
    { "g_jj", "numeric(28,8)" },
    { "g_sj", "numeric(28,8)" },
    { "g_sj1", "numeric(28,8)" },
    { "g_sj2", "numeric(28,8)" },
    { "g_sj3", "numeric(28,8)" },
    { "g_sj4", "numeric(28,8)" },
    { "g_sj5", "numeric(28,8)" },
    { "g_lsj", "numeric(28,8)" },
    { "g_zdkc", "int" },
    { "g_tjsp", "bit" },
    { "g_sccs", "nvarchar (200)" },
    { "g_bz", "nvarchar (200)" },
    { "g_kc", "numeric(28,8)" },
    { "g_zhxs", "numeric(28,8)" },
    { "g_gdcbj", "bit" },
    { "dw_name2", "nvarchar (64)" },
    { "g_scjj", "numeric(28,8)" },
    { "g_cbj", "numeric(28,8)" },
    { "g_cgpl", "int" },
    { "g_xspl", "int" },
    { "g_jy", "bit" },
    { "bl", "int" },
    { "g_sptm", "nvarchar (64)" },
    { "g_sptm2", "nvarchar (64)" },
    { "g_tmtype", "int" },
    { "g_pjjj", "numeric(28,8)" },
    { "g_zbq", "varchar (64)" },
    { "g_dzll", "numeric(28,8)" },
    { "g_hyj", "numeric(28,8)" },
    { "g_tj", "numeric(28,8)" },
    { "g_tjqx", "bit" },
    { "g_ks", "varchar (32)" },
    { "g_js", "varchar (32)" },
    { "g_dxdz", "bit" },
    { "g_updatepos", "varchar (64)" },
    { "g_iszp", "bit" },
    { "g_zpjf", "numeric(28,8)" },
    { "g_clxs", "numeric(28,8)" },
    { "g_yjlx", "nvarchar (64)" },
    { "g_tym", "nvarchar (64)" },
    { "g_sy", "bit" },
    { "g_tcje", "numeric(28,8)" },
    { "g_bzq", "numeric(28,8)" },
    { "g_tclb", "int" },
    { "g_tclr", "numeric(28,8)" },
    { "g_tc", "numeric(28,8)" },
    { "g_tssp", "bit" },
    { "g_hyrdz", "bit" },
    { "g_tsjf", "numeric(28,8)" },
    { "gc_cid", "int" },
    { "gc_sn", "varchar (32)" },
    { "dw_name", "nvarchar (64)" },
    { "gg_name", "nvarchar (64)" },
    { "color_name", "nvarchar (64)" },
    { "cmz_name", "varchar (32)" },
    { "colorz_sn", "varchar (8)" },
    { "cmz_sn", "varchar (8)" },
    { "gg_jm", "varchar (64)" },
    { "color_jm", "varchar (64)" },
    { "hj_name", "nvarchar (64)" },
    { "ghs_sn", "varchar (8)" },
};

const ColumnDef cols_goodsclass[] = {
    { "gc_sn", "varchar (32)" },
    { "gc_name", "nvarchar (64)" },
    { "gc_jm", "varchar (32)" },
    { "gc_key", "int" },
    { "gc_pid", "int" },
    { "gc_cid", "int" },
};

const ColumnDef cols_goodsprice[] = {
    { "gp_name", "varchar (32)" },
    { "gp_price", "numeric(28,8)" },
    { "g_sn", "varchar (32)" },
};

const ColumnDef cols_goodsremind[] = {
    { "gr_mode", "varchar (1)" },
    { "gr_date", "varchar (64)" },
    { "gr_note", "text" },
    { "gr_time", "varchar (32)" },
    { "gr_obj", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
    { "g_sn", "varchar (32)" },
};

const ColumnDef cols_color[] = {
    { "color_sn", "varchar (8)" },
    { "color_name", "nvarchar (64)" },
    { "color_jm", "varchar (64)" },
    { "color_tm", "varchar (32)" },
    { "color_click", "int" },
};

const ColumnDef cols_colorz[] = {
    { "colorz_sn", "varchar (8)" },
    { "colorz_name", "nvarchar (32)" },
    { "colorz_note", "nvarchar (200)" },
};

const ColumnDef cols_colorz2[] = {
    { "colorz_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
};

const ColumnDef cols_cm[] = {
    { "cm_sn", "varchar (8)" },
    { "cm_name", "varchar (32)" },
    { "cm_jm", "varchar (32)" },
    { "cm_tm", "varchar (32)" },
};

const ColumnDef cols_cmz[] = {
    { "cmz_sn", "varchar (8)" },
    { "cmz_name", "nvarchar (32)" },
    { "cmz_note", "nvarchar (200)" },
    { "cm_sn", "varchar (8)" },
};

const ColumnDef cols_cmz2[] = {
    { "cmz_sn", "varchar (8)" },
    { "cm_sn", "varchar (8)" },
};

const ColumnDef cols_dw[] = {
    { "dw_sn", "varchar (8)" },
    { "dw_name", "nvarchar (64)" },
};

const ColumnDef cols_ggxh[] = {
    { "gg_sn", "varchar (8)" },
    { "gg_name", "nvarchar (64)" },
};

const ColumnDef cols_ppcs[] = {
    { "pp_sn", "varchar (8)" },
    { "pp_name", "varchar (64)" },
    { "pp_jm", "varchar (64)" },
};

const ColumnDef cols_hjxx[] = {
    { "hj_sn", "varchar (8)" },
    { "hj_name", "nvarchar (64)" },
    { "hj_wz", "nvarchar (32)" },
    { "hj_flag", "varchar (1)" },
};

const ColumnDef cols_tm[] = {
    { "g_sn", "varchar (32)" },
    { "tm_sl", "numeric(28,8)" },
    { "tm_dy", "numeric(28,8)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "tm_tm", "varchar (64)" },
    { "g_sptm", "varchar (64)" },
    { "cm_tm", "varchar (32)" },
    { "color_tm", "varchar (32)" },
};

const ColumnDef cols_txm[] = {
    { "tm_code", "varchar (64)" },
};

const ColumnDef cols_goodstm[] = {
    { "g_sn", "varchar (32)" },
    { "g_tmbz", "nvarchar (32)" },
    { "g_sptm", "varchar (64)" },
};

const ColumnDef cols_goodsdw[] = {
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
};

const ColumnDef cols_tmdy[] = {
    { "tm_width", "int" },
    { "tm_height", "int" },
    { "tm_num", "int" },
    { "tm_padding", "int" },
    { "tm_titledisp", "bit" },
    { "tm_title", "varchar (64)" },
    { "tm_titleleft", "int" },
    { "tm_titletop", "int" },
    { "tm_titlepadding", "int" },
    { "tm_titlealign", "int" },
    { "tm_code", "varchar (64)" },
    { "tm_codeleft", "int" },
    { "tm_codetop", "int" },
    { "tm_codeheight", "int" },
    { "tm_codetype", "int" },
    { "tm_codedisp", "bit" },
    { "tm_footdisp", "bit" },
    { "tm_foot", "varchar (64)" },
    { "tm_footleft", "int" },
    { "tm_foottop", "int" },
    { "tm_footpadding", "int" },
    { "tm_footalign", "int" },
};

const ColumnDef cols_plxx[] = {
    { "g_sn", "varchar (32)" },
    { "pl_gsn", "varchar (32)" },
    { "ck_sn", "varchar (8)" },
    { "pl_sl", "numeric(28,8)" },
    { "pl_wh", "nvarchar (255)" },
    { "pl_note", "nvarchar (200)" },
    { "pl_flag", "varchar (1)" },
};

const ColumnDef cols_cfkbmb[] = {
    { "g_sn", "varchar (32)" },
    { "pl_gsn", "varchar (32)" },
    { "ck_sn", "varchar (8)" },
    { "pl_sl", "numeric(28,8)" },
    { "pl_wh", "nvarchar (255)" },
    { "pl_note", "nvarchar (200)" },
    { "pl_flag", "varchar (2)" },
};

// The pseudo goods that carries document-level discounts and rounding.
void SeedGoods(Connection& c)
{
    SeedRow(c, "jxc_goods")
        .Set("g_sn", "00000000")
        .Set("g_name", "优惠商品")
        .Set("g_jm", "YHSP")
        .Set("g_bz", "在销售或进货有优惠时,平衡商品总额!")
        .Set("g_zhxs", 1)
        .Set("g_dzll", 1)
        .Set("g_tmtype", 1)
        .Set("g_jy", 1)
        .Set("ghs_sn", "100001")
        .Set("gc_cid", 2)
        .Fill("g_sccs,g_sptm,gc_sn,dw_name,gg_name,color_name,cmz_name", "")
        .Fill("g_jj,g_sj,g_sj1,g_sj2,g_sj3,g_sj4,g_sj5,g_lsj,g_zdkc,g_tjsp,g_kc,g_scjj,g_cbj,g_cgpl,g_xspl,"
              "g_pjjj,g_hyj,g_tj,g_tjqx,g_dxdz,g_iszp,g_zpjf,g_tclb,g_tc,g_sy",
            0)
        .Insert();
}

void SeedGoodsClass(Connection& c)
{
    const char* cols = "gc_name,gc_pid,gc_cid,gc_sn,gc_jm,gc_key";
    InsertSeedRow(c, "jxc_goodsclass", cols, { "所有类别", 0, 1, "", "SYLB", 1 });
    InsertSeedRow(c, "jxc_goodsclass", cols, { "默认类别", 1, 2, "1000", "MRLB", 2 });
}

void SeedColor(Connection& c)
{
    const char* const rows[][4] = {
        { "100001", "统一", "TY", "00" },
        { "100002", "红色", "HS", "11" },
        { "100003", "蓝色", "LS", "12" },
        { "100004", "白色", "BS", "13" },
        { "100005", "黑色", "HS", "14" },
        { "100006", "黄色", "HS", "15" },
        { "100007", "灰色", "HS", "16" },
        { "100008", "深绿色", "SLS", "17" },
        { "100009", "深蓝色", "SLS", "18" },
    };
    for (const auto& r : rows)
        InsertSeedRow(
            c, "jxc_color", "color_sn,color_name,color_jm,color_tm,color_click", { r[0], r[1], r[2], r[3], 0 });
}

void SeedColorGroup(Connection& c)
{
    InsertSeedRow(c, "jxc_colorz", "colorz_sn,colorz_name,colorz_note", { "100001", "不关心颜色", "" });
}

void SeedColorGroupMember(Connection& c)
{
    InsertSeedRow(c, "jxc_colorz2", "colorz_sn,color_sn", { "100001", "100001" });
}

void SeedSize(Connection& c)
{
    const char* const rows[][4] = {
        { "100001", "均码", "JM", "00" },
        { "100002", "O", "O", "11" },
        { "100003", "S", "S", "12" },
        { "100004", "M", "M", "13" },
        { "100005", "L", "L", "14" },
        { "100006", "XL", "XL", "15" },
        { "100007", "XXL", "XXL", "16" },
        { "100008", "XXXL", "XXXL", "17" },
        { "100009", "XXXXL", "XXXXL", "18" },
    };
    for (const auto& r : rows)
        InsertSeedRow(c, "jxc_cm", "cm_sn,cm_name,cm_jm,cm_tm", { r[0], r[1], r[2], r[3] });
}

void SeedSizeGroup(Connection& c)
{
    InsertSeedRow(c, "jxc_cmz", "cmz_sn,cmz_name,cmz_note", { "100001", "不关心尺码", "" });
}

void SeedSizeGroupMember(Connection& c)
{
    InsertSeedRow(c, "jxc_cmz2", "cmz_sn,cm_sn", { "100001", "100001" });
}

void SeedUnit(Connection& c)
{
    const char* const rows[][2] = { { "100001", "件" }, { "100002", "套" }, { "100003", "双" }, { "100004", "顶" } };
    for (const auto& r : rows)
        InsertSeedRow(c, "jxc_dw", "dw_sn,dw_name", { r[0], r[1] });
}

void SeedStyle(Connection& c)
{
    const char* const rows[][2] = { { "100001", "500ml" }, { "100002", "100ml" }, { "100003", "100g*24袋" } };
    for (const auto& r : rows)
        InsertSeedRow(c, "jxc_ggxh", "gg_sn,gg_name", { r[0], r[1] });
}

void SeedBrand(Connection& c)
{
    const char* const rows[][3] = {
        { "100001", "默认品牌", "MRPP" },
        { "100002", "金利来", "JLL" },
        { "100003", "皮尔卡丹", "PEKD" },
        { "100004", "苹果", "PG" },
        { "100005", "鳄鱼", "EY" },
        { "100006", "红豆", "HD" },
        { "100007", "赛骑", "SQ" },
    };
    for (const auto& r : rows)
        InsertSeedRow(c, "jxc_ppcs", "pp_sn,pp_name,pp_jm", { r[0], r[1], r[2] });
}

void SeedShelf(Connection& c)
{
    InsertSeedRow(c, "jxc_hjxx", "hj_sn,hj_name,hj_wz,hj_flag", { "100001", "默认货架", "默认位置", "1" });
}

void SeedLabelLayout(Connection& c)
{
    InsertSeedRow(c, "jxc_tmdy",
        "tm_width,tm_height,tm_num,tm_padding,tm_titledisp,tm_title,tm_titleleft,tm_titletop,"
        "tm_titlepadding,tm_titlealign,tm_code,tm_codeleft,tm_codetop,tm_codeheight,tm_codetype,"
        "tm_codedisp,tm_footdisp,tm_foot,tm_footleft,tm_foottop,tm_footpadding,tm_footalign",
        { 100, 30, 1, 150, 1, SchemaBrandWord() + QStringLiteral("软件标题"), 2, 2, 2, 0, "1234567890", 2, 50, 50, 14,
            1, 1, SchemaBrandWord() + QStringLiteral("软件脚注"), 2, 100, 2, 0 });
}

const TableDef goodsTables[] = {
    { "jxc_goods", cols_goods, SeedGoods },
    { "jxc_goodsclass", cols_goodsclass, SeedGoodsClass },
    { "jxc_goodsprice", cols_goodsprice, nullptr },
    { "jxc_goodsremind", cols_goodsremind, nullptr },
    { "jxc_color", cols_color, SeedColor },
    { "jxc_colorz", cols_colorz, SeedColorGroup },
    { "jxc_colorz2", cols_colorz2, SeedColorGroupMember },
    { "jxc_cm", cols_cm, SeedSize },
    { "jxc_cmz", cols_cmz, SeedSizeGroup },
    { "jxc_cmz2", cols_cmz2, SeedSizeGroupMember },
    { "jxc_dw", cols_dw, SeedUnit },
    { "jxc_ggxh", cols_ggxh, SeedStyle },
    { "jxc_ppcs", cols_ppcs, SeedBrand },
    { "jxc_hjxx", cols_hjxx, SeedShelf },
    { "jxc_tm", cols_tm, nullptr },
    { "jxc_txm", cols_txm, nullptr },
    { "jxc_goodstm", cols_goodstm, nullptr },
    { "jxc_goodsdw", cols_goodsdw, nullptr },
    { "jxc_tmdy", cols_tmdy, SeedLabelLayout },
    { "jxc_plxx", cols_plxx, nullptr },
    { "jxc_cfkbmb", cols_cfkbmb, nullptr },
};
}

std::span<const TableDef> GoodsTables()
{
    return goodsTables;
}
