// Feeds arbitrary bytes to the RTF reader. Besides crashes and sanitizer reports it checks that
// whatever the reader made of the input survives our own write and read unchanged.
#include "platform/rtf/rtfreader.h"
#include "platform/rtf/rtfwriter.h"

#include <QTextCursor>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument doc;
    QTextCursor cursor(&doc);
    rtf::read(input, cursor);

    const QByteArray written = rtf::write(doc);
    QTextDocument back;
    QTextCursor backCursor(&back);
    rtf::read(written, backCursor);
    if (back.toRawText() != doc.toRawText() || rtf::write(back) != written)
        std::abort();
    return 0;
}
