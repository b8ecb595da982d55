#include "sales/modidatexs.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/db/query.h"
#include "platform/ui/keyedcombo.h"
#include "sales/xsdjcx.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

namespace {

bool IsExchange(const QString& number)
{
    return number.startsWith(QLatin1String("XH"), Qt::CaseInsensitive);
}

} // namespace

TF_ModiDateXs::TF_ModiDateXs(QWidget* parent)
    : DateChangeForm(
        { "TF_ModiDateXs", "客户名称：", "出货仓库：", "应收金额：", "实收金额：", "收款账户：", true }, parent)
{
}

void TF_ModiDateXs::FormActivate()
{
    if (!IsExchange(DateEditDocNo)) {
        DateChangeForm::FormActivate();
        return;
    }
    FillChoices();
    oldNo_ = DateEditDocNo;
    gldjh->setText(oldNo_);
    Query& q = F_DataModule->Q(QStringLiteral("Q_Shdj"));
    if (q.Active() && !q.IsEmpty()) {
        storedDate_ = q.AsString(QStringLiteral("ls_xsrq"));
        tnote->setText(q.AsString(QStringLiteral("ls_note")));
        SelectName(comCk2, q.AsString(QStringLiteral("ck_name")));
        SelectName(comKh, q.AsString(QStringLiteral("kh_name")));
        SelectName(comUser, q.AsString(QStringLiteral("u_name")), false);
    }
    oldDate_ = storedDate_.left(10);
    SetDocDate(QDate::fromString(oldDate_, QStringLiteral("yyyy-MM-dd")));
    for (QWidget* w : std::initializer_list<QWidget*> { lfpno, tfpno, lfpje, tfpje, lyf, tyf, lbzf, tbzf, lsn2, tsn2 })
        w->hide();
}

void TF_ModiDateXs::btnSaveClick()
{
    if (IsExchange(oldNo_)) {
        close();
        return;
    }
    DateChangeForm::btnSaveClick();
}

void TF_ModiDateXs::RefreshQuery(const QString& number)
{
    if (!F_Xsdjcx)
        return;
    F_Xsdjcx->Q_Lsxsd.Requery();
    F_Xsdjcx->Q_Lsxsd.Locate(QStringLiteral("gl_djh"), number);
    F_Xsdjcx->setLsxsspList();
}
