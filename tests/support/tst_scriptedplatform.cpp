// The scripted platform is what every window test stands on: it must answer in order, record
// what was asked, and fail a test on a prompt nobody expected.
#include "support/scriptedplatform.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

class TestScriptedPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void answersInOrderAndRecords()
    {
        ScriptedPlatform p;
        p.answerMessage(Platform::Answer::Yes, QStringLiteral("Proceed?"), QStringLiteral("Ask"));
        p.answerInput(QStringLiteral("typed"));
        p.answerOpenFile(QStringLiteral("/tmp/a.rtf"));
        QCOMPARE(p.messageBox(QStringLiteral("Proceed?"), QStringLiteral("Ask"),
                              Platform::Buttons::YesNo, Platform::Icon::Question),
                 Platform::Answer::Yes);
        QCOMPARE(p.inputBox(QStringLiteral("Name:"), QStringLiteral("Title"), QString()),
                 QStringLiteral("typed"));
        QCOMPARE(p.openFileName(QStringLiteral("Open"), QStringLiteral("All|*.*"),
                                QStringLiteral("/tmp")),
                 QStringLiteral("/tmp/a.rtf"));
        QCOMPARE(p.prompts().size(), 3);
        QCOMPARE(p.prompts().first().buttons, Platform::Buttons::YesNo);
        QCOMPARE(p.prompts().first().icon, Platform::Icon::Question);
        QCOMPARE(p.prompts().at(1).title, QStringLiteral("Title"));
        p.verifyAllAnswered();
    }

    void unexpectedPromptFailsTheTest()
    {
        ScriptedPlatform p;
        QEXPECT_FAIL("", "a prompt nobody queued must fail the test", Continue);
        const auto answer = p.messageBox(QStringLiteral("Surprise"), QStringLiteral("T"),
                                         Platform::Buttons::YesNo, Platform::Icon::Question);
        QCOMPARE(answer, Platform::Answer::No);
    }

    void wrongKindFailsTheTest()
    {
        ScriptedPlatform p;
        p.answerInput(QStringLiteral("x"));
        QEXPECT_FAIL("", "a message box where an input box was queued must fail", Continue);
        p.messageBox(QStringLiteral("Text"), QStringLiteral("T"), Platform::Buttons::OK,
                     Platform::Icon::None);
    }

    void wrongTextFailsTheTest()
    {
        ScriptedPlatform p;
        p.answerMessage(Platform::Answer::OK, QStringLiteral("Expected"));
        QEXPECT_FAIL("", "a different message text must fail", Continue);
        p.messageBox(QStringLiteral("Other"), QStringLiteral("T"), Platform::Buttons::OK,
                     Platform::Icon::None);
    }

    void unusedAnswersFailTheTest()
    {
        ScriptedPlatform p;
        p.answerMessage(Platform::Answer::OK);
        QEXPECT_FAIL("", "an answer never asked for must fail", Continue);
        p.verifyAllAnswered();
    }

    void actsInsideModalDialog()
    {
        ScriptedPlatform p;
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("frmTest"));
        auto *ok = new QPushButton(QStringLiteral("OK"), &dialog);
        connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        bool wasVisible = false;
        p.actInDialog(QStringLiteral("frmTest"), [&](QDialog *d) {
            wasVisible = d->isVisible();
            ok->click();
        });
        QCOMPARE(p.showModal(&dialog), int(QDialog::Accepted));
        QVERIFY(wasVisible);
        QVERIFY(dialog.isHidden());

        // A dialog the action leaves open is hidden and counts as rejected.
        p.actInDialog(QStringLiteral("frmTest"), [](QDialog *) {});
        QCOMPARE(p.showModal(&dialog), int(QDialog::Rejected));
        QVERIFY(dialog.isHidden());
    }
};

QTEST_MAIN(TestScriptedPlatform)
#include "tst_scriptedplatform.moc"
