#include "dbengine/access_file.h"

#include <cstring>
#include <fstream>
#include <iostream>

#include "dbengine/access_handle.h"
#include "dbengine/errors.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"

namespace dao {

namespace {

// Page 0 of every Access file: a fixed prefix, the engine's name, then the
// format version (0 Jet 3, 1 Jet 4, 2 and later the .accdb formats).
constexpr unsigned char kPrefix[4] = {0x00, 0x01, 0x00, 0x00};
constexpr char kJetName[] = "Standard Jet DB";
constexpr char kAceName[] = "Standard ACE DB";
constexpr int kVersionOffset = 0x14;

} // namespace

void RaiseUnsupportedFormat(const std::string& detail) {
    throw vb::RuntimeError(kNotADatabase, "Formato di database non supportato o file danneggiato.", detail);
}

bool IsAccessFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char head[kVersionOffset + 1] = {};
    if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return false;
    if (std::memcmp(head, kPrefix, sizeof kPrefix) != 0) return false;
    const char* name = reinterpret_cast<const char*>(head + 4);
    const bool jet = std::memcmp(name, kJetName, sizeof kJetName) == 0;
    if (!jet && std::memcmp(name, kAceName, sizeof kAceName) != 0) return false;
    if (!jet || head[kVersionOffset] > MDB_VER_JET4) RaiseUnsupportedFormat(path.string());
    return true;
}

void CheckAccessFile(const std::filesystem::path& path) { AccessHandle handle(path); }

AccessHandle::AccessHandle(const std::filesystem::path& path) : path_(path.string()) {
    mdb_ = mdb_open(path_.c_str(), MDB_NOFLAGS);
    if (!mdb_) RaiseUnsupportedFormat(path_);
    if (mdb_->f->jet_version > MDB_VER_JET4 || !mdb_read_catalog(mdb_, MDB_TABLE)) {
        mdb_close(mdb_);
        RaiseUnsupportedFormat(path_);
    }
}

AccessHandle::~AccessHandle() { mdb_close(mdb_); }

MdbTableDef* AccessHandle::ReadTable(const std::string& name) const {
    const std::string wanted = winfs::FoldCase(name);
    for (unsigned i = 0; i < mdb_->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb_->catalog, i));
        if (entry->object_type != MDB_TABLE || winfs::FoldCase(entry->object_name) != wanted) continue;
        MdbTableDef* table = mdb_read_table(entry);
        if (!table) RaiseUnsupportedFormat(path_);
        if (!mdb_read_columns(table)) {
            mdb_free_tabledef(table);
            RaiseUnsupportedFormat(path_);
        }
        return table;
    }
    return nullptr;
}

} // namespace dao
