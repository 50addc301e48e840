#include "screens/frmmaterials.h"

#include "platform/platform.h"
#include "platform/ui.h"
#include "screens/storesettings.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
const QString CrLf = QStringLiteral("\r\n");
// The kind letters in list order: textbooks, resources, materials.
const QString KindLetters = QStringLiteral("TRM");

// The list an entry of strMaterials belongs to, or -1 for a kind no list shows.
int kindOf(const QString &entry)
{
    return entry.isEmpty() ? -1 : int(KindLetters.indexOf(entry.at(0)));
}

// Any digit but 0 means "always include".
bool alwaysIncluded(const QString &entry)
{
    return entry.size() > 1 && entry.at(1).isDigit() && entry.at(1) != QLatin1Char('0');
}
} // namespace

frmMaterials::frmMaterials(ScreenContext &ctx, QWidget *parent)
    : Form(ctx.platform, parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmMaterials"));
    setWindowTitle(QStringLiteral("  MATERIALS  SETUP"));
    setHelpContextId(HelpContext);
    createControls();
}

QString frmMaterials::kindWord(int Index)
{
    switch (Index) {
    case 0:
        return QStringLiteral("Textbook");
    case 1:
        return QStringLiteral("Resource");
    default:
        return QStringLiteral("Material/Supply");
    }
}

QString frmMaterials::shortForm(const QString &item)
{
    return item.size() >= 31 ? item.left(28) + QStringLiteral("...") : item;
}

void frmMaterials::createControls()
{
    const QString chooseCaptions[KindCount] = {
        QStringLiteral("Change/Edit &Textbook(s)"), QStringLiteral("Change/Edit &Resource(s)"),
        QStringLiteral("Change/Edit &Materials/Supplies/Technology")};
    const QString frameCaptions[KindCount] = {QStringLiteral("Textbook(s)"),
                                              QStringLiteral("Resource(s)"),
                                              QStringLiteral("Materials/Supplies/Technology")};
    const QString alwaysCaptions[KindCount] = {
        QStringLiteral("Always include checked Textbook(s) in Lesson Plan Documents"),
        QStringLiteral("Always include checked Resource(s) in Lesson Plan Documents"),
        QStringLiteral(
            "Always include checked Materials/Supplies/Technology in Lesson Plan Documents")};

    auto makeButton = [this](QWidget *parent, const QString &name, const QString &caption) {
        auto *button = new QPushButton(caption, parent);
        button->setObjectName(name);
        // Enter in the lists never closes the dialog by itself.
        button->setAutoDefault(false);
        return button;
    };

    auto *outer = new QVBoxLayout(this);
    chkShowMaterials =
        new QCheckBox(QStringLiteral("&Show Textbook(s), Resource(s), and "
                                     "Materials/Supplies/Technology in Lesson Plans"),
                      this);
    chkShowMaterials->setObjectName(QStringLiteral("chkShowMaterials"));
    outer->addWidget(chkShowMaterials);

    auto *groups = new QGridLayout;
    for (int i = 0; i < KindCount; ++i) {
        const QString index = QStringLiteral("(%1)").arg(i);
        QPushButton *choose =
            makeButton(this, QStringLiteral("cmdChoose") + index, chooseCaptions[i]);
        auto *frame = new QGroupBox(frameCaptions[i], this);
        frame->setObjectName(QStringLiteral("fraMaterials") + index);
        auto *list = new QListWidget(frame);
        list->setObjectName(QStringLiteral("lstMaterials") + index);
        list->setMinimumHeight(ui::twips(1500));
        auto *always = new QLabel(alwaysCaptions[i], frame);
        always->setObjectName(QStringLiteral("lblAlways") + index);
        always->setWordWrap(true);
        QPushButton *add = makeButton(frame, QStringLiteral("cmdAdd") + index,
                                      QStringLiteral("&Add an Additional Item"));
        QPushButton *edit =
            makeButton(frame, QStringLiteral("cmdEdit") + index, QStringLiteral("&Edit Selection"));
        QPushButton *remove = makeButton(frame, QStringLiteral("cmdDelete") + index,
                                         QStringLiteral("De&lete Selection"));

        auto *inside = new QVBoxLayout(frame);
        inside->addWidget(list, 1);
        inside->addWidget(always);
        inside->addWidget(add);
        inside->addWidget(edit);
        inside->addWidget(remove);
        groups->addWidget(choose, 0, i);
        groups->addWidget(frame, 1, i);

        cmdChoose.append(choose);
        fraMaterials.append(frame);
        lstMaterials.append(list);
        lblAlways.append(always);
        cmdAdd.append(add);
        cmdEdit.append(edit);
        cmdDelete.append(remove);

        list->installEventFilter(this);
        connect(choose, &QPushButton::clicked, this, [this, i] { cmdChoose_Click(i); });
        connect(list, &QListWidget::currentRowChanged, this, [this, i](int row) {
            if (row >= 0)
                lstMaterials_Click(i);
        });
        connect(add, &QPushButton::clicked, this, [this, i] { cmdAdd_Click(i); });
        connect(edit, &QPushButton::clicked, this, [this, i] { cmdEdit_Click(i); });
        connect(remove, &QPushButton::clicked, this, [this, i] { cmdDelete_Click(i); });
    }
    outer->addLayout(groups, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdDone = makeButton(this, QStringLiteral("cmdDone"), QStringLiteral("&Done"));
    cmdCancel = makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"));
    setEscapeButton(cmdCancel);
    cmdHelp = makeButton(this, QStringLiteral("cmdHelp"), QStringLiteral("&Help"));
    buttons->addWidget(cmdDone);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdHelp);
    outer->addLayout(buttons);
    highlightOnHover(cmdHelp);

    connect(chkShowMaterials, &QCheckBox::clicked, this, &frmMaterials::chkShowMaterials_Click);
    connect(cmdDone, &QPushButton::clicked, this, &frmMaterials::cmdDone_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMaterials::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMaterials::cmdHelp_Click);
}

