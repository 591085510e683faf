#include "SpinnerArt.h"

#include "ArtPainting.h"

#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QtMath>

namespace {

const int dotCount = 12;

// GIF keeps one bit of transparency: pixels at least half covered become solid, blended over
// white (the search bar's ground), and the rest become clear, so no dark fringe shows.
QImage toGifAlpha(const QImage &image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            if (a < 110) {
                line[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            const auto over = [a](int c) {
                return (c * a + 255 * (255 - a)) / 255;
            };
            line[x] = qRgba(over(qRed(p)), over(qGreen(p)), over(qBlue(p)), 255);
        }
    }
    return out;
}

} // namespace

int spinnerFrameCount() {
    return dotCount;
}

QImage drawSpinnerFrame(int frame) {
    QImage image = art::canvas(QSize(64, 64));
    QPainter painter(&image);
    art::smooth(painter);
    painter.setPen(Qt::NoPen);
    const QColor lead(0x52, 0x60, 0xff);
    const QColor tail(0xd4, 0xd8, 0xff);
    for (int i = 0; i < dotCount; ++i) {
        // Distance behind the leading dot, 0 for the lead itself.
        const int behind = (frame - i + dotCount) % dotCount;
        const qreal t = qreal(behind) / (dotCount - 1);
        const qreal angle = 2 * M_PI * i / dotCount;
        const QPointF at(32 + 23 * qSin(angle), 32 - 23 * qCos(angle));
        const qreal radius = 5.2 - 1.8 * t;
        painter.setBrush(art::mix(lead, tail, t));
        painter.drawEllipse(at, radius, radius);
    }
    painter.end();
    return toGifAlpha(image);
}

bool writeSpinnerGif(const QString &gifPath, QString *error) {
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (convert.isEmpty()) {
        *error = QStringLiteral("ImageMagick's convert is not on the PATH (apt-get install imagemagick)");
        return false;
    }
    QTemporaryDir frames;
    if (!frames.isValid()) {
        *error =
            QStringLiteral("cannot create a folder for the spinner frames: %1").arg(frames.errorString());
        return false;
    }
    // 8/100 s a frame: one turn a little under a second.
    QStringList arguments = {QStringLiteral("-dispose"), QStringLiteral("Background"),
                             QStringLiteral("-delay"),   QStringLiteral("8"),
                             QStringLiteral("-loop"),    QStringLiteral("0")};
    for (int frame = 0; frame < spinnerFrameCount(); ++frame) {
        const QString path =
            frames.filePath(QStringLiteral("frame%1.png").arg(frame, 2, 10, QLatin1Char('0')));
        if (!drawSpinnerFrame(frame).save(path)) {
            *error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
        arguments << path;
    }
    arguments << gifPath;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(convert, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *error =
            QStringLiteral("convert failed: %1").arg(QString::fromLocal8Bit(process.readAll()).trimmed());
        return false;
    }
    return true;
}
