#include "filter/ps_tab_dictionary.h"

#include <gtest/gtest.h>

#include <string>

#include "filter/driver_postscript.h"
#include "filter/latin1.h"
#include "filter/printer_fonts.h"
#include "filter/ps_end_setup.h"
#include "tests/filter/pages/pps_blob.h"

namespace pd {
namespace {

using test::BlobEntry;
using test::BlobSheet;

PdCoreData tabJob(std::vector<BlobEntry> entries) {
    PdCoreData record = test::tabRecord();
    record.DtTab1Height.set(127000);
    record.DtTab2Height.set(127000);
    record.DtTab1FontSize.set(120);
    record.DtTab2FontSize.set(120);
    record.DtTab1LineSpacing.set(12);
    record.DtTab2LineSpacing.set(12);
    test::setPageSpecificTrays(record, entries);
    return record;
}

PdCoreData oneTabPage(const std::string& text = "T") {
    return tabJob({BlobEntry{.pageSetting = 5, .tab = {.text = text}, .pages = {{3, 3}}}});
}

// The line "/NAME [ ... ] def" of the dictionary, without its line end.
std::string defLine(const std::string& text, const std::string& name) {
    const std::size_t at = text.find("/" + name + " [");
    if (at == std::string::npos) return "<absent>";
    return text.substr(at, text.find("\r\n", at) - at);
}

TEST(TabDictionary, DefinitionLines) {
    EXPECT_EQ(psDefLine("N", "p", "q"), "/N [ p q ] def\r\n");
    EXPECT_EQ(psDefLine("N", "p", ""), "/N [ p ] def\r\n");
    EXPECT_EQ(psDefLine("N", "", "q"), "/N [ q ] def\r\n");
    EXPECT_EQ(psDefLine("N", "", ""), "/N [ ] def\r\n");
    EXPECT_EQ(psDefLine("", "p", "q"), "");
}

TEST(TabDictionary, WholeTextOfOneTabPage) {
    PdCoreData record = oneTabPage("Hi");
    record.DtTab1FontName.assign("Helvetica");
    EXPECT_EQ(buildTabDictionary(record, HeaderCopyCount::absent),
              "\r\nuserdict /TalvoTABdict known not { userdict /TalvoTABdict 100 dict put } if "
              "TalvoTABdict begin\r\n"
              "/TABsets_pagesize [ /QXA4Tab1 /QXA4Tab1 ] def\r\n"
              "/TABsets_width [ 36.0000 36.0000 ] def\r\n"
              "/TABsets_tabs [ 15 15 ] def\r\n"
              "/TABsets_topspace [ 0.0000 0.0000 ] def\r\n"
              "/TABsets_bottomspace [ 0.0000 0.0000 ] def\r\n"
              "/TABsets_height [ 36.0000 36.0000 ] def\r\n"
              "/TABsets_orient [ -90 -90 ] def\r\n"
              "/TABsets_direct [ (LR) (LR) ] def\r\n"
              "/TABsets_pos [ (Top) (Top) ] def\r\n"
              "/TABsets_textpos [ 0.0000 0.0000 ] def\r\n"
              "/TABsets_fontsize [ 12.0000 12.0000 ] def\r\n"
              "/TABsets_fontbold [ false false ] def\r\n"
              "/TABsets_fontitalic [ false false ] def\r\n"
              "/TABsets_fontname [ /Helvetica / ] def\r\n"
              "/TABsets_linespace [ 14.4000 14.4000 ] def\r\n"
              "/TABpagenumbers [ 3 ] def\r\n"
              "/TABinsertflags [ 0 ] def\r\n"
              "/TABposnumbers [ 0 ] def\r\n"
              "/TABsets [ 0 ] def\r\n"
              "/TABtexts [ [<4869>] ] def\r\n"
              "end\r\n");
}

TEST(TabDictionary, TabWidthsAndLengthsInPoints) {
    PdCoreData record = oneTabPage();
    record.DtTab1PageSize.set(0);
    record.DtTab2PageSize.set(1);
    record.DtTab1SpaceAbove.set(340000);
    record.DtTab2SpaceAbove.set(15);
    record.DtTab1SpaceBelow.set(14);
    record.DtTab1TextPosition.set(-100000);
    record.DtTab2TextPosition.set(-14);
    std::string text = buildTabDictionary(record, HeaderCopyCount::absent);
    EXPECT_EQ(defLine(text, "TABsets_pagesize"), "/TABsets_pagesize [ /QXA4Tab1 /QXA4Tab2 ] def");
    EXPECT_EQ(defLine(text, "TABsets_width"), "/TABsets_width [ 36.0000 42.5197 ] def");
    EXPECT_EQ(defLine(text, "TABsets_topspace"), "/TABsets_topspace [ 96.3780 0.0057 ] def");
    EXPECT_EQ(defLine(text, "TABsets_bottomspace"), "/TABsets_bottomspace [ 0.0028 0.0000 ] def");
    EXPECT_EQ(defLine(text, "TABsets_textpos"), "/TABsets_textpos [ -28.3465 -0.0028 ] def");

    record.DtTab1PageSize.set(2);
    text = buildTabDictionary(record, HeaderCopyCount::absent);
    EXPECT_EQ(defLine(text, "TABsets_pagesize"),
              "/TABsets_pagesize [ /QXLetterTab /QXA4Tab2 ] def");
    EXPECT_EQ(defLine(text, "TABsets_width"), "/TABsets_width [ 36.0000 42.5197 ] def");
}

TEST(TabDictionary, OrientationPositionAndFontSizes) {
    PdCoreData record = oneTabPage();
    record.DtTab1Orientation.set(1);
    record.DtTab2Orientation.set(3);
    record.DtTab1Position.set(2);
    record.DtTab2Position.set(1);
    record.DtTab2FontSize.set(95);
    record.DtTab2LineSpacing.set(30);
    const std::string text = buildTabDictionary(record, HeaderCopyCount::absent);
    EXPECT_EQ(defLine(text, "TABsets_orient"), "/TABsets_orient [ 90 -90 ] def");
    EXPECT_EQ(defLine(text, "TABsets_direct"), "/TABsets_direct [ (LR) (TB) ] def");
    EXPECT_EQ(defLine(text, "TABsets_pos"), "/TABsets_pos [ (Bottom) (Center) ] def");
    EXPECT_EQ(defLine(text, "TABsets_fontsize"), "/TABsets_fontsize [ 12.0000 9.5000 ] def");
    EXPECT_EQ(defLine(text, "TABsets_linespace"), "/TABsets_linespace [ 14.4000 28.5000 ] def");
}

struct FontCase {
    const char* name;
    bool bold;
    bool italic;
    const char* expectedName;
    bool boldFallback;
    bool italicFallback;
};

TEST(TabDictionary, FontVariantsAndFallbacks) {
    const FontCase cases[] = {
        {.name = "Times-Roman",
         .bold = true,
         .italic = true,
         .expectedName = "/Times-BoldItalic",
         .boldFallback = false,
         .italicFallback = false},
        {.name = "Times-Roman",
         .bold = true,
         .italic = false,
         .expectedName = "/Times-Bold",
         .boldFallback = false,
         .italicFallback = false},
        {.name = "GillSans-Light",
         .bold = true,
         .italic = false,
         .expectedName = "/GillSans-Light",
         .boldFallback = true,
         .italicFallback = false},
        {.name = "GillSans-Light",
         .bold = false,
         .italic = true,
         .expectedName = "/GillSans-LightItalic",
         .boldFallback = false,
         .italicFallback = false},
        {.name = "GillSans-Light",
         .bold = true,
         .italic = true,
         .expectedName = "/GillSans-Light",
         .boldFallback = true,
         .italicFallback = true},
        {.name = "Ryumin-Light",
         .bold = false,
         .italic = true,
         .expectedName = "/Ryumin-Light",
         .boldFallback = false,
         .italicFallback = true},
        {.name = "Courier",
         .bold = false,
         .italic = false,
         .expectedName = "/Courier",
         .boldFallback = false,
         .italicFallback = false},
        {.name = "NoSuchFont",
         .bold = true,
         .italic = false,
         .expectedName = "/",
         .boldFallback = true,
         .italicFallback = false},
        {.name = "",
         .bold = false,
         .italic = true,
         .expectedName = "/",
         .boldFallback = false,
         .italicFallback = true},
    };
    for (const FontCase& c : cases) {
        PdCoreData record = oneTabPage();
        record.DtTab1FontName.assign(c.name);
        record.DtTab1FontBold.set(c.bold ? 1 : 0);
        record.DtTab1FontItalic.set(c.italic ? 1 : 0);
        const std::string text = buildTabDictionary(record, HeaderCopyCount::absent);
        EXPECT_EQ(defLine(text, "TABsets_fontname"),
                  std::string("/TABsets_fontname [ ") + c.expectedName + " / ] def")
            << c.name;
        EXPECT_EQ(defLine(text, "TABsets_fontbold"), std::string("/TABsets_fontbold [ ") +
                                                         (c.boldFallback ? "true" : "false") +
                                                         " false ] def")
            << c.name;
        EXPECT_EQ(defLine(text, "TABsets_fontitalic"), std::string("/TABsets_fontitalic [ ") +
                                                           (c.italicFallback ? "true" : "false") +
                                                           " false ] def")
            << c.name;
    }
}

TEST(PrinterFonts, TableRowsAndLookup) {
    EXPECT_EQ(printerFontTable.size(), 62u);
    EXPECT_EQ(printerFontTable[0].latin1Text, 0u);
    EXPECT_EQ(printerFontTable[1].scriptClass, 2u);
    EXPECT_EQ(printerFontTable[2].latin1Text, 1u);
    EXPECT_STREQ(printerFontTable[32].boldItalicName, "Helvetica-Condensed-BoldObl");
    EXPECT_STREQ(printerFontTable[61].postScriptName, "ZapfDingbats");
    for (std::size_t i = 0; i < printerFontTable.size(); ++i) {
        EXPECT_EQ(findPrinterFont(printerFontTable[i].postScriptName), &printerFontTable[i]);
    }
    EXPECT_EQ(findPrinterFont("arialmt"), nullptr);
    bool bold = true;
    bool italic = true;
    EXPECT_EQ(selectFontVariant(nullptr, true, true, bold, italic), nullptr);
    EXPECT_TRUE(bold && italic);
}

TEST(TabDictionary, TextGroupsSplitAtEveryLineEnd) {
    struct Case {
        const char* text;
        const char* group;
    };
    for (const Case& c :
         {Case{"A\r\nB", "[<41> <42>]"}, Case{"A\n\rB", "[<41> <42>]"}, Case{"A\rB", "[<41> <42>]"},
          Case{"A\n", "[<41> <>]"}, Case{"", "[<>]"}, Case{"A\r\r\nB", "[<41> <42>]"},
          Case{"A\n\r\rB", "[<41> <42>]"}, Case{"\n\n", "[<> <> <>]"}}) {
        EXPECT_EQ(tabTextGroup(c.text, false), c.group) << c.text;
    }
}

TEST(TabDictionary, ReplaceAllSearchesFromTheStartEachTime) {
    std::string text = "a\r\r\r\nb";
    replaceAll(text, "\r\n", "\n");
    EXPECT_EQ(text, "a\nb");
    text = "xaab";
    replaceAll(text, "ab", "b");
    EXPECT_EQ(text, "xb");
    text = "aa";
    replaceAll(text, "a", "aa");  // a replacement holding the search text still ends
    EXPECT_EQ(text, "aaaa");
    text = "abc";
    replaceAll(text, "", "x");
    EXPECT_EQ(text, "abc");
}

TEST(TabDictionary, Latin1ForEveryFontButTheJapaneseOnes) {
    struct Case {
        const char* font;
        const char* text;
        const char* group;
    };
    for (const Case& c :
         {Case{"ArialMT", "\xC3\xA9", "[<E9>]"}, Case{"Ryumin-Light", "\xC3\xA9", "[<C3A9>]"},
          Case{"NoSuchFont", "\xC3\xA9", "[<C3A9>]"},
          Case{"ArialMT", "\xC3\xA9\xE2\x82\xAC", "[<C3A9E282AC>]"},
          Case{"ArialMT", "A\xFF", "[<41FF>]"}}) {
        PdCoreData record = oneTabPage(c.text);
        record.DtTab1FontName.assign(c.font);
        EXPECT_EQ(defLine(buildTabDictionary(record, HeaderCopyCount::absent), "TABtexts"),
                  std::string("/TABtexts [ ") + c.group + " ] def")
            << c.font << " " << c.text;
    }
}

TEST(Latin1, ConversionNeedsEveryCharacterWithinLatin1) {
    EXPECT_EQ(utf8ToLatin1("abc"), "abc");
    EXPECT_EQ(utf8ToLatin1("\xC2\xA0\xC3\xBF"), "\xA0\xFF");
    EXPECT_EQ(utf8ToLatin1("\xC4\x80"), "\xC4\x80");  // U+0100
    EXPECT_EQ(utf8ToLatin1("\xC3"), "\xC3");          // cut sequence
    EXPECT_EQ(utf8ToLatin1("\xC3\x41"), "\xC3\x41");  // bad continuation
    EXPECT_EQ(utf8ToLatin1("\xC0\x80"), "\xC0\x80");  // overlong
    EXPECT_EQ(utf8ToLatin1("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(utf8ToLatin1(""), "");
}

TEST(TabDictionary, EntryColumns) {
    PdCoreData record = tabJob({
        BlobEntry{.pageSetting = 5, .tab = {.text = "a"}, .pages = {{3, 3}, {7, 9}}},
        BlobEntry{.pageSetting = 5, .tab = {.tabSet = 1, .text = "b"}, .pages = {{10, 10}}},
        BlobEntry{.pageSetting = 6,
                  .tab = {.insert = 1, .text = "c"},
                  .sheets = {BlobSheet{.tab = {.text = "s"}}},
                  .pages = {{12, 12}}},
        BlobEntry{.pageSetting = 0, .tray = 2, .pages = {{4, 4}}},
    });
    const std::string text = buildTabDictionary(record, HeaderCopyCount::absent);
    EXPECT_EQ(defLine(text, "TABpagenumbers"), "/TABpagenumbers [ 3 10 12 12 ] def");
    EXPECT_EQ(defLine(text, "TABinsertflags"), "/TABinsertflags [ 0 0 1 0 ] def");
    EXPECT_EQ(defLine(text, "TABposnumbers"), "/TABposnumbers [ 0 0 1 2 ] def");
    EXPECT_EQ(defLine(text, "TABsets"), "/TABsets [ 0 1 0 0 ] def");
    EXPECT_EQ(defLine(text, "TABtexts"), "/TABtexts [ [<61>] [<62>] [<73>] [<63>] ] def");
}

TEST(EndSetup, MarkerCallAndTabDictionary) {
    const std::string head =
        "\r\nuserdict /TLQXFeatures known not { userdict /TLQXFeatures 100 dict put } if\r\n"
        "TLQXFeatures /Talvo_V11 <252554414C564F50414745545241494C45522525> put\r\n"
        "TLQXFeatures /Talvo_NupP0 known { TLQXFeatures /Talvo_NupP0 get exec } if\r\n";
    EXPECT_EQ(pageEndMarkerHex(), "<252554414C564F50414745545241494C45522525>");
    EXPECT_EQ(buildEndSetupCode(test::tabRecord(), HeaderCopyCount::absent), head);

    PdCoreData record = oneTabPage();
    EXPECT_EQ(buildEndSetupCode(record, HeaderCopyCount::absent),
              head + buildTabDictionary(record, HeaderCopyCount::absent));
    EXPECT_NE(buildTabDictionary(record, HeaderCopyCount::absent), "");
    record.DtTabImageShift.set(1);
    EXPECT_EQ(buildEndSetupCode(record, HeaderCopyCount::absent), head);
}

}  // namespace
}  // namespace pd
