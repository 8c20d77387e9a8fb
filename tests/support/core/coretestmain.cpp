// The main of the logic tests: a QCoreApplication, so they link QtCore and nothing more.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include "support/testenvironment.h"

int main(int argc, char** argv)
{
    prepareTestEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
