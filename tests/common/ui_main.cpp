#include "TestEnvironment.h"

#include "ui/main/AccessibleWidgets.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    InstallAccessibleWidgets();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
