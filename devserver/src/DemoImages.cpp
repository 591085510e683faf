#include "DemoImages.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

#include <random>

namespace DemoImages {

namespace {

QString path(const std::string &dir, const std::string &name) {
    return QString::fromStdString(dir + "/" + name);
}

void drawBuilding(QPainter &painter, std::mt19937 &random, int index) {
    std::uniform_int_distribution<int> any(0, 255);
    const int width = 800, height = 600;
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(110 + index * 7 % 60, 170, 230));
    sky.setColorAt(1, QColor(225, 238, 250));
    painter.fillRect(0, 0, width, height, sky);
    painter.fillRect(0, 470, width, 130, QColor(120, 150, 95));
    painter.fillRect(0, 500, width, 100, QColor(90, 90, 95));

    const int floors = 2 + index % 6;
    const int left = 140 + (index * 37) % 120;
    const int buildingWidth = 320 + (index * 53) % 160;
    const int top = 470 - floors * 62;
    const QColor facade = QColor::fromHsv((index * 41) % 360, 40 + any(random) % 60, 200 + any(random) % 50);
    painter.fillRect(left, top, buildingWidth, 470 - top, facade);
    painter.setPen(QPen(facade.darker(140), 3));
    painter.drawRect(left, top, buildingWidth, 470 - top);
    for (int floor = 0; floor < floors; ++floor) {
        for (int column = 0; column < buildingWidth / 70; ++column) {
            const QRect window(left + 20 + column * 70, top + 14 + floor * 62, 42, 36);
            painter.fillRect(window, (any(random) % 4) ? QColor(60, 90, 130) : QColor(250, 220, 140));
            painter.setPen(QPen(QColor(240, 240, 240), 2));
            painter.drawRect(window);
        }
    }
    painter.fillRect(left + buildingWidth / 2 - 30, 410, 60, 60, QColor(95, 65, 45));
    // A tree or two beside the building.
    painter.setPen(Qt::NoPen);
    for (int tree = 0; tree < 1 + index % 3; ++tree) {
        const int x = 40 + tree * (left + buildingWidth + 30);
        painter.fillRect(x + 26, 400, 12, 70, QColor(100, 70, 40));
        painter.setBrush(QColor(60, 130 + any(random) % 60, 60));
        painter.drawEllipse(QPoint(x + 32, 385), 42, 52);
    }
}

} // namespace

std::vector<std::string> listingPhotos(const std::string &dir, int count) {
    std::vector<std::string> names;
    std::mt19937 random(20240501);
    for (int i = 0; i < count; ++i) {
        QImage image(800, 600, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, true);
            drawBuilding(painter, random, i);
        }
        const std::string name = "demo-listing-" + std::to_string(i + 1) + ".jpg";
        if (image.save(path(dir, name), "JPEG", 82))
            names.push_back(name);
    }
    return names;
}

std::vector<std::string> postBanners(const std::string &dir, int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        QImage image(1000, 420, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, true);
            QLinearGradient gradient(0, 0, 1000, 420);
            gradient.setColorAt(0, QColor::fromHsv((i * 57 + 200) % 360, 160, 200));
            gradient.setColorAt(1, QColor::fromHsv((i * 57 + 260) % 360, 120, 120));
            painter.fillRect(0, 0, 1000, 420, gradient);
            painter.setPen(Qt::NoPen);
            for (int k = 0; k < 7; ++k) {
                painter.setBrush(QColor(255, 255, 255, 40 + k * 10));
                painter.drawEllipse(QPoint(120 + k * 130, 210 + ((k + i) % 3 - 1) * 60), 50 + k * 6,
                                    50 + k * 6);
            }
        }
        const std::string name = "demo-post-" + std::to_string(i + 1) + ".jpg";
        if (image.save(path(dir, name), "JPEG", 85))
            names.push_back(name);
    }
    return names;
}

} // namespace DemoImages
