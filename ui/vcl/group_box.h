// A group box that reports the pointer moving over its own surface: its frame, its caption
// and the free space between its controls. Controls inside it, labels included, keep their
// pointer events to themselves, so moving over them reports nothing.
#pragma once

#include <QGroupBox>

namespace almanix {

class GroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit GroupBox(const QString& Caption, QWidget* parent = nullptr);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void childEvent(QChildEvent* event) override;
    // An etched frame with the caption set into its top line.
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace almanix
