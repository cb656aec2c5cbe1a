#include "dbengine/access/unsupported_format.h"

#include "dbengine/values/errors.h"

namespace dao {

void RaiseUnsupportedFormat(const std::string& detail) {
    Raise(kNotADatabase, detail);
}

} // namespace dao
