#include "rtfreader_p.h"

#include <QTextBlockFormat>
#include <QTextLength>

#include <algorithm>

namespace rtf::detail
{

namespace
{

// The class a character's script puts it in; -1 for spaces, digits, punctuation and marks,
// which belong to no script.
int scriptClass(char32_t c)
{
    if (c < 0x80)
        return (c | 0x20) >= 'a' && (c | 0x20) <= 'z' ? int(TextClass::Western) : -1;
    if (c < 0x0590)
        return QChar::isLetter(c) ? int(TextClass::Western) : -1;
    // Ideographic punctuation and the full-width forms are East Asian text.
    if ((c >= 0x3000 && c <= 0x303f) || (c >= 0xff00 && c <= 0xffef))
        return int(TextClass::Asian);
    switch (QChar::script(c)) {
    case QChar::Script_Common:
    case QChar::Script_Inherited:
    case QChar::Script_Unknown:
        return -1;
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
    case QChar::Script_Bopomofo:
    case QChar::Script_Yi:
        return int(TextClass::Asian);
    case QChar::Script_Hebrew:
    case QChar::Script_Arabic:
    case QChar::Script_Syriac:
    case QChar::Script_Thaana:
    case QChar::Script_Nko:
    case QChar::Script_Samaritan:
    case QChar::Script_Mandaic:
    case QChar::Script_Thai:
    case QChar::Script_Lao:
    case QChar::Script_Khmer:
    case QChar::Script_Devanagari:
    case QChar::Script_Bengali:
    case QChar::Script_Gurmukhi:
    case QChar::Script_Gujarati:
    case QChar::Script_Oriya:
    case QChar::Script_Tamil:
    case QChar::Script_Telugu:
    case QChar::Script_Kannada:
    case QChar::Script_Malayalam:
    case QChar::Script_Sinhala:
        return int(TextClass::Complex);
    default:
        return int(TextClass::Western);
    }
}

RunKey resolve(const CharState &chr, TextClass cls)
{
    RunKey key{chr.font,   chr.halfPoints, chr.color,  chr.highlight, chr.bold,
               chr.italic, chr.underline,  chr.strike, chr.vertical};
    if (cls == TextClass::Western)
        return key;
    const AssociatedProps &a = cls == TextClass::Asian ? chr.asian : chr.complex;
    if (a.font != unsetFont)
        key.font = a.font;
    if (a.halfPoints)
        key.halfPoints = a.halfPoints;
    if (a.bold >= 0)
        key.bold = a.bold;
    if (a.italic >= 0)
        key.italic = a.italic;
    return key;
}

} // namespace

void Reader::text(const char *begin, const char *end, bool high)
{
    if (m_state.destination == Destination::Skip)
        return;
    while (m_pendingSkip > 0 && begin < end) {
        ++begin;
        --m_pendingSkip;
    }
    if (begin == end)
        return;
    switch (m_state.destination) {
    case Destination::Text:
        if (!m_state.chr.hidden)
            appendBytes(begin, end, high);
        break;
    case Destination::FontTable:
        for (const char *p = begin; p < end; ++p) {
            if (*p == ';')
                finishFont();
            else if (m_fontOpen && m_fontBytes.size() < maxFontNameBytes)
                m_fontBytes.append(*p);
        }
        break;
    case Destination::ColorTable:
        for (const char *p = begin; p < end; ++p) {
            if (*p == ';')
                addColor();
        }
        break;
    case Destination::Skip:
    case Destination::Object:
        break;
    }
}

void Reader::hexByte(uchar byte)
{
    if (m_state.destination == Destination::Skip)
        return;
    if (m_pendingSkip > 0) {
        --m_pendingSkip;
        return;
    }
    if (m_state.destination == Destination::FontTable) {
        if (m_fontOpen && m_fontBytes.size() < maxFontNameBytes)
            m_fontBytes.append(char(byte));
        return;
    }
    if (m_state.destination != Destination::Text || m_state.chr.hidden)
        return;
    if (byte < 0x20) {
        if (byte == '\t')
            character(u'\t');
        return;
    }
    const char ch = char(byte);
    appendBytes(&ch, &ch + 1, byte >= 0x80);
}

void Reader::character(char16_t c)
{
    if (m_state.destination == Destination::Skip)
        return;
    if (m_pendingSkip > 0) {
        --m_pendingSkip;
        return;
    }
    if (m_state.destination == Destination::FontTable) {
        if (!m_fontOpen)
            return;
        if (!m_fontBytes.isEmpty()) {
            m_fontName += m_decoder.decode(m_fontBytes, pendingFontCodepage());
            m_fontBytes.clear();
        }
        if (m_fontName.size() < maxFontNameLength)
            m_fontName += QChar(c);
        return;
    }
    if (m_state.destination != Destination::Text || m_state.chr.hidden)
        return;
    prepareRun();
    flushBytes();
    m_run += QChar(c);
    m_paragraphEnded = false;
}

void Reader::unicode(bool hasParameter, qint64 parameter)
{
    if (!hasParameter || parameter < -32768 || parameter > 65535)
        return;
    char16_t c = char16_t(parameter < 0 ? parameter + 65536 : parameter);
    m_pendingSkip = 0;
    if (c >= 0xf020 && c <= 0xf0ff && m_state.destination == Destination::Text) {
        // Symbol fonts' glyphs written as the private-use characters that stand for them.
        if (const int codepage = codepageOf(bytesFont()); isSymbolCodepage(codepage)) {
            const char32_t symbol = symbolCharacter(codepage, uchar(c - 0xf000));
            if (QChar::requiresSurrogates(symbol)) {
                character(QChar::highSurrogate(symbol));
                c = QChar::lowSurrogate(symbol);
            } else {
                c = char16_t(symbol);
            }
        }
    }
    if (c == QChar::ParagraphSeparator || c == u'\r' || c == u'\n')
        paragraph();
    else if (c == u'\t' || (c >= 0x20 && c != 0xfdd0 && c != 0xfdd1 && c != 0xfffc))
        character(c); // (U+FDD0/1 and U+FFFC are the editor's own frame and object marks)
    m_pendingSkip = m_state.unicodeSkip;
}

void Reader::paragraph()
{
    if (m_state.destination != Destination::Text)
        return;
    // The paragraph end takes the current format: text typed into the empty paragraph that
    // follows continues with it.
    prepareRun();
    flushBytes();
    m_run += u'\n';
    m_paragraphEnded = true;
}

void Reader::cellEnd()
{
    // A cell is read as its text and a tab. When the cell's last paragraph ends with \par (as
    // pandoc writes every cell), that paragraph end is the end of the cell, not a line of its
    // own. (The '\n' is still in the run: nothing was added after it.)
    if (m_paragraphEnded && m_run.endsWith(u'\n'))
        m_run.chop(1);
    character(u'\t');
}

void Reader::appendBytes(const char *begin, const char *end, bool high)
{
    m_paragraphEnded = false;
    prepareRun();
    const int codepage = codepageOf(bytesFont());
    if (!m_bytes.isEmpty() && codepage != m_bytesCodepage)
        flushBytes();
    // Symbol fonts map even their ASCII range to other characters.
    if (isSymbolCodepage(codepage))
        high = true;
    if (high || !m_bytes.isEmpty()) {
        if (m_bytes.isEmpty())
            m_bytesCodepage = codepage;
        m_bytes.append(begin, end - begin);
        m_bytesHigh = m_bytesHigh || high;
    } else {
        m_run += QLatin1StringView(begin, end - begin);
    }
}

void Reader::prepareRun()
{
    if (m_runChr == m_state.chr)
        return;
    if (!m_run.isEmpty() || !m_bytes.isEmpty())
        flushRun();
    m_runChr = m_state.chr;
}

void Reader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    if (m_bytesHigh)
        m_run += m_decoder.decode(m_bytes, m_bytesCodepage);
    else
        m_run += QLatin1StringView(m_bytes);
    m_bytes.clear();
    m_bytesHigh = false;
}

