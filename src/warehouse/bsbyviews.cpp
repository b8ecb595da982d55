// The loss and overflow window's pending and query tabs.
#include "warehouse/bsby.h"

#include "foundation/approvalhooks.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "listing/listoutput.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "warehouse/bsbylists.h"
#include "warehouse/kcdbgrids.h"
#include "warehouse/stockdocs.h"
#include "warehouse/stocktabs.h"
#include "warehouse/stockviews.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>

using namespace kcdb_detail;

namespace {

// Columns of the colour-by-size views of both tabs.
const std::initializer_list<std::array<const char*, 3>> kBsbySizeColumns
    = { { "bs_bsrq", "开单日期", "110" }, { "gl_djh", "单据号", "120" }, { "ck_name", "仓库名称", "80" },
          { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "140" }, { "gg_name", "款型说明", "80" },
          { "color_name", "颜色", "60" }, { "cm_name", "尺码", "60" }, { "t_sl", "数量", "60" },
          { "dw_name", "单位", "50" }, { "g_sccs", "品牌厂家", "90" }, { "a_name", "操作员", "70" } };

// Columns of the lines of a pending or approved document.
const std::initializer_list<std::array<const char*, 3>> kBsbyLineColumns
    = { { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "160" }, { "gc_name", "商品类别", "80" },
          { "dj", "单价", "70" }, { "sl", "数量", "60" }, { "zje", "总金额", "90" }, { "dw_name", "单位", "50" },
          { "gg_name", "款型说明", "90" }, { "color_name", "颜色", "60" }, { "dnote", "备注", "120" } };

} // namespace

void TF_Bsby::BuildPendingTab()
{
    cxGrid2View = KcdbGrid(cxTab2, "cxGrid2View", QStringLiteral("D_Bsbysh"),
        { { "gl_djh", "单据号", "120" }, { "rq", "开单日期", "120" }, { "djlx", "单据类型", "80" },
            { "ck_name", "仓库名称", "90" }, { "u_name", "经办人", "70" }, { "a_name", "操作员", "70" },
            { "dnote", "备注", "160" } });
    cxGrid3View = KcdbGrid(cxTab2, "cxGrid3View", QStringLiteral("D_Bsbysh2"), kBsbyLineColumns);
    cxGridPdStep2View = KcdbGrid(cxTab2, "cxGridPdStep2View", QStringLiteral("D_PdStep2"), kBsbySizeColumns);
    BuildStockPendingTab(*this,
        { "说明：\n“待审核”的报损报溢单只有变成“已审核”状态后，\n才能使库存量、账务等信息发生变化。“已审核”状态\n"
          "的单据不允许再修改，“待审核”的允许修改。",
            "单据号或备注信息：", "仓库名称：", "单据编号：" },
        &TF_Bsby::btnSearch, &TF_Bsby::btnSearchClick, "btnSearch");
    connect(cxGrid2View, &DataGrid::currentRowChanged, this, [this] { setBsbyshList(); });
}

