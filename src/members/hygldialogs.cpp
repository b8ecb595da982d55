#include "members/hygldialogs.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "masterdata/keyfilter.h"
#include "masterdata/pickersform.h"
#include "platform/base/clock.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

Query& MemberList()
{
    return F_DataModule->Q(QStringLiteral("Q_Hyxx"));
}

QLineEdit* MaskedEdit(QWidget* parent, const char* name)
{
    QLineEdit* e = NamedEdit(parent, name, 16);
    e->setEchoMode(QLineEdit::Password);
    return e;
}

} // namespace

MemberRowDialog::MemberRowDialog(const QString& objectName, const QString& caption, QWidget* parent) : Form(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
}

void MemberRowDialog::Build(const QStringList& shown, const std::function<void(QFormLayout*)>& entries)
{
    auto* box = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    struct Shown {
        const char* field;
        const char* caption;
        QLabel** label;
    };
    const Shown all[] = { { "hy_bh", "会员卡号：", &hy_bh }, { "hy_name", "会员姓名：", &hy_name },
        { "hh_name", "优惠类型：", &hh_name }, { "hl_name", "会员等级：", &hl_name }, { "hy_jf", "会员积分：", &hy_jf },
        { "hy_zje", "累计消费：", &hy_zje }, { "hy_zhje", "卡内余额：", &hy_zhje } };
    for (const Shown& s : all) {
        if (!shown.contains(QLatin1String(s.field)))
            continue;
        *s.label = new QLabel(this);
        (*s.label)->setObjectName(QLatin1String(s.field));
        form->addRow(QString::fromUtf8(s.caption), *s.label);
    }
    entries(form);
    box->addLayout(form);
    AddDialogButtons(box, this, QStringLiteral("确定(F5)"), QStringLiteral("取消(Esc)"), [this] { btnOkClick(); });
}

void MemberRowDialog::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Query& q = MemberList();
    if (!q.Active() || q.IsEmpty())
        return;
    id_ = q.AsInteger(QStringLiteral("id"));
    for (QLabel* l : { hy_bh, hy_name, hh_name, hl_name, hy_jf, hy_zje, hy_zhje })
        if (l)
            l->setText(q.AsString(l->objectName()));
}

void MemberRowDialog::ReopenOn(const QString& card)
{
    Query& q = MemberList();
    q.Requery();
    q.Locate(QStringLiteral("hy_bh"), card);
}

TF_Hygl_Hk::TF_Hygl_Hk(QWidget* parent)
    : MemberRowDialog(QStringLiteral("TF_Hygl_Hk"), QStringLiteral("会员换卡"), parent)
{
    Build({ QStringLiteral("hy_bh"), QStringLiteral("hy_name"), QStringLiteral("hh_name"), QStringLiteral("hl_name"),
              QStringLiteral("hy_jf"), QStringLiteral("hy_zhje") },
        [this](QFormLayout* f) {
            tbh = NamedEdit(this, "tbh", 32);
            f->addRow(QStringLiteral("新的卡号："), tbh);
            tmm = MaskedEdit(this, "tmm");
            f->addRow(QStringLiteral("新卡密码："), tmm);
            tmm1 = MaskedEdit(this, "tmm1");
            f->addRow(QStringLiteral("确认密码："), tmm1);
            toldmm = MaskedEdit(this, "toldmm");
            f->addRow(QStringLiteral("旧卡密码："), toldmm);
        });
}

void TF_Hygl_Hk::FormActivate()
{
    MemberRowDialog::FormActivate();
    tbh->setFocus();
}

void TF_Hygl_Hk::btnOkClick()
{
    const QString refusal = ChangeMemberCard(id_, tbh->text(), tmm->text(), tmm1->text(), toldmm->text());
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    MemberList().Requery();
    Prompt::Info(QStringLiteral("换卡成功！"));
    close();
}

TF_Hygl_Pwd::TF_Hygl_Pwd(QWidget* parent)
    : MemberRowDialog(QStringLiteral("TF_Hygl_Pwd"), QStringLiteral("修改会员密码"), parent)
{
    Build({ QStringLiteral("hy_bh"), QStringLiteral("hy_name"), QStringLiteral("hh_name"), QStringLiteral("hl_name") },
        [this](QFormLayout* f) {
            hy_mm = MaskedEdit(this, "hy_mm");
            f->addRow(QStringLiteral("新  密  码："), hy_mm);
            hy_mm1 = MaskedEdit(this, "hy_mm1");
            f->addRow(QStringLiteral("确认密码："), hy_mm1);
        });
}

void TF_Hygl_Pwd::btnOkClick()
{
    const QString refusal = ChangeMemberPassword(id_, hy_mm->text(), hy_mm1->text());
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    ReopenOn(hy_bh->text());
    Prompt::Info(QStringLiteral("密码修改成功"));
    close();
}

