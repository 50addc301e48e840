#pragma once

#include <QFont>
#include <QRgb>
#include <QString>
#include <QTextCharFormat>

#include <optional>

namespace rtf
{

// The look of text that carries no explicit attribute. The writer states every attribute of
// every run, and the reader starts (and resets on \plain) with these values, so a document we
// wrote reads back exactly.
inline constexpr int defaultHalfPoints = 20; // 10 pt
inline constexpr int maxHalfPoints = 3276;   // 1638 pt, the largest size word processors offer
QString defaultFontFamily();
QFont defaultFont();

// Raised or lowered text (\super, \sub).
enum class VerticalPosition : unsigned char { Normal, Super, Sub };

// The character attributes the document engine keeps. A colour without value is "automatic"
// (\cf0): the editor's text colour; a highlight without value is none.
struct CharAttributes {
    QString family;
    int halfPoints = defaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    VerticalPosition vertical = VerticalPosition::Normal;
    std::optional<QRgb> color;
    std::optional<QRgb> highlight;

    bool operator==(const CharAttributes &) const = default;
};

// The attributes a format shows, with everything the format leaves open taken from the
// document's default font.
CharAttributes attributesOf(const QTextCharFormat &format, const QFont &documentFont);

// A format that sets the family, size, weight, slant, underline and (when stated) colour
// explicitly; strike-through, raised or lowered text and a highlight only when present.
QTextCharFormat charFormatOf(const CharAttributes &attributes);

} // namespace rtf
