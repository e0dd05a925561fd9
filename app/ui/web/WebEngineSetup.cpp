#include "app/ui/web/WebEngineSetup.h"

#include <QtWebEngineCore/QWebEngineProfile>
#include <QtWebEngineCore/QWebEngineUrlScheme>

#include "app/core/web/WebAddress.h"
#include "app/ui/web/CResourceSchemeHandler.h"
#include "widgets/WebEngineStart.h"

namespace gb::app::ui {

namespace {

QByteArray SchemeName() {
    return QByteArray(gb::app::kResourceScheme.data(),
                      static_cast<qsizetype>(gb::app::kResourceScheme.size()));
}

}  // namespace

void PrepareWebEngine() {
    if (QWebEngineUrlScheme::schemeByName(SchemeName()).name().isEmpty()) {
        QWebEngineUrlScheme scheme(SchemeName());
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
        scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
        QWebEngineUrlScheme::registerScheme(scheme);
    }
    gb::widgets::PrepareWebEngineProcess();
}

void InstallResourcePages(QWebEngineProfile& profile) {
    if (profile.urlSchemeHandler(SchemeName()) == nullptr) {
        // The profile does not own its handlers; the handler lives as long as
        // the profile it serves.
        profile.installUrlSchemeHandler(SchemeName(), new CResourceSchemeHandler(&profile));
    }
}

}  // namespace gb::app::ui
