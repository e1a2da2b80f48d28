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

// Composer and phone-type chooser.
inline constexpr const char* kKeyTo = "To";
inline constexpr const char* kKeyMobitype = "Mobitype";
inline constexpr const char* kKeyPasscode = "passcode";
inline constexpr const char* kKeyIphone = "iphone";
inline constexpr const char* kKeyCell = "cell";
inline constexpr const char* kKeyIphoneHushvault = "iphone hushvault";
inline constexpr const char* kKeyNoHushvault = "no hushvault";
inline constexpr const char* kKeyRecipientPlaceholder = "PTPNumber";
inline constexpr const char* kKeyPasswordPlaceholder = "PEn-password";
inline constexpr const char* kKeySending = "send";
inline constexpr const char* kKeySent = "F-send";
inline constexpr const char* kKeyFailedSend = "failed send";
inline constexpr const char* kKeyInputNumber = "Input Number";
inline constexpr const char* kKeyInputPassword = "Input En-PWD";
inline constexpr const char* kKeyWarning = "Warning";
inline constexpr const char* kKeySendError = "send error";
inline constexpr const char* kKeyContracts = "Contracts";
inline constexpr const char* kKeyMobiType = "Mobi Type";
inline constexpr const char* kKeySmsLabel = "hiddenMSG";
inline constexpr const char* kKeySmsCount = "SMS count";  // "%1 characters, %2 SMS"

// Passcode pad, login, administrator password, settings.
inline constexpr const char* kKeyPassCode = "passCode";
inline constexpr const char* kKeyPasswordLength = "password length";
inline constexpr const char* kKeyTwiceDifferent = "twice input are different";
inline constexpr const char* kKeyInputAdminAgain = "input admin password again";
inline constexpr const char* kKeyInputNewAgain = "input the new password again";
inline constexpr const char* kKeyIncorrectOld = "incorrect old password";
inline constexpr const char* kKeyNewPassWord = "new pass word";
inline constexpr const char* kKeyIncorrectAdmin = "incorrect admin password";
inline constexpr const char* kKeyNoPassWord = "no pass word";
inline constexpr const char* kKeyLogin = "Login";
inline constexpr const char* kKeyPasswordModify = "Password Modify";
inline constexpr const char* kKeyPasswordSetting = "Password Setting";
inline constexpr const char* kKeySave = "Save";
inline constexpr const char* kKeyAdminPassword = "Admin Password";
inline constexpr const char* kKeyAutomaticLocking = "Automatic locking";
inline constexpr const char* kKeyStoreSms = "Store SMS";
inline constexpr const char* kKeySetted = "setted";
inline constexpr const char* kKeyImmediately = "Immediately";
inline constexpr const char* kKeyMinute = "mim";
inline constexpr const char* kKeyMinutes = "mims";
inline constexpr const char* kKeyNever = "Never";
inline constexpr const char* kKeyChangePassword = "Change password";  // the login screen's link

// Every key above, for the check that each language gives each of them a text.
inline constexpr const char* kAllLocalizationKeys[] = {
    kKeyInternational,
    kKeyAppTitle,
    kKeyAppTitleAbout,
    kKeyNewMessage,
    kKeyManagement,
    kKeyRecords,
    kKeySetting,
    kKeyGuide,
    kKeyUsingGuide,
    kKeySms,
    kKeyBack,
    kKeyPresetPassword,
    kKeyCompanyName,
    kKeyProperty,
    kKeyCancel,
    kKeySure,
    kKeyTo,
    kKeyMobitype,
    kKeyPasscode,
    kKeyIphone,
    kKeyCell,
    kKeyIphoneHushvault,
    kKeyNoHushvault,
    kKeyRecipientPlaceholder,
    kKeyPasswordPlaceholder,
    kKeySending,
    kKeySent,
    kKeyFailedSend,
    kKeyInputNumber,
    kKeyInputPassword,
    kKeyWarning,
    kKeySendError,
    kKeyContracts,
    kKeyMobiType,
    kKeySmsLabel,
    kKeySmsCount,
};

// The texts of "International" that choose a language's pages and layouts.
inline constexpr const char* kInternationalSimplified = "中国";
inline constexpr const char* kInternationalTraditional = "中國";

}  // namespace hv
