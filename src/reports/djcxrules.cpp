#include "reports/djcxrules.h"

#include "documents/viewdocument.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/queryframe.h"
#include "platform/db/sqltext.h"
#include "platform/report/report.h"
#include "posting/posprint.h"

#include <QStringList>

namespace {

enum class Partner { None, Supplier, Customer, Department };

struct DocumentKind {
    const char* label;
    const char* table;
    const char* date;
    const char* due; // nullptr: no money
    const char* paid;
    Partner partner;
    const char* warehouse; // nullptr: none
    bool reference;        // gl_djh2 listed and searched
    int sort;
    const char* condition;
    const char* note;
    bool bound;   // follows the operator's warehouse binding
    bool handler; // has a handler (u_sn)
};

const DocumentKind kKinds[] = {
    { "采购进货单", "jxc_jhd", "j_jhrq", "j_yfje", "j_sfje", Partner::Supplier, "ck_sn", true, 1, "a.j_status=1",
        "j_note", true, true },
    { "采购退货单", "jxc_thd", "th_thrq", "th_yfje", "th_sfje", Partner::Supplier, "ck_sn", false, 2, "a.th_status=1",
        "th_note", true, true },
    { "商品销售单", "jxc_lsxsd", "ls_xsrq", "ls_yfje", "ls_sfje", Partner::Customer, "ck_sn", true, 4, "a.ls_status=1",
        "ls_note", true, true },
    { "销售退货单", "jxc_xsthd", "th_xsrq", "th_yfje", "th_sfje", Partner::Customer, "ck_sn", false, 5, "a.th_status=1",
        "th_note", true, true },
    { "库存调拨单", "jxc_kcdbd", "db_dbrq", nullptr, nullptr, Partner::None, "ck_out", false, 7, "a.db_status=1",
        "db_note", true, true },
    { "赠品兑换单", "jxc_dhd", "dh_dhrq", nullptr, nullptr, Partner::None, "ck_sn", false, 12, "1=1", "dh_note", true,
        false },
    { "商品报损单", "jxc_bsd", "bs_bsrq", nullptr, nullptr, Partner::None, "ck_sn", false, 8, "a.bs_status=1",
        "bs_note", true, true },
    { "商品报溢单", "jxc_byd", "by_byrq", nullptr, nullptr, Partner::None, "ck_sn", false, 9, "a.by_status=1",
        "by_note", true, true },
    { "商品拆分单", "jxc_cfd", "cf_cfrq", nullptr, nullptr, Partner::None, "ck_sn", false, 10, "a.cf_status=1",
        "cf_note", true, true },
    { "商品捆绑单", "jxc_kbd", "kb_kbrq", nullptr, nullptr, Partner::None, "ck_sn", false, 11, "a.kb_status=1",
        "kb_note", true, true },
    { "生产加工单", "jxc_scjgd", "jg_scrq", nullptr, nullptr, Partner::None, "ck_sn", false, 12, "a.jg_status=1",
        "jg_note", false, true },
    { "外发加工单", "jxc_wfjgd", "wf_fdrq", nullptr, nullptr, Partner::Supplier, nullptr, false, 13, "a.wf_status=1",
        "wf_note", false, true },
    { "生产入库单", "jxc_scrkd", "sc_rq", nullptr, nullptr, Partner::Department, "ck_sn", false, 14,
        "a.sc_flag=1 and a.sc_status=1", "sc_note", false, true },
    { "生产退库单", "jxc_scrkd", "sc_rq", nullptr, nullptr, Partner::Department, "ck_sn", false, 14,
        "a.sc_flag=-1 and a.sc_status=1", "sc_note", false, true },
    { "部门领用单", "jxc_bmlyd", "ly_rq", nullptr, nullptr, Partner::Department, "ck_sn", false, 15,
        "substr(a.gl_djh,1,2)='LY' and a.ly_status=1", "ly_note", false, true },
    { "部门报废单", "jxc_bmlyd", "ly_rq", nullptr, nullptr, Partner::Department, "ck_sn", false, 15,
        "substr(a.gl_djh,1,2)='LF' and a.ly_status=1", "ly_note", false, true },
    { "部门退回单", "jxc_bmlyd", "ly_rq", nullptr, nullptr, Partner::Department, "ck_sn", false, 15,
        "substr(a.gl_djh,1,2)='LT' and a.ly_status=1", "ly_note", false, true },
};

QString latin(const char* s)
{
    return QString::fromLatin1(s);
}

QString kindSelect(const DocumentKind& k, const QString& from, const QString& to, const QString& text)
{
    const QString date = QStringLiteral("a.") + latin(k.date);
    QString partnerName = QStringLiteral("'---------'");
    QString partnerJoin;
    switch (k.partner) {
    case Partner::Supplier:
        partnerName = QStringLiteral("p.ghs_name");
        partnerJoin = QStringLiteral(" left join jxc_ghsxx p on p.ghs_sn=a.ghs_sn");
        break;
    case Partner::Customer:
        partnerName = QStringLiteral("p.kh_name");
        partnerJoin = QStringLiteral(" left join jxc_khxx p on p.kh_sn=a.kh_sn");
        break;
    case Partner::Department:
        partnerName = QStringLiteral("p.de_name");
        partnerJoin = QStringLiteral(" left join jxc_dept p on p.de_sn=a.de_sn");
        break;
    case Partner::None:
        break;
    }
    const QString warehouseJoin
        = k.warehouse ? QStringLiteral(" left join jxc_ckxx d on d.ck_sn=a.") + latin(k.warehouse) : QString();
    const QString handlerJoin = k.handler ? QStringLiteral(" left join jxc_user u on u.u_sn=a.u_sn") : QString();
    const QString money = k.due ? QStringLiteral("a.") + latin(k.due) + QStringLiteral(" as yfje,a.") + latin(k.paid)
            + QStringLiteral(" as sfje")
                                : QStringLiteral("0 as yfje,0 as sfje");
    const QString reference = k.reference ? QStringLiteral("a.gl_djh2")
        : (k.sort <= 5)                   ? QStringLiteral("''")
                                          : QStringLiteral("'------'");
    QString sql = QStringLiteral("select a.gl_djh as djh,") + date + QStringLiteral(" as rq,'")
        + QString::fromUtf8(k.label) + QStringLiteral("' as zflx,") + partnerName + QStringLiteral(" as ghskh,")
        + (k.warehouse ? QStringLiteral("d.ck_name") : QStringLiteral("'------'")) + QStringLiteral(" as ck_name,")
        + money + QStringLiteral(",") + (k.handler ? QStringLiteral("u.u_name") : QStringLiteral("''"))
        + QStringLiteral(" as u_name,") + reference + QStringLiteral(" as djh2,a.") + latin(k.note)
        + QStringLiteral(" as dnote,a.a_name,") + QString::number(k.sort) + QStringLiteral(" as dsort from ")
        + latin(k.table) + QStringLiteral(" a") + partnerJoin + warehouseJoin + handlerJoin + QStringLiteral(" where ")
        + date + QStringLiteral(">='") + from + QStringLiteral("' and ") + date + QStringLiteral("<'") + to
        + QStringLiteral("' and ") + latin(k.condition);
    if (!text.isEmpty()) {
        const QString like = QStringLiteral(" like '%") + text + QStringLiteral("%'");
        sql += QStringLiteral(" and (a.gl_djh") + like;
        if (k.reference)
            sql += QStringLiteral(" or a.gl_djh2") + like;
        sql += QStringLiteral(" or a.") + latin(k.note) + like + QStringLiteral(")");
    }
    if (k.bound)
        sql += WarehouseBindingCondition(QStringLiteral("d"));
    return sql;
}

struct LineSource {
    const char* prefix;
    const char* table;
    const char* quantity;
    bool ownUnit; // the line's own unit, the goods' unit where it is empty
};

const LineSource kLines[] = {
    { "CJ", "jxc_jhsp", "jh_sl", true },
    { "CT", "jxc_thsp", "th_sl", true },
    { "XS", "jxc_lsxssp", "ls_sl", true },
    { "XT", "jxc_xsthsp", "th_sl", true },
    { "DB", "jxc_dbsp", "db_sl", true },
    { "BS", "jxc_bssp", "bs_sl", false },
    { "BY", "jxc_bysp", "by_sl", false },
    { "SC", "jxc_scrksp", "sc_sl", false },
    { "ST", "jxc_scrksp", "sc_sl", false },
    { "LY", "jxc_bmlysp", "ly_sl", false },
    { "LT", "jxc_bmlysp", "ly_sl", false },
    { "LF", "jxc_bmlysp", "ly_sl", false },
    { "CF", "jxc_cfsp", "cf_sl", false },
    { "KB", "jxc_kbsp", "kb_sl", false },
    { "JG", "jxc_scjgdlb", "jg_sl", false },
    { "WF", "jxc_wfjgd", "wf_sl", false },
    { "DH", "jxc_dhzp", "dh_sl", false },
};

} // namespace

