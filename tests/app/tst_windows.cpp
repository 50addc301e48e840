// Every window of the program on a small screen (run on a 1366x728 screen and on 1920x1080 at
// 150%): it fits, every control can be reached, no caption is cut short, every control has a
// name a screen reader can say, and a whole week can be planned with the keyboard alone.
#include "document/frmeditmat.h"
#include "document/frmlarge.h"
#include "document/frmnew.h"
#include "plan/dayentries.h"
#include "plan/frmcal.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"
#include "screens/frmdailyobj.h"
#include "screens/frmeditstandard.h"
#include "screens/frmmaterials.h"
#include "screens/frmnote.h"
#include "screens/frmpageconfig.h"
#include "screens/frmperiodgroup.h"
#include "screens/frmsetupclosure.h"
#include "screens/frmsetupcourselist.h"
#include "screens/frmsetupnamecourses.h"
#include "screens/frmstandards.h"
#include "screens/frmstandardswizard.h"
#include "screens/frmtasks.h"
#include "screens/frmtypes.h"
#include "screens/frmunitgoal.h"
#include "screens/frmunittopic.h"
#include "screens/screencontext.h"
#include "settings/frmsetupassess.h"
#include "settings/frmsetuptasks.h"
#include "support/datarows.h"
#include "support/planfixture.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStyleOptionComboBox>
#include <QTest>
#include <functional>

namespace
{
// What a teacher would see cut off, unreachable or unnamed in one window.
QStringList problemsOf(QWidget *window)
{
    QStringList problems;
    if (!window->screen()->availableGeometry().contains(window->frameGeometry()))
        problems << QStringLiteral("the window leaves the screen's free area");
    for (QWidget *c : window->findChildren<QWidget *>()) {
        if (!c->isVisible() || c->width() <= 0 || c->height() <= 0 || c->window() != window)
            continue;
        const QString who = c->objectName().isEmpty()
                                ? QString::fromLatin1(c->metaObject()->className())
                                : c->objectName();
        const auto cut = [&](const QString &text) {
            problems << who + QStringLiteral(" cut: ") + text;
        };
        bool scrolled = false; // the insides of scrolled views are scrolled to, not cut
        for (QWidget *p = c->parentWidget(); p && p != window; p = p->parentWidget())
            scrolled = scrolled || qobject_cast<QAbstractScrollArea *>(p->parentWidget());
        if (!scrolled && !window->rect().contains(QRect(c->mapTo(window, QPoint()), c->size())))
            problems << who + QStringLiteral(" lies outside its window");
        const QFontMetrics fm(c->font());
        if (const auto *label = qobject_cast<QLabel *>(c);
            label && !label->wordWrap() && label->pixmap().isNull()) {
            if (!label->text().trimmed().isEmpty() && label->width() < label->sizeHint().width())
                cut(label->text());
        } else if (const auto *button = qobject_cast<QAbstractButton *>(c)) {
            if (button->width() < fm.horizontalAdvance(QString(button->text()).remove(u'&')) + 6)
                cut(button->text());
        } else if (const auto *combo = qobject_cast<QComboBox *>(c);
                   combo && who != QLatin1String("cboOldPlans")) { // (long file names drop down)
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i)
                if (fm.horizontalAdvance(combo->itemText(i)) > room.width())
                    cut(combo->itemText(i));
        }
        if (const auto *list = qobject_cast<QListWidget *>(c);
            list && !list->horizontalScrollBar()->isVisible()) {
            for (int i = 0; i < list->count(); ++i)
                if (list->visualItemRect(list->item(i)).right() > list->viewport()->width() ||
                    fm.horizontalAdvance(list->item(i)->text()) > list->viewport()->width() - 4)
                    cut(list->item(i)->text());
        }
        if (c->focusPolicy() != Qt::NoFocus &&
            !qobject_cast<QAbstractScrollArea *>(c->parentWidget()) &&
            !qobject_cast<QComboBox *>(c->parentWidget())) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(c);
            if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
                problems << who + QStringLiteral(" has no accessible name");
        }
    }
    return problems;
}
} // namespace

class TestWindows : public planfixture::WindowTest
{
    Q_OBJECT

    std::unique_ptr<ScreenContext> ctx;

    static QString statePath()
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/window.ini";
    }

    // The main window on screen, as after the splash.
    void showMain()
    {
        w->showMain();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    // Keys go where a teacher's keyboard sends them: to the control with the focus.
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    static void type(const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    static void alt(char key) { press(Qt::Key_A + (key - 'a'), Qt::AltModifier); }

    // Each window shown on its own, its problems named after it.
    template <class Window, class Arg> static void check(Arg &arg, QStringList &problems)
    {
        Window window(arg);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const QString &problem : problemsOf(&window))
            problems << QString::fromLatin1(window.metaObject()->className()) + u':' + problem;
    }
    template <class... Windows, class Arg> static void walk(Arg &arg, QStringList &problems)
    {
        (check<Windows>(arg, problems), ...);
    }

    // An item picked by its access key, described, accepted with Enter twice.
    void itemByKeys(char key, const QString &text)
    {
        press(Qt::Key_0 + (key - '0'), Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), w->txtDescription);
        type(text);
        press(Qt::Key_Return);
        press(Qt::Key_Return);
    }

