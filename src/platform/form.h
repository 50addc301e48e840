#pragma once

#include <QDialog>

class Platform;
class QAbstractButton;
class QHBoxLayout;
class QPushButton;

// Base of the program's own dialogs. A dialog is created on first use and kept; Form_Load runs
// once, before it is first used or shown, and Form_Activate every time it is shown. Done and a
// confirmed Cancel hide it. F1 opens the help at the dialog's help context id.
class Form : public QDialog
{
    Q_OBJECT
public:
    explicit Form(Platform &platform, QWidget *parent = nullptr);

    // Runs Form_Load the first time; later calls do nothing.
    void load();
    bool isLoaded() const { return loaded_; }

    int helpContextId() const { return helpContextId_; }
    void setHelpContextId(int id) { helpContextId_ = id; }

    // Opens the help at this dialog's topic, as F1 does.
    void showContextHelp();

    // The question every dialog asks before it is left without storing: true on Yes.
    bool confirmAbandon();

    // Esc and the title bar's close box press this button, so they take exactly its way out
    // (its question, and what it keeps or drops); a disabled button keeps the dialog open. A
    // dialog without one is simply closed.
    void setEscapeButton(QAbstractButton *button) { escapeButton_ = button; }

    // Runs once, when the dialog is first used; copies the settings into the controls.
    virtual void Form_Load() {}
    // Runs at every showing of the dialog, and when it becomes active again after a dialog
    // it opened has closed.
    virtual void Form_Activate() {}

public Q_SLOTS:
    void reject() override;

protected:
    // The row of "&Done", "&Cancel" and "&Help" at the foot of a settings dialog; Enter in a
    // field never presses them by itself, and Help lights up under the pointer.
    QHBoxLayout *doneCancelHelpRow(QPushButton *&done, QPushButton *&cancel, QPushButton *&help);

    // A Help button turns yellow while the pointer is over it and back to the button face
    // when the pointer moves over the rest of the dialog.
    void highlightOnHover(QAbstractButton *button);

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    Platform &platform;

private:
    bool loaded_ = false;
    int helpContextId_ = 0;
    QAbstractButton *escapeButton_ = nullptr;
    QList<QAbstractButton *> hoverButtons_;
};
