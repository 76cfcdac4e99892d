#include "ui/SplashWindow.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "font/Errors.h"
#include "ui/ApplicationTitle.h"
#include "ui/JpegDecoder.h"
#include "ui/SplashShape.h"

namespace {

const QPoint AvatarPos(91, 8);
const QPoint TextBackPos(3, 78);

QByteArray ReadResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()).toStdString());
    return file.readAll();
}

QFont StatusFont()
{
    QFont font = QFontDatabase::hasFamily(QStringLiteral("Tahoma")) ? QFont(QStringLiteral("Tahoma")) : QFont();
    font.setPointSize(9);
    font.setBold(true);
    return font;
}

} // namespace

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , imgAvatar(new QLabel(this))
    , imgTextBack(new QLabel(this))
    , lblStatus(new QLabel(this))
{
    FormCreate();
}

void TfrmSplash::FormCreate()
{
    // The pictures live in the library; a static library needs its resources pulled in.
    Q_INIT_RESOURCE(resources);

    SetApplicationTitle(TranslatedProgramTitle());
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(ClientWidth, ClientHeight);

    const QImage avatar = DecodeJpeg(ReadResource(QStringLiteral(":/splash/avatar.jpg")));
    QImage textBack;
    if (!textBack.loadFromData(ReadResource(QStringLiteral(":/splash/textback")), "BMP"))
        throw EInvalidGraphic("Bitmap image is not valid");

    imgAvatar->setObjectName(QStringLiteral("imgAvatar"));
    imgAvatar->setGeometry(QRect(AvatarPos, avatar.size()));
    imgAvatar->setPixmap(QPixmap::fromImage(avatar));
    imgTextBack->setObjectName(QStringLiteral("imgTextBack"));
    imgTextBack->setGeometry(QRect(TextBackPos, textBack.size()));
    imgTextBack->setPixmap(QPixmap::fromImage(textBack));

    FStatusText = tr("%1 is starting...").arg(QLatin1String(ProgramNameAndVersion));
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setGeometry(7, 82, 227, 14);
    lblStatus->setAlignment(Qt::AlignCenter);
    lblStatus->setFont(StatusFont());
    lblStatus->setText(FStatusText);
    lblStatus->raise();

    QImage shape(ClientWidth, ClientHeight, QImage::Format_RGB888);
    shape.fill(QColor::fromRgb(SplashKeyColor));
    {
        QPainter painter(&shape);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(AvatarPos, avatar);
        painter.drawImage(TextBackPos, textBack);
    }
    setMask(BuildShapeRegion(shape));

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmSplash::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        FDragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void TfrmSplash::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - FDragOffset);
}
