#include "foundation/schema/tabledef.h"

#include "foundation/schema/schema.h"

// Members, points and gifts, the till and SMS.

namespace {

const ColumnDef cols_hyxx[] = {
    { "hy_sn", "varchar (8)" },
    { "hy_fsn", "varchar (8)" },
    { "hy_bh", "varchar (32)" },
    { "hy_name", "nvarchar (32)" },
    { "hy_jm", "varchar (32)" },
    { "hy_status", "bit" },
    { "hl_sn", "varchar (8)" },
    { "hh_sn", "varchar (8)" },
    { "hy_mm", "varchar (16)" },
    { "hy_jf", "numeric(28,8)" },
    { "hy_zjf", "numeric(28,8)" },
    { "hy_zhje", "numeric(28,8)" },
    { "hy_ye", "numeric(28,8)" },
    { "hy_zje", "numeric(28,8)" },
    { "hy_jrrq", "varchar (16)" },
    { "hy_dqrq", "varchar (16)" },
    { "hy_sj", "bit" },
    { "hy_qx", "bit" },
    { "hy_cs", "int" },
    { "hy_syje", "numeric(28,8)" },
    { "hy_xjsyje", "numeric(28,8)" },
    { "hy_note", "nvarchar (200)" },
    { "hy_fd", "varchar (32)" },
    { "hy_fdzt", "varchar (32)" },
    { "hy_hyidkh", "varchar (32)" },
    { "hy_glnl", "int" },
    { "hy_sex", "nvarchar (2)" },
    { "hy_sr", "varchar (16)" },
    { "hy_tele", "varchar (32)" },
    { "hy_mobile", "varchar (16)" },
    { "hy_email", "varchar (64)" },
    { "hy_zjlx", "nvarchar (64)" },
    { "hy_zjhm", "nvarchar (64)" },
    { "hy_dwzy", "nvarchar (64)" },
    { "hy_address", "nvarchar (64)" },
    { "hy_qtxx", "nvarchar (64)" },
    { "hy_cg", "bit" },
    { "hy_chk", "bit" },
};

const ColumnDef cols_hyfl[] = {
    { "hl_sn", "varchar (8)" },
    { "hl_name", "nvarchar (32)" },
    { "hl_zk", "numeric(28,8)" },
    { "hl_jfxx", "numeric(28,8)" },
    { "hl_jfsx", "numeric(28,8)" },
};

const ColumnDef cols_hyjbxx[] = {
    { "hj_sn", "varchar (8)" },
    { "hj_jbid", "varchar (16)" },
    { "hj_jbmc", "nvarchar (32)" },
    { "hj_zkl", "numeric(28,8)" },
    { "hj_jfxx", "numeric(28,8)" },
    { "hj_jfsx", "numeric(28,8)" },
};

const ColumnDef cols_hyyh[] = {
    { "hh_sn", "varchar (8)" },
    { "hh_name", "nvarchar (32)" },
    { "hh_zl", "int" },
    { "hh_yh1", "numeric(28,8)" },
    { "hh_yh2", "numeric(28,8)" },
    { "hh_yh3", "numeric(28,8)" },
    { "hh_zlname", "nvarchar (32)" },
    { "hh_note", "nvarchar (200)" },
};

const ColumnDef cols_hyczzs[] = {
    { "hs_sn", "varchar (8)" },
    { "hs_zsfs", "int" },
    { "hs_txt", "nvarchar (32)" },
    { "hs_myje", "numeric(28,8)" },
    { "hs_czje", "numeric(28,8)" },
    { "hs_zsje", "numeric(28,8)" },
    { "hs_note", "nvarchar (200)" },
};

const ColumnDef cols_hyxf[] = {
    { "gl_djh", "varchar (16)" },
    { "hy_sn", "varchar (8)" },
    { "xf_rq", "varchar (32)" },
    { "xf_je", "numeric(28,8)" },
    { "xf_yhje", "numeric(28,8)" },
    { "xf_xj", "numeric(28,8)" },
    { "xf_czk", "numeric(28,8)" },
    { "xf_xyk", "numeric(28,8)" },
    { "xf_djq", "numeric(28,8)" },
    { "xf_wxje", "numeric(28,8)" },
    { "xf_zfbje", "numeric(28,8)" },
    { "xf_zlje", "numeric(28,8)" },
    { "xf_note", "nvarchar (200)" },
    { "xf_zt", "varchar (32)" },
    { "xf_fdzt", "varchar (32)" },
    { "xf_fd", "varchar (32)" },
    { "xf_zsrq", "varchar (16)" },
    { "hs_zsfs", "int" },
    { "hs_myje", "numeric(28,8)" },
    { "hs_zsje", "numeric(28,8)" },
    { "xf_id", "varchar (32)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_jfsz[] = {
    { "jf_jfgz", "int" },
    { "jf_mfje", "numeric(28,8)" },
    { "jf_djjf", "bit" },
    { "jf_jsrjf", "int" },
    { "jf_jsrjl", "int" },
    { "jf_dbjf", "int" },
    { "jf_dbrq1", "varchar(32)" },
    { "jf_dbrq2", "varchar(32)" },
    { "jf_srjflx", "int" },
    { "jf_srjfbs", "int" },
    { "jf_srjfts", "int" },
    { "jf_yelj", "bit" },
    { "jf_hysk", "bit" },
    { "jf_qchy", "bit" },
    { "jf_xgxf", "bit" },
    { "jf_hyr", "int" },
    { "jf_hyr1", "varchar(32)" },
    { "jf_hyr2", "varchar(32)" },
    { "jf_hyrmy1", "varchar(2)" },
    { "jf_hyrmy2", "varchar(2)" },
    { "jf_hyrzk", "numeric(28,8)" },
    { "jf_ick", "bit" },
    { "jf_icktype", "int" },
};

const ColumnDef cols_jfdh[] = {
    { "hy_sn", "varchar (8)" },
    { "jf_xfjf", "numeric(28,8)" },
    { "jf_rq", "varchar (32)" },
    { "a_name", "nvarchar (32)" },
    { "jf_note", "nvarchar (200)" },
};

const ColumnDef cols_dhd[] = {
    { "gl_djh", "varchar (16)" },
    { "hy_sn", "varchar (8)" },
    { "dh_dhrq", "varchar (32)" },
    { "dh_sl", "numeric(28,8)" },
    { "dh_jf", "numeric(28,8)" },
    { "dh_note", "nvarchar (200)" },
    { "a_name", "nvarchar (32)" },
    { "ck_sn", "varchar (8)" },
};

const ColumnDef cols_dhzp[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "dh_zpjf", "numeric(28,8)" },
    { "dh_sl", "numeric(28,8)" },
    { "dh_jf", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "idck", "int" },
    { "gl_djh2", "varchar (16)" },
};

const ColumnDef cols_posxsd[] = {
    { "gl_djh", "varchar (16)" },
    { "hy_sn", "varchar (8)" },
    { "pos_xsrq", "varchar (32)" },
    { "kh_sn", "varchar (8)" },
    { "ck_sn", "varchar (8)" },
    { "pos_yfje", "numeric(28,8)" },
    { "pos_sfje", "numeric(28,8)" },
    { "pos_mlje", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "u_sn", "varchar (8)" },
    { "pos_note", "nvarchar (200)" },
    { "pos_zffs", "int" },
    { "pos_xj", "numeric(28,8)" },
    { "pos_czk", "numeric(28,8)" },
    { "pos_yhk", "numeric(28,8)" },
    { "pos_djq", "numeric(28,8)" },
    { "pos_yhje", "numeric(28,8)" },
    { "pos_yhzkje", "numeric(28,8)" },
    { "pos_wxje", "numeric(28,8)" },
    { "pos_zfbje", "numeric(28,8)" },
    { "pos_zftype", "varchar (32)" },
    { "pos_transactionid", "varchar (64)" },
    { "pos_rjid", "varchar (50)" },
    { "pos_bcjf", "numeric(28,8)" },
    { "pos_jfye", "numeric(28,8)" },
    { "pos_zlje", "numeric(28,8)" },
    { "pos_zjf", "numeric(28,8)" },
};

const ColumnDef cols_posxssp[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "pos_dj", "numeric(28,8)" },
    { "pos_sl", "numeric(28,8)" },
    { "pos_zje", "numeric(28,8)" },
    { "t_zp", "nvarchar (16)" },
    { "a_name", "nvarchar (32)" },
    { "pos_dzl", "numeric(28,8)" },
    { "pos_cbj", "numeric(28,8)" },
    { "pos_zcb", "numeric(28,8)" },
    { "pos_lsj", "numeric(28,8)" },
    { "pos_zhje", "numeric(28,8)" },
    { "t_scrq", "varchar (16)" },
    { "g_xlh", "text" },
    { "tid", "int" },
    // Added: what a held cart line must keep to be resumed as it was; held lines
    // count in the base unit unless they say otherwise.
    { "t_yxq", "varchar (16)" },
    { "t_ph", "varchar (64)" },
    { "pos_zsl", "numeric(28,8)" },
    { "dw_name", "nvarchar (64)" },
    { "g_sptm", "varchar (64)" },
    { "g_zhxs", "numeric(28,8) default 1" },
    { "gl_djh3", "nvarchar (16)" },
    { "idck", "int" },
};

