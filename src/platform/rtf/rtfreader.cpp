#include "rtfreader.h"

#include "rtfreader_p.h"

#include <algorithm>

namespace rtf
{

namespace detail
{

namespace
{

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

int halfPointsOf(bool hasParameter, qint64 parameter)
{
    return hasParameter && parameter > 0 ? int(qMin<qint64>(parameter, maxHalfPoints))
                                         : unstatedHalfPoints;
}

int colorIndexOf(bool hasParameter, qint64 parameter)
{
    return hasParameter && parameter > 0 && parameter < maxColors ? int(parameter) : 0;
}

} // namespace

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
    switchOutput(false);
    insertNotes();
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
         keyword != Keyword::TextDestination && keyword != Keyword::Footnote)) {
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

    switch (keyword) {
    case Keyword::FontTable:
        m_state.destination = Destination::FontTable;
        break;
    case Keyword::ColorTable:
        m_state.destination = Destination::ColorTable;
        m_colorSet = false;
        m_red = m_green = m_blue = 0;
        break;
    case Keyword::Object:
        // An embedded object shows as its \result; its data and class name are not text.
        if (m_state.destination == Destination::Text)
            m_state.destination = Destination::Object;
        break;
    case Keyword::ObjectResult:
        if (m_state.destination == Destination::Object)
            m_state.destination = Destination::Text;
        break;
    case Keyword::Footnote:
        startFootnote();
        break;
    case Keyword::FootnoteMark:
        footnoteMark();
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
        characterWord(keyword, hasParameter, parameter);
        break;
    }
}

void Reader::characterWord(Keyword keyword, bool hasParameter, qint64 parameter)
{
    CharState &chr = m_state.chr;
    const bool on = !(hasParameter && parameter == 0);
    switch (keyword) {
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
    case Keyword::Strike:
        chr.strike = on;
        break;
    case Keyword::Superscript:
        chr.vertical = VerticalPosition::Super;
        break;
    case Keyword::Subscript:
        chr.vertical = VerticalPosition::Sub;
        break;
    case Keyword::NoSuperSub:
        chr.vertical = VerticalPosition::Normal;
        break;
    case Keyword::Up:
    case Keyword::Down:
        // Raised or lowered text is shown as superscript or subscript.
        if (!on)
            chr.vertical = VerticalPosition::Normal;
        else
            chr.vertical = keyword == Keyword::Up ? VerticalPosition::Super : VerticalPosition::Sub;
        break;
    case Keyword::Highlight:
        chr.highlight = colorIndexOf(hasParameter, parameter);
        break;
    case Keyword::Plain:
        chr = CharState{};
        break;
    case Keyword::Font:
        if (hasParameter)
            chr.font = clampToInt(parameter);
        break;
    case Keyword::FontSize:
        chr.halfPoints = halfPointsOf(hasParameter, parameter);
        break;
    case Keyword::Color:
        chr.color = colorIndexOf(hasParameter, parameter);
        break;
    case Keyword::LeftToRight:
        chr.classWord = ClassWord::LeftToRight;
        break;
    case Keyword::RightToLeft:
        chr.classWord = ClassWord::RightToLeft;
        break;
    case Keyword::LowAnsi:
        chr.classWord = ClassWord::LowAnsi;
        break;
    case Keyword::HighAnsi:
        chr.classWord = ClassWord::HighAnsi;
        break;
    case Keyword::DoubleByte:
        chr.classWord = ClassWord::DoubleByte;
        break;
    case Keyword::AssocBold:
    case Keyword::AssocItalic:
    case Keyword::AssocFont:
    case Keyword::AssocFontSize:
        associatedWord(keyword, hasParameter, parameter);
        break;
    default:
        break;
    }
}

void Reader::associatedWord(Keyword keyword, bool hasParameter, qint64 parameter)
{
    // After \loch or \hich the associated words describe Western text (the single-byte
    // ranges), after \dbch East Asian text, otherwise (after \rtlch, \ltrch or none) complex
    // script text.
    CharState &chr = m_state.chr;
    const bool on = !(hasParameter && parameter == 0);
    if (chr.classWord == ClassWord::LowAnsi || chr.classWord == ClassWord::HighAnsi) {
        switch (keyword) {
        case Keyword::AssocBold:
            chr.bold = on;
            break;
        case Keyword::AssocItalic:
            chr.italic = on;
            break;
        case Keyword::AssocFont:
            if (hasParameter)
                chr.font = clampToInt(parameter);
            break;
        default:
            chr.halfPoints = halfPointsOf(hasParameter, parameter);
            break;
        }
        return;
    }
    AssociatedProps &props = chr.classWord == ClassWord::DoubleByte ? chr.asian : chr.complex;
    switch (keyword) {
    case Keyword::AssocBold:
        props.bold = on;
        break;
    case Keyword::AssocItalic:
        props.italic = on;
        break;
    case Keyword::AssocFont:
        if (hasParameter)
            props.font = std::max(clampToInt(parameter), unsetFont + 1);
        break;
    default:
        props.halfPoints = halfPointsOf(hasParameter, parameter);
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
    if (m_state.inNote != m_toNotes)
        switchOutput(m_state.inNote);
    if (left == Destination::FontTable && m_state.destination != Destination::FontTable)
        finishFont();
    if (left == Destination::ColorTable && m_state.destination != Destination::ColorTable &&
        m_colorSet)
        addColor(); // a last entry without its ';'
}

void Reader::setAnsiCodepage(int codepage)
{
    m_ansiCodepage = codepage;
    m_cachedFont = std::numeric_limits<int>::min(); // a font without a charset follows it
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
    int codepage = m_fontCodepage ? m_fontCodepage : codepageForCharset(m_fontCharset);
    m_fontName += m_decoder.decode(m_fontBytes, pendingFontCodepage());
    m_fontBytes.clear();
    if (m_fonts.size() >= maxFonts && !m_fonts.contains(m_fontNumber))
        return;
    const QString family = m_fontName.left(maxFontNameLength).trimmed();
    // Symbol and Wingdings number their glyphs whatever charset the file gives them.
    if (const int symbol = codepageForFontName(family))
        codepage = symbol;
    m_fonts.insert(m_fontNumber, FontEntry{family, codepage});
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

} // namespace detail

namespace
{

// Where "{\rtf" begins: at the start, or after a UTF-8 byte order mark and blank lines that
// some programs put before it. -1 when the data is not RTF.
qsizetype rtfStart(const QByteArray &data)
{
    qsizetype i = data.startsWith("\xef\xbb\xbf") ? 3 : 0;
    while (i < data.size() &&
           (data.at(i) == ' ' || data.at(i) == '\t' || data.at(i) == '\r' || data.at(i) == '\n'))
        ++i;
    return QByteArrayView(data).sliced(i).startsWith("{\\rtf") ? i : -1;
}

} // namespace

bool looksLikeRtf(const QByteArray &data)
{
    return rtfStart(data) >= 0;
}

void read(const QByteArray &data, QTextCursor &cursor)
{
    if (cursor.isNull())
        return;
    cursor.beginEditBlock();
    if (cursor.hasSelection())
        cursor.removeSelectedText();
    if (const qsizetype start = rtfStart(data); start >= 0) {
        detail::Reader reader(cursor);
        reader.read(data.constData() + start, data.constData() + data.size());
    } else {
        const QString text = decodePlainText(data);
        if (!text.isEmpty())
            cursor.insertText(text);
    }
    cursor.endEditBlock();
}

} // namespace rtf
