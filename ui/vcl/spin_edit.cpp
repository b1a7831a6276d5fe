#include "ui/vcl/spin_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "rtl/format_settings.h"

namespace almanix {

namespace {

constexpr int ButtonWidth = 15;

QToolButton* MakeStepButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setIconSize(QSize(7, 7));
    return button;
}

}  // namespace

SpinEdit::SpinEdit(int MinValue, int MaxValue, int MaxLength, QWidget* parent)
    : QWidget(parent),
      minValue_(MinValue),
      maxValue_(MaxValue),
      edit_(new QLineEdit(this)),
      up_(MakeStepButton(Qt::UpArrow, this)),
      down_(MakeStepButton(Qt::DownArrow, this)) {
    // No validator: the rules above decide what may stand in the text.
    edit_->setMaxLength(MaxLength);
    edit_->installEventFilter(this);
    setFocusProxy(edit_);
    setFocusPolicy(Qt::StrongFocus);
    connect(edit_, &QLineEdit::textEdited, this, &SpinEdit::changed);
    connect(up_, &QToolButton::clicked, this, &SpinEdit::StepUp);
    connect(down_, &QToolButton::clicked, this, &SpinEdit::StepDown);
    edit_->setText(QString::number(MinValue));
}

int SpinEdit::Value() const {
    bool ok = false;
    const int v = edit_->text().toInt(&ok, 10);
    return ok ? v : minValue_;
}

int SpinEdit::Clamp(long long v) const {
    return static_cast<int>(std::clamp<long long>(v, minValue_, maxValue_));
}

void SpinEdit::SetValue(long long NewValue) {
    const QString text = QString::number(Clamp(NewValue));
    if (text == edit_->text()) return;
    edit_->setText(text);
    emit changed();
}

QString SpinEdit::Text() const { return edit_->text(); }

void SpinEdit::SetText(const QString& Text) {
    if (Text == edit_->text()) return;
    edit_->setText(Text);
    emit changed();
}

void SpinEdit::StepUp() { SetValue(static_cast<long long>(Value()) + 1); }
void SpinEdit::StepDown() { SetValue(static_cast<long long>(Value()) - 1); }

bool SpinEdit::FilterKey(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        StepUp();
        return true;
    case Qt::Key_Down:
        StepDown();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        QApplication::beep();
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty()) return false;  // navigation and editing keys type no character
    // Ctrl+letter keys are control characters (paste, copy, select all...).
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier)) return false;
    const QString decimal = QString::fromStdString(FormatSettings.DecimalSeparator);
    const bool allowed = std::all_of(text.begin(), text.end(), [&decimal](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') ||
               c == QLatin1Char('-') || decimal.contains(c) || c.unicode() < 0x20 ||
               c.unicode() == 0x7f;
    });
    if (allowed) return false;
    QApplication::beep();
    return true;
}

bool SpinEdit::IsWindowShortcut(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers();
    if (!(mods & Qt::ControlModifier) || (mods & Qt::AltModifier)) return false;
    const int k = key.key();
    if (k < Qt::Key_A || k > Qt::Key_Z) return false;
    return k != Qt::Key_A && k != Qt::Key_C && k != Qt::Key_V && k != Qt::Key_X && k != Qt::Key_Z;
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_) {
        if (event->type() == QEvent::KeyPress) {
            if (FilterKey(static_cast<QKeyEvent*>(event))) return true;
        } else if (event->type() == QEvent::ShortcutOverride) {
            // The field keeps its clipboard, undo and select-all keys; every other Ctrl+letter
            // is the window's (a line edit on X11 would take Ctrl+E as "end of line").
            const auto* key = static_cast<QKeyEvent*>(event);
            if (IsWindowShortcut(*key)) {
                event->ignore();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // A menu or another window taking the focus is not leaving the field: a command
            // run from the menu still reads what was typed.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
                const int v = Value();
                if (v != Clamp(v)) SetValue(v);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpinEdit::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    edit_->setGeometry(0, 0, w - ButtonWidth, h);
    up_->setGeometry(w - ButtonWidth, 0, ButtonWidth, h / 2);
    down_->setGeometry(w - ButtonWidth, h / 2, ButtonWidth, h - h / 2);
}

}  // namespace almanix
