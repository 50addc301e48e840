#include "document/recovery.h"

#include "app/frmmain.h"
#include "plan/calendar.h"
#include "plan/planstart.h"
#include "plan/schoolcalendar.h"
#include "platform/platform.h"
#include "platform/richtextbox.h"
#include "platform/safefile.h"
#include "platform/ui.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimer>

namespace
{
const QString CrLf = QStringLiteral("\r\n");

// A copy is the header line, then a data stream: the format version, the contents (time and
// state) and the SHA-256 of the contents, which tells a damaged or cut-off copy from a good one.
const QByteArray Header = QByteArrayLiteral("Quillmark recovery copy\n");
constexpr quint32 FormatVersion = 1;
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_4;
constexpr int LastStep = 4;
// The day list never holds more than a week of days.
constexpr int LastDayIndex = 13;

QByteArray checksum(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256);
}

// The reason a stream stopped, for the teacher.
QString streamProblem(const QDataStream &in)
{
    return in.status() == QDataStream::ReadPastEnd ? QStringLiteral("it is incomplete")
                                                   : QStringLiteral("it is damaged");
}
} // namespace

PlanRecovery::PlanRecovery(frmMain &w) : QObject(&w), w(w)
{
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("RecoveryTimer"));
    timer_->setSingleShot(true);
    timer_->setInterval(defaultSaveDelay);
    connect(timer_, &QTimer::timeout, this, &PlanRecovery::saveCopy);
    connect(w.RTxtComposite, &RichTextBox::Change, this, &PlanRecovery::RTxtComposite_Change);
}

PlanRecovery::~PlanRecovery()
{
    discard();
}

QString PlanRecovery::copyPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("/unsaved-plan.recovery");
}

void PlanRecovery::setSaveDelay(int milliseconds)
{
    timer_->setInterval(milliseconds);
}

int PlanRecovery::saveDelay() const
{
    return timer_->interval();
}

void PlanRecovery::RTxtComposite_Change()
{
    if (!checked_)
        return;
    dirty_ = true;
    // The first change starts the clock; later ones do not put the write off.
    if (!timer_->isActive())
        timer_->start();
}

void PlanRecovery::discard()
{
    if (!checked_)
        return;
    timer_->stop();
    dirty_ = false;
    lastState_.clear();
    const QString path = copyPath();
    if (!path.isEmpty())
        QFile::remove(path);
}

void PlanRecovery::saveCopy()
{
    if (!checked_)
        return;
    timer_->stop();
    dirty_ = false;
    const LessonPlanModule &m = w.m;
    if (m.strPlanSaved == QLatin1String("Y") || w.RTxtComposite->Text().isEmpty()) {
        discard();
        return;
    }

    const Snapshot copy = capture();
    const QString path = copyPath();
    const QByteArray state = encodeState(copy);
    if (state == lastState_ && QFileInfo::exists(path))
        return;
    if (path.isEmpty()) {
        reportWriteFailure(QStringLiteral("The system names no folder for application data."));
        return;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        reportWriteFailure(QStringLiteral("The folder could not be made."));
        return;
    }
    QString error;
    if (!safefile::write(path, encode(copy), &error)) {
        reportWriteFailure(error);
        return;
    }
    lastState_ = state;
}

void PlanRecovery::reportWriteFailure(const QString &error)
{
    // Once a run: a full disk would otherwise interrupt every step of the plan.
    if (writeFailureReported_)
        return;
    writeFailureReported_ = true;
    w.platform.messageBox(
        QStringLiteral("The recovery copy of the Lesson Plan under construction could not be "
                       "written to") +
            CrLf + QDir::toNativeSeparators(copyPath()) + CrLf + error + CrLf + CrLf +
            QStringLiteral("Save the Lesson Plan Document to keep it safe. This message is not "
                           "shown again until Quillmark is started again."),
        QStringLiteral("Recovery Copy Not Written"), Platform::Buttons::OK,
        Platform::Icon::Exclamation);
}

