#include "TileRenderer.h"

#include "Geography.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <cmath>

namespace TileRenderer {

namespace {

constexpr int kSize = 256;

// Pixel position of a point inside tile (z, x, y).
QPointF project(const Geography::Point &point, int z, int x, int y) {
    const double scale = std::pow(2.0, z);
    const double worldX = (point.longitude + 180.0) / 360.0 * scale;
    const double latitude = point.latitude * M_PI / 180.0;
    const double worldY =
        (1.0 - std::log(std::tan(latitude) + 1.0 / std::cos(latitude)) / M_PI) / 2.0 * scale;
    return QPointF((worldX - x) * kSize, (worldY - y) * kSize);
}

Geography::Point unproject(double px, double py, int z, int x, int y) {
    const double scale = std::pow(2.0, z);
    const double worldX = x + px / kSize;
    const double worldY = y + py / kSize;
    const double longitude = worldX / scale * 360.0 - 180.0;
    const double latitude = std::atan(std::sinh(M_PI * (1 - 2 * worldY / scale))) * 180.0 / M_PI;
    return {latitude, longitude};
}

double streetWidth(int rank, int z) {
    const double base = rank == 0 ? 6.0 : rank == 1 ? 4.5 : 3.0;
    return std::max(1.0, base * std::pow(2.0, (z - 15) * 0.6));
}

void drawMinorStreets(QPainter &painter, int z, int x, int y) {
    if (z < 14)
        return;
    // A regular block pattern inside the ring road stands in for the side streets.
    const double step = 0.0035;
    const Geography::Point topLeft = unproject(0, 0, z, x, y);
    const Geography::Point bottomRight = unproject(kSize, kSize, z, x, y);
    painter.setPen(QPen(QColor(255, 255, 255), std::max(1.0, 1.6 * std::pow(2.0, (z - 15) * 0.6))));
    for (double lat = std::floor(bottomRight.latitude / step) * step; lat <= topLeft.latitude + step;
         lat += step) {
        if (lat < 36.25 || lat > 36.37)
            continue;
        const QPointF a = project({lat, std::max(topLeft.longitude, 59.48)}, z, x, y);
        const QPointF b = project({lat, std::min(bottomRight.longitude, 59.69)}, z, x, y);
        if (a.x() < b.x())
            painter.drawLine(a, b);
    }
    for (double lon = std::floor(topLeft.longitude / step) * step; lon <= bottomRight.longitude + step;
         lon += step) {
        if (lon < 59.48 || lon > 59.69)
            continue;
        const QPointF a = project({std::min(topLeft.latitude, 36.37), lon}, z, x, y);
        const QPointF b = project({std::max(bottomRight.latitude, 36.25), lon}, z, x, y);
        if (a.y() < b.y())
            painter.drawLine(a, b);
    }
}

} // namespace

bool validTile(int z, int x, int y) {
    if (z < 0 || z > 19)
        return false;
    const long long count = 1LL << z;
    return x >= 0 && y >= 0 && x < count && y < count;
}

std::string render(int z, int x, int y) {
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(QColor(242, 239, 233));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);

        // The built-up city, a little darker than the land around it.
        if (z >= 10) {
            QPainterPath city;
            const auto &ring = Geography::streets().front().path;
            city.moveTo(project(ring.front(), z, x, y));
            for (const auto &point : ring)
                city.lineTo(project(point, z, x, y));
            painter.fillPath(city, QColor(232, 228, 220));
        }
        drawMinorStreets(painter, z, x, y);

        for (const auto &place : Geography::places()) {
            if (place.type != "park" || z < 12)
                continue;
            const QPointF centre = project(place.position, z, x, y);
            const double radius =
                350.0 / (156543.0 * std::cos(place.position.latitude * M_PI / 180) / std::pow(2.0, z));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(200, 225, 180));
            painter.drawEllipse(centre, radius, radius * 0.8);
        }

        for (int pass = 0; pass < 2; ++pass) {
            for (const auto &street : Geography::streets()) {
                if ((street.rank == 2 && z < 12) || (street.rank == 1 && z < 10) || z < 8)
                    continue;
                QPainterPath path;
                path.moveTo(project(street.path.front(), z, x, y));
                for (const auto &point : street.path)
                    path.lineTo(project(point, z, x, y));
                const double width = streetWidth(street.rank, z);
                const QColor fill = street.rank == 0   ? QColor(252, 214, 164)
                                    : street.rank == 1 ? QColor(255, 250, 220)
                                                       : QColor(255, 255, 255);
                painter.setBrush(Qt::NoBrush);
                painter.setPen(pass == 0 ? QPen(QColor(190, 180, 170), width + 2, Qt::SolidLine, Qt::RoundCap,
                                                Qt::RoundJoin)
                                         : QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                painter.drawPath(path);
            }
        }

        if (z >= 12) {
            for (const auto &place : Geography::places()) {
                if (place.type == "park")
                    continue;
                const QPointF centre = project(place.position, z, x, y);
                const double radius = place.type == "place_of_worship" ? 6.0 : 4.0;
                painter.setPen(QPen(QColor(255, 255, 255), 1.5));
                painter.setBrush(place.type == "place_of_worship" ? QColor(214, 170, 40)
                                 : place.type == "hospital"       ? QColor(210, 60, 60)
                                 : place.type == "mall"           ? QColor(150, 90, 190)
                                                                  : QColor(70, 120, 200));
                painter.drawEllipse(centre, radius, radius);
            }
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace TileRenderer
