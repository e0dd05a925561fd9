#pragma once
// Serves the program's own pages, "res://Vellumark.dll/102" and the pictures
// they show, from the resources compiled into the program.

#include <QtWebEngineCore/QWebEngineUrlSchemeHandler>

namespace gb::app::ui {

class CResourceSchemeHandler final : public QWebEngineUrlSchemeHandler {
    Q_OBJECT

public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void requestStarted(QWebEngineUrlRequestJob* job) override;
};

}  // namespace gb::app::ui
