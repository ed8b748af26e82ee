// Start-up: the application object, the main window, the progress window hidden,
// then the event loop until the main window closes.
#include "application.h"
#include "mainform.h"
#include "pgbar.h"

#include <QIcon>

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(plicora);
    TPlicoraApplication application(argc, argv);
    application.setWindowIcon(QIcon(QStringLiteral(":/icons/plicora.svg")));

    TfrmMain mainWindow;
    frmMain = &mainWindow;
    TfrmProgress progressWindow;
    frmProgress = &progressWindow;

    mainWindow.show();
    const int result = application.exec();
    frmProgress = nullptr;
    frmMain = nullptr;
    return result;
}
