#pragma once

#include <QApplication>
#include <QStringList>

#include <memory>
#include <optional>

class CAppSettings;
class CMainFrame;
struct CLaunchOptions;
class CLesson;

// The application: starts the program in order (settings key, launch
// options, lesson, main frame with the view, remembered settings with the
// launch options over them, window) and owns the lesson, the frame and the
// settings' file for the whole run.
class CTarrowinApp : public QApplication {
public:
    CTarrowinApp(int& argc, char** argv);
    ~CTarrowinApp() override;

    // Help, the version and a bad command line are answered before Qt looks
    // for a screen, so they work where there is none (a terminal, a package
    // check). An exit status ends the program at once.
    static std::optional<int> AnswerWithoutScreen(int argc, char** argv, const QStringList& ownArguments);
    // An exit status ends the program at once. `ownArguments` were taken out
    // of argv before the application was made (CLaunchOptions::TakeOwnArguments).
    std::optional<int> InitInstance(const QStringList& ownArguments = {});

    CLesson* Lesson() const { return m_pLesson.get(); }
    // The remembered settings with the launch options over them put in
    // place in the frame; false when no place for the window was remembered.
    static bool Restore(CMainFrame& frame, const CAppSettings& settings, const CLaunchOptions& options);
    CMainFrame* MainFrame() const { return m_pFrame.get(); }

private:
    std::unique_ptr<CLesson> m_pLesson;
    std::unique_ptr<CMainFrame> m_pFrame;
    std::unique_ptr<CAppSettings> m_pSettings;
};
