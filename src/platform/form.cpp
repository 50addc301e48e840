#include "platform/form.h"

#include "platform/platform.h"
#include "platform/ui.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLayout>
#include <QPushButton>
#include <QShortcut>

Form::Form(Platform &platform, QWidget *parent) : QDialog(parent), platform(platform)
{
    setMouseTracking(true);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &Form::showContextHelp);
}

void Form::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    Form_Load();
}

void Form::showContextHelp()
{
    platform.showHelp(helpContextId_);
}

bool Form::confirmAbandon()
{
    return platform.messageBox(QStringLiteral("Quit without saving changes?"),
                               QStringLiteral("Abandon Changes?"), Platform::Buttons::YesNo,
                               Platform::Icon::Question) == Platform::Answer::Yes;
}

void Form::reject()
{
    // (QDialog's close event comes here too, and keeps the dialog open while it is shown.)
    if (escapeButton_)
        escapeButton_->click();
    else
        QDialog::reject();
}

QHBoxLayout *Form::doneCancelHelpRow(QPushButton *&done, QPushButton *&cancel, QPushButton *&help)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    const auto make = [this, row](const QString &name, const QString &caption) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        row->addWidget(button);
        return button;
    };
    done = make(QStringLiteral("cmdDone"), QStringLiteral("&Done"));
    cancel = make(QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"));
    help = make(QStringLiteral("cmdHelp"), QStringLiteral("&Help"));
    highlightOnHover(help);
    setEscapeButton(cancel);
    return row;
}

void Form::highlightOnHover(QAbstractButton *button)
{
    hoverButtons_.append(button);
    button->installEventFilter(this);
}

void Form::showEvent(QShowEvent *event)
{
    load();
    QDialog::showEvent(event);
    Form_Activate();
    // What the activation wrote may need more room; the dialog grows to it before it is seen,
    // and stays on the screen whatever its size.
    if (layout())
        layout()->activate();
    ui::nameControls(this);
    ui::keepOnScreen(this);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        // Leaving the button counts as being over the rest of the dialog, also where another
        // control (or nothing of ours) takes the pointer's moves.
        if (auto *button = qobject_cast<QAbstractButton *>(watched);
            button && hoverButtons_.contains(button))
            ui::setBackColor(button,
                             event->type() == QEvent::Enter ? ui::yellow() : ui::buttonFace());
    }
    return QDialog::eventFilter(watched, event);
}

void Form::mouseMoveEvent(QMouseEvent *event)
{
    for (QAbstractButton *button : std::as_const(hoverButtons_))
        ui::setBackColor(button, ui::buttonFace());
    QDialog::mouseMoveEvent(event);
}
