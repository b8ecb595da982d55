#include "posting/posprint.h"

#include "foundation/datamodule.h"
#include "foundation/moneywords.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/base/programfolder.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/report/report.h"
#include "posting/postingdb.h"
#include "posting/printvars.h"

#include <QHash>
#include <initializer_list>
#include <utility>

namespace {

const QString kDataset = QStringLiteral("frxDBDataset1");

void PosPrintSet(Report& r, const char* name, const QString& value)
{
    r.SetVariable(QLatin1String(name), value);
}

// The lines go on the data module's print query, which the templates read as their
// detail data set.
void OpenLines(Report& r, const QString& sql, const QString& number)
{
    Query& q = F_DataModule->Q_GoodsPrin;
    SetQuerySQL(q, sql);
    q.ClearParams();
    q.SetParam(QStringLiteral("n"), number);
    q.Open();
    r.SetDataset(kDataset, &q);
}

void CloseLines(Report& r)
{
    r.RemoveDataset(kDataset);
    F_DataModule->Q_GoodsPrin.Close();
    F_DataModule->Q_GoodsPrin.ClearParams();
}

// One tender names itself; two or more make a combined settlement.
QString TenderText(const QHash<QString, QString>& h)
{
    static const std::pair<const char*, const char*> tenders[] = {
        { "pos_xj", "现金结账" },
        { "pos_czk", "储值卡结账" },
        { "pos_yhk", "银行卡结账" },
        { "pos_djq", "代金券结账" },
        { "pos_wxje", "微信结账" },
        { "pos_zfbje", "支付宝结账" },
    };
    QString text;
    for (const auto& [column, name] : tenders)
        if (ValueNumber(h.value(QLatin1String(column))) > 0)
            text = text.isEmpty() ? QString::fromUtf8(name) : QStringLiteral("联合结账");
    return text;
}

// The member variables from the member row: variable and column in pairs, all
// empty for a ticket without a member.
void SetMember(Report& r, const QString& member, std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    QHash<QString, QString> m;
    if (!member.isEmpty())
        m = FirstRowTexts(QStringLiteral("select * from jxc_hyxx where hy_sn=:n"), member);
    for (const auto& [variable, column] : pairs)
        PosPrintSet(r, variable, m.value(QLatin1String(column)));
}

} // namespace