void TF_Bsby::BuildQueryTab()
{
    auto* v = new QVBoxLayout(cxTab3);
    v->addLayout(BuildStockQueryButtons(*this, &TF_Bsby::btn_Dele, &TF_Bsby::btn_DeleClick, "btn_Dele"));
    auto* head = new QHBoxLayout;
    head->addWidget(NamedLabel(cxTab3, "单据类型："));
    comType = new QComboBox(cxTab3);
    comType->setObjectName(QStringLiteral("comType"));
    comType->addItems({ QStringLiteral("商品报损"), QStringLiteral("商品报溢") });
    head->addWidget(comType);
    date1 = MakeDateEdit(cxTab3, "date1");
    date2 = MakeDateEdit(cxTab3, "date2");
    head->addWidget(date1);
    head->addWidget(NamedLabel(cxTab3, "至"));
    head->addWidget(date2);
    lkey2 = NamedLabel(cxTab3, "单号或单据备注：", "lkey2");
    head->addWidget(lkey2);
    tkey2 = new QLineEdit(cxTab3);
    tkey2->setObjectName(QStringLiteral("tkey2"));
    head->addWidget(tkey2);
    btnSearch1 = NamedButton(cxTab3, "btnSearch1", "查询(F2)", head);
    AddStockQueryViewChoice(*this, head);
    v->addLayout(head);

    cxGridDjbView = KcdbGrid(cxTab3, "cxGridDjbView", QStringLiteral("D_Bsby1"),
        { { "gl_djh", "报损单号", "120" }, { "rq", "报损日期", "120" }, { "ck_name", "仓库名称", "90" },
            { "u_name", "经办人", "70" }, { "a_name", "操作员", "70" }, { "checker", "审核人", "70" },
            { "chkrq", "审核日期", "90" }, { "dnote", "备注", "160" } });
    cxGridDjb1View = KcdbGrid(cxTab3, "cxGridDjb1View", QStringLiteral("D_BsbyList"), kBsbyLineColumns);
    cxGridHzbView = KcdbGrid(cxTab3, "cxGridHzbView", QStringLiteral("D_BsbyHzb"),
        { { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "160" }, { "sl", "报损数量", "80" },
            { "dw_name", "单位", "50" }, { "gg_name", "款型说明", "90" }, { "color_name", "颜色", "60" },
            { "g_sccs", "品牌厂家", "90" }, { "g_bz", "备注", "120" } });
    cxGridHzb1View = KcdbGrid(cxTab3, "cxGridHzb1View", QStringLiteral("D_BsbyList2"),
        { { "rq", "报损日期", "120" }, { "gl_djh", "报损单号", "120" }, { "sl", "报损数量", "70" },
            { "dj", "单价", "70" }, { "zje", "总金额", "90" }, { "dnote", "备注", "120" }, { "a_name", "操作员", "70" },
            { "ck_name", "仓库名称", "90" }, { "u_name", "经办人", "70" }, { "checker", "审核人", "70" },
            { "chkrq", "审核日期", "90" } });
    cxGridMxbView = KcdbGrid(cxTab3, "cxGridMxbView", QStringLiteral("D_BsbyList3"),
        { { "rq", "报损日期", "120" }, { "gl_djh", "报损单号", "120" }, { "a_name", "操作员", "70" },
            { "g_sn", "商品编号", "90" }, { "g_name", "商品名称", "140" }, { "gg_name", "款型说明", "80" },
            { "sl", "报损数量", "70" }, { "dnote", "备注", "120" }, { "ck_name", "仓库名称", "90" },
            { "u_name", "经办人", "70" }, { "checker", "审核人", "70" }, { "chkrq", "审核日期", "90" },
            { "dj", "单价", "70" }, { "zje", "总金额", "90" } });
    cxGridPdStep1View = KcdbGrid(cxTab3, "cxGridPdStep1View", QStringLiteral("D_PdStep1"), kBsbySizeColumns);
    BuildStockQueryViews(*this, v, "单据编号：");

    connect(comType, &QComboBox::currentIndexChanged, this, [this] { btnSearch1Click(); });
    connect(btnSearch1, &QPushButton::clicked, this, &TF_Bsby::btnSearch1Click);
    connect(cxGridDjbView, &DataGrid::currentRowChanged, this, [this] { setBsbyDjb(); });
    connect(cxGridHzbView, &DataGrid::currentRowChanged, this, [this] { setBsbyHzb(); });
}

// ---------------------------------------------------------------- pending tab

void TF_Bsby::btnSearchClick()
{
    const QString warehouse = comCk2->currentIndex() < 0 ? QStringLiteral("-1") : comCk2->Code(comCk2->currentIndex());
    posting::Params p;
    if (rDjb->isChecked()) {
        BsbyPendingFilter f;
        f.keyword = tkey->text().trimmed();
        f.warehouse = warehouse;
        f.boundOperator = StockBoundOperator();
        const QString sql = BsbyPendingSql(f, p);
        KcdbOpen(Q_Bsbysh, sql, p);
        setBsbyshList();
        return;
    }
    BsbySizeFilter f;
    f.status = 0;
    f.keyword = tkey->text().trimmed();
    f.goods = tgname->text().trimmed();
    f.warehouse = warehouse;
    f.boundOperator = StockBoundOperator();
    const QString sql = BsbySizeSql({ &LossKind(), &OverflowKind() }, f, p);
    KcdbOpen(Q_PdStep2, sql, p);
}

void TF_Bsby::rDjbClick()
{
    const bool list = rDjb->isChecked();
    pendingViews->setCurrentIndex(list ? 0 : 1);
    lgname->setVisible(!list);
    tgname->setVisible(!list);
    btnSearchClick();
}

QString TF_Bsby::SelectedPendingNo() const
{
    return GridRowNumber(Q_Bsbysh, cxGrid2View);
}