private Q_SLOTS:
    void init()
    {
        QFile::remove(statePath());
        load();
        ctx = std::make_unique<ScreenContext>(ScreenContext{*m, *platform, nullptr, w.get()});
    }

    void cleanup() { finish(); }

    // A window taller than the screen (Exit out of reach), a control outside its window, a
    // caption or list entry cut so that it reads as other data, or a control a screen reader
    // cannot name. One walk over every window, the main window last with a plan under way.
    void everyWindowFitsAndReadsRight()
    {
        showMain();
        QStringList problems = problemsOf(w.get());
        walk<frmPageConfig, frmSetupNameCourses, frmSetupCourseList, frmPeriodGroup, frmUnitGoal,
             frmUnitTopic, frmNote, frmDailyObj, frmTasks, frmSetupTasks, frmSetupClosure,
             frmSetUpAssess, frmTypes, frmStandardsWizard, frmStandards, frmEditStandard,
             frmMaterials>(*ctx, problems);
        walk<frmWeekly, frmCal, frmUnit, frmSpecialNote, frmTimeOnTask, frmEdit, frmEditMat, frmNew,
             frmLarge>(*w, problems);
        planfixture::beginWeeklyPlan(*w, *platform, 4, 14); // December 14, into January
        w->txtObjective->setPlainText(QStringLiteral("Add fractions"));
        addItem(7, QStringLiteral(" with the class"));
        problems += problemsOf(w.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void placeIsKeptOnlyOnAScreen_data()
    {
        dataColumns<QRect, bool>({"saved", "kept"});
        dataRow("on the screen", QRect(40, 20, 900, 680), true);
        dataRow("on a monitor that is gone", QRect(2400, 100, 760, 600), false);
        dataRow("taller than the screen", QRect(10, 10, 760, 1400), false);
    }

    // A window restored off the screen, or taller than it, left Exit out of reach.
    void placeIsKeptOnlyOnAScreen()
    {
        const auto [saved, kept] = fetchRow<QRect, bool>({"saved", "kept"});
        QSettings(statePath(), QSettings::IniFormat).setValue("MainWindow/place", saved);
        showMain();
        QVERIFY(w->screen()->availableGeometry().contains(w->frameGeometry()));
        QCOMPARE(QRect(w->pos(), w->size()) == saved, kept);
    }

    // A step of the weekly plan that can only be reached with the mouse.
    void wholeWeekByKeyboard()
    {
        showMain();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        platform->actInDialog(QStringLiteral("frmWeekly"), [](QDialog *d) {
            d->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(d));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::AltModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
        });
        platform->actInDialog(QStringLiteral("frmUnit"), [](QDialog *d) {
            QWidget *field = static_cast<frmUnit *>(d)->txtUnit;
            QTest::keyClicks(field, QStringLiteral("Fractions"));
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Return);
        });
        alt('c');
        QCOMPARE(QApplication::focusWidget(), w->cboCourses);
        press(Qt::Key_Down);
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        alt('g');
        type(QStringLiteral("3"));
        alt('w');
        QCOMPARE(QApplication::focusWidget(), w->cboMonth);
        type(QStringLiteral("S"));
        // The month chosen, the date list is next.
        QCOMPARE(QApplication::focusWidget(), w->cboDate);
        type(QStringLiteral("7"));
        // (A button's access key clicks it a moment later, as a press of the mouse would.)
        alt('b');
        QTRY_COMPARE(m->intStep, 1);
        for (int day = 0; day < 5; ++day) {
            QTRY_COMPARE(w->cboDay->currentIndex(), day);
            QTRY_COMPARE(m->intStep, 1);
            w->activateWindow(); // the window system gives the keys back after a dialog
            QTRY_COMPARE(QApplication::activeWindow(), w.get());
            alt('o');
            type(QStringLiteral("Objective %1").arg(day + 1));
            itemByKeys('1', QStringLiteral("chapter 2"));
            alt('a');
            type(QStringLiteral("Homework"));
            alt('f');
            QTRY_COMPARE(m->intStep, 2);
            itemByKeys('1', QStringLiteral("on fractions"));
            alt('f');
            QTRY_COMPARE(m->intStep, 3);
            alt('k');
            QTRY_COMPARE(m->intStep, 4);
            if (day == 4)
                platform->answerMessage(Platform::Answer::OK, QString(),
                                        QStringLiteral("End of Week"));
            alt('a');
        }
        QTRY_COMPARE(m->intStep, 0);
        QVERIFY(w->RTxtComposite->Text().contains(QStringLiteral("Objective 5")));
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
