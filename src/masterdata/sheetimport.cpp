#include "masterdata/sheetimport.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "masterdata/boundsql.h"
#include "platform/base/programfolder.h"
#include "platform/db/dberror.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QMap>
#include <QProgressDialog>
#include <QStyle>
#include <QUrl>

namespace {

SqlParams Operator()
{
    return { { QStringLiteral("op"), CurrentAdminName } };
}

}

QString ImportSummaryText(int total, int imported, int failed, int cancelled, bool withCancelled)
{
    QString text = QStringLiteral("导入完毕\r\n\r\n共") + QString::number(total) + QStringLiteral("条记录")
        + QStringLiteral("\r\n\r\n") + QStringLiteral("成功导入") + QString::number(imported) + QStringLiteral("条")
        + QStringLiteral("\r\n\r\n") + QStringLiteral("失败") + QString::number(failed) + QStringLiteral("条");
    if (withCancelled)
        text += QStringLiteral("\r\n\r\n") + QStringLiteral("取消导入") + QString::number(cancelled)
            + QStringLiteral("条");
    return text;
}

bool IsNumberCell(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return true;
    bool ok = false;
    QLocale::c().toDouble(t, &ok);
    return ok;
}

double NumberCell(const QString& text)
{
    return QLocale::c().toDouble(text.trimmed());
}

void AddListEntryOnce(const QString& table, const QString& prefix, const QString& name, const SqlParams& extra)
{
    const QString nameColumn = prefix + QStringLiteral("_name");
    if (name.isEmpty()
        || !ScalarBound(QStringLiteral("select ") + nameColumn + QStringLiteral(" from ") + table
                + QStringLiteral(" where ") + nameColumn + QStringLiteral("=:name"),
            { { QStringLiteral("name"), name } })
                .isEmpty())
        return;
    const QString sn = prefix + QStringLiteral("_sn");
    QStringList columns { sn, nameColumn }, values { QStringLiteral(":sn"), QStringLiteral(":name") };
    SqlParams params { { QStringLiteral("sn"), GetNextSn(table, sn) }, { QStringLiteral("name"), name } };
    for (auto it = extra.begin(); it != extra.end(); ++it) {
        columns << it.key();
        values << QLatin1Char(':') + it.key();
        params.insert(it.key(), it.value());
    }
    ExecBound(QStringLiteral("insert into ") + table + QStringLiteral(" (") + columns.join(QLatin1Char(','))
            + QStringLiteral(") values (") + values.join(QLatin1Char(',')) + QLatin1Char(')'),
        params);
}

WorkbookChoice& RememberedWorkbook(const QString& windowClass)
{
    static QMap<QString, WorkbookChoice> chosen;
    return chosen[windowClass];
}

bool ChooseWorkbook(const QString& windowClass, QString* sheet)
{
    const QString path = Prompt::OpenFile(QStringLiteral("打开"), kWorkbookFilter);
    return !path.isEmpty() && ConnectWorkbook(windowClass, path, sheet);
}

bool ConnectWorkbook(const QString& windowClass, const QString& path, QString* sheet)
{
    WorkbookChoice& remembered = RememberedWorkbook(windowClass);
    remembered.path = path;
    ConnectExcel(path);
    QStringList names;
    try {
        names = ExcelSheetNames();
    } catch (const DbError& e) {
        CloseExcel();
        Prompt::Info(kNotAWorkbook + QStringLiteral("\r\n\r\n") + QString::fromUtf8(e.what()), Prompt::kInfoCaption,
            Prompt::Icon::Information);
        return false;
    }
    if (!names.isEmpty())
        remembered.sheet = names.first();
    try {
        OpenQuery(F_DataModule->Q_Excel,
            QStringLiteral("select * from [") + remembered.sheet + QStringLiteral("] where 1>2"));
    } catch (const DbError& e) {
        CloseExcel();
        Prompt::Info(kNotAWorkbook + QStringLiteral("\r\n\r\n") + QString::fromUtf8(e.what()), Prompt::kInfoCaption,
            Prompt::Icon::Information);
        return false;
    }
    *sheet = remembered.sheet;
    return true;
}

void OpenSampleFile(const QString& sampleName)
{
    Prompt::OpenDocument(
        QUrl::fromLocalFile(ProgramFolder::File(QStringLiteral("模板文件/") + sampleName + QStringLiteral(".xlsx"))));
}

