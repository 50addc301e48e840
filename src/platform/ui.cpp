#include "platform/ui.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPalette>
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

int captionWidthTwips(const QWidget *label, const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i; // "&&" draws one ampersand; "&x" draws x underlined
        shown.append(caption.at(i));
    }
    const QFontMetrics metrics(label ? label->font() : QApplication::font());
    return toTwips(metrics.horizontalAdvance(shown));
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
