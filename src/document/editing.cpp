#include "document/editing.h"

#include "app/frmmain.h"
#include "document/edittools.h"
#include "document/frmlarge.h"
#include "platform/platform.h"
#include "platform/richtextbox.h"
#include "settings/settings.h"

#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTextDocument>
#include <utility>

namespace docedit
{

namespace
{
// Line breaks in one form, so that texts compare the same whichever form they came back in.
QString unifiedBreaks(QString text)
{
    text.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// A length that reaches past the last character: selecting it selects to the end, without
// writing the document out just to measure it.
int wholeLength(const RichTextBox *doc)
{
    return doc->document()->characterCount();
}
} // namespace

void setFormat(RichTextBox *doc, bool bold, bool italic, bool underline)
{
    doc->setSelBold(bold);
    doc->setSelItalic(italic);
    doc->setSelUnderline(underline);
}

void copySelection(RichTextBox *doc, LessonPlanModule &m, Platform &platform)
{
    // Copying nothing would only wipe what the teacher has on the clipboard.
    if (doc->SelLength() <= 0)
        return;
    m.strClipText = doc->SelText();
    m.strClipRTF = doc->SelRTF();
    platform.setClipboardRichText(m.strClipText, m.strClipRTF);
}

void cutSelection(RichTextBox *doc, LessonPlanModule &m, Platform &platform)
{
    if (doc->SelLength() <= 0)
        return;
    copySelection(doc, m, platform);
    doc->setSelText(QString());
}

bool isOwnCopy(const QString &clipboardText, const LessonPlanModule &m)
{
    return !m.strClipText.isEmpty() && !m.strClipRTF.isEmpty() &&
           unifiedBreaks(clipboardText) == unifiedBreaks(m.strClipText);
}

void pasteClipboard(RichTextBox *doc, LessonPlanModule &m, Platform &platform)
{
    const QString text = platform.clipboardText();
    // Nothing to paste (an empty clipboard, or a picture): the selection must not be deleted.
    if (text.isEmpty())
        return;
    if (isOwnCopy(text, m))
        doc->setSelRTF(m.strClipRTF);
    else
        doc->setSelText(text);
}

void resizeDocument(RichTextBox *doc, int points, int start, int length)
{
    doc->setSelStart(0);
    doc->setSelLength(wholeLength(doc));
    doc->setSelFontSize(points);
    doc->setSelStart(start);
    doc->setSelLength(length);
}

void resizeDocument(RichTextBox *doc, int points)
{
    resizeDocument(doc, points, doc->SelStart(), 0);
}

void collapseToEnd(RichTextBox *doc)
{
    const int length = doc->SelLength();
    if (length > 0)
        doc->setSelStart(doc->SelStart() + length);
}

void insertIndent(RichTextBox *doc)
{
    doc->setSelLength(0);
    doc->setSelText(QStringLiteral("    "));
}

KeyCommand keyCommand(int keyCode, Qt::KeyboardModifiers shift)
{
    if (keyCode == Qt::Key_Tab || keyCode == Qt::Key_Backtab)
        return KeyCommand::Indent;
    const Qt::KeyboardModifiers modifiers = shift & ~Qt::KeypadModifier;
    if ((keyCode == Qt::Key_V && modifiers == Qt::ControlModifier) ||
        (keyCode == Qt::Key_Insert && modifiers == Qt::ShiftModifier))
        return KeyCommand::Paste;
    // Every clipboard key of the desktop goes through the copy buffer: a key that went past it
    // would lose the formatting of what it copied or pasted.
    if (keyCode <= 0 || keyCode >= Qt::Key_unknown)
        return KeyCommand::None;
    const QKeySequence pressed(QKeyCombination(modifiers, Qt::Key(keyCode)));
    for (const auto &[keys, command] : {std::pair{QKeySequence::Paste, KeyCommand::Paste},
                                        std::pair{QKeySequence::Copy, KeyCommand::Copy},
                                        std::pair{QKeySequence::Cut, KeyCommand::Cut}}) {
        const QList<QKeySequence> bindings = QKeySequence::keyBindings(keys);
        for (const QKeySequence &binding : bindings) {
            if (pressed.matches(binding) == QKeySequence::ExactMatch)
                return command;
        }
    }
    return KeyCommand::None;
}

} // namespace docedit

DocumentEditing::DocumentEditing(frmMain &w) : QObject(&w), w(w)
{
    RichTextBox *doc = w.RTxtComposite;
    // The right button opens the program's own menu; the text field's standard one stays shut.
    doc->setContextMenuPolicy(Qt::PreventContextMenu);
    connect(doc, &RichTextBox::MouseDown, this, &DocumentEditing::RTxtComposite_MouseDown);
    connect(doc, &RichTextBox::GotFocus, this, &DocumentEditing::RTxtComposite_GotFocus);

    new EditCommands(this, w, doc, w.m, w.platform, docedit::MainFontSize,
                     [this] { CloseEditTools(); });
    connect(w.cmdEnlarge, &QPushButton::clicked, this, &DocumentEditing::cmdEnlarge_Click);
}

DocumentEditing::~DocumentEditing() = default;

frmLarge *DocumentEditing::largeEditor()
{
    if (!large_)
        large_ = std::make_unique<frmLarge>(w);
    return large_.get();
}

void DocumentEditing::CloseEditTools()
{
    w.fraEdit->hide();
    w.lblCover->hide();
    w.lstAdd->show();
    docedit::collapseToEnd(w.RTxtComposite);
    w.RTxtComposite->setFocus(Qt::OtherFocusReason);
}

void DocumentEditing::RTxtComposite_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                              QPoint pos)
{
    Q_UNUSED(shift);
    if (button == Qt::LeftButton) {
        w.fraEdit->show();
        w.lblCover->show();
        w.lstAdd->hide();
    } else if (button == Qt::RightButton) {
        w.mnuEdit->popup(w.RTxtComposite->viewport()->mapToGlobal(pos));
    }
}

void DocumentEditing::RTxtComposite_GotFocus()
{
    w.setHelpContextId(10006);
}

void DocumentEditing::cmdEnlarge_Click()
{
    frmLarge *large = largeEditor();
    RichTextBox *doc = w.RTxtComposite;
    large->takeDocument(doc);
    // Its activation brings the text to the large editor's size.
    large->show();
    w.hide();
    large->raise();
    large->activateWindow();
    large->RTxtComposite->setFocus(Qt::OtherFocusReason);
}
