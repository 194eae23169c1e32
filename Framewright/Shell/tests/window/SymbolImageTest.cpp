// The symbol icons as the views draw them: every symbol the views name renders in white on a
// transparent ground, a tint replaces the white exactly, sizes follow the drawing's proportions,
// and an unknown symbol draws nothing and says so.
#include "SymbolImage.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QtGlobal>

using framewright::SymbolImage;

namespace {

const char* const viewSymbols[] = {
    "delete.left", "plus", "minus", "multiply", "divide", "equal", "divide.timecode",
    "plus.square", "minus.square", "multiply.square", "divide.square", "equal.square", "divide.timecode.square",
    "a.square.fill", "b.square.fill", "c.square.fill", "d.square.fill", "xmark.circle.fill",
    "chevron.up", "chevron.down", "gearshape", "square.and.arrow.up", "text.badge.minus"};

struct Coverage {
    int inked = 0;      // fully opaque pixels
    int clear = 0;      // fully transparent pixels
    bool inkIsTint = true;
};

Coverage coverage(const QImage& rendered, const QColor& tint) {
    Coverage c;
    const QImage image = rendered.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255) {
                ++c.inked;
                c.inkIsTint = c.inkIsTint && (pixel & 0xffffffu) == (tint.rgb() & 0xffffffu);
            } else if (qAlpha(pixel) == 0) {
                ++c.clear;
            }
        }
    }
    return c;
}

class MessageLog {
public:
    MessageLog() { previous_ = qInstallMessageHandler(&MessageLog::record); log().clear(); }
    ~MessageLog() { qInstallMessageHandler(previous_); }
    static QStringList& log() {
        static QStringList lines;
        return lines;
    }

private:
    static void record(QtMsgType, const QMessageLogContext&, const QString& text) { log() << text; }
    QtMessageHandler previous_ = nullptr;
};

} // namespace

TEST(SymbolImageTest, EverySymbolTheViewsNameRendersInWhiteOnATransparentGround) {
    for (const char* name : viewSymbols) {
        const QImage image = SymbolImage::render(QLatin1String(name), QSize(96, 96), Qt::white);
        ASSERT_FALSE(image.isNull()) << name;
        const Coverage c = coverage(image, Qt::white);
        EXPECT_TRUE(c.inkIsTint) << name << " is not drawn in white";
        EXPECT_GT(c.inked, image.width()) << name << " draws almost nothing";
        EXPECT_GT(c.clear, image.width()) << name << " has no transparent ground";
    }
}

TEST(SymbolImageTest, TintReplacesTheWhiteKeepingTheCoverage) {
    const QColor orange(QStringLiteral("#ffb340"));
    for (const char* name : {"gearshape", "a.square.fill", "divide.timecode"}) {
        const QImage white = SymbolImage::render(QLatin1String(name), QSize(48, 48), Qt::white);
        const QImage tinted = SymbolImage::render(QLatin1String(name), QSize(48, 48), orange);
        ASSERT_EQ(white.size(), tinted.size()) << name;
        EXPECT_TRUE(coverage(tinted, orange).inkIsTint) << name;
        bool sameAlpha = true;
        for (int y = 0; y < white.height(); ++y) {
            for (int x = 0; x < white.width(); ++x) {
                sameAlpha = sameAlpha && qAlpha(white.pixel(x, y)) == qAlpha(tinted.pixel(x, y));
            }
        }
        EXPECT_TRUE(sameAlpha) << name;
    }
    // A transparent colour leaves the drawing white, as an untinted icon.
    EXPECT_EQ(SymbolImage::render(QStringLiteral("plus"), QSize(24, 24), Qt::transparent),
              SymbolImage::render(QStringLiteral("plus"), QSize(24, 24), Qt::white));
}

TEST(SymbolImageTest, SizesFollowTheDrawingsProportions) {
    EXPECT_DOUBLE_EQ(SymbolImage::aspectRatio(QStringLiteral("plus")), 1.0);
    EXPECT_DOUBLE_EQ(SymbolImage::aspectRatio(QStringLiteral("divide.timecode")), 1.5);
    // The height fills the box unless the proportions make the width overflow it.
    EXPECT_EQ(SymbolImage::render(QStringLiteral("divide.timecode"), QSize(100, 24), Qt::white).size(), QSize(36, 24));
    EXPECT_EQ(SymbolImage::render(QStringLiteral("divide.timecode"), QSize(30, 30), Qt::white).size(), QSize(30, 20));
    EXPECT_EQ(SymbolImage::render(QStringLiteral("plus"), QSize(17, 40), Qt::white).size(), QSize(17, 17));

    SymbolImage item;
    EXPECT_EQ(QSizeF(item.implicitWidth(), item.implicitHeight()), QSizeF(0, 0)) << "no symbol, no size";
    item.setSymbol(QStringLiteral("divide.timecode"));
    item.setSize(26.25); // a key's 21-pixel label times 1.25, rounded as the icon is drawn
    EXPECT_EQ(QSizeF(item.implicitWidth(), item.implicitHeight()), QSizeF(39, 26));
    item.setSymbol(QStringLiteral("gearshape"));
    item.setSize(17);
    EXPECT_EQ(QSizeF(item.implicitWidth(), item.implicitHeight()), QSizeF(17, 17));
    item.setSymbol(QString());
    EXPECT_EQ(QSizeF(item.implicitWidth(), item.implicitHeight()), QSizeF(0, 0));
}

TEST(SymbolImageTest, UnknownSymbolDrawsNothingAndIsReportedOnce) {
    const MessageLog messages;
    EXPECT_TRUE(SymbolImage::render(QStringLiteral("no.such.symbol"), QSize(24, 24), Qt::white).isNull());
    SymbolImage item;
    item.setSymbol(QStringLiteral("no.such.symbol"));
    EXPECT_EQ(QSizeF(item.implicitWidth(), item.implicitHeight()), QSizeF(0, 0));
    ASSERT_EQ(MessageLog::log().size(), 1) << MessageLog::log().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(MessageLog::log().first().contains(QLatin1String("no.such.symbol")));
}
