// The platform under every window: forms load once and activate at every showing, F1 and the
// help pages, the clipboard, and the scripted platform the window tests stand on.
#include "platform/form.h"
#include "platform/helpwindow.h"
#include "platform/qtplatform.h"
#include "support/datarows.h"
#include "support/scriptedplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDirIterator>
#include <QImage>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

namespace
{

class CountingForm : public Form
{
public:
    explicit CountingForm(Platform &platform) : Form(platform)
    {
        setObjectName(QStringLiteral("frmCounting"));
        setHelpContextId(10042);
    }
    void Form_Load() override { ++loads; }
    void Form_Activate() override { ++activations; }
    int loads = 0;
    int activations = 0;
};

QString read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList matches(const QString &text, const QString &pattern)
{
    QStringList found;
    const QRegularExpression re(pattern, QRegularExpression::CaseInsensitiveOption);
    for (auto it = re.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A form loaded again at every showing (its lists filled twice), not activated at every
    // showing (stale contents), or F1 opening another screen's help.
    void formLoadsOnceActivatesAlwaysHelpsAtItsTopic()
    {
        ScriptedPlatform platform;
        CountingForm form(platform);
        platform.actInDialog(QStringLiteral("frmCounting"), [](QDialog *d) {
            QApplication::setActiveWindow(d);
            QVERIFY(QTest::qWaitForWindowActive(d));
            QTest::keyClick(d, Qt::Key_F1);
        });
        platform.actInDialog(QStringLiteral("frmCounting"), {});
        platform.showModal(&form);
        form.load();
        platform.showModal(&form);
        QCOMPARE(std::pair(form.loads, form.activations), std::pair(1, 2));
        QCOMPARE(platform.helpTopics(), QList<int>({10042}));
    }

    // One walk over the help: a help id in the sources without a page of its own, a stub or
    // untitled page, a broken link or anchor, a link or picture outside the program (the help
    // works without a network), a missing or undescribed picture, a page missing from the
    // contents, two pages with one title, or a picture no page shows.
    void helpPagesHangTogether()
    {
        QSet<int> ids;
        QDirIterator it(QStringLiteral(QUILLMARK_SOURCE_DIR "/src"), {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString text = read(it.next());
            for (const char *pattern :
                 {"setHelpContextId\\(\\s*(\\d+)\\s*\\)", "HelpContext\\s*=\\s*(\\d+)",
                  "\\b\\w+Dialog\\s*\\([^;{}]*?\\b(\\d{5})\\b"})
                for (const QString &id : matches(text, QLatin1StringView(pattern)))
                    ids.insert(id.toInt());
        }
        QVERIFY(ids.size() >= 20);
        for (int id : std::as_const(ids)) {
            HelpWindow window;
            window.showTopic(id);
            QCOMPARE(window.browser()->source(), QUrl(QStringLiteral("qrc:/help/%1.html").arg(id)));
            QVERIFY2(window.browser()->toPlainText().simplified().size() >= 500, "a stub page");
        }
        QCOMPARE(HelpWindow::pageFor(99999), HelpWindow::contentsPage());

        const QString contents = read(HelpWindow::contentsPage());
        QSet<QString> titles, shown;
        for (const QString &page : QDir(QStringLiteral(":/help")).entryList({"*.html"})) {
            const QString html = read(QStringLiteral(":/help/") + page);
            const QString title = matches(html, QStringLiteral("<title>\\s*([^<]*\\S)")).value(0);
            QVERIFY2(!title.isEmpty() && !titles.contains(title) &&
                         (page == QLatin1String("index.html") || contents.contains("\"" + page)),
                     qPrintable(page + ": title, or not in the contents"));
            titles.insert(title);
            for (const QString &href :
                 matches(html, QStringLiteral("\\bhref\\s*=\\s*\"([^\"]*)\""))) {
                const QString target =
                    read(QStringLiteral(":/help/") +
                         (href.startsWith(u'#') ? page : href.section(u'#', 0, 0)));
                const QString anchor = QRegularExpression::escape(href.section(u'#', 1));
                QVERIFY2(
                    QUrl(href).isRelative() &&
                        target.contains(QRegularExpression(
                            anchor.isEmpty() ? "." : "\\b(name|id)\\s*=\\s*\"" + anchor + "\"")),
                    qPrintable(page + ": broken link " + href));
            }
            for (const QString &tag : matches(html, QStringLiteral("(<img\\b[^>]*>)"))) {
                const QString source =
                    matches(tag, QStringLiteral("\\bsrc\\s*=\\s*\"([^\"]*)\"")).value(0);
                const bool described =
                    !matches(tag, QStringLiteral("\\balt\\s*=\\s*\"\\s*(\\S)")).isEmpty();
                QVERIFY2(described && QUrl(source).isRelative() &&
                             !QImage(":/help/" + source).isNull(),
                         qPrintable(page + ": " + tag));
                shown.insert(source);
            }
        }
        for (const QString &picture : QDir(QStringLiteral(":/help")).entryList({"*.png"}))
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
        QTimer::singleShot(0, &dialog, [&]() {
            help.showTopic(10010);
            ownerWhileModal =
                help.windowHandle() ? help.windowHandle()->transientParent() : nullptr;
            dialog.accept();
        });
        dialog.exec();
        QVERIFY(ownerWhileModal && ownerWhileModal == dialog.windowHandle());
        help.showTopic(10002);
        QCOMPARE(help.windowHandle()->transientParent(), nullptr);
    }

    // The program's Copy gave other programs plain text only: word processors lost the
    // formatting of a passage copied out of a plan.
    void clipboardGetsTextAndRtf()
    {
        QtPlatform platform;
        platform.setClipboardRichText(QStringLiteral("a\r\nb"), QStringLiteral("{\\rtf1 {\\b a}}"));
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData(); // never null
        QCOMPARE(mime->text(), QStringLiteral("a\nb"));
        QCOMPARE(mime->data(QStringLiteral("text/rtf")), QByteArray("{\\rtf1 {\\b a}}"));
    }

    // A window test must fail on a prompt nobody queued and on an answer nobody asked for;
    // otherwise unexpected questions and skipped ones pass unseen. (An expected failure that
    // does not come turns the QVERIFY after it into an unexpected pass, which fails.)
    void scriptedPlatformFailsOnSurprises()
    {
        ScriptedPlatform surprised;
        QEXPECT_FAIL("", "a prompt nobody queued", Continue);
        surprised.messageBox(QStringLiteral("Surprise"), QString(), Platform::Buttons::OK,
                             Platform::Icon::None);
        QVERIFY(true);
        ScriptedPlatform unasked;
        unasked.answerMessage(Platform::Answer::OK);
        QEXPECT_FAIL("", "an answer never asked for", Continue);
        unasked.verifyAllAnswered();
        QVERIFY(true);
    }

    // The open and save dialogs take the program's "description|patterns|..." filters; one
    // Qt misreads lists no plans, or offers every file as one.
    void fileDialogFilters_data()
    {
        dataColumns<QString, QString>({"filter", "qt"});
        dataRow("plans", "Lesson Plan Documents|LPlans--*.*|All Files (*.*)|*.*",
                "Lesson Plan Documents (LPlans--*.*);;All Files (*.*)");
        dataRow("several patterns", "Settings|*.ini;*.txt", "Settings (*.ini *.txt)");
        dataRow("dangling description", "Only|", "Only ()");
        dataRow("empty", "", "");
    }
    void fileDialogFilters()
    {
        const auto [filter, qt] = fetchRow<QString, QString>({"filter", "qt"});
        QCOMPARE(QtPlatform::qtFilter(filter), qt);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
