#include "support/platform/uitest.h"

#include "platform/base/clock.h"
#include "platform/base/programfolder.h"

#include <QDir>

void UiTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    ProgramFolder::Set(dir_.path());
    Clock::SetFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 20, 30)));
    prompt.OnFailure = [](const QString& what) { ADD_FAILURE() << what.toStdString(); };
    Prompt::Install(&prompt);
}

QString UiTest::SampleFile(const QString& name) const
{
    const QString dir = qEnvironmentVariable("VESTORA_REPORT_SAMPLES", dir_.path());
    QDir().mkpath(dir);
    return QDir(dir).filePath(name);
}

void UiTest::TearDown()
{
    Prompt::Install(nullptr);
    Clock::Release();
}
