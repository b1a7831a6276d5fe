#include "ui/vcl/rich_edit.h"

#include <QMimeData>

namespace almanix {

TRichEdit::TRichEdit(QWidget* parent) : QTextEdit(parent) {}

QMimeData* TRichEdit::createMimeDataFromSelection() const {
    QMimeData* data = QTextEdit::createMimeDataFromSelection();
    if (data && data->hasText()) {
        QString text = data->text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        data->setText(text);
    }
    return data;
}

}  // namespace almanix
