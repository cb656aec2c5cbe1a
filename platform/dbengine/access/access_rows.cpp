// The rows of an Access table as a read-only recordset. The reader process
// sends the whole table at opening (so the count is exact); the stream is
// kept as it came, with where each row starts, and a row is decoded on first use.
#include <memory>
#include <unordered_map>
#include <vector>

#include "dbengine/access/access_file.h"
#include "dbengine/access/reader_stream.h"
#include "dbengine/values/errors.h"
#include "dbengine/access/reader_supervisor.h"
#include "dbengine/storage/recordset_backend.h"
#include "winfs/paths.h"

namespace dao {

namespace {

using namespace reader_stream;

class AccessRows final : public RecordsetBackend {
public:
    AccessRows(ReaderPool& readers, const std::filesystem::path& path, const std::string& name)
        : path_(path.string()), bytes_(readers.AskTable(path, name)) {
        try {
            Parse();
        } catch (const ProtocolError& error) {
            Raise(kNotADatabase, path_ + ": the Access reader's table is malformed (" + error.what() + ")");
        }
    }

    std::int64_t Count() const override { return static_cast<std::int64_t>(rowStarts_.size()); }
    int FieldCount() const override { return static_cast<int>(names_.size()); }
    const std::string& FieldName(int index) const override { return names_[static_cast<std::size_t>(index)]; }
    VarType FieldType(int index) const override { return types_[static_cast<std::size_t>(index)]; }
    const std::string& TableName() const override { return tableName_; }

    Variant Value(int index) override {
        if (pos < 0 || pos >= Count()) Raise(kNoCurrentRow);
        if (loaded_ != pos) Load();
        const auto i = static_cast<std::size_t>(index);
        if (!readable_[i]) Raise(kNotADatabase, path_ + ": a value of " + tableName_ + "." + names_[i] + " cannot be read");
        return values_[i];
    }

    void SetValue(int, const Variant&) override { Refuse(); }
    void AddNew() override { Refuse(); }
    void Edit() override { Refuse(); }
    void Update() override { Refuse(); }
    bool Writing() const override { return false; }
    void Leave() override {}

protected:
    int FindField(std::string_view name) const override {
        auto it = byFolded_.find(winfs::FoldCase(std::string(name)));
        return it == byFolded_.end() ? -1 : it->second;
    }

private:
    [[noreturn]] void Refuse() const { Raise(kReadOnly, tableName_); }

    // The header, then where each row starts; every value is stepped over
    // once, so that a stream that does not hold together fails here.
    void Parse() {
        StreamReader stream(bytes_);
        if (RecordOrFailure(stream, path_) != kHeader) throw ProtocolError("no table header");
        tableName_ = stream.Text();
        const std::uint32_t fields = stream.U32();
        for (std::uint32_t i = 0; i < fields; ++i) {
            names_.emplace_back(stream.Text());
            const auto type = stream.U8();
            if (type > static_cast<std::uint8_t>(VarType::String)) throw ProtocolError("unknown field type");
            types_.push_back(static_cast<VarType>(type));
            byFolded_.emplace(winfs::FoldCase(names_.back()), static_cast<int>(i));
        }
        for (char record; (record = static_cast<char>(stream.U8())) == kRow;) {
            rowStarts_.push_back(stream.Position());
            for (std::uint32_t i = 0; i < fields; ++i) stream.SkipValue();
        }
        // A table the reader could not read whole ends in its failure, after the rows it sent.
        stream.Seek(stream.Position() - 1);
        if (RecordOrFailure(stream, path_) != kEnd || stream.U64() != rowStarts_.size() || !stream.AtEnd())
            throw ProtocolError("rows not closed");
        values_.resize(fields);
        readable_.resize(fields);
    }

    void Load() {
        StreamReader stream(bytes_);
        stream.Seek(rowStarts_[static_cast<std::size_t>(pos)]);
        for (std::size_t i = 0; i < values_.size(); ++i) readable_[i] = stream.Value(values_[i]);
        loaded_ = pos;
    }

    std::string path_;
    std::string bytes_;
    std::string tableName_;
    std::vector<std::string> names_;
    std::vector<VarType> types_;
    std::unordered_map<std::string, int> byFolded_;
    std::vector<std::size_t> rowStarts_;
    std::vector<Variant> values_;
    std::vector<char> readable_;
    std::int64_t loaded_ = -1;
};

} // namespace

std::unique_ptr<RecordsetBackend> OpenAccessTable(ReaderPool& readers, const std::filesystem::path& path,
                                                  const std::string& table) {
    return std::make_unique<AccessRows>(readers, path, table);
}

} // namespace dao
