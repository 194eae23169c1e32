#pragma once
// SymbolImage: one of the program's symbol icons, qrc:/Framewright/icons/<symbol>.svg (drawn in
// white on a transparent ground), rendered `size` pixels high (at the window's pixel ratio),
// as wide as the icon's proportions give, and tinted with `color`.
//
// Its implicit size is the rendered icon's. In a larger box the icon sits centred at whole-pixel
// offsets (an odd pixel of room after it), unscaled, as an Image pads its picture; in a smaller
// box it is rendered smaller to fit, keeping its proportions.
// An empty `symbol` draws nothing and has no size; an unknown one draws nothing and warns once.
//
// The icons are rendered by QtSvg directly: no image-format plugins are looked up or loaded and
// no Qt Quick Controls module is imported, which keeps them off the program's start-up. Each
// rendering (symbol, pixel size, colour) is kept and shared by every item that shows it.

#include <QColor>
#include <QImage>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

namespace framewright {

class SymbolImage : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString symbol READ symbol WRITE setSymbol NOTIFY symbolChanged FINAL)
    Q_PROPERTY(qreal size READ size WRITE setSize NOTIFY sizeChanged FINAL)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged FINAL)

public:
    explicit SymbolImage(QQuickItem* parent = nullptr);

    QString symbol() const { return symbol_; }
    void setSymbol(const QString& symbol);
    // Height in logical pixels, rounded to whole pixels (24 by default).
    qreal size() const noexcept { return size_; }
    void setSize(qreal size);
    // White by default; a colour with alpha 0 leaves the icon white.
    QColor color() const { return color_; }
    void setColor(const QColor& color);

    // The icon rendered into `box` device pixels, keeping its proportions (it fills the box's
    // height or width), tinted with `color`. Null for an unknown symbol or an empty box.
    static QImage render(const QString& symbol, QSize box, const QColor& color);
    // The icon's proportions (width over height) from its drawing; 0 for an unknown symbol.
    static qreal aspectRatio(const QString& symbol);

signals:
    void symbolChanged();
    void sizeChanged();
    void colorChanged();

protected:
    QSGNode* updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData* data) override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;

private:
    void updateImplicitSize();
    qreal devicePixelRatio() const;

    QString symbol_;
    qreal size_ = 24;
    QColor color_ = Qt::white;
    QImage image_;         // what the node shows; rebuilt on the render pass when stale
    bool imageStale_ = true;
};

} // namespace framewright
