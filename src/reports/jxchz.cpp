#include "reports/jxchz.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/longrun.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "reports/jxchzrules.h"
#include "reports/jxcwidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TF_Jxchz* F_Jxchz = nullptr;

TF_Jxchz::TF_Jxchz(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Jxchz"));
    setWindowTitle(QStringLiteral("进销存汇总"));
    SetReactivateAfterModal(true);
    SetEscCloses(false);
    ApplyFontSize(FontSize);

    btn_Prin = ReportButton(this, "btn_Prin", QStringLiteral("打印"));
    btn_Export = ReportButton(this, "btn_Export", QStringLiteral("导出"));
    btn_Jgtb = ReportButton(this, "btn_Jgtb", QStringLiteral("差额核对"));
    btn_Exit = ReportButton(this, "btn_Exit", QStringLiteral("退出"));
    QHBoxLayout* tools = ButtonRow({ btn_Prin, btn_Export, btn_Jgtb, btn_Exit });

    MakeFilterBar(this, QStringLiteral("统计日期："), [this] { btnSearch1Click(); });
    chkBq = ReportCheck(this, "chkBq", QStringLiteral("统计本期"));
    chkCbj = ReportCheck(this, "chkCbj", QStringLiteral("按成本价统计"));
    AddBeforeSearch(chkBq);
    AddBeforeSearch(chkCbj);

    cxGrid2View = new DataGrid(this);
    cxGrid2View->setObjectName(QStringLiteral("cxGrid2View"));
    cxGrid2View->SetDataSource(&F_DataModule->D(QStringLiteral("Q_Jxchz")));
    cxGrid2View->SetFooterVisible(true);
    DataGrid* g = cxGrid2View;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const int goods = g->AddBand(QStringLiteral("商品信息"));
    for (const auto& [field, caption, width] :
        { std::tuple { "g_sn", "商品编号", 75 }, { "gc_name", "类别名称", 60 }, { "g_name", "商品名称", 105 },
            { "dw_name", "单位", 36 }, { "gg_name", "规格型号", 65 }, { "color_name", "颜色", 45 } })
        g->SetColumnBand(g->AddColumn(QString::fromLatin1(field), QString::fromUtf8(caption), width), goods);
    const struct {
        const char* band;
        const char* qty;
        const char* value;
    } bands[] = { { "上期结存", "gl_kc", "gl_kczje" }, { "本期入库", "rksl", "rkzje" }, { "本期出库", "cksl", "ckzje" },
        { "期末存量", "glkc", "glkczje" }, { "差额", "cesl", "ceje" } };
    for (const auto& b : bands) {
        const int band = g->AddBand(QString::fromUtf8(b.band));
        const int qty = g->AddColumn(QString::fromLatin1(b.qty), QStringLiteral("数量"), 58, right);
        const int value = g->AddColumn(QString::fromLatin1(b.value), QStringLiteral("金额"), 82, right);
        g->SetColumnBand(qty, band);
        g->SetColumnBand(value, band);
        g->SetFooterSum(qty);
        g->SetFooterSum(value);
        bandDifference = band;
    }
    g->SetFooterText(g->ColumnByField(QStringLiteral("g_sn")), QStringLiteral("记录数："));
    g->SetFooterCount(g->ColumnByField(QStringLiteral("g_name")));

    LayOut(this, tools, cxGrid2View, [this] { btnSearch1Click(); });
    resize(1240, 600);

    connect(btn_Prin, &QPushButton::clicked, this, [this] { btn_PrinClick(); });
    connect(btn_Export, &QPushButton::clicked, this, [this] { btn_ExportClick(); });
    connect(btn_Jgtb, &QPushButton::clicked, this, [this] { btn_JgtbClick(); });
    connect(btn_Exit, &QPushButton::clicked, this, [this] { close(); });
    connect(chkBq, &QCheckBox::clicked, this, [this] { btnSearch1Click(); });
    connect(chkCbj, &QCheckBox::clicked, this, [this] { btnSearch1Click(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

Query& TF_Jxchz::Rows()
{
    return F_DataModule->Q(QStringLiteral("Q_Jxchz"));
}

void TF_Jxchz::FormActivate()
{
    preparing_ = true;
    ResetFilters();
    cxGrid2View->SetBandVisible(bandDifference, false);
    btn_Jgtb->setVisible(false);
    chkBq->setChecked(false);
    DataGrid* g = cxGrid2View;
    g->SetColumnCaption(g->ColumnByField(QStringLiteral("glkczje")), QStringLiteral("成本额"));
    for (const char* cost : { "gl_kczje", "rkzje", "glkczje" })
        g->SetColumnVisible(g->ColumnByField(QString::fromLatin1(cost)), ShowCostPrice);
    g->SetColumnVisible(g->ColumnByField(QStringLiteral("ckzje")), ShowSalePrice);
    // With the cost right the window starts at cost; without it only amounts remain.
    chkCbj->setVisible(ShowCostPrice);
    chkCbj->setChecked(ShowCostPrice);
    btn_Prin->setEnabled(ShowCostPrice && ShowSalePrice);
    preparing_ = false;
    btnSearch1Click();
    SetBandedQtyColumns(*g,
        { QStringLiteral("gl_kc"), QStringLiteral("rksl"), QStringLiteral("cksl"), QStringLiteral("glkc"),
            QStringLiteral("cesl") });
    SetBandedAmountColumns(*g,
        { QStringLiteral("gl_kczje"), QStringLiteral("rkzje"), QStringLiteral("ckzje"), QStringLiteral("glkczje"),
            QStringLiteral("ceje") });
}

void TF_Jxchz::done(int result)
{
    F_DataModule->Q(QStringLiteral("Q_GClass6")).Close();
    F_DataModule->Q(QStringLiteral("Q_Jxcmx")).Close();
    Rows().Close();
    Form::done(result);
}

void TF_Jxchz::ShowDifference()
{
    const bool shown = chkCbj->isChecked() && IsTrue(ShowSummaryDiff);
    cxGrid2View->SetBandVisible(bandDifference, shown);
    btn_Jgtb->setVisible(shown);
}

void TF_Jxchz::btnSearch1Click()
{
    if (preparing_)
        return;
    SummaryFilter f;
    ReadFilters(f);
    f.periodOnly = chkBq->isChecked();
    f.costMode = chkCbj->isChecked();
    OpenQuery(Rows(), BuildStockSummary(f));
    ShowDifference();
}

void TF_Jxchz::btn_JgtbClick()
{
    if (Rows().IsEmpty() || !Rows().Active())
        return;
    TF_Jxctj_Cehd check(this);
    check.ShowModal();
}

void TF_Jxchz::btn_PrinClick()
{
    Query& q = Rows();
    if (!btn_Prin->isEnabled() || !q.Active() || q.IsEmpty())
        return;
    PrintSearchedList(QStringLiteral("jxctjhzb"), q, tdate1->date(), tdate2->date(),
        { { QStringLiteral("ckName"), comCk->currentText() } });
}

void TF_Jxchz::btn_ExportClick()
{
    ExportList(*cxGrid2View, ExportRows::OnlyWithRows);
}

bool TF_Jxchz::FormKeyDown(int key)
{
    return SearchOrCloseKey(*this, key, [this] { btnSearch1Click(); });
}

// ---- the difference check ----

TF_Jxctj_Cehd::TF_Jxctj_Cehd(TF_Jxchz* summary) : Form(summary), summary_(summary)
{
    setObjectName(QStringLiteral("TF_Jxctj_Cehd"));
    setWindowTitle(QStringLiteral("进销存差额核对"));
    ApplyFontSize(FontSize);
    tmsg = new QLabel(this);
    tmsg->setObjectName(QStringLiteral("tmsg"));
    tdate1 = MakeDateEdit(this, "tdate1");
    comFw = new QComboBox(this);
    comFw->setObjectName(QStringLiteral("comFw"));
    comFw->addItems({ QStringLiteral("当前选中的商品"), QStringLiteral("所有商品") });
    comCk = new KeyedCombo(this);
    comCk->setObjectName(QStringLiteral("comCk"));
    chkJg = ReportCheck(this, "chkJg", QStringLiteral("修改原始单据的价格"));
    chkZero = ReportCheck(this, "chkZero", QStringLiteral("差额为0也要核对"));
    btnSave = ReportButton(this, "btnSave", QStringLiteral("确定(F5)"));
    btnExit = ReportButton(this, "btnExit", QStringLiteral("退出(Esc)"));
    auto* notes = new QGroupBox(QStringLiteral("说明"), this);
    auto* noteBox = new QVBoxLayout(notes);
    for (const char* line : { "1、只核对差额金额大于 1 或者小于 -1 的商品。",
             "2、如果核对之后仍然出现差额金额大于 1 或者小于 -1 的商品，请检查 系统参数中",
             "金额小数位数。增加金额小数位数，可以减少差额金额。",
             "3、修改金额小数位数后新的入库单据会按照新的小数位数计算，历史信息不会改变。",
             "4、差额核对会改变进销存的数据，请在核对之前做好数据备份。" })
        noteBox->addWidget(new QLabel(QString::fromUtf8(line), notes));
    auto* form = new QVBoxLayout(this);
    form->addWidget(tmsg);
    const auto row = [&](const QString& label, QWidget* field) { AddLabelledRow(*form, this, label, field); };
    row(QStringLiteral("开始核对日期："), tdate1);
    row(QStringLiteral("核对范围："), comFw);
    row(QStringLiteral("当前仓库："), comCk);
    form->addWidget(chkJg);
    form->addWidget(chkZero);
    form->addWidget(notes);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);
    form->addLayout(buttons);
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });
    KeyPreview::InstallKey(this, Qt::Key_F5, [this] { btnSaveClick(); });
}

void TF_Jxctj_Cehd::FormActivate()
{
    Query& rows = TF_Jxchz::Rows();
    tmsg->setText(QStringLiteral("当前商品：") + rows.AsString(QStringLiteral("g_sn")) + QStringLiteral("  ")
        + rows.AsString(QStringLiteral("g_name")) + QStringLiteral("，差额：") + rows.AsString(QStringLiteral("ceje")));
    tdate1->setDate(summary_->tdate1->date());
    comFw->setCurrentIndex(0);
    FillWarehouseChoice(*comCk);
    chkJg->setChecked(false);
    chkZero->setChecked(false);
}

void TF_Jxctj_Cehd::updateglist(const QString& gsn, const QString& cksn, const QString& jsrq, const QString& chkflag)
{
    UpdateGoodsLedger(gsn, cksn, QDate::fromString(jsrq, QStringLiteral("yyyy-MM-dd")), chkflag);
}

void TF_Jxctj_Cehd::btnSaveClick()
{
    if (Prompt::YesNo(QStringLiteral("金额核对会修改数据，\r\n\r\n并且不可恢复。现在是否核对？"))
        != Prompt::Answer::Yes) {
        close();
        return;
    }
    const QString flag = chkJg->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    QStringList warehouses;
    const QString chosen = ChosenWarehouse(*comCk);
    if (chosen.isEmpty()) {
        Query list(&F_DataModule->ADOConn);
        list.SetSQL(QStringLiteral("select ck_sn from jxc_ckxx order by id"));
        list.Open();
        for (list.First(); !list.Eof(); list.Next())
            warehouses << list.AsString(QStringLiteral("ck_sn"));
    } else {
        warehouses << chosen;
    }
    Query& rows = TF_Jxchz::Rows();
    QList<DifferenceRepairItem> goods;
    const auto item = [&rows] {
        return DifferenceRepairItem { rows.AsString(QStringLiteral("g_sn")), rows.AsFloat(QStringLiteral("ceje")) };
    };
    if (comFw->currentIndex() == 0) {
        goods << item();
    } else {
        const auto bookmark = rows.RecNo();
        for (rows.First(); !rows.Eof(); rows.Next())
            goods << item();
        rows.SetRecNo(bookmark);
    }
    RunWithProgress(
        this, QStringLiteral("正在核对..."), int(warehouses.size()), [&](const std::function<void(int)>& step) {
            RepairSummaryDifferences(warehouses, goods, tdate1->date(), flag, chkZero->isChecked(), step);
        });
    summary_->btnSearch1Click();
    Prompt::Info(QStringLiteral("单价同步完成！"));
    close();
}

void TF_Jxctj_Cehd::btnExitClick()
{
    close();
}
