#pragma once

// The design names of the main window Form1's controls and menu items, for its presenter, the
// console and the tests.
namespace pelmora::form1 {

inline constexpr const char* kPathBox = "Text1";  // the logo's path
inline constexpr const char* kManufacturer = "Text2";
inline constexpr const char* kModel = "Text3";
// The registration facts as read (hidden) and the labels that show them.
inline constexpr const char* kOwnerBox = "Text4";
inline constexpr const char* kOrganizationBox = "Text5";
inline constexpr const char* kProductIdBox = "Text6";
inline constexpr const char* kProductNameBox = "Text7";
inline constexpr const char* kOwner = "L11";
inline constexpr const char* kOrganization = "L12";
inline constexpr const char* kProductId = "L13";
inline constexpr const char* kProductName = "L14";
inline constexpr const char* kVisits = "Text8";
// The Windows directory as found (hidden) and as the commands take it (a hidden label).
inline constexpr const char* kWindowsDirBox = "Text9";
inline constexpr const char* kWindowsDir = "La11";
inline constexpr const char* kCurrentLogo = "Picture1";
inline constexpr const char* kHeldPicture = "Image3";  // hidden: the picture selected last

inline constexpr const char* kApplySelected = "CommandButton1";
inline constexpr const char* kRemoveLogo = "CommandButton2";
inline constexpr const char* kSelectLogo = "CommandButton3";
inline constexpr const char* kApplyOem = "CommandButton4";
inline constexpr const char* kEditSupport = "CommandButton5";
inline constexpr const char* kRemoveOem = "CommandButton6";
inline constexpr const char* kView = "CommandButton7";
inline constexpr const char* kAbout = "CommandButton8";
inline constexpr const char* kExit = "CommandButton9";

inline constexpr const char* kMenuSelectLogo = "ol";
inline constexpr const char* kMenuApplyLogo = "al";
inline constexpr const char* kMenuEditSupport = "esi";
inline constexpr const char* kMenuEmpty = "ww";  // has no command
inline constexpr const char* kMenuClose = "ex";
inline constexpr const char* kMenuAbout = "ab";
inline constexpr const char* kMenuView = "on";
inline constexpr const char* kMenuCurrentWindows = "cwi";  // the last of the File menu

}  // namespace pelmora::form1
