#include "screens/storesettings.h"

#include "platform/platform.h"
#include "settings/settingsstore.h"

bool storeSettings(const SettingsRecord &record, SettingsStore *store, Platform &platform)
{
    if (!store)
        return true;
    QString error;
    if (store->save(record, &error))
        return true;
    platform.messageBox(QStringLiteral("Error ''") + error +
                            QStringLiteral("'' occurred while storing data. The settings have "
                                           "not been saved."),
                        QStringLiteral("Settings Not Saved"), Platform::Buttons::OK,
                        Platform::Icon::Exclamation);
    return false;
}
