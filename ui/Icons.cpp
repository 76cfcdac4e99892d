#include "ui/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// Each picture is a subject (what the command works on) with a badge (what it does to it).
enum class TSubject { Font, Picture, Pictures, Text, PixelFont, Table };
enum class TBadge { None, Open, Save, In, Out };

const QColor Ink(40, 48, 64);

void DrawPage(QPainter& p, const QRectF& r)
{
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - 4, r.top());
    page.lineTo(r.right(), r.top() + 4);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
}

void DrawPicture(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(150, 200, 240));
    p.drawRect(r);
    QPainterPath hill;
    hill.moveTo(r.left(), r.bottom());
    hill.lineTo(r.left() + r.width() * 0.4, r.top() + r.height() * 0.45);
    hill.lineTo(r.left() + r.width() * 0.7, r.top() + r.height() * 0.7);
    hill.lineTo(r.right(), r.top() + r.height() * 0.5);
    hill.lineTo(r.right(), r.bottom());
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 150, 70));
    p.drawPath(hill);
    p.setBrush(QColor(250, 210, 60));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.75, r.top() + r.height() * 0.28), 1.8, 1.8);
}

void DrawSubject(QPainter& p, TSubject subject)
{
    const QRectF area(2, 2, 14, 16);
    switch (subject) {
    case TSubject::Font: {
        DrawPage(p, area);
        QFont font = p.font();
        font.setPixelSize(12);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(30, 70, 160));
        p.drawText(area.adjusted(0, 1, -2, 0), Qt::AlignCenter, QStringLiteral("F"));
        break;
    }
    case TSubject::Picture:
        DrawPicture(p, QRectF(1.5, 3.5, 15, 12));
        break;
    case TSubject::Pictures:
        DrawPicture(p, QRectF(1.5, 1.5, 9, 7));
        DrawPicture(p, QRectF(8.5, 6.5, 9, 7));
        DrawPicture(p, QRectF(1.5, 11.5, 9, 7));
        break;
    case TSubject::Text:
        DrawPage(p, area);
        p.setPen(QPen(QColor(120, 120, 120), 1));
        for (int y = 6; y <= 15; y += 3)
            p.drawLine(QPointF(4.5, y + 0.5), QPointF(13.5, y + 0.5));
        break;
    case TSubject::PixelFont: {
        // A bitmap "B" on a page: the interchange font of the bitmap-font world.
        DrawPage(p, area);
        static const char* const Letter[] = {"###.", "#..#", "###.", "#..#", "###."};
        for (int row = 0; row < 5; ++row)
            for (int column = 0; column < 4; ++column)
                if (Letter[row][column] == '#')
                    p.fillRect(QRectF(4 + 2 * column, 4 + 2 * row, 2, 2), QColor(30, 70, 160));
        break;
    }
    case TSubject::Table:
        p.setPen(QPen(Ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 2.5, 15, 14));
        p.fillRect(QRectF(2, 3, 14, 3.5), QColor(200, 215, 240));
        for (double x = 6.5; x < 16; x += 5)
            p.drawLine(QPointF(x, 2.5), QPointF(x, 16.5));
        for (double y = 6.5; y < 16; y += 3.5)
            p.drawLine(QPointF(1.5, y), QPointF(16.5, y));
        break;
    }
}

void DrawArrow(QPainter& p, bool pointingIn)
{
    // A green arrow at the lower right, pointing at the subject (in) or away from it (out).
    QPainterPath arrow;
    arrow.moveTo(0, -2);
    arrow.lineTo(5, -2);
    arrow.lineTo(5, -5);
    arrow.lineTo(10, 0);
    arrow.lineTo(5, 5);
    arrow.lineTo(5, 2);
    arrow.lineTo(0, 2);
    arrow.closeSubpath();
    p.save();
    p.translate(pointingIn ? 21 : 11, 16);
    if (pointingIn)
        p.rotate(180);
    p.setPen(QPen(QColor(20, 90, 20), 1));
    p.setBrush(QColor(60, 180, 60));
    p.drawPath(arrow);
    p.restore();
}

void DrawBadge(QPainter& p, TBadge badge)
{
    switch (badge) {
    case TBadge::None:
        break;
    case TBadge::Open: {
        QPainterPath folder;
        folder.moveTo(10.5, 12.5);
        folder.lineTo(14.5, 12.5);
        folder.lineTo(15.5, 14.5);
        folder.lineTo(21.5, 14.5);
        folder.lineTo(21.5, 21.5);
        folder.lineTo(10.5, 21.5);
        folder.closeSubpath();
        p.setPen(QPen(QColor(140, 100, 20), 1));
        p.setBrush(QColor(245, 200, 80));
        p.drawPath(folder);
        break;
    }
    case TBadge::Save:
        p.setPen(QPen(QColor(20, 30, 80), 1));
        p.setBrush(QColor(60, 90, 180));
        p.drawRect(QRectF(11.5, 11.5, 10, 10));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(13.5, 11.5, 6, 4));
        break;
    case TBadge::In:
        DrawArrow(p, true);
        break;
    case TBadge::Out:
        DrawArrow(p, false);
        break;
    }
}

QIcon Compose(TSubject subject, TBadge badge)
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawSubject(painter, subject);
    DrawBadge(painter, badge);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

QIcon MakeIcon(TIcon icon)
{
    switch (icon) {
    case TIcon::OpenFont: return Compose(TSubject::Font, TBadge::Open);
    case TIcon::SaveFont: return Compose(TSubject::Font, TBadge::Save);
    case TIcon::ImportBmp: return Compose(TSubject::Picture, TBadge::In);
    case TIcon::ExportBmp: return Compose(TSubject::Picture, TBadge::Out);
    case TIcon::ExportSeparateBmps: return Compose(TSubject::Pictures, TBadge::Out);
    case TIcon::ImportText: return Compose(TSubject::Text, TBadge::In);
    case TIcon::ExportText: return Compose(TSubject::Text, TBadge::Out);
    case TIcon::ImportBdf: return Compose(TSubject::PixelFont, TBadge::In);
    case TIcon::ExportBdf: return Compose(TSubject::PixelFont, TBadge::Out);
    case TIcon::OpenTable: return Compose(TSubject::Table, TBadge::Open);
    case TIcon::FontDialog: return Compose(TSubject::Font, TBadge::None);
    case TIcon::ImportOptions: return Compose(TSubject::Font, TBadge::In);
    }
    return QIcon();
}
