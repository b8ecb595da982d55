#include "spxstest.h"

#include "documents/prinsele.h"
#include "platform/base/programfolder.h"
#include "platform/report/printlog.h"
#include "support/platform/testtext.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>

namespace {

class PrintTest : public SpxsTest {
protected:
    void SetUp() override
    {
        SpxsTest::SetUp();
        PrintLog::Clear();
        StockRow();
        // The delivered forms, beside the program as the build lays them out.
        QDir().mkpath(ProgramFolder::File(QStringLiteral("report")));
        for (const char* form : { "spxs.fr3", "spxs2.fr3", "spxs3.fr3", "spxs4.fr3" })
            QFile::copy(SourceResource(QStringLiteral("report/") + QLatin1String(form)),
                ProgramFolder::File(QStringLiteral("report/") + QLatin1String(form)));
        // The customer owes 50 already.
        Sql(QStringLiteral(
            "insert into jxc_ysyfk (k_type,k_ghskh,k_rq,k_ljje) values ('kh','K1','2024-05-01 09:00',50)"));
    }
    // Saves the two pieces pending, paid 100 of the due 180.
    QString SavePending()
    {
        const QString number = No();
        TwoPieces();
        w->comJsfs->setCurrentIndex(1);
        w->tssje->setText(QStringLiteral("100"));
        prompt.Answer(Prompt::Answer::Yes);
        w->btnOKClick();
        return number;
    }
    static QString Var(const char* name) { return PrintLog::Last()->variables.value(QLatin1String(name)); }
};

TEST_F(PrintTest, TheEntryTabPrintsTheWindowsUnsavedValues)
{
    TwoPieces();
    w->tssje->setText(QStringLiteral("100"));
    w->tnote->setText(U8("加急"));
    const QString number = No();
    prompt.OnModal(QString(), [](QDialog*) { return int(QDialog::Accepted); }); // the printer dialog
    w->btnPrin_WClick();
    ASSERT_EQ(PrintLog::Count(QStringLiteral("print")), 1);
    EXPECT_TRUE(PrintLog::Last()->templateFile.endsWith(QStringLiteral("report/spxs.fr3")));
    EXPECT_EQ(Var("khName"), U8("客户一"));
    EXPECT_EQ(Var("xxyf"), QStringLiteral("180"));
    EXPECT_EQ(Var("xxsf"), QStringLiteral("100"));
    EXPECT_EQ(Var("khqk"), QStringLiteral("50"));
    EXPECT_EQ(Var("ljqkje"), QStringLiteral("130")) << "balance + due - paid";
    EXPECT_EQ(Var("yf"), U8("壹佰捌拾元整"));
    EXPECT_EQ(Var("sf"), U8("壹佰元整"));
    EXPECT_EQ(Var("yf2"), U8("壹佰捌拾元整"));
    EXPECT_EQ(Var("Note"), U8("加急"));
    EXPECT_EQ(Var("checker"), QString());
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("frxDBDataset1")).rows.size(), 2);
    EXPECT_EQ(No(), number) << "printing keeps the document under entry";
    EXPECT_EQ(w->SkipNextActivation, QStringLiteral("0")) << "nothing left to skip a later activation";

    // A cancelled printer dialog prints nothing.
    prompt.OnModal(QString(), [](QDialog*) { return int(QDialog::Rejected); });
    w->btnPrin_WClick();
    EXPECT_EQ(PrintLog::Count(QStringLiteral("print")), 1);
    EXPECT_EQ(w->SkipNextActivation, QStringLiteral("0"));
}

TEST_F(PrintTest, AStoredDocumentPrintsFromItsHeader)
{
    const QString number = SavePending();
    Sql(QStringLiteral("update jxc_lsxsd set ls_note='stored'"));
    prompt.OnModal(QString(), [](QDialog*) { return int(QDialog::Accepted); }); // the preview
    w->ViewStoredDocument(number);
    ASSERT_EQ(PrintLog::Count(QStringLiteral("preview")), 1);
    EXPECT_EQ(Var("Note"), QStringLiteral("stored"));
    EXPECT_EQ(Var("xxyf"), QStringLiteral("180"));
    EXPECT_EQ(Var("xxsf"), QStringLiteral("100"));
}

TEST_F(PrintTest, TheChosenTemplateHoldsUntilTheSettingsAreLoaded)
{
    ChooseSalesPrintFormat = QStringLiteral("1");
    TwoPieces();
    prompt.OnModal(QStringLiteral("TF_PrinSele"), [](QDialog* dialog) {
        auto* d = static_cast<TF_PrinSele*>(dialog);
        d->rPrin2Click();
        d->btnOKClick();
        return int(QDialog::Accepted);
    });
    prompt.OnModal(QString(), [](QDialog*) { return int(QDialog::Accepted); });
    w->btnPrin_XClick();
    EXPECT_TRUE(PrintLog::Last()->templateFile.endsWith(QStringLiteral("report/spxs4.fr3")));

    ChooseSalesPrintFormat = QStringLiteral("0");
    prompt.OnModal(QString(), [](QDialog*) { return int(QDialog::Accepted); });
    w->btnPrin_XClick();
    EXPECT_TRUE(PrintLog::Last()->templateFile.endsWith(QStringLiteral("report/spxs4.fr3")));
    LoadSystemSettings();
    EXPECT_NE(SalesDocTemplate, QStringLiteral("spxs4.fr3"));
}

TEST_F(PrintTest, TheAutomaticPrintPrintsOnceAndTheNextDocumentStarts)
{
    AutoPrintSalesDoc = QStringLiteral("1");
    SalesPrintRows = QStringLiteral("5");
    const QString number = SavePending();
    ASSERT_EQ(PrintLog::Count(QStringLiteral("print")), 1);
    EXPECT_EQ(PrintLog::Count(QStringLiteral("preview")), 0);
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("frxDBDataset1")).rows.size(), 5)
        << "two lines padded to the rows of a form";
    EXPECT_EQ(Var("xxyf"), QStringLiteral("180"));
    EXPECT_NE(No(), number);
    EXPECT_EQ(w->Q_Lsxssp.RecordCount(), 0);
    EXPECT_EQ(w->SkipNextActivation, QStringLiteral("0"));
}

TEST_F(PrintTest, ContinuousPrintingPrintsEveryDocumentWithoutDialogs)
{
    QStringList numbers;
    for (int i = 0; i < 3; ++i)
        numbers << SavePending();
    Scan(QStringLiteral("G1RS"));
    const QString underEntry = No();
    prompt.Answer(Prompt::Answer::No);
    EXPECT_FALSE(w->PrintContinuously(numbers));
    EXPECT_EQ(PrintLog::Count(QStringLiteral("print")), 0);
    prompt.Answer(Prompt::Answer::Yes);
    EXPECT_TRUE(w->PrintContinuously(numbers));
    EXPECT_EQ(PrintLog::Count(QStringLiteral("print")), 3);
    EXPECT_TRUE(prompt.ModalNames().isEmpty());
    EXPECT_EQ(No(), underEntry);
    EXPECT_EQ(w->ContinuousPrinting, QStringLiteral("0"));
}

} // namespace
