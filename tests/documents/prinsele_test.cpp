#include "documents/prinsele.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "support/platform/uitest.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

QString S(const char* text)
{
    return QString::fromUtf8(text);
}

class PrinSeleTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        PictureName.clear();
        SalesDocTemplate.clear();
        PurchaseDocTemplate.clear();
    }
    void TearDown() override
    {
        PrintTemplateKind.clear();
        UiTest::TearDown();
    }
    // Shows the dialog modally as its callers do; the script acts in it.
    void Show(const char* family, const std::function<void(TF_PrinSele&)>& act)
    {
        PrintTemplateKind = S(family);
        TF_PrinSele w;
        prompt.OnModal(S("F_PrinSele"), [&](QDialog*) {
            act(w);
            return 0;
        });
        w.ShowModal();
        EXPECT_TRUE(prompt.AllAnswersUsed());
    }
    static QList<bool> Checked(const TF_PrinSele& w)
    {
        return { w.rPrin1->isChecked(), w.rPrin2->isChecked(), w.rPrin3->isChecked() };
    }
};

TEST_F(PrinSeleTest, SalesFormsShowTheCurrentChoiceAndAClickTakesEffectAtOnce)
{
    SalesDocTemplate = S("spxs3.fr3"); // size merging: none of the offered forms
    Show("spxs", [](TF_PrinSele& w) {
        EXPECT_EQ(Checked(w), QList<bool>({ false, false, false }));
        EXPECT_FALSE(w.rPrin3->isHidden());
        EXPECT_EQ(w.rPrin3->text(), S("销售单(含零售价)"));
        w.btnCancel->click();
    });
    EXPECT_EQ(SalesDocTemplate, S("spxs3.fr3"));

    SalesDocTemplate = S("spxs4.fr3");
    Show("spxs", [](TF_PrinSele& w) {
        EXPECT_EQ(Checked(w), QList<bool>({ false, true, false }));
        w.rPrin3->click();
        EXPECT_EQ(SalesDocTemplate, S("spxs2.fr3"));
        EXPECT_TRUE(w.FormKeyDown(Qt::Key_Escape));
    });
    EXPECT_EQ(SalesDocTemplate, S("spxs2.fr3")); // closing keeps the clicked form
    EXPECT_EQ(PictureName, QString());
    EXPECT_EQ(PurchaseDocTemplate, QString());
}

TEST_F(PrinSeleTest, PurchaseFormsOfferTwoChoices)
{
    Show("cgjh", [](TF_PrinSele& w) {
        EXPECT_EQ(PurchaseDocTemplate, S("cgjh.fr3")); // an empty choice starts at the full form
        EXPECT_EQ(Checked(w), QList<bool>({ true, false, false }));
        EXPECT_TRUE(w.rPrin3->isHidden());
        EXPECT_EQ(w.rPrin2->text(), S("采购进货单(无进价)"));
        w.rPrin2->click();
        w.btnOK->click();
    });
    EXPECT_EQ(PurchaseDocTemplate, S("cgjh2.fr3"));
    EXPECT_EQ(PictureName, S("1"));
    EXPECT_EQ(SalesDocTemplate, QString());

    // An operator without the cost-price right may still pick the full form.
    PurchaseDocTemplate = S("cgjh2.fr3");
    Show("cgjh", [](TF_PrinSele& w) {
        w.rPrin3->click(); // hidden and of no family here
        w.rPrin1->click();
        EXPECT_TRUE(w.FormKeyDown(Qt::Key_F5));
    });
    EXPECT_EQ(PurchaseDocTemplate, S("cgjh.fr3"));
}

} // namespace
