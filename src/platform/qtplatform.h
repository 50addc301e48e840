#pragma once

#include "platform/platform.h"

#include <QPointer>

class HelpWindow;

// The real platform: Qt's dialogs, the system clipboard and the program's help window.
class QtPlatform : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    Answer messageBox(const QString &text, const QString &title, Buttons buttons,
                      Icon icon) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    QString openFileName(const QString &title, const QString &filter,
                         const QString &initialFolder) override;
    QString saveFileName(const QString &title, const QString &filter,
                         const QString &suggestedPath) override;
    QString chooseFolder(const QString &title, const QString &initialFolder) override;
    bool printDialog(QPrinter &printer, QWidget *parent) override;
    bool openWithSystem(const QString &path) override;
    void showHelp(int contextId) override;
    QDate today() override;
    QString clipboardText() override;
    void setClipboardText(const QString &text) override;
    void setClipboardRichText(const QString &text, const QString &rtf) override;
    int showModal(QDialog *dialog) override;

    // Turns a filter written as "Description|pattern|Description|pattern" into Qt's form.
    static QString qtFilter(const QString &filter);

private:
    QPointer<HelpWindow> help_;
};
