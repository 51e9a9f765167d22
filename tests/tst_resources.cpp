// The pictures and the catalogue compiled into the program: their paths,
// sizes, formats and the layout of the icon file.

#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QSet>
#include <QTranslator>
#include <QtEndian>
#include <QtTest>

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void pictureFormat_data();
    void pictureFormat();
    void entriesAreExactlyTheProgramsAndUncompressed();
    void marksAreBlackOnTransparent_data();
    void marksAreBlackOnTransparent();
    void placeholderIsPaleGreyOnWhite();
    void logoIconFileHoldsOnePngImage();
    void logoMakesAWindowIcon();
    void catalogueLoadsByTheStartUpName();
};

void TestResources::pictureFormat_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");

    QTest::newRow("pass mark") << ":/icons/checkmark.png" << QByteArray("png") << QSize(16, 16)
                               << true;
    QTest::newRow("fail mark") << ":/icons/cross.png" << QByteArray("png") << QSize(16, 16) << true;
    QTest::newRow("placeholder") << ":/icons/icons/no1.png" << QByteArray("png") << QSize(64, 64)
                                 << false;
    QTest::newRow("clipboard") << ":/icons/icons/Actions-clipboard-icon.png" << QByteArray("png")
                               << QSize(64, 64) << true;
    QTest::newRow("logo") << ":/icons/LogoZETU.ico" << QByteArray("ico") << QSize(256, 256) << true;
}

void TestResources::pictureFormat()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(bool, alpha);

    QImageReader reader(path);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.imageCount() <= 1 ? 1 : reader.imageCount(), 1);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), alpha);
    // the pixmaps the report and the window build from them
    QCOMPARE(QPixmap(path).size(), size);
}

void TestResources::entriesAreExactlyTheProgramsAndUncompressed()
{
    const QSet<QString> expected{
        ":/icons/checkmark.png",
        ":/icons/cross.png",
        ":/icons/checkmark@4x.png",
        ":/icons/cross@4x.png",
        ":/icons/LogoZETU.ico",
        ":/icons/icons/no1.png",
        ":/icons/icons/Actions-clipboard-icon.png",
        ":/languages/ZETU_en_US.qm",
    };
    QSet<QString> found;
    for (const QString root : {":/icons", ":/languages"}) {
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found.insert(it.next());
    }
    QCOMPARE(found, expected);

    for (const QString &path : expected) {
        const QResource resource(path);
        QVERIFY2(resource.isValid(), qPrintable(path));
        QVERIFY2(resource.compressionAlgorithm() == QResource::NoCompression, qPrintable(path));
        QVERIFY2(resource.size() > 0, qPrintable(path));
    }
}

void TestResources::marksAreBlackOnTransparent_data()
{
    QTest::addColumn<QString>("path");
    // a point every drawing of the mark covers, and one it must leave clear
    QTest::addColumn<QPoint>("inked");
    QTest::addColumn<QPoint>("clear");

    QTest::newRow("check mark") << ":/icons/checkmark.png" << QPoint(6, 11) << QPoint(3, 3);
    QTest::newRow("cross") << ":/icons/cross.png" << QPoint(8, 8) << QPoint(8, 2);
}

void TestResources::marksAreBlackOnTransparent()
{
    QFETCH(QString, path);
    QFETCH(QPoint, inked);
    QFETCH(QPoint, clear);

    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 0)
                continue;
            // ink only: whatever is visible is black, at any coverage
            QVERIFY2(qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) == 0,
                     qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
            if (qAlpha(p) == 255)
                ++opaque;
        }
    }
    QVERIFY(opaque >= 12);
    QCOMPARE(qAlpha(image.pixel(inked)), 255);
    QCOMPARE(qAlpha(image.pixel(clear)), 0);
    for (const QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)})
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
}

void TestResources::placeholderIsPaleGreyOnWhite()
{
    const QImage image = QImage(":/icons/icons/no1.png").convertToFormat(QImage::Format_RGB32);
    QVERIFY(!image.isNull());
    QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(63, 63), qRgb(255, 255, 255));
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            QVERIFY2(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p),
                     qPrintable(QString("pixel %1,%2 is not grey").arg(x).arg(y)));
            darkest = qMin(darkest, qRed(p));
        }
    }
    // pale: the sign is visible but stays far from black
    QVERIFY(darkest < 230);
    QVERIFY(darkest > 150);
    // the bar runs through the centre, the circle round it; inside the circle
    // off the bar it is white again
    QVERIFY(qRed(image.pixel(32, 32)) < 230);
    QVERIFY(qRed(image.pixel(32, 32 - 22)) < 230);
    QCOMPARE(image.pixel(40, 24), qRgb(255, 255, 255));
}

void TestResources::logoIconFileHoldsOnePngImage()
{
    QFile file(":/icons/LogoZETU.ico");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    QVERIFY(data.size() > 22 + 33);
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());

    // icon directory: reserved 0, type 1 (icon), one image
    QCOMPARE(qFromLittleEndian<quint16>(bytes), quint16(0));
    QCOMPARE(qFromLittleEndian<quint16>(bytes + 2), quint16(1));
    QCOMPARE(qFromLittleEndian<quint16>(bytes + 4), quint16(1));

    // its one entry: 32 bits per pixel, the image right after the directory
    const uchar *entry = bytes + 6;
    QCOMPARE(qFromLittleEndian<quint16>(entry + 4), quint16(1));
    QCOMPARE(qFromLittleEndian<quint16>(entry + 6), quint16(32));
    const quint32 imageSize = qFromLittleEndian<quint32>(entry + 8);
    const quint32 imageOffset = qFromLittleEndian<quint32>(entry + 12);
    QCOMPARE(imageOffset, quint32(22));
    QCOMPARE(imageOffset + imageSize, quint32(data.size()));

    // stored as PNG; the entry's size bytes (0 standing for 256) match it
    const QByteArray png = data.mid(int(imageOffset));
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    const QImage image = QImage::fromData(png, "PNG");
    QVERIFY(!image.isNull());
    QCOMPARE(entry[0] == 0 ? 256 : int(entry[0]), image.width());
    QCOMPARE(entry[1] == 0 ? 256 : int(entry[1]), image.height());
    QVERIFY(image.hasAlphaChannel());
    // a logo, not a blank: something opaque in the middle, clear corners
    QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
}

void TestResources::logoMakesAWindowIcon()
{
    QIcon icon;
    icon.addFile(":/icons/LogoZETU.ico", QSize(), QIcon::Normal, QIcon::Off);
    QVERIFY(!icon.isNull());
    const QPixmap small = icon.pixmap(32, 32);
    QCOMPARE(small.size(), QSize(32, 32));
    QVERIFY(!small.toImage().allGray());
}

void TestResources::catalogueLoadsByTheStartUpName()
{
    QTranslator translator;
    QVERIFY(translator.load(":languages/ZETU_en_US"));
    QVERIFY(!translator.isEmpty());
    QCOMPARE(translator.translate("InsertEquip", "Adicionar"), QString("Add"));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
