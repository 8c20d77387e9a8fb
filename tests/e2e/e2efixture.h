#pragma once

#include <QApplication>
#include <QRect>

#include <gtest/gtest.h>

#include "e2e/driver.h"

namespace e2e {

// Every end-to-end test starts with the program's main window up and answering, and a test that failed
// leaves nothing open for the next one.
class E2eTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The splash window hands over to the main window after its 5-second timer.
        const bool up = Driver::waitFor(
            [] {
                QWidget* main = Driver::mainWindow();
                return main && main->isVisible() && main->isEnabled() && !Driver::topLevel("Form2");
            },
            30000);
        ASSERT_TRUE(up) << "the main window did not come up";
        // It adapts its layout and the window manager places it: wait until it stands still and is active.
        QRect last;
        const bool settled = Driver::waitFor(
            [&last] {
                QWidget* main = Driver::mainWindow();
                const QRect now = main->frameGeometry();
                const bool still = now == last && main->isActiveWindow();
                last = now;
                return still;
            },
            10000);
        ASSERT_TRUE(settled) << "the main window did not settle";
        Driver::pause(300);
    }
    void SetUp() override
    {
        ASSERT_TRUE(
            Driver::waitFor([] { return Driver::mainWindow() && Driver::mainWindow()->isVisible(); }, 30000));
    }
    void TearDown() override
    {
        if (!HasFailure())
            return;
        // What the screen showed when the test failed, for the one who reads the failure.
        const QString shots = qEnvironmentVariable("ZEPHANE_E2E_SHOTS");
        if (!shots.isEmpty()) {
            const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info();
            Driver::screenshot(shots + QLatin1Char('/') + QLatin1String(t->test_suite_name()) +
                               QLatin1Char('.') + QLatin1String(t->name()) + QStringLiteral(".png"));
        }
        Driver::recover();
    }
};

} // namespace e2e
