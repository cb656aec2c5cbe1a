// The decoding of field values on made-up Jet 4 pages: places and sizes that
// a damaged row reports are refused, never read past.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <map>
#include <vector>

#include "jet_decoding.h"
#include "support/made_jet_pages.h"

namespace {

using jet::Bytes;
using jet::Version;

using test_support::kPage;
using test_support::kRowCountAt;
using test_support::MadePage;
using test_support::MadePages;

std::vector<unsigned char> Chained(std::uint32_t next, const std::string& data) {
    std::vector<unsigned char> row(4 + data.size());
    for (int i = 0; i < 4; ++i) row[static_cast<std::size_t>(i)] = static_cast<unsigned char>(next >> (8 * i));
    std::copy(data.begin(), data.end(), row.begin() + 4);
    return row;
}

TEST(JetDecoding, FieldsOutsideTheirRowAreRefused) {
    MadePage page;
    // A row: field count, a Long (7), the text "ab" in UCS-2.
    const int row = page.Rows({{2, 0, 7, 0, 0, 0, 'a', 0, 'b', 0}})[0];
    const auto place = jet::FindRow(page.bytes, 0, Version::Jet4);
    ASSERT_TRUE(place);
    EXPECT_EQ(place->start, row);
    EXPECT_EQ(place->end, kPage);
    MadePages none;
    const jet::Column text{jet::kText, 0}, number{jet::kLong, 0};
    auto value = [&](jet::FieldPlace field, jet::Column column) {
        return jet::FieldValue(page.bytes, *place, field, column, Version::Jet4, none);
    };
    EXPECT_EQ(value({row + 6, 4, false}, text)->RawString(), "ab");
    EXPECT_EQ(value({row + 2, 4, false}, number)->RawInt(), 7);
    EXPECT_FALSE(value({row + 6, -4, false}, text));            // negative size
    EXPECT_FALSE(value({row + 6, 5000, false}, text));          // past the page
    EXPECT_FALSE(value({row, 4, false}, text));                 // over the row header
    EXPECT_FALSE(value({-100, 4, false}, text));
    EXPECT_FALSE(value({kPage - 2, 2, false}, number));         // a Long needs four bytes
    EXPECT_TRUE(value({row + 6, -4, true}, text)->IsNull());

    page.Put16(kRowCountAt + 2, 4);                             // a row over the page's header
    EXPECT_FALSE(jet::FindRow(page.bytes, 0, Version::Jet4));
    page.Put16(kRowCountAt + 2, kRowCountAt + 2);               // a row over the offsets table
    EXPECT_FALSE(jet::FindRow(page.bytes, 0, Version::Jet4));
    EXPECT_FALSE(jet::FindRow(page.bytes, 1, Version::Jet4));
}

TEST(JetDecoding, LongValueChainsAreFollowedAndCheckedPageByPage) {
    MadePages pages;
    // Page 5 row 0 goes on to page 6 row 0, which ends the chain.
    pages.pages[5].OfLongValues().Rows({Chained(6 << 8, "Hello, ")});
    pages.pages[6].OfLongValues().Rows({Chained(0, "world")});
    auto field = [](std::uint32_t length, std::uint32_t pageRow) {
        MadePage header;
        header.Put32(0, length);
        header.Put32(4, pageRow);
        return std::vector<unsigned char>(header.bytes.begin(), header.bytes.begin() + 12);
    };
    EXPECT_EQ(jet::LongValue(field(12, 5 << 8), pages, Version::Jet4), "Hello, world");
    EXPECT_EQ(jet::LongValue(field(10, 5 << 8), pages, Version::Jet4), "Hello, wor");    // no more than declared
    EXPECT_FALSE(jet::LongValue(field(40, 5 << 8), pages, Version::Jet4));        // the chain ends early
    EXPECT_FALSE(jet::LongValue(field(12, 9 << 8), pages, Version::Jet4));        // no such page
    EXPECT_FALSE(jet::LongValue(field(2u << 20, 5 << 8), pages, Version::Jet4));  // longer than the file

    pages.pages[6].Rows({Chained(5 << 8, "world")});                              // back to the first page
    EXPECT_FALSE(jet::LongValue(field(1000, 5 << 8), pages, Version::Jet4));

    // A chain, or a value on one page, that reaches a page other than of long values.
    pages.pages[6] = MadePage();
    pages.pages[6].Rows({Chained(0, "world")});
    EXPECT_FALSE(jet::LongValue(field(12, 5 << 8), pages, Version::Jet4));
    EXPECT_FALSE(jet::LongValue(field(5 | 0x40000000, 6 << 8), pages, Version::Jet4));
    // A value on one page is as long as declared, and its row holds it whole.
    EXPECT_EQ(jet::LongValue(field(9 | 0x40000000, 5 << 8), pages, Version::Jet4), std::string("\x00\x06\x00\x00Hello", 9));
    EXPECT_FALSE(jet::LongValue(field(12 | 0x40000000, 5 << 8), pages, Version::Jet4));
    EXPECT_FALSE(jet::LongValue(std::vector<unsigned char>(5), pages, Version::Jet4));
}

// What the sample files never hold: a large debt, and a time of day.
TEST(JetDecoding, MoneyAndDatesAreReadWhole) {
    const std::int64_t debt = -12345678901234;              // -1.234.567.890,1234
    const double halfPastTwelve = 45365.520833333336;       // 14/03/2024 12:30
    std::vector<unsigned char> bytes{2, 0};
    for (std::uint64_t bits : {std::bit_cast<std::uint64_t>(debt), std::bit_cast<std::uint64_t>(halfPastTwelve)})
        for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<unsigned char>(bits >> (8 * i)));
    MadePage page;
    const int row = page.Rows({bytes})[0];
    const auto place = jet::FindRow(page.bytes, 0, Version::Jet4);
    ASSERT_TRUE(place);
    MadePages none;
    auto value = [&](int at, int type) {
        return jet::FieldValue(page.bytes, *place, {row + at, 8, false}, {type, 0}, Version::Jet4, none);
    };
    const auto money = value(2, jet::kMoney);
    const auto date = value(10, jet::kDateTime);
    ASSERT_TRUE(money && date);
    EXPECT_EQ(money->ToCurrencyScaled(), debt);
    EXPECT_EQ(date->ToDate(), halfPastTwelve);
}

