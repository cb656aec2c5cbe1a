#pragma once
// Made-up Jet 4 pages for the decoding of field values: rows placed from the
// page's end as the engine lays them out, and a file of such pages.
#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "jet_decoding.h"

namespace test_support {

constexpr int kPage = 4096;
constexpr int kRowCountAt = 0x0c;

// A Jet 4 page with rows placed from its end, as the engine lays them out.
struct MadePage {
    std::vector<unsigned char> bytes = std::vector<unsigned char>(kPage);

    void Put16(int at, unsigned value) {
        bytes[static_cast<std::size_t>(at)] = value & 0xff;
        bytes[static_cast<std::size_t>(at + 1)] = (value >> 8) & 0xff;
    }
    void Put32(int at, std::uint32_t value) {
        Put16(at, value & 0xffff);
        Put16(at + 2, value >> 16);
    }
    // Marks the page as one of long values (Memo, OLE).
    MadePage& OfLongValues() {
        bytes[0] = 0x01;
        std::copy_n("LVAL", 4, bytes.begin() + 4);
        return *this;
    }
    // Rows given in order; returns where each starts.
    std::vector<int> Rows(const std::vector<std::vector<unsigned char>>& rows) {
        std::vector<int> starts;
        int end = kPage;
        Put16(kRowCountAt, static_cast<unsigned>(rows.size()));
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const int start = end - static_cast<int>(rows[r].size());
            std::copy(rows[r].begin(), rows[r].end(), bytes.begin() + start);
            Put16(kRowCountAt + 2 + 2 * static_cast<int>(r), static_cast<unsigned>(start));
            starts.push_back(start);
            end = start;
        }
        return starts;
    }
};

struct MadePages final : jet::PageSource {
    std::map<std::uint32_t, MadePage> pages;
    jet::Bytes Page(std::uint32_t number) override {
        auto it = pages.find(number);
        return it == pages.end() ? jet::Bytes() : jet::Bytes(it->second.bytes);
    }
    std::size_t LongValueLimit() const override { return 1 << 20; }
};

} // namespace test_support
