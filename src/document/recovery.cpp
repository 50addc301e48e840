#include "document/recovery.h"

#include "app/frmmain.h"
#include "plan/calendar.h"
#include "plan/planprogress.h"
#include "plan/planstart.h"
#include "plan/schoolcalendar.h"
#include "platform/platform.h"
#include "platform/richtextbox.h"
#include "platform/safefile.h"
#include "platform/ui.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTimer>

namespace
{
const QString CrLf = QStringLiteral("\r\n");

// A copy is the header line, then a data stream: the format version, the contents (time and
// state) and the SHA-256 of the contents, which tells a damaged or cut-off copy from a good one.
const QByteArray Header = QByteArrayLiteral("Quillmark recovery copy\n");
// Version 1 kept the plan's target and step but not the day's state; it is still read.
constexpr quint32 FormatVersion = 2;
constexpr quint32 StepLessVersion = 1;
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_4;
constexpr int LastStep = 4;
// The day list never holds more than a week of days.
constexpr int LastDayIndex = 13;
const QString CopyPattern = QStringLiteral("plan-*.recovery");

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

QString lockPath(const QString &copy)
{
    return copy + QStringLiteral(".lock");
}

// Copies locked by this process, so that a lock left by a dead run whose process number this
// process happens to have (after a restart of the computer) is not taken for a live one.
QSet<QString> &heldHere()
{
    static QSet<QString> paths;
    return paths;
}

// The lock of a copy when its window is gone (no lock, or one left by a dead process); nothing
// while a running window holds it. Only the process's own age-free liveness counts: a window
// may run for days.
std::unique_ptr<QLockFile> lockIfOwnerGone(const QString &copy)
{
    auto lock = std::make_unique<QLockFile>(lockPath(copy));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return lock;
    qint64 pid = 0;
    QString host;
    QString app;
    if (lock->error() == QLockFile::LockFailedError && lock->getLockInfo(&pid, &host, &app) &&
        pid == QCoreApplication::applicationPid() && !heldHere().contains(copy) &&
        lock->removeStaleLockFile() && lock->tryLock(0))
        return lock;
    return nullptr;
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
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
    if (!path_.isEmpty())
        heldHere().remove(path_);
}

QString PlanRecovery::folder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/recovery");
}

QString PlanRecovery::olderCopyPath()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/unsaved-plan.recovery");
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
    if (!checked_ || restoring_)
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
    // Only this window's own copy: another window's plan is not ours to give up.
    if (!path_.isEmpty())
        QFile::remove(path_);
    if (!adoptedFrom_.isEmpty()) {
        QFile::remove(adoptedFrom_);
        adoptedFrom_.clear();
        adoptedLock_.reset();
    }
}

bool PlanRecovery::claimPlace()
{
    const QString dir = folder();
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return false;
    for (int n = 1; n < 10000; ++n) {
        const QString path = dir + QStringLiteral("/plan-%1.recovery").arg(n);
        // A copy without a live owner waits for the next start; it is not written over.
        if (QFileInfo::exists(path))
            continue;
        auto lock = std::make_unique<QLockFile>(lockPath(path));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0)) {
            if (lock->error() == QLockFile::LockFailedError)
                continue;
            return false;
        }
        if (QFileInfo::exists(path))
            continue;
        path_ = path;
        lock_ = std::move(lock);
        heldHere().insert(path_);
        return true;
    }
    return false;
}

void PlanRecovery::saveCopy()
{
    if (!checked_ || restoring_)
        return;
    timer_->stop();
    dirty_ = false;
    const LessonPlanModule &m = w.m;
    if (m.strPlanSaved == QLatin1String("Y") || w.RTxtComposite->document()->isEmpty()) {
        discard();
        return;
    }

    const Snapshot copy = capture();
    const QByteArray state = encodeState(copy);
    if (state == lastState_ && QFileInfo::exists(path_))
        return;
    if (path_.isEmpty() && !claimPlace()) {
        reportWriteFailure(folder(), QStringLiteral("No place for the copy could be taken in "
                                                    "the folder."));
        return;
    }
    QString error;
    if (!safefile::write(path_, encode(copy), &error)) {
        reportWriteFailure(path_, error);
        return;
    }
    lastState_ = state;
    // The plan restored from an earlier version's copy is safe in this window's own.
    if (!adoptedFrom_.isEmpty()) {
        QFile::remove(adoptedFrom_);
        adoptedFrom_.clear();
        adoptedLock_.reset();
    }
}

