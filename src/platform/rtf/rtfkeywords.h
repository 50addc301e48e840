#pragma once

#include <string_view>

namespace rtf
{

// What the reader does with a control word.
enum class Keyword : unsigned char {
    Unknown,
    SkipDestination, // a group whose content is not document text
    FontTable,
    ColorTable,
    TextDestination, // a destination whose text belongs to the document (e.g. \fldrslt)
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Hidden,
    Strike,        // \strike, \striked
    Superscript,   // \super
    Subscript,     // \sub
    NoSuperSub,    // \nosupersub
    Up,            // \upN: raised by N half-points
    Down,          // \dnN: lowered by N half-points
    Highlight,     // \highlightN
    AssocBold,     // \ab
    AssocItalic,   // \ai
    AssocFont,     // \af
    AssocFontSize, // \afs
    LeftToRight,   // \ltrch
    RightToLeft,   // \rtlch
    LowAnsi,       // \loch
    HighAnsi,      // \hich
    DoubleByte,    // \dbch
    Footnote,      // \footnote
    FootnoteMark,  // \chftn: the number of the footnote
    Object,        // \object: only its \result is text
    ObjectResult,  // \result
    Plain,
    Font,
    FontSize,
    Color,
    UnicodeSkip, // \ucN
    Unicode,     // \uN
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodepage,
    DefaultFont,
    FontCharset,
    FontCodepage,
    Red,
    Green,
    Blue,
    Paragraph,
    CellEnd,   // \cell, \nestcell
    Character, // a word that stands for one character (\tab, \line, \emdash ...)
    Binary,
};

struct KeywordInfo {
    Keyword keyword = Keyword::Unknown;
    char16_t character = 0; // for Keyword::Character
};

KeywordInfo lookupKeyword(std::string_view word);

} // namespace rtf
