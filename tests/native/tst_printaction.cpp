#include "PrintAction.h"
#include "QmlTypes.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QImage filled(int width, int height, const QColor &color) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

QImage whitePage(int width, int height) {
    return filled(width, height, Qt::white);
}

bool isColor(const QImage &image, int x, int y, const QColor &expected, int tolerance = 3) {
    const QColor actual = image.pixelColor(x, y);
    const bool close = qAbs(actual.red() - expected.red()) <= tolerance &&
                       qAbs(actual.green() - expected.green()) <= tolerance &&
                       qAbs(actual.blue() - expected.blue()) <= tolerance;
    if (!close)
        qWarning() << "pixel" << x << y << "is" << actual.name() << "expected" << expected.name();
    return close;
}

QByteArray pdfOf(const QVariant &data, const QString &file) {
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    PrintAction().printOn(printer, data);
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly))
        return {};
    return pdf.readAll();
}

} // namespace

class TestPrintAction : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void qmlCanDeclareIt() {
        QmlTypes::registerAll();
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import AppPrint 1.0\nPrintAction {}\n", QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QVERIFY(qobject_cast<PrintAction *>(object.get()));
        QVERIFY(object->metaObject()->indexOfMethod("print(QVariant)") >= 0);
    }

    void wideImageOnATallPageTakesThePageWidthAtTheTop() {
        QImage page = whitePage(200, 400);
        QPainter painter(&page);
        PrintAction().paintImage(filled(100, 50, Qt::red), QRectF(0, 0, 200, 400), &painter);
        QVERIFY(!painter.isActive());
        QVERIFY(isColor(page, 1, 1, Qt::red));
        QVERIFY(isColor(page, 198, 98, Qt::red));
        QVERIFY(isColor(page, 100, 101, Qt::white));
        QVERIFY(isColor(page, 100, 399, Qt::white));
    }

    void smallImageIsEnlargedUntilOneSideMeetsThePage() {
        QImage page = whitePage(400, 200);
        QPainter painter(&page);
        // 10 × 20 on 400 × 200: the height meets the page at 100 × 200, centred across.
        PrintAction().paintImage(filled(10, 20, Qt::blue), QRectF(0, 0, 400, 200), &painter);
        QVERIFY(isColor(page, 151, 1, Qt::blue));
        QVERIFY(isColor(page, 248, 198, Qt::blue));
        QVERIFY(isColor(page, 148, 100, Qt::white));
        QVERIFY(isColor(page, 251, 100, Qt::white));
    }

    void onlyTheRectanglesSizeCounts() {
        QImage page = whitePage(300, 300);
        QPainter painter(&page);
        PrintAction().paintImage(filled(100, 50, Qt::red), QRectF(100, 150, 200, 100), &painter);
        QVERIFY(isColor(page, 1, 1, Qt::red));
        QVERIFY(isColor(page, 198, 98, Qt::red));
        QVERIFY(isColor(page, 250, 200, Qt::white));
    }

    void halfTransparentPainterPrintsAtHalfOpacity() {
        QImage page = whitePage(100, 100);
        QPainter painter(&page);
        painter.setOpacity(0.5);
        PrintAction().paintImage(filled(100, 100, Qt::red), QRectF(0, 0, 100, 100), &painter);
        // Red at half opacity over white, not faded a second time.
        QVERIFY(isColor(page, 50, 50, QColor(255, 128, 128)));
    }

    void nothingIsDrawnWithoutAnActivePainter() {
        QImage page = whitePage(50, 50);
        QPainter idle;
        PrintAction().paintImage(filled(50, 50, Qt::red), QRectF(0, 0, 50, 50), &idle);
        PrintAction().paintImage(filled(50, 50, Qt::red), QRectF(0, 0, 50, 50), nullptr);
        QVERIFY(isColor(page, 25, 25, Qt::white));
    }

    void imagesComeOutOfVariants() {
        QCOMPARE(PrintAction::imageFrom(QVariant(filled(3, 4, Qt::red))).size(), QSize(3, 4));
        QPixmap pixmap(5, 6);
        pixmap.fill(Qt::green);
        QCOMPARE(PrintAction::imageFrom(QVariant(pixmap)).size(), QSize(5, 6));
        QVERIFY(PrintAction::imageFrom(QVariant(QStringLiteral("not an image"))).isNull());
        QVERIFY(PrintAction::imageFrom(QVariant()).isNull());
    }

    void printingGivesOnePageWithTheImageOrABlankOne() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray withImage =
            pdfOf(QVariant(filled(300, 200, Qt::red)), dir.filePath(QStringLiteral("image.pdf")));
        QVERIFY(withImage.startsWith("%PDF"));
        QCOMPARE(withImage.count("/Type /Page\n") + withImage.count("/Type /Page\r") +
                     withImage.count("/Type /Page "),
                 1);
        QVERIFY(withImage.contains("/Subtype /Image"));

        const QByteArray blank = pdfOf(QVariant(42), dir.filePath(QStringLiteral("blank.pdf")));
        QVERIFY(blank.startsWith("%PDF"));
        QVERIFY(blank.contains("/Type /Page"));
        QVERIFY(!blank.contains("/Subtype /Image"));
    }
};

QTEST_MAIN(TestPrintAction)
#include "tst_printaction.moc"
