#include "members/hyfl.h"

#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/pickersform.h"
#include "platform/db/transaction.h"
#include "platform/ui/prompt.h"

#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

Query& LevelList()
{
    return F_DataModule->Q(QStringLiteral("Q_Hyfl"));
}

} // namespace

MemberLevelDialog::MemberLevelDialog(const QString& objectName, const QString& caption, bool adding, QWidget* parent)
    : Form(parent), adding_(adding)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto* box = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    tname = NamedEdit(this, "tname", 32);
    form->addRow(QStringLiteral("级别名称："), tname);
    tzk = NamedEdit(this, "tzk", 5);
    auto* rate = new QDoubleValidator(0, 99, 2, tzk);
    rate->setNotation(QDoubleValidator::StandardNotation);
    tzk->setValidator(rate);
    auto* zk = new QHBoxLayout;
    zk->addWidget(tzk);
    zk->addWidget(new QLabel(QStringLiteral("1表示无折扣，0.8表示八折"), this));
    form->addRow(QStringLiteral("级别折扣："), zk);
    auto* range = new QHBoxLayout;
    tjfxx = NamedEdit(this, "tjfxx", 9);
    tjfxx->setValidator(new QIntValidator(-99999999, 999999999, tjfxx));
    tjfsx = NamedEdit(this, "tjfsx", 9);
    tjfsx->setValidator(new QIntValidator(-99999999, 999999999, tjfsx));
    range->addWidget(tjfxx);
    range->addWidget(new QLabel(QStringLiteral("至"), this));
    range->addWidget(tjfsx);
    form->addRow(QStringLiteral("积分区间："), range);
    box->addLayout(form);
    AddDialogButtons(box, this, QStringLiteral("保存(F5)"), QStringLiteral("退出(Esc)"), [this] { btnSaveClick(); });
}

void MemberLevelDialog::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Query& q = LevelList();
    if (adding_ || !q.Active() || q.IsEmpty()) {
        tname->clear();
        tzk->setText(QStringLiteral("1"));
        tjfxx->setText(QStringLiteral("1"));
        tjfsx->setText(QStringLiteral("1"));
    } else {
        tname->setText(q.AsString(QStringLiteral("hl_name")));
        tzk->setText(q.AsString(QStringLiteral("hl_zk")));
        tjfxx->setText(q.AsString(QStringLiteral("hl_jfxx")));
        tjfsx->setText(q.AsString(QStringLiteral("hl_jfsx")));
    }
    tname->setFocus();
}

void MemberLevelDialog::btnSaveClick()
{
    if (tname->text().trimmed().isEmpty()) {
        Prompt::Info(QStringLiteral("分类名称必须填写！"));
        return;
    }
    if (tzk->text().trimmed().isEmpty()) {
        Prompt::Info(QStringLiteral("折扣必须填写！"));
        return;
    }
    Query& q = LevelList();
    Transaction t(F_DataModule->ADOConn);
    if (adding_) {
        q.Append();
        q.SetValue(QStringLiteral("hl_sn"), GetNextSn(QStringLiteral("jxc_hyfl"), QStringLiteral("hl_sn")));
    } else {
        if (!q.Active() || q.IsEmpty())
            return;
        q.Edit();
    }
    q.SetValue(QStringLiteral("hl_name"), ToFullWidthText(tname->text().trimmed()));
    q.SetValue(QStringLiteral("hl_zk"), tzk->text().trimmed().toDouble());
    q.SetValue(QStringLiteral("hl_jfxx"), tjfxx->text().trimmed().toDouble());
    q.SetValue(QStringLiteral("hl_jfsx"), tjfsx->text().trimmed().toDouble());
    q.Post();
    t.Commit();
    close();
}

TF_Hyfl_Add::TF_Hyfl_Add(QWidget* parent)
    : MemberLevelDialog(QStringLiteral("TF_Hyfl_Add"), QStringLiteral("增加会员等级"), true, parent)
{
}

TF_Hyfl_Modi::TF_Hyfl_Modi(QWidget* parent)
    : MemberLevelDialog(QStringLiteral("TF_Hyfl_Modi"), QStringLiteral("修改会员等级"), false, parent)
{
}
