#include "platform/helpwindow.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Quillmark Help"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenLinks(true);
    browser_->setSearchPaths({QStringLiteral(":/help")});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 460);
}

QString HelpWindow::pageFor(int contextId)
{
    const QString page = QStringLiteral(":/help/%1.html").arg(contextId);
    return QFile::exists(page) ? page : QStringLiteral(":/help/index.html");
}

void HelpWindow::showTopic(int contextId)
{
    topic_ = contextId;
    browser_->setSource(QUrl(QStringLiteral("qrc") + pageFor(contextId)));
    show();
    raise();
    activateWindow();
}
