#include "ui/screenshots.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "ui/info_form.h"
#include "ui/main_form.h"

namespace almanix {

namespace {

constexpr int kSettleMs = 500;  // time for a window just shown to lay out and paint

// The steps, each run kSettleMs after the one before; the last ends the event loop.
struct Session {
    QString dir;
    bool ok = true;
    std::vector<std::function<void()>> steps;
    std::size_t next = 0;

    void Save(QWidget* Window, const char* Name) {
        const QString path = QDir(dir).filePath(QString::fromLatin1(Name));
        if (!Window || !Window->grab().save(path, "PNG")) {
            std::fprintf(stderr, "almanix: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
};

void RunNext(const std::shared_ptr<Session>& S) {
    if (S->next == S->steps.size()) {
        QCoreApplication::exit(S->ok ? 0 : 1);
        return;
    }
    QTimer::singleShot(kSettleMs, [S] {
        S->steps[S->next++]();
        RunNext(S);
    });
}

}  // namespace

void TakeScreenshots(TMainForm& MainForm, const QString& Dir) {
    auto s = std::make_shared<Session>();
    s->dir = Dir;
    s->ok = QDir().mkpath(Dir);
    TMainForm* form = &MainForm;
    Session* raw = s.get();
    s->steps = {
        [raw, form] {
            raw->Save(form, ScreenshotFiles[0]);
            form->CalBtn->click();
        },
        [raw, form] {
            raw->Save(form->ToolWindows().CalendarForm, ScreenshotFiles[1]);
            form->AstroBtn->click();
        },
        [raw, form] {
            raw->Save(form->ToolWindows().LunarForm, ScreenshotFiles[2]);
            auto* info = qobject_cast<TInfoForm*>(form->ToolWindows().InfoForm);
            if (!info) {
                raw->Save(nullptr, ScreenshotFiles[3]);
                return;
            }
            // The box is modal: it is drawn and closed from inside its own event loop.
            QTimer::singleShot(kSettleMs, info, [raw, info] {
                raw->Save(info, ScreenshotFiles[3]);
                info->BitBtn3->click();
            });
            form->About1->trigger();
        },
    };
    MainForm.show();
    RunNext(s);
}

}  // namespace almanix
