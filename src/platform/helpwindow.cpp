#include "platform/helpwindow.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace
{

const QString Title = QStringLiteral("Quillmark Help");

QUrl pageUrl(const QString &resourcePath)
{
    return QUrl(QStringLiteral("qrc") + resourcePath);
}

QPushButton *barButton(QWidget *parent, const QString &name, const QString &caption,
                       const QString &tip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(Title);

    cmdContents = barButton(this, QStringLiteral("cmdContents"), QStringLiteral("&Contents"),
                            QStringLiteral("Show the list of help topics"));
    cmdBack = barButton(this, QStringLiteral("cmdBack"), QStringLiteral("<< &Back"),
                        QStringLiteral("Show the page seen before this one"));
    cmdForward = barButton(this, QStringLiteral("cmdForward"), QStringLiteral("&Forward >>"),
                           QStringLiteral("Show the page seen after this one"));
    cmdBack->setEnabled(false);
    cmdForward->setEnabled(false);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    browser_->setSearchPaths({QStringLiteral(":/help")});
    browser_->document()->setDefaultStyleSheet(QStringLiteral(
        "h1 { color: #46285f; } h2, h3 { color: #5a3c8c; } th { background-color: #ede7f4; }"
        "p.related { color: #555555; }"));

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(6, 6, 6, 0);
    bar->addWidget(cmdContents);
    bar->addWidget(cmdBack);
    bar->addWidget(cmdForward);
    bar->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    connect(cmdContents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(cmdBack, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(cmdForward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, cmdBack, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, cmdForward, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::pageShown);

    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    // The pictures of the pages are up to about 740 pixels wide; show them whole when the
    // screen allows it.
    QSize size(800, 680);
    if (const QScreen *screen = QApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    resize(size);
}

QString HelpWindow::pageFor(int contextId)
{
    const QString page = QStringLiteral(":/help/%1.html").arg(contextId);
    return QFile::exists(page) ? page : contentsPage();
}

QString HelpWindow::contentsPage()
{
    return QStringLiteral(":/help/index.html");
}

void HelpWindow::showTopic(int contextId)
{
    topic_ = contextId;
    browser_->setSource(pageUrl(pageFor(contextId)));
    attachToModalDialog();
    show();
    raise();
    activateWindow();
}

void HelpWindow::showContents()
{
    browser_->setSource(pageUrl(contentsPage()));
}

void HelpWindow::pageShown(const QUrl &)
{
    const QString page = browser_->documentTitle().trimmed();
    setWindowTitle(page.isEmpty() || page == Title ? Title : Title + QStringLiteral(" - ") + page);
}

void HelpWindow::attachToModalDialog()
{
    // A modal dialog blocks every window that is not its own; the help window counts as the
    // dialog's own when the dialog is its transient parent.
    create();
    QWindow *handle = windowHandle();
    if (!handle)
        return;
    QWindow *owner = nullptr;
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != this)
        owner = modal->window()->windowHandle();
    handle->setTransientParent(owner);
}
