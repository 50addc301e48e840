#pragma once

#include "screens/sectionheadingdialog.h"

#include <QList>

class QRadioButton;

// A heading chosen from a few standard words, or typed after choosing Other (the period/group
// heading and the tasks heading).
class ChosenHeadingDialog : public SectionHeadingDialog
{
    Q_OBJECT
public:
    QRadioButton *optOther = nullptr;
    QLineEdit *txtOther = nullptr;

    void optOther_Click();
    void txtOther_Change();
    void txtOther_GotFocus();
    virtual void txtOther_LostFocus();

protected:
    ChosenHeadingDialog(ScreenContext &ctx, const QString &name, const QString &caption,
                        int helpContextId, QWidget *parent);

    // A standard option that chooses its word.
    QRadioButton *addChoice(const QString &name, const QString &caption, const QString &word,
                            QWidget *parent);
    // The Other option and its field; call after the standard options.
    void addOther(QWidget *parent);
    // Choosing a standard option: its word becomes the heading and the field is put away.
    void chooseWord(const QString &word);
    // Selects the option of the heading, or Other with the heading in the field.
    void selectHeading(const QString &heading);

private:
    struct Choice {
        QRadioButton *button;
        QString word;
    };
    QList<Choice> choices_;
};
