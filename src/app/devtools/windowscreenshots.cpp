// The foundation's windows for the developers' screenshot command. Each builder
// lays out a fresh account set in the (temporary) program folder, connects the data
// module and returns the window as an operator would see it.
#include "foundation/accountsetlayout.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/login.h"
#include "foundation/mainform.h"
#include "foundation/skin.h"
#include "foundation/startup.h"
#include "platform/base/programfolder.h"
#include "platform/ui/screenshots.h"
#include "platform/ui/scriptedprompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

namespace {

std::unique_ptr<TF_DataModule> g_dataModule;
std::unique_ptr<ScriptedPrompt> g_prompt;

// The delivered skin: laid out beside the built program, or still in the source tree.
void layOutSkin()
{
    const QString target = ProgramFolder::File(QStringLiteral("skinfiles/iMaginary.skinres"));
    if (QFile::exists(target))
        return;
    QDir().mkpath(QFileInfo(target).path());
    const QStringList candidates = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/skinfiles/iMaginary.skinres"),
        QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../resources/skinfiles/iMaginary.skinres")),
    };
    for (const QString& c : candidates)
        if (QFile::copy(c, target))
            return;
}

void prepareAccountSet()
{
    if (g_dataModule)
        return;
    LayOutAccountSet(ProgramFolder::Path());
    layOutSkin();
    g_dataModule = std::make_unique<TF_DataModule>();
    g_dataModule->DataModuleCreate();
}

// Answers the first login of the main window as the administrator with an empty password.
void loginAsAdministrator()
{
    g_prompt = std::make_unique<ScriptedPrompt>();
    g_prompt->OnModal(QStringLiteral("TF_Login"), [](QDialog* d) {
        auto* login = static_cast<TF_Login*>(d);
        login->btnOKClick();
        return login->result();
    });
    Prompt::Install(g_prompt.get());
}

QWidget* buildLogin()
{
    prepareAccountSet();
    if (!F_Skin)
        F_Skin = new TF_Skin(g_dataModule.get());
    F_Skin->ChangeSkin(QStringLiteral("iMaginary"));
    SetProductConstants();
    OpenMode.clear();
    return new TF_Login();
}

QWidget* buildMain()
{
    prepareAccountSet();
    loginAsAdministrator();
    // Its first showing applies the skin and runs the login answered above.
    return new TF_MainForm();
}

} // namespace

void RegisterFoundationScreenshots()
{
    Screenshots::Register(QStringLiteral("login"), buildLogin);
    Screenshots::Register(QStringLiteral("main"), buildMain);
}
