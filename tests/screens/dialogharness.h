#pragma once

// What the tests of the settings dialogs share: a module with the factory settings, the
// scripted platform and the context a dialog is built with, a settings file to store into, and
// the ways a teacher acts on a dialog.
#include "app/frmmain.h"
#include "platform/ui.h"
#include "screens/screencontext.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "support/datarows.h"
#include "support/scriptedplatform.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Answer = Platform::Answer;
Q_DECLARE_METATYPE(Platform::Answer)

struct DialogHarness {
    LessonPlanModule m;
    ScriptedPlatform platform;
    ScreenContext ctx{m, platform, nullptr, nullptr};
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<frmMain> main;

    DialogHarness() { QStandardPaths::setTestModeEnabled(true); }

    // The main window behind the setup screen, loaded as at start-up.
    frmMain &withMain()
    {
        main = std::make_unique<frmMain>(m, platform);
        main->Form_Load();
        ctx.main = main.get();
        return *main;
    }

    // Done stores the settings here. A blocked store sits in a "folder" that is a file, so
    // every save fails, for root too.
    SettingsStore &useStore(bool blocked = false)
    {
        QString path = dir.filePath(QStringLiteral("quillmark.ini"));
        if (blocked) {
            QFile(dir.filePath(QStringLiteral("blocker"))).open(QIODevice::WriteOnly);
            path = dir.filePath(QStringLiteral("blocker/quillmark.ini"));
        }
        store = std::make_unique<SettingsStore>(path);
        ctx.store = store.get();
        return *store;
    }

    // The folder the blocked store needed takes the blocker's place: saving works again.
    void unblockStore()
    {
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("blocker"))) &&
                QDir(dir.path()).mkdir(QStringLiteral("blocker")));
    }

    // What the store holds now; the factory settings when it cannot be read.
    SettingsRecord stored() const
    {
        SettingsRecord read;
        if (!store || !store->load(read).ok)
            qWarning("the stored settings could not be read");
        return read;
    }

    // The questions every settings dialog asks, known by their titles.
    void answerAbandon(Answer answer)
    {
        platform.answerMessage(answer, QString(), QStringLiteral("Abandon Changes?"));
    }
    void answerNotSaved()
    {
        platform.answerMessage(Answer::OK, QString(), QStringLiteral("Settings Not Saved"));
    }

    // The teacher clicks into the field, selects everything in it and types over it.
    static void typeInto(QLineEdit *box, const QString &text)
    {
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, text);
    }

    // A click near the left edge: on the box of a check box or option button (a click beside
    // a short caption misses it), and well inside a push button.
    static void click(QAbstractButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(qMin(8, button->width() / 2), button->height() / 2));
    }

    // The ways a settings dialog is closed; only a Done that stores applies the edits.
    enum class Close { Done, DoneStoreFails, CancelYes, CancelNo, EscYes, CloseBoxYes };
    static constexpr const char *closings[] = {"Done",       "Done, store fails", "Cancel, Yes",
                                               "Cancel, No", "Esc, Yes",          "close box, Yes"};
    void close(QDialog &dialog, QAbstractButton *done, QAbstractButton *cancelButton, Close how)
    {
        if (how == Close::DoneStoreFails)
            answerNotSaved();
        else if (how != Close::Done)
            answerAbandon(how == Close::CancelNo ? Answer::No : Answer::Yes);
        if (how == Close::Done || how == Close::DoneStoreFails)
            done->click();
        else if (how == Close::CloseBoxYes)
            dialog.close();
        else if (how == Close::EscYes)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            cancelButton->click();
        // A failed store leaves the dialog open to try again, and says why as a warning.
        QCOMPARE(dialog.isVisible(), how == Close::DoneStoreFails || how == Close::CancelNo);
        if (how == Close::DoneStoreFails)
            QCOMPARE(platform.lastPrompt().icon, Platform::Icon::Exclamation);
    }
};
Q_DECLARE_METATYPE(DialogHarness::Close)
using Close = DialogHarness::Close;
