#include "app/LaunchOptions.h"

#include "core/circuits/CircuitCatalogue.h"
#include "core/res/Strings.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr const char* kContext = "LaunchOptions";

QString Text(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

// A whole number from `first` to `last`, or nothing.
std::optional<int> NumberIn(const QString& text, int first, int last)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < first || number > last)
        return std::nullopt;
    return number;
}

CLaunchOptions Ending(int status, const QString& message)
{
    CLaunchOptions options;
    options.exitStatus = status;
    options.message = message;
    return options;
}

// The options every Qt program with a window takes, with one dash or two,
// which the application takes out of the arguments when it is made.
bool IsQtOption(const QString& name)
{
    // clang-format off
    static const QStringList names{
        QStringLiteral("cmap"),       QStringLiteral("dialogs"),    QStringLiteral("display"),
        QStringLiteral("dograb"),     QStringLiteral("fontengine"), QStringLiteral("geometry"),
        QStringLiteral("name"),       QStringLiteral("nograb"),     QStringLiteral("platform"),
        QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"), QStringLiteral("plugin"),
        QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"), QStringLiteral("reverse"), QStringLiteral("session"),
        QStringLiteral("style"),      QStringLiteral("stylesheet"), QStringLiteral("sync"),
        QStringLiteral("visual"),     QStringLiteral("widgetcount")};
    // clang-format on
    return names.contains(name.section(QLatin1Char('='), 0, 0));
}

// One line, however odd the argument it quotes.
CLaunchOptions Refusal(QString reason)
{
    for (QChar& ch : reason)
        if (ch.category() == QChar::Other_Control)
            ch = QLatin1Char('?');
    return Ending(2, QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), reason));
}

}

CLaunchOptions CLaunchOptions::Parse(const QStringList& arguments, Reading reading)
{
    const int circuits = static_cast<int>(CircuitCatalogue().size());
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Text(QT_TRANSLATE_NOOP("LaunchOptions", "Shows how electrons carry energy round simple circuits.")));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption circuit(
        QStringLiteral("circuit"),
        Text(QT_TRANSLATE_NOOP("LaunchOptions", "Starts with circuit <n>, 1 to %1 in the Circuit menu's order."))
            .arg(circuits),
        QStringLiteral("n"));
    const QCommandLineOption cells(QStringLiteral("cells"),
                                   Text(QT_TRANSLATE_NOOP("LaunchOptions", "Gives that circuit <n> cells, 0 to 3.")),
                                   QStringLiteral("n"));
    const QCommandLineOption display(
        QStringLiteral("display"),
        Text(QT_TRANSLATE_NOOP("LaunchOptions",
                               "Shows the circuit as the Tarrowin model (ball), the circuit diagram (diagram) or the "
                               "picture of the circuit (picture).")),
        QStringLiteral("ball|diagram|picture"));
    const QCommandLineOption fullScreen(
        QStringLiteral("fullscreen"),
        Text(QT_TRANSLATE_NOOP("LaunchOptions", "Gives the whole screen to the circuit once the logo has gone.")));
    parser.addOptions({circuit, cells, display, fullScreen});
    // "-reverse" is one of Qt's options, not -r -e -v...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    // Qt's own text names what it could not read: an unknown option, or a
    // value missing or given where none belongs.
    const bool parsed = parser.parse(arguments);
    const QStringList unknown = parser.unknownOptionNames();
    const bool later =
        reading == QtOptionsUnread && !unknown.isEmpty() && std::all_of(unknown.begin(), unknown.end(), IsQtOption);
    if (!parsed && !later)
        return Refusal(parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return Ending(0, parser.helpText().trimmed() + QLatin1Char('\n'));
    if (parser.isSet(version))
        return Ending(0, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                       QCoreApplication::applicationVersion()));
    if (later)
        return {};
    if (!parser.positionalArguments().isEmpty())
        return Refusal(Text(QT_TRANSLATE_NOOP("LaunchOptions", "unexpected argument \"%1\"; --help lists the options"))
                           .arg(parser.positionalArguments().first()));

    CLaunchOptions options;
    if (parser.isSet(circuit) && !(options.circuit = NumberIn(parser.value(circuit), 1, circuits)))
        return Refusal(Text(QT_TRANSLATE_NOOP("LaunchOptions", "--circuit needs a number from 1 to %1, not \"%2\""))
                           .arg(circuits)
                           .arg(parser.value(circuit)));
    if (parser.isSet(cells) && !(options.cells = NumberIn(parser.value(cells), 0, 3)))
        return Refusal(Text(QT_TRANSLATE_NOOP("LaunchOptions", "--cells needs a number from 0 to 3, not \"%1\""))
                           .arg(parser.value(cells)));
    if (parser.isSet(display)) {
        const QString word = parser.value(display);
        for (std::size_t i = 0; i < Strings::kDisplayWords.size(); ++i)
            if (word == QLatin1String(Strings::kDisplayWords[i]))
                options.display = static_cast<DisplayMode>(i);
        if (!options.display)
            return Refusal(
                Text(QT_TRANSLATE_NOOP("LaunchOptions", "--display needs ball, diagram or picture, not \"%1\""))
                    .arg(word));
    }
    options.bFullScreen = parser.isSet(fullScreen);
    return options;
}

QStringList CLaunchOptions::TakeOwnArguments(int& argc, char** argv)
{
    QStringList taken;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--display") {
            taken << QString::fromLocal8Bit(argument);
            if (i + 1 < argc)
                taken << QString::fromLocal8Bit(argv[++i]);
        } else if (argument.startsWith("--display=")) {
            taken << QString::fromLocal8Bit(argument);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return taken;
}

CLessonSettings::Pairs CLaunchOptions::SettingsPairs() const
{
    CLessonSettings::Pairs pairs;
    if (circuit)
        pairs.emplace_back("circuit", std::to_string(*circuit));
    if (display)
        pairs.emplace_back("display", Strings::kDisplayWords[static_cast<std::size_t>(*display)]);
    if (cells)
        pairs.emplace_back("cells", std::to_string(*cells));
    return pairs;
}
