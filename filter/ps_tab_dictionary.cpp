#include "filter/ps_tab_dictionary.h"

#include <array>
#include <cstdint>

#include "core/base/hex.h"
#include "core/base/number_text.h"
#include "core/base/unit_scale.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/catalog/paper_size.h"
#include "filter/latin1.h"
#include "filter/pages/pps_trays.h"
#include "filter/pages/tab_paper_ids.h"
#include "filter/printer_fonts.h"
#include "filter/ps_page_geometry.h"

namespace pd {

namespace {

// One tab paper setup of the record, with the options that give its units.
struct TabSetup {
    std::uint32_t paperId;
    std::uint16_t numOfTabs;
    std::uint32_t spaceAbove;
    std::uint32_t spaceBelow;
    std::uint32_t height;
    std::int32_t textPosition;
    std::string_view fontName;
    bool bold;
    bool italic;
    std::uint16_t fontSize;
    std::uint16_t lineSpacing;
    std::uint8_t orientation;
    std::uint8_t position;
    const NumericOptionDescriptor& spaceAboveOption;
    const NumericOptionDescriptor& spaceBelowOption;
    const NumericOptionDescriptor& heightOption;
    const NumericOptionDescriptor& textPositionOption;
    const NumericOptionDescriptor& fontSizeOption;
    const NumericOptionDescriptor& lineSpacingOption;
};

TabSetup tabSetup1(const PdCoreData& r) {
    return {tab1PaperId(r.DtTab1PageSize.get()),
            r.DtTab1NumOfTabs.get(),
            r.DtTab1SpaceAbove.get(),
            r.DtTab1SpaceBelow.get(),
            r.DtTab1Height.get(),
            r.DtTab1TextPosition.get(),
            r.DtTab1FontName.view(),
            r.DtTab1FontBold.get() == 1,
            r.DtTab1FontItalic.get() == 1,
            r.DtTab1FontSize.get(),
            r.DtTab1LineSpacing.get(),
            r.DtTab1Orientation.get(),
            r.DtTab1Position.get(),
            tab1SpaceAboveOption,
            tab1SpaceBelowOption,
            tab1HeightOption,
            tab1TextPositionOption,
            tab1FontSizeOption,
            tab1LineSpacingOption};
}

TabSetup tabSetup2(const PdCoreData& r) {
    return {tab2PaperId(r.DtTab2PageSize.get()),
            r.DtTab2NumOfTabs.get(),
            r.DtTab2SpaceAbove.get(),
            r.DtTab2SpaceBelow.get(),
            r.DtTab2Height.get(),
            r.DtTab2TextPosition.get(),
            r.DtTab2FontName.view(),
            r.DtTab2FontBold.get() == 1,
            r.DtTab2FontItalic.get() == 1,
            r.DtTab2FontSize.get(),
            r.DtTab2LineSpacing.get(),
            r.DtTab2Orientation.get(),
            r.DtTab2Position.get(),
            tab2SpaceAboveOption,
            tab2SpaceBelowOption,
            tab2HeightOption,
            tab2TextPositionOption,
            tab2FontSizeOption,
            tab2LineSpacingOption};
}

// The font a setup's texts are set in, with the styles the printer must imitate.
struct TabFont {
    const PrinterFont* row;
    const char* name;
    bool boldFallback;
    bool italicFallback;
};

TabFont tabFont(const TabSetup& setup) {
    TabFont font{findPrinterFont(setup.fontName), nullptr, setup.bold, setup.italic};
    font.name = selectFontVariant(font.row, setup.bold, setup.italic, font.boldFallback,
                                  font.italicFallback);
    return font;
}

std::string points(std::uint32_t value, const NumericOptionDescriptor& option) {
    return formatDouble(micrometresToPoints(rescaleUnits(value, option.divisor, 1000u)), 4);
}

std::string points(std::int32_t value, const NumericOptionDescriptor& option) {
    return formatDouble(micrometresToPoints(rescaleUnits(value, option.divisor, 1000u)), 4);
}

std::string pageSizeItem(const TabSetup& setup) {
    const char* name = choiceForValue(pageSizeOption, setup.paperId).name;
    return std::string("/") + (name != nullptr ? name : "");
}

std::string tabWidthItem(const TabSetup& setup) {
    const std::uint32_t tabbed = paperSizeInUnit(setup.paperId, 1000).width;
    const std::uint32_t plain = paperSizeInUnit(untabbedPaperId(setup.paperId), 1000).width;
    return formatDouble(micrometresToPoints(static_cast<std::uint32_t>(tabbed - plain)), 4);
}

const char* orientItem(std::uint8_t orientation) {
    switch (orientation) {
        case 1:
            return "90";
        case 2:
            return "0";
        default:
            return "-90";
    }
}

const char* positionItem(std::uint8_t position) {
    switch (position) {
        case 0:
            return "(Top)";
        case 2:
            return "(Bottom)";
        default:
            return "(Center)";
    }
}

std::string fontSizeItem(const TabSetup& setup) {
    return formatDouble(
        rescaleUnits(std::uint32_t{setup.fontSize}, setup.fontSizeOption.divisor, 100u) / 100.0, 4);
}

std::string lineSpaceItem(const TabSetup& setup) {
    const double size =
        rescaleUnits(std::uint32_t{setup.fontSize}, setup.fontSizeOption.divisor, 10u) / 10.0;
    const double factor =
        rescaleUnits(std::uint32_t{setup.lineSpacing}, setup.lineSpacingOption.divisor, 10u);
    return formatDouble(size * factor / 10.0, 4);
}

const char* boolItem(bool value) {
    return value ? "true" : "false";
}

std::string setupLines(const PdCoreData& record) {
    const std::array<TabSetup, 2> setups{tabSetup1(record), tabSetup2(record)};
    const std::array<TabFont, 2> fonts{tabFont(setups[0]), tabFont(setups[1])};
    auto line = [&](std::string_view name, auto item) {
        return psDefLine(name, item(setups[0], fonts[0]), item(setups[1], fonts[1]));
    };
    std::string text;
    text +=
        line("TABsets_pagesize", [](const TabSetup& s, const TabFont&) { return pageSizeItem(s); });
    text +=
        line("TABsets_width", [](const TabSetup& s, const TabFont&) { return tabWidthItem(s); });
    text += line("TABsets_tabs",
                 [](const TabSetup& s, const TabFont&) { return formatUInt16(s.numOfTabs); });
    text += line("TABsets_topspace", [](const TabSetup& s, const TabFont&) {
        return points(s.spaceAbove, s.spaceAboveOption);
    });
    text += line("TABsets_bottomspace", [](const TabSetup& s, const TabFont&) {
        return points(s.spaceBelow, s.spaceBelowOption);
    });
    text += line("TABsets_height", [](const TabSetup& s, const TabFont&) {
        return points(s.height, s.heightOption);
    });
    text += line("TABsets_orient", [](const TabSetup& s, const TabFont&) {
        return std::string(orientItem(s.orientation));
    });
    text += line("TABsets_direct", [](const TabSetup& s, const TabFont&) {
        return std::string(s.orientation == 3 ? "(TB)" : "(LR)");
    });
    text += line("TABsets_pos", [](const TabSetup& s, const TabFont&) {
        return std::string(positionItem(s.position));
    });
    text += line("TABsets_textpos", [](const TabSetup& s, const TabFont&) {
        return points(s.textPosition, s.textPositionOption);
    });
    text +=
        line("TABsets_fontsize", [](const TabSetup& s, const TabFont&) { return fontSizeItem(s); });
    text += line("TABsets_fontbold", [](const TabSetup&, const TabFont& f) {
        return std::string(boolItem(f.boldFallback));
    });
    text += line("TABsets_fontitalic", [](const TabSetup&, const TabFont& f) {
        return std::string(boolItem(f.italicFallback));
    });
    text += line("TABsets_fontname", [](const TabSetup&, const TabFont& f) {
        return std::string("/") + (f.name != nullptr ? f.name : "");
    });
    text += line("TABsets_linespace",
                 [](const TabSetup& s, const TabFont&) { return lineSpaceItem(s); });
    return text;
}

bool setsTextInLatin1(const PdCoreData& record, std::uint8_t tabSet) {
    const PrinterFont* row =
        findPrinterFont(tabSet == 1 ? record.DtTab2FontName.view() : record.DtTab1FontName.view());
    return row != nullptr && row->latin1Text == 1;
}

void appendItem(std::string& items, std::string_view item) {
    if (!items.empty()) items += ' ';
    items += item;
}

}  // namespace

std::string psDefLine(std::string_view name, std::string_view first, std::string_view second) {
    if (name.empty()) return {};
    std::string text = "/";
    text += name;
    text += " [ ";
    for (std::string_view value : {first, second}) {
        if (value.empty()) continue;
        text += value;
        text += ' ';
    }
    text += "] def\r\n";
    return text;
}

void replaceAll(std::string& text, std::string_view search, std::string_view replacement) {
    if (search.empty()) return;
    const bool endless = replacement.find(search) != std::string_view::npos;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(search, from)) != std::string::npos;) {
        text.replace(at, search.size(), replacement);
        // Text before the occurrence held no match, so a new one can begin at most
        // search.size() - 1 bytes before it.
        from = endless ? at + replacement.size() : at - std::min(at, search.size() - 1);
    }
}

