#include "panel/settings_panel.h"

#include <gtest/gtest.h>

#include "core/record/default_record.h"
#include "panel/plugin_factory.h"
#include "tests/panel/panel_test_support.h"

namespace pd {
namespace {

TEST(PluginFactory, OffersThePanelForThePrinterModuleTypeAlone) {
    PanelJob job;
    auto factory = std::make_unique<com_talvo_dpxw_zeb0583_662_pde>();
    EXPECT_TRUE(factory->initWithBundle(job.bundle));
    const auto panels = factory->panelsForType(printerModulePanelType, job.host);
    ASSERT_EQ(1u, panels.size());
    EXPECT_NE(nullptr, panels[0]->panelView());
    for (const char* type :
         {"bdb091f4-e57f-11d3-b5cc-0050e4603277", "BDB091F4-E57F-11D3-B5CC-0050E4603277 ", ""}) {
        EXPECT_TRUE(factory->panelsForType(type, job.host).empty()) << type;
    }
    // Without the dialog's bundle the panel has no view, and still keeps the record.
    com_talvo_dpxw_zeb0583_662_pde unbundled;
    const auto bare = unbundled.panelsForType(printerModulePanelType, job.host);
    ASSERT_EQ(1u, bare.size());
    EXPECT_EQ(nullptr, bare[0]->panelView());
    EXPECT_TRUE(bare[0]->saveValues());
}

TEST(SettingsPanel, AcceptsExactlyTheManufacturerDurvenPaltero) {
    const struct {
        const char* name;
        const char* line;
        bool accepted;
    } cases[] = {
        {"exact.ppd", "*Manufacturer: \"DURVEN PALTERO\"", true},
        {"trailing-blank.ppd", "*Manufacturer: \"DURVEN PALTERO \"", false},
        {"lower-case.ppd", "*Manufacturer: \"durven paltero\"", false},
        {"other.ppd", "*Manufacturer: \"OTHER MAKER\"", false},
        {"none.ppd", "", false},
    };
    for (const auto& c : cases) {
        PanelJob job(derivedPpd(c.name, "*Manufacturer:", c.line));
        ASSERT_NE(nullptr, job.ppd) << c.name;
        EXPECT_EQ(c.accepted, job.panel != nullptr) << c.name;
    }
    // A dialog without a PPD, or without a callback, gets no panel.
    PanelJob job;
    job.host->ppd = nullptr;
    EXPECT_EQ(nullptr, Panel::panelWithCallback(job.host, job.bundle));
    EXPECT_EQ(nullptr, Panel::panelWithCallback(nullptr, job.bundle));
}

TEST(SettingsPanel, NamesItselfAndStartsWithTheDefaultRecord) {
    PanelJob job;
    ASSERT_NE(nullptr, job.panel);
    Panel& panel = *job.panel;
    EXPECT_EQ("com.talvo.dpxw.zeb0583.pde.zeb0583", panel.panelKind());
    const std::string& name = panel.panelName();
    EXPECT_EQ("corvex PRO 583PS", name);
    EXPECT_EQ(&name, &panel.panelName());
    EXPECT_TRUE(panel.shouldHide());
    EXPECT_TRUE(panel.shouldShowHelp());
    EXPECT_EQ(0, std::memcmp(&defaultCoreData(), &panel.getCoreData(), coreDataSize));
    EXPECT_EQ(windowLevelForKey(WindowLevelKey::normal), panel.getPdeWindowLevel());

    const std::vector<std::string> keys = panel.supportedPpdOptionKeys();
    ASSERT_EQ(60u, keys.size());
    EXPECT_EQ((std::vector<std::string>{"PageSize", "InputSlot", "QZLayout"}),
              std::vector<std::string>(keys.begin(), keys.begin() + 3));
    EXPECT_EQ("QZOffset", keys.back());
}

// A bundle that counts its view loads and hands out the objects it made.
struct CountingBundle : Bundle {
    std::string description;
    mutable int loads = 0;
    mutable std::optional<LoadedViews> last;

    std::string localizedString(std::string_view, std::string_view defaultValue) const override {
        return std::string(defaultValue);
    }
    std::optional<LoadedViews> loadView(std::string_view) const override {
        ++loads;
        last = instantiateViewDescription(description);
        return last;
    }
    std::optional<std::string> applicationExecutablePath(std::string_view) const override {
        return std::nullopt;
    }
};

TEST(SettingsPanel, LoadsItsViewOnceAndFillsItWhenShown) {
    PanelJob job;
    auto bundle = std::make_shared<CountingBundle>();
    bundle->description = panelViewDescription();
    const auto panel = Panel::panelWithCallback(job.host, bundle);
    ASSERT_NE(nullptr, panel);

    // Shown before its view exists, the panel changes nothing.
    panel->willShow();
    const std::shared_ptr<View> view = panel->panelView();
    ASSERT_NE(nullptr, view);
    EXPECT_EQ(view, panel->panelView());
    EXPECT_EQ(1, bundle->loads);
    EXPECT_EQ("", view->button("settingsButton")->title());

    panel->willShow();
    EXPECT_EQ("Settings", view->button("settingsButton")->title());
    EXPECT_EQ("5.0.662", view->textField("versionString")->stringValue());
    EXPECT_FALSE(view->textField("copyRight")->stringValue().empty());
    EXPECT_FALSE(view->textField("copyRight2")->stringValue().empty());
}

TEST(SettingsPanel, TitlesItsButtonInTheUsersLanguage) {
    PanelJob job;
    job.bundle->strings["de"] = {{"##Settings", "Einstellungen"}};
    job.bundle->strings["en"] = {{"##Settings", "Settings…"}};
    const std::shared_ptr<View> view = job.panel->panelView();
    ASSERT_NE(nullptr, view);
    const struct {
        std::vector<std::string> languages;
        const char* title;
    } cases[] = {{{"de-AT"}, "Einstellungen"}, {{"ja"}, "Settings…"}};
    for (const auto& c : cases) {
        const FakePreferredLanguages languages(c.languages);
        job.panel->willShow();
        EXPECT_EQ(c.title, view->button("settingsButton")->title());
    }
    job.bundle->strings.clear();
    job.panel->willShow();
    EXPECT_EQ("Settings", view->button("settingsButton")->title());
}

TEST(SettingsPanel, HandsOutNoViewWithoutItsHiddenPanelAndKeepsNoOutletIntoIt) {
    PanelJob job;
    auto bundle = std::make_shared<CountingBundle>();
    bundle->description =
        "view pdeView\nbutton settingsButton clickedSettings:\ntextfield versionString\n";
    const auto panel = Panel::panelWithCallback(job.host, bundle);
    ASSERT_NE(nullptr, panel);
    EXPECT_EQ(nullptr, panel->panelView());
    // The objects the description made outlive the panel's view here; the panel must not write
    // into them through an outlet it kept.
    ASSERT_TRUE(bundle->last.has_value());
    const std::shared_ptr<View> dropped = bundle->last->view("pdeView");
    panel->willShow();
    EXPECT_EQ("", dropped->button("settingsButton")->title());
    EXPECT_EQ("", dropped->textField("versionString")->stringValue());
    // The next request tries again.
    EXPECT_EQ(nullptr, panel->panelView());
    EXPECT_EQ(2, bundle->loads);

    bundle->description = "not a view description\n";
    EXPECT_EQ(nullptr, panel->panelView());
    bundle->description = panelViewDescription();
    EXPECT_NE(nullptr, panel->panelView());
}

}  // namespace
}  // namespace pd
