#include "pos/posauth.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/sqltext.h"
#include "platform/db/query.h"
#include "platform/ui/prompt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

bool OperatorPasswordMatches(const QString& adminName, const QString& password, QString* roleSn)
{
    Query q(&F_DataModule->ADOConn);
    OpenWithParams(q,
        QStringLiteral("select a_name,r_sn from jxc_admin where a_name=:name and ifnull(a_pwd,'')||''=:pwd"),
        { { QStringLiteral("name"), adminName }, { QStringLiteral("pwd"), ToFullWidthText(password.trimmed()) } });
    if (q.IsEmpty())
        return false;
    q.First();
    if (roleSn)
        *roleSn = q.AsString(QStringLiteral("r_sn"));
    return true;
}

TF_Posxs_Login::TF_Posxs_Login(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Posxs_Login"));
    setWindowTitle(QStringLiteral("柜长授权"));
    resize(320, 150);
    auto* box = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    comAdmin = new QComboBox(this);
    tpwd = new QLineEdit(this);
    tpwd->setEchoMode(QLineEdit::Password);
    grid->addWidget(new QLabel(QStringLiteral("柜长："), this), 0, 0);
    grid->addWidget(comAdmin, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("密码："), this), 1, 0);
    grid->addWidget(tpwd, 1, 1);
    box->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    btnOK = new QPushButton(QStringLiteral("确定(F5)"), this);
    btnCancel = new QPushButton(QStringLiteral("取消(Esc)"), this);
    btnOK->setAutoDefault(false);
    btnCancel->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    box->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, &TF_Posxs_Login::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TF_Posxs_Login::btnCancelClick);
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        if (e->key() == Qt::Key_F5 || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            btnOKClick();
            return true;
        }
        return false;
    });
}

void TF_Posxs_Login::FormActivate()
{
    FillComboNamesWhere(*comAdmin, QStringLiteral("jxc_admin"), QStringLiteral("a_name"), QStringLiteral("id"),
        QStringLiteral("where a_pos<>0"), QStringLiteral("0"));
    if (comAdmin->count() > 0)
        comAdmin->setCurrentIndex(0);
    tpwd->clear();
    tpwd->setFocus();
}

void TF_Posxs_Login::btnOKClick()
{
    QString role;
    const QString name = comAdmin->currentText();
    if (name.isEmpty() || !OperatorPasswordMatches(name, tpwd->text(), &role)) {
        Prompt::Info(QStringLiteral("用户密码不正确，请重新输入！"));
        tpwd->clear();
        tpwd->setFocus();
        return;
    }
    AuthSupervisorName = name;
    AuthSupervisorRole = role;
    accept();
}

void TF_Posxs_Login::btnCancelClick()
{
    reject();
}

bool AskSupervisor(const QString& caption)
{
    AuthSupervisorName.clear();
    AuthSupervisorRole.clear();
    TF_Posxs_Login dialog;
    dialog.setWindowTitle(caption);
    dialog.ShowModal();
    return !AuthSupervisorName.isEmpty();
}
