#pragma once
// The backup and restore window reduced to nothing: a run in a process of its
// own, or on fuzzed input, where what it shows is not looked at.
#include <string>

#include "backup/procedures.h"

namespace test_support {

class SilentView : public utilita::backup::BackupView {
public:
    void ShowInfo(const std::string&) override {}
    void SetStatus(const char*) override {}
    void SetHourglass(bool) override {}
};

} // namespace test_support
