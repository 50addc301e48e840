#include "platform/entertwice.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace
{
constexpr int NoKey = 255;
bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

EnterTwice::EnterTwice(QPlainTextEdit *field, QLabel *hint, Options options)
    : QObject(field), field_(field), viewport_(field->viewport()), hint_(hint), options_(options)
{
    field_->installEventFilter(this);
    viewport_->installEventFilter(this);
}

void EnterTwice::reset()
{
    typedSinceReset_ = false;
    lastKey_ = 0;
}

bool EnterTwice::caretAtEnd() const
{
    return field_->textCursor().position() == field_->document()->characterCount() - 1;
}

void EnterTwice::updateHint()
{
    if (hint_)
        hint_->setVisible(caretAtEnd());
}

void EnterTwice::removeFirstBreak()
{
    // The first Enter left a break (and its indentation) at the end of the text; when the caret
    // was elsewhere, the break is the one just before the caret.
    QString text = field_->toPlainText();
    const QString tail = QLatin1Char('\n') + QString(options_.indent, QLatin1Char(' '));
    QTextCursor cursor = field_->textCursor();
    if (text.endsWith(tail)) {
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, int(tail.size()));
        cursor.removeSelectedText();
    } else if (cursor.position() > 0 && text.at(cursor.position() - 1) == QLatin1Char('\n')) {
        cursor.deletePreviousChar();
    }
    cursor.movePosition(QTextCursor::End);
    field_->setTextCursor(cursor);
}

bool EnterTwice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (!typedSinceReset_)
            lastKey_ = 0;
        const int distance =
            field_->document()->characterCount() - 1 - field_->textCursor().position();
        if (isEnter(key) && isEnter(lastKey_) &&
            (options_.maxDistanceFromEnd < 0 || distance < options_.maxDistanceFromEnd)) {
            removeFirstBreak();
            reset();
            swallowRelease_ = true;
            Q_EMIT accepted();
            return true;
        }
        // Only a key that changes the text is typing: an arrow or Shift neither marks the entry
        // edited nor comes between two Enters (a caret taken away from the end still does). The
        // field takes the key here, so that the change can be seen; a key it ignores (Esc) still
        // goes on to the dialog.
        const bool atEnd = caretAtEnd();
        const QString before = field_->toPlainText();
        static_cast<QObject *>(field_)->event(event);
        if (field_->toPlainText() != before) {
            typedSinceReset_ = true;
            lastKey_ = (!options_.rememberOnlyAtEnd || atEnd) ? key : NoKey;
            Q_EMIT typed();
        } else if (options_.rememberOnlyAtEnd && !caretAtEnd()) {
            lastKey_ = NoKey;
        }
        return true;
    } else if (watched == field_ && event->type() == QEvent::InputMethod &&
               !static_cast<QInputMethodEvent *>(event)->commitString().isEmpty()) {
        // A character composed through the input method (a dead key, say) is typing too.
        typedSinceReset_ = true;
        lastKey_ = NoKey;
        Q_EMIT typed();
    } else if (watched == field_ && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (isEnter(key) && swallowRelease_) {
            swallowRelease_ = false;
            return true;
        }
        if (isEnter(key) && options_.indent > 0 && !static_cast<QKeyEvent *>(event)->isAutoRepeat())
            field_->insertPlainText(QString(options_.indent, QLatin1Char(' ')));
        updateHint();
    } else if (watched == viewport_ && event->type() == QEvent::MouseButtonRelease) {
        // (The viewport is compared as it was kept: while the field is being destroyed, it can
        // no longer be asked for it.)
        updateHint();
    }
    return QObject::eventFilter(watched, event);
}
