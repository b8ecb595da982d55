// The actions of the sales and returns query on the documents it lists.
#include "documents/docpayment.h"
#include "documents/docwindow.h"
#include "documents/tradequery.h"
#include "documents/viewdocument.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "listing/longrun.h"
#include "listing/queryframe.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/postingdb.h"
#include "posting/tradereversal.h"
#include "sales/xsdjcx.h"
#include "sales/xsthsearch.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

bool XsdjcxActionRows(const Query& q)
{
    return q.Active() && q.RecordCount() > 0;
}

QStringList XsdjcxNumbers(Query& q)
{
    QStringList numbers;
    const int col = q.FieldIndex(QStringLiteral("gl_djh"));
    for (int r = 0; r < q.RecordCount(); ++r)
        numbers << q.TextAt(r, col);
    return numbers;
}

// Cancels one delivery or return by its prefix; true when it was cancelled.
bool XsdjcxUnapprove(const QString& number)
{
    UnapproveResult.clear();
    if (number.startsWith(QLatin1String("XS"), Qt::CaseInsensitive))
        UnapproveSalesDoc(number);
    else if (number.startsWith(QLatin1String("XT"), Qt::CaseInsensitive))
        UnapproveSalesReturn(number);
    return UnapproveResult == QLatin1String("ok");
}

} // namespace

void TF_Xsdjcx::btn_ChaZhaoClick()
{
    if (rTjt->isChecked())
        return;
    PickerCaller = QStringLiteral("xsdjcx");
    SelectedSn.clear();
    AuxTag.clear();
    {
        TF_Xsth_Search dialog(this);
        dialog.ShowModal();
        if (AuxTag == QLatin1String("1")) {
            AuxTag.clear();
            SetPeriod(tdate1, tdate2, { dialog.tdate1->date(), dialog.tdate2->date() });
            tchkKey->setText(dialog.tkh->text().trimmed());
            const QString wh = dialog.comCk->currentIndex() >= 0
                ? GetComboCode(*dialog.comCk, dialog.comCk->currentIndex())
                : QString();
            QueryWarehouseSn = wh == QLatin1String("-1") ? QString() : wh;
            const QString op = dialog.comAdmin->currentText();
            QueryOperatorName = op == QStringLiteral("所有操作员") ? QString() : op;
            QueryClassSn = SelectedSn;
            btnSearch2Click();
        }
    }
    SelectedSn.clear();
    PickerCaller.clear();
}

void TF_Xsdjcx::btn_UnChkClick()
{
    if (!btn_UnChk->isEnabled())
        return;
    if (!rDjb->isChecked()) {
        Prompt::Info(QStringLiteral("取消审核操作只能在“单据表”进行。"));
        return;
    }
    if (!XsdjcxActionRows(Q_Lsxsd))
        return;
    if (XsdjcxUnapprove(Q_Lsxsd.AsString(QStringLiteral("gl_djh")))) {
        Q_Lsxsd.Requery();
        setLsxsspList();
    }
}

void TF_Xsdjcx::btn_UnChkAllClick()
{
    if (!btn_UnChk->isEnabled() || !btn_UnChkAll->isEnabled())
        return;
    if (!rDjb->isChecked()) {
        Prompt::Info(QStringLiteral("取消审核只能在单据表进行！"));
        return;
    }
    if (!XsdjcxActionRows(Q_Lsxsd))
        return;
    if (!DocWindow::UnapproveAll(XsdjcxNumbers(Q_Lsxsd), this))
        return;
    Q_Lsxsd.Requery();
    setLsxsspList();
}

void TF_Xsdjcx::btn_FukuanClick()
{
    if (btn_Fukuan->isHidden())
        return;
    if (!rDjb->isChecked()) {
        Prompt::Info(QStringLiteral("收款只能在“单据表”进行！"));
        return;
    }
    if (!XsdjcxActionRows(Q_Lsxsd))
        return;
    const QString number = Q_Lsxsd.AsString(QStringLiteral("gl_djh"));
    if (number.startsWith(QLatin1String("XH"), Qt::CaseInsensitive))
        return;
    if (SettleCurrentDocument(
            Q_Lsxsd, QStringLiteral("gl_djh"), QStringLiteral("TF_Yskgl_Sk"), QStringLiteral("该单据不需要收款！")))
        setLsxsspList();
}

