// Tests draw text and artwork, which need a GUI application but no display.
#include "platform/QtWords.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    UseQtWords();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
