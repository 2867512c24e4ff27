#pragma once

#include <QApplication>

#include <memory>

class CMainFrame;
class CTarrowinDoc;

// The application: starts the program in order (settings key, document,
// main frame with the view, new-document step, maximised window) and owns
// the document and the frame for the whole run.
class CTarrowinApp : public QApplication {
public:
    CTarrowinApp(int& argc, char** argv);
    ~CTarrowinApp() override;

    // False ends the program at once.
    bool InitInstance();

    CTarrowinDoc* Document() const { return m_pDoc.get(); }
    CMainFrame* MainFrame() const { return m_pFrame.get(); }

private:
    std::unique_ptr<CTarrowinDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
};
