#include "platform/helpwindow.h"
#include "support/datarows.h"

#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
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

private:
    // Every help context id of the program and the screen or window it belongs to.
    struct Topic {
        int id;
        const char *where;
    };
    static QList<Topic> topics()
    {
        return {
            {10002, "main window before a plan; New Plan window"},
            {10003, "main window while a plan is begun"},
            {10004, "main window, instructional activities"},
            {10006, "editing the document; Large Editor"},
            {10007, "main window, assessment activities"},
            {10008, "main window, materials; listing editor"},
            {10009, "main window, standards"},
            {10010, "Lesson Plan Document Setup"},
            {10020, "instructor, school, year and plan type"},
            {10021, "course/subject list"},
            {10022, "document file type"},
            {10030, "materials setup"},
            {10031, "standards list"},
            {10032, "adding or editing a standard"},
            {10037, "storage folder button"},
            {10038, "earlier plans"},
            {10040, "unit goal heading"},
            {10041, "unit topic and time frame headings"},
            {10042, "daily objective heading"},
            {10043, "assignment/closure heading"},
            {10044, "period/group heading"},
            {10045, "tasks/strategies heading"},
            {10046, "special note setup"},
            {10047, "instructional activities setup"},
            {10048, "assessment activities setup"},
        };
    }

    static QString read(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll());
    }

    static QStringList compiledIn(const QString &pattern)
    {
        QStringList names = QDir(QStringLiteral(":/help")).entryList({pattern}, QDir::Files);
        names.sort();
        return names;
    }

    static QStringList attributeValues(const QString &html, const QString &attribute)
    {
        QStringList values;
        const QRegularExpression re(QStringLiteral("\\b%1\\s*=\\s*\"([^\"]*)\"").arg(attribute),
                                    QRegularExpression::CaseInsensitiveOption);
        for (auto it = re.globalMatch(html); it.hasNext();)
            values << it.next().captured(1);
        return values;
    }

    static bool hasAnchor(const QString &html, const QString &anchor)
    {
        const QRegularExpression re(
            QStringLiteral("\\b(name|id)\\s*=\\s*\"%1\"").arg(QRegularExpression::escape(anchor)),
            QRegularExpression::CaseInsensitiveOption);
        return re.match(html).hasMatch();
    }

    static QString titleOf(const QString &html)
    {
        QTextDocument document;
        document.setHtml(html);
        return document.metaInformation(QTextDocument::DocumentTitle).trimmed();
    }

    // The help context ids the program's sources give to its windows: set directly, declared
    // as a window's context constant, or handed to the constructor of one of the dialog bases.
    static QMap<int, QString> contextIdsInSources(const QString &sourceRoot)
    {
        const QList<QRegularExpression> patterns = {
            QRegularExpression(QStringLiteral("setHelpContextId\\(\\s*(\\d+)\\s*\\)")),
            QRegularExpression(QStringLiteral("HelpContext\\s*=\\s*(\\d+)")),
            QRegularExpression(QStringLiteral("\\b\\w+Dialog\\s*\\([^;{}]*?\\b(\\d{5})\\b")),
        };
        QMap<int, QString> found;
        QDirIterator it(sourceRoot, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString text = read(path);
            for (const QRegularExpression &re : patterns)
                for (auto match = re.globalMatch(text); match.hasNext();) {
                    const int id = match.next().captured(1).toInt();
                    if (id > 0)
                        found.insert(id, QDir(sourceRoot).relativeFilePath(path));
                }
        }
        return found;
    }

