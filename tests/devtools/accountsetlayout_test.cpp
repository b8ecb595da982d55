#include "app/devtools/accountsetlayout.h"
#include "support/platform/uitest.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace {

class AccountSetLayoutTest : public UiTest { };

TEST_F(AccountSetLayoutTest, LaysOutBothFilesAndReportsOneItCannotWrite)
{
    LayOutAccountSet(Folder() + "a");
    for (const char* f : { "a/data/jxc.mdb", "a/data/codeinfo.dll" })
        EXPECT_GT(QFile(Folder() + f).size(), 0) << f;

    // A folder where the account set should go: the copy fails and says which file.
    ASSERT_TRUE(QDir().mkpath(Folder() + "b/data/jxc.mdb"));
    try {
        LayOutAccountSet(Folder() + "b");
        FAIL() << "a failed copy went unreported";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("jxc.mdb"), std::string::npos) << e.what();
    }
}

}
