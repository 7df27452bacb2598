// showMessage: a plain OK box with texts from the string table, owned by the
// window it is given; loadText, which reads those texts.
#include "base/message.h"
#include "base/resource_ids.h"

#include "modal_watch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class MessageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner = CreateWindowExA(0, "Static", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                480, 360, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(owner);
        pumpMessages();
    }

    void TearDown() override { DestroyWindow(owner); }

    HWND owner = nullptr;
};

TEST_F(MessageTest, ShowsTextAndCaptionWithOnlyAnOkButtonAndNoIcon)
{
    ModalWatch watch;
    showMessage(owner, IDS_FILE_CORRUPTED, IDS_ERROR);

    ASSERT_EQ(watch.boxes().size(), 1u);
    const SeenBox& box = watch.boxes()[0];
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.text, "File seems to be corrupted");
    EXPECT_EQ(box.owner, owner);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(box.hasIcon);
}

TEST_F(MessageTest, EveryMessageTextComesThroughWhole)
{
    // The longest text of the table, and one with an apostrophe.
    ModalWatch watch;
    showMessage(owner, IDS_STONE_IS_FIXED, IDS_ERROR);
    showMessage(owner, IDS_YOU_MADE_IT, IDS_CONGRATULATIONS);
    EXPECT_EQ(watch.summaries(),
              (std::vector<std::string>{"Error: This stone is fixed and can't be moved therefore.",
                                        "Congratulations: You made it!"}));
}

// The settings store tells a missing key path by the length 0.
TEST_F(MessageTest, LoadTextGivesTheTextAndItsLengthOrNothing)
{
    const struct {
        int id;
        const char* text;
    } cases[] = {{5002, "Software\\Ludwerk\\Domino Zarvek"}, {5016, ""}, {0, ""}};
    for (const auto& c : cases) {
        char text[128] = "left over";
        EXPECT_EQ(loadText(c.id, text, sizeof text), static_cast<int>(std::strlen(c.text))) << c.id;
        EXPECT_STREQ(text, c.text) << c.id;
    }
}

TEST_F(MessageTest, WatchSeesIconsAndButtonsWhereTheyAre)
{
    // Without this the checks above could pass on a watch that sees nothing.
    ModalWatch watch([](const SeenBox& box) { return box.buttons.empty() ? IDOK : box.buttons.back(); });
    MessageBoxA(owner, "with icon", "check", MB_OK | MB_ICONERROR);
    MessageBoxA(owner, "two buttons", "check", MB_YESNO | MB_ICONQUESTION);

    ASSERT_EQ(watch.boxes().size(), 2u);
    EXPECT_TRUE(watch.boxes()[0].hasIcon);
    EXPECT_EQ(watch.boxes()[0].buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(watch.boxes()[1].hasIcon);
    EXPECT_EQ(watch.boxes()[1].buttons, (std::vector<int>{IDYES, IDNO}));
}

}  // namespace
