#pragma once

#include "core/lesson/LessonSettings.h"
#include "core/sim/DisplayMode.h"

#include <QString>
#include <QStringList>

#include <optional>

// What `tarrowin` is asked for on its command line. The start-up puts the
// choices over the remembered settings; help, the version and a bad argument end
// the program before any window opens.
struct CLaunchOptions {
    std::optional<int> circuit;   // 1, 2, ... in the chooser's order
    std::optional<int> cells;   // 0..3
    std::optional<DisplayMode> display;
    bool bFullScreen = false;

    // Set when the program is to end at once: status 0 with the text for
    // stdout (help, version), status 2 with one line for stderr.
    std::optional<int> exitStatus;
    QString message;

    // The lesson's settings that the line chooses.
    CLessonSettings::Pairs SettingsPairs() const;

    // Before the GUI application has taken its own options (-platform,
    // -style, ...) out of the arguments, the line is left for the second
    // reading when it holds any of those.
    enum Reading { QtOptionsTaken, QtOptionsUnread };
    // `arguments` begins with the program's name, as QCoreApplication::arguments().
    static CLaunchOptions Parse(const QStringList& arguments, Reading reading = QtOptionsTaken);
    // Qt on X11 reads "--display NAME" as the X server to connect to, and
    // takes it out of the arguments before the program sees them. The
    // double-dash form is this program's ("-display" stays X's): taken out of
    // argv here, before the application is made, and handed to Parse after
    // the others.
    static QStringList TakeOwnArguments(int& argc, char** argv);
};
