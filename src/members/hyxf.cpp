#include "members/hyxf.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/boundsql.h"
#include "masterdata/pickersform.h"
#include "members/smssend.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/report/report.h"
#include "platform/ui/prompt.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>

TF_Hygl_Sf* F_Hygl_Sf = nullptr;

namespace {

QLineEdit* TenderEdit(QWidget* parent, const char* name, int maxLength)
{
    QLineEdit* edit = NamedEdit(parent, name, maxLength);
    auto* v = new QDoubleValidator(-99999999.99, 999999999.99, 2, edit);
    v->setNotation(QDoubleValidator::StandardNotation);
    edit->setValidator(v);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

// F4 ticks the receipt box.
void AddF4(QWidget* window, std::function<void()> handler)
{
    auto* f4 = new QAction(window);
    f4->setShortcut(Qt::Key_F4);
    QObject::connect(f4, &QAction::triggered, window, std::move(handler));
    window->addAction(f4);
}

double EditNumber(const QLineEdit* edit)
{
    return edit->text().trimmed().toDouble();
}

} // namespace

void PrintTopUpReceipt(const QString& number, int copies)
{
    Query& prin = F_DataModule->Q_GoodsPrin;
    OpenWithParams(prin,
        QStringLiteral("select a.*,b.hy_bh,b.hy_name,b.hy_zhje,b.hy_jf,b.hy_zjf from jxc_hyxf a,jxc_hyxx b "
                       "where a.hy_sn=b.hy_sn and a.gl_djh=:djh"),
        { { QStringLiteral("djh"), number } });
    Report report;
    report.LoadFromFile(ProgramFolder::File(QStringLiteral("report/hyxf.fr3")));
    report.SetDataset(QStringLiteral("frxDBDataset1"), &prin);
    report.SetVariable(QStringLiteral("comName"), CompanyName);
    report.SetVariable(QStringLiteral("comTele"), CompanyTele);
    report.SetVariable(QStringLiteral("comLxr"), CompanyContact);
    report.SetVariable(QStringLiteral("comNote"), CompanyNote);
    report.SetVariable(QStringLiteral("comAddress"), CompanyAddress);
    PrintOptions options;
    options.copies = copies > 0 ? copies : 1;
    report.Print(options);
    prin.Close();
}

// ---- the charge window

TF_Hygl_Sf::TF_Hygl_Sf(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Hygl_Sf"));
    setWindowTitle(QStringLiteral("收费窗口"));
    auto* box = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    yfje = new QLabel(this);
    yfje->setObjectName(QStringLiteral("yfje"));
    form->addRow(QStringLiteral("应收金额："), yfje);
    tfkje = TenderEdit(this, "tfkje", 10);
    form->addRow(QStringLiteral("现金金额："), tfkje);
    tyhk = TenderEdit(this, "tyhk", 10);
    form->addRow(QStringLiteral("信用卡："), tyhk);
    twx = TenderEdit(this, "twx", 10);
    form->addRow(QStringLiteral("微信："), twx);
    tzfb = TenderEdit(this, "tzfb", 10);
    form->addRow(QStringLiteral("支付宝："), tzfb);
    zlje = new QLabel(QStringLiteral("0"), this);
    zlje->setObjectName(QStringLiteral("zlje"));
    form->addRow(QStringLiteral("找零金额："), zlje);
    tnote = NamedEdit(this, "tnote", 32);
    form->addRow(QStringLiteral("单据备注："), tnote);
    auto* print = new QHBoxLayout;
    chkXp = new QCheckBox(QStringLiteral("打印小票(F4)"), this);
    chkXp->setObjectName(QStringLiteral("chkXp"));
    txp = NamedEdit(this, "txp", 1);
    txp->setValidator(new QIntValidator(0, 9, txp));
    txp->setText(QStringLiteral("1"));
    txp->setMaximumWidth(40);
    Lxp = new QLabel(QStringLiteral("份"), this);
    print->addWidget(chkXp);
    print->addWidget(txp);
    print->addWidget(Lxp);
    print->addStretch(1);
    form->addRow(print);
    box->addLayout(form);
    AddDialogButtons(box, this, QStringLiteral("确定(F5)"), QStringLiteral("取消(Esc)"), [this] { btnSaveClick(); });
    for (QLineEdit* e : { tfkje, tyhk, twx, tzfb })
        connect(e, &QLineEdit::textChanged, this, [this] { TenderChanged(); });
    AddF4(this, [this] {
        if (!chkXp->isVisible())
            return;
        chkXp->setChecked(true);
        txp->setFocus();
    });
}

void TF_Hygl_Sf::Prepare(double due, bool offerReceipt)
{
    yfje->setText(NumberText(due));
    tfkje->setText(NumberText(due));
    chkXp->setVisible(offerReceipt);
    txp->setVisible(offerReceipt);
    Lxp->setVisible(offerReceipt);
}

void TF_Hygl_Sf::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    guard_ = true;
    for (QLineEdit* e : { tyhk, tzfb, twx })
        e->setText(QStringLiteral("0"));
    tnote->clear();
    zlje->setText(QStringLiteral("0"));
    tfkje->setFocus();
    tfkje->selectAll();
    guard_ = false;
}

