#pragma once

struct LessonPlanModule;
class Platform;

// The program's own Copy puts the plain text on the clipboard and keeps the rich form beside
// it. When a single-entry field gets the focus and the clipboard holds the rich form's text,
// the plain text is put back, so that a paste into the field never brings RTF source.
void normaliseClipboard(LessonPlanModule &m, Platform &platform);
