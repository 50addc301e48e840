#include "document/edittools.h"

#include "document/editing.h"
#include "platform/richtextbox.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <tuple>
#include <utility>

void EditControls::createEditControls(QWidget *frameParent, QWidget *menuParent, int columns,
                                      const QString &plainCaption)
{
    fraEdit = new QGroupBox(QStringLiteral("Edit"), frameParent);
    fraEdit->setObjectName(QStringLiteral("fraEdit"));
    const std::tuple<QPushButton **, const char *, const char *> buttons[] = {
        {&cmdCut, "cmdCut", "Cut"},
        {&cmdCopy, "cmdCopy", "Copy"},
        {&cmdPaste, "cmdPaste", "Paste"},
        {&cmdBold, "cmdBold", "Bold"},
        {&cmdItalic, "cmdItalic", "Italic"},
        {&cmdUnderline, "cmdUnderline", "Underline"},
        {&cmdBoldItalic, "cmdBoldItalic", "Bold/Italic"},
        {&cmdItalicUnderline, "cmdItalicUnderline", "Italic/Underline"},
        {&cmdPlainText, "cmdPlainText", "Reset Text Formatting"},
        {&cmdCloseEdit, "cmdCloseEdit", "Close"},
    };
    auto *grid = new QGridLayout(fraEdit);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);
    int i = 0;
    for (const auto &[slot, name, caption] : buttons) {
        auto *b = new QPushButton(QString::fromUtf8(caption), fraEdit);
        b->setObjectName(QLatin1String(name));
        // Enter belongs to the document, not to a default button.
        b->setAutoDefault(false);
        grid->addWidget(b, i / columns, i % columns);
        *slot = b;
        ++i;
    }

    mnuEdit = new QMenu(QStringLiteral("Edit"), menuParent);
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    auto action = [this](const char *name, const QString &caption) {
        QAction *a = mnuEdit->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    mnuCut = action("mnuCut", QStringLiteral("Cu&t"));
    mnuCopy = action("mnuCopy", QStringLiteral("&Copy"));
    mnuPaste = action("mnuPaste", QStringLiteral("&Paste"));
    mnuEdit->addSeparator();
    mnuBold = action("mnuBold", QStringLiteral("&Bold"));
    mnuItalic = action("mnuItalic", QStringLiteral("&Italic"));
    mnuUnderline = action("mnuUnderline", QStringLiteral("&Underline"));
    mnuBoldItalic = action("mnuBoldItalic", QStringLiteral("Bold/It&alic"));
    mnuItalicUnderline = action("mnuItalicUnderline", QStringLiteral("Italic/U&nderline"));
    mnuEdit->addSeparator();
    mnuPlain = action("mnuPlain", plainCaption);
}

EditCommands::EditCommands(QObject *parent, const EditControls &c, RichTextBox *doc,
                           LessonPlanModule &m, Platform &platform, int pasteSize,
                           std::function<void()> closeEditTools)
    : QObject(parent), doc_(doc), m_(m), platform_(platform), pasteSize_(pasteSize),
      close_(std::move(closeEditTools))
{
    using Handler = void (EditCommands::*)();
    const std::tuple<QAction *, QPushButton *, Handler> commands[] = {
        {c.mnuCut, c.cmdCut, &EditCommands::mnuCut_Click},
        {c.mnuCopy, c.cmdCopy, &EditCommands::mnuCopy_Click},
        {c.mnuPaste, c.cmdPaste, &EditCommands::mnuPaste_Click},
        {c.mnuBold, c.cmdBold, &EditCommands::mnuBold_Click},
        {c.mnuItalic, c.cmdItalic, &EditCommands::mnuItalic_Click},
        {c.mnuUnderline, c.cmdUnderline, &EditCommands::mnuUnderline_Click},
        {c.mnuBoldItalic, c.cmdBoldItalic, &EditCommands::mnuBoldItalic_Click},
        {c.mnuItalicUnderline, c.cmdItalicUnderline, &EditCommands::mnuItalicUnderline_Click},
        {c.mnuPlain, c.cmdPlainText, &EditCommands::mnuPlain_Click},
    };
    for (const auto &[action, button, handler] : commands) {
        connect(action, &QAction::triggered, this, handler);
        connect(button, &QPushButton::clicked, this, handler);
    }
    connect(c.cmdCloseEdit, &QPushButton::clicked, this, [this] { close_(); });
    connect(doc_, &RichTextBox::KeyDown, this, &EditCommands::RTxtComposite_KeyDown);
}

void EditCommands::format(bool bold, bool italic, bool underline)
{
    docedit::setFormat(doc_, bold, italic, underline);
    close_();
}

void EditCommands::mnuCut_Click()
{
    docedit::cutSelection(doc_, m_, platform_);
    close_();
}

void EditCommands::mnuCopy_Click()
{
    docedit::copySelection(doc_, m_, platform_);
    close_();
}

void EditCommands::mnuPaste_Click()
{
    docedit::pasteClipboard(doc_, m_, platform_);
    close_();
    // Whatever came in, the document keeps one size.
    docedit::resizeDocument(doc_, pasteSize_);
}

void EditCommands::RTxtComposite_KeyDown(int *keyCode, Qt::KeyboardModifiers shift)
{
    if (!keyCode)
        return;
    switch (docedit::keyCommand(*keyCode, shift)) {
    case docedit::KeyCommand::Copy:
        *keyCode = 0;
        mnuCopy_Click();
        break;
    case docedit::KeyCommand::Cut:
        *keyCode = 0;
        mnuCut_Click();
        break;
    case docedit::KeyCommand::Paste:
        *keyCode = 0;
        mnuPaste_Click();
        break;
    case docedit::KeyCommand::Indent:
        *keyCode = 0;
        docedit::insertIndent(doc_);
        break;
    case docedit::KeyCommand::None:
        break;
    }
}
