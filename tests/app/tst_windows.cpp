// Every window of the program on a small screen (run on a 1366x728 screen and on 1920x1080 at
// 150%): it fits, every control can be reached, no caption is cut short, every control has a
// name a screen reader can say, and nothing moves or stays lit under the pointer.
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
#include "support/planfixture.h"

#include <QAccessible>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStyleOptionComboBox>
#include <QTest>
#include <functional>

using planfixture::WindowTest;

namespace
{
bool onScreen(const QWidget *w)
{
    return w->isVisible() && w->width() > 0 && w->height() > 0;
}

// What a teacher would see cut off, unreachable or unnamed in one window.
QStringList problemsOf(QWidget *window)
{
    QStringList problems;
    const QRect free = window->screen()->availableGeometry();
    if (!free.contains(window->frameGeometry()))
        problems << QStringLiteral("window %1 outside the screen's free area %2")
                        .arg(QDebug::toString(window->frameGeometry()), QDebug::toString(free));
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *c : children) {
        if (!onScreen(c) || c->window() != window)
            continue;
        const QString who = c->objectName().isEmpty()
                                ? QString::fromLatin1(c->metaObject()->className())
                                : c->objectName();
        // The insides of scrolled views are scrolled to, not cut.
        bool scrolled = false;
        for (QWidget *p = c->parentWidget(); p && p != window; p = p->parentWidget())
            scrolled = scrolled || qobject_cast<QAbstractScrollArea *>(p->parentWidget());
        if (!scrolled && !window->rect().contains(QRect(c->mapTo(window, QPoint()), c->size())))
            problems << who + QStringLiteral(" lies outside its window");
        const QFontMetrics fm(c->font());
        if (const auto *label = qobject_cast<QLabel *>(c);
            label && !label->wordWrap() && label->pixmap().isNull()) {
            const int need = label->sizeHint().width();
            if (!label->text().trimmed().isEmpty() && label->width() < need)
                problems << QStringLiteral("%1 \"%2\" cut: %3 of %4 px")
                                .arg(who, label->text())
                                .arg(label->width())
                                .arg(need);
        } else if (const auto *button = qobject_cast<QAbstractButton *>(c)) {
            QString shown = button->text();
            shown.remove(QLatin1Char('&'));
            if (button->width() < fm.horizontalAdvance(shown) + 6)
                problems << QStringLiteral("%1 \"%2\" cut").arg(who, button->text());
        } else if (const auto *combo = qobject_cast<QComboBox *>(c);
                   combo && who != QLatin1String("cboOldPlans")) {
            // (The list of earlier plans shows long file names in its drop-down.)
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const int room = combo->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, combo)
                                 .width();
            for (int i = 0; i < combo->count(); ++i)
                if (fm.horizontalAdvance(combo->itemText(i)) > room)
                    problems << QStringLiteral("%1 item \"%2\" cut").arg(who, combo->itemText(i));
        }
        if (const auto *list = qobject_cast<QListWidget *>(c);
            list && !list->horizontalScrollBar()->isVisible()) {
            for (int i = 0; i < list->count(); ++i)
                if (list->visualItemRect(list->item(i)).right() > list->viewport()->width() ||
                    fm.horizontalAdvance(list->item(i)->text()) > list->viewport()->width() - 4)
                    problems
                        << QStringLiteral("%1 entry \"%2\" cut").arg(who, list->item(i)->text());
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

class TestWindows : public WindowTest
{
    Q_OBJECT

    std::unique_ptr<ScreenContext> ctx;
    QList<QWidget *> made;

    // The main window on screen, as after the splash.
    void showMain()
    {
        w->showMain();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    // A plan under way in the week of Monday, December 14, with one item listed.
    void beginPlan()
    {
        planfixture::beginWeeklyPlan(*w, *platform, 4, 14);
        w->txtObjective->setPlainText(QStringLiteral("Add fractions"));
        addItem(7, QStringLiteral(" with the class"));
    }

    QWidget *keep(QWidget *window)
    {
        made << window;
        return window;
    }

    using Make = std::function<QWidget *(TestWindows &)>;
    static QList<std::pair<const char *, Make>> windows()
    {
        const auto screen = [](auto make) -> Make {
            return [make](TestWindows &t) { return t.keep(make(*t.ctx)); };
        };
        return {
            {"main window", [](TestWindows &t) { return static_cast<QWidget *>(t.w.get()); }},
            {"main window with a plan",
             [](TestWindows &t) {
                 t.beginPlan();
                 return static_cast<QWidget *>(t.w.get());
             }},
            {"setup screen", screen([](ScreenContext &c) { return new frmPageConfig(c); })},
            {"names and courses",
             screen([](ScreenContext &c) { return new frmSetupNameCourses(c); })},
            {"course list", screen([](ScreenContext &c) { return new frmSetupCourseList(c); })},
            {"period", screen([](ScreenContext &c) { return new frmPeriodGroup(c); })},
            {"unit goal heading", screen([](ScreenContext &c) { return new frmUnitGoal(c); })},
            {"unit topic", screen([](ScreenContext &c) { return new frmUnitTopic(c); })},
            {"note heading", screen([](ScreenContext &c) { return new frmNote(c); })},
            {"objective heading", screen([](ScreenContext &c) { return new frmDailyObj(c); })},
            {"activities heading", screen([](ScreenContext &c) { return new frmTasks(c); })},
            {"activity list", screen([](ScreenContext &c) { return new frmSetupTasks(c); })},
            {"closure heading", screen([](ScreenContext &c) { return new frmSetupClosure(c); })},
            {"assessment list", screen([](ScreenContext &c) { return new frmSetUpAssess(c); })},
            {"file types", screen([](ScreenContext &c) { return new frmTypes(c); })},
            {"standards wizard",
             screen([](ScreenContext &c) { return new frmStandardsWizard(c); })},
            {"standards", screen([](ScreenContext &c) { return new frmStandards(c); })},
            {"edit standard", screen([](ScreenContext &c) { return new frmEditStandard(c); })},
            {"materials lists", screen([](ScreenContext &c) { return new frmMaterials(c); })},
            {"plan type", [](TestWindows &t) { return t.keep(new frmWeekly(*t.w)); }},
            {"calendar", [](TestWindows &t) { return t.keep(new frmCal(*t.w)); }},
            {"unit goal", [](TestWindows &t) { return t.keep(new frmUnit(*t.w)); }},
            {"special note", [](TestWindows &t) { return t.keep(new frmSpecialNote(*t.w)); }},
            {"time on task", [](TestWindows &t) { return t.keep(new frmTimeOnTask(*t.w)); }},
            {"edit entry", [](TestWindows &t) { return t.keep(new frmEdit(*t.w)); }},
            {"edit materials", [](TestWindows &t) { return t.keep(new frmEditMat(*t.w)); }},
            {"new plan", [](TestWindows &t) { return t.keep(new frmNew(*t.w)); }},
            {"large editor", [](TestWindows &t) { return t.keep(new frmLarge(*t.w)); }},
        };
    }

    static QPoint centreOf(const QWidget *widget) { return widget->rect().center(); }

private Q_SLOTS:
    void init()
    {
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                      QStringLiteral("/window.ini"));
        load();
        ctx = std::make_unique<ScreenContext>(ScreenContext{*m, *platform, nullptr, w.get()});
    }

    void cleanup()
    {
        qDeleteAll(made);
        made.clear();
        finish();
    }

    void everyWindowFitsAndReadsRight_data()
    {
        QTest::addColumn<int>("index");
        const auto all = windows();
        for (int i = 0; i < all.size(); ++i)
            QTest::newRow(all.at(i).first) << i;
    }

    // A window taller than the screen (Exit out of reach), a control outside its window, a
    // caption or list entry cut so that it reads as other data, or a control a screen reader
    // cannot name.
    void everyWindowFitsAndReadsRight()
    {
        QFETCH(int, index);
        showMain();
        QWidget *window = windows().at(index).second(*this);
        if (window != w.get()) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
        // Run on a real X display with QUILLMARK_SHOTS=<folder>, the whole screen is kept as a
        // picture per window, to be looked at.
        if (const QString shots = qEnvironmentVariable("QUILLMARK_SHOTS"); !shots.isEmpty()) {
            window->raise();
            window->activateWindow();
            QTest::qWait(300); // let the X server draw before the picture is taken
            QProcess::execute(QStringLiteral("import"),
                              {QStringLiteral("-window"), QStringLiteral("root"),
                               shots + QLatin1Char('/') +
                                   QString::fromLatin1(QTest::currentDataTag())
                                       .replace(QLatin1Char(' '), QLatin1Char('-')) +
                                   QStringLiteral(".png")});
        }
        const QStringList problems = problemsOf(window);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    }

    void placeIsKeptOnlyOnAScreen_data()
    {
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<bool>("kept");
        QTest::newRow("on the screen") << QRect(40, 20, 900, 680) << true;
        QTest::newRow("on a monitor that is gone") << QRect(2400, 100, 760, 600) << false;
        QTest::newRow("taller than the screen") << QRect(10, 10, 760, 1400) << false;
    }

    // A window restored off the screen, or taller than it, leaves Exit out of reach.
    void placeIsKeptOnlyOnAScreen()
    {
        QFETCH(QRect, saved);
        QFETCH(bool, kept);
        {
            QSettings state(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                                QStringLiteral("/window.ini"),
                            QSettings::IniFormat);
            state.setValue(QStringLiteral("MainWindow/place"), saved);
        }
        showMain();
        const QRect free = w->screen()->availableGeometry();
        QVERIFY2(free.contains(w->frameGeometry()), qPrintable(QDebug::toString(w->geometry())));
        if (kept)
            QCOMPARE(QRect(w->pos(), w->size()), saved);
    }

    // A dialog that widens as typing starts, or stays where it first opened after the main
    // window moved, moves the button the teacher is aiming at.
    void dialogsStayUnderThePointer()
    {
        showMain();
        frmUnit unit(*w);
        unit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&unit));
        const QRect before = unit.cmdUnitDone->geometry();
        QTest::keyClicks(unit.txtUnit, QStringLiteral("Fractions"));
        QVERIFY(unit.lblTwice->isVisible());
        QApplication::processEvents();
        QCOMPARE(unit.cmdUnitDone->geometry(), before);

        frmTimeOnTask time(*w);
        const int raised = ui::twips(150);
        for (const QPoint shift : {QPoint(0, 0), QPoint(-60, 40)}) {
            w->move(w->pos() + shift);
            time.show();
            QVERIFY(QTest::qWaitForWindowExposed(&time));
            const QPoint off =
                time.frameGeometry().center() + QPoint(0, raised) - w->frameGeometry().center();
            QVERIFY2(off.manhattanLength() <= 4, qPrintable(QDebug::toString(off)));
            time.hide();
        }
    }

