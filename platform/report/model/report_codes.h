#pragma once
// The numbers callers pass to the report engine and test in its answers.
#include <cstdint>

namespace report {

// Type codes of a declared variable or field.
inline constexpr std::int32_t kFieldTypeNumeric = 0x08000000;
inline constexpr std::int32_t kFieldTypeDate = 0x04000002;
inline constexpr std::int32_t kFieldTypeBoolean = 0x02000000;
inline constexpr std::int32_t kFieldTypeText = 0x10000000;

// The one project kind the engine knows: a page part over a table of lines.
inline constexpr std::int32_t kProjectList = 2;

// Print modes of BeginPrintJob.
inline constexpr std::int32_t kPrintToPrinter = 256;
inline constexpr std::int32_t kPrintToPreview = 512;

// Answers.
inline constexpr std::int32_t kResultOk = 0;
inline constexpr std::int32_t kResultCancelled = -99;      // the operator cancelled
inline constexpr std::int32_t kResultRepeat = -998;        // no room: output the page part, then call again
inline constexpr std::int32_t kResultNoLayout = -101;     // the layout file does not exist
inline constexpr std::int32_t kResultBadLayout = -102;    // the layout file is not one of ours
inline constexpr std::int32_t kResultNoOutput = -103;     // the printer or the output file cannot be written
inline constexpr std::int32_t kResultNoJob = -104;        // a job operation without an open job
inline constexpr std::int32_t kResultBadArgument = -105;  // unknown project kind or print mode
inline constexpr std::int32_t kResultNewerLayout = -106;  // the layout file is of a later format
inline constexpr std::int32_t kResultNotWhole = -107;     // the layout's pages cannot hold the document whole

// An answer by name, as callers read every answer of the report control.
enum class Answer : std::int32_t {
    Ok = kResultOk,
    Cancelled = kResultCancelled,
    Repeat = kResultRepeat,
    NoLayout = kResultNoLayout,
    BadLayout = kResultBadLayout,
    NoOutput = kResultNoOutput,
    NoJob = kResultNoJob,
    BadArgument = kResultBadArgument,
    NewerLayout = kResultNewerLayout,
    NotWhole = kResultNotWhole,
    Unknown = -1,   // a code none of the above names
};

// The one way from a code the report control returns to its name.
constexpr Answer AnswerOf(std::int32_t code) {
    switch (code) {
    case kResultOk:
    case kResultCancelled:
    case kResultRepeat:
    case kResultNoLayout:
    case kResultBadLayout:
    case kResultNoOutput:
    case kResultNoJob:
    case kResultBadArgument:
    case kResultNewerLayout:
    case kResultNotWhole:
        return static_cast<Answer>(code);
    default:
        return Answer::Unknown;
    }
}

} // namespace report
