#include "members/smscs.h"

#include "foundation/datamodule.h"
#include "foundation/settings.h"
#include "masterdata/boundsql.h"
#include "masterdata/pickersform.h"
#include "members/smssend.h"
#include "platform/db/transaction.h"
#include "platform/ui/prompt.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QPlainTextEdit* TemplateEdit(QWidget* parent, const char* name)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setFixedHeight(70);
    // At most 200 characters, as the help says.
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] {
        const QString text = edit->toPlainText();
        if (text.size() > 200) {
            edit->setPlainText(text.left(200));
            edit->moveCursor(QTextCursor::End);
        }
    });
    return edit;
}

} // namespace

TF_Sms_Cs::TF_Sms_Cs(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Sms_Cs"));
    setWindowTitle(QStringLiteral("短信参数定义"));
    auto* box = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    tsign = NamedEdit(this, "tsign", 16);
    form->addRow(QStringLiteral("短信签名："), tsign);
    tuser = NamedEdit(this, "tuser", 32);
    form->addRow(QStringLiteral("短信账号："), tuser);
    tpwd = NamedEdit(this, "tpwd", 32);
    tpwd->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("短信密码："), tpwd);
    auto* gateway = new QHBoxLayout;
    thost = NamedEdit(this, "thost", 64);
    tport = NamedEdit(this, "tport", 5);
    tport->setValidator(new QIntValidator(1, 65535, tport));
    tport->setMaximumWidth(70);
    gateway->addWidget(thost, 1);
    gateway->addWidget(new QLabel(QStringLiteral("端口："), this));
    gateway->addWidget(tport);
    form->addRow(QStringLiteral("短信网关："), gateway);
    tcznote = TemplateEdit(this, "tcznote");
    form->addRow(QStringLiteral("充值短信内容："), tcznote);
    txfnote = TemplateEdit(this, "txfnote");
    form->addRow(QStringLiteral("消费短信内容："), txfnote);
    auto* help = new QLabel(QStringLiteral("短信帮助：{hyname} 会员姓名，{hybh} 会员卡号，{hysr} 会员生日，{czje} "
                                           "充值金额，{xfje} 消费金额，{czkje} 储值卡余额，{bcjf} 本次积分，{zjf} "
                                           "总积分。\n内容不能超过200个字。\n不能出现“【”和“】”符号，否则发送将失败！"),
        this);
    help->setWordWrap(true);
    form->addRow(help);
    box->addLayout(form);
    AddDialogButtons(box, this, QStringLiteral("确定(F5)"), QStringLiteral("退出(Esc)"), [this] { btnSaveClick(); });
}

void TF_Sms_Cs::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select * from jxc_smscs order by id"));
    q.Open();
    auto text = [&q](const char* column) {
        return !q.IsEmpty() && q.HasField(QLatin1String(column)) ? q.AsString(QLatin1String(column)) : QString();
    };
    tsign->setText(text("sms_sign").isEmpty() ? CompanyShortName : text("sms_sign"));
    tuser->setText(text("sms_user"));
    tpwd->setText(text("sms_pwd"));
    thost->setText(text("sms_host"));
    tport->setText(text("sms_port").isEmpty() ? QStringLiteral("8500") : text("sms_port"));
    tcznote->setPlainText(text("sms_cznote").isEmpty() ? DefaultTopUpSms() : text("sms_cznote"));
    txfnote->setPlainText(text("sms_xfnote").isEmpty() ? DefaultSaleSms() : text("sms_xfnote"));
    tsign->setFocus();
}

QString SaveSmsSettings(const SmsSettingsEntry& e)
{
    if (e.user.trimmed().isEmpty())
        return QStringLiteral("用户名必须填写！");
    if (e.password.isEmpty())
        return QStringLiteral("密码必须填写！");
    const QString port = e.port.trimmed().isEmpty() ? QStringLiteral("8500") : e.port.trimmed();
    {
        Transaction t(F_DataModule->ADOConn);
        ExecBound(QStringLiteral("delete from jxc_smscs"), {});
        ExecBound(QStringLiteral("insert into jxc_smscs (sms_sign,sms_user,sms_pwd,sms_cznote,sms_xfnote,sms_host,"
                                 "sms_port) values (:sign,:user,:pwd,:cz,:xf,:host,:port)"),
            { { QStringLiteral("sign"), e.sign.trimmed() }, { QStringLiteral("user"), e.user.trimmed() },
                { QStringLiteral("pwd"), e.password.trimmed() }, { QStringLiteral("cz"), e.topUpText.trimmed() },
                { QStringLiteral("xf"), e.saleText.trimmed() }, { QStringLiteral("host"), e.host.trimmed() },
                { QStringLiteral("port"), port } });
        t.Commit();
    }
    LoadSmsSettings();
    return QString();
}

void TF_Sms_Cs::btnSaveClick()
{
    const QString refusal = SaveSmsSettings({ tsign->text(), tuser->text(), tpwd->text(), tcznote->toPlainText(),
        txfnote->toPlainText(), thost->text(), tport->text() });
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        (refusal.startsWith(QStringLiteral("用户名")) ? tuser : tpwd)->setFocus();
        return;
    }
    close();
}
