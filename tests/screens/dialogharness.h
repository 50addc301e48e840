#pragma once

// What the tests of the settings dialogs share: a module with the factory settings, the
// scripted platform and the context a dialog is built with, and the ways a teacher acts on a
// dialog (showing it, typing, moving the focus).
#include "screens/screencontext.h"
#include "settings/settings.h"
#include "support/scriptedplatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <functional>

struct DialogHarness {
    LessonPlanModule m;
    ScriptedPlatform platform;
    ScreenContext ctx{m, platform, nullptr, nullptr};

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
};