QByteArray PlanRecovery::encodeState(const Snapshot &copy)
{
    QByteArray state;
    QDataStream out(&state, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << copy.course << copy.period << copy.weekly << copy.month << copy.date
        << qint32(copy.dayIndex) << copy.dayText << copy.unitTopic << copy.objective
        << qint32(copy.step) << copy.rtf.toUtf8();
    return state;
}

QByteArray PlanRecovery::encode(const Snapshot &copy)
{
    QByteArray contents;
    {
        QDataStream out(&contents, QIODevice::WriteOnly);
        out.setVersion(StreamVersion);
        out << copy.madeAt << encodeState(copy);
    }
    QByteArray body;
    {
        QDataStream out(&body, QIODevice::WriteOnly);
        out.setVersion(StreamVersion);
        out << FormatVersion << contents << checksum(contents);
    }
    return Header + body;
}

std::optional<PlanRecovery::Snapshot> PlanRecovery::decode(const QByteArray &data, QString *reason)
{
    auto fail = [&](const QString &text) {
        if (reason)
            *reason = text;
        return std::optional<Snapshot>();
    };
    if (data.size() > maxCopySize)
        return fail(QStringLiteral("it is too large"));
    if (!data.startsWith(Header))
        return fail(QStringLiteral("it is not a Quillmark recovery copy"));

    QDataStream in(data.mid(Header.size()));
    in.setVersion(StreamVersion);
    quint32 version = 0;
    in >> version;
    if (in.status() != QDataStream::Ok)
        return fail(streamProblem(in));
    // A small number above ours is a later format; anything else is not a version at all.
    if (version > FormatVersion && version < 256)
        return fail(QStringLiteral("it was made by a newer version of Quillmark"));
    if (version != FormatVersion)
        return fail(QStringLiteral("it is damaged"));
    QByteArray contents;
    QByteArray sum;
    in >> contents >> sum;
    if (in.status() != QDataStream::Ok)
        return fail(streamProblem(in));
    if (!in.atEnd() || sum != checksum(contents))
        return fail(QStringLiteral("it is damaged"));

    // The checksum matched: what follows was written by us, but is checked all the same.
    Snapshot copy;
    QByteArray state;
    QDataStream inner(contents);
    inner.setVersion(StreamVersion);
    inner >> copy.madeAt >> state;
    QDataStream fields(state);
    fields.setVersion(StreamVersion);
    qint32 dayIndex = -1;
    qint32 step = -1;
    QByteArray rtf;
    fields >> copy.course >> copy.period >> copy.weekly >> copy.month >> copy.date >> dayIndex >>
        copy.dayText >> copy.unitTopic >> copy.objective >> step >> rtf;
    if (inner.status() != QDataStream::Ok || !inner.atEnd() || fields.status() != QDataStream::Ok ||
        !fields.atEnd())
        return fail(QStringLiteral("it is damaged"));
    copy.dayIndex = dayIndex;
    copy.step = step;
    copy.rtf = QString::fromUtf8(rtf);
    if (!copy.madeAt.isValid() || step < 0 || step > LastStep || dayIndex < -1 ||
        dayIndex > LastDayIndex || !copy.rtf.startsWith(QLatin1String("{\\rtf")))
        return fail(QStringLiteral("it is damaged"));
    return copy;
}

PlanRecovery::Snapshot PlanRecovery::capture() const
{
    Snapshot copy;
    copy.madeAt = clock ? clock() : QDateTime::currentDateTime();
    copy.course = w.cboCourses->currentText();
    copy.period = w.txtPeriod->text();
    copy.weekly = w.m.blnWeeklyPlans;
    copy.month = w.cboMonth->currentText();
    copy.date = w.cboDate->currentText();
    copy.dayIndex = w.cboDay->currentIndex();
    copy.dayText = w.cboDay->currentText();
    copy.unitTopic = w.txtUnit->text();
    copy.objective = ui::toCrLf(w.txtObjective->toPlainText());
    copy.step = w.m.intStep;
    copy.rtf = w.RTxtComposite->TextRTF();
    return copy;
}

QString PlanRecovery::restoreTitle()
{
    return QStringLiteral("Restore Unsaved Plan");
}

QString PlanRecovery::restoreQuestion(const Snapshot &copy)
{
    const QString when =
        QLocale::c().toString(copy.madeAt, QStringLiteral("dddd, MMMM d, yyyy 'at' h:mm AP"));
    QString plan = QStringLiteral("A recovery copy of the plan");
    if (!copy.course.isEmpty())
        plan += QStringLiteral(" for ''") + copy.course + QStringLiteral("''");
    return QStringLiteral("Quillmark was not closed normally while a Lesson Plan was under "
                          "construction.") +
           CrLf + plan + QStringLiteral(" was made on ") + when + QStringLiteral(".") + CrLf +
           CrLf + QStringLiteral("Restore the plan?  (No deletes the recovery copy.)");
}

void PlanRecovery::checkAtStartup()
{
    if (checked_)
        return;
    checked_ = true;
    const QString path = copyPath();
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.exists())
        return;

    std::optional<Snapshot> copy;
    QString reason;
    if (info.size() > maxCopySize) {
        reason = QStringLiteral("it is too large");
    } else {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            copy = decode(file.readAll(), &reason);
        else
            reason =
                QStringLiteral("it could not be read (") + file.errorString() + QStringLiteral(")");
    }
    if (!copy || !fitsCalendar(*copy, &reason)) {
        reportDamaged(reason);
        return;
    }

    const auto answer = w.platform.messageBox(restoreQuestion(*copy), restoreTitle(),
                                              Platform::Buttons::YesNo, Platform::Icon::Question);
    if (answer != Platform::Answer::Yes) {
        discard();
        return;
    }
    if (!restore(*copy, &reason))
        reportDamaged(reason);
}