void PlanRecovery::reportWriteFailure(const QString &path, const QString &error)
{
    // Once a run: a full disk would otherwise interrupt every step of the plan.
    if (writeFailureReported_)
        return;
    writeFailureReported_ = true;
    w.platform.messageBox(
        QStringLiteral("The recovery copy of the Lesson Plan under construction could not be "
                       "written to") +
            CrLf + nativePath(path) + CrLf + error + CrLf + CrLf +
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
    out << copy.progress << copy.rtf.toUtf8();
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
    if (version != FormatVersion && version != StepLessVersion)
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
    QByteArray rtf;
    PlanProgress &p = copy.progress;
    if (version == StepLessVersion) {
        qint32 dayIndex = -1;
        qint32 step = -1;
        fields >> p.course >> p.period >> p.weekly >> p.month >> p.date >> dayIndex >> p.day >>
            p.unitTopic >> p.objective >> step >> rtf;
        p.dayIndex = dayIndex;
        p.step = step;
        copy.withoutSteps = true;
    } else {
        fields >> p >> rtf;
    }
    if (inner.status() != QDataStream::Ok || !inner.atEnd() || fields.status() != QDataStream::Ok ||
        !fields.atEnd())
        return fail(QStringLiteral("it is damaged"));
    copy.rtf = QString::fromUtf8(rtf);
    if (!copy.madeAt.isValid() || !p.isValid() || p.step > LastStep || p.dayIndex > LastDayIndex ||
        !copy.rtf.startsWith(QLatin1String("{\\rtf")))
        return fail(QStringLiteral("it is damaged"));
    return copy;
}

PlanRecovery::Snapshot PlanRecovery::capture() const
{
    Snapshot copy;
    copy.madeAt = clock ? clock() : QDateTime::currentDateTime();
    copy.progress = w.plan->progress();
    copy.rtf = w.RTxtComposite->TextRTF();
    return copy;
}

QString PlanRecovery::restoreTitle()
{
    return QStringLiteral("Restore Unsaved Plan");
}

namespace
{
QString describe(const PlanRecovery::Snapshot &copy)
{
    const QString when =
        QLocale::c().toString(copy.madeAt, QStringLiteral("dddd, MMMM d, yyyy 'at' h:mm AP"));
    QString plan = QStringLiteral("recovery copy of the plan");
    if (!copy.progress.course.isEmpty())
        plan += QStringLiteral(" for ''") + copy.progress.course + QStringLiteral("''");
    return plan + QStringLiteral(" was made on ") + when + QStringLiteral(".");
}
} // namespace

QString PlanRecovery::restoreQuestion(const Snapshot &copy)
{
    return QStringLiteral("Quillmark was not closed normally while a Lesson Plan was under "
                          "construction.") +
           CrLf + QStringLiteral("A ") + describe(copy) + CrLf + CrLf +
           QStringLiteral("Restore the plan?  (No deletes the recovery copy.)");
}

void PlanRecovery::checkAtStartup()
{
    if (checked_)
        return;
    checked_ = true;
    const QString dir = folder();
    if (dir.isEmpty())
        return;

    // Copies whose window is gone, oldest first; the one an earlier version kept comes first.
    QStringList candidates;
    const QString older = olderCopyPath();
    if (QFileInfo::exists(older))
        candidates << older;
    const QFileInfoList found = QDir(dir).entryInfoList({CopyPattern}, QDir::Files | QDir::Hidden,
                                                        QDir::Time | QDir::Reversed);
    for (const QFileInfo &info : found)
        candidates << info.absoluteFilePath();
    for (const QString &path : std::as_const(candidates)) {
        std::unique_ptr<QLockFile> lock = lockIfOwnerGone(path);
        if (lock && QFileInfo::exists(path))
            offer(path, std::move(lock));
    }
}

void PlanRecovery::offer(const QString &path, std::unique_ptr<QLockFile> lock)
{
    std::optional<Snapshot> copy;
    QString reason;
    const QFileInfo info(path);
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
        setAside(path, reason);
        return;
    }

    if (restored_) {
        // One plan to a window: this one waits, with no owner, for the next start.
        w.platform.messageBox(
            QStringLiteral("Another ") + describe(*copy) + CrLf + CrLf +
                QStringLiteral("It is kept, and offered again when Quillmark is next started."),
            restoreTitle(), Platform::Buttons::OK, Platform::Icon::Information);
        return;
    }
    const auto answer = w.platform.messageBox(restoreQuestion(*copy), restoreTitle(),
                                              Platform::Buttons::YesNo, Platform::Icon::Question);
    if (answer != Platform::Answer::Yes) {
        QFile::remove(path);
        return;
    }
    // The window takes the restored copy over as its own before the restore writes to it;
    // an earlier version's copy is removed once this window's own copy holds the plan.
    const bool ours = path.startsWith(folder() + QLatin1Char('/'));
    if (ours) {
        if (!path_.isEmpty())
            heldHere().remove(path_);
        path_ = path;
        lock_ = std::move(lock);
        heldHere().insert(path_);
    } else {
        adoptedFrom_ = path;
        adoptedLock_ = std::move(lock);
    }
    lastState_.clear();
    restored_ = true;
    if (!restore(*copy, &reason)) {
        restored_ = false;
        if (ours) {
            heldHere().remove(path_);
            path_.clear();
            setAside(path, reason);
            lock_.reset();
        } else {
            adoptedFrom_.clear();
            setAside(path, reason);
            adoptedLock_.reset();
        }
    }
}

