#include "rtfcodepage.h"

namespace rtf
{

int codepageForCharset(int charset)
{
    switch (charset) {
    case 77:
        return 10000; // Mac Roman
    case 128:
        return 932; // Shift-JIS
    case 129:
        return 949; // Hangul
    case 130:
        return 1361; // Johab
    case 134:
        return 936; // GB2312
    case 136:
        return 950; // Big5
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

namespace
{

// Adobe Symbol, 0x20 to 0xff, after the Unicode Consortium's mapping; the bracket and arrow
// pieces Adobe maps to its corporate-use area take their Unicode 3.2 characters. 0: no glyph.
constexpr char16_t symbolTable[224] = {
    // 0x20
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220b, 0x0028, 0x0029, 0x2217, 0x002b,
    0x002c, 0x2212, 0x002e, 0x002f, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003a, 0x003b, 0x003c, 0x003d, 0x003e, 0x003f,
    // 0x40
    0x2245, 0x0391, 0x0392, 0x03a7, 0x0394, 0x0395, 0x03a6, 0x0393, 0x0397, 0x0399, 0x03d1, 0x039a,
    0x039b, 0x039c, 0x039d, 0x039f, 0x03a0, 0x0398, 0x03a1, 0x03a3, 0x03a4, 0x03a5, 0x03c2, 0x03a9,
    0x039e, 0x03a8, 0x0396, 0x005b, 0x2234, 0x005d, 0x22a5, 0x005f,
    // 0x60
    0x203e, 0x03b1, 0x03b2, 0x03c7, 0x03b4, 0x03b5, 0x03c6, 0x03b3, 0x03b7, 0x03b9, 0x03d5, 0x03ba,
    0x03bb, 0x03bc, 0x03bd, 0x03bf, 0x03c0, 0x03b8, 0x03c1, 0x03c3, 0x03c4, 0x03c5, 0x03d6, 0x03c9,
    0x03be, 0x03c8, 0x03b6, 0x007b, 0x007c, 0x007d, 0x223c, 0,
    // 0x80
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xa0
    0x20ac, 0x03d2, 0x2032, 0x2264, 0x2044, 0x221e, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194,
    0x2190, 0x2191, 0x2192, 0x2193, 0x00b0, 0x00b1, 0x2033, 0x2265, 0x00d7, 0x221d, 0x2202, 0x2022,
    0x00f7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23d0, 0x23af, 0x21b5,
    // 0xc0
    0x2135, 0x2111, 0x211c, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, 0x222a, 0x2283, 0x2287, 0x2284,
    0x2282, 0x2286, 0x2208, 0x2209, 0x2220, 0x2207, 0x00ae, 0x00a9, 0x2122, 0x220f, 0x221a, 0x22c5,
    0x00ac, 0x2227, 0x2228, 0x21d4, 0x21d0, 0x21d1, 0x21d2, 0x21d3,
    // 0xe0
    0x25ca, 0x2329, 0x00ae, 0x00a9, 0x2122, 0x2211, 0x239b, 0x239c, 0x239d, 0x23a1, 0x23a2, 0x23a3,
    0x23a7, 0x23a8, 0x23a9, 0x23aa, 0, 0x232a, 0x222b, 0x2320, 0x23ae, 0x2321, 0x239e, 0x239f,
    0x23a0, 0x23a4, 0x23a5, 0x23a6, 0x23ab, 0x23ac, 0x23ad, 0};

// The Wingdings glyphs with a clear Unicode equivalent: the ones list bullets use, the
// pointing hands, faces, signs of the zodiac, circled numbers, stars and check boxes.
struct Glyph {
    uchar code;
    char32_t character;
};
constexpr Glyph wingdingsGlyphs[] = {
    {0x20, 0x0020},  {0x21, 0x270f}, {0x22, 0x2702},  {0x23, 0x2701},  {0x28, 0x260e},
    {0x29, 0x2706},  {0x36, 0x231b}, {0x41, 0x270c},  {0x42, 0x1f44c}, {0x43, 0x1f44d},
    {0x44, 0x1f44e}, {0x45, 0x261c}, {0x46, 0x261e},  {0x47, 0x261d},  {0x48, 0x261f},
    {0x49, 0x1f590}, {0x4a, 0x263a}, {0x4b, 0x1f610}, {0x4c, 0x2639},  {0x4d, 0x1f4a3},
    {0x4e, 0x2620},  {0x51, 0x2708}, {0x52, 0x263c},  {0x54, 0x2744},  {0x58, 0x2720},
    {0x59, 0x2721},  {0x5a, 0x262a}, {0x5b, 0x262f},  {0x5c, 0x0950},  {0x5d, 0x2638},
    {0x6c, 0x25cf},  {0x6e, 0x25a0}, {0x6f, 0x25a1},  {0x71, 0x2751},  {0x72, 0x2752},
    {0x73, 0x2b27},  {0x74, 0x29eb}, {0x75, 0x25c6},  {0x76, 0x2756},  {0x77, 0x2b25},
    {0x7a, 0x2318},  {0x80, 0x24ea}, {0x8b, 0x24ff},  {0x9e, 0x00b7},  {0x9f, 0x2022},
    {0xa0, 0x25aa},  {0xa4, 0x25c9}, {0xa5, 0x25ce},  {0xa7, 0x25aa},  {0xa8, 0x25fb},
    {0xaa, 0x2726},  {0xab, 0x2605}, {0xac, 0x2736},  {0xad, 0x2734},  {0xae, 0x2739},
    {0xaf, 0x2735},  {0xb1, 0x2316}, {0xb5, 0x272a},  {0xb6, 0x2730},  {0xd8, 0x27a2},
    {0xef, 0x21e6},  {0xf0, 0x21e8}, {0xf1, 0x21e7},  {0xf2, 0x21e9},  {0xfb, 0x2717},
    {0xfc, 0x2713},  {0xfd, 0x2612}, {0xfe, 0x2611}};

char32_t wingdingsCharacter(uchar glyph)
{
    // The signs of the zodiac, Aries to Pisces; the circled numbers 1 to 10, white and black;
    // the clock faces from one to twelve o'clock.
    if (glyph >= 0x5e && glyph <= 0x69)
        return 0x2648 + (glyph - 0x5e);
    if (glyph >= 0x81 && glyph <= 0x8a)
        return 0x2460 + (glyph - 0x81);
    if (glyph >= 0x8c && glyph <= 0x95)
        return 0x2776 + (glyph - 0x8c);
    if (glyph >= 0xb7 && glyph <= 0xc2)
        return 0x1f550 + (glyph - 0xb7);
    for (const Glyph &g : wingdingsGlyphs) {
        if (g.code == glyph)
            return g.character;
    }
    return 0;
}

} // namespace

int codepageForFontName(QStringView name)
{
    if (name.compare(u"Symbol", Qt::CaseInsensitive) == 0)
        return symbolCodepage;
    if (name.compare(u"Wingdings", Qt::CaseInsensitive) == 0)
        return wingdingsCodepage;
    return 0;
}

char32_t symbolCharacter(int codepage, uchar glyph)
{
    char32_t c = 0;
    if (glyph >= 0x20)
        c = codepage == symbolCodepage ? symbolTable[glyph - 0x20] : wingdingsCharacter(glyph);
    return c ? c : char32_t(0xf000 + glyph);
}

static QByteArray codecName(int codepage)
{
    switch (codepage) {
    case 10000:
        return QByteArrayLiteral("macintosh");
    case 437:
    case 850:
    case 852:
    case 866:
        return "IBM" + QByteArray::number(codepage);
    case 20932:
        return QByteArrayLiteral("EUC-JP");
    case 65001:
        return QByteArrayLiteral("UTF-8");
    default:
        return "windows-" + QByteArray::number(codepage);
    }
}

QStringDecoder *CodepageDecoder::decoderFor(int codepage)
{
    auto it = m_decoders.find(codepage);
    if (it != m_decoders.end())
        return it->second ? it->second.get() : decoderFor(1252);

    // A hostile file could name thousands of code pages; keep the cache bounded.
    if (codepage != 1252 && m_decoders.size() > 32)
        return decoderFor(1252);

    auto decoder = std::make_unique<QStringDecoder>(codecName(codepage).constData(),
                                                    QStringDecoder::Flag::Stateless);
    if (!decoder->isValid() && codepage == 1252)
        decoder = std::make_unique<QStringDecoder>(QStringDecoder::Latin1,
                                                   QStringDecoder::Flag::Stateless);
    if (!decoder->isValid()) {
        m_decoders.emplace(codepage, nullptr);
        return decoderFor(1252);
    }
    return m_decoders.emplace(codepage, std::move(decoder)).first->second.get();
}

QString CodepageDecoder::decode(QByteArrayView bytes, int codepage)
{
    if (isSymbolCodepage(codepage)) {
        QString text;
        text.reserve(bytes.size());
        for (char byte : bytes) {
            const uchar glyph = uchar(byte);
            if (glyph < 0x20) {
                if (glyph == '\t')
                    text += u'\t';
                continue;
            }
            const char32_t c = symbolCharacter(codepage, glyph);
            text += QStringView(QChar::fromUcs4(c));
        }
        return text;
    }
    QString text = decoderFor(codepage)->decode(bytes);

    qsizetype out = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text.at(i);
        if (c.unicode() < 0x20 && c != u'\t') {
            if (c.unicode() != 0x1a)
                continue;
            c = QChar::ReplacementCharacter;
        }
        text[out++] = c;
    }
    text.truncate(out);
    return text;
}

QString decodePlainText(const QByteArray &data)
{
    QString text;
    if (auto encoding = QStringConverter::encodingForData(data)) {
        QStringDecoder decoder(*encoding);
        text = decoder.decode(data);
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8);
        text = utf8.decode(data);
        if (utf8.hasError()) {
            QStringDecoder cp1252("windows-1252");
            text = cp1252.isValid() ? QString(cp1252.decode(data)) : QString::fromLatin1(data);
        }
    }
    // Keep tabs and line ends; other control characters and the editor's own frame marks
    // are not text.
    qsizetype out = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if ((c < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') || c == 0xfdd0 || c == 0xfdd1 ||
            c == 0xfffc)
            continue;
        text[out++] = QChar(c);
    }
    text.truncate(out);
    return text;
}

} // namespace rtf
