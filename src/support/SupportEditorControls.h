#pragma once

// The design names of the support-information editor sinf's controls, for its presenter, the
// console and the tests.
namespace pelmora::sinf {

// Hidden: manufacturer and model as the editor loaded them.
inline constexpr const char* kManufacturer = "Text2";
inline constexpr const char* kModel = "Text3";

inline constexpr const char* kWebAddress = "Text1";
inline constexpr const char* kEMail = "Text4";
inline constexpr const char* kPostalAddress = "Text5";
inline constexpr const char* kAddress2 = "Text6";
inline constexpr const char* kTelephone = "Text7";
inline constexpr const char* kFax = "Text8";
inline constexpr const char* kOwner = "Text9";
inline constexpr const char* kCompany = "Text11";
inline constexpr const char* kDate = "Text12";

inline constexpr const char* kApply = "CommandButton1";
inline constexpr const char* kClose = "CommandButton2";

}  // namespace pelmora::sinf
