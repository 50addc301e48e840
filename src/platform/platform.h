#pragma once

#include <QDate>
#include <QString>

class QDialog;
class QPrinter;
class QWidget;

// Everything the program asks of the outside world that a test must be able to answer:
// message boxes, the input box, the file and folder dialogs, the print dialog, opening a file
// in the system's own program, help, today's date, the clipboard and the showing of the program's
// own modal dialogs. Logic never calls QMessageBox, QInputDialog, QFileDialog or QPrintDialog
// itself.
class Platform
{
public:
    enum class Buttons { OK, OKCancel, YesNo, YesNoCancel };
    enum class Icon { None, Information, Question, Exclamation, Critical };
    enum class Answer { OK, Cancel, Yes, No };

    virtual ~Platform() = default;

    // A message box with the given text, title, buttons and icon; returns the button pressed.
    // Closing the box without a button counts as Cancel (or No when there is no Cancel).
    virtual Answer messageBox(const QString &text, const QString &title, Buttons buttons,
                              Icon icon) = 0;

    // The input box: returns the typed text, or an empty text when the teacher cancels.
    virtual QString inputBox(const QString &prompt, const QString &title,
                             const QString &defaultText = QString()) = 0;

    // The file-open dialog; returns the chosen path, or an empty text on Cancel.
    virtual QString openFileName(const QString &title, const QString &filter,
                                 const QString &initialFolder) = 0;

    // The save-name dialog; returns the chosen path, or an empty text on Cancel.
    virtual QString saveFileName(const QString &title, const QString &filter,
                                 const QString &suggestedPath) = 0;

    // The folder chooser; returns the chosen folder, or an empty text on Cancel.
    virtual QString chooseFolder(const QString &title, const QString &initialFolder) = 0;

    // The print dialog for the given printer; true when the teacher chose to print.
    virtual bool printDialog(QPrinter &printer, QWidget *parent) = 0;

    // Opens the file in the program the system uses for its type (a PDF viewer for a PDF).
    // False when no such program could be started.
    virtual bool openWithSystem(const QString &path) = 0;

    // Opens the help at the topic of the given context id.
    virtual void showHelp(int contextId) = 0;

    virtual QDate today() = 0;

    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString &text) = 0;
    // Text with its rich form: word processors take the RTF, everything else the text.
    virtual void setClipboardRichText(const QString &text, const QString &rtf) = 0;

    // Shows one of the program's own dialogs modally and returns its QDialog result once it
    // has been hidden. The dialog's activation handler runs when it is shown; the caller runs
    // its own activation handler afterwards, since it is active again.
    virtual int showModal(QDialog *dialog) = 0;
};
