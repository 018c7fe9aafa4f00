#include "UrlLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

#include "Dialogs.h"

namespace zanfo {
namespace {

TUrlLabel::Opener& CurrentOpener()
{
    // QDesktopServices starts the handler and returns at once; its result is
    // not looked at, as a link that goes nowhere simply does nothing.
    static TUrlLabel::Opener opener = [](const QString& target) {
        QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
    };
    return opener;
}

}  // namespace

TUrlLabel::TUrlLabel(QWidget* parent) : QLabel(parent)
{
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    SetTextColor(Qt::blue);
}

void TUrlLabel::SetMailSubject(const QString& subject)
{
    if (UrlType != TUrlType::Mail) {
        ShowPlainMessageBox(this, QStringLiteral("Must be only on MAIL type"));
        return;
    }
    mailSubject_ = subject;
}

QString TUrlLabel::Target() const
{
    switch (UrlType) {
    case TUrlType::Http: return QStringLiteral("http://") + URL;
    case TUrlType::Mail: return QStringLiteral("mailto:") + URL + QStringLiteral("?Subject=") + mailSubject_;
    case TUrlType::Ftp: return QStringLiteral("ftp://") + URL;
    case TUrlType::Custom: return CustomUrlType + URL;
    }
    return URL;
}

void TUrlLabel::Click() { CurrentOpener()(Target()); }

void TUrlLabel::SetOpener(Opener opener) { CurrentOpener() = std::move(opener); }

void TUrlLabel::enterEvent(QEnterEvent* event)
{
    if (DetectMouse) SetTextColor(ActiveColor);
    QLabel::enterEvent(event);
    if (OnMouseEnter) OnMouseEnter(this);
}

void TUrlLabel::leaveEvent(QEvent* event)
{
    // Always back to blue, whatever colour the text had before.
    if (DetectMouse) SetTextColor(Qt::blue);
    QLabel::leaveEvent(event);
    if (OnMouseLeave) OnMouseLeave(this);
}

void TUrlLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Click();
    QLabel::mouseReleaseEvent(event);
}

void TUrlLabel::SetTextColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

}  // namespace zanfo
