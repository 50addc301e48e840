#include "screens/frmstandardswizard.h"

#include "platform/platform.h"
#include "screens/screencontext.h"
#include "screens/storesettings.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{

template <typename T> T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

frmStandardsWizard::frmStandardsWizard(ScreenContext &ctx, QWidget *parent)
    : Form(ctx.platform, parent), ctx(ctx)
{
    setObjectName(QStringLiteral("frmStandardsWizard"));
    setWindowTitle(QStringLiteral("  STANDARDS WIZARD"));

    lblIntro = named(new QLabel(this), QStringLiteral("lblIntro"));
    lblIntro->setWordWrap(true);
    lblIntro->setText(
        QStringLiteral("List the state or local standards you want to cite in your Lesson Plan "
                       "Documents. For each one, type its number/prefix and its full text and "
                       "click 'Add to List'."));

    txtCode = named(new QLineEdit(this), QStringLiteral("txtCode"));
    txtCode->setMaxLength(50);
    txtText = named(new QLineEdit(this), QStringLiteral("txtText"));
    txtText->setMaxLength(1000);
    auto *lblCode =
        named(new QLabel(QStringLiteral("&Number/Prefix:"), this), QStringLiteral("lblCode"));
    lblCode->setBuddy(txtCode);
    auto *lblText =
        named(new QLabel(QStringLiteral("&Standard:"), this), QStringLiteral("lblText"));
    lblText->setBuddy(txtText);
    cmdAdd = button(this, QStringLiteral("cmdAdd"), QStringLiteral("&Add to List"));

    auto *entry = new QGridLayout;
    entry->addWidget(lblCode, 0, 0);
    entry->addWidget(txtCode, 0, 1);
    entry->addWidget(lblText, 1, 0);
    entry->addWidget(txtText, 1, 1);
    entry->addWidget(cmdAdd, 1, 2);
    entry->setColumnStretch(1, 1);

    auto *lblList =
        named(new QLabel(QStringLiteral("Standards &List:"), this), QStringLiteral("lblList"));
    lstStandards = named(new QListWidget(this), QStringLiteral("lstStandards"));
    lblList->setBuddy(lstStandards);
    cmdRemove = button(this, QStringLiteral("cmdRemove"), QStringLiteral("&Remove"));

    fraMode = named(new QGroupBox(QStringLiteral("In Lesson Plan Documents:"), this),
                    QStringLiteral("fraMode"));
    optFullText =
        named(new QRadioButton(QStringLiteral("Use the &Full Text on Lesson Plan Documents")),
              QStringLiteral("optFullText"));
    optPrefix =
        named(new QRadioButton(QStringLiteral("Use the Number/&Prefix on Lesson Plan Documents")),
              QStringLiteral("optPrefix"));
    auto *modes = new QVBoxLayout(fraMode);
    modes->addWidget(optFullText);
    modes->addWidget(optPrefix);

    cmdDone = button(this, QStringLiteral("cmdDone"), QStringLiteral("&Done"));
    cmdCancel = button(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"));
    setEscapeButton(cmdCancel);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdRemove);
    buttons->addStretch(1);
    buttons->addWidget(cmdDone);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblIntro);
    layout->addLayout(entry);
    layout->addWidget(lblList);
    layout->addWidget(lstStandards, 1);
    layout->addWidget(fraMode);
    layout->addLayout(buttons);
    resize(560, 420);

    connect(cmdAdd, &QPushButton::clicked, this, &frmStandardsWizard::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmStandardsWizard::cmdRemove_Click);
    connect(cmdDone, &QPushButton::clicked, this, &frmStandardsWizard::cmdDone_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmStandardsWizard::cmdCancel_Click);
    connect(txtCode, &QLineEdit::textChanged, this, &frmStandardsWizard::enableButtons);
    connect(txtText, &QLineEdit::textChanged, this, &frmStandardsWizard::enableButtons);
    connect(txtText, &QLineEdit::returnPressed, this, &frmStandardsWizard::cmdAdd_Click);
    connect(lstStandards, &QListWidget::currentRowChanged, this,
            &frmStandardsWizard::enableButtons);
}

