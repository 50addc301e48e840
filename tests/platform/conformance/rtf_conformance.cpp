// Saves plans with our RTF writer and checks what other word processors make of them
// (check_writer.sh runs the word processors in between):
//
//   rtf_conformance write DIR              writes DIR/NAME.rtf for every plan below
//   rtf_conformance check DIR [odt] [pandoc]
//       compares DIR/NAME.fodt (LibreOffice, --convert-to fodt) and DIR/NAME.json
//       (pandoc --to json) with the plan: the text and the bold, italic and underline runs,
//       as document dumps. Exit status 1 when something does not match.
#include "platform/rtf/rtfformat.h"
#include "platform/rtf/rtfwriter.h"
#include "support/docdump.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>
#include <QXmlStreamReader>

#include <memory>
#include <optional>

namespace
{

// The plans, one paragraph a line, marked up as document dumps ([B] [I] [U], [BR]).
struct Plan {
    const char *name;
    QStringList paragraphs;
};

const QList<Plan> &plans()
{
    static const QList<Plan> list = {
        {"lesson",
         {QStringLiteral("[B]Monday, August 24[/B]"),
          QStringLiteral("Objective: students [I]compare[/I] fractions with [U]like[/U] "
                         "denominators."),
          QStringLiteral("[B]Bold [I]bold italic [U]all three[/U][/I][/B] plain "
                         "[I][U]italic underlined[/U][/I] and [B][U]bold underlined[/U][/B]."),
          QString(), QStringLiteral("Homework: [U]page 12[/U], exercises [B]1[/B]–[B]4[/B].")}},
        {"scripts",
         {QStringLiteral("Accents: café naïve Zażółć gęślą jaźń Grüße Øresund"),
          QStringLiteral("Greek: [I]Καλημέρα[/I] κόσμε"),
          QStringLiteral("Cyrillic: [B]Урок[/B] математики"),
          QStringLiteral("CJK: 日本語の授業 [U]中文课程[/U] 한국어"),
          QStringLiteral("Arabic: مرحبا Hebrew: שלום"),
          QStringLiteral("Beyond the first plane: 😀 smile, 𝄞 clef"),
          QStringLiteral("Typography: “quoted” ‘single’ – en — em … €5")}},
        {"layout",
         {QStringLiteral("Day\tTopic\tTime"), QStringLiteral("Monday\t[B]Fractions[/B]\t9:00"),
          QStringLiteral("First line[BR]second line[BR][I]third line[/I]"),
          QStringLiteral("Braces {x}, back\\slash and a semicolon; done")}},
    };
    return list;
}

// Builds a document from dump markup.
class Builder
{
public:
    Builder() : m_doc(std::make_unique<QTextDocument>()), m_cursor(m_doc.get())
    {
        m_doc->setDefaultFont(rtf::defaultFont());
    }

    void paragraph()
    {
        if (m_started)
            m_cursor.insertBlock();
        m_started = true;
    }

    void text(const QString &text, bool bold, bool italic, bool underline)
    {
        rtf::CharAttributes a;
        a.family = rtf::defaultFontFamily();
        a.bold = bold;
        a.italic = italic;
        a.underline = underline;
        m_cursor.insertText(text, rtf::charFormatOf(a));
    }

    void markup(const QString &line)
    {
        paragraph();
        bool bold = false, italic = false, underline = false;
        QString run;
        for (qsizetype i = 0; i < line.size();) {
            static const QStringList tags = {QStringLiteral("[B]"), QStringLiteral("[/B]"),
                                             QStringLiteral("[I]"), QStringLiteral("[/I]"),
                                             QStringLiteral("[U]"), QStringLiteral("[/U]"),
                                             QStringLiteral("[BR]")};
            qsizetype tag = 0;
            while (tag < tags.size() && !QStringView(line).mid(i).startsWith(tags.at(tag)))
                ++tag;
            if (tag == tags.size()) {
                run += line.at(i++);
                continue;
            }
            if (!run.isEmpty())
                text(run, bold, italic, underline);
            run.clear();
            i += tags.at(tag).size();
            switch (tag) {
            case 0:
            case 1:
                bold = tag == 0;
                break;
            case 2:
            case 3:
                italic = tag == 2;
                break;
            case 4:
            case 5:
                underline = tag == 4;
                break;
            default:
                run += QChar::LineSeparator;
            }
        }
        if (!run.isEmpty())
            text(run, bold, italic, underline);
    }

