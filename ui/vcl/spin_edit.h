// The integer spin field of the converter: a one-line text field with up and down buttons,
// a range and a maximum text length. Its rules:
//  1. Value() parses the text as a signed decimal integer; text that does not parse reads as
//     the minimum. The value read is not clamped.
//  2. SetValue() clamps to the range and, when the decimal form differs from the text, replaces
//     the text and raises changed(); writing the text already shown raises nothing.
//  3. On focus loss a value outside the range is written back clamped (raising changed()).
//  4. The up and down buttons and the Up and Down keys write Value() + 1 or Value() - 1.
//  5. Typing accepts only digits, '+', '-', the decimal separator of the process-wide format
//     settings and control keys other than Enter; any other key is dropped with a beep.
//     Pasted text goes in unfiltered.
// Every edit of the text by the user raises changed() as well.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace almanix {

class SpinEdit : public QWidget {
    Q_OBJECT
public:
    SpinEdit(int MinValue, int MaxValue, int MaxLength, QWidget* parent = nullptr);

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }

    // Rule 1: the number typed, unclamped; the minimum when the text is not an integer.
    int Value() const;
    // Rule 2: clamps, then replaces the text (raising changed()) only when it differs.
    void SetValue(long long NewValue);

    QString Text() const;
    // Replaces the text as given, unfiltered and unclamped (a paste, or a test typing).
    void SetText(const QString& Text);

    // Rule 4, as the buttons and arrow keys run them.
    void StepUp();
    void StepDown();

    QLineEdit* Editor() const { return edit_; }
    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool FilterKey(class QKeyEvent* event);
    static bool IsWindowShortcut(const class QKeyEvent& key);
    int Clamp(long long v) const;

    int minValue_;
    int maxValue_;
    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace almanix
