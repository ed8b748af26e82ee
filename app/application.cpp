#include "application.h"

#include "uiseam.h"

TPlicoraApplication::TPlicoraApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // Not the display name: on X11 Qt appends that to every window caption.
    setApplicationName(QString::fromLatin1(ApplicationTitle));
    // The maker's name: without one, the user's settings (the Options window's
    // choice) cannot be stored.
    setOrganizationName(QStringLiteral("Tarvex"));
    // About shows it; the build gives it, from the project's version.
    setApplicationVersion(QStringLiteral(PLICORA_VERSION));
}

bool TPlicoraApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    }
    return false;
}

void TPlicoraApplication::ShowException(const std::exception& error)
{
    QString text = QString::fromLocal8Bit(error.what());
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    uiSeam().messageBox(QApplication::activeWindow(), QMessageBox::Critical,
                        QString::fromLatin1(ApplicationTitle), text, QMessageBox::Ok);
}

void RunGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        TPlicoraApplication::ShowException(error);
    }
}
