#include "screens/frmnote.h"

#include "app/frmmain.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

frmNote::frmNote(ScreenContext &ctx, QWidget *parent)
    : SectionHeadingDialog(ctx, QStringLiteral("frmNote"), QStringLiteral("  SPECIAL NOTE"), 10046,
                           parent)
{
    chkNote = new QCheckBox(QStringLiteral("&Show Special Note"), this);
    chkNote->setObjectName(QStringLiteral("chkNote"));
    NoteFrame = new QGroupBox(this);
    NoteFrame->setObjectName(QStringLiteral("NoteFrame"));
    const auto option = [this](const QString &name, const QString &caption) {
        auto *button = new QRadioButton(caption, NoteFrame);
        button->setObjectName(name);
        return button;
    };
    optBrackets = option(QStringLiteral("optBrackets"),
                         QStringLiteral("Enclose special note in [ &BRACKETS ]"));
    optParentheses = option(QStringLiteral("optParentheses"),
                            QStringLiteral("Enclose special note in ( &PARENTHESES )"));
    optOther = option(QStringLiteral("optOther"), QStringLiteral("Do &NOT enclose special note"));

    auto *frameLayout = new QVBoxLayout(NoteFrame);
    frameLayout->addWidget(optBrackets);
    frameLayout->addWidget(optParentheses);
    frameLayout->addWidget(optOther);
    content()->addWidget(chkNote);
    content()->addWidget(NoteFrame);

    connect(chkNote, &QCheckBox::toggled, this, &frmNote::chkNote_Click);
    connect(optBrackets, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            optBrackets_Click();
    });
    connect(optParentheses, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            optParentheses_Click();
    });
    connect(optOther, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            optOther_Click();
    });
}

void frmNote::Form_Activate()
{
    chkNote->setChecked(m.blnShowNote);
    chkNote_Click();

    // The pair starts as it is, so Done without a choice keeps the enclosure. The option shown
    // is the one that encloses in the same characters, with or without the inner spaces (the
    // factory pair "[" and "]" has none); a pair of some other kind shows no option.
    strOpenEdit = m.strNoteOpen;
    strCloseEdit = m.strNoteClose;
    const QString open = m.strNoteOpen.trimmed();
    QRadioButton *shown = nullptr;
    if (open == QLatin1String("["))
        shown = optBrackets;
    else if (open == QLatin1String("("))
        shown = optParentheses;
    else if (open.isEmpty())
        shown = optOther;

    const QSignalBlocker b1(optBrackets), b2(optParentheses), b3(optOther);
    for (QRadioButton *button : {optBrackets, optParentheses, optOther})
        button->setAutoExclusive(false);
    for (QRadioButton *button : {optBrackets, optParentheses, optOther})
        button->setChecked(button == shown);
    for (QRadioButton *button : {optBrackets, optParentheses, optOther})
        button->setAutoExclusive(true);
}

void frmNote::chkNote_Click()
{
    blnShowEdit = chkNote->isChecked();
    NoteFrame->setVisible(blnShowEdit);
}

void frmNote::optBrackets_Click()
{
    strOpenEdit = QStringLiteral("[ ");
    strCloseEdit = QStringLiteral(" ]");
}

void frmNote::optParentheses_Click()
{
    strOpenEdit = QStringLiteral("( ");
    strCloseEdit = QStringLiteral(" )");
}

void frmNote::optOther_Click()
{
    strOpenEdit.clear();
    strCloseEdit.clear();
}

void frmNote::applyEdits()
{
    m.blnShowNote = blnShowEdit;
    m.strNoteOpen = strOpenEdit;
    m.strNoteClose = strCloseEdit;
    if (ctx.main && ctx.main->cmdNote)
        ctx.main->cmdNote->setVisible(m.blnShowNote);
}
