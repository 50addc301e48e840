#include "docdump.h"

#include "platform/richtextbox.h"
#include "platform/rtf/rtfformat.h"

#include <QTextBlock>
#include <QTextDocument>

namespace
{

enum Marker { Bold, Italic, Underline };

const char *const openTags[] = {"[B]", "[I]", "[U]"};
const char *const closeTags[] = {"[/B]", "[/I]", "[/U]"};

class Dumper
{
public:
    void setAttributes(bool bold, bool italic, bool underline)
    {
        // Markers are always open in the order B, I, U: keep the common start of what is open
        // and what is wanted, close the rest from the innermost, then open what is missing.
        QList<int> wanted;
        if (bold)
            wanted.append(Bold);
        if (italic)
            wanted.append(Italic);
        if (underline)
            wanted.append(Underline);
        qsizetype keep = 0;
        while (keep < m_open.size() && keep < wanted.size() && m_open.at(keep) == wanted.at(keep))
            ++keep;
        while (m_open.size() > keep) {
            m_out += QLatin1StringView(closeTags[m_open.last()]);
            m_open.removeLast();
        }
        for (qsizetype i = keep; i < wanted.size(); ++i) {
            m_out += QLatin1StringView(openTags[wanted.at(i)]);
            m_open.append(wanted.at(i));
        }
    }

    void text(const QString &text)
    {
        for (QChar c : text) {
            if (c == QChar::LineSeparator)
                m_out += QLatin1StringView("[BR]");
            else
                m_out += c;
        }
    }

    void endParagraph(bool last)
    {
        setAttributes(false, false, false);
        if (!last)
            m_out += u'\n';
    }

    QString result() const { return m_out; }

private:
    QString m_out;
    QList<int> m_open;
};

} // namespace

QString dumpDocument(const QTextDocument &doc)
{
    Dumper dumper;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const rtf::CharAttributes a =
                rtf::attributesOf(fragment.charFormat(), doc.defaultFont());
            dumper.setAttributes(a.bold, a.italic, a.underline);
            dumper.text(fragment.text());
        }
        dumper.endParagraph(!block.next().isValid());
    }
    return dumper.result();
}

QString dumpDocument(const RichTextBox &box)
{
    return dumpDocument(*box.document());
}
