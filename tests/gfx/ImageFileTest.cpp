#include "io/SafeFileWrite.h"
#include "gfx/cDIBSection.h"
#include "gfx/mIntelJPEGLibrary.h"
#include "gfx/modBitmapFile.h"
#include "support/VeltraneError.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Coloured bands on an odd width, so every row carries padding.
QImage BandPicture()
{
    QImage picture(61, 33, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 61, 11, QColor(220, 20, 30));
    painter.fillRect(0, 11, 61, 11, QColor(30, 160, 50));
    painter.fillRect(0, 22, 30, 11, QColor(40, 60, 230));
    painter.fillRect(30, 22, 31, 11, QColor(255, 215, 0));
    return picture;
}

QByteArray ReadAll(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteText(const QString &name, const QByteArray &text)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Decodes with the encoder's own library, independently of Qt's image plug-ins.
QImage DecodeJpeg(const QByteArray &jpeg)
{
    tjhandle decoder = tjInitDecompress();
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    const auto *data = reinterpret_cast<const unsigned char *>(jpeg.constData());
    QImage image;
    if (tjDecompressHeader3(decoder, data, jpeg.size(), &width, &height, &subsampling, &colourspace) == 0) {
        image = QImage(width, height, QImage::Format_RGB888);
        if (tjDecompress2(decoder, data, jpeg.size(), image.bits(), width, int(image.bytesPerLine()), height,
                          TJPF_RGB, 0) != 0)
            image = QImage();
    }
    tjDestroy(decoder);
    return image;
}

void ExpectNear(const QColor &actual, const QColor &expected, int tolerance, const char *where)
{
    EXPECT_NEAR(actual.red(), expected.red(), tolerance) << where;
    EXPECT_NEAR(actual.green(), expected.green(), tolerance) << where;
    EXPECT_NEAR(actual.blue(), expected.blue(), tolerance) << where;
}

class ImageFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_section.CreateFromPicture(BandPicture());
        ASSERT_EQ(m_section.Width(), 61);
    }
    QString Path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    cDIBSection m_section;
};

} // namespace

TEST_F(ImageFile, JpegDecodesToTheSizeAndColoursOfTheSection)
{
    ASSERT_TRUE(mIntelJPEGLibrary::WriteJpegFile(m_section, Path("shot.jpg"), 100));
    const QByteArray jpeg = ReadAll(Path("shot.jpg"));
    ASSERT_TRUE(jpeg.startsWith("\xFF\xD8\xFF"));
    const QImage decoded = DecodeJpeg(jpeg);
    ASSERT_EQ(decoded.size(), QSize(61, 33));
    ExpectNear(decoded.pixelColor(5, 5), QColor(220, 20, 30), 4, "red band");
    ExpectNear(decoded.pixelColor(55, 16), QColor(30, 160, 50), 4, "green band");
    ExpectNear(decoded.pixelColor(10, 28), QColor(40, 60, 230), 4, "blue block");
    ExpectNear(decoded.pixelColor(50, 28), QColor(255, 215, 0), 4, "gold block");
    // Qt's reader sees the same picture.
    EXPECT_EQ(QImage(Path("shot.jpg")).size(), QSize(61, 33));

    // The quality reaches the encoder.
    ASSERT_TRUE(mIntelJPEGLibrary::WriteJpegFile(m_section, Path("rough.jpg"), 5));
    EXPECT_LT(ReadAll(Path("rough.jpg")).size(), jpeg.size());
}

TEST_F(ImageFile, JpegOfNoPictureFailsWithTheWritersError)
{
    cDIBSection empty;
    try {
        mIntelJPEGLibrary::WriteJpegFile(empty, Path("none.jpg"), 100);
        FAIL() << "no error";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), 26001);
        EXPECT_EQ(error.source(), "veltrane.mIntelJPEGLibrary");
        EXPECT_EQ(error.description(), "Failed to save to JPG -1");
    }
    EXPECT_FALSE(QFile::exists(Path("none.jpg")));
}

TEST_F(ImageFile, BitmapFileIsAStandardWindowsBitmap)
{
    ASSERT_TRUE(modBitmapFile::WriteBitmapFile(m_section, Path("shot.bmp")));
    const QByteArray bmp = ReadAll(Path("shot.bmp"));
    const auto *bytes = reinterpret_cast<const uchar *>(bmp.constData());
    const int stride = 184; // 61 × 3 = 183, padded
    ASSERT_EQ(bmp.size(), 54 + stride * 33);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<uint32_t>(bytes + 2), uint32_t(bmp.size()));
    EXPECT_EQ(qFromLittleEndian<uint32_t>(bytes + 6), 0u);
    EXPECT_EQ(qFromLittleEndian<uint32_t>(bytes + 10), 54u);
    EXPECT_EQ(qFromLittleEndian<uint32_t>(bytes + 14), 40u);
    EXPECT_EQ(qFromLittleEndian<int32_t>(bytes + 18), 61);
    EXPECT_EQ(qFromLittleEndian<int32_t>(bytes + 22), 33);
    EXPECT_EQ(qFromLittleEndian<uint16_t>(bytes + 26), 1);
    EXPECT_EQ(qFromLittleEndian<uint16_t>(bytes + 28), 24);
    EXPECT_EQ(qFromLittleEndian<uint32_t>(bytes + 34), uint32_t(stride * 33));
    // Bottom row first: the blue block's first pixel, blue byte first.
    EXPECT_EQ(bmp.mid(54, 3), QByteArray("\xE6\x3C\x28", 3));

    const QImage decoded(Path("shot.bmp"));
    ASSERT_EQ(decoded.size(), QSize(61, 33));
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), BandPicture());
}