bool RunImportPass(QWidget* parent, int steps, const std::function<void(const std::function<void()>& step)>& work)
{
    QProgressDialog progress(QStringLiteral("正在导入数据..."), QString(), 0, qMax(steps, 1), parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    int done = 0;
    const auto step = [&] { progress.setValue(qMin(++done, progress.maximum())); };
    try {
        Transaction pass(F_DataModule->ADOConn);
        work(step);
        pass.Commit();
    } catch (const DbError& e) {
        QGuiApplication::restoreOverrideCursor();
        progress.close();
        Prompt::Info(QString::fromUtf8(e.what()), Prompt::kInfoCaption, Prompt::Icon::Warning);
        return false;
    }
    QGuiApplication::restoreOverrideCursor();
    progress.close();
    return true;
}

SheetImport::SheetImport(Config config) : config_(std::move(config)) { }

Query& SheetImport::Q_Import()
{
    return F_DataModule->Q(QStringLiteral("Q_Import"));
}

Query& SheetImport::Q_Importchk()
{
    return F_DataModule->Q(QStringLiteral("Q_Importchk"));
}

Query& SheetImport::Q_ImportData()
{
    return F_DataModule->Q(QStringLiteral("Q_ImportData"));
}

void SheetImport::SetUpMappingGrid(DataGrid& grid)
{
    grid.SetDataSource(&F_DataModule->D(QStringLiteral("D_Importchk")));
    grid.SetCheckColumn(grid.AddColumn(QStringLiteral("i_sele"), QString(), 30), true);
    grid.SetImageColumn(grid.AddColumn(QStringLiteral("i_image"), QString(), 30),
        { QApplication::style()->standardIcon(QStyle::SP_FileIcon) });
    grid.SetColumnEditable(
        grid.AddColumn(QStringLiteral("i_excelfield"), QStringLiteral("Excel文件的字段"), 200), false);
    const int field = grid.AddColumn(QStringLiteral("i_fieldid"), QStringLiteral("数据库的字段"), 200);
    grid.SetLookupColumn(field, &Q_Import(), QStringLiteral("i_fieldid"), QStringLiteral("i_fieldname"));
    grid.SetColumnEditable(field, true);
}

void SheetImport::SetUpRowsGrid(DataGrid& grid, const QString& textCaption)
{
    grid.SetDataSource(&F_DataModule->D(QStringLiteral("D_ImportData")));
    grid.SetCheckColumn(grid.AddColumn(QStringLiteral("id_sele"), QString(), 30), true);
    QStyle* style = QApplication::style();
    // Positions 1 to 3: waiting, imported, failed.
    grid.SetImageColumn(grid.AddColumn(QStringLiteral("id_image"), QString(), 30),
        { QIcon(), style->standardIcon(QStyle::SP_MessageBoxQuestion),
            style->standardIcon(QStyle::SP_DialogApplyButton), style->standardIcon(QStyle::SP_MessageBoxCritical) });
    grid.SetColumnEditable(grid.AddColumn(QStringLiteral("id_exceldata"), textCaption, 260), false);
    grid.SetColumnEditable(grid.AddColumn(QStringLiteral("id_status"), QStringLiteral("导入状态"), 260), false);
}

void SheetImport::ClearMapping()
{
    ExecBound(QStringLiteral("delete from jxc_importchk where a_name=:op"), Operator());
    OpenMapping();
}

void SheetImport::OpenMapping()
{
    OpenWithParams(
        Q_Importchk(), QStringLiteral("select * from jxc_importchk where a_name=:op order by id"), Operator());
}

void SheetImport::OpenRows()
{
    OpenWithParams(
        Q_ImportData(), QStringLiteral("select * from jxc_importdata where a_name=:op order by id"), Operator());
}

bool SheetImport::btnOpenClick()
{
    const QString path = Prompt::OpenFile(QStringLiteral("打开"), kWorkbookFilter);
    return !path.isEmpty() && OpenWorkbook(path);
}

bool SheetImport::OpenWorkbook(const QString& path)
{
    QString sheet;
    if (!ConnectWorkbook(config_.windowClass, path, &sheet))
        return false;
    Query& excel = F_DataModule->Q_Excel;
    const QStringList headers = excel.FieldNames();
    columnCount_ = int(headers.size());
    {
        Transaction work(F_DataModule->ADOConn);
        for (const QString& header : headers) {
            const QString field = ScalarBound(
                QStringLiteral("select i_fieldid from jxc_import where i_fieldname=:caption and i_tablename=:tab "
                               "order by id"),
                { { QStringLiteral("caption"), header }, { QStringLiteral("tab"), config_.table } });
            ExecBound(QStringLiteral("insert into jxc_importchk (i_fieldid,i_excelfield,i_sele,i_image,a_name) "
                                     "values (:field,:header,:sele,0,:op)"),
                { { QStringLiteral("field"), field }, { QStringLiteral("header"), header },
                    { QStringLiteral("sele"), field.isEmpty() ? 0 : 1 }, { QStringLiteral("op"), CurrentAdminName } });
        }
        work.Commit();
    }
    CloseExcel();
    OpenWithParams(Q_Import(), QStringLiteral("select * from jxc_import where i_tablename=:tab order by id"),
        { { QStringLiteral("tab"), config_.table } });
    OpenMapping();
    return true;
}

bool SheetImport::MapsField(const QString& fieldId) const
{
    return ReadMapping().contains(fieldId);
}

QString SheetImport::MappingCaption() const
{
    return QStringLiteral("请选择要导入的字段（共") + QString::number(columnCount_) + QStringLiteral("个字段）");
}

QHash<QString, QString> SheetImport::ReadMapping() const
{
    Query map(&F_DataModule->ADOConn);
    OpenWithParams(map,
        QStringLiteral("select i_fieldid,i_excelfield from jxc_importchk where a_name=:op and i_sele<>0 order by id"),
        Operator());
    QHash<QString, QString> columns;
    for (map.First(); !map.Eof(); map.Next())
        if (!map.AsString(QStringLiteral("i_fieldid")).isEmpty())
            columns.insert(map.AsString(QStringLiteral("i_fieldid")), map.AsString(QStringLiteral("i_excelfield")));
    return columns;
}

ImportRow SheetImport::RowAt(const Query& sheet, int row, const QHash<QString, int>& columns) const
{
    ImportRow r;
    for (auto it = columns.begin(); it != columns.end(); ++it)
        r.cells_.insert(it.key(), it.value() < 0 ? QString() : sheet.TextAt(row, it.value()));
    return r;
}

int SheetImport::setcxGrid4Value(bool selectAll)
{
    ExecBound(QStringLiteral("delete from jxc_importdata where a_name=:op"), Operator());
    stagedIds_.clear();
    stagedCount_ = 0;
    const QString naming = ScalarBound(
        QStringLiteral("select i_excelfield from jxc_importchk where i_fieldid=:field and a_name=:op order by id"),
        { { QStringLiteral("field"), config_.namingField }, { QStringLiteral("op"), CurrentAdminName } });
    const WorkbookChoice& chosen = RememberedWorkbook(config_.windowClass);
    QHash<QString, int> columns;
    if (!chosen.path.isEmpty()) {
        ConnectExcel(chosen.path);
        Query& excel = F_DataModule->Q_Excel;
        OpenQuery(excel, QStringLiteral("select * from [") + chosen.sheet + QStringLiteral("]"));
        const QHash<QString, QString> mapping = ReadMapping();
        for (auto it = mapping.begin(); it != mapping.end(); ++it)
            columns.insert(it.key(), excel.FieldIndex(it.value()));
        const int namingColumn = naming.isEmpty() ? -1 : excel.FieldIndex(naming);
        Transaction work(F_DataModule->ADOConn);
        for (int row = 0; row < excel.RecordCount(); ++row) {
            const QString name = namingColumn < 0 ? QString() : excel.TextAt(row, namingColumn);
            qint64 id = 0;
            if (!name.isEmpty()) {
                const QString text = displayText ? displayText(RowAt(excel, row, columns), row) : name;
                id = F_DataModule->ADOConn.Insert(
                    QStringLiteral("insert into jxc_importdata (id_exceldata,id_status,id_sele,id_image,a_name) "
                                   "values (:text,'',:sele,1,:op)"),
                    { { QStringLiteral("text"), text.left(128) }, { QStringLiteral("sele"), selectAll ? 1 : 0 },
                        { QStringLiteral("op"), CurrentAdminName } });
                ++stagedCount_;
            }
            stagedIds_.push_back(id);
        }
        work.Commit();
        CloseExcel();
    }
    OpenRows();
    return stagedCount_;
}

QString SheetImport::RowsCaption() const
{
    return config_.rowsPrefix + QStringLiteral("（共") + QString::number(stagedCount_) + QStringLiteral("条记录）");
}

void SheetImport::chkAllClick(bool on)
{
    ExecBound(QStringLiteral("update jxc_importdata set id_sele=:sele where a_name=:op"),
        { { QStringLiteral("sele"), on ? 1 : 0 }, { QStringLiteral("op"), CurrentAdminName } });
    OpenRows();
}

bool SheetImport::getRecSele(int sheetRow) const
{
    if (sheetRow < 0 || sheetRow >= int(stagedIds_.size()))
        return false;
    return selected_.value(stagedIds_[size_t(sheetRow)]);
}

void SheetImport::updateImportData(int sheetRow, const QString& text, int status)
{
    const qint64 id = sheetRow >= 0 && sheetRow < int(stagedIds_.size()) ? stagedIds_[size_t(sheetRow)] : 0;
    if (id == 0)
        return;
    ExecBound(QStringLiteral("update jxc_importdata set id_image=:image,id_status=:status where id=:id and a_name=:op"),
        { { QStringLiteral("image"), status }, { QStringLiteral("status"), text.left(64) },
            { QStringLiteral("id"), id }, { QStringLiteral("op"), CurrentAdminName } });
}

bool SheetImport::btnImportClick(QWidget* parent)
{
    counts = ImportCounts();
    const QHash<QString, QString> mapping = ReadMapping();
    if (stagedCount_ == 0 || Q_ImportData().IsEmpty()) {
        Prompt::Info(kNothingToImport, Prompt::kInfoCaption, Prompt::Icon::Information);
        return false;
    }
    selected_.clear();
    {
        Query rows(&F_DataModule->ADOConn);
        OpenWithParams(rows, QStringLiteral("select id,id_sele from jxc_importdata where a_name=:op"), Operator());
        for (rows.First(); !rows.Eof(); rows.Next())
            selected_.insert(rows.AsInteger(QStringLiteral("id")), rows.AsInteger(QStringLiteral("id_sele")) != 0);
    }
    const WorkbookChoice& chosen = RememberedWorkbook(config_.windowClass);
    ConnectExcel(chosen.path);
    Query& excel = F_DataModule->Q_Excel;
    OpenQuery(excel, QStringLiteral("select * from [") + chosen.sheet + QStringLiteral("]"));
    QHash<QString, int> columns;
    for (auto it = mapping.begin(); it != mapping.end(); ++it)
        columns.insert(it.key(), excel.FieldIndex(it.value()));
    const bool done = RunImportPass(parent, excel.RecordCount(), [&](const std::function<void()>& step) {
        if (beforePass)
            beforePass();
        for (int row = 0; row < excel.RecordCount(); ++row) {
            step();
            const ImportRow cells = RowAt(excel, row, columns);
            if (endsPass && endsPass(cells))
                break;
            // A sheet row without a staged row (its naming cell was empty) fails.
            const bool staged = row < int(stagedIds_.size()) && stagedIds_[size_t(row)] != 0;
            if (staged || config_.countsUnstagedRows)
                ++counts.total;
            if (!staged)
                continue;
            if (!getRecSele(row)) {
                ++counts.cancelled;
                continue;
            }
            const QString failure = importRow(cells);
            if (failure.isEmpty()) {
                const QString note = successNote ? successNote(cells) : QString();
                updateImportData(row, note.isEmpty() ? kImportSuccess : note, note.isEmpty() ? 2 : 1);
                ++counts.imported;
            } else {
                updateImportData(row, failure, 3);
            }
        }
    });
    CloseExcel();
    OpenRows();
    if (!done)
        return false;
    Prompt::Info(ImportSummaryText(counts.total, counts.imported, counts.Failed(), counts.cancelled, true),
        Prompt::kInfoCaption, Prompt::Icon::Information);
    if (!config_.listDataset.isEmpty()) {
        Query& list = F_DataModule->Q(config_.listDataset);
        if (list.Active())
            list.Requery();
    }
    return true;
}

void SheetImport::urlExcelClick() const
{
    OpenSampleFile(config_.sampleName);
}

void SheetImport::FormClose()
{
    Q_Import().Close();
    Q_Importchk().Close();
    Q_ImportData().Close();
}
