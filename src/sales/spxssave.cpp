// Saving the sales delivery being entered, and approving saved deliveries.
#include "sales/spxs.h"

#include "listing/longrun.h"

#include "foundation/approvalhooks.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/balances.h"
#include "posting/draftrepair.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"
#include "posting/salesposting.h"
#include "posting/spread.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

double FieldNumber(const QLineEdit* e)
{
    return e->text().trimmed().toDouble();
}

// "该客户当前的预付款余额为：...": asked when the customer's prepayment (a negative
// receivable) does not cover what stays unpaid. True to go on.
bool PrepaymentCovers(const QString& customer, double unpaid)
{
    QString balance
        = GetLedgerBalanceAt(customer, QStringLiteral("kh"), QStringLiteral("0"), QStringLiteral("9999-12-31"));
    if (balance.isEmpty())
        balance = QStringLiteral("0");
    const double prepaid = -balance.toDouble();
    if (posting::RoundUp(prepaid, 2) >= posting::RoundUp(unpaid, 2))
        return true;
    return Prompt::YesNo(QStringLiteral("该客户当前的预付款余额为：") + NumberText(prepaid) + QStringLiteral("，")
               + QStringLiteral("\r\n\r\n") + QStringLiteral("不足以支付本单的金额。") + QStringLiteral("\r\n\r\n")
               + QStringLiteral("继续保存吗？"))
        == Prompt::Answer::Yes;
}

bool ApprovesOnSave()
{
    return ApproveOnSave != QLatin1String("0") && ApproveOnSave != QLatin1String("False");
}

} // namespace

void TF_Spxs::btnOKClick()
{
    using namespace posting;
    const QString refusal
        = DocWindow::SaveRefusal(EntryHasRows(), tkh->text(), QStringLiteral("请选择客户！"), *comUser, *comCk);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    const QString warehouse = GetComboCode(*comCk, comCk->currentIndex());
    // The first goods of the grid that the warehouse has never held.
    for (int r = 0; r < Q_Lsxssp.RecordCount(); ++r) {
        const QString goods = Q_Lsxssp.TextAt(r, Q_Lsxssp.FieldIndex(QStringLiteral("g_sn")));
        if (First(QStringLiteral("select id from jxc_kcsp where ck_sn=:ck and g_sn=:g limit 1"),
                { { QStringLiteral("ck"), warehouse }, { QStringLiteral("g"), goods } })
                .isValid())
            continue;
        const QString name = Q_Lsxssp.TextAt(r, Q_Lsxssp.FieldIndex(QStringLiteral("g_name")));
        if (!IsTrue(AllowZeroStockOut)) {
            Prompt::Info(QStringLiteral("当前仓库中商品‘") + name + QStringLiteral("’库存不足，")
                + QStringLiteral("\r\n\r\n") + QStringLiteral("不能销售。"));
            return;
        }
        if (Prompt::YesNo(QStringLiteral("当前仓库中商品‘") + name + QStringLiteral("’不存在，")
                + QStringLiteral("\r\n\r\n") + QStringLiteral("销售将会出现负库存，是否继续？"))
            == Prompt::Answer::No)
            return;
        break;
    }
    const bool onAccount = comJsfs->currentIndex() == 1;
    if (onAccount && IsTrue(WarnLowPrepayment)
        && !PrepaymentCovers(CurrentCustomerSn, FieldNumber(tyfje) - FieldNumber(tssje)))
        return;
    const bool approve = ApprovesOnSave();
    const QString question = approve
        ? QStringLiteral(
            "单据保存后将直接审核，是否确认保存？\r\n\r\n保存后如果有问题可以在“销售退货查询”功能中取消审核！")
        : QStringLiteral("单据保存后处于“未审核”状态，是否确认保存？\r\n\r\n处于“未审核”状态的销售单，可以在“待审核销"
                         "\r\n\r\n售单”面板中，进行修改及审核操作！");
    if (Prompt::YesNo(question) == Prompt::Answer::No)
        return;

    const QString handler = GetComboCode(*comUser, comUser->currentIndex());
    // A failed save leaves the draft as it was and the button usable again.
    SaveButtonGuard reenable(btnOK);

    if (IsTrue(RoundTotals))
        tssje->setText(NumberText(RoundUp(FieldNumber(tssje), TotalDecimals.toInt())));
    const double due = FieldNumber(tyfje);
    const double paid = FieldNumber(tssje);
    const double freight = FieldNumber(tyf);
    const double packing = FieldNumber(tbzf);
    const bool byPayment = comJsfs->currentIndex() == 0;
    const int rows = Q_Lsxssp.RecordCount();
    const QString date = DocDate();

    Transaction t(Db());
    const QString number = RedrawIfSaved(doc.Kind(), DocNumber(), date);
    gldjh->setText(number);
    InsertRow(QStringLiteral("jxc_lsxsd"),
        { { QStringLiteral("gl_djh"), number }, { QStringLiteral("kh_sn"), CurrentCustomerSn },
            { QStringLiteral("ck_sn"), warehouse },
            { QStringLiteral("ls_xsrq"), date + QLatin1Char(' ') + Clock::Now().toString(QStringLiteral("HH:mm")) },
            { QStringLiteral("ls_yfje"), byPayment && DiscountLineMode == QLatin1String("0") ? paid : due },
            { QStringLiteral("ls_sfje"), paid }, { QStringLiteral("u_sn"), handler },
            { QStringLiteral("ls_note"), tnote->text().trimmed() }, { QStringLiteral("a_name"), CurrentAdminName },
            { QStringLiteral("gl_djh2"), tsn2->text().trimmed() }, { QStringLiteral("ls_yhje"), 0 },
            { QStringLiteral("ls_fpno"), tfpno->text().trimmed() }, { QStringLiteral("ls_fpje"), FieldNumber(tfpje) },
            { QStringLiteral("ls_yf"), freight }, { QStringLiteral("ls_bzf"), packing },
            { QStringLiteral("ls_status"), 0 }, { QStringLiteral("ls_checker"), QString() },
            { QStringLiteral("ls_chkrq"), QString() }, { QStringLiteral("ls_crk"), 1 },
            { QStringLiteral("ls_jsfs"), comJsfs->currentIndex() },
            { QStringLiteral("ls_kmmc"), comYhzh->currentText() }, { QStringLiteral("ls_th"), 0 },
            { QStringLiteral("ls_hkje"), 0 }, { QStringLiteral("ls_dhbz"), 0 }, { QStringLiteral("ls_qk"), 1 },
            { QStringLiteral("ls_yffs"),
                freight > 0 || packing > 0
                    ? (chkYf->isChecked() ? QStringLiteral("我方付运费") : QStringLiteral("对方付运费"))
                    : QString() },
            { QStringLiteral("ht_sn"), contractSn }, { QStringLiteral("ls_dzl"), FieldNumber(tdzl) } });
    if (!contractSn.isEmpty()) {
        LinkContract(contractSn, CurrentCustomerSn, number);
        contractSn.clear();
    }
    if (byPayment && CentsDiffer(due, paid))
        ApplyDocDiscount(number, paid, due);
    if (!approve)
        WriteLog(QStringLiteral("增加未审核销售单") + number + QStringLiteral("，共") + QString::number(rows)
            + QStringLiteral("种商品"));
    t.Commit();
    reenable.Done();

    if (approve) {
        const QString answer = CheckApproveAllowed(number, date);
        if (answer != QLatin1String("ok"))
            Prompt::Info(answer);
        else
            checkDj(number, CurrentAdminName);
    }
    if (IsTrue(AutoPrintSalesDoc)) {
        setPrinPara(number, QStringLiteral("2"));
        frxReport1->Print();
        F_DataModule->Q_GoodsPrin.Close();
    }
    initTab();
}

