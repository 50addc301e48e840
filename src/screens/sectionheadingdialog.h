#pragma once

#include "screens/donecanceldialog.h"
#include "settings/settings.h"

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The section heading dialogs of the setup screen: each decides whether a section of the daily
// plan is printed and which heading word introduces it. At every showing the dialog loads the
// section's settings into the values it holds; the teacher changes those; Done cleans them and
// writes them into the settings.
class SectionHeadingDialog : public DoneCancelDialog
{
    Q_OBJECT
public:
    // What the teacher is editing; written to the settings only by Done.
    QString strHeadingEdit;
    bool blnShowEdit = false;

    // A heading as it is stored: trailing colons removed, double quotes made two apostrophes.
    static QString cleanHeading(const QString &heading);

    static constexpr int HeadingLength = 50;

protected:
    SectionHeadingDialog(ScreenContext &ctx, const QString &name, const QString &caption,
                         int helpContextId, QWidget *parent);

    // A heading field: at most 50 characters, disabled and grey until its Change button opens
    // it.
    QLineEdit *makeHeadingBox(const QString &name, QWidget *parent);
    // Change: the field turns white, is enabled and gets the focus.
    static void openHeadingBox(QLineEdit *box);
    // The field emptied and grey again; disabled too unless the dialog keeps it enabled.
    static void restHeadingBox(QLineEdit *box, bool disable);

    // One heading with its show check box: the check box, and the frame holding "Currently...",
    // the current heading in bold, the field and its Change button. The caller lays out the
    // check box and the frame.
    struct HeadingBlock {
        QCheckBox *check = nullptr;
        QGroupBox *frame = nullptr;
        QLabel *current = nullptr;
        QLineEdit *box = nullptr;
        QPushButton *change = nullptr;
    };
    struct HeadingBlockNames {
        QString check;
        QString checkCaption;
        QString frame;
        QString current;
        QString box;
        QString change;
        QString changeCaption;
    };
    HeadingBlock makeHeadingBlock(const HeadingBlockNames &names);
    // A heading typed into a field. Emptying the field goes back to the heading held before
    // the teacher started typing, not to whatever was left of the typing.
    void takeTypedHeading(const QString &text);
    QString strHeadingBeforeTyping;

    // The frame follows the check box, so that a section that is not printed cannot have its
    // heading edited. Returns the state of the box.
    static bool followCheck(const HeadingBlock &block);
};

// The pattern itself: one heading and its show flag (Unit Goal, Daily Objective, Closure).
class ShownHeadingDialog : public SectionHeadingDialog
{
    Q_OBJECT
public:
    void Form_Activate() override;

protected:
    // The settings of the section the dialog edits.
    struct Section {
        bool SettingsRecord::*show;
        QString SettingsRecord::*heading;
    };
    ShownHeadingDialog(ScreenContext &ctx, const QString &name, const QString &caption,
                       int helpContextId, const HeadingBlockNames &names, Section section,
                       QWidget *parent);

    void applyEdits() override;

    // The handlers of the pattern; each dialog names them after its own controls.
    void showClick();
    void changeClick();
    void boxChange();
    void boxGotFocus();
    void boxLostFocus();

    HeadingBlock block;

private:
    Section section_;
};
