#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QTextEdit>

#include "rtf/rtfformat.h"

class QMimeData;
class QTextCursor;

// The lesson-plan document. The rest of the program reaches the document only through these
// members, named after the rich-text box the program's procedures were written for:
// positions count document characters from 0 (a paragraph break counts 1), texts handed out
// use "\r\n" for paragraph breaks, and RTF goes through our own reader and writer.
//
// The program appends with: MoveToEnd(), set the attributes (setSelBold ...), setSelText().
// None of these serialise the document, so appending costs the size of what is appended.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    // Files above this size are refused rather than read into memory.
    static constexpr qint64 maxFileSize = 64 * 1024 * 1024;

    explicit RichTextBox(QWidget *parent = nullptr);

    // The whole document as plain text; paragraphs (and line breaks) separated by "\r\n".
    QString Text() const;
    // Replaces the content with plain text in the default look; "\r\n", "\n" and "\r" end
    // paragraphs, "" empties the document.
    void setText(const QString &text);

    // The whole document as RTF (ASCII only).
    QString TextRTF() const;
    // Replaces content and formatting; a text not beginning with "{\rtf" is loaded as plain text.
    void setTextRTF(const QString &rtf);

    // Start of the selection (the caret when nothing is selected). Setting it moves the caret
    // there and collapses the selection; a value past the end puts the caret at the end.
    int SelStart() const;
    void setSelStart(int start);
    // Caret past the last character, selection collapsed.
    void MoveToEnd();

    // Length of the selection; setting it selects that many characters from SelStart
    // (0 collapses, past the end selects to the end).
    int SelLength() const;
    void setSelLength(int length);

    // The selection as plain text ("\r\n" for paragraph breaks).
    QString SelText() const;
    // Replaces the selection (or inserts at the caret). The text takes the attributes set just
    // before it; attributes not set carry over from the text before the caret.
    void setSelText(const QString &text);

    // The selection as a whole RTF document.
    QString SelRTF() const;
    // Replaces the selection with the RTF's content; text that is not RTF is inserted as plain
    // text like setSelText.
    void setSelRTF(const QString &rtf);

    // Attributes of the selection, or of the text inserted next at the caret. A getter is true
    // only when the whole selection has the attribute; the size, font and colour are those of
    // the selection's first character.
    bool SelBold() const;
    void setSelBold(bool bold);
    bool SelItalic() const;
    void setSelItalic(bool italic);
    bool SelUnderline() const;
    void setSelUnderline(bool underline);
    int SelFontSize() const; // points, rounded
    void setSelFontSize(int points);
    QString SelFontName() const;
    void setSelFontName(const QString &family);
    QColor SelColor() const; // invalid: the automatic text colour
    void setSelColor(const QColor &color);

    // The document's background.
    QColor BackColor() const;
    void setBackColor(const QColor &color);

    // Replaces the content with the file (RTF, or plain text when it does not begin with
    // "{\rtf"). On failure the document is unchanged and *error says why, for the teacher.
    bool LoadFile(const QString &path, QString *error = nullptr);
    // Writes the whole document as RTF. The file is replaced only when writing succeeded, so a
    // failed save never damages the file that was there.
    bool SaveFile(const QString &path, QString *error = nullptr);

Q_SIGNALS:
    // After any change of content, typed or programmatic (one signal per operation).
    void Change();
    void GotFocus();
    // Before a key is handled; keyCode is the Qt::Key. Setting *keyCode = 0 swallows the key.
    void KeyDown(int *keyCode, Qt::KeyboardModifiers shift);
    // A mouse button pressed in the document; pos in viewport coordinates.
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    // No built-in context menu: the program shows its own from MouseDown.
    void contextMenuEvent(QContextMenuEvent *event) override;

    // Copy gives plain text and our RTF; paste takes RTF through our reader, else plain text.
    // HTML is never taken: it would bring foreign styles into the plan.
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    template <typename Fill> void replaceContent(Fill fill);
    rtf::CharAttributes attributesAt(int position) const;
    rtf::CharAttributes selectionAttributes() const;
    bool wholeSelection(bool rtf::CharAttributes::*attribute) const;
    int lastPosition() const;
};
