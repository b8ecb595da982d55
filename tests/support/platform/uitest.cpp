#include "support/platform/uitest.h"

#include "platform/base/clock.h"
#include "platform/base/programfolder.h"

void UiTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    ProgramFolder::Set(dir_.path());
    Clock::SetFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 20, 30)));
    prompt.OnFailure = [](const QString& what) { ADD_FAILURE() << what.toStdString(); };
    Prompt::Install(&prompt);
}

void UiTest::TearDown()
{
    Prompt::Install(nullptr);
    Clock::Release();
}
