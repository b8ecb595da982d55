#include "foundation/keypreview.h"

#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// The window's shortcut is taken before the focused control sees the key; other
// keys reach the control.
TEST(KeyPreviewTest, TheWindowsKeyIsTakenBeforeItsControlsAndOthersPass)
{
    QWidget window;
    auto* edit = new QLineEdit(&window);
    int searches = 0;
    KeyPreview::InstallKey(&window, Qt::Key_F2, [&searches] { ++searches; });
    QTest::keyClick(edit, Qt::Key_F2);
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(searches, 1);
    EXPECT_EQ(edit->text(), QStringLiteral("a"));
}

}
