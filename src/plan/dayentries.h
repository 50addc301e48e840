#pragma once

#include <QObject>
#include <QString>

class EnterTwice;
class frmEdit;
class frmMain;
class frmSpecialNote;
class frmTimeOnTask;
class frmUnit;

// The entries of a day before they are written: the objective, the choice of an activity or
// assessment item, its description and time on task, and the list of accepted items with its
// editor; the unit goal and the special note.
class DayEntries : public QObject
{
    Q_OBJECT
public:
    explicit DayEntries(frmMain &w);

    void txtObjective_GotFocus();
    void txtObjective_LostFocus();
    void cmdContinue_Click();
    void optTask_Click(int index);
    void lblTask_Click(int index);
    void cmdOK_Click();
    void lstAdd_DblClick();
    void FrameLabel_Change();
    void cmdNewUnit_Click();
    void cmdNote_Click();
    // Empties the special note offered for the day.
    void clearSpecialNote();

    // The short form of a description in the list: breaks as two blanks, at most 21
    // characters whole, else 19 and "...".
    static QString shortForm(const QString &description);
    // The time text in front of an item: the template with X replaced by the time, one more
    // blank after a short time; empty without a time.
    static QString timeText(const QString &templ, const QString &timeOnTask);
    // The full entry: time text, then the description without trailing blanks and breaks,
    // its continuation lines indented to clear the time text.
    static QString fullEntry(const QString &timeText, const QString &timeOnTask,
                             const QString &description);

    frmTimeOnTask *timeDialog();
    frmEdit *editDialog();
    frmUnit *unitDialog();
    frmSpecialNote *noteDialog();

    bool blnDescriptionEdited = false;
    int intObjectiveCaret = 0;

Q_SIGNALS:
    // The free item was chosen on the first entry of a day: the day may be non-instructional.
    void nonInstructionalDayChosen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void deselectItems();

    frmMain &w;
    EnterTwice *descriptionKeys_ = nullptr;
    frmTimeOnTask *time_ = nullptr;
    frmEdit *edit_ = nullptr;
    frmUnit *unit_ = nullptr;
    frmSpecialNote *note_ = nullptr;
};
