#include "pos/xtsd.h"

#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "platform/ui/prompt.h"
#include "pos/posauth.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Xtsd::TF_Xtsd(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Xtsd"));
    setWindowTitle(QStringLiteral("系统锁定"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    SetEscCloses(false);
    resize(360, 220);
    auto* box = new QVBoxLayout(this);
    auto* picture = new QLabel(QStringLiteral("系统已锁定"), this);
    picture->setAlignment(Qt::AlignCenter);
    QFont big = picture->font();
    big.setPointSize(20);
    big.setBold(true);
    picture->setFont(big);
    box->addWidget(picture);
    lName = new QLabel(this);
    box->addWidget(lName);
    tpwd = new QLineEdit(this);
    tpwd->setEchoMode(QLineEdit::Password);
    box->addWidget(tpwd);
    btnUnlock = new QPushButton(QStringLiteral("解    锁(F5)"), this);
    btnUnlock->setAutoDefault(false);
    box->addWidget(btnUnlock);
    connect(btnUnlock, &QPushButton::clicked, this, &TF_Xtsd::btnUnlockClick);
    KeyPreview::Install(this, [this](QKeyEvent* e) {
        if (e->key() == Qt::Key_F5) {
            btnUnlockClick();
            return true;
        }
        return e->key() == Qt::Key_Escape;
    });
}

void TF_Xtsd::FormActivate()
{
    unlocked_ = false;
    lName->setText(QStringLiteral("操作员：") + CurrentAdminName);
    tpwd->clear();
    tpwd->setFocus();
}

bool TF_Xtsd::FormCloseQuery()
{
    return unlocked_;
}

void TF_Xtsd::btnUnlockClick()
{
    if (!OperatorPasswordMatches(CurrentAdminName, tpwd->text())) {
        Prompt::Info(QStringLiteral("用户密码错误，请重新输入！"));
        tpwd->clear();
        tpwd->setFocus();
        return;
    }
    unlocked_ = true;
    accept();
}