void Reader::flushRun()
{
    flushBytes();
    if (m_run.isEmpty())
        return;
    const CharState &chr = m_runChr;
    const RunKey western = resolve(chr, TextClass::Western);
    if (!chr.asian.isSet() && !chr.complex.isSet()) {
        insert(m_run, western);
    } else if (chr.classWord == ClassWord::RightToLeft || chr.classWord == ClassWord::DoubleByte) {
        // The file says which class the text is in.
        insert(m_run, resolve(chr, chr.classWord == ClassWord::RightToLeft ? TextClass::Complex
                                                                           : TextClass::Asian));
    } else {
        const RunKey keys[] = {western, resolve(chr, TextClass::Asian),
                               resolve(chr, TextClass::Complex)};
        if (keys[1] == western && keys[2] == western) {
            insert(m_run, western);
        } else {
            // Each character takes the properties of its script's class; spaces, digits and
            // punctuation go with the text before them (or, at the start, after them).
            qsizetype start = 0;
            int current = -1;
            for (qsizetype i = 0; i < m_run.size();) {
                char32_t c = m_run.at(i).unicode();
                qsizetype next = i + 1;
                if (QChar::isHighSurrogate(c) && next < m_run.size() &&
                    m_run.at(next).isLowSurrogate())
                    c = QChar::surrogateToUcs4(char16_t(c), m_run.at(next++).unicode());
                if (const int cls = scriptClass(c); cls >= 0 && cls != current) {
                    if (current >= 0 && keys[cls] != keys[current]) {
                        insert(m_run.mid(start, i - start), keys[current]);
                        start = i;
                    }
                    current = cls;
                }
                i = next;
            }
            insert(start ? m_run.mid(start) : m_run, keys[current < 0 ? 0 : current]);
        }
    }
    m_run.resize(0);
}

