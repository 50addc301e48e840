#pragma once

#include <QDialog>
#include <QElapsedTimer>

class frmMain;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QTimer;

// The search window of the plan library (Ctrl+F): the plans holding every word typed, with a
// line of context each, best and newest first. Choosing one shows it in the viewer with the
// words marked. It stays open beside the main window.
class frmSearch : public QDialog
{
    Q_OBJECT
public:
    explicit frmSearch(frmMain &w);

    void focusQuery();
    // Searches for what is typed now (typing searches after a short pause).
    void runSearch();
    // Shows the chosen plan in the viewer.
    void openHit(QListWidgetItem *item);

    QLineEdit *txtSearch = nullptr;
    QListWidget *lstHits = nullptr;
    QLabel *lblStatus = nullptr;
    QProgressBar *prgIndex = nullptr;

private:
    void indexing(int done, int total);
    void indexed();
    void showStatus();

    frmMain &w;
    QTimer *typing_ = nullptr;
    QElapsedTimer since_;
    int found_ = -1;
};
