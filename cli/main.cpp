// tarrowin-sim: runs the simulation without a window, for tests, tools and
// still pictures for worksheets.
#include "cli/SimOptions.h"
#include "cli/SimRunner.h"

#ifdef TARROWIN_PICTURES
#include "cli/SimPictures.h"
#include "platform/QtWords.h"

#include <QGuiApplication>
#endif

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

#ifdef TARROWIN_PICTURES
// A headless run has no session: Qt's note about the missing runtime
// directory is noise on a worksheet-maker's terminal.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
#endif

}

int main(int argc, char* argv[])
{
    std::vector<std::string> args(argv + 1, argv + argc);
    const CSimParse parse = ParseSimOptions(args);
    if (!parse.options) {
        std::fprintf(stderr, "tarrowin-sim: %s\n", parse.strError.c_str());
        return 2;
    }
#ifdef TARROWIN_PICTURES
    // Refuse unwritable outputs before Qt starts and has its say on stderr.
    CSimPictures pictures;
    if (parse.options->Renders())
        if (const std::string error = pictures.CheckOutputs(*parse.options); !error.empty()) {
            std::fprintf(stderr, "tarrowin-sim: %s\n", error.c_str());
            return 2;
        }
    // Text and artwork need a GUI application, but never a display.
    std::unique_ptr<QGuiApplication> app;
    int qtArgc = 1;
    if (parse.options->Renders()) {
        if (std::getenv("QT_QPA_PLATFORM") == nullptr)
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        qInstallMessageHandler(QuietQtMessages);
        app = std::make_unique<QGuiApplication>(qtArgc, argv);
        UseQtWords();
    }
    return RunSim(*parse.options, stdout, stderr, &pictures);
#else
    return RunSim(*parse.options, stdout, stderr);
#endif
}
