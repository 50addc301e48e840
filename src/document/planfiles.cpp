#include "document/planfiles.h"

#include "document/recovery.h"

#include "app/frmmain.h"
#include "document/filenames.h"
#include "document/library.h"
#include "document/standardsstep.h"
#include "plan/schoolcalendar.h"
#include "platform/platform.h"
#include "platform/richtextbox.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <system_error>

namespace
{
const QString CrLf = QStringLiteral("\r\n");
} // namespace

PlanFiles::PlanFiles(frmMain &w) : QObject(&w), w(w)
{
    connect(w.cmdStore, &QPushButton::clicked, this, &PlanFiles::cmdStore_Click);
}

QString PlanFiles::browseEntry()
{
    return QStringLiteral("--- Browse for a Lesson Plan Document File ---");
}

QString PlanFiles::MakeFileName() const
{
    return planFileName(planNameParts());
}

PlanNameParts PlanFiles::planNameParts() const
{
    const LessonPlanModule &m = w.m;
    PlanNameParts p;
    p.useSchoolAbbrev = m.blnUseSchoolAbbrev;
    p.schoolAbbrev = m.strSchoolAbbrev;
    p.teacher = m.strTeacherName;
    // The course and period of the plan on screen. What was taken when their fields were last
    // left stands in when a field has been emptied since (New Plan may clear the course), but
    // never in place of the entries themselves: a name must not depend on the focus having
    // moved.
    p.course = w.cboCourses->currentText();
    if (p.course.isEmpty())
        p.course = w.calendar->varCourse;
    p.showPeriod = m.blnShowPeriod;
    p.periodHeading = m.strPeriodHeading;
    p.period = w.txtPeriod->text();
    if (p.period.isEmpty())
        p.period = w.calendar->strPeriod;
    p.weekly = m.blnWeeklyPlans;
    p.month = w.cboMonth->currentText();
    p.date = w.cboDate->currentText();
    p.year = w.lblYear->text();
    p.unitTopic = w.txtUnit->text();
    p.extension = m.strFileExt;
    return p;
}

int PlanFiles::CheckDuplicateFile()
{
    LessonPlanModule &m = w.m;
    const QString name = MakeFileName();
    const QString path = pathInFolder(m.strStorageFolder, name);
    if (!QFileInfo(path).isFile())
        return 0;

    const auto answer = w.platform.messageBox(
        QStringLiteral("A Lesson Plan Document named") + CrLf + QLatin1Char('"') + name +
            QLatin1Char('"') + CrLf +
            QStringLiteral("already exists in the selected storage folder") + CrLf +
            QLatin1Char('"') + QDir::toNativeSeparators(m.strStorageFolder) + QLatin1Char('"') +
            CrLf + CrLf + QStringLiteral("Do you wish to open the existing document for editing?") +
            CrLf + CrLf + QStringLiteral(" - Choose 'Yes' to open the file.") + CrLf +
            QStringLiteral(" - Choose 'No' to continue creating a new Lesson Plan Document     ") +
            CrLf + QStringLiteral("    to replace the existing one.") + CrLf +
            QStringLiteral(" - Choose 'Cancel' to stop working on this plan."),
        QStringLiteral("Duplicate File Name"), Platform::Buttons::YesNoCancel,
        Platform::Icon::Question);
    switch (answer) {
    case Platform::Answer::Yes: {
        CheckRtfFile(path);
        QString error;
        if (!w.RTxtComposite->LoadFile(path, &error)) {
            // The plan cannot go on from a document that was not opened; beginning it anew
            // would invite replacing a file the teacher wanted to keep.
            w.platform.messageBox(error + CrLf + CrLf +
                                      QStringLiteral("The plan was not begun, and the existing "
                                                     "document was left as it is."),
                                  QStringLiteral("File Reading"), Platform::Buttons::OK,
                                  Platform::Icon::Exclamation);
            return 3;
        }
        // The plan goes on where the opened document ends.
        w.RTxtComposite->MoveToEnd();
        return 1;
    }
    case Platform::Answer::No:
        return 2;
    default:
        return 3;
    }
}

