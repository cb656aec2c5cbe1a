#pragma once
// The SQL function bench_fresh(slot): the next code of one text key field,
// in base 36 ("1", "2", ... "Z", "10", ...), never one of the field's demo
// values and never longer than the field takes (an SQL error then).
#include <set>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_context;
struct sqlite3_value;

namespace bench {

class FreshCodes {
public:
    // Registers bench_fresh on the connection; this object must outlive its use.
    void Register(sqlite3* db);
    // A new slot for a field of the given width and demo values; its number.
    int AddSlot(int width, const std::vector<std::string>& demoValues);

    // How many codes a field of that width can give (capped at a billion).
    static long Capacity(int width);

private:
    struct Slot {
        std::size_t width = 0;
        std::set<std::string> taken;   // demo values in upper case
        long next = 1;
    };
    static void Call(sqlite3_context* context, int argc, sqlite3_value** argv);
    std::vector<Slot> slots_;
};

std::string Base36(long n);

} // namespace bench
