#include "ui/vcl/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace almanix {

namespace {

void ShowRealBox(const QString& Text, const QString& Caption, TMsgIcon Icon) {
    QMessageBox::Icon icon = QMessageBox::Information;
    if (Icon == TMsgIcon::Warning) icon = QMessageBox::Warning;
    if (Icon == TMsgIcon::Error) icon = QMessageBox::Critical;
    QMessageBox box(icon, Caption, Text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

MessageBoxFunction& CurrentFunction() {
    static MessageBoxFunction function = ShowRealBox;
    return function;
}

}  // namespace

void MessageBox(const QString& Text, const QString& Caption, TMsgIcon Icon) {
    CurrentFunction()(Text, Caption, Icon);
}

MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction Function) {
    MessageBoxFunction previous = CurrentFunction();
    CurrentFunction() = Function ? std::move(Function) : MessageBoxFunction(ShowRealBox);
    return previous;
}

void ShowException(const std::exception& Error) {
    MessageBox(QString::fromStdString(Error.what()), QStringLiteral("Almanix"), TMsgIcon::Error);
}

}  // namespace almanix
