#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QImage>
#include <QRegion>

#include "font/Errors.h"
#include "ui/ApplicationTitle.h"
#include "ui/DialogFilter.h"
#include "ui/JpegDecoder.h"
#include "ui/SplashShape.h"
#include "ui/SplashWindow.h"

namespace {

QImage KeyImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(SplashKeyColor);
    return image;
}

} // namespace

TEST(UiSplashShape, ExactMagentaIsAHoleAndOneStepOffStays)
{
    QImage image = KeyImage(6, 3);
    image.setPixel(1, 0, qRgb(254, 0, 255));
    image.setPixel(2, 0, qRgb(255, 1, 255));
    image.setPixel(3, 0, qRgb(255, 0, 254));
    image.setPixel(0, 2, qRgb(10, 20, 30));
    image.setPixel(5, 2, qRgb(10, 20, 30));
    const QRegion region = BuildShapeRegion(image);

    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_TRUE(region.contains(QPoint(1, 0)));
    EXPECT_TRUE(region.contains(QPoint(2, 0)));
    EXPECT_TRUE(region.contains(QPoint(3, 0)));
    EXPECT_FALSE(region.contains(QPoint(4, 0)));
    EXPECT_TRUE(region.intersected(QRect(0, 1, 6, 1)).isEmpty()); // an all-key row
    EXPECT_TRUE(region.contains(QPoint(0, 2)));
    EXPECT_FALSE(region.contains(QPoint(3, 2)));
    EXPECT_TRUE(region.contains(QPoint(5, 2))); // a run ending at the row's last pixel
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 6, 3));
}

TEST(UiSplashShape, AnImageWithoutKeyIsWhole)
{
    QImage image(5, 4, QImage::Format_RGB888);
    image.fill(Qt::white);
    image.setPixel(2, 2, qRgb(0, 0, 0));
    EXPECT_TRUE(BuildShapeRegion(image).xored(QRegion(0, 0, 5, 4)).isEmpty());
}

TEST(UiSplashWindow, SetsTheTitleAndCutsAwayWhatNoPictureCovers)
{
    SetApplicationTitle(QString());
    TfrmSplash splash;
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("GlyphForgeTool 0.6.4 by Brimwick (aka Sorrel)"));
    EXPECT_EQ(splash.StatusText(), QStringLiteral("GlyphForgeTool 0.6.4 is starting..."));
    EXPECT_EQ(splash.size(), QSize(241, 104));

    const QRegion mask = splash.mask();
    EXPECT_TRUE(mask.contains(QPoint(91 + 32, 8 + 32)));   // the avatar's middle
    EXPECT_TRUE(mask.contains(QPoint(120, 89)));           // the status strip
    EXPECT_FALSE(mask.contains(QPoint(10, 30)));           // the margin beside the avatar
    EXPECT_FALSE(mask.contains(QPoint(120, 75)));          // the gap between the pictures
    EXPECT_FALSE(mask.contains(QPoint(91, 8)));            // the avatar's rounded corner
    EXPECT_FALSE(mask.contains(QPoint(240, 103)));
}

TEST(UiSplashWindow, DraggingByTheAvatarMovesTheWindow)
{
    TfrmSplash splash;
    splash.move(100, 100);
    splash.show();
    QApplication::processEvents();
    QWidget* avatar = splash.findChild<QWidget*>(QStringLiteral("imgAvatar"));
    ASSERT_NE(avatar, nullptr);
    const QPoint start = splash.pos();
    const QPointF grip(30, 30);
    const QPointF globalGrip = avatar->mapToGlobal(grip);
    QMouseEvent press(QEvent::MouseButtonPress, grip, globalGrip, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(avatar, &press);
    QMouseEvent drag(QEvent::MouseMove, grip + QPointF(40, 25), globalGrip + QPointF(40, 25), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(avatar, &drag);
    QApplication::processEvents();
    EXPECT_EQ(splash.pos(), start + QPoint(40, 25));
}

TEST(UiJpegDecoder, DecodesTheAvatarAndRefusesOtherBytes)
{
    TfrmSplash splash; // pulls the pictures in
    QFile file(QStringLiteral(":/splash/avatar.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QImage avatar = DecodeJpeg(bytes);
    EXPECT_EQ(avatar.size(), QSize(64, 64));

    EXPECT_THROW(DecodeJpeg(QByteArray("not a picture")), EInvalidGraphic);
    EXPECT_THROW(DecodeJpeg(QByteArray()), EInvalidGraphic);
    EXPECT_THROW(DecodeJpeg(bytes.left(2)), EInvalidGraphic); // the start marker alone
}

TEST(UiDialogFilter, KeepsEachDescriptionAndListsItsPatterns)
{
    EXPECT_EQ(ConvertFilter(QStringLiteral(
                  "Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Font File (.mtf)|*.mtf|All Files (*.*)|*.*")),
              (QStringList{QStringLiteral("Font or Binary File (*.mtf,*.bin) (*.mtf *.bin)"),
                           QStringLiteral("Font File (.mtf) (*.mtf)"), QStringLiteral("All Files (*.*) (*.*)")}));
    EXPECT_EQ(ConvertFilter(QStringLiteral("INI Files (*.ini)|*.ini")), QStringList{QStringLiteral("INI Files (*.ini) (*.ini)")});
    // A description without patterns matches everything; an empty filter gives none.
    EXPECT_EQ(ConvertFilter(QStringLiteral("Anything")), QStringList{QStringLiteral("Anything (*)")});
    EXPECT_EQ(ConvertFilter(QStringLiteral("Texts|*.txt; ;*.text")), QStringList{QStringLiteral("Texts (*.txt *.text)")});
    EXPECT_TRUE(ConvertFilter(QString()).isEmpty());
}
