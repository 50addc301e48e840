#include "document/completion.h"

#include "document/recovery.h"

#include "app/frmmain.h"
#include "document/filenames.h"
#include "document/frmnew.h"
#include "document/planfiles.h"
#include "document/standardsstep.h"
#include "document/viewer.h"
#include "plan/planstart.h"
#include "platform/platform.h"
#include "platform/richtextbox.h"
#include "platform/safefile.h"
#include "platform/ui.h"
#include "settings/settings.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>

PlanCompletion::PlanCompletion(frmMain &w) : QObject(&w), w(w)
{
    connect(w.RTxtComposite, &RichTextBox::Change, this, &PlanCompletion::RTxtComposite_Change);
    connect(w.cmdPrint, &QPushButton::clicked, this, &PlanCompletion::cmdPrint_Click);
    connect(w.cmdPdf, &QPushButton::clicked, this, &PlanCompletion::cmdPdf_Click);
    connect(w.cmdClose, &QPushButton::clicked, this, &PlanCompletion::cmdClose_Click);
}

QString PlanCompletion::GetSavePrintStatus(const QString &saved, const QString &printed)
{
    const bool notSaved = saved == QLatin1String("N");
    const bool notPrinted = printed == QLatin1String("N");
    if (notSaved && notPrinted)
        return QStringLiteral("The current Lesson Plan has not been printed or saved.");
    if (notPrinted)
        return QStringLiteral("The current Lesson Plan has been saved but not printed.");
    if (notSaved)
        return QStringLiteral("The current Lesson Plan has been printed but not saved.");
    return QString();
}

QString PlanCompletion::GetSavePrintStatus() const
{
    return GetSavePrintStatus(w.m.strPlanSaved, w.m.strPlanPrinted);
}

void PlanCompletion::ClearScreen(bool ask)
{
    LessonPlanModule &m = w.m;
    if (ask) {
        const QString status = GetSavePrintStatus();
        if (!status.isEmpty()) {
            const auto answer = w.platform.messageBox(
                status + QStringLiteral("\r\nProceed with clearing the Lesson Plan Document "
                                        "anyway?"),
                QStringLiteral("Reminder..."), Platform::Buttons::YesNo,
                Platform::Icon::Exclamation);
            if (answer != Platform::Answer::Yes)
                return;
            m.intStep = 0;
            m.strSavedBeforeSettings = QStringLiteral("N");
        }
    }

    RichTextBox *doc = w.RTxtComposite;
    doc->setText(QString());
    doc->show();
    doc->setBackColor(ui::buttonFace());
    doc->setEnabled(false);

    for (QWidget *c : std::initializer_list<QWidget *>{
             w.lblCurrentDoc, w.lblSavePrint, w.fraDay, w.cmdDone1, w.fraEdit, w.cmdContinue,
             w.txtDescription, w.lblDescription, w.lblTwice, w.cmdOK, w.lblUnchanged, w.cmdNewUnit,
             w.cmdNote})
        c->hide();
    w.fraBlank->show();
    w.txtPeriod->clear();
    w.txtObjective->clear();
    w.txtObjective->setEnabled(false);
    ui::setBackColor(w.txtObjective, ui::buttonFace());
    if (m.blnWeeklyPlans && w.cboDay->count() > 0)
        w.cboDay->setCurrentIndex(0);
    w.cmdStore->setEnabled(false);
    w.cmdPrint->setEnabled(false);
    w.cmdPdf->setEnabled(false);
    w.cmdClose->setEnabled(false);
    w.fraCurrent->setEnabled(true);
    m.intStep = 0;
    w.recovery->discard();
}

bool PlanCompletion::DoPrint(Document which)
{
    const bool current = which == Document::Current;
    RichTextBox *doc = current ? w.RTxtComposite : w.rtfPrevious;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(current ? QStringLiteral("Lesson Plan Document")
                               : QStringLiteral("Earlier Lesson Plan Document"));
    if (!w.platform.printDialog(printer, &w))
        return false;
    const int pages = planprint::print(*doc->document(), printer, printOptions(which));
    if (pages == 0 || printer.printerState() == QPrinter::Error) {
        QString text = QStringLiteral("The Lesson Plan Document could not be printed.");
        if (!printer.outputFileName().isEmpty())
            text += QStringLiteral("\r\n\r\nThe file \"") +
                    QDir::toNativeSeparators(printer.outputFileName()) +
                    QStringLiteral("\" could not be written.");
        w.platform.messageBox(text, QStringLiteral("Printing"), Platform::Buttons::OK,
                              Platform::Icon::Critical);
        return false;
    }
    if (current)
        w.m.strPlanPrinted = QStringLiteral("Y");
    return true;
}

