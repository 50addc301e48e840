#include "document/viewer.h"

#include "app/frmmain.h"
#include "document/completion.h"
#include "document/editing.h"
#include "document/planfiles.h"
#include "platform/platform.h"
#include "platform/richtextbox.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>

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
    w.fraCurrent->setEnabled(true);
    w.setHelpContextId(10038);
}

void PlanViewer::closeViewer()
{
    w.cmdPrev->setText(viewCaption());
    w.fraPrevious->hide();
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
    const int at = w.files->addPlanToList(QFileInfo(chosen).absoluteFilePath(), false);
    w.cboOldPlans->setCurrentIndex(at);
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
    if (k < 0 || k >= w.strPlanPaths.size() || k >= w.cboOldPlans->count() - 1)
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
