// The stock-take window's pending and query tabs.
#include "warehouse/kcpd.h"

#include "documents/docdrafts.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "listing/listoutput.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/stockreversal.h"
#include "warehouse/kcdbgrids.h"
#include "warehouse/kcpdlists.h"
#include "warehouse/kcpdrules.h"
#include "warehouse/stockdocs.h"
#include "warehouse/stockkind.h"
#include "warehouse/stockviews.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

using namespace kcdb_detail;

namespace {

QString KcpdComboCode(const KeyedCombo* c)
{
    return c->currentIndex() < 0 ? QStringLiteral("-1") : c->Code(c->currentIndex());
}

QString KcpdRowNo(Query& q, const DataGrid* grid)
{
    return AtGridRow(q, grid) ? q.AsString(QStringLiteral("gl_djh")) : QString();
}

} // namespace

// ---------------------------------------------------------------- pending tab

void TF_Kcpd::btnSearch2Click()
{
    KcpdFilter f;
    f.keyword = tkey->text().trimmed();
    f.warehouse = KcpdComboCode(comCk2);
    f.boundOperator = StockBoundOperator();
    posting::Params p;
    if (rDjb->isChecked()) {
        const QString sql = KcpdDocListSql(0, f, p);
        KcdbOpen(Q_Kcpd, sql, p);
        setKcpdList();
        return;
    }
    f.goods = tgname->text().trimmed();
    f.mismatch = chkCy->isChecked();
    const QString sql = KcpdSizeSql(0, f, p);
    KcdbOpen(Q_PdStep2, sql, p);
}

void TF_Kcpd::rDjbClick()
{
    const bool list = rDjb->isChecked();
    pendingViews->setCurrentIndex(list ? 0 : 1);
    for (QWidget* w : std::initializer_list<QWidget*> { lgname, tgname, lhint, chkCy })
        w->setVisible(!list);
    chkCy->setChecked(false);
    btnSearch2Click();
}

QString TF_Kcpd::SelectedPendingNo() const
{
    return GridRowNumber(Q_Kcpd, cxGrid2View);
}

void TF_Kcpd::setKcpdList()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty()) {
        Q_Kcpdsp2.Close();
        return;
    }
    KcdbOpen(Q_Kcpdsp2, KcpdLinesSql(), { { QStringLiteral("n"), number } });
}

void TF_Kcpd::updatePdsl()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !Q_Kcpdsp2.Active())
        return;
    UpdateStockTakeTotals(number);
    RequeryOnNumber(Q_Kcpd, cxGrid2View, number);
    setKcpdList();
}

void TF_Kcpd::btnViewClick()
{
    if (!OnStockDocList(rDjb))
        return;
    const QString number = SelectedPendingNo();
    if (!number.isEmpty() && Q_Kcpdsp2.Active() && !Q_Kcpdsp2.IsEmpty())
        ShowStored(number);
}

void TF_Kcpd::btnDeleClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !OnStockDocList(rDjb))
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要删除“待审核”单据吗！")) != Prompt::Answer::Yes)
        return;
    DeletePendingDocument(doc.Kind(), number);
    btnSearch2Click();
}

void TF_Kcpd::btnPrin2Click()
{
    if (!OnStockDocList(rDjb))
        return;
    PrintGridList(StockTakeKind().pendingTemplate, StockTakeKind().pendingDataset, *cxGrid2View);
}

void TF_Kcpd::btnExportClick()
{
    ExportShownGrid(rDjb->isChecked() ? cxGrid2View : cxGridPdStep2View);
}

void TF_Kcpd::btnDateClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btnDate->isEnabled() || !OnStockDocList(rDjb))
        return;
    AtGridRow(Q_Kcpd, cxGrid2View);
    const QString moved = ChangePendingStockDate(this, StockTakeKind(), number,
        Q_Kcpd.AsString(QStringLiteral("pd_rq")), Q_Kcpd.AsString(QStringLiteral("pd_note")));
    if (moved.isEmpty())
        return;
    RequeryOnNumber(Q_Kcpd, cxGrid2View, moved);
    setKcpdList();
    // The entry tab's draft takes a number of its own day again.
    const QString draft = RedrawForDate(doc.Kind(), gldjh->text(), Day());
    gldjh->setText(draft);
    openGridViewData(draft);
}

void TF_Kcpd::checkDj(const QString& number)
{
    ApproveStockDocument(StockTakeKind(), number);
}

