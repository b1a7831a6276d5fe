// The one way the program shows a message box. Tests swap the function to record the text
// and caption instead of blocking in a modal loop.
#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace almanix {

enum class TMsgIcon { Information, Warning, Error };

using MessageBoxFunction =
    std::function<void(const QString& Text, const QString& Caption, TMsgIcon Icon)>;

// Shows a modal box with an OK button; returns when it is dismissed.
void MessageBox(const QString& Text, const QString& Caption, TMsgIcon Icon);

// Replaces the function behind MessageBox (an empty function restores the real box);
// returns the previous one.
MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction Function);

// The default error report for an error no handler caught: the error's own text in a box
// captioned with the application title "Almanix", with the error icon.
void ShowException(const std::exception& Error);

// Runs Handler; an error it raises goes to ShowException instead of up into the event loop.
template <class F>
void RunReportingErrors(F&& Handler) {
    try {
        Handler();
    } catch (const std::exception& e) {
        ShowException(e);
    }
}

}  // namespace almanix
