#include "dialog/views.h"

#include <gtest/gtest.h>

namespace pd {
namespace {

TEST(ViewDescription, MakesTopLevelObjectsAndTheControlsOfTheViewAboveThem) {
    const auto loaded = instantiateViewDescription(
        "# comment\n"
        "view first\n"
        "button go clicked:\r\n"
        "\n"
        "panel hidden\n"
        "view second\n"
        "  textfield label\n"
        "panel other\n");
    ASSERT_TRUE(loaded.has_value());
    ASSERT_EQ(2u, loaded->views.size());
    ASSERT_EQ(2u, loaded->panels.size());
    const auto first = loaded->view("first");
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, first->button("go"));
    EXPECT_EQ("clicked:", first->button("go")->action());
    EXPECT_EQ(nullptr, first->textField("label"));
    EXPECT_NE(nullptr, loaded->view("second")->textField("label"));
    EXPECT_EQ("hidden", loaded->panel("hidden")->identifier());
    EXPECT_EQ(nullptr, loaded->panel("first"));
    EXPECT_EQ(nullptr, loaded->view("hidden"));
    EXPECT_EQ(nullptr, first->window());
    EXPECT_TRUE(instantiateViewDescription("").has_value());
}

TEST(ViewDescription, RefusesWhatIsNotOne) {
    for (const char* text : {
             "button go clicked:\nview v\n",  // a control before any view
             "view\n",                        // no identifier
             "view v extra\n",                // a word too many
             "view v\nbutton go\n",           // a button without its action
             "view v\nslider s\n",            // an unknown kind
             "view v\ntextfield t x y z\n",
         }) {
        EXPECT_FALSE(instantiateViewDescription(text).has_value()) << text;
    }
}

TEST(Windows, StartAtTheNormalLevelAndShowViews) {
    EXPECT_EQ(0, windowLevelForKey(WindowLevelKey::normal));
    EXPECT_EQ(8, windowLevelForKey(WindowLevelKey::modalPanel));
    auto window = std::make_shared<Window>("dialog");
    EXPECT_EQ(windowLevelForKey(WindowLevelKey::normal), window->level());
    window->setLevel(windowLevelForKey(WindowLevelKey::modalPanel));
    EXPECT_EQ(8, window->level());
    View view("v");
    view.setWindow(window);
    EXPECT_EQ(window, view.window());
    // The view does not keep the host's window alive.
    window.reset();
    EXPECT_EQ(nullptr, view.window());
}

}  // namespace
}  // namespace pd
