#include "warehouse/stockkind.h"

#include "foundation/settings.h"
#include "posting/stockposting.h"
#include "posting/stockreversal.h"

const StockKind& TransferKind()
{
    static const StockKind kind = [] {
        StockKind k;
        k.doc.header = QStringLiteral("jxc_kcdbd");
        k.doc.lines = QStringLiteral("jxc_dbsp");
        k.doc.detail = QStringLiteral("jxc_dbspmx");
        k.doc.prefix = QStringLiteral("DB");
        k.doc.linePrefix = QStringLiteral("db");
        k.doc.dateColumn = QStringLiteral("db_dbrq");
        k.doc.statusColumn = QStringLiteral("db_status");
        k.doc.checkerColumn = QStringLiteral("db_checker");
        k.doc.checkDateColumn = QStringLiteral("db_chkrq");
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

bool ApproveOnSaveSet()
{
    return !(ApproveOnSave == QLatin1String("0") || ApproveOnSave == QLatin1String("False"));
}
