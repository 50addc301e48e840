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
