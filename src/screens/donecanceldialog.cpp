#include "screens/donecanceldialog.h"

#include "platform/platform.h"
#include "screens/storesettings.h"
#include "settings/settings.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

FocusEvents::FocusEvents(QWidget *widget) : QObject(widget)
{
    widget->installEventFilter(this);
}

FocusEvents *FocusEvents::of(QWidget *widget)
{
    if (auto *existing = widget->findChild<FocusEvents *>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new FocusEvents(widget);
}

bool FocusEvents::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        // Switching to another window or opening a context menu is not the teacher moving
        // between fields.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (event->type() == QEvent::FocusIn)
                Q_EMIT gotFocus(reason);
            else
                Q_EMIT lostFocus();
        }
    }
    return QObject::eventFilter(watched, event);
}

DoneCancelDialog::DoneCancelDialog(ScreenContext &ctx, const QString &name, const QString &caption,
                                   int helpContextId, QWidget *parent)
    : Form(ctx.platform, parent), ctx(ctx), m(ctx.m)
{
    setObjectName(name);
    setWindowTitle(caption);
    setHelpContextId(helpContextId);

    auto *outer = new QVBoxLayout(this);
    content_ = new QVBoxLayout;
    outer->addLayout(content_);
    outer->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdDone = makeButton(QStringLiteral("cmdDone"), QStringLiteral("&Done"), this);
    cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"), this);
    setEscapeButton(cmdCancel);
    cmdHelp = makeButton(QStringLiteral("cmdHelp"), QStringLiteral("&Help"), this);
    buttons->addWidget(cmdDone);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdHelp);
    outer->addLayout(buttons);

    highlightOnHover(cmdHelp);
    connect(cmdDone, &QPushButton::clicked, this, &DoneCancelDialog::cmdDone_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &DoneCancelDialog::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &DoneCancelDialog::cmdHelp_Click);
}

QPushButton *DoneCancelDialog::makeButton(const QString &name, const QString &caption,
                                          QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void DoneCancelDialog::cmdDone_Click()
{
    const SettingsRecord before = m.record();
    applyEdits();
    if (m.record() != before && !storeSettings(m.record(), ctx.store, ctx.platform)) {
        // The teacher has been told; the settings stay as they were stored and the dialog
        // stays open, with the edits, to try again.
        m.record() = before;
        return;
    }
    hide();
}

void DoneCancelDialog::cmdCancel_Click()
{
    if (confirmAbandon())
        hide();
}

void DoneCancelDialog::cmdHelp_Click()
{
    showContextHelp();
}

void DoneCancelDialog::selectOnFocus(QLineEdit *box, int length)
{
    if (!box)
        return;
    const auto select = [box, length] {
        const int n = length < 0 ? int(box->text().size()) : qMin(length, int(box->text().size()));
        box->setSelection(0, n);
    };
    select();
    // A mouse click places the caret after the focus has arrived; select again once it has.
    QTimer::singleShot(0, box, [box, select] {
        if (box->hasFocus())
            select();
    });
}

QString DoneCancelDialog::stripTrailingColons(QString heading)
{
    while (heading.endsWith(QLatin1Char(':')))
        heading.chop(1);
    return heading;
}
