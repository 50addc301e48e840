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
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

using Answer = Platform::Answer;
Q_DECLARE_METATYPE(Platform::Answer)

struct DialogHarness {
    LessonPlanModule m;
    std::unique_ptr<ScriptedPlatform> ownPlatform = std::make_unique<ScriptedPlatform>();
    ScriptedPlatform &platform = *ownPlatform;
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
            QFile blocker(dir.filePath(QStringLiteral("blocker")));
            if (!blocker.open(QIODevice::WriteOnly))
                qWarning("no blocker file");
            path = blocker.fileName() + QStringLiteral("/quillmark.ini");
        }
        store = std::make_unique<SettingsStore>(path);
        ctx.store = store.get();
        return *store;
    }

    // The folder the blocked store needed takes the blocker's place: saving works again.
    void unblockStore()
    {
        if (!QFile::remove(dir.filePath(QStringLiteral("blocker"))) ||
            !QDir(dir.path()).mkdir(QStringLiteral("blocker")))
            qWarning("the store stays blocked");
    }

    // What the store holds now; the factory settings when it cannot be read.
    SettingsRecord stored() const
    {
        SettingsRecord read;
        if (!store || !store->load(read).ok)
            qWarning("the stored settings could not be read");
        return read;
    }

    // The answers to the questions every settings dialog asks.
    void answerAbandon(Answer answer)
    {
        platform.answerMessage(answer, QStringLiteral("Quit without saving changes?"),
                               QStringLiteral("Abandon Changes?"));
    }
    void answerNotSaved()
    {
        platform.answerMessage(Answer::OK, QString(), QStringLiteral("Settings Not Saved"));
    }

    // Shows the dialog as the setup screen does, made active so that focus moves as for a
    // teacher; the action runs while it is on screen.
    template <class Dialog> void open(Dialog &dialog, std::function<void(Dialog &)> action = {})
    {
        platform.actInDialog(dialog.objectName(), [&dialog, action](QDialog *) {
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            if (action)
                action(dialog);
        });
        platform.showModal(&dialog);
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
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(qMin(8, button->width() / 2), button->height() / 2));
    }

    // Cancel by its button or by Esc.
    static void cancel(QDialog &dialog, QAbstractButton *button, bool escape)
    {
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            button->click();
    }

    // The ways a settings dialog is closed; only a Done that stores applies the edits.
    enum class Close { Done, DoneStoreFails, CancelYes, CancelNo, EscYes, CloseBoxYes };
    static QList<std::pair<const char *, Close>> closings()
    {
        return {{"Done", Close::Done},
                {"Done, store fails", Close::DoneStoreFails},
                {"Cancel, Yes", Close::CancelYes},
                {"Cancel, No", Close::CancelNo},
                {"Esc, Yes", Close::EscYes},
                {"close box, Yes", Close::CloseBoxYes}};
    }
    static void closeRows()
    {
        QTest::addColumn<Close>("how");
        for (const auto &[name, how] : closings())
            dataRow(name, how);
    }
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
        else
            cancel(dialog, cancelButton, how == Close::EscYes);
        // A failed store leaves the dialog open to try again.
        QCOMPARE(dialog.isVisible(), how == Close::DoneStoreFails || how == Close::CancelNo);
    }

    // The field is told that the focus left it.
    static void leave(QWidget *field)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &out);
    }

    // The teacher picks an entry of a drop-down list.
    static void pick(QComboBox *list, int index)
    {
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }

    static QStringList items(const QComboBox *list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    }

    // The lines of a list, "text [x]" for a ticked line.
    static QStringList items(const QListWidget *list, bool showTicks = false)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text() +
                         (showTicks && ui::isTicked(list, i) ? QStringLiteral(" [x]") : QString());
        return texts;
    }
};
Q_DECLARE_METATYPE(DialogHarness::Close)
using Close = DialogHarness::Close;
