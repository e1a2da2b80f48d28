#pragma once

namespace hv {

// Localisation keys, spelled as the system gives them; their texts are in
// resources/i18n/hushvault_<language>.ts.
inline constexpr const char* kKeyInternational = "International";  // "en", "中国", "中國"
inline constexpr const char* kKeyAppTitle = "tolvaHiddenMSG";
inline constexpr const char* kKeyAppTitleAbout = "tolvaHiddenMSG1";
inline constexpr const char* kKeyNewMessage = "NMessage";
inline constexpr const char* kKeyManagement = "Management";
inline constexpr const char* kKeyRecords = "Crecords";
inline constexpr const char* kKeySetting = "Setting";
inline constexpr const char* kKeyGuide = "UGuide";
inline constexpr const char* kKeyUsingGuide = "Using Guide";
inline constexpr const char* kKeySms = "SMS";
inline constexpr const char* kKeyBack = "Back";
inline constexpr const char* kKeyPresetPassword = "Preset password";
inline constexpr const char* kKeyCompanyName = "companyname";
inline constexpr const char* kKeyProperty = "property";
inline constexpr const char* kKeyCancel = "Cancel";
inline constexpr const char* kKeySure = "Sure";

// Every key above, for the check that each language gives each of them a text.
inline constexpr const char* kAllLocalizationKeys[] = {
    kKeyInternational, kKeyAppTitle, kKeyAppTitleAbout, kKeyNewMessage,
    kKeyManagement,    kKeyRecords,  kKeySetting,       kKeyGuide,
    kKeyUsingGuide,    kKeySms,      kKeyBack,          kKeyPresetPassword,
    kKeyCompanyName,   kKeyProperty, kKeyCancel,        kKeySure,
};

// The texts of "International" that choose a language's pages and layouts.
inline constexpr const char* kInternationalSimplified = "中国";
inline constexpr const char* kInternationalTraditional = "中國";

}  // namespace hv
