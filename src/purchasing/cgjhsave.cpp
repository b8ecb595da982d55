// Saving the goods-in document being entered.
#include "purchasing/cgjh.h"

#include "documents/entrytab.h"

#include "foundation/approvalhooks.h"
#include "foundation/combos.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/report/report.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"
#include "posting/draftrepair.h"
#include "posting/postingdb.h"
#include "posting/purchaseposting.h"
#include "posting/rowinsert.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

double SaveEditNumber(const QLineEdit* e)
{
    return e->text().trimmed().toDouble();
}

// Whether two amounts differ once rounded to cents.
bool CentsDiffer(double a, double b)
{
    return posting::RoundUp(a, 2) != posting::RoundUp(b, 2);
}

} // namespace

void TF_Cgjh::btnOKClick()
{
    using namespace posting;
    if (SaveRefused(EntryHasRows(), tghs->text(), QStringLiteral("请选择供货商！"), *comUser, *comCk))
        return;
    const std::optional<bool> mode
        = AskSaveMode(QStringLiteral("单据保存后处于“未审核”状态，是否确认保存？\r\n\r\n处于“未审核”状态的采购单，"
                                     "可以在“待审核采\r\n\r\n购单”面板中，进行修改及审核操作！"),
            QStringLiteral(
                "单据保存后将直接审核，是否确认保存？\r\n\r\n保存后如果有问题可以在“进退货查询”功能中取消审核！"));
    if (!mode)
        return;
    const bool pendingOnly = *mode;

    const QString warehouse = GetComboCode(*comCk, comCk->currentIndex());
    const QString handler = GetComboCode(*comUser, comUser->currentIndex());
    // A failed save leaves the draft as it was and the button usable again.
    SaveButtonGuard reenable(btnOK);

    if (IsTrue(RoundTotals))
        tsfje->setText(QString::number(RoundUp(SaveEditNumber(tsfje), TotalDecimals.toInt()), 'g', 15));
    const double payable = SaveEditNumber(tyfje);
    const double paid = SaveEditNumber(tsfje);
    const double freight = SaveEditNumber(tyf);
    const double packing = SaveEditNumber(tbzf);
    const bool byPayment = comJsfs->currentIndex() == 0;
    const int rows = Q_Jhsp.RecordCount();
    const QString date = DocDate();

    Transaction t(Db());
    const QString number = RedrawForSave(doc.Kind(), jsn->text(), date);
    InsertRow(QStringLiteral("jxc_jhd"),
        { { QStringLiteral("gl_djh"), number }, { QStringLiteral("ghs_sn"), CurrentSupplierSn },
            { QStringLiteral("ck_sn"), warehouse },
            { QStringLiteral("j_jhrq"), date + QLatin1Char(' ') + Clock::Now().toString(QStringLiteral("HH:mm")) },
            { QStringLiteral("j_yfje"), byPayment && DiscountLineMode == QLatin1String("0") ? paid : payable },
            { QStringLiteral("j_sfje"), paid }, { QStringLiteral("u_sn"), handler },
            { QStringLiteral("j_note"), tnote->text().trimmed() },
            { QStringLiteral("gl_djh2"), tsn2->text().trimmed() }, { QStringLiteral("a_name"), CurrentAdminName },
            { QStringLiteral("j_status"), 0 }, { QStringLiteral("j_checker"), QString() },
            { QStringLiteral("j_chkrq"), QString() }, { QStringLiteral("j_yhje"), 0 },
            { QStringLiteral("j_fpno"), tfpno->text().trimmed() }, { QStringLiteral("j_fpje"), SaveEditNumber(tfpje) },
            { QStringLiteral("j_yf"), freight }, { QStringLiteral("j_bzf"), packing },
            { QStringLiteral("j_jsfs"), comJsfs->currentIndex() }, { QStringLiteral("j_kmmc"), comYhzh->currentText() },
            { QStringLiteral("j_hkje"), 0 }, { QStringLiteral("j_th"), 0 }, { QStringLiteral("j_crk"), 1 },
            { QStringLiteral("j_qk"), 1 },
            { QStringLiteral("j_yffs"), freight > 0 || packing > 0 ? QStringLiteral("我方付运费") : QString() },
            { QStringLiteral("ht_sn"), contractSn } });
    if (!IsTrue(UseStockIn))
        Run(QStringLiteral("update jxc_jhsp set jh_rksl=jh_sl,jh_qxsl=0 where gl_djh=:n"),
            { { QStringLiteral("n"), number } });
    if (!contractSn.isEmpty()) {
        LinkContract(contractSn, CurrentSupplierSn, number);
        contractSn.clear();
    }
    if (byPayment && CentsDiffer(payable, paid))
        ApplyPurchaseDiscount(number, paid, payable);
    if (pendingOnly) {
        WriteLog(QStringLiteral("增加未审核进货单") + number + QStringLiteral("，共") + QString::number(rows)
            + QStringLiteral("种商品"));
    } else {
        const QString answer = CheckApproveAllowed(number, date);
        if (answer != QLatin1String("ok"))
            Prompt::Info(answer);
        else
            doc.Approve(number, CurrentAdminName);
    }
    t.Commit();
    jsn->setText(number);
    reenable.Done();
    if (IsTrue(AutoPrintPurchaseDoc)) {
        setPrinPara(number, QStringLiteral("2"));
        frxReport1->Print();
        Q_GoodsPrin.Close();
    }
    initTab();
}
