#include "ui/vcl/shell_open.h"

#include <QDesktopServices>
#include <utility>

namespace almanix {

namespace {

ShellOpenFunction& CurrentOpener() {
    static ShellOpenFunction opener;
    return opener;
}

}  // namespace

void ShellOpen(const QUrl& Address) {
    if (const auto& opener = CurrentOpener())
        opener(Address);
    else
        QDesktopServices::openUrl(Address);
}

ShellOpenFunction SetShellOpenFunction(ShellOpenFunction Function) {
    return std::exchange(CurrentOpener(), std::move(Function));
}

}  // namespace almanix
