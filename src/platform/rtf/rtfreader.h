#pragma once

#include <QByteArray>

class QTextCursor;

namespace rtf
{

// Reads RTF and inserts its text at the cursor, replacing the cursor's selection: paragraphs
// become blocks, and every run gets its bold, italic, underline, strike-through, raised or
// lowered position, size, colour, highlight and font family (East Asian and right-to-left text
// those the file associates with them). An embedded object shows as its result text;
// footnotes follow the text, below a rule, each a numbered paragraph. Data that does not begin
// with "{\rtf" (after a UTF-8 byte order mark and blank lines) is inserted as plain text
// (UTF-8, UTF-16 with a byte order mark, or else Windows-1252) in the cursor's format.
//
// Bad input never stops the reader: unknown words are ignored, a stray '}' is ignored, groups
// left open at the end close silently, and group depth, table sizes and numbers are capped.
// The work is linear in the size of the data. The whole insertion is one undo step.
void read(const QByteArray &data, QTextCursor &cursor);

// True when the data begins with "{\rtf", possibly after a UTF-8 byte order mark and blank
// lines.
bool looksLikeRtf(const QByteArray &data);

// Limits that keep hostile files from costing unbounded memory.
inline constexpr int maxGroupDepth = 1000; // deeper groups are read as part of the innermost one
inline constexpr int maxFonts = 4096;
inline constexpr int maxColors = 4096;

} // namespace rtf
