#include "platform/ui/form.h"
#include "platform/ui/prompt.h"
#include "platform/ui/scriptedprompt.h"
#include "support/platform/uitest.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class CountingForm : public Form {
public:
    QLineEdit* edit = new QLineEdit(this);
    void FormActivate() override { edit->clear(); }
};

using FormTest = UiTest;

TEST_F(FormTest, ActivationRunsAtEveryShowingButNotWhenAModalChildClosesUnlessAsked)
{
    CountingForm parent;
    CountingForm child;
    int childSeen = 0;
    prompt.OnModal("", [&](QDialog* d) {
        // The parent is shown modally: while it is up, the operator types and opens a dialog.
        auto* p = static_cast<CountingForm*>(d);
        p->edit->setText("typed");
        prompt.OnModal("", [&](QDialog*) {
            ++childSeen;
            return int(QDialog::Accepted);
        });
        EXPECT_EQ(child.ShowModal(), QDialog::Accepted);
        EXPECT_EQ(p->edit->text(), "typed"); // entries survive the dialog
        return int(QDialog::Rejected);
    });
    parent.ShowModal();
    EXPECT_EQ(childSeen, 1);
    EXPECT_EQ(parent.ActivationCount(), 1);
    EXPECT_EQ(child.ActivationCount(), 1);

    parent.SetReactivateAfterModal(true);
    prompt.OnModal("", [&](QDialog* d) {
        auto* p = static_cast<CountingForm*>(d);
        p->edit->setText("typed");
        prompt.OnModal("", [](QDialog*) { return int(QDialog::Rejected); });
        child.ShowModal();
        EXPECT_EQ(p->edit->text(), ""); // activation ran again
        Prompt::Info("a message box does not count");
        return int(QDialog::Rejected);
    });
    parent.ShowModal();
    EXPECT_EQ(parent.ActivationCount(), 3);
    EXPECT_EQ(prompt.ModalNames().size(), 4);
}

TEST_F(FormTest, EscClosesUnlessTheWindowSaysOtherwise)
{
    Form f;
    f.show();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    f.SetEscCloses(false);
    QApplication::sendEvent(&f, &esc);
    EXPECT_TRUE(f.isVisible());
    f.SetEscCloses(true);
    QApplication::sendEvent(&f, &esc);
    EXPECT_FALSE(f.isVisible());
}

class AskingForm : public Form {
public:
    int asked = 0;
    bool FormCloseQuery() override
    {
        ++asked;
        return Prompt::YesNo("是否退出？") == Prompt::Answer::Yes;
    }
};

TEST_F(FormTest, ClosingAsksOnceAndNoKeepsTheWindow)
{
    AskingForm f;
    f.show();
    prompt.Answer(Prompt::Answer::No);
    f.close();
    EXPECT_TRUE(f.isVisible());
    prompt.Answer(Prompt::Answer::Yes);
    f.close();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.asked, 2);
}

TEST_F(FormTest, ScriptedPromptRecordsAndAnswersInOrder)
{
    Prompt::Info("保存成功！");
    prompt.Answer(Prompt::Answer::Yes);
    prompt.Answer(Prompt::Answer::Cancel);
    EXPECT_EQ(Prompt::YesNo("是否要退出系统？"), Prompt::Answer::Yes);
    EXPECT_EQ(Prompt::YesNoCancel("单据未保存，是否保存？"), Prompt::Answer::Cancel);
    prompt.AnswerText(QString("abc"));
    prompt.AnswerText(std::nullopt);
    EXPECT_EQ(Prompt::Text("输入", "密码").value_or("x"), "abc");
    EXPECT_FALSE(Prompt::Text("输入", "密码").has_value());
    prompt.AnswerFile("/tmp/a.xls");
    EXPECT_EQ(Prompt::OpenFile("打开", "*.xls"), "/tmp/a.xls");

    ASSERT_EQ(prompt.History().size(), 6);
    EXPECT_EQ(prompt.History()[0].caption, "系统提示");
    EXPECT_EQ(prompt.History()[1].caption, "信息提醒");
    EXPECT_EQ(prompt.LastMessage(), "保存成功！");
    EXPECT_TRUE(prompt.AllAnswersUsed());
}

TEST(ScriptedPromptAlone, AnUnscriptedQuestionIsReportedAndAnsweredNo)
{
    ScriptedPrompt p;
    QStringList failures;
    p.OnFailure = [&](const QString& what) { failures << what; };
    Prompt::Install(&p);
    EXPECT_EQ(Prompt::YesNo("删除吗？"), Prompt::Answer::No);
    EXPECT_EQ(Prompt::YesNoCancel("保存吗？"), Prompt::Answer::Cancel);
    Prompt::Install(nullptr);
    ASSERT_EQ(failures.size(), 2);
    EXPECT_TRUE(failures[0].contains("删除吗？"));
}

} // namespace
