// A window registered once for the main window is also a screenshot under its class name.
#include "foundation/functionwindows.h"
#include "platform/ui/screenshots.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class TF_StandIn : public Form {
public:
    TF_StandIn() { setObjectName(QStringLiteral("TF_StandIn")); }
    QString view;
};

TF_StandIn* F_StandIn = nullptr;

class RegistrationTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        FunctionWindows::Unregister(QStringLiteral("TF_StandIn"));
        Screenshots::SetPreparation({});
    }
};

TEST_F(RegistrationTest, OneRegistrationGivesTheFunctionAndItsScreenshot)
{
    int prepared = 0;
    Screenshots::SetPreparation([&] { ++prepared; });
    FunctionWindows::Register<TF_StandIn>(QStringLiteral("TF_StandIn"), F_StandIn);
    FunctionWindows::RegisterView(QStringLiteral("TF_StandIn"), QStringLiteral("query"),
        [](Form& f) { static_cast<TF_StandIn&>(f).view = QStringLiteral("query"); });

    EXPECT_TRUE(FunctionWindows::Available(QStringLiteral("TF_StandIn")));
    const QStringList names = Screenshots::Names();
    ASSERT_TRUE(names.contains(QStringLiteral("TF_StandIn"))) << names.join(',').toStdString();
    ASSERT_TRUE(names.contains(QStringLiteral("TF_StandIn-query")));

    std::unique_ptr<QWidget> shot(Screenshots::Find(QStringLiteral("TF_StandIn"))());
    auto* standIn = dynamic_cast<TF_StandIn*>(shot.get());
    ASSERT_NE(standIn, nullptr);
    EXPECT_TRUE(standIn->view.isEmpty());
    std::unique_ptr<QWidget> query(Screenshots::Find(QStringLiteral("TF_StandIn-query"))());
    ASSERT_NE(dynamic_cast<TF_StandIn*>(query.get()), nullptr);
    EXPECT_EQ(static_cast<TF_StandIn*>(query.get())->view, QStringLiteral("query"));
    // Each screenshot prepares the account set and login it stands on.
    EXPECT_EQ(prepared, 2);
    EXPECT_EQ(F_StandIn, nullptr); // a screenshot leaves the kept instance alone

    FunctionWindows::Unregister(QStringLiteral("TF_StandIn"));
    EXPECT_FALSE(FunctionWindows::Available(QStringLiteral("TF_StandIn")));
    EXPECT_FALSE(Screenshots::Names().contains(QStringLiteral("TF_StandIn")));
    EXPECT_FALSE(Screenshots::Names().contains(QStringLiteral("TF_StandIn-query")));
}

TEST_F(RegistrationTest, ASampleFixtureStandsInForTheFreshWindow)
{
    FunctionWindows::Register<TF_StandIn>(QStringLiteral("TF_StandIn"), [] {
        auto* w = new TF_StandIn();
        w->view = QStringLiteral("sample");
        return w;
    });
    std::unique_ptr<QWidget> shot(Screenshots::Find(QStringLiteral("TF_StandIn"))());
    ASSERT_NE(dynamic_cast<TF_StandIn*>(shot.get()), nullptr);
    EXPECT_EQ(static_cast<TF_StandIn*>(shot.get())->view, QStringLiteral("sample"));
}

}
