#include "reports/jxcmx.h"

#include "documents/viewdocument.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "posting/tradereversal.h"
#include "reports/jxcmxrules.h"
#include "reports/jxcwidgets.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TF_Jxcmx* F_Jxcmx = nullptr;

TF_Jxcmx::TF_Jxcmx(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Jxcmx"));
    setWindowTitle(QStringLiteral("进销存明细"));
    SetReactivateAfterModal(true);
    SetEscCloses(false);
    ApplyFontSize(FontSize);

    btnChakan2 = ReportButton(this, "btnChakan2", QStringLiteral("查看单据"));
    btn_UnChk = ReportButton(this, "btn_UnChk", QStringLiteral("取消审核"));
    btn_Prin = ReportButton(this, "btn_Prin", QStringLiteral("打印"));
    btn_Export = ReportButton(this, "btn_Export", QStringLiteral("导出"));
    btn_Exit = ReportButton(this, "btn_Exit", QStringLiteral("退出"));
    QHBoxLayout* tools = ButtonRow({ btnChakan2, btn_UnChk, btn_Prin, btn_Export, btn_Exit });

    MakeFilterBar(this, QStringLiteral("开单日期："), [this] { btnSearch1Click(); });
    chkQcjz = ReportCheck(this, "chkQcjz", QStringLiteral("查看期初建账信息"));
    chkZero = ReportCheck(this, "chkZero", QStringLiteral("数量为0不显示"));
    AddBeforeSearch(chkQcjz);
    AddBeforeSearch(chkZero);

    cxGrid1View = new DataGrid(this);
    cxGrid1View->setObjectName(QStringLiteral("cxGrid1View"));
    cxGrid1View->SetDataSource(&F_DataModule->D(QStringLiteral("Q_Jxcmx")));
    cxGrid1View->SetFooterVisible(true);
    DataGrid* g = cxGrid1View;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const int goods = g->AddBand(QStringLiteral("商品信息"));
    const int before = g->AddBand(QStringLiteral("上期"));
    const int in = g->AddBand(QStringLiteral("入库"));
    const int out = g->AddBand(QStringLiteral("出库"));
    const int balance = g->AddBand(QStringLiteral("结存"));
    const int other = g->AddBand(QStringLiteral("其他信息"));
    const struct {
        const char* field;
        const char* caption;
        int band;
        int width;
        bool number;
    } columns[] = {
        { "gc_name", "商品类别", goods, 55, false },
        { "gl_djh", "单据号", goods, 95, false },
        { "gl_kdrq", "开单日期", goods, 108, false },
        { "g_sn", "商品编号", goods, 72, false },
        { "g_name", "商品名称", goods, 90, false },
        { "dw_name", "单位", goods, 34, false },
        { "ghs_name", "相关单位", goods, 85, false },
        { "gg_name", "款型说明", goods, 62, false },
        { "dnote", "单据类型", goods, 80, false },
        { "ck_name", "仓库", goods, 52, false },
        { "id", "id", goods, 40, false },
        { "gl_flag", "gl_flag", goods, 40, false },
        { "color_name", "颜色", goods, 50, false },
        { "gl_sqsl", "数量", before, 50, true },
        { "gl_sqje", "成本", before, 72, true },
        { "rkdj", "单价", in, 50, true },
        { "rksl", "数量", in, 50, true },
        { "rkje", "金额", in, 72, true },
        { "ckdj", "单价", out, 50, true },
        { "cksl", "数量", out, 50, true },
        { "ckje", "金额", out, 72, true },
        { "gl_kc", "数量", balance, 50, true },
        { "gl_pjjj", "单价", balance, 50, true },
        { "gl_kczje", "成本额", balance, 72, true },
        { "gl_checker", "审核人", other, 60, false },
        { "gl_chkrq", "审核日期", other, 100, false },
        { "a_name", "操作员", other, 60, false },
        { "gl_note", "备注", other, 100, false },
    };
    for (const auto& c : columns) {
        const int col = g->AddColumn(QString::fromLatin1(c.field), QString::fromUtf8(c.caption), c.width,
            c.number ? right : Qt::AlignLeft | Qt::AlignVCenter);
        g->SetColumnBand(col, c.band);
    }
    for (const char* hidden : { "id", "gl_flag", "color_name" })
        g->SetColumnVisible(g->ColumnByField(QString::fromLatin1(hidden)), false);
    SetRecordCount(*g, g->ColumnByField(QStringLiteral("gl_djh")));
    for (const char* sum : { "rksl", "rkje", "cksl", "ckje" })
        g->SetFooterSum(g->ColumnByField(QString::fromLatin1(sum)));

    LayOut(this, tools, cxGrid1View, [this] { btnSearch1Click(); });
    resize(1280, 640);

    connect(btnChakan2, &QPushButton::clicked, this, [this] { btnChakan2Click(); });
    connect(btn_UnChk, &QPushButton::clicked, this, [this] { btn_UnChkClick(); });
    connect(btn_Prin, &QPushButton::clicked, this, [this] { btn_PrinClick(); });
    connect(btn_Export, &QPushButton::clicked, this, [this] { btn_ExportClick(); });
    connect(btn_Exit, &QPushButton::clicked, this, [this] { close(); });
    connect(chkQcjz, &QCheckBox::clicked, this, [this] { chkQcjzClick(); });
    connect(chkZero, &QCheckBox::clicked, this, [this] { chkQcjzClick(); });
    connect(cxGrid1View, &DataGrid::rowDoubleClicked, this, [this] { btnChakan2Click(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

Query& TF_Jxcmx::Rows()
{
    return F_DataModule->Q(QStringLiteral("Q_Jxcmx"));
}

void TF_Jxcmx::FormActivate()
{
    preparing_ = true;
    ResetFilters();
    chkZero->setVisible(false);
    chkQcjz->setChecked(false);
    if (!DetailGoodsSn.isEmpty()) {
        // Opened by the stock query for one goods: its code, matched exactly.
        tkey->setText(DetailGoodsSn);
        chkJq->setChecked(true);
        DetailGoodsSn.clear();
    } else {
        setWindowTitle(QStringLiteral("进销存明细"));
    }
    DataGrid* g = cxGrid1View;
    for (const char* cost : { "gl_sqje", "rkdj", "rkje", "gl_pjjj", "gl_kczje" })
        g->SetColumnVisible(g->ColumnByField(QString::fromLatin1(cost)), ShowCostPrice);
    for (const char* sale : { "ckdj", "ckje" })
        g->SetColumnVisible(g->ColumnByField(QString::fromLatin1(sale)), ShowSalePrice);
    btnChakan2->setEnabled(ShowCostPrice && ShowSalePrice);
    btn_Prin->setEnabled(ShowCostPrice && ShowSalePrice);
    preparing_ = false;
    btnSearch1Click();
    SetBandedQtyColumns(
        *g, { QStringLiteral("gl_sqsl"), QStringLiteral("rksl"), QStringLiteral("cksl"), QStringLiteral("gl_kc") });
    SetBandedAmountColumns(*g,
        { QStringLiteral("gl_sqje"), QStringLiteral("rkdj"), QStringLiteral("rkje"), QStringLiteral("ckdj"),
            QStringLiteral("ckje"), QStringLiteral("gl_pjjj"), QStringLiteral("gl_kczje") });
    g->SetColumnCaption(g->ColumnByField(QStringLiteral("gl_sqje")), QStringLiteral("成本"));
    g->SetColumnCaption(g->ColumnByField(QStringLiteral("gl_kczje")), QStringLiteral("成本额"));
}

void TF_Jxcmx::done(int result)
{
    F_DataModule->Q(QStringLiteral("Q_GClass6")).Close();
    Rows().Close();
    F_DataModule->Q(QStringLiteral("Q_Jxchz")).Close();
    Form::done(result);
}

void TF_Jxcmx::btnSearch1Click()
{
    if (preparing_)
        return;
    DetailFilter f;
    ReadFilters(f);
    lastStatement_ = chkQcjz->isChecked() ? OpeningEntriesStatement(f, chkZero->isChecked()) : MovementStatement(f);
    OpenLedgerRows(Rows(), lastStatement_);
}

void TF_Jxcmx::chkQcjzClick()
{
    chkZero->setVisible(chkQcjz->isChecked());
    btnSearch1Click();
}

void TF_Jxcmx::btnChakan2Click()
{
    Query& q = Rows();
    if (!btnChakan2->isEnabled() || !q.Active() || q.IsEmpty())
        return;
    ViewLedgerDocument(q.AsString(QStringLiteral("gl_djh")));
}

void TF_Jxcmx::btn_UnChkClick()
{
    Query& q = Rows();
    if (!q.Active() || q.IsEmpty())
        return;
    UnapproveResult.clear();
    UnapproveDocument(q.AsString(QStringLiteral("gl_djh")));
    if (UnapproveResult == QLatin1String("ok"))
        OpenLedgerRows(q, lastStatement_);
}

void TF_Jxcmx::btn_PrinClick()
{
    Query& q = Rows();
    if (!btn_Prin->isEnabled() || !q.Active() || q.IsEmpty())
        return;
    PrintSearchedList(QStringLiteral("jxctjmxb"), q, tdate1->date(), tdate2->date(),
        { { QStringLiteral("ckName"), comCk->currentText() } });
}

void TF_Jxcmx::btn_ExportClick()
{
    ExportList(*cxGrid1View, ExportRows::OnlyWithRows);
}

bool TF_Jxcmx::FormKeyDown(int key)
{
    return SearchOrCloseKey(*this, key, [this] { btnSearch1Click(); });
}
