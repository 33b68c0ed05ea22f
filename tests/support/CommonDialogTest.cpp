#include "support/CommonDialog.h"
#include "support/VeltraneError.h"

#include <gtest/gtest.h>

namespace {

struct HandlerGuard {
    ~HandlerGuard()
    {
        SetFileDialogHandler({});
        SetFileDialogPresenter({});
    }
};

} // namespace

TEST(CommonDialog, HandlerSeesTheSettingsAndItsChoiceBecomesFileName)
{
    HandlerGuard guard;
    int32_t seenFlags = 0;
    QString seenName, seenFilter, seenDir;
    bool seenCancelError = false, seenSave = false;
    int owner = 0;
    QObject *seenOwner = nullptr;
    SetFileDialogHandler([&](const CommonDialog &dialog, bool save) -> std::optional<QString> {
        seenFlags = dialog.Flags();
        seenName = dialog.FileName();
        seenFilter = dialog.Filter();
        seenDir = dialog.InitDir();
        seenCancelError = dialog.CancelError();
        seenOwner = dialog.Owner();
        seenSave = save;
        return QStringLiteral("/tmp/chosen.vtp");
    });

    CommonDialog dialog;
    dialog.SetFlags(0x208802);
    dialog.SetFileName("Choosing a car");
    dialog.SetFilter("Veltrane Topic (*.vtp)|*.vtp");
    dialog.SetInitDir("/home/me/");
    dialog.SetCancelError(true);
    dialog.SetOwner(reinterpret_cast<QObject *>(&owner));
    dialog.ShowSave();

    EXPECT_EQ(seenFlags, 0x208802);
    EXPECT_EQ(seenName, "Choosing a car");
    EXPECT_EQ(seenFilter, "Veltrane Topic (*.vtp)|*.vtp");
    EXPECT_EQ(seenDir, "/home/me/");
    EXPECT_TRUE(seenCancelError);
    EXPECT_TRUE(seenSave);
    EXPECT_EQ(seenOwner, reinterpret_cast<QObject *>(&owner));
    EXPECT_EQ(dialog.FileName(), "/tmp/chosen.vtp");

    dialog.ShowOpen();
    EXPECT_FALSE(seenSave);
}

TEST(CommonDialog, CancelThrows32755OnlyWithCancelError)
{
    HandlerGuard guard;
    SetFileDialogHandler([](const CommonDialog &, bool) { return std::optional<QString>(); });
    CommonDialog dialog;
    dialog.SetFileName("kept");
    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName(), "kept");

    dialog.SetCancelError(true);
    try {
        dialog.ShowSave();
        FAIL() << "no error";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), 32755);
        EXPECT_EQ(error.description(), "Cancel was selected.");
    }
    EXPECT_EQ(dialog.FileName(), "kept");
}

TEST(CommonDialog, HandlerBeforePresenterAndNoDialogAtAllCancels)
{
    HandlerGuard guard;
    CommonDialog dialog;
    dialog.SetCancelError(true);
    EXPECT_THROW(dialog.ShowOpen(), VeltraneError);

    SetFileDialogPresenter([](const CommonDialog &, bool) { return std::optional<QString>("/p"); });
    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName(), "/p");
    SetFileDialogHandler([](const CommonDialog &, bool) { return std::optional<QString>("/h"); });
    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName(), "/h");
}

TEST(CommonDialog, FilterPairsBecomeNameFilters)
{
    EXPECT_EQ(NameFiltersOf("Veltrane Topic (*.vtp)|*.vtp|Excel CSV file (*.csv)|*.csv"),
              QStringList({"Veltrane Topic (*.vtp)", "Excel CSV file (*.csv)"}));
    EXPECT_EQ(NameFiltersOf("Pictures|*.jpg;*.bmp|All"), QStringList({"Pictures (*.jpg *.bmp)", "All"}));
    EXPECT_TRUE(NameFiltersOf(QString()).isEmpty());
}
