#include "PrintAction.h"

#include <QApplication>
#include <QDebug>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

PrintAction::PrintAction(QObject *parent)
    : QObject(parent) {}

QImage PrintAction::imageFrom(const QVariant &data) {
    if (data.userType() == QMetaType::QImage)
        return data.value<QImage>();
    return qvariant_cast<QImage>(data);
}

void PrintAction::print(const QVariant &data) {
    // The print dialog is a widget: without a widgets application there is nobody to ask.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        qDebug() << "PrintAction: printing needs a QApplication";
        return;
    }
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintDialog dialog(&printer);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printOn(printer, data);
}

void PrintAction::printOn(QPrinter &printer, const QVariant &data) {
    const QImage image = imageFrom(data);
    const QRectF page(printer.pageLayout().paintRectPixels(printer.resolution()));
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    paintImage(image, page, &painter);
}

void PrintAction::paintImage(const QImage &image, const QRectF &rect, QPainter *painter) {
    if (!painter || !painter->isActive())
        return;

    const QSizeF scaled = QSizeF(image.size()).scaled(rect.size(), Qt::KeepAspectRatio);
    const QSize size(int(scaled.width()), int(scaled.height()));
    if (!image.isNull() && !size.isEmpty()) {
        QImage smooth(size, QImage::Format_ARGB32);
        smooth.fill(Qt::transparent);
        QPainter scaler(&smooth);
        // The opacity is applied once, when the result is drawn with `painter` below; taking it
        // over here as well would fade the image twice.
        scaler.setRenderHint(QPainter::SmoothPixmapTransform, true);
        scaler.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), image);
        scaler.end();

        const qreal left = (rect.width() - size.width()) / 2;
        painter->drawImage(QPointF(int(left), 0), smooth);
    }
    painter->end();
}
