#include "screens/sectionheadingdialog.h"

#include "platform/ui.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SectionHeadingDialog::SectionHeadingDialog(ScreenContext &ctx, const QString &name,
                                           const QString &caption, int helpContextId,
                                           QWidget *parent)
    : DoneCancelDialog(ctx, name, caption, helpContextId, parent)
{
}

QString SectionHeadingDialog::cleanHeading(const QString &heading)
{
    return ReplaceQuotes(stripTrailingColons(heading));
}

QLineEdit *SectionHeadingDialog::makeHeadingBox(const QString &name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(HeadingLength);
    restHeadingBox(box, true);
    return box;
}

void SectionHeadingDialog::openHeadingBox(QLineEdit *box)
{
    ui::setBackColor(box, ui::white());
    box->setEnabled(true);
    box->setFocus(Qt::OtherFocusReason);
}

void SectionHeadingDialog::restHeadingBox(QLineEdit *box, bool disable)
{
    box->clear();
    box->setMaxLength(HeadingLength);
    ui::setBackColor(box, ui::buttonFace());
    if (disable)
        box->setEnabled(false);
}

SectionHeadingDialog::HeadingBlock
SectionHeadingDialog::makeHeadingBlock(const HeadingBlockNames &names)
{
    HeadingBlock block;
    block.check = new QCheckBox(names.checkCaption, this);
    block.check->setObjectName(names.check);

    block.frame = new QGroupBox(this);
    block.frame->setObjectName(names.frame);
    auto *currently = new QLabel(QStringLiteral("Currently..."), block.frame);
    currently->setObjectName(QStringLiteral("lblCurrently") + names.current);
    block.current = new QLabel(block.frame);
    block.current->setObjectName(names.current);
    QFont bold = block.current->font();
    bold.setBold(true);
    block.current->setFont(bold);
    block.box = makeHeadingBox(names.box, block.frame);
    block.change = makeButton(names.change, names.changeCaption, block.frame);

    auto *layout = new QVBoxLayout(block.frame);
    auto *shown = new QHBoxLayout;
    shown->addWidget(currently);
    shown->addWidget(block.current, 1);
    layout->addLayout(shown);
    auto *edit = new QHBoxLayout;
    edit->addWidget(block.box, 1);
    edit->addWidget(block.change);
    layout->addLayout(edit);
    return block;
}

void SectionHeadingDialog::takeTypedHeading(const QString &text)
{
    strHeadingEdit = text.isEmpty() ? strHeadingBeforeTyping : text;
}

bool SectionHeadingDialog::followCheck(const HeadingBlock &block)
{
    const bool ticked = block.check->isChecked();
    block.frame->setVisible(ticked);
    return ticked;
}

ShownHeadingDialog::ShownHeadingDialog(ScreenContext &ctx, const QString &name,
                                       const QString &caption, int helpContextId,
                                       const HeadingBlockNames &names, Section section,
                                       QWidget *parent)
    : SectionHeadingDialog(ctx, name, caption, helpContextId, parent), section_(section)
{
    block = makeHeadingBlock(names);
    content()->addWidget(block.check);
    content()->addWidget(block.frame);

    connect(block.check, &QCheckBox::toggled, this, &ShownHeadingDialog::showClick);
    connect(block.change, &QPushButton::clicked, this, &ShownHeadingDialog::changeClick);
    connect(block.box, &QLineEdit::textChanged, this, &ShownHeadingDialog::boxChange);
    connect(FocusEvents::of(block.box), &FocusEvents::gotFocus, this,
            &ShownHeadingDialog::boxGotFocus);
    connect(FocusEvents::of(block.box), &FocusEvents::lostFocus, this,
            &ShownHeadingDialog::boxLostFocus);
}

void ShownHeadingDialog::Form_Activate()
{
    block.check->setChecked(m.*section_.show);
    showClick(); // as when the box is ticked or cleared
    restHeadingBox(block.box, true);
    strHeadingEdit = m.*section_.heading;
    strHeadingBeforeTyping = strHeadingEdit;
    block.current->setText(m.*section_.heading + QLatin1Char(':'));
}

void ShownHeadingDialog::showClick()
{
    blnShowEdit = followCheck(block);
}

void ShownHeadingDialog::changeClick()
{
    openHeadingBox(block.box);
}

void ShownHeadingDialog::boxChange()
{
    // Emptying the field keeps the heading as it was.
    takeTypedHeading(block.box->text());
}

void ShownHeadingDialog::boxGotFocus()
{
    selectOnFocus(block.box);
}

void ShownHeadingDialog::boxLostFocus()
{
    strHeadingEdit = ReplaceQuotes(strHeadingEdit);
}

void ShownHeadingDialog::applyEdits()
{
    strHeadingEdit = cleanHeading(strHeadingEdit);
    m.*section_.show = blnShowEdit;
    m.*section_.heading = strHeadingEdit;
}
