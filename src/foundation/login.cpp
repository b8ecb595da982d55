#include "foundation/login.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/dbfaults.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/lifecycle.h"
#include "foundation/rights.h"
#include "foundation/schema/schema.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "foundation/topup.h"
#include "platform/base/programfolder.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <iterator>

QString LoginKeepRunning;
QString LoginFilling;
TF_Login* F_Login = nullptr;

TF_Login::TF_Login(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("F_Login"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    // Esc is one of the window's own keys (cancel), not the dialog's default close.
    SetEscCloses(false);

    auto* banner = banner_ = new QLabel(this);
    banner->setObjectName(QStringLiteral("loginBanner"));
    banner->setAlignment(Qt::AlignCenter);
    QFont bf = banner->font();
    bf.setPointSizeF(bf.pointSizeF() * 1.5);
    bf.setBold(true);
    banner->setFont(bf);
    banner->setMinimumHeight(64);
    banner->setMinimumWidth(420);
    banner->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    banner->setStyleSheet(QStringLiteral("QLabel#loginBanner { color: #ffffff; background-color: #35597f; }"));

    comZt = new KeyedCombo(this);
    comZt->setObjectName(QStringLiteral("comZt"));
    comAdmin = new KeyedCombo(this);
    comAdmin->setObjectName(QStringLiteral("comAdmin"));
    tpwd2 = new QLineEdit(this);
    tpwd2->setObjectName(QStringLiteral("tpwd2"));
    tpwd2->setEchoMode(QLineEdit::Password);
    lMsg = new QLabel(this);
    lMsg->setObjectName(QStringLiteral("lMsg"));
    lMsg->setStyleSheet(QStringLiteral("color: #b03a2e;"));
    btnOK = new QPushButton(QStringLiteral("确定(F5)"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAutoDefault(false);
    btnCancel = new QPushButton(QStringLiteral("取消(Esc)"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(10);
    form->addRow(QStringLiteral("帐套名称："), comZt);
    form->addRow(QStringLiteral("操 作 员："), comAdmin);
    form->addRow(QStringLiteral("密    码："), tpwd2);
    form->addRow(QString(), lMsg);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(28, 18, 28, 18);
    body->addLayout(form);
    body->addSpacing(6);
    body->addLayout(buttons);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(banner);
    root->addLayout(body);
    // The window is as large as its contents and no larger, whatever asks it to grow
    // (a showing cut short by an error left it at the window system's default size).
    root->setSizeConstraint(QLayout::SetFixedSize);

    connect(comZt, &QComboBox::currentIndexChanged, this, [this] { comZtPropertiesChange(); });
    connect(comAdmin, &QComboBox::currentIndexChanged, this, [this] { comAdminPropertiesChange(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    KeyPreview::Install(this, [this](QKeyEvent* e) { return FormKeyDown(e->key()); });
}

void TF_Login::showEvent(QShowEvent* e)
{
    // Centred on the desktop.
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        adjustSize();
        move(s->availableGeometry().center() - rect().center());
    }
    Form::showEvent(e);
}

void TF_Login::FormActivate()
{
    setWindowTitle(BrandWord + QStringLiteral("服装进销存管理系统 ---- 操作员登录"));
    banner_->setText(BrandWord + QStringLiteral(" 服装进销存管理系统"));
    btnOK->setEnabled(true);
    loggedIn_ = false;
    LoginFilling = QStringLiteral("1");
    {
        QSignalBlocker block(comZt);
        try {
            ConnectAccountSets();
        } catch (const std::exception& e) {
            // Without its list of account sets the program cannot go on: one message, then
            // the end, rather than further errors and an empty login.
            LoginFilling = QStringLiteral("0");
            if (F_DataModule)
                F_DataModule->ApplicationEvents1Exception(this, e);
            if (ProgramEnding())
                QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
            return;
        }
        FillAccountSetCombo(*comZt, QStringLiteral("jxc_xtzt"), QStringLiteral("zt_name"), QStringLiteral("zt_dbname"),
            QStringLiteral("zt_sn"));
        comZt->setCurrentIndex(comZt->count() > 0 ? 0 : -1);
        CloseAccountSets();
    }
    setAdminValue();
    LoginFilling = QStringLiteral("0");
    LoginKeepRunning.clear();
    if (OpenMode == QLatin1String("hb"))
        LoginKeepRunning = QStringLiteral("1");
}

void TF_Login::setAdminValue()
{
    try {
        ConnectDatabase(GetComboCode(*comZt, comZt->currentIndex()));
    } catch (const std::exception&) {
        // The operator list below then cannot be filled, and that error is reported.
        LoginFilling = QStringLiteral("0");
    }
    {
        QSignalBlocker block(comAdmin);
        try {
            FillComboWhere(*comAdmin, QStringLiteral("jxc_admin"), QStringLiteral("a_name"), QStringLiteral("a_sn"),
                QStringLiteral("id"), QStringLiteral("where a_jyt=0"));
        } catch (const std::exception&) {
            // An older account set without a_jyt: every operator by name.
            FillComboNames(*comAdmin, QStringLiteral("jxc_admin"), QStringLiteral("a_name"), QStringLiteral("id"),
                QStringLiteral("0"));
        }
        comAdmin->setCurrentIndex(comAdmin->count() > 0 ? 0 : -1);
    }
    comAdminPropertiesChange();
    tpwd2->clear();
    tpwd2->setFocus();
}

void TF_Login::comZtPropertiesChange()
{
    if (LoginFilling == QLatin1String("0"))
        setAdminValue();
}

void TF_Login::comAdminPropertiesChange()
{
    lMsg->clear();
    if (comAdmin->currentIndex() < 0)
        return;
    if (QueryScalar(QStringLiteral("select a_pwd from jxc_admin where a_name='") + comAdmin->currentText()
            + QStringLiteral("'"))
            .isEmpty())
        lMsg->setText(QStringLiteral("初始密码为空"));
}

void TF_Login::btnOKClick()
{
    if (!btnOK->isEnabled())
        return;
    // Off while the login runs, so a second F5 cannot start another; given back on every
    // path that leaves the window open, errors included.
    btnOK->setEnabled(false);
    QString* const state[]
        = { &CurrentAdminName, &CurrentAdminSn, &CurrentRoleSn, &CurrentDbName, &CurrentAccountSetName };
    QString before[std::size(state)];
    for (size_t i = 0; i < std::size(state); ++i)
        before[i] = *state[i];
    try {
        if (logIn())
            return;
    } catch (const std::exception& e) {
        // A failed attempt changes no login state.
        for (size_t i = 0; i < std::size(state); ++i)
            *state[i] = before[i];
        btnOK->setEnabled(true);
        if (!IsDatabaseBusy(e))
            throw;
        Prompt::Info(QStringLiteral("数据库正忙，请稍后再试！"), Prompt::kInfoCaption, Prompt::Icon::Information);
        return;
    }
    btnOK->setEnabled(true);
}

bool TF_Login::logIn()
{
    const QString name = comAdmin->currentText();
    // Passwords are stored in this mapped form; a stored null means no password.
    const QString password = ToFullWidthText(tpwd2->text().trimmed());
    Query& q = F_DataModule->QuerySelect;
    OpenWithParams(q, QStringLiteral("select * from jxc_admin where a_name=:name and ifnull(a_pwd,'')||''=:pwd"),
        { { QStringLiteral("name"), name }, { QStringLiteral("pwd"), password } });
    if (q.RecordCount() == 0) {
        q.Close();
        Prompt::Info(QStringLiteral("用户密码不正确，请重新输入！"), Prompt::kInfoCaption, Prompt::Icon::Information);
        tpwd2->clear();
        tpwd2->setFocus();
        return false;
    }
    q.First();
    CurrentAdminName = q.AsString(QStringLiteral("a_name"));
    CurrentAdminSn = q.AsString(QStringLiteral("a_sn"));
    CurrentRoleSn = q.AsString(QStringLiteral("r_sn"));
    q.Close();
    CurrentDbName = GetComboCode(*comZt, comZt->currentIndex());
    CurrentAccountSetName = comZt->currentText();

    WriteLog(QStringLiteral("登录系统"));
    try {
        LoadSystemSettings();
    } catch (const std::exception&) {
        // The settings are loaded again at the main window's activation.
    }
    UpgradeSchema(F_DataModule->ADOConn);
    ApplyMonthlyTopUpGifts();

    LoginKeepRunning = QStringLiteral("1");
    loggedIn_ = true;
    accept();
    return true;
}

void TF_Login::btnCancelClick()
{
    if (OpenMode == QLatin1String("hb"))
        LoginKeepRunning = QStringLiteral("1");
    reject();
}

void TF_Login::done(int result)
{
    Form::done(result);
    FormClose();
}

void TF_Login::FormClose()
{
    if (LoginKeepRunning != QLatin1String("1")) {
        EndProgram(0);
        return;
    }
    // A new login given up: choosing a set in the list connected it at once, so go back
    // to the set the program is working on, which the status bar still names.
    if (!loggedIn_ && !CurrentDbName.isEmpty() && F_DataModule) {
        const QString inUse = ProgramFolder::File(QStringLiteral("data/") + CurrentDbName);
        if (QFileInfo(F_DataModule->ADOConn.FileName()) != QFileInfo(inUse) || !F_DataModule->ADOConn.Connected())
            ConnectDatabase(CurrentDbName);
    }
}

bool TF_Login::FormKeyDown(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F5:
        btnOKClick();
        return true;
    case Qt::Key_Escape:
        btnCancelClick();
        return true;
    default:
        return false;
    }
}