private Q_SLOTS:
    void everyContextOpensAPageOfItsOwn_data()
    {
        QTest::addColumn<int>("id");
        for (const Topic &topic : topics())
            QTest::newRow(qPrintable(
                QStringLiteral("%1 %2").arg(topic.id).arg(QString::fromLatin1(topic.where))))
                << topic.id;
    }

    void everyContextOpensAPageOfItsOwn()
    {
        QFETCH(int, id);
        const QString page = QStringLiteral(":/help/%1.html").arg(id);
        QCOMPARE(HelpWindow::pageFor(id), page);

        const QString html = read(page);
        const QString title = titleOf(html);
        QVERIFY2(!title.isEmpty(), "the page has no title");
        QTextDocument document;
        document.setHtml(html);
        // A real page explains the screen; a stub of a line or two does not.
        QVERIFY2(document.toPlainText().simplified().size() >= 500,
                 qPrintable(QStringLiteral("only %1 characters of text")
                                .arg(document.toPlainText().simplified().size())));

        HelpWindow window;
        window.showTopic(id);
        QCOMPARE(window.currentTopic(), id);
        QCOMPARE(window.browser()->source(), QUrl(QStringLiteral("qrc") + page));
        QVERIFY(window.isVisible());
        QVERIFY2(window.windowTitle().endsWith(title), qPrintable(window.windowTitle()));
    }

    void everyContextIdInTheSourcesIsListed()
    {
        const QString sourceRoot = QFINDTESTDATA("../../src");
        QVERIFY2(!sourceRoot.isEmpty() && QFileInfo(sourceRoot).isDir(),
                 "the program's sources were not found");
        const QMap<int, QString> inSources = contextIdsInSources(sourceRoot);
        QSet<int> listed;
        for (const Topic &topic : topics())
            listed.insert(topic.id);

        for (auto it = inSources.cbegin(); it != inSources.cend(); ++it)
            QVERIFY2(listed.contains(it.key()),
                     qPrintable(QStringLiteral("help context %1 (%2) has no help page listed here")
                                    .arg(it.key())
                                    .arg(it.value())));
        for (int id : std::as_const(listed))
            QVERIFY2(
                inSources.contains(id),
                qPrintable(
                    QStringLiteral("help context %1 is no longer used by the program").arg(id)));
    }

    void unknownContextsShowTheContents_data()
    {
        QTest::addColumn<int>("id");
        dataRow("a window without a context of its own", 0);
        dataRow("an id without a page", 10005);
        dataRow("far out of range", 99999);
        dataRow("negative", -1);
    }

    void unknownContextsShowTheContents()
    {
        QFETCH(int, id);
        QCOMPARE(HelpWindow::pageFor(id), HelpWindow::contentsPage());
        HelpWindow window;
        window.showTopic(id);
        QCOMPARE(window.browser()->source(), QUrl(QStringLiteral("qrc:/help/index.html")));
        QVERIFY(!titleOf(read(HelpWindow::contentsPage())).isEmpty());
    }

    void pagesHangTogether_data()
    {
        QTest::addColumn<QString>("page");
        const QStringList pages = compiledIn(QStringLiteral("*.html"));
        QVERIFY(pages.contains(QStringLiteral("index.html")));
        for (const QString &page : pages)
            QTest::newRow(qPrintable(page)) << page;
    }

    // Every link leads to a compiled-in page (and anchor) and every picture is there and can be
    // shown; nothing points outside the program, since the help has to work without a network.
    void pagesHangTogether()
    {
        QFETCH(QString, page);
        const QString html = read(QStringLiteral(":/help/") + page);
        QVERIFY(!html.isEmpty());

        for (const QString &href : attributeValues(html, QStringLiteral("href"))) {
            QVERIFY2(!href.isEmpty(), "empty link");
            QVERIFY2(QUrl(href).isRelative(),
                     qPrintable(QStringLiteral("link outside the help: ") + href));
            const qsizetype hash = href.indexOf(QLatin1Char('#'));
            const QString file = hash < 0 ? href : href.left(hash);
            const QString anchor = hash < 0 ? QString() : href.mid(hash + 1);
            const QString target = file.isEmpty() ? page : file;
            const QString targetHtml = read(QStringLiteral(":/help/") + target);
            QVERIFY2(!targetHtml.isEmpty(), qPrintable(QStringLiteral("broken link: ") + href));
            if (!anchor.isEmpty())
                QVERIFY2(hasAnchor(targetHtml, anchor),
                         qPrintable(QStringLiteral("missing anchor: ") + href));
        }

        const QRegularExpression image(QStringLiteral("<img\\b[^>]*>"),
                                       QRegularExpression::CaseInsensitiveOption);
        for (auto it = image.globalMatch(html); it.hasNext();) {
            const QString tag = it.next().captured(0);
            const QStringList sources = attributeValues(tag, QStringLiteral("src"));
            QVERIFY2(sources.size() == 1,
                     qPrintable(QStringLiteral("picture without source: ") + tag));
            const QString source = sources.first();
            QVERIFY2(QUrl(source).isRelative(),
                     qPrintable(QStringLiteral("picture outside the help: ") + source));
            const QImage picture(QStringLiteral(":/help/") + source);
            QVERIFY2(!picture.isNull(), qPrintable(QStringLiteral("missing picture: ") + source));
            // The help window is 800 pixels wide; a wider picture would have to be scrolled.
            QVERIFY2(picture.width() <= 760, qPrintable(source));
            QVERIFY2(!attributeValues(tag, QStringLiteral("alt")).value(0).trimmed().isEmpty(),
                     qPrintable(QStringLiteral("picture without a description: ") + source));
        }
    }

    void everyPictureIsShownAndSmall_data()
    {
        QTest::addColumn<QString>("picture");
        for (const QString &picture : compiledIn(QStringLiteral("*.png")))
            QTest::newRow(qPrintable(picture)) << picture;
    }

    void everyPictureIsShownAndSmall()
    {
        QFETCH(QString, picture);
        QVERIFY2(QFileInfo(QStringLiteral(":/help/") + picture).size() <= 48 * 1024,
                 "pictures are built into the program; keep them small");
        bool shown = false;
        for (const QString &page : compiledIn(QStringLiteral("*.html")))
            shown = shown ||
                    attributeValues(read(QStringLiteral(":/help/") + page), QStringLiteral("src"))
                        .contains(picture);
        QVERIFY2(shown, "no page shows this picture");
    }

    // The contents page reaches every page, and no two pages share a title, so that the list of
    // topics and the window title tell them apart.
    void contentsReachEveryPage()
    {
        const QString contents = read(HelpWindow::contentsPage());
        QSet<QString> linked;
        for (const QString &href : attributeValues(contents, QStringLiteral("href")))
            linked.insert(href.section(QLatin1Char('#'), 0, 0));
        QMap<QString, QString> titles;
        for (const QString &page : compiledIn(QStringLiteral("*.html"))) {
            const QString title = titleOf(read(QStringLiteral(":/help/") + page));
            QVERIFY2(!title.isEmpty(), qPrintable(page + QStringLiteral(" has no title")));
            QVERIFY2(!titles.contains(title),
                     qPrintable(page + QStringLiteral(" and ") + titles.value(title) +
                                QStringLiteral(" share the title ") + title));
            titles.insert(title, page);
            if (page != QLatin1String("index.html"))
                QVERIFY2(linked.contains(page),
                         qPrintable(page + QStringLiteral(" is not listed on the contents page")));
        }
    }

    void linkBarNavigates()
    {
        HelpWindow window;
        window.showTopic(10004);
        const QUrl topic(QStringLiteral("qrc:/help/10004.html"));
        const QUrl contents(QStringLiteral("qrc:/help/index.html"));
        QCOMPARE(window.browser()->source(), topic);
        QVERIFY(!window.cmdBack->isEnabled());
        QVERIFY(!window.cmdForward->isEnabled());

        window.cmdContents->click();
        QCOMPARE(window.browser()->source(), contents);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quillmark Help"));
        QVERIFY(window.cmdBack->isEnabled());

        window.cmdBack->click();
        QCOMPARE(window.browser()->source(), topic);
        QVERIFY(window.windowTitle().endsWith(QStringLiteral("Instructional Activities")));
        QVERIFY(window.cmdForward->isEnabled());

        window.cmdForward->click();
        QCOMPARE(window.browser()->source(), contents);
        QVERIFY(!window.cmdForward->isEnabled());
    }

    // The window icon is built in next to the help, small enough for every X server to take.
    void windowIconIsBuiltIn()
    {
        const QImage icon(QStringLiteral(":/quillmark.png"));
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.size(), QSize(128, 128));
        QVERIFY(icon.hasAlphaChannel());
    }

    // Help asked for from a modal dialog must not be blocked by that dialog: the dialog is the
    // help window's transient parent while it is open; help asked for later stands alone.
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
        QVERIFY(help.windowHandle());
        QCOMPARE(help.windowHandle()->transientParent(), nullptr);
    }
};

QTEST_MAIN(tst_HelpPages)
#include "tst_helppages.moc"