void TF_Xsdjcx::btn_DateClick()
{
    if (!btn_Date->isEnabled() || !XsdjcxActionRows(Q_Lsxsd))
        return;
    DateEditCaller = QStringLiteral("jthcx");
    DateEditDocNo = Q_Lsxsd.AsString(QStringLiteral("gl_djh"));
    FunctionWindows::Open(QStringLiteral("TF_ModiDateXs"), FunctionWindows::Lifetime::Freed);
    DateEditCaller.clear();
    DateEditDocNo.clear();
}

QString TF_Xsdjcx::CurrentDocNo() const
{
    if (rDjb->isChecked())
        return XsdjcxActionRows(Q_Lsxsd) ? Q_Lsxsd.AsString(QStringLiteral("gl_djh")) : QString();
    if (rHzb->isChecked())
        return XsdjcxActionRows(Q_GList) ? Q_GList.AsString(QStringLiteral("gl_djh")) : QString();
    if (rMxb->isChecked())
        return XsdjcxActionRows(Q_GList2) ? Q_GList2.AsString(QStringLiteral("gl_djh")) : QString();
    return QString();
}

void TF_Xsdjcx::ShowDocument(const QString& number)
{
    if (PrintNowFlag == QLatin1String("1"))
        PrintDocument(number, BatchPrintFlag != QLatin1String("1"));
    else
        ViewDocument(number);
    PrintNowFlag.clear();
}

void TF_Xsdjcx::btn_ChaKanClick()
{
    const QString number = CurrentDocNo();
    if (!number.isEmpty())
        ShowDocument(number);
}

void TF_Xsdjcx::btn_LxdyClick()
{
    if (!rDjb->isChecked()) {
        Prompt::Info(QStringLiteral("连续打印只能在“单据表”进行。"));
        return;
    }
    if (!XsdjcxActionRows(Q_Lsxsd))
        return;
    if (Prompt::YesNo(QStringLiteral("您的操作将打印当前查询中的所有单据，\r\n\r\n将直接打印不做预览，确认打印吗？"))
        == Prompt::Answer::No)
        return;
    const QStringList numbers = XsdjcxNumbers(Q_Lsxsd);
    BatchPrintFlag = QStringLiteral("1");
    RunWithProgress(this, QStringLiteral("连续打印"), numbers.size(), [&](const std::function<void(int)>& step) {
        for (int i = 0; i < numbers.size(); ++i) {
            PrintNowFlag = QStringLiteral("1");
            ShowDocument(numbers[i]);
            step(i + 1);
        }
    });
    BatchPrintFlag.clear();
}

void TF_Xsdjcx::btn_PrinClick()
{
    if (!btn_Prin->isEnabled())
        return;
    if (rDjb->isChecked())
        PrintSearchedList(QStringLiteral("xsdjcxdjb"), Q_Lsxsd, tdate1->date(), tdate2->date());
    else if (rHzb->isChecked())
        PrintSearchedList(QStringLiteral("xsdjcxhzb"), Q_GXsHZ, tdate1->date(), tdate2->date());
    else if (rMxb->isChecked())
        PrintSearchedList(QStringLiteral("xsthmxb"), Q_GList2, tdate1->date(), tdate2->date());
}

void TF_Xsdjcx::btn_ExportClick(bool lower)
{
    if (rTjt->isChecked())
        return;
    DataGrid* grid = rDjb->isChecked() ? (lower ? cxGrid3View : cxGrid2View)
        : rHzb->isChecked()            ? (lower ? cxGrid1View : cxGrid4View)
                                       : cxGrid5View;
    ExportList(*grid, ExportRows::OnlyWithRows);
}

void TF_Xsdjcx::btn_ZdthClick()
{
    if (!btn_Zdth->isEnabled())
        return;
    if (rTjt->isChecked()) {
        Prompt::Info(QStringLiteral("整单退货不能在统计图界面完成！"));
        return;
    }
    const QString number = CurrentDocNo();
    if (number.isEmpty())
        return;
    if (!WholeReturnAllowed(number, { "XS", "jxc_lsxsd", "ls_th" }))
        return;
    // The return window takes the delivery over once, lines and flag included.
    WholeReturnDocNo = number;
    close();
    ReopenCustomerQuery();
}
