#include "app/LaunchOptions.h"
#include "app/TarrowinApp.h"

int main(int argc, char** argv)
{
    const QStringList own = CLaunchOptions::TakeOwnArguments(argc, argv);
    if (const auto status = CTarrowinApp::AnswerWithoutScreen(argc, argv, own))
        return *status;
    CTarrowinApp app(argc, argv);
    if (const auto status = app.InitInstance(own))
        return *status;
    return app.exec();
}
