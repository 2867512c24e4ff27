#pragma once

#include <QByteArray>
#include <QString>

#include <map>

class CMainFrame;
struct CLaunchOptions;

// What the program remembers from one run to the next, in a QSettings file:
// the window's place and bars, the circuit and how it is shown, the speed and
// the balls' colours. Each choice is read from its menu item's check mark
// and put back by routing that item's command, so a remembered choice
// computes exactly what the user's own click would.
class CAppSettings {
public:
    // The choices the frame shows now are the defaults that Reset goes back to.
    CAppSettings(CMainFrame& frame, QString fileName);

    // The remembered choices with the launch options over them. A file that
    // cannot be read, or a value out of range, is left out with one warning.
    // False when no place for the window was remembered.
    bool Restore(const CLaunchOptions& options);
    // The choices as they stand; the frame calls it when it closes.
    void Save();
    // Everything as at the first start, and nothing remembered.
    void Reset();

    // Where the window first opens: maximised on the screen's working area.
    static void ShowAtStartPlace(CMainFrame& frame);

private:
    using Choices = std::map<QString, QString>;   // key: the value's word

    Choices Current() const;
    void Apply(const Choices& choices);

    CMainFrame& m_frame;
    QString m_fileName;
    Choices m_defaults;
};
