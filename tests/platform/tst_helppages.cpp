#include "platform/helpwindow.h"

#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>
#include <QtTest>

// The help that ships inside the program: every help context id the program uses opens a page
// of its own, and the pages hang together (links, anchors, pictures) without a network.
class tst_HelpPages : public QObject
{
    Q_OBJECT

    static QString read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static QStringList matches(const QString &text, const QString &pattern)
    {
        QStringList found;
        const QRegularExpression re(pattern, QRegularExpression::CaseInsensitiveOption);
        for (auto it = re.globalMatch(text); it.hasNext();)
            found << it.next().captured(1);
        return found;
    }

    static QString titleOf(const QString &html)
    {
        QTextDocument document;
        document.setHtml(html);
        return document.metaInformation(QTextDocument::DocumentTitle).trimmed();
    }

private Q_SLOTS:
    // A help context id given to a window in the sources without a page of its own (the
    // teacher gets the contents, or a page about another screen), or a stub without a title.
    void everyContextInTheSourcesOpensItsPage()
    {
        const QString sourceRoot = QFINDTESTDATA("../../src");
        QVERIFY2(QFileInfo(sourceRoot).isDir(), "the program's sources were not found");
        QSet<int> ids;
        QDirIterator it(sourceRoot, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString text = read(it.next());
            for (const QString &pattern :
                 {QStringLiteral("setHelpContextId\\(\\s*(\\d+)\\s*\\)"),
                  QStringLiteral("HelpContext\\s*=\\s*(\\d+)"),
                  QStringLiteral("\\b\\w+Dialog\\s*\\([^;{}]*?\\b(\\d{5})\\b")})
                for (const QString &id : matches(text, pattern))
                    ids.insert(id.toInt());
        }
        QVERIFY(ids.size() >= 20);
        for (int id : std::as_const(ids)) {
            const QString page = QStringLiteral(":/help/%1.html").arg(id);
            QVERIFY2(HelpWindow::pageFor(id) == page, qPrintable(page));
            HelpWindow window;
            window.showTopic(id);
            QCOMPARE(window.browser()->source(), QUrl(QStringLiteral("qrc") + page));
            QTextDocument document;
            document.setHtml(read(page));
            const QString title = titleOf(read(page));
            QVERIFY2(!title.isEmpty() && window.windowTitle().endsWith(title), qPrintable(page));
            // A real page explains the screen; a stub of a line or two does not.
            QVERIFY2(document.toPlainText().simplified().size() >= 500, qPrintable(page));
        }
        for (int unknown : {0, -1, 10005, 99999})
            QCOMPARE(HelpWindow::pageFor(unknown), HelpWindow::contentsPage());
    }

    // One walk over every page: a broken link or anchor, a link or picture outside the program
    // (the help must work without a network), a missing, oversized or undescribed picture, a
    // page missing from the contents, two pages with one title, or a picture no page shows.
    void pagesHangTogether()
    {
        const QStringList pages = QDir(QStringLiteral(":/help")).entryList({"*.html"}, QDir::Files);
        QVERIFY(pages.contains(QStringLiteral("index.html")));
        const QString contents = read(HelpWindow::contentsPage());
        QSet<QString> titles, shown;
        for (const QString &page : pages) {
            const QString html = read(QStringLiteral(":/help/") + page);
            const QString title = titleOf(html);
            QVERIFY2(!title.isEmpty() && !titles.contains(title), qPrintable(page));
            titles.insert(title);
            QVERIFY2(page == QLatin1String("index.html") || contents.contains("\"" + page),
                     qPrintable(page + QStringLiteral(" is not on the contents page")));
            for (const QString &href :
                 matches(html, QStringLiteral("\\bhref\\s*=\\s*\"([^\"]*)\""))) {
                QVERIFY2(!href.isEmpty() && QUrl(href).isRelative(),
                         qPrintable(page + ": " + href));
                const QString file = href.section(QLatin1Char('#'), 0, 0);
                const QString anchor = href.section(QLatin1Char('#'), 1);
                const QString target =
                    read(QStringLiteral(":/help/") + (file.isEmpty() ? page : file));
                QVERIFY2(!target.isEmpty(), qPrintable(page + ": broken link " + href));
                QVERIFY2(anchor.isEmpty() || target.contains(QRegularExpression(
                                                 "\\b(name|id)\\s*=\\s*\"" +
                                                 QRegularExpression::escape(anchor) + "\"")),
                         qPrintable(page + ": missing anchor " + href));
            }
            for (const QString &tag : matches(html, QStringLiteral("(<img\\b[^>]*>)"))) {
                const QString source =
                    matches(tag, QStringLiteral("\\bsrc\\s*=\\s*\"([^\"]*)\"")).value(0);
                const QImage picture(QStringLiteral(":/help/") + source);
                QVERIFY2(QUrl(source).isRelative() && !picture.isNull(),
                         qPrintable(page + ": " + tag));
                QVERIFY2(picture.width() <= 760, qPrintable(source)); // the window is 800 wide
                QVERIFY2(!matches(tag, QStringLiteral("\\balt\\s*=\\s*\"([^\"]*)\""))
                              .value(0)
                              .trimmed()
                              .isEmpty(),
                         qPrintable(page + QStringLiteral(": no description for ") + source));
                shown.insert(source);
            }
        }
        for (const QString &picture :
             QDir(QStringLiteral(":/help")).entryList({"*.png"}, QDir::Files))
            QVERIFY2(shown.contains(picture), qPrintable(picture + " is shown on no page"));
    }

    // Help asked for from a modal dialog blocked by that dialog: the dialog must be the help
    // window's transient parent while it is open; help asked for later stands alone.
    void helpFromAModalDialogBelongsToIt()
    {
        HelpWindow help;
        QDialog dialog;
        dialog.setModal(true);
        QWindow *ownerWhileModal = nullptr;
        QWindow *dialogWindow = nullptr;
        QTimer::singleShot(0, &dialog, [&]() {
            help.showTopic(10010);
            dialogWindow = dialog.windowHandle();
            ownerWhileModal =
                help.windowHandle() ? help.windowHandle()->transientParent() : nullptr;
            dialog.accept();
        });
        dialog.exec();
        QVERIFY(dialogWindow);
        QCOMPARE(ownerWhileModal, dialogWindow);
        help.showTopic(10002);
        QCOMPARE(help.windowHandle()->transientParent(), nullptr);
    }
};

QTEST_MAIN(tst_HelpPages)
#include "tst_helppages.moc"
