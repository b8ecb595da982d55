#include "platform/ui/numberedit.h"
#include "support/platform/uitest.h"

#include <QApplication>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

using NumberEditTest = UiTest;

void Focus(NumberEdit& e, bool in)
{
    QFocusEvent event(in ? QEvent::FocusIn : QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&e, &event);
}

TEST_F(NumberEditTest, ShowsItsFormatOnlyWithoutTheFocusAndKeepsTheValue)
{
    NumberEdit e;
    e.SetDecimals(2);
    e.SetDisplayFormat(QStringLiteral("¥,0.00;-¥,0.00"));
    e.SetValue(12345.5);
    EXPECT_EQ(e.text(), QStringLiteral("¥12,345.50"));
    Focus(e, true);
    EXPECT_EQ(e.text(), QStringLiteral("12345.5"));
    Focus(e, false);
    EXPECT_EQ(e.text(), QStringLiteral("¥12,345.50"));
    EXPECT_DOUBLE_EQ(e.Value(), 12345.5);

    e.SetValue(-3);
    EXPECT_EQ(e.text(), QStringLiteral("-¥3.00"));
    e.SetValue(0.004); // rounds away in the plain text, the value stays
    Focus(e, true);
    EXPECT_EQ(e.text(), QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(e.Value(), 0.004);
}

TEST_F(NumberEditTest, TypingSetsTheValueAndAnUnfinishedNumberCountsAsZero)
{
    NumberEdit e;
    QSignalSpy edited(&e, &NumberEdit::valueEdited);
    Focus(e, true);
    e.clear();
    QTest::keyClicks(&e, QStringLiteral("-"));
    EXPECT_DOUBLE_EQ(e.Value(), 0);
    QTest::keyClicks(&e, QStringLiteral("7.25"));
    EXPECT_DOUBLE_EQ(e.Value(), -7.25);
    EXPECT_EQ(edited.count(), 5);
    // Setting a value from code is not an edit.
    e.SetValue(1);
    EXPECT_EQ(edited.count(), 5);
}

} // namespace
