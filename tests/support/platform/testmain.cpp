#include "support/platform/testdb.h"
#include "support/platform/uitest.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // ctest reads this code as "skipped".
    if (TestDb::ServerPassWithoutServer())
        return 77;
    return RUN_ALL_TESTS();
}
