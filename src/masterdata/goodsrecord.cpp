#include "masterdata/goodsrecord.h"

#include "foundation/colorsize.h"
#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/boundsql.h"
#include "platform/base/programfolder.h"
#include "platform/db/transaction.h"

#include <QFile>

namespace {

bool GoodsExists(const QString& where, const SqlParams& params)
{
    return !ScalarBound(QStringLiteral("select g_sn from jxc_goods where ") + where, params).isEmpty();
}

// The three duplicate tests of a save; `exceptId` leaves the goods itself out (0: none).
// The code refusal and the two questions differ between adding and modifying.
struct DuplicateTexts {
    QString codeTaken;
    QString barcodeAsk;
    QString nameAsk;
};

QString IdCondition(qint64 exceptId)
{
    return exceptId > 0 ? QStringLiteral(" and id<>") + QString::number(exceptId) : QString();
}

bool CodeTaken(const QString& sn, qint64 exceptId)
{
    return GoodsExists(QStringLiteral("g_sn=:sn") + IdCondition(exceptId), { { QStringLiteral("sn"), sn } });
}

// Empty refusal: the operator may go on. A question answered No gives saved=false
// with an empty refusal.
std::optional<GoodsSaveResult> DuplicateChecks(
    const GoodsEntry& e, qint64 exceptId, const DuplicateTexts& texts, const GoodsQuestion& ask)
{
    if (CodeTaken(e.sn, exceptId))
        return GoodsSaveResult { false, texts.codeTaken };
    if (!e.barcode.isEmpty()
        && GoodsExists(QStringLiteral("g_sptm=:tm") + IdCondition(exceptId), { { QStringLiteral("tm"), e.barcode } })
        && !ask(texts.barcodeAsk))
        return GoodsSaveResult {};
    // Names are stored full-width: the test compares the stored form.
    if (e.alertSameName
        && GoodsExists(QStringLiteral("g_name=:name") + IdCondition(exceptId),
            { { QStringLiteral("name"), ToFullWidthText(e.name) } })
        && !ask(texts.nameAsk))
        return GoodsSaveResult {};
    return std::nullopt;
}

QString ShortCode(const QString& name)
{
    return GetPyCode(name).left(32);
}

// The values both the insert and the update write, under their parameter names.
SqlParams CommonParams(const GoodsEntry& e)
{
    SqlParams p;
    p.insert(QStringLiteral("sn"), e.sn);
    p.insert(QStringLiteral("name"), ToFullWidthText(e.name));
    p.insert(QStringLiteral("jm"), ShortCode(e.name));
    p.insert(QStringLiteral("jj"), e.purchasePrice);
    p.insert(QStringLiteral("sj"), e.salePrice);
    p.insert(QStringLiteral("zdkc"), e.minStock);
    p.insert(QStringLiteral("sccs"), e.brand);
    p.insert(QStringLiteral("bz"), ToFullWidthText(e.remark));
    p.insert(QStringLiteral("scjj"), e.purchasePrice);
    p.insert(QStringLiteral("sptm"), e.barcode);
    p.insert(QStringLiteral("pjjj"), e.purchasePrice);
    p.insert(QStringLiteral("gcid"), e.classCid.toLongLong());
    p.insert(QStringLiteral("gcsn"), e.classSn);
    p.insert(QStringLiteral("dwname"), e.unit);
    p.insert(QStringLiteral("ggname"), SafeSqlText2(e.style));
    p.insert(QStringLiteral("colorname"), e.colourGroupName);
    p.insert(QStringLiteral("cmz"), e.sizeGroupName);
    p.insert(QStringLiteral("tmtype"), e.barcodeOrder);
    p.insert(QStringLiteral("colorzsn"), e.colourGroupSn);
    p.insert(QStringLiteral("cmzsn"), e.sizeGroupSn);
    p.insert(QStringLiteral("iszp"), e.gift);
    for (int i = 0; i < 5; ++i)
        p.insert(QStringLiteral("sj%1").arg(i + 1), e.levelPrices[size_t(i)]);
    p.insert(QStringLiteral("lsj"), e.retailPrice);
    p.insert(QStringLiteral("gdcbj"), e.presetCost);
    p.insert(QStringLiteral("tclb"), e.commissionKind);
    p.insert(QStringLiteral("tc"), e.commissionKind == 0 ? 0.0 : e.commission);
    p.insert(QStringLiteral("hjname"), e.shelf);
    return p;
}

void BuildBarcodes(const GoodsEntry& e)
{
    MakeGoodsBarcodes(e.sn, e.sizeGroupSn, e.colourGroupSn, QString::number(e.barcodeOrder), e.barcode);
}

QString PictureFile(const QString& sn)
{
    return ProgramFolder::File(QStringLiteral("picture/") + sn + QStringLiteral(".jpg"));
}

}

