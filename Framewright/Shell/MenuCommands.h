#pragma once

#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

namespace framewright {

// The File and Edit commands of the menu bar, on the shared calculator and history store (the
// View commands only set AppState's flags).
class MenuCommands : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // The system clipboard holds a column (KeypadCalculator::isColumn): Paste adds it up, and the
    // menu says "Paste Column". Follows every change of the clipboard.
    Q_PROPERTY(bool clipboardHoldsColumn READ clipboardHoldsColumn NOTIFY clipboardHoldsColumnChanged FINAL)

public:
    // QML's engine makes the one instance it uses, and owns it.
    explicit MenuCommands(QObject* parent = nullptr);

    bool clipboardHoldsColumn() const noexcept { return clipboardHoldsColumn_; }

    // Copy: the system clipboard's content becomes the primary value's description, as plain
    // text only.
    Q_INVOKABLE void copy();
    // Paste: the clipboard's plain text (the empty text when it holds none) goes to the
    // calculator, which reads what it can of a single line, and adds up a column. A column with a
    // line that does not read changes nothing and is answered by pasteRefused.
    Q_INVOKABLE void paste();
    // Save History: writes the history as comma-separated text to a local file, replacing it
    // atomically. False (and one line on standard output saying why) when it cannot.
    Q_INVOKABLE bool saveHistory(const QUrl& file);

signals:
    void clipboardHoldsColumnChanged();
    // A pasted column was refused for its line `lineNumber` (1-based, blank lines counted), whose
    // text is `lineText`.
    void pasteRefused(int lineNumber, const QString& lineText);

private:
    void clipboardChanged();

    bool clipboardHoldsColumn_ = false;
};

} // namespace framewright
