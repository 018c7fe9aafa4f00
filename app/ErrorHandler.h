#pragma once
#include <QApplication>
#include <exception>
#include <functional>

namespace zanfo {

// The program's general error handler: shows the error's text in a message box
// (the error icon, the application's title); the window stays usable.
void HandleException(QWidget* parent, const std::exception& error);

// Runs an event handler; an error it raises goes to the general handler.
void Guard(QWidget* parent, const std::function<void()>& handler);

// The application object: an error that escapes any event handler reaches the
// general handler instead of ending the program.
class ZanfoApplication final : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace zanfo