QString GoodsEntryRefusal(const GoodsEntry& e)
{
    if (e.className.trimmed().isEmpty())
        return QStringLiteral("类别名称必须填写！");
    if (e.sn.trimmed().isEmpty())
        return QStringLiteral("商品编号必须填写！");
    if (e.name.trimmed().isEmpty())
        return QStringLiteral("商品名称必须填写！");
    if (e.unit.trimmed().isEmpty() || e.unit.trimmed() == kNewUnitItem)
        return QStringLiteral("商品单位必须填写！");
    if (e.colourGroupName.trimmed().isEmpty())
        return QStringLiteral("颜色组必须填写！");
    if (e.sizeGroupName.trimmed().isEmpty())
        return QStringLiteral("尺码组必须填写！");
    return QString();
}

GoodsSaveResult InsertGoods(const GoodsEntry& e, const GoodsQuestion& ask)
{
    if (const QString refusal = GoodsEntryRefusal(e); !refusal.isEmpty())
        return { false, refusal };
    const DuplicateTexts texts { QStringLiteral("商品编号已经存在，请重新输入！"),
        QStringLiteral("商品条码已经存在，确认输入吗？"), QStringLiteral("商品名称已经存在，确认输入吗？") };
    // The questions come before the transaction, so no lock is held while the
    // operator answers; the code test is repeated inside it.
    if (auto stop = DuplicateChecks(e, 0, texts, ask))
        return *stop;

    Transaction work(F_DataModule->ADOConn);
    if (CodeTaken(e.sn, 0))
        return { false, texts.codeTaken };
    SqlParams p = CommonParams(e);
    p.insert(QStringLiteral("zhxs"), 1);
    p.insert(QStringLiteral("dwname2"), e.unit);
    p.insert(QStringLiteral("tjsp"), false);
    p.insert(QStringLiteral("kc"), 0.0);
    p.insert(QStringLiteral("cbj"), e.purchasePrice);
    p.insert(QStringLiteral("cgpl"), 0);
    p.insert(QStringLiteral("xspl"), 0);
    p.insert(QStringLiteral("jy"), false);
    p.insert(QStringLiteral("ghssn"),
        ScalarBound(QStringLiteral("select ghs_sn from jxc_ghsxx where ghs_default<>0 order by id"), {}));
    p.insert(QStringLiteral("clxs"), 0.0);
    p.insert(QStringLiteral("bzq"), QVariant());
    p.insert(QStringLiteral("tcje"), QVariant());
    p.insert(QStringLiteral("dzll"), 1.0);
    p.insert(QStringLiteral("tjqx"), false);
    p.insert(QStringLiteral("dxdz"), false);
    p.insert(QStringLiteral("tj"), 0.0);
    p.insert(QStringLiteral("hyj"), 0.0);
    p.insert(QStringLiteral("tssp"), false);
    p.insert(QStringLiteral("tsjf"), 0.0);
    p.insert(QStringLiteral("zpif"), 0.0);
    p.insert(QStringLiteral("sy"), false);
    ExecBound(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,g_zhxs,dw_name2,g_jj,g_sj,g_zdkc,g_tjsp,g_sccs,"
                             "g_bz,g_kc,g_scjj,g_cbj,g_cgpl,g_xspl,")
            + QStringLiteral("g_jy,g_sptm,g_pjjj,ghs_sn,gc_cid,gc_sn,dw_name,gg_name,color_name,g_clxs,g_bzq,g_tcje,"
                             "g_dzll,g_tjqx,")
            + QStringLiteral("g_dxdz,g_tj,g_hyj,cmz_name,g_tmtype,g_tssp,g_tsjf,colorz_sn,cmz_sn,g_iszp,g_zpjf,g_sy,")
            + QStringLiteral("g_sj1,g_sj2,g_sj3,g_sj4,g_sj5,g_lsj,g_gdcbj,g_tclb,g_tc,hj_name) values ")
            + QStringLiteral("(:sn,:name,:jm,:zhxs,:dwname2,:jj,:sj,:zdkc,:tjsp,:sccs,:bz,:kc,:scjj,:cbj,:cgpl,:xspl,:"
                             "jy,:sptm,:pjjj,:ghssn,:gcid,")
            + QStringLiteral(
                ":gcsn,:dwname,:ggname,:colorname,:clxs,:bzq,:tcje,:dzll,:tjqx,:dxdz,:tj,:hyj,:cmz,:tmtype,")
            + QStringLiteral(":tssp,:tsjf,:colorzsn,:cmzsn,:iszp,:zpif,:sy,:sj1,:sj2,:sj3,:sj4,:sj5,:lsj,:gdcbj,:tclb,:"
                             "tc,:hjname)"),
        p);
    BuildBarcodes(e);
    work.Commit();
    return { true, QString() };
}

