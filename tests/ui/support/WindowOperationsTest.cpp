#include "gfx/PictureBox.h"
#include "ui/support/libmodUnsorted_ui.h"

#include <QDesktopServices>
#include <QPainter>
#include <QUrl>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A window that paints a left-to-right ramp of red over its whole area.
struct RampWindow : QWidget
{
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (int x = 0; x < width(); ++x)
            painter.fillRect(x, 0, 1, height(), QColor(x % 256, 10, 20));
    }
};

// Receives the addresses the desktop would open.
struct UrlCatcher : QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

TEST(WindowOperations, IsFormLoadedLooksAtExistingWindowsOnly)
{
    EXPECT_FALSE(IsFormLoaded(QStringLiteral("frmOptions")));
    {
        QWidget options;
        options.setObjectName(QStringLiteral("frmOptions"));
        EXPECT_TRUE(IsFormLoaded(QStringLiteral("frmOptions"))) << "loaded counts, shown or not";
        EXPECT_FALSE(options.isVisible());
        EXPECT_FALSE(IsFormLoaded(QStringLiteral("frmoptions")));
        EXPECT_FALSE(IsFormLoaded(QStringLiteral("frmMain")));
    }
    EXPECT_FALSE(IsFormLoaded(QStringLiteral("frmOptions")));
}

TEST(WindowOperations, SuspendAndResumeRedraw)
{
    QWidget window;
    SuspendRedraw(&window);
    EXPECT_FALSE(window.updatesEnabled());
    ResumeRedraw(&window);
    EXPECT_TRUE(window.updatesEnabled());
    SuspendRedraw(nullptr);
    ResumeRedraw(nullptr);
}

TEST(WindowOperations, CopyParentBackgroundShowsTheParentBehindAControl)
{
    RampWindow parent;
    parent.resize(200, 100);
    auto *box = new PictureBox(&parent);
    box->setGeometry(50, 20, 40, 30);
    box->SetBackColor(0xFFFFFF);

    CopyParentBackground(box, 0);
    EXPECT_EQ(box->Image().pixelColor(0, 0), QColor(50, 10, 20)) << "the parent, not the control itself";
    EXPECT_EQ(box->Image().pixelColor(39, 29), QColor(89, 10, 20));

    CopyParentBackground(box, 5);
    EXPECT_EQ(box->Image().pixelColor(0, 0), QColor(55, 10, 20));

    auto *plain = new QWidget(&parent);
    plain->setGeometry(100, 10, 20, 20);
    CopyParentBackground(plain, 0);
    EXPECT_EQ(plain->grab().toImage().pixelColor(3, 3), QColor(103, 10, 20));

    CopyParentBackground(nullptr, 0);
}

TEST(WindowOperations, ShellOpenURLHandsTheAddressToTheDesktop)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    ShellOpenURL(nullptr, QStringLiteral("https://veltrane.example/help/index.html"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.first(), QUrl(QStringLiteral("https://veltrane.example/help/index.html")));
}

#include "WindowOperationsTest.moc"
