#include "app/AppSettings.h"

#include "app/LaunchOptions.h"
#include "app/MainFrame.h"
#include "core/circuits/CircuitCatalogue.h"
#include "core/res/CommandIds.h"
#include "core/res/ElectronPalettes.h"
#include "core/res/Strings.h"

#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kStateKey = QStringLiteral("window/state");
const QString kTrue = QStringLiteral("true");
const QString kFalse = QStringLiteral("false");

// A remembered choice: each word it is stored as, with the menu command
// whose check mark it is. A check item is stored as "true" or "false", and
// its one command turns it either way.
struct CChoice {
    QString key;
    std::vector<std::pair<QString, int>> words;
    bool bToggle = false;
};

CChoice Toggle(const char* key, int id)
{
    return CChoice{QLatin1String(key), {{kFalse, id}, {kTrue, id}}, true};
}

// In the order they are put back: a new circuit takes the display and labels
// of the one before, so the circuit comes first.
const std::vector<CChoice>& Remembered()
{
    static const std::vector<CChoice> choices = [] {
        CChoice circuit{QStringLiteral("circuit"), {}};
        int position = 0;
        for (const CCircuitCatalogueEntry& entry : CircuitCatalogue())
            circuit.words.emplace_back(QString::number(++position), entry.nCommandId);
        static_assert(Strings::kDisplayWords.size() == CmdId::kDisplays.size());
        CChoice display{QStringLiteral("display"), {}};
        for (std::size_t i = 0; i < Strings::kDisplayWords.size(); ++i)
            display.words.emplace_back(QLatin1String(Strings::kDisplayWords[i]), CmdId::kDisplays[i]);
        CChoice colours{QStringLiteral("colours"), {}};
        for (std::size_t i = 0; i < ElectronPalettes().size(); ++i)
            colours.words.emplace_back(QLatin1String(ElectronPalettes()[i].pszName), CmdId::kPalettes[i]);
        return std::vector<CChoice>{
            circuit,
            display,
            Toggle("labels", CmdId::ShowLabels),
            {QStringLiteral("speed"),
             {{QStringLiteral("normal"), CmdId::SpeedNormal},
              {QStringLiteral("half"), CmdId::SpeedHalf},
              {QStringLiteral("quarter"), CmdId::SpeedQuarter}}},
            colours,
            Toggle("bars/chooser", CmdId::ViewChooser),
            Toggle("bars/controls", CmdId::ViewControls),
            Toggle("bars/display", CmdId::ViewDisplay),
            Toggle("bars/measurements", CmdId::ViewMeasurements),
        };
    }();
    return choices;
}

bool Checked(const CMainFrame& frame, int id)
{
    const auto state = frame.CommandState(id);
    return state && state->bChecked;
}

}

CAppSettings::CAppSettings(CMainFrame& frame, QString fileName)
    : m_frame(frame), m_fileName(std::move(fileName)), m_defaults(Current())
{
}

CAppSettings::Choices CAppSettings::Current() const
{
    Choices choices;
    for (const CChoice& choice : Remembered()) {
        if (choice.bToggle) {
            choices[choice.key] = Checked(m_frame, choice.words.front().second) ? kTrue : kFalse;
            continue;
        }
        for (const auto& [word, id] : choice.words)
            if (Checked(m_frame, id))
                choices[choice.key] = word;
    }
    return choices;
}

void CAppSettings::Apply(const Choices& choices)
{
    const Choices current = Current();
    for (const CChoice& choice : Remembered()) {
        const auto wanted = choices.find(choice.key);
        if (wanted == choices.end() || wanted->second == current.at(choice.key))
            continue;
        for (const auto& [word, id] : choice.words)
            if (word == wanted->second)
                m_frame.OnCommand(id);
    }
}

bool CAppSettings::Restore(const CLaunchOptions& options)
{
    Choices choices;
    QByteArray geometry;
    QByteArray state;
    QStringList ignored;
    const QSettings settings(m_fileName, QSettings::NativeFormat);
    const QStringList keys = settings.allKeys();
    if (settings.status() != QSettings::NoError) {
        qWarning("Ignoring the settings in %s: the file cannot be read", qUtf8Printable(m_fileName));
    } else {
        for (const CChoice& choice : Remembered()) {
            if (!keys.contains(choice.key))
                continue;
            const QString word = settings.value(choice.key).toString();
            const auto known = [&word](const auto& entry) { return entry.first == word; };
            if (std::find_if(choice.words.begin(), choice.words.end(), known) != choice.words.end())
                choices[choice.key] = word;
            else
                ignored << choice.key;
        }
        geometry = settings.value(kGeometryKey).toByteArray();
        state = settings.value(kStateKey).toByteArray();
    }
    // The command line wins over what was remembered.
    if (options.circuit)
        choices[QStringLiteral("circuit")] = QString::number(*options.circuit);
    if (options.display)
        choices[QStringLiteral("display")] =
            QLatin1String(Strings::kDisplayWords[static_cast<std::size_t>(*options.display)]);
    Apply(choices);
    if (options.cells)
        m_frame.OnCommand(CmdId::kCells[static_cast<std::size_t>(*options.cells)]);
    if (options.bFullScreen)
        m_frame.EnterFullScreenAtFirstFrame();

    // After the bars' commands, so that the state's bars agree with them. A
    // place or a state that Qt does not take is left as it was.
    const bool placed = !geometry.isEmpty() && m_frame.restoreGeometry(geometry);
    if (!geometry.isEmpty() && !placed)
        ignored << kGeometryKey;
    if (!state.isEmpty() && !m_frame.restoreState(state))
        ignored << kStateKey;
    m_frame.UpdateCommandUi();
    if (!ignored.isEmpty())
        qWarning("Ignoring settings out of range in %s: %s", qUtf8Printable(m_fileName),
                 qUtf8Printable(ignored.join(QStringLiteral(", "))));
    return placed;
}

void CAppSettings::Save()
{
    // Full screen is for the one lesson: the window is remembered as it was before.
    m_frame.LeaveFullScreen();
    {
        // A file that could not be read is written anew rather than kept.
        QSettings old(m_fileName, QSettings::NativeFormat);
        old.sync();
        if (old.status() != QSettings::NoError)
            QFile::remove(m_fileName);
    }
    QSettings settings(m_fileName, QSettings::NativeFormat);
    for (const auto& [key, word] : Current())
        settings.setValue(key, word);
    settings.setValue(kGeometryKey, m_frame.saveGeometry());
    settings.setValue(kStateKey, m_frame.saveState());
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qWarning("The settings could not be saved in %s", qUtf8Printable(m_fileName));
}

void CAppSettings::Reset()
{
    m_frame.LeaveFullScreen();
    m_frame.showNormal();
    Apply(m_defaults);
    QSettings settings(m_fileName, QSettings::NativeFormat);
    settings.clear();
    settings.sync();
    ShowAtStartPlace(m_frame);
}

void CAppSettings::ShowAtStartPlace(CMainFrame& frame)
{
    // Without a window manager a maximise request is only a hint, so the
    // window takes the screen's working area first.
    if (QScreen* screen = frame.screen())
        frame.setGeometry(screen->availableGeometry());
    frame.showMaximized();
}
