#pragma once

#include "document/planindex.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <atomic>
#include <memory>

class frmMain;
class frmSearch;
class QLabel;
class QThread;
class QTimer;

// The plan library: every plan in the storage folder and in the folders the teacher browsed to
// (remembered across runs), listed in the earlier-plans list by course, newest week first, and
// searched through the full-text index. The index is brought up to date in a worker thread at
// start (when the main window is first shown) and whenever the library is opened; a plan saved is
// indexed at once.
class PlanLibrary : public QObject
{
    Q_OBJECT
public:
    explicit PlanLibrary(frmMain &w, const QString &indexPath = PlanIndex::defaultPath());
    ~PlanLibrary() override;

    // Brings the index up to date with the folders in the background; the list is filled
    // again when it is done. A call while it runs makes it run once more afterwards.
    void refresh();
    // Whether the index is being brought up to date (or about to be, at start).
    bool isIndexing() const { return worker_ != nullptr || starting_; }
    // Indexes a plan just saved or browsed to, lists it and returns its list entry. A file of
    // another folder makes that folder part of the library.
    int addPlan(const QString &path);
    // Fills the earlier-plans list from the index, keeping the entry chosen.
    void fillList();
    // The folders of the library: the storage folder first.
    QStringList folders() const;

    QList<SearchHit> search(const QString &typed) const;
    // What the last bringing up to date found worth telling (unreadable files, folders that
    // cannot be reached), or an empty text.
    QString note() const { return note_; }
    // The title a file is listed under.
    QString titleOf(const QString &path) const;

    // Opens the search window (Ctrl+F).
    void showSearch();
    frmSearch *searchWindow() const { return search_; }
    // The line at the foot of the main window that shows how far an update that takes more
    // than a moment has come, and afterwards what it could not read.
    QLabel *statusLine() const { return status_; }

Q_SIGNALS:
    void progress(int done, int total);
    void updated();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void finished(const IndexReport &report);
    void showProgress(int done, int total);
    void showStatus(const QString &text);

    frmMain &w;
    std::unique_ptr<PlanIndex> index_;
    QString indexPath_;
    QThread *worker_ = nullptr;
    std::atomic_bool cancel_{false};
    bool again_ = false;
    bool starting_ = true;
    QSet<QString> missing_; // folders the last update could not reach
    QString note_;
    frmSearch *search_ = nullptr;
    QLabel *status_ = nullptr;
    QTimer *statusTimer_ = nullptr; // shows the progress after a moment, hides a note later
    QString progress_;
};
