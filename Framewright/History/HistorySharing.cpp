#include "HistorySharing.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QJSEngine>
#include <QSaveFile>

#include <iostream>

namespace framewright {

HistorySharing::HistorySharing() : urlOpener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

HistorySharing& HistorySharing::shared() {
    // Deliberately leaked: QML may still reference it while statics are torn down at exit.
    static HistorySharing* const instance = new HistorySharing;
    return *instance;
}

HistorySharing* HistorySharing::create(QQmlEngine* /*qmlEngine*/, QJSEngine* /*jsEngine*/) {
    HistorySharing* instance = &shared();
    QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
    return instance;
}

void HistorySharing::copyText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

bool HistorySharing::saveText(const QString& text, const QUrl& fileUrl) {
    if (!fileUrl.isLocalFile()) {
        std::cout << "Cannot save to " << fileUrl.toDisplayString().toStdString() << ": not a local file\n" << std::flush;
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    QSaveFile out(fileUrl.toLocalFile());
    const bool written = out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
    if (!written) std::cout << out.errorString().toStdString() << '\n' << std::flush;
    return written;
}

QUrl HistorySharing::mailtoUrl(const QString& text) {
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return QUrl::fromEncoded("mailto:?body=" + QUrl::toPercentEncoding(body), QUrl::StrictMode);
}

bool HistorySharing::emailText(const QString& text) {
    if (urlOpener_(mailtoUrl(text))) return true;
    std::cout << "Could not open a new mail message with the shared text\n" << std::flush;
    return false;
}

void HistorySharing::setUrlOpener(std::function<bool(const QUrl&)> opener) { urlOpener_ = std::move(opener); }

} // namespace framewright
