// The three pictures of the face button, pixel by pixel.
#include "pictures.h"
#include "pixelrules.h"

#include <QTest>

using namespace PixelRules;

namespace {

const QRect HeadBounds(6, 5, 15, 17);  // x 6 to 20, y 5 to 21

// The head: every pixel of the square behind the face that is not light grey.
PixelSet headPixels(const QImage& face)
{
    PixelSet head;
    for (int y = 3; y <= 22; ++y) {
        for (int x = 3; x <= 22; ++x) {
            if (face.pixel(x, y) != LightGrey)
                head.insert(QPoint(x, y));
        }
    }
    return head;
}

// Head pixels with a side on the background.
PixelSet outlineOf(const PixelSet& head)
{
    PixelSet outline;
    for (const QPoint& p : head) {
        for (const QPoint step : { QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1) }) {
            if (!head.contains(p + step))
                outline.insert(p);
        }
    }
    return outline;
}

// The smiling face's features: two 2 x 2 eyes and the curve of the mouth.
PixelSet smileFeatures()
{
    PixelSet features;
    for (int eyeLeft : { 10, 15 }) {
        for (int y : { 10, 11 }) {
            features.insert(QPoint(eyeLeft, y));
            features.insert(QPoint(eyeLeft + 1, y));
        }
    }
    features += PixelSet { { 10, 15 }, { 11, 16 }, { 17, 16 }, { 18, 15 } };
    for (int x = 12; x <= 16; ++x)
        features.insert(QPoint(x, 17));
    return features;
}

QRgb asPressed(QRgb colour)
{
    switch (colour) {
    case LightGrey: return Silver;
    case Black: return PressedBlack;
    case Yellow: return PressedYellow;
    case DarkGrey: return PressedGrey;
    default: return colour;
    }
}

} // namespace

class TestFacePictures : public QObject {
    Q_OBJECT

private slots:
    void raisedFrame_data();
    void raisedFrame();
    void headIsOutlinedYellowDisc_data();
    void headIsOutlinedYellowDisc();
    void smileFeatures();
    void surprisedFeatures();
    void pressedFaceIsSunkenSmileMovedByOne();
};

void TestFacePictures::raisedFrame_data()
{
    QTest::addColumn<QImage>("face");
    QTest::newRow("smile") << Pictures::faceSmile();
    QTest::newRow("surprised") << Pictures::faceSurprised();
}

void TestFacePictures::raisedFrame()
{
    QFETCH(QImage, face);
    // Inside the frame the square is light grey around the head, which is checked apart.
    const auto expected = [&](int x, int y) {
        if (!inFaceSquare(x, y))
            return faceFrame(x, y);
        return HeadBounds.contains(x, y) ? face.pixel(x, y) : LightGrey;
    };
    VERIFY_PIXELS(face, face.rect(), expected);
}

void TestFacePictures::headIsOutlinedYellowDisc_data()
{
    raisedFrame_data();
}

void TestFacePictures::headIsOutlinedYellowDisc()
{
    QFETCH(QImage, face);
    const PixelSet head = headPixels(face);
    QCOMPARE(boundsOf(head), HeadBounds);

    // A disc: each row and each column of it is one unbroken run.
    for (int y = HeadBounds.top(); y <= HeadBounds.bottom(); ++y) {
        int count = 0, left = 99, right = -1;
        for (int x = 0; x < FaceSize; ++x) {
            if (head.contains(QPoint(x, y))) {
                ++count;
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
        QVERIFY2(count > 0 && count == right - left + 1, qPrintable(QStringLiteral("row %1").arg(y)));
    }
    for (int x = HeadBounds.left(); x <= HeadBounds.right(); ++x) {
        int count = 0, top = 99, bottom = -1;
        for (int y = 0; y < FaceSize; ++y) {
            if (head.contains(QPoint(x, y))) {
                ++count;
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
        QVERIFY2(count > 0 && count == bottom - top + 1, qPrintable(QStringLiteral("column %1").arg(x)));
    }

    // A closed black outline: every head pixel beside the background is black.
    // Within it, the features' tests require yellow wherever there is no feature.
    for (const QPoint& p : outlineOf(head))
        QVERIFY2(face.pixel(p) == Black, qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
}

void TestFacePictures::smileFeatures()
{
    const QImage& face = Pictures::faceSmile();
    const PixelSet head = headPixels(face);
    const PixelSet inside = head - outlineOf(head);
    const PixelSet features = ::smileFeatures();
    for (const QPoint& p : inside) {
        const QRgb expected = features.contains(p) ? Black : Yellow;
        QVERIFY2(face.pixel(p) == expected,
                 qPrintable(QStringLiteral("(%1, %2) is %3").arg(p.x()).arg(p.y()).arg(colourName(face.pixel(p)))));
    }
    for (const QPoint& p : features)
        QVERIFY(inside.contains(p));
}

void TestFacePictures::surprisedFeatures()
{
    const QImage& face = Pictures::faceSurprised();
    const PixelSet head = headPixels(face);
    const PixelSet inside = head - outlineOf(head);

    // Eyes: small crosses, black with olive corners.
    PixelSet eyes;
    for (int centreX : { 10, 16 }) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint p(centreX + dx, 10 + dy);
                eyes.insert(p);
                QCOMPARE(colourName(face.pixel(p)), colourName(dx != 0 && dy != 0 ? Olive : Black));
            }
        }
    }

    // Mouth: every other black pixel, a round ring five pixels across around (13, 16).
    PixelSet mouth;
    for (const QPoint& p : inside - eyes) {
        const QRgb colour = face.pixel(p);
        QVERIFY2(colour == Black || colour == Yellow,
                 qPrintable(QStringLiteral("(%1, %2) is %3").arg(p.x()).arg(p.y()).arg(colourName(colour))));
        if (colour == Black)
            mouth.insert(p);
    }
    QCOMPARE(boundsOf(mouth), QRect(11, 14, 5, 5));
    QVERIFY(!mouth.contains(QPoint(13, 16)));
    QVERIFY(mirroredX(mouth, 13) == mouth);
    QVERIFY(mirroredY(mouth, 16) == mouth);
    for (const QPoint& p : mouth) {
        const QPoint turned(13 + p.y() - 16, 16 + p.x() - 13);
        QVERIFY2(mouth.contains(turned), "the mouth is as wide as it is high");
    }
}

void TestFacePictures::pressedFaceIsSunkenSmileMovedByOne()
{
    const QImage& pressed = Pictures::facePressed();
    const QImage& smile = Pictures::faceSmile();
    const auto expected = [&](int x, int y) {
        if ((x == 25 && y == 0) || (x == 0 && y == 25))
            return Silver;
        if (x <= 1 || y <= 1 || x == 25 || y == 25)
            return PressedGrey;
        if (inFaceSquare(x - 1, y - 1))
            return asPressed(smile.pixel(x - 1, y - 1));
        return Silver;
    };
    VERIFY_PIXELS(pressed, pressed.rect(), expected);
}

QTEST_GUILESS_MAIN(TestFacePictures)
#include "tst_facepictures.moc"
