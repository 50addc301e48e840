#pragma once

// The reader's inner parts, shared by rtfreader.cpp (tokens, words, tables) and
// rtfreaderoutput.cpp (runs, formats, footnotes). Not for use outside the reader.

#include "rtfcodepage.h"
#include "rtfformat.h"
#include "rtfkeywords.h"

#include <QHash>
#include <QList>
#include <QTextCharFormat>
#include <QTextCursor>

#include <limits>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace rtf::detail
{

// The size of text whose file states none (or \fs0): 12 pt, as RTF defines it.
inline constexpr int unstatedHalfPoints = 24;
inline constexpr int unsetFont = std::numeric_limits<int>::min();

enum class Destination : unsigned char { Text, Skip, FontTable, ColorTable, Object };

// Text falls in one of three classes, each with its own font, size, weight and slant: Western
// text takes \f, \fs, \b, \i; East Asian and complex (right-to-left) text take the associated
// \af, \afs, \ab, \ai stated for their class.
enum class TextClass : unsigned char { Western, Asian, Complex };

// The last of \ltrch, \rtlch, \loch, \hich, \dbch: it says which class the associated words
// that follow describe, and \rtlch and \dbch also say which class the text that follows is in.
enum class ClassWord : unsigned char {
    None,
    LeftToRight,
    RightToLeft,
    LowAnsi,
    HighAnsi,
    DoubleByte
};

// Associated properties of one class; what the file leaves unstated follows the Western text.
struct AssociatedProps {
    int font = unsetFont;
    int halfPoints = 0;
    signed char bold = -1;
    signed char italic = -1;

    bool isSet() const { return font != unsetFont || halfPoints || bold >= 0 || italic >= 0; }
    bool operator==(const AssociatedProps &) const = default;
};

// Character attributes as the file states them; fonts and colours stay table numbers until a
// run is inserted, because the tables may be completed later.
struct CharState {
    int font = -1; // -1: the document's default font (\deff)
    int halfPoints = unstatedHalfPoints;
    int color = 0;
    int highlight = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;
    bool strike = false;
    VerticalPosition vertical = VerticalPosition::Normal;
    ClassWord classWord = ClassWord::None;
    AssociatedProps asian;
    AssociatedProps complex;

    bool operator==(const CharState &) const = default;
};

// The attributes one stretch of text is inserted with: a CharState resolved for one class.
struct RunKey {
    int font = -1;
    int halfPoints = unstatedHalfPoints;
    int color = 0;
    int highlight = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    VerticalPosition vertical = VerticalPosition::Normal;

    bool operator==(const RunKey &) const = default;
};

// What a '{' saves and the matching '}' restores.
struct GroupState {
    CharState chr;
    int unicodeSkip = 1; // \uc
    Destination destination = Destination::Text;
    bool inNote = false; // the text is a footnote's
};

struct FontEntry {
    QString family;
    int codepage = 0; // 0: the document's code page
};

struct NoteRun {
    QString text;
    QTextCharFormat format;
};

inline constexpr int maxUnicodeSkip = 16;
inline constexpr int maxFontNameBytes = 1024;
inline constexpr int maxFontNameLength = 128;
inline constexpr qint64 maxParameter = qint64(1) << 40;

class Reader
{
public:
    explicit Reader(QTextCursor &cursor) : m_cursor(cursor) { m_stack.reserve(64); }

    void read(const char *begin, const char *end);

private:
    // Tokens (rtfreader.cpp)
    void controlWord();
    void controlSymbol(uchar c);
    void word(std::string_view name, bool hasParameter, qint64 parameter);
    void characterWord(Keyword keyword, bool hasParameter, qint64 parameter);
    void associatedWord(Keyword keyword, bool hasParameter, qint64 parameter);
    void fontTableWord(Keyword keyword, bool hasParameter, qint64 parameter);
    void colorTableWord(Keyword keyword, bool hasParameter, qint64 parameter);
    void pushGroup();
    void popGroup();
    void setAnsiCodepage(int codepage);
    void startFont(int number);
    void finishFont();
    int pendingFontCodepage() const;
    void addColor();

    // Content (rtfreaderoutput.cpp)
    void text(const char *begin, const char *end, bool high);
    void hexByte(uchar byte);
    void character(char16_t c);
    void unicode(bool hasParameter, qint64 parameter);
    void paragraph();
    void cellEnd();
    void startFootnote();
    void footnoteMark();

    // Output (rtfreaderoutput.cpp)
    void appendBytes(const char *begin, const char *end, bool high);
    void prepareRun();
    void flushBytes();
    void flushRun();
    void insert(const QString &text, const RunKey &key);
    void switchOutput(bool notes);
    void insertNotes();
    const QTextCharFormat &formatOf(const RunKey &key);
    QString familyOf(int font) const;
    int codepageOf(int font);
    int bytesFont() const;

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

    // Footnotes: their text is kept aside while the body is read and goes after it.
    bool m_toNotes = false; // the run being collected is a footnote's
    int m_noteCount = 0;
    std::vector<std::vector<NoteRun>> m_notes;

    // Formats made so far, reused so that the document finds them without hashing anew.
    // Emptied when a font or colour entry is added, since a number may then mean another font.
    std::vector<std::pair<RunKey, QTextCharFormat>> m_formats;

    // Code page of the font last asked for; fonts do not change once the table is read.
    int m_cachedFont = std::numeric_limits<int>::min();
    int m_cachedCodepage = 1252;
};

} // namespace rtf::detail
