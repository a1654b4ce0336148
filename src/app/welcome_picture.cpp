#include "app/welcome_picture.h"

#include "core/program.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <QtMath>

namespace {
constexpr int kWidth = 478;
constexpr int kHeight = 349;
constexpr QColor kSky(40, 13, 147);

void drawBackground(QPainter &p)
{
    QLinearGradient sky(0, 0, kWidth, kHeight);
    sky.setColorAt(0, kSky);
    sky.setColorAt(1, QColor(12, 4, 48));
    p.fillRect(0, 0, kWidth, kHeight, sky);
    // Speed streaks, the "vel" of the name.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        QLinearGradient streak(0, 0, 300, 0);
        streak.setColorAt(0, QColor(255, 210, 51, 0));
        streak.setColorAt(1, QColor(255, 210, 51, 70 - i * 8));
        p.setBrush(streak);
        p.drawRoundedRect(QRectF(-20, 70 + i * 26, 310 - i * 18, 6), 3, 3);
    }
}

void drawStopwatch(QPainter &p)
{
    const QPointF centre(330, 190);
    const qreal radius = 110;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 215));
    p.drawRoundedRect(QRectF(centre.x() - 16, centre.y() - radius - 34, 32, 24), 5, 5);
    p.drawRect(QRectF(centre.x() - 7, centre.y() - radius - 14, 14, 16));

    QRadialGradient face(centre - QPointF(30, 40), radius * 1.6);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(205, 205, 225));
    p.setPen(QPen(QColor(255, 210, 51), 8));
    p.setBrush(face);
    p.drawEllipse(centre, radius, radius);

    for (int tick = 0; tick < 60; ++tick) {
        const qreal angle = tick * 6.0 * M_PI / 180.0;
        const qreal outer = radius - 10;
        const qreal inner = tick % 5 == 0 ? radius - 26 : radius - 17;
        p.setPen(QPen(QColor(40, 13, 147), tick % 5 == 0 ? 3 : 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre + QPointF(qSin(angle) * inner, -qCos(angle) * inner),
                   centre + QPointF(qSin(angle) * outer, -qCos(angle) * outer));
    }
    const qreal hand = 42 * M_PI / 180.0;
    p.setPen(QPen(QColor(200, 30, 40), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(qSin(hand) * (radius - 30), -qCos(hand) * (radius - 30)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 13, 147));
    p.drawEllipse(centre, 7, 7);
}

void drawTitle(QPainter &p)
{
    QFont title(QStringLiteral("Helvetica"));
    title.setPixelSize(44);
    title.setBold(true);
    title.setItalic(true);
    QPainterPath text;
    text.addText(18, 60, title, Program::title());
    p.setPen(QPen(QColor(12, 4, 48), 3));
    p.setBrush(QColor(255, 210, 51));
    p.drawPath(text);
}

} // namespace

namespace WelcomePicture {
QPixmap draw()
{
    QPixmap picture(kWidth, kHeight);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    drawBackground(p);
    drawStopwatch(p);
    drawTitle(p);
    return picture;
}

QColor sky()
{
    return kSky;
}
} // namespace WelcomePicture
