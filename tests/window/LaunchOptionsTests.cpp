// The command line of `tarrowin`, read without a window.
#include "app/LaunchOptions.h"
#include "core/circuits/CircuitCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

CLaunchOptions Parse(const std::string& line)
{
    return CLaunchOptions::Parse(QString::fromStdString("tarrowin " + line).split(u' ', Qt::SkipEmptyParts));
}

}

TEST(LaunchOptions, GoodLinesAskForTheirChoicesAndEachBadOneEndsWithOneLineAndStatusTwo)
{
    const int circuits = static_cast<int>(CircuitCatalogue().size());
    const std::string last = std::to_string(circuits), beyond = std::to_string(circuits + 1);
    const CLaunchOptions all = Parse("--circuit=" + last + " --cells 0 --display picture --fullscreen");
    EXPECT_EQ(std::tuple(all.exitStatus, all.circuit, all.cells, all.display, all.bFullScreen),
              std::tuple(std::nullopt, circuits, 0, DisplayMode::Picture, true));
    const CLaunchOptions later = Parse("--display ball --circuit 3 --circuit 07");
    EXPECT_EQ(std::tuple(later.exitStatus, later.circuit, later.cells, later.display, later.bFullScreen),
              std::tuple(std::nullopt, 7, std::nullopt, DisplayMode::BallModel, false));

    for (const auto& [line, quoted] :
         std::vector<std::pair<std::string, QString>>{{"--circuit 0", "0"},
                                                      {"--circuit " + beyond, QString::fromStdString(beyond)},
                                                      {"--circuit two", "two"},
                                                      {"--circuit 1.5", "1.5"},
                                                      {"--circuit", "circuit"},
                                                      {"--cells -1", "-1"},
                                                      {"--cells 4", "4"},
                                                      {"--display balls", "balls"},
                                                      {"--colour red", "colour"},
                                                      {"--fullscreen=yes", "fullscreen"},
                                                      {"circuit3", "circuit3"},
                                                      {"--display ball\ndiagram", "ball?diagram"}}) {
        const CLaunchOptions bad = Parse(line);
        EXPECT_EQ(bad.exitStatus, 2) << line;
        EXPECT_TRUE(bad.message.endsWith(u'\n') && bad.message.count(u'\n') == 1 && bad.message.contains(quoted))
            << line << ": " << bad.message.toStdString();
    }

    // Help and the version (its text checked on the real program) end it well, whatever else is on the line.
    EXPECT_EQ(Parse("--circuit 99 --version").exitStatus, 0);
    // Before Qt has taken its own options out, one not known here leaves the line for later.
    const auto early = [](const char* line) {
        return CLaunchOptions::Parse(QString::fromLatin1(line).split(u' '), CLaunchOptions::QtOptionsUnread).exitStatus;
    };
    EXPECT_EQ(std::tuple(early("tarrowin -platform xcb --circuit 99"), early("tarrowin --circuit 99"),
                         early("tarrowin -reverse -v"), early("tarrowin -reverse --bogus")),
              std::tuple(std::nullopt, 2, 0, 2));
    const CLaunchOptions help = Parse("--cells 9 --help");
    EXPECT_TRUE(help.exitStatus == 0 && help.message.contains(QStringLiteral("--display <ball|diagram|picture>")));
    EXPECT_TRUE(help.message.contains(QStringLiteral("circuit <n>, 1 to %1 in").arg(circuits)));
}

// "--display" leaves argv before Qt on X11 takes it for the X server; "-display" stays.
TEST(LaunchOptions, TheDisplayOptionIsTakenOutOfArgvBeforeQtSeesIt)
{
    char arguments[][16] = {"tarrowin", "--display", "diagram", "-display", ":1", "--display=ball", "--display"};
    char* argv[std::size(arguments) + 1] = {};
    std::copy(std::begin(arguments), std::end(arguments), argv);
    int argc = static_cast<int>(std::size(arguments));
    EXPECT_EQ(CLaunchOptions::TakeOwnArguments(argc, argv),
              QStringList({QStringLiteral("--display"), QStringLiteral("diagram"), QStringLiteral("--display=ball"),
                           QStringLiteral("--display")}));
    EXPECT_EQ(std::vector<std::string>(argv, argv + argc), std::vector<std::string>({"tarrowin", "-display", ":1"}));
    EXPECT_EQ(argv[argc], nullptr);
}
