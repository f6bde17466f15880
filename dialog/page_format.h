// The page format of a print job as the print dialog holds it: the paper (its name and size in
// points), the orientation, and a property list that carries the paper's further attributes,
// among them whether the user made the paper up as a custom size.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dialog/property_list.h"

namespace pd {

// The page format's orientations.
enum class PageOrientation : int {
    portrait = 1,
    landscape = 2,
    reversePortrait = 3,
    reverseLandscape = 4,
};

struct Paper {
    std::string name;
    double widthPoints = 0;
    double heightPoints = 0;
};

// The keys under which a page format's property list holds the custom-paper flag, the second
// inside the dictionary of the first.
inline constexpr std::string_view paperInfoTicketKey =
    "com.apple.print.subTicket.paper_info_ticket";
inline constexpr std::string_view customPaperKey = "com.apple.print.PaperInfo.PMCustomPaper";

// The page format of one job, owned by the print dialog.
class PageFormat {
  public:
    virtual ~PageFormat() = default;

    // The paper; nullopt when the page format has none.
    virtual std::optional<Paper> paper() const = 0;
    virtual PageOrientation orientation() const = 0;
    virtual PropertyDictionary properties() const = 0;
};

// A property list that holds the custom-paper flag where a page format keeps it.
PropertyDictionary customPaperProperties(bool custom);

// A page format held in memory: the print dialog stand-in's own, and the tests' fake. It starts
// portrait, without a paper and without properties.
class MemoryPageFormat final : public PageFormat {
  public:
    std::optional<Paper> paper() const override { return paper_; }
    PageOrientation orientation() const override { return orientation_; }
    PropertyDictionary properties() const override { return properties_; }

    void setPaper(std::optional<Paper> paper) { paper_ = std::move(paper); }
    void setOrientation(PageOrientation orientation) { orientation_ = orientation; }
    void setProperties(PropertyDictionary properties) { properties_ = std::move(properties); }

  private:
    std::optional<Paper> paper_;
    PageOrientation orientation_ = PageOrientation::portrait;
    PropertyDictionary properties_;
};

}  // namespace pd
