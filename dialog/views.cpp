#include "dialog/views.h"

namespace pd {
namespace {

template <typename Object>
std::shared_ptr<Object> findByIdentifier(const std::vector<std::shared_ptr<Object>>& objects,
                                         std::string_view identifier) {
    for (const auto& object : objects)
        if (object->identifier() == identifier) return object;
    return nullptr;
}

// The blank-separated words of a line, at most four so that a longer line is refused.
std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> found;
    std::size_t position = 0;
    while (found.size() < 4) {
        position = line.find_first_not_of(" \t\r", position);
        if (position == std::string_view::npos) break;
        const std::size_t end = std::min(line.find_first_of(" \t\r", position), line.size());
        found.push_back(line.substr(position, end - position));
        position = end;
    }
    return found;
}

}  // namespace

std::shared_ptr<Button> View::button(std::string_view identifier) const {
    return findByIdentifier(buttons_, identifier);
}

std::shared_ptr<TextField> View::textField(std::string_view identifier) const {
    return findByIdentifier(textFields_, identifier);
}

std::shared_ptr<View> LoadedViews::view(std::string_view identifier) const {
    return findByIdentifier(views, identifier);
}

std::shared_ptr<Window> LoadedViews::panel(std::string_view identifier) const {
    return findByIdentifier(panels, identifier);
}

std::optional<LoadedViews> instantiateViewDescription(std::string_view text) {
    LoadedViews loaded;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::vector<std::string_view> parts = words(line);
        if (parts.empty() || parts[0].front() == '#') continue;
        const std::string_view kind = parts[0];
        const bool isButton = kind == "button";
        if (parts.size() != (isButton ? 3u : 2u)) return std::nullopt;
        const std::string identifier(parts[1]);
        if (kind == "view") {
            loaded.views.push_back(std::make_shared<View>(identifier));
        } else if (kind == "panel") {
            loaded.panels.push_back(std::make_shared<Window>(identifier));
        } else if (loaded.views.empty()) {
            return std::nullopt;
        } else if (isButton) {
            loaded.views.back()->addButton(
                std::make_shared<Button>(identifier, std::string(parts[2])));
        } else if (kind == "textfield") {
            loaded.views.back()->addTextField(std::make_shared<TextField>(identifier));
        } else {
            return std::nullopt;
        }
    }
    return loaded;
}

}  // namespace pd
