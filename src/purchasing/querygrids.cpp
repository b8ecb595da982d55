#include "purchasing/querygrids.h"

#include "documents/docwindow.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "listing/gridformats.h"
#include "listing/queryframe.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QToolButton>

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

QLineEdit* AddSearchEdit(QWidget* tab, QBoxLayout* row, const char* caption, const char* name)
{
    row->addWidget(new QLabel(QString::fromUtf8(caption), tab));
    auto* edit = new QLineEdit(tab);
    edit->setObjectName(QLatin1String(name));
    row->addWidget(edit);
    return edit;
}

QComboBox* AddSortCombo(QWidget* tab, QBoxLayout* row)
{
    row->addWidget(new QLabel(QStringLiteral("日期排列："), tab));
    auto* combo = new QComboBox(tab);
    combo->setObjectName(QStringLiteral("comSort"));
    combo->addItems({ QStringLiteral("顺序"), QStringLiteral("倒序") });
    row->addWidget(combo);
    return combo;
}

void OpenDocumentLedger(Query& documents, Query& rows, QLabel* label, const QString& separator)
{
    rows.Close();
    label->clear();
    if (!documents.Active() || documents.IsEmpty())
        return;
    const QString number = documents.AsString(QStringLiteral("djh"));
    label->setText(number + separator + documents.AsString(QStringLiteral("ghs_name")));
    rows.SetSQL(QStringLiteral("select * from jxc_goodslist where gl_djh=:djh order by id"));
    rows.SetParam(QStringLiteral("djh"), number);
    rows.Open();
}

bool CancelSelectedApproval(
    bool documentView, const QString& refusal, Query& documents, void (*cancel)(const QString& number))
{
    if (!documentView) {
        Prompt::Info(refusal);
        return false;
    }
    if (!documents.Active() || documents.IsEmpty())
        return false;
    UnapproveResult.clear();
    cancel(documents.AsString(QStringLiteral("djh")));
    return UnapproveResult == QLatin1String("ok");
}

QToolButton* AddPeriodPickers(
    QWidget* tab, QBoxLayout* row, QDateEdit*& from, QDateEdit*& to, const std::function<void()>& search)
{
    row->addWidget(new QLabel(QStringLiteral("查询时间："), tab));
    from = MakeDateEdit(tab, "tdate1");
    to = MakeDateEdit(tab, "tdate2");
    row->addWidget(from);
    row->addWidget(new QLabel(QStringLiteral("至"), tab));
    row->addWidget(to);
    QToolButton* presets = MakePresetButton(tab, from, to, search);
    presets->setObjectName(QStringLiteral("btnMenu"));
    row->addWidget(presets);
    return presets;
}
