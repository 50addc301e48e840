#include "document/viewer.h"

#include "app/frmmain.h"
#include "document/completion.h"
#include "document/editing.h"
#include "document/filenames.h"
#include "document/library.h"
#include "document/planfiles.h"
#include "document/planindex.h"
#include "platform/platform.h"
#include "platform/richtextbox.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>

PlanViewer::PlanViewer(frmMain &w) : QObject(&w), w(w)
{
    connect(w.cboOldPlans, &QComboBox::activated, this, &PlanViewer::cboOldPlans_Click);
    connect(w.cmdPrev, &QPushButton::clicked, this, &PlanViewer::cmdPrev_Click);
    connect(w.cmdPrintThis, &QPushButton::clicked, this, &PlanViewer::cmdPrintThis_Click);
    connect(w.cmdPdfThis, &QPushButton::clicked, this, &PlanViewer::cmdPdfThis_Click);
    connect(w.mnuCopyOnly, &QAction::triggered, this, &PlanViewer::mnuCopyOnly_Click);
    // The right mouse button in the viewer offers copying only.
    w.rtfPrevious->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(w.rtfPrevious, &QWidget::customContextMenuRequested, this, &PlanViewer::showCopyMenu);
    // The copy keys copy as the menu does, so a passage keeps its formatting when pasted.
    connect(w.rtfPrevious, &RichTextBox::KeyDown, this,
            [this](int *keyCode, Qt::KeyboardModifiers shift) {
                if (keyCode && docedit::keyCommand(*keyCode, shift) == docedit::KeyCommand::Copy) {
                    *keyCode = 0;
                    mnuCopyOnly_Click();
                }
            });
    w.cboOldPlans->installEventFilter(this);
    // F3 and Shift+F3 step through the matches of a search, also from the search window.
    for (const auto &[key, step] : {std::pair{QKeySequence(Qt::Key_F3), 1},
                                    std::pair{QKeySequence(Qt::SHIFT | Qt::Key_F3), -1}}) {
        auto *shortcut = new QShortcut(key, &w);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, s = step] { nextMatch(s); });
    }
}

QString PlanViewer::viewCaption()
{
    return QStringLiteral("&<<< View Previous");
}

QString PlanViewer::closeCaption()
{
    return QStringLiteral("&>>> Close Previous");
}

bool PlanViewer::isViewing() const
{
    return !w.fraPrevious->isHidden();
}

bool PlanViewer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == w.cboOldPlans && event->type() == QEvent::FocusIn)
        cboOldPlans_GotFocus();
    return QObject::eventFilter(watched, event);
}

void PlanViewer::cboOldPlans_Click()
{
    const int last = w.cboOldPlans->count() - 1;
    if (w.cboOldPlans->currentIndex() != last) {
        w.cmdPrev->setEnabled(true);
        return;
    }
    w.cmdPrev->setEnabled(false);
    BrowseForPlan();
}

void PlanViewer::cboOldPlans_GotFocus()
{
    closeViewer();
    // The library is being opened: it catches up with the folders in the background.
    w.library->refresh();
    w.fraCurrent->setEnabled(true);
    w.setHelpContextId(10038);
}

void PlanViewer::closeViewer()
{
    w.cmdPrev->setText(viewCaption());
    w.fraPrevious->hide();
    matches_.clear();
    current_ = -1;
    w.rtfPrevious->setExtraSelections({});
}

void PlanViewer::BrowseForPlan()
{
    const QString chosen = w.platform
                               .openFileName(QStringLiteral("Select a File to Open"),
                                             QStringLiteral("Lesson Plan Documents|LPlans--*.*|"
                                                            "All Files (*.*)|*.*"),
                                             w.strOpenDialogFolder)
                               .trimmed();
    if (chosen.isEmpty()) {
        // Cancelled: the list stays as it was, its first entry selected.
        if (w.cboOldPlans->count() > 0) {
            w.cboOldPlans->setCurrentIndex(0);
            w.cmdPrev->setEnabled(w.cboOldPlans->count() > 1);
        }
        w.SetNextFocus();
        return;
    }
    const int at = w.library->addPlan(QFileInfo(chosen).absoluteFilePath());
    w.cboOldPlans->setCurrentIndex(std::max(at, 0));
    w.cmdPrev->setEnabled(true);
    w.cmdPrev->setFocus(Qt::OtherFocusReason);
}

