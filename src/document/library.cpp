#include "document/library.h"

#include "app/frmmain.h"
#include "document/filenames.h"
#include "document/frmsearch.h"
#include "document/planfiles.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace
{
QString cleanFolder(const QString &folder)
{
    return QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(folder)).absoluteFilePath());
}
} // namespace

PlanLibrary::PlanLibrary(frmMain &w, const QString &indexPath)
    : QObject(&w), w(w), index_(std::make_unique<PlanIndex>(indexPath)), indexPath_(indexPath)
{
    // Without an index the list and the viewer work as before; search finds nothing.
    index_->open();
    auto *find = new QShortcut(QKeySequence::Find, &w);
    connect(find, &QShortcut::activated, this, &PlanLibrary::showSearch);

    // A status line over the foot of the window, outside its layout: it comes and goes
    // without moving the controls.
    status_ = new QLabel(&w);
    status_->setObjectName(QStringLiteral("lblLibrary"));
    status_->setAutoFillBackground(true);
    status_->setBackgroundRole(QPalette::ToolTipBase);
    status_->setForegroundRole(QPalette::ToolTipText);
    status_->setFrameShape(QFrame::StyledPanel);
    status_->setMargin(2);
    status_->hide();
    statusTimer_ = new QTimer(this);
    statusTimer_->setSingleShot(true);
    connect(statusTimer_, &QTimer::timeout, this, [this] {
        // The update still runs after a moment: it shows how far it is. A note has been read.
        showStatus(worker_ ? progress_ : QString());
    });
    connect(this, &PlanLibrary::progress, this, &PlanLibrary::showProgress);
    w.installEventFilter(this);
}

bool PlanLibrary::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &w && event->type() == QEvent::Resize && status_->isVisible())
        showStatus(status_->text());
    return QObject::eventFilter(watched, event);
}

void PlanLibrary::showProgress(int done, int total)
{
    progress_ = tr("Updating the plan library\u2026 %1 of %2")
                    .arg(QLocale().toString(done), QLocale().toString(total));
    if (status_->isVisible() && worker_)
        showStatus(progress_);
}

void PlanLibrary::showStatus(const QString &text)
{
    if (text.isEmpty()) {
        status_->hide();
        return;
    }
    status_->setText(text);
    status_->setMaximumWidth(w.width());
    status_->adjustSize();
    status_->move(0, w.height() - status_->height());
    status_->raise();
    status_->show();
}

PlanLibrary::~PlanLibrary()
{
    cancel_ = true;
    if (worker_) {
        worker_->wait();
        delete worker_;
    }
}

QStringList PlanLibrary::folders() const
{
    QStringList list;
    if (!w.m.strStorageFolder.isEmpty())
        list.append(cleanFolder(w.m.strStorageFolder));
    for (const QString &f : index_->folders())
        if (!list.contains(f))
            list.append(f);
    return list;
}

void PlanLibrary::refresh()
{
    starting_ = false;
    if (worker_) {
        again_ = true;
        return;
    }
    cancel_ = false;
    progress_ = tr("Updating the plan library\u2026");
    // Only an update that takes more than a moment is shown; a note shown before goes.
    showStatus(QString());
    statusTimer_->start(400);
    const QStringList list = folders();
    worker_ = QThread::create([this, list, path = indexPath_] {
        PlanIndex index(path);
        IndexReport report;
        QString error;
        if (!index.open(&error)) {
            report.error = error;
        } else {
            report = index.update(
                list,
                [this](int done, int total) {
                    QMetaObject::invokeMethod(
                        this, [this, done, total] { Q_EMIT progress(done, total); },
                        Qt::QueuedConnection);
                },
                &cancel_);
        }
        QMetaObject::invokeMethod(
            this, [this, report] { finished(report); }, Qt::QueuedConnection);
    });
    worker_->start(QThread::LowPriority);
}

