#include "ui/image_list.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <functional>

namespace almanix {

namespace {

using Painting = std::function<void(QPainter&)>;

// Paints on a 16 x 16 grid, at 1x and 2x.
QIcon MakeIcon(const Painting& paint) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        paint(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Gem(QPainter& p, QColor colour) {
    const QPolygonF outline{{3, 6}, {6, 2.5}, {10, 2.5}, {13, 6}, {8, 14}};
    p.setPen(QPen(colour.darker(170), 0.8));
    p.setBrush(colour);
    p.drawPolygon(outline);
    p.setPen(QPen(colour.lighter(160), 0.8));
    p.drawLine(QPointF(3, 6), QPointF(13, 6));
    p.drawLine(QPointF(6, 2.5), QPointF(8, 6));
    p.drawLine(QPointF(10, 2.5), QPointF(8, 6));
    p.drawLine(QPointF(8, 6), QPointF(8, 14));
}

void Sun(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(QColor(230, 140, 0), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(45.0 * i);
        const QPointF dir(qCos(a), qSin(a));
        p.drawLine(centre + dir * (radius + 1.2), centre + dir * (radius + 3.2));
    }
    p.setPen(QPen(QColor(220, 130, 0), 0.8));
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(centre, radius, radius);
}

void Page(QPainter& p, QRectF r) {
    p.setPen(QPen(Qt::darkGray, 0.8));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(150, 150, 150), 0.7));
    for (qreal y = r.top() + 2.5; y < r.bottom() - 1; y += 2)
        p.drawLine(QPointF(r.left() + 1.5, y), QPointF(r.right() - 1.5, y));
}

void RedArrow(QPainter& p, QPointF from, QPointF to) {
    p.setPen(QPen(QColor(210, 0, 0), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.drawLine(to, to - d * 3 + n * 2.5);
    p.drawLine(to, to - d * 3 - n * 2.5);
}

void QuestionMark(QPainter& p, QRectF box, QColor colour) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qRound(box.height()));
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
}

const Painting& Picture(int index) {
    static const Painting pictures[ImageListCount] = {
        // 0 scissors
        [](QPainter& p) {
            p.setPen(QPen(QColor(90, 90, 90), 1.2));
            p.drawLine(QPointF(4, 1), QPointF(10, 11));
            p.drawLine(QPointF(12, 1), QPointF(6, 11));
            p.setPen(QPen(QColor(200, 0, 0), 1.4));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(5, 12.5), 2.3, 2.3);
            p.drawEllipse(QPointF(11, 12.5), 2.3, 2.3);
        },
        // 1 page with a red arrow (copy)
        [](QPainter& p) {
            Page(p, QRectF(1.5, 1.5, 8, 10));
            Page(p, QRectF(6.5, 4.5, 8, 10));
            RedArrow(p, QPointF(2, 14), QPointF(6, 10));
        },
        // 2 calendar leaf showing JAN 1
        [](QPainter& p) {
            p.setPen(QPen(Qt::darkGray, 0.8));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(QColor(200, 0, 0));
            p.drawRect(QRectF(1.5, 1.5, 13, 5));
            QFont font(QStringLiteral("Arial"));
            font.setPixelSize(5);
            font.setBold(true);
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(QRectF(1.5, 1.5, 13, 5), Qt::AlignCenter, QStringLiteral("JAN"));
            font.setPixelSize(8);
            p.setFont(font);
            p.setPen(Qt::black);
            p.drawText(QRectF(1.5, 6.5, 13, 8), Qt::AlignCenter, QStringLiteral("1"));
        },
        // 3 floppy disk
        [](QPainter& p) {
            p.setPen(QPen(QColor(20, 20, 80), 0.8));
            p.setBrush(QColor(40, 60, 160));
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4, 1.5, 8, 5));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(4, 9, 8, 5.5));
        },
        // 4 door
        [](QPainter& p) {
            p.setPen(QPen(QColor(80, 40, 10), 0.8));
            p.setBrush(QColor(100, 100, 100));
            p.drawRect(QRectF(3.5, 1.5, 9, 13));
            p.setBrush(QColor(160, 90, 30));
            p.drawPolygon(QPolygonF{{3.5, 1.5}, {9.5, 3}, {9.5, 15.5}, {3.5, 14.5}});
            p.setBrush(QColor(250, 210, 0));
            p.drawEllipse(QPointF(8, 8.5), 0.9, 0.9);
        },
        // 5 month grid
        [](QPainter& p) {
            p.setPen(QPen(Qt::darkGray, 0.8));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(QColor(30, 80, 180));
            p.drawRect(QRectF(1.5, 1.5, 13, 3));
            p.setPen(QPen(QColor(120, 120, 120), 0.6));
            for (qreal x = 4.75; x < 14; x += 3.25) p.drawLine(QPointF(x, 4.5), QPointF(x, 14.5));
            for (qreal y = 7.8; y < 14; y += 3.3) p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
        },
        // 6 clipboard with a red arrow (paste)
        [](QPainter& p) {
            p.setPen(QPen(QColor(90, 60, 20), 0.8));
            p.setBrush(QColor(190, 140, 70));
            p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12.5), 1, 1);
            p.setBrush(QColor(160, 160, 160));
            p.drawRect(QRectF(4, 1, 5, 3));
            Page(p, QRectF(7.5, 6.5, 7, 8.5));
            RedArrow(p, QPointF(3, 7), QPointF(6.5, 10.5));
        },
        [](QPainter& p) { Gem(p, QColor(250, 215, 0)); },    // 7 yellow gem
        [](QPainter& p) { Gem(p, QColor(0, 170, 60)); },     // 8 green gem
        [](QPainter& p) { Gem(p, QColor(220, 20, 30)); },    // 9 red gem
        // 10 question mark on a yellow disc
        [](QPainter& p) {
            p.setPen(QPen(QColor(200, 150, 0), 0.8));
            p.setBrush(QColor(255, 225, 40));
            p.drawEllipse(QRectF(1, 1, 14, 14));
            QuestionMark(p, QRectF(1, 1.5, 14, 13), QColor(0, 40, 160));
        },
        // 11 crescent moon
        [](QPainter& p) {
            QPainterPath disc;
            disc.addEllipse(QRectF(2, 1.5, 13, 13));
            QPainterPath bite;
            bite.addEllipse(QRectF(5.5, 0, 13, 13));
            p.setPen(QPen(QColor(150, 130, 0), 0.8));
            p.setBrush(QColor(255, 235, 90));
            p.drawPath(disc.subtracted(bite));
        },
        [](QPainter& p) { Sun(p, QPointF(8, 8), 3.6); },     // 12 sun
        [](QPainter& p) { Gem(p, QColor(220, 0, 200)); },    // 13 magenta gem
        [](QPainter& p) { Gem(p, QColor(30, 90, 230)); },    // 14 blue gem
        // 15 leafy branch
        [](QPainter& p) {
            p.setPen(QPen(QColor(110, 70, 20), 1.2));
            p.drawLine(QPointF(2, 14.5), QPointF(14, 2));
            p.setPen(QPen(QColor(0, 100, 20), 0.6));
            p.setBrush(QColor(40, 170, 50));
            for (int i = 0; i < 4; ++i) {
                const QPointF at(4.5 + 2.6 * i, 12 - 2.7 * i);
                p.drawEllipse(at + QPointF(-2.2, -1.6), 1.9, 1.1);
                p.drawEllipse(at + QPointF(1.6, 2.0), 1.9, 1.1);
            }
        },
        // 16 red bow
        [](QPainter& p) {
            p.setPen(QPen(QColor(130, 0, 0), 0.8));
            p.setBrush(QColor(220, 20, 30));
            p.drawPolygon(QPolygonF{{8, 7}, {1.5, 3}, {1.5, 11}});
            p.drawPolygon(QPolygonF{{8, 7}, {14.5, 3}, {14.5, 11}});
            p.drawPolygon(QPolygonF{{7, 8}, {4.5, 15}, {6.5, 14}, {8, 9}});
            p.drawPolygon(QPolygonF{{9, 8}, {11.5, 15}, {9.5, 14}, {8, 9}});
            p.drawEllipse(QPointF(8, 7.5), 1.8, 1.8);
        },
        // 17 brown and white parcel
        [](QPainter& p) {
            p.setPen(QPen(QColor(80, 50, 20), 0.8));
            p.setBrush(QColor(170, 110, 50));
            p.drawRect(QRectF(1.5, 4.5, 13, 10));
            p.setPen(QPen(Qt::white, 2));
            p.drawLine(QPointF(8, 4.5), QPointF(8, 14.5));
            p.drawLine(QPointF(1.5, 9.5), QPointF(14.5, 9.5));
            p.setPen(QPen(Qt::white, 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(6, 2.8), 2, 1.5);
            p.drawEllipse(QPointF(10, 2.8), 2, 1.5);
        },
        // 18 halo
        [](QPainter& p) {
            p.setPen(QPen(QColor(200, 150, 0), 1.8));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(8, 4.5), 6, 2.2);
            p.setPen(QPen(QColor(150, 110, 80), 0.8));
            p.setBrush(QColor(250, 215, 180));
            p.drawEllipse(QPointF(8, 11), 3.8, 4.2);
        },
        // 19 printer
        [](QPainter& p) {
            Page(p, QRectF(4.5, 1.5, 7, 6));
            p.setPen(QPen(QColor(60, 60, 60), 0.8));
            p.setBrush(QColor(190, 190, 190));
            p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4.5, 11, 7, 4));
            p.setBrush(QColor(0, 200, 0));
            p.drawEllipse(QPointF(12.5, 8.5), 0.8, 0.8);
        },
        [](QPainter& p) { Page(p, QRectF(3.5, 1.5, 9, 13)); },  // 20 page
        // 21 star
        [](QPainter& p) {
            QPolygonF star;
            for (int i = 0; i < 10; ++i) {
                const qreal a = qDegreesToRadians(-90.0 + 36.0 * i);
                const qreal r = i % 2 == 0 ? 7.0 : 3.0;
                star << QPointF(8 + r * qCos(a), 8.5 + r * qSin(a));
            }
            p.setPen(QPen(QColor(180, 120, 0), 0.8));
            p.setBrush(QColor(255, 210, 0));
            p.drawPolygon(star);
        },
        // 22 globe
        [](QPainter& p) {
            p.setPen(QPen(QColor(0, 60, 140), 0.8));
            p.setBrush(QColor(60, 140, 230));
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(QColor(40, 160, 60));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRectF(3.5, 4, 4.5, 5));
            p.drawEllipse(QRectF(8.5, 8, 4, 4.5));
            p.setPen(QPen(QColor(220, 235, 255), 0.6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(5, 1.5, 6, 13));
            p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
        },
        // 23 head with a question mark
        [](QPainter& p) {
            p.setPen(QPen(QColor(120, 80, 60), 0.8));
            p.setBrush(QColor(250, 205, 170));
            p.drawEllipse(QRectF(1.5, 4, 8.5, 10));
            p.setBrush(QColor(40, 40, 40));
            p.drawEllipse(QPointF(4.5, 8.5), 0.7, 0.7);
            p.drawEllipse(QPointF(7.5, 8.5), 0.7, 0.7);
            QuestionMark(p, QRectF(8.5, 0, 7.5, 10), QColor(0, 40, 160));
        },
    };
    return pictures[index];
}

}  // namespace

QIcon ImageListIcon(int Index) {
    if (Index < 0 || Index >= ImageListCount) return QIcon();
    return MakeIcon(Picture(Index));
}

QIcon ConvertGlyph() {
    return MakeIcon([](QPainter& p) { Sun(p, QPointF(8, 8), 3.8); });
}

QPixmap LogoPicture() {
    QPixmap logo(166 * 2, 34 * 2);
    logo.setDevicePixelRatio(2);
    logo.fill(Qt::white);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // A sun half hidden by a crescent moon, then the name.
    Sun(p, QPointF(17, 17), 9);
    QPainterPath disc;
    disc.addEllipse(QPointF(25, 17), 11, 11);
    QPainterPath bite;
    bite.addEllipse(QPointF(31, 14), 10, 10);
    p.setPen(QPen(QColor(40, 50, 120), 1));
    p.setBrush(QColor(70, 90, 190));
    p.drawPath(disc.subtracted(bite));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(28);
    font.setBold(true);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(QColor(30, 40, 120));
    p.drawText(QRectF(44, 0, 122, 34), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Almanix"));
    return logo;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        Picture(11)(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace almanix
