#include "platform/sheet/childprocess.h"

#include <QElapsedTimer>
#include <csignal>
#include <gtest/gtest.h>
#include <unistd.h>

namespace
{

TEST(ChildProcess, HandsBackTheBytesOrReportsTheCrash)
{
    QByteArray result;
    // More than a pipe holds at once.
    ASSERT_TRUE(RunInChildProcess([] { return QByteArray(300000, 'x') + "end"; }, &result, 30));
    EXPECT_EQ(result.size(), 300003);
    EXPECT_TRUE(result.endsWith("end"));

    EXPECT_FALSE(RunInChildProcess(
        [] {
            ::raise(SIGSEGV);
            return QByteArray("never");
        },
        &result, 30));
    EXPECT_TRUE(result.isEmpty());

    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(RunInChildProcess(
        [] {
            ::sleep(20);
            return QByteArray("late");
        },
        &result, 1));
    EXPECT_LT(clock.elapsed(), 10000);
}

}
