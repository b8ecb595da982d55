#include "warehouse/stockkind.h"

#include "foundation/settings.h"
#include "posting/stockposting.h"
#include "posting/stockreversal.h"

void FillStockDocColumns(DocKind& d, const QString& stem, const QString& dateColumn)
{
    d.linePrefix = stem;
    d.dateColumn = dateColumn;
    d.statusColumn = stem + QStringLiteral("_status");
    d.checkerColumn = stem + QStringLiteral("_checker");
    d.checkDateColumn = stem + QStringLiteral("_chkrq");
}

const StockKind& TransferKind()
{
    static const StockKind kind = [] {
        StockKind k;
        k.doc.header = QStringLiteral("jxc_kcdbd");
        k.doc.lines = QStringLiteral("jxc_dbsp");
        k.doc.detail = QStringLiteral("jxc_dbspmx");
        k.doc.prefix = QStringLiteral("DB");
        FillStockDocColumns(k.doc, QStringLiteral("db"), QStringLiteral("db_dbrq"));
        k.doc.logName = QStringLiteral("库存调拨单");
        k.doc.rightModule = QStringLiteral("kcgl");
        k.doc.approveRight = 8;
        k.doc.post = [](const QString& no) { ApproveTransfer(no); };
        k.tag = QStringLiteral("kcdb");
        k.pendingTag = QStringLiteral("kcdbsh");
        k.printTag = QStringLiteral("kcdb");
        k.title = QStringLiteral("库存调拨");
        k.warehouseColumns = { QStringLiteral("ck_out"), QStringLiteral("ck_in") };
        k.noteColumn = QStringLiteral("db_note");
        k.staffFlag = QStringLiteral("u_kc");
        k.entryRight = 1;
        k.unapproveRight = 12;
        k.noLinesText = QStringLiteral("没有调拨商品，不能保存！");
        k.approveOnSaveQuestion = QStringLiteral(
            "单据保存后将直接审核，是否确认保存？\r\n\r\n保存后如果有问题可以在“库存调拨查询”功能中取消审核！");
        k.pendingQuestion
            = QStringLiteral("单据保存后处于“未审核”状态，是否确认保存？\r\n\r\n处于“未审核”状态的调拨单，"
                             "可以在“待审核调\r\n\r\n拨单”面板中，进行修改及审核操作！");
        k.pendingSaveLog = QStringLiteral("增加未审核库存调拨单");
        // Follows the price mode as it stands now, not as it stood at login.
        k.docTemplate = [] {
            return TransferPriceMode == QLatin1String("1") ? QStringLiteral("kcdbd2.fr3") : QStringLiteral("kcdbd.fr3");
        };
        k.pendingTemplate = QStringLiteral("kcdbdsh.fr3");
        k.pendingDataset = QStringLiteral("kcdbdsh");
        k.listTemplates
            = { QStringLiteral("kcdbdjb.fr3"), QStringLiteral("kcdbhzb.fr3"), QStringLiteral("kcdbmxb.fr3") };
        k.listDatasets = { QStringLiteral("kcdbdjb"), QStringLiteral("kcdbhzb"), QStringLiteral("kcdbmxb") };
        k.unapprove = [](const QString& no) { UnapproveTransfer(no); };
        return k;
    }();
    return kind;
}

