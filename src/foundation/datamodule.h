#pragma once
#include "platform/db/connection.h"
#include "platform/db/datasource.h"
#include "platform/db/query.h"

#include <QObject>
#include <QStringList>
#include <exception>
#include <map>
#include <memory>

// The data module: the three connections, the shared queries and the datasets that
// the windows' grids are bound to (windows own no datasets of their own).
class TF_DataModule : public QObject {
    Q_OBJECT
public:
    explicit TF_DataModule(QObject* parent = nullptr);
    ~TF_DataModule() override;

    // Connects the delivered account set; a missing, damaged or unwritable file raises
    // to the caller.
    void DataModuleCreate();
    // The handler of every error that no event handler caught. The delivered set or the
    // catalogue unusable or unwritable ends the program.
    void ApplicationEvents1Exception(QObject* sender, const std::exception& error);

    Connection ADOConn;   // the current account set
    Connection ADOConnZT; // the account-set catalogue
    Connection XLSConn;   // the spreadsheet being imported

    Query QueryTmp;
    Query QuerySelect;
    Query QueryTmp2;
    Query QueryTmpZT;
    Query QueryXtzt;
    Query Q_Excel;
    Query Q_GoodsPrin;
    DataSource dsTmp;
    DataSource dsXtzt;

    // A window's dataset by its name ("Q_Goods"), created on first use on ADOConn; a
    // name that no window declared (DeclareDatasets) raises std::invalid_argument
    // naming it, so a misspelt name fails at once instead of giving an empty dataset.
    Query& Q(const QString& name);
    // Its data source ("D_Goods" goes with "Q_Goods").
    DataSource& D(const QString& name);

    // The spreadsheet chosen by ConnectExcel; the reader tells the format by the content.
    QString ExcelPath;
    // Loads the chosen spreadsheet into XLSConn when it is not connected yet.
    void EnsureExcelConnected();

private:
    std::map<QString, std::unique_ptr<Query>> queries_;
    std::map<QString, std::unique_ptr<DataSource>> sources_;
};

extern TF_DataModule* F_DataModule;

// Declares the datasets that windows reach through Q() and D(), by their Q_ names;
// each subsystem declares its windows' datasets where it registers the windows.
void DeclareDatasets(const QStringList& names);

// ---- the one-statement routines every window uses ----
void SetQuerySQL(Query& query, const QString& statement);
void ExecSQL(const QString& statement);
QString QueryScalar(const QString& statement);
QString QueryScalarZT(const QString& statement);
void OpenSelect(const QString& statement);
void OpenQuery(Query& query, const QString& statement);
void DropTableIfExists(const QString& table);
// Both check the file before they use it (dbfaults.h): a file that is not an account
// set, or not the catalogue, is refused as it is, and one that cannot be written says so.
void ConnectDatabase(const QString& fileName);
void ConnectAccountSets();
void CloseAccountSets();
void ConnectExcel(const QString& path);
// The sheet names of the workbook chosen by ConnectExcel, in workbook order (the
// import windows read the first); a file that cannot be read raises its reason.
QStringList ExcelSheetNames();
void CloseExcel();
