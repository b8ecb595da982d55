#include "members/memberimport.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "platform/base/clock.h"
#include "platform/db/transaction.h"
#include "platform/sheet/sheetreader.h"

#include <QHash>

namespace {

Connection& ImportDb()
{
    return F_DataModule->ADOConn;
}

const QString kNoExcel = QStringLiteral("您没有安装Excel或导入文件不是Excel，不能进行导入操作！");

bool ReadFirstSheet(const QString& path, SheetData& sheet)
{
    QString error;
    return SheetReader::ReadSheet(path, 0, &sheet, &error);
}

// Member column -> the heading mapped to it (ticked rows only).
QHash<QString, QString> MappedHeadings()
{
    Query q(&ImportDb());
    OpenWithParams(q,
        QStringLiteral("select i_fieldid,i_excelfield from jxc_importchk where a_name=:a and i_sele<>0 "
                       "and i_fieldid<>'' order by id"),
        { { QStringLiteral("a"), CurrentAdminName } });
    QHash<QString, QString> map;
    for (int r = 0; r < q.RecordCount(); ++r)
        if (!map.contains(q.TextAt(r, 0)))
            map.insert(q.TextAt(r, 0), q.TextAt(r, 1));
    return map;
}

// A cell of the column mapped to the member column; "" without one.
QString Cell(const SheetData& sheet, int row, const QHash<QString, QString>& map, const char* field)
{
    const auto it = map.find(QLatin1String(field));
    return it == map.end() ? QString() : sheet.Text(row, *it).trimmed();
}

QString NumberOrZero(const QString& text)
{
    bool ok = false;
    text.toDouble(&ok);
    return ok ? text : QStringLiteral("0");
}

QString NextCode(const QString& card)
{
    return QString::number(card.toLongLong() + 1).rightJustified(card.size(), QLatin1Char('0'));
}

} // namespace

QString LoadImportMapping(const QString& path, int* columnCount)
{
    SheetData sheet;
    if (!ReadFirstSheet(path, sheet))
        return kNoExcel;
    Transaction t(ImportDb());
    ImportDb().Exec(
        QStringLiteral("delete from jxc_importchk where a_name=:a"), { { QStringLiteral("a"), CurrentAdminName } });
    for (const QString& heading : sheet.columns) {
        const QString field = GetImportFieldId(heading, QStringLiteral("jxc_hyxx"));
        ImportDb().Exec(QStringLiteral("insert into jxc_importchk (i_fieldid,i_excelfield,i_sele,i_image,a_name) "
                                       "values (:f,:h,:s,0,:a)"),
            { { QStringLiteral("f"), field }, { QStringLiteral("h"), heading },
                { QStringLiteral("s"), field.isEmpty() ? 0 : 1 }, { QStringLiteral("a"), CurrentAdminName } });
    }
    t.Commit();
    if (columnCount)
        *columnCount = sheet.ColumnCount();
    return QString();
}

ImportPreview PreviewMemberImport(const QString& path, bool autoNumber, bool selectAll)
{
    ImportPreview preview;
    const QHash<QString, QString> map = MappedHeadings();
    if (!autoNumber && !map.contains(QStringLiteral("hy_bh"))) {
        preview.refusal = QStringLiteral("请选择会员卡号对应的字段！");
        return preview;
    }
    SheetData sheet;
    if (!ReadFirstSheet(path, sheet)) {
        preview.refusal = kNoExcel;
        return preview;
    }
    Transaction t(ImportDb());
    ImportDb().Exec(
        QStringLiteral("delete from jxc_importdata where a_name=:a"), { { QStringLiteral("a"), CurrentAdminName } });
    QString running = autoNumber ? GetNextMemberNo(QStringLiteral("jxc_hyxx"), QStringLiteral("hy_bh")) : QString();
    for (int r = 0; r < sheet.RowCount(); ++r) {
        const QString name = Cell(sheet, r, map, "hy_name");
        if (!name.isEmpty()) {
            const QString card = autoNumber ? running : Cell(sheet, r, map, "hy_bh");
            ImportDb().Exec(QStringLiteral("insert into jxc_importdata (id_exceldata,id_sele,id_image,a_name) "
                                           "values (:d,:s,1,:a)"),
                { { QStringLiteral("d"), QLatin1Char('[') + card + QLatin1Char(']') + name },
                    { QStringLiteral("s"), selectAll ? 1 : 0 }, { QStringLiteral("a"), CurrentAdminName } });
            preview.sheetRows << r;
        }
        if (autoNumber)
            running = NextCode(running);
    }
    t.Commit();
    return preview;
}

