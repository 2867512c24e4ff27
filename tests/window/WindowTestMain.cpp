// The window tests need a widget application but no display.
#include "platform/QtWords.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

static QtMessageHandler g_defaultHandler = nullptr;

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The offscreen platform warns about every window it cannot size by hints,
    // which says nothing about the program.
    g_defaultHandler =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& msg) {
            if (!msg.contains(QLatin1String("does not support propagateSizeHints")))
                g_defaultHandler(type, context, msg);
        });
    QApplication app(argc, argv);
    UseQtWords();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
