#pragma once

#include <QObject>
#include <QPoint>
#include <Qt>
#include <memory>

class frmLarge;
class frmMain;
class Platform;
class RichTextBox;
struct LessonPlanModule;

// The editing commands the teacher has on a document: character formatting, the program's own
// cut, copy and paste, and the keys the document handles itself. The main window and the large
// editor both run them; each window then ends the command in its own way (CloseEditTools).
namespace docedit
{

// The document font size on the main screen.
inline constexpr int MainFontSize = 10;

// Sets bold, italic and underline of the selection (or of the text typed next at the caret).
void setFormat(RichTextBox *doc, bool bold, bool italic, bool underline);

// Copy: the selection's plain text and its rich form go to the copy buffer and to the system
// clipboard (other programs take the text or the RTF). With nothing selected the buffer and the
// clipboard are kept. The copy keys and the tools and menus of every window copy this way.
void copySelection(RichTextBox *doc, LessonPlanModule &m, Platform &platform);
// Cut: copied as above, then deleted, so a passage cut and pasted keeps its formatting.
void cutSelection(RichTextBox *doc, LessonPlanModule &m, Platform &platform);
// Paste: when the clipboard still holds the text of the program's last Copy, its rich form is
// inserted; any other text is inserted plain. An empty clipboard leaves the document alone.
void pasteClipboard(RichTextBox *doc, LessonPlanModule &m, Platform &platform);

// Whether the clipboard's text is the plain form the program put there with its last Copy. Line
// breaks count the same whichever form the clipboard hands them back in.
bool isOwnCopy(const QString &clipboardText, const LessonPlanModule &m);

// Sets the whole document to the size, then puts the caret back where it was (collapsed).
void resizeDocument(RichTextBox *doc, int points);
// Selects the whole document, sets the size and selects start..start+length.
void resizeDocument(RichTextBox *doc, int points, int start, int length);

// Collapses the selection to its end. A caret without a selection stays as it is, so that
// attributes just set there apply to the text typed next.
void collapseToEnd(RichTextBox *doc);

// Tab: the selection is collapsed and four blanks go in instead of a tab character.
void insertIndent(RichTextBox *doc);

// What a key pressed in a document means to the program.
enum class KeyCommand { None, Copy, Cut, Paste, Indent };
KeyCommand keyCommand(int keyCode, Qt::KeyboardModifiers shift);

} // namespace docedit

// Hand editing of the Lesson Plan Document on the main screen: the editing tools shown while the
// teacher edits (their commands are EditCommands), the context menu, and the large editor.
class DocumentEditing : public QObject
{
    Q_OBJECT
public:
    explicit DocumentEditing(frmMain &w);
    ~DocumentEditing() override;

    // Ends an editing command: tools hidden, the item list back, selection collapsed to its end,
    // the focus in the document.
    void CloseEditTools();

    void RTxtComposite_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void RTxtComposite_GotFocus();

    // Hands the document to the large editor and hides the main window.
    void cmdEnlarge_Click();
    // The large editor, created on first use.
    frmLarge *largeEditor();

private:
    frmMain &w;
    // A window of its own: with the main window hidden it must stay on the task bar.
    std::unique_ptr<frmLarge> large_;
};
