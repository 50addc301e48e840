#include "rtfwriter.h"

#include "rtfcodepage.h"
#include "rtfformat.h"

#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <utility>

namespace rtf
{

namespace
{

// Attributes of a run as table indexes, the way they are written.
struct RunState {
    int font = -1;
    int halfPoints = -1;
    int color = -1;
    int highlight = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    VerticalPosition vertical = VerticalPosition::Normal;
    bool symbolFont = false; // readers take this font's bytes as glyph numbers
};

class Writer
{
public:
    explicit Writer(const QTextDocument &doc) : m_doc(doc) {}

    QByteArray write(int from, int to);

private:
    const RunState &stateFor(int formatIndex, const QTextCharFormat &format);
    void switchTo(const RunState &next);
    void writeText(QStringView text);
    int fontIndex(const QString &family);
    int colorIndex(std::optional<QRgb> color);

    const QTextDocument &m_doc;
    QByteArray m_body;
    QList<QString> m_fonts;
    QHash<QString, int> m_fontIndexes;
    QList<QRgb> m_colors; // entries from \cf1 on; \cf0 is automatic
    QHash<QRgb, int> m_colorIndexes;
    QHash<int, RunState> m_states; // by the document's char format index
    RunState m_current;
    bool m_started = false;
};

void appendControl(QByteArray &out, const char *word, int value)
{
    out += word;
    out += QByteArray::number(value);
    out += ' ';
}

void appendUnicode(QByteArray &out, char16_t unit)
{
    // \uN takes a signed 16-bit value; the '?' is the fallback for readers without Unicode.
    appendControl(out, "\\u", static_cast<qint16>(unit));
    out += '?';
}

// Plain text in the font table: ';' ends an entry there, so it is written as a hex byte.
void appendTableText(QByteArray &out, QStringView text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u';') {
            out += "\\'3b";
        } else if (u >= 0x20 && u < 0x7f) {
            out += char(u);
        } else {
            appendUnicode(out, u);
        }
    }
}

int Writer::fontIndex(const QString &family)
{
    auto it = m_fontIndexes.constFind(family);
    if (it != m_fontIndexes.constEnd())
        return *it;
    m_fonts.append(family);
    return m_fontIndexes.insert(family, int(m_fonts.size() - 1)).value();
}

int Writer::colorIndex(std::optional<QRgb> color)
{
    if (!color)
        return 0;
    const QRgb rgb = *color | 0xff000000u;
    auto it = m_colorIndexes.constFind(rgb);
    if (it != m_colorIndexes.constEnd())
        return *it;
    m_colors.append(rgb);
    return m_colorIndexes.insert(rgb, int(m_colors.size())).value();
}

const RunState &Writer::stateFor(int formatIndex, const QTextCharFormat &format)
{
    auto it = m_states.constFind(formatIndex);
    if (it != m_states.constEnd())
        return *it;
    const CharAttributes a = attributesOf(format, m_doc.defaultFont());
    RunState s;
    s.font = fontIndex(a.family);
    s.halfPoints = a.halfPoints;
    s.color = colorIndex(a.color);
    s.bold = a.bold;
    s.italic = a.italic;
    s.underline = a.underline;
    s.strike = a.strike;
    s.vertical = a.vertical;
    s.highlight = colorIndex(a.highlight);
    s.symbolFont = codepageForFontName(a.family) != 0;
    return m_states.insert(formatIndex, s).value();
}

void Writer::switchTo(const RunState &next)
{
    if (!m_started) {
        // The first run states everything: other readers start from their own defaults.
        m_started = true;
        m_body += "\\plain ";
        m_current = RunState{};
    }
    if (next.font != m_current.font)
        appendControl(m_body, "\\f", next.font);
    if (next.halfPoints != m_current.halfPoints)
        appendControl(m_body, "\\fs", next.halfPoints);
    if (next.color != m_current.color)
        appendControl(m_body, "\\cf", next.color);
    if (next.bold != m_current.bold)
        m_body += next.bold ? "\\b " : "\\b0 ";
    if (next.italic != m_current.italic)
        m_body += next.italic ? "\\i " : "\\i0 ";
    if (next.underline != m_current.underline)
        m_body += next.underline ? "\\ul " : "\\ulnone ";
    if (next.strike != m_current.strike)
        m_body += next.strike ? "\\strike " : "\\strike0 ";
    if (next.vertical != m_current.vertical) {
        m_body += next.vertical == VerticalPosition::Super ? "\\super "
                  : next.vertical == VerticalPosition::Sub ? "\\sub "
                                                           : "\\nosupersub ";
    }
    if (next.highlight != m_current.highlight)
        appendControl(m_body, "\\highlight", next.highlight);
    m_current = next;
}

void Writer::writeText(QStringView text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7f && m_current.symbolFont) {
            // In a Symbol or Wingdings font a plain 'a' would be read as the glyph 0x61.
            appendUnicode(m_body, u);
        } else if (u >= 0x20 && u < 0x7f) {
            if (u == u'\\' || u == u'{' || u == u'}')
                m_body += '\\';
            m_body += char(u);
        } else if (u == u'\t') {
            m_body += "\\tab ";
        } else if (u == QChar::LineSeparator) {
            m_body += "\\line ";
        } else if (u == QChar::ObjectReplacementCharacter) {
            // Embedded objects (pictures) are not part of what we save.
        } else {
            appendUnicode(m_body, u);
        }
    }
}

QByteArray Writer::write(int from, int to)
{
    // The last position is the document's final block end, which is not a character we save.
    const int last = qMax(0, m_doc.characterCount() - 1);
    if (to < 0 || to > last)
        to = last;
    from = qBound(0, from, to);

    // The document's own font is font 0 (\deff0) even when no run uses it.
    fontIndex(attributesOf(QTextCharFormat(), m_doc.defaultFont()).family);

    m_body.reserve((to - from) + 64);
    for (QTextBlock block = m_doc.findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = qMax(from, fragment.position());
            const int end = qMin(to, fragment.position() + fragment.length());
            if (start >= end)
                continue;
            switchTo(stateFor(fragment.charFormatIndex(), fragment.charFormat()));
            const QString text = fragment.text();
            writeText(QStringView(text).mid(start - fragment.position(), end - start));
        }
        const int separator = block.position() + block.length() - 1;
        if (separator >= from && separator < to) {
            // The paragraph end has a format of its own (the next block's char format): text
            // typed into the empty paragraph that follows takes it.
            const QTextBlock next = block.next();
            switchTo(stateFor(next.charFormatIndex(), next.charFormat()));
            m_body += "\\par\r\n";
        }
    }

    QByteArray out;
    out.reserve(m_body.size() + 256);
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1 {\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i) {
        out += "{\\f";
        out += QByteArray::number(i);
        out += "\\fnil\\fcharset0 ";
        appendTableText(out, m_fonts.at(i));
        out += ";}";
    }
    out += "}\r\n{\\colortbl ;";
    for (QRgb rgb : std::as_const(m_colors)) {
        out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
               QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    }
    out += "}\r\n{\\*\\generator Quillmark;}\\pard ";
    out += m_body;
    out += "}\r\n";
    return out;
}

} // namespace

QByteArray write(const QTextDocument &doc, int from, int to)
{
    return Writer(doc).write(from, to);
}

} // namespace rtf