void PlanViewer::cmdPrev_Click()
{
    if (isViewing()) {
        closeViewer();
        return;
    }
    const int k = w.cboOldPlans->currentIndex();
    if (k == w.cboOldPlans->count() - 1) {
        // The browse entry: View Previous opens the file dialog, as choosing the entry does.
        BrowseForPlan();
        return;
    }
    if (k < 0 || k >= w.strPlanPaths.size())
        return;
    const QString path = w.strPlanPaths.at(k);
    w.files->CheckRtfFile(path);
    QString error;
    if (!w.rtfPrevious->LoadFile(path, &error)) {
        w.platform.messageBox(error, QStringLiteral("File Reading"), Platform::Buttons::OK,
                              Platform::Icon::Exclamation);
        return;
    }
    shownPath_ = path;
    w.fraPrevious->show();
    w.fraPrevious->raise();
    w.cmdPrev->setText(closeCaption());
}

void PlanViewer::cmdPrintThis_Click()
{
    w.completion->DoPrint(PlanCompletion::Document::Previous);
    cmdPrev_Click();
}

void PlanViewer::cmdPdfThis_Click()
{
    w.completion->SavePdf(PlanCompletion::Document::Previous);
}

void PlanViewer::showCopyMenu(const QPoint &pos)
{
    w.mnuCopyOnly->setEnabled(w.rtfPrevious->textCursor().hasSelection());
    w.mnuCopyHeading->popup(w.rtfPrevious->viewport()->mapToGlobal(pos));
}

void PlanViewer::mnuCopyOnly_Click()
{
    docedit::copySelection(w.rtfPrevious, w.m, w.platform);
}

void PlanViewer::viewPlan(const QString &path, const QStringList &words)
{
    int at = -1;
    for (int k = 0; k < w.strPlanPaths.size() && at < 0; ++k)
        if (samePlanPath(w.strPlanPaths.at(k), path))
            at = k;
    if (at < 0)
        at = w.library->addPlan(path);
    if (at < 0 || !w.cboOldPlans->isEnabled())
        return;
    w.cboOldPlans->setCurrentIndex(at);
    w.cmdPrev->setEnabled(true);
    closeViewer();
    cmdPrev_Click();
    if (!isViewing())
        return;
    matches_ = findMatches(w.rtfPrevious->toPlainText(), words);
    markMatches(matches_.isEmpty() ? -1 : 0);
}

void PlanViewer::nextMatch(int step)
{
    if (!isViewing() || matches_.isEmpty())
        return;
    const int n = int(matches_.size());
    markMatches(((current_ + step) % n + n) % n);
}

void PlanViewer::markMatches(int current)
{
    current_ = current;
    QList<QTextEdit::ExtraSelection> marks;
    for (int i = 0; i < matches_.size(); ++i) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(w.rtfPrevious->document());
        mark.cursor.setPosition(matches_.at(i).first);
        mark.cursor.setPosition(matches_.at(i).first + matches_.at(i).second,
                                QTextCursor::KeepAnchor);
        // Every match yellow, the one in sight orange.
        mark.format.setBackground(i == current ? QColor(255, 165, 0) : QColor(255, 255, 0));
        marks.append(mark);
    }
    w.rtfPrevious->setExtraSelections(marks);
    if (current >= 0) {
        QTextCursor cursor(w.rtfPrevious->document());
        cursor.setPosition(matches_.at(current).first);
        w.rtfPrevious->setTextCursor(cursor);
        w.rtfPrevious->ensureCursorVisible();
    }
}
