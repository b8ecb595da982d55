#include "accounts/yskgl.h"
#include "accountsfixture.h"
#include "foundation/functionwindows.h"
#include "platform/grid/datagrid.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Stands in for the one-document receipt dialog: it "collects" 30 of what is owed.
class FakeReceipt : public Form {
public:
    FakeReceipt() { setObjectName(QStringLiteral("TF_Yskgl_Sk")); }
    void FormActivate() override
    {
        seen = SelectedSn;
        ExecSQL(QStringLiteral("update jxc_lsxsd set ls_sfje=ls_sfje+30 where gl_djh='") + SelectedSn
            + QStringLiteral("'"));
        ResultText = QStringLiteral("30");
    }
    static inline QString seen;
};

class YskglWindowTest : public AccountsTest {
protected:
    void TearDown() override
    {
        FunctionWindows::Unregister(QStringLiteral("TF_Yskgl_Sk"));
        UseDocCollection = QStringLiteral("0");
        SelectedSn.clear();
        ResultText.clear();
        AccountsTest::TearDown();
    }
    void Sale(const QString& number, double due, double paid)
    {
        ExecSQL(QStringLiteral("insert into jxc_lsxsd (gl_djh,ls_yfje,ls_sfje,ls_yhje,ls_hkje) values ('%1',%2,%3,0,0)")
                    .arg(number)
                    .arg(due)
                    .arg(paid));
        ExecSQL(QStringLiteral("insert into jxc_ysyfk (gl_djh,k_rq,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,k_flag,k_type,"
                               "k_djlx,k_ghskh,u_sn) values ('%1','2024-03-02 09:00',%2,%3,0,0,%4,1,'kh','XS','K1',"
                               "'100001')")
                    .arg(number)
                    .arg(due)
                    .arg(paid)
                    .arg(due - paid));
    }
};

TEST_F(YskglWindowTest, CollectingAgainstASaleReopensTheDocumentList)
{
    UseDocCollection = QStringLiteral("1");
    Sale(QStringLiteral("XS24030210001"), 50, 0);
    Sale(QStringLiteral("XS24030210002"), 40, 40);
    TF_Yskgl w;
    w.Activate();
    // The settlement dialog is not there yet: the button is off.
    EXPECT_FALSE(w.btn_Fukuan->isEnabled());
    FunctionWindows::Register<FakeReceipt>(QStringLiteral("TF_Yskgl_Sk"));
    prompt.OnModal(QStringLiteral("TF_Yskgl_Sk"), [](QDialog*) { return 1; });
    w.Activate();
    EXPECT_TRUE(w.btn_Fukuan->isEnabled());
    Query& docs = TF_Yskgl::Documents();
    ASSERT_TRUE(docs.Locate(QStringLiteral("gl_djh"), QStringLiteral("XS24030210002")));
    w.btn_FukuanClick();
    EXPECT_EQ(prompt.LastMessage(), S("该单据不欠款，不需要收款！"));
    ASSERT_TRUE(docs.Locate(QStringLiteral("gl_djh"), QStringLiteral("XS24030210001")));
    w.btn_FukuanClick();
    EXPECT_EQ(FakeReceipt::seen, QStringLiteral("XS24030210001"));
    EXPECT_EQ(ResultText, QStringLiteral("30"));
    EXPECT_TRUE(docs.Active());
    EXPECT_EQ(Number(QStringLiteral("select ls_sfje from jxc_lsxsd where gl_djh='XS24030210001'")), 30);

    w.rHzb->setChecked(true);
    w.btn_FukuanClick();
    EXPECT_EQ(prompt.LastMessage(), S("收款只能在“单据表”进行！"));
    EXPECT_TRUE(w.chkAll->isVisibleTo(&w));
}

TEST_F(YskglWindowTest, NonZeroClosingBalanceIsRed)
{
    Sale(QStringLiteral("XS24030210001"), 50, 0);
    Sale(QStringLiteral("XS24030210002"), 40, 40);
    TF_Yskgl w;
    w.Activate();
    ASSERT_EQ(w.cxGrid1View->RowCount(), 2);
    const int col = w.cxGrid1View->ColumnByField(QStringLiteral("k_ljje"));
    QStringList colours;
    for (int row = 0; row < 2; ++row)
        colours << w.cxGrid1View->model()->index(row, col).data(Qt::ForegroundRole).value<QColor>().name();
    EXPECT_TRUE(colours.contains(QColor(Qt::red).name()));
    EXPECT_NE(colours.at(0), colours.at(1));
}

TEST_F(YskglWindowTest, ExportOffersXlsOnly)
{
    Sale(QStringLiteral("XS24030210001"), 50, 0);
    TF_Yskgl w;
    w.Activate();
    prompt.AnswerFile(Folder() + QStringLiteral("ysk"));
    w.btn_ExportClick();
    EXPECT_TRUE(QFile::exists(Folder() + QStringLiteral("ysk.xls")));
    EXPECT_FALSE(QFile::exists(Folder() + QStringLiteral("ysk.xlsx")));
}

TEST_F(YskglWindowTest, RecalculationDialogForEveryCustomerOrOne)
{
    ExecSQL(QStringLiteral("insert into jxc_ysyfk (gl_djh,k_rq,k_yfje,k_sfje,k_ljje,k_type,k_ghskh) values "
                           "('YS1','2024-03-02 09:00',20,0,3,'kh','K1')"));
    TF_Yskgl_Js all(QString(), QString(), QDate(2024, 3, 1));
    EXPECT_EQ(all.lPartner->text(), S("所有客户"));
    EXPECT_EQ(all.lDate->text(), QStringLiteral("2024-03-01"));
    prompt.Answer(Prompt::Answer::No);
    all.btnSaveClick();
    EXPECT_EQ(Number(QStringLiteral("select k_ljje from jxc_ysyfk")), 3);
    EXPECT_NE(OpenMode, QStringLiteral("1"));
    prompt.Answer(Prompt::Answer::Yes);
    all.btnSaveClick();
    EXPECT_EQ(Number(QStringLiteral("select k_ljje from jxc_ysyfk")), 20);
    EXPECT_EQ(OpenMode, QStringLiteral("1"));
    EXPECT_EQ(prompt.LastMessage(), S("重新计算完成！"));
}

} // namespace
