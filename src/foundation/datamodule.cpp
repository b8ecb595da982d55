#include "foundation/datamodule.h"

#include "foundation/dbfaults.h"
#include "foundation/lifecycle.h"
#include "platform/base/programfolder.h"
#include "platform/db/dberror.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/sheet/sheetreader.h"
#include "platform/ui/prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <stdexcept>

TF_DataModule* F_DataModule = nullptr;

TF_DataModule::TF_DataModule(QObject* parent)
    : QObject(parent), QueryTmp(&ADOConn), QuerySelect(&ADOConn), QueryTmp2(&ADOConn), QueryTmpZT(&ADOConnZT),
      QueryXtzt(&ADOConnZT), Q_Excel(&XLSConn), Q_GoodsPrin(&ADOConn), dsTmp(&QueryTmp), dsXtzt(&QueryXtzt)
{
    setObjectName(QStringLiteral("F_DataModule"));
    F_DataModule = this;
    QueryXtzt.SetSQL(QStringLiteral("select * from jxc_xtzt order by id "));
    dsXtzt.SetReadOnly(true);
    // The supplier and customer lists of the pickers (combos.h).
    DeclareDatasets({ QStringLiteral("Q_Ghsxx"), QStringLiteral("Q_Khxx") });
}

TF_DataModule::~TF_DataModule()
{
    queries_.clear();
    if (F_DataModule == this)
        F_DataModule = nullptr;
}

