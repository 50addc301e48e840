#pragma once

#include "platform/form.h"

#include <QPoint>
#include <QSize>

class frmMain;
class RichTextBox;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

// The large editor: the whole Lesson Plan Document in a bigger font, with the editing tools
// always at hand. It is shown instead of the main window (never beside it); the document travels
// as rich text, with its selection, each way.
class frmLarge : public Form
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

    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuBold_Click();
    void mnuItalic_Click();
    void mnuUnderline_Click();
    void mnuBoldItalic_Click();
    void mnuItalicUnderline_Click();
    void mnuPlain_Click();

    void RTxtComposite_KeyDown(int *keyCode, Qt::KeyboardModifiers shift);
    void RTxtComposite_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void RTxtComposite_GotFocus();

    // Hands the document back to the main window and shows it again.
    void cmdReturn_Click();

    RichTextBox *RTxtComposite = nullptr;
    QGroupBox *fraEdit = nullptr;
    QPushButton *cmdCut = nullptr;
    QPushButton *cmdCopy = nullptr;
    QPushButton *cmdPaste = nullptr;
    QPushButton *cmdBold = nullptr;
    QPushButton *cmdItalic = nullptr;
    QPushButton *cmdUnderline = nullptr;
    QPushButton *cmdBoldItalic = nullptr;
    QPushButton *cmdItalicUnderline = nullptr;
    QPushButton *cmdPlainText = nullptr;
    QPushButton *cmdCloseEdit = nullptr;
    QLabel *lblIndents = nullptr;
    QPushButton *cmdReturn = nullptr;
    QMenu *mnuEdit = nullptr;
    QAction *mnuCut = nullptr;
    QAction *mnuCopy = nullptr;
    QAction *mnuPaste = nullptr;
    QAction *mnuBold = nullptr;
    QAction *mnuItalic = nullptr;
    QAction *mnuUnderline = nullptr;
    QAction *mnuBoldItalic = nullptr;
    QAction *mnuItalicUnderline = nullptr;
    QAction *mnuPlain = nullptr;

public Q_SLOTS:
    // Escape and the window's close box hand the document back too: the main window is hidden
    // and the edits made here would otherwise be lost.
    void reject() override;

private:
    void createControls();
    void connectCommands();
    void format(bool bold, bool italic, bool underline);

    frmMain &w;
    int fontSize_ = 11;
};
