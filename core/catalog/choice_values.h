// Choices of record members that the code tests or sets by name: each value is the index of the
// choice in its option's descriptor.
#pragma once

#include <cstdint>

namespace pd {

// `layoutOption` (DtLayout).
inline constexpr std::uint8_t layoutNone = 0;
inline constexpr std::uint8_t layoutAdhesiveBinding = 1;
inline constexpr std::uint8_t layoutBooklet = 2;
inline constexpr std::uint8_t layoutTwoInOne = 3;
inline constexpr std::uint8_t layoutTwoInOneReverse = 4;
inline constexpr std::uint8_t layoutRepeat = 5;
inline constexpr std::uint8_t layoutRepeatReverseLeft = 6;
inline constexpr std::uint8_t layoutRepeatReverseRight = 7;
inline constexpr std::uint8_t layoutRepeatReverseTop = 8;
inline constexpr std::uint8_t layoutRepeatReverseBottom = 9;

// `bindingOption` (DtBinding).
inline constexpr std::uint8_t bindingLeft = 0;
inline constexpr std::uint8_t bindingRight = 1;
inline constexpr std::uint8_t bindingTop = 2;

// `stapleOption` (DtStaple).
inline constexpr std::uint8_t stapleNone = 0;
inline constexpr std::uint8_t stapleOneLeft = 1;
inline constexpr std::uint8_t stapleOneRight = 2;
// One staple in the corner of the binding edge.
inline constexpr std::uint8_t stapleOneOnBindingSide = 3;
inline constexpr std::uint8_t stapleTwoWide = 4;
inline constexpr std::uint8_t stapleTwoNormal = 5;
inline constexpr std::uint8_t stapleTwoNarrow = 6;

// `foldOption` (DtFold).
inline constexpr std::uint8_t foldNone = 0;
inline constexpr std::uint8_t foldZFold1 = 1;
inline constexpr std::uint8_t foldZFold2 = 2;
inline constexpr std::uint8_t foldMultiLetter = 3;
inline constexpr std::uint8_t foldMultiCenter = 4;

// `foldDirectionOption` (DtFoldDirection).
inline constexpr std::uint8_t foldDirectionInside = 0;
inline constexpr std::uint8_t foldDirectionOutside = 1;

// `collateOption` (DtCollate).
inline constexpr std::uint8_t collateSort = 0;
inline constexpr std::uint8_t collateGroup = 1;

// `imageShiftTypeOption` (DtImageShiftType).
inline constexpr std::uint8_t imageShiftOff = 0;
inline constexpr std::uint8_t imageShiftPrinterSettings = 1;
inline constexpr std::uint8_t imageShiftDriverSettings = 2;

// `tab1PageSizeOption` and `tab2PageSizeOption` (DtTab1PageSize, DtTab2PageSize).
inline constexpr std::uint8_t tabPageSizeA4 = 0;
inline constexpr std::uint8_t tabPageSizeA4Tab15 = 1;
inline constexpr std::uint8_t tabPageSizeLetter = 2;

// `orientationOption` (DtOrientation).
inline constexpr std::uint8_t orientationPortrait = 0;
inline constexpr std::uint8_t orientationLandscape = 1;

// `nUpCountOption` (DtNUpCount).
inline constexpr std::uint8_t nUpCount1 = 0;
inline constexpr std::uint8_t nUpCount2 = 1;
inline constexpr std::uint8_t nUpCount2Reverse = 2;
inline constexpr std::uint8_t nUpCount4 = 3;
inline constexpr std::uint8_t nUpCount4Reverse = 4;
inline constexpr std::uint8_t nUpCount6 = 5;
inline constexpr std::uint8_t nUpCount6Reverse = 6;
inline constexpr std::uint8_t nUpCount8 = 7;
inline constexpr std::uint8_t nUpCount8Reverse = 8;
inline constexpr std::uint8_t nUpCount9 = 9;
inline constexpr std::uint8_t nUpCount9Reverse = 10;
inline constexpr std::uint8_t nUpCount16 = 11;
inline constexpr std::uint8_t nUpCount16Reverse = 12;

// `printedSideFirstOption` and `printedSideLastOption` (DtPrintedSideFirst, DtPrintedSideLast).
inline constexpr std::uint8_t printedSideInside = 0;
inline constexpr std::uint8_t printedSideOutside = 1;

// `punchOption` (DtPunch).
inline constexpr std::uint8_t punchNone = 0;
inline constexpr std::uint8_t punchTwoHoles = 1;
inline constexpr std::uint8_t punchThreeHoles = 2;
inline constexpr std::uint8_t punchFourHoles = 3;
inline constexpr std::uint8_t punchStreampunch = 4;

// `slitOption` (DtSlit).
inline constexpr std::uint8_t slitOff = 0;
inline constexpr std::uint8_t slitAll = 1;
inline constexpr std::uint8_t slitFirstOnly = 2;

// `creaseOption` (DtCrease).
inline constexpr std::uint8_t creaseOff = 0;
inline constexpr std::uint8_t creaseOnePiece = 1;
inline constexpr std::uint8_t creaseTwoPieces = 2;
inline constexpr std::uint8_t creaseThreePieces = 3;
inline constexpr std::uint8_t creaseFourPieces = 4;

// `frontCoverTrayOption` and `backCoverTrayOption` (DtFrontCoverTray, DtBackCoverTray).
inline constexpr std::uint8_t coverTrayNone = 0;
inline constexpr std::uint8_t coverTray1 = 1;
inline constexpr std::uint8_t coverTray2 = 2;
inline constexpr std::uint8_t coverTray3 = 3;
inline constexpr std::uint8_t coverTray4 = 4;
inline constexpr std::uint8_t coverTray5 = 5;

// `piFrontCoverTrayOption` and `piBackCoverTrayOption` (DtPIFrontCoverTray, DtPIBackCoverTray):
// the trays of the post inserter.
inline constexpr std::uint8_t postInserterTrayNone = 0;
inline constexpr std::uint8_t postInserterTray1 = 1;
inline constexpr std::uint8_t postInserterTray2 = 2;

// `outputBinOption` (DtOutputBin).
inline constexpr std::uint8_t outputBinAuto = 0;
inline constexpr std::uint8_t outputBinStaplerMain = 1;
inline constexpr std::uint8_t outputBinStaplerSub = 2;

// `resolutionOption` (DtResolution).
inline constexpr std::uint8_t resolution600Dpi = 0;
inline constexpr std::uint8_t resolution1200Dpi = 1;

// `smoothingOption` (DtSmoothing).
inline constexpr std::uint8_t smoothingNone = 0;
inline constexpr std::uint8_t smoothingDark = 1;
inline constexpr std::uint8_t smoothingMedium = 2;
inline constexpr std::uint8_t smoothingLight = 3;

// `thinningOption` (DtThinning).
inline constexpr std::uint8_t thinningNone = 0;

// `printPositionOption` (DtPrintPosition).
inline constexpr std::uint8_t printPositionLeft = 0;
inline constexpr std::uint8_t printPositionMiddle = 1;
inline constexpr std::uint8_t printPositionRight = 2;

// `setNumberingModeOption` (DtSetNumberingMode).
inline constexpr std::uint8_t setNumberingOff = 0;
inline constexpr std::uint8_t setNumberingStampForAllPages = 1;
inline constexpr std::uint8_t setNumberingStampForFirstPage = 2;
inline constexpr std::uint8_t setNumberingWatermarkForAllPages = 3;

// `waitModeOption` (DtWaitMode).
inline constexpr std::uint8_t waitModeNone = 0;
inline constexpr std::uint8_t waitModeProof = 1;
inline constexpr std::uint8_t waitModeProofFirst = 2;
inline constexpr std::uint8_t waitModeWait = 3;
inline constexpr std::uint8_t waitModeHoldPrint = 4;
inline constexpr std::uint8_t waitModeSecurePrint = 5;

// `outputMethodOption` (DtOutputMethod).
inline constexpr std::uint8_t outputMethodPrint = 0;
inline constexpr std::uint8_t outputMethodSaveInUserBox = 1;
inline constexpr std::uint8_t outputMethodSaveInUserBoxAndPrint = 2;
inline constexpr std::uint8_t outputMethodForm = 3;

// `mediaTypeAutoOption` (DtMediaTypeAuto).
inline constexpr std::uint8_t mediaTypeNoSet = 0;
inline constexpr std::uint8_t mediaTypeBook = 3;
inline constexpr std::uint8_t mediaTypeRough = 4;

// `mediaWeightAutoOption` (DtMediaWeightAuto).
inline constexpr std::uint8_t mediaWeightNoSet = 0;
inline constexpr std::uint8_t mediaWeightThick5 = 8;
inline constexpr std::uint8_t mediaWeightThick6 = 9;
inline constexpr std::uint8_t mediaWeightThick7 = 10;

// `inputSlotOption` (DtInputSlot).
inline constexpr std::uint8_t inputSlotAuto = 0;
inline constexpr std::uint8_t inputSlotTray1 = 1;
inline constexpr std::uint8_t inputSlotTray3 = 3;

}  // namespace pd
