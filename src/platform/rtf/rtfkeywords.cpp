#include "rtfkeywords.h"

#include <unordered_map>

namespace rtf
{

namespace
{

using Table = std::unordered_map<std::string_view, KeywordInfo>;

Table buildTable()
{
    Table t;
    // Destinations without \* that carry no document text; unless they are recognised their
    // content would leak into the document.
    for (std::string_view w : {"stylesheet",
                               "info",
                               "pict",
                               "header",
                               "headerl",
                               "headerr",
                               "headerf",
                               "footer",
                               "footerl",
                               "footerr",
                               "footerf",
                               "fldinst",
                               "objdata",
                               "objclass",
                               "objname",
                               "themedata",
                               "datastore",
                               "latentstyles",
                               "listtable",
                               "listoverridetable",
                               "rsidtbl",
                               "generator",
                               "xmlnstbl",
                               "mmathPr",
                               "filetbl",
                               "revtbl",
                               "pgdsctbl",
                               "protusertbl",
                               "colorschememapping",
                               "author",
                               "operator",
                               "title",
                               "subject",
                               "keywords",
                               "comment",
                               "doccomm",
                               "company",
                               "category",
                               "manager",
                               "hlinkbase",
                               "buptim",
                               "creatim",
                               "printim",
                               "revtim",
                               "ftnsep",
                               "ftnsepc",
                               "ftncn",
                               "aftnsep",
                               "aftnsepc",
                               "aftncn",
                               "annotation",
                               "atnid",
                               "atnauthor",
                               "atndate",
                               "atnicn",
                               "atnref",
                               "atntime",
                               "bkmkstart",
                               "bkmkend",
                               "docvar",
                               "userprops",
                               "template",
                               "xe",
                               "tc",
                               "txe",
                               "rxe",
                               "pn",
                               "pntxta",
                               "pntxtb",
                               "nonshppict",
                               "shpinst",
                               "panose",
                               "falt",
                               "fname",
                               "fontemb",
                               "fontfile",
                               "nonesttables",
                               "listpicture",
                               "wgrffmtfilter",
                               "passwordhash",
                               "private",
                               "fchars",
                               "lchars",
                               "blipuid",
                               "background",
                               "nesttableprops",
                               "pxe",
                               "formfield",
                               "datafield",
                               "leveltext",
                               "levelnumbers"})
        t.emplace(w, KeywordInfo{Keyword::SkipDestination});
    for (std::string_view w :
         {"field", "fldrslt", "listtext", "pntext", "shp", "shprslt", "upr", "rtf"})
        t.emplace(w, KeywordInfo{Keyword::TextDestination});

    t.emplace("fonttbl", KeywordInfo{Keyword::FontTable});
    t.emplace("colortbl", KeywordInfo{Keyword::ColorTable});
    t.emplace("b", KeywordInfo{Keyword::Bold});
    t.emplace("i", KeywordInfo{Keyword::Italic});
    for (std::string_view w : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                               "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                               "ulthldash", "ululdbwave", "ulw", "ulwave"})
        t.emplace(w, KeywordInfo{Keyword::Underline});
    t.emplace("ulnone", KeywordInfo{Keyword::UnderlineNone});
    t.emplace("v", KeywordInfo{Keyword::Hidden});
    t.emplace("strike", KeywordInfo{Keyword::Strike});
    t.emplace("striked", KeywordInfo{Keyword::Strike});
    t.emplace("super", KeywordInfo{Keyword::Superscript});
    t.emplace("sub", KeywordInfo{Keyword::Subscript});
    t.emplace("nosupersub", KeywordInfo{Keyword::NoSuperSub});
    t.emplace("up", KeywordInfo{Keyword::Up});
    t.emplace("dn", KeywordInfo{Keyword::Down});
    t.emplace("highlight", KeywordInfo{Keyword::Highlight});
    t.emplace("ab", KeywordInfo{Keyword::AssocBold});
    t.emplace("ai", KeywordInfo{Keyword::AssocItalic});
    t.emplace("af", KeywordInfo{Keyword::AssocFont});
    t.emplace("afs", KeywordInfo{Keyword::AssocFontSize});
    t.emplace("ltrch", KeywordInfo{Keyword::LeftToRight});
    t.emplace("rtlch", KeywordInfo{Keyword::RightToLeft});
    t.emplace("loch", KeywordInfo{Keyword::LowAnsi});
    t.emplace("hich", KeywordInfo{Keyword::HighAnsi});
    t.emplace("dbch", KeywordInfo{Keyword::DoubleByte});
    t.emplace("footnote", KeywordInfo{Keyword::Footnote});
    t.emplace("chftn", KeywordInfo{Keyword::FootnoteMark});
    t.emplace("object", KeywordInfo{Keyword::Object});
    t.emplace("result", KeywordInfo{Keyword::ObjectResult});
    t.emplace("plain", KeywordInfo{Keyword::Plain});
    t.emplace("f", KeywordInfo{Keyword::Font});
    t.emplace("fs", KeywordInfo{Keyword::FontSize});
    t.emplace("cf", KeywordInfo{Keyword::Color});
    t.emplace("uc", KeywordInfo{Keyword::UnicodeSkip});
    t.emplace("u", KeywordInfo{Keyword::Unicode});
    t.emplace("ansi", KeywordInfo{Keyword::Ansi});
    t.emplace("mac", KeywordInfo{Keyword::Mac});
    t.emplace("pc", KeywordInfo{Keyword::Pc});
    t.emplace("pca", KeywordInfo{Keyword::Pca});
    t.emplace("ansicpg", KeywordInfo{Keyword::AnsiCodepage});
    t.emplace("deff", KeywordInfo{Keyword::DefaultFont});
    t.emplace("fcharset", KeywordInfo{Keyword::FontCharset});
    t.emplace("cpg", KeywordInfo{Keyword::FontCodepage});
    t.emplace("red", KeywordInfo{Keyword::Red});
    t.emplace("green", KeywordInfo{Keyword::Green});
    t.emplace("blue", KeywordInfo{Keyword::Blue});
    t.emplace("bin", KeywordInfo{Keyword::Binary});

    // Page, section, column and table-row ends are read as paragraph ends; cell ends as tabs.
    for (std::string_view w : {"par", "sect", "page", "column", "row", "nestrow"})
        t.emplace(w, KeywordInfo{Keyword::Paragraph});
    t.emplace("cell", KeywordInfo{Keyword::CellEnd});
    t.emplace("nestcell", KeywordInfo{Keyword::CellEnd});
    const std::pair<std::string_view, char16_t> characters[] = {
        {"tab", u'\t'},         {"line", u'\u2028'},      {"emdash", u'\u2014'},
        {"endash", u'\u2013'},  {"emspace", u'\u2003'},   {"enspace", u'\u2002'},
        {"qmspace", u'\u2005'}, {"bullet", u'\u2022'},    {"lquote", u'\u2018'},
        {"rquote", u'\u2019'},  {"ldblquote", u'\u201c'}, {"rdblquote", u'\u201d'},
        {"zwj", u'\u200d'},     {"zwnj", u'\u200c'},      {"zwbo", u'\u200b'},
        {"ltrmark", u'\u200e'}, {"rtlmark", u'\u200f'}};
    for (const auto &[w, c] : characters)
        t.emplace(w, KeywordInfo{Keyword::Character, c});
    return t;
}

} // namespace

KeywordInfo lookupKeyword(std::string_view word)
{
    static const Table table = buildTable();
    auto it = table.find(word);
    return it == table.end() ? KeywordInfo{} : it->second;
}

} // namespace rtf
