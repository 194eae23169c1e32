#include "TextFitReport.h"

#include <QAccessible>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QQuickItem>
#include <QQuickWindow>

#include <algorithm>
#include <optional>
#include <vector>

namespace framewright {

namespace {

constexpr qreal slack = 0.5;

struct ShownText {
    QQuickItem* item;
    // The scene rectangle of the nearest clipping ancestor, if any.
    std::optional<QRectF> clip;
    // The pop-up it belongs to, or null for the window itself.
    const QQuickItem* layer;
    // Inside a scrolling view (a list, a paged row), where a part cut off is scrolled away.
    bool scrolls;
};

QRectF sceneRect(const QQuickItem* item, const QRectF& local) { return item->mapRectToScene(local); }

QRectF sceneRect(const QQuickItem* item) { return sceneRect(item, QRectF(0, 0, item->width(), item->height())); }

// Where the glyphs are drawn: across, from the text's width and its alignment in the item; down,
// from the cap height above the first baseline to the descent below the last, so the leading of
// lines stacked tightly does not count.
QRectF drawnRect(const QQuickItem* text) {
    const qreal contentWidth = std::min(text->property("contentWidth").toReal(), text->width());
    const int horizontal = text->property("horizontalAlignment").toInt();
    const qreal x = (horizontal & Qt::AlignRight) != 0     ? text->width() - contentWidth
                    : (horizontal & Qt::AlignHCenter) != 0 ? (text->width() - contentWidth) / 2
                                                           : 0.0;
    const QFontMetricsF metrics(text->property("font").value<QFont>());
    const int lines = std::max(1, text->property("lineCount").toInt());
    const qreal baseline = text->baselineOffset();
    const qreal top = baseline - metrics.capHeight();
    const qreal bottom = baseline + (lines - 1) * metrics.lineSpacing() + metrics.descent();
    return sceneRect(text, QRectF(x, top, contentWidth, bottom - top));
}

// Pop-ups, menus and alerts are drawn over the window: their texts may cover the window's.
bool startsLayer(QQuickItem* item) {
    if (item->inherits("QQuickPopupItem")) return true;
    const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(item);
    if (accessible == nullptr) return false;
    const QAccessible::Role role = accessible->role();
    return role == QAccessible::PopupMenu || role == QAccessible::Dialog || role == QAccessible::AlertMessage;
}

void collect(QQuickItem* item, std::optional<QRectF> clip, const QQuickItem* layer, bool scrolls,
             std::vector<ShownText>& texts) {
    if (!item->isVisible() || item->opacity() <= 0.0) return;
    if (startsLayer(item)) layer = item;
    const QRectF rect = sceneRect(item);
    if (clip && !clip->intersects(rect) && rect.width() > 0 && rect.height() > 0) return;
    if (item->inherits("QQuickText") && !item->property("text").toString().isEmpty())
        texts.push_back({item, clip, layer, scrolls});
    if (item->clip()) clip = clip ? clip->intersected(rect) : rect;
    scrolls = scrolls || item->inherits("QQuickFlickable");
    for (QQuickItem* child : item->childItems()) collect(child, clip, layer, scrolls, texts);
}

// A screen reader gets the whole text of the item or of one of its two nearest ancestors.
bool fullTextAccessible(QQuickItem* item, const QString& text) {
    for (int level = 0; item != nullptr && level < 3; ++level, item = item->parentItem()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(item);
        if (accessible != nullptr && accessible->text(QAccessible::Name).contains(text)) return true;
    }
    return false;
}

QString fitOf(const ShownText& shown, const QQuickWindow& window) {
    QQuickItem* text = shown.item;
    const bool wraps = text->property("wrapMode").toInt() != 0;
    // A text set smaller to fit (fontSizeMode) is judged by the size it is drawn at.
    const bool shrinks = text->property("fontSizeMode").toInt() != 0;
    const bool overflows = wraps || shrinks
        ? text->property("contentHeight").toReal() > text->height() + slack ||
              text->property("contentWidth").toReal() > text->width() + slack
        : text->implicitWidth() > text->width() + slack;
    if (overflows || text->property("truncated").toBool()) {
        const bool elides = text->property("elide").toInt() != Qt::ElideNone;
        return elides && fullTextAccessible(text, text->property("text").toString()) ? QStringLiteral("elided")
                                                                                     : QStringLiteral("CLIPPED");
    }
    const QRectF windowRect = QRectF(0, 0, window.width(), window.height()).adjusted(-slack, -slack, slack, slack);
    if (!shown.clip && !windowRect.contains(sceneRect(text))) return QStringLiteral("OUTSIDE");
    // Cut by the container that clips it, unless that is scrolling.
    if (shown.clip && !shown.scrolls && !shown.clip->adjusted(-slack, -slack, slack, slack).contains(drawnRect(text)))
        return QStringLiteral("CLIPPED");
    return QStringLiteral("fits");
}

// The first text of the same layer whose drawn glyphs cross this one's.
const QQuickItem* overlapped(const ShownText& shown, const std::vector<ShownText>& texts) {
    const QRectF drawn = drawnRect(shown.item);
    for (const ShownText& other : texts) {
        if (other.item == shown.item || other.layer != shown.layer) continue;
        const QRectF crossing = drawn.intersected(drawnRect(other.item));
        if (crossing.width() > 1.0 && crossing.height() > 1.0) return other.item;
    }
    return nullptr;
}

QString oneLine(const QQuickItem* text) {
    return text->property("text").toString().replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

bool TextFitReport::write(const QQuickWindow& window, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
    std::vector<ShownText> texts;
    collect(window.contentItem(), std::nullopt, nullptr, false, texts);
    for (const ShownText& shown : texts) {
        QString fit = fitOf(shown, window);
        QString text = oneLine(shown.item);
        if (fit == QLatin1String("fits")) {
            if (const QQuickItem* other = overlapped(shown, texts)) {
                fit = QStringLiteral("OVERLAPS");
                text += QStringLiteral(" / ") + oneLine(other);
            }
        }
        file.write(QStringLiteral("%1\t%2\t%3\t%4\n")
                       .arg(fit)
                       .arg(shown.item->implicitWidth(), 0, 'f', 1)
                       .arg(shown.item->width(), 0, 'f', 1)
                       .arg(text)
                       .toUtf8());
    }
    return file.flush();
}

} // namespace framewright
