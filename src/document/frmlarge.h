#pragma once

#include "document/edittools.h"
#include "platform/form.h"

#include <QPoint>
#include <QSize>

class frmMain;
class RichTextBox;
class QLabel;
class QPushButton;

// The large editor: the whole Lesson Plan Document in a bigger font, with the editing tools
// always at hand. It is shown instead of the main window (never beside it); the document travels
// as rich text, with its selection, each way.
class frmLarge : public Form, public EditControls
{
    Q_OBJECT
public:
    explicit frmLarge(frmMain &main);

    // The document size for a screen of this many pixels: 12 points on a large screen (width
    // plus height at least 1700), else 11.
    static int fontSizeFor(const QSize &screenPixels);
    // The size this editor keeps its document at.
    int fontSize() const { return fontSize_; }

    // Selects the whole target document, sets it to the size, and gives it the source's
    // selection.
    static void ApplyFontSize(const RichTextBox *source, RichTextBox *target, int size);

    void Form_Load() override;
    void Form_Activate() override;

    // Ends an editing command: selection collapsed to its end, the focus in the document.
    void CloseEditTools();

    void RTxtComposite_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void RTxtComposite_GotFocus();

    // Takes the main window's document with its selection; nothing is edited here yet.
    void takeDocument(const RichTextBox *source);
    // Hands the document back to the main window and shows it again.
    void cmdReturn_Click();

    RichTextBox *RTxtComposite = nullptr;
    QLabel *lblIndents = nullptr;
    QPushButton *cmdReturn = nullptr;

private:
    void createControls();
    void connectCommands();

    frmMain &w;
    int fontSize_ = 11;
    // The teacher changed the document here; loading and resizing it are no change.
    bool edited_ = false;
    bool adjusting_ = false;
};
