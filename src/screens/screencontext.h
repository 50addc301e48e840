#pragma once

class frmMain;
class Platform;
class SettingsStore;
struct LessonPlanModule;

// What every settings screen is handed: the settings record and run-time state it edits in
// place, the platform for its prompts, the store that Done writes to (none in tests that do not
// persist), and the main window for the few screens that reset its entries.
struct ScreenContext {
    LessonPlanModule &m;
    Platform &platform;
    SettingsStore *store = nullptr;
    frmMain *main = nullptr;
};
