#pragma once

// The design names of the Current Windows window cwin's controls that are not text boxes of a
// branding field (those are in branding/BrandingFields.h), for its presenter and the tests.
namespace pelmora::cwin {

inline constexpr const char* kApply = "CommandButton1";
inline constexpr const char* kClose = "CommandButton2";

}  // namespace pelmora::cwin