TEST(JetDecoding, DecimalsAreExactDigits) {
    std::vector<unsigned char> bytes(17);
    bytes[0] = 0x80;            // negative
    bytes[13] = 0x39;           // 12345 in the lowest word
    bytes[14] = 0x30;
    EXPECT_EQ(jet::DecimalText(bytes, 2), "-123.45");
    EXPECT_EQ(jet::DecimalText(bytes, 7), "-0.0012345");
    std::vector<unsigned char> half(17);
    half[13] = 50;              // a price of 0.50
    EXPECT_EQ(jet::DecimalText(half, 2), "0.50");
    bytes[0] = 0;
    bytes[1] = 1;               // 2^96 + 12345
    EXPECT_EQ(jet::DecimalText(bytes, 0), "79228162514264337593543962681");
}

// A name written with a letter beyond Latin-1, stored uncompressed; one that
// starts with "ÿ" (FF 00) is no compressed text (those start FF FE).
TEST(JetDecoding, UncompressedTextKeepsBothBytesOfEachLetter) {
    const std::vector<unsigned char> name{'A', 0, 0x00, 0x01, 'x', 0};   // "AĀx"
    EXPECT_EQ(jet::Text(name, Version::Jet4), "A\u0100x");
    const std::vector<unsigned char> umlaut{0xFF, 0x00, 'b', 0x00, 0x00, 0x01};
    EXPECT_EQ(jet::Text(umlaut, Version::Jet4), "\u00FFb\u0100");
}

// A replication id as Access shows it, and a letter beyond the first plane.
TEST(JetDecoding, GuidsAndLettersBeyondTheFirstPlaneAreWhole) {
    std::vector<unsigned char> row{1, 0};
    for (int i = 0; i < 16; ++i) row.push_back(static_cast<unsigned char>(i));
    MadePage page;
    const int start = page.Rows({row})[0];
    const auto place = jet::FindRow(page.bytes, 0, Version::Jet4);
    ASSERT_TRUE(place);
    MadePages none;
    const auto guid = jet::FieldValue(page.bytes, *place, {start + 2, 16, false}, {jet::kReplicationId, 0}, Version::Jet4, none);
    ASSERT_TRUE(guid);
    EXPECT_EQ(guid->RawString(), "{03020100-0504-0706-0809-0A0B0C0D0E0F}");
    const std::vector<unsigned char> smile{0x3D, 0xD8, 0x00, 0xDE};   // U+1F600 as two UCS-2 halves
    EXPECT_EQ(jet::Text(smile, Version::Jet4), "\U0001F600");
}

// The damaged pages a file may hold: each bound is met exactly.
TEST(JetDecoding, DamagedPagesAreReadUpToTheirBoundsAndNoFurther) {
    MadePage page;
    // Two rows: the second ends where the first starts.
    const std::vector<int> rows = page.Rows({{1, 0, 0, 'a', 0, 'b'}, {2, 0, 7, 0, 0, 0, 9, 0, 0, 0}});
    const auto first = jet::FindRow(page.bytes, 0, Version::Jet4);
    const auto second = jet::FindRow(page.bytes, 1, Version::Jet4);
    ASSERT_TRUE(first && second);
    MadePages none;
    const jet::Column text{jet::kText, 0}, number{jet::kLong, 0};

    // A text of odd length up to the page's edge loses its half letter, and
    // nothing past the page is read (the bytes after it are not the page's).
    std::vector<unsigned char> spilling(page.bytes);
    spilling.insert(spilling.end(), {'!', 0});
    const jet::Bytes edged(spilling.data(), page.bytes.size());
    EXPECT_EQ(jet::FieldValue(edged, *first, {kPage - 3, 3, false}, text, Version::Jet4, none)->RawString(), "a");

    // One byte past its row is the next row's: refused, for a text as for a Long.
    auto inSecond = [&](jet::FieldPlace field, jet::Column column) {
        return jet::FieldValue(page.bytes, *second, field, column, Version::Jet4, none);
    };
    EXPECT_EQ(inSecond({rows[1] + 6, 4, false}, number)->RawInt(), 9);
    EXPECT_FALSE(inSecond({rows[1] + 6, 5, false}, text));
    EXPECT_FALSE(inSecond({rows[1] + 7, 3, false}, number));   // a Long needs a fourth byte

    // A row index equal to the row count, where a stale offset of a dropped
    // row still lies, is no row.
    page.Put16(kRowCountAt, 1);
    EXPECT_TRUE(jet::FindRow(page.bytes, 0, Version::Jet4));
    EXPECT_FALSE(jet::FindRow(page.bytes, 1, Version::Jet4));
}

} // namespace
