#include "dbengine/claims/engine_holdings.h"

namespace dao {

std::string HeldUses::KeyOf(const std::filesystem::path& path) {
    std::error_code ec;
    const auto canonical = std::filesystem::weakly_canonical(path, ec);
    return (ec ? path : canonical).string();
}

void HeldUses::Add(const std::string& key, const ExclusiveUse* use) {
    std::lock_guard guard(mutex_);
    byKey_[key] = use;
}

void HeldUses::Remove(const std::string& key, const ExclusiveUse* use) {
    std::lock_guard guard(mutex_);
    auto it = byKey_.find(key);
    if (it != byKey_.end() && it->second == use) byKey_.erase(it);
}

const ExclusiveUse* HeldUses::On(const std::filesystem::path& path) const {
    std::lock_guard guard(mutex_);
    auto it = byKey_.find(KeyOf(path));
    return it == byKey_.end() ? nullptr : it->second;
}

} // namespace dao