    void helpLightGoesOut_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("over the document") << QStringLiteral("document");
        QTest::newRow("out of the window") << QStringLiteral("out");
    }

    // Help stays yellow after the pointer has left it for the document, which takes the
    // pointer's moves, or straight out of the window across the bottom margin.
    void helpLightGoesOut()
    {
        QFETCH(QString, where);
        showMain();
        ui::setBackColor(w->cmdHelp, ui::yellow());
        if (where == QLatin1String("document")) {
            if (!qFuzzyCompare(w->devicePixelRatioF(), 1.0))
                QSKIP("the test's pointer moves are not scaled");
            QTest::mouseMove(w->cmdHelp, centreOf(w->cmdHelp));
            QTest::mouseMove(w->RTxtComposite->viewport(), centreOf(w->RTxtComposite->viewport()));
        } else {
            // The window system's word that the pointer has gone, with no move in between.
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(w->cmdHelp, &leave);
        }
        QTRY_COMPARE(ui::backColor(w->cmdHelp), ui::buttonFace());
    }

private:
    // Keys go where a teacher's keyboard sends them: to the control with the focus.
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget();
        QVERIFY2(target, "nothing has the focus");
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    static void type(const QString &text)
    {
        QWidget *target = QApplication::focusWidget();
        QVERIFY2(target, "nothing has the focus");
        QTest::keyClicks(target, text);
    }
    // The window system hands the keyboard back to the main window once a dialog is gone.
    void backToMain()
    {
        w->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), w.get());
    }
    static void alt(char key) { press(Qt::Key_A + (key - 'a'), Qt::AltModifier); }

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
        const QStringList days = {"Monday, September 7", "Tuesday, September 8",
                                  "Wednesday, September 9", "Thursday, September 10",
                                  "Friday, September 11"};
        for (int day = 0; day < 5; ++day) {
            QTRY_COMPARE(w->cboDay->currentText(), days.at(day));
            QTRY_COMPARE(m->intStep, 1);
            backToMain();
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
        const QString plan = w->RTxtComposite->Text();
        QVERIFY(plan.contains(QStringLiteral("Objective 5")));
        QVERIFY(plan.contains(QStringLiteral("Friday, September 11")));
    }

    // The viewer of an earlier plan hides the objective, the week or the editing tools.
    void viewerLeavesThePlanInSight()
    {
        showMain();
        beginPlan();
        w->fraPrevious->show();
        w->fraPrevious->raise();
        const QRect viewer = w->fraPrevious->geometry();
        for (QWidget *c : std::initializer_list<QWidget *>{
                 w->txtObjective, w->cboMonth, w->cboDay, w->lstAdd, w->cmdDone1, w->RTxtComposite})
            QVERIFY2(!viewer.intersects(QRect(c->mapTo(w.get(), QPoint()), c->size())),
                     qPrintable(c->objectName()));
        QVERIFY(viewer.width() > 300 && viewer.height() > 200);
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