bool GoodsCodeLocked(const QString& sn)
{
    const SqlParams p { { QStringLiteral("sn"), sn } };
    return !ScalarBound(QStringLiteral("select g_sn from jxc_jhsp where g_sn=:sn limit 1"), p).isEmpty()
        || !ScalarBound(QStringLiteral("select g_sn from jxc_kcsp where g_sn=:sn limit 1"), p).isEmpty();
}

GoodsSaveResult UpdateGoods(
    const GoodsBefore& before, const GoodsEntry& e, bool sameCommissionForClass, const GoodsQuestion& ask)
{
    if (const QString refusal = GoodsEntryRefusal(e); !refusal.isEmpty())
        return { false, refusal };
    const DuplicateTexts texts { QStringLiteral("商品编号已存在！"), QStringLiteral("商品条码已经存在，确认输入吗？"),
        QStringLiteral("商品名称已经存在，确认修改吗？") };
    if (auto stop = DuplicateChecks(e, before.id, texts, ask))
        return *stop;

    Transaction work(F_DataModule->ADOConn);
    if (CodeTaken(e.sn, before.id))
        return { false, texts.codeTaken };
    // Once stock is posted the last purchase price and the average cost are the
    // posting's; only a goods without business takes the preset purchase price.
    const bool posted = GoodsCodeLocked(before.sn);
    SqlParams p = CommonParams(e);
    if (posted) {
        p.remove(QStringLiteral("scjj"));
        p.remove(QStringLiteral("pjjj"));
    }
    ExecBound(
        QStringLiteral("update jxc_goods set gc_cid=:gcid,gc_sn=:gcsn,g_name=:name,g_sn=:sn,g_jm=:jm,g_sptm=:sptm,"
                       "gg_name=:ggname,dw_name=:dwname,")
            + QStringLiteral("color_name=:colorname,g_zdkc=:zdkc,g_jj=:jj,")
            + (posted ? QString() : QStringLiteral("g_scjj=:scjj,g_pjjj=:pjjj,"))
            + QStringLiteral("g_sj=:sj,g_sccs=:sccs,g_bz=:bz,")
            + QStringLiteral("g_sj1=:sj1,g_sj2=:sj2,g_sj3=:sj3,g_sj4=:sj4,g_sj5=:sj5,g_lsj=:lsj,g_gdcbj=:gdcbj,g_tclb=:"
                             "tclb,g_tc=:tc,")
            + QStringLiteral("cmz_name=:cmz,g_tmtype=:tmtype,colorz_sn=:colorzsn,cmz_sn=:cmzsn,g_iszp=:iszp,hj_name=:"
                             "hjname where id=")
            + QString::number(before.id),
        p);
    WriteLog(QStringLiteral("修改商品，原商品信息，编号：") + before.sn + QStringLiteral("，名称：") + before.name
        + QStringLiteral("，款型说明：") + before.style + QStringLiteral("。新商品信息，编号：") + e.sn
        + QStringLiteral("，名称：") + e.name + QStringLiteral("，款型说明：") + e.style + QStringLiteral("。"));

    const bool codeChanged = e.sn != before.sn;
    if (codeChanged) {
        // Scans of the old barcodes would find a goods that no longer exists.
        ExecBound(QStringLiteral("delete from jxc_tm where g_sn=:old"), { { QStringLiteral("old"), before.sn } });
    }
    BuildBarcodes(e);

    const SqlParams codes { { QStringLiteral("new"), e.sn }, { QStringLiteral("old"), before.sn } };
    if (codeChanged) {
        // The second units and extra barcodes follow when they can; a failure there
        // does not stop the rest.
        try {
            Transaction moveRows(F_DataModule->ADOConn);
            ExecBound(QStringLiteral("update jxc_goodsdw set g_sn=:new where g_sn=:old"), codes);
            ExecBound(QStringLiteral("update jxc_goodstm set g_sn=:new where g_sn=:old"), codes);
            moveRows.Commit();
        } catch (const std::exception&) {
        }
    }
    UpdateGoodsSecondUnit(e.sn);
    auto renameLedger = [&](const QString& column, const QString& newValue, const QString& oldValue, bool byOld) {
        SqlParams lp { { QStringLiteral("v"), newValue }, { QStringLiteral("sn"), e.sn } };
        QString sql = QStringLiteral("update jxc_goodslist set ") + column + QStringLiteral("=:v where ");
        if (byOld) {
            sql += column + QStringLiteral("=:o and ");
            lp.insert(QStringLiteral("o"), oldValue);
        }
        ExecBound(sql + QStringLiteral("g_sn=:sn"), lp);
    };
    if (e.name != before.name)
        renameLedger(QStringLiteral("g_name"), ToFullWidthText(e.name), before.name, true);
    if (e.unit != before.unit)
        renameLedger(QStringLiteral("dw_name"), e.unit, before.unit, true);
    if (e.style != before.style)
        renameLedger(QStringLiteral("gg_name"), ToFullWidthText(e.style), before.style, false);
    if (e.colourGroupName.trimmed() != before.colourGroupName)
        renameLedger(QStringLiteral("color_name"), e.colourGroupName.trimmed(), before.colourGroupName, true);
    if (sameCommissionForClass)
        ExecBound(QStringLiteral("update jxc_goods set g_tclb=:k,g_tc=:c where gc_sn=:gcsn"),
            { { QStringLiteral("k"), e.commissionKind }, { QStringLiteral("c"), e.commission },
                { QStringLiteral("gcsn"), e.classSn } });
    work.Commit();

    if (codeChanged && QFile::exists(PictureFile(before.sn))) {
        QFile::remove(PictureFile(e.sn));
        QFile::rename(PictureFile(before.sn), PictureFile(e.sn));
    }
    return { true, QString() };
}

std::optional<QString> AutoBarcode(const QString& code, const QString& stem)
{
    if (AutoMakeBarcodes == QLatin1String("0") || AutoMakeBarcodes == QLatin1String("False") || code.isEmpty())
        return std::nullopt;
    if (BarcodeMakeMethod == QLatin1String("0"))
        return code;
    if (BarcodeMakeMethod == QLatin1String("1"))
        return stem + code;
    return std::nullopt;
}
