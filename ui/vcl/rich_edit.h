// The rich-text box: a QTextEdit whose copied plain text ends its lines with a carriage
// return and a line feed, as the program's text for other programs is laid out.
#pragma once

#include <QTextEdit>

namespace almanix {

class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* parent = nullptr);

protected:
    // The selection as rich text and as plain text, every line end written as "\r\n".
    QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace almanix
