#include "widgets/WebEngineStart.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QtGlobal>

#include <unistd.h>

namespace gb::widgets {

namespace {

bool RunsAsRoot() {
    return geteuid() == 0;
}

}  // namespace

void PrepareWebEngineProcess() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The engine reads this when it starts, in this process and for the
    // processes that draw its pages.
    if (RunsAsRoot()) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
}

std::string WebEngineSandboxNote() {
    if (!RunsAsRoot()) {
        return {};
    }
    return "Running as root: web pages are shown without the web engine's sandbox.";
}

}  // namespace gb::widgets
