// Start-up: the splash window shows while the main window loads hidden, and five seconds
// later the main window appears, activated, and the splash is gone.
#include "app/frmdedication.h"
#include "app/frmmain.h"
#include "support/scriptedplatform.h"

#include <QComboBox>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void splashThenMainWindow()
    {
        LessonPlanModule m;
        ScriptedPlatform platform;
        frmMain main(m, platform);
        frmDedication splash(main);
        splash.show();
        splash.Form_Load();

        QCOMPARE(splash.Image1->pixmap().size(), QSize(319, 218));
        QCOMPARE(splash.TimerSplash->interval(), 5000);
        QVERIFY(splash.TimerSplash->isActive());
        // The main window is loaded, but not shown yet.
        QCOMPARE(main.cboCourses->count(), 3);
        QVERIFY(!main.isVisible());
        QVERIFY(splash.isVisible());

        QTRY_VERIFY_WITH_TIMEOUT(main.isVisible(), 8000);
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.TimerSplash->isActive());
        // Shown means activated: the labels follow the settings.
        QCOMPARE(main.windowTitle(),
                 QStringLiteral("Lesson Plans      Your Name Here...      2009-2010"));
        platform.verifyAllAnswered();
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
