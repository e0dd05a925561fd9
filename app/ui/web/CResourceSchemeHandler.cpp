#include "app/ui/web/CResourceSchemeHandler.h"

#include <QtCore/QBuffer>
#include <QtCore/QFile>
#include <QtWebEngineCore/QWebEngineUrlRequestJob>

#include "app/core/web/WebAddress.h"

namespace gb::app::ui {

namespace {

QByteArray MimeType(const QString& fileName) {
    if (fileName.endsWith(QLatin1String(".html"))) {
        return QByteArrayLiteral("text/html");
    }
    if (fileName.endsWith(QLatin1String(".png"))) {
        return QByteArrayLiteral("image/png");
    }
    if (fileName.endsWith(QLatin1String(".css"))) {
        return QByteArrayLiteral("text/css");
    }
    return QByteArrayLiteral("application/octet-stream");
}

}  // namespace

void CResourceSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    const std::optional<std::string> name =
        gb::app::ResourceFileName(job->requestUrl().toString().toStdString());
    if (!name) {
        job->fail(QWebEngineUrlRequestJob::UrlInvalid);
        return;
    }
    const QString fileName = QString::fromStdString(*name);
    QFile file(QStringLiteral(":/vellumark/") + fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // The job owns the reply and closes it when the page has read it.
    auto* reply = new QBuffer(job);
    reply->setData(file.readAll());
    job->reply(MimeType(fileName), reply);
}

}  // namespace gb::app::ui