const ColumnDef cols_posxsspmx[] = {
    { "gl_djh", "varchar (16)" },
    { "g_sn", "varchar (32)" },
    { "cm_sn", "varchar (8)" },
    { "color_sn", "varchar (8)" },
    { "t_sl", "numeric(28,8)" },
    { "a_name", "nvarchar (32)" },
    { "t_kc", "int" },
    { "tid", "int" },
};

const ColumnDef cols_poshb[] = {
    { "jb_begintime", "varchar (32)" },
    { "jb_endtime", "varchar (32)" },
    { "a_name", "nvarchar (32)" },
    { "jb_xjje", "numeric(28,8)" },
    { "jb_czkje", "numeric(28,8)" },
    { "jb_yhkje", "numeric(28,8)" },
    { "jb_djqje", "numeric(28,8)" },
    { "jb_wxje", "numeric(28,8)" },
    { "jb_zfbje", "numeric(28,8)" },
    { "jb_zlje", "numeric(28,8)" },
    { "jb_mlje", "numeric(28,8)" },
    { "jb_thje", "numeric(28,8)" },
    { "jb_rkje", "numeric(28,8)" },
    { "jb_ckje", "numeric(28,8)" },
    { "jb_xsje", "numeric(28,8)" },
    { "jb_xjje2", "numeric(28,8)" },
    { "jb_yhkje2", "numeric(28,8)" },
    { "jb_wxje2", "numeric(28,8)" },
    { "jb_zfbje2", "numeric(28,8)" },
    { "jb_zlje2", "numeric(28,8)" },
    { "jb_xfje", "numeric(28,8)" },
    { "jb_yjje", "numeric(28,8)" },
    { "jb_sjje", "numeric(28,8)" },
    { "jb_note", "nvarchar (64)" },
};

