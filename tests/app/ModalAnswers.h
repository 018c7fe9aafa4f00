#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

// Answers modal dialogs as a user would: each answer is handed the next modal
// window that opens, in order. Whatever is left unanswered is a test failure.
class ModalAnswers {
public:
    using Answer = std::function<void(QWidget* dialog)>;

    explicit ModalAnswers(std::initializer_list<Answer> answers) : answers_(answers)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }
    // How many answers were not used.
    std::size_t Left() const { return answers_.size(); }

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == last_ || answers_.empty()) return;
        last_ = modal;
        Answer answer = answers_.front();
        answers_.pop_front();
        answer(modal);
    }

    std::deque<Answer> answers_;
    QWidget* last_ = nullptr;
    QTimer timer_;
};

// Types text into a widget key by key, accented letters and all.
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// An answer for the password box: types the text, then presses the key (Enter is OK).
inline ModalAnswers::Answer Type(const QString& text, Qt::Key key = Qt::Key_Return)
{
    return [text, key](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>("PasswordEdit");
        if (!edit) {
            ADD_FAILURE() << "expected the password box, got " << dialog->objectName().toStdString();
            dialog->close();
            return;
        }
        TypeText(edit, text);
        QTest::keyClick(edit, key);
    };
}
