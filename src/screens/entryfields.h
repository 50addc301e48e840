#pragma once

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QString>
#include <QTimer>

// Small helpers shared by the setup dialogs' text fields.
namespace entryfields
{

// True for a focus change the teacher made inside the dialog (Tab, a click, an access key).
// Switching to another window or opening a context menu is not leaving the field.
inline bool movedByTeacher(const QEvent *event)
{
    const auto *focus = static_cast<const QFocusEvent *>(event);
    return focus->reason() != Qt::ActiveWindowFocusReason &&
           focus->reason() != Qt::PopupFocusReason;
}

// Selects the whole field, and again once a mouse click has placed the caret.
inline void selectAllOnFocus(QLineEdit *box)
{
    box->selectAll();
    QTimer::singleShot(0, box, [box] {
        if (box->hasFocus())
            box->selectAll();
    });
}

// Puts a text into a field with a length limit. A longer text (read from the settings, or
// lengthened by the quote rule) widens the limit instead of being cut, so nothing is lost.
inline void setLimitedText(QLineEdit *box, const QString &text, int limit)
{
    box->setMaxLength(qMax(limit, int(text.size())));
    if (box->text() != text)
        box->setText(text);
}

} // namespace entryfields
