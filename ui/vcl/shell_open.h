// The shell's "open": hands a document or an address to the program the desktop associates
// with it (help viewer, web browser, mail program). Tests swap the opener to record the
// addresses instead of starting programs.
#pragma once

#include <QUrl>
#include <functional>

namespace almanix {

using ShellOpenFunction = std::function<void(const QUrl& Address)>;

// Opens Address through the current opener (QDesktopServices::openUrl by default). The
// result is ignored: a missing file or an address nobody handles is reported by nothing of
// the program's own.
void ShellOpen(const QUrl& Address);

// Replaces the opener (an empty function restores the desktop's); returns the previous one.
ShellOpenFunction SetShellOpenFunction(ShellOpenFunction Function);

}  // namespace almanix
