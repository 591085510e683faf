#pragma once

#include <QImage>
#include <QObject>
#include <QRectF>
#include <QVariant>

class QPainter;
class QPrinter;

// Prints one image on one page through the system print dialog.
class PrintAction : public QObject {
    Q_OBJECT

public:
    explicit PrintAction(QObject *parent = nullptr);

    // Asks for a printer, then prints the image `data` holds (a blank page for anything that
    // is not an image). Nothing is printed when the dialog is cancelled.
    Q_INVOKABLE void print(const QVariant &data);

    // Prints without asking: the part of print() after the dialog.
    void printOn(QPrinter &printer, const QVariant &data);

    // Draws `image` scaled to fit the size of `rect` (kept in proportion, small images enlarged),
    // centred across and at the top, with `painter`'s opacity; then ends `painter`.
    Q_INVOKABLE void paintImage(const QImage &image, const QRectF &rect, QPainter *painter);

    static QImage imageFrom(const QVariant &data);
};