TF_Hygl_Jf::TF_Hygl_Jf(QWidget* parent)
    : MemberRowDialog(QStringLiteral("TF_Hygl_Jf"), QStringLiteral("修改会员积分"), parent)
{
    Build({ QStringLiteral("hy_bh"), QStringLiteral("hy_name"), QStringLiteral("hh_name"), QStringLiteral("hl_name"),
              QStringLiteral("hy_jf"), QStringLiteral("hy_zhje") },
        [this](QFormLayout* f) {
            tjf = NamedEdit(this, "tjf", 8);
            tjf->setValidator(new QIntValidator(-9999999, 99999999, tjf));
            f->addRow(QStringLiteral("增加积分："), tjf);
            f->addRow(QString(), new QLabel(QStringLiteral("正数增加积分，负数减少积分。"), this));
        });
}

void TF_Hygl_Jf::btnOkClick()
{
    const qint64 entry = qint64(tjf->text().trimmed().toDouble());
    if (entry != 0) {
        AdjustMemberPoints(id_, entry);
        ReopenOn(hy_bh->text());
        WriteLog(QStringLiteral("修改会员积分‘") + hy_bh->text() + QStringLiteral("，") + hy_name->text()
            + QStringLiteral("’，原积分：") + hy_jf->text() + QStringLiteral("，增加积分：") + tjf->text());
    }
    close();
}

TF_Hygl_Je::TF_Hygl_Je(QWidget* parent)
    : MemberRowDialog(QStringLiteral("TF_Hygl_Je"), QStringLiteral("修改会员积分"), parent)
{
    Build({ QStringLiteral("hy_bh"), QStringLiteral("hy_name"), QStringLiteral("hh_name"), QStringLiteral("hl_name"),
              QStringLiteral("hy_zje"), QStringLiteral("hy_zhje") },
        [this](QFormLayout* f) {
            tjf = NamedEdit(this, "tjf", 10);
            auto* v = new QDoubleValidator(-9999999, 99999999, 2, tjf);
            v->setNotation(QDoubleValidator::StandardNotation);
            tjf->setValidator(v);
            f->addRow(QStringLiteral("增加金额："), tjf);
            f->addRow(QString(), new QLabel(QStringLiteral("正数增加金额，负数减少金额。"), this));
        });
}

void TF_Hygl_Je::btnOkClick()
{
    const double entry = tjf->text().trimmed().toDouble();
    if (entry != 0) {
        AdjustMemberSpending(id_, entry);
        ReopenOn(hy_bh->text());
        WriteLog(QStringLiteral("修改会员消费金额‘") + hy_bh->text() + QStringLiteral("，") + hy_name->text()
            + QStringLiteral("’，原消费金额?") + hy_zje->text() + QStringLiteral("，增加消费金额：") + tjf->text());
    }
    close();
}

TF_Hygl_Mobile::TF_Hygl_Mobile(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Hygl_Mobile"));
    setWindowTitle(QStringLiteral("导出手机号"));
    auto* box = new QVBoxLayout(this);
    rAll = new QRadioButton(QStringLiteral("导出所有会员的手机号"), this);
    box->addWidget(rAll);
    auto* row = new QHBoxLayout;
    rJf = new QRadioButton(QStringLiteral("导出指定积分会员的手机号"), this);
    row->addWidget(rJf);
    row->addWidget(new QLabel(QStringLiteral("积分大于"), this));
    tjf = NamedEdit(this, "tjf", 6);
    tjf->setValidator(new QIntValidator(0, 999999, tjf));
    row->addWidget(tjf);
    box->addLayout(row);
    rWjf = new QRadioButton(QStringLiteral("导出无积分会员的手机号"), this);
    box->addWidget(rWjf);
    rSr = new QRadioButton(QStringLiteral("导出今天生日会员的手机号"), this);
    box->addWidget(rSr);
    for (QRadioButton* r : { rAll, rJf, rWjf, rSr })
        connect(r, &QRadioButton::toggled, this, &TF_Hygl_Mobile::ChoiceChanged);
    AddDialogButtons(box, this, QStringLiteral("确定(F5)"), QStringLiteral("取消(Esc)"), [this] { btnOkClick(); });
}

void TF_Hygl_Mobile::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    rAll->setChecked(true);
    ChoiceChanged();
}

void TF_Hygl_Mobile::ChoiceChanged()
{
    if (!rJf->isChecked())
        tjf->setText(QStringLiteral("0"));
    tjf->setEnabled(rJf->isChecked());
}

void TF_Hygl_Mobile::btnOkClick()
{
    const QString name = Prompt::SaveFile(QStringLiteral("导出手机号"), QStringLiteral("(*.txt) (*.txt)"));
    if (name.isEmpty())
        return;
    const MobileChoice choice = rJf->isChecked() ? MobileChoice::Points
        : rWjf->isChecked()                      ? MobileChoice::NoPoints
        : rSr->isChecked()                       ? MobileChoice::BirthdayToday
                                                 : MobileChoice::All;
    if (!WriteMobileExport(name, MobileExportLines(choice, tjf->text().toLongLong(), Clock::Today()))) {
        Prompt::Info(QStringLiteral("文件写入失败：") + name + QStringLiteral(".txt"));
        return;
    }
    Prompt::Info(QStringLiteral("导出成功！"));
    close();
}

