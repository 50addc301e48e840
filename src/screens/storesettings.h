#pragma once

struct SettingsRecord;
class Platform;
class SettingsStore;

// Writes the settings when a settings dialog is closed with Done. A failure is reported to the
// teacher and false returned, so the dialog can stay open. Without a store (tests that do not
// persist) there is nothing to write and the call succeeds.
bool storeSettings(const SettingsRecord &record, SettingsStore *store, Platform &platform);
