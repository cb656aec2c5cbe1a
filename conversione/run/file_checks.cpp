#include "run/file_checks.h"

#include <filesystem>

#include "dbengine/recordset.h"
#include "winfs/paths.h"

namespace conversione {
namespace {

// Upper case of the ASCII letters: the names and the release compared here
// are ASCII, and an accented letter never matches them in either case.
std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::string TextOf(const dao::Variant& value) {
    return value.IsNull() ? std::string() : value.ToString();
}

} // namespace

bool NameEndsWith(const std::string& fileName, std::string_view expectedTail) {
    // Bytes, not characters: the tail is ASCII, so the last 14 bytes equal it
    // exactly when the last 14 characters do.
    const std::size_t length = expectedTail.size();
    std::string_view name(fileName);
    std::string_view tail = name.size() > length ? name.substr(name.size() - length) : name;
    return Upper(tail) == expectedTail;
}

bool SameFile(const std::string& first, const std::string& second) {
    std::error_code ec;
    return std::filesystem::equivalent(winfs::Resolve(first), winfs::Resolve(second), ec) && !ec;
}

std::string ReadSourceRelease(DataBindings& bindings, const std::string& sourceFile) {
    bindings.BindSource(sourceFile, "versione");
    dao::Recordset& versione = bindings.SourceRows();
    std::string numero = TextOf(versione.Fields("numero").Value());
    std::string data = TextOf(versione.Fields("data").Value());
    return numero + " " + data;
}

bool IsExpectedRelease(const std::string& release) {
    return Upper(release) == kExpectedRelease;
}

} // namespace conversione