void SelectAllImportRows(bool on)
{
    ImportDb().Exec(QStringLiteral("update jxc_importdata set id_sele=:s where a_name=:a"),
        { { QStringLiteral("s"), on ? 1 : 0 }, { QStringLiteral("a"), CurrentAdminName } });
}

QString ImportCounts::Summary() const
{
    return QStringLiteral("导入完毕\r\n\r\n共") + QString::number(steps) + QStringLiteral("条记录\r\n\r\n成功导入")
        + QString::number(imported) + QStringLiteral("条\r\n\r\n失败") + QString::number(steps - cancelled - imported)
        + QStringLiteral("条\r\n\r\n取消导入") + QString::number(cancelled) + QStringLiteral("条");
}

ImportCounts ImportMembers(const QString& path, const QVector<int>& sheetRows, const MemberImportOptions& options,
    const std::function<void(int)>& progress)
{
    ImportCounts counts;
    Connection& db = ImportDb();
    Query rows(&db);
    OpenWithParams(rows, QStringLiteral("select id,id_sele from jxc_importdata where a_name=:a order by id"),
        { { QStringLiteral("a"), CurrentAdminName } });
    if (rows.IsEmpty()) {
        counts.refusal = QStringLiteral("模板中没有数据，不能进行导入操作！");
        return counts;
    }
    SheetData sheet;
    if (!ReadFirstSheet(path, sheet)) {
        counts.refusal = kNoExcel;
        return counts;
    }
    const QHash<QString, QString> map = MappedHeadings();
    const QString today = Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
    const QString defaultBirthday = Clock::Today().addMonths(-360).toString(QStringLiteral("yyyy-MM-dd"));
    auto outcome = [&db](qint64 id, const QString& status, int icon) {
        db.Exec(QStringLiteral("update jxc_importdata set id_status=:s,id_image=:i where id=:id"),
            { { QStringLiteral("s"), status }, { QStringLiteral("i"), icon }, { QStringLiteral("id"), id } });
    };
    bool found = false;
    QString nextSn, nextCard;
    Transaction t(db);
    for (int step = 0; step < rows.RecordCount() && step < sheetRows.size(); ++step) {
        ++counts.steps;
        if (progress)
            progress(step);
        const qint64 id = rows.IdAt(step);
        if (!rows.ValueAt(step, 1).toBool()) {
            ++counts.cancelled;
            continue;
        }
        const int r = sheetRows[step];
        const QString name = Cell(sheet, r, map, "hy_name");
        if (name.isEmpty()) {
            outcome(id, QStringLiteral("导入失败,会员名称不能为空!"), 3);
            continue;
        }
        const QString birthday = Cell(sheet, r, map, "hy_sr");
        const QString joined = Cell(sheet, r, map, "hy_jrrq");
        const QString sex = Cell(sheet, r, map, "hy_sex");
        QString note;
        if (birthday.isEmpty())
            note = QStringLiteral("生日为空，将使用默认日期!");
        if (joined.isEmpty())
            note = QStringLiteral("加入日期为空，将使用默认日期!");
        if (sex.isEmpty())
            note = QStringLiteral("性别为空，将使用默认性别!");
        QString card = Cell(sheet, r, map, "hy_bh");
        if (!options.autoNumber) {
            SelectScalar(db, QStringLiteral("select hy_name from jxc_hyxx where hy_bh=:bh"),
                { { QStringLiteral("bh"), card } }, &found);
            if (found) {
                outcome(id, QStringLiteral("导入失败,会员卡号不能重复!"), 3);
                continue;
            }
        }
        if (options.uniqueNames) {
            SelectScalar(db, QStringLiteral("select hy_name from jxc_hyxx where hy_name=:n"),
                { { QStringLiteral("n"), name } }, &found);
            if (found) {
                outcome(id, QStringLiteral("导入失败,会员名称已经存在!"), 3);
                continue;
            }
        }
        // Drawn once, then carried on: inside the one transaction each new member holds
        // the highest code, so drawing again would give the same numbers.
        if (nextSn.isEmpty())
            nextSn = GetNextSn(QStringLiteral("jxc_hyxx"), QStringLiteral("hy_sn"));
        const QString sn = nextSn;
        nextSn = NextCode(nextSn);
        if (options.autoNumber) {
            if (nextCard.isEmpty())
                nextCard = GetNextMemberNo(QStringLiteral("jxc_hyxx"), QStringLiteral("hy_bh"));
            card = nextCard;
            nextCard = NextCode(nextCard);
        }
        const QString points = NumberOrZero(Cell(sheet, r, map, "hy_jf"));
        db.Exec(QStringLiteral(
                    "insert into jxc_hyxx (hy_sn,hy_bh,hy_name,hy_jm,hl_sn,hh_sn,hy_mm,hy_jf,hy_zhje,hy_status,hy_sj,"
                    "hy_qx,hy_dqrq,hy_sr,hy_jrrq,hy_fsn,hy_sex,hy_tele,hy_mobile,hy_email,hy_zjlx,hy_zjhm,hy_dwzy,"
                    "hy_address,hy_qtxx,hy_note,hy_ye,hy_zje,hy_cs,hy_cg,hy_syje,hy_xjsyje,hy_zjf) values "
                    "(:sn,:bh,:name,:jm,:hlsn,:hhsn,:mm,:jf,:zhje,1,1,0,'2100-12-31',:sr,:jrrq,'',:sex,:tele,:mobile,"
                    ":email,:zjlx,:zjhm,:dwzy,:address,'','',0,:zje,0,0,0,0,:jf)"),
            { { QStringLiteral("sn"), sn }, { QStringLiteral("bh"), card }, { QStringLiteral("name"), name },
                { QStringLiteral("jm"), GetPyCode(name) }, { QStringLiteral("hlsn"), options.level },
                { QStringLiteral("hhsn"), options.method }, { QStringLiteral("mm"), Cell(sheet, r, map, "hy_mm") },
                { QStringLiteral("jf"), points.toDouble() },
                { QStringLiteral("zhje"), NumberOrZero(Cell(sheet, r, map, "hy_zhje")).toDouble() },
                { QStringLiteral("sr"), birthday.isEmpty() ? defaultBirthday : birthday },
                { QStringLiteral("jrrq"), joined.isEmpty() ? today : joined },
                { QStringLiteral("sex"),
                    !sex.isEmpty() && sex != QStringLiteral("男") ? QStringLiteral("女") : QStringLiteral("男") },
                { QStringLiteral("tele"), Cell(sheet, r, map, "hy_tele") },
                { QStringLiteral("mobile"), Cell(sheet, r, map, "hy_mobile") },
                { QStringLiteral("email"), Cell(sheet, r, map, "hy_email") },
                { QStringLiteral("zjlx"), Cell(sheet, r, map, "hy_zjlx") },
                { QStringLiteral("zjhm"), Cell(sheet, r, map, "hy_zjhm") },
                { QStringLiteral("dwzy"), Cell(sheet, r, map, "hy_dwzy") },
                { QStringLiteral("address"), Cell(sheet, r, map, "hy_address") },
                { QStringLiteral("zje"), NumberOrZero(Cell(sheet, r, map, "hy_zje")).toDouble() } });
        outcome(id, note.isEmpty() ? QStringLiteral("导入成功") : note, note.isEmpty() ? 2 : 1);
        ++counts.imported;
    }
    t.Commit();
    return counts;
}