void TF_Kcpd::btnRChkClick()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty() || !btnRChk->isEnabled())
        return;
    if (Prompt::YesNo(QStringLiteral("您确定要审核当前选中的单据吗！")) != Prompt::Answer::Yes)
        return;
    AtGridRow(Q_Kcpd, cxGrid2View);
    const QString refusal
        = getPdMsg(number, Q_Kcpd.AsString(QStringLiteral("pd_rq")), Q_Kcpd.AsString(QStringLiteral("ck_sn")));
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    checkDj(number);
    btnSearch2Click();
}

void TF_Kcpd::btnCheckAllClick()
{
    if (!Q_Kcpd.Active() || Q_Kcpd.IsEmpty() || !OnStockDocList(rDjb))
        return;
    if (Prompt::YesNo(
            QStringLiteral("您的操作将审核当前所有未审核的单据，确认吗？\r\n\r\n（如需审核某个单据，请按右键！）"))
        != Prompt::Answer::Yes)
        return;
    QList<PendingStockTake> docs;
    for (int i = 0; i < Q_Kcpd.RecordCount(); ++i)
        docs.append({ Q_Kcpd.TextAt(i, Q_Kcpd.FieldIndex(QStringLiteral("gl_djh"))),
            Q_Kcpd.TextAt(i, Q_Kcpd.FieldIndex(QStringLiteral("pd_rq"))),
            Q_Kcpd.TextAt(i, Q_Kcpd.FieldIndex(QStringLiteral("ck_sn"))) });
    const QString refusals = ApproveStockTakes(docs);
    btnSearch2Click();
    if (!refusals.isEmpty())
        Prompt::Info(refusals);
}

void TF_Kcpd::btnAdd2Click()
{
    if (SelectedPendingNo().isEmpty())
        return;
    AddPendingStockLines(QStringLiteral("TF_Kcpd_Add"), StockTakeKind());
    setKcpdList();
    updatePdsl();
}

void TF_Kcpd::btnModi2Click()
{
    ModifyPendingStockLine(Q_Kcpdsp2, cxGrid3View, QStringLiteral("TF_Kcpd_Sele"), QStringLiteral("kcpd_modi2"),
        StockTakeKind().pendingTag, StockTakeKind().tag);
    updatePdsl();
}

void TF_Kcpd::btnDel2Click()
{
    const QString number = SelectedPendingNo();
    if (number.isEmpty())
        return;
    if (DeletePendingStockLine(Q_Kcpdsp2, cxGrid3View, doc.Kind(), number)) {
        btnSearch2Click();
        return;
    }
    updatePdsl();
}

void TF_Kcpd::linkMxClick()
{
    ShowStockLineDetail(Q_Kcpdsp2, cxGrid3View, StockTakeKind().doc.detail);
}

void TF_Kcpd::PdStep2Edited(int row, const QString& text)
{
    if (row < 0 || row >= cxGridPdStep2View->RowCount())
        return;
    if (!SetStockTakeCount(cxGridPdStep2View->Value(row, QStringLiteral("id")).toLongLong(), text))
        return;
    Q_PdStep2.Requery();
    cxGridPdStep2View->SetCurrentRow(qMin(row, cxGridPdStep2View->RowCount() - 1));
}

void TF_Kcpd::btnRDelMxClick()
{
    if (!Q_PdStep2.Active() || Q_PdStep2.IsEmpty())
        return;
    if (Prompt::YesNo(StockTakeSizeDeleteQuestion()) != Prompt::Answer::Yes)
        return;
    QList<qint64> ids;
    for (int row : cxGridPdStep2View->SelectedRows())
        ids << cxGridPdStep2View->Value(row, QStringLiteral("id")).toLongLong();
    const int count = DeleteStockTakeSizeRows(ids);
    Q_PdStep2.Requery();
    Prompt::Info(StockTakeSizeDeleteDone(count));
}

// ---------------------------------------------------------------- query tab

int TF_Kcpd::QueryView() const
{
    return rMxb3->isChecked() ? 1 : (rYscm3->isChecked() ? 2 : 0);
}

void TF_Kcpd::setQueryView(int view)
{
    QRadioButton* r = view == 1 ? rMxb3 : (view == 2 ? rYscm3 : rDjb3);
    r->setChecked(true);
    queryViews->setCurrentIndex(view);
    lkey3->setText(view == 1 ? QStringLiteral("商品名称编号：") : QStringLiteral("单据编号信息："));
    lgname3->setVisible(view == 2);
    tgname3->setVisible(view == 2);
    btnSearch3Click();
}

