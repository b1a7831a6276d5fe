#include "ui/vcl/url_label.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QUrl>

#include "ui/vcl/shell_open.h"

// The resources of ui/info.qrc live in a static library: the linker keeps them only when
// something refers to their initialiser.
static void InitInfoResources() { Q_INIT_RESOURCE(info); }

namespace almanix {

namespace {

constexpr char kDefaultCaption[] = "http://www.almanix.example/";
constexpr QPoint kLinkCursorHotSpot{5, 0};

}  // namespace

QString URLPrefix(TURLType Type) {
    switch (Type) {
        case utFTP: return QStringLiteral("ftp://");
        case utMailTo: return QStringLiteral("mailto:");
        case utHTTP: break;
    }
    return QStringLiteral("http://");
}

QString URLAddress(TURLType Type, const QString& Caption) {
    const QString prefix = URLPrefix(Type);
    return Caption.toLower().contains(prefix) ? Caption : prefix + Caption;
}

QFont DefaultControlFont() {
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    return font;
}

QCursor LinkCursor() {
    static const bool initialised = (InitInfoResources(), true);
    (void)initialised;
    // Black and white pixels on a transparent ground.
    const QPixmap hand(QStringLiteral(":/URLCURSOR_1"));
    return QCursor(hand, kLinkCursorHotSpot.x(), kLinkCursorHotSpot.y());
}

TURLLabel::TURLLabel(QWidget* Owner) : QLabel(Owner) {
    setText(QString::fromLatin1(kDefaultCaption));
    // The default control font, not the parent's, underlined only.
    QFont font = DefaultControlFont();
    font.setUnderline(true);
    setFont(font);
    setCursor(LinkCursor());
}

void TURLLabel::Click() {
    emit clicked();
    ShellOpen(QUrl(Address(), QUrl::TolerantMode));
}

void TURLLabel::mousePressEvent(QMouseEvent* Event) {
    FPressed = Event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(Event);
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* Event) {
    const bool click = FPressed && Event->button() == Qt::LeftButton &&
                       rect().contains(Event->position().toPoint());
    FPressed = false;
    QLabel::mouseReleaseEvent(Event);
    if (click) Click();
}

void TURLLabel::enterEvent(QEnterEvent* Event) {
    QLabel::enterEvent(Event);
    SetFontColor(QColor(0, 0, 255));
}

void TURLLabel::leaveEvent(QEvent* Event) {
    QLabel::leaveEvent(Event);
    SetFontColor(Qt::black);
}

void TURLLabel::SetFontColor(const QColor& Color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Color);
    setPalette(palette);
}

}  // namespace almanix