TEST_F(ImageFile, BitmapFileOpensInImageMagick)
{
    if (!QFile::exists("/usr/bin/convert"))
        GTEST_SKIP() << "ImageMagick is not installed";
    ASSERT_TRUE(modBitmapFile::WriteBitmapFile(m_section, Path("shot.bmp")));
    QProcess convert;
    convert.start("/usr/bin/convert", {Path("shot.bmp"), "png:" + Path("shot.png")});
    ASSERT_TRUE(convert.waitForFinished(30000));
    ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    const QImage converted(Path("shot.png"));
    ASSERT_EQ(converted.size(), QSize(61, 33));
    for (const QPoint at : {QPoint(0, 0), QPoint(60, 10), QPoint(30, 16), QPoint(29, 32), QPoint(30, 32)})
        EXPECT_EQ(converted.pixelColor(at), BandPicture().pixelColor(at)) << at.x() << "," << at.y();
}

TEST_F(ImageFile, BitmapOfNoPictureWritesNothing)
{
    cDIBSection empty;
    EXPECT_FALSE(modBitmapFile::WriteBitmapFile(empty, Path("none.bmp")));
    EXPECT_FALSE(QFile::exists(Path("none.bmp")));
}

TEST_F(ImageFile, OverwritingKeepsTimesAndPermissions)
{
    for (const QString name : {"old.jpg", "old.bmp"}) {
        const QByteArray path = QFile::encodeName(Path(name));
        WriteText(Path(name), "old contents");
        ASSERT_EQ(::chmod(path.constData(), 0640), 0);
        const struct timespec times[2] = {{981158400, 123456789}, {981201600, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);

        if (name.endsWith(".jpg"))
            ASSERT_TRUE(mIntelJPEGLibrary::WriteJpegFile(m_section, Path(name), 100));
        else
            ASSERT_TRUE(modBitmapFile::WriteBitmapFile(m_section, Path(name)));

        struct stat after {};
        ASSERT_EQ(::stat(path.constData(), &after), 0); // before reading it changes the access time
        EXPECT_EQ(after.st_mode & 07777, 0640u) << name.toStdString();
        EXPECT_EQ(after.st_atim.tv_sec, 981158400) << name.toStdString();
        EXPECT_EQ(after.st_atim.tv_nsec, 123456789) << name.toStdString();
        EXPECT_EQ(after.st_mtim.tv_sec, 981201600) << name.toStdString();
        EXPECT_EQ(QImage(Path(name)).size(), QSize(61, 33)) << name.toStdString();
    }
}

TEST_F(ImageFile, AFailedWriteKeepsTheOldFile)
{
    WriteText(Path("keep.bmp"), "old contents");
    WriteText(Path("keep.jpg"), "old contents");

    // Files may not grow past 1000 bytes: both writes fail part-way.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    int bmpError = 0, jpegError = 0;
    try {
        modBitmapFile::WriteBitmapFile(m_section, Path("keep.bmp"));
    } catch (const VeltraneError &error) {
        bmpError = error.number();
    }
    try {
        cDIBSection big;
        big.CreateFromPicture(BandPicture().scaled(400, 300));
        mIntelJPEGLibrary::WriteJpegFile(big, Path("keep.jpg"), 100);
    } catch (const VeltraneError &error) {
        jpegError = error.number();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(bmpError, EFBIG);
    EXPECT_EQ(jpegError, EFBIG);
    EXPECT_EQ(ReadAll(Path("keep.bmp")), "old contents");
    EXPECT_EQ(ReadAll(Path("keep.jpg")), "old contents");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file left";
}

TEST_F(ImageFile, UnwritableTargetsReportTheSystemsError)
{
    struct Case
    {
        QString name;
        int error;
    };
    QDir(m_dir.path()).mkdir("folder");
    for (const Case &c : {Case{Path("folder"), EISDIR}, Case{Path("missing/shot.bmp"), ENOENT}, Case{QString(), 0}}) {
        try {
            WriteFileKeepingAttributes(c.name, "data", "veltrane.test");
            ADD_FAILURE() << "no error for " << c.name.toStdString();
        } catch (const VeltraneError &error) {
            if (c.error != 0) {
                EXPECT_EQ(error.number(), c.error) << c.name.toStdString();
            }
            EXPECT_GT(error.number(), 0) << c.name.toStdString();
            EXPECT_EQ(error.source(), "veltrane.test");
            EXPECT_FALSE(error.description().isEmpty());
        }
    }
}
