#include "screens/activitylistdialog.h"

#include "settings/settings.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
// The access keys of the fifteen boxes: 1 to 9, then 0, then letters.
QString boxCaption(int index)
{
    static const QStringList captions = {
        QStringLiteral("&1:"), QStringLiteral("&2:"),  QStringLiteral("&3:"), QStringLiteral("&4:"),
        QStringLiteral("&5:"), QStringLiteral("&6:"),  QStringLiteral("&7:"), QStringLiteral("&8:"),
        QStringLiteral("&9:"), QStringLiteral("1&0:"), QStringLiteral("&I:"), QStringLiteral("&J:"),
        QStringLiteral("&K:"), QStringLiteral("&L:"),  QStringLiteral("&M:")};
    return captions.value(index);
}

void focus(QWidget *widget)
{
    // Moving the focus to a hidden or disabled control is passed over.
    if (widget && widget->isEnabled() && !widget->isHidden())
        widget->setFocus(Qt::OtherFocusReason);
}
} // namespace

ActivityListDialog::ActivityListDialog(ScreenContext &ctx, const QString &name,
                                       const QString &caption, int helpContextId,
                                       const QString &listCaption, const QString &punctCaption,
                                       QWidget *parent)
    : DoneCancelDialog(ctx, name, caption, helpContextId, parent)
{
    fraActivities = new QGroupBox(listCaption, this);
    fraActivities->setObjectName(QStringLiteral("fraActivities"));
    auto *grid = new QGridLayout(fraActivities);
    constexpr int perColumn = 8;
    for (int i = 0; i < BoxCount; ++i) {
        auto *box = new QLineEdit(fraActivities);
        box->setObjectName(QStringLiteral("txtActivity(%1)").arg(i));
        auto *label = new QLabel(boxCaption(i), fraActivities);
        label->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        label->setBuddy(box);
        txtActivity.append(box);
        Label1.append(label);
        const int row = i % perColumn;
        const int column = (i / perColumn) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(box, row, column + 1);

        connect(FocusEvents::of(box), &FocusEvents::gotFocus, this,
                [this, i] { txtActivity_GotFocus(i); });
        connect(box, &QLineEdit::returnPressed, this, [this, i] { txtActivity_KeyPress(i); });
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    txtPunct = new QLineEdit(this);
    txtPunct->setObjectName(QStringLiteral("txtPunct"));
    lblAuto = new QLabel(punctCaption, this);
    lblAuto->setObjectName(QStringLiteral("lblAuto"));
    lblAuto->setBuddy(txtPunct);
    Label2 = new QLabel(QStringLiteral("(none if left blank)"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    connect(FocusEvents::of(txtPunct), &FocusEvents::gotFocus, this,
            &ActivityListDialog::txtPunct_GotFocus);

    auto *punct = new QHBoxLayout;
    punct->addWidget(lblAuto);
    punct->addWidget(txtPunct);
    punct->addWidget(Label2);
    punct->addStretch();
    content()->addWidget(fraActivities);
    content()->addLayout(punct);
}

void ActivityListDialog::txtActivity_GotFocus(int Index)
{
    if (Index >= 0 && Index < txtActivity.size())
        selectOnFocus(txtActivity[Index]);
}

void ActivityListDialog::txtActivity_KeyPress(int Index)
{
    if (Index < 0 || Index >= txtActivity.size())
        return;
    if (Index + 1 < txtActivity.size())
        focus(txtActivity[Index + 1]);
    else
        focus(cmdDone);
}

void ActivityListDialog::txtPunct_GotFocus()
{
    selectOnFocus(txtPunct, 3);
}

void ActivityListDialog::showList(const QStringList &list)
{
    for (int i = 0; i < txtActivity.size(); ++i)
        txtActivity[i]->setText(list.value(i));
}

void ActivityListDialog::keepList(QStringList &list) const
{
    while (list.size() < BoxCount)
        list.append(QString());
    for (int i = 0; i < txtActivity.size(); ++i)
        list[i] = ReplaceQuotes(txtActivity[i]->text());
}
