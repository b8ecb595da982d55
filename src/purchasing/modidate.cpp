#include "purchasing/modidate.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "platform/db/query.h"
#include "platform/ui/keyedcombo.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TF_ModiDateJh::TF_ModiDateJh(QWidget* parent)
    : DateChangeForm(
        { "TF_ModiDateJh", "供货商名称：", "进货仓库：", "应付金额：", "实付金额：", "付款账户：", false }, parent)
{
}

void TF_ModiDateJh::RefreshQuery(const QString& number)
{
    Query& docs = F_DataModule->Q(QStringLiteral("Q_Jhd"));
    if (docs.Active()) {
        docs.Requery();
        docs.Locate(QStringLiteral("djh"), number);
    }
}

TF_Cgd_Modi::TF_Cgd_Modi(QWidget* parent) : TF_ModiDateJh(parent)
{
    setObjectName(QStringLiteral("TF_Cgd_Modi"));
    for (QWidget* w : std::initializer_list<QWidget*> { lyf, tyf, lbzf, tbzf, lfpno, tfpno, lfpje, tfpje })
        w->hide();
}

void TF_Cgd_Modi::FormActivate()
{
    FillChoices();
    Query& q = F_DataModule->Q(QStringLiteral("Q_Shdj"));
    if (!q.Active() || q.IsEmpty())
        return;
    oldNo_ = q.AsString(QStringLiteral("gl_djh"));
    gldjh->setText(oldNo_);
    storedDate_ = q.AsString(QStringLiteral("j_jhrq"));
    oldDate_ = storedDate_.left(10);
    SetDocDate(QDate::fromString(oldDate_, QStringLiteral("yyyy-MM-dd")));
    tnote->setText(q.AsString(QStringLiteral("j_note")));
    tsn2->setText(q.AsString(QStringLiteral("gl_djh2")));
    tyfje->setText(q.AsString(QStringLiteral("j_yfje")));
    tsfje->setText(q.AsString(QStringLiteral("j_sfje")));
    SelectName(comCk2, q.AsString(QStringLiteral("ck_name")));
    SelectName(comGhs, q.AsString(QStringLiteral("ghs_name")));
    SelectName(comUser, q.AsString(QStringLiteral("u_name")), false);
    comJsfs->setCurrentIndex(q.AsString(QStringLiteral("j_jsfs")).toInt());
    SelectName(comYhzh, q.AsString(QStringLiteral("j_kmmc")), false);
    contract_.clear();
}

// An order is never approved here.
void TF_Cgd_Modi::btnSaveClick()
{
    Save(false);
}

void OpenDateChange(const QString& caller, const QString& number)
{
    DateEditCaller = caller;
    DateEditDocNo = number;
    FunctionWindows::Open(QStringLiteral("TF_ModiDateJh"), FunctionWindows::Lifetime::Freed);
    DateEditCaller.clear();
    DateEditDocNo.clear();
}