TF_Hygl_Gjcx::TF_Hygl_Gjcx(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Hygl_Gjcx"));
    setWindowTitle(QStringLiteral("高级查询"));
    auto* box = new QVBoxLayout(this);
    auto* grid = new QFormLayout;
    auto line = [this, grid](QCheckBox*& box, const QString& caption, std::initializer_list<QWidget*> inputs) {
        box = new QCheckBox(caption, this);
        auto* row = new QHBoxLayout;
        for (QWidget* w : inputs) {
            row->addWidget(w);
            w->setEnabled(false);
            connect(box, &QCheckBox::toggled, w, &QWidget::setEnabled);
        }
        grid->addRow(box, row);
    };
    auto ops = [this] {
        auto* c = new QComboBox(this);
        c->addItems({ QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<") });
        return c;
    };
    auto date = [this] {
        auto* d = new QDateEdit(this);
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
        return d;
    };
    auto to = [this] { return new QLabel(QStringLiteral("至"), this); };
    comHyyh = new KeyedCombo(this);
    line(chkHyyh, QStringLiteral("优惠方式"), { comHyyh });
    comJf = ops();
    tjf = NamedEdit(this, "tjf", 5);
    line(chkJf, QStringLiteral("会员积分"), { comJf, tjf });
    comXf = ops();
    txf = NamedEdit(this, "txf", 7);
    line(chkXf, QStringLiteral("累计消费"), { comXf, txf });
    comJe = ops();
    tje = NamedEdit(this, "tje", 7);
    line(chkJe, QStringLiteral("卡内金额"), { comJe, tje });
    tSr1 = date();
    tSr2 = date();
    line(chkSr, QStringLiteral("出生日期"), { tSr1, to(), tSr2 });
    tJr1 = date();
    tJr2 = date();
    line(chkJr, QStringLiteral("加入日期"), { tJr1, to(), tJr2 });
    tSx1 = date();
    tSx2 = date();
    line(chkSx, QStringLiteral("失效日期"), { tSx1, to(), tSx2 });
    tZjhm = NamedEdit(this, "tZjhm", 32);
    DiscardSearchPunctuation(tZjhm);
    line(chkZjhm, QStringLiteral("证件号码"), { tZjhm });
    tAddress = NamedEdit(this, "tAddress", 64);
    DiscardSearchPunctuation(tAddress);
    line(chkAddress, QStringLiteral("联系地址"), { tAddress });
    box->addLayout(grid);
    AddDialogButtons(box, this, QStringLiteral("确定"), QStringLiteral("取消"), [this] { btnOkClick(); });
}

void TF_Hygl_Gjcx::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    FillCombo(
        *comHyyh, QStringLiteral("jxc_hyyh"), QStringLiteral("hh_name"), QStringLiteral("hh_sn"), QStringLiteral("id"));
    comHyyh->setCurrentIndex(0);
    for (QCheckBox* c : { chkHyyh, chkJf, chkXf, chkJe, chkSr, chkJr, chkSx, chkZjhm, chkAddress })
        c->setChecked(false);
    for (QComboBox* c : { comJf, comXf, comJe })
        c->setCurrentIndex(0);
    for (QLineEdit* e : { tjf, txf, tje })
        e->setText(QStringLiteral("0"));
    const QDate today = Clock::Today();
    tSr1->setDate(today.addMonths(-360));
    tSr2->setDate(today);
    tJr1->setDate(today);
    tJr2->setDate(today);
    tSx1->setDate(today);
    tSx2->setDate(today.addDays(3));
    tZjhm->clear();
    tAddress->clear();
}

void TF_Hygl_Gjcx::btnOkClick()
{
    OpenMode = QStringLiteral("1");
    close();
}

void TF_Hygl_Gjcx::btnCancelClick()
{
    close();
}

AdvancedMemberQuery TF_Hygl_Gjcx::Conditions() const
{
    AdvancedMemberQuery q;
    if (chkHyyh->isChecked() && comHyyh->currentIndex() >= 0)
        q.method = comHyyh->Code(comHyyh->currentIndex());
    auto compare
        = [](const QCheckBox* box, const QComboBox* op, const QLineEdit* value, QString& opOut, QString& valueOut) {
              if (!box->isChecked())
                  return;
              opOut = op->currentText();
              valueOut = value->text();
          };
    compare(chkJf, comJf, tjf, q.pointsOp, q.points);
    compare(chkXf, comXf, txf, q.spendingOp, q.spending);
    compare(chkJe, comJe, tje, q.balanceOp, q.balance);
    auto range = [](const QCheckBox* box, const QDateEdit* a, const QDateEdit* b, QDate& from, QDate& to) {
        if (!box->isChecked())
            return;
        from = a->date();
        to = b->date();
    };
    range(chkSr, tSr1, tSr2, q.birthFrom, q.birthTo);
    range(chkJr, tJr1, tJr2, q.joinFrom, q.joinTo);
    range(chkSx, tSx1, tSx2, q.expiryFrom, q.expiryTo);
    if (chkZjhm->isChecked())
        q.idNumber = tZjhm->text();
    if (chkAddress->isChecked())
        q.address = tAddress->text();
    return q;
}