void PlanLibrary::finished(const IndexReport &report)
{
    if (worker_) {
        worker_->wait();
        delete worker_;
        worker_ = nullptr;
    }
    missing_.clear();
    for (const QString &f : report.missingFolders)
        missing_.insert(cleanFolder(f));
    QStringList notes;
    if (!report.error.isEmpty())
        notes.append(tr("The search index could not be brought up to date: %1").arg(report.error));
    if (!report.skipped.isEmpty())
        notes.append(tr("%n file(s) could not be read and are not searched.", nullptr,
                        int(report.skipped.size())));
    for (const QString &f : report.missingFolders)
        if (cleanFolder(f) != cleanFolder(w.m.strStorageFolder) || QDir(f).exists())
            notes.append(tr("The folder \"%1\" cannot be reached; its plans are not listed.")
                             .arg(QDir::toNativeSeparators(f)));
    note_ = notes.join(QLatin1Char('\n'));
    // The notes take the place of the progress for a while.
    showStatus(note_);
    if (note_.isEmpty())
        statusTimer_->stop();
    else
        statusTimer_->start(20000);
    fillList();
    Q_EMIT updated();
    if (again_) {
        again_ = false;
        refresh();
    }
}

int PlanLibrary::addPlan(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = cleanFolder(info.absolutePath());
    const bool known = folders().contains(folder);
    if (!known)
        index_->rememberFolder(folder);
    missing_.remove(folder);
    index_->indexFile(info.absoluteFilePath());
    fillList();
    if (!known)
        refresh(); // the other plans of that folder
    for (int k = 0; k < w.strPlanPaths.size(); ++k)
        if (samePlanPath(w.strPlanPaths.at(k), path))
            return k;
    return -1;
}

QString PlanLibrary::titleOf(const QString &path) const
{
    return planTitle(QFileInfo(path).fileName(), w.m.strPeriodHeading).text;
}

void PlanLibrary::fillList()
{
    struct Entry {
        QString path;
        PlanTitle title;
        QDate date;
    };
    const QStringList listed = folders();
    QList<Entry> entries;
    for (const IndexedFile &f : index_->files()) {
        const QFileInfo info(f.path);
        const QString folder = cleanFolder(info.absolutePath());
        if (!listed.contains(folder) || missing_.contains(folder))
            continue;
        Entry e{f.path, planTitle(info.fileName(), w.m.strPeriodHeading), {}};
        e.date = e.title.week.isValid() ? e.title.week : f.modified.date();
        entries.append(e);
    }
    // Plans by course, newest week first; files that are no plans after them, by name.
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        if (a.title.isPlan != b.title.isPlan)
            return a.title.isPlan;
        if (!a.title.isPlan)
            return QString::localeAwareCompare(a.title.text, b.title.text) < 0;
        if (const int c = QString::compare(a.title.course, b.title.course, Qt::CaseInsensitive))
            return c < 0;
        if (a.date != b.date)
            return a.date > b.date;
        return QString::localeAwareCompare(a.title.text, b.title.text) < 0;
    });

    QComboBox *list = w.cboOldPlans;
    // Nothing changed: the list is left alone, so that an open list does not close under the
    // teacher when the index has caught up.
    bool same = list->count() == entries.size() + 1 && w.strPlanPaths.size() == entries.size() &&
                list->itemData(list->count() - 1, Qt::ToolTipRole).isValid();
    for (qsizetype k = 0; same && k < entries.size(); ++k)
        same = w.strPlanPaths.at(k) == entries.at(k).path &&
               list->itemText(int(k)) == entries.at(k).title.text;
    if (same)
        return;
    const int chosen = list->currentIndex();
    const QString chosenPath =
        chosen >= 0 && chosen < w.strPlanPaths.size() ? w.strPlanPaths.at(chosen) : QString();
    list->clear();
    w.strPlanPaths.clear();
    for (const Entry &e : std::as_const(entries)) {
        list->addItem(e.title.text);
        list->setItemData(list->count() - 1, QDir::toNativeSeparators(e.path), Qt::ToolTipRole);
        w.strPlanPaths.append(e.path);
    }
    list->addItem(PlanFiles::browseEntry());
    list->setItemData(list->count() - 1, PlanFiles::browseEntry(), Qt::ToolTipRole);
    int select = 0;
    for (int k = 0; k < w.strPlanPaths.size(); ++k)
        if (!chosenPath.isEmpty() && samePlanPath(w.strPlanPaths.at(k), chosenPath))
            select = k;
    list->setCurrentIndex(select);
    w.cmdPrev->setEnabled(list->isEnabled());
    // The open list is as wide as its longest title, whatever the width of the box.
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + 24);
}

QList<SearchHit> PlanLibrary::search(const QString &typed) const
{
    return index_->search(typed);
}

void PlanLibrary::showSearch()
{
    if (!search_)
        search_ = new frmSearch(w);
    refresh();
    search_->show();
    search_->raise();
    search_->activateWindow();
    search_->focusQuery();
}
