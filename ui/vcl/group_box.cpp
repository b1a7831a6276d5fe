#include "ui/vcl/group_box.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QPainter>

namespace almanix {

GroupBox::GroupBox(const QString& Caption, QWidget* parent) : QGroupBox(Caption, parent) {
    setMouseTracking(true);
}

void GroupBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

void GroupBox::childEvent(QChildEvent* event) {
    // A child that ignores a move would otherwise hand it on to the box.
    if (event->added() && event->child()->isWidgetType())
        static_cast<QWidget*>(event->child())->setAttribute(Qt::WA_NoMousePropagation);
    QGroupBox::childEvent(event);
}

void GroupBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics metrics(font());
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -2, -2);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(frame.translated(1, 1));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(frame);
    const QRect caption(8, 0, metrics.horizontalAdvance(title()), metrics.height());
    p.fillRect(caption, palette().window());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                             QPalette::WindowText));
    p.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, title());
}

}  // namespace almanix
