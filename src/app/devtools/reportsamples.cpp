#include "app/devtools/reportsamples.h"

#include "app/devtools/deliveredfile.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/report/report.h"

#include <memory>

namespace {

// Keeps the sample rows alive as long as the report that prints them.
class SampleRows : public QObject {
public:
    explicit SampleRows(QObject* parent) : QObject(parent) { db.OpenMemory(); }
    Query* Open(const QString& sql)
    {
        auto* q = new Query(&db, this);
        q->SetSQL(sql);
        q->Open();
        return q;
    }
    Connection db;
};

} // namespace

QString DeliveredTemplate(const QString& name)
{
    return DeliveredFile(QStringLiteral("report/") + name);
}

Report* SampleDocumentReport(QObject* owner)
{
    auto* report = new Report(owner);
    auto* rows = new SampleRows(report);
    rows->db.Exec(QStringLiteral(
        "create table t(id integer primary key, gl_djh text, g_sn text, g_name text, color_name text, cm_name text, "
        "dw_name text, t_sl real, jh_dj real, jh_bz text);"
        "insert into t(gl_djh,g_sn,g_name,color_name,cm_name,dw_name,t_sl,jh_dj,jh_bz) values "
        "('CJ202403050001','100101','纯棉圆领T恤','白色','S','件',10,35,''),"
        "('CJ202403050001','100101','纯棉圆领T恤','白色','M','件',15,35,''),"
        "('CJ202403050001','100101','纯棉圆领T恤','白色','L','件',12,35,''),"
        "('CJ202403050001','100101','纯棉圆领T恤','黑色','M','件',20,35,''),"
        "('CJ202403050001','100102','修身牛仔裤','蓝色','29','条',8,89,''),"
        "('CJ202403050001','100102','修身牛仔裤','蓝色','30','条',10,89,''),"
        "('CJ202403050001','100102','修身牛仔裤','蓝色','31','条',6,89,''),"
        "('CJ202403050001','100105','碎花连衣裙','粉色','均码','件',5,128,'含赠品袋'),"
        "('CJ202403050001','100108','羊毛针织开衫','米白','L','件',4,166.5,'')"));
    report->LoadFromFile(DeliveredTemplate(QStringLiteral("cgjh.fr3")));
    report->SetDataset(
        QStringLiteral("frxDBDataset1"), rows->Open(QStringLiteral("select t.*, jh_dj*t_sl as je from t order by id")));
    // The lines come to 90 pieces and 5,437.00.
    const std::pair<const char*, const char*> values[] = {
        { "comName", "杭州衣尚服饰有限公司" },
        { "comTele", "0571-8888 6666" },
        { "comLxr", "王经理" },
        { "comAddress", "杭州市上城区解放路 88 号" },
        { "ghsName", "广州天河制衣厂" },
        { "ghsLxr", "李女士" },
        { "ghsTele", "020-3888 1234" },
        { "ghsAddress", "广州市天河区中山大道 201 号" },
        { "ckName", "总仓" },
        { "jhDate", "2024-03-05" },
        { "uName", "张三" },
        { "aName", "admin" },
        { "gldjh2", "CD202403010002" },
        { "fpno", "04419876" },
        { "Kmmc", "现金" },
        { "yunfei", "0" },
        { "baozfei", "0" },
        { "khqk", "1200" },
        { "xxyf", "5437" },
        { "xxsf", "3000" },
        { "ljqkje", "3637" },
        { "yf", "伍仟肆佰叁拾柒元整" },
        { "sf", "叁仟元整" },
        { "checker", "" },
        { "Note", "三月春装首批到货" },
    };
    for (const auto& [name, value] : values)
        report->SetVariable(QString::fromUtf8(name), QString::fromUtf8(value));
    return report;
}

Report* SampleListReport(QObject* owner)
{
    auto* report = new Report(owner);
    auto* rows = new SampleRows(report);
    rows->db.Exec(QStringLiteral(
        "create table d(id integer primary key, djh text, rq text, ghs_name text, ck_name text, yfje real, sfje real, "
        "yhje real, u_name text, checker text, dnote text);"
        "with recursive s(i) as (select 1 union all select i+1 from s where i<36) "
        "insert into d(djh,rq,ghs_name,ck_name,yfje,sfje,yhje,u_name,checker,dnote) select "
        "'CJ202403' || printf('%02d', (i+1)/2) || printf('%04d', i), "
        "'2024-03-' || printf('%02d', (i+1)/2), "
        "case i%4 when 0 then '广州天河制衣厂' when 1 then '深圳南山服饰有限公司' when 2 then '杭州四季青批发商行' "
        "else '东莞虎门童装厂' end, "
        "case i%3 when 0 then '总仓' when 1 then '一号门店' else '二号门店' end, "
        "(i*731)%5000+200, ((i*731)%5000+200) - (i%3)*150, case when i%5=0 and i%3<>0 then 20 else 0 end, "
        "case i%2 when 0 then '张三' else '李四' end, 'admin', "
        "case when i%6=0 then '补货' else '' end from s"));
    report->LoadFromFile(DeliveredTemplate(QStringLiteral("cgjhdjb.fr3")));
    report->SetDataset(QStringLiteral("cgjhdjb"),
        rows->Open(QStringLiteral("select d.*, yfje-sfje-yhje as wfje from d order by rq desc, djh desc")));
    report->SetVariable(QStringLiteral("comName"), QStringLiteral("杭州衣尚服饰有限公司"));
    report->SetVariable(QStringLiteral("comTele"), QStringLiteral("0571-8888 6666"));
    report->SetVariable(QStringLiteral("comAddress"), QStringLiteral("杭州市上城区解放路 88 号"));
    report->SetVariable(QStringLiteral("bTitle"), QStringLiteral("供货商采购业务单据表"));
    report->SetVariable(QStringLiteral("date1"), QStringLiteral("2024-03-01"));
    report->SetVariable(QStringLiteral("date2"), QStringLiteral("2024-03-31"));
    return report;
}
