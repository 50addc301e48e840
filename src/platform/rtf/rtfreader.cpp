#include "rtfreader.h"

#include "rtfcodepage.h"
#include "rtfformat.h"
#include "rtfkeywords.h"

#include <QHash>
#include <QList>
#include <QTextCursor>

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace rtf
{

namespace
{

// The size of text whose file states none (or \fs0): 12 pt, as RTF defines it.
constexpr int unstatedHalfPoints = 24;

enum class Destination : unsigned char { Text, Skip, FontTable, ColorTable };

// Character attributes as the file states them; fonts and colours stay table numbers until a
// run is inserted, because the tables may be completed later.
struct CharState {
    int font = -1; // -1: the document's default font (\deff)
    int halfPoints = unstatedHalfPoints;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;

    bool operator==(const CharState &) const = default;
};

// What a '{' saves and the matching '}' restores.
struct GroupState {
    CharState chr;
    int unicodeSkip = 1; // \uc
    Destination destination = Destination::Text;
};

struct FontEntry {
    QString family;
    int codepage = 0; // 0: the document's code page
};

constexpr int maxUnicodeSkip = 16;
constexpr int maxFontNameBytes = 1024;
constexpr int maxFontNameLength = 128;
constexpr qint64 maxParameter = qint64(1) << 40;

bool isDigit(uchar c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(uchar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int hexValue(uchar c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int clampToInt(qint64 v)
{
    return int(
        std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

class Reader
{
public:
    explicit Reader(QTextCursor &cursor) : m_cursor(cursor) { m_stack.reserve(64); }

    void read(const char *begin, const char *end);

private:
    // Tokens
    void controlWord();
    void controlSymbol(uchar c);
    void word(std::string_view name, bool hasParameter, qint64 parameter);
    void fontTableWord(Keyword keyword, bool hasParameter, qint64 parameter);
    void colorTableWord(Keyword keyword, bool hasParameter, qint64 parameter);
    void pushGroup();
    void popGroup();

    // Content
    void text(const char *begin, const char *end, bool high);
    void hexByte(uchar byte);
    void character(char16_t c);
    void unicode(bool hasParameter, qint64 parameter);
    void paragraph();
    void cellEnd();

    // Output
    void appendBytes(const char *begin, const char *end, bool high);
    void prepareRun();
    void flushBytes();
    void flushRun();
    const QTextCharFormat &formatOf(const CharState &chr);
    QString familyOf(int font) const;
    int codepageOf(int font);
    void setAnsiCodepage(int codepage);

    // Tables
    void startFont(int number);
    void finishFont();
    int pendingFontCodepage() const;
    void addColor();

    QTextCursor &m_cursor;
    const char *m_pos = nullptr;
    const char *m_end = nullptr;

    GroupState m_state;
    std::vector<GroupState> m_stack;
    qint64 m_overflowDepth = 0;    // groups opened beyond maxGroupDepth
    int m_pendingSkip = 0;         // \u fallback characters still to skip
    bool m_starred = false;        // the last token was \*
    bool m_paragraphEnded = false; // the text so far ends with a paragraph end

    int m_ansiCodepage = 1252;
    int m_defaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    QList<std::optional<QRgb>> m_colors;

    // The font table entry being read.
    bool m_fontOpen = false;
    int m_fontNumber = 0;
    int m_fontCharset = -1;
    int m_fontCodepage = 0;
    QByteArray m_fontBytes;
    QString m_fontName;

    // The colour table entry being read.
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;

    // The run being collected: text with one format, inserted with one call. Bytes of the
    // current code page wait in m_bytes so that double-byte characters decode as pairs.
    QString m_run;
    CharState m_runChr;
    QByteArray m_bytes;
    int m_bytesCodepage = 1252;
    bool m_bytesHigh = false;
    CodepageDecoder m_decoder;

    // Formats made so far, reused so that the document finds them without hashing anew.
    // Emptied when a font or colour entry is added, since a number may then mean another font.
    std::vector<std::pair<CharState, QTextCharFormat>> m_formats;

    // Code page of the font last asked for; fonts do not change once the table is read.
    int m_cachedFont = std::numeric_limits<int>::min();
    int m_cachedCodepage = 1252;
};

void Reader::read(const char *begin, const char *end)
{
    m_pos = begin;
    m_end = end;
    while (m_pos < m_end) {
        const uchar c = uchar(*m_pos);
        if (c == '\\') {
            ++m_pos;
            controlWord();
        } else if (c == '{') {
            ++m_pos;
            m_starred = false;
            pushGroup();
        } else if (c == '}') {
            ++m_pos;
            m_starred = false;
            popGroup();
        } else if (c < 0x20) {
            // Line ends and other control bytes are not text; a literal TAB is \tab.
            ++m_pos;
            if (c == '\t') {
                m_starred = false;
                character(u'\t');
            }
        } else {
            m_starred = false;
            const char *start = m_pos;
            uchar bits = 0;
            while (m_pos < m_end) {
                const uchar d = uchar(*m_pos);
                if (d == '\\' || d == '{' || d == '}' || d < 0x20)
                    break;
                bits |= d;
                ++m_pos;
            }
            text(start, m_pos, bits & 0x80);
        }
    }
    finishFont();
    flushRun();
}

void Reader::controlWord()
{
    if (m_pos >= m_end)
        return;
    const uchar c = uchar(*m_pos);
    if (!isLetter(c)) {
        ++m_pos;
        controlSymbol(c);
        return;
    }
    const char *start = m_pos;
    while (m_pos < m_end && isLetter(uchar(*m_pos)))
        ++m_pos;
    const std::string_view name(start, size_t(m_pos - start));

    bool negative = false;
    if (m_pos + 1 < m_end && *m_pos == '-' && isDigit(uchar(m_pos[1]))) {
        negative = true;
        ++m_pos;
    }
    bool hasParameter = false;
    qint64 value = 0;
    while (m_pos < m_end && isDigit(uchar(*m_pos))) {
        // Absurdly long numbers are consumed but saturate instead of overflowing.
        if (value < maxParameter)
            value = value * 10 + (*m_pos - '0');
        hasParameter = true;
        ++m_pos;
    }
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos;
    word(name, hasParameter, negative ? -value : value);
}

void Reader::controlSymbol(uchar c)
{
    if (c == '*') {
        m_starred = true;
        return;
    }
    m_starred = false;
    switch (c) {
    case '\'': {
        int value = -1;
        for (int i = 0; i < 2 && m_pos < m_end; ++i) {
            const int h = hexValue(uchar(*m_pos));
            if (h < 0)
                break;
            value = (value < 0 ? 0 : value * 16) + h;
            ++m_pos;
        }
        if (value >= 0)
            hexByte(uchar(value));
        break;
    }
    case '\\':
    case '{':
    case '}': {
        const char ch = char(c);
        text(&ch, &ch + 1, false);
        break;
    }
    case '\r':
    case '\n':
        // A backslash before a line end is a paragraph end.
        word("par", false, 0);
        break;
    case '\t':
        character(u'\t');
        break;
    case '~':
        character(u'\u00a0');
        break;
    case '-':
        character(u'\u00ad');
        break;
    case '_':
        character(u'\u2011');
        break;
    default:
        // \: (index subentry), \| (formula) and anything unknown carry no text.
        if (m_pendingSkip > 0 && m_state.destination != Destination::Skip)
            --m_pendingSkip;
        break;
    }
}

void Reader::word(std::string_view name, bool hasParameter, qint64 parameter)
{
    const bool starred = std::exchange(m_starred, false);
    const KeywordInfo info = lookupKeyword(name);
    const Keyword keyword = info.keyword;

    if (keyword == Keyword::Binary) {
        // Raw data follows, also inside skipped groups; it is never text.
        const qint64 left = m_end - m_pos;
        m_pos += hasParameter ? std::clamp<qint64>(parameter, 0, left) : 0;
        return;
    }
    if (m_state.destination == Destination::Skip)
        return;
    if (keyword == Keyword::SkipDestination ||
        (starred && keyword != Keyword::FontTable && keyword != Keyword::ColorTable &&
         keyword != Keyword::TextDestination)) {
        // {\*\unknown ...} and known non-text destinations: the rest of the group is inert.
        m_state.destination = Destination::Skip;
        return;
    }
    if (m_pendingSkip > 0 && keyword != Keyword::Unicode) {
        // A control word in the fallback of \uN counts as one skipped character.
        --m_pendingSkip;
        return;
    }
    if (m_state.destination == Destination::FontTable) {
        fontTableWord(keyword, hasParameter, parameter);
        return;
    }
    if (m_state.destination == Destination::ColorTable) {
        colorTableWord(keyword, hasParameter, parameter);
        return;
    }

    CharState &chr = m_state.chr;
    const bool on = !(hasParameter && parameter == 0);
    switch (keyword) {
    case Keyword::FontTable:
        m_state.destination = Destination::FontTable;
        break;
    case Keyword::ColorTable:
        m_state.destination = Destination::ColorTable;
        m_colorSet = false;
        m_red = m_green = m_blue = 0;
        break;
    case Keyword::Bold:
        chr.bold = on;
        break;
    case Keyword::Italic:
        chr.italic = on;
        break;
    case Keyword::Underline:
        chr.underline = on;
        break;
    case Keyword::UnderlineNone:
        chr.underline = false;
        break;
    case Keyword::Hidden:
        chr.hidden = on;
        break;
    case Keyword::Plain:
        chr = CharState{};
        break;
    case Keyword::Font:
        if (hasParameter)
            chr.font = clampToInt(parameter);
        break;
    case Keyword::FontSize:
        chr.halfPoints = hasParameter && parameter > 0 ? int(qMin<qint64>(parameter, maxHalfPoints))
                                                       : unstatedHalfPoints;
        break;
    case Keyword::Color:
        chr.color = hasParameter && parameter > 0 && parameter < maxColors ? int(parameter) : 0;
        break;
    case Keyword::UnicodeSkip:
        if (hasParameter && parameter >= 0)
            m_state.unicodeSkip = int(qMin<qint64>(parameter, maxUnicodeSkip));
        break;
    case Keyword::Unicode:
        unicode(hasParameter, parameter);
        break;
    case Keyword::Ansi:
        setAnsiCodepage(1252);
        break;
    case Keyword::Mac:
        setAnsiCodepage(10000);
        break;
    case Keyword::Pc:
        setAnsiCodepage(437);
        break;
    case Keyword::Pca:
        setAnsiCodepage(850);
        break;
    case Keyword::AnsiCodepage:
        if (hasParameter && parameter > 0 && parameter < 100000)
            setAnsiCodepage(int(parameter));
        break;
    case Keyword::DefaultFont:
        if (hasParameter) {
            m_defaultFont = clampToInt(parameter);
            m_cachedFont = std::numeric_limits<int>::min();
        }
        break;
    case Keyword::Paragraph:
        paragraph();
        break;
    case Keyword::CellEnd:
        cellEnd();
        break;
    case Keyword::Character:
        character(info.character);
        break;
    default:
        break;
    }
}

void Reader::fontTableWord(Keyword keyword, bool hasParameter, qint64 parameter)
{
    switch (keyword) {
    case Keyword::Font:
        if (hasParameter)
            startFont(clampToInt(parameter));
        break;
    case Keyword::FontCharset:
        if (hasParameter)
            m_fontCharset = clampToInt(parameter);
        break;
    case Keyword::FontCodepage:
        if (hasParameter && parameter > 0 && parameter < 100000)
            m_fontCodepage = int(parameter);
        break;
    case Keyword::Unicode:
        unicode(hasParameter, parameter);
        break;
    case Keyword::UnicodeSkip:
        if (hasParameter && parameter >= 0)
            m_state.unicodeSkip = int(qMin<qint64>(parameter, maxUnicodeSkip));
        break;
    default:
        break;
    }
}

void Reader::colorTableWord(Keyword keyword, bool hasParameter, qint64 parameter)
{
    const int value = hasParameter ? int(std::clamp<qint64>(parameter, 0, 255)) : 0;
    switch (keyword) {
    case Keyword::Red:
        m_red = value;
        m_colorSet = true;
        break;
    case Keyword::Green:
        m_green = value;
        m_colorSet = true;
        break;
    case Keyword::Blue:
        m_blue = value;
        m_colorSet = true;
        break;
    default:
        break;
    }
}

void Reader::pushGroup()
{
    m_pendingSkip = 0;
    if (m_stack.size() >= size_t(maxGroupDepth)) {
        ++m_overflowDepth;
        return;
    }
    m_stack.push_back(m_state);
}

void Reader::popGroup()
{
    m_pendingSkip = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.empty())
        return; // a stray '}'
    const Destination left = m_state.destination;
    m_state = m_stack.back();
    m_stack.pop_back();
    if (left == Destination::FontTable && m_state.destination != Destination::FontTable)
        finishFont();
    if (left == Destination::ColorTable && m_state.destination != Destination::ColorTable &&
        m_colorSet)
        addColor(); // a last entry without its ';'
}

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
    const char16_t c = char16_t(parameter < 0 ? parameter + 65536 : parameter);
    m_pendingSkip = 0;
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
    const int codepage = codepageOf(m_state.chr.font);
    if (!m_bytes.isEmpty() && codepage != m_bytesCodepage)
        flushBytes();
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
    m_cursor.insertText(m_run, formatOf(m_runChr));
    m_run.resize(0);
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

void Reader::setAnsiCodepage(int codepage)
{
    m_ansiCodepage = codepage;
    m_cachedFont = std::numeric_limits<int>::min(); // a font without a charset follows it
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

const QTextCharFormat &Reader::formatOf(const CharState &chr)
{
    for (const auto &[state, format] : m_formats) {
        if (state == chr)
            return format;
    }
    if (m_formats.size() >= 64)
        m_formats.clear();
    CharAttributes a;
    a.family = familyOf(chr.font);
    a.halfPoints = chr.halfPoints;
    a.bold = chr.bold;
    a.italic = chr.italic;
    a.underline = chr.underline;
    if (chr.color >= 0 && chr.color < m_colors.size())
        a.color = m_colors.at(chr.color);
    return m_formats.emplace_back(chr, charFormatOf(a)).second;
}

void Reader::startFont(int number)
{
    finishFont();
    m_fontOpen = true;
    m_fontNumber = number;
    m_fontCharset = -1;
    m_fontCodepage = 0;
    m_fontBytes.clear();
    m_fontName.clear();
}

int Reader::pendingFontCodepage() const
{
    const int codepage = m_fontCodepage ? m_fontCodepage : codepageForCharset(m_fontCharset);
    return codepage ? codepage : m_ansiCodepage;
}

void Reader::finishFont()
{
    if (!m_fontOpen)
        return;
    m_fontOpen = false;
    const int codepage = m_fontCodepage ? m_fontCodepage : codepageForCharset(m_fontCharset);
    m_fontName += m_decoder.decode(m_fontBytes, pendingFontCodepage());
    m_fontBytes.clear();
    if (m_fonts.size() >= maxFonts && !m_fonts.contains(m_fontNumber))
        return;
    m_fonts.insert(m_fontNumber, FontEntry{m_fontName.left(maxFontNameLength).trimmed(), codepage});
    m_cachedFont = std::numeric_limits<int>::min();
    m_formats.clear();
}

void Reader::addColor()
{
    if (m_colors.size() < maxColors)
        m_colors.append(m_colorSet ? std::optional<QRgb>(qRgb(m_red, m_green, m_blue))
                                   : std::nullopt);
    m_formats.clear();
    m_colorSet = false;
    m_red = m_green = m_blue = 0;
}

} // namespace

bool looksLikeRtf(const QByteArray &data)
{
    return data.startsWith("{\\rtf");
}

void read(const QByteArray &data, QTextCursor &cursor)
{
    if (cursor.isNull())
        return;
    cursor.beginEditBlock();
    if (cursor.hasSelection())
        cursor.removeSelectedText();
    if (looksLikeRtf(data)) {
        Reader reader(cursor);
        reader.read(data.constData(), data.constData() + data.size());
    } else {
        const QString text = decodePlainText(data);
        if (!text.isEmpty())
            cursor.insertText(text);
    }
    cursor.endEditBlock();
}

} // namespace rtf
