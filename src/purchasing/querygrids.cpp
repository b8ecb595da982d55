#include "purchasing/querygrids.h"

#include "documents/docwindow.h"
#include "foundation/datamodule.h"
#include "listing/gridformats.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"

#include <QStringList>

// The ledger-row columns of the lower grids and the detail view.
void AddLedgerColumns(DataGrid* grid)
{
    AddGridColumns(*grid,
        { { "gl_kdrq", "开单日期", "130" }, { "gl_djh", "单据号", "124" }, { "g_sn", "商品编号", "80" },
            { "g_name", "商品名称", "140" }, { "gl_dj", "单价", "64" }, { "gl_sl", "数量", "56" },
            { "gl_je", "金额", "72" }, { "gl_tax", "税率", "48" }, { "gl_taxdj", "含税单价", "64" },
            { "gl_taxje", "税额", "64" }, { "gl_zje", "总金额", "80" }, { "dw_name", "单位", "50" },
            { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "50" }, { "gc_name", "商品类别", "80" },
            { "ck_name", "仓库", "80" }, { "gl_djh2", "订单编号", "110" }, { "gl_checker", "审核人", "70" },
            { "gl_chkrq", "审核日期", "90" }, { "u_name", "经办人", "70" }, { "ghs_name", "供货商名称", "140" },
            { "gl_bz", "商品备注", "120" }, { "gl_note", "单据备注", "120" } });
    SetQueryFooter(grid, { "gl_sl" }, { "gl_je", "gl_taxje", "gl_zje" });
}

void AddDocumentColumns(DataGrid* grid, bool withPayer)
{
    AddGridColumns(*grid,
        { { "djh", "单据号", "124" }, { "rq", "开单日期", "130" }, { "ghs_name", "供货商名称", "160" },
            { "ck_name", "仓库名称", "90" }, { "yfje", "应付金额", "80" }, { "sfje", "实付金额", "80" },
            { "wfje", "欠款金额", "80" }, { "hkje", "付款金额", "80" }, { "yhje", "优惠金额", "80" },
            { "gtype", "单据类型", "70" }, { "j_yf", "运费", "64" }, { "j_bzf", "包装费", "64" } });
    if (withPayer)
        AddGridColumns(*grid, { { "j_yffs", "付费方式", "80" } });
    AddGridColumns(*grid,
        { { "ht_sn", "合同编号", "90" }, { "checker", "审核人", "70" }, { "chkrq", "审核日期", "90" },
            { "u_name", "经办人", "70" }, { "a_name", "操作员", "70" }, { "gl_djh2", "原始单号", "100" },
            { "dnote", "备注", "160" } });
    SetQueryFooter(grid, {}, { "yfje", "sfje", "wfje", "hkje", "yhje", "j_yf", "j_bzf" });
}

void AddGoodsSummaryColumns(DataGrid* grid)
{
    AddGridColumns(*grid,
        { { "g_sn", "商品编号", "80" }, { "g_name", "商品名称", "140" }, { "dw_name", "单位", "50" },
            { "sl", "数量", "64" }, { "je", "金额", "80" }, { "taxje", "税额", "72" }, { "zje", "总金额", "80" },
            { "g_kc", "库存数量", "64" }, { "gg_name", "款型说明", "80" }, { "color_name", "颜色", "60" },
            { "gc_name", "商品类别", "80" }, { "g_bz", "备注", "120" } });
    SetQueryFooter(grid, { "sl" }, { "je", "taxje", "zje" });
}
