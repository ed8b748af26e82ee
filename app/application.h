// The application object: catches an error that escapes an event handler and
// shows it, so the program goes on and the interrupted command has started nothing.
#pragma once

#include <QApplication>
#include <exception>
#include <functional>

inline constexpr char ApplicationTitle[] = "Tarvex Plicora";

class TPlicoraApplication : public QApplication
{
    Q_OBJECT

public:
    TPlicoraApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The application-wide error report: error icon, the application title as
    // caption, the error's text with a full stop appended unless it ends in one.
    static void ShowException(const std::exception& error);
};

// Runs a handler; an error it raises goes to the application-wide report instead
// of unwinding through Qt's signal machinery.
void RunGuarded(const std::function<void()>& handler);
