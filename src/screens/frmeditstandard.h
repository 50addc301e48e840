#pragma once

#include "platform/form.h"
#include "screens/screencontext.h"

#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// One standard of the standards list, added or edited: its number/prefix and its full text.
// Done records it at once (and stores the settings); Delete removes it from the list and from
// every course's choices. The line of the standards screen's list follows either way.
class frmEditStandard : public Form
{
    Q_OBJECT
public:
    explicit frmEditStandard(ScreenContext &ctx, QWidget *parent = nullptr);

    // The entry to edit; for an addition, the index the new entry will have (the list's size).
    void SetUp(int i);
    // "ADD" or "EDIT".
    void SetMode(const QString &s);
    // The list of the standards screen whose lines follow the entries.
    void setStandardsList(QListWidget *list) { standardsList_ = list; }

    void Form_Activate() override;

    void cmdDone_Click();
    void cmdDelete_Click();
    void cmdCancel_Click();
    // Done is offered while either field holds something.
    void EnableDone();

    // A standard as the standards screen lists it: number/prefix, three blanks, full text (the
    // text alone follows a blank number/prefix directly).
    static QString standardLine(const QString &code, const QString &text);
    // A typed field as it is stored: line breaks become three blanks, double quotes two
    // apostrophes.
    static QString storedText(const QString &typed);
    // A course's choice digits without the digit of the removed entry.
    static QString withoutChoice(const QString &choices, int removed);

    static constexpr int HelpContext = 10032;

    QLabel *lblPre = nullptr;
    QLineEdit *txtPre = nullptr;
    QLabel *lblSta = nullptr;
    QPlainTextEdit *txtSta = nullptr;
    QPushButton *cmdDone = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdCancel = nullptr;

    int index() const { return index_; }
    QString mode() const { return mode_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();

    ScreenContext ctx_;
    QListWidget *standardsList_ = nullptr;
    int index_ = 0;
    QString mode_ = QStringLiteral("EDIT");
};
