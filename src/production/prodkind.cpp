#include "production/prodkind.h"

#include "foundation/settings.h"
#include "platform/ui/prompt.h"
#include "posting/stockposting.h"
#include "posting/stockreversal.h"

namespace {

ProdKind MakeProdKind(bool dept, int sign)
{
    ProdKind k;
    k.dept = dept;
    k.sign = sign;
    StockKind& s = k.stock;
    DocKind& d = s.doc;
    const bool back = sign < 0;
    if (dept) {
        d.header = QStringLiteral("jxc_bmlyd");
        d.lines = QStringLiteral("jxc_bmlysp");
        d.detail = QStringLiteral("jxc_bmlyspmx");
        d.prefix = back ? QStringLiteral("LT") : QStringLiteral("LY");
        d.linePrefix = QStringLiteral("ly");
        d.rightModule = QStringLiteral("xsgl");
        d.approveRight = back ? 11 : 8;
        s.unapproveRight = back ? 15 : 12;
        k.flagColumn = QStringLiteral("ly_flag");
        k.totalColumns = { QStringLiteral("ly_zje") };
        k.windowName = back ? QStringLiteral("TF_Bmth") : QStringLiteral("TF_Bmly");
        k.addDialog = back ? QStringLiteral("TF_Bmth_Add") : QStringLiteral("TF_Bmly_Add");
        k.seleDialog = back ? QStringLiteral("TF_Bmth_Sele") : QStringLiteral("TF_Bmly_Sele");
        s.tag = back ? QStringLiteral("bmth") : QStringLiteral("bmly");
        s.pendingTag = s.tag + QStringLiteral("sh");
        s.printTag = QStringLiteral("LY");
        s.title = back ? QStringLiteral("部门退回") : QStringLiteral("部门领用");
        s.noteColumn = QStringLiteral("ly_note");
        d.logName = back ? QStringLiteral("部门退回单") : QStringLiteral("部门领用单");
        k.entryTab = back ? QStringLiteral("部门退回单") : QStringLiteral("部门领用单");
        k.pendingTab = back ? QStringLiteral("待审核退回单") : QStringLiteral("待审核领用单");
        k.queryTab = back ? QStringLiteral("部门退回查询") : QStringLiteral("部门领用查询");
        k.deptLabel = back ? QStringLiteral("退回部门：") : QStringLiteral("领用部门：");
        k.noDeptText = QStringLiteral("请选择领用部门！");
        k.deleteLog = back ? QStringLiteral("删除部门退回单：") : QStringLiteral("删除部门领用单：");
        k.dateTag = QStringLiteral("bmly");
        k.barcode = !back;
        // Both save their pending documents under the requisition's log text.
        s.pendingSaveLog = QStringLiteral("增加未审核部门领用单");
        s.approveOnSaveQuestion = QStringLiteral(
            "单据保存后将直接审核，是否确认保存？\r\n\r\n保存后如果有问题可以在“生产查询”功能中取消审核！");
        s.pendingQuestion
            = QStringLiteral("单据保存后处于“未审核”状态，是否确认保存？\r\n\r\n处于“未审核”状态的领用单，"
                             "可以在“待审核领\r\n\r\n用单”面板中，进行修改及审核操作！");
        if (back) {
            k.approve = [](const QString& no) { return ApproveDeptReturn(no); };
            s.unapprove = [](const QString& no) { UnapproveDeptReturn(no); };
        } else {
            k.approve = [](const QString& no) { return ApproveDeptIssue(no); };
            s.unapprove = [](const QString& no) { UnapproveDeptIssue(no); };
        }
    } else {
        d.header = QStringLiteral("jxc_scrkd");
        d.lines = QStringLiteral("jxc_scrksp");
        d.detail = QStringLiteral("jxc_scrkspmx");
        d.prefix = back ? QStringLiteral("ST") : QStringLiteral("SC");
        d.linePrefix = QStringLiteral("sc");
        d.rightModule = QStringLiteral("cggl");
        d.approveRight = back ? 11 : 8;
        s.unapproveRight = back ? 15 : 12;
        k.flagColumn = QStringLiteral("sc_flag");
        k.totalColumns = { QStringLiteral("sc_yfje"), QStringLiteral("sc_sfje") };
        k.windowName = back ? QStringLiteral("TF_Sctk") : QStringLiteral("TF_Scrk");
        k.addDialog = QStringLiteral("TF_Scrk_Add");
        k.seleDialog = back ? QStringLiteral("TF_Sctk_Sele") : QStringLiteral("TF_Scrk_Sele");
        s.tag = back ? QStringLiteral("sctk") : QStringLiteral("scrk");
        s.pendingTag = s.tag + QStringLiteral("_wsh");
        s.printTag = QStringLiteral("SC");
        s.title = back ? QStringLiteral("生产退库") : QStringLiteral("生产入库");
        s.noteColumn = QStringLiteral("sc_note");
        d.logName = back ? QStringLiteral("生产退库单") : QStringLiteral("生产入库单");
        k.entryTab = back ? QStringLiteral("生产退库单") : QStringLiteral("生产入库单");
        k.pendingTab = back ? QStringLiteral("待审核退库单") : QStringLiteral("待审核入库单");
        k.queryTab = back ? QStringLiteral("次品返工查询") : QStringLiteral("生产入库查询");
        k.deptLabel = QStringLiteral("生产部门：");
        k.noDeptText = QStringLiteral("请选择生产部门！");
        k.deleteLog = back ? QStringLiteral("删除生产退库单：") : QStringLiteral("删除生产入库单：");
        k.dateTag = QStringLiteral("scrk");
        k.barcode = !back;
        s.pendingSaveLog = back ? QStringLiteral("增加未审核生产退库单") : QStringLiteral("增加未审核生产入库单");
        s.approveOnSaveQuestion = QStringLiteral(
            "单据保存后将直接审核，是否确认保存？\r\n\r\n保存后如果有问题可以在“生产查询”功能中取消审核！");
        s.pendingQuestion = back
            ? QStringLiteral(
                "单据保存后处于“未审核”状态，是否确认保存？\r\n\r\n处于“未审核”状态的退库单，可以在“待审核退"
                "\r\n\r\n库单”面板中，进行修改及审核操作！")
            : QStringLiteral(
                "单据保存后处于“未审核”状态，是否确认保存？\r\n\r\n处于“未审核”状态的入库单，可以在“待审核入"
                "\r\n\r\n库单”面板中，进行修改及审核操作！");
        if (back) {
            k.approve = [](const QString& no) { return ApproveProductionReturn(no); };
            s.unapprove = [](const QString& no) { UnapproveProductionReturn(no); };
        } else {
            k.approve = [](const QString& no) { return ApproveProductionIn(no); };
            s.unapprove = [](const QString& no) { UnapproveProductionIn(no); };
        }
    }
    // Templates are named by the window's tag: "bmlyd.fr3", "bmlydsh.fr3", "bmlydjb.fr3", ...
    const QString x = s.tag;
    s.docTemplate = [x] { return x + (ShowCostPrice ? QStringLiteral("d.fr3") : QStringLiteral("d2.fr3")); };
    s.pendingTemplate = x + QStringLiteral("dsh.fr3");
    s.pendingDataset = x + QStringLiteral("dsh");
    s.listTemplates = { x + QStringLiteral("djb.fr3"), x + QStringLiteral("hzb.fr3"), x + QStringLiteral("mxb.fr3") };
    s.listDatasets = { x + QStringLiteral("djb"), x + QStringLiteral("hzb"), x + QStringLiteral("mxb") };
    FillStockDocColumns(d, d.linePrefix, d.linePrefix + QStringLiteral("_rq"));
    s.warehouseColumns = { QStringLiteral("ck_sn") };
    s.staffFlag = QStringLiteral("u_cg");
    s.noLinesText = QStringLiteral("单据中没有业务发生，不能保存！");
    // Saving with approval goes through the shared stock-document save, which
    // knows no refusal: the stock check's text is shown from here.
    const auto approve = k.approve;
    d.post = [approve](const QString& no) {
        const QString refusal = approve(no);
        if (!refusal.isEmpty())
            Prompt::Info(refusal);
    };
    return k;
}

} // namespace

const ProdKind& DeptIssueKind()
{
    static const ProdKind k = MakeProdKind(true, 1);
    return k;
}

const ProdKind& DeptReturnKind()
{
    static const ProdKind k = MakeProdKind(true, -1);
    return k;
}

const ProdKind& ProductionInKind()
{
    static const ProdKind k = MakeProdKind(false, 1);
    return k;
}

const ProdKind& ProductionReturnKind()
{
    static const ProdKind k = MakeProdKind(false, -1);
    return k;
}

const ProdKind* ProdKindOf(const QString& number)
{
    const QString p = number.left(2).toUpper();
    for (const ProdKind* k : { &DeptIssueKind(), &DeptReturnKind(), &ProductionInKind(), &ProductionReturnKind() })
        if (k->Doc().prefix == p)
            return k;
    return nullptr;
}
