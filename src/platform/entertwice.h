#pragma once

#include <QObject>

class QLabel;
class QPlainTextEdit;

// The Enter-twice rule of the program's multi-line entry fields: Enter pressed a second time in
// a row accepts the entry, after the line break of the first Enter (and the indentation that
// followed it) has been taken out again. A hint is shown while the caret is at the end.
class EnterTwice : public QObject
{
    Q_OBJECT
public:
    struct Options {
        // Blanks inserted after each Enter, so continuation lines are indented.
        int indent = 0;
        // The second Enter counts only this close to the end of the text (-1: anywhere).
        int maxDistanceFromEnd = -1;
        // A key is remembered only when typed at the end of the text.
        bool rememberOnlyAtEnd = true;
    };

    EnterTwice(QPlainTextEdit *field, QLabel *hint, Options options);

    // Forget the keys typed so far, as after an accepted entry.
    void reset();
    // Shows the hint exactly while the caret is at the end of the text.
    void updateHint();

Q_SIGNALS:
    // Enter was pressed twice; the first Enter's break has been removed.
    void accepted();
    // A key changed the field's text.
    void typed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool caretAtEnd() const;
    void removeFirstBreak();

    QPlainTextEdit *field_;
    QWidget *viewport_;
    QLabel *hint_;
    Options options_;
    int lastKey_ = 0;
    bool typedSinceReset_ = false;
    // The Enter that accepted the entry is not a line break: its release is ignored.
    bool swallowRelease_ = false;
};
