#pragma once

#include <QString>

class QTextDocument;
class RichTextBox;

// Dumps a document as formatted runs so whole documents can be compared in one QCOMPARE:
//
//   [B]Monday, August 24[/B]
//   Objective: [I]fractions[/I] and [B][U]decimals[/U][/B]
//
// - [B] [I] [U] mark bold, italic and underline as the text shows them (attributes the text
//   leaves open count with the document's default font). Markers nest in the fixed order
//   B, I, U: bold, then bold-italic text dumps as "[B]a[I]b[/I][/B]", italic, then
//   bold-italic text as "[I]a[/I][B][I]b[/I][/B]".
// - Every paragraph ends with its markers closed and is followed by "\n"; the last paragraph
//   has no "\n". An empty document dumps as "".
// - A line break inside a paragraph (U+2028) is written as "[BR]"; tabs and all other
//   characters are written as they are.
QString dumpDocument(const QTextDocument &doc);
QString dumpDocument(const RichTextBox &box);
