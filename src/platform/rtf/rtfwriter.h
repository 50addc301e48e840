#pragma once

#include <QByteArray>

class QTextDocument;

namespace rtf
{

// The document range [from, to) as a whole RTF document (to = -1: up to the end):
//   {\rtf1\ansi\ansicpg1252\deff0\uc1 {\fonttbl...}{\colortbl...} ... }
// Output is 7-bit ASCII. Blocks are separated by \par (the last block gets none, so reading
// the result back gives the same blocks); every run states its font, size, colour and its
// bold, italic and underline attributes, and strike-through, raised or lowered text and a
// highlight where it has them, so our reader restores them exactly.
QByteArray write(const QTextDocument &doc, int from = 0, int to = -1);

} // namespace rtf
