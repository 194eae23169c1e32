#include "SymbolImage.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSvgRenderer>
#include <QtDebug>

#include <cmath>
#include <memory>
#include <mutex>

namespace framewright {

namespace {

QString symbolPath(const QString& symbol) {
    return QStringLiteral(":/Framewright/icons/") + symbol + QStringLiteral(".svg");
}

// Renderings and proportions are shared by every item and may be asked for from a render thread.
struct SymbolCache {
    std::mutex mutex;
    // Each drawing is read once; null for a symbol that does not exist.
    QHash<QString, std::shared_ptr<QSvgRenderer>> drawings;
    QHash<QString, QImage> images; // by symbol, box and colour
};

SymbolCache& cache() {
    static SymbolCache instance;
    return instance;
}

QString imageKey(const QString& symbol, QSize box, const QColor& color) {
    return symbol + QLatin1Char('|') + QString::number(box.width()) + QLatin1Char('x') + QString::number(box.height()) +
           QLatin1Char('|') + QString::number(color.rgba(), 16);
}

// Called with the cache locked. An unknown symbol is reported once.
QSvgRenderer* lockedDrawing(SymbolCache& c, const QString& symbol) {
    const auto found = c.drawings.constFind(symbol);
    if (found != c.drawings.cend()) return found->get();
    std::shared_ptr<QSvgRenderer> drawing;
    if (QFile::exists(symbolPath(symbol))) {
        drawing = std::make_shared<QSvgRenderer>(symbolPath(symbol));
        // Read on a helper thread at start-up, drawn on the GUI thread (or a render thread).
        if (QCoreApplication::instance() != nullptr) drawing->moveToThread(QCoreApplication::instance()->thread());
        if (!drawing->isValid() || drawing->viewBoxF().height() <= 0) drawing.reset();
    }
    if (!drawing) qWarning("SymbolImage: no symbol \"%s\" (%s)", qPrintable(symbol), qPrintable(symbolPath(symbol)));
    c.drawings.insert(symbol, drawing);
    return drawing.get();
}

qreal ratioOf(const QSvgRenderer* drawing) {
    if (drawing == nullptr) return 0;
    const QRectF box = drawing->viewBoxF();
    return box.width() / box.height();
}

} // namespace

SymbolImage::SymbolImage(QQuickItem* parent) : QQuickItem(parent) {
    setFlag(ItemHasContents, true);
}

void SymbolImage::setSymbol(const QString& symbol) {
    if (symbol == symbol_) return;
    symbol_ = symbol;
    imageStale_ = true;
    updateImplicitSize();
    update();
    emit symbolChanged();
}

void SymbolImage::setSize(qreal size) {
    if (size == size_) return;
    size_ = size;
    imageStale_ = true;
    updateImplicitSize();
    update();
    emit sizeChanged();
}

void SymbolImage::setColor(const QColor& color) {
    if (color == color_) return;
    color_ = color;
    imageStale_ = true;
    update();
    emit colorChanged();
}

qreal SymbolImage::aspectRatio(const QString& symbol) {
    if (symbol.isEmpty()) return 0;
    SymbolCache& c = cache();
    const std::lock_guard lock(c.mutex);
    return ratioOf(lockedDrawing(c, symbol));
}

QImage SymbolImage::render(const QString& symbol, QSize box, const QColor& color) {
    if (symbol.isEmpty() || box.isEmpty()) return {};
    SymbolCache& c = cache();
    const std::lock_guard lock(c.mutex);
    QSvgRenderer* drawing = lockedDrawing(c, symbol);
    const qreal ratio = ratioOf(drawing);
    if (ratio <= 0) return {};
    // The icon fills the box's height, or its width when it is proportionally wider.
    QSize size(qRound(box.height() * ratio), box.height());
    if (size.width() > box.width()) size = QSize(box.width(), std::max(1, qRound(box.width() / ratio)));
    const QString key = imageKey(symbol, size, color);
    const auto found = c.images.constFind(key);
    if (found != c.images.cend()) return *found;

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        drawing->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        // The drawing is white: painting the colour over its own coverage tints it exactly.
        if (color.alpha() > 0) {
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(image.rect(), color);
        }
    }
    c.images.insert(key, image);
    return image;
}

qreal SymbolImage::devicePixelRatio() const {
    return window() != nullptr ? window()->effectiveDevicePixelRatio() : 1.0;
}

void SymbolImage::updateImplicitSize() {
    const qreal ratio = aspectRatio(symbol_);
    if (ratio <= 0) {
        setImplicitSize(0, 0);
        return;
    }
    const qreal height = std::round(size_);
    setImplicitSize(std::round(height * ratio), height);
}

void SymbolImage::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) {
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) {
        imageStale_ = true;
        update();
    }
}

void SymbolImage::itemChange(ItemChange change, const ItemChangeData& value) {
    if (change == ItemDevicePixelRatioHasChanged || change == ItemSceneChange) {
        imageStale_ = true;
        update();
    }
    QQuickItem::itemChange(change, value);
}

QSGNode* SymbolImage::updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData*) {
    auto* node = static_cast<QSGImageNode*>(oldNode);
    const QSizeF natural(implicitWidth(), implicitHeight());
    const QSizeF area(width(), height());
    if (natural.isEmpty() || area.isEmpty() || window() == nullptr) {
        delete node;
        return nullptr;
    }
    // Unscaled when it fits; otherwise as large as fits, keeping the proportions.
    QSizeF shown = natural;
    if (shown.width() > area.width() || shown.height() > area.height()) shown = natural.scaled(area, Qt::KeepAspectRatio);

    const qreal dpr = devicePixelRatio();
    bool newImage = false;
    if (imageStale_) {
        imageStale_ = false;
        const QSize box(qRound(shown.width() * dpr), qRound(shown.height() * dpr));
        QImage image = render(symbol_, box, color_);
        image.setDevicePixelRatio(dpr);
        newImage = node == nullptr || image.cacheKey() != image_.cacheKey();
        image_ = image;
    }
    if (image_.isNull()) {
        delete node;
        return nullptr;
    }
    if (node == nullptr) {
        node = window()->createImageNode();
        node->setOwnsTexture(true);
        node->setFiltering(QSGTexture::Linear);
        newImage = true;
    }
    if (newImage) node->setTexture(window()->createTextureFromImage(image_));
    const QSizeF logical = QSizeF(image_.size()) / dpr;
    // Centred on whole pixels (an odd pixel of room goes after the icon), so its edges stay where
    // they were drawn, as an Image centres its picture.
    const QPointF origin(std::floor((area.width() - logical.width()) / 2), std::floor((area.height() - logical.height()) / 2));
    node->setRect(QRectF(origin, logical));
    node->setSourceRect(QRectF(QPointF(0, 0), QSizeF(image_.size())));
    return node;
}

} // namespace framewright
