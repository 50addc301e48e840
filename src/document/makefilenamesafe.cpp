#include "document/filenames.h"

#include "platform/platform.h"

QString MakeFileNameSafe(const QString &text, Platform &platform)
{
    bool replaced = false;
    const QString result = fileNameSafe(text, &replaced);
    if (replaced)
        platform.messageBox(
            QStringLiteral("The entry you made will be used as part of the File Name if the Lesson "
                           "Plan Document is saved. One or more characters that are not legal in "
                           "Windows file names are being replaced by ''_''."),
            QStringLiteral("Illegal Characters"), Platform::Buttons::OK,
            Platform::Icon::Exclamation);
    return result;
}