void PlanRecovery::reportDamaged(const QString &reason)
{
    const QString path = copyPath();
    QFile::remove(path);
    const QString outcome = QFileInfo::exists(path)
                                ? QStringLiteral("The recovery copy could not be deleted: ") +
                                      QDir::toNativeSeparators(path)
                                : QStringLiteral("The recovery copy has been deleted.");
    w.platform.messageBox(QStringLiteral("A recovery copy of an unsaved Lesson Plan was found, "
                                         "but it cannot be restored: ") +
                              reason + QStringLiteral(".") + CrLf + CrLf + outcome,
                          QStringLiteral("Recovery Copy Damaged"), Platform::Buttons::OK,
                          Platform::Icon::Exclamation);
}

bool PlanRecovery::fitsCalendar(const Snapshot &copy, QString *reason) const
{
    if (!copy.weekly)
        return true;
    const int monthIndex = w.cboMonth->findText(copy.month, Qt::MatchExactly);
    bool isNumber = false;
    const int date = copy.date.toInt(&isNumber);
    const int days = monthIndex >= 0 ? calendar::daysInMonth(copy.month, w.m.strSchoolYear) : 0;
    if (monthIndex >= 0 && isNumber && date >= 1 && date <= days)
        return true;
    if (reason)
        *reason = QStringLiteral("its week (") + copy.month + QLatin1Char(' ') + copy.date +
                  QStringLiteral(") is not in the school year ") + w.m.strSchoolYear;
    return false;
}

bool PlanRecovery::restore(const Snapshot &copy, QString *reason)
{
    LessonPlanModule &m = w.m;
    // Everything that can refuse the copy is checked before anything on the screen changes.
    if (!fitsCalendar(copy, reason))
        return false;
    const int monthIndex = copy.weekly ? w.cboMonth->findText(copy.month, Qt::MatchExactly) : -1;
    const int date = copy.weekly ? copy.date.toInt() : 0;

    m.blnWeeklyPlans = copy.weekly;
    {
        // A course renamed since the copy was made is put back in the list, so the plan keeps
        // its course.
        const QSignalBlocker quiet(w.cboCourses);
        int course = w.cboCourses->findText(copy.course, Qt::MatchExactly);
        if (course < 0 && !copy.course.isEmpty()) {
            w.cboCourses->addItem(copy.course);
            course = w.cboCourses->count() - 1;
        }
        w.cboCourses->setCurrentIndex(course);
    }
    {
        const QSignalBlocker quiet(w.txtPeriod);
        w.txtPeriod->setText(copy.period);
    }
    w.calendar->varCourse = copy.course;
    w.calendar->strPeriod = copy.period;

    if (copy.weekly) {
        {
            const QSignalBlocker quiet(w.cboMonth);
            w.cboMonth->setCurrentIndex(monthIndex);
        }
        w.calendar->blnMonthPicked = true;
        w.calendar->SetDayCount();
        {
            const QSignalBlocker quiet(w.cboDate);
            w.cboDate->setCurrentIndex(w.cboDate->findText(QString::number(date)));
        }
        w.calendar->blnDatePicked = true;
        {
            const QSignalBlocker quiet(w.cboDay);
            w.calendar->FillDayList();
            int day = w.cboDay->findText(copy.dayText, Qt::MatchExactly);
            if (day < 0)
                day = copy.dayIndex >= 0 && copy.dayIndex < w.cboDay->count() ? copy.dayIndex : 0;
            w.cboDay->setCurrentIndex(w.cboDay->count() > 0 ? day : -1);
        }
        if (w.cboDay->currentIndex() >= 0)
            w.calendar->cboDay_Click();
    } else {
        const QSignalBlocker quiet(w.txtUnit);
        w.txtUnit->setText(copy.unitTopic);
    }
    w.txtObjective->setPlainText(ui::fromCrLf(copy.objective));

    // The document, under construction and not saved.
    RichTextBox *doc = w.RTxtComposite;
    doc->setTextRTF(copy.rtf);
    doc->setEnabled(true);
    doc->setBackColor(ui::white());
    w.lblCurrentDoc->show();
    w.cmdEnlarge->setEnabled(true);
    m.strPlanSaved = QStringLiteral("N");
    m.strPlanPrinted = QStringLiteral("N");
    for (QWidget *button : {w.cmdStore, w.cmdPrint, w.cmdPdf, w.cmdClose})
        button->setEnabled(true);
    w.fraCurrent->setEnabled(true);
    w.lblSavePrint->hide();

    // A plan that had ended (the week written, not yet saved) only needs its document back.
    if (copy.step > 0)
        w.plan->resumePlan();
    else
        m.intStep = 0;
    w.Form_Activate();
    return true;
}