const ColumnDef cols_jbgl[] = {
    { "jb_time", "varchar (32)" },
    { "jb_curruser", "nvarchar (32)" },
    { "jb_nextuser", "nvarchar (32)" },
    { "jb_jjzje", "numeric(28,8)" },
    { "jb_bbskzje", "numeric(28,8)" },
    { "jb_sjyyk", "numeric(28,8)" },
    { "jb_xfyyk", "numeric(28,8)" },
    { "jb_note", "nvarchar (200)" },
};

const ColumnDef cols_crk[] = {
    { "gl_djh", "varchar (16)" },
    { "crk_rq", "varchar (32)" },
    { "crk_flag", "varchar (1)" },
    { "crk_je", "numeric(28,8)" },
    { "crk_note", "nvarchar (200)" },
    { "a_name", "nvarchar (32)" },
    { "a_name2", "nvarchar (32)" },
};

const ColumnDef cols_poscs[] = {
    { "pos_qxjk", "int" },
    { "pos_jkzl", "int" },
    { "pos_kxjk", "int" },
    { "pos_dkqx", "bit" },
    { "pos_tmlx", "int" },
    { "pos_jzqz", "varchar (4)" },
    { "pos_jsqz", "varchar (4)" },
    { "pos_jews", "int" },
    { "pos_djws", "int" },
    { "pos_zlws", "int" },
};

