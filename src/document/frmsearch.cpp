#include "document/frmsearch.h"

#include "app/frmmain.h"
#include "document/library.h"
#include "document/viewer.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

frmSearch::frmSearch(frmMain &w) : QDialog(&w, Qt::Tool), w(w)
{
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(tr("Search the Lesson Plans"));
    setModal(false);
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setPlaceholderText(tr("Words to find in earlier plans"));
    txtSearch->setClearButtonEnabled(true);
    lstHits = new QListWidget(this);
    lstHits->setObjectName(QStringLiteral("lstHits"));
    lstHits->setWordWrap(true);
    lstHits->setAlternatingRowColors(true);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    prgIndex = new QProgressBar(this);
    prgIndex->setObjectName(QStringLiteral("prgIndex"));
    prgIndex->setFormat(tr("Reading plans: %v of %m"));
    prgIndex->hide();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(txtSearch);
    layout->addWidget(lstHits, 1);
    layout->addWidget(prgIndex);
    layout->addWidget(lblStatus);
    resize(520, 560);

    typing_ = new QTimer(this);
    typing_->setSingleShot(true);
    typing_->setInterval(150);
    connect(typing_, &QTimer::timeout, this, &frmSearch::runSearch);
    connect(txtSearch, &QLineEdit::textEdited, typing_, qOverload<>(&QTimer::start));
    // Enter in the field opens the best hit; Enter or a double click in the list the chosen one.
    connect(txtSearch, &QLineEdit::returnPressed, this, [this] {
        runSearch();
        if (lstHits->count() > 0) {
            lstHits->setCurrentRow(0);
            openHit(lstHits->item(0));
        }
    });
    connect(lstHits, &QListWidget::itemActivated, this, &frmSearch::openHit);
    connect(w.library, &PlanLibrary::progress, this, &frmSearch::indexing);
    connect(w.library, &PlanLibrary::updated, this, &frmSearch::indexed);
    showStatus();
}

void frmSearch::focusQuery()
{
    txtSearch->setFocus(Qt::ShortcutFocusReason);
    txtSearch->selectAll();
}

void frmSearch::runSearch()
{
    typing_->stop();
    lstHits->clear();
    const QString typed = txtSearch->text();
    if (searchWords(typed).isEmpty()) {
        found_ = -1;
        showStatus();
        return;
    }
    const QList<SearchHit> hits = w.library->search(typed);
    for (const SearchHit &hit : hits) {
        auto *item =
            new QListWidgetItem(w.library->titleOf(hit.path) + QLatin1Char('\n') + hit.context);
        item->setData(Qt::UserRole, hit.path);
        item->setToolTip(QFileInfo(hit.path).fileName());
        lstHits->addItem(item);
    }
    found_ = int(hits.size());
    showStatus();
}

void frmSearch::openHit(QListWidgetItem *item)
{
    if (!item)
        return;
    w.viewer->viewPlan(item->data(Qt::UserRole).toString(), searchWords(txtSearch->text()));
}

void frmSearch::indexing(int done, int total)
{
    if (done == 0)
        since_.start();
    // A quick look at the folders shows nothing; a long reading shows how far it is.
    if (total > 0 && since_.isValid() && since_.elapsed() > 300) {
        prgIndex->setRange(0, total);
        prgIndex->setValue(done);
        prgIndex->show();
    }
}

void frmSearch::indexed()
{
    prgIndex->hide();
    since_.invalidate();
    if (found_ >= 0)
        runSearch();
    else
        showStatus();
}

void frmSearch::showStatus()
{
    QStringList lines;
    if (found_ == 0)
        lines.append(tr("No plan holds all of these words."));
    else if (found_ > 0)
        lines.append(tr("%n plan(s) found. Enter or a double click shows one; F3 and Shift+F3 "
                        "go from match to match.",
                        nullptr, found_));
    if (!w.library->note().isEmpty())
        lines.append(w.library->note());
    lblStatus->setText(lines.join(QLatin1Char('\n')));
    lblStatus->setVisible(!lines.isEmpty());
}
