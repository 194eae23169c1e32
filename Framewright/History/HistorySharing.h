#pragma once
// HistorySharing: where a shared history text can go — the clipboard, a text file, or a new
// mail message. The texts come from the history list (historyText, calculationText); this only
// delivers them, unchanged.

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <functional>

class QQmlEngine;
class QJSEngine;

namespace framewright {

class HistorySharing final : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // Proposed name for "Save as Text…".
    Q_PROPERTY(QString defaultFileName READ defaultFileName CONSTANT FINAL)

public:
    // Created on first use, never destroyed.
    static HistorySharing& shared();
    // QML singleton factory: the shared instance, owned by C++.
    static HistorySharing* create(QQmlEngine* qmlEngine, QJSEngine* jsEngine);

    static QString defaultFileName() { return QStringLiteral("History.txt"); }

    // Puts the text on the clipboard as plain text.
    Q_INVOKABLE void copyText(const QString& text);
    // Writes the text as UTF-8 to a local file, replacing it atomically (a failed write leaves
    // an existing file as it was). On failure prints the reason and a line feed on standard
    // output and returns false.
    Q_INVOKABLE bool saveText(const QString& text, const QUrl& fileUrl);
    // Opens a new mail message with the text as its body (through the desktop's mail handler).
    // False, with a line on standard output, when the desktop does not take it (no mail
    // handler, or a history too long to pass as a link: Linux limits one argument to 128 KiB).
    Q_INVOKABLE bool emailText(const QString& text);

    // "mailto:?body=<text>", line feeds sent as CR LF and every character outside the
    // unreserved set percent-encoded, so "+", "&" and "=" in values arrive as typed.
    static QUrl mailtoUrl(const QString& text);

    // Tests: replaces how a URL is handed to the desktop (QDesktopServices::openUrl).
    void setUrlOpener(std::function<bool(const QUrl&)> opener);

private:
    HistorySharing();
    std::function<bool(const QUrl&)> urlOpener_;
};

} // namespace framewright
