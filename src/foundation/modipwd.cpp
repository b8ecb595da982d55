#include "foundation/modipwd.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/ui/prompt.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_PwdModi* F_PwdModi = nullptr;

namespace {
bool refusedInPassword(const QString& typed)
{
    static const QString refused = QStringLiteral("!\"%&',=?[\\]^@");
    for (QChar c : typed)
        if (refused.contains(c))
            return true;
    return false;
}

void info(const QString& text)
{
    Prompt::Info(text, Prompt::kInfoCaption, Prompt::Icon::Information);
}
}

TF_PwdModi::TF_PwdModi(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("F_PwdModi"));
    setWindowTitle(QStringLiteral("修改密码"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    SetEscCloses(false);

    aname = new QLabel(this);
    aname->setObjectName(QStringLiteral("aname"));
    tOldPwd = new QLineEdit(this);
    tOldPwd->setObjectName(QStringLiteral("tOldPwd"));
    tnewpwd = new QLineEdit(this);
    tnewpwd->setObjectName(QStringLiteral("tnewpwd"));
    tnewpwd2 = new QLineEdit(this);
    tnewpwd2->setObjectName(QStringLiteral("tnewpwd2"));
    for (QLineEdit* e : { tOldPwd, tnewpwd, tnewpwd2 })
        e->setEchoMode(QLineEdit::Password);
    btnOK = new QPushButton(QStringLiteral("修改(F5)"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAutoDefault(false);
    btnExit = new QPushButton(QStringLiteral("退出(Esc)"), this);
    btnExit->setObjectName(QStringLiteral("btnExit"));
    btnExit->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setVerticalSpacing(10);
    form->addRow(QStringLiteral("操作员："), aname);
    form->addRow(QStringLiteral("当前密码："), tOldPwd);
    form->addRow(QStringLiteral("新 密  码："), tnewpwd);
    form->addRow(QStringLiteral("再次输入新密码："), tnewpwd2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(24, 18, 24, 18);
    root->addLayout(form);
    root->addSpacing(8);
    root->addLayout(buttons);
    setMinimumWidth(380);

    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });
    tnewpwd->installEventFilter(this);
    tnewpwd2->installEventFilter(this);
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

void TF_PwdModi::FormActivate()
{
    ApplyFontSize(FontSize);
    aname->setText(CurrentAdminName);
    tOldPwd->clear();
    tnewpwd->clear();
    tnewpwd2->clear();
    tOldPwd->setFocus();
}

bool TF_PwdModi::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (watched == tnewpwd && tnewpwdKeyPress(k))
            return true;
        if (watched == tnewpwd2 && tnewpwd2KeyPress(k))
            return true;
    }
    return Form::eventFilter(watched, event);
}

bool TF_PwdModi::tnewpwdKeyPress(QKeyEvent* e)
{
    return refusedInPassword(e->text());
}

bool TF_PwdModi::tnewpwd2KeyPress(QKeyEvent* e)
{
    return refusedInPassword(e->text());
}

bool TF_PwdModi::FormKeyDown(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        focusNextChild();
        return true;
    case Qt::Key_F5:
        btnOKClick();
        return true;
    case Qt::Key_Escape:
        btnExitClick();
        return true;
    default:
        return false;
    }
}

void TF_PwdModi::btnOKClick()
{
    const QString newPwd = tnewpwd->text().trimmed();
    if (newPwd != tnewpwd2->text().trimmed()) {
        info(QStringLiteral("两次密码输入不一致，不能修改密码！"));
        return;
    }
    const QString stored = ToFullWidthText(newPwd);
    // A longer password would not fit the stored column and could never be typed in again.
    if (stored.size() > kMaxPasswordLength) {
        info(QStringLiteral("新密码不能超过32个字符，不能修改密码！"));
        return;
    }
    const QString name = aname->text();
    bool found = false;
    SelectScalar(F_DataModule->ADOConn,
        QStringLiteral("select a_sn from jxc_admin where a_name=:name and ifnull(a_pwd,'')||''=:pwd"),
        { { QStringLiteral("name"), name }, { QStringLiteral("pwd"), ToFullWidthText(tOldPwd->text().trimmed()) } },
        &found);
    if (!found) {
        info(QStringLiteral("当前密码错误，不能修改密码！"));
        return;
    }
    F_DataModule->ADOConn.Exec(QStringLiteral("update jxc_admin set a_pwd=:pwd where a_name=:name"),
        { { QStringLiteral("pwd"), stored }, { QStringLiteral("name"), name } });
    info(QStringLiteral("密码修改成功！"));
    close();
}

void TF_PwdModi::btnExitClick()
{
    close();
}
