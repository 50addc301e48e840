#pragma once

#include "platform/form.h"
#include "screens/screencontext.h"

#include <QString>
#include <QVector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The courses or subjects a plan can be made for (up to ten) and the heading word printed
// before the course. Written to the settings on Done, which also refills the main window's
// course list.
class frmSetupCourseList : public Form
{
    Q_OBJECT
public:
    explicit frmSetupCourseList(ScreenContext &ctx, QWidget *parent = nullptr);

    void Form_Activate() override;

    void cmdChange_Click();
    void txtNewHeading_Change();
    void txtCourse_LostFocus(int Index);
    void cmdDone_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    // The heading word without any trailing colon (the colon is added when it is written).
    static QString withoutTrailingColons(QString heading);

    static constexpr int CourseSlots = 10;
    static constexpr int HelpContext = 10021;

    // The new heading typed since the dialog was shown ("" when none).
    QString strNewHeading;

    QGroupBox *fraHeading = nullptr;
    QLabel *lblCurrently = nullptr;
    QLabel *lblHeading = nullptr;
    QPushButton *cmdChange = nullptr;
    QLineEdit *txtNewHeading = nullptr;
    QGroupBox *fraCourses = nullptr;
    QVector<QLineEdit *> txtCourse; // 0..9
    QVector<QLabel *> lblCourse;    // 0..9
    QPushButton *cmdDone = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdHelp = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    // The main window's course list follows the saved courses.
    void refillMainCourses();

    ScreenContext ctx_;
};