void TF_Hygl_Sf::TenderChanged()
{
    if (guard_ || yfje->text().isEmpty())
        return;
    const double change
        = EditNumber(tfkje) + EditNumber(tyhk) + EditNumber(tzfb) + EditNumber(twx) - yfje->text().toDouble();
    zlje->setText(QString::number(std::round(change * 100) / 100, 'f', 2));
}

Tenders TF_Hygl_Sf::CurrentTenders() const
{
    return { EditNumber(tfkje), EditNumber(tyhk), EditNumber(twx), EditNumber(tzfb), zlje->text().toDouble() };
}

void TF_Hygl_Sf::btnSaveClick()
{
    if (zlje->text().isEmpty())
        zlje->setText(QStringLiteral("0"));
    if (std::llround(zlje->text().toDouble() * 100) < 0) {
        Prompt::Info(QStringLiteral("付款金额不足，不能保存！"));
        tfkje->setFocus();
        tfkje->selectAll();
        return;
    }
    if (!ActiveDocKind.isEmpty())
        saveValue();
    OpenMode = QStringLiteral("1");
    accept();
}

void TF_Hygl_Sf::btnExitClick()
{
    close();
}

void TF_Hygl_Sf::saveValue()
{
    TopUpEntry e;
    e.kind = TopUpKind::Opening;
    e.memberSn = ActiveDocKind;
    e.memberName = AuxTag;
    e.methodSn = SelectedLineId;
    e.amount = yfje->text().toDouble();
    e.tenders = CurrentTenders();
    const TopUpResult r = RecordTopUp(e);
    if (chkXp->isVisible() && chkXp->isChecked())
        prinXf(r.number);
}

void TF_Hygl_Sf::prinXf(const QString& number)
{
    PrintTopUpReceipt(number, txp->text().toInt());
}

void TF_Hygl_Sf::hideEvent(QHideEvent* e)
{
    // A caller that hid the receipt choice gets it back for the next caller.
    chkXp->setVisible(true);
    txp->setVisible(true);
    Lxp->setVisible(true);
    Form::hideEvent(e);
}

// ---- the top-up window

TF_Hyxf::TF_Hyxf(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Hyxf"));
    setWindowTitle(QStringLiteral("储值续费"));
    auto* box = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    hy_bh = label("hy_bh");
    form->addRow(QStringLiteral("会员卡号："), hy_bh);
    hy_name = label("hy_name");
    form->addRow(QStringLiteral("会员姓名："), hy_name);
    hh_name = label("hh_name");
    form->addRow(QStringLiteral("优惠方式："), hh_name);
    hy_ye = label("hy_ye");
    form->addRow(QStringLiteral("卡内余额："), hy_ye);
    tje = TenderEdit(this, "tje", 8);
    form->addRow(QStringLiteral("续费金额："), tje);
    tsjje = TenderEdit(this, "tsjje", 10);
    form->addRow(QStringLiteral("实际续费："), tsjje);
    tnote = NamedEdit(this, "tnote", 64);
    form->addRow(QStringLiteral("备注信息："), tnote);
    chkXp = new QCheckBox(QStringLiteral("保存后打印小票(F4)"), this);
    chkXp->setObjectName(QStringLiteral("chkXp"));
    form->addRow(chkXp);
    box->addLayout(form);
    AddDialogButtons(box, this, QStringLiteral("保存(F5)"), QStringLiteral("退出(Esc)"), [this] { btnSaveClick(); });
    connect(tje, &QLineEdit::textEdited, this, [this] { tjeChange(); });
    AddF4(this, [this] { chkXp->setChecked(true); });
}

