// SPDX-License-Identifier: MIT
// Run once per scale factor: QT_SCALE_FACTOR is read when the application starts, so CTest
// registers this program several times with different environments.

#include "reliability/window_layout.h"
#include "window_driver.h"

#include <QIcon>
#include <QImage>
#include <QScreen>
#include <QSet>
#include <QTest>

#include <cmath>

namespace {

qreal scaleFactor()
{
    bool ok = false;
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    if (!ok)
        qFatal("QT_SCALE_FACTOR must be set");
    return factor;
}

// The device pixel of a grab that lies under the logical point p.
QColor colorAt(const QImage &grab, QPointF p)
{
    const qreal factor = grab.devicePixelRatio();
    return grab.pixelColor(int(std::floor(p.x() * factor)), int(std::floor(p.y() * factor)));
}

} // namespace

class TestHighDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), scaleFactor()); }

    // Twips at 96 dots per inch, whatever the scale factor: the reference model's table.
    void controlsKeepTheirPlaceInLogicalPixels()
    {
        const auto form = testing::openWindow();
        QCOMPARE(form->screen()->logicalDotsPerInchX(), 96.0);
        QCOMPARE(form->size(), QSize(reliability::kClientWidth, reliability::kClientHeight));
        for (reliability::Control control : reliability::kAllControls) {
            const QString name = reliability::nameOf(control);
            const QWidget *widget = form->findChild<QWidget *>(name);
            const reliability::Rect place = reliability::windowRectOf(control);
            QCOMPARE(std::pair(name, QRect(widget->mapTo(form.get(), QPoint()), widget->size())),
                     std::pair(name, QRect(place.left, place.top, place.width, place.height)));
        }
    }

    // The headings' boxes have room for one line: a second would be cut off.
    void eachHeadingStandsOnOneLine()
    {
        const auto form = testing::openWindow();
        for (const QLabel *heading : {testing::widget<QLabel>(form->lbltype), testing::widget<QLabel>(form->lblcode),
                                      testing::widget<QLabel>(form->lblencrypt)}) {
            const auto laidOut = [heading](int flags) {
                return heading->fontMetrics().boundingRect(heading->contentsRect(), int(heading->alignment()) | flags,
                                                           heading->text());
            };
            QVERIFY2(laidOut(Qt::TextWordWrap).height() == laidOut(Qt::TextSingleLine).height(),
                     qPrintable(heading->text()));
        }
    }

    void theGrabShowsEachControlWhereItStands()
    {
        const auto form = testing::openWindow();
        const QImage grab = form->grab().toImage();
        QCOMPARE(grab.devicePixelRatio(), scaleFactor());
        QCOMPARE(grab.size(), (QSizeF(form->size()) * scaleFactor()).toSize());

        // Points just inside each box's edges, where no text is drawn.
        const auto inside = [](const QWidget *control) { return QRectF(control->geometry()).adjusted(4, 4, -4, -4); };
        QCOMPARE(colorAt(grab, inside(testing::widget(form->txtin)).bottomRight()), QColor(192, 192, 255));
        QCOMPARE(colorAt(grab, inside(testing::widget(form->txtencrypt)).topLeft()), QColor(192, 0, 192));
        QCOMPARE(colorAt(grab, inside(testing::widget(form->txtencrypt)).bottomRight()), QColor(192, 0, 192));
        QCOMPARE(colorAt(grab, inside(testing::widget(form->frmchange)).bottomLeft()), QColor(255, 192, 255));
        QCOMPARE(colorAt(grab, inside(testing::widget(form->cmdSendMsg)).bottomLeft()), QColor(255, 255, 192));
        QCOMPARE(colorAt(grab, QPointF(form->width() - 5, form->height() - 5)), QColor(128, 128, 255));
        // Just outside txtin's right edge the window shows through.
        QCOMPARE(colorAt(grab, QPointF(testing::widget(form->txtin)->geometry().right() + 2.5, 200)), QColor(128, 128, 255));
    }

    void thePictureIsDrawnAtItsNaturalSizeWithoutBlending()
    {
        const auto form = testing::openWindow();
        testing::click(testing::widget(form->cmdSendMsg));
        const QImage grab = form->grab().toImage();
        const QImage picture = QImage(QStringLiteral(":/velloq.gif")).convertToFormat(QImage::Format_RGB32);
        const QRect inside = testing::widget(form->picVelloq)->contentsRect().translated(testing::widget(form->picVelloq)->pos());
        const qreal factor = scaleFactor();
        const QRect shown(QPoint(int(std::ceil(inside.left() * factor)), int(std::ceil(inside.top() * factor))),
                          QPoint(int((inside.right() + 1) * factor) - 1, int((inside.bottom() + 1) * factor) - 1));

        // Sharp: every pixel on the screen is one of the picture's own colours, never a blend of two.
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                colours.insert(picture.pixel(x, y));
        for (int y = shown.top(); y <= shown.bottom(); ++y)
            for (int x = shown.left(); x <= shown.right(); ++x)
                QVERIFY2(colours.contains(grab.pixel(x, y) | 0xFF000000), qPrintable(QStringLiteral("blend at %1,%2").arg(x).arg(y)));

        // Natural size, from the top-left corner: the picture's 6-pixel black border, and the
        // start of its right border at column 125, stand where an unscaled picture puts them.
        const auto isBlack = [&grab](int x, int y) { return (grab.pixel(x, y) & 0xFFFFFF) == 0; };
        const int middleColumn = int((inside.left() + 65.5) * factor);
        int borderRows = 0;
        while (isBlack(middleColumn, shown.top() + borderRows))
            ++borderRows;
        QVERIFY2(std::abs(borderRows - 6 * factor) <= 1, qPrintable(QString::number(borderRows)));
        const int middleRow = int((inside.top() + 65.5) * factor);
        int x = int((inside.left() + 114.5) * factor);
        while (x < shown.right() && !isBlack(x, middleRow))
            ++x;
        QVERIFY2(std::abs(x - (inside.left() + 125) * factor) <= 1, qPrintable(QString::number(x)));
    }

    // The window icon is drawn from an image at least as large as the screen needs, not blown up.
    void theWindowIconHasAnImageForTheScreensPixels()
    {
        const QIcon icon = QApplication::windowIcon();
        for (int size : {16, 32, 48, 64, 128, 256})
            QVERIFY2(icon.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));

        const qreal factor = scaleFactor();
        const int needed = int(std::ceil(32 * factor));
        const QImage shown = icon.pixmap(QSize(32, 32), factor).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(shown.size(), QSize(needed, needed));
        if (needed != 32 && needed != 48 && needed != 64)
            return;
        const QString source = needed == 32 ? QStringLiteral(":/quenmark.ico")
                                            : QStringLiteral(":/icons/%1x%1/apps/org.quenmark.Quenmark.png").arg(needed);
        QImage expected = QImage(source).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        expected.setDevicePixelRatio(factor);
        QCOMPARE(shown, expected);
    }
};

QUENMARK_TEST_MAIN(TestHighDpi)
#include "tst_high_dpi.moc"