const ColumnDef cols_posprint[] = {
    { "pp_zjdy", "bit" },
    { "pp_dkqx", "bit" },
    { "pp_zdqz", "bit" },
    { "pp_dyfs", "int" },
    { "pp_dyj", "int" },
    { "pp_kd", "int" },
    { "pp_bt1", "nvarchar (64)" },
    { "pp_bt2", "nvarchar (64)" },
    { "pp_jz1", "nvarchar (64)" },
    { "pp_jz2", "nvarchar (64)" },
    { "pp_khs", "varchar (2)" },
    { "pp_fs", "varchar (4)" },
    { "pp_xfjf", "bit" },
    { "pp_fkfs", "bit" },
    { "pp_jedx", "bit" },
    { "pp_bzxx", "bit" },
};

const ColumnDef cols_posfont[] = {
    { "font_size", "varchar (32)" },
};

const ColumnDef cols_gnb[] = {
    { "gn_name", "nvarchar (32)" },
    { "gn_jz", "int" },
};

const ColumnDef cols_smscs[] = {
    { "sms_sign", "varchar (32)" },
    { "sms_user", "varchar (32)" },
    { "sms_pwd", "varchar (32)" },
    { "sms_cznote", "nvarchar (250)" },
    { "sms_xfnote", "nvarchar (250)" },
    { "sms_host", "varchar (64)" },
    { "sms_port", "varchar (8)" },
};

