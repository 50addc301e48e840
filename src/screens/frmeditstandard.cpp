#include "screens/frmeditstandard.h"

#include "platform/platform.h"
#include "platform/ui.h"
#include "screens/entryfields.h"
#include "screens/storesettings.h"
#include "settings/settings.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace
{
const QString CrLf = QStringLiteral("\r\n");
}

frmEditStandard::frmEditStandard(ScreenContext &ctx, QWidget *parent)
    : Form(ctx.platform, parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmEditStandard"));
    setWindowTitle(QStringLiteral(" EDIT STANDARD"));
    setHelpContextId(HelpContext);
    createControls();
}

void frmEditStandard::createControls()
{
    lblPre = new QLabel(QStringLiteral("&Number/Prefix:"), this);
    lblPre->setObjectName(QStringLiteral("lblPre"));
    txtPre = new QLineEdit(this);
    txtPre->setObjectName(QStringLiteral("txtPre"));
    lblPre->setBuddy(txtPre);
    lblSta = new QLabel(QStringLiteral("&Standard:"), this);
    lblSta->setObjectName(QStringLiteral("lblSta"));
    txtSta = new QPlainTextEdit(this);
    txtSta->setObjectName(QStringLiteral("txtSta"));
    txtSta->setTabChangesFocus(true);
    txtSta->setMinimumSize(ui::twips(6000), ui::twips(1200));
    lblSta->setBuddy(txtSta);

    auto makeButton = [this](const QString &name, const QString &caption) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        return button;
    };
    cmdDone = makeButton(QStringLiteral("cmdDone"), QStringLiteral("&Done"));
    cmdDelete = makeButton(QStringLiteral("cmdDelete"), QStringLiteral("D&elete this Standard"));
    cmdCancel = makeButton(QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"));
    setEscapeButton(cmdCancel);

    auto *fields = new QGridLayout;
    fields->addWidget(lblPre, 0, 0);
    fields->addWidget(txtPre, 0, 1);
    fields->addWidget(lblSta, 1, 0, Qt::AlignTop);
    fields->addWidget(txtSta, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdDelete);
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    buttons->addWidget(cmdCancel);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(fields, 1);
    outer->addLayout(buttons);

    txtPre->installEventFilter(this);
    txtSta->installEventFilter(this);
    connect(txtPre, &QLineEdit::textChanged, this, &frmEditStandard::EnableDone);
    connect(txtSta, &QPlainTextEdit::textChanged, this, &frmEditStandard::EnableDone);
    connect(cmdDone, &QPushButton::clicked, this, &frmEditStandard::cmdDone_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmEditStandard::cmdDelete_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEditStandard::cmdCancel_Click);
}

QString frmEditStandard::standardLine(const QString &code, const QString &text)
{
    return code.trimmed().isEmpty() ? code + text : code + QStringLiteral("   ") + text;
}

QString frmEditStandard::storedText(const QString &typed)
{
    return ReplaceQuotes(ui::toCrLf(typed).replace(CrLf, QStringLiteral("   ")));
}

QString frmEditStandard::withoutChoice(const QString &choices, int removed)
{
    // A string too short to hold the removed entry's digit keeps the digits it has: they
    // belong to entries before the removed one, which keep their places.
    if (removed < 0 || removed >= choices.size())
        return choices;
    return choices.left(removed) + choices.mid(removed + 1);
}

void frmEditStandard::SetUp(int i)
{
    index_ = i;
}

void frmEditStandard::SetMode(const QString &s)
{
    mode_ = s;
}

void frmEditStandard::Form_Activate()
{
    const LessonPlanModule &m = ctx_.m;
    const bool existing =
        index_ >= 0 && index_ < m.strStdCodes.size() && index_ < m.strStdTexts.size();
    txtPre->setText(existing ? m.strStdCodes.at(index_) : QString());
    txtSta->setPlainText(existing ? ui::fromCrLf(m.strStdTexts.at(index_)) : QString());
    setWindowTitle(QStringLiteral(" ") + mode_ + QStringLiteral(" STANDARD"));
    cmdDelete->setEnabled(mode_ == QLatin1String("EDIT") && existing);
    EnableDone();
    txtPre->setFocus(Qt::OtherFocusReason);
}

void frmEditStandard::EnableDone()
{
    cmdDone->setEnabled(!txtPre->text().trimmed().isEmpty() ||
                        !txtSta->toPlainText().trimmed().isEmpty());
}

void frmEditStandard::cmdDone_Click()
{
    if (!cmdDone->isEnabled())
        return;
    LessonPlanModule &m = ctx_.m;
    const QString code = storedText(txtPre->text());
    const QString text = storedText(txtSta->toPlainText());
    const qsizetype count = std::min(m.strStdCodes.size(), m.strStdTexts.size());
    // An addition takes the next place; an edit needs an entry that is there.
    const bool adding = mode_ == QLatin1String("ADD") && index_ == count;
    if (!adding && (index_ < 0 || index_ >= count))
        return;

    SettingsRecord next = m.record();
    if (adding) {
        next.strStdCodes.append(code);
        next.strStdTexts.append(text);
    } else {
        next.strStdCodes[index_] = code;
        next.strStdTexts[index_] = text;
    }
    if (next != m.record() && !storeSettings(next, ctx_.store, ctx_.platform))
        return; // the teacher has been told; the entry stays in the fields
    m.record() = next;

    if (standardsList_) {
        const QString line = standardLine(code, text);
        if (index_ < standardsList_->count())
            standardsList_->item(index_)->setText(line);
        else
            standardsList_->addItem(line);
    }
    done(QDialog::Accepted);
}

void frmEditStandard::cmdDelete_Click()
{
    LessonPlanModule &m = ctx_.m;
    const qsizetype count = std::min(m.strStdCodes.size(), m.strStdTexts.size());
    if (mode_ != QLatin1String("EDIT") || index_ < 0 || index_ >= count)
        return;
    if (ctx_.platform.messageBox(QStringLiteral("Delete this entry?") + CrLf + CrLf +
                                     QStringLiteral("Note:") + CrLf +
                                     QStringLiteral("This process cannot be undone."),
                                 QStringLiteral("Deletion Check"), Platform::Buttons::YesNo,
                                 Platform::Icon::Exclamation) != Platform::Answer::Yes)
        return;

    SettingsRecord next = m.record();
    next.strStdCodes.removeAt(index_);
    next.strStdTexts.removeAt(index_);
    for (QString &choices : next.strStdChoices)
        if (!choices.isEmpty())
            choices = withoutChoice(choices, index_);
    if (!storeSettings(next, ctx_.store, ctx_.platform))
        return;
    m.record() = next;

    txtPre->clear();
    txtSta->clear();
    if (standardsList_ && index_ < standardsList_->count())
        delete standardsList_->takeItem(index_);
    done(QDialog::Accepted);
}

void frmEditStandard::cmdCancel_Click()
{
    if (confirmAbandon())
        done(QDialog::Rejected);
}

bool frmEditStandard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == txtPre) {
            entryfields::selectAllOnFocus(txtPre);
        } else if (watched == txtSta) {
            txtSta->selectAll();
            // A click places the caret after the focus arrives: select again once it has.
            QTimer::singleShot(0, txtSta, [this] {
                if (txtSta->hasFocus())
                    txtSta->selectAll();
            });
        }
    }
    return Form::eventFilter(watched, event);
}
