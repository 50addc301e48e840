#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class frmMain;
class QTimer;

// Keeps a recovery copy of the plan under construction in the application-data folder, so that
// a crash or a power cut never costs the teacher the plan: the document's RTF and what the main
// screen needs to show the plan again. The copy is written after every step and, while the
// document is being edited, within half a minute of the first change; it is written through a
// temporary file, so a copy is either the old one or the new one, never half of each. Saving,
// clearing and a normal exit remove it. At start-up a copy left behind is offered back.
//
// Nothing touches the copy on disk before the start-up check has offered it: until then the
// copy still belongs to the run that made it.
class PlanRecovery : public QObject
{
    Q_OBJECT
public:
    // What a copy holds.
    struct Snapshot {
        QDateTime madeAt;
        QString course;
        QString period;
        bool weekly = true;
        QString month;
        QString date;
        int dayIndex = -1;
        QString dayText;
        QString unitTopic;
        QString objective; // CR LF line breaks
        int step = 0;
        QString rtf;
    };

    // A copy larger than this is not read: no document of the program's comes near it.
    static constexpr qint64 maxCopySize = 96 * 1024 * 1024;
    // Edits are in the copy at the latest this long after the first unsaved change.
    static constexpr int defaultSaveDelay = 30000;

    explicit PlanRecovery(frmMain &w);
    // The window goes away in an orderly way (the program is ending, not crashing): there is
    // nothing left to recover.
    ~PlanRecovery() override;

    static QString copyPath();

    // Offers a copy left by a run that did not end normally: restores it on Yes, deletes it on
    // No; a damaged copy is reported and deleted. Runs once, when the main window is shown.
    void checkAtStartup();
    // A step has been taken: writes the copy while an unsaved plan is in the document, removes
    // it once the document is saved or empty.
    void saveCopy();
    // Removes the copy: the plan has been saved or cleared, or the program ends normally.
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
    // Puts a plan back on the main screen as a document under construction, resumed at the
    // start of its day. False, with the reason and nothing changed, when the copy does not fit
    // the program's calendar.
    bool restore(const Snapshot &copy, QString *reason);
    // Whether the copy's week is one the program's calendar offers; *reason says why not.
    bool fitsCalendar(const Snapshot &copy, QString *reason) const;

    // The texts of the start-up question.
    static QString restoreQuestion(const Snapshot &copy);
    static QString restoreTitle();

private:
    void RTxtComposite_Change();
    void reportDamaged(const QString &reason);
    void reportWriteFailure(const QString &error);
    // The copy without its time, to tell whether anything changed since it was last written.
    static QByteArray encodeState(const Snapshot &copy);

    frmMain &w;
    QTimer *timer_ = nullptr;
    bool checked_ = false;
    bool dirty_ = false;
    bool writeFailureReported_ = false;
    QByteArray lastState_;
};
