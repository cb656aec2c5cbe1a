#include "fresh_codes.h"

#include <sqlite3.h>
#include <stdexcept>

namespace bench {
namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace

std::string Base36(long n) {
    const char* digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string text;
    do {
        text.insert(text.begin(), digits[n % 36]);
        n /= 36;
    } while (n > 0);
    return text;
}

long FreshCodes::Capacity(int width) {
    long capacity = 1;
    for (int i = 0; i < width && capacity < 1000000000L; ++i) capacity *= 36;
    return capacity - 1;   // codes start at 1
}

int FreshCodes::AddSlot(int width, const std::vector<std::string>& demoValues) {
    Slot slot;
    slot.width = static_cast<std::size_t>(width);
    for (const std::string& value : demoValues) slot.taken.insert(Upper(value));
    slots_.push_back(std::move(slot));
    return static_cast<int>(slots_.size()) - 1;
}

void FreshCodes::Register(sqlite3* db) {
    if (sqlite3_create_function_v2(db, "bench_fresh", 1, SQLITE_UTF8, this, &FreshCodes::Call, nullptr, nullptr,
                                   nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot register bench_fresh");
}

void FreshCodes::Call(sqlite3_context* context, int, sqlite3_value** argv) {
    auto* self = static_cast<FreshCodes*>(sqlite3_user_data(context));
    const sqlite3_int64 index = sqlite3_value_int64(argv[0]);
    if (index < 0 || index >= static_cast<sqlite3_int64>(self->slots_.size())) {
        sqlite3_result_error(context, "bench_fresh: no such slot", -1);
        return;
    }
    Slot& slot = self->slots_[static_cast<std::size_t>(index)];
    std::string code;
    do code = Base36(slot.next++);
    while (slot.taken.count(code));
    if (code.size() > slot.width) {
        sqlite3_result_error(context, "bench_fresh: the field has no more codes", -1);
        return;
    }
    sqlite3_result_text(context, code.c_str(), static_cast<int>(code.size()), SQLITE_TRANSIENT);
}

} // namespace bench