void TF_Bsby::setBsbyshList()
{
    const QString number = SelectedPendingNo();
    ldjh->setText(number);
    for (QWidget* w : std::initializer_list<QWidget*> { btnAdd2, btnModi2, btnDel2 })
        w->setEnabled(!number.isEmpty());
    if (number.isEmpty()) {
        Q_Bsbysh2.Close();
        return;
    }
    AtGridRow(Q_Bsbysh, cxGrid2View);
    KcdbOpen(Q_Bsbysh2, BsbyLinesSql(LossOverflowKindOf(number)), { { QStringLiteral("n"), number } });
}

void TF_Bsby::ReopenPending(const QString& number)
{
    RequeryOnNumber(Q_Bsbysh, cxGrid2View, number);
    setBsbyshList();
}

void TF_Bsby::btnViewClick()
{
    if (!OnStockDocList(rDjb))
        return;
    const QString number = SelectedPendingNo();
    if (!number.isEmpty())
        ShowStored(number);
}

void TF_Bsby::btnDeleClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !OnStockDocList(rDjb))
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除“待审核”单据吗！")) != Prompt::Answer::Yes)
        return;
    DeletePendingDocument(LossOverflowKindOf(number).doc, number);
    ReopenPending(QString());
}

void TF_Bsby::btnPrin2Click()
{
    if (SelectedPendingNo().isEmpty() || !OnStockDocList(rDjb))
        return;
    PrintGridList(LossKind().pendingTemplate, LossKind().pendingDataset, *cxGrid2View);
}

void TF_Bsby::btnExportClick()
{
    ExportShownGrid(rDjb->isChecked() ? cxGrid2View : cxGridPdStep2View);
}

void TF_Bsby::btnDateClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btnDate->isEnabled() || !OnStockDocList(rDjb))
        return;
    AtGridRow(Q_Bsbysh, cxGrid2View);
    // The entry tab's draft number stays: only the pending document moves.
    const QString moved = ChangePendingStockDate(this, LossOverflowKindOf(number), number,
        Q_Bsbysh.AsString(QStringLiteral("rq")), Q_Bsbysh.AsString(QStringLiteral("dnote")));
    if (!moved.isEmpty())
        ReopenPending(moved);
}

void TF_Bsby::checkDJ(const QString& number)
{
    ApproveStockDocument(LossKind(), number);
}

void TF_Bsby::checkDJBy(const QString& number)
{
    ApproveStockDocument(OverflowKind(), number);
}

void TF_Bsby::btnRChkClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btnRChk->isEnabled())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要审核当前选中的单据吗！")) != Prompt::Answer::Yes)
        return;
    AtGridRow(Q_Bsbysh, cxGrid2View);
    const QString answer = CheckApproveAllowed(number, Q_Bsbysh.AsString(QStringLiteral("rq")).left(10));
    if (answer != QLatin1String("ok"))
        Prompt::Info(answer);
    else if (number.startsWith(QLatin1String("BY"), Qt::CaseInsensitive))
        checkDJBy(number);
    else
        checkDJ(number);
    ReopenPending(QString());
}

void TF_Bsby::btnCheckAllClick()
{
    if (!OnStockDocList(rDjb) || !Q_Bsbysh.Active() || Q_Bsbysh.IsEmpty())
        return;
    if (ApproveStockPendingList(Q_Bsbysh, QStringLiteral("rq"), [](const QString& n) { ApproveLossOrOverflow(n); }))
        ReopenPending(QString());
}

void TF_Bsby::btnAdd2Click()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty())
        return;
    AddPendingStockLines(QStringLiteral("TF_Bsby_Add"), LossKind());
    ReopenPending(number);
}

void TF_Bsby::btnModi2Click()
{
    ModifyPendingStockLine(Q_Bsbysh2, cxGrid3View, QStringLiteral("TF_Bsby_Sele"), LossKind().pendingTag,
        LossKind().pendingTag, LossKind().tag);
}

void TF_Bsby::btnDel2Click()
{
    const QString number = SelectedPendingNo();
    // The last line takes its document with it.
    if (DeletePendingStockLine(Q_Bsbysh2, cxGrid3View, LossOverflowKindOf(number).doc, number))
        ReopenPending(QString());
}

void TF_Bsby::linkMxClick()
{
    ShowStockLineDetail(Q_Bsbysh2, cxGrid3View, LossOverflowKindOf(SelectedPendingNo()).doc.detail);
}