void frmMaterials::lockGroups()
{
    for (int i = 0; i < KindCount; ++i) {
        lstMaterials.at(i)->setCurrentRow(-1);
        lstMaterials.at(i)->setEnabled(false);
        fraMaterials.at(i)->setEnabled(false);
        cmdAdd.at(i)->setEnabled(false);
        cmdEdit.at(i)->setEnabled(false);
        cmdDelete.at(i)->setEnabled(false);
    }
}

void frmMaterials::Form_Activate()
{
    const LessonPlanModule &m = ctx_.m;
    blnShowMaterials = m.blnShowMaterials;
    chkShowMaterials->setChecked(blnShowMaterials);
    // The step under way on the main window cannot be switched off beneath it.
    chkShowMaterials->setEnabled(m.intStep != 3);
    for (QPushButton *choose : std::as_const(cmdChoose))
        choose->setEnabled(blnShowMaterials);

    for (QListWidget *list : std::as_const(lstMaterials))
        list->clear();
    otherEntries_.clear();
    for (const QString &entry : m.strMaterials) {
        const int kind = kindOf(entry);
        if (kind < 0) {
            otherEntries_.append(entry);
            continue;
        }
        // An entry without text shows nothing and is dropped when the lists are stored.
        if (entry.mid(2).trimmed().isEmpty())
            continue;
        ui::addTickItem(lstMaterials.at(kind), entry.mid(2), alwaysIncluded(entry));
    }
    lockGroups();
}

void frmMaterials::chkShowMaterials_Click()
{
    blnShowMaterials = chkShowMaterials->isChecked();
    for (QPushButton *choose : std::as_const(cmdChoose))
        choose->setEnabled(blnShowMaterials);
}

void frmMaterials::cmdChoose_Click(int Index)
{
    if (!validIndex(Index))
        return;
    lockGroups();
    fraMaterials.at(Index)->setEnabled(true);
    lstMaterials.at(Index)->setEnabled(true);
    cmdAdd.at(Index)->setEnabled(true);
    cmdAdd.at(Index)->setFocus(Qt::OtherFocusReason);
}

void frmMaterials::lstMaterials_Click(int Index)
{
    if (!validIndex(Index) || !lstMaterials.at(Index)->isEnabled())
        return;
    cmdEdit.at(Index)->setEnabled(true);
    cmdDelete.at(Index)->setEnabled(true);
}