void Reader::insert(const QString &text, const RunKey &key)
{
    // A glyph given as its private-use character where the file had not (or not fully) named its
    // font a symbol font is mapped here, by the font's name as the writer tells a symbol font:
    // what is read survives a write and a read.
    QString glyphs;
    if (const int codepage = codepageForFontName(familyOf(key.font)); isSymbolCodepage(codepage)) {
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if (u < 0xf020 || u > 0xf0ff) {
                glyphs += c;
                continue;
            }
            const char32_t symbol = symbolCharacter(codepage, uchar(u - 0xf000));
            glyphs += QString::fromUcs4(&symbol, 1);
        }
    }
    const QString &shown = glyphs.isEmpty() ? text : glyphs;
    if (m_toNotes) {
        if (!m_notes.empty())
            m_notes.back().push_back(NoteRun{shown, formatOf(key)});
    } else {
        m_cursor.insertText(shown, formatOf(key));
    }
}

QString Reader::familyOf(int font) const
{
    auto it = m_fonts.constFind(font);
    if (it == m_fonts.constEnd() || it->family.isEmpty())
        it = m_fonts.constFind(m_defaultFont);
    if (it == m_fonts.constEnd() || it->family.isEmpty())
        return defaultFontFamily();
    return it->family;
}

int Reader::codepageOf(int font)
{
    if (font == m_cachedFont)
        return m_cachedCodepage;
    auto it = m_fonts.constFind(font);
    if (it == m_fonts.constEnd())
        it = m_fonts.constFind(m_defaultFont);
    m_cachedFont = font;
    m_cachedCodepage = it != m_fonts.constEnd() && it->codepage ? it->codepage : m_ansiCodepage;
    return m_cachedCodepage;
}

const QTextCharFormat &Reader::formatOf(const RunKey &key)
{
    for (const auto &[k, format] : m_formats) {
        if (k == key)
            return format;
    }
    if (m_formats.size() >= 64)
        m_formats.clear();
    CharAttributes a;
    a.family = familyOf(key.font);
    a.halfPoints = key.halfPoints;
    a.bold = key.bold;
    a.italic = key.italic;
    a.underline = key.underline;
    a.strike = key.strike;
    a.vertical = key.vertical;
    if (key.color >= 0 && key.color < m_colors.size())
        a.color = m_colors.at(key.color);
    if (key.highlight > 0 && key.highlight < m_colors.size())
        a.highlight = m_colors.at(key.highlight);
    return m_formats.emplace_back(key, charFormatOf(a)).second;
}

int Reader::bytesFont() const
{
    // Bytes marked as double-byte or right-to-left text are in the font of their class.
    const CharState &chr = m_state.chr;
    if (chr.classWord == ClassWord::DoubleByte && chr.asian.font != unsetFont)
        return chr.asian.font;
    if (chr.classWord == ClassWord::RightToLeft && chr.complex.font != unsetFont)
        return chr.complex.font;
    return chr.font;
}

void Reader::startFootnote()
{
    if (m_state.destination != Destination::Text || m_state.inNote) {
        m_state.destination = Destination::Skip; // a note inside a note
        return;
    }
    m_state.inNote = true;
    ++m_noteCount;
    switchOutput(true);
    m_notes.emplace_back();
}

void Reader::footnoteMark()
{
    // The mark is the note's number: in the body the number of the note that follows, in a
    // note its own.
    const int number = m_state.inNote ? m_noteCount : m_noteCount + 1;
    for (QChar c : QString::number(number))
        character(c.unicode());
}

void Reader::switchOutput(bool notes)
{
    flushRun();
    m_toNotes = notes;
    m_paragraphEnded = false;
}

void Reader::insertNotes()
{
    // The notes go after the text, each a paragraph of its own, below an empty paragraph with
    // a rule. Text after the insertion point stays after them, in a paragraph of its own.
    const auto hasText = [](const std::vector<NoteRun> &note) {
        return std::any_of(note.begin(), note.end(),
                           [](const NoteRun &run) { return !run.text.isEmpty(); });
    };
    if (std::none_of(m_notes.begin(), m_notes.end(), hasText))
        return;
    const bool textFollows = !m_cursor.atBlockEnd();
    if (!m_cursor.atBlockStart() || textFollows)
        m_cursor.insertBlock();
    if (textFollows) {
        m_cursor.insertBlock();
        m_cursor.movePosition(QTextCursor::PreviousBlock);
    }
    QTextBlockFormat rule;
    rule.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                     QTextLength(QTextLength::PercentageLength, 100));
    m_cursor.setBlockFormat(rule);
    for (std::vector<NoteRun> &note : m_notes) {
        if (!hasText(note))
            continue;
        // A note's last paragraph end is the end of the note.
        while (!note.empty() && note.back().text.endsWith(u'\n')) {
            note.back().text.chop(1);
            if (note.back().text.isEmpty())
                note.pop_back();
        }
        if (note.empty())
            continue;
        m_cursor.insertBlock(QTextBlockFormat(), note.front().format);
        for (const NoteRun &run : note)
            m_cursor.insertText(run.text, run.format);
    }
}

} // namespace rtf::detail
