#pragma once

#include <QColor>
#include <QString>

class QComboBox;
class QListWidget;
class QWidget;

// Small helpers shared by every screen: colours by their meaning, twips, captions.
namespace ui
{

// Colours that carry meaning on the screens.
inline QColor white()
{
    return QColor(255, 255, 255);
}
inline QColor yellow()
{
    return QColor(255, 255, 0);
}
inline QColor lightYellow()
{
    return QColor(255, 255, 192);
}
inline QColor lightCyan()
{
    return QColor(192, 255, 255);
}
inline QColor lightRed()
{
    return QColor(255, 192, 192);
}
// The platform's colours of buttons, menus and windows.
QColor buttonFace();
QColor menuColor();
QColor windowColor();

// Sets the background a teacher sees on the widget (a button's face, a field's base, a
// label's or frame's window) and reads it back.
void setBackColor(QWidget *widget, const QColor &color);
QColor backColor(const QWidget *widget);

// Window geometry is given in twips (1/1440 inch): 15 twips per pixel at 96 dpi.
constexpr int twips(int t)
{
    return t / 15;
}
constexpr int toTwips(int px)
{
    return px * 15;
}

// Caption widths are given in twips of the 8-point dialog font the screens were drawn for. A
// platform font is usually wider: these measure and size captions in the widget's own font,
// scaled so that a caption that fitted in that font fits in this one ('&' access markers are not
// drawn, so they do not count).
int captionWidthTwips(const QWidget *label, const QString &caption);
int captionTwipsToPixels(const QWidget *widget, int twips);

// Makes a drop-down list wide enough to show the longest text it can hold, in its own font.
void fitComboTo(QComboBox *combo, const QString &longest);

// Keeps a top-level window on the screen it is on (or the primary one): no larger than the
// screen's free area, and moved inside it.
void keepOnScreen(QWidget *window);

// Gives every control of the window that takes the focus an accessible name, from its own
// caption or the label that names it, without the '&' access markers; controls that have
// neither are named by their tooltip.
void nameControls(QWidget *window);

// Lists with check marks: a ticked line is a chosen line.
void addTickItem(QListWidget *list, const QString &text, bool ticked);
bool isTicked(const QListWidget *list, int row);
void setTicked(QListWidget *list, int row, bool ticked);

// Multi-line fields hold "\n"; the program's own texts use CR LF. These convert.
QString toCrLf(const QString &fieldText);
QString fromCrLf(const QString &text);

} // namespace ui
