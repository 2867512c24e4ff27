#pragma once

#include <QApplication>
#include <QStringList>

#include <memory>
#include <optional>

class CAppSettings;
class CMainFrame;
class CTarrowinDoc;

// The application: starts the program in order (settings key, launch
// options, document, main frame with the view, new-document step, remembered
// settings, window) and owns the document, the frame and the settings for the
// whole run.
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

    CTarrowinDoc* Document() const { return m_pDoc.get(); }
    CMainFrame* MainFrame() const { return m_pFrame.get(); }

private:
    std::unique_ptr<CTarrowinDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
    std::unique_ptr<CAppSettings> m_pSettings;
};
