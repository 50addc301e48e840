#pragma once

// What the tests of the settings dialogs share: a module with the factory settings, the
// scripted platform and the context a dialog is built with, a settings file to store into, and
// the ways a teacher acts on a dialog (showing it, typing, moving the focus).
#include "app/frmmain.h"
#include "screens/screencontext.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "support/scriptedplatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

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
    // every save fails.
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

    // What the store holds now; the factory settings when it cannot be read.
    SettingsRecord stored() const
    {
        SettingsRecord read;
        if (!store || !store->load(read).ok)
            qWarning("the stored settings could not be read");
        return read;
    }

    // Shows the dialog as the setup screen does; the action runs while it is on screen. The
    // dialog's window is made active so that focus moves as they do for a teacher.
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

    // Tab-like move to another control, so that the field left sees its focus go.
    static void moveFocusTo(QWidget *widget) { widget->setFocus(Qt::TabFocusReason); }

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

    static QStringList items(const QListWidget *list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
};
