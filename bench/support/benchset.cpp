#include "benchset.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/schema/schema.h"
#include "foundation/settings.h"
#include "platform/base/programfolder.h"
#include "platform/db/connection.h"

#include <QDir>

BenchAccountSet::BenchAccountSet(const std::function<void(Connection&)>& fill)
{
    ProgramFolder::Set(dir_.path());
    QDir(dir_.path()).mkpath(QStringLiteral("data"));
    {
        Connection c;
        c.Open(dir_.filePath(QStringLiteral("data/jxc.mdb")), Connection::OpenMode::CreateIfMissing);
        CreateAllTables(c);
        if (fill)
            fill(c);
    }
    dm_ = std::make_unique<TF_DataModule>();
    dm_->DataModuleCreate();
    CurrentAdminName = QStringLiteral("admin");
    CurrentAdminSn = QStringLiteral("100001");
    CurrentRoleSn = QStringLiteral("100001");
    LoadSystemSettings();
}

BenchAccountSet::~BenchAccountSet() = default;

void BenchAccountSet::Use()
{
    F_DataModule = dm_.get();
    ProgramFolder::Set(dir_.path());
}