void PlanRecovery::setAside(const QString &path, const QString &reason)
{
    const QString kept = safefile::keepAside(path, QStringLiteral(".damaged"), true);
    const QString outcome =
        !kept.isEmpty()
            ? QStringLiteral("The recovery copy has been kept as") + CrLf + nativePath(kept)
            : QStringLiteral("The recovery copy could not be moved aside; it is still at") + CrLf +
                  nativePath(path);
    w.platform.messageBox(QStringLiteral("A recovery copy of an unsaved Lesson Plan was found, "
                                         "but it cannot be restored: ") +
                              reason + QStringLiteral(".") + CrLf + CrLf + outcome,
                          QStringLiteral("Recovery Copy Damaged"), Platform::Buttons::OK,
                          Platform::Icon::Exclamation);
}

bool PlanRecovery::fitsCalendar(const Snapshot &copy, QString *reason) const
{
    const PlanProgress &p = copy.progress;
    if (!p.weekly)
        return true;
    const int monthIndex = w.cboMonth->findText(p.month, Qt::MatchExactly);
    bool isNumber = false;
    const int date = p.date.toInt(&isNumber);
    const int days = monthIndex >= 0 ? calendar::daysInMonth(p.month, w.m.strSchoolYear) : 0;
    if (monthIndex >= 0 && isNumber && date >= 1 && date <= days)
        return true;
    if (reason)
        *reason = QStringLiteral("its week (") + p.month + QLatin1Char(' ') + p.date +
                  QStringLiteral(") is not in the school year ") + w.m.strSchoolYear;
    return false;
}

bool PlanRecovery::restore(const Snapshot &copy, QString *reason)
{
    LessonPlanModule &m = w.m;
    // Everything that can refuse the copy is checked before anything on the screen changes.
    if (!fitsCalendar(copy, reason))
        return false;

    // Nothing is written while the screen is half put back.
    restoring_ = true;
    RichTextBox *doc = w.RTxtComposite;
    doc->setTextRTF(copy.rtf);
    doc->setEnabled(true);
    doc->setBackColor(ui::white());
    w.lblCurrentDoc->show();
    w.cmdEnlarge->setEnabled(true);
    for (QWidget *button : {w.cmdStore, w.cmdPrint, w.cmdPdf, w.cmdClose})
        button->setEnabled(true);
    w.fraCurrent->setEnabled(true);
    w.lblSavePrint->hide();

    if (copy.withoutSteps && copy.progress.step > 0) {
        // The copy does not say how far the day had come: the plan goes on with the first
        // day whose heading is not in the document, so nothing is written twice.
        w.plan->restoreTarget(copy.progress);
        w.txtObjective->setPlainText(ui::fromCrLf(copy.progress.objective));
        w.plan->continueFromDocument(false);
    } else {
        w.plan->resume(copy.progress);
    }
    m.strPlanSaved = QStringLiteral("N");
    m.strPlanPrinted = QStringLiteral("N");
    restoring_ = false;
    w.Form_Activate();
    return true;
}
