#include "plan/entrydialog.h"

#include "app/frmmain.h"
#include "document/clipboard.h"
#include "platform/entertwice.h"
#include "platform/platform.h"
#include "platform/ui.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

EntryDialog::EntryDialog(frmMain &main, const QString &fieldName, const QString &doneName,
                         bool withHint)
    : Form(main.platform, &main), main_(main)
{
    field_ = new QPlainTextEdit(this);
    field_->setObjectName(fieldName);
    field_->setTabChangesFocus(true);
    field_->setMinimumSize(420, 110);
    if (withHint) {
        hint_ =
            new QLabel(QStringLiteral("When finished, hit <ENTER> twice or click 'Done'"), this);
        hint_->setObjectName(QStringLiteral("lblTwice"));
        // The hint's room is kept while it is hidden, so the dialog does not widen under the
        // pointer when it appears.
        QSizePolicy keepRoom = hint_->sizePolicy();
        keepRoom.setRetainSizeWhenHidden(true);
        hint_->setSizePolicy(keepRoom);
        hint_->hide();
    }
    done_ = new QPushButton(QStringLiteral("&Done"), this);
    done_->setObjectName(doneName);
    done_->setAutoDefault(false);
    cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    cancel_->setAutoDefault(false);
    setEscapeButton(cancel_);

    auto *buttons = new QHBoxLayout;
    if (hint_)
        buttons->addWidget(hint_, 1);
    else
        buttons->addStretch(1);
    buttons->addWidget(done_);
    buttons->addWidget(cancel_);
    layout_ = new QVBoxLayout(this);
    layout_->addWidget(field_, 1);
    layout_->addLayout(buttons);

    enterTwice_ = new EnterTwice(field_, hint_, EnterTwice::Options{});
    connect(enterTwice_, &EnterTwice::accepted, this, &EntryDialog::done);
    connect(done_, &QPushButton::clicked, this, &EntryDialog::done);
    connect(cancel_, &QPushButton::clicked, this, &EntryDialog::cancel);
    field_->installEventFilter(this);
}

QString EntryDialog::entryText() const
{
    return ui::toCrLf(field_->toPlainText());
}

void EntryDialog::setEntryText(const QString &text)
{
    field_->setPlainText(ui::fromCrLf(text));
}

void EntryDialog::cancel()
{
    if (!confirmAbandon())
        return;
    cancelled();
    hide();
}

bool EntryDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == field_ && event->type() == QEvent::FocusIn)
        normaliseClipboard(main_.m, platform);
    return Form::eventFilter(watched, event);
}
