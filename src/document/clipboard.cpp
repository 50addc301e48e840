#include "document/clipboard.h"

#include "platform/platform.h"
#include "settings/settings.h"

#include <QString>

void normaliseClipboard(LessonPlanModule &m, Platform &platform)
{
    // The clipboard may hand line breaks back in another form than they were put there.
    const auto sameText = [](QString a, QString b) {
        return a.replace(QStringLiteral("\r\n"), QStringLiteral("\n")) ==
               b.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    };
    if (!m.strClipRTF.isEmpty() && sameText(platform.clipboardText(), m.strClipRTF))
        platform.setClipboardText(m.strClipText);
}