// ---------------------------------------------------------------- query tab

void TF_Bsby::cxPageChange()
{
    if (cxPage->currentWidget() == cxTab2) {
        ActiveDocKind = QStringLiteral("bsby_sh");
        tkey->clear();
        btnSearchClick();
        return;
    }
    ActiveDocKind = QStringLiteral("bsby");
    if (cxPage->currentWidget() != cxTab3)
        return;
    const QSignalBlocker block(comType);
    SetPeriod(date1, date2, CurrentMonth(Clock::Today()));
    comType->setCurrentIndex(0);
    rDjb2->setChecked(true);
    QueryWarehouseSn.clear();
    QueryHandlerSn.clear();
    QueryStockTakeOnly = QStringLiteral("0");
    setQueryView(0);
}

int TF_Bsby::QueryView() const
{
    return rHzb2->isChecked() ? 1 : rMxb2->isChecked() ? 2 : rYscm2->isChecked() ? 3 : 0;
}

void TF_Bsby::setQueryView(int view)
{
    QRadioButton* radios[] = { rDjb2, rHzb2, rMxb2, rYscm2 };
    radios[view]->setChecked(true);
    queryViews->setCurrentIndex(view);
    lkey2->setText(view == 1 || view == 2 ? QStringLiteral("单号或商品备注：") : QStringLiteral("单号或单据备注："));
    lgname2->setVisible(view == 3);
    tgname2->setVisible(view == 3);
    btnSearch1Click();
}

void TF_Bsby::btnSearch1Click()
{
    const StockKind& k = QueryKind();
    const bool loss = &k == &LossKind();
    const int view = QueryView();
    posting::Params p;
    if (view == 3) {
        BsbySizeFilter f;
        f.status = 1;
        f.keyword = tkey2->text().trimmed();
        f.keywordOnWarehouse = true;
        f.goods = tgname2->text().trimmed();
        f.boundOperator = StockBoundOperator();
        const QString sql = BsbySizeSql({ &k }, f, p);
        KcdbOpen(Q_PdStep1, sql, p);
        return;
    }
    BsbyQueryFilter f;
    f.from = date1->date().toString(QStringLiteral("yyyy-MM-dd"));
    f.to = date2->date().toString(QStringLiteral("yyyy-MM-dd"));
    f.keyword = tkey2->text().trimmed();
    f.warehouse = QueryWarehouseSn;
    f.handler = QueryHandlerSn;
    f.stockTakeOnly = QueryStockTakeOnly;
    f.boundOperator = StockBoundOperator();
    const QString number = loss ? QStringLiteral("报损单号") : QStringLiteral("报溢单号");
    const QString date = loss ? QStringLiteral("报损日期") : QStringLiteral("报溢日期");
    const QString quantity = loss ? QStringLiteral("报损数量") : QStringLiteral("报溢数量");
    auto captions = [&](DataGrid* g) {
        const std::pair<const char*, const QString*> fields[]
            = { { "gl_djh", &number }, { "rq", &date }, { "sl", &quantity } };
        for (const auto& [field, caption] : fields) {
            const int c = g->ColumnByField(QLatin1String(field));
            if (c >= 0)
                g->SetColumnCaption(c, *caption);
        }
    };
    if (view == 0) {
        const QString sql = BsbyDocListSql(k, f, p);
        KcdbOpen(Q_Bsby1,
            QStringLiteral("select d.*,d.") + k.doc.dateColumn + QStringLiteral(" as rq,d.") + k.noteColumn
                + QStringLiteral(" as dnote,d.") + k.doc.checkerColumn + QStringLiteral(" as checker,d.")
                + k.doc.checkDateColumn + QStringLiteral(" as chkrq from (") + sql + QStringLiteral(") d"),
            p);
        captions(cxGridDjbView);
        setBsbyDjb();
        return;
    }
    if (view == 1) {
        const QString sql = BsbySummarySql(k, f, p);
        KcdbOpen(Q_BsbyHzb, sql, p);
        captions(cxGridHzbView);
        captions(cxGridHzb1View);
        setBsbyHzb();
        return;
    }
    const QString sql = BsbyDetailSql(k, f, p);
    KcdbOpen(Q_BsbyList3, sql, p);
    captions(cxGridMxbView);
}

