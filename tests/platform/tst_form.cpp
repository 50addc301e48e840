// The base of the program's dialogs and the Qt side of the platform: load once, activate at
// every showing, F1 help at the dialog's topic, the Help button's hover colour, help pages and
// file-dialog filters.
#include "platform/form.h"
#include "platform/helpwindow.h"
#include "platform/qtplatform.h"
#include "platform/ui.h"
#include "support/datarows.h"
#include "support/scriptedplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace
{
class CountingForm : public Form
{
public:
    explicit CountingForm(Platform &platform) : Form(platform)
    {
        setObjectName(QStringLiteral("frmCounting"));
        help = new QPushButton(QStringLiteral("&Help"), this);
        highlightOnHover(help);
        setHelpContextId(10042);
    }
    void Form_Load() override { ++loads; }
    void Form_Activate() override { ++activations; }
    int loads = 0;
    int activations = 0;
    QPushButton *help = nullptr;
};
} // namespace

class TestForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadsOnceActivatesAtEveryShowing()
    {
        ScriptedPlatform platform;
        CountingForm form(platform);
        form.load();
        form.load();
        QCOMPARE(form.loads, 1);
        QCOMPARE(form.activations, 0);
        platform.actInDialog(QStringLiteral("frmCounting"), [](QDialog *d) { d->hide(); });
        platform.actInDialog(QStringLiteral("frmCounting"), [](QDialog *d) { d->hide(); });
        platform.showModal(&form);
        platform.showModal(&form);
        QCOMPARE(form.loads, 1);
        QCOMPARE(form.activations, 2);
        platform.verifyAllAnswered();
    }

    void firstShowingLoadsTheForm()
    {
        ScriptedPlatform platform;
        CountingForm form(platform);
        platform.actInDialog(QStringLiteral("frmCounting"), {});
        platform.showModal(&form);
        QCOMPARE(form.loads, 1);
        QCOMPARE(form.activations, 1);
    }

    void f1OpensTheDialogsTopic()
    {
        ScriptedPlatform platform;
        CountingForm form(platform);
        platform.actInDialog(QStringLiteral("frmCounting"), [](QDialog *d) {
            QApplication::setActiveWindow(d);
            QVERIFY(QTest::qWaitForWindowActive(d));
            QTest::keyClick(d, Qt::Key_F1);
        });
        platform.showModal(&form);
        QCOMPARE(platform.helpTopics(), QList<int>({10042}));
    }

    void helpButtonLightsUnderThePointer()
    {
        ScriptedPlatform platform;
        CountingForm form(platform);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(form.help, &enter);
        QCOMPARE(ui::backColor(form.help), ui::yellow());
        QMouseEvent move(QEvent::MouseMove, QPointF(50, 50), QPointF(50, 50), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &move);
        QCOMPARE(ui::backColor(form.help), ui::buttonFace());
    }

    void helpPagesByTopic()
    {
        QCOMPARE(HelpWindow::pageFor(10004), QStringLiteral(":/help/10004.html"));
        QCOMPARE(HelpWindow::pageFor(99999), QStringLiteral(":/help/index.html"));
        for (int topic : {10002, 10003, 10004, 10006, 10007, 10008, 10009, 10038})
            QVERIFY2(HelpWindow::pageFor(topic).endsWith(QStringLiteral("/%1.html").arg(topic)),
                     qPrintable(QString::number(topic)));
        HelpWindow window;
        window.showTopic(10009);
        QCOMPARE(window.currentTopic(), 10009);
        QVERIFY(window.isVisible());
    }

    // The program's Copy gave other programs plain text only: word processors lost the
    // formatting of a passage copied out of a plan.
    void clipboardGetsTextAndRtf()
    {
        QtPlatform platform;
        platform.setClipboardRichText(QStringLiteral("a\r\nb"), QStringLiteral("{\\rtf1 {\\b a}}"));
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
        QVERIFY(mime);
        QCOMPARE(mime->text(), QStringLiteral("a\nb"));
        QCOMPARE(mime->data(QStringLiteral("text/rtf")), QByteArray("{\\rtf1 {\\b a}}"));
        QCOMPARE(platform.clipboardText(), QStringLiteral("a\nb"));
    }

    void fileDialogFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        dataRow("plans", "Lesson Plan Documents|LPlans--*.*|All Files (*.*)|*.*",
                "Lesson Plan Documents (LPlans--*.*);;All Files (*.*)");
        dataRow("several patterns", "Settings|*.ini;*.txt", "Settings (*.ini *.txt)");
        dataRow("dangling description", "Only|", "Only ()");
        dataRow("empty", "", "");
    }

    void fileDialogFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(QtPlatform::qtFilter(filter), qt);
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