    const QTextDocument &document() const { return *m_doc; }

private:
    std::unique_ptr<QTextDocument> m_doc;
    QTextCursor m_cursor;
    bool m_started = false;
};

struct Format {
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// pandoc's document model: Str, Space, Strong, Emph, Underline ... inside Para blocks.
void pandocInlines(const QJsonArray &items, Format format, Builder &out)
{
    for (const QJsonValue &item : items) {
        const QString type = item[QLatin1StringView("t")].toString();
        const QJsonValue content = item[QLatin1StringView("c")];
        Format inner = format;
        if (type == QLatin1StringView("Str")) {
            out.text(content.toString(), format.bold, format.italic, format.underline);
        } else if (type == QLatin1StringView("Space") || type == QLatin1StringView("SoftBreak")) {
            out.text(QStringLiteral(" "), format.bold, format.italic, format.underline);
        } else if (type == QLatin1StringView("LineBreak")) {
            out.text(QString(QChar::LineSeparator), format.bold, format.italic, format.underline);
        } else if (type == QLatin1StringView("Strong")) {
            inner.bold = true;
            pandocInlines(content.toArray(), inner, out);
        } else if (type == QLatin1StringView("Emph")) {
            inner.italic = true;
            pandocInlines(content.toArray(), inner, out);
        } else if (type == QLatin1StringView("Underline")) {
            inner.underline = true;
            pandocInlines(content.toArray(), inner, out);
        } else if (type == QLatin1StringView("Span")) {
            pandocInlines(content[1].toArray(), inner, out);
        } else {
            // Anything else is not expected from our files: let it show in the comparison.
            out.text(QStringLiteral("<%1>").arg(type), false, false, false);
        }
    }
}

std::optional<QString> pandocDump(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonArray blocks =
        QJsonDocument::fromJson(file.readAll())[QLatin1StringView("blocks")].toArray();
    Builder out;
    for (const QJsonValue &block : blocks) {
        const QString type = block[QLatin1StringView("t")].toString();
        out.paragraph();
        if (type == QLatin1StringView("Para") || type == QLatin1StringView("Plain"))
            pandocInlines(block[QLatin1StringView("c")].toArray(), Format{}, out);
        else
            out.text(QStringLiteral("<%1>").arg(type), false, false, false);
    }
    return dumpDocument(out.document());
}

// LibreOffice's flat document: paragraphs and spans name styles whose text properties (and
// those of their parents) give bold, italic and underline.
struct StyleProps {
    QString parent;
    std::optional<bool> bold, italic, underline;
};

Format resolve(const QHash<QString, StyleProps> &styles, const QString &key, Format format,
               int depth = 0)
{
    const auto it = styles.constFind(key);
    if (it == styles.constEnd() || depth > 20)
        return format;
    if (!it->parent.isEmpty())
        format = resolve(styles, key.section(u'/', 0, 0) + u'/' + it->parent, format, depth + 1);
    format.bold = it->bold.value_or(format.bold);
    format.italic = it->italic.value_or(format.italic);
    format.underline = it->underline.value_or(format.underline);
    return format;
}

std::optional<QString> officeDump(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QXmlStreamReader xml(&file);
    QHash<QString, StyleProps> styles; // "family/name"
    QString currentStyle;
    QList<Format> formats; // one per open element inside a paragraph
    Builder out;
    auto emit = [&](const QString &text) {
        const Format f = formats.isEmpty() ? Format{} : formats.last();
        out.text(text, f.bold, f.italic, f.underline);
    };
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.qualifiedName();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.isStartElement() && name == QLatin1StringView("style:style")) {
            currentStyle = attributes.value(QLatin1StringView("style:family")).toString() + u'/' +
                           attributes.value(QLatin1StringView("style:name")).toString();
            styles[currentStyle].parent =
                attributes.value(QLatin1StringView("style:parent-style-name")).toString();
        } else if (xml.isStartElement() && name == QLatin1StringView("style:text-properties") &&
                   !currentStyle.isEmpty()) {
            StyleProps &props = styles[currentStyle];
            const QStringView weight = attributes.value(QLatin1StringView("fo:font-weight"));
            if (!weight.isEmpty())
                props.bold = weight == QLatin1StringView("bold") || weight.toInt() >= 600;
            const QStringView style = attributes.value(QLatin1StringView("fo:font-style"));
            if (!style.isEmpty())
                props.italic = style != QLatin1StringView("normal");
            const QStringView line =
                attributes.value(QLatin1StringView("style:text-underline-style"));
            if (!line.isEmpty())
                props.underline = line != QLatin1StringView("none");
        } else if (xml.isEndElement() && name == QLatin1StringView("style:style")) {
            currentStyle.clear();
        } else if (xml.isStartElement() &&
                   (name == QLatin1StringView("text:p") || name == QLatin1StringView("text:h"))) {
            out.paragraph();
            const QString key = QStringLiteral("paragraph/") +
                                attributes.value(QLatin1StringView("text:style-name")).toString();
            formats = {resolve(styles, key, Format{})};
        } else if (formats.isEmpty()) {
            continue; // outside the paragraphs
        } else if (xml.isStartElement()) {
            const QString key = QStringLiteral("text/") +
                                attributes.value(QLatin1StringView("text:style-name")).toString();
            formats.append(resolve(styles, key, formats.last()));
            if (name == QLatin1StringView("text:tab"))
                emit(QStringLiteral("\t"));
            else if (name == QLatin1StringView("text:line-break"))
                emit(QString(QChar::LineSeparator));
            else if (name == QLatin1StringView("text:s"))
                emit(QString(qMax(1, attributes.value(QLatin1StringView("text:c")).toInt()), u' '));
        } else if (xml.isEndElement()) {
            formats.removeLast();
        } else if (xml.isCharacters()) {
            emit(xml.text().toString());
        }
    }
    if (xml.hasError())
        return QStringLiteral("<XML error: %1>").arg(xml.errorString());
    return dumpDocument(out.document());
}