planprint::Options PlanCompletion::printOptions(Document which) const
{
    const LessonPlanModule &m = w.m;
    planprint::Options options;
    options.header =
        which == Document::Current
            ? planprint::runningHeader(w.files->planNameParts())
            : planprint::headerFromFileName(QFileInfo(w.viewer->shownPath()).fileName());
    for (const QString &heading :
         {m.strTasksHeading, m.strAssessHeading, m.strClosureHeading, m.strStandardsHeading})
        options.headings << heading + QLatin1Char(':');
    options.headings << QStringLiteral("Materials/Supplies/Technology:");
    options.dayNames = strDayNames.mid(0, 7);
    return options;
}

bool PlanCompletion::SavePdf(Document which)
{
    const bool current = which == Document::Current;
    RichTextBox *doc = current ? w.RTxtComposite : w.rtfPrevious;
    const QString shown = current ? w.files->MakeFileName() : w.viewer->shownPath();
    if (shown.isEmpty())
        return false;
    const QString folder = w.m.strStorageFolder;
    const QString path = pathInFolder(folder, planprint::pdfFileName(shown));
    const QString CrLf = QStringLiteral("\r\n");
    QByteArray pdf;
    QString error;
    if (!planprint::writePdf(*doc->document(), printOptions(which), QLocale(), &pdf, &error) ||
        !PlanFiles::makeFolder(folder, &error) || !safefile::write(path, pdf, &error)) {
        w.platform.messageBox(QStringLiteral("The following error occurred when attempting to "
                                             "save") +
                                  CrLf + QStringLiteral("''") + QDir::toNativeSeparators(path) +
                                  QStringLiteral("''") + CrLf + CrLf + error,
                              QStringLiteral("ERROR"), Platform::Buttons::OK,
                              Platform::Icon::Critical);
        return false;
    }
    if (current)
        w.m.strPlanPrinted = QStringLiteral("Y");
    const auto answer = w.platform.messageBox(
        QStringLiteral("The Lesson Plan Document was saved as") + CrLf + QStringLiteral("''") +
            QDir::toNativeSeparators(path) + QStringLiteral("''") + CrLf + CrLf +
            QStringLiteral("Open it in the PDF viewer?"),
        QStringLiteral("PDF Saved"), Platform::Buttons::YesNo, Platform::Icon::Question);
    if (answer == Platform::Answer::Yes && !w.platform.openWithSystem(path))
        w.platform.messageBox(QStringLiteral("No program for PDF files could be started.") + CrLf +
                                  QStringLiteral("The file is in the storage folder."),
                              QStringLiteral("PDF Saved"), Platform::Buttons::OK,
                              Platform::Icon::Exclamation);
    return true;
}

void PlanCompletion::cmdPdf_Click()
{
    w.standards->CheckMissingStandards(QStringLiteral("printing"));
    SavePdf(Document::Current);
}

void PlanCompletion::cmdPrint_Click()
{
    w.standards->CheckMissingStandards(QStringLiteral("printing"));
    DoPrint(Document::Current);
}

void PlanCompletion::cmdClose_Click()
{
    w.plan->blnNewPlanRequested = true;
    w.showDialog(newPlanDialog());
}

void PlanCompletion::RTxtComposite_Change()
{
    w.cmdStore->setEnabled(true);
    w.cmdPrint->setEnabled(true);
    w.cmdPdf->setEnabled(true);
    w.cmdClose->setEnabled(true);
    w.fraCurrent->setEnabled(true);
    w.m.strPlanSaved = QStringLiteral("N");
    w.m.strPlanPrinted = QStringLiteral("N");
    w.lblSavePrint->hide();
}

frmNew *PlanCompletion::newPlanDialog()
{
    if (!frmNew_)
        frmNew_ = new frmNew(w);
    return frmNew_;
}
