#pragma once

#include <QObject>
#include <QString>

class EnterTwice;
class frmMain;

// Writing the day into the Lesson Plan Document: the day's heading lines, the list heading,
// the numbered entries and the closure; the non-instructional day; the choice of the step that
// follows; and the close of the plan. Every write sets the three attributes it relies on, so
// nothing leaks from the write before it.
class DayWriter : public QObject
{
    Q_OBJECT
public:
    explicit DayWriter(frmMain &w);

    void cmdDone1_Click();
    void FinishList(bool nonInstructional);
    void NonInstructionalDay();
    void EndOfPlan();

    // Appends text at the end of the document with exactly these attributes.
    void append(const QString &text, bool bold, bool italic, bool underline);
    // The teacher may have typed at the end of the document without ending the line: each
    // step's writing begins on a line of its own.
    void startLine();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void endDay();
    // The special note of the day, once, in its enclosure.
    void writeSpecialNote(bool bold, bool italic);
    void noteWritten();

    frmMain &w;
    EnterTwice *closureKeys_ = nullptr;
};