// What pandoc's document model can hold: no tabs (they become spaces), no empty paragraphs,
// and its RTF reader (2.17) reads each half of a surrogate pair as U+FFFD.
QString asPandocSeesIt(const QString &dump)
{
    QStringList lines = dump.split(u'\n');
    lines.removeAll(QString());
    QString out = lines.join(u'\n');
    out.replace(u'\t', u' ');
    QString result;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out.at(i).isHighSurrogate() && i + 1 < out.size() && out.at(i + 1).isLowSurrogate()) {
            result += QStringLiteral("\ufffd\ufffd");
            ++i;
        } else {
            result += out.at(i);
        }
    }
    return result;
}

std::unique_ptr<Builder> build(const Plan &plan)
{
    auto builder = std::make_unique<Builder>();
    for (const QString &line : plan.paragraphs)
        builder->markup(line);
    return builder;
}

int write(const QString &dir)
{
    for (const Plan &plan : plans()) {
        const auto builder = build(plan);
        QFile file(dir + u'/' + QLatin1StringView(plan.name) + QStringLiteral(".rtf"));
        if (!file.open(QIODevice::WriteOnly) || file.write(rtf::write(builder->document())) < 0) {
            QTextStream(stderr) << "cannot write " << file.fileName() << '\n';
            return 1;
        }
    }
    return 0;
}

int check(const QString &dir, bool office, bool pandoc)
{
    QTextStream err(stderr);
    int failures = 0;
    auto compare = [&](const char *plan, const char *tool, const std::optional<QString> &actual,
                       const QString &expected) {
        if (actual == expected) {
            err << "ok: " << plan << " through " << tool << '\n';
            return;
        }
        ++failures;
        err << "FAIL: " << plan << " through " << tool << '\n';
        if (!actual) {
            err << "  no converted file\n";
            return;
        }
        err << "--- expected\n" << expected << "\n--- got\n" << *actual << "\n---\n";
    };
    for (const Plan &plan : plans()) {
        const QString base = dir + u'/' + QLatin1StringView(plan.name);
        const QString expected = dumpDocument(build(plan)->document());
        if (office)
            compare(plan.name, "LibreOffice", officeDump(base + QStringLiteral(".fodt")), expected);
        if (pandoc)
            compare(plan.name, "pandoc", pandocDump(base + QStringLiteral(".json")),
                    asPandocSeesIt(expected));
    }
    return failures ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list.append(QString::fromLocal8Bit(argv[i]));
        return list;
    }();
    if (args.size() == 2 && args.at(0) == QLatin1StringView("write"))
        return write(args.at(1));
    if (args.size() >= 2 && args.at(0) == QLatin1StringView("check"))
        return check(args.at(1), args.contains(QLatin1StringView("odt")),
                     args.contains(QLatin1StringView("pandoc")));
    QTextStream(stderr) << "usage: rtf_conformance write DIR | check DIR [odt] [pandoc]\n";
    return 2;
}
