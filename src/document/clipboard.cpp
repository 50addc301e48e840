#include "document/clipboard.h"

#include "platform/platform.h"
#include "settings/settings.h"

void normaliseClipboard(LessonPlanModule &m, Platform &platform)
{
    if (!m.strClipRTF.isEmpty() && platform.clipboardText() == m.strClipRTF)
        platform.setClipboardText(m.strClipText);
}