void TF_DataModule::DataModuleCreate()
{
    const QString file = ProgramFolder::File(QStringLiteral("data/jxc.mdb"));
    QFile f(file);
    if (f.exists() && !(f.permissions() & QFileDevice::WriteOwner))
        f.setPermissions(f.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    ConnectDatabase(QStringLiteral("jxc.mdb"));
}

namespace {
QSet<QString>& declaredDatasets()
{
    static QSet<QString> names;
    return names;
}
}

void DeclareDatasets(const QStringList& names)
{
    for (const QString& n : names)
        declaredDatasets().insert(n);
}

Query& TF_DataModule::Q(const QString& name)
{
    auto it = queries_.find(name);
    if (it == queries_.end() && !declaredDatasets().contains(name))
        throw std::invalid_argument("no window declares the dataset " + name.toStdString());
    if (it == queries_.end())
        it = queries_.emplace(name, std::make_unique<Query>(&ADOConn)).first;
    it->second->setObjectName(name);
    return *it->second;
}

DataSource& TF_DataModule::D(const QString& name)
{
    auto it = sources_.find(name);
    if (it == sources_.end()) {
        QString q = name;
        if (q.startsWith(QLatin1String("D_")))
            q = QStringLiteral("Q_") + q.mid(2);
        it = sources_.emplace(name, std::make_unique<DataSource>(&Q(q))).first;
    }
    return *it->second;
}

void TF_DataModule::EnsureExcelConnected()
{
    if (XLSConn.Connected())
        return;
    if (ExcelPath.isEmpty())
        throw DbError(QStringLiteral("no spreadsheet file has been chosen"));
    // The first sheet becomes a table of its own name in a database held in memory,
    // its columns named by the sheet's first row, so that the import windows read it
    // with "select * from [" + sheet + "] " like any other table.
    SheetData sheet;
    QString error;
    if (!SheetReader::ReadSheet(ExcelPath, 0, &sheet, &error))
        throw DbError(error);
    if (sheet.columns.isEmpty())
        sheet.columns << QStringLiteral("F1");
    auto quoted = [](QString name) {
        return QLatin1Char('"') + name.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
    };
    QStringList columns, marks;
    for (const QString& c : sheet.columns) {
        columns << quoted(c) + QStringLiteral(" text");
        marks << QStringLiteral("?");
    }
    XLSConn.OpenMemory();
    try {
        Transaction work(XLSConn);
        XLSConn.Exec(QStringLiteral("create table ") + quoted(sheet.name) + QStringLiteral(" (")
            + columns.join(QLatin1Char(',')) + QStringLiteral(")"));
        Statement insert = XLSConn.Prepare(QStringLiteral("insert into ") + quoted(sheet.name)
            + QStringLiteral(" values (") + marks.join(QLatin1Char(',')) + QStringLiteral(")"));
        for (const QStringList& row : sheet.rows) {
            for (int c = 0; c < row.size(); ++c)
                // An empty cell is null, as a spreadsheet provider reads it.
                insert.Bind(c + 1, row.at(c).isEmpty() ? QVariant() : QVariant(row.at(c)));
            insert.Run();
        }
        work.Commit();
    } catch (...) {
        XLSConn.Close();
        throw;
    }
}

namespace {
bool isCatalogue(const QString& file)
{
    return QFileInfo(file).fileName().compare(QLatin1String("codeinfo.dll"), Qt::CaseInsensitive) == 0;
}

bool isDeliveredSet(const QString& file)
{
    return QFileInfo(file).fileName().compare(QLatin1String("jxc.mdb"), Qt::CaseInsensitive) == 0;
}

const QString kWillExit = QStringLiteral("\r\n\r\n系统将退出！");
}

void TF_DataModule::ApplicationEvents1Exception(QObject*, const std::exception& error)
{
    // A file that cannot be written must not read as a damaged one: that could lead an
    // operator to restore an old backup over good data.
    if (const auto* f = dynamic_cast<const DbFileError*>(&error)) {
        const bool vital = isCatalogue(f->file()) || isDeliveredSet(f->file());
        if (f->fault() == DbFileFault::CannotWrite) {
            Prompt::Info(QStringLiteral("数据库文件无法写入：") + QDir::toNativeSeparators(f->where())
                + (vital ? kWillExit : QString()));
            if (vital)
                EndProgram(1);
            return;
        }
        if (isCatalogue(f->file())) {
            Prompt::Info(QStringLiteral("帐套列表文件不可识别：") + QDir::toNativeSeparators(f->file()) + kWillExit);
            EndProgram(1);
            return;
        }
    }
    const QString lowered = QString::fromUtf8(error.what()).toLower();
    if (lowered.contains(QLatin1String("jxc.mdb"))) {
        Prompt::Info(QStringLiteral("数据库格式不可识别！\r\n\r\n系统将退出！"));
        EndProgram(1);
        return;
    }
    Prompt::Info(lowered);
}

// ---- routines ----

void SetQuerySQL(Query& query, const QString& statement)
{
    query.Close();
    query.SetSQL(statement);
}

// These run on the connection directly rather than on QueryTmp, so that a caller
// walking QueryTmp keeps its rows.
void ExecSQL(const QString& statement)
{
    F_DataModule->ADOConn.Exec(statement, {});
}

QString QueryScalar(const QString& statement)
{
    return SelectScalar(F_DataModule->ADOConn, statement);
}

QString QueryScalarZT(const QString& statement)
{
    return SelectScalar(F_DataModule->ADOConnZT, statement);
}

void OpenSelect(const QString& statement)
{
    OpenQuery(F_DataModule->QuerySelect, statement);
}

void OpenQuery(Query& query, const QString& statement)
{
    SetQuerySQL(query, statement);
    if (&query == &F_DataModule->Q_Excel)
        F_DataModule->EnsureExcelConnected();
    query.Open();
}

void DropTableIfExists(const QString& table)
{
    // Only a table that is not there is passed over; a failed drop raises.
    if (F_DataModule->ADOConn.TableExists(table))
        ExecSQL(QStringLiteral("drop table ") + table);
}

void ConnectDatabase(const QString& fileName)
{
    if (!Connection::IsServerAddress(fileName)) {
        OpenDatabaseFile(F_DataModule->ADOConn, ProgramFolder::File(QStringLiteral("data/") + fileName),
            { QStringLiteral("jxc_admin"), QStringLiteral("jxc_xtcs") });
        return;
    }
    F_DataModule->ADOConn.Close();
    // A set on a server: its password is kept beside it in this machine's catalogue.
    QString password;
    {
        Connection catalogue;
        catalogue.Open(ProgramFolder::File(QStringLiteral("data/codeinfo.dll")));
        password = SelectScalar(catalogue, QStringLiteral("select zt_dbpwd from jxc_xtzt where zt_dbname=:name"),
            { { QStringLiteral("name"), fileName } });
    }
    F_DataModule->ADOConn.Open(fileName, Connection::OpenMode::ExistingOnly, password);
}

void ConnectAccountSets()
{
    OpenDatabaseFile(F_DataModule->ADOConnZT, ProgramFolder::File(QStringLiteral("data/codeinfo.dll")),
        { QStringLiteral("jxc_xtzt") });
}

void CloseAccountSets()
{
    F_DataModule->QueryTmpZT.Close();
    F_DataModule->QueryXtzt.Close();
    F_DataModule->ADOConnZT.Close();
}

void ConnectExcel(const QString& path)
{
    CloseExcel();
    F_DataModule->ExcelPath = path;
}

QStringList ExcelSheetNames()
{
    QStringList names;
    QString error;
    if (!SheetReader::SheetNames(F_DataModule->ExcelPath, &names, &error))
        throw DbError(error);
    return names;
}

void CloseExcel()
{
    F_DataModule->Q_Excel.Close();
    F_DataModule->XLSConn.Close();
}
