#include "Trophy.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

namespace artgen {

namespace {

// Drawn on a 32-unit grid and scaled, so every icon size is crisp.

QPainterPath handlePath(bool left)
{
    QPainterPath path;
    const double s = left ? 1 : -1, c = 16;
    path.moveTo(c - s * 7.6, 6.2);
    path.cubicTo(c - s * 13.8, 5.4, c - s * 14.2, 13.5, c - s * 4.8, 15.2);
    QPainterPathStroker stroker;
    stroker.setWidth(2.2);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(path);
}

// Polished gold between x0 and x1: dark at the edges, a bright band left of centre.
QLinearGradient gold(double x0, double x1)
{
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0.00, QColor(150, 96, 18));
    g.setColorAt(0.22, QColor(255, 238, 150));
    g.setColorAt(0.42, QColor(244, 196, 64));
    g.setColorAt(0.78, QColor(196, 134, 26));
    g.setColorAt(1.00, QColor(128, 78, 10));
    return g;
}

void paintTrophy(QPainter &painter, int size)
{
    painter.scale(size / 32.0, size / 32.0);
    QPainterPath bowl;
    bowl.moveTo(8, 4.6);
    bowl.cubicTo(8, 11.5, 11, 15.4, 14.2, 16.8);
    bowl.lineTo(17.8, 16.8);
    bowl.cubicTo(21, 15.4, 24, 11.5, 24, 4.6);
    bowl.closeSubpath();
    const QRectF rim(8, 2.8, 16, 3.6);
    QPainterPath stem;
    stem.addRect(14.9, 16.5, 2.2, 6.5);
    stem.addEllipse(QPointF(16, 17.2), 2.8, 1.0);
    stem.addEllipse(QPointF(16, 19.8), 2.1, 1.0);
    QPainterPath foot;
    foot.moveTo(11.2, 25.6);
    foot.cubicTo(13.4, 25.0, 14.6, 23.8, 14.9, 22.2);
    foot.lineTo(17.1, 22.2);
    foot.cubicTo(17.4, 23.8, 18.6, 25.0, 20.8, 25.6);
    foot.closeSubpath();
    QPainterPath plinth;
    plinth.addRoundedRect(QRectF(9.4, 25.3, 13.2, 2.4), 0.5, 0.5);
    plinth.addRoundedRect(QRectF(7.8, 27.4, 16.4, 2.8), 0.6, 0.6);

    QPainterPath silhouette = bowl.united(handlePath(true)).united(handlePath(false));
    QPainterPath rimPath;
    rimPath.addEllipse(rim);
    silhouette = silhouette.united(rimPath).united(stem).united(foot).united(plinth);

    // Dark outline first, so the trophy stands out on any desktop.
    painter.setPen(QPen(QColor(74, 44, 4), 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(silhouette);
    painter.setPen(Qt::NoPen);

    painter.setBrush(gold(2, 30));
    painter.drawPath(handlePath(true).united(handlePath(false)));
    painter.setBrush(gold(8, 24));
    painter.drawPath(bowl);
    painter.setBrush(gold(13.2, 18.8));
    painter.drawPath(stem.united(foot));
    painter.setBrush(gold(9.4, 22.6));
    painter.drawRoundedRect(QRectF(9.4, 25.3, 13.2, 2.4), 0.5, 0.5);
    QLinearGradient plinthShade(7.8, 0, 24.2, 0); // darker bronze base
    plinthShade.setColorAt(0.0, QColor(120, 70, 12));
    plinthShade.setColorAt(0.3, QColor(214, 156, 50));
    plinthShade.setColorAt(1.0, QColor(96, 56, 8));
    painter.setBrush(plinthShade);
    painter.drawRoundedRect(QRectF(7.8, 27.4, 16.4, 2.8), 0.6, 0.6);

    // The open top: a shadowed inside framed by a bright lip.
    QLinearGradient inside(0, rim.top(), 0, rim.bottom());
    inside.setColorAt(0.0, QColor(150, 96, 18));
    inside.setColorAt(1.0, QColor(72, 40, 4));
    painter.setBrush(inside);
    painter.setPen(QPen(QColor(255, 230, 130), 0.6));
    painter.drawEllipse(rim);

    // Specular streak on the bowl.
    painter.setPen(Qt::NoPen);
    QPainterPath streak;
    streak.moveTo(10.2, 7.0);
    streak.cubicTo(10.3, 10.5, 11.6, 13.0, 13.4, 14.6);
    streak.cubicTo(12.2, 12.4, 11.4, 10.2, 11.4, 7.0);
    streak.closeSubpath();
    painter.setBrush(QColor(255, 252, 226, 220));
    painter.drawPath(streak);
}

} // namespace

QImage renderTrophy(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintTrophy(painter, size);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace artgen
