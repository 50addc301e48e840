#pragma once

#include <QWidget>

class QLabel;
class QTimer;
class frmMain;

// The splash window: shown at start-up while the main window loads hidden, and for five
// seconds after; then it shows the main window and goes away.
class frmDedication : public QWidget
{
    Q_OBJECT
public:
    explicit frmDedication(frmMain &main, QWidget *parent = nullptr);

    // Loads the main window (hidden) and starts the splash timer.
    void Form_Load();
    void TimerSplash_Timer();

    // The splash picture, drawn by the program.
    static QPixmap picture();

    QLabel *Image1 = nullptr;
    QTimer *TimerSplash = nullptr;

private:
    frmMain &main_;
};