void TF_Spxs::checkDj(const QString& number, const QString& headerOperator)
{
    if (FirstRowId(QStringLiteral("jxc_lsxssp"), QStringLiteral("gl_djh"), number).isEmpty())
        return;
    Query header(&posting::Db());
    OpenWithParams(header,
        QStringLiteral("select kh_sn,ls_status,ls_jsfs,ls_yfje,ls_sfje from jxc_lsxsd where gl_djh=:n order by "
                       "ls_status desc,id limit 1"),
        { { QStringLiteral("n"), number } });
    if (!header.IsEmpty() && header.AsFloat(QStringLiteral("ls_status")) == 0
        && header.AsFloat(QStringLiteral("ls_jsfs")) == 1 && IsTrue(WarnLowPrepayment)
        && !PrepaymentCovers(header.AsString(QStringLiteral("kh_sn")),
            header.AsFloat(QStringLiteral("ls_yfje")) - header.AsFloat(QStringLiteral("ls_sfje"))))
        return;
    doc.Approve(number, headerOperator.isEmpty() ? CurrentAdminName : headerOperator);
}

void TF_Spxs::btnRCheckClick(const DocWindow::PendingDoc& selected)
{
    if (selected.number.isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您的操作将审核当前选中的单据，确认吗？")) == Prompt::Answer::No)
        return;
    checkDj(selected.number, selected.operatorName);
}

void TF_Spxs::btn_CheckClick(const QList<DocWindow::PendingDoc>& listed)
{
    if (listed.isEmpty())
        return;
    if (Prompt::YesNo(QStringLiteral("您的操作将审核当前列表中所有未审核的单据，确认吗？\r\n\r\n（如需审核某个单据，请"
                                     "按右键！）"))
        == Prompt::Answer::No)
        return;
    RunWithProgress(this, QStringLiteral("审核全部"), int(listed.size()), [&](const std::function<void(int)>& step) {
        int done = 0;
        for (const DocWindow::PendingDoc& d : listed) {
            const QString answer = CheckApproveAllowed(d.number, d.date);
            if (answer != QLatin1String("ok"))
                Prompt::Info(answer);
            else
                checkDj(d.number, d.operatorName);
            step(++done);
        }
    });
}
