#pragma once

#include "platform/form.h"

class EnterTwice;
class frmMain;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

// The pattern of the program's single-entry editors: a multi-line field, Done and Cancel, Enter
// pressed twice at the end of the text standing for Done, and "Quit without saving changes?" on
// Cancel. The field's text passes the clipboard rule when it gets the focus.
class EntryDialog : public Form
{
    Q_OBJECT
public:
    // The field's text with CR LF line breaks, and setting it.
    QString entryText() const;
    void setEntryText(const QString &text);

    virtual void done() = 0;
    // Asks before leaving; Yes runs cancelled() and hides the dialog.
    void cancel();

protected:
    EntryDialog(frmMain &main, const QString &fieldName, const QString &doneName, bool withHint);
    virtual void cancelled() {}
    bool eventFilter(QObject *watched, QEvent *event) override;

    frmMain &main_;
    QPlainTextEdit *field_ = nullptr;
    QLabel *hint_ = nullptr;
    QPushButton *done_ = nullptr;
    QPushButton *cancel_ = nullptr;
    EnterTwice *enterTwice_ = nullptr;
    QVBoxLayout *layout_ = nullptr;
};
