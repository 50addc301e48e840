#include "platform/ui.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPalette>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QWidget>

namespace ui
{

QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}
QColor menuColor()
{
    return QApplication::palette("QMenu").color(QPalette::Window);
}
QColor windowColor()
{
    return QApplication::palette().color(QPalette::Base);
}

static QPalette::ColorRole roleFor(const QWidget *widget)
{
    if (qobject_cast<const QAbstractButton *>(widget))
        return QPalette::Button;
    if (qobject_cast<const QAbstractScrollArea *>(widget) ||
        qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget))
        return QPalette::Base;
    return QPalette::Window;
}

void setBackColor(QWidget *widget, const QColor &color)
{
    if (!widget)
        return;
    QPalette pal = widget->palette();
    const QPalette::ColorRole role = roleFor(widget);
    pal.setColor(QPalette::Active, role, color);
    pal.setColor(QPalette::Inactive, role, color);
    pal.setColor(QPalette::Disabled, role, color);
    widget->setPalette(pal);
    if (role == QPalette::Window)
        widget->setAutoFillBackground(true);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget)) {
        area->viewport()->setPalette(pal);
        area->viewport()->setAutoFillBackground(true);
    }
}

QColor backColor(const QWidget *widget)
{
    if (!widget)
        return QColor();
    return widget->palette().color(QPalette::Active, roleFor(widget));
}

static QString withoutAccessMarkers(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i; // "&&" draws one ampersand; "&x" draws x underlined
        shown.append(caption.at(i));
    }
    return shown;
}

// The average letter of a font, measured the way dialog units are: over the 52 letters.
static qreal averageLetter(const QFontMetricsF &metrics)
{
    static const QString letters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return metrics.horizontalAdvance(letters) / letters.size();
}

// The average letter of the 8-point dialog font the captions were sized for, in pixels at 96 dpi.
constexpr qreal DesignLetter = 6.0;

static QFontMetricsF metricsOf(const QWidget *widget)
{
    return QFontMetricsF(widget ? widget->font() : QApplication::font());
}

int captionWidthTwips(const QWidget *label, const QString &caption)
{
    const QFontMetricsF metrics = metricsOf(label);
    const qreal pixels = metrics.horizontalAdvance(withoutAccessMarkers(caption));
    return qRound(toTwips(1) * pixels * DesignLetter / averageLetter(metrics));
}

int captionTwipsToPixels(const QWidget *widget, int twips)
{
    return qRound(twips / qreal(toTwips(1)) * averageLetter(metricsOf(widget)) / DesignLetter);
}

void fitComboTo(QComboBox *combo, const QString &longest)
{
    if (!combo)
        return;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QFontMetrics metrics(combo->font());
    const QSize text(metrics.horizontalAdvance(longest), metrics.height());
    combo->setMinimumWidth(
        combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, combo).width());
}

void keepOnScreen(QWidget *window)
{
    if (!window)
        return;
    const QRect frame = window->frameGeometry();
    QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QSize border = frame.size() - window->size();
    const QSize size =
        window->size().boundedTo(free.size() - border).expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    const QSize outer = size + border;
    const int x = std::max(free.left(), std::min(frame.x(), free.right() + 1 - outer.width()));
    const int y = std::max(free.top(), std::min(frame.y(), free.bottom() + 1 - outer.height()));
    if (QPoint(x, y) != frame.topLeft())
        window->move(x, y);
}

void nameControls(QWidget *window)
{
    if (!window)
        return;
    static const char *const Named = "quillmarkNamed";
    QHash<const QWidget *, QString> labelled;
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (const QLabel *label : labels)
        if (label->buddy())
            labelled.insert(label->buddy(), label->text());
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (control->focusPolicy() == Qt::NoFocus || control->isWindow())
            continue;
        // The parts of a composite control are named with it.
        const QWidget *parent = control->parentWidget();
        if (qobject_cast<const QComboBox *>(parent) ||
            qobject_cast<const QAbstractSpinBox *>(parent) ||
            qobject_cast<const QAbstractScrollArea *>(parent))
            continue;
        if (!control->accessibleName().isEmpty() && !control->property(Named).toBool())
            continue; // named by hand
        QString name;
        if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            name = button->text();
        else if (const auto *group = qobject_cast<const QGroupBox *>(control))
            name = group->title();
        const QString label = labelled.value(control);
        if (!label.isEmpty())
            name = name.isEmpty() ? label : name + QLatin1Char(' ') + label;
        name = withoutAccessMarkers(name).simplified();
        // A bare number ("1.") says nothing when it is read out alone.
        if (name.isEmpty() || (name.endsWith(QLatin1Char('.')) && name.size() <= 4))
            name = (name + QLatin1Char(' ') + control->toolTip()).simplified();
        // The one field of an entry dialog is what the dialog's title asks for.
        if (name.isEmpty())
            name = control->window()->windowTitle().simplified();
        if (name.isEmpty())
            continue;
        control->setAccessibleName(name);
        control->setProperty(Named, true);
    }
}

void addTickItem(QListWidget *list, const QString &text, bool ticked)
{
    auto *item = new QListWidgetItem(text, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

bool isTicked(const QListWidget *list, int row)
{
    const QListWidgetItem *item = list ? list->item(row) : nullptr;
    return item && item->checkState() == Qt::Checked;
}

void setTicked(QListWidget *list, int row, bool ticked)
{
    if (QListWidgetItem *item = list ? list->item(row) : nullptr)
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

QString toCrLf(const QString &fieldText)
{
    QString text = fieldText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString fromCrLf(const QString &text)
{
    QString field = text;
    field.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return field.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace ui
