// Draws Zanfo's pictures into a folder (app/pictures): the button pictures, the
// About picture and the program icon. Run: make_pictures app/pictures
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kInk(0x3b, 0x46, 0x55);
const QColor kBlue(0x1d, 0x4f, 0x82);

QImage Canvas(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// A blank sheet with a folded corner.
QImage NewFile()
{
    QImage image = Canvas(16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath sheet;
    sheet.moveTo(3.5, 1.5);
    sheet.lineTo(9.5, 1.5);
    sheet.lineTo(12.5, 4.5);
    sheet.lineTo(12.5, 14.5);
    sheet.lineTo(3.5, 14.5);
    sheet.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(9.5, 1.5);
    fold.lineTo(9.5, 4.5);
    fold.lineTo(12.5, 4.5);
    p.setBrush(QColor(0xdd, 0xe3, 0xea));
    p.drawPath(fold);
    return image;
}

// An open folder.
QImage OpenFolder()
{
    QImage image = Canvas(16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x1e), 1));
    p.setBrush(QColor(0xe8, 0xc2, 0x5a));
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(5.5, 3.5);
    back.lineTo(6.5, 4.5);
    back.lineTo(12.5, 4.5);
    back.lineTo(12.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(0xf6, 0xd9, 0x7e));
    QPainterPath front;
    front.moveTo(3.5, 7.5);
    front.lineTo(15.0, 7.5);
    front.lineTo(12.5, 13.5);
    front.lineTo(1.5, 13.5);
    front.closeSubpath();
    p.drawPath(front);
    return image;
}

// A tick in a box: Codify and Decodify share it.
QImage Tick()
{
    QImage image = Canvas(20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 2, 2);
    QPainterPath tick;
    tick.moveTo(5.5, 10.5);
    tick.lineTo(8.8, 13.8);
    tick.lineTo(15.5, 5.5);
    p.setPen(QPen(QColor(0x2e, 0x8b, 0x57), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    return image;
}

// The program icon: a padlock on a blue tile.
QImage Icon(int size)
{
    QImage image = Canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(10, 6, 12, 14), 0, 180 * 16);
    p.drawLine(QPointF(10, 13), QPointF(10, 15));
    p.drawLine(QPointF(22, 13), QPointF(22, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(7, 14, 18, 13), 2.5, 2.5);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(16, 19.5), 2.2, 2.2);
    p.drawRect(QRectF(15.1, 20, 1.8, 4));
    return image;
}

// The About picture: white, the product name and the year in large blue capitals along the top.
QImage About(int year)
{
    QImage image(679, 145, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(64);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(font);
    p.setPen(kBlue);
    p.drawText(QRect(0, 4, 679, 80), Qt::AlignCenter, QStringLiteral("ZANFO %1").arg(year));
    return image;
}

bool Save(const QImage& image, const QString& path, const char* format)
{
    QImageWriter writer(path, format);
    if (QByteArray(format) == "jpg") {
        writer.setQuality(95);
        writer.setProgressiveScanWrite(false);  // baseline
    }
    return writer.write(image);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("app/pictures"));
    bool ok = Save(NewFile(), out.filePath("new_file.png"), "png") &&
              Save(OpenFolder(), out.filePath("open_folder.png"), "png") &&
              Save(Tick(), out.filePath("tick.png"), "png") &&
              Save(Icon(16), out.filePath("zanfo16.png"), "png") &&
              Save(Icon(32), out.filePath("zanfo32.png"), "png") &&
              Save(Icon(48), out.filePath("zanfo48.png"), "png") &&
              Save(Icon(64), out.filePath("zanfo64.png"), "png") &&
              Save(Icon(128), out.filePath("zanfo128.png"), "png") &&
              Save(Icon(256), out.filePath("zanfo256.png"), "png") &&
              Save(About(2026), out.filePath("about.jpg"), "jpg");
    return ok ? 0 : 1;
}
