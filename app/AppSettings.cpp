#include "app/AppSettings.h"

#include "app/MainFrame.h"

#include <QFile>
#include <QScreen>
#include <QSettings>

#include <utility>

namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kStateKey = QStringLiteral("window/state");

}

CAppSettings::CAppSettings(QString fileName) : m_fileName(std::move(fileName)) {}

CAppSettings::CStored CAppSettings::Read() const
{
    CStored stored;
    const QSettings settings(m_fileName, QSettings::NativeFormat);
    if (settings.status() != QSettings::NoError) {
        qWarning("Ignoring the settings in %s: the file cannot be read", qUtf8Printable(m_fileName));
        return stored;
    }
    CLessonSettings::Pairs pairs;
    for (const QString& key : settings.allKeys())
        if (key != kGeometryKey && key != kStateKey)
            pairs.emplace_back(key.toStdString(), settings.value(key).toString().toStdString());
    for (const std::string& key : stored.lesson.Read(pairs))
        stored.ignored << QString::fromStdString(key);
    stored.geometry = settings.value(kGeometryKey).toByteArray();
    stored.state = settings.value(kStateKey).toByteArray();
    return stored;
}

void CAppSettings::WarnIgnored(const QStringList& ignored) const
{
    if (!ignored.isEmpty())
        qWarning("Ignoring settings out of range in %s: %s", qUtf8Printable(m_fileName),
                 qUtf8Printable(ignored.join(QStringLiteral(", "))));
}

void CAppSettings::Write(const CLessonSettings& lesson, const QByteArray& geometry, const QByteArray& state) const
{
    {
        // A file that could not be read is written anew rather than kept.
        QSettings old(m_fileName, QSettings::NativeFormat);
        old.sync();
        if (old.status() != QSettings::NoError)
            QFile::remove(m_fileName);
    }
    QSettings settings(m_fileName, QSettings::NativeFormat);
    for (const auto& [key, word] : lesson.ToPairs())
        settings.setValue(QString::fromStdString(key), QString::fromStdString(word));
    settings.setValue(kGeometryKey, geometry);
    settings.setValue(kStateKey, state);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qWarning("The settings could not be saved in %s", qUtf8Printable(m_fileName));
}

void CAppSettings::Clear() const
{
    QSettings settings(m_fileName, QSettings::NativeFormat);
    settings.clear();
    settings.sync();
}

void CAppSettings::ShowAtStartPlace(CMainFrame& frame)
{
    // Without a window manager a maximise request is only a hint, so the
    // window takes the screen's working area first.
    if (QScreen* screen = frame.screen())
        frame.setGeometry(screen->availableGeometry());
    frame.showMaximized();
}