const ColumnDef cols_smshy[] = {
    { "gl_djh", "varchar (16)" },
    { "hy_sn", "varchar (8)" },
    { "hy_mobile", "varchar (16)" },
    { "sms_rq", "varchar (32)" },
    { "sms_note", "nvarchar (250)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_sms[] = {
    { "gl_djh", "varchar (16)" },
    { "sms_rq", "varchar (16)" },
    { "sms_note", "nvarchar (250)" },
    { "a_name", "nvarchar (32)" },
};

// Discount rate per member level and goods, read by the till; a row with an empty
// level holds the rate for buyers who are not members. Not one of the documented
// tables: the till needs it and nothing else creates it.
const ColumnDef cols_dxdz[] = {
    { "hl_sn", "varchar (8)" },
    { "g_sn", "varchar (32)" },
    { "hl_dxzk", "numeric(28,8)" },
};

// The member that stands for sales without a card.
void SeedMember(Connection& c)
{
    SeedRow(c, "jxc_hyxx")
        .Set("hy_sn", "100001")
        .Set("hy_bh", "0000")
        .Set("hy_name", "无卡客户")
        .Set("hl_sn", "100001")
        .Set("hh_sn", "100001")
        .Set("hy_jrrq", "2010-01-01")
        .Fill("hy_jf,hy_zhje,hy_ye,hy_zje,hy_sj,hy_qx,hy_cs,hy_syje,hy_xjsyje,hy_glnl,hy_cg,hy_zjf", 0)
        .Insert();
}

void SeedMemberLevel(Connection& c)
{
    const char* cols = "hl_sn,hl_name,hl_zk,hl_jfxx,hl_jfsx";
    InsertSeedRow(c, "jxc_hyfl", cols, { "100001", "普通会员", 1, 0, 0 });
    InsertSeedRow(c, "jxc_hyfl", cols, { "100002", "初级会员", 1, 1, 999999 });
}

void SeedTopUpRule(Connection& c)
{
    InsertSeedRow(c, "jxc_hyyh", "hh_sn,hh_name,hh_zl,hh_yh1,hh_yh2,hh_yh3,hh_zlname,hh_note",
        { "100001", "不优惠", 0, 1, 0, 0, "存款优惠", "实际款=所付存款*1" });
}

void SeedPointsRule(Connection& c)
{
    SeedRow(c, "jxc_jfsz")
        .Set("jf_jfgz", 1)
        .Fill("jf_mfje,jf_djjf,jf_jsrjf,jf_jsrjl,jf_dbjf,jf_srjflx,jf_srjfbs,jf_srjfts,jf_yelj,jf_hysk,jf_qchy,"
              "jf_xgxf,jf_ick,jf_icktype,jf_hyr,jf_hyrzk",
            0)
        .Fill("jf_dbrq1,jf_dbrq2,jf_hyr1,jf_hyr2,jf_hyrmy1,jf_hyrmy2", "")
        .Insert();
}

void SeedTillSettings(Connection& c)
{
    SeedRow(c, "jxc_poscs")
        .Set("pos_qxjk", 0)
        .Set("pos_jkzl", 0)
        .Set("pos_dkqx", 1)
        .Set("pos_tmlx", 0)
        .Set("pos_jzqz", "24")
        .Set("pos_jsqz", "25")
        .Set("pos_jews", 2)
        .Set("pos_djws", 2)
        .Set("pos_zlws", 2)
        .Set("pos_kxjk", 0)
        .Insert();
}

void SeedReceiptSettings(Connection& c)
{
    const QString brand = SchemaBrandWord();
    SeedRow(c, "jxc_posprint")
        .Fill("pp_zjdy,pp_dkqx,pp_zdqz,pp_dyfs,pp_dyj", 0)
        .Set("pp_bt1", brand + QStringLiteral("旗舰店"))
        .Set("pp_bt2", "欢迎惠顾")
        .Set("pp_jz1", QStringLiteral("欢迎使用") + brand + QStringLiteral("进销存"))
        .Set("pp_jz2", QStringLiteral("管理软件 ") + brand + QStringLiteral("是专家"))
        .Set("pp_khs", "2")
        .Set("pp_fs", "1")
        .Fill("pp_xfjf,pp_fkfs,pp_jedx", 0)
        .Set("pp_bzxx", 1)
        .Insert();
}

void SeedTillFont(Connection& c)
{
    InsertSeedRow(c, "jxc_posfont", "font_size", { "14" });
}

// Shortcut keys of the till as Windows virtual-key codes.
void SeedTillKeys(Connection& c)
{
    const struct {
        const char* name;
        int key;
    } rows[] = {
        { "付款结账", 187 }, // = +
        { "修改折扣", 118 }, // F7
        { "修改数量", 115 }, // F4
        { "删除当前", 46 },  // Delete
        { "删除全部", 34 },  // Page Down
        { "选择会员", 113 }, // F2
        { "打开钱箱", 117 }, // F6
        { "挂单", 119 },     // F8
        { "解挂", 120 },     // F9
        { "锁定屏幕", 121 }, // F10
        { "浏览图片", 122 }, // F11
        { "设为赠品", 123 }, // F12
    };
    for (const auto& r : rows)
        InsertSeedRow(c, "jxc_gnb", "gn_name,gn_jz", { r.name, r.key });
}

const TableDef memberTables[] = {
    { "jxc_hyxx", cols_hyxx, SeedMember },
    { "jxc_hyfl", cols_hyfl, SeedMemberLevel },
    { "jxc_hyjbxx", cols_hyjbxx, nullptr },
    { "jxc_hyyh", cols_hyyh, SeedTopUpRule },
    { "jxc_hyczzs", cols_hyczzs, nullptr },
    { "jxc_hyxf", cols_hyxf, nullptr },
    { "jxc_jfsz", cols_jfsz, SeedPointsRule },
    { "jxc_jfdh", cols_jfdh, nullptr },
    { "jxc_dhd", cols_dhd, nullptr },
    { "jxc_dhzp", cols_dhzp, nullptr },
    { "jxc_posxsd", cols_posxsd, nullptr },
    { "jxc_posxssp", cols_posxssp, nullptr },
    { "jxc_posxsspmx", cols_posxsspmx, nullptr },
    { "jxc_poshb", cols_poshb, nullptr },
    { "jxc_jbgl", cols_jbgl, nullptr },
    { "jxc_crk", cols_crk, nullptr },
    { "jxc_poscs", cols_poscs, SeedTillSettings },
    { "jxc_posprint", cols_posprint, SeedReceiptSettings },
    { "jxc_posfont", cols_posfont, SeedTillFont },
    { "jxc_gnb", cols_gnb, SeedTillKeys },
    { "jxc_smscs", cols_smscs, nullptr },
    { "jxc_smshy", cols_smshy, nullptr },
    { "jxc_sms", cols_sms, nullptr },
    { "jxc_dxdz", cols_dxdz, nullptr },
};
}

std::span<const TableDef> MemberTables()
{
    return memberTables;
}
