#pragma once
// The texts of the main window's message boxes and of the About box, and the
// publisher's addresses they name.

namespace quillan::messages {

inline constexpr const char* kErrorCaption = "Error!";
// Raised during a command; the start-up boxes add a full stop.
inline constexpr const char* kResourcesMissing =
    "Resources are not available!\nPlease try it again later or send an email to us";
inline constexpr const char* kResourcesMissingAtStartup =
    "Resources are not available!\nPlease try it again later or send an email to us.";
inline constexpr const char* kConfigNotLoaded =
    "Config File is not loaded correctly!\nPlease try it again later or send an email to us.";

inline constexpr const char* kGreetingCaption = "Start Up!";
// The on-line pages of the publisher: the browser is pointed at the first while
// the greeting is up, and the greeting names the second. The publisher has no
// site yet, so they lie in a reserved example domain; without a network the
// welcome page simply replaces the start-up page.
inline constexpr const char* kStartupPageUrl = "https://quillan.example.org/start";
inline constexpr const char* kUsageGuideUrl = "https://quillan.example.org/guide";

inline constexpr const char* kBuilderCaption = "OK";

inline constexpr const char* kAboutCaption = "About Quillan";
inline constexpr const char* kAboutVersion = "Quillan, V1.1";
inline constexpr const char* kAboutNotice = "A dictionary for learners of Chinese.";

inline constexpr const char* kReportBugCaption = "Report A Bug!";
inline constexpr const char* kBugReportAddress = "bugs@quillan.example.org";
inline constexpr const char* kSignature = "The Quillan team";

}  // namespace quillan::messages
