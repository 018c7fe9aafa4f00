#include "ErrorHandler.h"

#include <QMessageBox>

namespace zanfo {

void HandleException(QWidget* parent, const std::exception& error)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(),
                    QString::fromStdString(error.what()), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

void Guard(QWidget* parent, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        HandleException(parent, error);
    }
}

bool ZanfoApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        HandleException(activeWindow(), error);
    }
    return false;
}

}  // namespace zanfo
