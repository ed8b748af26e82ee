// Start-up: the application object, the main window, the progress window hidden,
// the files named on the command line, then the event loop until the main window
// closes.
#include "application.h"
#include "mainform.h"
#include "output/signalguard.h"
#include "pgbar.h"

#include <QIcon>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// Without a display Qt aborts with a text that blames the installation; the
// reason and the way out are ours to say.
bool HasDisplay(int argc, char** argv)
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true; // the desktop is always there
#endif
    if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (!HasDisplay(argc, argv)) {
        std::fputs(
            "plicora: no display to show its window on (DISPLAY and WAYLAND_DISPLAY are unset); "
            "start it in a desktop session, or on a virtual X server: xvfb-run plicora [file.pdf...]\n",
            stderr);
        return 1;
    }

    // Before Qt starts any thread, so that all of them leave the signals to the
    // guard: a logout or a closed terminal during a job leaves no temporary.
    InstallSignalGuard();
    Q_INIT_RESOURCE(plicora);
    TPlicoraApplication application(argc, argv);
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/plicora.svg")));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.plicora.Plicora"));
    if (!QImageReader::supportedImageFormats().contains(QByteArrayLiteral("svg")))
        std::fputs("plicora: Qt's SVG plugin is missing (Debian package libqt6svg6): "
                   "buttons and logo will show no pictures\n",
                   stderr);

    TfrmMain mainWindow;
    frmMain = &mainWindow;
    TfrmProgress progressWindow;
    frmProgress = &progressWindow;

    // Qt has taken out its own options by now: what is left names files.
    QStringList files = QCoreApplication::arguments();
    files.removeFirst();

    mainWindow.show();
    if (!files.isEmpty())
        QMetaObject::invokeMethod(
            &mainWindow, [&mainWindow, files] { RunGuarded([&] { mainWindow.OpenFiles(files); }); },
            Qt::QueuedConnection);
    const int result = QApplication::exec();
    frmProgress = nullptr;
    frmMain = nullptr;
    return result;
}
