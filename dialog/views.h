// The user-interface objects of a print-dialog panel: windows, the panel's view and the controls
// inside it, as a view description in the plug-in's bundle creates them.
//
// A view description is a text of one object per line, "KIND IDENTIFIER [ACTION]":
//
//     view pdeView
//     panel hiddenModalPanel
//     button settingsButton clickedSettings:
//     textfield versionString
//
// "view" and "panel" make top-level objects (a view; a window of its own); "button" and
// "textfield" make controls inside the last view above them, a button with the name of the action
// its owner performs when it is clicked. Blank lines and lines beginning with "#" are ignored.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/window_level.h"

namespace pd {

// A window's place and size on the screen, in points.
struct WindowFrame {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    friend bool operator==(const WindowFrame&, const WindowFrame&) = default;
};

class Window {
  public:
    explicit Window(std::string identifier = {}) : identifier_(std::move(identifier)) {}

    const std::string& identifier() const { return identifier_; }
    WindowLevel level() const { return level_; }
    void setLevel(WindowLevel level) { level_ = level; }
    const WindowFrame& frame() const { return frame_; }
    void setFrame(const WindowFrame& frame) { frame_ = frame; }

    // Whether the window is on the screen, and whether it takes the keyboard.
    bool isVisible() const { return visible_; }
    bool isKey() const { return key_; }
    void orderOut() { visible_ = key_ = false; }
    void makeKeyAndOrderFront() { visible_ = key_ = true; }

  private:
    std::string identifier_;
    WindowLevel level_ = windowLevelForKey(WindowLevelKey::normal);
    WindowFrame frame_;
    bool visible_ = false;
    bool key_ = false;
};

class Button {
  public:
    Button(std::string identifier, std::string action)
        : identifier_(std::move(identifier)), action_(std::move(action)) {}

    const std::string& identifier() const { return identifier_; }
    // The name of the owner's action that a click performs.
    const std::string& action() const { return action_; }
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }

    // The owner connects its action to the button; no target leaves a click without effect.
    void setTarget(std::function<void()> target) { target_ = std::move(target); }
    // A click: performs the owner's action.
    void performClick() const {
        // A copy: the action may disconnect the button.
        const std::function<void()> target = target_;
        if (target) target();
    }

  private:
    std::string identifier_;
    std::string action_;
    std::string title_;
    std::function<void()> target_;
};

class TextField {
  public:
    explicit TextField(std::string identifier) : identifier_(std::move(identifier)) {}

    const std::string& identifier() const { return identifier_; }
    const std::string& stringValue() const { return stringValue_; }
    void setStringValue(std::string value) { stringValue_ = std::move(value); }

  private:
    std::string identifier_;
    std::string stringValue_;
};

// A view owns its controls; the window that shows it is the host's.
class View {
  public:
    explicit View(std::string identifier) : identifier_(std::move(identifier)) {}

    const std::string& identifier() const { return identifier_; }

    const std::vector<std::shared_ptr<Button>>& buttons() const { return buttons_; }
    const std::vector<std::shared_ptr<TextField>>& textFields() const { return textFields_; }
    void addButton(std::shared_ptr<Button> button) { buttons_.push_back(std::move(button)); }
    void addTextField(std::shared_ptr<TextField> field) { textFields_.push_back(std::move(field)); }

    // The control with the identifier, or null.
    std::shared_ptr<Button> button(std::string_view identifier) const;
    std::shared_ptr<TextField> textField(std::string_view identifier) const;

    // The window that shows the view; null while it is in none.
    std::shared_ptr<Window> window() const { return window_.lock(); }
    void setWindow(const std::shared_ptr<Window>& window) { window_ = window; }

  private:
    std::string identifier_;
    std::vector<std::shared_ptr<Button>> buttons_;
    std::vector<std::shared_ptr<TextField>> textFields_;
    std::weak_ptr<Window> window_;
};

// The top-level objects that one view description made; the caller owns them.
struct LoadedViews {
    std::vector<std::shared_ptr<View>> views;
    std::vector<std::shared_ptr<Window>> panels;

    // The top-level object with the identifier, or null.
    std::shared_ptr<View> view(std::string_view identifier) const;
    std::shared_ptr<Window> panel(std::string_view identifier) const;
};

// The objects that a view description makes; nullopt for a text that is not one (an unknown kind,
// a line without an identifier, a control before any view).
std::optional<LoadedViews> instantiateViewDescription(std::string_view text);

}  // namespace pd
