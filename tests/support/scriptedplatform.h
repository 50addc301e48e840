#pragma once

#include "platform/platform.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// A platform for tests: every prompt is answered from a queue the test fills beforehand, every
// prompt is recorded, and a prompt nobody expected (or one of another kind than the next queued
// answer) fails the running test. Call verifyAllAnswered() at the end of a test.
class ScriptedPlatform : public Platform
{
public:
    enum class Kind { Message, Input, OpenFile, SaveFile, Folder, Print, Dialog };

    struct Prompt {
        Prompt(Kind k, const QString &title, const QString &text, Buttons buttons = Buttons::OK,
               Icon icon = Icon::None)
            : kind(k), title(title), text(text), buttons(buttons), icon(icon)
        {
        }
        Kind kind;
        QString title;
        QString text;
        Buttons buttons;
        Icon icon;
    };

    // Queue the answer to the next message box. A non-empty expected text or title is checked.
    void answerMessage(Answer answer, const QString &expectText = QString(),
                       const QString &expectTitle = QString());
    void answerInput(const QString &text, const QString &expectTitle = QString());
    void answerOpenFile(const QString &path);
    void answerSaveFile(const QString &path);
    void answerFolder(const QString &path);
    // The print dialog: accept or cancel; a setup function may point the printer at a PDF file.
    void answerPrint(bool accept, std::function<void(QPrinter &)> setup = {});
    // The next modal dialog must have this objectName; the action runs while it is shown (click
    // its buttons, fill its fields). A dialog still visible after the action is hidden.
    void actInDialog(const QString &objectName, std::function<void(QDialog *)> action);

    // What the test has seen.
    const QList<Prompt> &prompts() const { return prompts_; }
    const Prompt &lastPrompt() const { return prompts_.last(); }
    const QList<int> &helpTopics() const { return help_; }
    int pendingAnswers() const { return int(queue_.size()); }
    // Fails the running test when queued answers were never asked for.
    void verifyAllAnswered();

    QDate todayDate = QDate(2009, 9, 8);
    QString clipboard;
    // The rich form put beside the clipboard's text (empty when plain text was put there).
    QString clipboardRtf;
    QStringList openedFiles;
    bool openFails = false;

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
    // Files handed to the system's own program are recorded; opening fails when openFails is set.
    bool openWithSystem(const QString &path) override
    {
        openedFiles.append(path);
        return !openFails;
    }
    void showHelp(int contextId) override { help_.append(contextId); }
    QDate today() override { return todayDate; }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString &text) override
    {
        clipboard = text;
        clipboardRtf.clear();
    }
    void setClipboardRichText(const QString &text, const QString &rtf) override
    {
        clipboard = text;
        clipboardRtf = rtf;
    }
    int showModal(QDialog *dialog) override;

    static QString kindName(Kind kind);

private:
    struct Step {
        explicit Step(Kind k = Kind::Message) : kind(k) {}
        Kind kind;
        Answer answer = Answer::OK;
        QString text;
        QString expectText;
        QString expectTitle;
        bool accept = false;
        std::function<void(QPrinter &)> printerSetup;
        std::function<void(QDialog *)> action;
    };

    // Takes the next queued step if it is of the given kind; otherwise fails the test.
    bool take(Kind kind, const Prompt &prompt, Step &step);

    QList<Step> queue_;
    QList<Prompt> prompts_;
    QList<int> help_;
};
