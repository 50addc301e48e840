#include "richtextbox.h"

#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "safefile.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace
{

const QString rtfMimeTypes[] = {QStringLiteral("text/rtf"), QStringLiteral("application/rtf"),
                                QStringLiteral("text/richtext")};

// Paragraph and line breaks as the program's texts have them.
QString withCrLf(QString text)
{
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text.replace(u'\n', QLatin1StringView("\r\n"));
}

// RTF handed to us as a QString. It should be ASCII; anything beyond that is taken as the
// Unicode character it is, in a group that skips no fallback.
QByteArray rtfBytes(const QString &rtf)
{
    QByteArray out;
    out.reserve(rtf.size());
    for (QChar c : rtf) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            out += char(u);
        } else {
            out += "{\\uc0\\u";
            out += QByteArray::number(static_cast<qint16>(u));
            out += '}';
        }
    }
    return out;
}

} // namespace

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    // The writer states every attribute and the reader starts from the same default, so the
    // look of unformatted text and of a reloaded plan are the same.
    setFont(rtf::defaultFont());
    document()->setDefaultFont(rtf::defaultFont());
    QPalette p = palette();
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);

    connect(this, &QTextEdit::textChanged, this, &RichTextBox::Change);
}

int RichTextBox::lastPosition() const
{
    return qMax(0, document()->characterCount() - 1);
}

template <typename Fill> void RichTextBox::replaceContent(Fill fill)
{
    QTextDocument *doc = document();
    // Replacing everything is not an edit the teacher can undo; this also frees the old
    // undo history.
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(QTextCharFormat());
    cursor.setCharFormat(QTextCharFormat());
    fill(cursor);
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(true);
    setTextCursor(QTextCursor(doc));
}

QString RichTextBox::Text() const
{
    return withCrLf(document()->toRawText());
}

void RichTextBox::setText(const QString &text)
{
    replaceContent([&](QTextCursor &cursor) {
        if (!text.isEmpty())
            cursor.insertText(text);
    });
}

QString RichTextBox::TextRTF() const
{
    return QString::fromLatin1(rtf::write(*document()));
}

void RichTextBox::setTextRTF(const QString &rtf)
{
    if (!rtf.startsWith(QLatin1StringView("{\\rtf"))) {
        setText(rtf);
        return;
    }
    const QByteArray data = rtfBytes(rtf);
    replaceContent([&](QTextCursor &cursor) { rtf::read(data, cursor); });
}

int RichTextBox::SelStart() const
{
    return textCursor().selectionStart();
}

void RichTextBox::setSelStart(int start)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(qBound(0, start, lastPosition()));
    setTextCursor(cursor);
}

void RichTextBox::MoveToEnd()
{
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    setTextCursor(cursor);
}

int RichTextBox::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBox::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    if (length > 0)
        cursor.setPosition(int(qMin<qint64>(qint64(start) + length, lastPosition())),
                           QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString RichTextBox::SelText() const
{
    return withCrLf(textCursor().selectedText());
}

void RichTextBox::setSelText(const QString &text)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    if (text.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(text); // "\r\n", "\n" and "\r" become paragraph breaks
    cursor.endEditBlock();
    setTextCursor(cursor);
}

QString RichTextBox::SelRTF() const
{
    const QTextCursor cursor = textCursor();
    return QString::fromLatin1(
        rtf::write(*document(), cursor.selectionStart(), cursor.selectionEnd()));
}

void RichTextBox::setSelRTF(const QString &rtf)
{
    if (!rtf.startsWith(QLatin1StringView("{\\rtf"))) {
        setSelText(rtf);
        return;
    }
    QTextCursor cursor = textCursor();
    rtf::read(rtfBytes(rtf), cursor);
    setTextCursor(cursor);
}

rtf::CharAttributes RichTextBox::attributesAt(int position) const
{
    const QTextBlock block = document()->findBlock(position);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.contains(position))
            return rtf::attributesOf(fragment.charFormat(), document()->defaultFont());
    }
    return rtf::attributesOf(block.charFormat(), document()->defaultFont());
}

rtf::CharAttributes RichTextBox::selectionAttributes() const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return rtf::attributesOf(cursor.charFormat(), document()->defaultFont());
    return attributesAt(cursor.selectionStart());
}

bool RichTextBox::wholeSelection(bool rtf::CharAttributes::*attribute) const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return rtf::attributesOf(cursor.charFormat(), document()->defaultFont()).*attribute;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() >= end || fragment.position() + fragment.length() <= start)
                continue;
            if (!(rtf::attributesOf(fragment.charFormat(), document()->defaultFont()).*attribute))
                return false;
        }
    }
    return true;
}

bool RichTextBox::SelBold() const
{
    return wholeSelection(&rtf::CharAttributes::bold);
}

void RichTextBox::setSelBold(bool bold)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    mergeCurrentCharFormat(format);
}

bool RichTextBox::SelItalic() const
{
    return wholeSelection(&rtf::CharAttributes::italic);
}

