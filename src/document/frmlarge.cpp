#include "document/frmlarge.h"

#include "app/frmmain.h"
#include "document/editing.h"
#include "platform/richtextbox.h"
#include "platform/ui.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

namespace
{
QPushButton *toolButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    // Enter belongs to the document, not to a default button.
    b->setAutoDefault(false);
    return b;
}
} // namespace

frmLarge::frmLarge(frmMain &main) : Form(main.platform, nullptr), w(main)
{
    setObjectName(QStringLiteral("frmLarge"));
    setWindowTitle(QStringLiteral("CURRENT PLAN UNDER CONSTRUCTION"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    setHelpContextId(10006);
    const QScreen *screen = main.screen();
    fontSize_ = fontSizeFor(screen ? screen->geometry().size() : QSize());
    createControls();
    connectCommands();
}

int frmLarge::fontSizeFor(const QSize &screenPixels)
{
    return screenPixels.width() + screenPixels.height() >= 1700 ? 12 : 11;
}

void frmLarge::createControls()
{
    RTxtComposite = new RichTextBox(this);
    RTxtComposite->setObjectName(QStringLiteral("RTxtComposite"));
    RTxtComposite->setBackColor(ui::white());
    RTxtComposite->setContextMenuPolicy(Qt::PreventContextMenu);

    fraEdit = new QGroupBox(QStringLiteral("Edit"), this);
    fraEdit->setObjectName(QStringLiteral("fraEdit"));
    cmdCut = toolButton(fraEdit, QStringLiteral("cmdCut"), QStringLiteral("Cut"));
    cmdCopy = toolButton(fraEdit, QStringLiteral("cmdCopy"), QStringLiteral("Copy"));
    cmdPaste = toolButton(fraEdit, QStringLiteral("cmdPaste"), QStringLiteral("Paste"));
    cmdBold = toolButton(fraEdit, QStringLiteral("cmdBold"), QStringLiteral("Bold"));
    cmdItalic = toolButton(fraEdit, QStringLiteral("cmdItalic"), QStringLiteral("Italic"));
    cmdUnderline = toolButton(fraEdit, QStringLiteral("cmdUnderline"), QStringLiteral("Underline"));
    cmdBoldItalic =
        toolButton(fraEdit, QStringLiteral("cmdBoldItalic"), QStringLiteral("Bold/Italic"));
    cmdItalicUnderline = toolButton(fraEdit, QStringLiteral("cmdItalicUnderline"),
                                    QStringLiteral("Italic/Underline"));
    cmdPlainText = toolButton(fraEdit, QStringLiteral("cmdPlainText"),
                              QStringLiteral("Reset Text Formatting"));
    cmdCloseEdit = toolButton(fraEdit, QStringLiteral("cmdCloseEdit"), QStringLiteral("Close"));
    auto *tools = new QVBoxLayout(fraEdit);
    tools->setSpacing(3);
    for (QPushButton *b : {cmdCut, cmdCopy, cmdPaste, cmdBold, cmdItalic, cmdUnderline,
                           cmdBoldItalic, cmdItalicUnderline, cmdPlainText, cmdCloseEdit})
        tools->addWidget(b);

    lblIndents = new QLabel(QStringLiteral("''TAB'' key indents text."), this);
    lblIndents->setObjectName(QStringLiteral("lblIndents"));
    lblIndents->setTextFormat(Qt::PlainText);
    lblIndents->setWordWrap(true);
    cmdReturn =
        toolButton(this, QStringLiteral("cmdReturn"), QStringLiteral("&Return to Design Screen"));

    auto *column = new QVBoxLayout;
    column->addWidget(fraEdit);
    column->addWidget(lblIndents);
    column->addStretch(1);
    column->addWidget(cmdReturn);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(RTxtComposite, 1);
    layout->addLayout(column);

    mnuEdit = new QMenu(QStringLiteral("Edit"), this);
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    auto action = [this](const QString &name, const QString &caption) {
        QAction *a = mnuEdit->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    mnuCut = action(QStringLiteral("mnuCut"), QStringLiteral("Cu&t"));
    mnuCopy = action(QStringLiteral("mnuCopy"), QStringLiteral("&Copy"));
    mnuPaste = action(QStringLiteral("mnuPaste"), QStringLiteral("&Paste"));
    mnuEdit->addSeparator();
    mnuBold = action(QStringLiteral("mnuBold"), QStringLiteral("&Bold"));
    mnuItalic = action(QStringLiteral("mnuItalic"), QStringLiteral("&Italic"));
    mnuUnderline = action(QStringLiteral("mnuUnderline"), QStringLiteral("&Underline"));
    mnuBoldItalic = action(QStringLiteral("mnuBoldItalic"), QStringLiteral("Bold/It&alic"));
    mnuItalicUnderline =
        action(QStringLiteral("mnuItalicUnderline"), QStringLiteral("Italic/U&nderline"));
    mnuEdit->addSeparator();
    mnuPlain = action(QStringLiteral("mnuPlain"), QStringLiteral("Reset &Text Formatting"));
}

void frmLarge::connectCommands()
{
    connect(RTxtComposite, &RichTextBox::KeyDown, this, &frmLarge::RTxtComposite_KeyDown);
    connect(RTxtComposite, &RichTextBox::MouseDown, this, &frmLarge::RTxtComposite_MouseDown);
    connect(RTxtComposite, &RichTextBox::GotFocus, this, &frmLarge::RTxtComposite_GotFocus);

    using Handler = void (frmLarge::*)();
    const std::pair<QAction *, Handler> menu[] = {
        {mnuCut, &frmLarge::mnuCut_Click},
        {mnuCopy, &frmLarge::mnuCopy_Click},
        {mnuPaste, &frmLarge::mnuPaste_Click},
        {mnuBold, &frmLarge::mnuBold_Click},
        {mnuItalic, &frmLarge::mnuItalic_Click},
        {mnuUnderline, &frmLarge::mnuUnderline_Click},
        {mnuBoldItalic, &frmLarge::mnuBoldItalic_Click},
        {mnuItalicUnderline, &frmLarge::mnuItalicUnderline_Click},
        {mnuPlain, &frmLarge::mnuPlain_Click},
    };
    for (const auto &[action, handler] : menu)
        connect(action, &QAction::triggered, this, handler);

    const std::pair<QPushButton *, Handler> buttons[] = {
        {cmdCut, &frmLarge::mnuCut_Click},
        {cmdCopy, &frmLarge::mnuCopy_Click},
        {cmdPaste, &frmLarge::mnuPaste_Click},
        {cmdBold, &frmLarge::mnuBold_Click},
        {cmdItalic, &frmLarge::mnuItalic_Click},
        {cmdUnderline, &frmLarge::mnuUnderline_Click},
        {cmdBoldItalic, &frmLarge::mnuBoldItalic_Click},
        {cmdItalicUnderline, &frmLarge::mnuItalicUnderline_Click},
        {cmdPlainText, &frmLarge::mnuPlain_Click},
        {cmdCloseEdit, &frmLarge::CloseEditTools},
        {cmdReturn, &frmLarge::cmdReturn_Click},
    };
    for (const auto &[button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
}

void frmLarge::Form_Load()
{
    // Most of the screen, so that the whole plan reads comfortably.
    if (const QScreen *screen = w.screen()) {
        const QRect area = screen->availableGeometry();
        resize(area.width() * 9 / 10, area.height() * 9 / 10);
        move(area.center() - rect().center());
    }
}

void frmLarge::Form_Activate()
{
    ApplyFontSize(w.RTxtComposite, RTxtComposite, fontSize_);
    RTxtComposite->ensureCursorVisible();
}

void frmLarge::ApplyFontSize(const RichTextBox *source, RichTextBox *target, int size)
{
    if (!source || !target)
        return;
    docedit::resizeDocument(target, size, source->SelStart(), source->SelLength());
}

void frmLarge::CloseEditTools()
{
    docedit::collapseToEnd(RTxtComposite);
    RTxtComposite->setFocus(Qt::OtherFocusReason);
}

void frmLarge::format(bool bold, bool italic, bool underline)
{
    docedit::setFormat(RTxtComposite, bold, italic, underline);
    CloseEditTools();
}

void frmLarge::mnuBold_Click()
{
    format(true, false, false);
}

void frmLarge::mnuItalic_Click()
{
    format(false, true, false);
}

void frmLarge::mnuUnderline_Click()
{
    format(false, false, true);
}

void frmLarge::mnuBoldItalic_Click()
{
    format(true, true, false);
}

void frmLarge::mnuItalicUnderline_Click()
{
    format(false, true, true);
}

void frmLarge::mnuPlain_Click()
{
    format(false, false, false);
}

void frmLarge::mnuCopy_Click()
{
    docedit::copySelection(RTxtComposite, w.m, platform);
    CloseEditTools();
}

void frmLarge::mnuCut_Click()
{
    docedit::cutSelection(RTxtComposite, platform);
    CloseEditTools();
}

void frmLarge::mnuPaste_Click()
{
    docedit::pasteClipboard(RTxtComposite, w.m, platform);
    CloseEditTools();
    docedit::resizeDocument(RTxtComposite, fontSize_);
}

void frmLarge::RTxtComposite_KeyDown(int *keyCode, Qt::KeyboardModifiers shift)
{
    if (!keyCode)
        return;
    switch (docedit::keyCommand(*keyCode, shift)) {
    case docedit::KeyCommand::Paste:
        *keyCode = 0;
        mnuPaste_Click();
        break;
    case docedit::KeyCommand::Indent:
        *keyCode = 0;
        docedit::insertIndent(RTxtComposite);
        break;
    case docedit::KeyCommand::None:
        break;
    }
}

void frmLarge::RTxtComposite_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                       QPoint pos)
{
    Q_UNUSED(shift);
    // The tools are always shown here; only the right button has something to do.
    if (button == Qt::RightButton)
        mnuEdit->popup(RTxtComposite->viewport()->mapToGlobal(pos));
}

void frmLarge::RTxtComposite_GotFocus()
{
    setHelpContextId(10006);
}

void frmLarge::cmdReturn_Click()
{
    RichTextBox *doc = w.RTxtComposite;
    doc->setTextRTF(RTxtComposite->TextRTF());
    doc->setSelStart(RTxtComposite->SelStart());
    doc->setSelLength(RTxtComposite->SelLength());
    ApplyFontSize(RTxtComposite, doc, docedit::MainFontSize);
    w.showMain();
    hide();
    w.raise();
    w.activateWindow();
    doc->setFocus(Qt::OtherFocusReason);
}

void frmLarge::reject()
{
    if (isVisible())
        cmdReturn_Click();
    else
        Form::reject();
}
