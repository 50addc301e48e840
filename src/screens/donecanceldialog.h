#pragma once

#include "platform/form.h"
#include "screens/screencontext.h"

#include <QObject>
#include <QString>

class QBoxLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
struct LessonPlanModule;

// Tells about the focus entering or leaving one control, so that a dialog can attach its
// GotFocus and LostFocus handlers with ordinary connections.
class FocusEvents : public QObject
{
    Q_OBJECT
public:
    // Watches the widget; the watcher is a child of it and goes with it.
    static FocusEvents *of(QWidget *widget);

Q_SIGNALS:
    void gotFocus(Qt::FocusReason reason);
    void lostFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FocusEvents(QWidget *widget);
};

// A settings dialog that edits part of the settings record and ends with Done, Cancel and Help.
// Done copies the dialog's edits into the record, writes the settings when something changed
// and hides the dialog; Cancel (also Esc and closing the window) asks before hiding without
// writing anything.
class DoneCancelDialog : public Form
{
    Q_OBJECT
public:
    QPushButton *cmdDone = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdHelp = nullptr;

    void cmdDone_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    // Selects a whole field (and again after a mouse click has placed the caret), or only its
    // first characters.
    static void selectOnFocus(QLineEdit *box, int length = -1);

    // Headings never end in a colon: the colon is added when the heading is written.
    static QString stripTrailingColons(QString heading);

protected:
    DoneCancelDialog(ScreenContext &ctx, const QString &name, const QString &caption,
                     int helpContextId, QWidget *parent);

    // Copies what the dialog holds into the settings record (Done).
    virtual void applyEdits() = 0;

    // The layout above the button row that each dialog fills.
    QVBoxLayout *content() const { return content_; }

    // A push button that Enter in a text field never presses by itself.
    QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent);

    ScreenContext &ctx;
    LessonPlanModule &m;

private:
    QVBoxLayout *content_ = nullptr;
};
