#pragma once

#include "platform/form.h"
#include "screens/screencontext.h"

class frmEditStandard;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// The standards list and how plans show it. The top section (show box, heading word, display
// mode, once-only option) is taken over on Done; additions, edits and deletions of the list go
// through frmEditStandard and are recorded at once, so Cancel does not undo them.
class frmStandards : public Form
{
    Q_OBJECT
public:
    explicit frmStandards(ScreenContext &ctx, QWidget *parent = nullptr);

    void Form_Load() override;
    void Form_Activate() override;

    // Fills the list from the standards in the settings.
    void LoadStandards();

    void chkShowStandards_Click();
    void lstStandards_Click();
    void cmdAdd_Click();
    void cmdEdit_Click();
    void optFullText_Click();
    void optPrefix_Click();
    void cmdChange_Click();
    void cmdDone_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    // The editor of one standard, made on first use and kept.
    frmEditStandard *editStandardDialog();

    static constexpr int HelpContext = 10031;

    QCheckBox *chkShowStandards = nullptr;
    QGroupBox *fraStandards = nullptr;
    QLabel *lblCurrently = nullptr;
    QLabel *lblHeading = nullptr;
    QPushButton *cmdChange = nullptr;
    QLineEdit *txtNewHeading = nullptr;
    QRadioButton *optFullText = nullptr;
    QRadioButton *optPrefix = nullptr;
    QCheckBox *chkOncePerWeek = nullptr;
    QLabel *lblCaution = nullptr;
    QLabel *lblChanges = nullptr;
    QLabel *lblDisabledChanges = nullptr;
    QLabel *lblInstructions = nullptr;
    QListWidget *lstStandards = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdDone = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdHelp = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void createControls();
    // The options and the list are in use only while the standards are shown.
    void applyShowRule();
    // Opens the editor for entry i in the given mode; the list follows what it records.
    void editEntry(int i, const QString &mode);

    ScreenContext ctx_;
    frmEditStandard *editStandard_ = nullptr;
};
