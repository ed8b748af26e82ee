// Start-up: --help and --version answered, the application object, the files
// named on the command line, the main window, the progress window hidden, then
// the event loop until the main window closes.
#include "application.h"
#include "mainform.h"
#include "output/signalguard.h"
#include "pgbar.h"
#include "settings.h"
#include "startoptions.h"
#include "translations.h"

#include <QIcon>
#include <QImageReader>
#include <cstdio>

int main(int argc, char** argv)
{
    switch (EarlyAnswer(argc, argv)) {
    case TEarlyAnswer::Help:
        std::fputs(HelpText().c_str(), stdout);
        return 0;
    case TEarlyAnswer::Version:
        std::fputs(VersionText().c_str(), stdout);
        return 0;
    case TEarlyAnswer::None:
        break;
    }
    // Without a display Qt aborts with a text that blames the installation; the
    // reason and the way out are ours to say.
    if (!HasDisplay(argc, argv)) {
        std::fputs(NoDisplayMessage(argv[0]).c_str(), stderr);
        return 1;
    }

    // Before Qt starts any thread, so that all of them leave the signals to the
    // guard: a logout or a closed terminal during a job leaves no temporary.
    InstallSignalGuard();
    Q_INIT_RESOURCE(plicora);
    TPlicoraApplication application(argc, argv);
    // Qt has taken out its own options by now: what is left names files, unless
    // it looks like an option, which is refused rather than opened.
    QStringList files = QCoreApplication::arguments();
    files.removeFirst();
    const QString unknown = TakeFileArguments(files);
    if (!unknown.isEmpty()) {
        std::fputs(UnknownOptionMessage(unknown).c_str(), stderr);
        return 2;
    }

    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/plicora.svg")));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.plicora.Plicora"));
    if (!QImageReader::supportedImageFormats().contains(QByteArrayLiteral("svg")))
        std::fputs("plicora: Qt's SVG plugin is missing (Debian package libqt6svg6): "
                   "buttons and logo will show no pictures\n",
                   stderr);

    // The windows' texts are set as they are built: their language comes first.
    InstallTranslations(LoadLanguageSetting());
    TfrmMain mainWindow;
    frmMain = &mainWindow;
    TfrmProgress progressWindow;
    frmProgress = &progressWindow;

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
