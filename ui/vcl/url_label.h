// TURLLabel: a label that opens a web, file-transfer or mail address when clicked. The
// caption is both the text shown and the address opened; a caption without the prefix of
// its URLType gets the prefix put in front.
#pragma once

#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <cstdint>

namespace almanix {

// Kind of address of a link label.
enum TURLType : std::uint8_t { utHTTP = 0, utFTP = 1, utMailTo = 2 };

// "http://", "ftp://" or "mailto:".
QString URLPrefix(TURLType Type);

// The address a link label of kind Type with Caption opens: Caption unchanged (not
// lower-cased) when its lower-case form contains the prefix anywhere, otherwise the prefix
// followed by Caption.
QString URLAddress(TURLType Type, const QString& Caption);

// The platform's default control font, MS Sans Serif 8 points, falling back to a face of
// similar widths (Liberation Sans, Arial) where it is missing.
QFont DefaultControlFont();

// The link cursor: the 32 x 32 monochrome pointing hand of resource "URLCURSOR_1", hot spot
// at column 5, row 0. Loaded afresh on each call.
QCursor LinkCursor();

class TURLLabel : public QLabel {
    Q_OBJECT

public:
    // An underlined label in the default control font, captioned with a placeholder address
    // and showing the link cursor.
    explicit TURLLabel(QWidget* Owner = nullptr);

    TURLType URLType() const { return FURLType; }
    void SetURLType(TURLType Type) { FURLType = Type; }

    // What a click opens (URLAddress of URLType and the caption).
    QString Address() const { return URLAddress(FURLType, text()); }

    // The click: raises clicked(), then opens Address() through ShellOpen.
    virtual void Click();

signals:
    // The label's click event, raised before the address is opened.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void enterEvent(QEnterEvent* Event) override;  // font colour pure blue
    void leaveEvent(QEvent* Event) override;       // font colour black

private:
    void SetFontColor(const QColor& Color);

    TURLType FURLType = utHTTP;
    bool FPressed = false;
};

}  // namespace almanix
