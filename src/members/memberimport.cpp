#include "members/memberimport.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "masterdata/sheetimport.h"
#include "platform/base/clock.h"

namespace {

Connection& MemberImportDb()
{
    return F_DataModule->ADOConn;
}

double NumberOrZero(const QString& text)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok ? v : 0;
}

bool MemberExists(const QString& column, const QString& value)
{
    bool found = false;
    SelectScalar(MemberImportDb(),
        QStringLiteral("select hy_name from jxc_hyxx where ") + column + QStringLiteral("=:v"),
        { { QStringLiteral("v"), value } }, &found);
    return found;
}

} // namespace

QString NextMemberCode(const QString& code, int steps)
{
    return QString::number(code.toLongLong() + steps).rightJustified(code.size(), QLatin1Char('0'));
}

QString MemberPreviewText(const ImportRow& row, int sheetRow, bool autoNumber, const QString& firstCard)
{
    const QString card = autoNumber ? NextMemberCode(firstCard, sheetRow) : row.Trimmed(QStringLiteral("hy_bh"));
    return QLatin1Char('[') + card + QLatin1Char(']') + row.Trimmed(QStringLiteral("hy_name"));
}

QString MemberRowNote(const ImportRow& row)
{
    // The last empty one names the note.
    if (row.Trimmed(QStringLiteral("hy_sex")).isEmpty())
        return QStringLiteral("性别为空，将使用默认性别!");
    if (row.Trimmed(QStringLiteral("hy_jrrq")).isEmpty())
        return QStringLiteral("加入日期为空，将使用默认日期!");
    if (row.Trimmed(QStringLiteral("hy_sr")).isEmpty())
        return QStringLiteral("生日为空，将使用默认日期!");
    return QString();
}

QString ImportMemberRow(const ImportRow& row, const MemberImportOptions& options, MemberNumbers& numbers)
{
    auto cell = [&row](const char* field) { return row.Trimmed(QLatin1String(field)); };
    const QString name = cell("hy_name");
    if (name.isEmpty())
        return QStringLiteral("导入失败,会员名称不能为空!");
    QString card = cell("hy_bh");
    if (!options.autoNumber && MemberExists(QStringLiteral("hy_bh"), card))
        return QStringLiteral("导入失败,会员卡号不能重复!");
    if (options.uniqueNames && MemberExists(QStringLiteral("hy_name"), name))
        return QStringLiteral("导入失败,会员名称已经存在!");
    if (numbers.nextSn.isEmpty())
        numbers.nextSn = GetNextSn(QStringLiteral("jxc_hyxx"), QStringLiteral("hy_sn"));
    const QString sn = numbers.nextSn;
    numbers.nextSn = NextMemberCode(numbers.nextSn);
    if (options.autoNumber) {
        if (numbers.nextCard.isEmpty())
            numbers.nextCard = GetNextMemberNo(QStringLiteral("jxc_hyxx"), QStringLiteral("hy_bh"));
        card = numbers.nextCard;
        numbers.nextCard = NextMemberCode(numbers.nextCard);
    }
    const QDate today = Clock::Today();
    const QString birthday = cell("hy_sr");
    const QString joined = cell("hy_jrrq");
    const QString sex = cell("hy_sex");
    const double points = NumberOrZero(cell("hy_jf"));
    MemberImportDb().Exec(
        QStringLiteral(
            "insert into jxc_hyxx (hy_sn,hy_bh,hy_name,hy_jm,hl_sn,hh_sn,hy_mm,hy_jf,hy_zhje,hy_status,hy_sj,"
            "hy_qx,hy_dqrq,hy_sr,hy_jrrq,hy_fsn,hy_sex,hy_tele,hy_mobile,hy_email,hy_zjlx,hy_zjhm,hy_dwzy,"
            "hy_address,hy_qtxx,hy_note,hy_ye,hy_zje,hy_cs,hy_cg,hy_syje,hy_xjsyje,hy_zjf) values "
            "(:sn,:bh,:name,:jm,:hlsn,:hhsn,:mm,:jf,:zhje,1,1,0,'2100-12-31',:sr,:jrrq,'',:sex,:tele,:mobile,"
            ":email,:zjlx,:zjhm,:dwzy,:address,'','',0,:zje,0,0,0,0,:jf)"),
        { { QStringLiteral("sn"), sn }, { QStringLiteral("bh"), card }, { QStringLiteral("name"), name },
            { QStringLiteral("jm"), GetPyCode(name) }, { QStringLiteral("hlsn"), options.level },
            { QStringLiteral("hhsn"), options.method }, { QStringLiteral("mm"), cell("hy_mm") },
            { QStringLiteral("jf"), points }, { QStringLiteral("zhje"), NumberOrZero(cell("hy_zhje")) },
            { QStringLiteral("sr"),
                birthday.isEmpty() ? today.addMonths(-360).toString(QStringLiteral("yyyy-MM-dd")) : birthday },
            { QStringLiteral("jrrq"), joined.isEmpty() ? today.toString(QStringLiteral("yyyy-MM-dd")) : joined },
            { QStringLiteral("sex"),
                !sex.isEmpty() && sex != QStringLiteral("男") ? QStringLiteral("女") : QStringLiteral("男") },
            { QStringLiteral("tele"), cell("hy_tele") }, { QStringLiteral("mobile"), cell("hy_mobile") },
            { QStringLiteral("email"), cell("hy_email") }, { QStringLiteral("zjlx"), cell("hy_zjlx") },
            { QStringLiteral("zjhm"), cell("hy_zjhm") }, { QStringLiteral("dwzy"), cell("hy_dwzy") },
            { QStringLiteral("address"), cell("hy_address") },
            { QStringLiteral("zje"), NumberOrZero(cell("hy_zje")) } });
    return QString();
}
