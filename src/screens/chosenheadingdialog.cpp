#include "screens/chosenheadingdialog.h"

#include <QLineEdit>
#include <QRadioButton>

ChosenHeadingDialog::ChosenHeadingDialog(ScreenContext &ctx, const QString &name,
                                         const QString &caption, int helpContextId, QWidget *parent)
    : SectionHeadingDialog(ctx, name, caption, helpContextId, parent)
{
}

QRadioButton *ChosenHeadingDialog::addChoice(const QString &name, const QString &caption,
                                             const QString &word, QWidget *parent)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    choices_.append({button, word});
    connect(button, &QRadioButton::toggled, this, [this, word](bool checked) {
        if (checked)
            chooseWord(word);
    });
    return button;
}

void ChosenHeadingDialog::addOther(QWidget *parent)
{
    optOther = new QRadioButton(QStringLiteral("&Other"), parent);
    optOther->setObjectName(QStringLiteral("optOther"));
    txtOther = makeHeadingBox(QStringLiteral("txtOther"), parent);
    connect(optOther, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            optOther_Click();
    });
    connect(txtOther, &QLineEdit::textChanged, this, &ChosenHeadingDialog::txtOther_Change);
    connect(FocusEvents::of(txtOther), &FocusEvents::gotFocus, this,
            &ChosenHeadingDialog::txtOther_GotFocus);
    connect(FocusEvents::of(txtOther), &FocusEvents::lostFocus, this,
            &ChosenHeadingDialog::txtOther_LostFocus);
}

void ChosenHeadingDialog::chooseWord(const QString &word)
{
    restHeadingBox(txtOther, true);
    strHeadingEdit = word;
}

void ChosenHeadingDialog::selectHeading(const QString &heading)
{
    strHeadingEdit = heading;
    for (const Choice &choice : std::as_const(choices_)) {
        if (choice.word == heading) {
            choice.button->setChecked(true);
            chooseWord(choice.word); // also when it was selected already
            return;
        }
    }
    optOther->setChecked(true);
    optOther_Click();
    // A stored heading longer than the field allows (quotes doubled, or read from a file) is
    // shown whole: cutting it here would cut the heading that Done stores.
    txtOther->setMaxLength(qMax(int(HeadingLength), int(heading.size())));
    txtOther->setText(heading);
}

void ChosenHeadingDialog::optOther_Click()
{
    // The heading changes only once the teacher types one.
    strHeadingBeforeTyping = strHeadingEdit;
    openHeadingBox(txtOther);
}

void ChosenHeadingDialog::txtOther_Change()
{
    takeTypedHeading(txtOther->text());
}

void ChosenHeadingDialog::txtOther_GotFocus()
{
    selectOnFocus(txtOther);
}

void ChosenHeadingDialog::txtOther_LostFocus()
{
    strHeadingEdit = ReplaceQuotes(strHeadingEdit);
}
