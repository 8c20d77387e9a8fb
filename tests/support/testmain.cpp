// The main of every test executable that shows windows: a headless QApplication.
#include <QApplication>

#include <gtest/gtest.h>

#include "support/testenvironment.h"

int main(int argc, char** argv)
{
    prepareTestEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
