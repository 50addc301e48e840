#include "app/frmdedication.h"

#include "app/frmmain.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QVBoxLayout>

frmDedication::frmDedication(frmMain &main, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), main_(main)
{
    setObjectName(QStringLiteral("frmDedication"));
    setWindowTitle(QStringLiteral("Quillmark"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(picture());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
    TimerSplash = new QTimer(this);
    TimerSplash->setObjectName(QStringLiteral("TimerSplash"));
    TimerSplash->setInterval(5000);
    TimerSplash->setTimerType(Qt::PreciseTimer);
    connect(TimerSplash, &QTimer::timeout, this, &frmDedication::TimerSplash_Timer);
}

void frmDedication::Form_Load()
{
    main_.Form_Load();
    TimerSplash->start();
}

void frmDedication::TimerSplash_Timer()
{
    TimerSplash->stop();
    main_.showMain();
    close();
}

QPixmap frmDedication::picture()
{
    const QSize size(319, 218);
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(250, 246, 228));
    sky.setColorAt(1, QColor(232, 222, 190));
    p.fillRect(pixmap.rect(), sky);

    // A ruled page
    const QRectF page(28, 34, 150, 160);
    p.setPen(QPen(QColor(150, 140, 110), 1));
    p.setBrush(Qt::white);
    p.drawRect(page);
    p.setPen(QPen(QColor(170, 200, 230), 1));
    for (qreal y = page.top() + 22; y < page.bottom() - 6; y += 14)
        p.drawLine(QPointF(page.left() + 6, y), QPointF(page.right() - 6, y));
    p.setPen(QPen(QColor(220, 120, 120), 1));
    p.drawLine(QPointF(page.left() + 20, page.top() + 4),
               QPointF(page.left() + 20, page.bottom() - 4));
    p.setPen(QPen(QColor(60, 60, 90), 1.4));
    for (int line = 0; line < 6; ++line) {
        const qreal y = page.top() + 19 + line * 14;
        const qreal end = page.right() - 14 - (line % 3) * 22;
        p.drawLine(QPointF(page.left() + 26, y), QPointF(end, y));
    }

    // A quill over the page's upper right corner, its nib above the name: the two never meet.
    QPainterPath feather;
    feather.moveTo(168, 126);
    feather.cubicTo(200, 90, 250, 50, 300, 18);
    feather.cubicTo(280, 55, 240, 95, 176, 130);
    feather.closeSubpath();
    p.setPen(QPen(QColor(90, 70, 40), 1.2));
    p.setBrush(QColor(120, 90, 160));
    p.drawPath(feather);
    p.setPen(QPen(QColor(40, 30, 20), 2));
    p.drawLine(QPointF(168, 126), QPointF(161, 136));

    // The name below the quill, right of the page, in the largest size that fits there.
    const QRectF name(184, 140, 130, 36);
    QFont title(QStringLiteral("Serif"));
    title.setBold(true);
    title.setItalic(true);
    for (int size = 30; size > 10; --size) {
        title.setPixelSize(size);
        if (QFontMetricsF(title).horizontalAdvance(QStringLiteral("Quillmark")) <= name.width())
            break;
    }
    p.setFont(title);
    p.setPen(QColor(70, 40, 110));
    p.drawText(name, Qt::AlignCenter, QStringLiteral("Quillmark"));
    QFont subtitle(QStringLiteral("Sans"));
    subtitle.setPixelSize(13);
    p.setFont(subtitle);
    p.setPen(QColor(90, 80, 60));
    p.drawText(QRectF(184, 176, 130, 20), Qt::AlignCenter, QStringLiteral("Lesson Plans"));
    p.setPen(QPen(QColor(150, 140, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    return pixmap;
}
