#include "platform/qtplatform.h"

#include "platform/helpwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform()
{
    delete help_;
}

static QWidget *activeParent()
{
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    return parent;
}

Platform::Answer QtPlatform::messageBox(const QString &text, const QString &title, Buttons buttons,
                                        Icon icon)
{
    QMessageBox box(activeParent());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case Buttons::OK:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OKCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::OK;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        // Closed with the window's close button or Escape.
        if (buttons == Buttons::OK)
            return Answer::OK;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

QString QtPlatform::inputBox(const QString &prompt, const QString &title,
                             const QString &defaultText)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(activeParent(), title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QString QtPlatform::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        const QString patterns =
            QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses of an entry.
        if (!description.endsWith(QLatin1Char(')')) || !description.contains(patterns))
            description += QStringLiteral(" (") + patterns + QLatin1Char(')');
        entries.append(description);
    }
    return entries.join(QStringLiteral(";;"));
}

QString QtPlatform::openFileName(const QString &title, const QString &filter,
                                 const QString &initialFolder)
{
    return QFileDialog::getOpenFileName(activeParent(), title, initialFolder, qtFilter(filter));
}

QString QtPlatform::saveFileName(const QString &title, const QString &filter,
                                 const QString &suggestedPath)
{
    // The program asks its own overwrite question.
    return QFileDialog::getSaveFileName(activeParent(), title, suggestedPath, qtFilter(filter),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

QString QtPlatform::chooseFolder(const QString &title, const QString &initialFolder)
{
    return QFileDialog::getExistingDirectory(activeParent(), title, initialFolder);
}

bool QtPlatform::printDialog(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent ? parent : activeParent());
    return dialog.exec() == QDialog::Accepted;
}

bool QtPlatform::openWithSystem(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtPlatform::showHelp(int contextId)
{
    if (!help_)
        help_ = new HelpWindow();
    help_->showTopic(contextId);
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

QString QtPlatform::clipboardText()
{
    return QApplication::clipboard()->text();
}

namespace
{
// Other programs on this desktop expect plain line feeds.
QString withLineFeeds(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
} // namespace

void QtPlatform::setClipboardText(const QString &text)
{
    QApplication::clipboard()->setText(withLineFeeds(text));
}

void QtPlatform::setClipboardRichText(const QString &text, const QString &rtf)
{
    auto *mime = new QMimeData;
    mime->setText(withLineFeeds(text));
    // Our RTF is 7-bit.
    const QByteArray bytes = rtf.toLatin1();
    mime->setData(QStringLiteral("text/rtf"), bytes);
    mime->setData(QStringLiteral("application/rtf"), bytes);
    QApplication::clipboard()->setMimeData(mime);
}

int QtPlatform::showModal(QDialog *dialog)
{
    if (!dialog)
        return QDialog::Rejected;
    dialog->setWindowModality(Qt::ApplicationModal);
    return dialog->exec();
}
