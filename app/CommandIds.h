// Command ids of the main window: every menu item, toolbar button and accelerator carries one of these.
#pragma once

namespace cmd {
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 32782;
inline constexpr int kAppExit = 57665;
inline constexpr int kComPort = 200;
inline constexpr int kLangEnglish = 202;
inline constexpr int kLangChinese = 203;
inline constexpr int kOptions = 32783;
inline constexpr int kOptionalFunctions = 204;
inline constexpr int kKeyAssignment = 205;
inline constexpr int kTestFrequency = 206;
inline constexpr int kEmbeddedMessage = 32789;
inline constexpr int kReadData = 207;
inline constexpr int kWriteData = 208;
inline constexpr int kTestMode = 209;
inline constexpr int kBatchWriteTest = 32780;
inline constexpr int kModelInfo = 32785;
inline constexpr int kTestPassword = 210;
inline constexpr int kRwPassword = 32787;
inline constexpr int kHelpTopics = 211;
inline constexpr int kAbout = 57664;
// Tools menu item that opens the model-information window (whose own item start-up removes).
inline constexpr int kRadioInformation = 32811;
inline constexpr int kEditUndo = 33000;
inline constexpr int kEditRedo = 33001;
inline constexpr int kImportChannels = 33002;
inline constexpr int kExportChannels = 33003;
inline constexpr int kFileExportReportPdf = 33050; // File > Export report as PDF (after Print)
inline constexpr int kHelpContents = 33060; // Help > Contents: the user manual's contents page
inline constexpr int kRadioHistory = 33070;        // Tools > Radio History
inline constexpr int kProgramFleet = 33071;        // Tools > Program Many Radios
} // namespace cmd
