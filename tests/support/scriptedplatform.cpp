#include "support/scriptedplatform.h"

#include <QDialog>
#include <QTest>

void ScriptedPlatform::answerMessage(Answer answer, const QString &expectText,
                                     const QString &expectTitle)
{
    Step step(Kind::Message);
    step.answer = answer;
    step.expectText = expectText;
    step.expectTitle = expectTitle;
    queue_.append(step);
}

void ScriptedPlatform::answerInput(const QString &text, const QString &expectTitle)
{
    Step step(Kind::Input);
    step.text = text;
    step.expectTitle = expectTitle;
    queue_.append(step);
}

void ScriptedPlatform::answerOpenFile(const QString &path)
{
    Step step(Kind::OpenFile);
    step.text = path;
    queue_.append(step);
}

void ScriptedPlatform::answerSaveFile(const QString &path)
{
    Step step(Kind::SaveFile);
    step.text = path;
    queue_.append(step);
}

void ScriptedPlatform::answerFolder(const QString &path)
{
    Step step(Kind::Folder);
    step.text = path;
    queue_.append(step);
}

void ScriptedPlatform::answerPrint(bool accept, std::function<void(QPrinter &)> setup)
{
    Step step(Kind::Print);
    step.accept = accept;
    step.printerSetup = std::move(setup);
    queue_.append(step);
}

void ScriptedPlatform::actInDialog(const QString &objectName, std::function<void(QDialog *)> action)
{
    Step step(Kind::Dialog);
    step.expectTitle = objectName;
    step.action = std::move(action);
    queue_.append(step);
}

QString ScriptedPlatform::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Message:
        return QStringLiteral("message box");
    case Kind::Input:
        return QStringLiteral("input box");
    case Kind::OpenFile:
        return QStringLiteral("file-open dialog");
    case Kind::SaveFile:
        return QStringLiteral("save-name dialog");
    case Kind::Folder:
        return QStringLiteral("folder chooser");
    case Kind::Print:
        return QStringLiteral("print dialog");
    case Kind::Dialog:
        return QStringLiteral("modal dialog");
    }
    return QString();
}

bool ScriptedPlatform::take(Kind kind, const Prompt &prompt, Step &step)
{
    prompts_.append(prompt);
    const QString seen = kindName(kind) + QStringLiteral(" \"") + prompt.title +
                         QStringLiteral("\": \"") + prompt.text + QLatin1Char('"');
    if (queue_.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("Unexpected ") + seen), __FILE__, __LINE__);
        return false;
    }
    if (queue_.first().kind != kind) {
        QTest::qFail(qPrintable(QStringLiteral("Expected a ") + kindName(queue_.first().kind) +
                                QStringLiteral(", got ") + seen),
                     __FILE__, __LINE__);
        return false;
    }
    step = queue_.takeFirst();
    if (!step.expectTitle.isEmpty() && step.expectTitle != prompt.title) {
        QTest::qFail(qPrintable(QStringLiteral("Expected title \"") + step.expectTitle +
                                QStringLiteral("\", got ") + seen),
                     __FILE__, __LINE__);
        return false;
    }
    if (!step.expectText.isEmpty() && step.expectText != prompt.text) {
        QTest::qFail(qPrintable(QStringLiteral("Expected text \"") + step.expectText +
                                QStringLiteral("\", got ") + seen),
                     __FILE__, __LINE__);
        return false;
    }
    return true;
}

void ScriptedPlatform::verifyAllAnswered()
{
    if (queue_.isEmpty())
        return;
    QTest::qFail(qPrintable(QStringLiteral("%1 queued answer(s) never asked for; the next is a %2")
                                .arg(queue_.size())
                                .arg(kindName(queue_.first().kind))),
                 __FILE__, __LINE__);
    queue_.clear();
}

Platform::Answer ScriptedPlatform::messageBox(const QString &text, const QString &title,
                                              Buttons buttons, Icon icon)
{
    Step step;
    if (!take(Kind::Message, {Kind::Message, title, text, buttons, icon}, step))
        return buttons == Buttons::OK ? Answer::OK
                                      : (buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
    return step.answer;
}

QString ScriptedPlatform::inputBox(const QString &prompt, const QString &title,
                                   const QString &defaultText)
{
    Step step;
    Prompt seen{Kind::Input, title, prompt};
    Q_UNUSED(defaultText);
    return take(Kind::Input, seen, step) ? step.text : QString();
}

QString ScriptedPlatform::openFileName(const QString &title, const QString &filter,
                                       const QString &initialFolder)
{
    Step step;
    Prompt seen{Kind::OpenFile, title, filter + QStringLiteral(" in ") + initialFolder};
    return take(Kind::OpenFile, seen, step) ? step.text : QString();
}

QString ScriptedPlatform::saveFileName(const QString &title, const QString &filter,
                                       const QString &suggestedPath)
{
    Step step;
    Prompt seen{Kind::SaveFile, title, filter + QStringLiteral(" as ") + suggestedPath};
    return take(Kind::SaveFile, seen, step) ? step.text : QString();
}

QString ScriptedPlatform::chooseFolder(const QString &title, const QString &initialFolder)
{
    Step step;
    return take(Kind::Folder, {Kind::Folder, title, initialFolder}, step) ? step.text : QString();
}

bool ScriptedPlatform::printDialog(QPrinter &printer, QWidget *parent)
{
    Q_UNUSED(parent);
    Step step;
    if (!take(Kind::Print, {Kind::Print, QStringLiteral("Print"), QString()}, step))
        return false;
    if (step.printerSetup)
        step.printerSetup(printer);
    return step.accept;
}

int ScriptedPlatform::showModal(QDialog *dialog)
{
    if (!dialog)
        return QDialog::Rejected;
    Step step;
    if (!take(Kind::Dialog, {Kind::Dialog, dialog->objectName(), dialog->windowTitle()}, step)) {
        // Still show and hide it, so its activation runs as it would for a teacher.
        dialog->show();
        dialog->hide();
        return dialog->result();
    }
    dialog->setResult(QDialog::Rejected);
    dialog->show();
    if (step.action)
        step.action(dialog);
    if (dialog->isVisible())
        dialog->hide();
    return dialog->result();
}
