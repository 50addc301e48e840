#include "rtfformat.h"

#include <QColor>
#include <QStringList>

namespace rtf
{

QString defaultFontFamily()
{
    return QStringLiteral("Arial");
}

QFont defaultFont()
{
    QFont font(defaultFontFamily());
    font.setPointSizeF(defaultHalfPoints / 2.0);
    return font;
}

CharAttributes attributesOf(const QTextCharFormat &format, const QFont &documentFont)
{
    CharAttributes a;

    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        a.family = families.first();
    else if (const QString family = format.property(QTextFormat::FontFamily).toString();
             !family.isEmpty())
        a.family = family;
    else if (!documentFont.family().isEmpty())
        a.family = documentFont.family();
    else
        a.family = defaultFontFamily();

    qreal points = documentFont.pointSizeF();
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        points = format.fontPointSize();
    a.halfPoints = points > 0 ? qBound(1, qRound(points * 2), maxHalfPoints) : defaultHalfPoints;

    a.bold = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() >= QFont::DemiBold
                                                         : documentFont.bold();
    a.italic =
        format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : documentFont.italic();
    if (format.hasProperty(QTextFormat::TextUnderlineStyle))
        a.underline = format.underlineStyle() != QTextCharFormat::NoUnderline;
    else if (format.hasProperty(QTextFormat::FontUnderline))
        a.underline = format.boolProperty(QTextFormat::FontUnderline);
    else
        a.underline = documentFont.underline();

    a.strike = format.hasProperty(QTextFormat::FontStrikeOut) ? format.fontStrikeOut()
                                                              : documentFont.strikeOut();
    switch (format.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript:
        a.vertical = VerticalPosition::Super;
        break;
    case QTextCharFormat::AlignSubScript:
        a.vertical = VerticalPosition::Sub;
        break;
    default:
        break;
    }

    if (format.hasProperty(QTextFormat::BackgroundBrush)) {
        const QBrush brush = format.background();
        if (brush.style() != Qt::NoBrush)
            a.highlight = brush.color().rgb();
    }
    if (format.hasProperty(QTextFormat::ForegroundBrush)) {
        const QBrush brush = format.foreground();
        if (brush.style() != Qt::NoBrush)
            a.color = brush.color().rgb();
    }
    return a;
}

QTextCharFormat charFormatOf(const CharAttributes &attributes)
{
    QTextCharFormat f;
    f.setFontFamilies(QStringList{attributes.family});
    f.setFontPointSize(attributes.halfPoints / 2.0);
    f.setFontWeight(attributes.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(attributes.italic);
    f.setFontUnderline(attributes.underline);
    if (attributes.strike)
        f.setFontStrikeOut(true);
    if (attributes.vertical == VerticalPosition::Super)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (attributes.vertical == VerticalPosition::Sub)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (attributes.color)
        f.setForeground(QColor::fromRgb(*attributes.color));
    if (attributes.highlight)
        f.setBackground(QColor::fromRgb(*attributes.highlight));
    return f;
}

} // namespace rtf
