#pragma once

#include "app/HyperLink.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class CDialogBar;

// The About box: the logo, the notice, a link to the user guide and OK, on
// white, built from dialog layout 100 and run modally.
class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    CHyperLink& Link() { return m_wndLink; }
    CDialogBar& Page() { return *m_pPage; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CDialogBar* m_pPage = nullptr;
    CHyperLink m_wndLink;
};

// Where the user guide may be, best first, for a program in appDir: beside
// the program (the build tree), then the install tree relative to it, then
// the prefix the build was configured for.
QStringList UserGuideCandidates(const QString& appDir);
// The first candidate that exists, or else where an installed program keeps
// it, so that a missing guide is reported by its expected path.
QString FindUserGuide(const QString& appDir);
// The link's address: the guide beside the running program, as a file URL.
QString UserGuideAddress();