void TF_Hyxf::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    memberSn_ = OpenMode;
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select a.hy_bh,a.hy_name,a.hy_zhje,a.hh_sn,b.hh_name from jxc_hyxx a,jxc_hyyh b "
                            "where a.hh_sn=b.hh_sn and a.hy_sn=:sn"));
    q.SetParam(QStringLiteral("sn"), memberSn_);
    q.Open();
    hy_bh->setText(q.AsString(QStringLiteral("hy_bh")));
    hy_name->setText(q.AsString(QStringLiteral("hy_name")));
    hh_name->setText(q.AsString(QStringLiteral("hh_name")));
    hy_ye->setText(q.IsEmpty() ? QString() : QString::number(q.AsFloat(QStringLiteral("hy_zhje")), 'f', 2));
    methodSn_ = q.AsString(QStringLiteral("hh_sn"));
    method_ = ReadMemberMethod(methodSn_);
    tje->setText(QStringLiteral("0"));
    tsjje->setText(QStringLiteral("0"));
    tnote->clear();
    tje->setFocus();
    tje->selectAll();
}

void TF_Hyxf::tjeChange()
{
    tsjje->setText(NumberText(std::round(EditNumber(tje) * method_.factor * 100) / 100));
}

void TF_Hyxf::btnSaveClick()
{
    const double amount = EditNumber(tje);
    if (std::llround(amount * 100) == 0) {
        Prompt::Info(QStringLiteral("储值金额不能为零！"));
        tje->setFocus();
        tje->selectAll();
        return;
    }
    // Money taken for a member who was deleted meanwhile would be credited to no one.
    if (ScalarBound(
            QStringLiteral("select hy_sn from jxc_hyxx where hy_sn=:sn"), { { QStringLiteral("sn"), memberSn_ } })
            .isEmpty()) {
        Prompt::Info(QStringLiteral("会员不存在！"));
        return;
    }
    ActiveDocKind.clear();
    AuxTag.clear();
    OpenMode.clear();
    if (!F_Hygl_Sf)
        F_Hygl_Sf = new TF_Hygl_Sf;
    F_Hygl_Sf->Prepare(amount, false);
    Prompt::ShowModal(F_Hygl_Sf);
    ActiveDocKind.clear();
    AuxTag.clear();
    if (OpenMode != QLatin1String("1"))
        return;
    OpenMode.clear();

    TopUpEntry e;
    e.memberSn = memberSn_;
    e.memberName = hy_name->text();
    e.methodSn = methodSn_;
    e.amount = amount;
    e.credited = EditNumber(tsjje);
    e.tenders = F_Hygl_Sf->CurrentTenders();
    e.note = tnote->text().trimmed();
    const TopUpResult r = RecordTopUp(e);

    if (IsTrue(UseSms)) {
        Query m(&F_DataModule->ADOConn);
        m.SetSQL(QStringLiteral("select * from jxc_hyxx where hy_sn=:sn"));
        m.SetParam(QStringLiteral("sn"), memberSn_);
        m.Open();
        const QString mobile = m.AsString(QStringLiteral("hy_mobile"));
        if (!m.IsEmpty() && !mobile.isEmpty()) {
            const QString text = TopUpSmsText({ m.AsString(QStringLiteral("hy_name")),
                m.AsString(QStringLiteral("hy_bh")), m.AsString(QStringLiteral("hy_sr")), amount, r.points,
                m.AsFloat(QStringLiteral("hy_zhje")), m.AsFloat(QStringLiteral("hy_jf")) });
            SmsAction sms;
            const QString sentAt = SmsTimeNow();
            sms.Send(text, mobile);
            LogMemberSms(NextSmsNumber(), memberSn_, mobile, sentAt, text);
            sms.Report();
        }
    }
    delete F_Hygl_Sf;
    F_Hygl_Sf = nullptr;
    PickerCaller = QStringLiteral("ok");
    if (chkXp->isChecked())
        prinXf(r.number);
    accept();
}

void TF_Hyxf::prinXf(const QString& number)
{
    PrintTopUpReceipt(number, 1);
}
