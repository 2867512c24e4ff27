#include "app/TarrowinApp.h"

int main(int argc, char** argv)
{
    CTarrowinApp app(argc, argv);
    if (!app.InitInstance())
        return 1;
    return app.exec();
}
