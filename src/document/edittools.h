#pragma once

#include <QObject>
#include <QString>
#include <Qt>
#include <functional>

class Platform;
class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class QWidget;
class RichTextBox;
struct LessonPlanModule;

// The editing tools of a document window: the Edit frame's ten buttons and the Edit context
// menu. The main window and the large editor both carry them, under the same names.
struct EditControls {
    // Makes the frame (its buttons in `columns` columns) as a child of `frameParent` and the menu
    // as a child of `menuParent`; only the plain-text entry's caption differs between windows.
    void createEditControls(QWidget *frameParent, QWidget *menuParent, int columns,
                            const QString &plainCaption);

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
};

// The commands behind a window's editing tools, run on its document: each button runs the menu
// command of the same meaning, and every command ends with the window's own CloseEditTools. The
// paste and Tab keys of the document are handled here too. Pasted text takes the window's size.
class EditCommands : public QObject
{
    Q_OBJECT
public:
    EditCommands(QObject *parent, const EditControls &controls, RichTextBox *doc,
                 LessonPlanModule &m, Platform &platform, int pasteSize,
                 std::function<void()> closeEditTools);

    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuBold_Click() { format(true, false, false); }
    void mnuItalic_Click() { format(false, true, false); }
    void mnuUnderline_Click() { format(false, false, true); }
    void mnuBoldItalic_Click() { format(true, true, false); }
    void mnuItalicUnderline_Click() { format(false, true, true); }
    void mnuPlain_Click() { format(false, false, false); }

    // The document's KeyDown: the copy, cut and paste keys run mnuCopy_Click, mnuCut_Click and
    // mnuPaste_Click, Tab indents; a key handled here is set to 0.
    void RTxtComposite_KeyDown(int *keyCode, Qt::KeyboardModifiers shift);

private:
    void format(bool bold, bool italic, bool underline);

    RichTextBox *doc_;
    LessonPlanModule &m_;
    Platform &platform_;
    int pasteSize_;
    std::function<void()> close_;
};