void PrintPosReceipt(Report& report, const QString& number, int copies)
{
    Query settings(&posting::Db());
    settings.SetSQL(
        QStringLiteral("select pp_bt1,pp_bt2,pp_jz1,pp_jz2,pp_kd,pp_bzxx from jxc_posprint order by id limit 1"));
    settings.Open();
    QStringList pp(6);
    if (!settings.IsEmpty())
        for (int c = 0; c < 6; ++c)
            pp[c] = ValueText(settings.ValueAt(0, c), settings.IsBitColumn(c));
    settings.Close();
    const bool preview = IsTrue(pp[5]);

    report.LoadFromFile(ProgramFolder::File(
        pp[4] == QLatin1String("0") ? QStringLiteral("report/posxp58.fr3") : QStringLiteral("report/posxp.fr3")));
    PosPrintSet(report, "bt1", pp[0]);
    PosPrintSet(report, "bt2", pp[1]);
    PosPrintSet(report, "jz1", pp[2]);
    PosPrintSet(report, "jz2", pp[3]);

    const auto h = FirstRowTexts(
        QStringLiteral("select a.*,a.pos_bcjf+a.pos_zjf as zjf,a.pos_xj+a.pos_czk+a.pos_yhk+a.pos_djq+a.pos_wxje+"
                       "a.pos_zfbje as fkje,b.kh_name,c.u_name from jxc_posxsd a,jxc_khxx b,jxc_user c where "
                       "a.kh_sn=b.kh_sn and a.u_sn=c.u_sn and a.gl_djh=:n"),
        number);
    const double change = ValueNumber(h.value(QStringLiteral("pos_zlje")));
    PosPrintSet(report, "jhDate", h.value(QStringLiteral("pos_xsrq")));
    PosPrintSet(report, "khName", h.value(QStringLiteral("kh_name")));
    PosPrintSet(report, "yfje", h.value(QStringLiteral("pos_yfje")));
    // Tendered = paid + change; a return pays back exactly what it shows.
    PosPrintSet(report, "sfje",
        number.left(2) == QLatin1String("XT") ? h.value(QStringLiteral("pos_sfje"))
                                              : PrintNumber(ValueNumber(h.value(QStringLiteral("pos_sfje"))) + change));
    PosPrintSet(report, "mlje", h.value(QStringLiteral("pos_mlje")));
    PosPrintSet(report, "fkje", h.value(QStringLiteral("fkje")));
    PosPrintSet(report, "zlje", change > 0 ? h.value(QStringLiteral("pos_zlje")) : QString());
    PosPrintSet(report, "zffs", TenderText(h));
    PosPrintSet(report, "uName", h.value(QStringLiteral("u_name")));
    PosPrintSet(report, "bcjf", h.value(QStringLiteral("pos_bcjf")));
    PosPrintSet(report, "zjf", h.value(QStringLiteral("zjf")));
    PosPrintSet(report, "Note", h.value(QStringLiteral("pos_note")));

    const QString member = h.value(QStringLiteral("hy_sn"));
    if (member.isEmpty()) {
        PosPrintSet(report, "bcjf", QString());
        PosPrintSet(report, "zjf", QString());
    }
    SetMember(report, member,
        { { "hybh", "hy_bh" }, { "hyye", "hy_zhje" }, { "hyjf", "hy_jf" }, { "hytele", "hy_tele" },
            { "hymobile", "hy_mobile" }, { "hyname", "hy_name" } });

    OpenLines(report,
        QStringLiteral("select a.*,coalesce(b.g_name,'')||coalesce(a.t_zp,'') as g_name,b.g_sccs,b.dw_name,"
                       "b.gg_name,b.color_name from jxc_posxssp a,jxc_goods b where a.g_sn=b.g_sn and "
                       "a.gl_djh=:n order by a.id"),
        number);
    if (preview) {
        report.ShowReport();
    } else {
        report.PrepareReport();
        for (int i = 0; i < copies; ++i)
            report.Print(PrintOptions {}); // the template's own printer, no dialog
    }
    CloseLines(report);
}

void PrintPosDocument(Report& report, const QString& number)
{
    report.LoadFromFile(ProgramFolder::File(QStringLiteral("report/posxsd.fr3")));
    const QString kind = number.left(2);
    const QString title = kind == QLatin1String("XS") ? QStringLiteral("POS销售单")
        : kind == QLatin1String("XT")                 ? QStringLiteral("POS退货单")
                                                      : QString();
    const auto t
        = FirstRowTexts(QStringLiteral("select pos_yfje,pos_sfje,hy_sn from jxc_posxsd where gl_djh=:n"), number);
    const QString due = AmountInWords(t.value(QStringLiteral("pos_yfje")));
    const QString paid = AmountInWords(t.value(QStringLiteral("pos_sfje")));

    // The document shows the member's total points, the receipt his current ones.
    SetMember(report, t.value(QStringLiteral("hy_sn")),
        { { "hybh", "hy_bh" }, { "hyye", "hy_zhje" }, { "hyjf", "hy_zjf" }, { "hyname", "hy_name" },
            { "hymobile", "hy_mobile" } });

    OpenLines(report,
        QStringLiteral("select a.g_sn,a.pos_dj,a.pos_dzl,a.pos_sl,a.pos_zje,a.pos_dj*a.pos_dzl as zhdj,b.g_name,c.* "
                       "from jxc_posxssp a,jxc_goods b,jxc_posxsd c where a.g_sn=b.g_sn and a.gl_djh=c.gl_djh and "
                       "a.gl_djh=:n order by a.id"),
        number);
    PosPrintSet(report, "sTitle", title);
    PosPrintSet(report, "yf", due);
    PosPrintSet(report, "sf", paid);
    report.ShowReport();
    CloseLines(report);
}
