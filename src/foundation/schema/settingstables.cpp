#include "foundation/schema/tabledef.h"

#include "foundation/schema/schema.h"
#include "platform/db/connection.h"

// Settings and administration: settings row, company, operators, roles, log,
// report list, tips, reminders and import field mapping.

namespace {

const ColumnDef cols_xtcs[] = {
    { "cs_cgdj", "int", "2" },
    { "cs_xsdj", "int", "0" },
    { "cs_xgdj", "bit", "1" },
    { "cs_kc", "bit", "1" },
    { "cs_ysdh", "bit", "0" },
    { "cs_spbh", "bit", "1" },
    { "cs_ct", "bit", "0" },
    { "cs_xt", "bit", "0" },
    { "cs_cgyh", "int", "0" },
    { "cs_xsyh", "int", "0" },
    { "cs_shdj", "bit", "0" },
    { "cs_shtc", "bit", "0" },
    { "cs_xjyh", "bit", "1" },
    { "cs_cbjs", "int", "2" },
    { "cs_xsws", "int", "2" },
    { "cs_zjews", "bit", "0" },
    { "cs_jews", "int", "0" },
    { "cs_ts", "varchar (64)", "''" },
    { "cs_hbfh", "nvarchar (4)", "'￥'" },
    { "cs_posdj", "bit", "0" },
    { "cs_tjcyjf", "bit", "0" },
    { "cs_posfkws", "int", "2" },
    { "cs_posblur", "bit", "0" },
    { "cs_poshooktoday", "bit", "1" },
    { "cs_barcode", "bit", "0" },
    { "cs_barunique", "bit", "0" },
    { "cs_zerocost", "bit", "0" },
    { "cs_possk", "bit", "0" },
    { "cs_xsjgts", "int", "1" },
    { "cs_djsh", "int", "0" },
    { "cs_employ", "bit", "1" },
    { "cs_employts", "int", "0" },
    { "cs_employdate", "varchar (20)", "''" },
    { "cs_wxzf", "bit", "0" },
    { "cs_mchid", "varchar (64)", "''" },
    { "cs_key", "varchar (64)", "''" },
    { "cs_kp", "bit", "0" },
    { "cs_hs", "bit", "0" },
    { "cs_tax", "numeric(28,8)", "0" },
    { "cs_sms", "bit", "0" },
    { "cs_hcj", "bit", "0" },
    { "cs_sprk", "bit", "0" },
    { "cs_spck", "bit", "0" },
    { "cs_lsj", "bit", "0" },
    { "cs_scjh", "bit", "0" },
    { "cs_scrk", "bit", "0" },
    { "cs_spcz", "bit", "0" },
    { "cs_dbdj", "int", "0" },
    { "cs_jhzk", "bit", "0" },
    { "cs_zdzk", "numeric(28,8)", "0" },
    { "cs_ht", "bit", "0" },
    { "cs_kddy", "bit", "0" },
    { "cs_fzdw", "bit", "0" },
    { "cs_cgje", "int", "0" },
    { "cs_xsje", "int", "0" },
    { "cs_activate", "bit", "1" },
    { "cs_activatets", "int", "1" },
    { "cs_djrq", "int", "0" },
    { "cs_dysx", "int", "0" },
    { "cs_cs001", "bit", "0" },
    { "cs_cs002", "bit", "0" },
    { "cs_cs003", "bit", "0" },
    { "cs_cs004", "int", "0" },
    { "cs_cs005", "int", "0" },
    { "cs_cs006", "int", "0" },
    { "cs_cs007", "bit", "0" },
    { "cs_cs008", "bit", "0" },
    { "cs_cs009", "bit", "0" },
    { "cs_cs010", "bit", "0" },
    { "cs_cs011", "bit", "0" },
    { "cs_cs012", "bit", "1" },
    { "cs_cs013", "bit", "0" },
    { "cs_cs014", "bit", "0" },
    { "cs_cs015", "bit", "0" },
    { "cs_cs016", "bit", "0" },
    { "cs_cs017", "bit", "0" },
    { "cs_cs018", "bit", "0" },
    { "cs_cs019", "bit", "0" },
    { "cs_cs020", "bit", "0" },
    { "cs_cs021", "bit", "0" },
    { "cs_cs022", "bit", "0" },
    { "cs_cs023", "bit", "0" },
    { "cs_cs024", "bit", "0" },
    { "cs_cs025", "bit", "0" },
    { "cs_cs026", "bit", "0" },
    { "cs_cs027", "bit", "0" },
    { "cs_cs028", "bit", "0" },
    { "cs_cs029", "bit", "0" },
    { "cs_cs030", "bit", "0" },
    { "cs_cs031", "int", "2" },
    { "cs_cs032", "int", "0" },
    { "cs_cs033", "int", "0" },
    { "cs_bcqdy", "bit", "0" },
    { "cs_djzddy", "bit", "0" },
    { "cs_djzddysl", "int", "0" },
    { "cs_tmzdsc", "bit", "0" },
    { "cs_tmscff", "int", "0" },
    { "cs_rgf", "bit", "0" },
    { "cs_posrq", "bit", "0" },
    { "cs_tx", "bit", "1" },
    { "cs_mryt", "bit", "0" },
};

const ColumnDef cols_company[] = {
    { "c_sn", "varchar (8)" },
    { "c_name", "nvarchar (64)" },
    { "c_jc", "nvarchar (32)" },
    { "c_lxr", "nvarchar (32)" },
    { "c_tele", "nvarchar (32)" },
    { "c_address", "nvarchar (128)" },
    { "c_note", "nvarchar (200)" },
};

const ColumnDef cols_backup[] = {
    { "back_auto", "bit" },
    { "back_sj", "int" },
    { "back_days", "int" },
    { "back_path", "nvarchar (200)" },
    { "back_exit", "bit" },
};

const ColumnDef cols_email[] = {
    { "e_smtp", "nvarchar (64)" },
    { "e_sqpwd", "nvarchar (64)" },
    { "e_email", "nvarchar (64)" },
    { "e_lx", "int" },
    { "e_fj1", "bit" },
    { "e_fj2", "bit" },
    { "e_fj3", "bit" },
    { "e_fj4", "bit" },
    { "e_fj5", "bit" },
    { "e_fj6", "bit" },
    { "e_fj7", "bit" },
    { "e_fj8", "bit" },
    { "e_fj9", "bit" },
    { "e_send", "bit" },
    { "e_date", "varchar (16)" },
};

const ColumnDef cols_ftpcs[] = {
    { "ftp_ip", "varchar (32)" },
    { "ftp_user", "varchar (32)" },
    { "ftp_pwd", "varchar (32)" },
    { "ftp_port", "varchar (8)" },
    { "ftp_folder", "nvarchar (32)" },
};

const ColumnDef cols_admin[] = {
    { "a_sn", "varchar (8)" },
    { "a_name", "nvarchar (32)" },
    { "r_sn", "varchar (8)" },
    { "a_zreoje", "numeric(28,8)" },
    { "a_pos", "bit" },
    { "a_pwd", "varchar (32)" },
    { "a_jy", "bit" },
    { "a_jyt", "int" },
    { "a_dbsn", "varchar (8)" },
    { "a_ip", "varchar (32)" },
    { "a_time", "varchar (64)" },
    { "a_fdmc", "varchar (64)" },
};

const ColumnDef cols_role[] = {
    { "r_sn", "varchar (8)" },
    { "r_name", "nvarchar (32)" },
    { "cggl", "varchar (64)" },
    { "xsgl", "varchar (64)" },
    { "scjg", "varchar (64)" },
    { "scjh", "varchar (64)" },
    { "kcgl", "varchar (64)" },
    { "wlzk", "varchar (64)" },
    { "tjgl", "varchar (64)" },
    { "rcgl", "varchar (64)" },
    { "qtcz", "varchar (64)" },
};

const ColumnDef cols_log[] = {
    { "log_time", "varchar (32)" },
    { "a_name", "nvarchar (32)" },
    { "log_note", "nvarchar (200)" },
};

const ColumnDef cols_skin[] = {
    { "skin_name", "varchar (64)" },
    { "a_name", "nvarchar (32)" },
};

const ColumnDef cols_bbgl[] = {
    { "b_sn", "varchar (8)" },
    { "b_lx", "int" },
    { "b_lxmc", "nvarchar (8)" },
    { "b_name", "nvarchar (32)" },
    { "b_file", "varchar (32)" },
};

const ColumnDef cols_mryt[] = {
    { "mr_ts", "nvarchar (200)" },
    { "mr_state", "varchar (1)" },
    { "mr_rq", "varchar (32)" },
};

const ColumnDef cols_txdisp[] = {
    { "t_mryt", "varchar (1)" },
    { "t_sjtx", "varchar (1)" },
};

const ColumnDef cols_tx[] = {
    { "tx_dx", "varchar (8)" },
    { "tx_fs", "int" },
    { "tx_sj", "varchar (64)" },
    { "tx_note", "text" },
    { "tx_tjsj", "varchar (32)" },
    { "a_name", "nvarchar (32)" },
    { "tx_lb", "int" },
    { "g_sn", "varchar (32)" },
};

const ColumnDef cols_djbz[] = {
    { "dj_sn", "varchar (8)" },
    { "dj_name", "nvarchar (64)" },
    { "dj_pl", "integer" },
};

const ColumnDef cols_import[] = {
    { "i_fieldid", "varchar (32)" },
    { "i_fieldname", "nvarchar (32)" },
    { "i_tablename", "varchar (32)" },
};

const ColumnDef cols_nj[] = {
    { "nj_jsrq", "varchar (16)" },
    { "nj_year", "varchar (16)" },
    { "nj_xm", "nvarchar (32)" },
    { "nj_ds", "int" },
    { "nj_sl", "numeric(28,8)" },
    { "nj_je", "numeric(28,8)" },
};

const ColumnDef cols_bqjl[] = {
    { "bq_txt", "text" },
    { "bq_flag", "varchar (8)" },
};

const ColumnDef cols_numeric[] = {
    { "nu_zd", "nvarchar (64)" },
    { "nu_biao", "nvarchar (64)" },
};

// The settings row: every column takes the seed value written beside it.
void SeedSettings(Connection& c)
{
    QString cols;
    QString values;
    for (const ColumnDef& col : cols_xtcs) {
        cols += (cols.isEmpty() ? QString() : QStringLiteral(",")) + QLatin1String(col.name);
        values += (values.isEmpty() ? QString() : QStringLiteral(",")) + QString::fromUtf8(col.seed);
    }
    c.Exec(QStringLiteral("insert into jxc_xtcs (") + cols + QStringLiteral(") values (") + values + QLatin1Char(')'));
}

// The preset company, replaced by the shop in the settings window.
void SeedCompany(Connection& c)
{
    InsertSeedRow(c, "jxc_company", "c_sn,c_name,c_jc,c_tele",
        { "100001", SchemaBrandWord() + QStringLiteral("服装有限公司"), SchemaBrandWord() + QStringLiteral("服装"),
            "400-000-0000" });
}

void SeedEmail(Connection& c)
{
    SeedRow(c, "jxc_email")
        .Fill("e_smtp,e_sqpwd,e_email,e_date", "")
        .Set("e_lx", 0)
        .Fill("e_fj1,e_fj2,e_fj3,e_fj4,e_fj5,e_fj6,e_fj7,e_fj8,e_fj9", 0)
        .Set("e_send", 0)
        .Insert();
}

// The administrator, without a password.
void SeedOperator(Connection& c)
{
    InsertSeedRow(c, "jxc_admin", "a_sn,a_name,r_sn,a_pwd,a_zreoje,a_pos,a_jy,a_jyt",
        { "100001", "admin", "100001", "", 0, 1, 0, 0 });
}

// The administrator role: every right of every module.
void SeedRole(Connection& c)
{
    const QString all(60, QLatin1Char('1'));
    SeedRow(c, "jxc_role")
        .Set("r_sn", "100001")
        .Set("r_name", "系统管理员")
        .Fill("cggl,xsgl,scjg,scjh,kcgl,wlzk,tjgl,rcgl,qtcz", all)
        .Insert();
}

void SeedSkin(Connection& c)
{
    InsertSeedRow(c, "jxc_skin", "skin_name,a_name", { "iMaginary", "admin" });
}

struct ReportRow {
    const char* name;
    const char* file;
};

const ReportRow reports0[] = {
    { "采购进货单", "cgjh.fr3" },
    { "采购进货单(无进价)", "cgjh2.fr3" },
    { "采购进货单(尺码合并)", "cgjh3.fr3" },
    { "采购退货单", "cgth.fr3" },
    { "采购退货单(无进价)", "cgth2.fr3" },
    { "采购订单", "cgd.fr3" },
    { "采购订单(无进价)", "cgd2.fr3" },
    { "采购进货待审核表", "cgjhdsh.fr3" },
    { "采购进货单据表", "cgjhdjb.fr3" },
    { "采购进货汇总表", "cgjhhzb.fr3" },
    { "采购进货明细表", "cgjhmxb.fr3" },
    { "采购退货待审核表", "cgthdsh.fr3" },
    { "采购退货单据表", "cgthdjb.fr3" },
    { "采购退货汇总表", "cgthhzb.fr3" },
    { "采购退货明细表", "cgthmxb.fr3" },
    { "生产入库单", "scrkd.fr3" },
    { "生产入库单(无进价)", "scrkd2.fr3" },
    { "生产退库单", "sctkd.fr3" },
    { "生产退库单(无进价)", "sctkd2.fr3" },
    { "生产入库待审核表", "scrkdsh.fr3" },
    { "生产入库单据表", "scrkdjb.fr3" },
    { "生产入库汇总表", "scrkhzb.fr3" },
    { "生产入库明细表", "scrkmxb.fr3" },
    { "生产退库待审核表", "sctkdsh.fr3" },
    { "生产退库单据表", "sctkdjb.fr3" },
    { "生产退库汇总表", "sctkhzb.fr3" },
    { "生产退库明细表", "sctkmxb.fr3" },
    { "入库统计表", "rktjb.fr3" },
    { "退货统计表", "thtjb.fr3" },
};
const ReportRow reports1[] = {
    { "销售单", "spxs.fr3" },
    { "销售单(含零售价)", "spxs2.fr3" },
    { "销售单(不含售价)", "spxs4.fr3" },
    { "销售单(尺码合并)", "spxs3.fr3" },
    { "销售退货单", "xsth.fr3" },
    { "销售退货单(含零售价)", "xsth2.fr3" },
    { "销售退货单(不含售价)", "xsth4.fr3" },
    { "销售订单", "xsd.fr3" },
    { "销售订单(不含售价)", "xsd2.fr3" },
    { "商品销售待审核表", "spxsdsh.fr3" },
    { "商品销售单据表", "spxsdjb.fr3" },
    { "商品销售汇总表", "spxshzb.fr3" },
    { "商品销售明细表", "spxsmxb.fr3" },
    { "销售退货待审核表", "xsthdsh.fr3" },
    { "销售退货单据表", "xsthdjb.fr3" },
    { "销售退货汇总表", "xsthhzb.fr3" },
    { "销售退货明细表", "xsthmxb.fr3" },
    { "部门领用单", "bmlyd.fr3" },
    { "部门领用单(无进价)", "bmlyd2.fr3" },
    { "部门退回单", "bmthd.fr3" },
    { "部门退回单(无进价)", "bmthd2.fr3" },
    { "部门领用待审核表", "bmlydsh.fr3" },
    { "部门领用单据表", "bmlydjb.fr3" },
    { "部门领用汇总表", "bmlyhzb.fr3" },
    { "部门领用明细表", "bmlymxb.fr3" },
    { "部门领用部门汇总表", "bmlyhzbbm.fr3" },
    { "部门领用综合查询", "bmlycx.fr3" },
    { "部门退回待审核表", "bmthdsh.fr3" },
    { "部门退回单据表", "bmthdjb.fr3" },
    { "部门退回汇总表", "bmthhzb.fr3" },
    { "部门退回明细表", "bmthmxb.fr3" },
    { "出库统计表", "cktjb.fr3" },
    { "退库统计表", "tktjb.fr3" },
};
const ReportRow reports2[] = {
    { "库存调拨单", "kcdbd.fr3" },
    { "库存调拨单(预设售价)", "kcdbd2.fr3" },
    { "库存盘点单", "kcpdd.fr3" },
    { "商品报损报溢单", "bsby.fr3" },
    { "商品报损报溢单(无进价)", "bsby2.fr3" },
    { "库存查询表", "kccx.fr3" },
    { "库存调拨待审核表", "kcdbdsh.fr3" },
    { "库存调拨单据表", "kcdbdjb.fr3" },
    { "库存调拨汇总表", "kcdbhzb.fr3" },
    { "库存调拨明细表", "kcdbmxb.fr3" },
    { "库存盘点待审核表", "kcpddsh.fr3" },
    { "库存盘点单据表", "kcpddjb.fr3" },
    { "库存盘点明细表", "kcpdmxb.fr3" },
    { "报损报溢待审核表", "bsbydsh.fr3" },
    { "报损报溢单据表", "bsbydjb.fr3" },
    { "报损报溢汇总表", "bsbyhzb.fr3" },
    { "报损报溢明细表", "bsbymxb.fr3" },
};
const ReportRow reports3[] = {
    { "欠款单", "ysyfyfk.fr3" },
    { "供货商付款单", "ysyffkd.fr3" },
    { "客户欠款单", "ysyfysk.fr3" },
    { "客户收款单", "ysyfskd.fr3" },
    { "应付款登记表", "yfkdj.fr3" },
    { "付款登记表", "yfkfk.fr3" },
    { "应付款单据表", "yfkmxb.fr3" },
    { "应付款汇总表", "yfkglhzb.fr3" },
    { "应付款明细表", "yfkglmxb.fr3" },
    { "应收款登记表", "yskdj.fr3" },
    { "收款登记表", "ysksk.fr3" },
    { "应收款单据表", "yskmxb.fr3" },
    { "应收款汇总表", "yskglhzb.fr3" },
    { "应收款明细表", "yskglmxb.fr3" },
    { "费用、收入单", "fyd.fr3" },
    { "费用及收入待审核表", "fyjsrdsh.fr3" },
    { "费用及收入明细表", "fyjsrmxb.fr3" },
    { "费用及收入汇总表", "fyjsrhzb.fr3" },
    { "现金银行出款、入款单", "xjyhd.fr3" },
    { "现金银行待审核表", "xjyhdsh.fr3" },
    { "现金银行明细表", "xjyhmxb.fr3" },
    { "现金银行汇总表", "xjyhhzb.fr3" },
};
const ReportRow reports4[] = {
    { "进销存统计明细表", "jxctjmxb.fr3" },
    { "进销存统计汇总表", "jxctjhzb.fr3" },
    { "收货对账单", "shdzd.fr3" },
    { "发货对账单", "fhdzd.fr3" },
    { "发货成本单据表", "fhcbdjb.fr3" },
    { "发货成本汇总表", "fhcbhzb.fr3" },
    { "销售毛利单据表", "xsmldjb.fr3" },
    { "销售毛利汇总表", "xsmlhzb.fr3" },
    { "业务员销售单据表", "ywyxsdjb.fr3" },
    { "业务员销售汇总表", "ywyxshzb.fr3" },
    { "业务员销售明细表", "ywyxsmxb.fr3" },
    { "业务员提成汇总表", "ywyxstc.fr3" },
    { "业务员提成明细表", "ywylrtc.fr3" },
};
const ReportRow reports6[] = {
    { "商品信息表", "spxxgl.fr3" },
    { "供货商信息表", "ghsgl.fr3" },
    { "客户信息表", "khgl.fr3" },
    { "员工信息表", "user.fr3" },
    { "仓库信息表", "ckgl.fr3" },
    { "商品标价签", "goodsprice.fr3" },
};

// The delivered report templates in six groups, coded per group from its first code.
void SeedReportList(Connection& c)
{
    const struct {
        int lx;
        const char* caption;
        int firstSn;
        std::span<const ReportRow> rows;
    } groups[] = {
        { 0, "进货管理", 100001, reports0 },
        { 1, "销售管理", 200001, reports1 },
        { 2, "库存管理", 300001, reports2 },
        { 3, "往来账款", 400001, reports3 },
        { 4, "统计报表", 500001, reports4 },
        { 6, "系统设置", 700001, reports6 },
    };
    for (const auto& g : groups) {
        int sn = g.firstSn;
        for (const ReportRow& r : g.rows)
            InsertSeedRow(c, "jxc_bbgl", "b_sn,b_lx,b_lxmc,b_name,b_file",
                { QString::number(sn++), g.lx, g.caption, r.name, r.file });
    }
}

void SeedTips(Connection& c)
{
    const char* const tips[] = {
        "同一个操作员不可以同时在不同的机器上登录，因为系统要记录正在操作的操作员。保存单据时会保存呢操作员的信息，如果"
        "同时登录可能会造成单据信息的重复。",
        "商品的自动编号规则：例如商品编号28000010，其中28是该商品的类别号，000010是该类商品的序号，由000001开始向后排"
        "。",
        "把某个常用的仓库、供货商、客户设置为默认的，可以提高工作效率。如：打开商品销售窗口，客户名称显示的将是默认客户"
        "，仓库显示的也将是默认仓库。",
        "普通供货商是指那些零散的，或者是因为某种原因不能记录下具体信息的商品供应商，统称为普通供货商。",
        "普通客户是指那些零散的，或者是因为某种原因不能记录下具体信息的客户,统称为普通客户。",
        "经办人和业务员指的是同一类型的员工，都是在员工设置中增加，如果增加了一个员工，在开单窗口的经办人后将会列出该员"
        "工。",
        "在程序正式使用前要进行期初建帐，首先确定程序没有进行过采购或销售等业务。在“系统设置”中点击“系统维护”按钮，在出"
        "现的窗口中选择期初建帐功能。",
        "在系统设置中点击“系统维护”按钮，在打开的窗口中点击“修改密码”即可修改当前操作员的密码。",
        "系统中默认采用小单位，即以销售时的最小销售单位为准；采购进货时的进货单位也是以最小单位为准。",
        "供货商或客户的期初应付或期初应收金额，可以在往来帐款模块的应付登记和应收登记中输入。",
        "系统对商品成本价，采用加权平均算法! ",
        "各功能中的制单和审核的操作权限是分离的，有审核权限的用户才可以审核单据!",
        "在往来帐款中逐笔记录与供货商或客户之间的往来帐款，可以直观的看出供货商与客户的应付应收款发生情况! ",
        "在\"进销存统计\"功能中，可以查询不同商品的在不同的仓库的发生变化的明细信息，可以准确看出该商品在各个仓库的变化"
        "及库存情况! ",
        "单据在未审核状态可以删除，审核过的单据不能删除。单据只有在审核通过之后才会使库存、往来帐款等信息发生变化。已审"
        "核的单据可以取消审核!",
        "系统中的商品进价可以屏蔽，使有些用户不能看到进价，确保某些信息的保密与安全。 ",
    };
    for (const char* tip : tips)
        InsertSeedRow(c, "jxc_mryt", "mr_ts,mr_state,mr_rq", { tip, "0", "2011-1-1" });
}

void SeedTipDisplay(Connection& c)
{
    InsertSeedRow(c, "jxc_txdisp", "t_mryt,t_sjtx", { "1", "0" });
}

// Which spreadsheet heading fills which field, per import target.
void SeedImportFields(Connection& c)
{
    const char* const rows[][3] = {
        { "jxc_goods", "g_sn", "商品编号" },
        { "jxc_goods", "g_name", "商品名称" },
        { "jxc_goods", "g_sptm", "商品条码" },
        { "jxc_goods", "dw_name", "单位" },
        { "jxc_goods", "gg_name", "款型说明" },
        { "jxc_goods", "g_jj", "预设进价" },
        { "jxc_goods", "g_sj", "预设售价" },
        { "jxc_goods", "g_sj1", "一级价格" },
        { "jxc_goods", "g_sj2", "二级价格" },
        { "jxc_goods", "g_sj3", "三级价格" },
        { "jxc_goods", "g_sj4", "四级价格" },
        { "jxc_goods", "g_sj5", "五级价格" },
        { "jxc_goods", "g_lsj", "零售价" },
        { "jxc_goods", "g_zdkc", "最低库存" },
        { "jxc_goods", "g_sccs", "品牌厂商" },
        { "jxc_goods", "color_name", "颜色组" },
        { "jxc_goods", "gc_name", "商品类别" },
        { "jxc_goods", "g_bz", "备注" },
        { "jxc_goods", "cmz_name", "尺码组" },
        { "jxc_goods", "hj_name", "所在货架" },
        { "jxc_ghsxx", "ghs_name", "供货商名称" },
        { "jxc_ghsxx", "ghs_lxr", "联系人" },
        { "jxc_ghsxx", "ghs_tele", "联系电话" },
        { "jxc_ghsxx", "ghs_lwje", "期初应付" },
        { "jxc_ghsxx", "gt_name", "供货商类型" },
        { "jxc_ghsxx", "z_name", "所属地区" },
        { "jxc_ghsxx", "ghs_address", "联系地址" },
        { "jxc_ghsxx", "ghs_note", "备注" },
        { "jxc_khxx", "kh_name", "客户名称" },
        { "jxc_khxx", "kh_lxr", "联系人" },
        { "jxc_khxx", "kh_tele", "联系电话" },
        { "jxc_khxx", "kh_lwje", "期初应收" },
        { "jxc_khxx", "kt_name", "客户类型" },
        { "jxc_khxx", "z_name", "所属地区" },
        { "jxc_khxx", "kh_address", "联系地址" },
        { "jxc_khxx", "kh_note", "备注" },
        { "jxc_hyxx", "hy_bh", "会员卡号" },
        { "jxc_hyxx", "hy_name", "会员姓名" },
        { "jxc_hyxx", "hy_mm", "会员密码" },
        { "jxc_hyxx", "hy_sex", "性别" },
        { "jxc_hyxx", "hy_sr", "出生日期" },
        { "jxc_hyxx", "hy_jf", "会员积分" },
        { "jxc_hyxx", "hy_zhje", "卡内金额" },
        { "jxc_hyxx", "hy_zje", "累计消费" },
        { "jxc_hyxx", "hy_jrrq", "加入日期" },
        { "jxc_hyxx", "hy_dwzy", "单位职业" },
        { "jxc_hyxx", "hy_mobile", "移动电话" },
        { "jxc_hyxx", "hy_tele", "固定电话" },
        { "jxc_hyxx", "hy_email", "电子邮件" },
        { "jxc_hyxx", "hy_zjlx", "证件类型" },
        { "jxc_hyxx", "hy_zjhm", "证件号码" },
        { "jxc_hyxx", "hy_address", "联系地址" },
        { "jxc_dbsp", "g_sn", "商品编号" },
        { "jxc_dbsp", "g_name", "名称" },
        { "jxc_dbsp", "dw_name", "单位" },
        { "jxc_dbsp", "gg_name", "款型说明" },
        { "jxc_dbsp", "color_name", "颜色" },
        { "jxc_dbsp", "db_sl", "数量" },
    };
    for (const auto& r : rows)
        InsertSeedRow(c, "jxc_import", "i_tablename,i_fieldid,i_fieldname", { r[0], r[1], r[2] });
}

const TableDef settingsTables[] = {
    { "jxc_xtcs", cols_xtcs, SeedSettings },
    { "jxc_company", cols_company, SeedCompany },
    { "jxc_backup", cols_backup, nullptr },
    { "jxc_email", cols_email, SeedEmail },
    { "jxc_ftpcs", cols_ftpcs, nullptr },
    { "jxc_admin", cols_admin, SeedOperator },
    { "jxc_role", cols_role, SeedRole },
    { "jxc_log", cols_log, nullptr },
    { "jxc_skin", cols_skin, SeedSkin },
    { "jxc_bbgl", cols_bbgl, SeedReportList },
    { "jxc_mryt", cols_mryt, SeedTips },
    { "jxc_txdisp", cols_txdisp, SeedTipDisplay },
    { "jxc_tx", cols_tx, nullptr },
    { "jxc_djbz", cols_djbz, nullptr },
    { "jxc_import", cols_import, SeedImportFields },
    { "jxc_nj", cols_nj, nullptr },
    { "jxc_bqjl", cols_bqjl, nullptr },
    { "jxc_numeric", cols_numeric, nullptr },
};
}

std::span<const TableDef> SettingsTables()
{
    return settingsTables;
}
