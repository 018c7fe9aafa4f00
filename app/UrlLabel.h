#pragma once
#include <QColor>
#include <QLabel>
#include <functional>

namespace zanfo {

// The kind of target a click opens.
enum class TUrlType { Http, Mail, Ftp, Custom };

// A label that is a link: blue, underlined, a hand cursor, another colour under
// the pointer, and a click that hands its target to the desktop.
class TUrlLabel : public QLabel {
    Q_OBJECT
public:
    using Event = std::function<void(TUrlLabel* sender)>;
    using Opener = std::function<void(const QString& target)>;

    explicit TUrlLabel(QWidget* parent = nullptr);

    // Called each time the pointer enters or leaves, after the colour change.
    Event OnMouseEnter, OnMouseLeave;
    // Whether entering and leaving change the text colour.
    bool DetectMouse = true;
    TUrlType UrlType = TUrlType::Http;
    QString URL;
    // The scheme text of a Custom target, e.g. "news:".
    QString CustomUrlType;
    // The text colour under the pointer.
    QColor ActiveColor = Qt::red;

    const QString& MailSubject() const { return mailSubject_; }
    // Taken only on a Mail label; otherwise says "Must be only on MAIL type" and keeps the old subject.
    void SetMailSubject(const QString& subject);

    // The target a click opens: the scheme of UrlType joined to URL, nothing escaped.
    QString Target() const;
    // Opens the target; what happens then is the desktop's affair.
    void Click();

    // Hands a target to the desktop; by default its handler for the scheme.
    static void SetOpener(Opener opener);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetTextColor(const QColor& color);

    QString mailSubject_;
};

}  // namespace zanfo