void RichTextBox::setSelItalic(bool italic)
{
    QTextCharFormat format;
    format.setFontItalic(italic);
    mergeCurrentCharFormat(format);
}

bool RichTextBox::SelUnderline() const
{
    return wholeSelection(&rtf::CharAttributes::underline);
}

void RichTextBox::setSelUnderline(bool underline)
{
    QTextCharFormat format;
    format.setFontUnderline(underline);
    mergeCurrentCharFormat(format);
}

int RichTextBox::SelFontSize() const
{
    return (selectionAttributes().halfPoints + 1) / 2;
}

void RichTextBox::setSelFontSize(int points)
{
    if (points <= 0)
        return;
    QTextCharFormat format;
    format.setFontPointSize(qMin(points, rtf::maxHalfPoints / 2));
    mergeCurrentCharFormat(format);
}

QString RichTextBox::SelFontName() const
{
    return selectionAttributes().family;
}

void RichTextBox::setSelFontName(const QString &family)
{
    if (family.trimmed().isEmpty())
        return;
    QTextCharFormat format;
    format.setFontFamilies(QStringList{family.trimmed()});
    mergeCurrentCharFormat(format);
}

QColor RichTextBox::SelColor() const
{
    const auto color = selectionAttributes().color;
    return color ? QColor::fromRgb(*color) : QColor();
}

void RichTextBox::setSelColor(const QColor &color)
{
    QTextCharFormat format;
    if (color.isValid())
        format.setForeground(color);
    else
        format.setForeground(QBrush()); // automatic
    mergeCurrentCharFormat(format);
}

QColor RichTextBox::BackColor() const
{
    return viewport()->palette().color(QPalette::Base);
}

void RichTextBox::setBackColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
    QPalette vp = viewport()->palette();
    vp.setColor(QPalette::Base, color);
    viewport()->setPalette(vp);
}

bool RichTextBox::LoadFile(const QString &path, QString *error)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("The file \"%1\" could not be opened: %2.").arg(shown, file.errorString());
        return false;
    }
    if (file.size() > maxFileSize) {
        if (error)
            *error = tr("The file \"%1\" is too large to open (%2 MB). Lesson plans of up to "
                        "%3 MB can be opened.")
                         .arg(shown)
                         .arg(file.size() / (1024 * 1024))
                         .arg(maxFileSize / (1024 * 1024));
        return false;
    }
    // Read at most one byte past the limit: devices and pipes report no size.
    const QByteArray data = file.read(maxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = tr("The file \"%1\" could not be read: %2.").arg(shown, file.errorString());
        return false;
    }
    if (data.size() > maxFileSize) {
        if (error)
            *error = tr("The file \"%1\" is too large to open. Lesson plans of up to %2 MB can "
                        "be opened.")
                         .arg(shown)
                         .arg(maxFileSize / (1024 * 1024));
        return false;
    }
    replaceContent([&](QTextCursor &cursor) { rtf::read(data, cursor); });
    document()->setModified(false);
    return true;
}

bool RichTextBox::SaveFile(const QString &path, QString *error)
{
    QString reason;
    if (!safefile::write(path, rtf::write(*document()), &reason)) {
        if (error)
            *error = tr("The file \"%1\" could not be saved: %2.")
                         .arg(QDir::toNativeSeparators(path), reason);
        return false;
    }
    document()->setModified(false);
    return true;
}

void RichTextBox::focusInEvent(QFocusEvent *event)
{
    QTextEdit::focusInEvent(event);
    Q_EMIT GotFocus();
}

void RichTextBox::keyPressEvent(QKeyEvent *event)
{
    int keyCode = event->key();
    Q_EMIT KeyDown(&keyCode, event->modifiers());
    if (keyCode == 0) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void RichTextBox::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT MouseDown(event->button(), event->modifiers(), event->position().toPoint());
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
}

QMimeData *RichTextBox::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    auto *mime = new QMimeData;
    QString plain = cursor.selectedText();
    for (QChar &c : plain) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    mime->setText(plain);
    const QByteArray rtf = rtf::write(*document(), cursor.selectionStart(), cursor.selectionEnd());
    mime->setData(rtfMimeTypes[0], rtf);
    mime->setData(rtfMimeTypes[1], rtf);
    return mime;
}

bool RichTextBox::canInsertFromMimeData(const QMimeData *source) const
{
    if (!source)
        return false;
    for (const QString &type : rtfMimeTypes) {
        if (source->hasFormat(type))
            return true;
    }
    return source->hasText();
}

void RichTextBox::insertFromMimeData(const QMimeData *source)
{
    if (!source || isReadOnly())
        return;
    QTextCursor cursor = textCursor();
    for (const QString &type : rtfMimeTypes) {
        const QByteArray data = source->data(type);
        if (rtf::looksLikeRtf(data)) {
            rtf::read(data, cursor);
            setTextCursor(cursor);
            ensureCursorVisible();
            return;
        }
    }
    if (source->hasText()) {
        cursor.insertText(source->text());
        setTextCursor(cursor);
        ensureCursorVisible();
    }
}
