#pragma once

// The design names of the About window Form2z's controls, for its presenter and the tests.
namespace pelmora::form2z {

inline constexpr const char* kOwnerBox = "Text4";  // hidden: the registered owner as read
inline constexpr const char* kOwner = "L6";
inline constexpr const char* kClose = "CommandButton1";

}  // namespace pelmora::form2z
