#include "core/rules/paper_capability.h"

#include "core/catalog/paper_size.h"

namespace pd {

namespace {

// The refusal tables, named after the features that use them; each row's number is a page-size
// number, and the end row has number 0. Offset output refuses what one staple refuses when
// installed-options byte 1 is 1; tray 3 refuses different papers with each of the two
// single-tray units (installed-options byte 6 at 2 or 3).
constexpr PaperSizeRefusal zFoldPaperRefusals[] = {
    {3, 0, 0, 0, 0, 0},  {6, 0, 0, 0, 0, 0},  {7, 0, 0, 0, 0, 0},  {8, 0, 0, 0, 0, 0},
    {9, 0, 0, 0, 0, 0},  {10, 0, 0, 0, 0, 0}, {12, 0, 0, 0, 0, 0}, {14, 0, 0, 0, 0, 0},
    {15, 0, 0, 0, 0, 0}, {16, 0, 0, 0, 0, 0}, {17, 0, 0, 0, 0, 0}, {19, 0, 0, 0, 0, 0},
    {20, 0, 0, 0, 0, 0}, {21, 0, 0, 0, 0, 0}, {22, 0, 0, 0, 0, 0}, {23, 0, 0, 0, 0, 0},
    {24, 0, 0, 0, 0, 0}, {25, 0, 0, 0, 0, 0}, {26, 0, 0, 0, 0, 0}, {27, 0, 0, 0, 0, 0},
    {28, 0, 0, 0, 0, 0}, {29, 0, 0, 0, 0, 0}, {30, 0, 0, 0, 0, 0}, {31, 0, 0, 0, 0, 0},
    {32, 0, 0, 0, 0, 0}, {33, 0, 0, 0, 0, 0}, {34, 0, 0, 0, 0, 0}, {37, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal multiLetterFoldPaperRefusals[] = {
    {1, 0, 0, 0, 0, 0},  {3, 0, 0, 0, 0, 0},  {4, 0, 0, 0, 0, 0},  {5, 0, 0, 0, 0, 0},
    {6, 0, 0, 0, 0, 0},  {7, 0, 0, 0, 0, 0},  {8, 0, 0, 0, 0, 0},  {9, 0, 0, 0, 0, 0},
    {10, 0, 0, 0, 0, 0}, {11, 0, 0, 0, 0, 0}, {12, 0, 0, 0, 0, 0}, {13, 0, 0, 0, 0, 0},
    {14, 0, 0, 0, 0, 0}, {15, 0, 0, 0, 0, 0}, {16, 0, 0, 0, 0, 0}, {17, 0, 0, 0, 0, 0},
    {19, 0, 0, 0, 0, 0}, {20, 0, 0, 0, 0, 0}, {21, 0, 0, 0, 0, 0}, {22, 0, 0, 0, 0, 0},
    {23, 0, 0, 0, 0, 0}, {24, 0, 0, 0, 0, 0}, {25, 0, 0, 0, 0, 0}, {26, 0, 0, 0, 0, 0},
    {27, 0, 0, 0, 0, 0}, {28, 0, 0, 0, 0, 0}, {29, 0, 0, 0, 0, 0}, {30, 0, 0, 0, 0, 0},
    {31, 0, 0, 0, 0, 0}, {32, 0, 0, 0, 0, 0}, {33, 0, 0, 0, 0, 0}, {34, 0, 0, 0, 0, 0},
    {35, 0, 0, 0, 0, 0}, {36, 0, 0, 0, 0, 0}, {37, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal multiCenterFoldOrFoldAndStaplePaperRefusals[] = {
    {3, 0, 0, 0, 0, 0},  {7, 0, 0, 0, 0, 0},  {12, 0, 0, 0, 0, 0}, {19, 0, 0, 0, 0, 0},
    {20, 0, 0, 0, 0, 0}, {23, 0, 0, 0, 0, 0}, {27, 0, 0, 0, 0, 0}, {31, 0, 0, 0, 0, 0},
    {32, 0, 0, 0, 0, 0}, {33, 0, 0, 0, 0, 0}, {34, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal creasedMultiCenterFoldPaperRefusals[] = {
    {3, 0, 0, 0, 0, 0},  {7, 0, 0, 0, 0, 0},  {12, 0, 0, 0, 0, 0}, {19, 0, 0, 0, 0, 0},
    {20, 0, 0, 0, 0, 0}, {23, 0, 0, 0, 0, 0}, {31, 0, 0, 0, 0, 0}, {32, 0, 0, 0, 0, 0},
    {33, 0, 0, 0, 0, 0}, {34, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal oneStapleOrOffsetPaperRefusals[] = {{20, 0, 0, 0, 0, 0},
                                                               {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal twoStaplesPaperRefusals[] = {
    {1, 1, 0, 0, 0, 0},  {3, 2, 0, 0, 0, 0},  {4, 1, 0, 0, 0, 0},  {5, 2, 0, 0, 0, 0},
    {6, 1, 0, 0, 0, 0},  {7, 2, 0, 0, 0, 0},  {8, 1, 0, 0, 0, 0},  {9, 1, 0, 0, 0, 0},
    {10, 1, 0, 0, 0, 0}, {11, 1, 0, 0, 0, 0}, {12, 2, 0, 0, 0, 0}, {13, 1, 0, 0, 0, 0},
    {14, 1, 0, 0, 0, 0}, {15, 1, 0, 0, 0, 0}, {16, 1, 0, 0, 0, 0}, {17, 1, 0, 0, 0, 0},
    {19, 2, 0, 0, 0, 0}, {20, 0, 0, 0, 0, 0}, {21, 1, 0, 0, 0, 0}, {23, 2, 0, 0, 0, 0},
    {24, 1, 0, 0, 0, 0}, {25, 2, 0, 0, 0, 0}, {26, 1, 0, 0, 0, 0}, {27, 2, 0, 0, 0, 0},
    {28, 1, 0, 0, 0, 0}, {29, 1, 0, 0, 0, 0}, {31, 2, 0, 0, 0, 0}, {32, 2, 0, 0, 0, 0},
    {33, 2, 0, 0, 0, 0}, {34, 2, 0, 0, 0, 0}, {35, 1, 0, 0, 0, 0}, {36, 2, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal twoHolePunchPaperRefusals[] = {
    {1, 1, 0, 0, 0, 0},  {3, 2, 0, 0, 0, 0},  {4, 1, 0, 0, 0, 0},  {6, 1, 0, 0, 0, 0},
    {8, 0, 0, 0, 0, 0},  {9, 1, 0, 0, 0, 0},  {10, 0, 0, 0, 0, 0}, {11, 1, 0, 0, 0, 0},
    {12, 2, 0, 0, 0, 0}, {13, 1, 0, 0, 0, 0}, {14, 1, 0, 0, 0, 0}, {15, 1, 0, 0, 0, 0},
    {16, 1, 0, 0, 0, 0}, {17, 1, 0, 0, 0, 0}, {19, 2, 0, 0, 0, 0}, {20, 0, 0, 0, 0, 0},
    {21, 0, 0, 0, 0, 0}, {22, 0, 0, 0, 0, 0}, {23, 0, 0, 0, 0, 0}, {24, 0, 0, 0, 0, 0},
    {25, 0, 0, 0, 0, 0}, {26, 0, 0, 0, 0, 0}, {27, 0, 0, 0, 0, 0}, {28, 0, 0, 0, 0, 0},
    {29, 0, 0, 0, 0, 0}, {30, 0, 0, 0, 0, 0}, {31, 0, 0, 0, 0, 0}, {32, 0, 0, 0, 0, 0},
    {33, 0, 0, 0, 0, 0}, {34, 0, 0, 0, 0, 0}, {35, 1, 0, 0, 0, 0}, {37, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal zFoldStaplePaperRefusals[] = {
    {3, 0, 0, 0, 0, 0},  {4, 0, 0, 0, 0, 0},  {5, 0, 0, 0, 0, 0},  {6, 0, 0, 0, 0, 0},
    {7, 0, 0, 0, 0, 0},  {8, 0, 0, 0, 0, 0},  {9, 0, 0, 0, 0, 0},  {10, 0, 0, 0, 0, 0},
    {12, 0, 0, 0, 0, 0}, {14, 0, 0, 0, 0, 0}, {15, 0, 0, 0, 0, 0}, {16, 0, 0, 0, 0, 0},
    {17, 0, 0, 0, 0, 0}, {19, 0, 0, 0, 0, 0}, {20, 0, 0, 0, 0, 0}, {21, 0, 0, 0, 0, 0},
    {22, 0, 0, 0, 0, 0}, {23, 0, 0, 0, 0, 0}, {24, 0, 0, 0, 0, 0}, {25, 0, 0, 0, 0, 0},
    {26, 0, 0, 0, 0, 0}, {27, 0, 0, 0, 0, 0}, {28, 0, 0, 0, 0, 0}, {29, 0, 0, 0, 0, 0},
    {30, 0, 0, 0, 0, 0}, {31, 0, 0, 0, 0, 0}, {32, 0, 0, 0, 0, 0}, {33, 0, 0, 0, 0, 0},
    {34, 0, 0, 0, 0, 0}, {37, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal threeOrFourHolePunchPaperRefusals[] = {
    {1, 1, 0, 0, 0, 0},  {2, 2, 0, 0, 0, 0},  {3, 0, 0, 0, 0, 0},  {4, 1, 0, 0, 0, 0},
    {5, 2, 0, 0, 0, 0},  {6, 1, 0, 0, 0, 0},  {7, 2, 0, 0, 0, 0},  {8, 0, 0, 0, 0, 0},
    {9, 0, 0, 0, 0, 0},  {10, 0, 0, 0, 0, 0}, {11, 1, 0, 0, 0, 0}, {12, 2, 0, 0, 0, 0},
    {13, 0, 0, 0, 0, 0}, {14, 0, 0, 0, 0, 0}, {15, 0, 0, 0, 0, 0}, {16, 0, 0, 0, 0, 0},
    {17, 0, 0, 0, 0, 0}, {18, 2, 0, 0, 0, 0}, {19, 0, 0, 0, 0, 0}, {20, 0, 0, 0, 0, 0},
    {21, 0, 0, 0, 0, 0}, {22, 0, 0, 0, 0, 0}, {23, 0, 0, 0, 0, 0}, {24, 0, 0, 0, 0, 0},
    {25, 0, 0, 0, 0, 0}, {26, 0, 0, 0, 0, 0}, {27, 0, 0, 0, 0, 0}, {28, 0, 0, 0, 0, 0},
    {29, 0, 0, 0, 0, 0}, {30, 0, 0, 0, 0, 0}, {31, 0, 0, 0, 0, 0}, {32, 0, 0, 0, 0, 0},
    {33, 0, 0, 0, 0, 0}, {34, 0, 0, 0, 0, 0}, {35, 1, 0, 0, 0, 0}, {36, 2, 0, 0, 0, 0},
    {37, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal streamPunchPaperRefusals[] = {
    {1, 0, 0, 0, 0, 0},  {3, 0, 0, 0, 0, 0},  {4, 0, 0, 0, 0, 0},  {5, 0, 0, 0, 0, 0},
    {6, 0, 0, 0, 0, 0},  {7, 0, 0, 0, 0, 0},  {8, 0, 0, 0, 0, 0},  {9, 0, 0, 0, 0, 0},
    {10, 0, 0, 0, 0, 0}, {11, 0, 0, 0, 0, 0}, {12, 0, 0, 0, 0, 0}, {13, 0, 0, 0, 0, 0},
    {14, 0, 0, 0, 0, 0}, {15, 0, 0, 0, 0, 0}, {16, 0, 0, 0, 0, 0}, {17, 0, 0, 0, 0, 0},
    {19, 0, 0, 0, 0, 0}, {20, 0, 0, 0, 0, 0}, {21, 0, 0, 0, 0, 0}, {22, 0, 0, 0, 0, 0},
    {23, 0, 0, 0, 0, 0}, {24, 0, 0, 0, 0, 0}, {25, 0, 0, 0, 0, 0}, {26, 0, 0, 0, 0, 0},
    {27, 0, 0, 0, 0, 0}, {28, 0, 0, 0, 0, 0}, {29, 0, 0, 0, 0, 0}, {30, 0, 0, 0, 0, 0},
    {31, 0, 0, 0, 0, 0}, {32, 2, 0, 0, 0, 0}, {33, 2, 0, 0, 0, 0}, {34, 2, 0, 0, 0, 0},
    {35, 0, 0, 0, 0, 0}, {36, 0, 0, 0, 0, 0}, {37, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal paperPathRefusals[] = {
    {1, 1, 0, 0, 0, 0},  {3, 2, 0, 0, 0, 0},  {4, 1, 0, 0, 0, 0},  {6, 1, 0, 0, 0, 0},
    {8, 1, 0, 0, 0, 0},  {9, 1, 0, 0, 0, 0},  {10, 1, 0, 0, 0, 0}, {11, 1, 0, 0, 0, 0},
    {12, 2, 0, 0, 0, 0}, {13, 1, 0, 0, 0, 0}, {14, 1, 0, 0, 0, 0}, {15, 1, 0, 0, 0, 0},
    {16, 1, 0, 0, 0, 0}, {17, 1, 0, 0, 0, 0}, {19, 2, 0, 0, 0, 0}, {20, 1, 0, 0, 0, 0},
    {21, 1, 0, 0, 0, 0}, {23, 2, 0, 0, 0, 0}, {24, 1, 0, 0, 0, 0}, {26, 1, 0, 0, 0, 0},
    {28, 1, 0, 0, 0, 0}, {29, 1, 0, 0, 0, 0}, {31, 2, 0, 0, 0, 0}, {32, 2, 0, 0, 0, 0},
    {33, 2, 0, 0, 0, 0}, {34, 2, 0, 0, 0, 0}, {35, 1, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal sideImagePositionPaperRefusals[] = {
    {1, 0, 0, 0, 0, 0},  {2, 0, 0, 0, 0, 0},  {3, 0, 0, 0, 0, 0},  {4, 0, 0, 0, 0, 0},
    {5, 0, 0, 0, 0, 0},  {6, 0, 0, 0, 0, 0},  {7, 0, 0, 0, 0, 0},  {8, 0, 0, 0, 0, 0},
    {9, 0, 0, 0, 0, 0},  {10, 0, 0, 0, 0, 0}, {11, 0, 0, 0, 0, 0}, {12, 0, 0, 0, 0, 0},
    {13, 0, 0, 0, 0, 0}, {14, 0, 0, 0, 0, 0}, {15, 0, 0, 0, 0, 0}, {16, 0, 0, 0, 0, 0},
    {17, 0, 0, 0, 0, 0}, {18, 0, 0, 0, 0, 0}, {19, 0, 0, 0, 0, 0}, {20, 0, 0, 0, 0, 0},
    {32, 0, 0, 0, 0, 0}, {33, 0, 0, 0, 0, 0}, {34, 0, 0, 0, 0, 0}, {35, 0, 0, 0, 0, 0},
    {36, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal ringBindingFirstInsideOrLastOutsidePaperRefusals[] = {
    {1, 0, 0, 0, 0, 0},  {2, 2, 0, 0, 0, 0},  {3, 0, 0, 0, 0, 0},  {4, 0, 0, 0, 0, 0},
    {5, 0, 0, 0, 0, 0},  {6, 0, 0, 0, 0, 0},  {7, 0, 0, 0, 0, 0},  {8, 0, 0, 0, 0, 0},
    {9, 0, 0, 0, 0, 0},  {10, 0, 0, 0, 0, 0}, {11, 0, 0, 0, 0, 0}, {12, 0, 0, 0, 0, 0},
    {13, 0, 0, 0, 0, 0}, {14, 0, 0, 0, 0, 0}, {15, 0, 0, 0, 0, 0}, {16, 0, 0, 0, 0, 0},
    {17, 0, 0, 0, 0, 0}, {18, 2, 0, 0, 0, 0}, {19, 0, 0, 0, 0, 0}, {20, 0, 0, 0, 0, 0},
    {21, 0, 0, 0, 0, 0}, {22, 0, 0, 0, 0, 0}, {23, 0, 0, 0, 0, 0}, {24, 0, 0, 0, 0, 0},
    {25, 0, 0, 0, 0, 0}, {26, 0, 0, 0, 0, 0}, {27, 0, 0, 0, 0, 0}, {28, 0, 0, 0, 0, 0},
    {29, 0, 0, 0, 0, 0}, {30, 0, 0, 0, 0, 0}, {31, 0, 0, 0, 0, 0}, {32, 0, 0, 0, 0, 0},
    {33, 0, 0, 0, 0, 0}, {34, 0, 0, 0, 0, 0}, {35, 0, 0, 0, 0, 0}, {36, 0, 0, 0, 0, 0},
    {37, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal ringBindingFirstOutsideOrLastInsidePaperRefusals[] = {
    {1, 0, 0, 0, 0, 0},  {2, 2, 0, 0, 0, 0},  {3, 0, 0, 0, 0, 0},  {4, 0, 0, 0, 0, 0},
    {5, 0, 0, 0, 0, 0},  {6, 0, 0, 0, 0, 0},  {7, 0, 0, 0, 0, 0},  {8, 0, 0, 0, 0, 0},
    {9, 0, 0, 0, 0, 0},  {10, 0, 0, 0, 0, 0}, {11, 0, 0, 0, 0, 0}, {12, 0, 0, 0, 0, 0},
    {13, 0, 0, 0, 0, 0}, {14, 0, 0, 0, 0, 0}, {15, 0, 0, 0, 0, 0}, {16, 0, 0, 0, 0, 0},
    {17, 0, 0, 0, 0, 0}, {18, 2, 0, 0, 0, 0}, {19, 0, 0, 0, 0, 0}, {20, 0, 0, 0, 0, 0},
    {21, 0, 0, 0, 0, 0}, {22, 0, 0, 0, 0, 0}, {23, 0, 0, 0, 0, 0}, {24, 0, 0, 0, 0, 0},
    {25, 0, 0, 0, 0, 0}, {26, 0, 0, 0, 0, 0}, {27, 0, 0, 0, 0, 0}, {28, 0, 0, 0, 0, 0},
    {29, 0, 0, 0, 0, 0}, {30, 0, 0, 0, 0, 0}, {31, 0, 0, 0, 0, 0}, {32, 2, 0, 0, 0, 0},
    {33, 0, 0, 0, 0, 0}, {34, 2, 0, 0, 0, 0}, {35, 0, 0, 0, 0, 0}, {36, 0, 0, 0, 0, 0},
    {37, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal tray3PaperRefusalsWithTrayUnit2[] = {
    {1, 0, 0, 0, 0, 0},  {3, 0, 0, 0, 0, 0},  {4, 0, 0, 0, 0, 0},  {6, 0, 0, 0, 0, 0},
    {8, 0, 0, 0, 0, 0},  {9, 0, 0, 0, 0, 0},  {10, 0, 0, 0, 0, 0}, {11, 0, 0, 0, 0, 0},
    {13, 0, 0, 0, 0, 0}, {14, 0, 0, 0, 0, 0}, {15, 0, 0, 0, 0, 0}, {16, 0, 0, 0, 0, 0},
    {17, 0, 0, 0, 0, 0}, {19, 0, 0, 0, 0, 0}, {20, 0, 0, 0, 0, 0}, {21, 0, 0, 0, 0, 0},
    {23, 0, 0, 0, 0, 0}, {24, 0, 0, 0, 0, 0}, {26, 0, 0, 0, 0, 0}, {28, 0, 0, 0, 0, 0},
    {29, 0, 0, 0, 0, 0}, {31, 0, 0, 0, 0, 0}, {35, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal tray3PaperRefusalsWithTrayUnit3[] = {
    {3, 0, 0, 0, 0, 0},  {5, 0, 0, 0, 0, 0},  {7, 0, 0, 0, 0, 0},  {19, 0, 0, 0, 0, 0},
    {20, 0, 0, 0, 0, 0}, {23, 0, 0, 0, 0, 0}, {25, 0, 0, 0, 0, 0}, {27, 0, 0, 0, 0, 0},
    {31, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal autoSlotPaperRefusals[] = {{37, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
constexpr PaperSizeRefusal refusesNoPaper[] = {{0, 0, 0, 0, 0, 0}};

const PaperSizeRefusal* refusalTable(PaperFeature feature, const InstalledOptions* options) {
    const bool punchUnit = optionByteIs(options, 2, 1, 4) || optionByteIs(options, 8, 1, 4);
    switch (feature) {
        case PaperFeature::offsetOutput:
            return optionByteIs(options, 1, 1, 1) ? oneStapleOrOffsetPaperRefusals : refusesNoPaper;
        case PaperFeature::zFold:
            return zFoldPaperRefusals;
        case PaperFeature::multiLetterFold:
            return multiLetterFoldPaperRefusals;
        case PaperFeature::multiCenterFold:
        case PaperFeature::foldAndStaple:
            return multiCenterFoldOrFoldAndStaplePaperRefusals;
        case PaperFeature::creasedMultiCenterFold:
            return creasedMultiCenterFoldPaperRefusals;
        case PaperFeature::oneStaple:
            return oneStapleOrOffsetPaperRefusals;
        case PaperFeature::twoStaples:
            return twoStaplesPaperRefusals;
        case PaperFeature::twoHolePunch:
            return punchUnit ? twoHolePunchPaperRefusals : refusesNoPaper;
        case PaperFeature::zFoldStaple:
            return zFoldStaplePaperRefusals;
        case PaperFeature::threeHolePunch:
        case PaperFeature::fourHolePunch:
            return punchUnit ? threeOrFourHolePunchPaperRefusals : refusesNoPaper;
        case PaperFeature::streamPunch:
            return streamPunchPaperRefusals;
        case PaperFeature::paperPath:
            return paperPathRefusals;
        case PaperFeature::sideImagePosition:
            return sideImagePositionPaperRefusals;
        case PaperFeature::ringBindingFirstInside:
        case PaperFeature::ringBindingLastOutside:
            return ringBindingFirstInsideOrLastOutsidePaperRefusals;
        case PaperFeature::ringBindingFirstOutside:
        case PaperFeature::ringBindingLastInside:
            return ringBindingFirstOutsideOrLastInsidePaperRefusals;
        case PaperFeature::tray3:
            if (optionByteIs(options, 6, 2, 2)) return tray3PaperRefusalsWithTrayUnit2;
            if (optionByteIs(options, 6, 3, 3)) return tray3PaperRefusalsWithTrayUnit3;
            return refusesNoPaper;
        case PaperFeature::autoSlot:
            return autoSlotPaperRefusals;
    }
    return refusesNoPaper;
}

const PaperSizeRefusal* findRefusal(const PaperSizeRefusal* table, std::uint32_t pageSizeNumber) {
    for (const PaperSizeRefusal* row = table; row->pageSizeNumber != 0; ++row)
        if (row->pageSizeNumber == pageSizeNumber) return row;
    return nullptr;
}

bool fitsOneWay(std::uint32_t min1, std::uint32_t min2, std::uint32_t max1, std::uint32_t max2,
                std::uint32_t across, std::uint32_t along) {
    return across >= min2 && across <= max2 && along >= min1 && along <= max1;
}

}  // namespace

bool isPaperSizeAllowed(const PageGeometry& sheet, PaperFeature feature,
                        const InstalledOptions* options) {
    const std::uint32_t number = pageSizeNumberFromPaperId(sheet.paperId);
    const PaperSizeRefusal* row = findRefusal(refusalTable(feature, options), number);
    if (row == nullptr) return true;
    if (number == customTargetPaperSize)
        return fitsSizeRange(row->min1, row->min2, row->max1, row->max2, sheet.width, sheet.height,
                             sheet.feedDirection);
    if (row->feed == 0) return false;
    return sheet.feedDirection == feedDirectionAuto || sheet.feedDirection != row->feed;
}

bool fitsSizeRange(std::uint32_t min1, std::uint32_t min2, std::uint32_t max1, std::uint32_t max2,
                   std::uint32_t width, std::uint32_t height, std::uint32_t feed) {
    if (width == 0 || height == 0) return false;
    const bool longEdgeFirst = fitsOneWay(min1, min2, max1, max2, width, height);
    const bool shortEdgeFirst = fitsOneWay(min1, min2, max1, max2, height, width);
    if (feed == feedDirectionLongEdge) return longEdgeFirst;
    if (feed == feedDirectionAuto) return shortEdgeFirst || longEdgeFirst;
    return shortEdgeFirst;
}

std::uint32_t paperFeedCapability(const PageGeometry& sheet) {
    if (sheet.paperId == noPaperId) return feedCapabilityAny;
    const PaperSizeRefusal* row =
        findRefusal(paperPathRefusals, pageSizeNumberFromPaperId(sheet.paperId));
    if (row == nullptr) return feedCapabilityUnlisted;
    if (row->feed == feedDirectionLongEdge) return feedCapabilityShortEdgeOnly;
    if (row->feed == feedDirectionShortEdge) return feedCapabilityLongEdgeOnly;
    return feedCapabilityAny;
}

}  // namespace pd
