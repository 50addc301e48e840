#pragma once

#include "platform/form.h"
#include "screens/screencontext.h"
#include "settings/settings.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The instructor, school year, school name and abbreviation, plan type (weekly with the days of
// the instructional week, or unit plans) and the order of the parts of the heading line, with a
// live sample of that line. Edits are held in the dialog and written to the settings on Done;
// only the two school check boxes take effect (and are stored) at once.
class frmSetupNameCourses : public Form
{
    Q_OBJECT
public:
    explicit frmSetupNameCourses(ScreenContext &ctx, QWidget *parent = nullptr);

    void Form_Load() override;
    void Form_Activate() override;

    void txtTName_Change();
    void txtTName_LostFocus();
    void txtFull_Change();
    void txtFull_LostFocus();
    void txtAbbrev_Change();
    void txtAbbrev_LostFocus();
    void chkUseFull_Click();
    void chkUseAbb_Click();
    void cboYr_Click();
    void optWeekly_Click();
    void optUnit_Click();
    void cboStartDay_Click();
    void cboEndDay_Click();
    void lblWk1_Click();
    void optOrder_Click(int Index);
    void cmdDone_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    // The school years offered, "2008 - 2009" onwards, up to the one that starts five years
    // after the given year (and never fewer than up to "2025 - 2026").
    static QStringList schoolYears(int currentYear);
    // The caption of heading order choice index for the plan word ("Week" or "Unit").
    static QString orderCaption(int index, const QString &planWord);
    // The sample heading line for an order: school is the school line ("" when not shown),
    // then the name, the saved school year and the week or unit text.
    static QString sampleHeading(int order, const QString &school, const QString &name,
                                 const QString &year, const QString &week);

    static constexpr int HelpContext = 10020;

    // What the dialog holds while it is open; Done commits it.
    int intOrderChoice = 0;
    QString strYearAtOpen;
    QString strYearChoice;
    QString strNameEntry;
    QString strSchoolEntry;
    QString strAbbrevEntry;
    bool blnWeeklyChoice = true;
    QString strPlanWord = QStringLiteral("Week");
    QString strSampleWeek = QStringLiteral("Week of October 20");

    QLabel *lblName = nullptr;
    QLineEdit *txtTName = nullptr;
    QLabel *lblYear = nullptr;
    QComboBox *cboYr = nullptr;
    QGroupBox *fraSchool = nullptr;
    QCheckBox *chkUseFull = nullptr;
    QLineEdit *txtFull = nullptr;
    QCheckBox *chkUseAbb = nullptr;
    QLineEdit *txtAbbrev = nullptr;
    QGroupBox *fraType = nullptr;
    QRadioButton *optWeekly = nullptr;
    QLabel *lblWk1 = nullptr;
    QComboBox *cboStartDay = nullptr;
    QLabel *lblWk2 = nullptr;
    QComboBox *cboEndDay = nullptr;
    QRadioButton *optUnit = nullptr;
    QGroupBox *fraDisplay = nullptr;
    QVector<QRadioButton *> optOrder; // 0..3
    QLabel *lblSample = nullptr;
    QPushButton *cmdDone = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdHelp = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void relabelOrders();
    void buildSample();
    void updateDoneCancel();
    void fillEndDays(int start);
    void selectWeekly();
    // After a change of the school week the main window's date must be picked again.
    void resetMainDate();
    // Selects the list entry of the saved school year, however it is written; a readable year
    // the list does not reach is added to it, so Done never stores another year unasked.
    void selectSavedYear(const QString &year);
    // A school box changed: in effect and stored at once. False (and nothing changed) when the
    // store fails.
    bool storeBoxChange(bool SettingsRecord::*flag, bool use);

    ScreenContext ctx_;
    // The settings as they were when the dialog was shown, to tell whether Done changed them.
    SettingsRecord atOpen_;
};