void TF_Kcpd::btnSearch3Click()
{
    KcpdFilter f;
    f.keyword = tkey3->text().trimmed();
    f.warehouse = KcpdComboCode(comCk3);
    f.boundOperator = StockBoundOperator();
    f.from = date1->date().toString(QStringLiteral("yyyy-MM-dd"));
    f.to = date2->date().toString(QStringLiteral("yyyy-MM-dd"));
    posting::Params p;
    switch (QueryView()) {
    case 0: {
        const QString sql = KcpdDocListSql(1, f, p);
        KcdbOpen(Q_Kcpdcx, sql, p);
        setDjbList();
        break;
    }
    case 1: {
        const QString sql = KcpdDetailSql(f, p);
        KcdbOpen(Q_Kcpdcx2, sql, p);
        break;
    }
    default: {
        f.goods = tgname3->text().trimmed();
        const QString sql = KcpdSizeSql(1, f, p);
        KcdbOpen(Q_PdStep1, sql, p);
    }
    }
}

QString TF_Kcpd::SelectedQueryNo() const
{
    const int view = QueryView();
    if (view == 2)
        return QString();
    return view == 0 ? GridRowNumber(Q_Kcpdcx, cxGridDjbView) : GridRowNumber(Q_Kcpdcx2, cxGridMxbView);
}

void TF_Kcpd::setDjbList()
{
    const QString number = KcpdRowNo(Q_Kcpdcx, cxGridDjbView);
    if (number.isEmpty()) {
        Q_Kcpdcx1.Close();
        return;
    }
    KcdbOpen(Q_Kcpdcx1, KcpdLinesSql(), { { QStringLiteral("n"), number } });
}

void TF_Kcpd::btnView2Click()
{
    const QString number = SelectedQueryNo();
    if (!number.isEmpty())
        ShowStored(number);
}

void TF_Kcpd::btnPrin3Click()
{
    const StockKind& k = StockTakeKind();
    const ReportVariables dates { { QStringLiteral("date1"), date1->date().toString(QStringLiteral("yyyy-MM-dd")) },
        { QStringLiteral("date2"), date2->date().toString(QStringLiteral("yyyy-MM-dd")) } };
    if (QueryView() == 0)
        PrintGridList(k.listTemplates[0], k.listDatasets[0], *cxGridDjbView, dates);
    else if (QueryView() == 1)
        PrintGridList(k.listTemplates[2], k.listDatasets[2], *cxGridMxbView, dates);
}

void TF_Kcpd::btnExport2Click()
{
    DataGrid* g = QueryView() == 0 ? cxGridDjbView : (QueryView() == 1 ? cxGridMxbView : cxGridPdStep1View);
    if (QueryView() == 2 || g->RowCount() > 0)
        ExportGridList(*g, true);
}

void TF_Kcpd::btnUnCheckClick()
{
    if (!btnUnCheck->isEnabled() || !OnStockDocList(rDjb3, QStringLiteral("取消审核操作只能在“单据表”进行。")))
        return;
    const QString number = KcpdRowNo(Q_Kcpdcx, cxGridDjbView);
    if (number.isEmpty())
        return;
    UnapproveResult.clear();
    UnapproveStockTake(number);
    if (UnapproveResult == QLatin1String("ok"))
        btnSearch3Click();
}

void TF_Kcpd::btnUnChkAllClick()
{
    if (!btnUnCheck->isEnabled() || !OnStockDocList(rDjb3, QStringLiteral("取消审核操作只能在“单据表”进行。")))
        return;
    if (!Q_Kcpdcx.Active() || Q_Kcpdcx.IsEmpty())
        return;
    const StockTakeMark last = LatestApprovedStockTake();
    if (last.number.isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您的操作将取消审核最后一笔库存盘点单：\r\n\r\n单号：") + last.number
            + QStringLiteral("，开单日期：") + last.date + QStringLiteral("，")
            + QStringLiteral("\r\n\r\n之后的所有其他业务单据，确认吗？"))
        != Prompt::Answer::Yes)
        return;
    const QStringList numbers = DocsAfterStockTake(last.date);
    const int cancelled = CancelDocsAfterStockTake(numbers, this);
    Prompt::Info(StockTakeCancelSummary(int(numbers.size()), cancelled));
    btnSearch3Click();
}

void TF_Kcpd::linkMx2Click()
{
    ShowStockLineDetail(Q_Kcpdcx1, cxGridDjb1View, StockTakeKind().doc.detail);
}
