#pragma once

#include "core/lesson/LessonSettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class CMainFrame;

// The file where the program remembers a lesson's settings from one run to
// the next, with the window's place and bars (a QSettings file). It only
// reads and writes: the frame puts what it read in place.
class CAppSettings {
public:
    struct CStored {
        CLessonSettings lesson;
        QByteArray geometry;
        QByteArray state;
        QStringList ignored;   // what could not be used
    };

    explicit CAppSettings(QString fileName);

    // What the file holds, over the defaults. A file that cannot be read is
    // left out with a warning; a value out of range is left out and named.
    CStored Read() const;
    // One warning naming what could not be used, if anything.
    void WarnIgnored(const QStringList& ignored) const;
    void Write(const CLessonSettings& lesson, const QByteArray& geometry, const QByteArray& state) const;
    // Nothing remembered.
    void Clear() const;
    const QString& FileName() const { return m_fileName; }

    // Where the window first opens: maximised on the screen's working area.
    static void ShowAtStartPlace(CMainFrame& frame);

private:
    QString m_fileName;
};
