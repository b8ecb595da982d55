#pragma once
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/report/preparedreport.h"
#include "platform/report/report.h"
#include "support/platform/uitest.h"

#include <memory>
#include <vector>

// Reports over small tables of an in-memory database, with templates written
// as XML into the test's program folder.
class ReportTest : public UiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the template to report/<name> of the program folder and loads it.
    void Load(Report& r, const QString& xml, const QString& name = QStringLiteral("t.fr3"));
    // Table t(id, g_name, cls, qty, price) with rows G1..Gn.
    Query* Goods(int n);
    Query* Open(const QString& sql);
    double Scalar(const QString& sql);

    // The placed objects of that name on a page, top to bottom, left to right.
    static std::vector<const PreparedItem*> Items(const PreparedPage& page, const QString& name);
    static QStringList Texts(const PreparedPage& page, const QString& name);
    static QStringList AllTexts(Report& r, const QString& name);

    Connection db;
    std::vector<std::unique_ptr<Query>> queries;
};

// A template: the page's attributes and the bands inside it.
QString Tpl(const QString& bands,
    const QString& page = QStringLiteral("paper=\"A4\" marginLeft=\"10\" marginTop=\"10\" "
                                         "marginRight=\"10\" marginBottom=\"10\""),
    const QString& variables = QString());

// Where the delivered templates are kept in the source tree.
QString ResourceTemplate(const QString& name);