std::string tabTextGroup(std::string text, bool latin1) {
    if (latin1) {
        std::string converted = utf8ToLatin1(text);
        if (!converted.empty()) text = std::move(converted);
    }
    replaceAll(text, "\r\n", "\n");
    replaceAll(text, "\n\r", "\n");
    replaceAll(text, "\r", "\n");
    std::string group = "[";
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        const std::string_view line = std::string_view(text).substr(
            start, end == std::string::npos ? std::string::npos : end - start);
        if (start != 0) group += ' ';
        group += "<" + hexEncode(line.data(), static_cast<std::uint32_t>(line.size())) + ">";
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return group + "]";
}

std::string buildTabDictionary(const PdCoreData& record, HeaderCopyCount copyCount) {
    if (record.DtTabImageShift.get() == 1) return {};
    PageSpecificList list;
    buildPageSpecificList(record, list, PageListMode::jobPages, copyCount);
    std::string pages, inserts, positions, sets, texts;
    for (const PageSpecificEntry& entry : list) {
        if (!isTabEntry(entry)) continue;
        appendItem(pages,
                   entry.pages.empty() ? formatUInt16(0) : formatUInt16(entry.pages.front().first));
        appendItem(inserts, entry.tab.insert != tabInsertOff ? "1" : "0");
        appendItem(positions, formatUInt8(static_cast<std::uint8_t>(entry.tab.tabPosition - 1)));
        appendItem(sets, entry.tab.tabSet == 1 ? "1" : "0");
        appendItem(texts,
                   tabTextGroup(entry.tab.tabText, setsTextInLatin1(record, entry.tab.tabSet)));
    }
    if (pages.empty()) return {};

    std::string text =
        "\r\nuserdict /TalvoTABdict known not { userdict /TalvoTABdict 100 dict put } if "
        "TalvoTABdict begin\r\n";
    text += setupLines(record);
    text += psDefLine("TABpagenumbers", pages, "");
    text += psDefLine("TABinsertflags", inserts, "");
    text += psDefLine("TABposnumbers", positions, "");
    text += psDefLine("TABsets", sets, "");
    text += psDefLine("TABtexts", texts, "");
    text += "end\r\n";
    return text;
}

}  // namespace pd
