#include "purchasing/linedialogs.h"

#include "documents/docdrafts.h"

#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/ui/prompt.h"
#include "purchasing/scanline.h"

#include <QLabel>
#include <QLineEdit>

bool ScanIntoDraft(const DocKind& kind, QLineEdit* field, QLabel* number, const QString& date, bool refuseRepeat)
{
    const QString code = field->text().trimmed();
    if (code.isEmpty())
        return false;
    const ScannedLine scan = ScanPurchaseLine(kind, number->text(), date, code, refuseRepeat);
    if (scan.outcome == ScannedLine::UnknownCode) {
        Prompt::Info(QStringLiteral("没有找到与该条码匹配的商品，请检查！"));
        return false;
    }
    field->clear();
    if (scan.outcome == ScannedLine::Repeated) {
        Prompt::Info(QStringLiteral("该商品已添加，不能重复添加，\r\n\r\n可以修改已添加商品的数量！"));
        return false;
    }
    number->setText(scan.number);
    return true;
}

void ResetPurchaseEntry(const DocKind& kind, const PurchaseEntryFields& fields)
{
    fields.paid->setText(QStringLiteral("0"));
    fields.chooser->hide();
    fields.picker->hide();
    fields.supplier->setText(DefaultSupplierName());
    CurrentSupplierSn = DefaultSupplierSn();
    fields.payable->setText(QStringLiteral("0"));
    fields.note->clear();
    if (DocDateMode == QLatin1String("0"))
        SetDocDateQuietly(fields.date, Clock::Today());
    fields.number->setText(NextDocNo(kind.header, QStringLiteral("gl_djh"), kind.prefix, DocDateText(fields.date)));
}

void ModifyPendingLine(Query& lines, const QString& dialog)
{
    if (!lines.Active() || lines.IsEmpty())
        return;
    const qint64 id = lines.AsInteger(QStringLiteral("id"));
    OpenMode = QStringLiteral("cgjh_modish");
    ActiveDocKind = QStringLiteral("cgjhsh");
    SelectedSn = lines.AsString(QStringLiteral("g_sn"));
    FunctionWindows::Open(dialog, FunctionWindows::Lifetime::Freed);
    lines.LocateId(id);
    ActiveDocKind = QStringLiteral("cgjh");
    OpenMode.clear();
    SelectedSn.clear();
}

void AddNewGoodsLine(const QString& dialog)
{
    SelectedSn.clear();
    FunctionWindows::Open(QStringLiteral("TF_Spxxgl_Add"), FunctionWindows::Lifetime::Freed);
    if (!SelectedSn.isEmpty()) {
        OpenMode = QStringLiteral("cgjh_new");
        FunctionWindows::Open(dialog, FunctionWindows::Lifetime::Freed);
    }
    OpenMode.clear();
    SelectedSn.clear();
}

QString PendingPurchaseListSql(const QString& headerTable, const QString& supplier, const QString& key, bool descending)
{
    const QString s = SafeSqlText(supplier);
    const QString k = SafeSqlText(key);
    return QStringLiteral("select a.*,a.j_yfje-a.j_sfje-a.j_yhje as wfje,b.ghs_name,c.ck_name,d.u_name from ")
        + headerTable
        + QStringLiteral(" a,jxc_ghsxx b,jxc_ckxx c,jxc_user d where a.ghs_sn=b.ghs_sn and a.ck_sn=c.ck_sn "
                         "and a.u_sn=d.u_sn and a.j_status=0 ")
        + WarehouseBindingCondition(QStringLiteral("c")) + QStringLiteral(" and (b.ghs_name like '%") + s
        + QStringLiteral("%' or b.ghs_jm like '%") + s + QStringLiteral("%' or b.ghs_sn like '%") + s
        + QStringLiteral("%') and (a.gl_djh like '%") + k + QStringLiteral("%' or c.ck_name like '%") + k
        + QStringLiteral("%' or c.ck_sn like '%") + k + QStringLiteral("%' or a.j_note like '%") + k
        + QStringLiteral("%')")
        + (descending ? QStringLiteral(" order by a.j_jhrq desc,a.gl_djh desc,a.id desc")
                      : QStringLiteral(" order by a.j_jhrq,a.gl_djh,a.id"));
}
