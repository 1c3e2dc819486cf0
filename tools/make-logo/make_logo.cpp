// Draws Kvilo's own logo (resources/logo.png): the word "Kvilo" beside a magnifying glass over a
// register page. Run once when the logo changes: make_logo <output.png>. The offscreen platform is enough.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

void DrawPage(QPainter& painter) {
    painter.setPen(QPen(QColor(0x34, 0x65, 0xA4), 2));
    painter.setBrush(QColor(0xFF, 0xFF, 0xFF));
    painter.drawRoundedRect(QRectF(6, 6, 30, 38), 3, 3);
    painter.setPen(QPen(QColor(0x72, 0x9F, 0xCF), 2));
    for (int y = 14; y <= 34; y += 6)
        painter.drawLine(12, y, 30, y);
}

void DrawGlass(QPainter& painter) {
    painter.setPen(QPen(QColor(0x2E, 0x34, 0x36), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(36, 36), QPointF(46, 46));
    painter.setPen(QPen(QColor(0x2E, 0x34, 0x36), 3));
    painter.setBrush(QColor(0xFC, 0xE9, 0x4F, 0x90));
    painter.drawEllipse(QPointF(29, 29), 9, 9);
}

QPainterPath Word() {
    QPainterPath word;
    word.addText(56, 38, QFont("DejaVu Sans", 26, QFont::Bold), "Kvilo");
    return word;
}

void DrawWord(QPainter& painter, int width, int height) {
    QLinearGradient shade(0, 8, 0, height - 8);
    shade.setColorAt(0, QColor(0x34, 0x65, 0xA4));
    shade.setColorAt(1, QColor(0x20, 0x4A, 0x87));
    const QPainterPath word = Word();
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPath(word);
    painter.setPen(QPen(QColor(0xF5, 0x79, 0x00), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(58, 45, width - 8, 45);
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc < 2) return 2;
    // The image is as wide as the word needs, with a margin after its last letter.
    const int width = static_cast<int>(std::ceil(Word().boundingRect().right())) + 6, height = 52;
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawPage(painter);
    DrawGlass(painter);
    DrawWord(painter, width, height);
    painter.end();
    return image.save(argv[1]) ? 0 : 1;
}
