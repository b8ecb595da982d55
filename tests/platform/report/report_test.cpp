#include "reporttest.h"

#include "platform/report/printlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

void ReportTest::SetUp()
{
    UiTest::SetUp();
    db.OpenMemory();
    PrintLog::Clear();
    PrintLog::SetOutputFolder(Folder() + QStringLiteral("printed"));
}

void ReportTest::TearDown()
{
    queries.clear();
    PrintLog::SetOutputFolder(QString());
    PrintLog::Clear();
    UiTest::TearDown();
}

QString Tpl(const QString& bands, const QString& page, const QString& variables)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<report name=\"t\">")
        + (variables.isEmpty() ? QString() : QStringLiteral("<variables>") + variables + QStringLiteral("</variables>"))
        + QStringLiteral("<page ") + page + QStringLiteral(">") + bands + QStringLiteral("</page></report>");
}

void ReportTest::Load(Report& r, const QString& xml, const QString& name)
{
    QDir(Folder()).mkpath(QStringLiteral("report"));
    const QString file = Folder() + QStringLiteral("report/") + name;
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(xml.toUtf8());
    f.close();
    ASSERT_TRUE(r.LoadFromFile(file)) << r.LastError().toStdString();
}

Query* ReportTest::Goods(int n)
{
    db.Exec(QStringLiteral("drop table if exists t; create table t(id integer primary key autoincrement, "
                           "g_name text, cls text, qty real, price real)"));
    if (n > 0)
        db.Exec(QStringLiteral("with recursive s(i) as (select 1 union all select i+1 from s where i<%1) "
                               "insert into t(g_name,cls,qty,price) select 'G'||i, "
                               "case when i<=%1/2 then 'A' else 'B' end, i%7+1, (i*37)%100/4.0 from s")
                    .arg(n));
    return Open(QStringLiteral("select * from t order by id"));
}

Query* ReportTest::Open(const QString& sql)
{
    queries.push_back(std::make_unique<Query>(&db));
    Query* q = queries.back().get();
    q->SetSQL(sql);
    q->Open();
    return q;
}

double ReportTest::Scalar(const QString& sql)
{
    Query q(&db);
    q.SetSQL(sql);
    q.Open();
    return q.ValueAt(0, 0).toDouble();
}

std::vector<const PreparedItem*> ReportTest::Items(const PreparedPage& page, const QString& name)
{
    std::vector<const PreparedItem*> out;
    for (const PreparedItem& it : page.items)
        if (it.object->name == name)
            out.push_back(&it);
    std::stable_sort(out.begin(), out.end(), [](const PreparedItem* a, const PreparedItem* b) {
        if (std::abs(a->rect.top() - b->rect.top()) > 1e-6)
            return a->rect.top() < b->rect.top();
        return a->rect.left() < b->rect.left();
    });
    return out;
}

QStringList ReportTest::Texts(const PreparedPage& page, const QString& name)
{
    QStringList out;
    for (const PreparedItem* it : Items(page, name))
        out << it->text;
    return out;
}

QStringList ReportTest::AllTexts(Report& r, const QString& name)
{
    QStringList out;
    for (const PreparedPage& p : r.Pages().pages)
        out << Texts(p, name);
    return out;
}

QString ResourceTemplate(const QString& name)
{
    return SourceResource(QStringLiteral("report/") + name);
}