namespace {

// Loss and overflow differ only in their tables, texts and postings.
StockKind LossOverflowKind(bool loss)
{
    const QString x = loss ? QStringLiteral("bs") : QStringLiteral("by");
    const QString name = loss ? QStringLiteral("商品报损") : QStringLiteral("商品报溢");
    StockKind k;
    k.doc.header = QStringLiteral("jxc_") + x + QLatin1Char('d');
    k.doc.lines = QStringLiteral("jxc_") + x + QStringLiteral("sp");
    k.doc.detail = QStringLiteral("jxc_") + x + QStringLiteral("spmx");
    k.doc.prefix = x.toUpper();
    FillStockDocColumns(k.doc, x, loss ? QStringLiteral("bs_bsrq") : QStringLiteral("by_byrq"));
    k.doc.logName = name + QStringLiteral("单");
    k.doc.rightModule = QStringLiteral("kcgl");
    k.doc.approveRight = 10;
    if (loss)
        k.doc.post = [](const QString& no) { ApproveLoss(no); };
    else
        k.doc.post = [](const QString& no) { ApproveOverflow(no); };
    k.tag = QStringLiteral("bsby");
    k.pendingTag = QStringLiteral("bsby_sh");
    k.printTag = loss ? QStringLiteral("spbs") : QStringLiteral("spby");
    k.title = name;
    k.warehouseColumns = { QStringLiteral("ck_sn") };
    k.noteColumn = x + QStringLiteral("_note");
    k.staffFlag = QStringLiteral("u_kc");
    k.entryRight = 3;
    k.unapproveRight = 14;
    k.noLinesText = QStringLiteral("请选择商品！");
    k.approveOnSaveQuestion = QStringLiteral("单据保存后将直接审核，是否确认保存？");
    k.pendingQuestion = QStringLiteral("单据保存后处于“未审核”状态，是否确认保存？");
    k.pendingSaveLog = QStringLiteral("增加未审核") + name + QStringLiteral("单");
    k.docTemplate = [] { return ShowCostPrice ? QStringLiteral("bsby.fr3") : QStringLiteral("bsby2.fr3"); };
    k.pendingTemplate = QStringLiteral("bsbydsh.fr3");
    k.pendingDataset = QStringLiteral("bsbydsh");
    k.listTemplates = { QStringLiteral("bsbydjb.fr3"), QStringLiteral("bsbyhzb.fr3"), QStringLiteral("bsbymxb.fr3") };
    k.listDatasets = { QStringLiteral("bsbydjb"), QStringLiteral("bsbyhzb"), QStringLiteral("bsbymxb") };
    if (loss)
        k.unapprove = [](const QString& no) { UnapproveLoss(no); };
    else
        k.unapprove = [](const QString& no) { UnapproveOverflow(no); };
    return k;
}

} // namespace

const StockKind& LossKind()
{
    static const StockKind kind = LossOverflowKind(true);
    return kind;
}

const StockKind& OverflowKind()
{
    static const StockKind kind = LossOverflowKind(false);
    return kind;
}

const StockKind& LossOverflowKindOf(const QString& number)
{
    return number.left(2).compare(QLatin1String("BY"), Qt::CaseInsensitive) == 0 ? OverflowKind() : LossKind();
}

const StockKind& StockTakeKind()
{
    static const StockKind kind = [] {
        StockKind k;
        k.doc.header = QStringLiteral("jxc_kcpd");
        k.doc.lines = QStringLiteral("jxc_kcpdsp");
        k.doc.detail = QStringLiteral("jxc_kcpdspmx");
        k.doc.prefix = QStringLiteral("PD");
        FillStockDocColumns(k.doc, QStringLiteral("pd"), QStringLiteral("pd_rq"));
        k.doc.logName = QStringLiteral("库存盘点单");
        k.doc.rightModule = QStringLiteral("kcgl");
        k.doc.approveRight = 9;
        k.doc.post = [](const QString& no) { ApproveStockTake(no); };
        k.tag = QStringLiteral("kcpd");
        k.pendingTag = QStringLiteral("kcpd_wsh");
        k.printTag = QStringLiteral("kcpd");
        k.title = QStringLiteral("库存盘点");
        k.warehouseColumns = { QStringLiteral("ck_sn") };
        k.noteColumn = QStringLiteral("pd_note");
        k.staffFlag = QStringLiteral("u_kc");
        k.entryRight = 2;
        k.unapproveRight = 13;
        k.noLinesText = QStringLiteral("单据中没有业务发生，不能保存！");
        k.approveOnSaveQuestion = QStringLiteral(
            "单据保存后将直接审核，是否确认保存？\r\n\r\n保存后如果有问题可以在“库存盘点查询”功能中取消审核！");
        k.pendingQuestion = QStringLiteral("单据保存后处于“未审核”状态，是否确认保存？\r\n\r\n处于“未审核”状态的单据，"
                                           "可以在“待审核\r\n\r\n单据”面板中，进行修改及审核操作！");
        k.pendingSaveLog = QStringLiteral("增加库存盘点单");
        k.docTemplate = [] { return QStringLiteral("kcpdd.fr3"); };
        k.pendingTemplate = QStringLiteral("kcpddsh.fr3");
        k.pendingDataset = QStringLiteral("kcpddsh");
        k.listTemplates = { QStringLiteral("kcpddjb.fr3"), QString(), QStringLiteral("kcpdmxb.fr3") };
        k.listDatasets = { QStringLiteral("kcpddjb"), QString(), QStringLiteral("kcpdmxb") };
        k.unapprove = [](const QString& no) { UnapproveStockTake(no); };
        return k;
    }();
    return kind;
}

bool ApproveOnSaveSet()
{
    return !(ApproveOnSave == QLatin1String("0") || ApproveOnSave == QLatin1String("False"));
}
