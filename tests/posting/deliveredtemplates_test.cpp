#include "postingtest.h"

#include "platform/db/query.h"
#include "platform/report/report.h"
#include "posting/printdata.h"
#include "posting/printvars.h"
#include "support/platform/testtext.h"

#include <QFile>

using namespace fixture;

namespace {

// The forms of documents that no entry window prints (split, bundle, customer loan,
// processing and department scrapping), each prepared from a stored document of its
// kind with the variables and rows the print routines give it.
class DeliveredTemplatesTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        AddStaff(S("U1"), S("李经办"));
        AddCustomer(S("K1"), S("甲客户"));
        Sql(S("update jxc_goods set gc_sn=(select min(gc_sn) from jxc_goodsclass),gg_name='常规' where g_sn='G1'"));
        Sql(S("insert into jxc_dept (de_sn,de_name) values ('D1','裁剪部')"));
        for (const char* p : { "cf", "kb" }) {
            const QString k = S(p);
            const QString date = k == S("cf") ? S("cf_cfrq") : S("kb_kbrq");
            Sql(QStringLiteral("insert into jxc_%1d (gl_djh,ck_sn,%2,g_sn,%1_cbj,%1_sl,%1_status,u_sn,a_name,%1_note) "
                               "values ('%3','100001','2024-05-09 10:00','G1',20,2,1,'U1','admin','%1备注')")
                    .arg(k, date, k.toUpper() + S("0001")));
            Sql(QStringLiteral("insert into jxc_%1sp (gl_djh,g_sn,%1_dj,%1_sl,%1_zje,ck_sn,a_name) "
                               "values ('%2','G1',10,4,40,'100001','admin')")
                    .arg(k, k.toUpper() + S("0001")));
        }
        Sql(S("insert into jxc_khjh (kh_sn,jh_rq,gl_djh,ck_sn,u_sn,jh_status,a_name,jh_note) "
              "values ('K1','2024-05-09 10:00','HH0001','100001','U1',1,'admin','借货备注')"));
        Sql(S("insert into jxc_bmlyd (gl_djh,ck_sn,de_sn,ly_rq,ly_zje,ly_status,ly_checker,u_sn,ly_note,a_name) "
              "values ('LY0001','100001','D1','2024-05-09 10:00',15,1,'王审核','U1','报废备注','admin')"));
        Sql(S("insert into jxc_bmlysp (gl_djh,g_sn,ly_sl,ly_dj,ly_zje,a_name) values ('LY0001','G1',3,5,15,'admin')"));
        const QString line = Text(S("select max(id) from jxc_bmlysp"));
        Sql(S("insert into jxc_bmlyspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) values "
              "('LY0001','G1','S','R',2,'admin',")
            + line + S("),('LY0001','G1','M','B',1,'admin',") + line + S(")"));
    }

    // Every text the prepared form prints.
    QStringList Printed(const QString& file, const QString& number, const QString& kind, const QString& prefix)
    {
        Report r;
        EXPECT_TRUE(r.LoadFromFile(SourceResource(S("report/") + file))) << file.toStdString();
        EXPECT_FALSE(r.Template().Empty()) << file.toStdString();
        SetDocPrintVars(r, number, kind);
        Query rows(&dm->ADOConn);
        const QString sql = BuildColorSizePrintData(number, prefix);
        if (!sql.isEmpty()) {
            rows.SetSQL(sql);
            rows.Open();
        }
        r.SetDataset(S("frxDBDataset1"), &rows);
        QStringList out;
        for (const PreparedPage& page : r.Pages().pages)
            for (const PreparedItem& item : page.items)
                out << item.text;
        return out;
    }
};

TEST_F(DeliveredTemplatesTest, EachFormPrintsItsDocumentsVariablesAndRows)
{
    const struct {
        const char* file;
        const char* number;
        const char* kind;
        const char* prefix;
        const char* heading;
        QStringList expected; // texts the form must print
        int goodsRows;        // printed rows naming the goods
    } cases[] = {
        { "cfd.fr3", "CF0001", "spcf", "CF", "商品拆分单",
            { S("经 办 人：李经办"), S("成 本 价：20"), S("备注：cf备注") }, 1 },
        { "cfd2.fr3", "CF0001", "spcf", "CF", "商品拆分单", { S("数　　量：2 件"), S("制单人：admin") }, 1 },
        { "kbd.fr3", "KB0001", "spkb", "KB", "商品捆绑单", { S("成本金额：40"), S("备注：kb备注") }, 1 },
        { "kbd2.fr3", "KB0001", "spkb", "KB", "商品捆绑单", { S("经 办 人：李经办") }, 1 },
        { "khjh.fr3", "HH0001", "khjh", "khjh", "客户还货单", { S("客　　户：甲客户"), S("备注：借货备注") }, 0 },
        { "cpjgd.fr3", "JG0001", "JG", "JG", "产品加工单", {}, 0 },
        { "cpjgd2.fr3", "JG0001", "JG", "JG", "产品加工单", {}, 0 },
        { "wfjgd.fr3", "WF0001", "WF", "WF", "外发加工单", {}, 0 },
        { "wfjgd2.fr3", "WF0001", "WF", "WF", "外发加工单", {}, 0 },
        { "bmbfd.fr3", "LY0001", "LY", "LY", "部门报废单", { S("部　　门：裁剪部"), S("审核人：王审核") }, 2 },
        { "bmbfd2.fr3", "LY0001", "LY", "LY", "部门报废单", { S("备注：报废备注") }, 2 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QStringList printed = Printed(S(c.file), S(c.number), S(c.kind), S(c.prefix));
        EXPECT_TRUE(printed.contains(S(c.heading)));
        for (const QString& text : c.expected)
            EXPECT_TRUE(printed.contains(text)) << text.toStdString();
        EXPECT_EQ(printed.count(S("衬衫")), c.goodsRows);
    }
}

TEST_F(DeliveredTemplatesTest, FormsWithoutCostsPrintNoCost)
{
    for (const char* file : { "cfd2.fr3", "kbd2.fr3", "cpjgd2.fr3", "wfjgd2.fr3", "bmbfd2.fr3" }) {
        ReportTemplate t;
        ASSERT_TRUE(t.Load(SourceResource(S("report/") + S(file)))) << file;
        for (const ReportBand& band : t.page.bands)
            for (const ReportObject& o : band.objects)
                for (const char* cost : { "Cbj", "zje", "Zje", "_dj\"" })
                    EXPECT_FALSE(o.text.contains(S(cost))) << file << " " << o.text.toStdString();
    }
}

} // namespace
