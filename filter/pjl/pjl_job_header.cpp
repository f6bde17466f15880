#include "filter/pjl/pjl_job_header.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "core/base/text_conversion.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/record/core_data.h"
#include "filter/pjl/pjl_choice_emitter.h"
#include "filter/pjl/pjl_cover_media_entries.h"
#include "filter/pjl/pjl_emitter.h"
#include "filter/pjl/pjl_finishing_entries.h"
#include "filter/pjl/pjl_hold_auth_entries.h"
#include "filter/pjl/pjl_item_emitter.h"
#include "filter/pjl/pjl_job_handling_entries.h"
#include "filter/pjl/pjl_line.h"
#include "filter/pjl/pjl_pps_entries.h"

namespace pd {
namespace {

// The user and job names are cut to this many bytes: an owner option may be of any length, and
// a printer's PJL line is not.
constexpr std::size_t nameLimit = 240;

using OptionEmitter = void (*)(const TextOptionDescriptor& option, const PjlValueList* values,
                               PdCoreData* target, std::string* out, const PdCoreData* record,
                               std::uint32_t jobKind);

// An emitter that reads the catalogue object it is given, bound to the object of its field.
template <const TextOptionDescriptor& Option, OptionEmitter Emitter>
void withOption(const PjlValueList* values, PdCoreData* target, std::string* out,
                const PdCoreData* record, std::uint32_t jobKind, std::uint32_t) {
    Emitter(Option, values, target, out, record, jobKind);
}

// Every emitter in header order. A position stays even while its option has no PJL name or its
// entry writes nothing, so that giving it a name or a body places its lines without a change here.
constexpr std::array<PjlEmitter, 207> headerEmitters = {
    pjlChoiceEntry<pageSizeOption, &PdCoreData::DtPageSize>,                        // 1
    pjlItemEntry<customPageSizeWidthOption, &PdCoreData::DtCustomPageSizeWidth>,    // 2
    pjlItemEntry<customPageSizeHeightOption, &PdCoreData::DtCustomPageSizeHeight>,  // 3
    pjlChoiceEntry<pageSizeTypeOption, &PdCoreData::DtPageSizeType>,                // 4
    pjlItemEntry<pageSizeNameOption, &PdCoreData::DtPageSizeName>,                  // 5
    emitPjlOrientation,                                                             // 6
    pjlChoiceEntry<inputSlotOption, &PdCoreData::DtInputSlot>,                      // 7
    emitPjlUserMediaName,                                                           // 8
    emitPjlLayout,                                                                  // 9
    pjlChoiceEntry<duplexOption, &PdCoreData::DtDuplex>,                            // 10
    pjlChoiceEntry<bindingOption, &PdCoreData::DtBinding>,                          // 11
    pjlItemEntry<gutterOption, &PdCoreData::DtGutter>,                              // 12
    pjlItemEntry<gutterFrontOption, &PdCoreData::DtGutterFront>,                    // 13
    pjlItemEntry<gutterBackOption, &PdCoreData::DtGutterBack>,                      // 14
    pjlItemEntry<creepOption, &PdCoreData::DtCreep>,                                // 15
    pjlItemEntry<creepFrontOption, &PdCoreData::DtCreepFront>,                      // 16
    pjlItemEntry<creepBackOption, &PdCoreData::DtCreepBack>,                        // 17
    pjlChoiceEntry<frontBackEqualOption, &PdCoreData::DtFrontBackEqual>,            // 18
    pjlChoiceEntry<nUpCountOption, &PdCoreData::DtNUpCount>,                        // 19
    emitPjlCustomPaper,                                                             // 20
    pjlItemEntry<customTargetPaperSizeWidthOption,
                 &PdCoreData::DtCustomTargetPaperSizeWidth>,  // 21
    pjlItemEntry<customTargetPaperSizeHeightOption,
                 &PdCoreData::DtCustomTargetPaperSizeHeight>,                           // 22
    pjlChoiceEntry<targetPaperSizeTypeOption, &PdCoreData::DtTargetPaperSizeType>,      // 23
    pjlItemEntry<targetPaperSizeNameOption, &PdCoreData::DtTargetPaperSizeName>,        // 24
    pjlChoiceEntry<scaleToFitOption, &PdCoreData::DtScaleToFit>,                        // 25
    pjlItemEntry<zoomOption, &PdCoreData::DtZoom>,                                      // 26
    pjlChoiceEntry<fullBleedOption, &PdCoreData::DtFullBleed>,                          // 27
    pjlChoiceEntry<rotate180Option, &PdCoreData::DtRotate180>,                          // 28
    pjlChoiceEntry<bookletBlankInsertionOption, &PdCoreData::DtBookletBlankInsertion>,  // 29
    pjlChoiceEntry<outputBinOption, &PdCoreData::DtOutputBin>,                          // 30
    emitPjlFinish,                                                                      // 31
    emitPjlPunch,                                                                       // 32
    pjlChoiceEntry<ringBindingOption, &PdCoreData::DtRingBinding>,                      // 33
    pjlChoiceEntry<printedSideFirstOption, &PdCoreData::DtPrintedSideFirst>,            // 34
    pjlChoiceEntry<printedSideLastOption, &PdCoreData::DtPrintedSideLast>,              // 35
    emitPjlFeedDirection,                                                               // 36
    pjlChoiceEntry<faceUpOption, &PdCoreData::DtFaceUp>,                                // 37
    pjlChoiceEntry<nTo1Option, &PdCoreData::DtNTo1>,                                    // 38
    emitPjlCopies,                                                                      // 39
    pjlChoiceEntry<collateOption, &PdCoreData::DtCollate>,                              // 40
    pjlChoiceEntry<divideOutputOption, &PdCoreData::DtDivideOutput>,                    // 41
    emitPjlPageLoop,                                                                    // 42
    emitPjlOffsets,                                                                     // 43
    pjlItemEntry<offsetCopiesCountOption, &PdCoreData::DtOffsetCopiesCount>,            // 44
    pjlChoiceEntry<offsetPagesOption, &PdCoreData::DtOffsetPages>,                      // 45
    pjlItemEntry<offsetPagesCountOption, &PdCoreData::DtOffsetPagesCount>,              // 46
    pjlChoiceEntry<pileOption, &PdCoreData::DtPile>,                                    // 47
    emitPjlFolding,                                                                     // 48
    pjlChoiceEntry<foldDirectionOption, &PdCoreData::DtFoldDirection>,                  // 49
    pjlChoiceEntry<stitchOption, &PdCoreData::DtStitch>,                                // 50
    pjlChoiceEntry<trimOption, &PdCoreData::DtTrim>,                                    // 51
    pjlChoiceEntry<squareFoldOption, &PdCoreData::DtSquareFold>,                        // 52
    pjlChoiceEntry<squareFoldStrengthOption, &PdCoreData::DtSquareFoldStrength>,        // 53
    pjlItemEntry<slitPositionTopOption, &PdCoreData::DtSlitPositionTop>,                // 54
    pjlItemEntry<slitPositionBottomOption, &PdCoreData::DtSlitPositionBottom>,          // 55
    pjlItemEntry<slitMarginOption, &PdCoreData::DtSlitMargin>,                          // 56
    pjlChoiceEntry<creaseSideOption, &PdCoreData::DtCreaseSide>,                        // 57
    pjlItemEntry<creasePosition1ValueOption, &PdCoreData::DtCreasePosition1Value>,      // 58
    pjlItemEntry<creasePosition2ValueOption, &PdCoreData::DtCreasePosition2Value>,      // 59
    pjlItemEntry<creasePosition3ValueOption, &PdCoreData::DtCreasePosition3Value>,      // 60
    pjlItemEntry<creasePosition4ValueOption, &PdCoreData::DtCreasePosition4Value>,      // 61
    emitPjlMediaType,                                                                   // 62
    emitPjlMediaWeight,                                                                 // 63
    emitPjlMediaColor,                                                                  // 64
    emitPjlMediaPrepunched,                                                             // 65
    pjlChoiceEntry<mediaTypeTray1Option, &PdCoreData::DtMediaTypeTray1>,                // 66
    pjlChoiceEntry<mediaWeightTray1Option, &PdCoreData::DtMediaWeightTray1>,            // 67
    pjlChoiceEntry<mediaColorTray1Option, &PdCoreData::DtMediaColorTray1>,              // 68
    pjlChoiceEntry<mediaPrepunchedTray1Option, &PdCoreData::DtMediaPrepunchedTray1>,    // 69
    pjlChoiceEntry<mediaTypeTray2Option, &PdCoreData::DtMediaTypeTray2>,                // 70
    pjlChoiceEntry<mediaWeightTray2Option, &PdCoreData::DtMediaWeightTray2>,            // 71
    pjlChoiceEntry<mediaColorTray2Option, &PdCoreData::DtMediaColorTray2>,              // 72
    pjlChoiceEntry<mediaPrepunchedTray2Option, &PdCoreData::DtMediaPrepunchedTray2>,    // 73
    pjlChoiceEntry<mediaTypeTray3Option, &PdCoreData::DtMediaTypeTray3>,                // 74
    pjlChoiceEntry<mediaWeightTray3Option, &PdCoreData::DtMediaWeightTray3>,            // 75
    pjlChoiceEntry<mediaColorTray3Option, &PdCoreData::DtMediaColorTray3>,              // 76
    pjlChoiceEntry<mediaPrepunchedTray3Option, &PdCoreData::DtMediaPrepunchedTray3>,    // 77
    pjlChoiceEntry<mediaTypeTray4Option, &PdCoreData::DtMediaTypeTray4>,                // 78
    pjlChoiceEntry<mediaWeightTray4Option, &PdCoreData::DtMediaWeightTray4>,            // 79
    pjlChoiceEntry<mediaColorTray4Option, &PdCoreData::DtMediaColorTray4>,              // 80
    pjlChoiceEntry<mediaPrepunchedTray4Option, &PdCoreData::DtMediaPrepunchedTray4>,    // 81
    pjlChoiceEntry<mediaTypeTray5Option, &PdCoreData::DtMediaTypeTray5>,                // 82
    pjlChoiceEntry<mediaWeightTray5Option, &PdCoreData::DtMediaWeightTray5>,            // 83
    pjlChoiceEntry<mediaColorTray5Option, &PdCoreData::DtMediaColorTray5>,              // 84
    pjlChoiceEntry<mediaPrepunchedTray5Option, &PdCoreData::DtMediaPrepunchedTray5>,    // 85
    emitPjlHeaderPage,                                                                  // 86
    pjlChoiceEntry<piFrontCoverTrayOption, &PdCoreData::DtPIFrontCoverTray>,            // 87
    emitPjlPiFrontPages,                                                                // 88
    emitPjlFrontCoverInsert,                                                            // 89
    pjlChoiceEntry<frontCoverPrintedOption, &PdCoreData::DtFrontCoverPrinted>,          // 90
    pjlChoiceEntry<frontCoverMediaTypeOption, &PdCoreData::DtFrontCoverMediaType>,      // 91
    pjlChoiceEntry<frontCoverMediaWeightOption, &PdCoreData::DtFrontCoverMediaWeight>,  // 92
    pjlChoiceEntry<frontCoverMediaColorOption, &PdCoreData::DtFrontCoverMediaColor>,    // 93
    pjlChoiceEntry<frontCoverMediaPrepunchedOption,
                   &PdCoreData::DtFrontCoverMediaPrepunched>,                                 // 94
    emitPjlBackCoverInsert,                                                                   // 95
    pjlChoiceEntry<backCoverPrintedOption, &PdCoreData::DtBackCoverPrinted>,                  // 96
    pjlChoiceEntry<backCoverMediaTypeOption, &PdCoreData::DtBackCoverMediaType>,              // 97
    pjlChoiceEntry<backCoverMediaWeightOption, &PdCoreData::DtBackCoverMediaWeight>,          // 98
    pjlChoiceEntry<backCoverMediaColorOption, &PdCoreData::DtBackCoverMediaColor>,            // 99
    pjlChoiceEntry<backCoverMediaPrepunchedOption, &PdCoreData::DtBackCoverMediaPrepunched>,  // 100
    pjlChoiceEntry<piBackCoverTrayOption, &PdCoreData::DtPIBackCoverTray>,                    // 101
    emitPjlPiBackPages,                                                                       // 102
    pjlChoiceEntry<perfectBindModeOption, &PdCoreData::DtPerfectBindMode>,                    // 103
    pjlChoiceEntry<perfectBindTrimOption, &PdCoreData::DtPerfectBindTrim>,                    // 104
    pjlItemEntry<perfectBindTrimSpineOption, &PdCoreData::DtPerfectBindTrimSpine>,            // 105
    pjlChoiceEntry<perfectBindDuplexOption, &PdCoreData::DtPerfectBindDuplex>,                // 106
    emitPjlPerfectBindTray,                                                                   // 107
    pjlChoiceEntry<perfectBindSlitOption, &PdCoreData::DtPerfectBindSlit>,                    // 108
    pjlItemEntry<perfectBindSlitPositionTopOption,
                 &PdCoreData::DtPerfectBindSlitPositionTop>,  // 109
    pjlItemEntry<perfectBindSlitPositionBottomOption,
                 &PdCoreData::DtPerfectBindSlitPositionBottom>,                         // 110
    pjlChoiceEntry<perfectBindCreaseOption, &PdCoreData::DtPerfectBindCrease>,          // 111
    emitPjlChapters,                                                                    // 112
    emitPerPageSettings,                                                                // 113
    emitPjlTabImageShift,                                                               // 114
    pjlItemEntry<tabImageShiftRangeOption, &PdCoreData::DtTabImageShiftRange>,          // 115
    pjlChoiceEntry<tab1TrayOption, &PdCoreData::DtTab1Tray>,                            // 116
    pjlChoiceEntry<tab2TrayOption, &PdCoreData::DtTab2Tray>,                            // 117
    pjlChoiceEntry<tab1PageSizeOption, &PdCoreData::DtTab1PageSize>,                    // 118
    pjlChoiceEntry<tab2PageSizeOption, &PdCoreData::DtTab2PageSize>,                    // 119
    pjlItemEntry<tab1NumOfTabsOption, &PdCoreData::DtTab1NumOfTabs>,                    // 120
    pjlItemEntry<tab2NumOfTabsOption, &PdCoreData::DtTab2NumOfTabs>,                    // 121
    pjlItemEntry<tab1SpaceAboveOption, &PdCoreData::DtTab1SpaceAbove>,                  // 122
    pjlItemEntry<tab2SpaceAboveOption, &PdCoreData::DtTab2SpaceAbove>,                  // 123
    pjlItemEntry<tab1HeightOption, &PdCoreData::DtTab1Height>,                          // 124
    pjlItemEntry<tab2HeightOption, &PdCoreData::DtTab2Height>,                          // 125
    pjlItemEntry<tab1SpaceBelowOption, &PdCoreData::DtTab1SpaceBelow>,                  // 126
    pjlItemEntry<tab2SpaceBelowOption, &PdCoreData::DtTab2SpaceBelow>,                  // 127
    pjlItemEntry<tab1FontNameOption, &PdCoreData::DtTab1FontName>,                      // 128
    pjlItemEntry<tab2FontNameOption, &PdCoreData::DtTab2FontName>,                      // 129
    pjlChoiceEntry<tab1FontBoldOption, &PdCoreData::DtTab1FontBold>,                    // 130
    pjlChoiceEntry<tab2FontBoldOption, &PdCoreData::DtTab2FontBold>,                    // 131
    pjlChoiceEntry<tab1FontItalicOption, &PdCoreData::DtTab1FontItalic>,                // 132
    pjlChoiceEntry<tab2FontItalicOption, &PdCoreData::DtTab2FontItalic>,                // 133
    pjlItemEntry<tab1FontSizeOption, &PdCoreData::DtTab1FontSize>,                      // 134
    pjlItemEntry<tab2FontSizeOption, &PdCoreData::DtTab2FontSize>,                      // 135
    pjlItemEntry<tab1LineSpacingOption, &PdCoreData::DtTab1LineSpacing>,                // 136
    pjlItemEntry<tab2LineSpacingOption, &PdCoreData::DtTab2LineSpacing>,                // 137
    pjlChoiceEntry<tab1OrientationOption, &PdCoreData::DtTab1Orientation>,              // 138
    pjlChoiceEntry<tab2OrientationOption, &PdCoreData::DtTab2Orientation>,              // 139
    pjlChoiceEntry<tab1PositionOption, &PdCoreData::DtTab1Position>,                    // 140
    pjlChoiceEntry<tab2PositionOption, &PdCoreData::DtTab2Position>,                    // 141
    pjlItemEntry<tab1TextPositionOption, &PdCoreData::DtTab1TextPosition>,              // 142
    pjlItemEntry<tab2TextPositionOption, &PdCoreData::DtTab2TextPosition>,              // 143
    pjlChoiceEntry<resolutionOption, &PdCoreData::DtResolution>,                        // 144
    pjlChoiceEntry<screeningOption, &PdCoreData::DtScreening>,                          // 145
    pjlChoiceEntry<screenDotOption, &PdCoreData::DtScreenDot>,                          // 146
    pjlChoiceEntry<screenFreqOption, &PdCoreData::DtScreenFreq>,                        // 147
    pjlChoiceEntry<screenAngleOption, &PdCoreData::DtScreenAngle>,                      // 148
    emitPjlToneCurve,                                                                   // 149
    pjlChoiceEntry<otherScreeningOption, &PdCoreData::DtOtherScreening>,                // 150
    pjlChoiceEntry<otherScreenDotOption, &PdCoreData::DtOtherScreenDot>,                // 151
    pjlChoiceEntry<otherScreenFreqOption, &PdCoreData::DtOtherScreenFreq>,              // 152
    pjlChoiceEntry<otherScreenAngleOption, &PdCoreData::DtOtherScreenAngle>,            // 153
    pjlChoiceEntry<printQualityOption, &PdCoreData::DtPrintQuality>,                    // 154
    pjlChoiceEntry<imageDensityOption, &PdCoreData::DtImageDensity>,                    // 155
    pjlChoiceEntry<smoothingOption, &PdCoreData::DtSmoothing>,                          // 156
    pjlChoiceEntry<thinningOption, &PdCoreData::DtThinning>,                            // 157
    pjlChoiceEntry<thinObjectOption, &PdCoreData::DtThinObject>,                        // 158
    pjlChoiceEntry<useCieColorOption, &PdCoreData::DtUseCieColor>,                      // 159
    emitPjlOverlayAll,                                                                  // 160
    pjlItemEntry<jobFormPageCountOption, &PdCoreData::DtJobFormPageCount>,              // 161
    pjlChoiceEntry<jobFormResolutionOption, &PdCoreData::DtJobFormResolution>,          // 162
    pjlChoiceEntry<formPrintPatternOption, &PdCoreData::DtFormPrintPattern>,            // 163
    emitPjlOverlayPage,                                                                 // 164
    emitPjlPrependJob,                                                                  // 165
    pjlItemEntry<prependPageCountOption, &PdCoreData::DtPrependPageCount>,              // 166
    pjlChoiceEntry<prependResolutionOption, &PdCoreData::DtPrependResolution>,          // 167
    emitPjlAppendJob,                                                                   // 168
    pjlItemEntry<appendPageCountOption, &PdCoreData::DtAppendPageCount>,                // 169
    pjlChoiceEntry<appendResolutionOption, &PdCoreData::DtAppendResolution>,            // 170
    emitPjlImageShift,                                                                  // 171
    pjlChoiceEntry<shiftFrontBackOption, &PdCoreData::DtShiftFrontBack>,                // 172
    pjlItemEntry<horizontalShiftOption, &PdCoreData::DtHorizontalShift>,                // 173
    pjlItemEntry<verticalShiftOption, &PdCoreData::DtVerticalShift>,                    // 174
    pjlItemEntry<horizontalShiftBackOption, &PdCoreData::DtHorizontalShiftBack>,        // 175
    pjlItemEntry<verticalShiftBackOption, &PdCoreData::DtVerticalShiftBack>,            // 176
    pjlChoiceEntry<printPositionOption, &PdCoreData::DtPrintPosition>,                  // 177
    emitPjlDateStamp,                                                                   // 178
    emitPjlPageNumbering,                                                               // 179
    pjlItemEntry<pageNumberingStartPageOption, &PdCoreData::DtPageNumberingStartPage>,  // 180
    pjlItemEntry<pageNumberingStartingNumberOption,
                 &PdCoreData::DtPageNumberingStartingNumber>,  // 181
    emitPjlSetNumbering,                                       // 182
    pjlItemEntry<setNumberingStartingNumberOption,
                 &PdCoreData::DtSetNumberingStartingNumber>,                                  // 183
    emitPjlJimonMode,                                                                         // 184
    emitPjlJimonBackPattern,                                                                  // 185
    emitPjlJimonPatternIndex,                                                                 // 186
    pjlChoiceEntry<tandemOption, &PdCoreData::DtTandem>,                                      // 187
    emitPjlSendEmail,                                                                         // 188
    pjlItemEntry<sendEMailAddressOption, &PdCoreData::DtSendEMailAddress>,                    // 189
    emitPjlHold,                                                                              // 190
    pjlItemEntry<waitModeSecurePrintIdOption, &PdCoreData::DtWaitModeSecurePrintId>,          // 191
    pjlItemEntry<waitModePasswordOption, &PdCoreData::DtWaitModePassword>,                    // 192
    emitPjlBoxOutput,                                                                         // 193
    pjlItemEntry<outputMethodUserboxNumberOption, &PdCoreData::DtOutputMethodUserboxNumber>,  // 194
    pjlItemEntry<outputMethodFileNameOption, &PdCoreData::DtOutputMethodFileName>,            // 195
    pjlChoiceEntry<encryptPdfOption, &PdCoreData::DtEncryptPdf>,                              // 196
    withOption<pdfPasswordOption, emitPjlPdfPassword>,                                        // 197
    pjlChoiceEntry<addShowpageOption, &PdCoreData::DtAddShowpage>,                            // 198
    emitPjlUserAuthentication,                                                                // 199
    pjlChoiceEntry<userAuthenticationPublicOption, &PdCoreData::DtUserAuthenticationPublic>,  // 200
    pjlChoiceEntry<userAuthenticationServerOption, &PdCoreData::DtUserAuthenticationServer>,  // 201
    pjlItemEntry<userAuthenticationUserNameOption,
                 &PdCoreData::DtUserAuthenticationUserName>,  // 202
    pjlItemEntry<userAuthenticationPasswordOption,
                 &PdCoreData::DtUserAuthenticationPassword>,                      // 203
    pjlChoiceEntry<accountTrackOption, &PdCoreData::DtAccountTrack>,              // 204
    withOption<accountTrackDepartmentNameOption, emitPjlAccountName>,             // 205
    withOption<accountTrackPasswordOption, emitPjlAccountPassword>,               // 206
    pjlItemEntry<relayServerScreenIdOption, &PdCoreData::DtRelayServerScreenId>,  // 207
};

// The name as valid UTF-8 in at most limit bytes, never splitting a character.
std::string boundedUtf8(const char* name, std::size_t limit) {
    const std::size_t capacity = std::min(std::strlen(name), limit) + 1;
    std::vector<char> buffer(capacity, '\0');
    copyUtf8Bounded(buffer.data(), name, static_cast<std::uint32_t>(capacity));
    return buffer.data();
}

}  // namespace

std::string buildPjlJobHeader(const PdCoreData* record, const char* jobName, const char* userName,
                              const char* driverJobId, std::uint32_t jobKind,
                              std::uint32_t lastFlag) {
    std::string header;
    if (driverJobId != nullptr && driverJobId[0] != '\0') {
        header += pjlSetLine("DRIVERJOBID", driverJobId, 1);
    }
    header += pjlSetLine("STRINGCODESET", "UTF8", 0);
    header += pjlSetLine("QXCOETYPE", "2", 0);
    if (userName != nullptr) header += pjlSetLine("USERNAME", boundedUtf8(userName, nameLimit), 1);
    if (jobName != nullptr) header += pjlSetLine("JOBNAME", boundedUtf8(jobName, nameLimit), 1);

    for (const PjlEmitter emit : headerEmitters) {
        emit(nullptr, nullptr, &header, record, jobKind, lastFlag);
    }
    return header;
}

}  // namespace pd