QString DocumentQueryStatement(const QDate& from, const QDate& to, const QString& text)
{
    const QString start = from.toString(QStringLiteral("yyyy-MM-dd"));
    const QString end = to.addDays(1).toString(QStringLiteral("yyyy-MM-dd"));
    const QString t = SafeSqlText(text.trimmed());
    QStringList selects;
    for (const DocumentKind& k : kKinds)
        selects << kindSelect(k, start, end, t);
    return QStringLiteral("select * from (") + selects.join(QStringLiteral(" union all "))
        + QStringLiteral(") derivedtbl order by dsort,djh");
}

QString DocumentLinesStatement(const QString& number)
{
    const QString prefix = number.left(2).toUpper();
    for (const LineSource& s : kLines) {
        if (prefix != QLatin1String(s.prefix))
            continue;
        const QString unit
            = s.ownUnit ? QStringLiteral("coalesce(nullif(a.dw_name,''),b.dw_name)") : QStringLiteral("b.dw_name");
        return QStringLiteral("select a.") + latin(s.quantity) + QStringLiteral(" as sl,b.g_sn,b.g_name,") + unit
            + QStringLiteral(" as dw_name,b.gg_name,b.color_name from ") + latin(s.table)
            + QStringLiteral(" a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=") + SqlQuoted(number)
            + QStringLiteral(" order by a.id");
    }
    return QString();
}

bool ViewQueriedDocument(const QString& number)
{
    const QString prefix = number.left(2).toUpper();
    if (prefix == QLatin1String("DH"))
        return false;
    if ((prefix == QLatin1String("XS") || prefix == QLatin1String("XT"))
        && !QueryScalar(QStringLiteral("select id from jxc_posxsd where gl_djh=") + SqlQuoted(number)).isEmpty()) {
        Report report;
        PrintPosDocument(report, number);
        return true;
    }
    return ViewQueriedStockDocument(number);
}
