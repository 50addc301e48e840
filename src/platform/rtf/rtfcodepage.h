#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>
#include <memory>

namespace rtf
{

// The Windows code page a font's \fcharset stands for; 0 when the charset means "the
// document's code page" (ANSI, default, symbol or unknown).
int codepageForCharset(int charset);

// Fonts whose bytes number glyphs rather than characters: Adobe's Symbol font (42 is the number
// Windows gives the symbol code page) and Wingdings. Their bytes are mapped to the Unicode
// characters the glyphs show; a glyph without a clear equivalent becomes U+F000 plus the byte,
// the private-use character symbol fonts answer to, so that it stays visible.
inline constexpr int symbolCodepage = 42;
inline constexpr int wingdingsCodepage = 100042;

// symbolCodepage or wingdingsCodepage for a font of that name, else 0.
int codepageForFontName(QStringView name);

inline bool isSymbolCodepage(int codepage)
{
    return codepage == symbolCodepage || codepage == wingdingsCodepage;
}

// The character a glyph number (0x20-0xff) of a symbol code page stands for.
char32_t symbolCharacter(int codepage, uchar glyph);

// Decodes bytes of Windows code pages (\ansicpg, \cpg, \fcharset) to text. Code pages we
// cannot decode are read as 1252 rather than failing. Control characters a decoder may produce
// never reach the document: U+001A (the substitute for an invalid byte) becomes U+FFFD, the
// other C0 controls except TAB are dropped.
// Text of a file that is not RTF: UTF-8, or UTF-16/32 with a byte order mark, else
// Windows-1252. Tabs and line ends are kept; other control characters and the editor's own
// frame and object marks (U+FDD0, U+FDD1, U+FFFC) are dropped.
QString decodePlainText(const QByteArray &data);

class CodepageDecoder
{
public:
    QString decode(QByteArrayView bytes, int codepage);

private:
    QStringDecoder *decoderFor(int codepage);

    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

} // namespace rtf
