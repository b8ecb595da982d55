// The windows for the developers' screenshot command. Every window is built on a
// fresh account set laid out in the (temporary) program folder, with the data module
// connected and the administrator logged in, as an operator would see it.
#include "app/devtools/accountsetlayout.h"
#include "app/devtools/deliveredfile.h"
#include "app/devtools/samplescreenshots.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/login.h"
#include "foundation/mainform.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "foundation/startup.h"
#include "platform/base/programfolder.h"
#include "platform/ui/screenshots.h"
#include "platform/ui/scriptedprompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

namespace {

std::unique_ptr<TF_DataModule> g_dataModule;
std::unique_ptr<ScriptedPrompt> g_prompt;

void layOutSkin()
{
    const QString rel = QStringLiteral("skinfiles/iMaginary.skinres");
    const QString target = ProgramFolder::File(rel);
    if (QFile::exists(target))
        return;
    QDir().mkpath(QFileInfo(target).path());
    QFile::copy(DeliveredFile(rel), target);
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

// A business window opens after the login: the administrator of the delivered set.
void prepareLoggedIn()
{
    prepareAccountSet();
    CurrentAdminName = QStringLiteral("admin");
    CurrentAdminSn = QStringLiteral("100001");
    CurrentRoleSn = QStringLiteral("100001");
    CurrentDbName = QStringLiteral("jxc.mdb");
    CurrentAccountSetName = QStringLiteral("默认帐套");
    SetProductConstants();
    LoadSystemSettings();
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

void RegisterSampleScreenshots()
{
    Screenshots::SetPreparation(prepareLoggedIn);
    Screenshots::Register(QStringLiteral("TF_Login"), buildLogin);
    Screenshots::Register(QStringLiteral("TF_MainForm"), buildMain);
    RegisterGridScreenshots();
    RegisterReportScreenshots();
    RegisterMasterDataScreenshots();
    RegisterDocumentsScreenshots();
    RegisterPurchasingScreenshots();
    RegisterPurchaseQueryScreenshots();
    RegisterReturnScreenshots();
    RegisterOrderScreenshots();
    RegisterSalesScreenshots();
    RegisterXsthScreenshots();
    RegisterSalesOrderScreenshots();
    RegisterSalesQueryScreenshots();
    RegisterAdminScreenshots();
    RegisterMembersScreenshots();
    RegisterMemberCardScreenshots();
    RegisterPosScreenshots();
    RegisterPosCheckoutScreenshots();
    RegisterPosCashScreenshots();
    RegisterPosStatsScreenshots();
    RegisterPosReportScreenshots();
    RegisterAccountsScreenshots();
    RegisterWarehouseScreenshots();
    RegisterLossOverflowScreenshots();
    RegisterProductionScreenshots();
    RegisterStockTakeScreenshots();
    RegisterStockReportsScreenshots();
    RegisterStatisticsScreenshots();
    RegisterExpenseScreenshots();
}
