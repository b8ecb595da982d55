#include "admin/sjql.h"

#include "admin/listparts.h"
#include "admin/longrun.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/keypreview.h"
#include "foundation/schema/schema.h"
#include "foundation/setfiles.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/transaction.h"
#include "platform/ui/prompt.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

void ClearAccountSet(bool keepBase)
{
    LongRun progress(QStringLiteral("软件数据清理"), 1);
    progress.Step(QStringLiteral("正在删除营业数据..."));
    Connection& c = F_DataModule->ADOConn;
    Transaction t(c);
    if (keepBase)
        ClearBusinessDataAndStock(c);
    else
        CreateAllTables(c);
    t.Commit();
}

TF_Sjql::TF_Sjql(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_Sjql"));
    setWindowTitle(QStringLiteral("软件数据清理(系统初始化)"));
    SetEscCloses(false);

    auto* group = new QGroupBox(QStringLiteral("操作方式选择"), this);
    rSele21 = new QRadioButton(QStringLiteral("保留基本信息"), group);
    rSele21->setObjectName(QStringLiteral("rSele21"));
    rSele22 = new QRadioButton(QStringLiteral("删除所有数据(admin密码为空)"), group);
    rSele22->setObjectName(QStringLiteral("rSele22"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(rSele21);
    groupLayout->addWidget(rSele22);
    groupLayout->addSpacing(8);
    for (const QString& line : { QStringLiteral("提示："), QStringLiteral("1：系统初始化将删除所有营业数据；"),
             QStringLiteral("2：数据删除后将不可恢复；"),
             QStringLiteral("3：保留基本信息是指保留商品信息、用户、客户、\n供货商等基本信息，并将库存清零。") }) {
        auto* note = new QLabel(line, group);
        note->setStyleSheet(QStringLiteral("color: #b00000;"));
        groupLayout->addWidget(note);
    }

    const DialogButtons buttons
        = MakeDialogButtons(this, "btnOK2", QStringLiteral("确定(F5)"), "btnExit", QStringLiteral("退出(Esc)"));
    btnOK2 = buttons.ok;
    btnExit = buttons.cancel;
    auto* root = new QVBoxLayout(this);
    root->addWidget(group, 1);
    root->addLayout(buttons.layout);
    resize(420, 300);

    connect(btnOK2, &QPushButton::clicked, this, [this] { btnOK2Click(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { close(); });
    InstallActionKeys(this, [this] { btnOK2Click(); });
}

void TF_Sjql::FormActivate()
{
    ApplyFontSize(FontSize);
    rSele21->setChecked(true);
}

void TF_Sjql::btnOK2Click()
{
    if (Prompt::YesNo(QStringLiteral("系统初始化之前建议先备份数据库，现在是否备份数据库？")) == Prompt::Answer::Yes) {
        const BackupResult r
            = BackupAccountSet(CurrentDbName, ProgramFolder::Path(), CurrentAccountSetName, Clock::Now());
        if (!r.ok) {
            // The copy that was asked for is missing: nothing is cleared.
            ShowBackupFailure(r.error);
            return;
        }
        Prompt::Info(QStringLiteral("备份成功！备份文件保存在") + QDir::toNativeSeparators(r.file));
    }
    if (Prompt::YesNo(QStringLiteral("是否要删除所有营业数据？")) != Prompt::Answer::Yes) {
        close();
        return;
    }
    ClearAccountSet(rSele21->isChecked());
    Prompt::Info(QStringLiteral("删除完成！"));
    close();
}