void frmMaterials::lstMaterials_GotFocus(int Index)
{
    if (validIndex(Index))
        cmdAdd.at(Index)->setEnabled(true);
}

void frmMaterials::cmdAdd_Click(int Index)
{
    if (!validIndex(Index))
        return;
    const QString kind = kindWord(Index);
    const QString item = ReplaceQuotes(ctx_.platform.inputBox(
        QStringLiteral("New ") + kind + QStringLiteral(":"), kind + QStringLiteral(" Addition")));
    if (item.trimmed().isEmpty())
        return;
    const Platform::Answer always = ctx_.platform.messageBox(
        QStringLiteral("Always include ") + CrLf + QLatin1Char('"') + shortForm(item) +
            QLatin1Char('"') + CrLf + QStringLiteral("in Lesson Plans?"),
        QStringLiteral("Always Include?"), Platform::Buttons::YesNo, Platform::Icon::Question);
    ui::addTickItem(lstMaterials.at(Index), item, always == Platform::Answer::Yes);
}

void frmMaterials::cmdEdit_Click(int Index)
{
    if (!validIndex(Index))
        return;
    QListWidget *list = lstMaterials.at(Index);
    const int row = list->currentRow();
    if (row < 0 || row >= list->count())
        return;
    const QString kind = kindWord(Index);
    // Stored texts never hold a double quote, whichever way they were typed.
    const QString item = ReplaceQuotes(
        ctx_.platform.inputBox(QStringLiteral("Edit Selected ") + kind + QStringLiteral(":"),
                               kind + QStringLiteral("..."), list->item(row)->text()));
    if (item.trimmed().isEmpty())
        return;
    const Platform::Answer always = ctx_.platform.messageBox(
        QStringLiteral("Always include ") + CrLf + shortForm(item) + CrLf +
            QStringLiteral("in Lesson Plans?"),
        QStringLiteral("Always Include?"), Platform::Buttons::YesNo, Platform::Icon::Question);
    list->item(row)->setText(item);
    ui::setTicked(list, row, always == Platform::Answer::Yes);
}

void frmMaterials::cmdDelete_Click(int Index)
{
    if (!validIndex(Index))
        return;
    QListWidget *list = lstMaterials.at(Index);
    const int row = list->currentRow();
    if (row < 0 || row >= list->count())
        return;
    if (ctx_.platform.messageBox(QStringLiteral("Delete \"") + shortForm(list->item(row)->text()) +
                                     QStringLiteral("\"?") + CrLf + CrLf +
                                     QStringLiteral("This action cannot be undone."),
                                 QStringLiteral("Deletion Check"), Platform::Buttons::YesNo,
                                 Platform::Icon::Question) != Platform::Answer::Yes)
        return;
    delete list->takeItem(row);
    // Nothing is chosen afterwards, so a second Delete cannot remove the next item unasked.
    list->setCurrentRow(-1);
    cmdEdit.at(Index)->setEnabled(false);
    cmdDelete.at(Index)->setEnabled(false);
}

void frmMaterials::cmdDone_Click()
{
    LessonPlanModule &m = ctx_.m;
    SettingsRecord next = m.record();
    next.blnShowMaterials = blnShowMaterials;
    next.strMaterials.clear();
    for (int i = 0; i < KindCount; ++i) {
        const QListWidget *list = lstMaterials.at(i);
        for (int row = 0; row < list->count(); ++row)
            next.strMaterials.append(KindLetters.at(i) +
                                     QLatin1Char(ui::isTicked(list, row) ? '1' : '0') +
                                     list->item(row)->text());
    }
    next.strMaterials.append(otherEntries_);

    if (next != m.record() && !storeSettings(next, ctx_.store, ctx_.platform))
        return; // the teacher has been told; the lists stay as they are
    m.record() = next;
    done(QDialog::Accepted);
}

void frmMaterials::cmdCancel_Click()
{
    if (confirmAbandon())
        done(QDialog::Rejected);
}

void frmMaterials::cmdHelp_Click()
{
    showContextHelp();
}

bool frmMaterials::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (const int index = int(lstMaterials.indexOf(qobject_cast<QListWidget *>(watched)));
            index >= 0)
            lstMaterials_GotFocus(index);
    }
    return Form::eventFilter(watched, event);
}
