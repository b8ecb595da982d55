#include "admin/xtwh.h"

#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "platform/ui/prompt.h"

#include <QGridLayout>
#include <QStyle>
#include <QToolButton>

namespace {

QToolButton* PictureButton(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap icon)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setIconSize(QSize(48, 48));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setMinimumSize(120, 96);
    b->setAutoRaise(true);
    return b;
}

} // namespace

TF_Xtwh::TF_Xtwh(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Xtwh"));
    setWindowTitle(QStringLiteral("系统维护"));
    btn_Menu6_Btn9
        = PictureButton(this, "btn_Menu6_Btn9", QStringLiteral("报表设计"), QStyle::SP_FileDialogDetailedView);
    btn_Menu6_BtnF = PictureButton(this, "btn_Menu6_BtnF", QStringLiteral("数据结算"), QStyle::SP_DialogApplyButton);
    btn_Menu6_BtnG = PictureButton(this, "btn_Menu6_BtnG", QStringLiteral("查看日志"), QStyle::SP_FileDialogInfoView);
    btn_Menu6_BtnD = PictureButton(this, "btn_Menu6_BtnD", QStringLiteral("数据清理"), QStyle::SP_TrashIcon);
    btn_Menu6_BtnB = PictureButton(this, "btn_Menu6_BtnB", QStringLiteral("条码管理"), QStyle::SP_FileDialogListView);
    btn_Menu6_BtnC = PictureButton(this, "btn_Menu6_BtnC", QStringLiteral("帐套管理"), QStyle::SP_DriveHDIcon);
    auto* grid = new QGridLayout(this);
    grid->setSpacing(16);
    grid->setContentsMargins(24, 24, 24, 24);
    const QToolButton* order[]
        = { btn_Menu6_Btn9, btn_Menu6_BtnF, btn_Menu6_BtnG, btn_Menu6_BtnD, btn_Menu6_BtnB, btn_Menu6_BtnC };
    for (int i = 0; i < 6; ++i)
        grid->addWidget(const_cast<QToolButton*>(order[i]), i / 3, i % 3);
    connect(btn_Menu6_Btn9, &QToolButton::clicked, this, [this] { btn_Menu6_Btn9Click(); });
    connect(btn_Menu6_BtnF, &QToolButton::clicked, this, [this] { btn_Menu6_BtnFClick(); });
    connect(btn_Menu6_BtnG, &QToolButton::clicked, this, [this] { btn_Menu6_BtnGClick(); });
    connect(btn_Menu6_BtnD, &QToolButton::clicked, this, [this] { btn_Menu6_BtnDClick(); });
    connect(btn_Menu6_BtnB, &QToolButton::clicked, this, [this] { btn_Menu6_BtnBClick(); });
    connect(btn_Menu6_BtnC, &QToolButton::clicked, this, [this] { btn_Menu6_BtnCClick(); });
}

bool TF_Xtwh::OpenWithRight(int position, const QString& label, const QString& window)
{
    if (!HasRight(QStringLiteral("qtcz"), position)) {
        Prompt::Info(QStringLiteral("您没有权限进行") + label);
        return false;
    }
    FunctionWindows::Open(window, FunctionWindows::Lifetime::Freed);
    return true;
}

bool TF_Xtwh::OpenForAdministrator(const QString& window)
{
    if (CurrentRoleSn != kAdministratorRole) {
        Prompt::Info(QStringLiteral("只有系统管理员才能使用此功能！"));
        return false;
    }
    FunctionWindows::Open(window, FunctionWindows::Lifetime::Freed);
    return true;
}

void TF_Xtwh::btn_Menu6_Btn9Click()
{
    OpenWithRight(19, QStringLiteral("报表设计！"), QStringLiteral("TF_Bbsj"));
}

void TF_Xtwh::btn_Menu6_BtnFClick()
{
    OpenForAdministrator(QStringLiteral("TF_Nzjs"));
}

void TF_Xtwh::btn_Menu6_BtnGClick()
{
    OpenWithRight(10, QStringLiteral("查看日志！"), QStringLiteral("TF_ViewLog"));
}

void TF_Xtwh::btn_Menu6_BtnDClick()
{
    OpenForAdministrator(QStringLiteral("TF_Sjql"));
}

void TF_Xtwh::btn_Menu6_BtnBClick()
{
    OpenWithRight(14, QStringLiteral("条码管理！"), QStringLiteral("TF_Tmgl"));
}

void TF_Xtwh::btn_Menu6_BtnCClick()
{
    OpenWithRight(13, QStringLiteral("帐套管理！"), QStringLiteral("TF_Ztgl"));
}