QString frmStandardsWizard::line(const QString &code, const QString &text)
{
    return code.trimmed().isEmpty() ? text : code + QStringLiteral("   ") + text;
}

void frmStandardsWizard::Form_Activate()
{
    // Start from the list there is, so that nothing entered before is lost.
    const LessonPlanModule &m = ctx.m;
    codes_ = m.strStdCodes;
    texts_ = m.strStdTexts;
    while (texts_.size() < codes_.size())
        texts_.append(QString());
    while (codes_.size() < texts_.size())
        codes_.append(QString());
    lstStandards->clear();
    for (qsizetype i = 0; i < codes_.size(); ++i)
        lstStandards->addItem(line(codes_.at(i), texts_.at(i)));
    txtCode->clear();
    txtText->clear();
    if (m.strStandardsMode == QLatin1String("PREFIXED"))
        optPrefix->setChecked(true);
    else
        optFullText->setChecked(true);
    enableButtons();
    txtCode->setFocus();
}

void frmStandardsWizard::enableButtons()
{
    cmdAdd->setEnabled(!txtCode->text().trimmed().isEmpty() ||
                       !txtText->text().trimmed().isEmpty());
    cmdRemove->setEnabled(lstStandards->currentRow() >= 0);
}

bool frmStandardsWizard::addPending()
{
    const QString code = ReplaceQuotes(txtCode->text().trimmed());
    const QString text = ReplaceQuotes(txtText->text().trimmed());
    if (code.isEmpty() && text.isEmpty())
        return true;
    if (codes_.size() >= SettingsStore::MaxListCount) {
        platform.messageBox(QStringLiteral("The standards list is full (%1 entries).")
                                .arg(SettingsStore::MaxListCount),
                            QStringLiteral("Standards List"), Platform::Buttons::OK,
                            Platform::Icon::Exclamation);
        return false;
    }
    codes_.append(code);
    texts_.append(text);
    lstStandards->addItem(line(code, text));
    txtCode->clear();
    txtText->clear();
    txtCode->setFocus();
    enableButtons();
    return true;
}

void frmStandardsWizard::cmdAdd_Click()
{
    addPending();
}

void frmStandardsWizard::cmdRemove_Click()
{
    const int row = lstStandards->currentRow();
    if (row < 0 || row >= codes_.size())
        return;
    codes_.removeAt(row);
    texts_.removeAt(row);
    delete lstStandards->takeItem(row);
    enableButtons();
}

void frmStandardsWizard::cmdDone_Click()
{
    // A standard typed but not yet added is taken along rather than dropped.
    if (!addPending())
        return;
    if (codes_.isEmpty()) {
        platform.messageBox(QStringLiteral("Add at least one standard to the list, or click "
                                           "'Cancel'."),
                            QStringLiteral("Missing Data"), Platform::Buttons::OK,
                            Platform::Icon::Exclamation);
        txtCode->setFocus();
        return;
    }
    LessonPlanModule &m = ctx.m;
    // The per-course choices count positions in the list; a new list starts without them.
    if (m.strStdCodes != codes_ || m.strStdTexts != texts_)
        m.strStdChoices = SettingsRecord::padded({}, SettingsRecord::StdChoiceCount);
    m.strStdCodes = codes_;
    m.strStdTexts = texts_;
    m.strStandardsMode =
        optPrefix->isChecked() ? QStringLiteral("PREFIXED") : QStringLiteral("NO PREFIXES");
    m.blnShowStandards = true;
    storeSettings(m.record(), ctx.store, platform);
    accept();
}

void frmStandardsWizard::cmdCancel_Click()
{
    if (confirmAbandon())
        QDialog::reject();
}
