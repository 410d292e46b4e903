#pragma once

// The colours and sizes of the program's skin. The skin pictures are drawn
// from these by kwskin at build time; the windows that show the pictures use
// the same values for whatever they paint around them, so that both match.

#include "chrome/colours.h"

#include <QRgb>
#include <QSize>

namespace kw::skin {

// Colours -------------------------------------------------------------------

// Backgrounds.
inline constexpr QRgb kPage = qRgb(255, 255, 255);      // pages, dialog, answer sheet
inline constexpr QRgb kPanel = kPanelRgb;              // tool bar, bands, handle strip
inline constexpr QRgb kWindow = qRgb(220, 232, 247);    // behind the tab strip
inline constexpr QRgb kPanelLine = qRgb(200, 204, 186); // thin lines on panels

// Title strip, active (blue) and inactive (white).
inline constexpr QRgb kTitleTop = qRgb(74, 140, 226);
inline constexpr QRgb kTitleBottom = qRgb(32, 94, 186);
inline constexpr QRgb kTitleShine = qRgb(138, 184, 242);
inline constexpr QRgb kTitleEdge = qRgb(24, 70, 142);
inline constexpr QRgb kWhiteTop = qRgb(255, 255, 255);
inline constexpr QRgb kWhiteBottom = qRgb(236, 240, 246);
inline constexpr QRgb kWhiteEdge = qRgb(160, 174, 194);
inline constexpr QRgb kTitleText = qRgb(255, 255, 255);     // caption, active
inline constexpr QRgb kTitleTextDim = qRgb(128, 128, 128);  // caption, inactive

// Window frame (sides and bottom, the same in both states).
inline constexpr QRgb kFrameOuter = qRgb(44, 86, 150);
inline constexpr QRgb kFrameFace = qRgb(169, 196, 232);
inline constexpr QRgb kFrameInner = qRgb(118, 152, 200);

// Buttons.
inline constexpr QRgb kButtonTop = qRgb(255, 255, 255);
inline constexpr QRgb kButtonBottom = qRgb(214, 230, 250);
inline constexpr QRgb kButtonEdge = qRgb(96, 136, 196);
inline constexpr QRgb kHoverTop = qRgb(255, 250, 226);
inline constexpr QRgb kHoverBottom = qRgb(255, 226, 140);
inline constexpr QRgb kHoverEdge = qRgb(226, 160, 40);
inline constexpr QRgb kPressedTop = qRgb(250, 206, 110);
inline constexpr QRgb kPressedBottom = qRgb(255, 236, 178);
inline constexpr QRgb kPressedEdge = qRgb(190, 124, 20);
inline constexpr QRgb kButtonText = qRgb(30, 50, 90);    // captions on buttons
inline constexpr QRgb kHeadText = qRgb(28, 78, 158);     // captions on the column heads
inline constexpr QRgb kSectionText = qRgb(255, 255, 255); // captions on the report bars

// Tabs.
inline constexpr QRgb kTabEdge = qRgb(120, 150, 196);
inline constexpr QRgb kTabBackTop = qRgb(206, 221, 242);
inline constexpr QRgb kTabBackBottom = qRgb(184, 204, 232);
inline constexpr QRgb kTabHoverTop = qRgb(236, 243, 253);
inline constexpr QRgb kTabHoverBottom = qRgb(208, 224, 246);
inline constexpr QRgb kTabAccent = qRgb(243, 154, 30);

// Drawing colours of the icons and marks.
inline constexpr QRgb kInk = qRgb(43, 58, 74);
inline constexpr QRgb kBlue = qRgb(47, 116, 208);
inline constexpr QRgb kBlueLight = qRgb(102, 160, 236);
inline constexpr QRgb kBlueDark = qRgb(28, 78, 158);
inline constexpr QRgb kGreen = qRgb(59, 170, 74);
inline constexpr QRgb kGreenLight = qRgb(118, 206, 112);
inline constexpr QRgb kGreenDark = qRgb(34, 118, 50);
inline constexpr QRgb kRed = qRgb(224, 72, 62);
inline constexpr QRgb kRedLight = qRgb(244, 124, 110);
inline constexpr QRgb kRedDark = qRgb(166, 42, 34);
inline constexpr QRgb kOrange = qRgb(243, 154, 30);
inline constexpr QRgb kOrangeDark = qRgb(184, 104, 12);
inline constexpr QRgb kYellow = qRgb(255, 210, 63);
inline constexpr QRgb kCream = qRgb(255, 236, 176);
inline constexpr QRgb kSteel = qRgb(142, 156, 178);
inline constexpr QRgb kSteelLight = qRgb(206, 214, 226);
inline constexpr QRgb kSteelDark = qRgb(84, 98, 120);
inline constexpr QRgb kPaper = qRgb(255, 255, 255);
inline constexpr QRgb kPaperLine = qRgb(180, 190, 204);
inline constexpr QRgb kKestrel = qRgb(196, 98, 40);     // the kestrel's russet back
inline constexpr QRgb kKestrelHead = qRgb(110, 130, 160);
inline constexpr QRgb kSky = qRgb(214, 234, 252);
inline constexpr QRgb kNote = qRgb(255, 251, 224);      // instruction card

// Sizes in pixels ----------------------------------------------------------

inline constexpr QSize kToolButton{64, 56};      // icon in the top 38 rows, caption below
inline constexpr int kToolCaptionTop = 38;       // first row of the caption area
inline constexpr QSize kTab{120, 28};
inline constexpr int kTitleHeight = 24;
inline constexpr QSize kTitleLeft{40, kTitleHeight};
inline constexpr QSize kTitleCentre{8, kTitleHeight};  // stretched across
inline constexpr QSize kTitleRight{80, kTitleHeight};
inline constexpr QSize kWindowButton{20, 18};
inline constexpr int kFrameWidth = 5;            // sides and bottom
inline constexpr QSize kFrameSide{kFrameWidth, 8};  // stretched down
inline constexpr QSize kFrameBottom{8, kFrameWidth}; // stretched across
inline constexpr QSize kFrameCorner{8, 8};
inline constexpr QSize kDialogCorner{10, 10};    // rounded, for the message dialog
inline constexpr QSize kButton{80, 25};
inline constexpr QSize kLoadButton{32, 20};
inline constexpr QSize kStatusBox{64, 25};       // bottombg1, bottombg3
inline constexpr QSize kRemainingBox{150, 25};   // bottombg2
inline constexpr QSize kMarkingBox{200, 25};     // bottombg4
inline constexpr QSize kProgressStep{10, 12};
inline constexpr int kProgressFirstLeft = 10;    // first step inside the marking box
inline constexpr int kProgressPitch = 12;        // step to step
inline constexpr int kProgressTop = 7;
inline constexpr QSize kTopicHead{220, 26};      // columnhead1
inline constexpr QSize kPaperHead{330, 26};      // columnhead2
inline constexpr QSize kGrip{12, 12};
inline constexpr QSize kBullet{12, 12};
inline constexpr QSize kHandle{12, 64};
inline constexpr QSize kPen{16, 16};
inline constexpr QSize kSectionBar{600, 24};
inline constexpr QSize kWindowIcon{32, 32};     // KWicon.ico, pencil.ico; shown at 16 x 16 in the title strip
inline constexpr QSize kHandPointer{32, 32};
inline constexpr QSize kInfoMark{32, 27};
inline constexpr QSize kLogo{220, 64};
inline constexpr QSize kInstruction{260, 140};

} // namespace kw::skin
