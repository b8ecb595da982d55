#include "admin/adminwindows.h"
#include "admin/bbsj.h"
#include "foundation/datamodule.h"
#include "platform/base/programfolder.h"
#include "platform/grid/datagrid.h"
#include "platform/report/reportdesigner.h"
#include "support/accountset.h"

#include <QComboBox>
#include <QDir>
#include <QFile>

namespace {

class ReportDesignTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        RegisterAdminWindows();
        window = std::make_unique<TF_Bbsj>();
        window->Activate();
    }
    void TearDown() override
    {
        window.reset();
        AccountSetTest::TearDown();
    }
    void Choose(int position)
    {
        window->comLx->setCurrentIndex(position);
        window->setBbList();
    }
    // Designs the current row; the file the designer opened, "" when none opened.
    QString DesignCurrent()
    {
        QString opened;
        prompt.OnModal("ReportDesigner", [&](QDialog* d) {
            opened = static_cast<ReportDesigner*>(d)->FileName();
            return 0;
        });
        window->btnDesignClick();
        return opened;
    }
    std::unique_ptr<TF_Bbsj> window;
};

TEST_F(ReportDesignTest, GroupsListTheirReportsAndSystemSettingsIsGroupSix)
{
    EXPECT_EQ(window->comLx->currentText(), "所有类型");
    EXPECT_EQ(window->cxGridView->RowCount(), 120);
    const struct {
        int position;
        int rows;
        int group;
    } cases[] = { { 1, 29, 0 }, { 2, 33, 1 }, { 3, 17, 2 }, { 4, 22, 3 }, { 5, 13, 4 }, { 6, 6, 6 } };
    for (const auto& c : cases) {
        Choose(c.position);
        ASSERT_EQ(window->cxGridView->RowCount(), c.rows) << c.position;
        for (int r = 0; r < c.rows; ++r)
            EXPECT_EQ(window->cxGridView->Value(r, "b_lx").toInt(), c.group);
    }
    // Activation starts again from every group.
    window->Activate();
    EXPECT_EQ(window->cxGridView->RowCount(), 120);
}

TEST_F(ReportDesignTest, ReadingTheDefaultsRestoresExactlyTheSeedRows)
{
    ExecSQL("delete from jxc_bbgl where b_lx=1");
    ExecSQL("insert into jxc_bbgl (b_sn,b_lx,b_lxmc,b_name,b_file) values ('900001',9,'自定义','自定义表','zdy.fr3')");
    window->setBbList();
    ASSERT_EQ(window->cxGridView->RowCount(), 88);

    prompt.Answer(Prompt::Answer::No);
    window->btnReadClick();
    EXPECT_EQ(QueryScalar("select count(*) from jxc_bbgl"), "88");

    prompt.Answer(Prompt::Answer::Yes);
    window->btnReadClick();
    EXPECT_EQ(window->cxGridView->RowCount(), 120);
    EXPECT_EQ(QueryScalar("select count(*) from jxc_bbgl where b_lx=9"), "0");
    EXPECT_EQ(QueryScalar("select count(*) from jxc_bbgl where b_lx=1"), "33");
    EXPECT_EQ(QueryScalar("select b_file from jxc_bbgl where b_sn='700006'"), "goodsprice.fr3");
}

TEST_F(ReportDesignTest, DesigningOpensTheRowsTemplateEvenWhenItIsMissing)
{
    Choose(6);
    window->cxGridView->SetCurrentRow(0);
    const QString file = window->cxGridView->Value(0, "b_file").toString();
    EXPECT_EQ(DesignCurrent(), ProgramFolder::File("report/" + file));

    // A row naming a file that is not there: the designer opens on an empty report,
    // and saving creates the file.
    ExecSQL("update jxc_bbgl set b_file='missing.fr3' where b_sn='700001'");
    window->setBbList();
    window->cxGridView->SetCurrentRow(0);
    const QString missing = ProgramFolder::File("report/missing.fr3");
    QFile::remove(missing);
    prompt.OnModal("ReportDesigner", [&](QDialog* d) {
        auto* designer = static_cast<ReportDesigner*>(d);
        EXPECT_TRUE(designer->Template().Empty());
        designer->AddBand(ReportBandType::MasterData);
        EXPECT_TRUE(designer->Save());
        return 0;
    });
    window->btnDesignClick();
    ReportTemplate saved;
    EXPECT_TRUE(saved.Load(missing));
    EXPECT_EQ(saved.page.bands.size(), 1u);

    // An empty list designs nothing (an unscripted designer would fail the test).
    ExecSQL("delete from jxc_bbgl");
    window->setBbList();
    window->btnDesignClick();
    EXPECT_TRUE(prompt.AllAnswersUsed());
}

} // namespace