void TF_Bsby::setBsbyDjb()
{
    if (!AtGridRow(Q_Bsby1, cxGridDjbView)) {
        Q_BsbyList.Close();
        ldjh2->clear();
        return;
    }
    const QString number = Q_Bsby1.AsString(QStringLiteral("gl_djh"));
    ldjh2->setText(number);
    KcdbOpen(Q_BsbyList, BsbyLinesSql(QueryKind()), { { QStringLiteral("n"), number } });
}

void TF_Bsby::setBsbyHzb()
{
    if (!AtGridRow(Q_BsbyHzb, cxGridHzbView)) {
        Q_BsbyList2.Close();
        lgname3->clear();
        return;
    }
    lgname3->setText(Q_BsbyHzb.AsString(QStringLiteral("g_name")));
    BsbyQueryFilter f;
    f.from = date1->date().toString(QStringLiteral("yyyy-MM-dd"));
    f.to = date2->date().toString(QStringLiteral("yyyy-MM-dd"));
    f.keyword = tkey2->text().trimmed();
    f.warehouse = QueryWarehouseSn;
    f.handler = QueryHandlerSn;
    f.boundOperator = StockBoundOperator();
    posting::Params p;
    p.insert(QStringLiteral("g"), Q_BsbyHzb.AsString(QStringLiteral("g_sn")));
    const QString sql = BsbySummaryDocsSql(QueryKind(), f, p);
    KcdbOpen(Q_BsbyList2, sql, p);
}

void TF_Bsby::btnView2Click()
{
    QString number;
    switch (QueryView()) {
    case 0:
        if (AtGridRow(Q_Bsby1, cxGridDjbView))
            number = Q_Bsby1.AsString(QStringLiteral("gl_djh"));
        break;
    case 1:
        if (AtGridRow(Q_BsbyList2, cxGridHzb1View))
            number = Q_BsbyList2.AsString(QStringLiteral("gl_djh"));
        break;
    case 2:
        if (AtGridRow(Q_BsbyList3, cxGridMxbView))
            number = Q_BsbyList3.AsString(QStringLiteral("gl_djh"));
        break;
    default:
        break;
    }
    if (!number.isEmpty())
        ShowStored(number);
}

void TF_Bsby::btn_DeleClick()
{
    if (QueryView() == 3)
        return;
    SelectedLineId.clear();
    TF_Bsby_Cx dialog(this);
    dialog.ShowModal();
    if (SelectedLineId.isEmpty())
        return;
    SelectedLineId.clear();
    QueryWarehouseSn = ChosenFilterCode(*dialog.comCk);
    QueryHandlerSn = ChosenFilterCode(*dialog.comUser);
    QueryStockTakeOnly = dialog.chkPd->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    btnSearch1Click();
}

void TF_Bsby::btnUnapproveClick()
{
    if (QueryView() != 0) {
        Prompt::Info(QStringLiteral("取消审核操作只能在“单据表”进行。"));
        return;
    }
    if (!AtGridRow(Q_Bsby1, cxGridDjbView))
        return;
    const QString number = Q_Bsby1.AsString(QStringLiteral("gl_djh"));
    UnapproveResult.clear();
    LossOverflowKindOf(number).unapprove(number);
    if (UnapproveResult == QLatin1String("ok"))
        btnSearch1Click();
}

void TF_Bsby::btnPrin3Click()
{
    const int view = QueryView();
    if (view == 3)
        return;
    static const char* const titles[2][3] = { { "商品报损单据表", "商品报损汇总表", "商品报损明细表" },
        { "商品报溢单据表", "商品报溢汇总表", "商品报溢明细表" } };
    const StockKind& k = QueryKind();
    const DataGrid* grids[] = { cxGridDjbView, cxGridHzbView, cxGridMxbView };
    PrintGridList(k.listTemplates[view], k.listDatasets[view], *grids[view],
        { { QStringLiteral("bTitle"), QString::fromUtf8(titles[&k == &OverflowKind() ? 1 : 0][view]) },
            { QStringLiteral("date1"), date1->date().toString(QStringLiteral("yyyy-MM-dd")) },
            { QStringLiteral("date2"), date2->date().toString(QStringLiteral("yyyy-MM-dd")) } });
}

void TF_Bsby::btnExport2Click()
{
    const DataGrid* grids[] = { cxGridDjbView, cxGridHzbView, cxGridMxbView, cxGridPdStep1View };
    ExportShownGrid(grids[QueryView()]);
}

void TF_Bsby::linkMx2Click()
{
    ShowStockLineDetail(Q_BsbyList, cxGridDjb1View, QueryKind().doc.detail);
}
