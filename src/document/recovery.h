#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "plan/planprogress.h"

class frmMain;
class QLockFile;
class QTimer;

// Keeps a recovery copy of the plan under construction in the application-data folder, so that
// a crash or a power cut never costs the teacher the plan: the document's RTF and the plan's
// progress (PlanProgress: target, step, day and the entries not yet written). The copy is
// written after every step and, while the document is being edited, within half a minute of
// the first change; it is written through a temporary file, so a copy is either the old one or
// the new one, never half of each. Saving, clearing and a normal exit remove it.
//
// Every running window keeps a copy of its own (recovery/plan-N.recovery), held by a lock file
// for as long as the window lives. At start-up only copies whose window is gone (a stale lock
// or none) are offered back, one after the other; a live window's copy is never offered or
// touched. A copy that cannot be restored is renamed aside, never deleted.
//
// Nothing touches a copy on disk before the start-up check has offered it: until then the
// copy still belongs to the run that made it.
class PlanRecovery : public QObject
{
    Q_OBJECT
public:
    // What a copy holds.
    struct Snapshot {
        QDateTime madeAt;
        PlanProgress progress;
        QString rtf;
        // Written by a version that kept no step state: the plan goes on with the first day
        // not yet written in the document.
        bool withoutSteps = false;
    };

    // A copy larger than this is not read: no document of the program's comes near it.
    static constexpr qint64 maxCopySize = 96 * 1024 * 1024;
    // Edits are in the copy at the latest this long after the first unsaved change.
    static constexpr int defaultSaveDelay = 30000;

    explicit PlanRecovery(frmMain &w);
    // The window goes away in an orderly way (the program is ending, not crashing): its own
    // copy has nothing left to recover.
    ~PlanRecovery() override;

    // The folder every window keeps its copy in.
    static QString folder();
    // Where the one copy of earlier versions was kept.
    static QString olderCopyPath();
    // This window's copy; empty until the window has a place of its own.
    QString copyPath() const { return path_; }

    // Offers, one after the other, the copies left by windows that did not end normally:
    // restores one on Yes, deletes it on No; a copy that cannot be restored is renamed aside
    // and reported. Runs once, when the main window is shown.
    void checkAtStartup();
    // A step has been taken: writes the copy while an unsaved plan is in the document, removes
    // it once the document is saved or empty.
    void saveCopy();
    // Removes this window's copy: the plan has been saved or cleared, or the program ends.
    void discard();

    // Document changes not yet in the copy.
    bool hasPendingChanges() const { return dirty_; }
    void setSaveDelay(int milliseconds);
    int saveDelay() const;
    // Where the time of a copy comes from.
    std::function<QDateTime()> clock;

    // The copy's file format. decode gives nothing for data that is not a usable copy and
    // then says why in *reason, in words for the teacher.
    static QByteArray encode(const Snapshot &copy);
    static std::optional<Snapshot> decode(const QByteArray &data, QString *reason);

    // The plan now on the main screen, as a copy keeps it.
    Snapshot capture() const;
    // Puts a plan back on the main screen as a document under construction, exactly at the
    // step it stood at. False, with the reason and nothing changed, when the copy does not
    // fit the program's calendar.
    bool restore(const Snapshot &copy, QString *reason);
    // Whether the copy's week is one the program's calendar offers; *reason says why not.
    bool fitsCalendar(const Snapshot &copy, QString *reason) const;

    // The texts of the start-up question.
    static QString restoreQuestion(const Snapshot &copy);
    static QString restoreTitle();

private:
    void RTxtComposite_Change();
    // One copy whose window is gone, with its lock held: offered, set aside or kept.
    void offer(const QString &path, std::unique_ptr<QLockFile> lock);
    // Takes the first place in the folder with neither a copy nor a live owner.
    bool claimPlace();
    // Renames a copy that cannot be restored so that it is never offered again, and says
    // where it went.
    void setAside(const QString &path, const QString &reason);
    void reportWriteFailure(const QString &path, const QString &error);
    // The copy without its time, to tell whether anything changed since it was last written.
    static QByteArray encodeState(const Snapshot &copy);

    frmMain &w;
    QTimer *timer_ = nullptr;
    bool checked_ = false;
    bool restoring_ = false;
    bool restored_ = false;
    bool dirty_ = false;
    bool writeFailureReported_ = false;
    QByteArray lastState_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    // A restored copy of an earlier version, removed once this window's copy holds the plan.
    QString adoptedFrom_;
    std::unique_ptr<QLockFile> adoptedLock_;
};