void PlanFiles::CheckRtfFile(const QString &path)
{
    QFile file(path);
    // A file that cannot be read is reported by the loading that follows.
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray head = file.read(4096);
    file.close();
    if (beginsAsRtf(head))
        return;
    w.platform.messageBox(
        QStringLiteral("The file ") + CrLf + QLatin1Char('"') +
            nameInFolder(path, w.m.strStorageFolder) + QLatin1Char('"') + CrLf +
            QStringLiteral("is not a Lesson Plan Document file or has been edited by another Word "
                           "Processing program.") +
            CrLf + CrLf +
            QStringLiteral("It may not display or print properly from the Quillmark's internal "
                           "viewer."),
        QStringLiteral("File Reading"), Platform::Buttons::OK, Platform::Icon::Exclamation);
}

bool PlanFiles::makeFolder(const QString &folder, QString *error)
{
    if (QFileInfo(folder).isDir())
        return true;
    std::error_code code;
    std::filesystem::create_directories(QFileInfo(folder).filesystemAbsoluteFilePath(), code);
    if (!code && QFileInfo(folder).isDir())
        return true;
    if (error)
        *error = QStringLiteral("The folder \"%1\" could not be created: %2.")
                     .arg(QDir::toNativeSeparators(folder),
                          code ? QString::fromStdString(code.message())
                               : QStringLiteral("a file of that name is in the way"));
    return false;
}

void PlanFiles::reportSaveError(const QString &path, const QString &reason)
{
    w.platform.messageBox(QStringLiteral("The following error occurred when attempting to save") +
                              CrLf + QStringLiteral("''") + QDir::toNativeSeparators(path) +
                              QStringLiteral("''") + CrLf + CrLf + reason,
                          QStringLiteral("ERROR"), Platform::Buttons::OK, Platform::Icon::Critical);
    w.lblSavePrint->hide();
    w.RTxtComposite->show();
}

bool PlanFiles::SaveFile()
{
    LessonPlanModule &m = w.m;
    const QString proposed = MakeFileName();
    const QString folder = m.strStorageFolder;
    // The save dialog opens in the storage folder, which a first save brings into being; a
    // folder that cannot be made is reported when the document is written.
    makeFolder(folder, nullptr);

    const QString chosen =
        w.platform.saveFileName(QStringLiteral("Save the Lesson Plan Document"),
                                QStringLiteral("Lesson Plan Documents|*.") + m.strFileExt +
                                    QStringLiteral("|All Files (*.*)|*.*"),
                                QDir::toNativeSeparators(pathInFolder(folder, proposed)));
    m.strFileName.clear();
    if (chosen.isEmpty())
        return false;
    const QString clean = QDir::fromNativeSeparators(chosen);
    const QString target = QFileInfo(clean).isRelative() ? pathInFolder(folder, clean) : clean;
    const QFileInfo info(target);
    if (info.fileName().isEmpty())
        return false;
    m.strFileName = info.fileName();
    const QString targetFolder = info.absolutePath();

    if (info.exists()) {
        const auto answer = w.platform.messageBox(
            QStringLiteral("File ''") + m.strFileName + QStringLiteral("'' already exists in ") +
                folderForDisplay(targetFolder) + CrLf + CrLf + QStringLiteral("Overwrite?"),
            QStringLiteral("File Name Conflict"), Platform::Buttons::YesNo,
            Platform::Icon::Exclamation);
        if (answer != Platform::Answer::Yes)
            return false;
    }

    QString error;
    if (!makeFolder(targetFolder, &error) || !w.RTxtComposite->SaveFile(target, &error)) {
        reportSaveError(target, error);
        return false;
    }

    w.library->addPlan(target);
    w.lblSavePrint->show();
    m.strPlanSaved = QStringLiteral("Y");
    w.recovery->discard();
    return true;
}

void PlanFiles::cmdStore_Click()
{
    w.lblSavePrint->hide();
    w.standards->CheckMissingStandards(QStringLiteral("saving"));
    SaveFile();
}
