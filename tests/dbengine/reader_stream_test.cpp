// The stream a reader sends is held to its bounds: a position past its end or
// a value of a kind no reader writes is malformed, not a value left unread.
#include <gtest/gtest.h>

#include "dbengine/access/reader_stream.h"

namespace {

using dao::reader_stream::ProtocolError;
using dao::reader_stream::StreamReader;

TEST(ReaderStream, APlacePastTheEndOrAnUnknownTagIsMalformed) {
    std::string bytes;
    dao::reader_stream::AppendValue(bytes, dao::Variant::Long(7));
    StreamReader stream(bytes);
    stream.Seek(bytes.size());
    EXPECT_TRUE(stream.AtEnd());
    EXPECT_THROW(stream.Seek(bytes.size() + 1), ProtocolError);
    stream.Seek(0);
    dao::Variant value;
    EXPECT_TRUE(stream.Value(value));
    EXPECT_EQ(value, dao::Variant::Long(7));

    const std::string unknown(1, '\x7f');
    StreamReader read(unknown), skipped(unknown);
    EXPECT_THROW(read.Value(value), ProtocolError);
    EXPECT_THROW(skipped.SkipValue(), ProtocolError);
}

} // namespace
